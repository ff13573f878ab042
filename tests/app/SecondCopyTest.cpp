#include "TempSettings.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// The game itself, started twice on one settings file in the ways that once made two copies: another
// display string, no runtime directory, another name of the file. What a killed copy leaves behind is the
// guard's own test (SingleInstanceTest).
class SecondCopyTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir config_;

    QString Ini() const { return config_.filePath(QStringLiteral("quorrel-baccarat/BACCARAT.INI")); }

    void Start(QProcess& game, const QString& display, const QString& config = {},
               const QString& runtime = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.insert("XDG_CONFIG_HOME", config.isEmpty() ? config_.path() : config);
        environment.insert("DISPLAY", display);
        environment.remove("WAYLAND_DISPLAY");
        if (runtime.isEmpty()) {
            environment.remove("XDG_RUNTIME_DIR");
        } else {
            environment.insert("XDG_RUNTIME_DIR", runtime);
        }
        game.setProcessEnvironment(environment);
        game.start(QStringLiteral(BACCARAT_GAME), {});
        QVERIFY(game.waitForStarted());
    }

    // Whether the lock of the settings file is held by another process.
    bool LockHeld() const {
        const int lock = ::open(QFile::encodeName(Ini() + ".lock").constData(), O_RDONLY | O_CLOEXEC);
        const bool held = lock >= 0 && ::flock(lock, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
        if (lock >= 0) {
            ::close(lock);
        }
        return held;
    }

    // Whether the game holds the lock, waiting up to 20 seconds for it to start.
    bool HeldByTheGame(QProcess& game) {
        return QTest::qWaitFor([&] { return LockHeld() || game.state() != QProcess::Running; }, 20000) &&
               LockHeld() && game.state() == QProcess::Running;
    }

private slots:
    void initTestCase() {
        QVERIFY(config_.isValid());
        if (QFileInfo::exists(QFileInfo(QStringLiteral(BACCARAT_GAME)).dir().filePath("BACCARAT.INI"))) {
            QSKIP("a settings file lies beside the game, which it would use");
        }
        QVERIFY(QDir().mkpath(QFileInfo(Ini()).path()));
        QVERIFY(QFile::copy(bacc::test::ShippedIniPath(), Ini()));
        QVERIFY(QFile::setPermissions(Ini(), QFile::ReadOwner | QFile::WriteOwner));
    }

    void aSecondCopyOnTheSameFileEnds() {
        QProcess first;
        Start(first, ":63");
        QVERIFY(HeldByTheGame(first));

        QProcess second;
        Start(second, ":63.0");
        QVERIFY2(second.waitForFinished(15000), "the second copy runs");
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }

    // A hard link in another configuration directory names the same file: its lock file is another, but
    // the copy started through it ends all the same, having asked the first to come to the front through
    // the session's runtime directory (without one the two copies share no directory for a socket, and
    // the user would be told that the game is already running).
    void aCopyThroughAHardLinkEnds() {
        QTemporaryDir other;
        QTemporaryDir runtime;
        const QString link = other.filePath(QStringLiteral("quorrel-baccarat/BACCARAT.INI"));
        QVERIFY(QDir().mkpath(QFileInfo(link).path()));
        QCOMPARE(::link(QFile::encodeName(Ini()).constData(), QFile::encodeName(link).constData()), 0);
        QProcess first;
        Start(first, ":63", config_.path(), runtime.path());
        QVERIFY(HeldByTheGame(first));
        QProcess second;
        Start(second, ":63", other.path(), runtime.path());
        QVERIFY2(second.waitForFinished(15000), "the second copy runs");
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(SecondCopyTest)
#include "SecondCopyTest.moc"
