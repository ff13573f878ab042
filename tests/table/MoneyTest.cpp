#include "IniFile.h"
#include "Marking.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "RecordingPresenter.h"
#include "Shoe.h"
#include "StatisticsWindow.h"
#include "TableMoney.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <QApplication>
#include <QTest>

using namespace bacc;

namespace {

const QString Records = QStringLiteral("[ShoesHandsPlayed]\n"
                                       "Hands= 20\n"
                                       "Decks6= 4\n"
                                       "[Player1Stats]\n"
                                       "Steak= 1000\n"
                                       "Win= 0\n"
                                       "Turnover= 0\n"
                                       "[Player2Stats]\n"
                                       "Steak= 500\n"
                                       "Win= 0\n"
                                       "Turnover= 0\n");

const QString NotEnoughMoney = QStringLiteral(
    "Sorry, not enough money for the bet placed. You must add more steak money using the Statistics screen.");

} // namespace

// Settling hands, the seats' money and the funds check, with the bets put straight into the table.
class MoneyTest : public QObject {
    Q_OBJECT

    TableWindow* table = nullptr;

    void OpenTableWith(const QString& records) {
        settings.reset(new test::TempSettings(records));
        table = OpenTable();
        TheMarking().ResetForNewShoe(true);
    }
    // A bet as the bet entry leaves it: units in the box, the dollars in its value label.
    void Bet(BetSpot spot, int seat, int units) {
        table->BetBox(spot, seat)->SetDigits(QString::number(units));
        QLabel* value = table->BetValueLabel(spot, seat);
        value->setText(
            QString::fromStdString(FormatMoney(static_cast<double>(units * table->txtUnitValue->Number()))));
        value->setVisible(units != 0);
    }
    void Unit(int dollars) { table->txtUnitValue->SetDigits(QString::number(dollars)); }
    // One hand with the given result, settled as the deal settles it.
    void Settle(char result) {
        TheShoe().Hand.HandResult = result;
        ++TheMarking().HandNumber;
        table->SettleHand();
    }
    QString Winnings(int seat) const { return table->lblPlayerWinnings[seat]->text(); }

    std::unique_ptr<test::TempSettings> settings;

private slots:
    void cleanup() {
        if (TheTable() != nullptr) {
            TheTable()->close();
        }
        CloseStatistics();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        settings.reset();
    }

    void bankerWinsAreRoundedHandByHand() {
        OpenTableWith(Records);
        Unit(5);
        Bet(BetSpot::Banker, 0, 1);
        QStringList shown;
        for (int hand = 0; hand < 3; ++hand) {
            Settle('B');
            shown << Winnings(0);
        }
        QCOMPARE(shown, (QStringList{"$5", "$10", "$15"}));
        QCOMPARE(ReadIni("Player1Stats", "Win"), QStringLiteral(" 15"));
        QCOMPARE(ReadIni("Player1Stats", "Turnover"), QStringLiteral(" 15"));
        QCOMPARE(ReadIni("ShoesHandsPlayed", "Hands"), QStringLiteral(" 23"));
        // The money caption changes only when the deal shows it.
        QCOMPARE(table->lblPlayerTotal[0]->text(), QStringLiteral("$1000"));
        table->ShowCurrentMoney();
        QCOMPARE(table->lblPlayerTotal[0]->text(), QStringLiteral("$1015"));
    }

    void playerBetWinsOrIsTakenOff() {
        OpenTableWith(Records);
        Unit(10);
        Bet(BetSpot::Player, 0, 3);
        Settle('P');
        table->ShowSeatResults();
        QCOMPARE(Winnings(0), QStringLiteral("$30"));
        QVERIFY(table->lblPWin[0]->isVisibleTo(table));
        QCOMPARE(table->txtPlayerBet[0]->Number(), 3);

        table->ResultsInvisible();
        Settle('B');
        table->ShowSeatResults();
        QCOMPARE(Winnings(0), QStringLiteral("$0"));
        QVERIFY(table->lblPLose[0]->isVisibleTo(table));
        QVERIFY(!table->lblPWin[0]->isVisibleTo(table));
        QCOMPARE(table->txtPlayerBet[0]->text(), QStringLiteral("0"));
        // The lost bet's value stays beside the lose mark until the next results are cleared.
        QCOMPARE(table->txtPlayerBetValue[0]->text(), QStringLiteral("$30"));
        QCOMPARE(ReadIni("Player1Stats", "Turnover"), QStringLiteral(" 60"));
    }

    void aTiePaysTheTieBetAndLeavesTheOthersStanding() {
        OpenTableWith(Records);
        Unit(5);
        Bet(BetSpot::Tie, 0, 2);
        Bet(BetSpot::Player, 0, 2);
        Bet(BetSpot::Banker, 1, 4);
        Settle('T');
        table->ShowSeatResults();
        QCOMPARE(Winnings(0), QStringLiteral("$80"));
        QCOMPARE(Winnings(1), QStringLiteral("$0"));
        QVERIFY(table->lblTWin[0]->isVisibleTo(table));
        for (int seat = 0; seat < 2; ++seat) {
            for (QLabel* mark :
                 {table->lblPWin[seat], table->lblPLose[seat], table->lblBWin[seat], table->lblBLose[seat]}) {
                QVERIFY2(!mark->isVisibleTo(table), qPrintable(mark->objectName()));
            }
        }
        QCOMPARE(table->txtPlayerBet[0]->Number(), 2);
        QCOMPARE(table->txtBankerBet[1]->Number(), 4);
        // Whatever the outcome, every bet placed counts in the turnover.
        QCOMPARE(ReadIni("Player1Stats", "Turnover"), QStringLiteral(" 20"));
        QCOMPARE(ReadIni("Player2Stats", "Turnover"), QStringLiteral(" 20"));
    }

    void aLosingTieBetIsTakenOff() {
        OpenTableWith(Records);
        Unit(5);
        Bet(BetSpot::Tie, 1, 3);
        Bet(BetSpot::Banker, 1, 2);
        Settle('B');
        table->ShowSeatResults();
        // 2 x 0.95 x $5 - 3 x $5 = -5.5, rounded away from zero.
        QCOMPARE(Winnings(1), QStringLiteral("-$6"));
        QCOMPARE(ReadIni("Player2Stats", "Win"), QStringLiteral("-6"));
        QVERIFY(table->lblTLose[1]->isVisibleTo(table));
        QVERIFY(table->lblBWin[1]->isVisibleTo(table));
        QCOMPARE(table->txtTieBet[1]->text(), QStringLiteral("0"));
        QCOMPARE(table->txtBankerBet[1]->Number(), 2);
    }

    void aSeatWithoutBetsOnlyCountsTheHand() {
        OpenTableWith(Records);
        Unit(50);
        Bet(BetSpot::Player, 0, 1);
        Settle('P');
        Settle('B');
        QCOMPARE(Winnings(1), QStringLiteral("$0"));
        QCOMPARE(ReadIni("Player2Stats", "Win"), QStringLiteral(" 0"));
        QCOMPARE(ReadIni("Player2Stats", "Turnover"), QStringLiteral(" 0"));
        QCOMPARE(ReadIni("ShoesHandsPlayed", "Hands"), QStringLiteral(" 22"));
    }

    void winningsAreStoredAsNumberText() {
        OpenTableWith(Records);
        Unit(10);
        Bet(BetSpot::Player, 0, 4);
        Settle('B');
        QCOMPARE(Winnings(0), QStringLiteral("-$40"));
        QCOMPARE(ReadIni("Player1Stats", "Win"), QStringLiteral("-40"));
        table->ShowCurrentMoney();
        QCOMPARE(table->lblPlayerTotal[0]->text(), QStringLiteral("$960"));

        Bet(BetSpot::Player, 1, 15);
        Settle('P');
        QCOMPARE(Winnings(1), QStringLiteral("$150"));
        QCOMPARE(ReadIni("Player2Stats", "Win"), QStringLiteral(" 150"));
    }

    void tenHandsAtATime() {
        OpenTableWith(Records);
        Unit(25);
        Bet(BetSpot::Banker, 0, 2);
        Bet(BetSpot::Tie, 0, 1);
        Bet(BetSpot::Player, 1, 3);
        const char results[] = "BPTBBPPTBB";
        for (char result : std::string_view(results, 10)) {
            Settle(result);
        }
        QCOMPARE(ReadIni("ShoesHandsPlayed", "Hands"), QStringLiteral(" 30"));
        QCOMPARE(ReadIni("Player1Stats", "Turnover"), QStringLiteral(" 750"));
        QCOMPARE(ReadIni("Player2Stats", "Turnover"), QStringLiteral(" 750"));
        // Seat 0: a Banker win nets 47.5 - 25, rounded at every hand; a Player win -75; a tie +200.
        QCOMPARE(Winnings(0), QStringLiteral("$290"));
        QCOMPARE(ReadIni("Player1Stats", "Win"), QStringLiteral(" 290"));
        // Seat 1: three Player wins, five Banker wins lost, two ties standing.
        QCOMPARE(Winnings(1), QStringLiteral("-$150"));
    }

    void countsThatAreNotNumbersStartAgainFromZero() {
        OpenTableWith(
            QStringLiteral("[ShoesHandsPlayed]\nHands=No\nDecks6= 4\n[Player1Stats]\nSteak=No\nWin= 0\n"
                           "Turnover=lots\n"));
        Unit(10);
        Bet(BetSpot::Player, 0, 1);
        Settle('P');
        QCOMPARE(ReadIni("ShoesHandsPlayed", "Hands"), QStringLiteral(" 1"));
        QCOMPARE(ReadIni("Player1Stats", "Turnover"), QStringLiteral(" 10"));
        table->ShowCurrentMoney();
        QCOMPARE(table->lblPlayerTotal[0]->text(), QStringLiteral("$10"));

        TheShoe().ShoeDecks = 8;
        table->CountShoePlayed();
        QCOMPARE(ReadIni("ShoesHandsPlayed", "Decks8"), QStringLiteral(" 1"));
        TheShoe().ShoeDecks = 6;
        table->CountShoePlayed();
        QCOMPARE(ReadIni("ShoesHandsPlayed", "Decks6"), QStringLiteral(" 5"));
    }

    void fundsCoverExactlyWhatIsLeft() {
        OpenTableWith(
            QStringLiteral("[Player1Stats]\nSteak= 100\nWin= 0\n[Player2Stats]\nSteak= 0\nWin= 0\n"));
        test::RecordingPresenter messages;
        Unit(10);
        Bet(BetSpot::Banker, 0, 6);
        QVERIFY(table->prcSufficientFunds(40, 0));
        QCOMPARE(messages.Count(), 0);
        QVERIFY(!table->prcSufficientFunds(41, 0));
        QCOMPARE(messages.Count(), 1);
        QCOMPARE(messages.Last().Text, NotEnoughMoney);
        QCOMPARE(messages.Last().Icon, MsgIcon::Exclamation);
        QCOMPARE(messages.Last().Buttons, MsgButtons::Ok);
        QCOMPARE(messages.Last().Caption, QStringLiteral("Quorrel Baccarat"));
        // Each seat is checked against its own money.
        QVERIFY(!table->prcSufficientFunds(1, 1));
        QVERIFY(table->prcSufficientFunds(0, 1));
    }

    void aBetTakenOffByTheLastHandNoLongerCounts() {
        OpenTableWith(QStringLiteral("[Player1Stats]\nSteak= 100\nWin= 0\n"));
        test::RecordingPresenter messages;
        Unit(10);
        Bet(BetSpot::Tie, 0, 5);
        Bet(BetSpot::Banker, 0, 5);
        Settle('B');
        table->ShowSeatResults();
        table->ShowCurrentMoney();
        // Won 47.5 on Banker, lost 50 on Tie: -2.5 rounds to -3, so $97 with $50 standing on Banker and the
        // Tie value still shown.
        QCOMPARE(table->lblPlayerTotal[0]->text(), QStringLiteral("$97"));
        QCOMPARE(table->txtTieBetValue[0]->text(), QStringLiteral("$50"));
        QCOMPARE(table->StandingBetValue(BetSpot::Tie, 0), 0.0);
        QVERIFY(table->prcSufficientFunds(47, 0));
        QVERIFY(!table->prcSufficientFunds(48, 0));
        // A box set back to 0 with its value left behind counts nothing either.
        table->txtBankerBet[0]->SetDigits(QStringLiteral("0"));
        QVERIFY(table->prcSufficientFunds(97, 0));
    }

    void theStatisticsWindowReachesTheTable() {
        OpenTableWith(Records);
        QCOMPARE(CurrentTableMoney(), static_cast<TableMoney*>(table));
        table->lblPlayerWinnings[1]->setText(QStringLiteral("-$20"));
        StatisticsWindow* statistics = OpenStatistics();
        MaskedEdit* steak = statistics->findChild<MaskedEdit*>("mskSteak(1)");
        steak->SetDigits(QStringLiteral("700"));
        statistics->close();
        QCOMPARE(table->lblPlayerTotal[1]->text(), QStringLiteral("$680"));
        table->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(CurrentTableMoney() == nullptr);
    }
};

QTEST_MAIN(MoneyTest)
#include "MoneyTest.moc"
