#include "Artwork.h"

#include <QImage>
#include <QSet>
#include <QtTest>

using namespace bacc;

namespace {

const QStringList Keys = {"CardFaceUp",   "CardValues", "CardsDealt", "CardsDealtCount", "ShowScore",
                          "ShowNaturals", "PlayerBlue", "Decks1",     "Decks2",          "Decks4",
                          "Decks6",       "Decks8",     "Delay",      "Animation",       "RevealArrows",
                          "RevealHands",  "Statistics"};

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
    void everyButtonHasItsOwnPicture() {
        QSet<QByteArray> seen;
        for (const QString& key : Keys) {
            const QImage image = ToolbarIcon(key).pixmap(QSize(24, 24)).toImage();
            QCOMPARE(image.size(), QSize(24, 24));
            const int painted = PaintedPixels(image);
            QVERIFY2(painted > 24 * 24 / 8, qPrintable(key));
            QByteArray bytes(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes());
            QVERIFY2(!seen.contains(bytes), qPrintable(key + QStringLiteral(" looks like another button")));
            seen.insert(bytes);
        }
    }

    void picturesAreSharpOnHighDensityScreens() {
        for (const QString& key : {QStringLiteral("CardFaceUp"), QStringLiteral("Decks6")}) {
            const QIcon icon = ToolbarIcon(key);
            const QPixmap doubled = icon.pixmap(QSize(16, 16), 2.0);
            QCOMPARE(doubled.size(), QSize(32, 32)); // drawn at 32 device pixels, not scaled up from 16
            QCOMPARE(doubled.devicePixelRatio(), 2.0);
            const QImage disabled = icon.pixmap(QSize(24, 24), QIcon::Disabled).toImage();
            for (int y = 0; y < disabled.height(); ++y) {
                for (int x = 0; x < disabled.width(); ++x) {
                    const QRgb pixel = disabled.pixel(x, y);
                    QVERIFY(qRed(pixel) == qGreen(pixel) && qGreen(pixel) == qBlue(pixel)); // greyed
                }
            }
        }
    }

    void backgroundTileIsOpaque() {
        for (qreal ratio : {1.0, 2.0}) {
            const QImage tile = BackgroundTile(ratio).toImage();
            QVERIFY(!tile.isNull());
            QCOMPARE(tile.width(), tile.height());
            QCOMPARE(PaintedPixels(tile), tile.width() * tile.height());
            QVERIFY(!tile.hasAlphaChannel() || tile.pixelColor(0, 0).alpha() == 255);
        }
    }

    void programAndStartScreenPictures() {
        const QPixmap picture = ProgramPicture(64, 2.0);
        QCOMPARE(picture.size(), QSize(128, 128));
        QVERIFY(PaintedPixels(picture.toImage()) > 128 * 128 / 2);
        QVERIFY(!ProgramIcon().pixmap(QSize(48, 48)).isNull());
        for (const QPixmap& decoration :
             {FannedCardsPicture(QSize(150, 132)), ChipStackPicture(QSize(130, 110)),
              TableBannerPicture(QSize(540, 96)), StartChipPicture(88)}) {
            QVERIFY(PaintedPixels(decoration.toImage()) > decoration.width() * decoration.height() / 8);
        }
    }
};

QTEST_MAIN(ArtworkTest)
#include "ArtworkTest.moc"
