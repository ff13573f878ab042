#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

class QLocalServer;

namespace bacc {

// Whether path is a directory only this user can use: a directory itself (not a link to one), owned
// by the effective user, with no permission at all for group or others.
bool IsPrivateDirectory(const QString& path);

// The program's own directory for its socket when the runtime directory cannot be used.
QString OwnSocketDirectory();

// The directories where the socket of a running copy may lie, in order of preference: the runtime
// directory, then the program's own; only those that exist and are private.
QStringList InstanceSocketDirectories();

// One running copy per settings file: two copies writing one file lose each other's statistics. The
// guard is an advisory lock on a lock file beside the settings file (BACCARAT.INI.lock), held for the
// life of the object; the display and the environment play no part. The copy holding it listens on a
// local socket in a private directory, named after the settings file, through which a later copy asks
// it to come to the front.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& iniPath, QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when this copy may run: it holds the lock now, or the lock cannot be had at all (no settings
    // file, a file system without locks). False when another copy holds it: that copy has been asked to
    // come to the front, or, when it did not answer, the user has been told it is already running.
    bool IsFirst();

    bool HoldsLock() const { return lock_ >= 0; }
    // The lock file; empty without a settings file.
    const QString& LockPath() const { return lockPath_; }
    // Where this copy listens; empty when it does not.
    const QString& SocketPath() const { return socketPath_; }

signals:
    // A later copy asked this one to bring its window to the front.
    void ActivationRequested();

private:
    enum class LockState { Held, Busy, Unavailable };
    LockState TryLock();
    bool AskRunningCopy() const;
    void Listen();
    void OnNewConnection();

    QString lockPath_;
    QString socketName_;
    QString socketPath_;
    int lock_ = -1;
    int candidate_ = -1; // the lock file, open while another copy holds the lock
    QLocalServer* server_ = nullptr;
};

} // namespace bacc
