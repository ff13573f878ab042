#include "Artwork.h"
#include "Program.h"
#include "SingleInstance.h"
#include "StartScreen.h"

#include <QApplication>
#include <QScreen>

// Program entry: one copy per user, then the start screen.
int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("quorrel-baccarat"));
    QApplication::setApplicationDisplayName(QStringLiteral("Quorrel Baccarat"));
    QApplication::setApplicationVersion(
        QStringLiteral("%1.%2").arg(BACCARAT_VERSION_MAJOR).arg(BACCARAT_VERSION_MINOR));
    QApplication::setDesktopFileName(QStringLiteral("quorrel-baccarat"));
    QApplication::setWindowIcon(bacc::ProgramIcon());
    // The windows end the program themselves; the start screen closes while the main window takes over.
    QApplication::setQuitOnLastWindowClosed(false);

    bacc::SingleInstance instance;
    if (!instance.IsFirst()) {
        return 0; // the running copy has been asked to come to the front
    }
    QObject::connect(&instance, &bacc::SingleInstance::ActivationRequested, &bacc::ActivateFrontWindow);

    bacc::StartScreen* startScreen = bacc::CreateStartScreen();
    if (!startScreen->Form_Load()) {
        delete startScreen;
        return 1;
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(0, 0), startScreen->size());
        place.moveCenter(screen->availableGeometry().center());
        startScreen->move(place.topLeft());
    }
    startScreen->show();
    startScreen->findChild<QWidget*>(QStringLiteral("cmdStart"))->setFocus();
    return QApplication::exec();
}
