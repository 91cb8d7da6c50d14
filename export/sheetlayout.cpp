#include "export/sheetlayout.h"

#include "export/textwidth.h"
#include "export/xmltext.h"

#include <algorithm>

namespace ornal {

namespace {

// The colours of the header row, of the lines and of the heading block, from the spreadsheet's standard palette.
constexpr std::uint32_t kHeaderFill = 0xFFFFCC;
constexpr std::uint32_t kLineFill = 0xCCFFCC;
constexpr std::uint32_t kBlockFill = 0xFF6600;
constexpr double kWidestColumn = 255.0;

// The first rows: the four heading rows framed as one block over columns A and B, "Les Jeux" in row 6.
constexpr int kHeaderRow = 6;
constexpr int kFirstLineRow = 7;
// Three blank rows below the list and in column B, inside the heading block's width: the signature never widens the
// print, and, aligned to the right, it runs over the empty cell on its left.
constexpr int kSignatureGap = 3;

class Builder {
public:
    explicit Builder(SheetLayout& sheet)
        : m_sheet(sheet)
    {
    }

    void put(int row, int column, std::string_view text, CellStyle style)
    {
        m_sheet.cells.push_back({ row, column, ValidXmlText(text), style });
        const SheetCell& cell = m_sheet.cells.back();
        m_sheet.lastRow = std::max(m_sheet.lastRow, row);
        m_sheet.lastColumn = std::max(m_sheet.lastColumn, column);
        if (column == 1 && !cell.text.empty()) {
            m_widestA = std::max(m_widestA, FittedWidth(cell.text, cell.style.size, cell.style.bold));
        }
    }

    void fitColumnA() { m_sheet.columnWidths[1] = std::min(m_widestA, kWidestColumn); }

private:
    SheetLayout& m_sheet;
    double m_widestA = 0;
};

} // namespace

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
    Builder put(sheet);
    const std::string count = std::to_string(request.list.size());
    const std::string heading[] = { " " + request.caption, " " + request.baseText + " ",
        " La sélection : " + request.selectionText, " Nombre de combinaisons : " + count };
    for (int row = 1; row <= 4; ++row) {
        const int topOrBottom = row == 1 ? CellStyle::kTop : row == 4 ? CellStyle::kBottom : 0;
        const auto block = [topOrBottom](int side) {
            return CellStyle { .edges = static_cast<std::uint8_t>(topOrBottom | side), .fill = kBlockFill };
        };
        put.put(row, 1, heading[row - 1], block(CellStyle::kLeft));
        put.put(row, 2, "", block(CellStyle::kRight));
    }
    const auto header = [](int side) {
        return CellStyle { .bold = true,
            .size = 12,
            .edges = static_cast<std::uint8_t>(CellStyle::kTop | CellStyle::kBottom | side),
            .fill = kHeaderFill };
    };
    put.put(kHeaderRow, 1, "Les Jeux", header(CellStyle::kLeft));
    put.put(kHeaderRow, 2, "", header(CellStyle::kRight));

    const CellStyle line { .bold = true, .size = 12, .fill = kLineFill };
    std::string text;
    const CombinationList::Count lines = request.list.size();
    sheet.cells.reserve(sheet.cells.size() + lines + 1 + request.notes.size());
    for (CombinationList::Count i = 0; i < lines; ++i) {
        text.assign(1, ' ');
        text.append(request.list.line(i));
        put.put(kFirstLineRow + static_cast<int>(i), 1, text, line);
    }
    int row = kFirstLineRow + static_cast<int>(lines) + kSignatureGap;
    put.put(row, 2, "Galopia Le : " + std::string(date), { .rightAligned = true });
    for (const std::string& note : request.notes) {
        put.put(++row, 1, note, {});
    }
    put.fitColumnA();
    return sheet;
}

} // namespace ornal
