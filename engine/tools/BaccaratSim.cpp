// Plays whole shoes exactly as the table does (shuffle, burn, drawing rules, cut card) with no window, on
// every core, and prints one JSON object: the outcome counts and the speed, and with --system the
// results of betting sessions played with that system.
#include "BettingSystems.h"
#include "LabChecks.h"
#include "LabComparison.h"
#include "OddsCli.h"
#include "StrategyLab.h"

#include <array>
#include <atomic>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <thread>
#include <unistd.h>
#include <utility>

namespace {

using bacc::Cents;
using bacc::CentsPerDollar;

struct Arguments {
    int decks = 8;
    std::uint64_t shoes = 10000;
    std::optional<std::uint64_t> seed;
    unsigned threads = std::max(std::thread::hardware_concurrency(), 1u);

    std::optional<bacc::SystemKind> system;
    bacc::BetSide side = bacc::BetSide::Banker;
    Cents unit = 10 * CentsPerDollar;
    Cents bankroll = 1000 * CentsPerDollar;
    std::optional<Cents> minimum;
    std::optional<Cents> maximum;
    int sessionShoes = 1;
    std::optional<std::uint64_t> sessions;
    Cents stopWin = 0;
    Cents stopLoss = 0;
    std::optional<std::string> curve;
    std::optional<bacc::SystemKind> versus;
    std::optional<bacc::BetSide> versusSide;

    bool odds = false;
    std::optional<bacc::ValueCounts> counts;
    bool edgeReport = false;
    // The first option given that only a strategy run takes, checked once all are read.
    std::optional<std::string_view> strategyOption;
};

[[noreturn]] void Fail(const std::string& message) {
    std::cerr << "baccarat-sim: " << message << '\n';
    std::exit(2);
}

[[noreturn]] void Bad(std::string_view option, std::string_view text, std::string_view expected) {
    Fail("bad value for " + std::string(option) + " '" + std::string(text) + "' (" + std::string(expected) +
         ")");
}

std::optional<std::uint64_t> ParseWhole(std::string_view text) {
    if (text.empty() || text.size() > 19) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return value;
}

// Dollars with at most two decimals and at most 13 digits before the point: "25", "12.5", "0.75". The
// range is left to CheckLab.
std::optional<Cents> ParseDollars(std::string_view text) {
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view cents =
        point == std::string_view::npos ? std::string_view{} : text.substr(point + 1);
    if (whole.size() > 13 || (point != std::string_view::npos && (cents.empty() || cents.size() > 2))) {
        return std::nullopt;
    }
    const std::optional<std::uint64_t> dollars = whole.empty() && !cents.empty() ? 0 : ParseWhole(whole);
    const std::optional<std::uint64_t> fraction = cents.empty() ? 0 : ParseWhole(cents);
    if (!dollars || !fraction) {
        return std::nullopt;
    }
    return static_cast<Cents>(*dollars) * CentsPerDollar +
           static_cast<Cents>(*fraction) * (cents.size() == 1 ? 10 : 1);
}

Cents PositiveDollars(std::string_view option, std::string_view text) {
    const std::optional<Cents> value = ParseDollars(text);
    if (!value || *value <= 0 || *value > bacc::MaxBankroll) {
        Bad(option, text,
            "dollars from 0.01 to " + std::to_string(bacc::MaxBankroll / CentsPerDollar) +
                ", at most two decimals");
    }
    return *value;
}

// Stakes are whole dollars so that every payout is a whole number of cents.
Cents StakeDollars(std::string_view option, std::string_view text) {
    const std::optional<std::uint64_t> value = ParseWhole(text);
    constexpr auto most = static_cast<std::uint64_t>(bacc::MaxStake / CentsPerDollar);
    if (!value || *value < 1 || *value > most) {
        Bad(option, text, "whole dollars, 1 to " + std::to_string(most));
    }
    return static_cast<Cents>(*value) * CentsPerDollar;
}

std::uint64_t Count(std::string_view option, std::string_view text, std::uint64_t most) {
    const std::optional<std::uint64_t> value = ParseWhole(text);
    if (!value || *value < 1 || *value > most) {
        Bad(option, text, "a whole number from 1 to " + std::to_string(most));
    }
    return *value;
}

// One entry per option: --help is written from this table, and a new option is one more entry.
struct Option {
    std::string_view name;
    std::string_view value; // shown in --help; empty for an option that takes none
    std::string_view help;
    bool strategy; // taken only with --system
    void (*apply)(Arguments&, std::string_view option, std::string_view text);
};

constexpr std::uint64_t MaxCount = 9'999'999'999'999'999'999ULL;
// The ranges --help states.
static_assert(bacc::MaxStake == Cents{1'000'000'000} * CentsPerDollar &&
              bacc::MaxBankroll == Cents{1'000'000'000'000} * CentsPerDollar &&
              bacc::MaxSessionShoes == 1'000'000 && bacc::MaxLabSessions == 100'000'000);

const std::array<Option, 20> Options{{
    {"--decks", "N", "decks in the shoe: 1, 2, 4, 6 or 8 (default 8)", false,
     [](Arguments& a, std::string_view o, std::string_view t) {
         const std::optional<std::uint64_t> value = ParseWhole(t);
         if (!value || (*value != 1 && *value != 2 && *value != 4 && *value != 6 && *value != 8)) {
             Bad(o, t, "1, 2, 4, 6 or 8");
         }
         a.decks = static_cast<int>(*value);
     }},
    {"--shoes", "N", "shoes to play (default 10000); with --system, sessions of --session-shoes each", false,
     [](Arguments& a, std::string_view o, std::string_view t) { a.shoes = Count(o, t, MaxCount); }},
    {"--seed", "N", "seed of the shuffles: the same seed gives the same output (default: a random one)",
     false,
     [](Arguments& a, std::string_view o, std::string_view t) {
         const std::optional<std::uint64_t> value = ParseWhole(t);
         if (!value) {
             Bad(o, t, "a whole number");
         }
         a.seed = *value;
     }},
    {"--threads", "N", "threads to play on (default: every core)", false,
     [](Arguments& a, std::string_view o, std::string_view t) {
         a.threads = static_cast<unsigned>(Count(o, t, 1024));
     }},
    {"--system", "NAME", "bet with a system: {systems}", true,
     [](Arguments& a, std::string_view o, std::string_view t) {
         a.system = bacc::SystemNamed(t);
         if (!a.system) {
             Bad(o, t, bacc::SystemNameList());
         }
     }},
    {"--side", "NAME",
     "banker (default), player, tie, follow (the last decided result) or opposite (against it)", true,
     [](Arguments& a, std::string_view o, std::string_view t) {
         const std::optional<bacc::BetSide> side = bacc::SideNamed(t);
         if (!side) {
             Bad(o, t, bacc::SideNameList());
         }
         a.side = *side;
     }},
    {"--unit", "D", "the system's unit stake in whole dollars, 1 to 1000000000 (default 10)", true,
     [](Arguments& a, std::string_view o, std::string_view t) { a.unit = StakeDollars(o, t); }},
    {"--bankroll", "D",
     "the bankroll each session starts with: dollars, 0.01 to 1000000000000, at least the unit and "
     "the table minimum (default 1000)",
     true, [](Arguments& a, std::string_view o, std::string_view t) { a.bankroll = PositiveDollars(o, t); }},
    {"--min", "D", "table minimum in whole dollars, 1 to 1000000000 (default: the unit)", true,
     [](Arguments& a, std::string_view o, std::string_view t) { a.minimum = StakeDollars(o, t); }},
    {"--max", "D", "table maximum in whole dollars, the minimum to 1000000000 (default: none)", true,
     [](Arguments& a, std::string_view o, std::string_view t) { a.maximum = StakeDollars(o, t); }},
    {"--session-shoes", "K", "shoes in a session, played with one bankroll, 1 to 1000000 (default 1)", true,
     [](Arguments& a, std::string_view o, std::string_view t) {
         a.sessionShoes = static_cast<int>(Count(o, t, bacc::MaxSessionShoes));
     }},
    {"--sessions", "N", "sessions to play, 1 to 100000000 (default: --shoes divided by --session-shoes)",
     true,
     [](Arguments& a, std::string_view o, std::string_view t) {
         a.sessions = Count(o, t, bacc::MaxLabSessions);
     }},
    {"--stop-win", "D", "a session ends once its net gain reaches D dollars (0.01 to 1000000000000)", true,
     [](Arguments& a, std::string_view o, std::string_view t) { a.stopWin = PositiveDollars(o, t); }},
    {"--stop-loss", "D", "a session ends once its net loss reaches D dollars (0.01 to 1000000000000)", true,
     [](Arguments& a, std::string_view o, std::string_view t) { a.stopLoss = PositiveDollars(o, t); }},
    {"--versus", "NAME",
     "play a second system over the same shoes and pair its sessions with the first's: adds \"versus\" and "
     "\"difference\"",
     true,
     [](Arguments& a, std::string_view o, std::string_view t) {
         a.versus = bacc::SystemNamed(t);
         if (!a.versus) {
             Bad(o, t, bacc::SystemNameList());
         }
     }},
    {"--versus-side", "NAME", "what the second system bets on (default: as --side)", true,
     [](Arguments& a, std::string_view o, std::string_view t) {
         a.versusSide = bacc::SideNamed(t);
         if (!a.versusSide) {
             Bad(o, t, bacc::SideNameList());
         }
     }},
    {"--curve", "FILE.csv",
     "write the 5/25/50/75/95 percentiles of the bankroll after each hand, across sessions", true,
     [](Arguments& a, std::string_view, std::string_view t) { a.curve = std::string(t); }},
    {"--odds", "", "print the exact odds of the first hand of a fresh shoe of --decks decks, and stop", false,
     [](Arguments& a, std::string_view, std::string_view) { a.odds = true; }},
    {"--counts", "C0,...,C9",
     "with --odds: the cards left of each value 0 to 9 (0 = tens and court cards) instead of a fresh shoe",
     false,
     [](Arguments& a, std::string_view o, std::string_view t) {
         a.counts = bacc::ParseCounts(t);
         if (!a.counts) {
             Bad(o, t, "ten whole numbers 0 to 416 separated by commas, at least 6 cards");
         }
     }},
    {"--edge-report", "",
     "without --system: count the hands on which a bet had positive expected value, what betting one "
     "unit on only those would have won and what those bets were worth (the mean of their exact expected "
     "values), each with its standard error",
     false, [](Arguments& a, std::string_view, std::string_view) { a.edgeReport = true; }},
}};

void PrintHelp() {
    std::printf(
        "Usage: baccarat-sim [options]\n\n"
        "Plays whole baccarat shoes as the table does, with no window, on every core, and prints one JSON\n"
        "object: without --system the outcome counts, with --system betting sessions played with it.\n\n"
        "Money is in dollars; stakes are whole dollars, so every payout is exact to the cent. A Player or\n"
        "Banker bet that meets a tie rides to the next hand; the Tie bet is settled every hand. A short\n"
        "bankroll bets what it holds. A session is ruined, and ends, on the hand after which its bankroll\n"
        "is below the table minimum, the session's last hand included. Percentiles are by nearest rank; in\n"
        "the curve, a session that has ended keeps its final bankroll.\n"
        "The curve counts each hand's bankrolls in at most 512 buckets: a cent wide while they span less\n"
        "than $5.12, otherwise the narrowest power of two cents that holds them. A percentile of the curve\n"
        "is the mean bankroll of the bucket holding its rank: exact when the bucket holds one value, else\n"
        "off by less than a bucket. The curve covers the first 1000 shoes of a session (fewer buckets a\n"
        "hand beyond 80 shoes, at least 32).\n"
        "With --versus, session s of the second system is dealt the same shoes as session s of the first\n"
        "(every shoe comes from the seed and its number), and \"difference\" gives the first less the "
        "second:\n"
        "\"mean\" final bankroll per session, the ruin rate and the median worst drawdown, each with its\n"
        "standard error over the paired sessions (se_paired) and as if they were independent (se_unpaired);\n"
        "the median's errors come from 20 sections of consecutive sessions. --curve is the first's.\n"
        "Ctrl-C stops a run and prints what it has played with \"interrupted\": true (exit status 130).\n"
        "Bad arguments (an option given twice too): one line on stderr, exit status 2.\n\n");
    for (const Option& option : Options) {
        const std::string left =
            std::string(option.name) + (option.value.empty() ? "" : " ") + std::string(option.value);
        std::string help(option.help);
        // The systems are named where they are defined.
        if (const std::size_t at = help.find("{systems}"); at != std::string::npos) {
            help.replace(at, 9, bacc::SystemNameList());
        }
        std::printf("  %-20s %s\n", left.c_str(), help.c_str());
    }
    std::printf("  %-20s %s\n", "--help", "this text");
}

bacc::LabParameters Study(const Arguments& arguments, std::uint64_t seed) {
    bacc::LabParameters p;
    p.system = arguments.system.value_or(bacc::SystemKind::Flat);
    p.side = arguments.side;
    p.limits = {arguments.unit, arguments.minimum.value_or(arguments.unit), arguments.maximum.value_or(0)};
    p.bankroll = arguments.bankroll;
    p.shoesPerSession = arguments.sessionShoes;
    p.sessions = arguments.sessions.value_or(0);
    p.stopWin = arguments.stopWin;
    p.stopLoss = arguments.stopLoss;
    p.decks = arguments.decks;
    p.seed = seed;
    p.threads = arguments.threads;
    p.curve = arguments.curve.has_value();
    p.pathSessions = 0;
    return p;
}

std::string_view OptionFor(bacc::LabField field) {
    switch (field) {
    case bacc::LabField::Unit:
        return "--unit";
    case bacc::LabField::Minimum:
        return "--min";
    case bacc::LabField::Maximum:
        return "--max";
    case bacc::LabField::Bankroll:
        return "--bankroll";
    case bacc::LabField::StopWin:
        return "--stop-win";
    case bacc::LabField::StopLoss:
        return "--stop-loss";
    case bacc::LabField::Sessions:
        return "--sessions";
    case bacc::LabField::SessionShoes:
        return "--session-shoes";
    }
    return "--system";
}

Arguments Parse(int argc, char* argv[]) {
    Arguments arguments;
    std::array<bool, Options.size()> given{};
    for (int i = 1; i < argc; ++i) {
        const std::string_view name = argv[i];
        if (name == "--help" || name == "-h") {
            PrintHelp();
            std::exit(0);
        }
        const Option* option = nullptr;
        for (const Option& candidate : Options) {
            if (candidate.name == name) {
                option = &candidate;
            }
        }
        if (!option) {
            Fail("unknown argument '" + std::string(name) + "'");
        }
        if (std::exchange(given[static_cast<std::size_t>(option - Options.data())], true)) {
            Fail(std::string(name) + " given twice");
        }
        if (option->value.empty()) {
            option->apply(arguments, option->name, {});
            continue;
        }
        if (i + 1 >= argc) {
            Fail("missing value for " + std::string(name));
        }
        option->apply(arguments, option->name, argv[++i]);
        if (option->strategy && option->name != "--system" && !arguments.strategyOption) {
            arguments.strategyOption = option->name;
        }
    }
    if (arguments.counts && !arguments.odds) {
        Fail("--counts needs --odds");
    }
    if (arguments.edgeReport && arguments.system) {
        Fail("--edge-report goes with a run without --system");
    }
    if (arguments.strategyOption && !arguments.system) {
        Fail(std::string(*arguments.strategyOption) + " needs --system");
    }
    if (arguments.versusSide && !arguments.versus) {
        Fail("--versus-side needs --versus");
    }
    if (arguments.system) {
        if (!arguments.sessions) {
            const std::uint64_t sessions =
                arguments.shoes / static_cast<std::uint64_t>(arguments.sessionShoes);
            if (sessions < 1 || sessions > bacc::MaxLabSessions) {
                Fail("bad value for --shoes '" + std::to_string(arguments.shoes) + "' (1 to " +
                     std::to_string(bacc::MaxLabSessions) + " sessions of --session-shoes shoes)");
            }
            arguments.sessions = sessions;
        }
        if (const std::optional<bacc::LabProblem> problem = bacc::CheckLab(Study(arguments, 0))) {
            Fail("bad value for " + std::string(OptionFor(problem->field)) + ": " + problem->message);
        }
    }
    return arguments;
}

std::atomic<bool> interrupted{false};
static_assert(std::atomic<bool>::is_always_lock_free);

extern "C" void OnInterrupt(int) {
    interrupted.store(true, std::memory_order_relaxed);
}

// Progress on a terminal only, overwritten in place, and a newline once the run ends.
class ProgressLine {
public:
    ProgressLine() : shown_(isatty(STDERR_FILENO) == 1) {}
    ~ProgressLine() {
        if (printed_) {
            std::fputc('\n', stderr);
        }
    }
    bacc::RunControl Control() {
        bacc::RunControl control;
        control.cancel = &interrupted;
        if (shown_) {
            control.progress = [this](std::uint64_t done, std::uint64_t total) {
                std::fprintf(stderr, "\rbaccarat-sim: %llu of %llu shoes (%.1f %%)",
                             static_cast<unsigned long long>(done), static_cast<unsigned long long>(total),
                             total > 0 ? 100.0 * static_cast<double>(done) / static_cast<double>(total)
                                       : 0.0);
                printed_ = true;
            };
        }
        return control;
    }

private:
    bool shown_;
    bool printed_ = false;
};

std::string CountsJson(int decks, const bacc::ShoeCounts& c) {
    char text[512];
    std::snprintf(text, sizeof text,
                  "\"decks\": %d, \"shoes\": %llu, \"hands\": %llu, \"banker\": %llu, \"player\": %llu, "
                  "\"tie\": %llu, \"player_naturals\": %llu, \"banker_naturals\": %llu",
                  decks, static_cast<unsigned long long>(c.shoes), static_cast<unsigned long long>(c.hands),
                  static_cast<unsigned long long>(c.banker), static_cast<unsigned long long>(c.player),
                  static_cast<unsigned long long>(c.tie), static_cast<unsigned long long>(c.playerNaturals),
                  static_cast<unsigned long long>(c.bankerNaturals));
    return text;
}

std::string TimingJson(bool wasInterrupted, std::uint64_t hands, double seconds, unsigned threads) {
    char text[160];
    std::snprintf(text, sizeof text,
                  "\"interrupted\": %s, \"seconds\": %.6f, \"hands_per_second\": %.0f, \"threads\": %u",
                  wasInterrupted ? "true" : "false", seconds,
                  seconds > 0 ? static_cast<double>(hands) / seconds : 0.0, threads);
    return text;
}

std::string SpreadJson(const bacc::Spread& spread) {
    std::string text = "{";
    for (std::size_t i = 0; i < spread.size(); ++i) {
        text += (i ? ", \"p" : "\"p") + std::to_string(bacc::ReportedPercentiles[i]) +
                "\": " + bacc::DollarsText(spread[i]);
    }
    return text + "}";
}

// The figures of one betting study, as the top level and "versus" print them.
std::string StudyJson(int decks, const bacc::LabParameters& p, const bacc::LabResult& result) {
    char edge[64];
    std::snprintf(edge, sizeof edge, "%.6f", result.Edge());
    return CountsJson(decks, result.counts) + ", \"system\": \"" + std::string(bacc::NameOf(p.system)) +
           "\", \"side\": \"" + std::string(bacc::NameOf(p.side)) +
           "\", \"sessions\": " + std::to_string(result.sessions) +
           ", \"wagered\": " + bacc::DollarsText(result.wagered) +
           ", \"net\": " + bacc::DollarsText(result.net) + ", \"edge\": " + edge +
           ", \"ruined\": " + std::to_string(result.ruined) +
           ", \"final_bankroll\": " + SpreadJson(result.finalBankroll) +
           ", \"max_drawdown\": " + bacc::DollarsText(result.medianMaxDrawdown);
}

// A difference as "key": value with its two errors; scale turns it into the unit printed.
std::string DifferenceJson(const char* key, const bacc::Difference& d, double scale) {
    const auto number = [scale](double value) {
        if (std::isnan(value)) {
            return std::string("null");
        }
        char text[64];
        std::snprintf(text, sizeof text, "%.6f", value / scale);
        return std::string(text);
    };
    return "\"" + std::string(key) + "\": " + number(d.value) + ", \"se_paired\": " + number(d.sePaired) +
           ", \"se_unpaired\": " + number(d.seUnpaired);
}

std::string ComparisonJson(const bacc::Comparison& c) {
    return "{" + DifferenceJson("mean", c.meanFinalBankroll, CentsPerDollar) +
           ", \"pairs\": " + std::to_string(c.pairs) + ", \"ruin_rate\": {" +
           DifferenceJson("mean", c.ruinRate, 1) + "}, \"max_drawdown\": {" +
           DifferenceJson("median", c.medianDrawdown, CentsPerDollar) + "}}";
}

} // namespace

int main(int argc, char* argv[]) {
    const Arguments arguments = Parse(argc, argv);
    if (arguments.odds) {
        const bacc::ValueCounts cards = arguments.counts.value_or(bacc::FreshShoe(arguments.decks));
        std::printf("%s\n", bacc::OddsJson(bacc::ExactOdds(cards)).c_str());
        return 0;
    }
    std::ofstream curve;
    if (arguments.curve) {
        curve.open(*arguments.curve);
        if (!curve) {
            Fail("cannot write --curve '" + *arguments.curve + "'");
        }
    }
    const std::uint64_t seed = arguments.seed
                                   ? *arguments.seed
                                   : (std::uint64_t{std::random_device{}()} << 32) ^ std::random_device{}();

    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    // A second Ctrl-C ends the program at once.
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);

    std::string json;
    const auto start = std::chrono::steady_clock::now();
    bool wasInterrupted = false;
    std::uint64_t hands = 0;
    {
        ProgressLine progress;
        if (!arguments.system) {
            const bacc::PlainResult result = bacc::RunShoes(
                {arguments.decks, arguments.shoes, seed, arguments.threads, arguments.edgeReport},
                progress.Control());
            json = CountsJson(arguments.decks, result.counts);
            if (arguments.edgeReport) {
                json += ", " + result.edge.JsonFields();
            }
            wasInterrupted = result.interrupted;
            hands = result.counts.hands;
        } else {
            const bacc::LabParameters p = Study(arguments, seed);
            bacc::LabResult result;
            if (arguments.versus) {
                bacc::LabParameters second = p;
                second.system = *arguments.versus;
                second.side = arguments.versusSide.value_or(p.side);
                bacc::ComparisonResult both =
                    bacc::RunComparison(p, second.system, second.side, progress.Control());
                result = std::move(both.first);
                json = StudyJson(arguments.decks, p, result) + ", \"versus\": {" +
                       StudyJson(arguments.decks, second, both.second) +
                       "}, \"difference\": " + ComparisonJson(both.difference);
                hands += both.second.counts.hands;
                result.interrupted = result.interrupted || both.second.interrupted;
            } else {
                result = bacc::RunLab(p, progress.Control());
                json = StudyJson(arguments.decks, p, result);
            }
            wasInterrupted = result.interrupted;
            hands += result.counts.hands;
            if (curve.is_open()) {
                bacc::WriteCurveCsv(curve, result.curve);
            }
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // The curve is written out in full before the JSON, so that a run whose curve is lost prints no result.
    if (curve.is_open()) {
        curve.close();
        if (!curve) {
            Fail("cannot write --curve '" + *arguments.curve + "'");
        }
    }
    std::printf("{%s, %s}\n", json.c_str(),
                TimingJson(wasInterrupted, hands, seconds, arguments.threads).c_str());
    return wasInterrupted ? 130 : 0;
}
