// The deal button: deals one presented hand or many at once, settles and marks them, and closes the
// shoe when its last hand has been dealt.
#include "Bankroll.h"
#include "Marking.h"
#include "MarkingCardWindow.h"
#include "MessageBox.h"
#include "Options.h"
#include "Pause.h"
#include "Shoe.h"
#include "StatisticsWindow.h"
#include "TableGame.h"
#include "TableWindow.h"

#include <initializer_list>

#include <QCoreApplication>

namespace bacc {

void TableWindow::duokkortos_Click() {
    // Only a shoe in play can be dealt from; the table opens at the end of a (never dealt) shoe, and a
    // deal there would count a shoe that was never played.
    if (TheShoe().EndOfShoe) {
        return;
    }
    // A field refused before is refused again: its value is checked at every deal, not only when left.
    if (!RangeOf(EntryField::HandsAtaTime).Holds(HandsAtaTime->Number())) {
        RefuseHandsAtaTime();
        return;
    }
    for (int seat = 0; seat < SeatCount; ++seat) {
        if (BetsOf(seat).BothSides()) {
            ShowMessage(QStringLiteral("Player %1 must bet only on Banker OR Player").arg(seat + 1),
                        MsgIcon::Exclamation, MsgButtons::Ok, this);
            return;
        }
    }
    LockForDeal();

    const long long handsWanted = HandsAtaTime->Number();
    const int handsThisClick = DealHands(TheShoe(), TheMarking(), handsWanted, [this] { SettleHand(); });

    if (handsWanted > 1) {
        ShowMessage(QString::number(handsThisClick) + QStringLiteral(" hands have just been dealt"),
                    MsgIcon::Information, MsgButtons::Ok, this);
    } else if (handsThisClick == 1) {
        PresentHand();
    }
    CloseDeal();
}

void TableWindow::LockForDeal() {
    DealInProgress = true;
    // The last hand's cards, results, win and lose marks and the value labels of zero bets go.
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
    // The player reveals face-down cards at their own pace: there is no time limit.
    const auto anyCovered = [&] {
        for (int slot : covered) {
            if (!pctCardBack[slot]->isHidden()) {
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
    const HandState& hand = TheShoe().Hand;
    SetCardFace(slot, hand.SlotFace[slot]);
    if (Settings().Animation) {
        FlyCardToSlot(slot);
    }
    ShowCardBack(slot);
    pctCardFace[slot]->show();
    Pause(Settings().Delay ? 0.7 : 0.5);
    CardInSlot[slot] = true;
    ShowDealtCard(hand.SlotRank[slot], slot);
}

void TableWindow::PresentHand() {
    const HandState& hand = TheShoe().Hand;

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

    // The faces go under the backs; face up they turn at once, face down they get their handles.
    const auto turnSide = [&](int first, int second, QLabel* total, int twoCardTotal, bool natural,
                              QLabel* naturalLabel) {
        for (int slot : {first, second}) {
            SetCardFace(slot, hand.SlotFace[slot]);
            pctCardFace[slot]->show();
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
        CardInSlot[slot] = true;
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
    // With a Banker total of 0, 1 or 2 the Banker draws whatever the Player's third card is, so its card
    // follows at once; otherwise the Player's card is revealed first.
    if (!Settings().CardFaceUp && hand.PlayerDrew && hand.BankerTwoCardTotal > 2) {
        WaitForReveal({2});
    }
    if (hand.BankerDrew) {
        LayThirdCard(5);
        if (Settings().CardFaceUp) {
            BTotal->setText(QString::number(hand.BankerTotal));
        }
    }
    if (!Settings().CardFaceUp && (hand.PlayerDrew || hand.BankerDrew)) {
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
    SettleHand();
    ShowSeatResults();
}

void TableWindow::CloseDeal() {
    Shoe& shoe = TheShoe();
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
        // The cards never dealt are listed as unseen, so the list and the count cover the whole shoe.
        shoe.RecordUndealtRest();
        shoe.ShoeInPlay = false;
        for (int seat = 0; seat < SeatCount; ++seat) {
            for (MaskedEdit* bet : {txtPlayerBet[seat], txtBankerBet[seat], txtTieBet[seat]}) {
                bet->setEnabled(false);
            }
        }
        CountShoePlayed();
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
    if (Settings().StatisticsShown) {
        if (StatisticsWindow* statistics = TheStatistics()) {
            statistics->RefreshStatistics();
        }
    }
}

} // namespace bacc
