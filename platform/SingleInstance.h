#pragma once

#include <QObject>
#include <QString>

class QLocalServer;

namespace bacc {

// The name of the per-user channel through which a second copy finds the running one.
QString DefaultInstanceKey();

// One running copy per user. The first copy listens on a local socket; a later copy finds it there,
// asks it to come to the front and ends.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(const QString& key = DefaultInstanceKey(), QObject* parent = nullptr);
    ~SingleInstance() override;

    // True when no other copy answers: this copy then listens for later ones (a socket left by a copy
    // that died is removed first). False when a running copy answered: it has been asked to activate.
    bool IsFirst();

    const QString& Key() const { return key_; }

signals:
    // A later copy asked this one to bring its window to the front.
    void ActivationRequested();

private:
    void OnNewConnection();

    QString key_;
    QLocalServer* server_ = nullptr;
};

} // namespace bacc
