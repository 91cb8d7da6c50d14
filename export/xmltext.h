#pragma once

#include <string>
#include <string_view>

namespace ornal {

// text as a workbook part may hold it: each byte sequence that is not UTF-8 (a stray byte, a cut or overlong
// sequence, an encoded surrogate, a code point past U+10FFFF) becomes U+FFFD, one per maximal invalid
// subsequence, and so does each character XML 1.0 forbids (controls other than tab, line feed and carriage
// return; U+FFFE; U+FFFF).
std::string ValidXmlText(std::string_view text);

} // namespace ornal
