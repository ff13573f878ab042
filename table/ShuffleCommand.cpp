// The shuffle button: the only way from one shoe to the next.
#include "Bankroll.h"
#include "GameEvents.h"
#include "Marking.h"
#include "MarkingCardWindow.h"
#include "MessageBox.h"
#include "Options.h"
#include "Pause.h"
#include "Shoe.h"
#include "TableGame.h"
#include "TableWindow.h"

namespace bacc {

void TableWindow::ConnectCommands() {
    connect(maisyk, &QPushButton::clicked, this, &TableWindow::maisyk_Click);
    connect(duokkortos, &QPushButton::clicked, this, &TableWindow::duokkortos_Click);
}

void TableWindow::maisyk_Click() {
    Shoe& shoe = TheShoe();
    if (!shoe.EndOfShoe && ShowMessage(QStringLiteral("Not at end of the shoe!"), MsgIcon::Exclamation,
                                       MsgButtons::OkCancel, this) == MsgResult::Cancel) {
        return;
    }
    // The table must not be closed while the shoe is being made: the window is still in use below.
    DealInProgress = true;

    txtSetFocus->setFocus();
    maisyk->hide();
    HandsAtaTime->hide();
    lblHandsAtaTime->hide();
    duokkortos->hide();
    lblUnitValue->hide();
    txtUnitValue->hide();
    // No bet may be placed while the shoe is made: it would stand while the unit value opens again.
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
        // Each value label goes to zero with its bet, so the funds check never counts a bet of the last
        // shoe.
        for (QLabel* value : {txtBankerBetValue[seat], txtPlayerBetValue[seat], txtTieBetValue[seat]}) {
            value->hide();
            value->setText(QStringLiteral("$0"));
        }
        for (MaskedEdit* bet : {txtPlayerBet[seat], txtBankerBet[seat], txtTieBet[seat]}) {
            bet->SetDigits(QStringLiteral("0"));
        }
    }

    Pause(2);
    // The size is the one chosen when the shoe is built (the menus stay live during the wait), and the
    // whole shoe is marked in the colours chosen now.
    StartShoe(shoe, TheMarking(), Settings().PlayerBlue);
    emit GameEvents::Instance().ShoeStarted();
    ResetMarkCard(QStringLiteral("Marking Card for PLAYER 1"));

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
        for (MaskedEdit* bet : {txtPlayerBet[seat], txtBankerBet[seat], txtTieBet[seat]}) {
            bet->show();
        }
        SetSeatBetting(seat, true);
    }
    DealInProgress = false;
    duokkortos->setFocus();
}

void TableWindow::SetSeatBetting(int seat, bool open) {
    for (MaskedEdit* bet : {txtTieBet[seat], txtBankerBet[seat], txtPlayerBet[seat]}) {
        bet->setEnabled(open);
    }
    // The twelve labels are all shown (or hidden) before any is enabled (or after all are disabled).
    const auto labels = BetLabels(seat);
    for (ClickLabel* label : labels) {
        label->setVisible(open);
    }
    for (ClickLabel* label : labels) {
        label->setEnabled(open);
    }
}

std::array<ClickLabel*, 12> TableWindow::BetLabels(int seat) const {
    return {lblTBetInc0[seat], lblTBetInc1[seat], lblTBetInc2[seat], lblTBetInc5[seat],
            lblBBetInc0[seat], lblBBetInc1[seat], lblBBetInc2[seat], lblBBetInc5[seat],
            lblPBetInc0[seat], lblPBetInc1[seat], lblPBetInc2[seat], lblPBetInc5[seat]};
}

} // namespace bacc
