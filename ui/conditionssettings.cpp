#include "ui/conditionssettings.h"

#include "engine/groupednumber.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace ornal {

namespace {

bool contains(const std::vector<double>& values, double value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

// The sum of the lineSize first values of sorted, clamped to what a spin box holds.
int sumOfFirst(const std::vector<double>& sorted, int lineSize)
{
    double sum = 0;
    for (int i = 0; i < lineSize && i < static_cast<int>(sorted.size()); ++i) {
        sum += sorted[static_cast<std::size_t>(i)];
    }
    return static_cast<int>(std::clamp(std::round(sum), 0.0, 99999.0));
}

} // namespace

ConditionsSettings::ConditionsSettings()
{
    for (int i = 0; i < kMaxGroupCount; ++i) {
        groups[static_cast<std::size_t>(i)].name = DefaultGroupName(i);
    }
    sum.range = CountRange { 0, 99999 };
    even.range = CountRange { 0, 7 };
    run.range = CountRange { 1, 7 };
}

ConditionsSettings ConditionsSettings::Showing(const LineConditions& conditions)
{
    ConditionsSettings settings;
    const std::vector<HorseGroup>& groups = conditions.groups();
    for (std::size_t g = 0; g < groups.size() && g < settings.groups.size(); ++g) {
        GroupSetting& group = settings.groups[g];
        if (!groups[g].name.empty()) {
            group.name = groups[g].name;
        }
        group.numbers = groups[g].numbers;
        group.atLeast = groups[g].count.minimum;
        group.atMost = groups[g].count.maximum;
    }
    const auto show = [](SwitchedRange& bounds, const std::optional<CountRange>& range) {
        if (range) {
            bounds = SwitchedRange { true, *range };
        }
    };
    show(settings.sum, conditions.sum());
    show(settings.even, conditions.evenCount());
    if (conditions.longestRun()) {
        settings.run.on = true;
        settings.run.range.maximum = *conditions.longestRun();
    }
    return settings;
}

LineConditions ConditionsSettings::conditions() const
{
    LineConditions conditions;
    for (const GroupSetting& group : groups) {
        if (!group.numbers.empty()) {
            conditions.addGroup(HorseGroup { group.name, group.numbers, CountRange { group.atLeast, group.atMost } });
        }
    }
    if (sum.on) {
        conditions.setSum(sum.range);
    }
    if (even.on) {
        conditions.setEvenCount(even.range);
    }
    if (run.on) {
        conditions.setLongestRun(run.range.maximum);
    }
    return conditions;
}

void ConditionsSettings::keepOnly(const std::vector<double>& prediction)
{
    for (GroupSetting& group : groups) {
        std::erase_if(group.numbers, [&](double number) { return !contains(prediction, number); });
    }
}

void ConditionsSettings::widenUnused(const std::vector<double>& prediction, int lineSize)
{
    for (GroupSetting& group : groups) {
        if (group.numbers.empty()) {
            group.atLeast = 0;
            group.atMost = lineSize;
        }
    }
    if (!sum.on) {
        std::vector<double> sorted = prediction;
        std::sort(sorted.begin(), sorted.end());
        const int smallest = sumOfFirst(sorted, lineSize);
        std::sort(sorted.begin(), sorted.end(), std::greater<>());
        sum.range = CountRange { smallest, std::max(smallest, sumOfFirst(sorted, lineSize)) };
    }
    if (!even.on) {
        even.range = CountRange { 0, lineSize };
    }
    if (!run.on) {
        run.range.maximum = lineSize;
    }
}

std::string RemainingCaption(CombinationList::Count meeting, CombinationList::Count total)
{
    return "Combinaisons restantes : " + GroupedNumber(meeting) + " sur " + GroupedNumber(total);
}

} // namespace ornal
