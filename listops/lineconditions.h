#pragma once

#include "listops/countrange.h"
#include "listops/horsegroup.h"

#include <optional>
#include <string>
#include <vector>

namespace ornal {

// The conditions a line must meet together: up to five groups, the sum of its numbers, how many of them are even
// and the longest run of consecutive values among them. Unset conditions let every line through.
class LineConditions {
public:
    // Adds group at the next rank, named after the rank when its name is empty; false, nothing added, past five.
    bool addGroup(HorseGroup group);

    // Sets or clears the bounds on the sum of a line's numbers.
    void setSum(std::optional<CountRange> range) { m_sum = range; }

    // Sets or clears the bounds on how many of a line's numbers are even.
    void setEvenCount(std::optional<CountRange> range) { m_evenCount = range; }

    // Sets or clears the longest run of consecutive values a line may hold (3,4,5 is a run of 3).
    void setLongestRun(std::optional<int> maximum) { m_longestRun = maximum; }

    const std::vector<HorseGroup>& groups() const { return m_groups; }
    const std::optional<CountRange>& sum() const { return m_sum; }
    const std::optional<CountRange>& evenCount() const { return m_evenCount; }
    const std::optional<int>& longestRun() const { return m_longestRun; }

    // True when no condition is set.
    bool empty() const;

    // The conditions in one line for a print-out or a tooltip, e.g. "Favoris : 1 à 2 parmi 1-2-5 ; somme 20 à 40".
    std::string summary() const;

    bool operator==(const LineConditions&) const = default;

private:
    std::vector<HorseGroup> m_groups;
    std::optional<CountRange> m_sum;
    std::optional<CountRange> m_evenCount;
    std::optional<int> m_longestRun;
};

} // namespace ornal
