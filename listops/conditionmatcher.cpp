#include "listops/conditionmatcher.h"

#include "engine/linefields.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace ornal {

namespace {

// Bits 0, 2, 4, ..., 62: the even values of a line's mask.
constexpr std::uint64_t kEvenBits = 0x5555555555555555ULL;

// Bits set in x, counted inline: without a popcount instruction in the target, std::popcount calls the runtime.
int bitCount(std::uint64_t x)
{
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

bool isWhole(double value)
{
    return std::isfinite(value) && value == std::floor(value);
}

// A fraction leaves a remainder and infinities give NaN: only whole even values pass.
bool isEven(double value)
{
    return std::fmod(value, 2.0) == 0.0;
}

int longestRunOf(std::vector<double>& values)
{
    std::sort(values.begin(), values.end());
    int longest = 0;
    int current = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
        if (i > 0 && values[i] == values[i - 1]) {
            continue; // a repeated number neither extends nor breaks a run
        }
        const bool follows = i > 0 && isWhole(values[i]) && isWhole(values[i - 1]) && values[i] == values[i - 1] + 1;
        current = follows ? current + 1 : 1;
        longest = std::max(longest, current);
    }
    return longest;
}

} // namespace

ConditionMatcher::ConditionMatcher(const LineConditions& conditions)
    : m_sum(conditions.sum())
    , m_evenCount(conditions.evenCount())
    , m_longestRun(conditions.longestRun())
{
    for (const HorseGroup& source : conditions.groups()) {
        Group group;
        group.count = source.count;
        for (double member : source.numbers) {
            if (std::find(group.members.begin(), group.members.end(), member) != group.members.end()) {
                continue;
            }
            group.members.push_back(member);
            if (member >= 0 && member < 64 && isWhole(member)) {
                group.mask |= std::uint64_t { 1 } << static_cast<int>(member);
            }
        }
        m_groups.push_back(std::move(group));
    }
}

bool ConditionMatcher::meets(std::string_view line) const
{
    std::uint64_t mask = 0;
    int sum = 0;
    std::vector<double> others; // stays unallocated for the lines the mask can hold
    ForEachLineNumber(line, [&](std::string_view field) {
        const int whole = ShortFieldNumber(field);
        if (whole >= 0 && whole < 64) {
            const std::uint64_t bit = std::uint64_t { 1 } << whole;
            if ((mask & bit) == 0) {
                mask |= bit;
                sum += whole;
                return;
            }
        }
        others.push_back(whole >= 0 ? whole : NumericValue(field));
    });
    if (others.empty()) {
        return meetsMask(mask, sum);
    }
    // Every condition ignores the order of the numbers: the mask's values can join the others as they are.
    for (std::uint64_t rest = mask; rest != 0; rest &= rest - 1) {
        others.push_back(std::countr_zero(rest));
    }
    return meetsValues(others);
}

bool ConditionMatcher::meetsMask(std::uint64_t mask, int sum) const
{
    if (m_sum && !m_sum->holds(sum)) {
        return false;
    }
    if (m_evenCount && !m_evenCount->holds(bitCount(mask & kEvenBits))) {
        return false;
    }
    for (const Group& group : m_groups) {
        if (!group.count.holds(bitCount(mask & group.mask))) {
            return false;
        }
    }
    if (m_longestRun && *m_longestRun < 64) {
        // After step i, a bit stays set where a run of at least i + 1 values starts.
        std::uint64_t starts = mask;
        for (int i = 1; i <= *m_longestRun && starts != 0; ++i) {
            starts &= mask >> i;
        }
        if (starts != 0) {
            return false;
        }
    }
    return true;
}

bool ConditionMatcher::meetsValues(std::vector<double>& values) const
{
    if (m_sum) {
        double sum = 0;
        for (double value : values) {
            sum += value;
        }
        if (sum < m_sum->minimum || sum > m_sum->maximum) {
            return false;
        }
    }
    if (m_evenCount && !m_evenCount->holds(static_cast<int>(std::count_if(values.begin(), values.end(), isEven)))) {
        return false;
    }
    for (const Group& group : m_groups) {
        const auto inGroup = [&](double value) {
            return std::find(group.members.begin(), group.members.end(), value) != group.members.end();
        };
        if (!group.count.holds(static_cast<int>(std::count_if(values.begin(), values.end(), inGroup)))) {
            return false;
        }
    }
    return !m_longestRun || longestRunOf(values) <= *m_longestRun;
}

} // namespace ornal
