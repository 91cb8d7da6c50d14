#pragma once

#include "export/exportcommand.h"

#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// How a cell looks. Every font is Arial; a frame line is thin, in the automatic colour.
struct CellStyle {
    enum Edge : std::uint8_t { kLeft = 1, kTop = 2, kBottom = 4, kRight = 8 };
    static constexpr std::uint32_t kNoFill = 0xFFFFFFFF;

    bool bold = false;
    std::uint8_t size = 10;
    std::uint8_t edges = 0; // the Edge values drawn
    std::uint32_t fill = kNoFill; // a solid fill, 0xRRGGBB
    bool rightAligned = false; // otherwise text to the left

    auto operator<=>(const CellStyle&) const = default;
};

// One cell of the sheet, rows and columns counted from 1. A cell with no text and the plain style holds nothing.
struct SheetCell {
    int row = 1;
    int column = 1;
    std::string text;
    CellStyle style;
};

// A whole worksheet as the workbook file is to hold it: its cells row by row and left to right within a row (the
// order in which styles are first met is the order the file numbers them in), its column widths and its print
// setup: the block A1 to (lastRow, lastColumn) printed one page wide on A4 portrait.
struct SheetLayout {
    std::string name = "Ornal";
    std::vector<SheetCell> cells;
    std::map<int, double> columnWidths; // by column, in character units (the digit width of Arial 10)
    int lastRow = 1;
    int lastColumn = 1;
};

// The width, in character units, that fitting a column gives text set in Arial of size points, bold or not.
double FittedWidth(std::string_view text, int size, bool bold);

// The sheet of request.list (not empty) dated date: the heading block in rows 1 to 4, "Les Jeux" in row 6, a line a
// row from row 7, the signature three rows below the list in column B, the notes under it, column A fitted. Every
// text is made valid for the file first.
SheetLayout LayOutSheet(const ExportRequest& request, std::string_view date);

} // namespace ornal
