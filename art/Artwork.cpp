#include "Artwork.h"

#include "Palette.h"

#include <cmath>
#include <map>

#include <QFont>
#include <QIconEngine>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace bacc {
namespace {

using namespace palette;

QPen InkPen(qreal width) {
    return QPen(CardBlack, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// A card face with its corner index and a big pip; rect in the painter's units.
void DrawCardFace(QPainter& p, const QRectF& rect, const QString& index, Suit suit) {
    const qreal radius = rect.width() * 0.12;
    p.setPen(QPen(CardBlack, rect.width() * 0.05));
    p.setBrush(CardWhite);
    p.drawRoundedRect(rect, radius, radius);
    const QColor colour = IsRed(suit) ? CardRed : CardBlack;
    DrawSuit(p, suit, rect.center() + QPointF(0, rect.height() * 0.08), rect.width() * 0.45);
    if (!index.isEmpty()) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(rect.height() * 0.26))));
        p.setFont(font);
        p.setPen(colour);
        const QRectF corner(rect.left() + rect.width() * 0.08, rect.top() + rect.height() * 0.03,
                            rect.width() * 0.5, rect.height() * 0.3);
        p.drawText(corner, Qt::AlignLeft | Qt::AlignTop, index);
    }
}

void DrawCardBack(QPainter& p, const QRectF& rect) {
    const qreal radius = rect.width() * 0.12;
    p.setPen(QPen(CardBlack, rect.width() * 0.05));
    p.setBrush(CardWhite);
    p.drawRoundedRect(rect, radius, radius);
    const QRectF inner =
        rect.adjusted(rect.width() * 0.12, rect.width() * 0.12, -rect.width() * 0.12, -rect.width() * 0.12);
    p.setPen(Qt::NoPen);
    p.setBrush(IconBackBlue);
    p.drawRoundedRect(inner, radius * 0.5, radius * 0.5);
    p.setPen(QPen(QColor(255, 255, 255, 140), rect.width() * 0.04));
    p.drawLine(inner.topLeft(), inner.bottomRight());
    p.drawLine(inner.topRight(), inner.bottomLeft());
}

// Fonts for digits drawn into the 24-unit square.
QFont DigitFont(qreal pixelSize, bool bold = true) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(bold);
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    return font;
}

// Every toolbar picture is drawn in a 24 × 24 unit square.
void PaintCardFaceUp(QPainter& p) {
    DrawCardFace(p, QRectF(5, 1.5, 14, 21), QStringLiteral("A"), Suit::Heart);
}

void PaintCardValues(QPainter& p) {
    QPainterPath eye;
    eye.moveTo(1.5, 12);
    eye.quadTo(12, 0.5, 22.5, 12);
    eye.quadTo(12, 23.5, 1.5, 12);
    p.setPen(InkPen(1.4));
    p.setBrush(CardWhite);
    p.drawPath(eye);
    QRadialGradient iris(QPointF(12, 12), 5);
    iris.setColorAt(0, QColor(0x6a, 0xb0, 0xf0));
    iris.setColorAt(1, PlayerBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(QPointF(12, 12), 5, 5);
    p.setBrush(CardBlack);
    p.drawEllipse(QPointF(12, 12), 2.2, 2.2);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(13.4, 10.6), 1.0, 1.0);
}

void PaintCardsDealt(QPainter& p) {
    p.setPen(InkPen(1.2));
    p.setBrush(CardWhite);
    p.drawRoundedRect(QRectF(3.5, 1.5, 17, 21), 1.5, 1.5);
    for (int line = 0; line < 5; ++line) {
        const qreal y = 5.5 + line * 3.5;
        p.setPen(Qt::NoPen);
        p.setBrush(line % 2 ? CardBlack : CardRed);
        p.drawEllipse(QPointF(7, y), 1.1, 1.1);
        p.setPen(InkPen(1.2));
        p.drawLine(QPointF(9.5, y), QPointF(line == 4 ? 14 : 17.5, y));
    }
}

void PaintCardsDealtCount(QPainter& p) {
    p.setPen(InkPen(1.2));
    p.setBrush(CardWhite);
    p.drawRoundedRect(QRectF(1.5, 3.5, 21, 17), 1.5, 1.5);
    p.setPen(InkPen(1.8));
    for (int mark = 0; mark < 4; ++mark) {
        const qreal x = 6 + mark * 3.2;
        p.drawLine(QPointF(x, 7), QPointF(x, 17));
    }
    p.setPen(QPen(CardRed, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(4, 15.5), QPointF(18.5, 8.5));
}

void PaintShowScore(QPainter& p) {
    p.setPen(InkPen(1.2));
    p.setBrush(QColor(0x1c, 0x2b, 0x22));
    p.drawRoundedRect(QRectF(1.5, 2.5, 21, 19), 1.5, 1.5);
    p.setPen(QPen(QColor(0x6f, 0x8f, 0x7c), 0.6));
    for (int column = 1; column < 5; ++column) {
        p.drawLine(QPointF(1.5 + column * 4.2, 2.5), QPointF(1.5 + column * 4.2, 21.5));
    }
    for (int row = 1; row < 4; ++row) {
        p.drawLine(QPointF(1.5, 2.5 + row * 4.75), QPointF(22.5, 2.5 + row * 4.75));
    }
    // A short road of results: red streak, blue, red, blue pair.
    const struct {
        int column, row;
        bool red;
    } marks[] = {{0, 0, true}, {0, 1, true},  {0, 2, true},  {1, 0, false},
                 {2, 0, true}, {3, 0, false}, {3, 1, false}, {4, 0, true}};
    p.setPen(Qt::NoPen);
    for (const auto& mark : marks) {
        p.setBrush(mark.red ? CardRed : PlayerBlue);
        p.drawEllipse(QPointF(3.6 + mark.column * 4.2, 4.9 + mark.row * 4.75), 1.6, 1.6);
    }
}

void PaintShowNaturals(QPainter& p) {
    p.setPen(QPen(NaturalGreen, 2.2));
    p.setBrush(QColor(0xe8, 0xf6, 0xea));
    p.drawEllipse(QRectF(2, 4.5, 20, 15));
    p.setFont(DigitFont(11));
    p.setPen(CardBlack);
    p.drawText(QRectF(2, 4.5, 20, 15), Qt::AlignCenter, QStringLiteral("9"));
}

void PaintPlayerBlue(QPainter& p) {
    p.setPen(QPen(CardBlack, 1.0));
    p.setBrush(CardRed);
    p.drawEllipse(QPointF(15.5, 14), 7, 7);
    p.setBrush(PlayerBlue);
    p.drawEllipse(QPointF(8.5, 10), 7, 7);
    p.setFont(DigitFont(8));
    p.setPen(Qt::white);
    p.drawText(QRectF(1.5, 3, 14, 14), Qt::AlignCenter, QStringLiteral("P"));
    p.drawText(QRectF(13.5, 11, 9, 10), Qt::AlignCenter, QStringLiteral("B"));
}

void PaintDecks(QPainter& p, int decks) {
    // A stack of backs, as many layers as fit the count, with the count on the top card.
    const int layers = decks == 1 ? 1 : decks <= 2 ? 2 : 3;
    for (int layer = layers - 1; layer >= 0; --layer) {
        const QRectF rect(4 + layer * 2.5, 2 + layer * 1.5, 13, 19);
        if (layer == 0) {
            p.setPen(QPen(CardBlack, 0.9));
            p.setBrush(CardWhite);
            p.drawRoundedRect(rect, 1.6, 1.6);
        } else {
            DrawCardBack(p, rect);
        }
    }
    p.setFont(DigitFont(14));
    p.setPen(decks >= 6 ? CardRed : CardBlack);
    p.drawText(QRectF(4, 2, 13, 19), Qt::AlignCenter, QString::number(decks));
}

void PaintDelay(QPainter& p) {
    p.setPen(InkPen(1.6));
    p.drawLine(QPointF(5, 2.5), QPointF(19, 2.5));
    p.drawLine(QPointF(5, 21.5), QPointF(19, 21.5));
    QPainterPath glass;
    glass.moveTo(6.5, 3);
    glass.cubicTo(6.5, 9, 11, 10, 11, 12);
    glass.cubicTo(11, 14, 6.5, 15, 6.5, 21);
    glass.lineTo(17.5, 21);
    glass.cubicTo(17.5, 15, 13, 14, 13, 12);
    glass.cubicTo(13, 10, 17.5, 9, 17.5, 3);
    glass.closeSubpath();
    p.setPen(InkPen(1.2));
    p.setBrush(QColor(0xe6, 0xf1, 0xfa));
    p.drawPath(glass);
    // Sand: a little left above, a heap below, a thread between.
    p.setPen(Qt::NoPen);
    p.setBrush(Gold);
    QPainterPath top;
    top.moveTo(8.3, 7);
    top.lineTo(15.7, 7);
    top.quadTo(13, 10.5, 12, 11);
    top.quadTo(11, 10.5, 8.3, 7);
    p.drawPath(top);
    QPainterPath heap;
    heap.moveTo(7.2, 20.5);
    heap.quadTo(12, 14.5, 16.8, 20.5);
    heap.closeSubpath();
    p.drawPath(heap);
    p.setPen(QPen(Gold, 0.8));
    p.drawLine(QPointF(12, 11), QPointF(12, 18));
}

void PaintAnimation(QPainter& p) {
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(1.5, 9), QPointF(7, 9));
    p.drawLine(QPointF(1, 13), QPointF(6, 13));
    p.drawLine(QPointF(2.5, 17), QPointF(7.5, 17));
    p.save();
    p.translate(15, 12.5);
    p.rotate(18);
    DrawCardBack(p, QRectF(-6, -8.5, 12, 17));
    p.restore();
}

void DrawArrowHead(QPainter& p, const QPointF& tip, const QPointF& direction) {
    const QPointF back(-direction.x() * 3.5, -direction.y() * 3.5);
    const QPointF side(-direction.y() * 2.6, direction.x() * 2.6);
    QPainterPath head;
    head.moveTo(tip);
    head.lineTo(tip + back + side);
    head.lineTo(tip + back - side);
    head.closeSubpath();
    p.drawPath(head);
}

void PaintRevealArrows(QPainter& p) {
    p.setPen(InkPen(1.8));
    p.drawLine(QPointF(12, 4), QPointF(12, 20));
    p.drawLine(QPointF(4, 12), QPointF(20, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(CardBlack);
    DrawArrowHead(p, QPointF(12, 1.5), QPointF(0, -1));
    DrawArrowHead(p, QPointF(12, 22.5), QPointF(0, 1));
    DrawArrowHead(p, QPointF(1.5, 12), QPointF(-1, 0));
    DrawArrowHead(p, QPointF(22.5, 12), QPointF(1, 0));
}

void PaintRevealHands(QPainter& p) {
    // An open right hand, palm towards the viewer.
    QPainterPath hand;
    hand.addRoundedRect(QRectF(6, 11, 12.5, 11), 4, 4);
    const struct {
        qreal x, top, width;
    } fingers[] = {{6.2, 4.5, 2.8}, {9.2, 2.5, 2.8}, {12.2, 2.8, 2.8}, {15.2, 5, 2.7}};
    for (const auto& finger : fingers) {
        hand.addRoundedRect(QRectF(finger.x, finger.top, finger.width, 13 - finger.top + 2), 1.4, 1.4);
    }
    QPainterPath thumb;
    thumb.moveTo(6.5, 17);
    thumb.cubicTo(4, 14.5, 2, 12.5, 2.8, 11.2);
    thumb.cubicTo(3.6, 10, 5.5, 11, 7.5, 13.5);
    thumb.closeSubpath();
    hand = hand.united(thumb).simplified();
    p.setPen(InkPen(1.1));
    p.setBrush(Skin);
    p.drawPath(hand);
    p.setPen(QPen(QColor(0xb5, 0x84, 0x5c), 0.6));
    p.drawLine(QPointF(9.1, 10), QPointF(9.1, 13));
    p.drawLine(QPointF(12.1, 10), QPointF(12.1, 13));
    p.drawLine(QPointF(15.1, 10), QPointF(15.1, 13));
}

void PaintStatistics(QPainter& p) {
    p.setPen(InkPen(1.3));
    p.drawLine(QPointF(3, 2.5), QPointF(3, 21));
    p.drawLine(QPointF(3, 21), QPointF(21.5, 21));
    const struct {
        qreal height;
        QColor colour;
    } bars[] = {{7, PlayerBlue}, {12, CardRed}, {9, NaturalGreen}, {15, Gold}};
    p.setPen(QPen(CardBlack, 0.7));
    for (int bar = 0; bar < 4; ++bar) {
        p.setBrush(bars[bar].colour);
        p.drawRect(QRectF(5 + bar * 4.2, 20.5 - bars[bar].height, 3.2, bars[bar].height));
    }
}

class ToolbarIconEngine : public QIconEngine {
public:
    explicit ToolbarIconEngine(QString key) : key_(std::move(key)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const qreal side = std::min(rect.width(), rect.height());
        const QRectF square(rect.x() + (rect.width() - side) / 2, rect.y() + (rect.height() - side) / 2, side,
                            side);
        if (mode != QIcon::Disabled) {
            PaintToolbarPicture(*painter, square, key_);
            return;
        }
        // Disabled: the picture faded to grey.
        QImage image(rect.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter inner(&image);
            PaintToolbarPicture(inner, QRectF(QPointF(0, 0), QSizeF(image.size())), key_);
        }
        for (int y = 0; y < image.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(line[x]);
                const int alpha = qAlpha(line[x]) / 2;
                line[x] = qPremultiply(qRgba(grey, grey, grey, alpha));
            }
        }
        painter->drawImage(square, image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }

    // The icon asks for the size in device pixels already multiplied by the scale.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        {
            QPainter painter(&pixmap);
            paint(&painter, QRect(QPoint(0, 0), pixmap.size()), mode, state);
        }
        pixmap.setDevicePixelRatio(scale);
        return pixmap;
    }

    QIconEngine* clone() const override { return new ToolbarIconEngine(key_); }
    QString key() const override { return QStringLiteral("bacc-toolbar"); }

private:
    QString key_;
};

class PictureIconEngine : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        const int side = std::min(rect.width(), rect.height());
        painter->drawPixmap(rect.topLeft(), ProgramPicture(side, painter->device()->devicePixelRatioF()));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override {
        QPixmap picture = ProgramPicture(std::min(size.width(), size.height()));
        picture.setDevicePixelRatio(scale);
        return picture;
    }
    QIconEngine* clone() const override { return new PictureIconEngine; }
};

// A transparent picture of the given logical size with a smooth painter on it; Done() hands it over.
class Picture {
public:
    Picture(const QSize& size, qreal devicePixelRatio) : pixmap_(size * devicePixelRatio) {
        pixmap_.setDevicePixelRatio(devicePixelRatio);
        pixmap_.fill(Qt::transparent);
        painter_.begin(&pixmap_);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }
    QPainter& Painter() { return painter_; }
    QPixmap Done() {
        painter_.end();
        return pixmap_;
    }

private:
    QPixmap pixmap_;
    QPainter painter_;
};

void PaintChip(QPainter& p, const QPointF& centre, qreal radius, const QColor& colour) {
    p.setPen(QPen(CardBlack, radius * 0.06));
    p.setBrush(colour);
    p.drawEllipse(centre, radius, radius);
    // Edge spots.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (int spot = 0; spot < 6; ++spot) {
        const qreal angle = spot * M_PI / 3;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.82;
        p.drawEllipse(at, radius * 0.12, radius * 0.12);
    }
    p.setPen(QPen(QColor(255, 255, 255, 200), radius * 0.06, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.6, radius * 0.6);
}

// The pictures by button key; the deck buttons share one, drawn with their count.
const std::map<QString, void (*)(QPainter&)> Pictures = {
    {QStringLiteral("CardFaceUp"), PaintCardFaceUp},
    {QStringLiteral("CardValues"), PaintCardValues},
    {QStringLiteral("CardsDealt"), PaintCardsDealt},
    {QStringLiteral("CardsDealtCount"), PaintCardsDealtCount},
    {QStringLiteral("ShowScore"), PaintShowScore},
    {QStringLiteral("ShowNaturals"), PaintShowNaturals},
    {QStringLiteral("PlayerBlue"), PaintPlayerBlue},
    {QStringLiteral("Delay"), PaintDelay},
    {QStringLiteral("Animation"), PaintAnimation},
    {QStringLiteral("RevealArrows"), PaintRevealArrows},
    {QStringLiteral("RevealHands"), PaintRevealHands},
    {QStringLiteral("Statistics"), PaintStatistics},
};

} // namespace

void PaintToolbarPicture(QPainter& painter, const QRectF& square, const QString& key) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(square.topLeft());
    painter.scale(square.width() / 24.0, square.height() / 24.0);
    if (key.startsWith(QLatin1String("Decks"))) {
        PaintDecks(painter, key.mid(5).toInt());
    } else if (const auto picture = Pictures.find(key); picture != Pictures.end()) {
        picture->second(painter);
    } else {
        DrawCardBack(painter, QRectF(5, 1.5, 14, 21));
    }
    painter.restore();
}

QIcon ToolbarIcon(const QString& key) {
    return QIcon(new ToolbarIconEngine(key));
}

QPixmap BackgroundTile(qreal devicePixelRatio) {
    // Casino carpet: deep green with a lattice of darker diamonds and small gold rosettes, subtle enough
    // not to fight the windows laid over it.
    const int side = 48;
    QPixmap tile(QSize(side, side) * devicePixelRatio);
    tile.setDevicePixelRatio(devicePixelRatio);
    tile.fill(Carpet);
    QPainter p(&tile);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath diamond;
    diamond.moveTo(side / 2.0, 3);
    diamond.lineTo(side - 3, side / 2.0);
    diamond.lineTo(side / 2.0, side - 3);
    diamond.lineTo(3, side / 2.0);
    diamond.closeSubpath();
    p.setPen(QPen(CarpetLine, 1.5));
    p.setBrush(CarpetDiamond);
    p.drawPath(diamond);
    p.setPen(Qt::NoPen);
    QColor rosette = Gold;
    rosette.setAlpha(70);
    p.setBrush(rosette);
    for (const QPointF& at : {QPointF(0, 0), QPointF(side, 0), QPointF(0, side), QPointF(side, side)}) {
        p.drawEllipse(at, 3, 3);
    }
    rosette.setAlpha(45);
    p.setBrush(rosette);
    p.drawEllipse(QPointF(side / 2.0, side / 2.0), 2, 2);
    // Fine weave so the flat colour reads as cloth.
    p.setPen(QPen(QColor(0, 0, 0, 22), 1));
    for (int y = 1; y < side; y += 3) {
        p.drawLine(QPointF(0, y + 0.5), QPointF(side, y + 0.5));
    }
    return tile;
}

QPixmap ProgramPicture(int side, qreal devicePixelRatio) {
    Picture picture(QSize(side, side), devicePixelRatio);
    QPainter& p = picture.Painter();
    p.scale(side / 64.0, side / 64.0);
    QLinearGradient felt(0, 0, 0, 64);
    felt.setColorAt(0, Felt.lighter(115));
    felt.setColorAt(1, FeltDark);
    p.setPen(QPen(Gold, 2));
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 11, 11);
    p.save();
    p.translate(25, 33);
    p.rotate(-14);
    DrawCardFace(p, QRectF(-11, -16, 22, 32), QStringLiteral("K"), Suit::Spade);
    p.restore();
    p.save();
    p.translate(38, 31);
    p.rotate(10);
    DrawCardFace(p, QRectF(-11, -16, 22, 32), QStringLiteral("9"), Suit::Heart);
    p.restore();
    PaintChip(p, QPointF(47, 49), 9, CardRed);
    return picture.Done();
}

QIcon ProgramIcon() {
    return QIcon(new PictureIconEngine);
}

QPixmap FannedCardsPicture(const QSize& size, qreal devicePixelRatio) {
    Picture picture(size, devicePixelRatio);
    QPainter& p = picture.Painter();
    // A natural nine: a five and a four, fanned over a face-down card.
    const qreal cardHeight = size.height() * 0.78;
    const qreal cardWidth = cardHeight * 0.7;
    const QPointF pivot(size.width() / 2.0, size.height() * 0.92);
    const struct {
        qreal angle;
        int kind; // 0 back, 1 diamond five, 2 spade four
    } cards[] = {{-20, 0}, {0, 1}, {20, 2}};
    for (const auto& card : cards) {
        p.save();
        p.translate(pivot);
        p.rotate(card.angle);
        const QRectF rect(-cardWidth / 2, -cardHeight, cardWidth, cardHeight);
        if (card.kind == 0) {
            DrawCardBack(p, rect);
        } else if (card.kind == 1) {
            DrawCardFace(p, rect, QStringLiteral("5"), Suit::Diamond);
        } else {
            DrawCardFace(p, rect, QStringLiteral("4"), Suit::Spade);
        }
        p.restore();
    }
    return picture.Done();
}

QPixmap ChipStackPicture(const QSize& size, qreal devicePixelRatio) {
    Picture picture(size, devicePixelRatio);
    QPainter& p = picture.Painter();
    const qreal radius = std::min(size.width() / 4.2, size.height() / 3.0);
    const QColor colours[] = {CardRed, PlayerBlue, NaturalGreen, CardBlack};
    // Two short stacks seen from the side, a chip lying flat in front.
    for (int stack = 0; stack < 2; ++stack) {
        const qreal x = size.width() * (stack == 0 ? 0.3 : 0.7);
        for (int chip = 0; chip < 5 - stack; ++chip) {
            const qreal y = size.height() * 0.62 - chip * radius * 0.32;
            const QRectF edge(x - radius, y - radius * 0.35, radius * 2, radius * 0.7);
            p.setPen(QPen(CardBlack, 1));
            p.setBrush(colours[(chip + stack) % 4]);
            p.drawEllipse(edge);
        }
    }
    const qreal front = radius * 0.8;
    PaintChip(p, QPointF(size.width() * 0.5, size.height() - front - 2), front, Gold.darker(115));
    return picture.Done();
}

QPixmap TableBannerPicture(const QSize& size, qreal devicePixelRatio) {
    Picture picture(size, devicePixelRatio);
    QPainter& p = picture.Painter();
    QRadialGradient felt(QPointF(size.width() / 2.0, size.height() * 0.3), size.width() * 0.7);
    felt.setColorAt(0, Felt.lighter(125));
    felt.setColorAt(1, FeltDark);
    p.setPen(Qt::NoPen);
    p.setBrush(felt);
    p.drawRoundedRect(QRectF(QPointF(0, 0), QSizeF(size)), 10, 10);
    p.setPen(QPen(Gold, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(QPointF(4, 4), QSizeF(size) - QSizeF(8, 8)), 7, 7);
    QFont title(QStringLiteral("DejaVu Serif"));
    title.setBold(true);
    title.setPixelSize(std::max(8, size.height() / 3));
    p.setFont(title);
    p.setPen(QColor(0, 0, 0, 120));
    const QRectF text(0, 0, size.width(), size.height() * 0.72);
    p.drawText(text.translated(2, 2), Qt::AlignCenter, QStringLiteral("Quorrel Baccarat"));
    p.setPen(Gold.lighter(130));
    p.drawText(text, Qt::AlignCenter, QStringLiteral("Quorrel Baccarat"));
    QFont line(QStringLiteral("DejaVu Sans"));
    line.setPixelSize(std::max(6, size.height() / 9));
    line.setLetterSpacing(QFont::AbsoluteSpacing, 3);
    p.setFont(line);
    p.setPen(StartScreenText);
    p.drawText(QRectF(0, size.height() * 0.62, size.width(), size.height() * 0.3), Qt::AlignCenter,
               QStringLiteral("PLAYER  \u2022  BANKER  \u2022  TIE"));
    return picture.Done();
}

QPixmap StartChipPicture(int side, qreal devicePixelRatio) {
    Picture picture(QSize(side, side), devicePixelRatio);
    QPainter& p = picture.Painter();
    const qreal radius = side / 2.0 - 2;
    const QPointF centre(side / 2.0, side / 2.0);
    PaintChip(p, centre, radius, CardRed);
    p.setPen(Qt::NoPen);
    p.setBrush(CardRed.darker(115));
    p.drawEllipse(centre, radius * 0.52, radius * 0.52);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, static_cast<int>(radius * 0.3)));
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRectF(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2), Qt::AlignCenter,
               QStringLiteral("START"));
    return picture.Done();
}

} // namespace bacc
