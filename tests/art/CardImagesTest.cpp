// The drawn card images: count, size, pixel ratio, distinct faces, and corner indices that lie exactly
// under the table's patches.
#include "CardImages.h"

#include "Twips.h"

#include <cmath>

#include <QImage>
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

bool Ink(QRgb pixel) {
    return qAlpha(pixel) > 0 && std::min({qRed(pixel), qGreen(pixel), qBlue(pixel)}) < 200;
}

int InkIn(const QImage& image, const QRect& area) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += Ink(image.pixel(x, y)) ? 1 : 0;
        }
    }
    return count;
}

} // namespace

class CardImagesTest : public QObject {
    Q_OBJECT
private slots:
    void fiftyThreeImagesOfCardSize() {
        QVERIFY(CardImage(0).isNull());
        QVERIFY(CardImage(54).isNull());
        QSet<QByteArray> distinct;
        for (int index = 1; index <= CardImageCount; ++index) {
            const QPixmap image = CardImage(index);
            QVERIFY(!image.isNull());
            QCOMPARE(image.deviceIndependentSize().toSize(), QSize(71, 96));
            const QImage pixels = image.toImage().convertToFormat(QImage::Format_ARGB32);
            distinct.insert(
                QByteArray(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()));
        }
        QCOMPARE(distinct.size(), CardImageCount);
    }

    void renderedAtTheScreensPixelRatio() {
        const QPixmap sharp = RenderCardImage(40, 2.0);
        QCOMPARE(sharp.devicePixelRatio(), 2.0);
        QCOMPARE(sharp.size(), QSize(142, 192));
        QCOMPARE(sharp.deviceIndependentSize().toSize(), QSize(71, 96));
        const QPixmap odd = RenderCardImage(13, 1.5);
        QCOMPARE(odd.size(), QSize(107, 144));
    }

    void eachPatchHidesExactlyOneCornerIndex() {
        for (int face = 1; face <= 52; ++face) {
            const int rank = (face - 1) % 13 + 1;
            const bool wide = rank < 11;
            const QImage image = RenderCardImage(face, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
            for (bool right : {false, true}) {
                for (bool bottom : {false, true}) {
                    const QRect patch = Patch(wide, right, bottom);
                    // The patch's surroundings, one pixel all round, kept off the card's own border.
                    const QRect around = patch.adjusted(-1, -1, 1, 1).intersected(QRect(2, 2, 67, 92));
                    QVERIFY2(InkIn(image, patch) > 12,
                             qPrintable(QStringLiteral("face %1 has no index there").arg(face)));
                    QImage covered = image;
                    for (int y = patch.top(); y <= patch.bottom(); ++y) {
                        for (int x = patch.left(); x <= patch.right(); ++x) {
                            covered.setPixel(x, y, qRgb(255, 255, 255));
                        }
                    }
                    QVERIFY2(InkIn(covered, around) == 0,
                             qPrintable(QStringLiteral("face %1 corner %2/%3 shows past its patch")
                                            .arg(face)
                                            .arg(right)
                                            .arg(bottom)));
                }
            }
        }
    }

    void patchesStillCoverOnHighDensityScreens_data() {
        QTest::addColumn<double>("ratio");
        QTest::newRow("1.25") << 1.25;
        QTest::newRow("1.5") << 1.5;
        QTest::newRow("2") << 2.0;
    }
    void patchesStillCoverOnHighDensityScreens() {
        // A patch covers at least the device pixels wholly inside its logical rectangle; the index
        // must lie within those.
        QFETCH(double, ratio);
        for (int face : {1, 10, 11, 13, 36, 49, 52}) {
            const int rank = (face - 1) % 13 + 1;
            const QImage image =
                RenderCardImage(face, ratio).toImage().convertToFormat(QImage::Format_ARGB32);
            for (bool right : {false, true}) {
                for (bool bottom : {false, true}) {
                    const QRect patch = Patch(rank < 11, right, bottom);
                    const QRect covered(
                        QPoint(static_cast<int>(std::ceil(patch.left() * ratio)),
                               static_cast<int>(std::ceil(patch.top() * ratio))),
                        QPoint(static_cast<int>(std::floor((patch.right() + 1) * ratio)) - 1,
                               static_cast<int>(std::floor((patch.bottom() + 1) * ratio)) - 1));
                    const QRect around(QPoint(static_cast<int>((patch.left() - 1) * ratio),
                                              static_cast<int>((patch.top() - 1) * ratio)),
                                       QPoint(static_cast<int>((patch.right() + 2) * ratio) - 1,
                                              static_cast<int>((patch.bottom() + 2) * ratio) - 1));
                    const QRect inside = around.intersected(
                        QRect(QPoint(static_cast<int>(std::ceil(2 * ratio)),
                                     static_cast<int>(std::ceil(2 * ratio))),
                              QPoint(static_cast<int>(69 * ratio) - 1, static_cast<int>(94 * ratio) - 1)));
                    QImage whitened = image;
                    for (int y = covered.top(); y <= covered.bottom(); ++y) {
                        for (int x = covered.left(); x <= covered.right(); ++x) {
                            whitened.setPixel(x, y, qRgb(255, 255, 255));
                        }
                    }
                    QVERIFY2(
                        InkIn(whitened, inside) == 0,
                        qPrintable(QStringLiteral("face %1 corner %2/%3").arg(face).arg(right).arg(bottom)));
                }
            }
        }
    }

    void pipsAndFiguresStayClearOfThePatches() {
        // A face seen with all four patches on shows its picture still: the pips or the court figure.
        for (int face = 1; face <= 52; ++face) {
            const int rank = (face - 1) % 13 + 1;
            const QImage image = RenderCardImage(face, 1.0).toImage();
            const int middle = InkIn(image, QRect(16, 32, 39, 32));
            QVERIFY2(middle > 20 || rank == 2 || rank == 4, qPrintable(QString::number(face)));
            QVERIFY2(InkIn(image, QRect(16, 4, 39, 88)) > 60, qPrintable(QString::number(face)));
        }
    }

    void theBackIsAPatternNotAFace() {
        const QImage back = RenderCardImage(CardBackImage, 1.0).toImage();
        // Coloured all over inside its white border.
        int coloured = 0;
        for (int y = 8; y < 88; y += 4) {
            for (int x = 8; x < 63; x += 4) {
                const QRgb pixel = back.pixel(x, y);
                coloured += qRed(pixel) > qGreen(pixel) + 40 ? 1 : 0;
            }
        }
        QVERIFY(coloured > 200);
        QCOMPARE(QColor(back.pixel(2, 48)), QColor(Qt::white));
    }

    void handPointers() {
        const QImage up = RenderHandPointer(HandPointing::Up, 1.0).toImage();
        const QImage left = RenderHandPointer(HandPointing::Left, 1.0).toImage();
        QCOMPARE(up.size(), QSize(32, 32));
        QCOMPARE(left.size(), QSize(32, 32));
        QVERIFY(up != left);
        // The finger tip is the highest point of the up hand and the leftmost of the left hand.
        auto firstRowWithInk = [](const QImage& image) {
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (qAlpha(image.pixel(x, y)) > 128) {
                        return QPoint(x, y);
                    }
                }
            }
            return QPoint(-1, -1);
        };
        const QPoint tip = firstRowWithInk(up);
        QVERIFY(tip.y() <= 2);
        QVERIFY(tip.x() >= 10 && tip.x() <= 18);
        const QImage turned = left.transformed(QTransform().rotate(90));
        QVERIFY(firstRowWithInk(turned).y() <= 2);
        QCOMPARE(HandCursor(HandPointing::Up).hotSpot(), QPoint(14, 2));
    }
};

QTEST_MAIN(CardImagesTest)
#include "CardImagesTest.moc"
