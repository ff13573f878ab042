#include "SingleInstance.h"

#include <cstring>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace bacc;

namespace {

const char* const SecondCopyVariable = "SINGLEINSTANCETEST_KEY";

// A second copy in its own process: exits 0 when it found the first, 1 when it thinks it is first.
int RunSecondCopy(const QString& key) {
    SingleInstance instance(key);
    return instance.IsFirst() ? 1 : 0;
}

// Leaves a socket file that nobody listens on, as a copy that was killed leaves it.
bool MakeStaleSocket(const QString& path) {
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (descriptor < 0) {
        return false;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::strncpy(address.sun_path, name.constData(), sizeof address.sun_path - 1);
    const bool bound = ::bind(descriptor, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(descriptor);
    return bound && QFileInfo::exists(path);
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString Key(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }

private slots:
    void secondCopyAsksTheFirstToActivate() {
        SingleInstance first(Key("two"));
        QSignalSpy activations(&first, &SingleInstance::ActivationRequested);
        QVERIFY(first.IsFirst());
        QVERIFY(first.IsFirst()); // asking again changes nothing

        SingleInstance second(Key("two"));
        QVERIFY(!second.IsFirst());
        QVERIFY(activations.wait(5000));
        QCOMPARE(activations.count(), 1);

        SingleInstance third(Key("two"));
        QVERIFY(!third.IsFirst());
        QVERIFY(activations.wait(5000));
        QCOMPARE(activations.count(), 2);
    }

    void aCopyInAnotherProcessIsRefused() {
        SingleInstance first(Key("process"));
        QSignalSpy activations(&first, &SingleInstance::ActivationRequested);
        QVERIFY(first.IsFirst());
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(SecondCopyVariable, Key("process"));
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(child.waitForStarted());
        QVERIFY(activations.wait(10000));
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 0);
    }

    void aSocketLeftByADeadCopyIsReplaced() {
        QVERIFY(MakeStaleSocket(Key("stale")));
        SingleInstance first(Key("stale"));
        QVERIFY(first.IsFirst());
        SingleInstance second(Key("stale"));
        QVERIFY(!second.IsFirst());
    }

    void theNameIsFreeOnceTheFirstEnds() {
        {
            SingleInstance first(Key("ends"));
            QVERIFY(first.IsFirst());
        }
        SingleInstance next(Key("ends"));
        QVERIFY(next.IsFirst());
    }

    void strangersDoNotActivate() {
        SingleInstance first(Key("stranger"));
        QSignalSpy activations(&first, &SingleInstance::ActivationRequested);
        QVERIFY(first.IsFirst());
        QLocalSocket stranger;
        stranger.connectToServer(Key("stranger"));
        QVERIFY(stranger.waitForConnected(2000));
        stranger.write(QByteArray(5000, 'x'));
        stranger.write("hello\n");
        stranger.flush();
        QVERIFY(!activations.wait(500));
        QCOMPARE(activations.count(), 0);
    }

    void defaultNameIsPerUserAndDisplay() {
        const QByteArray savedDisplay = qgetenv("DISPLAY");
        const QByteArray savedWayland = qgetenv("WAYLAND_DISPLAY");
        qunsetenv("WAYLAND_DISPLAY");
        qputenv("DISPLAY", ":91.0");
        const QString onX = DefaultInstanceKey();
        qputenv("DISPLAY", ":92");
        const QString onOtherX = DefaultInstanceKey();
        qputenv("WAYLAND_DISPLAY", "wayland-1");
        const QString onWayland = DefaultInstanceKey();
        qunsetenv("WAYLAND_DISPLAY");
        qunsetenv("DISPLAY");
        const QString headless = DefaultInstanceKey();
        qputenv("DISPLAY", savedDisplay);
        if (!savedWayland.isEmpty()) {
            qputenv("WAYLAND_DISPLAY", savedWayland);
        }
        const QString user = QStringLiteral("quorrel-baccarat-%1").arg(::getuid());
        QVERIFY(onX.endsWith(user + "-_91.0"));
        QVERIFY(onOtherX.endsWith(user + "-_92"));
        QVERIFY(onWayland.endsWith(user + "-wayland_1"));
        QVERIFY(headless.endsWith(user));
    }
};

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString secondCopyKey = qEnvironmentVariable(SecondCopyVariable);
    if (!secondCopyKey.isEmpty()) {
        return RunSecondCopy(secondCopyKey);
    }
    SingleInstanceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "SingleInstanceTest.moc"
