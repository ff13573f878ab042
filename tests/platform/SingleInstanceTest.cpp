#include "SingleInstance.h"

#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace bacc;

namespace {

const char* const CopyVariable = "SINGLEINSTANCETEST_INI";

// A copy of the program in its own process, as far as the guard goes: prints "second" and ends when
// another copy holds the settings file, else "first <socket>", then "activated" for every request.
int RunCopy(const QString& iniPath) {
    SingleInstance instance(iniPath);
    if (!instance.IsFirst()) {
        std::puts("second");
        return 0;
    }
    std::printf("first %s\n", qPrintable(instance.SocketPath()));
    std::fflush(stdout);
    QObject::connect(&instance, &SingleInstance::ActivationRequested, [] {
        std::puts("activated");
        std::fflush(stdout);
    });
    return QCoreApplication::exec();
}

bool MakeFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write("[S]\nK=1\n") > 0;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString ini_;
    QString config_;

    // A copy started on settings file ini with the display given and without a runtime directory.
    void Start(QProcess& copy, const QString& ini, const QString& display) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(CopyVariable, ini);
        environment.insert("DISPLAY", display);
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("XDG_RUNTIME_DIR");
        environment.insert("XDG_CONFIG_HOME", config_);
        copy.setProcessEnvironment(environment);
        copy.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(copy.waitForStarted());
    }

    // The copy's next line of output, or an empty one after ten seconds.
    static QByteArray NextLine(QProcess& copy) {
        QElapsedTimer clock;
        clock.start();
        while (!copy.canReadLine() && clock.elapsed() < 10000) {
            QTest::qWait(10);
        }
        return copy.readLine().trimmed();
    }

    // Runs a copy to its end, letting this process answer meanwhile: its output and error output.
    QByteArray RunToEnd(const QString& ini, const QString& display, QByteArray* errors = nullptr) {
        QProcess copy;
        Start(copy, ini, display);
        QElapsedTimer clock;
        clock.start();
        while (copy.state() != QProcess::NotRunning && clock.elapsed() < 10000) {
            QTest::qWait(10);
        }
        if (copy.state() != QProcess::NotRunning) {
            copy.kill();
            copy.waitForFinished();
            return "still running";
        }
        if (errors != nullptr) {
            *errors = copy.readAllStandardError();
        }
        return copy.readAllStandardOutput().trimmed();
    }

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        config_ = dir_.filePath("config");
        QVERIFY(QDir().mkpath(config_));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(config_));
        qunsetenv("XDG_RUNTIME_DIR");
        ini_ = dir_.filePath("BACCARAT.INI");
        QVERIFY(MakeFile(ini_));
    }

    // The guard belongs to the settings file: another display string, another name of the same file,
    // no runtime directory make no second copy. A killed copy leaves its lock free and its socket stale.
    void oneCopyPerSettingsFile() {
        QProcess first;
        Start(first, ini_, ":63");
        const QByteArray started = NextLine(first);
        QVERIFY2(started.startsWith("first " + QFile::encodeName(OwnSocketDirectory()) + "/"), started);
        QVERIFY(QFileInfo::exists(ini_ + ".lock"));

        QByteArray errors;
        QCOMPARE(RunToEnd(ini_, ":63.0", &errors), QByteArray("second"));
        QCOMPARE(errors, QByteArray());
        QCOMPARE(NextLine(first), QByteArray("activated"));
        const QString link = dir_.filePath("link.ini");
        QVERIFY(QFile::link(ini_, link));
        QCOMPARE(RunToEnd(link, ":0"), QByteArray("second"));
        QCOMPARE(NextLine(first), QByteArray("activated"));

        // Another settings file is another guard.
        const QString other = dir_.filePath("other.ini");
        QVERIFY(MakeFile(other));
        QProcess beside;
        Start(beside, other, ":63");
        QVERIFY(NextLine(beside).startsWith("first "));
        beside.kill();
        beside.waitForFinished();

        first.kill(); // SIGKILL: the socket file stays
        QVERIFY(first.waitForFinished());
        QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(started.mid(6))));
        QProcess next;
        Start(next, ini_, ":63.0");
        QCOMPARE(NextLine(next), started);
        QCOMPARE(RunToEnd(ini_, ":63"), QByteArray("second"));
        QCOMPARE(NextLine(next), QByteArray("activated"));
        next.kill();
        next.waitForFinished();
        QFile settings(ini_);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), QByteArray("[S]\nK=1\n"));
    }

    // A copy holds the lock but cannot be reached: nobody listens, or the socket there is a stranger's.
    // The later copy does not run and says why.
    void anUnreachableCopyIsReported_data() {
        QTest::addColumn<bool>("strangersSocket");
        QTest::newRow("nobody listens") << false;
        QTest::newRow("a socket of another user") << true;
    }

    void anUnreachableCopyIsReported() {
        QFETCH(bool, strangersSocket);
        QString socketPath;
        {
            SingleInstance probe(ini_);
            QVERIFY(probe.IsFirst());
            socketPath = probe.SocketPath();
        }
        QVERIFY(!socketPath.isEmpty());
        QLocalServer stranger;
        if (strangersSocket) {
            if (geteuid() != 0) {
                QSKIP("only the superuser can give a socket to another user");
            }
            QVERIFY(stranger.listen(socketPath));
            QCOMPARE(::chown(QFile::encodeName(socketPath).constData(), 4321, 4321), 0);
        }
        const int lock = ::open(QFile::encodeName(ini_ + ".lock").constData(), O_RDWR | O_CLOEXEC);
        QVERIFY(lock >= 0);
        QCOMPARE(::flock(lock, LOCK_EX | LOCK_NB), 0);
        QByteArray errors;
        const QByteArray output = RunToEnd(ini_, ":1", &errors);
        ::close(lock);
        QCOMPARE(output, QByteArray("second"));
        QVERIFY2(errors.contains("Quorrel Baccarat is already running."), errors);
        QVERIFY(!stranger.hasPendingConnections());
    }

    // In process: a later copy's request is answered and signalled; a stranger's bytes are not.
    void onlyACopyActivates() {
        SingleInstance first(ini_);
        QSignalSpy activations(&first, &SingleInstance::ActivationRequested);
        QVERIFY(first.IsFirst());
        QVERIFY(first.IsFirst()); // asking again changes nothing
        QVERIFY(first.HoldsLock());

        QLocalSocket stranger;
        stranger.connectToServer(first.SocketPath());
        QVERIFY(stranger.waitForConnected(2000));
        stranger.write(QByteArray(5000, 'x'));
        stranger.write("activate\n");
        stranger.flush();
        QVERIFY(!activations.wait(300));

        QCOMPARE(RunToEnd(ini_, ":5"), QByteArray("second"));
        QCOMPARE(activations.count(), 1);
    }

    void privateDirectories_data() {
        // -1: a link to a private directory, -2: a regular file, -3: a private directory of another user
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("isPrivate");
        QTest::newRow("0700") << 0700 << true;
        QTest::newRow("0500") << 0500 << true;
        QTest::newRow("0710") << 0710 << false;
        QTest::newRow("0755") << 0755 << false;
        QTest::newRow("0777") << 0777 << false;
        QTest::newRow("1777") << 01777 << false;
        QTest::newRow("link") << -1 << false;
        QTest::newRow("file") << -2 << false;
        QTest::newRow("another owner") << -3 << false;
    }

    void privateDirectories() {
        QFETCH(int, mode);
        QFETCH(bool, isPrivate);
        const QString real = dir_.filePath("private");
        QVERIFY(QDir().mkpath(real));
        QCOMPARE(::chmod(QFile::encodeName(real).constData(), 0700), 0);
        const QString path = dir_.filePath("tested");
        QFile::remove(path);
        QDir(path).removeRecursively();
        if (mode == -1) {
            QVERIFY(QFile::link(real, path));
        } else if (mode == -2) {
            QVERIFY(MakeFile(path));
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0700), 0);
        } else if (mode == -3) {
            if (geteuid() != 0) {
                QSKIP("only the superuser can give a directory to another user");
            }
            QVERIFY(QDir().mkdir(path));
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0700), 0);
            QCOMPARE(::chown(QFile::encodeName(path).constData(), 4321, 4321), 0);
        } else {
            QVERIFY(QDir().mkdir(path));
            QCOMPARE(::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode)), 0);
        }
        QCOMPARE(IsPrivateDirectory(path), isPrivate);
        // The runtime directory is used only when private.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
        QCOMPARE(InstanceSocketDirectories().value(0) == path, isPrivate);
        qunsetenv("XDG_RUNTIME_DIR");
    }

    // The program's own directory is made private; one found open to others is refused, not changed,
    // and the guard still holds without a socket.
    void anOpenSocketDirectoryIsNotUsed() {
        const QString own = OwnSocketDirectory();
        QDir(own).removeRecursively();
        {
            SingleInstance first(ini_);
            QVERIFY(first.IsFirst());
            QVERIFY(IsPrivateDirectory(own));
        }
        QCOMPARE(::chmod(QFile::encodeName(own).constData(), 0777), 0);
        SingleInstance first(ini_);
        QVERIFY(first.IsFirst());
        QVERIFY(first.HoldsLock());
        QCOMPARE(first.SocketPath(), QString());
        QCOMPARE(QFileInfo(own).permissions() & QFile::WriteOther, QFile::WriteOther);
        QByteArray errors;
        QCOMPARE(RunToEnd(ini_, ":2", &errors), QByteArray("second"));
        QVERIFY2(errors.contains("already running"), errors);
        QCOMPARE(::chmod(QFile::encodeName(own).constData(), 0700), 0);
    }

    void withoutASettingsFileNothingIsGuarded() {
        QTemporaryDir empty;
        for (const QString& path : {QString(), empty.filePath("BACCARAT.INI")}) {
            SingleInstance instance(path);
            QVERIFY(instance.IsFirst());
            QVERIFY(!instance.HoldsLock());
            QCOMPARE(instance.LockPath(), QString());
        }
        QCOMPARE(QDir(empty.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList());
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet(CopyVariable)) {
        return RunCopy(qEnvironmentVariable(CopyVariable));
    }
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SingleInstanceTest.moc"
