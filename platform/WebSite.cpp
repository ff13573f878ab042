#include "WebSite.h"

#include "MessageBox.h"

#include <QDesktopServices>
#include <QUrl>

namespace bacc {

namespace {

constexpr int Launched = 33;
constexpr int NoBrowser = 31;

int OpenWithDesktop(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid()) {
        return NoBrowser;
    }
    return QDesktopServices::openUrl(url) ? Launched : NoBrowser;
}

std::function<int(const QString&)>& Opener() {
    static std::function<int(const QString&)> opener;
    return opener;
}

} // namespace

void SetUrlOpener(std::function<int(const QString&)> opener) {
    Opener() = std::move(opener);
}

int OpenWebSite(const QString& address, const QString& title, QWidget* parent) {
    const int result = Opener() ? Opener()(address) : OpenWithDesktop(address);
    if (result > 32) {
        return result;
    }
    QString message;
    switch (result) {
    case 0:
        message = QStringLiteral("Not enough memory to load web browser");
        break;
    case 2:
        message = QStringLiteral("Unable to locate URL shortcut");
        break;
    case NoBrowser:
        message = QStringLiteral("Unable to locate web browser.");
        break;
    default:
        message =
            QStringLiteral("Error attempting to start web browser.  Return Code: ") + QString::number(result);
        break;
    }
    ShowMessage(message, MsgIcon::None, MsgButtons::Ok, parent, title);
    return result;
}

} // namespace bacc
