// The shuffle button: the only way from one shoe to the next.
#include "Bankroll.h"
#include "MessageBox.h"
#include "Options.h"
#include "Pause.h"
#include "TableGame.h"
#include "TableWindow.h"

namespace bacc {

void TableWindow::ConnectCommands() {
    connect(maisyk, &QPushButton::clicked, this, &TableWindow::maisyk_Click);
    connect(duokkortos, &QPushButton::clicked, this, &TableWindow::duokkortos_Click);
}

void TableWindow::maisyk_Click() {
    TableGame& game = TheTableGame();
    if (!game.TheShoeInPlay().EndOfShoe &&
        ShowMessage(QStringLiteral("Not at end of the shoe!"), MsgIcon::Exclamation, MsgButtons::OkCancel,
                    this) == MsgResult::Cancel) {
        return;
    }
    // The table must not be closed while the shoe is being made: the window is
    // still in use below.
    DealInProgress = true;

    txtSetFocus->setFocus();
    maisyk->hide();
    HandsAtaTime->hide();
    lblHandsAtaTime->hide();
    duokkortos->hide();
    lblUnitValue->hide();
    txtUnitValue->hide();
    // No bet may be placed while the shoe is made: it would stand while the unit
    // value opens again.
    for (int seat = 0; seat < SeatCount; ++seat) {
        SetSeatBetting(seat, false);
    }
    lblShuffleInProgress[0]->show();
    lblShuffleInProgress[1]->show();

    CardsInvisible();
    ResultsInvisible();
    PTotal->setText(QStringLiteral("0"));
    BTotal->setText(QStringLiteral("0"));
    FormLastHand->hide();
    FormEndofShoe->hide();

    HandsAtaTime->SetDigits(QStringLiteral("1"));
    for (int seat = 0; seat < SeatCount; ++seat) {
        // Each value label goes to zero with its bet, so the funds check never
        // counts a bet of the last shoe.
        for (QLabel* value : {seats_[seat].On(BetSpot::Banker).Value, seats_[seat].On(BetSpot::Player).Value,
                              seats_[seat].On(BetSpot::Tie).Value}) {
            value->hide();
            value->setText(QStringLiteral("$0"));
        }
        for (MaskedEdit* bet : {seats_[seat].On(BetSpot::Player).Box, seats_[seat].On(BetSpot::Banker).Box,
                                seats_[seat].On(BetSpot::Tie).Box}) {
            bet->SetDigits(QStringLiteral("0"));
        }
    }

    Pause(2);
    // The size is the one chosen when the shoe is built (the menus stay live
    // during the wait), and the whole shoe is marked in the colours chosen now.
    // The marking card follows the game.
    game.StartShoe(Settings().PlayerBlue);

    lblShuffleInProgress[0]->hide();
    lblShuffleInProgress[1]->hide();
    maisyk->show();
    duokkortos->show();
    duokkortos->setEnabled(true);
    duokkortos->setToolTip(QString());
    HandsAtaTime->show();
    HandsAtaTime->setEnabled(true);
    lblHandsAtaTime->show();
    lblHandsAtaTime->setEnabled(true);
    duokkortos->setText(
        QString::fromStdString(DealButtonCaption(DealCaption().toStdString(), HandsAtaTime->Number())));
    lblUnitValue->show();
    txtUnitValue->show();
    txtUnitValue->setEnabled(true);

    for (int seat = 0; seat < SeatCount; ++seat) {
        for (MaskedEdit* bet : {seats_[seat].On(BetSpot::Player).Box, seats_[seat].On(BetSpot::Banker).Box,
                                seats_[seat].On(BetSpot::Tie).Box}) {
            bet->show();
        }
        SetSeatBetting(seat, true);
    }
    DealInProgress = false;
    duokkortos->setFocus();
}

void TableWindow::SetSeatBetting(int seat, bool open) {
    for (MaskedEdit* bet : {seats_[seat].On(BetSpot::Tie).Box, seats_[seat].On(BetSpot::Banker).Box,
                            seats_[seat].On(BetSpot::Player).Box}) {
        bet->setEnabled(open);
    }
    // The twelve labels are all shown (or hidden) before any is enabled (or after
    // all are disabled).
    const auto labels = BetLabels(seat);
    for (ClickLabel* label : labels) {
        label->setVisible(open);
    }
    for (ClickLabel* label : labels) {
        label->setEnabled(open);
    }
}

std::array<ClickLabel*, 12> TableWindow::BetLabels(int seat) const {
    return {seats_[seat].On(BetSpot::Tie).Labels[0],    seats_[seat].On(BetSpot::Tie).Labels[1],
            seats_[seat].On(BetSpot::Tie).Labels[2],    seats_[seat].On(BetSpot::Tie).Labels[3],
            seats_[seat].On(BetSpot::Banker).Labels[0], seats_[seat].On(BetSpot::Banker).Labels[1],
            seats_[seat].On(BetSpot::Banker).Labels[2], seats_[seat].On(BetSpot::Banker).Labels[3],
            seats_[seat].On(BetSpot::Player).Labels[0], seats_[seat].On(BetSpot::Player).Labels[1],
            seats_[seat].On(BetSpot::Player).Labels[2], seats_[seat].On(BetSpot::Player).Labels[3]};
}

} // namespace bacc
