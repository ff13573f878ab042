#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QWidget;

namespace bacc {

// The entry boxes of a window check what was typed when they lose the focus, and a failed check shows a
// message and puts the focus back. Two things must not start such a check:
// - a focus change that only follows the activation of another top-level window or a popup (a message
//   box, a menu, another program): the box keeps its place as the window's focus and nothing was left;
// - the focus moves made while a check of the same window is running: with two boxes out of range, each
//   would otherwise send the focus back to itself, for ever.
class FocusChecks : public QObject {
    Q_OBJECT
public:
    explicit FocusChecks(QObject* parent = nullptr) : QObject(parent) {}

    // Starts following the focus changes of a box.
    void Watch(QWidget* box);

    // A refused box takes the focus back. Its window is activated again too: the message box that said
    // why has just taken the activation away, and without it the next leave of the box would never come.
    static void ReturnFocusTo(QWidget* box);

    // True when the focus event the box has just received only followed the activation of another
    // window or a popup.
    bool FromOtherWindow(const QWidget* box) const;
    // True when the focus the box has just lost should start no check: it came from another window,
    // or another check of the window is running.
    bool Ignore(const QWidget* box) const { return Busy() || FromOtherWindow(box); }

    // Held by a running check; while one is held every other check of the window is skipped.
    class Running {
    public:
        explicit Running(FocusChecks& checks) : checks_(checks) { ++checks_.depth_; }
        ~Running() { --checks_.depth_; }
        Running(const Running&) = delete;
        Running& operator=(const Running&) = delete;

    private:
        FocusChecks& checks_;
    };
    bool Busy() const { return depth_ > 0; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<const QObject*, int> lastReason_;
    int depth_ = 0;
};

} // namespace bacc
