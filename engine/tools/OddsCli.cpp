#include "OddsCli.h"

#include <cstdio>

namespace bacc {

std::string OddsJson(const HandOdds& odds) {
    char text[512];
    if (!odds.Valid) {
        std::snprintf(text, sizeof text,
                      "{\"cards\": %d, \"valid\": false, \"banker\": null, \"player\": null, \"tie\": null, "
                      "\"natural\": null, \"player_natural\": null, \"banker_natural\": null, "
                      "\"ev_banker\": null, \"ev_player\": null, \"ev_tie\": null}",
                      odds.Cards);
        return text;
    }
    std::snprintf(text, sizeof text,
                  "{\"cards\": %d, \"valid\": true, \"banker\": %.6f, \"player\": %.6f, \"tie\": %.6f, "
                  "\"natural\": %.6f, \"player_natural\": %.6f, \"banker_natural\": %.6f, "
                  "\"ev_banker\": %.6f, \"ev_player\": %.6f, \"ev_tie\": %.6f}",
                  odds.Cards, odds.Banker, odds.Player, odds.Tie, odds.Natural, odds.PlayerNatural,
                  odds.BankerNatural, odds.EvBanker, odds.EvPlayer, odds.EvTie);
    return text;
}

std::optional<ValueCounts> ParseCounts(std::string_view text) {
    ValueCounts counts{};
    std::size_t value = 0;
    bool digits = false;
    int count = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == ',') {
            if (!digits || value >= counts.size()) {
                return std::nullopt;
            }
            counts[value++] = count;
            digits = false;
            count = 0;
            continue;
        }
        const char c = text[i];
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        count = count * 10 + (c - '0');
        if (count > MaxValueCount) {
            return std::nullopt;
        }
        digits = true;
    }
    if (value != counts.size() || CardCount(counts) < MinOddsCards) {
        return std::nullopt;
    }
    return counts;
}

} // namespace bacc
