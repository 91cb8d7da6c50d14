#include "export/xmltext.h"

#include <cstddef>
#include <cstdint>

namespace ornal {

namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD

bool isContinuation(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// The well-formed UTF-8 sequence at text[at]: its length and code point. Length 0 when the bytes there start
// none; invalidLength then tells how many bytes form the maximal invalid subsequence that one U+FFFD replaces.
struct Decoded {
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    std::size_t invalidLength = 1;
};

Decoded decode(std::string_view text, std::size_t at)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) {
        return { 1, lead, 0 };
    }
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    // The range the second byte must lie in, narrower than 80..BF after E0, ED, F0 and F4 so that overlong forms,
    // surrogates and code points past U+10FFFF are refused at their second byte.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return { 0, 0, 1 };
    }
    for (std::size_t i = 1; i < length; ++i) {
        const bool inRange = at + i < text.size()
            && (i == 1 ? byte(at + i) >= low && byte(at + i) <= high : isContinuation(byte(at + i)));
        if (!inRange) {
            return { 0, 0, i };
        }
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    return { length, codePoint, 0 };
}

bool isXmlCharacter(std::uint32_t codePoint)
{
    if (codePoint < 0x20) {
        return codePoint == 0x09 || codePoint == 0x0A || codePoint == 0x0D;
    }
    return codePoint != 0xFFFE && codePoint != 0xFFFF;
}

} // namespace

std::string ValidXmlText(std::string_view text)
{
    std::string valid;
    std::size_t copiedUpTo = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        // Printable ASCII, nearly every byte of the export's texts, needs no decoding.
        if (static_cast<unsigned char>(text[at]) >= 0x20 && static_cast<unsigned char>(text[at]) < 0x80) {
            ++at;
            continue;
        }
        const Decoded decoded = decode(text, at);
        if (decoded.length != 0 && isXmlCharacter(decoded.codePoint)) {
            at += decoded.length;
            continue;
        }
        valid.append(text.substr(copiedUpTo, at - copiedUpTo));
        valid.append(kReplacement);
        at += decoded.length != 0 ? decoded.length : decoded.invalidLength;
        copiedUpTo = at;
    }
    if (copiedUpTo == 0) {
        return std::string(text);
    }
    valid.append(text.substr(copiedUpTo));
    return valid;
}

} // namespace ornal
