#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace ornal {

// The no-break space (U+00A0) that French puts between groups of digits and before a unit.
inline constexpr std::string_view kNoBreakSpace = "\xC2\xA0";

// n in decimal, thousands grouped by a no-break space from 1,000 on: "1 234 567".
std::string GroupedNumber(std::uint64_t n);

} // namespace ornal
