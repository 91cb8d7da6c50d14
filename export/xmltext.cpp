#include "export/xmltext.h"

#include <cstddef>
#include <cstdint>

namespace ornal {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

// The length of the well-formed UTF-8 sequence of an XML character at text[at]; 0 when the bytes there start none,
// invalid then telling how many bytes form the maximal invalid subsequence that one U+FFFD replaces.
std::size_t validLength(std::string_view text, std::size_t at, std::size_t& invalid)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    invalid = 1;
    if (lead < 0x80) {
        return lead >= 0x20 || lead == 0x09 || lead == 0x0A || lead == 0x0D ? 1 : 0;
    }
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF ? 2
        : lead >= 0xE0 && lead <= 0xEF                      ? 3
        : lead >= 0xF0 && lead <= 0xF4                      ? 4
                                                            : 0;
    // The second byte's range is narrower than 80..BF after E0, ED, F0 and F4, so that overlong forms, surrogates
    // and code points past U+10FFFF are refused at their second byte.
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    std::uint32_t codePoint = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size() || byte(at + i) < (i == 1 ? low : 0x80) || byte(at + i) > (i == 1 ? high : 0xBF)) {
            return 0;
        }
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
        invalid = i + 1;
    }
    // U+FFFE and U+FFFF are no XML characters.
    return codePoint == 0xFFFE || codePoint == 0xFFFF ? 0 : length;
}

} // namespace

std::string ValidXmlText(std::string_view text)
{
    std::string valid;
    std::size_t copied = 0;
    for (std::size_t at = 0; at < text.size();) {
        // Printable ASCII, nearly every byte of the export's texts, needs no decoding.
        const auto lead = static_cast<unsigned char>(text[at]);
        std::size_t invalid = 0;
        const std::size_t length = lead >= 0x20 && lead < 0x80 ? 1 : validLength(text, at, invalid);
        if (length != 0) {
            at += length;
            continue;
        }
        valid.append(text.substr(copied, at - copied)).append(kReplacement);
        copied = at += invalid;
    }
    return copied == 0 ? std::string(text) : valid.append(text.substr(copied));
}

} // namespace ornal
