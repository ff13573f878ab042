#include "SingleInstance.h"

#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>
#include <QStandardPaths>

namespace bacc {

namespace {

const QByteArray ActivateMessage = "activate\n";
constexpr int ConnectTimeoutMs = 1000;

} // namespace

QString DefaultInstanceKey() {
    QString name = QStringLiteral("quorrel-baccarat-%1").arg(::getuid());
    // One copy per user on each display: a copy running on another display cannot be brought to the
    // front where the user is, so it must not stop this one.
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("DISPLAY");
    }
    display.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9.]")), QStringLiteral("_"));
    if (!display.isEmpty()) {
        name += QLatin1Char('-') + display;
    }
    // The per-user runtime directory is private to the user; without one the socket goes to the shared
    // temporary directory, still named per user.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir(runtime).exists()) {
        return QDir(runtime).filePath(name);
    }
    return name;
}

SingleInstance::SingleInstance(const QString& key, QObject* parent) : QObject(parent), key_(key) {}

SingleInstance::~SingleInstance() {
    if (server_ != nullptr) {
        server_->close();
    }
}

bool SingleInstance::IsFirst() {
    if (server_ != nullptr && server_->isListening()) {
        return true;
    }
    // Two copies started together must not both decide they are first.
    const QString lockPath =
        (QDir::isAbsolutePath(key_) ? key_ : QDir(QDir::tempPath()).filePath(key_)) + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    const bool locked = lock.tryLock(3000);

    QLocalSocket socket;
    socket.connectToServer(key_);
    if (socket.waitForConnected(ConnectTimeoutMs)) {
        socket.write(ActivateMessage);
        socket.waitForBytesWritten(ConnectTimeoutMs);
        socket.disconnectFromServer();
        return false;
    }

    // Nobody answered: whatever socket is left there belongs to a copy that has died.
    QLocalServer::removeServer(key_);
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
    // When listening fails the program still runs; it just cannot be found by a later copy.
    server_->listen(key_);
    if (locked) {
        lock.unlock();
    }
    return true;
}

void SingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        auto handle = [this, socket] {
            if (socket->bytesAvailable() > 1024) {
                socket->abort(); // not a copy of this program
                return;
            }
            if (socket->canReadLine() && socket->readLine() == ActivateMessage) {
                socket->disconnectFromServer();
                emit ActivationRequested();
            }
        };
        connect(socket, &QLocalSocket::readyRead, this, handle);
        if (socket->bytesAvailable() > 0) {
            handle();
        }
    }
}

} // namespace bacc
