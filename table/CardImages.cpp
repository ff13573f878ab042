#include "CardImages.h"

#include <array>

#include <QFont>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPainterPath>

namespace bacc {
namespace {

constexpr qreal W = CardPixelWidth;
constexpr qreal H = CardPixelHeight;

const QColor Ink(22, 22, 26);
const QColor CardRed(196, 18, 36);
const QColor Gold(232, 184, 46);
const QColor GoldDark(150, 108, 10);
const QColor Skin(250, 222, 186);
const QColor RobeRed(198, 36, 40);
const QColor RobeBlue(36, 70, 168);

enum class Suit { Spade, Club, Diamond, Heart };

Suit SuitOfFace(int face) {
    return static_cast<Suit>((face - 1) / 13);
}
int RankOfFace(int face) {
    return (face - 1) % 13 + 1;
}
bool IsRed(Suit suit) {
    return suit == Suit::Diamond || suit == Suit::Heart;
}

// Suit symbols in a unit box centred on the origin (-0.5 .. 0.5 both ways), pointing up.
QPainterPath SuitPath(Suit suit) {
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
        QPainterPath stem;
        stem.moveTo(-0.03, 0.12);
        stem.quadTo(-0.04, 0.4, -0.22, 0.5);
        stem.lineTo(0.22, 0.5);
        stem.quadTo(0.04, 0.4, 0.03, 0.12);
        stem.closeSubpath();
        path = blade.united(stem);
        break;
    }
    case Suit::Club: {
        QPainterPath leaves;
        const qreal r = 0.215;
        leaves.addEllipse(QPointF(0, -0.26), r, r);
        leaves.addEllipse(QPointF(-0.26, 0.08), r, r);
        leaves.addEllipse(QPointF(0.26, 0.08), r, r);
        leaves.addEllipse(QPointF(0, 0.02), 0.12, 0.12);
        QPainterPath stem;
        stem.moveTo(-0.03, 0.05);
        stem.quadTo(-0.04, 0.4, -0.22, 0.5);
        stem.lineTo(0.22, 0.5);
        stem.quadTo(0.04, 0.4, 0.03, 0.05);
        stem.closeSubpath();
        path = leaves.united(stem).simplified();
        break;
    }
    }
    return path;
}

void DrawSuit(QPainter& painter, Suit suit, QPointF centre, qreal size, bool upsideDown = false,
              QColor colour = QColor()) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) {
        painter.rotate(180);
    }
    painter.scale(size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour.isValid() ? colour : (IsRed(suit) ? CardRed : Ink));
    painter.drawPath(SuitPath(suit));
    painter.restore();
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
    const QColor colour = IsRed(suit) ? CardRed : Ink;
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
    painter.setPen(QPen(QColor(120, 120, 120), 1.0));
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
            painter.setPen(QPen(Ink, 0.8));
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
    QColor Robe;
    QColor Trim;
    QColor Hair;
};

CourtLook LookOf(int rank, Suit suit) {
    const bool red = IsRed(suit);
    switch (rank) {
    case 13:
        return {red ? RobeRed : RobeBlue, Gold, QColor(235, 235, 235)};
    case 12:
        return {red ? RobeBlue : RobeRed, Gold, QColor(235, 190, 70)};
    default:
        return {red ? RobeRed : RobeBlue, Gold, QColor(120, 70, 30)};
    }
}

void DrawHalfFigure(QPainter& painter, int rank, Suit suit, const QRectF& half) {
    const CourtLook look = LookOf(rank, suit);
    const QPen outline(Ink, 0.7);
    const qreal cx = half.center().x() + 2;
    const qreal bottom = half.bottom();
    painter.setPen(outline);

    // The held emblem behind the figure: the king's sword, the queen's flower, the jack's halberd.
    if (rank == 13) {
        painter.setBrush(QColor(220, 224, 232));
        QPainterPath blade;
        blade.moveTo(half.left() + 6.5, half.top() + 3);
        blade.lineTo(half.left() + 8.5, half.top() + 6);
        blade.lineTo(half.left() + 8.5, bottom - 6);
        blade.lineTo(half.left() + 4.5, bottom - 6);
        blade.lineTo(half.left() + 4.5, half.top() + 6);
        blade.closeSubpath();
        painter.drawPath(blade);
        painter.setBrush(Gold);
        painter.drawRect(QRectF(half.left() + 2.5, bottom - 7, 8, 2));
    } else if (rank == 12) {
        painter.setPen(QPen(QColor(30, 120, 40), 1.0));
        painter.drawLine(QPointF(half.left() + 7, bottom - 4), QPointF(half.left() + 7, half.top() + 14));
        painter.setPen(outline);
        painter.setBrush(QColor(214, 40, 90));
        painter.drawEllipse(QPointF(half.left() + 7, half.top() + 12), 3.2, 3.6);
        painter.setBrush(Gold);
        painter.drawEllipse(QPointF(half.left() + 7, half.top() + 12), 1.2, 1.2);
    } else {
        painter.setPen(QPen(QColor(110, 70, 30), 1.2));
        painter.drawLine(QPointF(half.right() - 6, bottom - 2), QPointF(half.right() - 6, half.top() + 4));
        painter.setPen(outline);
        painter.setBrush(QColor(210, 214, 222));
        QPainterPath axe;
        axe.moveTo(half.right() - 6, half.top() + 2);
        axe.lineTo(half.right() - 4, half.top() + 6);
        axe.quadTo(half.right() - 0.8, half.top() + 8.5, half.right() - 2.5, half.top() + 12);
        axe.lineTo(half.right() - 6, half.top() + 10);
        axe.closeSubpath();
        painter.drawPath(axe);
    }

    // Shoulders and robe, with a trimmed collar and a pattern of bands.
    QPainterPath robe;
    robe.moveTo(cx - 15, bottom);
    robe.cubicTo(cx - 15, bottom - 9, cx - 10, bottom - 14, cx - 4, bottom - 15);
    robe.lineTo(cx + 4, bottom - 15);
    robe.cubicTo(cx + 10, bottom - 14, cx + 15, bottom - 9, cx + 15, bottom);
    robe.closeSubpath();
    painter.setPen(outline);
    painter.setBrush(look.Robe);
    painter.drawPath(robe);
    painter.save();
    painter.setClipPath(robe);
    painter.setPen(QPen(look.Trim, 1.3));
    for (int band = 0; band < 3; ++band) {
        const qreal y = bottom - 2.5 - band * 4.0;
        painter.drawLine(QPointF(cx - 16, y + 3), QPointF(cx + 16, y - 3));
    }
    painter.setPen(QPen(Ink, 0.5));
    painter.setBrush(Qt::white);
    for (int dot = -2; dot <= 2; ++dot) {
        painter.drawEllipse(QPointF(cx + dot * 5.5, bottom - 8 + dot * 0.5), 0.9, 0.9);
    }
    painter.restore();
    // Collar.
    QPainterPath collar;
    collar.moveTo(cx - 7, bottom - 15);
    collar.quadTo(cx, bottom - 9, cx + 7, bottom - 15);
    collar.lineTo(cx + 5, bottom - 16.5);
    collar.quadTo(cx, bottom - 12, cx - 5, bottom - 16.5);
    collar.closeSubpath();
    painter.setPen(outline);
    painter.setBrush(look.Trim);
    painter.drawPath(collar);

    // Head, hair and face.
    const QPointF head(cx, bottom - 22.5);
    painter.setBrush(look.Hair);
    painter.drawEllipse(QRectF(head.x() - 6.5, head.y() - 5.5, 13, 13));
    painter.setBrush(Skin);
    painter.drawEllipse(QRectF(head.x() - 4.6, head.y() - 5.2, 9.2, 10.8));
    painter.setPen(QPen(Ink, 0.9));
    painter.drawPoint(QPointF(head.x() - 1.8, head.y() - 0.6));
    painter.drawPoint(QPointF(head.x() + 1.8, head.y() - 0.6));
    painter.setPen(QPen(QColor(170, 40, 40), 0.8));
    painter.drawLine(QPointF(head.x() - 1.2, head.y() + 3.0), QPointF(head.x() + 1.2, head.y() + 3.0));
    if (rank == 13) {
        // The king's beard.
        QPainterPath beard;
        beard.moveTo(head.x() - 4.4, head.y() + 1.5);
        beard.quadTo(head.x(), head.y() + 10.5, head.x() + 4.4, head.y() + 1.5);
        beard.quadTo(head.x(), head.y() + 4.5, head.x() - 4.4, head.y() + 1.5);
        painter.setPen(QPen(Ink, 0.5));
        painter.setBrush(look.Hair);
        painter.drawPath(beard);
    }

    // Headwear.
    painter.setPen(outline);
    const qreal browY = head.y() - 4.6;
    if (rank == 13) {
        QPainterPath crown;
        crown.moveTo(head.x() - 6, browY);
        crown.lineTo(head.x() - 6.5, browY - 6.5);
        crown.lineTo(head.x() - 3.2, browY - 3.2);
        crown.lineTo(head.x(), browY - 7.5);
        crown.lineTo(head.x() + 3.2, browY - 3.2);
        crown.lineTo(head.x() + 6.5, browY - 6.5);
        crown.lineTo(head.x() + 6, browY);
        crown.closeSubpath();
        painter.setBrush(Gold);
        painter.drawPath(crown);
        painter.setBrush(CardRed);
        painter.drawEllipse(QPointF(head.x(), browY - 1.8), 1.1, 1.1);
    } else if (rank == 12) {
        QPainterPath crown;
        crown.moveTo(head.x() - 5.5, browY);
        crown.quadTo(head.x() - 6, browY - 4.5, head.x() - 3.5, browY - 4.5);
        crown.quadTo(head.x(), browY - 7.5, head.x() + 3.5, browY - 4.5);
        crown.quadTo(head.x() + 6, browY - 4.5, head.x() + 5.5, browY);
        crown.closeSubpath();
        painter.setBrush(Gold);
        painter.drawPath(crown);
        painter.setBrush(RobeBlue);
        painter.drawEllipse(QPointF(head.x(), browY - 2.5), 1.0, 1.0);
    } else {
        QPainterPath cap;
        cap.moveTo(head.x() - 6.5, browY + 0.5);
        cap.quadTo(head.x() - 5, browY - 6, head.x() + 2, browY - 5.5);
        cap.quadTo(head.x() + 7, browY - 4, head.x() + 6.5, browY + 0.5);
        cap.closeSubpath();
        painter.setBrush(look.Robe.darker(115));
        painter.drawPath(cap);
        painter.setPen(QPen(Gold, 1.0));
        painter.drawLine(QPointF(head.x() - 6, browY), QPointF(head.x() + 6, browY));
        painter.setPen(QPen(QColor(240, 240, 240), 1.1));
        painter.drawLine(QPointF(head.x() + 3, browY - 5), QPointF(head.x() + 8, browY - 9));
    }
}

void DrawCourt(QPainter& painter, int rank, Suit suit) {
    const QRectF frame(13.5, 6.5, 44, 83);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 251, 236));
    painter.drawRect(frame);
    for (int turn = 0; turn < 2; ++turn) {
        painter.save();
        if (turn == 1) {
            painter.translate(W / 2 + (frame.center().x() - W / 2), frame.center().y());
            painter.rotate(180);
            painter.translate(-frame.center().x(), -frame.center().y());
        }
        const QRectF half(frame.left() + 1, frame.top() + 1, frame.width() - 2, frame.height() / 2 - 1);
        painter.setClipRect(half.adjusted(0, 0, 0, 0.5));
        DrawHalfFigure(painter, rank, suit, half);
        painter.setClipping(false);
        DrawSuit(painter, suit, QPointF(half.right() - 5, half.top() + 5), 6.5);
        painter.restore();
    }
    // The parting line between the halves, and the frame.
    painter.setPen(QPen(GoldDark, 0.8));
    painter.drawLine(QPointF(frame.left(), frame.center().y()), QPointF(frame.right(), frame.center().y()));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(IsRed(suit) ? CardRed : Ink, 0.9));
    painter.drawRect(frame);
    painter.setPen(QPen(Gold, 0.7));
    painter.drawRect(frame.adjusted(1.2, 1.2, -1.2, -1.2));
}

void DrawBack(QPainter& painter) {
    DrawBlankCard(painter);
    const QColor deep(128, 16, 30);
    const QColor light(196, 52, 62);
    const QRectF field(4.5, 4.5, W - 9, H - 9);
    painter.setPen(Qt::NoPen);
    painter.setBrush(deep);
    painter.drawRoundedRect(field, 2.5, 2.5);
    painter.save();
    painter.setClipRect(field);
    // A lattice of fine diagonal lines with small diamonds at the crossings.
    painter.setPen(QPen(light, 0.7));
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
    painter.setPen(QPen(QColor(250, 235, 200), 1.0));
    painter.drawRoundedRect(field.adjusted(2, 2, -2, -2), 2, 2);
    const QPointF centre(W / 2, H / 2);
    painter.setPen(QPen(QColor(250, 235, 200), 1.0));
    painter.setBrush(deep);
    painter.drawEllipse(centre, 13, 17);
    painter.setPen(QPen(Gold, 0.9));
    painter.drawEllipse(centre, 10.5, 14.5);
    const std::array<Suit, 4> suits{Suit::Spade, Suit::Heart, Suit::Club, Suit::Diamond};
    const std::array<QPointF, 4> places{QPointF(0, -6.8), QPointF(5.8, 0), QPointF(0, 6.8), QPointF(-5.8, 0)};
    for (int i = 0; i < 4; ++i) {
        DrawSuit(painter, suits[i], centre + places[i], 5.8, false, QColor(250, 235, 200));
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
    painter.setPen(QPen(Ink, 1.3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::white);
    painter.drawPath(hand);
    // Creases of the folded fingers and the cuff seam.
    painter.setPen(QPen(Ink, 0.8));
    painter.drawLine(QPointF(20.5, 14), QPointF(20.5, 19));
    painter.drawLine(QPointF(16.8, 15), QPointF(16.8, 19));
    painter.drawLine(QPointF(10, 26), QPointF(24, 26));
    return image;
}

QCursor HandCursor(HandPointing direction) {
    const QPixmap image = RenderHandPointer(direction, ScreenRatio());
    // Hot spot at the finger tip.
    return direction == HandPointing::Up ? QCursor(image, 14, 2) : QCursor(image, 2, 17);
}

} // namespace bacc
