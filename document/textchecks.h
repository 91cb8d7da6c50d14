#pragma once

#include <string_view>

namespace ornal {

// True when text is well-formed UTF-8: no stray continuation byte, no overlong form, no surrogate, nothing past
// U+10FFFF.
bool IsValidUtf8(std::string_view text);

// True when text holds a C0 control character or DEL.
bool HasControlCharacter(std::string_view text);

// True when line has the shape of a combination line: a dash, then one or more fields each followed by a dash,
// a field being one or more characters other than a dash; valid UTF-8 without control characters.
bool IsCombinationLine(std::string_view line);

} // namespace ornal
