#pragma once

#include "export/cellrange.h"
#include "export/spreadsheetservice.h"

#include <array>
#include <compare>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ornal {

// A cell's font: what the export chooses (the face, bold or not, the size). Strikethrough, scripts, outline,
// shadow, underline and colour stay at their defaults: writes that would change them are refused.
struct FontFormat {
    std::string name = "Arial";
    bool bold = false;
    std::int16_t size = 10;

    auto operator<=>(const FontFormat&) const = default;
};

// A cell's fill: drawn when the pattern is solid and the colour is one of the palette's 56.
struct InteriorFormat {
    std::int16_t colorIndex = xl::kNone;
    std::int16_t pattern = xl::kNone;

    auto operator<=>(const InteriorFormat&) const = default;
};

// Everything a cell looks like. A frame line is thin, continuous and in the automatic colour, the only line the
// export draws: edges[i] tells whether side i + 7 (left, top, bottom, right) carries one.
struct CellFormat {
    FontFormat font;
    std::array<bool, 4> edges {};
    InteriorFormat interior;
    bool rightAligned = false; // otherwise the alignment by kind of value: text to the left

    // Whether the side of border index 7 to 10 is drawn.
    bool edge(int index) const { return edges[static_cast<std::size_t>(index - xl::kEdgeLeft)]; }
    void setEdge(int index, bool drawn) { edges[static_cast<std::size_t>(index - xl::kEdgeLeft)] = drawn; }

    auto operator<=>(const CellFormat&) const = default;
};

// A cell: its text (empty for a cell that only carries a format) and its format.
struct Cell {
    std::string value;
    CellFormat format;
    // Made only to carry an edge of its row's format at the row's first or last column: it does not count among
    // the used cells, and the sheet's printed width ends before it.
    bool rowEdge = false;
};

// An in-memory worksheet that carries out the calls of the spreadsheet service: values and formats of cells and of
// whole rows, the selection with its active cell, the insertion of whole rows and the fitting of column widths.
// Every text it takes is made valid for the workbook file first (see ValidXmlText).
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
    void setName(std::string_view name);

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

    // Sets the horizontal alignment of every cell of range: xl::kRight, or xl::kGeneral (text to the left).
    ServiceError setHorizontalAlignment(const CellRange& range, std::int16_t alignment);

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

    // The rightmost column that holds a text or a format of its own (1 when none does): the used range, and the
    // printed one, is column A to it, row 1 to usedRowCount().
    int lastUsedColumn() const;
    // The cells of row as the file holds them, up to lastColumn: a row formatted whole is formatted from column A
    // to lastColumn only, a right edge it has at the sheet's end drawn at lastColumn instead.
    std::vector<std::pair<int, Cell>> cellsUpTo(int row, int lastColumn) const;

    // The width, in character units (the digit width of the body font, Arial 10), that fitting gives a text in a
    // font: the text's width from the face's character widths, and a margin.
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
