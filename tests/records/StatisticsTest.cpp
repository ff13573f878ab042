#include "IniFile.h"
#include "MaskedEdit.h"
#include "RecordingPresenter.h"
#include "StatisticsWindow.h"
#include "TableMoney.h"
#include "TempSettings.h"

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace bacc;

namespace {

const QString FullRecords = QStringLiteral("[ShoesHandsPlayed]\n"
                                           "Hands= 12\n"
                                           "Decks1= 0\n"
                                           "Decks2= 1\n"
                                           "Decks4= 2\n"
                                           "Decks6= 3\n"
                                           "Decks8= 4\n"
                                           "[Player1Stats]\n"
                                           "Steak= 1000\n"
                                           "Win=-40\n"
                                           "Turnover= 150\n"
                                           "[Player2Stats]\n"
                                           "Steak= 500\n"
                                           "Win= 75\n"
                                           "Turnover= 300\n"
                                           "[frmStatistics]\n"
                                           "Top= 300\n"
                                           "Left= 450\n");

// The two money captions of a table, as the statistics window reaches them.
class FakeTable : public TableMoney {
public:
    FakeTable() { SetTableMoney(this); }
    ~FakeTable() override { SetTableMoney(nullptr); }
    QString PlayerWinningsCaption(int seat) const override { return winnings[seat]; }
    void SetPlayerWinningsCaption(int seat, const QString& caption) override { winnings[seat] = caption; }
    QString PlayerTotalCaption(int seat) const override { return totals[seat]; }
    void SetPlayerTotalCaption(int seat, const QString& caption) override { totals[seat] = caption; }
    QString winnings[2] = {QStringLiteral("-$40"), QStringLiteral("$75")};
    QString totals[2] = {QStringLiteral("$960"), QStringLiteral("$575")};
};

} // namespace

class StatisticsTest : public QObject {
    Q_OBJECT

private:
    StatisticsWindow* Open() {
        StatisticsWindow* window = OpenStatistics();
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window)) {
            qWarning("statistics window not active");
        }
        return window;
    }
    static QString Text(QWidget* window, const QString& name) {
        if (auto* label = window->findChild<QLabel*>(name)) {
            return label->text();
        }
        if (auto* edit = window->findChild<QLineEdit*>(name)) {
            return edit->text();
        }
        return QStringLiteral("<missing %1>").arg(name);
    }
    static MaskedEdit* Steak(QWidget* window, int index) {
        return window->findChild<MaskedEdit*>(QStringLiteral("mskSteak(%1)").arg(index));
    }
    // Types into a stake field and moves the focus on to the other one.
    static void EnterSteak(QWidget* window, int index, const QString& keys) {
        MaskedEdit* field = Steak(window, index);
        field->setFocus();
        QApplication::processEvents();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, keys);
        Steak(window, 1 - index)->setFocus();
        QApplication::processEvents();
    }

private slots:
    void cleanup() {
        CloseStatistics();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void showsTheStoredRecords() {
        test::TempSettings settings(FullRecords);
        StatisticsWindow* window = Open();
        QCOMPARE(window->windowTitle(),
                 QString(20, QLatin1Char(' ')) + QStringLiteral("S  T  A  T  I  S  T  I  C  S"));
        // Counts exactly as stored, the leading blank included.
        QCOMPARE(Text(window, "lblHandsPlayed"), QStringLiteral(" 12"));
        const QStringList decks = {" 0", " 1", " 2", " 3", " 4"};
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(Text(window, QStringLiteral("lblShoesPlayedDecks(%1)").arg(k)), decks[k]);
        }
        QCOMPARE(Steak(window, 0)->Digits(), QStringLiteral("1000"));
        QCOMPARE(Steak(window, 0)->Number(), 1000);
        QCOMPARE(Text(window, "lblCurrentMoney(0)"), QStringLiteral("$960"));
        QCOMPARE(Text(window, "lblWinningsStat(0)"), QStringLiteral("-$40"));
        QCOMPARE(Text(window, "lblTurnover(0)"), QStringLiteral("$150"));
        QCOMPARE(Text(window, "lblCurrentMoney(1)"), QStringLiteral("$575"));
        QCOMPARE(Text(window, "lblWinningsStat(1)"), QStringLiteral("$75"));
        QCOMPARE(Text(window, "lblTurnover(1)"), QStringLiteral("$300"));
        QCOMPARE(Steak(window, 1)->toolTip(),
                 QStringLiteral("Enter between $1 and $10,000,000 (use Tab key to exit)"));
        QVERIFY(window->findChild<QWidget*>("frmShoesPlayed") != nullptr);
        QCOMPARE(window->findChild<QPushButton*>("cmdResetStats")->text(),
                 QStringLiteral("&Reset Statistics"));
        // Opening again gives the same window.
        QCOMPARE(OpenStatistics(), window);
    }

    void missingRecordsShowAsStored() {
        test::TempSettings settings(QStringLiteral("[Player1Stats]\nSteak= 200\nWin=abc\n"));
        StatisticsWindow* window = Open();
        QCOMPARE(Text(window, "lblHandsPlayed"), QStringLiteral("No"));
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(Text(window, QStringLiteral("lblShoesPlayedDecks(%1)").arg(k)), QStringLiteral("No"));
        }
        // Text that is not a number is shown unchanged and counts as 0.
        QCOMPARE(Text(window, "lblWinningsStat(0)"), QStringLiteral("abc"));
        QCOMPARE(Text(window, "lblCurrentMoney(0)"), QStringLiteral("$200"));
        QCOMPARE(Text(window, "lblTurnover(0)"), QStringLiteral("No"));
        // A stake that is missing is 0 in every sum, and that is what its field shows.
        QCOMPARE(Steak(window, 1)->Number(), 0);
        QCOMPARE(Steak(window, 1)->Digits(), QStringLiteral("0"));
        QCOMPARE(Text(window, "lblCurrentMoney(1)"), QStringLiteral("$0"));
        QCOMPARE(Text(window, "lblWinningsStat(1)"), QStringLiteral("No"));
    }

    void aStakeTheFieldCannotHoldIsNotTurnedAround() {
        test::TempSettings settings(
            QStringLiteral("[Player1Stats]\nSteak=-500\n[Player2Stats]\nSteak= 123456789\n"));
        StatisticsWindow* window = Open();
        QCOMPARE(Steak(window, 0)->Number(), 0);
        QCOMPARE(Steak(window, 1)->Number(), 99999999);
    }

    void changingAStakeShowsHereAndOnTheTable() {
        test::TempSettings settings(FullRecords);
        FakeTable table;
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        EnterSteak(window, 0, QStringLiteral("2500"));
        QCOMPARE(messages.Count(), 0);
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 2500"));
        QCOMPARE(Text(window, "lblCurrentMoney(0)"), QStringLiteral("$2460"));
        QCOMPARE(table.totals[0], QStringLiteral("$2460"));
        // The table's own winnings are used for its total.
        table.winnings[1] = QStringLiteral("$100");
        EnterSteak(window, 1, QStringLiteral("50"));
        QCOMPARE(Text(window, "lblCurrentMoney(1)"), QStringLiteral("$125"));
        QCOMPARE(table.totals[1], QStringLiteral("$150"));
        QCOMPARE(table.totals[0], QStringLiteral("$2460"));
    }

    void theStakeShowsAsMoneyWhileItIsNotEdited() {
        test::TempSettings settings(FullRecords);
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        QLabel* shown = window->findChild<QLabel*>("mskSteakShown(0)");
        QCOMPARE(shown->text(), QStringLiteral("$1000"));
        QVERIFY(shown->isVisibleTo(window));
        Steak(window, 0)->setFocus();
        QApplication::processEvents();
        QVERIFY(!shown->isVisibleTo(window));
        EnterSteak(window, 0, QStringLiteral("75"));
        QVERIFY(shown->isVisibleTo(window));
        QCOMPARE(shown->text(), QStringLiteral("$75"));
    }

    void onlyDigitsCanBeTyped() {
        test::TempSettings settings(FullRecords);
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        EnterSteak(window, 0, QStringLiteral("-1a2.b3"));
        QCOMPARE(Steak(window, 0)->Number(), 123);
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 123"));
    }

    void anEmptyStakeBecomesZero() {
        test::TempSettings settings(FullRecords);
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        EnterSteak(window, 1, QString());
        QCOMPARE(Steak(window, 1)->Digits(), QStringLiteral("0"));
        QCOMPARE(Steak(window, 1)->text(), QStringLiteral("$0"));
        QCOMPARE(ReadIni("Player2Stats", "Steak"), QStringLiteral(" 0"));
        QCOMPARE(Text(window, "lblCurrentMoney(1)"), QStringLiteral("$75"));
        QCOMPARE(messages.Count(), 0);
    }

    void aRefusedStakeIsNeverStoredOrUsed() {
        test::TempSettings settings(FullRecords);
        FakeTable table;
        const QString totalBefore = table.totals[0];
        const QString stored = ReadIni("Player1Stats", "Steak");
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        EnterSteak(window, 0, QStringLiteral("20000000"));
        QCOMPARE(messages.Texts(), QStringList{QStringLiteral("Steak Money must be 0 to $10,000,000")});
        QCOMPARE(messages.Last().Icon, MsgIcon::None);
        QVERIFY(Steak(window, 0)->hasFocus());
        QCOMPARE(ReadIni("Player1Stats", "Steak"), stored);
        QCOMPARE(table.totals[0], totalBefore);
        // The corrected value is stored on the first leave after the message.
        messages.Clear();
        EnterSteak(window, 0, QStringLiteral("1500"));
        QCOMPARE(messages.Count(), 0);
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 1500"));
        // Exactly ten million is within range; a value refused when the window closes is not kept.
        EnterSteak(window, 0, QStringLiteral("10000000"));
        QCOMPARE(messages.Count(), 0);
        EnterSteak(window, 1, QStringLiteral("30000000"));
        QCOMPARE(messages.Count(), 1);
        const QString second = ReadIni("Player2Stats", "Steak");
        CloseStatistics();
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 10000000"));
        QCOMPARE(ReadIni("Player2Stats", "Steak"), second);
    }

    void twoStakesOutOfRangeDoNotPassTheFocusBackAndForth() {
        // The second stake was stored out of range earlier; the first is typed out of range now.
        test::TempSettings settings(
            QStringLiteral("[Player1Stats]\nSteak= 100\n[Player2Stats]\nSteak= 30000000\n"));
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        EnterSteak(window, 0, QStringLiteral("20000000"));
        QCOMPARE(messages.Texts(), QStringList{QStringLiteral("Steak Money must be 0 to $10,000,000")});
        QVERIFY(Steak(window, 0)->hasFocus());
    }

    void losingTheFocusToAnotherWindowChecksNothing() {
        test::TempSettings settings(FullRecords);
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        MaskedEdit* field = Steak(window, 0);
        field->setFocus();
        QApplication::processEvents();
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("20000000"));
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(field, &out);
        QCOMPARE(messages.Count(), 0);
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 1000"));
    }

    void resetCancelledChangesNothing() {
        test::TempSettings settings(FullRecords);
        FakeTable table;
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        const QByteArray before = settings.Contents();
        messages.QueueAnswer(MsgResult::Cancel);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdResetStats"), Qt::LeftButton);
        QCOMPARE(messages.Count(), 1);
        QCOMPARE(messages.Last().Text,
                 QStringLiteral("Are you sure you want ALL the statistics set to ZERO"));
        QCOMPARE(messages.Last().Icon, MsgIcon::Exclamation);
        QCOMPARE(messages.Last().Buttons, MsgButtons::OkCancel);
        QCOMPARE(settings.Contents(), before);
        QCOMPARE(Text(window, "lblHandsPlayed"), QStringLiteral(" 12"));
        QCOMPARE(Text(window, "lblWinningsStat(0)"), QStringLiteral("-$40"));
        QCOMPARE(Steak(window, 0)->Number(), 1000);
        QCOMPARE(table.totals[0], QStringLiteral("$960"));
        QCOMPARE(table.winnings[1], QStringLiteral("$75"));
    }

    void resetSetsEverythingToZero() {
        test::TempSettings settings(FullRecords);
        FakeTable table;
        test::RecordingPresenter messages;
        StatisticsWindow* window = Open();
        messages.QueueAnswer(MsgResult::Ok);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdResetStats"), Qt::LeftButton);
        QCOMPARE(Text(window, "lblHandsPlayed"), QStringLiteral("0"));
        QCOMPARE(ReadIni("ShoesHandsPlayed", "Hands"), QStringLiteral(" 0"));
        for (const char* key : {"Decks1", "Decks2", "Decks4", "Decks6", "Decks8"}) {
            QCOMPARE(ReadIni("ShoesHandsPlayed", key), QStringLiteral(" 0"));
        }
        for (int k = 0; k < 5; ++k) {
            QCOMPARE(Text(window, QStringLiteral("lblShoesPlayedDecks(%1)").arg(k)), QStringLiteral("0"));
        }
        for (int i = 0; i < 2; ++i) {
            const QString section = QStringLiteral("Player%1Stats").arg(i + 1);
            for (const char* key : {"Steak", "Win", "Turnover"}) {
                QCOMPARE(ReadIni(section, key), QStringLiteral(" 0"));
            }
            QCOMPARE(Steak(window, i)->text(), QStringLiteral("$0"));
            QCOMPARE(Text(window, QStringLiteral("lblCurrentMoney(%1)").arg(i)), QStringLiteral("$0"));
            QCOMPARE(Text(window, QStringLiteral("lblWinningsStat(%1)").arg(i)), QStringLiteral("$0"));
            QCOMPARE(Text(window, QStringLiteral("lblTurnover(%1)").arg(i)), QStringLiteral("$0"));
            QCOMPARE(table.totals[i], QStringLiteral("$0"));
            QCOMPARE(table.winnings[i], QStringLiteral("$0"));
        }
        // A refresh from the file agrees with what the reset showed.
        window->RefreshStatistics();
        QCOMPARE(Text(window, "lblHandsPlayed"), QStringLiteral(" 0"));
        QCOMPARE(Text(window, "lblTurnover(1)"), QStringLiteral("$0"));
    }

    void closingStoresTheStakesAndThePosition() {
        test::TempSettings settings(
            QStringLiteral("[Player1Stats]\nSteak=No\nWin= 10\n[frmStatistics]\nTop= 300\nLeft= 450\n"));
        FakeTable table;
        StatisticsWindow* window = Open();
        QCOMPARE(window->Frame()->pos(), QPoint(30, 20));
        QSignalSpy unloaded(window, &StatisticsWindow::Unloaded);
        window->Frame()->move(40, 60);
        CloseStatistics();
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(TheStatistics() == nullptr);
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 0"));
        QCOMPARE(ReadIni("Player2Stats", "Steak"), QStringLiteral(" 0"));
        QCOMPARE(ReadIni("frmStatistics", "Top"), QStringLiteral(" 900"));
        QCOMPARE(ReadIni("frmStatistics", "Left"), QStringLiteral(" 600"));
        QCOMPARE(table.totals[0], QStringLiteral("-$40"));
    }
};

QTEST_MAIN(StatisticsTest)
#include "StatisticsTest.moc"
