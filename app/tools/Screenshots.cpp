// Makes the README's pictures of the game: the start screen, the table after a face-up hand, a card
// being squeezed, the marking card of a long shoe, the statistics window, the trainer windows and the
// coach. The shoes are seeded and every wait runs at once, so the same build gives the same pictures
// each time.
//
//   baccarat-screenshots OUTPUT_DIR
//
// It finds its settings file the way the game finds it; scripts/screenshots.sh gives it a fresh copy of the
// shipped defaults and a virtual display.
#include "CoachWindow.h"
#include "MainWindow.h"
#include "MessageBox.h"
#include "Pause.h"
#include "Shoe.h"
#include "StartScreen.h"
#include "StrategyLabWindow.h"
#include "TableWindow.h"

#include <cstdio>
#include <functional>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>

namespace bacc {
namespace {

// Every wait of the game returns at once, after the window events of the
// moment; while a face-down hand waits, the next step of the script runs.
class InstantPause : public PauseHook {
public:
    std::function<void()> OnWait;
    void Pause(double) override {
        QApplication::processEvents();
        if (OnWait) {
            OnWait();
        }
    }
};

// The messages of the game ("80 hands have just been dealt") are answered at
// once.
class SilentMessages : public MessagePresenter {
public:
    MsgResult Present(const MessageRequest&, QWidget*) override { return MsgResult::Ok; }
};

QString outputDir;

void Save(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    const QString path = QDir(outputDir).filePath(name);
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "baccarat-screenshots: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
    std::printf("%s\n", qPrintable(path));
    std::fflush(stdout);
}

template <typename T> T* Named(QWidget* root, const char* name) {
    T* found = root->findChild<T*>(QLatin1String(name));
    if (found == nullptr) {
        std::fprintf(stderr, "baccarat-screenshots: no control %s\n", name);
        std::exit(1);
    }
    return found;
}

void Trigger(QWidget* main, const char* action) {
    Named<QAction>(main, action)->trigger();
    QApplication::processEvents();
}

// Units typed into a seat's bet box and the box left, as the player does it.
void Bet(TableWindow* table, void (TableWindow::*leave)(int), MaskedEdit* box, int seat, int units) {
    box->SetDigits(QString::number(units));
    (table->*leave)(seat);
}

int Run() {
    InstantPause pause;
    SetPauseHook(&pause);
    SilentMessages messages;
    TheShoe().SetSeed(20261206);

    StartScreen* start = CreateStartScreen();
    if (!start->Form_Load()) {
        return 1;
    }
    start->show();
    if (!QTest::qWaitForWindowExposed(start)) {
        std::fprintf(stderr, "baccarat-screenshots: no display to show the windows on\n");
        return 1;
    }
    Save(start, QStringLiteral("start-screen.png"));
    SetMessagePresenter(&messages); // after the start screen found its settings file
    start->cmdStart_Click();
    QApplication::processEvents();

    auto* main = qobject_cast<MainWindow*>(QApplication::activeWindow());
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (main == nullptr) {
            main = qobject_cast<MainWindow*>(top);
        }
    }
    TableWindow* table = TheTable();
    if (main == nullptr || table == nullptr) {
        std::fprintf(stderr, "baccarat-screenshots: the main window did not open\n");
        return 1;
    }
    main->showMaximized();
    if (!QTest::qWaitForWindowExposed(main)) {
        return 1;
    }

    // A face-up hand with bets on both seats.
    table->maisyk_Click();
    Bet(table, &TableWindow::txtBankerBet_LostFocus, table->BetBox(BetSpot::Banker, 0), 0, 2);
    Bet(table, &TableWindow::txtPlayerBet_LostFocus, table->BetBox(BetSpot::Player, 1), 1, 3);
    Bet(table, &TableWindow::txtTieBet_LostFocus, table->BetBox(BetSpot::Tie, 1), 1, 1);
    table->duokkortos_Click();
    Save(main, QStringLiteral("table-face-up.png"));

    // Face down: the first Player card half squeezed from its bottom edge, the
    // rest turned over.
    Trigger(main, "mnuCardFaceUpDown");
    bool squeezed = false;
    pause.OnWait = [&] {
        if (!table->CardInSlot(4)) {
            return; // the first four cards are still being laid
        }
        const auto back = [table](int slot) {
            return table->findChild<QWidget*>(QStringLiteral("pctCardBack(%1)").arg(slot));
        };
        if (!squeezed && !back(0)->isHidden()) {
            squeezed = true;
            table->lblCardBottom_MouseMove(0, -table->CardHeight / 2);
            Save(main, QStringLiteral("table-squeeze.png"));
            table->lblCardBottom_MouseUp(0);
        }
        for (int slot = 0; slot < TableWindow::Slots; ++slot) {
            if (!back(slot)->isHidden()) {
                table->pctCardBack_Click(slot);
            }
        }
    };
    table->duokkortos_Click();
    pause.OnWait = nullptr;
    Trigger(main, "mnuCardFaceUpDown");

    // The rest of the shoe, 90 hands a click, for a long marking card.
    while (!TheShoe().EndOfShoe) {
        table->HandsAtaTime->SetDigits(QStringLiteral("90"));
        table->duokkortos_Click();
    }
    Save(main, QStringLiteral("marking-card.png"));

    Trigger(main, "mnuStatistics");
    Save(main, QStringLiteral("statistics.png"));
    Trigger(main, "mnuStatistics");

    // The trainer windows on the shoe just played, and a Martingale study in the
    // strategy lab.
    table->maisyk_Click();
    for (int hand = 0; hand < 3; ++hand) {
        table->HandsAtaTime->SetDigits(QStringLiteral("20"));
        table->duokkortos_Click();
    }
    Trigger(main, "mnuShoeOdds");
    Trigger(main, "mnuRoads");
    Save(main, QStringLiteral("trainer-odds-and-roads.png"));
    Trigger(main, "mnuStrategyLab");
    StrategyLabWindow* lab = TheStrategyLab();
    Named<QComboBox>(lab, "cboSystem")->setCurrentIndex(1);
    Named<QSpinBox>(lab, "spnSessions")->setValue(10000);
    Named<QSpinBox>(lab, "spnMaximum")->setValue(500);
    Named<QSpinBox>(lab, "spnSeed")->setValue(7);
    bool studied = false;
    QObject::connect(lab, &StrategyLabWindow::Finished, lab, [&] { studied = true; });
    lab->cmdRun_Click();
    while (!studied) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    lab->Frame()->resize(lab->DesignFrameSize());
    Save(main, QStringLiteral("strategy-lab.png"));
    // The same study against flat betting on the same shoes.
    Named<QComboBox>(lab, "cboVersusSystem")->setCurrentIndex(1);
    studied = false;
    lab->cmdRun_Click();
    while (!studied) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    lab->Frame()->resize(lab->DesignFrameSize());
    Save(main, QStringLiteral("strategy-lab-comparison.png"));
    lab->Frame()->close();

    // The coach over a new shoe dealt 90 hands at a click: PLAYER 1 on Banker, PLAYER 2 on Player and Tie.
    table->maisyk_Click();
    Trigger(main, "mnuCoach");
    Bet(table, &TableWindow::txtBankerBet_LostFocus, table->BetBox(BetSpot::Banker, 0), 0, 2);
    Bet(table, &TableWindow::txtPlayerBet_LostFocus, table->BetBox(BetSpot::Player, 1), 1, 3);
    Bet(table, &TableWindow::txtTieBet_LostFocus, table->BetBox(BetSpot::Tie, 1), 1, 1);
    table->HandsAtaTime->SetDigits(QStringLiteral("90"));
    table->duokkortos_Click();
    TheCoach()->BringToFront();
    Save(main, QStringLiteral("coach.png"));
    SetPauseHook(nullptr);
    return 0;
}

} // namespace
} // namespace bacc

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: baccarat-screenshots OUTPUT_DIR\n");
        return 2;
    }
    bacc::outputDir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(bacc::outputDir);
    const int status = bacc::Run();
    std::_Exit(status); // the windows are left to the process's end
}
