#pragma once

#include "engine/numericvalue.h"

#include <cstddef>
#include <string_view>

namespace ornal {

// Calls visit(field) for each of a combination line's own numbers: the fields between its first and last dash.
// A plain character loop: the filters and the search call it for every line of lists of up to 77,520 lines.
template <typename Visit> void ForEachLineNumber(std::string_view line, Visit&& visit)
{
    const char* p = line.data();
    const char* const end = p + line.size();
    while (p < end && *p != '-') {
        ++p;
    }
    if (p == end) {
        return;
    }
    const char* start = ++p;
    for (; p < end; ++p) {
        if (*p == '-') {
            visit(std::string_view(start, static_cast<std::size_t>(p - start)));
            start = p + 1;
        }
    }
}

// A field of one or two digits as its number, read inline: lines nearly always hold such fields. -1 for any other.
inline int ShortFieldNumber(std::string_view field)
{
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (field.size() == 1 && digit(field[0])) {
        return field[0] - '0';
    }
    if (field.size() == 2 && digit(field[0]) && digit(field[1])) {
        return (field[0] - '0') * 10 + (field[1] - '0');
    }
    return -1;
}

// NumericValue of a line's field, the short fields read inline.
inline double FieldValue(std::string_view field)
{
    const int number = ShortFieldNumber(field);
    return number >= 0 ? number : NumericValue(field);
}

} // namespace ornal
