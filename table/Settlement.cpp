#include "Bankroll.h"
#include "IniFile.h"
#include "MarkingCardWindow.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "Shoe.h"
#include "StatisticsSections.h"
#include "TableWindow.h"

// The seats' money: settling each hand, the win and lose marks, the current money, the shoes counted
// and the funds check of the bet entry.
namespace bacc {
namespace {

QString Number(double value) {
    return QString::fromStdString(NumberText(value));
}

} // namespace

double TableWindow::StandingBetValue(BetSpot spot, int seat) const {
    return BetBox(spot, seat)->Number() != 0 ? CaptionAmount(BetValueLabel(spot, seat)->text()) : 0.0;
}

double TableWindow::SeatDollarsInPlay(int seat) const {
    return StandingBetValue(BetSpot::Tie, seat) + StandingBetValue(BetSpot::Banker, seat) +
           StandingBetValue(BetSpot::Player, seat);
}

void TableWindow::SettleHand() {
    const int unitValue = static_cast<int>(txtUnitValue->Number());
    for (int seat = 0; seat < SeatCount; ++seat) {
        const double handMoney = RecordHandResult(
            static_cast<int>(txtPlayerBet[seat]->Number()), static_cast<int>(txtBankerBet[seat]->Number()),
            static_cast<int>(txtTieBet[seat]->Number()), unitValue, seat + 1);
        const auto winnings =
            static_cast<double>(WinningsAfterHand(CaptionAmount(lblPlayerWinnings[seat]->text()), handMoney));
        lblPlayerWinnings[seat]->setText(MoneyCaption(winnings));
        const QString section = SeatStatsSection(seat);
        WriteIni(section, QStringLiteral("Win"), Number(winnings));
        const long long turnover = TurnoverAfterHand(
            ReadIni(section, QStringLiteral("Turnover")).toStdString(), SeatDollarsInPlay(seat));
        WriteIni(section, QStringLiteral("Turnover"), Number(static_cast<double>(turnover)));
    }
    const long long hands =
        CountPlusOne(ReadIni(HandsPlayedSection(), QStringLiteral("Hands")).toStdString());
    WriteIni(HandsPlayedSection(), QStringLiteral("Hands"), Number(static_cast<double>(hands)));
}

void TableWindow::ShowSeatResults() {
    const char result = TheShoe().Hand.HandResult;
    for (int seat = 0; seat < SeatCount; ++seat) {
        const bool banker = txtBankerBet[seat]->Number() != 0;
        const bool player = txtPlayerBet[seat]->Number() != 0;
        const bool tie = txtTieBet[seat]->Number() != 0;
        if (banker && result == 'B') {
            lblBWin[seat]->show();
        }
        if (player && result == 'P') {
            lblPWin[seat]->show();
        }
        if (banker && result == 'P') {
            lblBLose[seat]->show();
            txtBankerBet[seat]->SetDigits(QStringLiteral("0"));
        }
        if (player && result == 'B') {
            lblPLose[seat]->show();
            txtPlayerBet[seat]->SetDigits(QStringLiteral("0"));
        }
        if (tie && result != 'T') {
            lblTLose[seat]->show();
            txtTieBet[seat]->SetDigits(QStringLiteral("0"));
        }
        if (tie && result == 'T') {
            lblTWin[seat]->show();
        }
    }
}

void TableWindow::ShowCurrentMoney() {
    for (int seat = 0; seat < SeatCount; ++seat) {
        const double money =
            CurrentMoney(ReadIni(SeatStatsSection(seat), QStringLiteral("Steak")).toStdString(),
                         CaptionAmount(lblPlayerWinnings[seat]->text()));
        lblPlayerTotal[seat]->setText(MoneyCaption(money));
    }
}

void TableWindow::CountShoePlayed() {
    const QString key = QStringLiteral("Decks%1").arg(TheShoe().ShoeDecks);
    const long long shoes = CountPlusOne(ReadIni(HandsPlayedSection(), key).toStdString());
    WriteIni(HandsPlayedSection(), key, Number(static_cast<double>(shoes)));
}

bool TableWindow::prcSufficientFunds(long amount, int seat) {
    if (FundsLeft(CaptionAmount(lblPlayerTotal[seat]->text()), amount, SeatDollarsInPlay(seat)) < 0) {
        ShowMessage(
            QStringLiteral("Sorry, not enough money for the bet placed. You must add more steak money using "
                           "the Statistics screen."),
            MsgIcon::Exclamation, MsgButtons::Ok, this);
        return false;
    }
    return true;
}

QString TableWindow::PlayerWinningsCaption(int seat) const {
    return lblPlayerWinnings[seat]->text();
}
void TableWindow::SetPlayerWinningsCaption(int seat, const QString& caption) {
    lblPlayerWinnings[seat]->setText(caption);
}
QString TableWindow::PlayerTotalCaption(int seat) const {
    return lblPlayerTotal[seat]->text();
}
void TableWindow::SetPlayerTotalCaption(int seat, const QString& caption) {
    lblPlayerTotal[seat]->setText(caption);
}

} // namespace bacc
