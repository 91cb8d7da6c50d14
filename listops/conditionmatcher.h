#pragma once

#include "listops/countrange.h"
#include "listops/lineconditions.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace ornal {

// LineConditions made ready for testing many lines: each line is read once; when its numbers are distinct whole
// values from 0 to 63, as every computed prediction's are, a bitmask answers each condition in a few instructions,
// and any other line takes a general path that gives the same answers.
class ConditionMatcher {
public:
    explicit ConditionMatcher(const LineConditions& conditions);

    // True when line meets every condition (its numbers compared by value; bases count like any other number).
    bool meets(std::string_view line) const;

private:
    struct Group {
        std::uint64_t mask = 0; // the members that are whole values from 0 to 63
        std::vector<double> members; // every member, once
        CountRange count;
    };

    bool meetsMask(std::uint64_t mask, int sum) const;
    bool meetsValues(std::vector<double>& values) const;

    std::vector<Group> m_groups;
    std::optional<CountRange> m_sum;
    std::optional<CountRange> m_evenCount;
    std::optional<int> m_longestRun;
};

} // namespace ornal
