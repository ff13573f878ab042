#include "SingleInstance.h"

#include "MessageBox.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

namespace bacc {

namespace {

const QByteArray ActivateMessage = "activate\n";
const QByteArray ActivatedReply = "ok\n";
constexpr int ConnectTimeoutMs = 500;
constexpr int ReplyTimeoutMs = 2000;
// How long a later copy waits for the copy holding the lock to start listening.
constexpr int WaitForRunningCopyMs = 1500;

QByteArray Name(const QString& path) {
    return QFile::encodeName(path);
}

// The lock file, opened without following a link (a link there is not ours) and without waiting, or -1.
// A lock file that this user may not write is still locked through a read-only descriptor.
int OpenLockFile(const QString& path) {
    const QByteArray name = Name(path);
    int descriptor = ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
    if (descriptor < 0 && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        descriptor = ::open(name.constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    }
    struct stat info {};
    if (descriptor >= 0 && (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(descriptor);
        descriptor = -1;
    }
    return descriptor;
}

// A socket file this user made; anything else at the path is not to be trusted or removed.
bool IsOwnSocket(const QString& path) {
    struct stat info {};
    return ::lstat(Name(path).constData(), &info) == 0 && S_ISSOCK(info.st_mode) &&
           info.st_uid == ::geteuid();
}

bool PeerIsThisUser(const QLocalSocket* socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return ::getsockopt(static_cast<int>(socket->socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                        &size) == 0 &&
           peer.uid == ::geteuid();
}

} // namespace

bool IsPrivateDirectory(const QString& path) {
    struct stat info {};
    return !path.isEmpty() && ::lstat(Name(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           info.st_uid == ::geteuid() && (info.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

QString OwnSocketDirectory() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("quorrel-baccarat/run"));
}

QStringList InstanceSocketDirectories() {
    QStringList directories;
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (QDir::isAbsolutePath(runtime) && IsPrivateDirectory(runtime)) {
        directories << QDir::cleanPath(runtime);
    }
    if (IsPrivateDirectory(OwnSocketDirectory())) {
        directories << OwnSocketDirectory();
    }
    return directories;
}

SingleInstance::SingleInstance(const QString& iniPath, QObject* parent) : QObject(parent) {
    // Two names of one file (a link, a relative path) share one guard.
    const QString canonical = iniPath.isEmpty() ? QString() : QFileInfo(iniPath).canonicalFilePath();
    if (canonical.isEmpty()) {
        return;
    }
    lockPath_ = canonical + QStringLiteral(".lock");
    const QByteArray hash = QCryptographicHash::hash(Name(canonical), QCryptographicHash::Sha256).toHex();
    socketName_ = QStringLiteral("quorrel-baccarat-") + QString::fromLatin1(hash.left(16));
}

SingleInstance::~SingleInstance() {
    // The socket goes first, so that a copy started once the lock is free never finds it still there.
    if (server_ != nullptr) {
        server_->close();
    }
    for (const int descriptor : {lock_, candidate_}) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
}

SingleInstance::LockState SingleInstance::TryLock() {
    if (candidate_ < 0) {
        candidate_ = OpenLockFile(lockPath_);
        if (candidate_ < 0) {
            // No lock file can be made beside the settings file, so no temporary file for a write either:
            // no copy can change the file, and nothing is lost by running.
            return LockState::Unavailable;
        }
    }
    if (::flock(candidate_, LOCK_EX | LOCK_NB) == 0) {
        lock_ = candidate_;
        candidate_ = -1;
        return LockState::Held;
    }
    if (errno == EWOULDBLOCK || errno == EINTR) {
        return LockState::Busy;
    }
    ::close(candidate_);
    candidate_ = -1;
    return LockState::Unavailable;
}

bool SingleInstance::IsFirst() {
    if (HoldsLock() || lockPath_.isEmpty()) {
        return true; // no settings file, nothing to guard
    }
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        switch (TryLock()) {
        case LockState::Held:
            Listen();
            return true;
        case LockState::Unavailable:
            return true;
        case LockState::Busy:
            break;
        }
        // The copy holding the lock may have just taken it and not be listening yet.
        if (AskRunningCopy()) {
            return false;
        }
        if (clock.elapsed() > WaitForRunningCopyMs) {
            break;
        }
        QThread::msleep(50);
    }
    ShowMessage(QStringLiteral("Quorrel Baccarat is already running."), MsgIcon::Exclamation);
    return false;
}

bool SingleInstance::AskRunningCopy() const {
    for (const QString& directory : InstanceSocketDirectories()) {
        const QString path = QDir(directory).filePath(socketName_);
        if (!IsOwnSocket(path)) {
            continue;
        }
        QLocalSocket socket;
        socket.connectToServer(path);
        if (!socket.waitForConnected(ConnectTimeoutMs)) {
            continue;
        }
        socket.write(ActivateMessage);
        socket.flush();
        // A copy that takes the request answers; one that is hung does not, and the user is told.
        QElapsedTimer clock;
        clock.start();
        while (!socket.canReadLine() && clock.elapsed() < ReplyTimeoutMs &&
               socket.state() == QLocalSocket::ConnectedState) {
            socket.waitForReadyRead(static_cast<int>(ReplyTimeoutMs - clock.elapsed()));
        }
        if (socket.canReadLine() && socket.readLine() == ActivatedReply) {
            return true;
        }
    }
    return false;
}

void SingleInstance::Listen() {
    QStringList directories = InstanceSocketDirectories();
    if (directories.isEmpty()) {
        // Made private from the start; one that exists already is checked, never changed.
        const QString own = OwnSocketDirectory();
        QDir().mkpath(QFileInfo(own).path());
        ::mkdir(Name(own).constData(), 0700);
        directories = InstanceSocketDirectories();
    }
    if (directories.isEmpty()) {
        return; // this copy runs, but a later one cannot reach it and tells the user instead
    }
    const QString path = QDir(directories.first()).filePath(socketName_);
    struct stat info {};
    if (::lstat(Name(path).constData(), &info) == 0) {
        if (info.st_uid != ::geteuid()) {
            return;
        }
        // This copy holds the lock: whatever is left there belongs to a copy that has died.
        ::unlink(Name(path).constData());
    }
    server_ = new QLocalServer(this);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    connect(server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
    if (server_->listen(path)) {
        socketPath_ = path;
    }
}

void SingleInstance::OnNewConnection() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (!PeerIsThisUser(socket)) {
            socket->abort();
            continue;
        }
        auto handle = [this, socket] {
            if (socket->bytesAvailable() > 1024) {
                socket->abort(); // not a copy of this program
                return;
            }
            if (socket->canReadLine() && socket->readLine() == ActivateMessage) {
                socket->write(ActivatedReply);
                socket->flush();
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
