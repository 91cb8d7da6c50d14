#pragma once

#include "betting/runners.h"
#include "document/savedgame.h"
#include "engine/combinationlist.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace ornal {

// What the tab "Garantie" reads and changes of the game; the window fills it, tests may fill it too.
struct GuaranteeAccess {
    // The lines of List1.
    std::function<const CombinationList&()> list;
    // The prediction's numbers by value, as the shown boxes hold them, in box order.
    std::function<std::vector<double>()> horses;
    // The numbers of the ticked marks while bases are in force, in box order; empty without bases.
    std::function<std::vector<double>()> bases;
    // The bet type's id ("quinte", "multi"...), empty when none applies.
    std::function<std::string()> betTypeId;
    // The unit stake of that bet type, in cents (the one set in "Coût et gains", or its default); 0 without a type.
    std::function<std::int64_t()> stakeCents;
    // Replaces List1's lines through the window's one door, so the count and the cost follow.
    std::function<void(CombinationList)> replaceList;
    // The guarantee the game holds (the last one applied, or that of the game opened), and its choice.
    std::function<std::optional<SavedGuarantee>()> guarantee;
    std::function<void(const SavedGuarantee&)> chooseGuarantee;
    // The runners of the race and their odds, empty when none were given: a budget then holds the likeliest arrivals.
    std::function<std::vector<Runner>()> runners;
};

} // namespace ornal
