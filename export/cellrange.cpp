#include "export/cellrange.h"

#include <utility>

namespace ornal {

namespace {

struct Cursor {
    std::string_view text;
    std::size_t at = 0;

    bool done() const { return at == text.size(); }
    char peek() const { return done() ? '\0' : text[at]; }
};

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Column letters ("A" = 1, "AA" = 27); 0 when there are none or they pass the last column.
int readColumn(Cursor& cursor)
{
    int column = 0;
    while (isLetter(cursor.peek())) {
        const char c = static_cast<char>(cursor.peek() & ~0x20);
        column = column * 26 + (c - 'A' + 1);
        if (column > CellRange::kMaxColumns) {
            return 0;
        }
        ++cursor.at;
    }
    return column;
}

// A row number without sign or leading zero; 0 when there is none or it passes the last row.
int readRow(Cursor& cursor)
{
    if (cursor.peek() == '0') {
        return 0;
    }
    int row = 0;
    while (isDigit(cursor.peek())) {
        row = row * 10 + (cursor.peek() - '0');
        if (row > CellRange::kMaxRows) {
            return 0;
        }
        ++cursor.at;
    }
    return row;
}

// One end of a reference: a cell, a column alone or a row alone (0 for the part that is missing).
struct End {
    int row = 0;
    int column = 0;
};

std::optional<End> readEnd(Cursor& cursor)
{
    End end;
    const std::size_t start = cursor.at;
    end.column = readColumn(cursor);
    if (end.column == 0 && cursor.at != start) {
        return std::nullopt;
    }
    const std::size_t rowStart = cursor.at;
    end.row = readRow(cursor);
    if (end.row == 0 && cursor.at != rowStart) {
        return std::nullopt;
    }
    if (isDigit(cursor.peek()) || (end.row == 0 && end.column == 0)) {
        return std::nullopt;
    }
    return end;
}

std::string columnLetters(int column)
{
    std::string letters;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        letters.insert(letters.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return letters;
}

} // namespace

std::optional<CellRange> ParseReference(std::string_view reference)
{
    Cursor cursor { reference };
    const std::optional<End> first = readEnd(cursor);
    if (!first) {
        return std::nullopt;
    }
    End last = *first;
    if (cursor.peek() == ':') {
        ++cursor.at;
        const std::optional<End> second = readEnd(cursor);
        if (!second) {
            return std::nullopt;
        }
        last = *second;
    }
    if (!cursor.done()) {
        return std::nullopt;
    }
    // Both ends must be of one kind: cells, whole rows ("2:2") or whole columns ("A:A"); a row or a column
    // alone needs the colon.
    const bool cells = first->row != 0 && first->column != 0 && last.row != 0 && last.column != 0;
    const bool rows = first->column == 0 && last.column == 0 && reference.find(':') != std::string_view::npos;
    const bool columns = first->row == 0 && last.row == 0 && reference.find(':') != std::string_view::npos;
    CellRange range;
    if (cells) {
        range = { first->row, first->column, last.row, last.column };
    } else if (rows) {
        range = { first->row, 1, last.row, CellRange::kMaxColumns };
    } else if (columns) {
        range = { 1, first->column, CellRange::kMaxRows, last.column };
    } else {
        return std::nullopt;
    }
    if (range.firstRow > range.lastRow) {
        std::swap(range.firstRow, range.lastRow);
    }
    if (range.firstColumn > range.lastColumn) {
        std::swap(range.firstColumn, range.lastColumn);
    }
    return range;
}

std::string FormatReference(const CellRange& range)
{
    std::string text = columnLetters(range.firstColumn) + std::to_string(range.firstRow);
    if (range.lastRow != range.firstRow || range.lastColumn != range.firstColumn) {
        text += ':' + columnLetters(range.lastColumn) + std::to_string(range.lastRow);
    }
    return text;
}

} // namespace ornal
