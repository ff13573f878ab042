#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace bacc {

// The maker's web site, opened from the Web menu.
inline const QString MakerWebSite = QStringLiteral("https://en.wikipedia.org/wiki/Baccarat");

// Opens the address in the user's web browser. A failure is reported in a message box captioned with
// title. Answers the launcher's result: above 32 is success, 31 means no browser could be started.
int OpenWebSite(const QString& address, const QString& title, QWidget* parent = nullptr);

// Test seam: replaces the launcher by one answering a result code as above. An empty function
// restores the desktop's own launcher.
void SetUrlOpener(std::function<int(const QString&)> opener);

} // namespace bacc
