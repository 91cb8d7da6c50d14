#include "fuzz/fuzzinput.h"

#include <cstdio>
#include <cstdlib>

namespace ornal::fuzz {

void Fail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "\nproperty broken: %s\n%s\n", what, detail.c_str());
    std::abort();
}

std::string Shown(const std::string& text)
{
    std::string shown = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7f && byte != '\\' && byte != '"') {
            shown.push_back(c);
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", byte);
            shown += escaped;
        }
    }
    return shown + "\"";
}

} // namespace ornal::fuzz
