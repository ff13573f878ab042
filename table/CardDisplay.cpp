// The cards on the table: the flight from the shoe, laying a dealt card face up or ready to be
// squeezed, the squeeze itself, the reveal with the side's total, the reveal pointers and clearing.
#include "CardImages.h"
#include "Options.h"
#include "Pause.h"
#include "Shoe.h"
#include "TableWindow.h"
#include "Twips.h"

#include <cstdlib>

#include <QGuiApplication>

namespace bacc {
namespace {
bool ValidSlot(int slot) {
    return slot >= 0 && slot < TableWindow::Slots;
}
// Ace to ten carry a wider corner index ("10") than the court cards.
bool WideIndex(int rank) {
    return rank < 11;
}
} // namespace

void TableWindow::FlyCardToSlot(int slot) {
    if (!ValidSlot(slot)) {
        return;
    }
    const QPoint home = pctCardBackMove->pos();
    const int left0 = Twips(home.x());
    const int top0 = Twips(home.y());
    pctCardBackMove->raise();
    pctCardBackMove->show();
    const int dy = SlotTop[slot] - top0;
    const int dx = SlotLeft[slot] - left0;
    const int q = dx / FlightStep; // truncates toward zero
    const int direction = q >= 0 ? 1 : -1;
    const int steps = std::abs(q);
    if (steps == 0) {
        // A slot within one step of the start: a single move straight onto it.
        pctCardBackMove->move(TwipsPoint(SlotLeft[slot], SlotTop[slot]));
        Pause(0.005);
    } else {
        const int stepY = dy / steps;
        for (int i = 1; i <= steps; ++i) {
            pctCardBackMove->move(TwipsPoint(left0 + FlightStep * i * direction, top0 + stepY * i));
            Pause(0.005);
        }
    }
    pctCardBackMove->hide();
    pctCardBackMove->move(home);
}

void TableWindow::ShowIndexPatches(int slot, int rank, bool topRightAndBottomLeft) {
    const bool wide = WideIndex(rank);
    if (topRightAndBottomLeft) {
        (wide ? pctCardTopRightWide : pctCardTopRight)[slot]->show();
        (wide ? pctCardBottomLeftWide : pctCardBottomLeft)[slot]->show();
    } else {
        (wide ? pctCardTopLeftWide : pctCardTopLeft)[slot]->show();
        (wide ? pctCardBottomRightWide : pctCardBottomRight)[slot]->show();
    }
}

void TableWindow::HideIndexPatches(int slot, int rank, bool topRightAndBottomLeft) {
    const bool wide = WideIndex(rank);
    if (topRightAndBottomLeft) {
        (wide ? pctCardTopRightWide : pctCardTopRight)[slot]->hide();
        (wide ? pctCardBottomLeftWide : pctCardBottomLeft)[slot]->hide();
    } else {
        (wide ? pctCardTopLeftWide : pctCardTopLeft)[slot]->hide();
        (wide ? pctCardBottomRightWide : pctCardBottomRight)[slot]->hide();
    }
}

void TableWindow::ShowDealtCard(int rank, int slot) {
    if (!ValidSlot(slot)) {
        return;
    }
    const Options& options = Settings();
    if (options.CardFaceUp) {
        if (options.Delay) {
            Pause(slot == 0 || slot == 3 ? 0.5 : 0.7);
        }
        ShowIndexPatches(slot, rank, true);
        pctCardBack[slot]->hide();
        if (options.Delay) {
            Pause(0.7);
        }
        return;
    }
    lblCardBottom[slot]->show();
    lblCardRight[slot]->show();
    ShowIndexPatches(slot, rank, false);
    if (!options.CardValues) {
        // No corner index may show while the card is squeezed.
        ShowIndexPatches(slot, rank, true);
    }
}

void TableWindow::pctCardBack_Click(int slot) {
    if (!ValidSlot(slot) || !CardInSlot[slot]) {
        return;
    }
    const HandState& hand = TheShoe().Hand;
    const int rank = hand.SlotRank[slot];
    lblCardBottom[slot]->hide();
    lblCardRight[slot]->hide();
    ShowIndexPatches(slot, rank, true);
    HideIndexPatches(slot, rank, false);
    pctCardBack[slot]->hide();

    if ((slot == 0 || slot == 1) && pctCardBack[0]->isHidden() && pctCardBack[1]->isHidden()) {
        PTotal->setText(QString::number(hand.PlayerTwoCardTotal));
        PTotal->show();
        if (hand.PlayerNatural) {
            lblNaturalP->show();
        }
    } else if ((slot == 3 || slot == 4) && pctCardBack[3]->isHidden() && pctCardBack[4]->isHidden()) {
        BTotal->setText(QString::number(hand.BankerTwoCardTotal));
        BTotal->show();
        if (hand.BankerNatural) {
            lblNaturalB->show();
        }
    } else if (slot == 2) {
        PTotal->setText(QString::number(hand.PlayerTotal));
    } else if (slot == 5) {
        BTotal->setText(QString::number(hand.BankerTotal));
    }
}

void TableWindow::lblCardBottom_MouseMove(int slot, int yTwips) {
    if (!ValidSlot(slot)) {
        return;
    }
    PointerReset = false;
    if (yTwips >= 0) {
        return;
    }
    const int height = yTwips + CardHeight;
    if (height <= 0) {
        pctCardBack_Click(slot);
    } else {
        // The back keeps its top edge; whatever is left of it stays at least a pixel high.
        pctCardBack[slot]->resize(pctCardBack[slot]->width(), std::max(1, Px(height)));
    }
}

void TableWindow::lblCardBottom_MouseUp(int slot) {
    if (ValidSlot(slot)) {
        pctCardBack[slot]->resize(pctCardBack[slot]->width(), Px(CardHeight));
    }
}

void TableWindow::lblCardRight_MouseMove(int slot, int xTwips) {
    if (!ValidSlot(slot)) {
        return;
    }
    PointerReset = false;
    if (xTwips >= 0) {
        return;
    }
    const int width = xTwips + CardWidth;
    if (width <= 0) {
        pctCardBack_Click(slot);
    } else {
        pctCardBack[slot]->resize(std::max(1, Px(width)), pctCardBack[slot]->height());
    }
}

void TableWindow::lblCardRight_MouseUp(int slot) {
    if (ValidSlot(slot)) {
        pctCardBack[slot]->resize(Px(CardWidth), pctCardBack[slot]->height());
    }
}

void TableWindow::Form_MouseMove() {
    if (!PointerReset) {
        while (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::restoreOverrideCursor();
        }
        PointerReset = true;
    }
}

void TableWindow::pctCardBack_MouseMove(int) {
    Form_MouseMove();
}

void TableWindow::SetHandPointers() {
    // The pictures held by Image1, with the hot spot at the finger tip.
    const QCursor up(Image1[static_cast<int>(HandPointing::Up)]->pixmap(), HandHotSpot(HandPointing::Up).x(),
                     HandHotSpot(HandPointing::Up).y());
    const QCursor left(Image1[static_cast<int>(HandPointing::Left)]->pixmap(),
                       HandHotSpot(HandPointing::Left).x(), HandHotSpot(HandPointing::Left).y());
    for (int slot = 0; slot < Slots; ++slot) {
        lblCardBottom[slot]->setCursor(up);
        lblCardRight[slot]->setCursor(left);
    }
}

void TableWindow::SetArrowPointers() {
    for (int slot = 0; slot < Slots; ++slot) {
        lblCardBottom[slot]->setCursor(Qt::SizeVerCursor);
        lblCardRight[slot]->setCursor(Qt::SizeHorCursor);
    }
}

void TableWindow::CardsInvisible() {
    for (int slot = 0; slot < Slots; ++slot) {
        pctCardFace[slot]->hide();
        CardInSlot[slot] = false;
        pctCardBack[slot]->hide();
        // A back left shrunk by a squeeze is whole again when it is next shown.
        pctCardBack[slot]->resize(Px(CardWidth > 0 ? CardWidth : 1065),
                                  Px(CardHeight > 0 ? CardHeight : 1440));
        lblCardBottom[slot]->hide();
        lblCardRight[slot]->hide();
        for (QLabel* patch : {pctCardTopLeft[slot], pctCardTopRight[slot], pctCardBottomLeft[slot],
                              pctCardBottomRight[slot], pctCardTopLeftWide[slot], pctCardTopRightWide[slot],
                              pctCardBottomLeftWide[slot], pctCardBottomRightWide[slot]}) {
            patch->hide();
        }
        shpCardShadow[slot]->hide();
    }
}

void TableWindow::SetCardFace(int slot, int face) {
    if (ValidSlot(slot) && face >= 1 && face <= CardsPerDeck) {
        pctCardFace[slot]->setPixmap(CardImage(face));
    }
}

void TableWindow::ShowCardBack(int slot) {
    if (!ValidSlot(slot)) {
        return;
    }
    pctCardBack[slot]->resize(Px(CardWidth > 0 ? CardWidth : 1065), Px(CardHeight > 0 ? CardHeight : 1440));
    pctCardBack[slot]->show();
    shpCardShadow[slot]->show();
}

} // namespace bacc
