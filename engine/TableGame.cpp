#include "TableGame.h"

#include "NumberText.h"

namespace bacc {
namespace {

std::string Number(long long value) {
    return NumberText(static_cast<double>(value));
}

} // namespace

GameListeners& TheGameListeners() {
    static GameListeners listeners;
    return listeners;
}

std::string SeatStatsSection(int seat) {
    return "Player" + std::to_string(seat + 1) + "Stats";
}

std::string ShoesPlayedKey(int decks) {
    return "Decks" + std::to_string(decks);
}

RevealOrder RevealOrderOf(const HandState& hand) {
    return {hand.PlayerDrew && hand.BankerTwoCardTotal > 2, hand.PlayerDrew || hand.BankerDrew};
}

TableGame::TableGame(Shoe& shoe, MarkingState& marking, GameListeners& listeners)
    : shoe_(shoe), marking_(marking), listeners_(listeners) {}

void TableGame::SetBooks(TableBooks* books) {
    books_ = books ? books : &none_;
}

// --- Shoes ---

void TableGame::StartShoe(bool playerBlue) {
    AbandonShoe();
    shoe_.StartShoe();
    marking_.ResetForNewShoe(playerBlue);
    listeners_.Tell([](GameListener& listener) { listener.ShoeStarted(); });
}

void TableGame::AbandonShoe() {
    waiting_ = false;
}

bool TableGame::ShoeRunning() const {
    return shoe_.ShoeInPlay && !shoe_.EndOfShoe;
}

bool TableGame::TableOpened() {
    if (ShoeRunning()) {
        return true;
    }
    shoe_.EndOfShoe = true;
    return false;
}

// --- Bets ---

Placement TableGame::Place(int seat, BetSpot spot, long long units) const {
    const long long unitValue = books_->UnitValue();
    Placement placed;
    placed.InRange = RangeOf(FieldOf(spot)).Holds(units);
    placed.Extra = ExtraForBet(spot, units, unitValue, books_->Standing(seat));
    placed.Covered = Covers(seat, placed.Extra);
    placed.Units = units;
    placed.Dollars = BetDollars(units, unitValue);
    placed.ClearsOtherSide = spot != BetSpot::Tie && units != 0;
    return placed;
}

Placement TableGame::Add(int seat, BetSpot spot, long long units) const {
    const long long unitValue = books_->UnitValue();
    Placement placed;
    placed.Units = books_->Bets(seat).On(spot) + units;
    // A box holds only so many digits: past them the add is not made at all.
    placed.InRange = placed.Units <= BoxCapacity(spot);
    placed.Extra = ExtraForAdd(spot, units, unitValue, books_->Standing(seat));
    placed.Covered = placed.InRange && Covers(seat, placed.Extra);
    placed.Dollars = BetDollars(placed.Units, unitValue);
    placed.ClearsOtherSide = spot != BetSpot::Tie;
    return placed;
}

bool TableGame::Covers(int seat, std::int32_t extra) const {
    return FundsCover(books_->CurrentMoney(seat), books_->Standing(seat).Total(), extra);
}

// --- Deals ---

DealCheck TableGame::CheckDeal(long long hands) const {
    // Only a shoe in play can be dealt from; the table opens at the end of a shoe never dealt, and a deal
    // there would count a shoe that was never played.
    if (shoe_.EndOfShoe || !shoe_.ShoeInPlay) {
        return {DealRefusal::NoShoe};
    }
    if (!RangeOf(EntryField::HandsAtaTime).Holds(hands)) {
        return {DealRefusal::HandsOutOfRange};
    }
    for (int seat = 0; seat < TableSeats; ++seat) {
        if (books_->Bets(seat).BothSides()) {
            return {DealRefusal::BothSides, seat};
        }
    }
    return {};
}

int TableGame::Deal(long long hands, const MarkOptions& marks) {
    if (waiting_ || CheckDeal(hands).Refusal != DealRefusal::None) {
        return 0;
    }
    int dealt = 0;
    for (long long h = 1; h <= hands && !shoe_.EndOfShoe; ++h) {
        leftBefore_ = RemainingValues(shoe_);
        shoe_.DealHand();
        ++marking_.HandNumber;
        ++dealt;
        if (hands == 1) {
            // Presented first: settled once the player has seen its cards.
            waiting_ = true;
            return dealt;
        }
        Settle(marks);
    }
    EndDeal();
    return dealt;
}

void TableGame::SettleWaiting(const MarkOptions& marks) {
    if (!waiting_) {
        return;
    }
    waiting_ = false;
    Settle(marks);
    EndDeal();
}

HandRecord TableGame::Settle(const MarkOptions& marks) {
    HandRecord record;
    record.HandNumber = marking_.HandNumber;
    record.Hand = shoe_.Hand;
    record.LeftBefore = leftBefore_;
    const HandOutcome outcome = OutcomeOf(shoe_.Hand);
    const long long unitValue = books_->UnitValue();
    std::vector<StoredValue> values;
    values.reserve(2 * TableSeats + 2);
    for (int seat = 0; seat < TableSeats; ++seat) {
        SeatHandRecord& settled = record.Seats[static_cast<std::size_t>(seat)];
        settled.Bets = books_->Bets(seat);
        settled.UnitValue = unitValue;
        settled.Fates = FatesOf(settled.Bets, outcome.Result);
        settled.Cents = marking_.RecordHandResult(settled.Bets, unitValue, seat + 1, outcome, marks);
        const std::string section = SeatStatsSection(seat);
        const SeatRecords records =
            RecordsAfterHand(books_->Winnings(seat), settled.Cents, books_->Stored(section, "Turnover"),
                             books_->Standing(seat).Total());
        settled.Winnings = records.Winnings;
        settled.Turnover = records.Turnover;
        books_->ShowWinnings(seat, records.Winnings);
        values.push_back({section, "Win", Number(records.Winnings)});
        values.push_back({section, "Turnover", Number(records.Turnover)});
    }
    record.Hands = CountPlusOne(books_->Stored(HandsPlayedSection, "Hands"));
    values.push_back({std::string(HandsPlayedSection), "Hands", Number(record.Hands)});
    // The shoe's last hand also counts the shoe, in the same write.
    if (shoe_.EndOfShoe) {
        const std::string decks = ShoesPlayedKey(shoe_.ShoeDecks);
        values.push_back({std::string(HandsPlayedSection), decks,
                          Number(CountPlusOne(books_->Stored(HandsPlayedSection, decks)))});
    }
    books_->Store(values);
    if (const auto mark = static_cast<std::size_t>(record.HandNumber - 1); mark < marking_.Marks.size()) {
        record.MarkOfHand = marking_.Marks[mark];
    }
    listeners_.Tell([&record](GameListener& listener) { listener.HandSettled(record); });
    if (shoe_.EndOfShoe) {
        FinishShoe();
    }
    return record;
}

void TableGame::FinishShoe() {
    // The cards never dealt are recorded as unseen, so the lists and counts cover the whole shoe.
    shoe_.RecordUndealtRest();
    shoe_.ShoeInPlay = false;
    listeners_.Tell([](GameListener& listener) { listener.ShoeFinished(); });
}

void TableGame::EndDeal() {
    listeners_.Tell([](GameListener& listener) { listener.DealEnded(); });
}

// --- What the player has seen ---

ValueCounts TableGame::SeenCardsLeft() const {
    return waiting_ ? leftBefore_ : RemainingValues(shoe_);
}

std::string TableGame::SeenResults() const {
    std::string results;
    results.reserve(marking_.Marks.size());
    for (const Mark& mark : marking_.Marks) {
        results += mark.Result;
    }
    return results;
}

TableGame& TheTableGame() {
    static TableGame game(TheShoe(), TheMarking(), TheGameListeners());
    return game;
}

} // namespace bacc
