#include "Bankroll.h"
#include "GameEvents.h"
#include "IniFile.h"
#include "MarkingCardWindow.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "Shoe.h"
#include "StatisticsSections.h"
#include "TableWindow.h"

#include <vector>

// The seats' money on the table: each hand settled and recorded, the win and lose marks, the current
// money, the shoes counted and the funds check of the bet entry. The arithmetic is the engine's.
namespace bacc {
namespace {

QString Number(long long value) {
    return IniNumber(static_cast<double>(value));
}

long long CaptionDollars(const QString& caption) {
    return RoundHalfAway(CaptionAmount(caption));
}

} // namespace

SeatBets TableWindow::BetsOf(int seat) const {
    return SeatBets{static_cast<int>(txtPlayerBet[seat]->Number()),
                    static_cast<int>(txtBankerBet[seat]->Number()),
                    static_cast<int>(txtTieBet[seat]->Number())};
}

long long TableWindow::StandingBetValue(BetSpot spot, int seat) const {
    return BetBox(spot, seat)->Number() != 0 ? CaptionDollars(BetValueLabel(spot, seat)->text()) : 0;
}

StandingDollars TableWindow::StandingOf(int seat) const {
    return StandingDollars{StandingBetValue(BetSpot::Player, seat), StandingBetValue(BetSpot::Banker, seat),
                           StandingBetValue(BetSpot::Tie, seat)};
}

void TableWindow::SettleHand() {
    const long long unitValue = txtUnitValue->Number();
    std::vector<IniValue> written;
    written.reserve(5);
    for (int seat = 0; seat < SeatCount; ++seat) {
        const long long handCents = RecordHandResult(BetsOf(seat), unitValue, seat + 1);
        const QString section = SeatStatsSection(seat);
        const SeatRecords records = RecordsAfterHand(
            CaptionDollars(lblPlayerWinnings[seat]->text()), handCents,
            ReadIni(section, QStringLiteral("Turnover")).toStdString(), StandingOf(seat).Total());
        lblPlayerWinnings[seat]->setText(MoneyCaption(static_cast<double>(records.Winnings)));
        WriteIni(section, QStringLiteral("Win"), Number(records.Winnings));
        WriteIni(section, QStringLiteral("Turnover"), Number(records.Turnover));
    }
    const long long hands =
        CountPlusOne(ReadIni(HandsPlayedSection(), QStringLiteral("Hands")).toStdString());
    WriteIni(HandsPlayedSection(), QStringLiteral("Hands"), Number(hands));
}

void TableWindow::ShowSeatResults() {
    const char result = TheShoe().Hand.HandResult;
    for (int seat = 0; seat < SeatCount; ++seat) {
        const SeatFates fates = FatesOf(BetsOf(seat), result);
        const auto mark = [](BetFate fate, QLabel* win, QLabel* lose, MaskedEdit* box) {
            if (fate == BetFate::Wins) {
                win->show();
            } else if (fate == BetFate::Loses) {
                lose->show();
                box->SetDigits(QString::fromLatin1(DefaultBet));
            }
        };
        mark(fates.Banker, lblBWin[seat], lblBLose[seat], txtBankerBet[seat]);
        mark(fates.Player, lblPWin[seat], lblPLose[seat], txtPlayerBet[seat]);
        mark(fates.Tie, lblTWin[seat], lblTLose[seat], txtTieBet[seat]);
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
    WriteIni(HandsPlayedSection(), key, Number(shoes));
}

bool TableWindow::prcSufficientFunds(std::int32_t amount, int seat) {
    if (!FundsCover(CaptionDollars(lblPlayerTotal[seat]->text()), StandingOf(seat).Total(), amount)) {
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
