#pragma once

#include "cellrange.h"
#include "spreadsheetservice.h"

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornal {

// A cell's font; the default is the sheet's standard font.
struct FontFormat {
    std::string name = "Arial";
    std::string style = "Normal";
    std::int16_t size = 10;
    bool strikethrough = false;
    bool superscript = false;
    bool subscript = false;
    bool outline = false;
    bool shadow = false;
    std::int16_t underline = xl::kNone;
    std::int16_t colorIndex = xl::kAutomatic;

    auto operator<=>(const FontFormat&) const = default;
};

// One line of a cell's frame; LineStyle kNone draws nothing whatever the other two hold.
struct BorderFormat {
    std::int16_t lineStyle = xl::kNone;
    std::int16_t weight = xl::kThin;
    std::int16_t colorIndex = xl::kAutomatic;

    auto operator<=>(const BorderFormat&) const = default;
};

// A cell's fill: drawn when the pattern is solid and the colour is one of the palette's 56.
struct InteriorFormat {
    std::int16_t colorIndex = xl::kNone;
    std::int16_t pattern = xl::kNone;
    std::int16_t patternColorIndex = xl::kAutomatic;

    auto operator<=>(const InteriorFormat&) const = default;
};

// Everything a cell looks like. borders[i] is the line of border index i + 5: diagonal down, diagonal up, left,
// top, bottom, right.
struct CellFormat {
    FontFormat font;
    std::array<BorderFormat, 6> borders {};
    InteriorFormat interior;

    // The line of border index 5 to 10.
    BorderFormat& border(int index) { return borders[static_cast<std::size_t>(index - xl::kDiagonalDown)]; }
    const BorderFormat& border(int index) const { return borders[static_cast<std::size_t>(index - xl::kDiagonalDown)]; }

    auto operator<=>(const CellFormat&) const = default;
};

// A cell: its text (empty for a cell that only carries a format) and its format.
struct Cell {
    std::string value;
    CellFormat format;
};

// An in-memory worksheet that carries out the calls of the spreadsheet service: values and formats of cells and of
// whole rows, the selection with its active cell, the insertion of whole rows and the fitting of column widths.
class Worksheet {
public:
    // One row: the format of the whole row, if one was applied to it, and its cells in column order.
    struct Row {
        bool formatted = false;
        CellFormat format;
        std::vector<std::pair<int, Cell>> cells;
    };

    Worksheet();

    // The sheet's name.
    const std::string& name() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }

    // The selection and its active cell (its first cell).
    const CellRange& selection() const { return m_selection; }
    CellRange activeCell() const { return m_selection.firstCell(); }
    // Makes range the selection.
    ServiceError select(const CellRange& range);

    // Writes text into every cell of range (whole rows or columns are refused).
    ServiceError setValue(const CellRange& range, std::string_view text);

    // The writes of the selection's Font, Borders(index) and Interior.
    ServiceError setFont(FontProperty property, const PropertyValue& value);
    ServiceError setBorder(std::int16_t index, BorderProperty property, std::int16_t value);
    ServiceError setInterior(InteriorProperty property, std::int16_t value);

    // Inserts as many blank rows as range is high above its first row; the rows there and below move down with
    // their cells and formats. Refused when a written row would leave the sheet.
    ServiceError insertRows(const CellRange& range);

    // Fits each column of range to the widest text it holds; a column without text keeps its width.
    ServiceError autoFitColumns(const CellRange& range);

    // Reading the sheet back.
    int usedRowCount() const { return static_cast<int>(m_rows.size()); }
    const Row* row(int row) const;
    const Cell* cell(int row, int column) const;
    // The text of a cell, empty when it holds none.
    std::string_view value(int row, int column) const;
    // The format a cell shows: its own, else its row's, else the default.
    CellFormat format(int row, int column) const;
    // Column widths that were fitted, in character units, by column.
    const std::map<int, double>& columnWidths() const { return m_columnWidths; }

    // The width, in character units of the standard font, that fitting gives a text in a font.
    static double FittedWidth(std::string_view text, const FontFormat& font);

private:
    template <typename Change> ServiceError applyToSelection(Change&& change);
    Cell& cellAt(int row, int column);

    std::string m_name = "Feuil1";
    std::vector<Row> m_rows; // m_rows[r - 1] is row r; rows past the end are blank
    CellRange m_selection;
    std::map<int, double> m_columnWidths;
};

} // namespace ornal
