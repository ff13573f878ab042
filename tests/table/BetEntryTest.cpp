#include "FastPause.h"
#include "Marking.h"
#include "MessageBox.h"
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

QString Records(int steak0, int steak1) {
    return QStringLiteral("[Player1Stats]\nSteak= %1\nWin= 0\n[Player2Stats]\nSteak= %2\nWin= 0\n")
        .arg(steak0)
        .arg(steak1);
}

} // namespace

// The bet boxes and labels driven as the user drives them: typing, moving the focus and clicking.
class BetEntryTest : public QObject {
    Q_OBJECT

    TableWindow* table = nullptr;
    std::unique_ptr<test::TempSettings> settings;
    std::unique_ptr<test::RecordingPresenter> messages;

    void OpenTableWith(int steak0, int steak1) {
        settings.reset(new test::TempSettings(Records(steak0, steak1)));
        messages.reset(new test::RecordingPresenter);
        table = OpenTable();
        QApplication::setActiveWindow(table);
        QVERIFY(QTest::qWaitForWindowActive(table));
        FocusOn(table->txtSetFocus);
    }
    template <typename T> T* Find(const QString& name) const {
        T* found = table->findChild<T*>(name);
        if (found == nullptr) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
    MaskedEdit* Box(const char* name, int seat) const {
        return Find<MaskedEdit>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(seat));
    }
    QLabel* Label(const char* name, int seat) const {
        return Find<QLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(seat));
    }
    static void FocusOn(QWidget* widget) {
        widget->setFocus();
        QApplication::processEvents();
    }
    // Enters a box, replaces what it holds with keys, and leaves it for the hidden focus field.
    void Type(MaskedEdit* box, const QString& keys) {
        FocusOn(box);
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, keys);
        FocusOn(table->txtSetFocus);
    }
    void Click(const char* name, int seat, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(Find<ClickLabel>(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(seat)),
                              Qt::LeftButton);
        }
    }
    void SetUnitValue(int dollars) { Type(Find<MaskedEdit>("txtUnitValue"), QString::number(dollars)); }
    bool Shown(QWidget* widget) const { return widget->isVisibleTo(table); }
    // The results and a card of a previous hand on the table.
    void LeaveLastHand() {
        table->WinP->show();
        table->pctCardBack[0]->show();
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

    void onlyDigitsCanBeTyped() {
        OpenTableWith(1000, 1000);
        // The unit value first: the first bet freezes it.
        Type(Find<MaskedEdit>("txtUnitValue"), QStringLiteral("$-7e5"));
        QCOMPARE(Find<MaskedEdit>("txtUnitValue")->Number(), 75);
        Type(Box("txtPlayerBet", 0), QStringLiteral("-a1+b2"));
        QCOMPARE(Box("txtPlayerBet", 0)->Digits(), QStringLiteral("12"));
        Type(Find<MaskedEdit>("HandsAtaTime"), QStringLiteral("x3."));
        QCOMPARE(Find<MaskedEdit>("HandsAtaTime")->Digits(), QStringLiteral("3"));
        QCOMPARE(messages->Count(), 0);
    }

    void emptyBoxesTakeTheirDefaults() {
        OpenTableWith(1000, 1000);
        Type(Find<MaskedEdit>("HandsAtaTime"), QString());
        QCOMPARE(Find<MaskedEdit>("HandsAtaTime")->Digits(), QStringLiteral("1"));
        Type(Find<MaskedEdit>("txtUnitValue"), QString());
        QCOMPARE(Find<MaskedEdit>("txtUnitValue")->Digits(), QStringLiteral("50"));
        for (const char* name : {"txtPlayerBet", "txtBankerBet", "txtTieBet"}) {
            Type(Box(name, 1), QString());
            QCOMPARE(Box(name, 1)->Digits(), QStringLiteral("0"));
        }
        QCOMPARE(messages->Count(), 0);
        // An empty bet is no bet: the unit value stays open.
        QVERIFY(table->txtUnitValue->isEnabled());
    }

    void handsAtATimeSetsTheDealCaption() {
        OpenTableWith(1000, 1000);
        MaskedEdit* hands = Find<MaskedEdit>("HandsAtaTime");
        Type(hands, QStringLiteral("12"));
        QCOMPARE(table->duokkortos->text(), QStringLiteral("Deal 12 hands"));
        Type(hands, QStringLiteral("90"));
        QCOMPARE(table->duokkortos->text(), QStringLiteral("Deal 90 hands"));
        Type(hands, QStringLiteral("1"));
        QCOMPARE(table->duokkortos->text(), QStringLiteral("Deal"));
        QCOMPARE(messages->Count(), 0);
    }

    void handsAtATimeOutOfRange() {
        OpenTableWith(1000, 1000);
        MaskedEdit* hands = Find<MaskedEdit>("HandsAtaTime");
        Type(hands, QStringLiteral("5"));
        for (const QString& typed : {QStringLiteral("0"), QStringLiteral("91")}) {
            messages->Clear();
            Type(hands, typed);
            QCOMPARE(messages->Texts(), QStringList{QStringLiteral("Hands At a Time must be 1 to 90")});
            QCOMPARE(messages->Last().Icon, MsgIcon::None);
            QCOMPARE(messages->Last().Buttons, MsgButtons::Ok);
            QVERIFY(hands->hasFocus());
            QCOMPARE(hands->Digits(), typed);
            QCOMPARE(table->duokkortos->text(), QStringLiteral("Deal 5 hands"));
        }
    }

    void aRefusedHandsAtATimeIsCheckedAtEveryLeaveAndEveryDeal() {
        OpenTableWith(1000, 1000);
        test::FastPause clock;
        QVERIFY(!table->duokkortos->isEnabled()); // nothing to deal before the first shuffle
        QVERIFY(!table->duokkortos->toolTip().isEmpty());
        table->maisyk_Click();
        // The new shoe's marking card opened beside the table.
        QApplication::processEvents();
        QApplication::setActiveWindow(table);
        QVERIFY(QTest::qWaitForWindowActive(table));
        QVERIFY(table->duokkortos->isEnabled());
        QVERIFY(table->duokkortos->toolTip().isEmpty());
        MaskedEdit* hands = Find<MaskedEdit>("HandsAtaTime");
        for (const QString& typed : {QStringLiteral("95"), QStringLiteral("0")}) {
            messages->Clear();
            Type(hands, typed);
            FocusOn(table->txtSetFocus); // left again without a change
            table->duokkortos_Click();
            QCOMPARE(messages->Texts(), QStringList(3, QStringLiteral("Hands At a Time must be 1 to 90")));
            QCOMPARE(TheMarking().HandNumber, 0);
            QCOMPARE(hands->Digits(), typed);
            QVERIFY(table->txtUnitValue->isEnabled());
        }
    }

    void everyBetRangeMessage() {
        OpenTableWith(100000, 100000);
        SetUnitValue(1);
        struct Case {
            const char* Box;
            const char* Typed;
            const char* Message;
        };
        const Case cases[] = {{"txtPlayerBet", "101", "Player bet must be 0 to 100"},
                              {"txtBankerBet", "150", "Banker bet must be 0 to 100"},
                              {"txtTieBet", "21", "Tie bet must be 0 to 20"}};
        for (const Case& c : cases) {
            messages->Clear();
            Type(Box(c.Box, 0), QLatin1String(c.Typed));
            QCOMPARE(messages->Texts(), QStringList{QLatin1String(c.Message)});
            QCOMPARE(messages->Last().Icon, MsgIcon::None);
            QCOMPARE(messages->Last().Buttons, MsgButtons::Ok);
            QCOMPARE(messages->Last().Caption, QStringLiteral("Quorrel Baccarat"));
            QVERIFY2(Box(c.Box, 0)->hasFocus(), c.Box);
            // The check goes on with the number as typed.
            const QString value =
                QString::fromLatin1(c.Box).replace(QStringLiteral("Bet"), QStringLiteral("BetValue"));
            QCOMPARE(Label(qPrintable(value), 0)->text(), QStringLiteral("$%1").arg(QLatin1String(c.Typed)));
            // Leaving it again says it again, until a number in range is typed.
            messages->Clear();
            FocusOn(table->txtSetFocus);
            QCOMPARE(messages->Count(), 1);
            messages->Clear();
            Type(Box(c.Box, 0), QStringLiteral("0"));
            QCOMPARE(messages->Count(), 0);
        }
        // At the limits nothing is said.
        Type(Box("txtPlayerBet", 1), QStringLiteral("100"));
        Type(Box("txtTieBet", 1), QStringLiteral("20"));
        QCOMPARE(messages->Count(), 0);
    }

    void twoBoxesOutOfRangeDoNotPassTheFocusBackAndForth() {
        OpenTableWith(1000, 1000);
        SetUnitValue(1);
        // The add labels take both Tie bets past their limit; the focus stays in seat 1's box, which says
        // so each time the focus is asked to leave it.
        Click("lblTBetInc5", 1, 5);
        Click("lblTBetInc5", 0, 5);
        QCOMPARE(Box("txtTieBet", 0)->Number(), 25);
        QCOMPARE(Box("txtTieBet", 1)->Number(), 25);
        QVERIFY(Box("txtTieBet", 1)->hasFocus());
        messages->Clear();
        FocusOn(Box("txtTieBet", 0));
        QCOMPARE(messages->Texts(), QStringList{QStringLiteral("Tie bet must be 0 to 20")});
        QVERIFY(Box("txtTieBet", 1)->hasFocus());
    }

    void aBetChangedFromPlayerToBanker() {
        OpenTableWith(30, 1000);
        SetUnitValue(10);
        Click("lblPBetInc2", 0);
        Click("lblPBetInc1", 0);
        QCOMPARE(Box("txtPlayerBet", 0)->Number(), 3);
        QCOMPARE(Label("txtPlayerBetValue", 0)->text(), QStringLiteral("$30"));
        // All the seat's money is on Player; 2 x 10 - 30 = -10 more is asked for Banker.
        Click("lblBBetInc2", 0);
        QCOMPARE(messages->Count(), 0);
        QCOMPARE(Box("txtBankerBet", 0)->Number(), 2);
        QCOMPARE(Label("txtBankerBetValue", 0)->text(), QStringLiteral("$20"));
        QVERIFY(Shown(Label("txtBankerBetValue", 0)));
        QCOMPARE(Box("txtPlayerBet", 0)->text(), QStringLiteral("0"));
        QVERIFY(!Shown(Label("txtPlayerBetValue", 0)));
        QVERIFY(Box("txtBankerBet", 0)->hasFocus());
        QVERIFY(!table->txtUnitValue->isEnabled());
        // Typed the other way round, the Banker bet is taken back.
        Type(Box("txtPlayerBet", 0), QStringLiteral("3"));
        QCOMPARE(messages->Count(), 0);
        QCOMPARE(Box("txtBankerBet", 0)->text(), QStringLiteral("0"));
        QVERIFY(!Shown(Label("txtBankerBetValue", 0)));
        QCOMPARE(Label("txtPlayerBetValue", 0)->text(), QStringLiteral("$30"));
    }

    void tieClicksGoPastTwenty() {
        OpenTableWith(1000, 1000);
        SetUnitValue(25);
        Click("lblTBetInc5", 1, 3);
        QCOMPARE(Box("txtTieBet", 1)->Number(), 15);
        QCOMPARE(Label("txtTieBetValue", 1)->text(), QStringLiteral("$375"));
        Click("lblTBetInc5", 1);
        QCOMPARE(Box("txtTieBet", 1)->Number(), 20);
        Click("lblTBetInc5", 1);
        QCOMPARE(Box("txtTieBet", 1)->Number(), 25);
        QCOMPARE(Label("txtTieBetValue", 1)->text(), QStringLiteral("$625"));
        QCOMPARE(messages->Count(), 0);
        QVERIFY(Box("txtTieBet", 1)->hasFocus());
        FocusOn(table->txtSetFocus);
        QCOMPARE(messages->Texts(), QStringList{QStringLiteral("Tie bet must be 0 to 20")});
        // The other seat's bets are untouched.
        QCOMPARE(Box("txtTieBet", 0)->Number(), 0);
    }

    void addsStopWhereTheBoxIsFull() {
        OpenTableWith(100000, 1000);
        SetUnitValue(1);
        Type(Box("txtTieBet", 0), QStringLiteral("97"));
        messages->Clear();
        Click("lblTBetInc5", 0);
        QCOMPARE(Box("txtTieBet", 0)->Number(), 97);
        QCOMPARE(Label("txtTieBetValue", 0)->text(), QStringLiteral("$97"));
        Click("lblTBetInc2", 0);
        QCOMPARE(Box("txtTieBet", 0)->Number(), 99);
        QCOMPARE(Label("txtTieBetValue", 0)->text(), QStringLiteral("$99"));
    }

    void typingZeroTakesABetBackAndLeavesTheTable() {
        OpenTableWith(1000, 1000);
        SetUnitValue(10);
        Type(Box("txtBankerBet", 0), QStringLiteral("4"));
        QCOMPARE(Label("txtBankerBetValue", 0)->text(), QStringLiteral("$40"));
        LeaveLastHand();
        // Money $40, all of it on Banker: taking it back asks for -$40 and passes.
        table->lblPlayerTotal[0]->setText(QStringLiteral("$40"));
        Type(Box("txtBankerBet", 0), QStringLiteral("0"));
        QCOMPARE(messages->Count(), 0);
        QCOMPARE(Label("txtBankerBetValue", 0)->text(), QStringLiteral("$0"));
        QVERIFY(!Shown(Label("txtBankerBetValue", 0)));
        QCOMPARE(Box("txtPlayerBet", 0)->Number(), 0);
        QVERIFY(Shown(table->WinP));
        QVERIFY(Shown(table->pctCardBack[0]));
    }

    void whatATypedBetClearsFromTheTable() {
        OpenTableWith(1000, 1000);
        SetUnitValue(10);
        LeaveLastHand();
        Type(Box("txtPlayerBet", 1), QStringLiteral("2"));
        QVERIFY(!Shown(table->WinP));
        QVERIFY(Shown(table->pctCardBack[0]));
        LeaveLastHand();
        Type(Box("txtTieBet", 1), QStringLiteral("1"));
        QVERIFY(!Shown(table->WinP));
        QVERIFY(!Shown(table->pctCardBack[0]));
        LeaveLastHand();
        Type(Box("txtBankerBet", 0), QStringLiteral("1"));
        QVERIFY(!Shown(table->WinP));
        QVERIFY(!Shown(table->pctCardBack[0]));
        QVERIFY(!table->txtUnitValue->isEnabled());
    }

    void clearLabels() {
        OpenTableWith(1000, 1000);
        SetUnitValue(10);
        Click("lblBBetInc5", 1);
        Click("lblTBetInc1", 1);
        LeaveLastHand();
        Click("lblBBetInc0", 1);
        QCOMPARE(Box("txtBankerBet", 1)->text(), QStringLiteral("0"));
        QCOMPARE(Label("txtBankerBetValue", 1)->text(), QStringLiteral("$0"));
        QVERIFY(!Shown(Label("txtBankerBetValue", 1)));
        QVERIFY(Box("txtBankerBet", 1)->hasFocus());
        QVERIFY(!Shown(table->WinP));
        QVERIFY(!Shown(table->pctCardBack[0]));
        QCOMPARE(Box("txtTieBet", 1)->Number(), 1);
        Click("lblTBetInc0", 1);
        QCOMPARE(Box("txtTieBet", 1)->Number(), 0);
        QCOMPARE(messages->Count(), 0);
    }

    void anIncreaseNotCoveredIsRefused() {
        OpenTableWith(100, 1000);
        SetUnitValue(10);
        Click("lblPBetInc5", 0);
        Click("lblTBetInc2", 0);
        QCOMPARE(messages->Count(), 0);
        // $70 on the table of $100: five more units on Player would need $50.
        Click("lblPBetInc5", 0);
        QCOMPARE(messages->Texts(), QStringList{NotEnoughMoney});
        QCOMPARE(messages->Last().Icon, MsgIcon::Exclamation);
        QCOMPARE(Box("txtPlayerBet", 0)->Number(), 5);
        QCOMPARE(Label("txtPlayerBetValue", 0)->text(), QStringLiteral("$50"));
        QCOMPARE(Box("txtTieBet", 0)->Number(), 2);

        // Typed into the Player box: back to what it held, and the focus stays there.
        messages->Clear();
        Type(Box("txtPlayerBet", 0), QStringLiteral("9"));
        QCOMPARE(messages->Texts(), QStringList{NotEnoughMoney});
        QCOMPARE(Box("txtPlayerBet", 0)->Number(), 5);
        QVERIFY(Box("txtPlayerBet", 0)->hasFocus());
        QCOMPARE(Label("txtPlayerBetValue", 0)->text(), QStringLiteral("$50"));
        // Exactly what is left is accepted.
        messages->Clear();
        Type(Box("txtPlayerBet", 0), QStringLiteral("8"));
        QCOMPARE(messages->Count(), 0);
        QCOMPARE(Label("txtPlayerBetValue", 0)->text(), QStringLiteral("$80"));

        // Typed into the Tie box: back to what it held, the focus goes where the user moved it.
        messages->Clear();
        Type(Box("txtTieBet", 0), QStringLiteral("3"));
        QCOMPARE(messages->Texts(), QStringList{NotEnoughMoney});
        QCOMPARE(Box("txtTieBet", 0)->Number(), 2);
        QVERIFY(table->txtSetFocus->hasFocus());
    }

    void theSeatsAreIndependent() {
        OpenTableWith(1000, 20);
        SetUnitValue(10);
        Click("lblBBetInc5", 0);
        QCOMPARE(messages->Count(), 0);
        Click("lblBBetInc5", 1);
        QCOMPARE(messages->Texts(), QStringList{NotEnoughMoney});
        QCOMPARE(Box("txtBankerBet", 1)->Number(), 0);
        messages->Clear();
        Type(Box("txtPlayerBet", 1), QStringLiteral("2"));
        QCOMPARE(messages->Count(), 0);
        QCOMPARE(Box("txtBankerBet", 0)->Number(), 5);
        QCOMPARE(Label("txtPlayerBetValue", 1)->text(), QStringLiteral("$20"));
        QCOMPARE(Label("txtBankerBetValue", 0)->text(), QStringLiteral("$50"));
    }

    void aBetLostLastHandDoesNotHoldMoneyBack() {
        OpenTableWith(100, 1000);
        SetUnitValue(10);
        Type(Box("txtTieBet", 0), QStringLiteral("5"));
        // The last hand took the Tie bet off; its value still shows beside the lose mark.
        table->txtTieBet[0]->SetDigits(QStringLiteral("0"));
        QCOMPARE(Label("txtTieBetValue", 0)->text(), QStringLiteral("$50"));
        Type(Box("txtPlayerBet", 0), QStringLiteral("10"));
        QCOMPARE(messages->Count(), 0);
        QCOMPARE(Label("txtPlayerBetValue", 0)->text(), QStringLiteral("$100"));
    }

    void focusLostToAnotherWindowChecksNothing() {
        OpenTableWith(1000, 1000);
        MaskedEdit* box = Box("txtPlayerBet", 0);
        FocusOn(box);
        box->selectAll();
        QTest::keyClicks(box, QStringLiteral("500"));
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box, &out);
        QCOMPARE(messages->Count(), 0);
        QVERIFY(!Shown(Label("txtPlayerBetValue", 0)));
        // The window coming back does not forget what the box held when it was entered.
        QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(box, &in);
        QCOMPARE(table->SavedBet, 0);
    }
};

QTEST_MAIN(BetEntryTest)
#include "BetEntryTest.moc"
