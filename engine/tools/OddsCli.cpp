#include "OddsCli.h"

#include <cstdio>

namespace bacc {

std::string OddsJson(const HandOdds& odds) {
    char text[640];
    if (!odds.Valid) {
        std::snprintf(text, sizeof text,
                      "{\"cards\": %d, \"valid\": false, \"banker\": null, \"player\": null, \"tie\": null, "
                      "\"natural\": null, \"player_natural\": null, \"banker_natural\": null, "
                      "\"ev_banker\": null, \"ev_player\": null, \"ev_tie\": null}",
                      odds.Cards);
        return text;
    }
    std::snprintf(text, sizeof text,
                  "{\"cards\": %d, \"valid\": true, \"banker\": %.17g, \"player\": %.17g, \"tie\": %.17g, "
                  "\"natural\": %.17g, \"player_natural\": %.17g, \"banker_natural\": %.17g, "
                  "\"ev_banker\": %.17g, \"ev_player\": %.17g, \"ev_tie\": %.17g}",
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
