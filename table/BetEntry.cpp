#include "Bankroll.h"
#include "FocusChecks.h"
#include "MessageBox.h"
#include "NumberText.h"
#include "TableWindow.h"

#include <limits>

// The bet entry of the table: the bet boxes of both seats, their clear and add labels, the unit value
// and the hands dealt per click. A seat bets on Player or on Banker, never both; every increase must be
// covered by the seat's money; the first bet of a shoe freezes the unit value.
namespace bacc {
namespace {

std::int16_t ToSavedBet(long long units) {
    constexpr long long high = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(units > high ? high : units);
}

} // namespace

MaskedEdit* TableWindow::BetBox(BetSpot spot, int seat) const {
    switch (spot) {
    case BetSpot::Player:
        return txtPlayerBet[seat];
    case BetSpot::Banker:
        return txtBankerBet[seat];
    case BetSpot::Tie:
        break;
    }
    return txtTieBet[seat];
}

QLabel* TableWindow::BetValueLabel(BetSpot spot, int seat) const {
    switch (spot) {
    case BetSpot::Player:
        return txtPlayerBetValue[seat];
    case BetSpot::Banker:
        return txtBankerBetValue[seat];
    case BetSpot::Tie:
        break;
    }
    return txtTieBetValue[seat];
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
        for (MaskedEdit* box : {txtPlayerBet[seat], txtBankerBet[seat], txtTieBet[seat]}) {
            betFocusChecks_->Watch(box);
        }
        bind(txtPlayerBet[seat], &MaskedEdit::GotFocus, &TableWindow::txtPlayerBet_GotFocus, seat);
        bind(txtPlayerBet[seat], &MaskedEdit::LostFocus, &TableWindow::txtPlayerBet_LostFocus, seat);
        bind(txtBankerBet[seat], &MaskedEdit::GotFocus, &TableWindow::txtBankerBet_GotFocus, seat);
        bind(txtBankerBet[seat], &MaskedEdit::LostFocus, &TableWindow::txtBankerBet_LostFocus, seat);
        bind(txtTieBet[seat], &MaskedEdit::GotFocus, &TableWindow::txtTieBet_GotFocus, seat);
        bind(txtTieBet[seat], &MaskedEdit::LostFocus, &TableWindow::txtTieBet_LostFocus, seat);
        const std::array<std::pair<ClickLabel*, Handler>, 12> labels{{
            {lblPBetInc0[seat], &TableWindow::lblPBetInc0_Click},
            {lblPBetInc1[seat], &TableWindow::lblPBetInc1_Click},
            {lblPBetInc2[seat], &TableWindow::lblPBetInc2_Click},
            {lblPBetInc5[seat], &TableWindow::lblPBetInc5_Click},
            {lblBBetInc0[seat], &TableWindow::lblBBetInc0_Click},
            {lblBBetInc1[seat], &TableWindow::lblBBetInc1_Click},
            {lblBBetInc2[seat], &TableWindow::lblBBetInc2_Click},
            {lblBBetInc5[seat], &TableWindow::lblBBetInc5_Click},
            {lblTBetInc0[seat], &TableWindow::lblTBetInc0_Click},
            {lblTBetInc1[seat], &TableWindow::lblTBetInc1_Click},
            {lblTBetInc2[seat], &TableWindow::lblTBetInc2_Click},
            {lblTBetInc5[seat], &TableWindow::lblTBetInc5_Click},
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
        return; // the window was only re-activated: the box keeps what it had when it was entered
    }
    table.SavedBet = ToSavedBet(box->Number());
    box->SelectDigits();
}

} // namespace

void TableWindow::txtPlayerBet_GotFocus(int seat) {
    BetBoxGotFocus(*this, *betFocusChecks_, txtPlayerBet[seat]);
}
void TableWindow::txtBankerBet_GotFocus(int seat) {
    BetBoxGotFocus(*this, *betFocusChecks_, txtBankerBet[seat]);
}
void TableWindow::txtTieBet_GotFocus(int seat) {
    BetBoxGotFocus(*this, *betFocusChecks_, txtTieBet[seat]);
}

namespace {

// Player or Banker box left: X the box's spot, Y the other one.
void PlayerOrBankerLostFocus(TableWindow& table, FocusChecks& checks, BetSpot spot, int seat) {
    MaskedEdit* box = table.BetBox(spot, seat);
    if (!box->isVisible() || checks.Ignore(box)) {
        return;
    }
    FocusChecks::Running running(checks);
    const std::int16_t saved = table.SavedBet;
    if (box->Digits().isEmpty()) {
        box->SetDigits(QString::fromLatin1(DefaultBet));
    }
    const long long units = box->Number();
    if (!RangeOf(FieldOf(spot)).Holds(units)) {
        ShowMessage(spot == BetSpot::Player ? QStringLiteral("Player bet must be 0 to 100")
                                            : QStringLiteral("Banker bet must be 0 to 100"),
                    MsgIcon::None, MsgButtons::Ok, &table);
        FocusChecks::ReturnFocusTo(box);
    }
    const long long unitValue = table.txtUnitValue->Number();
    const BetSpot other = OtherSide(spot);
    if (!table.prcSufficientFunds(ExtraForBet(spot, units, unitValue, table.StandingOf(seat)), seat)) {
        box->SetDigits(QString::number(saved));
        FocusChecks::ReturnFocusTo(box);
        return;
    }
    const auto amount = static_cast<double>(BetDollars(units, unitValue));
    QLabel* value = table.BetValueLabel(spot, seat);
    value->setText(MoneyCaption(amount));
    if (amount == 0) {
        value->hide();
        return;
    }
    value->show();
    if (spot == BetSpot::Banker) {
        table.CardsInvisible();
    }
    table.ResultsInvisible();
    table.txtUnitValue->setEnabled(false);
    table.BetBox(other, seat)->SetDigits(QString::fromLatin1(DefaultBet));
    QLabel* otherValue = table.BetValueLabel(other, seat);
    otherValue->setText(MoneyCaption(0));
    otherValue->hide();
}

} // namespace

void TableWindow::txtPlayerBet_LostFocus(int seat) {
    PlayerOrBankerLostFocus(*this, *betFocusChecks_, BetSpot::Player, seat);
}
void TableWindow::txtBankerBet_LostFocus(int seat) {
    PlayerOrBankerLostFocus(*this, *betFocusChecks_, BetSpot::Banker, seat);
}

void TableWindow::txtTieBet_LostFocus(int seat) {
    MaskedEdit* box = txtTieBet[seat];
    if (!box->isVisible() || betFocusChecks_->Ignore(box)) {
        return;
    }
    FocusChecks::Running running(*betFocusChecks_);
    const std::int16_t saved = SavedBet;
    if (box->Digits().isEmpty()) {
        box->SetDigits(QString::fromLatin1(DefaultBet));
    }
    const long long units = box->Number();
    if (!RangeOf(EntryField::TieBet).Holds(units)) {
        ShowMessage(QStringLiteral("Tie bet must be 0 to 20"), MsgIcon::None, MsgButtons::Ok, this);
        FocusChecks::ReturnFocusTo(box);
    }
    const long long unitValue = txtUnitValue->Number();
    if (!prcSufficientFunds(ExtraForBet(BetSpot::Tie, units, unitValue, StandingOf(seat)), seat)) {
        box->SetDigits(QString::number(saved));
        return;
    }
    const auto amount = static_cast<double>(BetDollars(units, unitValue));
    txtTieBetValue[seat]->setText(MoneyCaption(amount));
    if (amount == 0) {
        txtTieBetValue[seat]->hide();
        return;
    }
    txtTieBetValue[seat]->show();
    CardsInvisible();
    ResultsInvisible();
    txtUnitValue->setEnabled(false);
}

// --- Clear and add labels ---

namespace {

// The steps every bet label takes first: the focus to the bet's box, the last hand off the table, the
// unit value frozen.
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
    MaskedEdit* box = table.BetBox(spot, seat);
    const long long newUnits = box->Number() + units;
    if (newUnits > BoxCapacity(spot)) {
        return;
    }
    const long long unitValue = table.txtUnitValue->Number();
    if (!table.prcSufficientFunds(ExtraForAdd(spot, units, unitValue, table.StandingOf(seat)), seat)) {
        return;
    }
    box->SetDigits(QString::number(newUnits));
    // The box already has the focus: a refused entry typed next goes back to this bet, not to the one
    // before the add, which its value label no longer shows.
    table.SavedBet = static_cast<std::int16_t>(newUnits);
    QLabel* value = table.BetValueLabel(spot, seat);
    value->setText(MoneyCaption(static_cast<double>(BetDollars(newUnits, unitValue))));
    value->show();
    if (spot != BetSpot::Tie) {
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
