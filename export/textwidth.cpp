#include "export/textwidth.h"

#include <array>
#include <cstdint>

namespace ornal {

namespace {

// Advance widths of the printable ASCII characters, space to tilde, in thousandths of the em: the widths that Arial
// shares with the faces made to its metrics.
constexpr std::array<std::uint16_t, 95> kRegular { 278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333,
    278, 278, 556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556, 1015, 667, 667, 722, 722,
    667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278,
    278, 278, 469, 556, 333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556, 556, 556, 333,
    500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584 };
constexpr std::array<std::uint16_t, 95> kBold { 278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333,
    278, 278, 556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611, 975, 722, 722, 722, 722,
    667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778, 667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333,
    278, 333, 584, 556, 333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611, 611, 611, 389,
    556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584 };

// The letter each Latin-1 letter from U+00C0 to U+00FF is drawn on, for its width ('?' for the few signs there).
constexpr std::string_view kLatin1Bases = "AAAAAAACEEEEIIIIDNOOOOO?OUUUUYPsaaaaaaaceeeeiiiidnooooo?ouuuuypy";

std::uint16_t Advance(char32_t c, bool bold)
{
    const auto& widths = bold ? kBold : kRegular;
    if (c >= 0x20 && c <= 0x7E) {
        return widths[c - 0x20];
    }
    if (c == 0xA0 || c == 0x202F) {
        return widths[0]; // the no-break spaces of French amounts
    }
    if (c == 0xC6 || c == 0xE6 || c == 0x152 || c == 0x153) {
        return bold ? 1000 : 944; // Æ, æ, Œ, œ
    }
    if (c >= 0xC0 && c <= 0xFF) {
        const char base = kLatin1Bases[c - 0xC0];
        return base == '?' ? widths['0' - 0x20] : widths[static_cast<std::size_t>(base - 0x20)];
    }
    return widths['0' - 0x20];
}

} // namespace

double ArialTextPixels(std::string_view text, double sizePoints, bool bold)
{
    std::uint64_t thousandths = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        char32_t c = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        thousandths += Advance(c, bold);
        i += length;
    }
    return static_cast<double>(thousandths) / 1000.0 * sizePoints * 96.0 / 72.0;
}

} // namespace ornal
