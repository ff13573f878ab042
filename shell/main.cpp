#include "Artwork.h"
#include "Plauk.h"
#include "Program.h"

#include <QApplication>

#if __has_include("SingleInstance.h")
#include "SingleInstance.h"
#define BACC_HAVE_SINGLE_INSTANCE 1
#endif

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

#if BACC_HAVE_SINGLE_INSTANCE
    bacc::SingleInstance instance;
    if (!instance.IsFirst()) {
        return 0; // the running copy has been asked to come to the front
    }
    QObject::connect(&instance, &bacc::SingleInstance::ActivationRequested, &bacc::ActivateFrontWindow);
#endif

    bacc::Plauk* startScreen = bacc::CreateStartScreen();
    if (!startScreen->Form_Load()) {
        delete startScreen;
        return 1;
    }
    startScreen->show();
    startScreen->findChild<QWidget*>(QStringLiteral("cmdStart"))->setFocus();
    return QApplication::exec();
}
