// The drawn card images: distinct faces at card size, and corner indices that lie exactly under the
// table's patches at every screen scale.
#include "CardImages.h"

#include "Twips.h"

#include <cmath>

#include <QImage>
#include <QPainter>
#include <QSet>
#include <QtTest>

using namespace bacc;

namespace {

// The patch rectangles of the table, in pixels of the card (twips relative to the card's corner).
QRect Patch(bool wide, bool right, bool bottom) {
    const int top = bottom ? 1440 - 45 - 390 : 45;
    if (wide) {
        return TwipsRect(right ? 855 : 45, top, right && !bottom ? 165 : 159, 390);
    }
    return TwipsRect(right ? 900 : 30, top, 129, 390);
}

int InkIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += qAlpha(pixel) > 0 && std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 200 ? 1 : 0;
        }
    }
    return count;
}

// The device pixels of a logical rectangle: those wholly inside it (inner), or those it touches at its
// top left and wholly holds at its bottom right.
QRect DeviceRect(const QRect& logical, double ratio, bool inner) {
    const auto start = [&](int at) {
        return static_cast<int>(inner ? std::ceil(at * ratio) : std::floor(at * ratio));
    };
    const auto end = [&](int at) { return static_cast<int>(std::floor((at + 1) * ratio)) - 1; };
    return {QPoint(start(logical.left()), start(logical.top())),
            QPoint(end(logical.right()), end(logical.bottom()))};
}

} // namespace

class CardImagesTest : public QObject {
    Q_OBJECT
private slots:
    void fiftyThreeDistinctImagesOfCardSize() {
        QVERIFY(CardImage(0).isNull() && CardImage(54).isNull());
        QSet<QByteArray> distinct;
        for (int index = 1; index <= CardImageCount; ++index) {
            const QPixmap image = CardImage(index);
            QCOMPARE(image.deviceIndependentSize().toSize(), QSize(71, 96));
            const QImage pixels = image.toImage().convertToFormat(QImage::Format_ARGB32);
            distinct.insert(
                QByteArray(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()));
        }
        QCOMPARE(distinct.size(), CardImageCount);
        QCOMPARE(RenderCardImage(13, 1.5).size(), QSize(107, 144)); // drawn at the device's pixels
    }

    // Each patch covers its corner index, and nothing of the index shows round it. A patch covers at
    // least the device pixels wholly inside its logical rectangle; the index must lie within those.
    void eachPatchHidesExactlyOneCornerIndex_data() {
        QTest::addColumn<double>("ratio");
        for (const double ratio : {1.0, 1.25, 1.5, 2.0}) {
            QTest::addRow("%g", ratio) << ratio;
        }
    }
    void eachPatchHidesExactlyOneCornerIndex() {
        QFETCH(double, ratio);
        for (int face = 1; face <= 52; ++face) {
            const int rank = (face - 1) % 13 + 1;
            const QImage image =
                RenderCardImage(face, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
            for (bool right : {false, true}) {
                for (bool bottom : {false, true}) {
                    const QRect patch = Patch(rank < 11, right, bottom);
                    const QRect covered = DeviceRect(patch, ratio, true);
                    // One pixel all round, kept off the card's own border.
                    const QRect around = DeviceRect(patch.adjusted(-1, -1, 1, 1), ratio, false)
                                             .intersected(DeviceRect(QRect(2, 2, 67, 92), ratio, true));
                    const QString where =
                        QStringLiteral("face %1 corner %2/%3").arg(face).arg(right).arg(bottom);
                    QVERIFY2(InkIn(image, covered) > 12, qPrintable(where + QStringLiteral(" has no index")));
                    QImage whitened = image;
                    whitened.setDevicePixelRatio(1); // painted in device pixels
                    QPainter(&whitened).fillRect(covered, Qt::white);
                    QVERIFY2(InkIn(whitened, around) == 0,
                             qPrintable(where + QStringLiteral(" shows past it")));
                }
            }
        }
    }

    void pipsAndFiguresStayClearOfThePatches() {
        // A face seen with all four patches on shows its picture still: the pips or the court figure.
        for (int face = 1; face <= 52; ++face) {
            const int rank = (face - 1) % 13 + 1;
            const QImage image = RenderCardImage(face, 1.0).toImage();
            QVERIFY2(InkIn(image, QRect(16, 32, 39, 32)) > 20 || rank == 2 || rank == 4,
                     qPrintable(QString::number(face)));
            QVERIFY2(InkIn(image, QRect(16, 4, 39, 88)) > 60, qPrintable(QString::number(face)));
        }
    }

    // The finger tip is the highest point of the up hand and the leftmost of the left hand, where the
    // pointer's hot spot is.
    void handPointersPointWithTheirHotSpot() {
        auto firstInk = [](const QImage& image) {
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qAlpha(image.pixel(x, y)) > 128) {
                        return QPoint(x, y);
                    }
                }
            }
            return QPoint(-1, -1);
        };
        const QPoint up = firstInk(RenderHandPointer(HandPointing::Up, 1.0).toImage());
        QVERIFY((up - HandHotSpot(HandPointing::Up)).manhattanLength() <= 3);
        const QImage left =
            RenderHandPointer(HandPointing::Left, 1.0).toImage().transformed(QTransform().rotate(90));
        const QPoint turned = firstInk(left); // the left hand turned upright: its tip comes to the top
        QVERIFY(turned.y() <= 2);
        QCOMPARE(HandCursor(HandPointing::Up).hotSpot(), HandHotSpot(HandPointing::Up));
    }
};

QTEST_MAIN(CardImagesTest)
#include "CardImagesTest.moc"
