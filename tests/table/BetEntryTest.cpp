// The bet boxes and labels driven as the user drives them: typing, moving the focus and clicking. The
// ranges and the funds arithmetic are the engine's (TableGameTest); here what the boxes do with them.
#include "FastPause.h"
#include "Marking.h"
#include "RecordingPresenter.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTest>

using namespace bacc;

namespace {

const QString NotEnoughMoney = QStringLiteral(
    "Sorry, not enough money for the bet placed. You must add more steak money using the Statistics screen.");

} // namespace

class BetEntryTest : public QObject {
    Q_OBJECT

    TableWindow* table = nullptr;
    std::unique_ptr<test::TempSettings> settings;
    std::unique_ptr<test::RecordingPresenter> messages;

    void OpenTableWith(int steak0, int steak1) {
        settings.reset(new test::TempSettings(
            QStringLiteral("[Player1Stats]\nSteak= %1\nWin= 0\n[Player2Stats]\nSteak= %2\nWin= 0\n")
                .arg(steak0)
                .arg(steak1)));
        messages.reset(new test::RecordingPresenter);
        table = OpenTable();
        QApplication::setActiveWindow(table);
        QVERIFY(QTest::qWaitForWindowActive(table));
        FocusOn(table->txtSetFocus);
    }
    template <typename T = QWidget> T* Find(const QString& name) const {
        T* found = table->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    MaskedEdit* Box(const QString& name) const { return Find<MaskedEdit>(name); }
    static void FocusOn(QWidget* widget) {
        widget->setFocus();
        QApplication::processEvents();
    }
    // Enters a box, replaces what it holds with keys, and leaves it for the hidden focus field.
    void Type(const QString& box, const QString& keys) {
        FocusOn(Box(box));
        Box(box)->selectAll();
        QTest::keyClick(Box(box), Qt::Key_Delete);
        QTest::keyClicks(Box(box), keys);
        FocusOn(table->txtSetFocus);
    }
    void Click(const QString& label, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(Find(label), Qt::LeftButton);
        }
    }
    // A seat's Player/Banker/Tie units and the value labels on show ("-" for a hidden one).
    QString Bets(int seat) const {
        QStringList units, values;
        for (const char* spot : {"Player", "Banker", "Tie"}) {
            units << Box(QStringLiteral("txt%1Bet(%2)").arg(QLatin1String(spot)).arg(seat))->Digits();
            const auto* value =
                Find<QLabel>(QStringLiteral("txt%1BetValue(%2)").arg(QLatin1String(spot)).arg(seat));
            values << (value->isVisibleTo(table) ? value->text() : QStringLiteral("-"));
        }
        return units.join('/') + ' ' + values.join('/');
    }

private slots:
    void cleanup() {
        if (TheTable() != nullptr) {
            TheTable()->close();
        }
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages.reset();
        settings.reset();
    }

    void whatIsTypedIsCleanedOrDefaulted() {
        OpenTableWith(1000, 1000);
        // The unit value first: the first bet freezes it.
        const struct {
            const char *box, *typed, *digits;
        } cases[] = {{"txtUnitValue", "$-7e5", "75"},     {"txtUnitValue", "", "50"},
                     {"HandsAtaTime", "x3.", "3"},        {"HandsAtaTime", "", "1"},
                     {"txtPlayerBet(0)", "-a1+b2", "12"}, {"txtTieBet(1)", "", "0"}};
        for (const auto& c : cases) {
            Type(c.box, c.typed);
            QCOMPARE(Box(c.box)->Digits(), QLatin1String(c.digits));
        }
        QCOMPARE(messages->Count(), 0);
    }

    void aBetOutOfRangeIsRefusedAtEveryLeave() {
        OpenTableWith(100000, 100000);
        Type("txtUnitValue", "1");
        const struct {
            const char *box, *typed, *message;
        } cases[] = {{"txtPlayerBet(0)", "101", "Player bet must be 0 to 100"},
                     {"txtBankerBet(1)", "150", "Banker bet must be 0 to 100"},
                     {"txtTieBet(0)", "21", "Tie bet must be 0 to 20"}};
        for (const auto& c : cases) {
            messages->Clear();
            Type(c.box, c.typed);
            QCOMPARE(messages->Texts(), QStringList{c.message});
            QVERIFY(Box(c.box)->hasFocus());
            // The check goes on with the number as typed.
            QCOMPARE(Find<QLabel>(QString(c.box).replace("Bet(", "BetValue("))->text(),
                     '$' + QString(c.typed));
            // Leaving again says it again, until a number in range is typed.
            FocusOn(table->txtSetFocus);
            QCOMPARE(messages->Count(), 2);
            Type(c.box, "0");
            QCOMPARE(messages->Count(), 2);
        }
        // Two boxes out of range do not pass the focus back and forth: the add labels take both Tie bets
        // past their limit, up to where the box is full; the focus stays in seat 1's box, which says so each
        // time the focus is asked to leave it.
        Click("lblTBetInc5(1)", 19);
        Click("lblTBetInc2(1)");
        Click("lblTBetInc5(1)");
        Click("lblTBetInc5(0)", 5);
        QCOMPARE(Bets(0), QStringLiteral("0/0/25 -/-/$25"));
        QCOMPARE(Bets(1), QStringLiteral("0/0/97 -/-/$97"));
        QVERIFY(Box("txtTieBet(1)")->hasFocus());
        messages->Clear();
        FocusOn(Box("txtTieBet(0)"));
        QCOMPARE(messages->Texts(), QStringList{"Tie bet must be 0 to 20"});
        QVERIFY(Box("txtTieBet(1)")->hasFocus());
    }

    void aRefusedHandsAtATimeIsCheckedAtEveryLeaveAndEveryDeal() {
        OpenTableWith(1000, 1000);
        test::FastPause clock;
        QVERIFY(!table->duokkortos->isEnabled()); // nothing to deal before the first shuffle
        table->maisyk->click();
        // The new shoe's marking card opened beside the table.
        QApplication::processEvents();
        QApplication::setActiveWindow(table);
        QVERIFY(QTest::qWaitForWindowActive(table));
        QVERIFY(table->duokkortos->isEnabled());
        for (const QString& typed : {QStringLiteral("95"), QStringLiteral("0")}) {
            messages->Clear();
            Type("HandsAtaTime", typed);
            FocusOn(table->txtSetFocus); // left again without a change
            table->duokkortos->click();
            QCOMPARE(messages->Texts(), QStringList(3, QStringLiteral("Hands At a Time must be 1 to 90")));
            QCOMPARE(TheMarking().HandNumber, 0);
            QCOMPARE(Box("HandsAtaTime")->Digits(), typed);
            QVERIFY(table->txtUnitValue->isEnabled());
        }
    }

    void focusLostToAnotherWindowChecksNothing() {
        OpenTableWith(1000, 1000);
        MaskedEdit* box = Box("txtPlayerBet(0)");
        FocusOn(box);
        box->selectAll();
        QTest::keyClicks(box, "500");
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box, &out);
        QCOMPARE(messages->Count(), 0);
        QCOMPARE(Bets(0), QStringLiteral("500/0/0 -/-/-"));
        // The window coming back does not forget what the box held when it was entered.
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box, &in);
        QCOMPARE(table->SavedBet, 0);
    }

    void aBetTheMoneyDoesNotCoverIsRefused() {
        OpenTableWith(100, 1000);
        Type("txtUnitValue", "10");
        Type("txtTieBet(0)", "5");
        Type("txtPlayerBet(0)", "5"); // exactly what is left
        QCOMPARE(messages->Count(), 0);
        Click("lblPBetInc1(0)");
        QCOMPARE(messages->Texts(), QStringList{NotEnoughMoney});
        QCOMPARE(messages->Last().Icon, MsgIcon::Exclamation);
        QCOMPARE(Bets(0), QStringLiteral("5/0/5 $50/-/$50"));
        // Typed: back to what the box held, and the focus stays there.
        messages->Clear();
        Type("txtPlayerBet(0)", "6");
        QCOMPARE(messages->Texts(), QStringList{NotEnoughMoney});
        QCOMPARE(Bets(0), QStringLiteral("5/0/5 $50/-/$50"));
        QVERIFY(Box("txtPlayerBet(0)")->hasFocus());
        // The other seat's money covers the same bet.
        messages->Clear();
        Click("lblPBetInc5(1)");
        Click("lblPBetInc1(1)");
        QCOMPARE(Bets(1), QStringLiteral("6/0/0 $60/-/-"));
        // A bet the last hand took off still shows its value beside the lose mark; it holds nothing back.
        FocusOn(table->txtSetFocus);
        Box("txtTieBet(0)")->SetDigits("0");
        Type("txtPlayerBet(0)", "10");
        QCOMPARE(Bets(0), QStringLiteral("10/0/0 $100/-/-"));
        QCOMPARE(messages->Count(), 0);
        // Refused after an add: back to what the add left.
        Type("txtPlayerBet(0)", "0");
        Click("lblPBetInc5(0)");
        Type("txtPlayerBet(0)", "20");
        QCOMPARE(messages->Texts(), QStringList{NotEnoughMoney});
        QCOMPARE(Bets(0), QStringLiteral("5/0/0 $50/-/-"));
    }
};

QTEST_MAIN(BetEntryTest)
#include "BetEntryTest.moc"
