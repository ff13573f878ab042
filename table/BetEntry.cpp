#include "Bankroll.h"
#include "FocusChecks.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "TableGame.h"
#include "TableWindow.h"

#include <limits>

// The bet entry of the table: the bet boxes of both seats, their clear and add
// labels, the unit value and the hands dealt per click. A seat bets on Player
// or on Banker, never both; every increase must be covered by the seat's money;
// the first bet of a shoe freezes the unit value.
namespace bacc {
namespace {

std::int16_t ToSavedBet(long long units) {
    constexpr long long high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(units > high ? high : units);
}

} // namespace

MaskedEdit* TableWindow::BetBox(BetSpot spot, int seat) const {
    return seats_[seat].On(spot).Box;
}

QLabel* TableWindow::BetValueLabel(BetSpot spot, int seat) const {
    return seats_[seat].On(spot).Value;
}

void TableWindow::ConnectBetEntry() {
    betFocusChecks_ = new FocusChecks(this);
    betFocusChecks_->Watch(HandsAtaTime);
    betFocusChecks_->Watch(txtUnitValue);
    connect(HandsAtaTime, &MaskedEdit::GotFocus, this, &TableWindow::HandsAtaTime_GotFocus);
    connect(HandsAtaTime, &MaskedEdit::LostFocus, this, &TableWindow::HandsAtaTime_LostFocus);
    connect(txtUnitValue, &MaskedEdit::GotFocus, this, &TableWindow::txtUnitValue_GotFocus);
    connect(txtUnitValue, &MaskedEdit::LostFocus, this, &TableWindow::txtUnitValue_LostFocus);
    using Handler = void (TableWindow::*)(int);
    auto bind = [this](auto* sender, auto signal, Handler handler, int seat) {
        connect(sender, signal, this, [this, handler, seat] { (this->*handler)(seat); });
    };
    for (int seat = 0; seat < SeatCount; ++seat) {
        for (MaskedEdit* box : {seats_[seat].On(BetSpot::Player).Box, seats_[seat].On(BetSpot::Banker).Box,
                                seats_[seat].On(BetSpot::Tie).Box}) {
            betFocusChecks_->Watch(box);
        }
        bind(seats_[seat].On(BetSpot::Player).Box, &MaskedEdit::GotFocus, &TableWindow::txtPlayerBet_GotFocus,
             seat);
        bind(seats_[seat].On(BetSpot::Player).Box, &MaskedEdit::LostFocus,
             &TableWindow::txtPlayerBet_LostFocus, seat);
        bind(seats_[seat].On(BetSpot::Banker).Box, &MaskedEdit::GotFocus, &TableWindow::txtBankerBet_GotFocus,
             seat);
        bind(seats_[seat].On(BetSpot::Banker).Box, &MaskedEdit::LostFocus,
             &TableWindow::txtBankerBet_LostFocus, seat);
        bind(seats_[seat].On(BetSpot::Tie).Box, &MaskedEdit::GotFocus, &TableWindow::txtTieBet_GotFocus,
             seat);
        bind(seats_[seat].On(BetSpot::Tie).Box, &MaskedEdit::LostFocus, &TableWindow::txtTieBet_LostFocus,
             seat);
        const std::array<std::pair<ClickLabel*, Handler>, 12> labels{{
            {seats_[seat].On(BetSpot::Player).Labels[0], &TableWindow::lblPBetInc0_Click},
            {seats_[seat].On(BetSpot::Player).Labels[1], &TableWindow::lblPBetInc1_Click},
            {seats_[seat].On(BetSpot::Player).Labels[2], &TableWindow::lblPBetInc2_Click},
            {seats_[seat].On(BetSpot::Player).Labels[3], &TableWindow::lblPBetInc5_Click},
            {seats_[seat].On(BetSpot::Banker).Labels[0], &TableWindow::lblBBetInc0_Click},
            {seats_[seat].On(BetSpot::Banker).Labels[1], &TableWindow::lblBBetInc1_Click},
            {seats_[seat].On(BetSpot::Banker).Labels[2], &TableWindow::lblBBetInc2_Click},
            {seats_[seat].On(BetSpot::Banker).Labels[3], &TableWindow::lblBBetInc5_Click},
            {seats_[seat].On(BetSpot::Tie).Labels[0], &TableWindow::lblTBetInc0_Click},
            {seats_[seat].On(BetSpot::Tie).Labels[1], &TableWindow::lblTBetInc1_Click},
            {seats_[seat].On(BetSpot::Tie).Labels[2], &TableWindow::lblTBetInc2_Click},
            {seats_[seat].On(BetSpot::Tie).Labels[3], &TableWindow::lblTBetInc5_Click},
        }};
        for (const auto& [label, handler] : labels) {
            bind(label, &ClickLabel::Clicked, handler, seat);
        }
    }
}

// --- Hands at a time and unit value ---

void TableWindow::HandsAtaTime_GotFocus() {
    HandsAtaTime->SelectDigits();
}

void TableWindow::HandsAtaTime_LostFocus() {
    if (!HandsAtaTime->isVisible() || betFocusChecks_->Ignore(HandsAtaTime)) {
        return;
    }
    FocusChecks::Running running(*betFocusChecks_);
    if (HandsAtaTime->Digits().isEmpty()) {
        HandsAtaTime->SetDigits(QString::fromLatin1(DefaultHandsAtaTime));
    }
    const long long hands = HandsAtaTime->Number();
    if (!RangeOf(EntryField::HandsAtaTime).Holds(hands)) {
        RefuseHandsAtaTime();
        return;
    }
    duokkortos->setText(QString::fromStdString(DealButtonCaption(DealCaption().toStdString(), hands)));
}

void TableWindow::RefuseHandsAtaTime() {
    ShowMessage(QStringLiteral("Hands At a Time must be 1 to 90"), MsgIcon::None, MsgButtons::Ok, this);
    FocusChecks::ReturnFocusTo(HandsAtaTime);
}

void TableWindow::txtUnitValue_GotFocus() {
    txtUnitValue->SelectDigits();
}

void TableWindow::txtUnitValue_LostFocus() {
    if (!txtUnitValue->isVisible() || betFocusChecks_->Ignore(txtUnitValue)) {
        return;
    }
    if (txtUnitValue->Digits().isEmpty()) {
        txtUnitValue->SetDigits(QString::fromLatin1(DefaultUnitValue));
    }
}

// --- Bet boxes ---

namespace {

// What the three bet boxes share when they gain the focus.
void BetBoxGotFocus(TableWindow& table, FocusChecks& checks, MaskedEdit* box) {
    if (checks.FromOtherWindow(box)) {
        return; // the window was only re-activated: the box keeps what it had when
                // it was entered
    }
    table.SavedBet = ToSavedBet(box->Number());
    box->SelectDigits();
}

} // namespace

void TableWindow::txtPlayerBet_GotFocus(int seat) {
    BetBoxGotFocus(*this, *betFocusChecks_, seats_[seat].On(BetSpot::Player).Box);
}
void TableWindow::txtBankerBet_GotFocus(int seat) {
    BetBoxGotFocus(*this, *betFocusChecks_, seats_[seat].On(BetSpot::Banker).Box);
}
void TableWindow::txtTieBet_GotFocus(int seat) {
    BetBoxGotFocus(*this, *betFocusChecks_, seats_[seat].On(BetSpot::Tie).Box);
}

namespace {

// A bet box left: the units go to the game, which answers whether they are in
// range and covered; a Player or Banker bet takes the other side's bet back.
void BetBoxLostFocus(TableWindow& table, FocusChecks& checks, BetSpot spot, int seat) {
    MaskedEdit* box = table.BetBox(spot, seat);
    if (!box->isVisible() || checks.Ignore(box)) {
        return;
    }
    FocusChecks::Running running(checks);
    const std::int16_t saved = table.SavedBet;
    if (box->Digits().isEmpty()) {
        box->SetDigits(QString::fromLatin1(DefaultBet));
    }
    const Placement placed = TheTableGame().Place(seat, spot, box->Number());
    if (!placed.InRange) {
        static const char* const refusals[] = {"Player bet must be 0 to 100", "Banker bet must be 0 to 100",
                                               "Tie bet must be 0 to 20"};
        ShowMessage(QLatin1String(refusals[static_cast<int>(spot)]), MsgIcon::None, MsgButtons::Ok, &table);
        FocusChecks::ReturnFocusTo(box);
    }
    if (!table.prcSufficientFunds(placed.Extra, seat)) {
        box->SetDigits(QString::number(saved));
        if (spot != BetSpot::Tie) {
            FocusChecks::ReturnFocusTo(box);
        }
        return;
    }
    QLabel* value = table.BetValueLabel(spot, seat);
    value->setText(MoneyCaption(static_cast<double>(placed.Dollars)));
    if (placed.Dollars == 0) {
        value->hide();
        return;
    }
    value->show();
    if (spot != BetSpot::Player) {
        table.CardsInvisible();
    }
    table.ResultsInvisible();
    table.txtUnitValue->setEnabled(false);
    if (placed.ClearsOtherSide) {
        table.BetBox(OtherSide(spot), seat)->SetDigits(QString::fromLatin1(DefaultBet));
        QLabel* otherValue = table.BetValueLabel(OtherSide(spot), seat);
        otherValue->setText(MoneyCaption(0));
        otherValue->hide();
    }
}

} // namespace

void TableWindow::txtPlayerBet_LostFocus(int seat) {
    BetBoxLostFocus(*this, *betFocusChecks_, BetSpot::Player, seat);
}
void TableWindow::txtBankerBet_LostFocus(int seat) {
    BetBoxLostFocus(*this, *betFocusChecks_, BetSpot::Banker, seat);
}
void TableWindow::txtTieBet_LostFocus(int seat) {
    BetBoxLostFocus(*this, *betFocusChecks_, BetSpot::Tie, seat);
}

// --- Clear and add labels ---

namespace {

// The steps every bet label takes first: the focus to the bet's box, the last
// hand off the table, the unit value frozen.
void PrepareBetChange(TableWindow& table, BetSpot spot, int seat) {
    table.BetBox(spot, seat)->setFocus();
    table.CardsInvisible();
    table.ResultsInvisible();
    table.txtUnitValue->setEnabled(false);
}

void ClearBet(TableWindow& table, BetSpot spot, int seat) {
    PrepareBetChange(table, spot, seat);
    table.BetBox(spot, seat)->SetDigits(QString::fromLatin1(DefaultBet));
    QLabel* value = table.BetValueLabel(spot, seat);
    value->setText(MoneyCaption(0));
    value->hide();
}

void AddUnits(TableWindow& table, BetSpot spot, int seat, int units) {
    PrepareBetChange(table, spot, seat);
    const Placement placed = TheTableGame().Add(seat, spot, units);
    // Past the box's digits the add is not made at all.
    if (!placed.InRange || !table.prcSufficientFunds(placed.Extra, seat)) {
        return;
    }
    table.BetBox(spot, seat)->SetDigits(QString::number(placed.Units));
    // The box already has the focus: a refused entry typed next goes back to this
    // bet, not to the one before the add, which its value label no longer shows.
    table.SavedBet = static_cast<std::int16_t>(placed.Units);
    QLabel* value = table.BetValueLabel(spot, seat);
    value->setText(MoneyCaption(static_cast<double>(placed.Dollars)));
    value->show();
    if (placed.ClearsOtherSide) {
        table.BetBox(OtherSide(spot), seat)->SetDigits(QString::fromLatin1(DefaultBet));
        QLabel* otherValue = table.BetValueLabel(OtherSide(spot), seat);
        otherValue->setText(MoneyCaption(0));
        otherValue->hide();
    }
}

} // namespace

void TableWindow::lblPBetInc0_Click(int seat) {
    ClearBet(*this, BetSpot::Player, seat);
}
void TableWindow::lblPBetInc1_Click(int seat) {
    AddUnits(*this, BetSpot::Player, seat, 1);
}
void TableWindow::lblPBetInc2_Click(int seat) {
    AddUnits(*this, BetSpot::Player, seat, 2);
}
void TableWindow::lblPBetInc5_Click(int seat) {
    AddUnits(*this, BetSpot::Player, seat, 5);
}
void TableWindow::lblBBetInc0_Click(int seat) {
    ClearBet(*this, BetSpot::Banker, seat);
}
void TableWindow::lblBBetInc1_Click(int seat) {
    AddUnits(*this, BetSpot::Banker, seat, 1);
}
void TableWindow::lblBBetInc2_Click(int seat) {
    AddUnits(*this, BetSpot::Banker, seat, 2);
}
void TableWindow::lblBBetInc5_Click(int seat) {
    AddUnits(*this, BetSpot::Banker, seat, 5);
}
void TableWindow::lblTBetInc0_Click(int seat) {
    ClearBet(*this, BetSpot::Tie, seat);
}
void TableWindow::lblTBetInc1_Click(int seat) {
    AddUnits(*this, BetSpot::Tie, seat, 1);
}
void TableWindow::lblTBetInc2_Click(int seat) {
    AddUnits(*this, BetSpot::Tie, seat, 2);
}
void TableWindow::lblTBetInc5_Click(int seat) {
    AddUnits(*this, BetSpot::Tie, seat, 5);
}

} // namespace bacc
