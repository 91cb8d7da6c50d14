#pragma once

#include "engine/combinationlist.h"
#include "listops/horsegroup.h"
#include "listops/lineconditions.h"

#include <array>
#include <string>
#include <vector>

namespace ornal {

// One group as the dialog holds it: empty groups stay in their rank and set no condition.
struct GroupSetting {
    std::string name;
    std::vector<double> numbers; // by value, in box order
    int atLeast = 0;
    int atMost = 7;

    bool operator==(const GroupSetting&) const = default;
};

// Bounds that a check box turns on or off.
struct SwitchedRange {
    bool on = false;
    CountRange range;

    bool operator==(const SwitchedRange&) const = default;
};

// Everything the tab "Conditions" shows, kept between two openings of the dialog.
struct ConditionsSettings {
    std::array<GroupSetting, kMaxGroupCount> groups;
    SwitchedRange sum;
    SwitchedRange even;
    SwitchedRange run; // only its maximum counts

    // Settings with the default group names and bounds that let every line through.
    ConditionsSettings();
    // The settings that show conditions: its groups in the first ranks, its bounds switched on, the rest as above.
    static ConditionsSettings Showing(const LineConditions& conditions);

    // The conditions to apply: every group holding numbers, in rank order, and the bounds switched on.
    LineConditions conditions() const;

    // Drops from the groups every number whose value is not among prediction's.
    void keepOnly(const std::vector<double>& prediction);

    // Gives the bounds that are switched off the widest values a line of lineSize numbers from prediction can
    // reach, so that switching them on changes nothing until the player narrows them.
    void widenUnused(const std::vector<double>& prediction, int lineSize);

    bool operator==(const ConditionsSettings&) const = default;
};

// "Combinaisons restantes : 1 234 sur 77 520".
std::string RemainingCaption(CombinationList::Count meeting, CombinationList::Count total);

} // namespace ornal
