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

// Asks the copy listening at path to come to the front: true when it answered that it does.
bool AskToActivate(const QString& path) {
    if (!IsOwnSocket(path)) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(ConnectTimeoutMs)) {
        return false;
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
    return socket.canReadLine() && socket.readLine() == ActivatedReply;
}

// The settings file's device and inode, or an empty text when it cannot be read.
QByteArray FileIdentity(const QString& path) {
    struct stat info {};
    if (::stat(Name(path).constData(), &info) != 0) {
        return {};
    }
    return QByteArray::number(static_cast<qulonglong>(info.st_dev)) + ':' +
           QByteArray::number(static_cast<qulonglong>(info.st_ino));
}

QString SocketName(const QByteArray& key) {
    const QByteArray hash = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("quorrel-baccarat-") + QString::fromLatin1(hash.left(16));
}

} // namespace

bool IsGuardedDirectory(const QString& path) {
    struct stat info {};
    return ::stat(Name(path).constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           (info.st_uid == ::geteuid() || info.st_uid == 0) && (info.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

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
    iniPath_ = canonical;
    lockPath_ = canonical + QStringLiteral(".lock");
    socketNames_ << SocketName(Name(canonical));
    if (const QByteArray identity = FileIdentity(canonical); !identity.isEmpty()) {
        socketNames_ << SocketName("file " + identity);
    }
}

SingleInstance::~SingleInstance() {
    // The socket goes first, so that a copy started once the lock is free never finds it still there.
    for (QLocalServer* server : servers_) {
        server->close();
    }
    for (const int descriptor : {lock_, candidate_, fileLock_}) {
        if (descriptor >= 0) {
            ::close(descriptor);
        }
    }
}

SingleInstance::LockState SingleInstance::TryLock() {
    if (lock_ < 0 && candidate_ < 0) {
        candidate_ = OpenLockFile(lockPath_);
        if (candidate_ < 0) {
            // No lock file can be made beside the settings file, so no temporary file for a write either:
            // no copy can change the file, and nothing is lost by running.
            return LockState::Unavailable;
        }
    }
    LockState state = LockState::Held;
    if (lock_ < 0) {
        if (::flock(candidate_, LOCK_EX | LOCK_NB) == 0) {
            lock_ = candidate_;
            candidate_ = -1;
        } else if (errno == EWOULDBLOCK || errno == EINTR) {
            return LockState::Busy;
        } else {
            ::close(candidate_);
            candidate_ = -1;
            state = LockState::Unavailable;
        }
    }
    // The lock file is this name's; the settings file is every name's. A copy started through another
    // name of the file holds that one.
    if (TryLockFile() == LockState::Busy) {
        if (lock_ >= 0) {
            ::close(lock_); // the lock goes with the descriptor
            lock_ = -1;
        }
        return LockState::Busy;
    }
    return state;
}

SingleInstance::LockState SingleInstance::TryLockFile() {
    if (fileLock_ >= 0) {
        return LockState::Held;
    }
    const int file = ::open(Name(iniPath_).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        return LockState::Unavailable;
    }
    if (::flock(file, LOCK_EX | LOCK_NB) == 0) {
        fileLock_ = file;
        return LockState::Held;
    }
    const bool busy = errno == EWOULDBLOCK || errno == EINTR;
    ::close(file);
    return busy ? LockState::Busy : LockState::Unavailable;
}

bool SingleInstance::IsFirst() {
    if (HoldsLock() || lockPath_.isEmpty()) {
        return true; // no settings file, nothing to guard
    }
    const QString directory = QFileInfo(iniPath_).absolutePath();
    if (!IsGuardedDirectory(directory)) {
        refused_ = true;
        ShowMessage(QStringLiteral("The settings file's directory %1 can be written by other users, who "
                                   "could take or change Quorrel Baccarat's settings file there.\n\nMake "
                                   "it yours and writable by you alone (for example: chmod go-w \"%1\"), "
                                   "or keep the settings file in a directory of your own.")
                        .arg(QDir::toNativeSeparators(directory)),
                    MsgIcon::Critical);
        return false;
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
        for (const QString& name : socketNames_) {
            if (AskToActivate(QDir(directory).filePath(name))) {
                return true;
            }
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
    for (const QString& name : socketNames_) {
        const QString path = QDir(directories.first()).filePath(name);
        struct stat info {};
        if (::lstat(Name(path).constData(), &info) == 0) {
            if (info.st_uid != ::geteuid()) {
                continue;
            }
            // This copy holds the locks: whatever is left there belongs to a copy that has died.
            ::unlink(Name(path).constData());
        }
        auto* server = new QLocalServer(this);
        server->setSocketOptions(QLocalServer::UserAccessOption);
        connect(server, &QLocalServer::newConnection, this, [this, server] { OnNewConnection(server); });
        if (server->listen(path)) {
            servers_.push_back(server);
            if (socketPath_.isEmpty()) {
                socketPath_ = path;
            }
        } else {
            delete server;
        }
    }
}

void SingleInstance::OnNewConnection(QLocalServer* server) {
    while (QLocalSocket* socket = server->nextPendingConnection()) {
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
