#pragma once

#include "Bankroll.h"
#include "Bets.h"
#include "ChildWindow.h"
#include "ClickLabel.h"
#include "MaskedEdit.h"
#include "TableControls.h"
#include "TableGame.h"
#include "TableMoney.h"

#include <array>
#include <cstdint>
#include <initializer_list>

#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPointer>
#include <QPushButton>

namespace bacc {

class FocusChecks;

// The baccarat table: the window on which the cards are laid, the two seats bet
// and the results and the seats' money are shown. It reads its widgets, asks
// the table's game and shows the answer. The commands (bet entry, settlement,
// shuffle and deal) are member functions written in their own files; the
// controls that repeat per seat, per bet spot and per card slot are kept in
// private structs.
class TableWindow : public ChildWindow, public TableMoney, public TableBooks {
    Q_OBJECT
public:
    static constexpr int SeatCount = 2;
    static constexpr int Slots = 6;
    // Card slots in twips: 0, 1 the Player's first two cards, 2 its third; 3, 4
    // the Banker's, 5 its third.
    static constexpr std::array<int, Slots> SlotLeft{180, 1380, 780, 8550, 9750, 9150};
    static constexpr std::array<int, Slots> SlotTop{2340, 2340, 780, 2340, 2340, 780};
    static constexpr int DesignWidth = 11085; // inner size in twips
    static constexpr int DesignHeight = 4035;
    static constexpr int FlightLeft = 4950; // home of the flying card, above the table's top edge
    static constexpr int FlightTop = -1500;
    static constexpr int FlightStep = 180;

    explicit TableWindow(QWidget* parent = nullptr);
    ~TableWindow() override;

    // Opening: position, card size, shoe state, default bets, card backs, money
    // captions, button captions.
    void Form_Load();
    // Clears the results of the last hand; value labels of standing bets stay.
    void ResultsInvisible();

    // --- Card display and reveal ---
    void FlyCardToSlot(int slot);
    void ShowDealtCard(int rank, int slot);
    void pctCardBack_Click(int slot);
    void lblCardBottom_MouseMove(int slot, int yTwips);
    void lblCardBottom_MouseUp(int slot);
    void lblCardRight_MouseMove(int slot, int xTwips);
    void lblCardRight_MouseUp(int slot);
    void Form_MouseMove();
    void pctCardBack_MouseMove(int slot);
    void SetHandPointers();
    void SetArrowPointers();
    void CardsInvisible();
    // Puts face picture 1..52 (CardFace) into pctCardFace(slot); showing it is
    // the caller's business.
    void SetCardFace(int slot, int face);
    // Shows the slot's card back at full size with its shadow.
    void ShowCardBack(int slot);

    // Base captions of the two table buttons.
    static QString ShuffleCaption();
    static QString DealCaption();

    // --- State of the window ---
    bool DealInProgress = false;
    int CardHeight = 0; // twips, from pctCardBack(0) at load
    int CardWidth = 0;
    bool PointerReset = true;

    // --- Result and title labels ---
    QLabel* Label1 = nullptr;
    QLabel* Label11 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label12 = nullptr;
    QLabel* WinP = nullptr;
    QLabel* WinB = nullptr;
    QLabel* TieResultP = nullptr;
    QLabel* TieResultB = nullptr;
    QLabel* PTotal = nullptr;
    QLabel* BTotal = nullptr;
    QLabel* lblNaturalP = nullptr;
    QLabel* lblNaturalB = nullptr;

    // --- Commands and shoe state ---
    QPushButton* maisyk = nullptr;     // shuffle
    QPushButton* duokkortos = nullptr; // deal
    std::array<QLabel*, 2> lblShuffleInProgress{};
    QLabel* FormEndofShoe = nullptr;
    QLabel* FormLastHand = nullptr;
    QLabel* lblHandsAtaTime = nullptr;
    MaskedEdit* HandsAtaTime = nullptr;
    QLabel* lblUnitValue = nullptr;
    MaskedEdit* txtUnitValue = nullptr;
    QLineEdit* txtSetFocus = nullptr;

    // --- Seats: headings ---
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;

    // --- Betting area ---
    QLabel* Label3 = nullptr;           // "TIE"
    QLabel* Label8 = nullptr;           // "Pays 8 To 1"
    QLabel* Label5 = nullptr;           // "BANKER"
    QLabel* Label4 = nullptr;           // "PLAYER"
    std::array<TableShape*, 6> Line{};  // Line1..Line6 at index 0..5
    std::array<TableShape*, 6> Shape{}; // Shape1..Shape6 at index 0..5
    PictureBox* pctCardBackMove = nullptr;
    // Hidden holders of the reveal pointers: 0 the hand pointing left, 1 the hand
    // pointing up.
    std::array<QLabel*, 2> Image1{};
    // Whether a card has been dealt into the slot (a click on its back before
    // that reveals nothing).
    bool CardInSlot(int slot) const { return slots_[slot].Dealt; }

    // Bet entry (BetEntry.cpp)
    // Ties the bet boxes and labels to their handlers; the constructor calls it
    // once.
    void ConnectBetEntry();
    void HandsAtaTime_GotFocus();
    void HandsAtaTime_LostFocus();
    void txtUnitValue_GotFocus();
    void txtUnitValue_LostFocus();
    void txtPlayerBet_GotFocus(int seat);
    void txtPlayerBet_LostFocus(int seat);
    void txtBankerBet_GotFocus(int seat);
    void txtBankerBet_LostFocus(int seat);
    void txtTieBet_GotFocus(int seat);
    void txtTieBet_LostFocus(int seat);
    void lblPBetInc0_Click(int seat);
    void lblPBetInc1_Click(int seat);
    void lblPBetInc2_Click(int seat);
    void lblPBetInc5_Click(int seat);
    void lblBBetInc0_Click(int seat);
    void lblBBetInc1_Click(int seat);
    void lblBBetInc2_Click(int seat);
    void lblBBetInc5_Click(int seat);
    void lblTBetInc0_Click(int seat);
    void lblTBetInc1_Click(int seat);
    void lblTBetInc2_Click(int seat);
    void lblTBetInc5_Click(int seat);
    // Says that Hands At a Time is out of range and puts the focus back into it.
    void RefuseHandsAtaTime();
    // The number the bet box held when it last gained the focus: a refused entry
    // is put back to it.
    std::int16_t SavedBet = 0;
    MaskedEdit* BetBox(BetSpot spot, int seat) const;
    QLabel* BetValueLabel(BetSpot spot, int seat) const;

    // Settlement and bankroll (Settlement.cpp): the table's money as the game
    // reads and writes it.
    SeatBets Bets(int seat) const override;
    StandingDollars Standing(int seat) const override;
    long long UnitValue() const override;
    long long CurrentMoney(int seat) const override;
    long long Winnings(int seat) const override;
    void ShowWinnings(int seat, long long dollars) override;
    std::string Stored(std::string_view section, std::string_view key) const override;
    void Store(const std::vector<StoredValue>& values) override;
    // After a single presented hand: marks each seat's winning and losing bets
    // and clears the losers.
    void ShowSeatResults();
    void ShowCurrentMoney();
    // Whether the seat's money covers its bets in play plus amount dollars; says
    // so when it does not.
    bool prcSufficientFunds(std::int32_t amount, int seat);
    // The units in a seat's three bet boxes.
    SeatBets BetsOf(int seat) const;
    // The dollars a bet has in play: its value label while its box holds units. A
    // bet taken off by the last hand may still show its value beside the lose
    // mark; it no longer counts.
    long long StandingBetValue(BetSpot spot, int seat) const;
    QString PlayerWinningsCaption(int seat) const override;
    void SetPlayerWinningsCaption(int seat, const QString& caption) override;
    QString PlayerTotalCaption(int seat) const override;
    void SetPlayerTotalCaption(int seat, const QString& caption) override;

    // Shuffle and deal commands (ShuffleCommand.cpp, DealSequence.cpp)
    void maisyk_Click();
    void duokkortos_Click();
    // The twelve bet labels of a seat: Tie, Banker, Player; 0, 1, 2, 5 each.
    std::array<ClickLabel*, 12> BetLabels(int seat) const;
    // Opens a seat's bet boxes and labels to the player, or closes them while a
    // deal runs.
    void SetSeatBetting(int seat, bool open);

protected:
    bool Form_Unload() override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // One bet spot of a seat: txtPlayerBet(seat), txtPlayerBetValue(seat),
    // lblPWin(seat), lblPLose(seat) and lblPBetInc0, 1, 2, 5 (seat) for the
    // Player spot, and so on.
    struct Spot {
        MaskedEdit* Box = nullptr;
        QLabel* Value = nullptr;
        QLabel* Win = nullptr;
        QLabel* Lose = nullptr;
        std::array<ClickLabel*, 4> Labels{}; // clear, add 1, add 2, add 5
    };
    // A seat: its money, lblPlayerTotal(seat) and lblPlayerWinnings(seat), and
    // its three spots.
    struct Seat {
        QLabel* Total = nullptr;
        QLabel* Winnings = nullptr;
        std::array<Spot, 3> Spots; // by BetSpot: Player, Banker, Tie
        Spot& On(BetSpot spot) { return Spots[static_cast<std::size_t>(spot)]; }
        const Spot& On(BetSpot spot) const { return Spots[static_cast<std::size_t>(spot)]; }
    };
    // A card slot, bottom to top: shpCardShadow, pctCardFace, the corner patches,
    // pctCardBack and the squeeze handles lblCardBottom and lblCardRight.
    struct Slot {
        TableShape* Shadow = nullptr;
        PictureBox* Face = nullptr;
        // pctCardTopLeft, pctCardTopRight, pctCardBottomLeft, pctCardBottomRight,
        // and their Wide forms.
        std::array<QLabel*, 4> Patches{};
        std::array<QLabel*, 4> WidePatches{};
        PictureBox* Back = nullptr;
        SqueezeHandle* Bottom = nullptr;
        SqueezeHandle* Right = nullptr;
        bool Dealt = false;
    };

    void ConnectCommands();
    void LockForDeal();
    void PresentHand();
    void LayThirdCard(int slot);
    void WaitForReveal(std::initializer_list<int> covered);
    // A card squeezed from one edge by twips (negative: toward the opposite
    // edge), and let go.
    void Squeeze(int slot, SqueezeHandle::Edge edge, int twips);
    void LetGo(int slot, SqueezeHandle::Edge edge);
    void CloseDeal();

    void CreateTitlesAndResults();
    void CreateCommands();
    void CreateSeatMoney();
    void CreateBettingArea();
    void CreateSeatBets(int seat);
    void CreateCardSlot(int slot);
    void ShowIndexPatches(int slot, int rank, bool topRightAndBottomLeft, bool shown = true);
    void LoadMoneyCaptions();

    QPixmap felt_;                          // the cloth's weave, one tile
    QPixmap feltCache_;                     // the whole cloth at the window's size, drawn once per size
    FocusChecks* betFocusChecks_ = nullptr; // the focus rules of the table's entry boxes (BetEntry.cpp)
    std::array<Seat, SeatCount> seats_;
    std::array<Slot, Slots> slots_;
};

// The one table: nullptr while it is closed.
TableWindow* TheTable();
// The table, created and loaded when it is not open, and shown in the main
// window.
TableWindow* OpenTable();

} // namespace bacc
