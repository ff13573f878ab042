// The cards on the table: squeezing, revealing, the totals, the index patches, the reveal pointers and
// the flight from the shoe.
#include "CardImages.h"
#include "FastPause.h"
#include "Options.h"
#include "Shoe.h"
#include "TableWindow.h"
#include "TempSettings.h"
#include "Twips.h"

#include <memory>

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QtTest>

using namespace bacc;

namespace {

// Face number of a rank in a suit (0 spades, 1 clubs, 2 diamonds, 3 hearts).
int Face(int rank, int suit) {
    return suit * 13 + rank;
}

void SendMouse(QWidget* target, QEvent::Type type, QPointF local, Qt::MouseButtons buttons) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, local, target->mapToGlobal(local), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

} // namespace

class CardRevealTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TempSettings> settings_;
    QPointer<TableWindow> table_;
    Options saved_;

    // Lays a card as the deal does: back and shadow, face under it, then ShowDealtCard.
    void Lay(int slot, int face) {
        Hand().SlotFace[slot] = static_cast<std::int16_t>(face);
        Hand().SlotRank[slot] = static_cast<std::int16_t>((face - 1) % 13 + 1);
        table_->ShowCardBack(slot);
        table_->SetCardFace(slot, face);
        table_->pctCardFace[slot]->show();
        table_->CardInSlot[slot] = true;
        table_->ShowDealtCard(Hand().SlotRank[slot], slot);
    }
    static HandState& Hand() { return TheShoe().Hand; }
    template <typename T = QWidget> T* Find(const QString& name) {
        T* found = table_->findChild<T*>(name);
        if (found == nullptr) {
            qWarning("no control %s", qPrintable(name));
        }
        return found;
    }
    QList<QString> ShownPatches(int slot) {
        QList<QString> shown;
        for (const char* name : {"pctCardTopLeft", "pctCardTopRight", "pctCardBottomLeft",
                                 "pctCardBottomRight", "pctCardTopLeftWide", "pctCardTopRightWide",
                                 "pctCardBottomLeftWide", "pctCardBottomRightWide"}) {
            if (!Find(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(slot))->isHidden()) {
                shown << QLatin1String(name);
            }
        }
        return shown;
    }

private slots:
    void init() {
        settings_ = std::make_unique<test::TempSettings>(QByteArray("[frmBaccTable]\nTop= 0\nLeft= 0\n"));
        saved_ = Settings();
        Settings().CardFaceUp = false;
        Settings().CardValues = true;
        Settings().Delay = false;
        Settings().Animation = false;
        Hand() = HandState{};
        table_ = new TableWindow;
        table_->Form_Load();
        table_->show();
    }
    void cleanup() {
        delete table_.data();
        Settings() = saved_;
        settings_.reset();
        while (QGuiApplication::overrideCursor() != nullptr) {
            QGuiApplication::restoreOverrideCursor();
        }
    }

    void cardSizeIsTakenFromTheBackAtLoad() {
        QCOMPARE(table_->CardHeight, 1440);
        QCOMPARE(table_->CardWidth, 1065);
        QVERIFY(table_->PointerReset);
    }

    void squeezingFromTheBottomShrinksTheBackAndRevealsAtTheCardsHeight() {
        Lay(0, Face(13, 0));
        SqueezeHandle* handle = Find<SqueezeHandle>(QStringLiteral("lblCardBottom(0)"));
        PictureBox* back = Find<PictureBox>(QStringLiteral("pctCardBack(0)"));
        QVERIFY(handle->isVisible());
        const QRect whole = back->geometry();
        QCOMPARE(whole, TwipsRect(180, 2340, 1065, 1440));

        SendMouse(handle, QEvent::MouseButtonPress, QPointF(30, 4), Qt::LeftButton);
        SendMouse(handle, QEvent::MouseMove, QPointF(30, -40), Qt::LeftButton);
        QCOMPARE(back->height(), 96 - 40);
        QCOMPARE(back->pos(), whole.topLeft()); // keeps its top edge
        QVERIFY(!table_->PointerReset);
        // Moving back down covers the face again.
        SendMouse(handle, QEvent::MouseMove, QPointF(30, -10), Qt::LeftButton);
        QCOMPARE(back->height(), 86);
        // One pixel short of the card's height leaves a strip of back.
        SendMouse(handle, QEvent::MouseMove, QPointF(30, -95), Qt::LeftButton);
        QCOMPARE(back->height(), 1);
        QVERIFY(back->isVisible());
        // Letting go restores the whole back.
        SendMouse(handle, QEvent::MouseButtonRelease, QPointF(30, -95), Qt::NoButton);
        QCOMPARE(back->geometry(), whole);

        // Exactly the card's height: y = -1440 twips reveals the card.
        SendMouse(handle, QEvent::MouseButtonPress, QPointF(30, 4), Qt::LeftButton);
        SendMouse(handle, QEvent::MouseMove, QPointF(30, -96), Qt::LeftButton);
        QVERIFY(back->isHidden());
        QVERIFY(handle->isHidden());
        QVERIFY(Find(QStringLiteral("lblCardRight(0)"))->isHidden());
        SendMouse(handle, QEvent::MouseButtonRelease, QPointF(30, -96), Qt::NoButton);
        QVERIFY(back->isHidden());
    }

    void squeezeArithmeticInTwips() {
        Lay(3, Face(10, 2));
        PictureBox* back = table_->pctCardBack[3];
        table_->lblCardBottom_MouseMove(3, -1439);
        QCOMPARE(back->height(), 1); // a 1-twip strip is still a visible sliver
        QVERIFY(back->isVisible());
        table_->lblCardBottom_MouseUp(3);
        QCOMPARE(back->height(), 96);
        // Down or to the right changes nothing.
        table_->lblCardBottom_MouseMove(3, 600);
        table_->lblCardRight_MouseMove(3, 0);
        table_->lblCardRight_MouseMove(3, 900);
        QCOMPARE(back->size(), QSize(71, 96));
        table_->lblCardRight_MouseMove(3, -1064);
        QCOMPARE(back->width(), 1);
        table_->lblCardRight_MouseUp(3);
        QCOMPARE(back->width(), 71);
        table_->lblCardRight_MouseMove(3, -1065);
        QVERIFY(back->isHidden());
    }

    void squeezingFromTheRightKeepsTheLeftEdge() {
        Lay(1, Face(4, 3));
        SqueezeHandle* handle = Find<SqueezeHandle>(QStringLiteral("lblCardRight(1)"));
        PictureBox* back = table_->pctCardBack[1];
        const QRect whole = back->geometry();
        SendMouse(handle, QEvent::MouseButtonPress, QPointF(4, 40), Qt::LeftButton);
        SendMouse(handle, QEvent::MouseMove, QPointF(-30, 200), Qt::LeftButton); // far outside the strip
        QCOMPARE(back->geometry(), QRect(whole.topLeft(), QSize(71 - 30, 96)));
        SendMouse(handle, QEvent::MouseButtonRelease, QPointF(-30, 200), Qt::NoButton);
        QCOMPARE(back->geometry(), whole);
        SendMouse(handle, QEvent::MouseButtonPress, QPointF(4, 40), Qt::LeftButton);
        SendMouse(handle, QEvent::MouseMove, QPointF(-80, 40), Qt::LeftButton);
        QVERIFY(back->isHidden());
    }

    void aSlotWithoutACardIgnoresClicksAndSqueezes() {
        table_->ShowCardBack(2); // a back on show, but no card of this hand
        table_->pctCardBack_Click(2);
        QVERIFY(table_->pctCardBack[2]->isVisible());
        table_->lblCardBottom_MouseMove(2, -2000);
        QVERIFY(table_->pctCardBack[2]->isVisible());
        table_->pctCardBack_Click(7);
        table_->pctCardBack_Click(-1);
    }

    void clickingTheBackReveals() {
        Lay(4, Face(6, 1));
        QTest::mouseClick(table_->pctCardBack[4], Qt::LeftButton, {}, QPoint(30, 40));
        QVERIFY(table_->pctCardBack[4]->isHidden());
        QVERIFY(table_->lblCardBottom[4]->isHidden());
    }

    void patchesFollowTheRankAndTheOptions_data() {
        QTest::addColumn<int>("rank");
        QTest::addColumn<bool>("faceUp");
        QTest::addColumn<bool>("values");
        QTest::addColumn<QStringList>("laid");
        QTest::addColumn<QStringList>("revealed");
        const QStringList wideTlBr{"pctCardTopLeftWide", "pctCardBottomRightWide"};
        const QStringList wideTrBl{"pctCardTopRightWide", "pctCardBottomLeftWide"};
        const QStringList narrowTlBr{"pctCardTopLeft", "pctCardBottomRight"};
        const QStringList narrowTrBl{"pctCardTopRight", "pctCardBottomLeft"};
        QTest::newRow("ten face down, values") << 10 << false << true << wideTlBr << wideTrBl;
        QTest::newRow("ten face down, no values")
            << 10 << false << false
            << QStringList{"pctCardTopLeftWide", "pctCardTopRightWide", "pctCardBottomLeftWide",
                           "pctCardBottomRightWide"}
            << wideTrBl;
        QTest::newRow("king face down, values") << 13 << false << true << narrowTlBr << narrowTrBl;
        QTest::newRow("king face down, no values")
            << 13 << false << false
            << QStringList{"pctCardTopLeft", "pctCardTopRight", "pctCardBottomLeft", "pctCardBottomRight"}
            << narrowTrBl;
        QTest::newRow("ace face up") << 1 << true << true << wideTrBl << wideTrBl;
        QTest::newRow("jack face up") << 11 << true << false << narrowTrBl << narrowTrBl;
    }
    void patchesFollowTheRankAndTheOptions() {
        QFETCH(int, rank);
        QFETCH(bool, faceUp);
        QFETCH(bool, values);
        QFETCH(QStringList, laid);
        QFETCH(QStringList, revealed);
        Settings().CardFaceUp = faceUp;
        Settings().CardValues = values;
        Lay(0, Face(rank, 2));
        auto sorted = [](QStringList list) {
            list.sort();
            return list;
        };
        QCOMPARE(sorted(ShownPatches(0)), sorted(laid));
        QCOMPARE(table_->pctCardBack[0]->isHidden(), faceUp);
        QCOMPARE(table_->lblCardBottom[0]->isHidden(), faceUp);
        table_->pctCardBack_Click(0);
        QCOMPARE(sorted(ShownPatches(0)), sorted(revealed));
    }

    void theTotalShowsOnlyWhenBothCardsOfASideAreRevealed() {
        Hand().PlayerTwoCardTotal = 8;
        Hand().PlayerNatural = true;
        Hand().BankerTwoCardTotal = 5;
        Hand().BankerNatural = false;
        Hand().PlayerTotal = 8;
        Hand().BankerTotal = 1;
        for (int slot : {0, 3, 1, 4}) {
            Lay(slot, slot < 3 ? Face(4, 0) : Face(10, 3));
        }
        table_->pctCardBack_Click(0);
        QVERIFY(table_->PTotal->isHidden());
        QVERIFY(table_->lblNaturalP->isHidden());
        table_->pctCardBack_Click(3);
        QVERIFY(table_->BTotal->isHidden());
        table_->pctCardBack_Click(1);
        QVERIFY(table_->PTotal->isVisible());
        QCOMPARE(table_->PTotal->text(), QStringLiteral("8"));
        QVERIFY(table_->lblNaturalP->isVisible());
        QVERIFY(table_->BTotal->isHidden());
        table_->pctCardBack_Click(4);
        QCOMPARE(table_->BTotal->text(), QStringLiteral("5"));
        QVERIFY(table_->BTotal->isVisible());
        QVERIFY(table_->lblNaturalB->isHidden());
        // A third card writes the side's final total.
        Lay(5, Face(6, 1));
        table_->pctCardBack_Click(5);
        QCOMPARE(table_->BTotal->text(), QStringLiteral("1"));
    }

    void clearingTheTableEmptiesEverySlot() {
        for (int slot = 0; slot < TableWindow::Slots; ++slot) {
            Lay(slot, Face(slot + 1, slot % 4));
        }
        table_->lblCardBottom_MouseMove(2, -500); // a squeeze left hanging
        table_->CardsInvisible();
        for (int slot = 0; slot < TableWindow::Slots; ++slot) {
            QVERIFY(!table_->CardInSlot[slot]);
            QVERIFY(ShownPatches(slot).isEmpty());
            for (QWidget* part : std::initializer_list<QWidget*>{
                     table_->pctCardFace[slot], table_->pctCardBack[slot], table_->shpCardShadow[slot],
                     table_->lblCardBottom[slot], table_->lblCardRight[slot]}) {
                QVERIFY2(part->isHidden(), qPrintable(part->objectName()));
            }
        }
        table_->ShowCardBack(2);
        QCOMPARE(table_->pctCardBack[2]->size(), QSize(71, 96));
    }

    void faceUpDelaysPaceEachCard() {
        Settings().CardFaceUp = true;
        Settings().Delay = true;
        test::FastPause pause;
        Lay(0, Face(2, 0));
        Lay(1, Face(3, 0));
        Lay(5, Face(9, 2));
        QCOMPARE(pause.Durations(), (QList<double>{0.5, 0.7, 0.7, 0.7, 0.7, 0.7}));
        Settings().Delay = false;
        Lay(3, Face(9, 2));
        QCOMPARE(pause.Count(), 6);
    }

    void revealPointers() {
        table_->SetArrowPointers();
        for (int slot = 0; slot < TableWindow::Slots; ++slot) {
            QCOMPARE(table_->lblCardBottom[slot]->cursor().shape(), Qt::SizeVerCursor);
            QCOMPARE(table_->lblCardRight[slot]->cursor().shape(), Qt::SizeHorCursor);
        }
        table_->SetHandPointers();
        for (int slot = 0; slot < TableWindow::Slots; ++slot) {
            const QCursor bottom = table_->lblCardBottom[slot]->cursor();
            const QCursor right = table_->lblCardRight[slot]->cursor();
            QCOMPARE(bottom.shape(), Qt::BitmapCursor);
            QCOMPARE(right.shape(), Qt::BitmapCursor);
            // The bottom strip's hand points up (hot spot at the top), the right strip's to the left.
            QVERIFY(bottom.hotSpot().y() < 4);
            QVERIFY(right.hotSpot().x() < 4);
            QVERIFY(bottom.pixmap().toImage() != right.pixmap().toImage());
        }
    }

    void aMoveOverTheTableResetsTheScreenPointerAfterASqueeze() {
        Lay(0, Face(7, 3));
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        table_->Form_MouseMove();
        QVERIFY(QGuiApplication::overrideCursor() != nullptr); // nothing to reset yet
        table_->lblCardBottom_MouseMove(0, -300);
        QVERIFY(!table_->PointerReset);
        SendMouse(table_->pctCardBack[0], QEvent::MouseMove, QPointF(10, 10), Qt::NoButton);
        QVERIFY(table_->PointerReset);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        table_->lblCardRight_MouseMove(0, -30);
        SendMouse(table_, QEvent::MouseMove, QPointF(360, 20), Qt::NoButton);
        QVERIFY(table_->PointerReset);
        QVERIFY(QGuiApplication::overrideCursor() == nullptr);
    }

    void theFlightTakesItsStepsToEachSlot_data() {
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("stepDown");
        QTest::newRow("0") << 0 << 26 << 147;
        QTest::newRow("1") << 1 << 19 << 202;
        QTest::newRow("2") << 2 << 23 << 99;
        QTest::newRow("3") << 3 << 20 << 192;
        QTest::newRow("4") << 4 << 26 << 147;
        QTest::newRow("5") << 5 << 23 << 99;
    }
    void theFlightTakesItsStepsToEachSlot() {
        QFETCH(int, slot);
        QFETCH(int, steps);
        QFETCH(int, stepDown);
        test::FastPause pause;
        PictureBox* flyer = table_->pctCardBackMove;
        const QPoint home = flyer->pos();
        QCOMPARE(home, TwipsPoint(4950, -1500));
        QList<QPoint> path;
        pause.SetOnPause([&](double) {
            QVERIFY(flyer->isVisible());
            path << flyer->pos();
        });
        table_->FlyCardToSlot(slot);
        QCOMPARE(pause.Count(), steps);
        for (double seconds : pause.Durations()) {
            QCOMPARE(seconds, 0.005);
        }
        const int direction = TableWindow::SlotLeft[slot] < 4950 ? -1 : 1;
        for (int i = 1; i <= steps; ++i) {
            QCOMPARE(path[i - 1], TwipsPoint(4950 + 180 * i * direction, -1500 + stepDown * i));
        }
        // It stops within one step of its slot.
        QVERIFY(std::abs(Twips(path.last().x()) - TableWindow::SlotLeft[slot]) < 180 + 15);
        QVERIFY(flyer->isHidden());
        QCOMPARE(flyer->pos(), home);
    }
};

QTEST_MAIN(CardRevealTest)
#include "CardRevealTest.moc"
