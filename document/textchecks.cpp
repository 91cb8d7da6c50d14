#include "document/textchecks.h"

#include <cstdint>

namespace ornal {

bool IsValidUtf8(std::string_view text)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p < end) {
        const unsigned char lead = *p++;
        if (lead < 0x80) {
            continue;
        }
        int following = 0;
        std::uint32_t code = 0;
        std::uint32_t smallest = 0;
        if (lead >= 0xC2 && lead <= 0xDF) {
            following = 1;
            code = lead & 0x1Fu;
            smallest = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            following = 2;
            code = lead & 0x0Fu;
            smallest = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            following = 3;
            code = lead & 0x07u;
            smallest = 0x10000;
        } else {
            return false; // a continuation byte, an overlong two-byte lead (C0, C1) or a lead past U+10FFFF
        }
        if (end - p < following) {
            return false;
        }
        for (int i = 0; i < following; ++i) {
            const unsigned char next = *p++;
            if ((next & 0xC0) != 0x80) {
                return false;
            }
            code = (code << 6) | (next & 0x3Fu);
        }
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
            return false;
        }
    }
    return true;
}

bool HasControlCharacter(std::string_view text)
{
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            return true;
        }
    }
    return false;
}

bool IsCombinationLine(std::string_view line)
{
    if (line.size() < 3 || line.front() != '-' || line.back() != '-') {
        return false;
    }
    for (std::size_t i = 1; i < line.size(); ++i) {
        if (line[i] == '-' && line[i - 1] == '-') {
            return false;
        }
    }
    return !HasControlCharacter(line) && IsValidUtf8(line);
}

} // namespace ornal
