#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// A block of a worksheet, rows and columns counted from 1, both bounds included.
struct CellRange {
    static constexpr int kMaxRows = 1048576;
    static constexpr int kMaxColumns = 16384;

    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;

    // Whether the block spans every column (a reference such as "2:2").
    bool wholeRows() const { return firstColumn == 1 && lastColumn == kMaxColumns; }
    // Whether the block spans every row (a reference such as "A:A").
    bool wholeColumns() const { return firstRow == 1 && lastRow == kMaxRows; }
    // The block's first cell.
    CellRange firstCell() const { return { firstRow, firstColumn, firstRow, firstColumn }; }

    bool operator==(const CellRange&) const = default;
};

// The block of a reference "A1", "A1:B4", "2:2", "3:5", "A:A" or "A:C" (letters in either case); nullopt when the
// text is not a reference or leaves the worksheet.
std::optional<CellRange> ParseReference(std::string_view reference);

// The reference of a block in the form "A1" or "A1:B4".
std::string FormatReference(const CellRange& range);

} // namespace ornal
