#pragma once

#include <string>

namespace ornal {

// text with each '_' turned into the no-break space that French amounts use.
inline std::string NoBreak(const std::string& text)
{
    std::string out;
    for (const char c : text) {
        out += c == '_' ? std::string("\xC2\xA0") : std::string(1, c);
    }
    return out;
}

} // namespace ornal
