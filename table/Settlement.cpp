#include "IniFile.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "TableGame.h"
#include "TableWindow.h"

#include <vector>

// The seats' money on the table as the game reads and writes it: the bet boxes
// and their value labels, the unit value, the money captions and the settings
// file. The game settles; the table shows the win and lose marks, the current
// money and the answer of the funds check.
namespace bacc {
namespace {

long long CaptionDollars(const QString& caption) {
    return RoundHalfAway(CaptionAmount(caption));
}

QString Latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

SeatBets TableWindow::Bets(int seat) const {
    return BetsOf(seat);
}

SeatBets TableWindow::BetsOf(int seat) const {
    return SeatBets{static_cast<int>(seats_[seat].On(BetSpot::Player).Box->Number()),
                    static_cast<int>(seats_[seat].On(BetSpot::Banker).Box->Number()),
                    static_cast<int>(seats_[seat].On(BetSpot::Tie).Box->Number())};
}

long long TableWindow::StandingBetValue(BetSpot spot, int seat) const {
    return BetBox(spot, seat)->Number() != 0 ? CaptionDollars(BetValueLabel(spot, seat)->text()) : 0;
}

StandingDollars TableWindow::Standing(int seat) const {
    return StandingDollars{StandingBetValue(BetSpot::Player, seat), StandingBetValue(BetSpot::Banker, seat),
                           StandingBetValue(BetSpot::Tie, seat)};
}

long long TableWindow::UnitValue() const {
    return txtUnitValue->Number();
}

long long TableWindow::CurrentMoney(int seat) const {
    return CaptionDollars(seats_[seat].Total->text());
}

long long TableWindow::Winnings(int seat) const {
    return CaptionDollars(seats_[seat].Winnings->text());
}

void TableWindow::ShowWinnings(int seat, long long dollars) {
    seats_[seat].Winnings->setText(MoneyCaption(static_cast<double>(dollars)));
}

std::string TableWindow::Stored(std::string_view section, std::string_view key) const {
    return ReadIni(Latin1(section), Latin1(key)).toStdString();
}

void TableWindow::Store(const std::vector<StoredValue>& values) {
    std::vector<IniValue> written;
    written.reserve(values.size());
    for (const StoredValue& value : values) {
        written.push_back({Latin1(value.Section), Latin1(value.Key), Latin1(value.Value)});
    }
    WriteIniValues(written);
}

void TableWindow::ShowSeatResults() {
    const char result = TheTableGame().Hand().HandResult;
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
        mark(fates.Banker, seats_[seat].On(BetSpot::Banker).Win, seats_[seat].On(BetSpot::Banker).Lose,
             seats_[seat].On(BetSpot::Banker).Box);
        mark(fates.Player, seats_[seat].On(BetSpot::Player).Win, seats_[seat].On(BetSpot::Player).Lose,
             seats_[seat].On(BetSpot::Player).Box);
        mark(fates.Tie, seats_[seat].On(BetSpot::Tie).Win, seats_[seat].On(BetSpot::Tie).Lose,
             seats_[seat].On(BetSpot::Tie).Box);
    }
}

void TableWindow::ShowCurrentMoney() {
    for (int seat = 0; seat < SeatCount; ++seat) {
        const double money = bacc::CurrentMoney(Stored(SeatStatsSection(seat), "Steak"),
                                                CaptionAmount(seats_[seat].Winnings->text()));
        seats_[seat].Total->setText(MoneyCaption(money));
    }
}

bool TableWindow::prcSufficientFunds(std::int32_t amount, int seat) {
    if (!TheTableGame().Covers(seat, amount)) {
        ShowMessage(QStringLiteral("Sorry, not enough money for the bet placed. "
                                   "You must add more steak money using "
                                   "the Statistics screen."),
                    MsgIcon::Exclamation, MsgButtons::Ok, this);
        return false;
    }
    return true;
}

QString TableWindow::PlayerWinningsCaption(int seat) const {
    return seats_[seat].Winnings->text();
}
void TableWindow::SetPlayerWinningsCaption(int seat, const QString& caption) {
    seats_[seat].Winnings->setText(caption);
}
QString TableWindow::PlayerTotalCaption(int seat) const {
    return seats_[seat].Total->text();
}
void TableWindow::SetPlayerTotalCaption(int seat, const QString& caption) {
    seats_[seat].Total->setText(caption);
}

} // namespace bacc
