#pragma once

#include <QObject>

namespace bacc {

// What the table tells the windows that follow the running shoe without belonging to it (the trainer
// windows): a new shoe is in play, burnt and ready; a hand has been settled and marked. A face-down
// hand is settled only once its cards are revealed, so nothing learns of its cards before the player.
class GameEvents : public QObject {
    Q_OBJECT
public:
    static GameEvents& Instance();

signals:
    void ShoeStarted();
    void HandRecorded();
};

} // namespace bacc
