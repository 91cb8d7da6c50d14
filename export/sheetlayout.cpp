#include "export/sheetlayout.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace ornal {

namespace {

// The colours of the heading block, of the header row and of the lines, from the spreadsheet's standard palette.
constexpr std::uint32_t kBlockFill = 0xFF6600;
constexpr std::uint32_t kHeaderFill = 0xFFFFCC;
constexpr std::uint32_t kLineFill = 0xCCFFCC;
constexpr int kHeaderRow = 6;
constexpr int kFirstLineRow = 7;
// Three blank rows below the list and in column B, inside the heading block's width: the signature never widens the
// print, and, aligned to the right, it runs over the empty cell on its left.
constexpr int kSignatureGap = 3;

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

// The letter each Latin-1 letter from U+00C0 to U+00FF is drawn on, for its width ('?' for the few signs there,
// as wide as a digit like every other character).
constexpr std::string_view kLatin1Bases = "AAAAAAACEEEEIIIIDNOOOOO?OUUUUYPsaaaaaaaceeeeiiiidnooooo?ouuuuypy";

std::uint16_t Advance(char32_t c, bool bold)
{
    const auto& widths = bold ? kBold : kRegular;
    const char base = c >= 0xC0 && c <= 0xFF && kLatin1Bases[c - 0xC0] != '?' ? kLatin1Bases[c - 0xC0] : '0';
    // The no-break spaces of French amounts are spaces; Æ, æ, Œ and œ are wider than their letters.
    return c >= 0x20 && c <= 0x7E                            ? widths[c - 0x20]
        : c == 0xA0 || c == 0x202F                           ? widths[0]
        : c == 0xC6 || c == 0xE6 || c == 0x152 || c == 0x153 ? (bold ? 1000 : 944)
                                                             : widths[static_cast<std::size_t>(base - 0x20)];
}

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

double FittedWidth(std::string_view text, int size, bool bold)
{
    // A character unit is the digit width of the body font, which spreadsheets round to 7 pixels; one unit of
    // margin, as spreadsheets leave on fitting.
    constexpr double kUnitPixels = 7.0;
    return ArialTextPixels(text, size, bold) / kUnitPixels + 1.0;
}

SheetLayout LayOutSheet(const ExportRequest& request, std::string_view date)
{
    SheetLayout sheet;
    const CombinationList::Count lines = request.list.size();
    sheet.cells.reserve(11 + lines + request.notes.size());
    double widestA = 0;
    const auto put = [&sheet, &widestA](int row, int column, std::string_view text, CellStyle style) {
        const SheetCell& cell = sheet.cells.emplace_back(SheetCell { row, column, ValidXmlText(text), style });
        sheet.lastRow = std::max(sheet.lastRow, row);
        sheet.lastColumn = std::max(sheet.lastColumn, column);
        if (column == 1 && !cell.text.empty()) {
            widestA = std::max(widestA, FittedWidth(cell.text, style.size, style.bold));
        }
    };
    const auto style = [](int edges, std::uint32_t fill, bool heading) {
        return CellStyle { .bold = heading, .size = heading ? 12 : 10, .edges = edges, .fill = fill };
    };
    // The heading block framed as one over A1:B4, in the body font.
    const std::string heading[] = { " " + request.caption, " " + request.baseText + " ",
        " La sélection : " + request.selectionText, " Nombre de combinaisons : " + std::to_string(lines) };
    for (int row = 1; row <= 4; ++row) {
        const int edge = row == 1 ? CellStyle::kTop : row == 4 ? CellStyle::kBottom : 0;
        put(row, 1, heading[row - 1], style(edge | CellStyle::kLeft, kBlockFill, false));
        put(row, 2, "", style(edge | CellStyle::kRight, kBlockFill, false));
    }
    put(kHeaderRow, 1, "Les Jeux", style(CellStyle::kTop | CellStyle::kBottom | CellStyle::kLeft, kHeaderFill, true));
    put(kHeaderRow, 2, "", style(CellStyle::kTop | CellStyle::kBottom | CellStyle::kRight, kHeaderFill, true));
    std::string text;
    for (CombinationList::Count i = 0; i < lines; ++i) {
        text.assign(1, ' ').append(request.list.line(i));
        put(kFirstLineRow + static_cast<int>(i), 1, text, style(0, kLineFill, true));
    }
    int row = kFirstLineRow + static_cast<int>(lines) + kSignatureGap;
    put(row, 2, "Galopia Le : " + std::string(date), { .rightAligned = true });
    for (const std::string& note : request.notes) {
        put(++row, 1, note, {});
    }
    sheet.columnWidths[1] = std::min(widestA, 255.0); // the widest a column may be
    return sheet;
}

} // namespace ornal
