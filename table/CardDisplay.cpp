// The cards on the table: the flight from the shoe, laying a dealt card face up
// or ready to be squeezed, the squeeze itself, the reveal with the side's
// total, the reveal pointers and clearing.
#include "CardImages.h"
#include "Options.h"
#include "Pause.h"
#include "TableGame.h"
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

void TableWindow::ShowIndexPatches(int slot, int rank, bool topRightAndBottomLeft, bool shown) {
    const auto& patches = WideIndex(rank) ? slots_[slot].WidePatches : slots_[slot].Patches;
    // Patches: top left, top right, bottom left, bottom right.
    for (std::size_t corner :
         topRightAndBottomLeft ? std::array<std::size_t, 2>{1, 2} : std::array<std::size_t, 2>{0, 3}) {
        patches[corner]->setVisible(shown);
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
        slots_[slot].Back->hide();
        if (options.Delay) {
            Pause(0.7);
        }
        return;
    }
    slots_[slot].Bottom->show();
    slots_[slot].Right->show();
    ShowIndexPatches(slot, rank, false);
    if (!options.CardValues) {
        // No corner index may show while the card is squeezed.
        ShowIndexPatches(slot, rank, true);
    }
}

void TableWindow::pctCardBack_Click(int slot) {
    if (!ValidSlot(slot) || !slots_[slot].Dealt) {
        return;
    }
    const HandState& hand = TheTableGame().Hand();
    const int rank = hand.SlotRank[slot];
    slots_[slot].Bottom->hide();
    slots_[slot].Right->hide();
    ShowIndexPatches(slot, rank, true);
    ShowIndexPatches(slot, rank, false, false);
    slots_[slot].Back->hide();

    if ((slot == 0 || slot == 1) && slots_[0].Back->isHidden() && slots_[1].Back->isHidden()) {
        PTotal->setText(QString::number(hand.PlayerTwoCardTotal));
        PTotal->show();
        if (hand.PlayerNatural) {
            lblNaturalP->show();
        }
    } else if ((slot == 3 || slot == 4) && slots_[3].Back->isHidden() && slots_[4].Back->isHidden()) {
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
    Squeeze(slot, SqueezeHandle::Edge::Bottom, yTwips);
}
void TableWindow::lblCardBottom_MouseUp(int slot) {
    LetGo(slot, SqueezeHandle::Edge::Bottom);
}
void TableWindow::lblCardRight_MouseMove(int slot, int xTwips) {
    Squeeze(slot, SqueezeHandle::Edge::Right, xTwips);
}
void TableWindow::lblCardRight_MouseUp(int slot) {
    LetGo(slot, SqueezeHandle::Edge::Right);
}

void TableWindow::Squeeze(int slot, SqueezeHandle::Edge edge, int twips) {
    if (!ValidSlot(slot)) {
        return;
    }
    PointerReset = false;
    if (twips >= 0) {
        return;
    }
    const bool bottom = edge == SqueezeHandle::Edge::Bottom;
    const int left = twips + (bottom ? CardHeight : CardWidth);
    if (left <= 0) {
        pctCardBack_Click(slot);
        return;
    }
    // The back keeps its top (or left) edge; whatever is left of it stays at
    // least a pixel.
    PictureBox* back = slots_[slot].Back;
    const int pixels = std::max(1, Px(left));
    back->resize(bottom ? QSize(back->width(), pixels) : QSize(pixels, back->height()));
}

void TableWindow::LetGo(int slot, SqueezeHandle::Edge edge) {
    if (ValidSlot(slot)) {
        PictureBox* back = slots_[slot].Back;
        back->resize(edge == SqueezeHandle::Edge::Bottom ? QSize(back->width(), Px(CardHeight))
                                                         : QSize(Px(CardWidth), back->height()));
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
        slots_[slot].Bottom->setCursor(up);
        slots_[slot].Right->setCursor(left);
    }
}

void TableWindow::SetArrowPointers() {
    for (int slot = 0; slot < Slots; ++slot) {
        slots_[slot].Bottom->setCursor(Qt::SizeVerCursor);
        slots_[slot].Right->setCursor(Qt::SizeHorCursor);
    }
}

void TableWindow::CardsInvisible() {
    for (int slot = 0; slot < Slots; ++slot) {
        slots_[slot].Face->hide();
        slots_[slot].Dealt = false;
        slots_[slot].Back->hide();
        // A back left shrunk by a squeeze is whole again when it is next shown.
        slots_[slot].Back->resize(Px(CardWidth > 0 ? CardWidth : 1065),
                                  Px(CardHeight > 0 ? CardHeight : 1440));
        slots_[slot].Bottom->hide();
        slots_[slot].Right->hide();
        for (const auto& patches : {slots_[slot].Patches, slots_[slot].WidePatches}) {
            for (QLabel* patch : patches) {
                patch->hide();
            }
        }
        slots_[slot].Shadow->hide();
    }
}

void TableWindow::SetCardFace(int slot, int face) {
    if (ValidSlot(slot) && face >= 1 && face <= CardsPerDeck) {
        slots_[slot].Face->setPixmap(CardImage(face));
    }
}

void TableWindow::ShowCardBack(int slot) {
    if (!ValidSlot(slot)) {
        return;
    }
    slots_[slot].Back->resize(Px(CardWidth > 0 ? CardWidth : 1065), Px(CardHeight > 0 ? CardHeight : 1440));
    slots_[slot].Back->show();
    slots_[slot].Shadow->show();
}

} // namespace bacc
