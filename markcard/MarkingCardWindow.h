#pragma once

#include "ChildWindow.h"
#include "GameListener.h"
#include "Marking.h"

#include <vector>

#include <QColor>
#include <QString>

class QLabel;
class QScrollBar;

namespace bacc {

class OutlineShape;

// The marking card of PLAYER 1: a white card surface, larger than the window and scrolled by moving it
// to negative offsets, holding one mark per hand of the shoe in columns of Banker or Player streaks,
// the B/P letter over each column and the running total of units above it. The marks themselves are
// kept in the game's marking state; this window only shows them.
class MarkingCardWindow : public ChildWindow {
    Q_OBJECT
public:
    // Geometry of the card, in twips.
    static constexpr int ColumnPitch = 345;
    static constexpr int RowPitch = 300;
    static constexpr int SurfaceDesignWidth = 30000;
    static constexpr int ScrollBarThickness = 225;

    MarkingCardWindow();

    // Every mark, letter and total is removed: elements above index 0 are destroyed, index 0 hidden.
    void ClearMarks();
    // Draws mark k (hand k + 1) of the shoe, with the header letters and the column total it brings.
    void MarkResult(int markIndex);
    // Draws every mark of the shoe again, for a window opened in mid-shoe.
    void RedrawShoe();

    int InitialCardHeight() const { return initialCardHeight_; }
    int SurfaceWidth() const { return surfaceWidth_; }
    int SurfaceHeight() const { return surfaceHeight_; }
    QWidget* Surface() const { return picture1_; }

    static QColor Colour(MarkColour colour);
    // The design size: nine rows and about thirty columns of the card, with the horizontal bar below.
    QSize sizeHint() const override;

protected:
    bool Form_Unload() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void Form_Resize();
    void Picture1_Resize();
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);

    void SetSurfaceSize(int widthTwips, int heightTwips);
    // Grows the surface so that this cell of the grid lies on it.
    void GrowFor(int column, int row);
    void ShowHeader();
    void ShowColumnTotal(int column);
    QLabel* TotalLabel(int column);
    QLabel* MakeLabel(const QString& name, const QFont& font);
    // Sets a number's text, in a narrower face when it would not fit the label's width.
    void SetFittedText(QLabel* label, const QString& text, int widthTwips);

    QWidget* picture1_ = nullptr;
    OutlineShape* shape1_ = nullptr;
    std::vector<OutlineShape*> lines_;
    std::vector<QLabel*> headerLetters_;
    std::vector<QLabel*> totals_; // by column; nullptr where the column has no total yet
    std::vector<QLabel*> markTexts_;
    std::vector<OutlineShape*> markShapes_;
    QScrollBar* hScroll1_ = nullptr;
    QScrollBar* vScroll1_ = nullptr;
    QWidget* scrollCorner_ = nullptr;
    QFont markFont_;
    std::vector<QFont> narrowFonts_; // ever narrower faces for long numbers
    QFont headerFont_;

    int surfaceWidth_ = SurfaceDesignWidth;
    int surfaceHeight_ = 0;
    int initialCardHeight_ = 0;
    bool headerShown_ = false;
};

// Opens the marking card (creating it when needed), sets its caption and clears every mark.
void ResetMarkCard(const QString& caption);

// The card's follower of the table's game (TheGameListeners()): a new shoe resets the card, a settled
// hand is marked on it, re-opening a card closed in mid-shoe with every mark of the shoe.
GameListener& MarkingCardFollower();

// Shows the marking card in front, re-opening a closed one at its stored place with every mark of the
// shoe, as a hand marked while it is closed does.
MarkingCardWindow* ShowMarkCard();

// The open marking card, nullptr while it is closed.
MarkingCardWindow* TheMarkCard();

} // namespace bacc
