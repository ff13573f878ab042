// A whole one-deck shoe played through the real windows: shuffle, bets, a face-up hand, a face-down hand
// revealed by clicking and squeezing, then many hands at once to the end of the shoe.
#include "../engine/ShoeTestSupport.h"
#include "CardsDealtWindow.h"
#include "FastPause.h"
#include "IniFile.h"
#include "Marking.h"
#include "MarkingCardWindow.h"
#include "NumberText.h"
#include "Options.h"
#include "RecordingPresenter.h"
#include "Shoe.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

using namespace bacc;

namespace {

// Hands from position 2 of the stacked deck (an ace burns positions 0 and 1):
// 1: Player 3+5 = 8, Banker 4+5 = 9, naturals, Banker wins.
// 2: Player 2+2 = 4 draws a king, Banker 1+2 = 3 draws a 5: Banker 8 wins.
// 3: Player 3+3 = 6 stands, Banker 1+4 = 5 draws a 2: Banker 7 wins.
const std::vector<int> StackedRanks{1, 13, 3, 4, 5, 5, 2, 1, 2, 2, 13, 5, 3, 1, 3, 4, 2};

double ReadNumber(const char* section, const char* key) {
    return LeadingNumber(ReadIni(QString::fromLatin1(section), QString::fromLatin1(key)).toStdString());
}

} // namespace

class PlayTest : public QObject {
    Q_OBJECT

private:
    test::TempSettings* settings_ = nullptr;
    test::RecordingPresenter* boxes_ = nullptr;
    test::FastPause* clock_ = nullptr;
    TableWindow* table_ = nullptr;
    std::vector<CardId> order_;

    template <typename T> T* Find(const QString& name) {
        T* widget = table_->findChild<T*>(name);
        if (!widget) {
            qFatal("no control %s", qPrintable(name));
        }
        return widget;
    }
    QLabel* Label(const QString& name) { return Find<QLabel>(name); }
    MaskedEdit* Box(const QString& name) { return Find<MaskedEdit>(name); }
    void Click(const QString& labelName) { QTest::mouseClick(Find<QWidget>(labelName), Qt::LeftButton); }
    void ClickButton(const QString& name) { Find<QPushButton>(name)->click(); }

    // Reveals every card back still showing, by clicking it.
    void RevealAllByClick() {
        for (int slot = 0; slot < 6; ++slot) {
            QWidget* back = Find<QWidget>(QStringLiteral("pctCardBack(%1)").arg(slot));
            if (!back->isHidden()) {
                QTest::mouseClick(back, Qt::LeftButton);
            }
        }
    }

    // Squeezes a card open from its bottom strip: press, drag up by the card's height, let go.
    void SqueezeFromBottom(int slot) {
        QWidget* handle = Find<QWidget>(QStringLiteral("lblCardBottom(%1)").arg(slot));
        const QPointF start(handle->width() / 2.0, handle->height() / 2.0);
        QMouseEvent press(QEvent::MouseButtonPress, start, handle->mapToGlobal(start), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &press);
        for (int dy = 10; dy <= 100; dy += 10) {
            const QPointF at(start.x(), -dy);
            QMouseEvent move(QEvent::MouseMove, at, handle->mapToGlobal(at), Qt::NoButton, Qt::LeftButton,
                             Qt::NoModifier);
            QCoreApplication::sendEvent(handle, &move);
        }
        const QPointF end(start.x(), -100);
        QMouseEvent release(QEvent::MouseButtonRelease, end, handle->mapToGlobal(end), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(handle, &release);
    }

private slots:
    void initTestCase() {
        settings_ = new test::TempSettings;
        boxes_ = new test::RecordingPresenter;
        clock_ = new test::FastPause;
        Options& options = Settings();
        options = Options{};
        options.Animation = false;
        options.Delay = false;
        TheShoe().SetListener(&TheCardsDealtWindows());
        TheShoe().DeckCount = 1;
        order_ = testshoe::OrderStartingWith(StackedRanks);
        table_ = OpenTable();
        QVERIFY(table_);
        QVERIFY(QTest::qWaitForWindowExposed(table_));
        table_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table_));
    }

    void cleanupTestCase() {
        if (table_) {
            table_->DealInProgress = false;
            table_->close();
        }
        TheCardsDealtWindows().CloseWindows();
        if (MarkingCardWindow* card = TheMarkCard()) {
            card->close();
        }
        QCoreApplication::processEvents();
        TheShoe().SetListener(nullptr);
        delete clock_;
        delete boxes_;
        delete settings_;
    }

    void dealBeforeAnyShuffleDoesNothing() {
        const QByteArray before = settings_->Contents();
        ClickButton(QStringLiteral("duokkortos"));
        QCOMPARE(boxes_->Count(), 0);
        QCOMPARE(settings_->Contents(), before);
        QVERIFY(!table_->DealInProgress);
    }

    void firstShuffleAsksNothing() {
        TheShoe().StackNextShoe(order_);
        // The table is still in use while the shoe is made: closing it then is refused.
        bool closed = true;
        clock_->SetOnPause([&](double seconds) {
            if (seconds == 2.0) {
                closed = table_->close();
            }
        });
        ClickButton(QStringLiteral("maisyk"));
        clock_->SetOnPause({});
        QVERIFY(!closed);
        QCOMPARE(boxes_->Texts(), QStringList{QStringLiteral("Must wait for deal to end.")});
        boxes_->Clear();
        QVERIFY(clock_->Durations().contains(2.0));
        QCOMPARE(TheShoe().NextCard, 2);
        QVERIFY(TheShoe().ShoeInPlay);
        QVERIFY(TheMarkCard());
        QCOMPARE(TheMarkCard()->windowTitle(), QStringLiteral("Marking Card for PLAYER 1"));
        QVERIFY(Find<QPushButton>(QStringLiteral("duokkortos"))->isEnabled());
        QCOMPARE(Find<QPushButton>(QStringLiteral("duokkortos"))->text(), TableWindow::DealCaption());
        QVERIFY(Label(QStringLiteral("lblShuffleInProgress(0)"))->isHidden());
    }

    void seatBettingOnBothSidesIsRefused() {
        const int next = TheShoe().NextCard;
        Box(QStringLiteral("txtPlayerBet(1)"))->SetDigits(QStringLiteral("2"));
        Box(QStringLiteral("txtBankerBet(1)"))->SetDigits(QStringLiteral("3"));
        boxes_->Clear();
        ClickButton(QStringLiteral("duokkortos"));
        QCOMPARE(boxes_->Texts(), QStringList{QStringLiteral("Player 2 must bet only on Banker OR Player")});
        QCOMPARE(boxes_->Last().Icon, MsgIcon::Exclamation);
        QCOMPARE(TheShoe().NextCard, next);
        QVERIFY(!table_->DealInProgress);
        QVERIFY(Find<QPushButton>(QStringLiteral("duokkortos"))->isVisible());
        Box(QStringLiteral("txtPlayerBet(1)"))->SetDigits(QStringLiteral("0"));
        Box(QStringLiteral("txtBankerBet(1)"))->SetDigits(QStringLiteral("0"));
    }

    void faceUpHandIsLaidWithItsPauses() {
        // Seat 0: 2 units on Banker; seat 1: 1 unit on Player. The unit value is $50.
        Click(QStringLiteral("lblBBetInc2(0)"));
        Click(QStringLiteral("lblPBetInc1(1)"));
        QCOMPARE(Label(QStringLiteral("txtBankerBetValue(0)"))->text(), QStringLiteral("$100"));
        QCOMPARE(Label(QStringLiteral("txtPlayerBetValue(1)"))->text(), QStringLiteral("$50"));
        const double hands = ReadNumber("ShoesHandsPlayed", "Hands");

        Settings().CardFaceUp = true;
        clock_->Clear();
        boxes_->Clear();
        ClickButton(QStringLiteral("duokkortos"));
        QCOMPARE(boxes_->Count(), 0);
        // Backs 0.5 s apart, Player, Banker, Player, Banker; no delay between faces.
        QCOMPARE(clock_->Durations(), (QList<double>{0.5, 0.5, 0.5, 0.5}));
        QCOMPARE(Label(QStringLiteral("PTotal"))->text(), QStringLiteral("8"));
        QCOMPARE(Label(QStringLiteral("BTotal"))->text(), QStringLiteral("9"));
        QVERIFY(Label(QStringLiteral("lblNaturalP"))->isVisible());
        QVERIFY(Label(QStringLiteral("lblNaturalB"))->isVisible());
        QVERIFY(Label(QStringLiteral("WinB"))->isVisible());
        QVERIFY(!Label(QStringLiteral("WinP"))->isVisible());
        for (int slot : {0, 1, 3, 4}) {
            QVERIFY(Find<QWidget>(QStringLiteral("pctCardBack(%1)").arg(slot))->isHidden());
            QVERIFY(Find<QWidget>(QStringLiteral("pctCardFace(%1)").arg(slot))->isVisible());
        }
        // Seat 0 won 0.95 x 2 x $50; seat 1 lost its $50 and the bet came off the table.
        QCOMPARE(Label(QStringLiteral("lblPlayerWinnings(0)"))->text(), QStringLiteral("$95"));
        QCOMPARE(Label(QStringLiteral("lblPlayerWinnings(1)"))->text(), QStringLiteral("-$50"));
        QVERIFY(Label(QStringLiteral("lblBWin(0)"))->isVisible());
        QVERIFY(Label(QStringLiteral("lblPLose(1)"))->isVisible());
        QCOMPARE(Box(QStringLiteral("txtPlayerBet(1)"))->Number(), 0LL);
        QCOMPARE(Box(QStringLiteral("txtBankerBet(0)"))->Number(), 2LL);
        QCOMPARE(Label(QStringLiteral("lblPlayerTotal(0)"))->text(), QStringLiteral("$1095"));
        QCOMPARE(ReadNumber("ShoesHandsPlayed", "Hands"), hands + 1);
        QCOMPARE(ReadIni(QStringLiteral("Player2Stats"), QStringLiteral("Win")), QStringLiteral("-50"));
        QCOMPARE(TheMarking().Marks.size(), std::size_t{1});
        QVERIFY(!table_->DealInProgress);
        QCOMPARE(Box(QStringLiteral("HandsAtaTime"))->Digits(), QStringLiteral("1"));
    }

    void faceDownHandWaitsForTheReveals() {
        Settings().CardFaceUp = false;
        clock_->Clear();
        boxes_->Clear();
        int closeAttempts = 0;
        bool squeezed = false;
        bool thirdLaidBeforeFirstFourRevealed = false;
        bool bankerThirdBeforePlayerThirdRevealed = false;
        clock_->SetOnPause([&](double seconds) {
            if (seconds != 1.0) {
                return; // only the reveal waits pause for a whole second
            }
            QWidget* back2 = Find<QWidget>(QStringLiteral("pctCardBack(2)"));
            QWidget* back5 = Find<QWidget>(QStringLiteral("pctCardBack(5)"));
            bool firstFourCovered = false;
            for (int slot : {0, 1, 3, 4}) {
                firstFourCovered |= !Find<QWidget>(QStringLiteral("pctCardBack(%1)").arg(slot))->isHidden();
            }
            if (firstFourCovered && (!back2->isHidden() || !back5->isHidden())) {
                thirdLaidBeforeFirstFourRevealed = true;
            }
            if (!back2->isHidden() && !back5->isHidden()) {
                bankerThirdBeforePlayerThirdRevealed = true;
            }
            if (closeAttempts == 0) {
                // The table cannot be closed while the deal waits for the player.
                ++closeAttempts;
                QVERIFY(!table_->close());
            }
            if (!squeezed) {
                squeezed = true;
                SqueezeFromBottom(0);
            }
            RevealAllByClick();
        });
        ClickButton(QStringLiteral("duokkortos"));
        clock_->SetOnPause({});

        QVERIFY(squeezed);
        QCOMPARE(boxes_->Texts(), QStringList{QStringLiteral("Must wait for deal to end.")});
        QVERIFY(TheTable());
        QVERIFY(!thirdLaidBeforeFirstFourRevealed);
        // The Banker's two-card total is 3: its third card waits for the Player's to be revealed.
        QVERIFY(!bankerThirdBeforePlayerThirdRevealed);
        QCOMPARE(Label(QStringLiteral("PTotal"))->text(), QStringLiteral("4"));
        QCOMPARE(Label(QStringLiteral("BTotal"))->text(), QStringLiteral("8"));
        QVERIFY(Label(QStringLiteral("WinB"))->isVisible());
        QCOMPARE(Label(QStringLiteral("lblPlayerWinnings(0)"))->text(), QStringLiteral("$190"));
        QCOMPARE(TheMarking().Marks.size(), std::size_t{2});
        for (int slot = 0; slot < 6; ++slot) {
            QVERIFY(Find<QWidget>(QStringLiteral("pctCardBack(%1)").arg(slot))->isHidden());
        }
        Settings().CardFaceUp = true;
    }

    void cancelledShuffleChangesNothing() {
        const int next = TheShoe().NextCard;
        const auto order = TheShoe().ShoeOrder;
        boxes_->Clear();
        boxes_->QueueAnswer(MsgResult::Cancel);
        ClickButton(QStringLiteral("maisyk"));
        QCOMPARE(boxes_->Texts(), QStringList{QStringLiteral("Not at end of the shoe!")});
        QCOMPARE(boxes_->Last().Buttons, MsgButtons::OkCancel);
        QCOMPARE(TheShoe().NextCard, next);
        QCOMPARE(TheShoe().ShoeOrder, order);
        QCOMPARE(Box(QStringLiteral("txtBankerBet(0)"))->Number(), 2LL);
        QCOMPARE(TheMarking().Marks.size(), std::size_t{2});
        QVERIFY(Label(QStringLiteral("WinB"))->isVisible());
    }

    void manyHandsRunToTheEndOfTheShoe() {
        const double hands = ReadNumber("ShoesHandsPlayed", "Hands");
        const double decks1 = ReadNumber("ShoesHandsPlayed", "Decks1");
        const double turnover0 = ReadNumber("Player1Stats", "Turnover");
        const double turnover1 = ReadNumber("Player2Stats", "Turnover");
        const double winnings0 =
            MoneyValue(Label(QStringLiteral("lblPlayerWinnings(0)"))->text().toStdString());

        // What the rest of the shoe will bring seat 0's two Banker units, dealt by a second shoe.
        Shoe replay;
        replay.DeckCount = 1;
        replay.StackNextShoe(order_);
        replay.NewShoe();
        replay.DealHand();
        replay.DealHand();
        long long expectedWinnings = static_cast<long long>(winnings0);
        int expectedHands = 0;
        while (!replay.EndOfShoe) {
            replay.DealHand();
            ++expectedHands;
            const char result = replay.Hand.HandResult;
            expectedWinnings += result == 'B' ? 95 : result == 'P' ? -100 : 0;
        }

        MaskedEdit* handsAtaTime = Box(QStringLiteral("HandsAtaTime"));
        // The marking card came to the front with the last hand; the player goes back to the table.
        table_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table_));
        handsAtaTime->setFocus();
        handsAtaTime->SetDigits(QStringLiteral("90"));
        Find<QPushButton>(QStringLiteral("duokkortos"))->setFocus();
        QCoreApplication::processEvents();
        QCOMPARE(Find<QPushButton>(QStringLiteral("duokkortos"))->text(),
                 TableWindow::DealCaption() + QStringLiteral(" 90 hands"));
        boxes_->Clear();
        ClickButton(QStringLiteral("duokkortos"));
        QCOMPARE(boxes_->Texts(),
                 QStringList{QString::number(expectedHands) + " hands have just been dealt"});
        QCOMPARE(boxes_->Last().Icon, MsgIcon::Information);

        Shoe& shoe = TheShoe();
        QVERIFY(shoe.EndOfShoe);
        QVERIFY(!shoe.ShoeInPlay);
        QVERIFY(Label(QStringLiteral("FormEndofShoe"))->isVisible());
        QVERIFY(Label(QStringLiteral("FormLastHand"))->isHidden());
        QVERIFY(Find<QPushButton>(QStringLiteral("duokkortos"))->isHidden());
        QVERIFY(Find<QPushButton>(QStringLiteral("maisyk"))->isEnabled());
        QVERIFY(!Box(QStringLiteral("txtBankerBet(0)"))->isEnabled());
        QCOMPARE(handsAtaTime->Digits(), QStringLiteral("1"));

        // Money on the table and in the settings file.
        QCOMPARE(Label(QStringLiteral("lblPlayerWinnings(0)"))->text(),
                 QString::fromStdString(FormatMoney(static_cast<double>(expectedWinnings))));
        QCOMPARE(ReadNumber("Player1Stats", "Win"), static_cast<double>(expectedWinnings));
        QCOMPARE(ReadNumber("ShoesHandsPlayed", "Hands"), hands + expectedHands);
        QCOMPARE(ReadNumber("ShoesHandsPlayed", "Decks1"), decks1 + 1);
        QCOMPARE(ReadNumber("Player1Stats", "Turnover"), turnover0 + 100.0 * expectedHands);
        QCOMPARE(ReadNumber("Player2Stats", "Turnover"), turnover1);
        QCOMPARE(Label(QStringLiteral("lblPlayerTotal(0)"))->text(),
                 QString::fromStdString(FormatMoney(ReadNumber("Player1Stats", "Steak") + expectedWinnings)));

        // The marking card holds every hand of the shoe.
        QCOMPARE(static_cast<int>(TheMarking().Marks.size()), 2 + expectedHands);
        QCOMPARE(TheMarking().HandNumber, 2 + expectedHands);

        // The list: 52 cards, burnt first, the unseen rest last; every count 1.
        CardsDealtWindow* list = TheCardsDealtWindows().ListWindow();
        QVERIFY(list);
        QCOMPARE(list->List()->count(), 52);
        QVERIFY(list->List()->item(0)->text().endsWith(QStringLiteral("<-Burnt")));
        QVERIFY(list->List()->item(1)->text().endsWith(QStringLiteral("<-Burnt")));
        QVERIFY(!list->List()->item(2)->text().contains(QStringLiteral("<-")));
        QVERIFY(list->List()->item(51)->text().contains(QStringLiteral("<-End")));
        CardsDealtCountWindow* count = TheCardsDealtWindows().CountWindow();
        QVERIFY(count);
        QCOMPARE(count->List()->count(), 13);
        for (int row = 0; row < 13; ++row) {
            const QString text = count->List()->item(row)->text();
            for (int column : {5, 8, 11, 14}) {
                QCOMPARE(text.at(column), QLatin1Char('1'));
            }
        }
    }

    void delayedFaceUpHandWaitsBeforeAndAfterEachCard() {
        // The end of the shoe needs no question; a new shoe with the same first hands.
        TheShoe().StackNextShoe(order_);
        boxes_->Clear();
        ClickButton(QStringLiteral("maisyk"));
        QCOMPARE(boxes_->Count(), 0);
        Settings().Delay = true;
        Settings().CardFaceUp = true;
        // Hand 1 of the stack has no third cards.
        clock_->Clear();
        ClickButton(QStringLiteral("duokkortos"));
        // Backs: 0.5 after the first three, none after the fourth; then each face waits 0.5 (first card of
        // a side) or 0.7 before it turns and 0.7 after.
        QCOMPARE(clock_->Durations(), (QList<double>{0.5, 0.5, 0.5, 0.5, 0.7, 0.7, 0.7, 0.5, 0.7, 0.7, 0.7}));
        Settings().Delay = false;
    }

    void shoeSizeChosenDuringTheShuffleCountsTheShoeBuilt() {
        // The menus stay live while the shoe is made: a size chosen then builds this shoe, and the shoe
        // played must be counted under the size it really has.
        const double decks1 = ReadNumber("ShoesHandsPlayed", "Decks1");
        const double decks2 = ReadNumber("ShoesHandsPlayed", "Decks2");
        TheShoe().DeckCount = 1;
        clock_->SetOnPause([](double seconds) {
            if (seconds == 2.0) {
                TheShoe().DeckCount = 2;
            }
        });
        ClickButton(QStringLiteral("maisyk")); // mid-shoe: the question is answered OK
        clock_->SetOnPause({});
        QCOMPARE(TheShoe().LastCardIndex, 2 * 52 - 1);
        while (!TheShoe().EndOfShoe) {
            Box(QStringLiteral("HandsAtaTime"))->SetDigits(QStringLiteral("90"));
            ClickButton(QStringLiteral("duokkortos"));
        }
        QCOMPARE(ReadNumber("ShoesHandsPlayed", "Decks2"), decks2 + 1);
        QCOMPARE(ReadNumber("ShoesHandsPlayed", "Decks1"), decks1);
    }

    void noBetIsTakenWhileTheShoeIsMade() {
        // A bet placed during the shuffle would stand while the unit value opens again, so its value
        // label and its settlement would disagree.
        ClickButton(QStringLiteral("maisyk"));
        QVERIFY(!TheShoe().EndOfShoe);
        bool betOpen = true;
        clock_->SetOnPause([&](double seconds) {
            if (seconds == 2.0) {
                QWidget* add = Find<QWidget>(QStringLiteral("lblPBetInc5(0)"));
                betOpen = add->isVisible() || add->isEnabled() ||
                          Box(QStringLiteral("txtPlayerBet(0)"))->isEnabled();
                QTest::mouseClick(add, Qt::LeftButton);
            }
        });
        ClickButton(QStringLiteral("maisyk")); // mid-shoe: the question is answered OK
        clock_->SetOnPause({});
        QVERIFY(!betOpen);
        QCOMPARE(Box(QStringLiteral("txtPlayerBet(0)"))->Number(), 0LL);
        QVERIFY(Label(QStringLiteral("txtPlayerBetValue(0)"))->isHidden());
        QVERIFY(Box(QStringLiteral("txtUnitValue"))->isEnabled());
        QVERIFY(Find<QWidget>(QStringLiteral("lblPBetInc5(0)"))->isEnabled());
    }
};

QTEST_MAIN(PlayTest)
#include "PlayTest.moc"
