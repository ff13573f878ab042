#include "Program.h"

#include "MainWindow.h"
#include "StartScreen.h"

namespace bacc {

QString ProgramVersionText() {
    return QStringLiteral("Version %1.%2").arg(BACCARAT_VERSION_MAJOR).arg(BACCARAT_VERSION_MINOR);
}

void ActivateFrontWindow() {
    QWidget* window = TheMainWindow();
    if (!window) {
        window = TheStartScreen();
    }
    if (!window) {
        return;
    }
    if (window->isMinimized()) {
        window->showNormal();
    }
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace bacc
