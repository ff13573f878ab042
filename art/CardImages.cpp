#include "CardImages.h"

#include "Palette.h"

#include <array>
#include <cmath>

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace bacc {
namespace {

using namespace palette;

constexpr qreal W = CardPixelWidth;
constexpr qreal H = CardPixelHeight;

Suit SuitOfFace(int face) {
    return static_cast<Suit>((face - 1) / 13);
}
int RankOfFace(int face) {
    return (face - 1) % 13 + 1;
}

// Text as a path stretched to fill exactly the given box (narrowed where it would be too wide).
QPainterPath TextInBox(const QString& text, const QRectF& box, bool keepAspectUnlessTooWide = true) {
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setBold(true);
    font.setPixelSize(40);
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    qreal sy = box.height() / bounds.height();
    qreal sx = sy;
    if (!keepAspectUnlessTooWide || bounds.width() * sx > box.width()) {
        sx = box.width() / bounds.width();
    }
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(sx, sy);
    fit.translate(-bounds.center().x(), -bounds.center().y());
    return fit.map(path);
}

QString IndexText(int rank) {
    switch (rank) {
    case 1:
        return QStringLiteral("A");
    case 11:
        return QStringLiteral("J");
    case 12:
        return QStringLiteral("Q");
    case 13:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

// One corner index in the box it must stay inside (the patch that hides it), upright at the top of the
// card; the bottom corners get the same index turned half round.
void DrawIndex(QPainter& painter, int rank, Suit suit, const QRectF& box, bool upsideDown) {
    painter.save();
    if (upsideDown) {
        painter.translate(box.center());
        painter.rotate(180);
        painter.translate(-box.center());
    }
    const QColor colour = IsRed(suit) ? CardRed : CardBlack;
    const QRectF inner = box.adjusted(0.7, 0.9, -0.7, -0.9);
    const QRectF rankBox(inner.left(), inner.top() + 0.3, inner.width(), 10.2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(TextInBox(IndexText(rank), rankBox));
    const qreal suitSize = std::min(inner.width(), 8.0);
    DrawSuit(painter, suit, QPointF(inner.center().x(), rankBox.bottom() + 2.0 + suitSize / 2.0), suitSize);
    painter.restore();
}

// The corner boxes, in pixels of the card, that the table's patches cover: the narrow ones for the
// court cards, the wide ones for ace to ten (the "10" needs the room).
QRectF CornerBox(bool wide, bool right, bool bottom) {
    const qreal top = bottom ? 67 : 3;
    if (wide) {
        return QRectF(right ? 57 : 3, top, 11, 26);
    }
    return QRectF(right ? 60 : 2, top, 9, 26);
}

void DrawIndices(QPainter& painter, int rank, Suit suit) {
    const bool wide = rank < 11;
    DrawIndex(painter, rank, suit, CornerBox(wide, false, false), false);
    DrawIndex(painter, rank, suit, CornerBox(wide, true, false), false);
    DrawIndex(painter, rank, suit, CornerBox(wide, false, true), true);
    DrawIndex(painter, rank, suit, CornerBox(wide, true, true), true);
}

void DrawBlankCard(QPainter& painter) {
    const QRectF outline(0.5, 0.5, W - 1, H - 1);
    painter.setPen(QPen(CardEdge, 1.0));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(outline, 4.5, 4.5);
}

// Pip places on a grid: columns left, centre, right; rows as fractions from the top pip row (0) to the
// bottom one (1). Pips in the lower half are turned, as on printed cards.
struct Pip {
    int Column; // 0 left, 1 centre, 2 right
    qreal Row;
};

std::vector<Pip> PipLayout(int rank) {
    const qreal third = 1.0 / 3.0;
    switch (rank) {
    case 2:
        return {{1, 0}, {1, 1}};
    case 3:
        return {{1, 0}, {1, 0.5}, {1, 1}};
    case 4:
        return {{0, 0}, {2, 0}, {0, 1}, {2, 1}};
    case 5:
        return {{0, 0}, {2, 0}, {1, 0.5}, {0, 1}, {2, 1}};
    case 6:
        return {{0, 0}, {2, 0}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    case 7:
        return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {0, 1}, {2, 1}};
    case 8:
        return {{0, 0}, {2, 0}, {1, 0.25}, {0, 0.5}, {2, 0.5}, {1, 0.75}, {0, 1}, {2, 1}};
    case 9:
        return {{0, 0},         {2, 0},         {0, third}, {2, third}, {1, 0.5},
                {0, 2 * third}, {2, 2 * third}, {0, 1},     {2, 1}};
    case 10:
        return {{0, 0},         {2, 0},         {1, third / 2},     {0, third}, {2, third},
                {0, 2 * third}, {2, 2 * third}, {1, 1 - third / 2}, {0, 1},     {2, 1}};
    default:
        return {};
    }
}

void DrawPips(QPainter& painter, int rank, Suit suit) {
    if (rank == 1) {
        // The ace: one large pip; the ace of spades gets the traditional ornate one.
        if (suit == Suit::Spade) {
            painter.setPen(QPen(CardBlack, 0.8));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(W / 2, H / 2), 17.5, 17.5);
            painter.setPen(QPen(Gold, 1.2));
            painter.drawEllipse(QPointF(W / 2, H / 2), 15.5, 15.5);
            DrawSuit(painter, suit, QPointF(W / 2, H / 2), 24);
            painter.setBrush(Qt::white);
            painter.setPen(Qt::NoPen);
            painter.drawEllipse(QPointF(W / 2, H / 2 - 1), 2.2, 2.2);
        } else {
            DrawSuit(painter, suit, QPointF(W / 2, H / 2), 20);
        }
        return;
    }
    const std::array<qreal, 3> columnX{23.0, W / 2, 48.0};
    const qreal topRow = 15.5;
    const qreal bottomRow = H - 15.5;
    const qreal size = rank >= 9 ? 10.5 : 11.5;
    for (const Pip& pip : PipLayout(rank)) {
        const qreal y = topRow + (bottomRow - topRow) * pip.Row;
        DrawSuit(painter, suit, QPointF(columnX[pip.Column], y), size, pip.Row > 0.5);
    }
}

// --- Court cards: a framed half-figure, mirrored top and bottom ---

struct CourtLook {
    QColor Robe;   // the figure's right side and headwear
    QColor Sleeve; // its left side
    QColor Hair;
};

CourtLook LookOf(int rank, Suit suit) {
    const bool red = IsRed(suit);
    switch (rank) {
    case 13:
        return {red ? RobeRed : RobeBlue, red ? RobeBlue : RobeRed, QColor(238, 238, 238)};
    case 12:
        return {red ? RobeBlue : RobeRed, red ? RobeRed : RobeBlue, QColor(236, 192, 72)};
    default:
        return {red ? RobeRed : RobeBlue, red ? RobeBlue : RobeRed, QColor(128, 76, 34)};
    }
}

// The emblem held up beside the head: the king's sword, the queen's flower, the jack's halberd.
void DrawEmblem(QPainter& painter, int rank, const QRectF& half) {
    const QPen outline(CardBlack, 0.6);
    const qreal top = half.top();
    if (rank == 13) {
        const qreal x = half.left() + 6.5;
        QPainterPath blade;
        blade.moveTo(x, top + 1.5);
        blade.lineTo(x + 1.6, top + 4);
        blade.lineTo(x + 1.6, top + 25);
        blade.lineTo(x - 1.6, top + 25);
        blade.lineTo(x - 1.6, top + 4);
        blade.closeSubpath();
        painter.setPen(outline);
        painter.setBrush(Steel);
        painter.drawPath(blade);
        painter.setPen(QPen(QColor(150, 156, 170), 0.5));
        painter.drawLine(QPointF(x, top + 4), QPointF(x, top + 24));
        painter.setPen(outline);
        painter.setBrush(Gold);
        painter.drawRoundedRect(QRectF(x - 4, top + 25, 8, 1.8), 0.8, 0.8);
        painter.drawRect(QRectF(x - 0.9, top + 26.8, 1.8, 3.2));
    } else if (rank == 12) {
        const qreal x = half.left() + 7;
        painter.setPen(QPen(QColor(40, 120, 50), 0.9));
        painter.drawLine(QPointF(x, top + 29), QPointF(x, top + 12));
        painter.setPen(outline);
        painter.setBrush(QColor(60, 140, 60));
        painter.drawEllipse(QPointF(x + 2, top + 19), 2.0, 1.0);
        painter.drawEllipse(QPointF(x - 2, top + 22), 2.0, 1.0);
        painter.setBrush(QColor(212, 38, 88));
        for (int petal = 0; petal < 5; ++petal) {
            const qreal angle = petal * 72.0 * 3.14159265 / 180.0;
            painter.drawEllipse(QPointF(x + 2.2 * std::sin(angle), top + 10 - 2.2 * std::cos(angle)), 1.7,
                                1.7);
        }
        painter.setBrush(Gold);
        painter.drawEllipse(QPointF(x, top + 10), 1.3, 1.3);
    } else {
        const qreal x = half.right() - 6;
        painter.setPen(QPen(QColor(112, 72, 32), 1.3));
        painter.drawLine(QPointF(x, half.bottom()), QPointF(x, top + 2));
        painter.setPen(outline);
        painter.setBrush(Steel);
        QPainterPath axe;
        axe.moveTo(x, top + 1);
        axe.lineTo(x + 1.2, top + 4);
        axe.quadTo(x + 4.8, top + 5.5, x + 4.2, top + 11);
        axe.quadTo(x + 2, top + 9, x, top + 9.5);
        axe.quadTo(x - 2.2, top + 8.5, x - 3, top + 6);
        axe.lineTo(x - 1, top + 5.5);
        axe.closeSubpath();
        painter.drawPath(axe);
    }
}

// One half of a court card: head and shoulders, the robe parted in two colours with a patterned
// panel down the middle, a ruff, headwear by rank and the emblem in hand. The other half is the same
// turned half round, as on printed cards.
void DrawHalfFigure(QPainter& painter, int rank, Suit suit, const QRectF& half) {
    const CourtLook look = LookOf(rank, suit);
    const QPen outline(CardBlack, 0.7);
    const qreal left = half.left();
    const qreal right = half.right();
    const qreal top = half.top();
    const qreal bottom = half.bottom() + 0.5;
    const qreal cx = half.center().x() + 1;
    const qreal shoulder = top + 21;

    DrawEmblem(painter, rank, half);

    if (rank == 12) {
        // The queen's hair falls to her shoulders, behind the robe.
        painter.setPen(outline);
        painter.setBrush(look.Hair);
        painter.drawRoundedRect(QRectF(cx - 7.5, top + 7, 15, 16), 5, 5);
    }

    QPainterPath robe;
    robe.moveTo(left + 3, bottom);
    robe.lineTo(left + 3, shoulder + 7);
    robe.cubicTo(left + 5, shoulder + 1.5, cx - 9, shoulder, cx - 4, shoulder - 0.5);
    robe.lineTo(cx + 4, shoulder - 0.5);
    robe.cubicTo(cx + 9, shoulder, right - 5, shoulder + 1.5, right - 3, shoulder + 7);
    robe.lineTo(right - 3, bottom);
    robe.closeSubpath();
    painter.save();
    painter.setClipPath(robe);
    painter.fillRect(QRectF(left, top, cx - left, bottom - top), look.Sleeve);
    painter.fillRect(QRectF(cx, top, right - cx, bottom - top), look.Robe);
    // Embroidery: fine gold rows on the sleeve side, white crosses on the robe side.
    painter.setPen(QPen(Gold, 0.7));
    for (qreal y = shoulder + 4; y < bottom; y += 3.5) {
        painter.drawLine(QPointF(left, y + 1.5), QPointF(cx, y - 1.5));
    }
    painter.setPen(QPen(QColor(255, 255, 255, 220), 0.6));
    for (qreal y = shoulder + 5; y < bottom; y += 4.5) {
        for (qreal x = cx + 4; x < right - 3; x += 4.5) {
            painter.drawLine(QPointF(x - 0.9, y), QPointF(x + 0.9, y));
            painter.drawLine(QPointF(x, y - 0.9), QPointF(x, y + 0.9));
        }
    }
    // The panel down the middle.
    QPainterPath panel;
    panel.moveTo(cx - 4, shoulder);
    panel.lineTo(cx + 4, shoulder);
    panel.lineTo(cx + 7, bottom);
    panel.lineTo(cx - 7, bottom);
    panel.closeSubpath();
    painter.setPen(QPen(CardBlack, 0.6));
    painter.setBrush(Gold);
    painter.drawPath(panel);
    painter.setPen(Qt::NoPen);
    painter.setBrush(CardBlack);
    for (qreal y = shoulder + 4; y < bottom - 1; y += 4) {
        QPainterPath lozenge;
        lozenge.moveTo(cx, y - 1.5);
        lozenge.lineTo(cx + 1.3, y);
        lozenge.lineTo(cx, y + 1.5);
        lozenge.lineTo(cx - 1.3, y);
        lozenge.closeSubpath();
        painter.drawPath(lozenge);
    }
    painter.restore();
    painter.setPen(outline);
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(robe);

    // The hand that holds the emblem.
    painter.setBrush(Skin);
    const qreal handX = rank == 11 ? right - 6 : left + 7;
    painter.drawEllipse(QPointF(handX, top + 29), 2.2, 1.9);

    // Neck, ruff and head.
    const QPointF head(cx, top + 12.5);
    painter.setBrush(Skin);
    painter.drawRect(QRectF(cx - 2, head.y() + 4, 4, shoulder - head.y() - 4));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(QRectF(cx - 7, shoulder - 2.5, 14, 3.8), 1.8, 1.8);
    painter.setPen(QPen(CardEdge, 0.45));
    for (qreal x = cx - 5.5; x <= cx + 5.6; x += 1.8) {
        painter.drawLine(QPointF(x, shoulder - 2.0), QPointF(x, shoulder + 0.8));
    }
    painter.setPen(outline);
    if (rank != 12) {
        painter.setBrush(look.Hair);
        painter.drawEllipse(QRectF(head.x() - 6, head.y() - 6.2, 12, 12.5));
    }
    painter.setBrush(Skin);
    painter.drawEllipse(QRectF(head.x() - 4.4, head.y() - 5.0, 8.8, 10.4));
    painter.setPen(QPen(CardBlack, 1.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPoint(QPointF(head.x() - 1.7, head.y() - 0.8));
    painter.drawPoint(QPointF(head.x() + 1.7, head.y() - 0.8));
    painter.setPen(QPen(QColor(150, 90, 60), 0.5));
    painter.drawLine(QPointF(head.x(), head.y() - 0.4), QPointF(head.x() - 0.6, head.y() + 1.6));
    painter.setPen(QPen(QColor(180, 40, 40), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(head.x() - 1.1, head.y() + 3.0), QPointF(head.x() + 1.1, head.y() + 3.0));
    if (rank == 13) {
        QPainterPath beard;
        beard.moveTo(head.x() - 4.3, head.y() + 0.8);
        beard.quadTo(head.x() - 3, head.y() + 9.5, head.x(), head.y() + 9.8);
        beard.quadTo(head.x() + 3, head.y() + 9.5, head.x() + 4.3, head.y() + 0.8);
        beard.quadTo(head.x() + 2.5, head.y() + 4.2, head.x(), head.y() + 2.2);
        beard.quadTo(head.x() - 2.5, head.y() + 4.2, head.x() - 4.3, head.y() + 0.8);
        painter.setPen(QPen(CardBlack, 0.5));
        painter.setBrush(look.Hair);
        painter.drawPath(beard);
    }

    // Headwear.
    painter.setPen(outline);
    const qreal brow = head.y() - 4.4;
    if (rank == 13) {
        QPainterPath crown;
        crown.moveTo(head.x() - 5.8, brow + 0.6);
        crown.lineTo(head.x() - 6.6, brow - 6.5);
        crown.lineTo(head.x() - 3.3, brow - 3.4);
        crown.lineTo(head.x(), brow - 7.8);
        crown.lineTo(head.x() + 3.3, brow - 3.4);
        crown.lineTo(head.x() + 6.6, brow - 6.5);
        crown.lineTo(head.x() + 5.8, brow + 0.6);
        crown.closeSubpath();
        painter.setBrush(Gold);
        painter.drawPath(crown);
        painter.setBrush(CardRed);
        painter.drawEllipse(QPointF(head.x(), brow - 1.6), 1.1, 1.1);
        painter.setBrush(Qt::white);
        painter.drawEllipse(QPointF(head.x() - 3.6, brow - 1.2), 0.7, 0.7);
        painter.drawEllipse(QPointF(head.x() + 3.6, brow - 1.2), 0.7, 0.7);
    } else if (rank == 12) {
        QPainterPath crown;
        crown.moveTo(head.x() - 5.2, brow + 0.6);
        crown.quadTo(head.x() - 6, brow - 4.5, head.x() - 3.2, brow - 4.2);
        crown.quadTo(head.x(), brow - 7.6, head.x() + 3.2, brow - 4.2);
        crown.quadTo(head.x() + 6, brow - 4.5, head.x() + 5.2, brow + 0.6);
        crown.closeSubpath();
        painter.setBrush(Gold);
        painter.drawPath(crown);
        painter.setBrush(look.Robe);
        painter.drawEllipse(QPointF(head.x(), brow - 2.6), 1.1, 1.1);
    } else {
        QPainterPath cap;
        cap.moveTo(head.x() - 6.4, brow + 1.0);
        cap.quadTo(head.x() - 5.5, brow - 6, head.x() + 1.5, brow - 5.6);
        cap.quadTo(head.x() + 7, brow - 4.2, head.x() + 6.4, brow + 1.0);
        cap.closeSubpath();
        painter.setBrush(look.Robe);
        painter.drawPath(cap);
        painter.setPen(QPen(Gold, 1.1));
        painter.drawLine(QPointF(head.x() - 6, brow + 0.4), QPointF(head.x() + 6, brow + 0.4));
        painter.setPen(QPen(CardBlack, 0.5));
        painter.setBrush(Qt::white);
        QPainterPath feather;
        feather.moveTo(head.x() + 3, brow - 4.5);
        feather.quadTo(head.x() + 9, brow - 11, head.x() + 10, brow - 7);
        feather.quadTo(head.x() + 7, brow - 6, head.x() + 3, brow - 4.5);
        painter.drawPath(feather);
    }
    (void)suit;
}

void DrawCourt(QPainter& painter, int rank, Suit suit) {
    const QRectF frame(13.5, 6.5, 44, 83);
    painter.setPen(Qt::NoPen);
    painter.setBrush(CourtPaper);
    painter.drawRect(frame);
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        if (turn == 1) {
            painter.translate(frame.center());
            painter.rotate(180);
            painter.translate(-frame.center().x(), -frame.center().y());
        }
        const QRectF half(frame.left() + 1, frame.top() + 1, frame.width() - 2, frame.height() / 2 - 1);
        painter.setClipRect(half.adjusted(0, 0, 0, 0.5));
        DrawHalfFigure(painter, rank, suit, half);
        painter.setClipping(false);
        // The suit in the corner away from the emblem.
        DrawSuit(painter, suit, QPointF(rank == 11 ? half.left() + 5 : half.right() - 5, half.top() + 5),
                 6.5);
        painter.restore();
    }
    // The parting line between the halves, and the frame.
    painter.setPen(QPen(GoldDark, 0.8));
    painter.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(IsRed(suit) ? CardRed : CardBlack, 0.9));
    painter.drawRect(frame);
    painter.setPen(QPen(Gold, 0.7));
    painter.drawRect(frame.adjusted(1.2, 1.2, -1.2, -1.2));
}

void DrawBack(QPainter& painter) {
    DrawBlankCard(painter);
    const QRectF field(4.5, 4.5, W - 9, H - 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(BackRed);
    painter.drawRoundedRect(field, 2.5, 2.5);
    painter.save();
    painter.setClipRect(field);
    // A lattice of fine diagonal lines with small diamonds at the crossings.
    painter.setPen(QPen(BackRedLight, 0.7));
    for (qreal d = -H; d < W + H; d += 5.0) {
        painter.drawLine(QPointF(d, 0), QPointF(d + H, H));
        painter.drawLine(QPointF(d, H), QPointF(d + H, 0));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(236, 190, 120));
    for (qreal y = field.top() + 2.5; y < field.bottom(); y += 5.0) {
        for (qreal x = field.left() + (static_cast<int>((y - field.top()) / 5.0) % 2 == 0 ? 0.0 : 2.5);
             x < field.right(); x += 5.0) {
            painter.drawEllipse(QPointF(x, y), 0.35, 0.35);
        }
    }
    painter.restore();
    // Inner border and a central medallion.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(BackCream, 1.0));
    painter.drawRoundedRect(field.adjusted(2, 2, -2, -2), 2, 2);
    const QPointF centre(W / 2, H / 2);
    painter.setPen(QPen(BackCream, 1.0));
    painter.setBrush(BackRed);
    painter.drawEllipse(centre, 13, 17);
    painter.setPen(QPen(Gold, 0.9));
    painter.drawEllipse(centre, 10.5, 14.5);
    const std::array<Suit, 4> suits{Suit::Spade, Suit::Heart, Suit::Club, Suit::Diamond};
    const std::array<QPointF, 4> places{QPointF(0, -6.8), QPointF(5.8, 0), QPointF(0, 6.8), QPointF(-5.8, 0)};
    for (int i = 0; i < 4; ++i) {
        DrawSuit(painter, suits[i], centre + places[i], 5.8, false, BackCream);
    }
}

void DrawFace(QPainter& painter, int face) {
    const int rank = RankOfFace(face);
    const Suit suit = SuitOfFace(face);
    DrawBlankCard(painter);
    if (rank >= 11) {
        DrawCourt(painter, rank, suit);
    } else {
        DrawPips(painter, rank, suit);
    }
    DrawIndices(painter, rank, suit);
}

qreal ScreenRatio() {
    return qGuiApp ? std::max<qreal>(1.0, qGuiApp->devicePixelRatio()) : 1.0;
}

QPainterPath HandPath() {
    // A hand pointing up with the index finger, in a 32 x 32 box; the finger tip at (14.5, 1.5).
    QPainterPath finger;
    finger.addRoundedRect(QRectF(12, 1.5, 5, 17), 2.5, 2.5);
    QPainterPath fist;
    fist.addRoundedRect(QRectF(9, 13, 16, 14), 4, 4);
    QPainterPath knuckles;
    knuckles.addRoundedRect(QRectF(16.5, 11.5, 4, 8), 2, 2);
    knuckles.addRoundedRect(QRectF(20.5, 12.5, 4, 8), 2, 2);
    QPainterPath thumb;
    thumb.addRoundedRect(QRectF(5.5, 15, 8, 5.5), 2.7, 2.7);
    QPainterPath cuff;
    cuff.addRect(QRectF(10, 26, 14, 4.5));
    return finger.united(fist).united(knuckles).united(thumb).united(cuff).simplified();
}

} // namespace

QPixmap RenderCardImage(int index, qreal devicePixelRatio) {
    QPixmap image(QSize(CardPixelWidth, CardPixelHeight) * devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    if (index < 1 || index > CardImageCount) {
        return image;
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (index == CardBackImage) {
        DrawBack(painter);
    } else {
        DrawFace(painter, index);
    }
    return image;
}

QPixmap CardImage(int index) {
    static QHash<int, std::array<QPixmap, CardImageCount + 1>> cache;
    const qreal ratio = ScreenRatio();
    const int key = qRound(ratio * 100);
    auto& images = cache[key];
    if (index < 1 || index > CardImageCount) {
        return QPixmap();
    }
    if (images[index].isNull()) {
        images[index] = RenderCardImage(index, ratio);
    }
    return images[index];
}

QPixmap RenderHandPointer(HandPointing direction, qreal devicePixelRatio) {
    QPixmap image(QSize(32, 32) * devicePixelRatio);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (direction == HandPointing::Left) {
        // Turned a quarter to the left: the finger points at the left edge.
        painter.translate(0, 32);
        painter.rotate(-90);
    }
    const QPainterPath hand = HandPath();
    painter.setPen(QPen(CardBlack, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // Creases of the folded fingers and the cuff seam.
    painter.setPen(QPen(CardBlack, 0.8));
    painter.drawLine(QPointF(20.5, 14), QPointF(20.5, 19));
    painter.drawLine(QPointF(16.8, 15), QPointF(16.8, 19));
    painter.drawLine(QPointF(10, 26), QPointF(24, 26));
    return image;
}

QCursor HandCursor(HandPointing direction) {
    const QPixmap image = RenderHandPointer(direction, ScreenRatio());
    return QCursor(image, HandHotSpot(direction).x(), HandHotSpot(direction).y());
}

QPoint HandHotSpot(HandPointing direction) {
    return direction == HandPointing::Up ? QPoint(14, 2) : QPoint(2, 17);
}

} // namespace bacc
