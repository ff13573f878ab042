// A hand's statistics are one write of the settings file: a deal of many hands replaces it once a hand,
// and with each seat's turnover grown by its stake. That a write is whole even when the game is killed
// in its midst is the settings file's own test (IniFileTest).
#include "FastPause.h"
#include "IniFile.h"
#include "NumberText.h"
#include "RecordingPresenter.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <QApplication>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>

using namespace bacc;

namespace {

// Each seat has $100 in play every hand: two $50 units on Banker; one on Player and one on Tie.
constexpr long long StakePerHand = 100;

long long StoredWhole(const char* section, const char* key) {
    return RoundHalfAway(LeadingNumber(ReadIni(QLatin1String(section), QLatin1String(key)).toStdString()));
}

} // namespace

class DealWritesTest : public QObject {
    Q_OBJECT

private slots:
    void aHandIsOneReplacementOfTheFile() {
        test::TempSettings settings;
        test::RecordingPresenter boxes;
        test::FastPause clock;
        TableWindow* table = OpenTable();
        const int watcher = inotify_init1(IN_NONBLOCK);
        QVERIFY(inotify_add_watch(watcher, QFileInfo(IniPath()).absolutePath().toLocal8Bit().constData(),
                                  IN_MOVED_FROM | IN_MOVED_TO) >= 0); // never two alike in a row
        const long long hands = StoredWhole("ShoesHandsPlayed", "Hands");
        table->findChild<QPushButton*>("maisyk")->click();
        for (const char* add : {"lblBBetInc2(0)", "lblPBetInc1(1)", "lblTBetInc1(1)"}) {
            QTest::mouseClick(table->findChild<QWidget*>(QLatin1String(add)), Qt::LeftButton);
        }
        table->findChild<MaskedEdit*>("HandsAtaTime")->SetDigits("10");
        table->findChild<QPushButton*>("duokkortos")->click();
        QCOMPARE(StoredWhole("ShoesHandsPlayed", "Hands"), hands + 10);
        QCOMPARE(StoredWhole("Player1Stats", "Turnover"), StakePerHand * 10);
        QCOMPARE(StoredWhole("Player2Stats", "Turnover"), StakePerHand * 10);
        int replaced = 0;
        alignas(inotify_event) char events[16384];
        for (ssize_t got; (got = read(watcher, events, sizeof events)) > 0;) {
            for (char* at = events; at < events + got;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                replaced +=
                    (event->mask & IN_MOVED_TO) != 0 && QByteArray(event->name) == "BACCARAT.INI" ? 1 : 0;
                at += sizeof(inotify_event) + event->len;
            }
        }
        close(watcher);
        QCOMPARE(replaced, 10);
        table->close();
    }
};

QTEST_MAIN(DealWritesTest)
#include "DealWritesTest.moc"
