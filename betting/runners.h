#pragma once

#include "engine/messages.h"
#include "engine/refusal.h"

#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace ornal {

// Races run with at most this many runners; a runner is one bit of a 32-bit mask in the ticket's chances.
inline constexpr int kMaxRunners = 30;
// Runner numbers are whole, from 1 to this.
inline constexpr int kMaxRunnerNumber = 99;

// A runner of the race and its odds: what 1 € returns, stake included.
struct Runner {
    int number = 0;
    double odds = 0;

    bool operator==(const Runner&) const = default;
};

// Odds typed the French way ("5,2") or with a full stop ("5.2"), blanks around allowed; nullopt when text is not a
// decimal number. Whether the odds are above 1 is CheckRunners' concern.
std::optional<double> ParseOdds(std::string_view text);

// A runner number typed in a box ("7", " 12 "): a whole number from 1 to kMaxRunnerNumber, or nullopt.
std::optional<int> ParseRunnerNumber(std::string_view text);

// Refuses runners given twice, odds of 1 or below, or more than kMaxRunners runners.
Result<void> CheckRunners(std::span<const Runner> runners);

// Each runner's chance to win, p_i = (1 / c_i) / sum of (1 / c_j): the bookmaker's margin taken out. Runners as
// CheckRunners accepts them.
std::vector<double> WinChances(std::span<const Runner> runners);

// "5,2", "8", "12,25": odds written back the French way, with at most two decimals.
std::string OddsText(double odds);

} // namespace ornal
