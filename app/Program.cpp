#include "Program.h"

#include "MainWindow.h"
#include "StartScreen.h"

namespace bacc {

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
