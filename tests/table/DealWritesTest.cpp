// A hand's statistics are one write of the settings file: a deal of many hands replaces it once a hand,
// and a game killed at any moment of its deals leaves every seat's turnover at hands x stake.
#include "FastPause.h"
#include "IniFile.h"
#include "NumberText.h"
#include "RecordingPresenter.h"
#include "TableWindow.h"
#include "TempSettings.h"

#include <sys/inotify.h>
#include <thread>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>

using namespace bacc;

namespace {

const char* const ChildVariable = "DEALWRITESTEST_CHILD";
// Each seat has $100 in play every hand: two $50 units on Banker; one on Player and one on Tie.
constexpr long long StakePerHand = 100;

long long StoredWhole(const char* section, const char* key) {
    return RoundHalfAway(LeadingNumber(ReadIni(QLatin1String(section), QLatin1String(key)).toStdString()));
}

void Click(TableWindow* table, const char* name) {
    QTest::mouseClick(table->findChild<QWidget*>(QLatin1String(name)), Qt::LeftButton);
}

// A new shoe, both seats' bets, and a deal of so many hands.
void ShuffleBetAndDeal(TableWindow* table, int hands) {
    table->findChild<QPushButton*>("maisyk")->click();
    Click(table, "lblBBetInc2(0)");
    Click(table, "lblPBetInc1(1)");
    Click(table, "lblTBetInc1(1)");
    table->findChild<MaskedEdit*>("HandsAtaTime")->SetDigits(QString::number(hands));
    table->findChild<QPushButton*>("duokkortos")->click();
}

// The child deals 90-hand shoes until it is killed.
int RunChild(const QString& iniPath) {
    SetIniPath(iniPath);
    test::RecordingPresenter boxes;
    test::FastPause clock;
    TableWindow* table = OpenTable();
    std::fputs("dealing\n", stdout);
    std::fflush(stdout);
    for (;;) {
        ShuffleBetAndDeal(table, 90);
    }
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
        ShuffleBetAndDeal(table, 10);
        QCOMPARE(StoredWhole("ShoesHandsPlayed", "Hands"), hands + 10);
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

    void aKilledDealLeavesTurnoverAtHandsTimesStake() {
        test::TempSettings settings;
        for (const char* seat : {"Player1Stats", "Player2Stats"}) {
            WriteIniValues({{seat, "Steak", " 100000000"}, {seat, "Turnover", " 0"}, {seat, "Win", " 0"}});
        }
        WriteIni("ShoesHandsPlayed", "Hands", " 0");
        QRandomGenerator random(18);
        long long previous = 0;
        int advanced = 0;
        const int kills = 40;
        for (int round = 0; round < kills; ++round) {
            QProcess game;
            QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
            environment.insert(ChildVariable, IniPath());
            environment.insert("QT_QPA_PLATFORM", "offscreen");
            game.setProcessEnvironment(environment);
            game.start(QCoreApplication::applicationFilePath(), {});
            QVERIFY(game.waitForReadyRead(20000));
            std::this_thread::sleep_for(std::chrono::milliseconds(random.bounded(400)));
            game.kill();
            QVERIFY(game.waitForFinished());
            const long long hands = StoredWhole("ShoesHandsPlayed", "Hands");
            QCOMPARE(StoredWhole("Player1Stats", "Turnover"), StakePerHand * hands);
            QCOMPARE(StoredWhole("Player2Stats", "Turnover"), StakePerHand * hands);
            advanced += hands > previous ? 1 : 0;
            previous = hands;
            RemoveLeftoverTemporaryFiles();
        }
        qInfo("%d kills, %d after progress, %lld hands", kills, advanced, previous);
        QVERIFY(advanced > kills / 2);
    }
};

int main(int argc, char* argv[]) {
    const QByteArray child = qgetenv(ChildVariable);
    if (!child.isEmpty()) {
        QApplication app(argc, argv);
        return RunChild(QString::fromLocal8Bit(child));
    }
    QApplication app(argc, argv);
    DealWritesTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DealWritesTest.moc"
