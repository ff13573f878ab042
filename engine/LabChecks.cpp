#include "LabChecks.h"

namespace bacc {

namespace {

std::string Money(Cents cents) {
    const std::string text = DollarsText(cents);
    // Whole dollars read as such: "$1000", not "$1000.00".
    return "$" + (text.ends_with(".00") ? text.substr(0, text.size() - 3) : text);
}

} // namespace

std::optional<LabProblem> CheckLab(const LabParameters& p) {
    const auto stake = [](LabField field, const char* name, Cents value) -> std::optional<LabProblem> {
        if (value < CentsPerDollar || value > MaxStake || value % CentsPerDollar != 0) {
            return LabProblem{field, std::string(name) + " (" + Money(value) +
                                         ") must be whole dollars from $1 to " + Money(MaxStake)};
        }
        return std::nullopt;
    };
    const auto money = [](LabField field, const char* name, Cents value,
                          Cents least) -> std::optional<LabProblem> {
        if (value < least || value > MaxBankroll) {
            return LabProblem{field, std::string(name) + " (" + Money(value) + ") must be from " +
                                         Money(least) + " to " + Money(MaxBankroll)};
        }
        return std::nullopt;
    };
    std::optional<LabProblem> problem = stake(LabField::Unit, "the unit", p.limits.unit);
    if (!problem) {
        problem = stake(LabField::Minimum, "the table minimum", p.limits.minimum);
    }
    if (!problem && p.limits.maximum != 0) {
        problem = stake(LabField::Maximum, "the table maximum", p.limits.maximum);
    }
    if (!problem) {
        problem = money(LabField::Bankroll, "the bankroll", p.bankroll, 1);
    }
    if (!problem) {
        problem = money(LabField::StopWin, "the stop at a win", p.stopWin, 0);
    }
    if (!problem) {
        problem = money(LabField::StopLoss, "the stop at a loss", p.stopLoss, 0);
    }
    if (problem) {
        return problem;
    }
    if (p.sessions < 1 || p.sessions > MaxLabSessions) {
        return LabProblem{LabField::Sessions, "the sessions (" + std::to_string(p.sessions) +
                                                  ") must be from 1 to " + std::to_string(MaxLabSessions)};
    }
    if (p.shoesPerSession < 1 || p.shoesPerSession > MaxSessionShoes) {
        return LabProblem{LabField::SessionShoes,
                          "the shoes per session (" + std::to_string(p.shoesPerSession) +
                              ") must be from 1 to " + std::to_string(MaxSessionShoes)};
    }
    if (p.limits.maximum != 0 && p.limits.maximum < p.limits.minimum) {
        return LabProblem{LabField::Maximum, "the table maximum (" + Money(p.limits.maximum) +
                                                 ") is below the table minimum (" + Money(p.limits.minimum) +
                                                 ")"};
    }
    if (p.limits.unit > p.bankroll) {
        return LabProblem{LabField::Unit, "the unit (" + Money(p.limits.unit) + ") is above the bankroll (" +
                                              Money(p.bankroll) + ")"};
    }
    if (p.limits.minimum > p.bankroll) {
        return LabProblem{LabField::Minimum, "the table minimum (" + Money(p.limits.minimum) +
                                                 ") is above the bankroll (" + Money(p.bankroll) + ")"};
    }
    return std::nullopt;
}

} // namespace bacc
