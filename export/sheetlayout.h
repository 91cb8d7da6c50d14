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
    enum Edge { kLeft = 1, kTop = 2, kBottom = 4, kRight = 8 };
    static constexpr std::uint32_t kNoFill = 0xFFFFFFFF;

    bool bold = false;
    int size = 10; // in points
    int edges = 0; // the Edge values drawn
    std::uint32_t fill = kNoFill; // a solid fill, 0xRRGGBB
    bool rightAligned = false; // otherwise text to the left

    auto operator<=>(const CellStyle&) const = default;
};

// One cell of the sheet, rows and columns counted from 1. A cell with no text and the plain style holds nothing.
struct SheetCell {
    int row = 1, column = 1;
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
    int lastRow = 1, lastColumn = 1;
};

// The width of text set in Arial (or a face with its metrics, such as Liberation Sans) at sizePoints, in pixels at
// 96 dots an inch, from the face's character widths. Characters outside Latin-1 count as a digit's width.
double ArialTextPixels(std::string_view text, double sizePoints, bool bold);

// The width, in character units, that fitting a column gives text set in Arial of size points, bold or not.
double FittedWidth(std::string_view text, int size, bool bold);

// text as a workbook part may hold it: each byte sequence that is not UTF-8 (a stray byte, a cut or overlong
// sequence, an encoded surrogate, a code point past U+10FFFF) becomes U+FFFD, one per maximal invalid
// subsequence, and so does each character XML 1.0 forbids (controls other than tab, line feed and carriage
// return; U+FFFE; U+FFFF).
std::string ValidXmlText(std::string_view text);

// The sheet of request.list (not empty) dated date: the heading block in rows 1 to 4, "Les Jeux" in row 6, a line a
// row from row 7, the signature three rows below the list in column B, the notes under it, column A fitted. Every
// text is made valid for the file first.
SheetLayout LayOutSheet(const ExportRequest& request, std::string_view date);

} // namespace ornal
