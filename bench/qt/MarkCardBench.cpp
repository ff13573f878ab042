// Figures for the marking card and the cards-dealt windows during play: how long 90 hands take to be
// marked (both seats recorded, as a 90-hand deal does), how long the marks of a whole shoe take to be
// drawn again on a re-opened card, and how long the cards of an eight-deck shoe take to be listed and
// counted. Run under Xvfb or with QT_QPA_PLATFORM=offscreen.
#include "CardsDealtWindow.h"
#include "IniFile.h"
#include "MainWindow.h"
#include "Marking.h"
#include "MarkingCardWindow.h"
#include "Options.h"
#include "Shoe.h"
#include "TableGame.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

using namespace bacc;

namespace {

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The seats bet as a table would: PLAYER 1 on Banker (and on Tie every fifth hand), PLAYER 2 on Player.
class Books : public TableBooks {
public:
    int Hand = 0;
    SeatBets Bets(int seat) const override {
        return seat == 0 ? SeatBets{0, 2, Hand % 5 == 0 ? 1 : 0} : SeatBets{3, 0, 0};
    }
    long long UnitValue() const override { return 10; }
    void Store(const std::vector<StoredValue>& /*values*/) override { ++Hand; }
};

void StartEightDeckShoe() {
    TheShoe().DeckCount = 8;
    TheTableGame().StartShoe(Settings().PlayerBlue);
}

// A 90-hand deal of the game, which marks every hand on the card, in milliseconds.
double MarkNinetyHands() {
    QElapsedTimer clock;
    clock.start();
    TheTableGame().Deal(90, {false, true});
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("BACCARAT.INI"));
    QFile file(ini);
    if (!file.open(QIODevice::WriteOnly)) {
        return 1;
    }
    file.write("[Card Options]\n");
    file.close();
    SetIniPath(ini);
    TheShoe().SetSeed(90);
    FollowTheTableGame();
    Books books;
    TheTableGame().SetBooks(&books);
    Settings().ShowNaturals = true;

    const int rounds = 15;
    std::vector<double> marking, redraw, shuffling, listing;
    int marksRedrawn = 0;
    for (int round = 0; round < rounds; ++round) {
        // The list and the count are off while the marking is timed, as they are timed apart below.
        Settings().CardsDealt = false;
        Settings().CardsDealtCount = false;
        StartEightDeckShoe();
        marking.push_back(MarkNinetyHands());

        // A hand settled while the card is closed re-opens it with every mark of the shoe.
        QElapsedTimer clock;
        StartEightDeckShoe();
        TheTableGame().Deal(60, {false, true});
        TheMarkCard()->Frame()->close();
        clock.start();
        TheTableGame().Deal(1, {false, true});
        TheTableGame().SettleWaiting({false, true}); // re-opens the card with every mark of the shoe
        redraw.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        marksRedrawn = TheMarking().HandNumber;

        Settings().CardsDealt = true;
        Settings().CardsDealtCount = true;
        clock.start();
        StartEightDeckShoe();
        shuffling.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        clock.start();
        while (!TheShoe().EndOfShoe) {
            TheShoe().DealHand();
        }
        TheShoe().RecordUndealtRest();
        listing.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        QApplication::processEvents();
    }
    std::printf("a 90-hand deal of the game, every hand marked: median %.2f ms over %d shoes\n",
                Median(marking), rounds);
    std::printf("re-opening the card with %d marks: median %.2f ms\n", marksRedrawn, Median(redraw));
    std::printf("new 8-deck shoe built and burnt, windows on (events processed per card): median %.2f ms\n",
                Median(shuffling));
    std::printf("8-deck shoe dealt to its end, every card listed and counted: median %.2f ms\n",
                Median(listing));
    return 0;
}
