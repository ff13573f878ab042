// The shipped settings file lays every window out on a 1366x768 screen at once.
#include "FastPause.h"
#include "MainWindow.h"
#include "RecordingPresenter.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QtTest>

namespace bacc {

class WindowLayoutTest : public QObject {
    Q_OBJECT

private slots:
    // Every window the Window and Trainer menus open, at its shipped place and size, lies inside the
    // client area of a 1366x768 main window, with room left for a desktop's title bar, and on no
    // other window; the strategy lab and the coach, large windows opened on demand, may cover others but
    // fit too.
    void shippedPlacesFitTheScreenSideBySide() {
        test::TempSettings settings;
        test::RecordingPresenter presenter;
        test::FastPause pause;
        QPointer<MainWindow> window = new MainWindow;
        QVERIFY(window->MDIForm_Load());
        QTRY_VERIFY(!window->Timer1()->isActive());
        QCOMPARE(window->size(), QSize(1366, 768));
        for (const char* menu : {"mnuWindow", "mnuTrainer"}) {
            for (QAction* item : window->findChild<QMenu*>(QLatin1String(menu))->actions()) {
                if (!item->isSeparator()) {
                    item->trigger();
                }
            }
        }
        constexpr int TitleBarRoom = 30;
        const QRect screen = window->ClientArea()->rect().adjusted(0, 0, 0, -TitleBarRoom);
        const QList<QMdiSubWindow*> frames = window->ClientArea()->subWindowList();
        QVERIFY(frames.size() >= 8);
        for (QMdiSubWindow* frame : frames) {
            QVERIFY2(screen.contains(frame->geometry()),
                     qPrintable(frame->objectName() + QStringLiteral(" off the screen")));
            const auto onDemand = [](const QMdiSubWindow* w) {
                return w->objectName() == QStringLiteral("frmStrategyLabFrame") ||
                       w->objectName() == QStringLiteral("frmCoachFrame");
            };
            if (onDemand(frame)) {
                continue;
            }
            for (QMdiSubWindow* other : frames) {
                if (other != frame && !onDemand(other)) {
                    QVERIFY2(!frame->geometry().intersects(other->geometry()),
                             qPrintable(frame->objectName() + QStringLiteral(" on ") + other->objectName()));
                }
            }
        }
        TheTable()->DealInProgress = false;
        delete window;
    }
};

} // namespace bacc

QTEST_MAIN(bacc::WindowLayoutTest)
#include "WindowLayoutTest.moc"
