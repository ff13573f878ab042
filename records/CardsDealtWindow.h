#pragma once

#include "ChildWindow.h"
#include "ShoeListener.h"

#include <QPointer>

class QListWidget;
class QLabel;

namespace bacc {

// A window of fixed size around one list of fixed-pitch lines, named after its settings section.
class DealtListWindow : public ChildWindow {
    Q_OBJECT
public:
    QListWidget* List() const { return list_; }
    // Closed by the user; the widget itself goes a moment later.
    bool Unloaded() const { return unloaded_; }

protected:
    DealtListWindow(const QString& name, const QString& listName);
    bool Form_Unload() override;

private:
    QListWidget* list_;
    bool unloaded_ = false;
};

// "Cards Dealt": every card that has left the shoe, in shoe order, one 21-character line each.
class CardsDealtWindow : public DealtListWindow {
    Q_OBJECT
public:
    CardsDealtWindow();
};

// "Cards Dealt Count": how many cards of each rank and suit have left the shoe.
class CardsDealtCountWindow : public DealtListWindow {
    Q_OBJECT
public:
    CardsDealtCountWindow();
    // Height of one row of the table, in pixels.
    int RowHeight() const;
};

// Fills the two cards-dealt windows as cards leave TheShoe(). The windows are created on first use and
// shown by the fills while their options (Settings().CardsDealt, .CardsDealtCount) are on.
class CardsDealtWindows : public ShoeListener {
public:
    void NewShoeStarted() override;
    // Appends the card's line, or rebuilds the whole list of the shoe when the list is not current.
    void AppendDealtCard(int position) override;
    void CountChanged() override;
    void ShowDealtCount();
    void ProcessEvents() override;

    // The menu's switches. Off hides the window; on fills and shows it.
    void SetCardsDealtOption(bool on);
    void SetCardsDealtCountOption(bool on);
    // Closes both windows, saving their positions.
    void CloseWindows();

    // The list holds every card taken so far, so new cards are appended. A list window closed by the
    // user is not current: the next fill rebuilds it.
    bool CardsDealtListCurrent() const { return listCurrent_ && ListWindow(); }

    // The open windows; nullptr when not created or closed.
    CardsDealtWindow* ListWindow() const { return list_ && !list_->Unloaded() ? list_.data() : nullptr; }
    CardsDealtCountWindow* CountWindow() const {
        return count_ && !count_->Unloaded() ? count_.data() : nullptr;
    }

private:
    CardsDealtWindow* EnsureListWindow();
    CardsDealtCountWindow* EnsureCountWindow();
    void RebuildList();
    void SelectLastEntry();

    QPointer<CardsDealtWindow> list_;
    QPointer<CardsDealtCountWindow> count_;
    bool listCurrent_ = false;
    bool scrollQueued_ = false;
};

// The cards-dealt windows of the one table.
CardsDealtWindows& TheCardsDealtWindows();

} // namespace bacc
