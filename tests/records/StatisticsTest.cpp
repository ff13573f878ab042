// The statistics window: what it shows of the stored records, the stakes typed into it (and what a
// refused one must not do), the reset, and what it stores when it closes.
#include "IniFile.h"
#include "MaskedEdit.h"
#include "RecordingPresenter.h"
#include "StatisticsWindow.h"
#include "TableMoney.h"
#include "TempSettings.h"

#include <memory>

#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace bacc;

namespace {

const QString FullRecords =
    QStringLiteral("[ShoesHandsPlayed]\nHands= 12\nDecks1= 0\nDecks2= 1\nDecks4= 2\nDecks6= 3\nDecks8= 4\n"
                   "[Player1Stats]\nSteak= 1000\nWin=-40\nTurnover= 150\n"
                   "[Player2Stats]\nSteak= 500\nWin= 75\nTurnover= 300\n");

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

    std::unique_ptr<test::TempSettings> settings_;
    std::unique_ptr<FakeTable> table_;
    std::unique_ptr<test::RecordingPresenter> messages_;

    // The window opened on these records, beside a table, with every message recorded.
    StatisticsWindow* Open(const QString& records = FullRecords) {
        CloseStatistics();
        messages_.reset(); // each restores what was there before it
        table_.reset();
        settings_.reset();
        settings_ = std::make_unique<test::TempSettings>(records);
        table_ = std::make_unique<FakeTable>();
        messages_ = std::make_unique<test::RecordingPresenter>();
        StatisticsWindow* window = OpenStatistics();
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window)) {
            qWarning("statistics window not active");
        }
        return window;
    }
    static MaskedEdit* Steak(QWidget* window, int seat) {
        return window->findChild<MaskedEdit*>(QStringLiteral("mskSteak(%1)").arg(seat));
    }
    // Types into a stake field and moves the focus on to the other one.
    static void EnterSteak(QWidget* window, int seat, const QString& keys) {
        Steak(window, seat)->setFocus();
        QApplication::processEvents();
        Steak(window, seat)->selectAll();
        QTest::keyClick(Steak(window, seat), Qt::Key_Delete);
        QTest::keyClicks(Steak(window, seat), keys);
        Steak(window, 1 - seat)->setFocus();
        QApplication::processEvents();
    }
    // Everything the window shows: hands, shoes of 1, 2, 4, 6 and 8 decks, and per seat the stake (as
    // shown while it is not edited), current money, winnings and turnover.
    static QString Shown(QWidget* window) {
        const auto text = [window](const QString& name) { return window->findChild<QLabel*>(name)->text(); };
        QStringList shown{text("lblHandsPlayed")};
        for (int k = 0; k < 5; ++k) {
            shown << text(QStringLiteral("lblShoesPlayedDecks(%1)").arg(k));
        }
        for (const char* name : {"mskSteakShown", "lblCurrentMoney", "lblWinningsStat", "lblTurnover"}) {
            shown << text(QStringLiteral("%1(0)").arg(QLatin1String(name)))
                  << text(QStringLiteral("%1(1)").arg(QLatin1String(name)));
        }
        return shown.join('|');
    }

private slots:
    void cleanup() {
        CloseStatistics();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        messages_.reset();
        table_.reset();
        settings_.reset();
    }

    void showsTheRecordsAsStored() {
        // Counts exactly as stored, the leading blank included; text that is no number is shown as it is
        // and counts as 0, and so does a missing stake.
        QCOMPARE(Shown(Open()), QStringLiteral(" 12| 0| 1| 2| 3| 4|$1000|$500|$960|$575|-$40|$75|$150|$300"));
        QCOMPARE(Shown(Open(QStringLiteral("[Player1Stats]\nSteak= 200\nWin=abc\n"))),
                 QStringLiteral("No|No|No|No|No|No|$200|$0|$200|$0|abc|No|No|No"));
    }

    void aStakeTypedShowsHereAndOnTheTable() {
        StatisticsWindow* window = Open();
        EnterSteak(window, 0, "2500");
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 2500"));
        // The table's own winnings are used for its total; an empty stake is 0.
        table_->winnings[1] = QStringLiteral("$100");
        EnterSteak(window, 1, "");
        QCOMPARE(ReadIni("Player2Stats", "Steak"), QStringLiteral(" 0"));
        QCOMPARE(Shown(window), QStringLiteral(" 12| 0| 1| 2| 3| 4|$2500|$0|$2460|$75|-$40|$75|$150|$300"));
        QCOMPARE(table_->totals[0], QStringLiteral("$2460"));
        QCOMPARE(table_->totals[1], QStringLiteral("$100"));
        QCOMPARE(messages_->Count(), 0);
    }

    void aRefusedStakeIsNeverStoredOrUsed() {
        StatisticsWindow* window = Open();
        EnterSteak(window, 0, "20000000");
        QCOMPARE(messages_->Texts(), QStringList{"Steak Money must be 0 to $10,000,000"});
        QVERIFY(Steak(window, 0)->hasFocus());
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 1000"));
        QCOMPARE(table_->totals[0], QStringLiteral("$960"));
        // The corrected value is stored on the first leave after the message.
        messages_->Clear();
        EnterSteak(window, 0, "1500");
        QCOMPARE(ReadIni("Player1Stats", "Steak"), QStringLiteral(" 1500"));
        // A value refused when the window closes is not kept.
        EnterSteak(window, 1, "30000000");
        QCOMPARE(messages_->Count(), 1); // and none for the corrected value
        CloseStatistics();
        QCOMPARE(ReadIni("Player2Stats", "Steak"), QStringLiteral(" 500"));
    }

    void theResetAsksThenZeroesEverything() {
        StatisticsWindow* window = Open();
        const QByteArray before = settings_->Contents();
        const QString shown = Shown(window);
        messages_->QueueAnswer(MsgResult::Cancel);
        QTest::mouseClick(window->findChild<QPushButton*>("cmdResetStats"), Qt::LeftButton);
        QCOMPARE(messages_->Texts(), QStringList{"Are you sure you want ALL the statistics set to ZERO"});
        QCOMPARE(messages_->Last().Buttons, MsgButtons::OkCancel);
        QCOMPARE(settings_->Contents(), before);
        QCOMPARE(Shown(window), shown);
        QCOMPARE(table_->totals[0], QStringLiteral("$960"));

        QTest::mouseClick(window->findChild<QPushButton*>("cmdResetStats"), Qt::LeftButton); // OK
        QCOMPARE(Shown(window), QStringLiteral("0|0|0|0|0|0|$0|$0|$0|$0|$0|$0|$0|$0"));
        QCOMPARE(table_->totals[1] + table_->winnings[1], QStringLiteral("$0$0"));
        // What the file now holds, read back.
        window->RefreshStatistics();
        QCOMPARE(Shown(window), QStringLiteral(" 0| 0| 0| 0| 0| 0|$0|$0|$0|$0|$0|$0|$0|$0"));
    }

    // A stake that was never a number is stored as 0; the table goes back to the stored stake.
    void closingStoresTheStakes() {
        Open(QStringLiteral("[Player1Stats]\nSteak=No\nWin= 10\n"));
        CloseStatistics();
        QCOMPARE(ReadIni("Player1Stats", "Steak") + ReadIni("Player2Stats", "Steak"), QStringLiteral(" 0 0"));
        QCOMPARE(table_->totals[0], QStringLiteral("-$40"));
    }
};

QTEST_MAIN(StatisticsTest)
#include "StatisticsTest.moc"
