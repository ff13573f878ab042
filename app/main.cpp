#include "Artwork.h"
#include "IniFile.h"
#include "Program.h"
#include "SingleInstance.h"
#include "StartScreen.h"

#include <QApplication>
#include <QScreen>

// Program entry: the settings file found, one copy per settings file, then the start screen.
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

    // The start screen finds the settings file, or shows the missing-file message and the program ends.
    bacc::StartScreen* startScreen = bacc::CreateStartScreen();
    if (!startScreen->Form_Load()) {
        delete startScreen;
        return 1;
    }
    // One copy per settings file, guarded before anything is written to it.
    bacc::SingleInstance instance(bacc::IniPath());
    if (!instance.IsFirst()) {
        delete startScreen;
        // The running copy has been asked to come to the front, or the user told it runs; or the user
        // has been told why the settings file cannot be used.
        return instance.Refused() ? 1 : 0;
    }
    if (instance.HoldsLock()) {
        bacc::RemoveLeftoverTemporaryFiles();
    }
    QObject::connect(&instance, &bacc::SingleInstance::ActivationRequested, &bacc::ActivateFrontWindow);

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect place(QPoint(0, 0), startScreen->size());
        place.moveCenter(screen->availableGeometry().center());
        startScreen->move(place.topLeft());
    }
    startScreen->show();
    startScreen->findChild<QWidget*>(QStringLiteral("cmdStart"))->setFocus();
    return QApplication::exec();
}
