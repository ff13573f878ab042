#include "Program.h"

#include "MDIForm1.h"
#include "Plauk.h"

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
