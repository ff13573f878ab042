#include "Artwork.h"

#include <QImage>
#include <QSet>
#include <QtTest>

using namespace bacc;

namespace {

int PaintedPixels(const QImage& image) {
    int painted = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            painted += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return painted;
}

} // namespace

// The pictures are drawn, not loaded: each must come out at the size asked for, at every screen scale,
// with something in it, and no two buttons may look alike.
class ArtworkTest : public QObject {
    Q_OBJECT

private slots:
    void everyButtonHasItsOwnSharpPicture() {
        QSet<QByteArray> seen;
        for (const char* key :
             {"CardFaceUp", "CardValues", "CardsDealt", "CardsDealtCount", "ShowScore", "ShowNaturals",
              "PlayerBlue", "Decks1", "Decks2", "Decks4", "Decks6", "Decks8", "Delay", "Animation",
              "RevealArrows", "RevealHands", "Statistics"}) {
            const QIcon icon = ToolbarIcon(QLatin1String(key));
            const QImage image = icon.pixmap(QSize(24, 24)).toImage();
            QVERIFY2(PaintedPixels(image) > 24 * 24 / 8, key);
            QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
            QVERIFY2(!seen.contains(bytes), key);
            seen.insert(bytes);
            QCOMPARE(icon.pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32)); // drawn at 32, not scaled up
            const QImage disabled = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
            for (int y = 0; y < disabled.height(); y += 3) {
                const QRgb pixel = disabled.pixel(y, y);
                QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)); // greyed
            }
        }
    }

    void backgroundAndStartScreenPictures() {
        for (qreal ratio : {1.0, 2.0}) {
            const QImage tile = BackgroundTile(ratio).toImage();
            QCOMPARE(tile.width(), tile.height());
            QCOMPARE(PaintedPixels(tile), tile.width() * tile.height());
        }
        QCOMPARE(ProgramPicture(64, 2.0).size(), QSize(128, 128));
        QVERIFY(!ProgramIcon().pixmap(QSize(48, 48)).isNull());
        for (const QPixmap& picture :
             {ProgramPicture(64), FannedCardsPicture(QSize(150, 132)), ChipStackPicture(QSize(130, 110)),
              TableBannerPicture(QSize(540, 96)), StartChipPicture(88)}) {
            QVERIFY(PaintedPixels(picture.toImage()) > picture.width() * picture.height() / 8);
        }
    }
};

QTEST_MAIN(ArtworkTest)
#include "ArtworkTest.moc"
