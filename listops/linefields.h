#pragma once

#include <cstddef>
#include <string_view>

namespace ornal {

// Calls visit(field) for each of a combination line's own numbers: the fields between its first and last dash.
template <typename Visit> void ForEachLineNumber(std::string_view line, Visit&& visit)
{
    std::size_t start = line.find('-');
    if (start == std::string_view::npos) {
        return;
    }
    ++start;
    for (std::size_t end = line.find('-', start); end != std::string_view::npos; end = line.find('-', start)) {
        visit(line.substr(start, end - start));
        start = end + 1;
    }
}

} // namespace ornal
