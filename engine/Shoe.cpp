#include "Shoe.h"

#include "Random.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <random>
#include <utility>

namespace bacc {

ListLine MakeListLine(int rank, int suitIndex, CardMark mark) {
    ListLine line;
    line.fill(' ');
    const std::string_view rankName = RankName(rank);
    const std::string_view suitName = SuitNameOfIndex(suitIndex);
    // "Queen Diamond", the longest name, fills columns 1-13 exactly.
    std::memcpy(line.data(), rankName.data(), rankName.size());
    std::memcpy(line.data() + rankName.size() + 1, suitName.data(), suitName.size());
    static constexpr std::string_view burnt = "<-Burnt";
    static constexpr std::string_view end = "<-End";
    if (mark == CardMark::Burnt) {
        std::memcpy(line.data() + 14, burnt.data(), burnt.size());
    } else if (mark == CardMark::End) {
        std::memcpy(line.data() + 14, end.data(), end.size());
    }
    return line;
}

std::string CountRowText(const DealtCountRow& row) {
    std::string text(ListLineLength, ' ');
    text.replace(0, std::min<std::size_t>(row.Label.size(), 5), row.Label.substr(0, 5));
    // One column per count: at most eight cards of a rank and suit exist in the largest shoe.
    for (int suit = 1; suit <= 4; ++suit) {
        const std::string count = std::to_string(row.Count[suit]);
        text[static_cast<std::size_t>(5 + 3 * (suit - 1))] = count.front();
    }
    return text;
}

bool BankerDraws(int b, bool playerDrew, int t) {
    if (b <= 2) {
        return true;
    }
    if (!playerDrew) {
        return b <= 5;
    }
    switch (b) {
    case 3:
        return t != 8;
    case 4:
        return t >= 2 && t <= 7;
    case 5:
        return t >= 4 && t <= 7;
    case 6:
        return t == 6 || t == 7;
    default:
        return false;
    }
}

std::string_view Shoe::SuitName(CardId id) {
    const int suit = SuitIndexOf(id);
    SuitNumber = suit + 1;
    return SuitNameOfIndex(suit);
}

void Shoe::ResetDealtCount() {
    for (int r = 0; r < RanksPerSuit; ++r) {
        DealtCountTable[static_cast<std::size_t>(r)] = DealtCountRow{RankName(r + 1), {}};
    }
}

void Shoe::SetSeed(std::optional<std::uint64_t> seed) {
    seed_ = seed;
    shoesBuilt_ = 0;
}

void Shoe::SetShoeSeed(std::uint64_t seed, std::uint64_t shoe) {
    seed_ = seed;
    shoesBuilt_ = shoe > 0 ? shoe - 1 : 0;
}

void Shoe::StackNextShoe(std::vector<CardId> order) {
    stacked_ = std::move(order);
}

void Shoe::Shuffle() {
    const auto size = static_cast<std::size_t>(LastCardIndex + 1);
    if (stacked_ && stacked_->size() == size) {
        ShoeOrder = std::move(*stacked_);
        stacked_.reset();
        for (std::size_t i = 0; i < size; ++i) {
            listener_->ProcessEvents();
        }
        return;
    }
    stacked_.reset();

    // Reseeded at every new shoe: from the fixed seed and the shoe's number when one is set, otherwise
    // from the system's entropy mixed with the clock.
    std::uint64_t seed;
    if (seed_) {
        seed = ShuffleRandom::ShoeSeed(*seed_, ++shoesBuilt_);
    } else {
        std::random_device device;
        seed = (static_cast<std::uint64_t>(device()) << 32) ^ device() ^
               static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
    }
    ShuffleRandom random(seed);

    // Fisher-Yates, front to back: position i takes a card chosen uniformly from those not yet placed.
    // Copied from a table rather than counted out: a block copy, a small part of every simulated shoe.
    static const auto inOrder = [] {
        std::array<CardId, 8 * CardsPerDeck> ids{};
        for (std::size_t i = 0; i < ids.size(); ++i) {
            ids[i] = static_cast<CardId>(i);
        }
        return ids;
    }();
    std::copy_n(inOrder.begin(), size, ShoeOrder.begin());
    for (std::size_t i = 0; i + 1 < size; ++i) {
        const std::size_t j = i + random.Below(static_cast<std::uint32_t>(size - i));
        std::swap(ShoeOrder[i], ShoeOrder[j]);
        listener_->ProcessEvents();
    }
    listener_->ProcessEvents();
}

void Shoe::NewShoe() {
    DeckCount = CheckedDeckCount(DeckCount);
    LastCardIndex = DeckCount * CardsPerDeck - 1;
    const auto size = static_cast<std::size_t>(LastCardIndex + 1);
    ShoeOrder.assign(size, 0);
    CardRank.assign(size, 0);
    CardListText.assign(size, ListLine{});
    CardsOut = 0;
    ResetDealtCount();

    for (std::size_t id = 0; id < size; ++id) {
        CardRank[id] = static_cast<std::int16_t>(id % RanksPerSuit + 1);
        listener_->ProcessEvents();
    }
    Shuffle();

    // The first card is shown and burnt with as many more as its value (ten and court cards count 10).
    const int firstRank = RankAt(0);
    const int burnValue = firstRank > 9 ? 10 : firstRank;
    listener_->NewShoeStarted();
    for (int p = 0; p <= burnValue; ++p) {
        RecordCard(p, CardMark::Burnt);
    }
    listener_->CountChanged();
    NextCard = burnValue + 1;
}

void Shoe::StartShoe() {
    NewShoe();
    ShoeDecks = (LastCardIndex + 1) / CardsPerDeck;
    LastHand = false;
    EndOfShoe = false;
    ShoeInPlay = true;
}

namespace {
// Every list line a card can have, built once: three markers for each of the 52 faces.
const std::array<std::array<ListLine, CardsPerDeck>, 3>& ListLines() {
    static const auto lines = [] {
        std::array<std::array<ListLine, CardsPerDeck>, 3> table{};
        for (int mark = 0; mark < 3; ++mark) {
            for (int face = 0; face < CardsPerDeck; ++face) {
                table[static_cast<std::size_t>(mark)][static_cast<std::size_t>(face)] =
                    MakeListLine(face % RanksPerSuit + 1, face / RanksPerSuit, static_cast<CardMark>(mark));
            }
        }
        return table;
    }();
    return lines;
}
} // namespace

void Shoe::RecordCard(int position, CardMark mark) {
    const CardId card = ShoeOrder[static_cast<std::size_t>(position)];
    const int rank = CardRank[static_cast<std::size_t>(card)];
    SuitName(card);
    CardListText[static_cast<std::size_t>(position)] =
        ListLines()[static_cast<std::size_t>(mark)][static_cast<std::size_t>(CardFace(card) - 1)];
    if (position + 1 > CardsOut) {
        CardsOut = position + 1;
    }
    listener_->AppendDealtCard(position);
    ++DealtCountTable[static_cast<std::size_t>(rank - 1)].Count[static_cast<std::size_t>(SuitNumber)];
}

namespace {
// BankerDraws as a table, row the Banker's two-card total, column 0 when the Player stood, else 1 + the
// value of the Player's third card.
const std::array<std::array<bool, 11>, 10> BankerDrawTable = [] {
    std::array<std::array<bool, 11>, 10> draws{};
    for (int banker = 0; banker < 10; ++banker) {
        draws[static_cast<std::size_t>(banker)][0] = BankerDraws(banker, false, 0);
        for (int third = 0; third < 10; ++third) {
            draws[static_cast<std::size_t>(banker)][static_cast<std::size_t>(third + 1)] =
                BankerDraws(banker, true, third);
        }
    }
    return draws;
}();

// Looked up rather than worked out: one load gives what a hand needs of a card, and the card's value, a
// coin flip to a branch predictor, takes no branch. The ranks are those of CardRank.
struct CardFacts {
    std::int16_t face;
    std::int16_t rank;
    std::int8_t value;
};
constexpr std::array<CardFacts, 8 * CardsPerDeck> FactsOf = [] {
    std::array<CardFacts, 8 * CardsPerDeck> facts{};
    for (std::size_t i = 0; i < facts.size(); ++i) {
        const auto id = static_cast<CardId>(i);
        facts[i] = {static_cast<std::int16_t>(CardFace(id)), static_cast<std::int16_t>(RankOf(id)),
                    static_cast<std::int8_t>(CardValue(RankOf(id)))};
    }
    return facts;
}();
constexpr std::array<char, 3> ResultOf{'B', 'T', 'P'};
} // namespace

void Shoe::DealHand() {
    if (EndOfShoe) {
        return;
    }
    HandState& h = Hand;
    const CardId* order = ShoeOrder.data();
    const auto take = [&](int position, std::size_t slot) {
        const CardFacts& card = FactsOf[static_cast<std::size_t>(order[position])];
        h.SlotFace[slot] = card.face;
        h.SlotRank[slot] = card.rank;
        return static_cast<int>(card.value);
    };
    const auto addTo = [](int total, int value) {
        return total + value >= 10 ? total + value - 10 : total + value;
    };

    // Player, Banker, Player, Banker.
    const int p = NextCard;
    const int playerFirst = take(p, 0);
    const int bankerFirst = take(p + 1, 3);
    const int playerTwo = addTo(playerFirst, take(p + 2, 1));
    const int bankerTwo = addTo(bankerFirst, take(p + 3, 4));
    for (int k = 0; k < 4; ++k) {
        RecordCard(p + k, CardMark::Dealt);
    }
    int next = p + 4;
    int player = playerTwo;
    int banker = bankerTwo;
    bool playerDrew = false;
    bool bankerDrew = false;
    if (player < 8 && banker < 8 && !(player >= 6 && banker >= 6)) {
        int playerThird = 0;
        if (player <= 5) {
            playerThird = take(next, 2);
            RecordCard(next, CardMark::Dealt);
            ++next;
            player = addTo(player, playerThird);
            playerDrew = true;
        }
        if (BankerDrawTable[static_cast<std::size_t>(bankerTwo)][playerDrew ? playerThird + 1u : 0u]) {
            const int value = take(next, 5);
            RecordCard(next, CardMark::Dealt);
            ++next;
            banker = addTo(banker, value);
            bankerDrew = true;
        }
    }
    NextCard = next;
    h.PlayerTwoCardTotal = playerTwo;
    h.BankerTwoCardTotal = bankerTwo;
    h.PlayerTotal = player;
    h.BankerTotal = banker;
    h.PlayerNatural = playerTwo >= 8;
    h.BankerNatural = bankerTwo >= 8;
    h.PlayerDrew = playerDrew;
    h.BankerDrew = bankerDrew;

    h.HandResult = ResultOf[static_cast<std::size_t>((player > banker) - (player < banker) + 1)];

    // The cut card: the hand that runs the shoe down to 13 cards sets LastHand, the next one ends it.
    if (LastHand) {
        EndOfShoe = true;
    }
    if (NextCard > LastCardIndex - 13) {
        LastHand = true;
    }
    listener_->CountChanged();
}

void Shoe::RecordUndealtRest() {
    for (int position = NextCard; position <= LastCardIndex; ++position) {
        RecordCard(position, CardMark::End);
    }
    NextCard = LastCardIndex;
    listener_->CountChanged();
}

Shoe& TheShoe() {
    static Shoe shoe;
    return shoe;
}

} // namespace bacc
