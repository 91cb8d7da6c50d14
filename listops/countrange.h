#pragma once

namespace ornal {

// Inclusive bounds on a count or a sum of a line's numbers.
struct CountRange {
    int minimum = 0;
    int maximum = 0;

    // True when minimum <= value <= maximum.
    bool holds(int value) const { return value >= minimum && value <= maximum; }

    bool operator==(const CountRange&) const = default;
};

} // namespace ornal
