#include "game/savedconditions.h"

#include "engine/numericvalue.h"

#include <algorithm>

namespace ornal {

namespace {

SavedLineBound boundOf(const std::optional<CountRange>& range)
{
    return range ? SavedLineBound { true, range->minimum, range->maximum } : SavedLineBound {};
}

std::optional<CountRange> rangeOf(const SavedLineBound& bound)
{
    return bound.on ? std::optional<CountRange>(CountRange { bound.min, bound.max }) : std::nullopt;
}

} // namespace

void SaveConditions(const LineConditions& conditions, SavedGame& game)
{
    game.conditions.clear();
    for (const HorseGroup& group : conditions.groups()) {
        SavedConditionGroup saved { group.name, {}, group.count.minimum, group.count.maximum, {}, {}, {} };
        for (double number : group.numbers) {
            saved.numbers.push_back(HorseNumberText(number));
        }
        game.conditions.push_back(std::move(saved));
    }
    game.lineConditions.reset();
    if (conditions.sum() || conditions.evenCount() || conditions.longestRun()) {
        SavedLineConditions bounds { boundOf(conditions.sum()), boundOf(conditions.evenCount()), {} };
        if (const std::optional<int>& longest = conditions.longestRun()) {
            // Only the longest run counts; the shortest one, 1, is what every line of numbers holds.
            bounds.run = SavedLineBound { true, std::min(1, *longest), *longest };
        }
        game.lineConditions = bounds;
    }
}

LineConditions ConditionsOf(const SavedGame& game)
{
    LineConditions conditions;
    for (const SavedConditionGroup& saved : game.conditions) {
        if (saved.numbers.empty()) {
            continue;
        }
        HorseGroup group { saved.name, {}, CountRange { saved.min, saved.max } };
        for (const std::string& number : saved.numbers) {
            group.numbers.push_back(NumericValue(number));
        }
        conditions.addGroup(std::move(group));
    }
    if (game.lineConditions) {
        conditions.setSum(rangeOf(game.lineConditions->sum));
        conditions.setEvenCount(rangeOf(game.lineConditions->even));
        if (game.lineConditions->run.on) {
            conditions.setLongestRun(game.lineConditions->run.max);
        }
    }
    return conditions;
}

} // namespace ornal
