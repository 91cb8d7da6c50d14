#pragma once

#include "betting/runners.h"
#include "engine/refusal.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace ornal {

// The thresholds a player starts from: favourites up to 5, outsiders above it up to 15, long shots above 15.
inline constexpr double kDefaultFavouriteOdds = 5;
inline constexpr double kDefaultOutsiderOdds = 15;
// The range either threshold may be set to.
inline constexpr double kLowestOddsThreshold = 1;
inline constexpr double kHighestOddsThreshold = 999;
// The odds that close the groups: favourites up to the first, outsiders above it up to the second.
struct OddsThresholds {
    double favourites = kDefaultFavouriteOdds;
    double outsiders = kDefaultOutsiderOdds;

    bool operator==(const OddsThresholds&) const = default;
};

inline constexpr std::array<std::string_view, 3> kOddsGroupNames { "Favoris", "Outsiders", "Tocards" };

// The prediction's horses sorted by their odds into the three groups of kOddsGroupNames, each in the order given.
struct OddsGroups {
    std::array<std::vector<double>, 3> groups;
};

// Horses (by value) with odds up to favouriteMax, above it up to outsiderMax, and above outsiderMax. Refuses no
// runner, thresholds that do not rise, and a horse without odds.
Result<OddsGroups> GroupByOdds(
    std::span<const Runner> runners, std::span<const double> horses, double favouriteMax, double outsiderMax);

} // namespace ornal
