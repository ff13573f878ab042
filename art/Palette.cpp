#include "Palette.h"

#include <QPainter>

namespace bacc {
namespace {

// The flared stem under a spade or a club, from the given height down to the symbol's foot.
QPainterPath SuitStem(qreal top) {
    QPainterPath stem;
    stem.moveTo(-0.03, top);
    stem.quadTo(-0.04, 0.4, -0.22, 0.5);
    stem.lineTo(0.22, 0.5);
    stem.quadTo(0.04, 0.4, 0.03, top);
    stem.closeSubpath();
    return stem;
}

QPainterPath MakeSuitPath(Suit suit) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (suit) {
    case Suit::Heart:
        path.moveTo(0, 0.47);
        path.cubicTo(-0.12, 0.3, -0.5, 0.08, -0.5, -0.17);
        path.cubicTo(-0.5, -0.43, -0.18, -0.55, 0, -0.27);
        path.cubicTo(0.18, -0.55, 0.5, -0.43, 0.5, -0.17);
        path.cubicTo(0.5, 0.08, 0.12, 0.3, 0, 0.47);
        break;
    case Suit::Diamond:
        path.moveTo(0, -0.5);
        path.quadTo(0.16, -0.2, 0.38, 0);
        path.quadTo(0.16, 0.2, 0, 0.5);
        path.quadTo(-0.16, 0.2, -0.38, 0);
        path.quadTo(-0.16, -0.2, 0, -0.5);
        break;
    case Suit::Spade: {
        QPainterPath blade;
        blade.moveTo(0, -0.5);
        blade.cubicTo(0.12, -0.3, 0.5, -0.12, 0.5, 0.12);
        blade.cubicTo(0.5, 0.34, 0.22, 0.42, 0.04, 0.24);
        blade.lineTo(-0.04, 0.24);
        blade.cubicTo(-0.22, 0.42, -0.5, 0.34, -0.5, 0.12);
        blade.cubicTo(-0.5, -0.12, -0.12, -0.3, 0, -0.5);
        path = blade.united(SuitStem(0.12));
        break;
    }
    case Suit::Club: {
        QPainterPath leaves;
        const qreal r = 0.215;
        leaves.addEllipse(QPointF(0, -0.26), r, r);
        leaves.addEllipse(QPointF(-0.26, 0.08), r, r);
        leaves.addEllipse(QPointF(0.26, 0.08), r, r);
        leaves.addEllipse(QPointF(0, 0.02), 0.12, 0.12);
        path = leaves.united(SuitStem(0.05)).simplified();
        break;
    }
    }
    return path;
}

} // namespace

QPainterPath SuitPath(Suit suit) {
    // Built once: a card face draws up to a dozen of them, and the united paths are dear to make.
    static const QPainterPath paths[] = {MakeSuitPath(Suit::Spade), MakeSuitPath(Suit::Club),
                                         MakeSuitPath(Suit::Diamond), MakeSuitPath(Suit::Heart)};
    return paths[static_cast<int>(suit)];
}

void DrawSuit(QPainter& painter, Suit suit, QPointF centre, qreal size, bool upsideDown, QColor colour) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) {
        painter.rotate(180);
    }
    painter.scale(size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.isValid() ? colour : (IsRed(suit) ? palette::CardRed : palette::CardBlack));
    painter.drawPath(SuitPath(suit));
    painter.restore();
}

} // namespace bacc
