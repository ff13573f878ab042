#pragma once

#include <QMdiSubWindow>
#include <QPointer>
#include <QWidget>

class QMdiArea;

namespace bacc {

// A window of the game that lives inside the main window (or alone, in tests and before the main window
// exists). It keeps its position in its own settings section: "Top" and "Left", and for resizable
// windows "Height" and "Width", all in twips. Closing it runs Form_Unload, which may refuse; a window
// that closes is deleted, and its owner re-creates it when it is next needed.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    ChildWindow(const QString& objectName, const QString& settingsSection, bool keepsSize,
                QWidget* parent = nullptr);

    // Shows the window in the main window's client area when one is registered, else on its own.
    void ShowInHost();
    // Shows the window where it stands, in front of the others, and gives it the focus.
    void BringToFront();
    // The widget that carries the window frame: the MDI sub-window, or the window itself.
    QWidget* Frame();
    QMdiSubWindow* SubWindow() const { return subWindow_; }

    // Restores the position (and size, where kept) from the settings section; see RestoreWindowPlace.
    void RestorePosition();
    void SavePosition();

    // The inner (client) size the window was designed for: the size it opens at when none is stored.
    void SetDesignSize(const QSize& pixels);
    // The design size with the frame round it, as Frame() measures it.
    QSize DesignFrameSize() const;
    QSize sizeHint() const override;

    // The window caption; on the sub-window when hosted.
    void SetCaption(const QString& caption);

protected:
    // Runs when the window is closed; answer false to refuse. The default saves the position.
    virtual bool Form_Unload();
    void closeEvent(QCloseEvent* event) override;

    QString section_;
    bool keepsSize_;

private:
    QPointer<QMdiSubWindow> subWindow_;
    QSize designSize_;
};

// Opens the one window of a kind at its stored place, or brings the open one to the front.
template <typename Window> Window* OpenOnce(QPointer<Window>& open) {
    if (!open) {
        open = new Window();
        open->ShowInHost();
        open->RestorePosition();
    }
    open->BringToFront();
    return open;
}

// A window coordinate stored in twips ("Top", "Left", "Height", "Width"): missing or not a number reads
// as 0.
int ReadTwips(const QString& section, const char* key);
void WriteTwips(const QString& section, const char* key, int twips);

// Places a window frame as its settings section says. The stored position is always used; a size is
// used only when it is at least the design size (a missing, zero or collapsed one opens the window at
// its design size, so no window ever opens as a bare title bar). Windows of fixed size keep no size.
void RestoreWindowPlace(QWidget* frame, const QString& section, const QSize& designSize, bool keepsSize);
// Stores a window frame's place; a size below the design size is stored as the design size.
void SaveWindowPlace(const QWidget* frame, const QString& section, const QSize& designSize, bool keepsSize);

// The name of control number index of a control array: "lblTotal(3)".
QString IndexedName(const char* name, int index);
// A number as the settings file holds it (" 1000", "-5", " 2.5").
QString IniNumber(double value);

// The main window's client area that child windows are placed in; nullptr when there is none.
void SetWindowHost(QMdiArea* area);
QMdiArea* WindowHost();

} // namespace bacc
