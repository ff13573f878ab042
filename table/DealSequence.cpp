// The deal button: asks the game for one presented hand or many at once, lays
// the presented hand and waits for the player to reveal it, and shows the
// table's state once the deal is over.
#include "Bankroll.h"
#include "MessageBox.h"
#include "Options.h"
#include "Pause.h"
#include "TableGame.h"
#include "TableWindow.h"

#include <initializer_list>

#include <QCoreApplication>

namespace bacc {
namespace {

MarkOptions MarkOptionsNow() {
    return {Settings().ShowScore, Settings().ShowNaturals};
}

} // namespace

void TableWindow::duokkortos_Click() {
    TableGame& game = TheTableGame();
    const long long handsWanted = HandsAtaTime->Number();
    const DealCheck check = game.CheckDeal(handsWanted);
    switch (check.Refusal) {
    case DealRefusal::NoShoe:
        return;
    case DealRefusal::HandsOutOfRange:
        // A field refused before is refused again: its value is checked at every
        // deal, not only when left.
        RefuseHandsAtaTime();
        return;
    case DealRefusal::BothSides:
        ShowMessage(QStringLiteral("Player %1 must bet only on Banker OR Player").arg(check.Seat + 1),
                    MsgIcon::Exclamation, MsgButtons::Ok, this);
        return;
    case DealRefusal::None:
        break;
    }
    LockForDeal();
    const int handsThisClick = game.Deal(handsWanted, MarkOptionsNow());
    if (handsWanted > 1) {
        ShowMessage(QString::number(handsThisClick) + QStringLiteral(" hands have just been dealt"),
                    MsgIcon::Information, MsgButtons::Ok, this);
    } else if (game.Waiting()) {
        PresentHand();
        game.SettleWaiting(MarkOptionsNow());
        ShowSeatResults();
    }
    CloseDeal();
}

void TableWindow::LockForDeal() {
    DealInProgress = true;
    // The last hand's cards, results, win and lose marks and the value labels of
    // zero bets go.
    CardsInvisible();
    ResultsInvisible();
    txtSetFocus->setFocus();
    duokkortos->hide();
    duokkortos->setEnabled(false);
    HandsAtaTime->setEnabled(false);
    maisyk->hide();
    maisyk->setEnabled(false);
    txtUnitValue->setEnabled(false);
    for (int seat = 0; seat < SeatCount; ++seat) {
        SetSeatBetting(seat, false);
    }
}

void TableWindow::WaitForReveal(std::initializer_list<int> covered) {
    // The player reveals face-down cards at their own pace: there is no time
    // limit.
    const auto anyCovered = [&] {
        for (int slot : covered) {
            if (!slots_[slot].Back->isHidden()) {
                return true;
            }
        }
        return false;
    };
    while (anyCovered()) {
        Pause(1);
        QCoreApplication::processEvents();
    }
}

void TableWindow::LayThirdCard(int slot) {
    const HandState& hand = TheTableGame().Hand();
    SetCardFace(slot, hand.SlotFace[slot]);
    if (Settings().Animation) {
        FlyCardToSlot(slot);
    }
    ShowCardBack(slot);
    slots_[slot].Face->show();
    Pause(Settings().Delay ? 0.7 : 0.5);
    slots_[slot].Dealt = true;
    ShowDealtCard(hand.SlotRank[slot], slot);
}

void TableWindow::PresentHand() {
    const HandState& hand = TheTableGame().Hand();
    const RevealOrder order = RevealOrderOf(hand);

    // The first four backs, Player, Banker, Player, Banker.
    for (int slot : {0, 3, 1, 4}) {
        if (Settings().Animation) {
            FlyCardToSlot(slot);
        }
        ShowCardBack(slot);
        if (slot != 4 || !Settings().Delay) {
            Pause(0.5);
        }
    }

    // The faces go under the backs; face up they turn at once, face down they get
    // their handles.
    const auto turnSide = [&](int first, int second, QLabel* total, int twoCardTotal, bool natural,
                              QLabel* naturalLabel) {
        for (int slot : {first, second}) {
            SetCardFace(slot, hand.SlotFace[slot]);
            slots_[slot].Face->show();
            ShowDealtCard(hand.SlotRank[slot], slot);
        }
        if (Settings().CardFaceUp) {
            total->setText(QString::number(twoCardTotal));
            total->show();
            if (natural) {
                naturalLabel->show();
            }
        }
    };
    turnSide(0, 1, PTotal, hand.PlayerTwoCardTotal, hand.PlayerNatural, lblNaturalP);
    turnSide(3, 4, BTotal, hand.BankerTwoCardTotal, hand.BankerNatural, lblNaturalB);
    for (int slot : {0, 1, 3, 4}) {
        slots_[slot].Dealt = true;
    }
    if (!Settings().CardFaceUp) {
        WaitForReveal({0, 1, 3, 4});
    }

    if (hand.PlayerDrew) {
        LayThirdCard(2);
        if (Settings().CardFaceUp) {
            PTotal->setText(QString::number(hand.PlayerTotal));
        }
    }
    if (!Settings().CardFaceUp && order.BankerThirdWaitsForPlayerThird) {
        WaitForReveal({2});
    }
    if (hand.BankerDrew) {
        LayThirdCard(5);
        if (Settings().CardFaceUp) {
            BTotal->setText(QString::number(hand.BankerTotal));
        }
    }
    if (!Settings().CardFaceUp && order.ResultWaitsForThirdCards) {
        WaitForReveal({2, 5});
    }

    switch (hand.HandResult) {
    case 'P':
        WinP->show();
        break;
    case 'B':
        WinB->show();
        break;
    default:
        TieResultP->show();
        TieResultB->show();
        break;
    }
}

void TableWindow::CloseDeal() {
    const Shoe& shoe = TheTableGame().TheShoeInPlay();
    ShowCurrentMoney();
    duokkortos->setText(DealCaption());
    HandsAtaTime->SetDigits(QStringLiteral("1"));
    if (shoe.LastHand) {
        FormLastHand->show();
    }
    if (shoe.EndOfShoe) {
        activateWindow();
        setFocus();
        maisyk->show();
        maisyk->setEnabled(true);
        maisyk->setFocus();
        duokkortos->hide();
        duokkortos->setEnabled(false);
        HandsAtaTime->setEnabled(false);
        lblHandsAtaTime->setEnabled(false);
        FormLastHand->hide();
        FormEndofShoe->show();
        for (int seat = 0; seat < SeatCount; ++seat) {
            for (MaskedEdit* bet :
                 {seats_[seat].On(BetSpot::Player).Box, seats_[seat].On(BetSpot::Banker).Box,
                  seats_[seat].On(BetSpot::Tie).Box}) {
                bet->setEnabled(false);
            }
        }
    } else {
        maisyk->show();
        maisyk->setEnabled(true);
        duokkortos->show();
        duokkortos->setEnabled(true);
        HandsAtaTime->setEnabled(true);
        lblHandsAtaTime->setEnabled(true);
        duokkortos->setFocus();
        for (int seat = 0; seat < SeatCount; ++seat) {
            SetSeatBetting(seat, true);
        }
    }
    DealInProgress = false;
}

} // namespace bacc
