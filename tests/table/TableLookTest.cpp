// The table as the user sees it: a face-up hand with its totals and a face-down hand squeezed half
// open, checked pixel by pixel for the stacking of the card's parts. With BACCARAT_TABLE_SHOTS set to a
// directory the pictures are saved there as PNG files for a person to look at.
#include "CardImages.h"
#include "Options.h"
#include "Shoe.h"
#include "TableWindow.h"
#include "TempSettings.h"
#include "Twips.h"

#include <memory>

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QtTest>

using namespace bacc;

namespace {

int Face(int rank, int suit) {
    return suit * 13 + rank;
}

bool IsFelt(QRgb pixel) {
    return qGreen(pixel) > qRed(pixel) + 40 && qGreen(pixel) > qBlue(pixel) + 40;
}
bool IsBackRed(QRgb pixel) {
    return qRed(pixel) > qGreen(pixel) + 60 && qRed(pixel) > qBlue(pixel) + 40;
}

} // namespace

class TableLookTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempSettings> settings_;
    QPointer<TableWindow> table_;
    Options saved_;

    void Lay(int slot, int face) {
        HandState& hand = TheShoe().Hand;
        hand.SlotFace[slot] = static_cast<std::int16_t>(face);
        hand.SlotRank[slot] = static_cast<std::int16_t>((face - 1) % 13 + 1);
        table_->ShowCardBack(slot);
        table_->SetCardFace(slot, face);
        table_->pctCardFace[slot]->show();
        table_->CardInSlot[slot] = true;
        table_->ShowDealtCard(hand.SlotRank[slot], slot);
    }
    void Save(const QImage& image, const QString& name) {
        const QString dir = qEnvironmentVariable("BACCARAT_TABLE_SHOTS");
        if (!dir.isEmpty()) {
            QDir().mkpath(dir);
            QVERIFY(image.save(QDir(dir).filePath(name)));
        }
    }
    // The table at its logical size; on a high-density screen the full-resolution picture is saved too.
    QImage Grab(const QString& name) {
        QCoreApplication::processEvents();
        const QImage full = table_->grab().toImage();
        if (table_->devicePixelRatioF() > 1.0) {
            Save(full, name + QStringLiteral("-hidpi.png"));
        }
        return full.scaled(table_->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

private slots:
    void init() {
        settings_ = std::make_unique<test::TempSettings>(
            QByteArray("[Player1Stats]\nSteak= 1000\nWin=-120\n[Player2Stats]\nSteak= 2500\nWin= 375\n"));
        saved_ = Settings();
        Settings().Delay = false;
        TheShoe().Hand = HandState{};
        table_ = OpenTable();
    }
    void cleanup() {
        delete table_.data();
        Settings() = saved_;
        settings_.reset();
    }

    void aFaceUpHandWithItsTotals() {
        Settings().CardFaceUp = true;
        HandState& hand = TheShoe().Hand;
        hand.PlayerTwoCardTotal = 9;
        hand.PlayerTotal = 9;
        hand.PlayerNatural = true;
        hand.BankerTwoCardTotal = 3;
        hand.BankerTotal = 7;
        Lay(0, Face(13, 0)); // king of spades
        Lay(1, Face(9, 3));  // nine of hearts
        Lay(3, Face(10, 2)); // ten of diamonds
        Lay(4, Face(3, 1));  // three of clubs
        Lay(5, Face(4, 3));  // four of hearts
        table_->PTotal->setText(QStringLiteral("9"));
        table_->PTotal->show();
        table_->lblNaturalP->show();
        table_->BTotal->setText(QStringLiteral("7"));
        table_->BTotal->show();
        table_->WinP->show();
        table_->txtPlayerBet[0]->SetDigits(QStringLiteral("3"));
        table_->txtPlayerBetValue[0]->setText(QStringLiteral("$150"));
        table_->txtPlayerBetValue[0]->show();
        table_->lblPWin[0]->show();
        table_->txtBankerBet[1]->SetDigits(QStringLiteral("2"));
        table_->txtBankerBetValue[1]->setText(QStringLiteral("$100"));
        table_->txtBankerBetValue[1]->show();
        table_->lblBLose[1]->show();
        table_->txtTieBet[1]->SetDigits(QStringLiteral("1"));
        table_->txtTieBetValue[1]->setText(QStringLiteral("$50"));
        table_->txtTieBetValue[1]->show();
        table_->lblTLose[1]->show();
        const QImage shot = Grab(QStringLiteral("table-face-up"));
        Save(shot, QStringLiteral("table-face-up.png"));
        Save(shot.scaled(shot.size() * 2, Qt::KeepAspectRatio, Qt::FastTransformation),
             QStringLiteral("table-face-up-x2.png"));

        // Faces, not backs, lie in the slots; the empty slot 2 shows the felt.
        const QPoint card0 = TwipsPoint(180, 2340);
        QCOMPARE(QColor(shot.pixel(card0 + QPoint(35, 2))), QColor(Qt::white));
        QVERIFY(!IsBackRed(shot.pixel(card0 + QPoint(20, 48))));
        QVERIFY(IsFelt(shot.pixel(TwipsPoint(780, 780) + QPoint(35, 85))));
        // Face up, the top-right index of the king is covered and the top-left one shows.
        QVERIFY(qRed(shot.pixel(card0 + QPoint(6, 10))) < 120 ||
                qGreen(shot.pixel(card0 + QPoint(6, 10))) < 120);
        int inkTopRight = 0;
        for (int y = 3; y < 29; ++y) {
            for (int x = 60; x < 69; ++x) {
                inkTopRight += qGreen(shot.pixel(card0 + QPoint(x, y))) < 200 ? 1 : 0;
            }
        }
        QCOMPARE(inkTopRight, 0);
    }

    void aFaceDownHandSqueezedHalfOpen() {
        Settings().CardFaceUp = false;
        Settings().CardValues = true;
        for (int slot : {0, 3, 1, 4}) {
            Lay(slot, slot == 0 ? Face(7, 3) : slot == 1 ? Face(12, 2) : slot == 3 ? Face(8, 0) : Face(5, 1));
        }
        table_->SetHandPointers();
        // The Player's first card pulled half way up from the bottom, the Banker's second from the right.
        table_->lblCardBottom_MouseMove(0, -720);
        table_->lblCardRight_MouseMove(4, -600);
        const QImage shot = Grab(QStringLiteral("table-squeeze"));
        Save(shot, QStringLiteral("table-squeeze.png"));
        Save(shot.scaled(shot.size() * 2, Qt::KeepAspectRatio, Qt::FastTransformation),
             QStringLiteral("table-squeeze-x2.png"));

        const QPoint card0 = TwipsPoint(180, 2340);
        // Upper half still back, lower half face.
        QVERIFY(IsBackRed(shot.pixel(card0 + QPoint(20, 20))));
        QVERIFY(!IsBackRed(shot.pixel(card0 + QPoint(3, 90))));
        QVERIFY(!IsFelt(shot.pixel(card0 + QPoint(35, 93))));
        // The bottom-left index of the seven shows as the back peels away; the bottom-right is patched.
        int inkBottomLeft = 0;
        int inkBottomRight = 0;
        for (int y = 67; y < 93; ++y) {
            for (int x = 3; x < 14; ++x) {
                inkBottomLeft += qGreen(shot.pixel(card0 + QPoint(x, y))) < 160 ? 1 : 0;
            }
            for (int x = 57; x < 68; ++x) {
                inkBottomRight += qGreen(shot.pixel(card0 + QPoint(x, y))) < 200 ? 1 : 0;
            }
        }
        QVERIFY(inkBottomLeft > 12);
        QCOMPARE(inkBottomRight, 0);
        const QPoint card4 = TwipsPoint(9750, 2340);
        QVERIFY(IsBackRed(shot.pixel(card4 + QPoint(10, 48))));
        QVERIFY(!IsBackRed(shot.pixel(card4 + QPoint(66, 48))));

        // Cards and backs side by side, enlarged, for a look at the art.
        const QString dir = qEnvironmentVariable("BACCARAT_TABLE_SHOTS");
        if (!dir.isEmpty()) {
            QImage sheet(QSize(13 * 75 + 4, 5 * 100 + 4) * 2, QImage::Format_ARGB32);
            sheet.fill(QColor(0, 110, 0));
            QPainter painter(&sheet);
            painter.scale(2, 2);
            for (int index = 1; index <= CardImageCount; ++index) {
                const int row = (index - 1) / 13;
                const int column = (index - 1) % 13;
                painter.drawPixmap(4 + column * 75, 4 + row * 100, RenderCardImage(index, 2.0));
            }
            painter.end();
            Save(sheet, QStringLiteral("cards-sheet-x2.png"));
        }
    }
};

QTEST_MAIN(TableLookTest)
#include "TableLookTest.moc"
