#include "SingleInstance.h"

#include <cstdio>
#include <fcntl.h>
#include <optional>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace bacc;

namespace {

const char* const CopyVariable = "SINGLEINSTANCETEST_INI";

// A copy of the program in its own process, as far as the guard goes: prints "second" and ends when
// another copy holds the settings file, "refused" when it must not run on it, else "first <socket>",
// then "activated" for every request.
int RunCopy(const QString& iniPath) {
    SingleInstance instance(iniPath);
    if (!instance.IsFirst()) {
        std::puts(instance.Refused() ? "refused" : "second");
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

int Chmod(const QString& path, int mode) {
    return ::chmod(QFile::encodeName(path).constData(), static_cast<mode_t>(mode));
}

// A copy started on settings file ini with the display given and without a runtime directory.
void Start(QProcess& copy, const QString& ini, const QString& display) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(CopyVariable, ini);
    environment.insert("DISPLAY", display);
    environment.remove("WAYLAND_DISPLAY");
    copy.setProcessEnvironment(environment);
    copy.start(QCoreApplication::applicationFilePath(), {});
}

// The copy's next line of output, or an empty one after ten seconds.
QByteArray NextLine(QProcess& copy) {
    for (int i = 0; i < 1000 && !copy.canReadLine(); ++i) {
        QTest::qWait(10);
    }
    return copy.readLine().trimmed();
}

// Runs a copy to its end, letting this process answer meanwhile: its output, a tab and its errors.
QByteArray RunToEnd(const QString& ini, const QString& display) {
    QProcess copy;
    Start(copy, ini, display);
    for (int i = 0; i < 1000 && copy.state() != QProcess::NotRunning; ++i) {
        QTest::qWait(10);
    }
    if (copy.state() != QProcess::NotRunning) {
        return "still running";
    }
    return copy.readAllStandardOutput().trimmed() + '\t' + copy.readAllStandardError().trimmed();
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString ini_;

private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath("config")));
        qunsetenv("XDG_RUNTIME_DIR");
        ini_ = dir_.filePath("BACCARAT.INI");
        QVERIFY(MakeFile(ini_));
    }

    // The guard belongs to the settings file: another display string, another name of the same file (a
    // link, a hard link elsewhere), no runtime directory make no second copy, which asks the first to come
    // to the front. Another file is another guard. A killed copy leaves its lock free and its socket stale.
    void oneCopyPerSettingsFile() {
        QProcess first;
        Start(first, ini_, ":63");
        const QByteArray started = NextLine(first);
        QVERIFY2(started.startsWith("first " + QFile::encodeName(OwnSocketDirectory()) + "/"), started);
        QVERIFY(QFileInfo::exists(ini_ + ".lock"));
        QCOMPARE(RunToEnd(ini_, ":63.0"), QByteArray("second\t"));
        QCOMPARE(NextLine(first), QByteArray("activated"));
        QVERIFY(QFile::link(ini_, dir_.filePath("link.ini")));
        QCOMPARE(RunToEnd(dir_.filePath("link.ini"), ":0"), QByteArray("second\t"));
        QCOMPARE(NextLine(first), QByteArray("activated"));
        const QString hardLink = dir_.filePath("elsewhere/BACCARAT.INI");
        QVERIFY(QDir().mkpath(QFileInfo(hardLink).path()));
        QCOMPARE(::link(QFile::encodeName(ini_).constData(), QFile::encodeName(hardLink).constData()), 0);
        QCOMPARE(RunToEnd(hardLink, ":0"), QByteArray("second\t"));
        QCOMPARE(NextLine(first), QByteArray("activated"));

        QVERIFY(MakeFile(dir_.filePath("other.ini")));
        QProcess beside;
        Start(beside, dir_.filePath("other.ini"), ":63");
        QVERIFY(NextLine(beside).startsWith("first "));

        first.kill(); // SIGKILL: the socket file stays
        QVERIFY(first.waitForFinished());
        QVERIFY(QFileInfo::exists(QString::fromLocal8Bit(started.mid(6))));
        QProcess next;
        Start(next, ini_, ":63.0");
        QCOMPARE(NextLine(next), started);
        QCOMPARE(RunToEnd(ini_, ":63"), QByteArray("second\t"));
        QCOMPARE(NextLine(next), QByteArray("activated"));
        QFile settings(ini_);
        QVERIFY(settings.open(QIODevice::ReadOnly));
        QCOMPARE(settings.readAll(), QByteArray("[S]\nK=1\n"));
    }

    // A copy holds the lock but cannot be reached: nobody listens, the socket there is a stranger's, or
    // the program's own socket directory is open to others, which that copy refused, not changed, while
    // its lock still holds. The later copy does not run and says why.
    void anUnreachableCopyIsReported_data() {
        QTest::addColumn<QString>("why");
        for (const char* why : {"nobody listens", "a stranger's socket", "an open directory"}) {
            QTest::newRow(why) << QString(why);
        }
    }

    void anUnreachableCopyIsReported() {
        QFETCH(QString, why);
        const QString own = OwnSocketDirectory();
        QDir(own).removeRecursively();
        const QString socketPath = [this] { // the directory is made private on the way
            SingleInstance probe(ini_);
            return probe.IsFirst() ? probe.SocketPath() : QString();
        }();
        QVERIFY(!socketPath.isEmpty() && IsPrivateDirectory(own));
        QLocalServer stranger;
        if (why == "a stranger's socket") {
            if (geteuid() != 0) {
                QSKIP("only the superuser can give a socket to another user");
            }
            QVERIFY(stranger.listen(socketPath));
            QCOMPARE(::chown(QFile::encodeName(socketPath).constData(), 4321, 4321), 0);
        }
        std::optional<SingleInstance> first;
        int lock = -1;
        if (why == "an open directory") {
            QCOMPARE(Chmod(own, 0777), 0);
            first.emplace(ini_);
            QVERIFY(first->IsFirst() && first->HoldsLock() && first->SocketPath().isEmpty());
        } else {
            lock = ::open(QFile::encodeName(ini_ + ".lock").constData(), O_RDWR | O_CLOEXEC);
            QCOMPARE(::flock(lock, LOCK_EX | LOCK_NB), 0);
        }
        const QByteArray output = RunToEnd(ini_, ":1");
        ::close(lock);
        QVERIFY2(output.startsWith("second\t") && output.contains("Quorrel Baccarat is already running."),
                 output);
        QVERIFY(!stranger.hasPendingConnections());
        QCOMPARE(QFileInfo(own).permissions() & QFile::WriteOther,
                 first ? QFile::WriteOther : QFileDevice::Permissions());
        QCOMPARE(Chmod(own, 0700), 0);
    }

    // A settings file where another user can write (and plant a lock file, or replace the file) is not
    // run on; the user is told why.
    void aDirectoryOpenToOthersIsRefused_data() {
        QTest::addColumn<int>("mode"); // -1: a private directory of another user
        QTest::addColumn<bool>("refused");
        for (const int mode : {0700, 0755, 0750, 0775, 0757, 01777, 01770, -1}) {
            QTest::addRow("%s",
                          qPrintable(mode < 0 ? QStringLiteral("another user's") : QString::number(mode, 8)))
                << mode << (mode < 0 || (mode & 022) != 0);
        }
    }
    void aDirectoryOpenToOthersIsRefused() {
        QFETCH(int, mode);
        QFETCH(bool, refused);
        if (mode < 0 && geteuid() != 0) {
            QSKIP("only the superuser can give a directory to another user");
        }
        const QString directory = dir_.filePath(QStringLiteral("settings %1").arg(mode));
        QVERIFY(QDir().mkpath(directory) && MakeFile(directory + "/BACCARAT.INI"));
        QCOMPARE(Chmod(directory, mode < 0 ? 0700 : mode), 0);
        QCOMPARE(mode < 0 ? ::chown(QFile::encodeName(directory).constData(), 4321, 4321) : 0, 0);
        QProcess copy;
        Start(copy, directory + "/BACCARAT.INI", ":1");
        const QByteArray started = NextLine(copy);
        QVERIFY2(started.startsWith(refused ? "refused" : "first "), started);
        copy.kill(); // a refused copy has ended already
        copy.waitForFinished();
        QCOMPARE(copy.readAllStandardError().contains("can be written by other users"), refused);
        QCOMPARE(QFileInfo::exists(directory + "/BACCARAT.INI.lock"), !refused);
    }

    // The socket's directory must be this user's alone: a real directory, no access for anyone else.
    void privateDirectories_data() {
        // -1: a link to a private directory, -2: a regular file, -3: a private directory of another user
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("isPrivate");
        for (const int mode : {0700, 0500, 0710, 0755, 0777, 01777, -1, -2, -3}) {
            QTest::addRow("%o", mode) << mode << (mode == 0700 || mode == 0500);
        }
    }

    void privateDirectories() {
        QFETCH(int, mode);
        QFETCH(bool, isPrivate);
        const QString path = dir_.filePath(QStringLiteral("tested %1").arg(mode));
        if (mode == -3 && geteuid() != 0) {
            QSKIP("only the superuser can give a directory to another user");
        }
        if (mode == -1) {
            const QString real = dir_.filePath("private");
            QVERIFY(QDir().mkpath(real) && Chmod(real, 0700) == 0 && QFile::link(real, path));
        } else {
            QVERIFY(mode == -2 ? MakeFile(path) : QDir().mkdir(path));
            QCOMPARE(Chmod(path, mode < 0 ? 0700 : mode), 0);
            QCOMPARE(mode == -3 ? ::chown(QFile::encodeName(path).constData(), 4321, 4321) : 0, 0);
        }
        QCOMPARE(IsPrivateDirectory(path), isPrivate);
        // The runtime directory is used only when private.
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(path));
        QCOMPARE(InstanceSocketDirectories().value(0) == path, isPrivate);
        qunsetenv("XDG_RUNTIME_DIR");
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
