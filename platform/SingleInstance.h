#pragma once

#include <vector>

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace bacc {

// Whether path is a directory only this user can use: a directory itself (not a link to one), owned
// by the effective user, with no permission at all for group or others.
bool IsPrivateDirectory(const QString& path);

// Whether a settings file may be kept in this directory: no other user can write there, since it is the
// user's own or the superuser's and has no write permission for group or others.
bool IsGuardedDirectory(const QString& path);

// The program's own directory for its socket when the runtime directory cannot be used.
QString OwnSocketDirectory();

// The directories where the socket of a running copy may lie, in order of preference: the runtime
// directory, then the program's own; only those that exist and are private.
QStringList InstanceSocketDirectories();

// One running copy per settings file: two copies writing one file lose each other's statistics. The
// guard is an advisory lock on a lock file beside the settings file (BACCARAT.INI.lock) and one on the
// settings file itself, both held for the life of the object: a second name of the same file (a hard
// link) has a lock file of its own but not a file of its own. The display and the environment play no
// part. The copy holding them listens on local sockets in a private directory, named after the settings
// file's path and after the file (device and inode), through which a later copy asks it to come to the
// front. A settings file in a directory that another user can write is not guarded at all: anyone there
// could plant the lock file or replace the file, so the program refuses to run on it.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& iniPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this copy may run: it holds the lock now, or the lock cannot be had at all (no settings
    // file, a file system without locks). False when another copy holds it: that copy has been asked to
    // come to the front, or, when it did not answer, the user has been told it is already running. False
    // too, after telling the user why, when the settings file's directory is open to other users.
    bool IsFirst();
    // The settings file's directory is open to other users: this copy must not run.
    bool Refused() const { return refused_; }

    bool HoldsLock() const { return lock_ >= 0; }
    // The lock file; empty without a settings file.
    const QString& LockPath() const { return lockPath_; }
    // Where this copy listens (its socket named after the path); empty when it does not.
    const QString& SocketPath() const { return socketPath_; }

signals:
    // A later copy asked this one to bring its window to the front.
    void ActivationRequested();

private:
    enum class LockState { Held, Busy, Unavailable };
    LockState TryLock();
    LockState TryLockFile();
    bool AskRunningCopy() const;
    void Listen();
    void OnNewConnection(QLocalServer* server);

    QString iniPath_; // canonical
    QString lockPath_;
    QStringList socketNames_; // after the path, then after the file
    QString socketPath_;
    bool refused_ = false;
    int lock_ = -1;
    int candidate_ = -1; // the lock file, open while another copy holds the lock
    int fileLock_ = -1;  // the settings file itself
    std::vector<QLocalServer*> servers_;
};

} // namespace bacc
