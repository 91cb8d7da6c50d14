#include "export/worksheet.h"

#include "export/textwidth.h"
#include "export/xmltext.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>

namespace ornal {

namespace {

constexpr std::array kFontPropertyNames = { "Name", "FontStyle", "Size", "Strikethrough", "Superscript", "Subscript",
    "OutlineFont", "Shadow", "Underline", "ColorIndex" };
constexpr std::array kBorderPropertyNames = { "LineStyle", "Weight", "ColorIndex" };
constexpr std::array kInteriorPropertyNames = { "ColorIndex", "Pattern", "PatternColorIndex" };

ServiceError refused(std::string description)
{
    return { serviceerror::kRefused, std::move(description) };
}

ServiceError cannotSet(std::string_view property, std::string_view object)
{
    return refused(
        "Impossible de définir la propriété " + std::string(property) + " de la classe " + std::string(object) + ".");
}

ServiceError typeMismatch(std::string_view property)
{
    return { serviceerror::kTypeMismatch, "Incompatibilité de type pour la propriété " + std::string(property) + "." };
}

bool isPaletteColour(std::int16_t index)
{
    return index >= 1 && index <= 56;
}

// The check of a font write: nullopt when it may be applied. Only the face, the style and the size may change;
// the other properties take their default value alone.
std::optional<ServiceError> checkFont(FontProperty property, const PropertyValue& value)
{
    const char* name = kFontPropertyNames[static_cast<std::size_t>(property)];
    switch (property) {
    case FontProperty::Name:
    case FontProperty::FontStyle: {
        const std::string* text = std::get_if<std::string>(&value);
        if (!text) {
            return typeMismatch(name);
        }
        const bool ok = property == FontProperty::Name ? !text->empty() : *text == "Normal" || *text == "Gras";
        return ok ? std::nullopt : std::optional(cannotSet(name, "Font"));
    }
    case FontProperty::Size:
    case FontProperty::Underline:
    case FontProperty::ColorIndex: {
        const std::int16_t* number = std::get_if<std::int16_t>(&value);
        if (!number) {
            return typeMismatch(name);
        }
        const bool ok = property == FontProperty::Size ? *number >= 1 && *number <= 409
            : property == FontProperty::Underline      ? *number == xl::kNone
                                                       : *number == xl::kAutomatic;
        return ok ? std::nullopt : std::optional(cannotSet(name, "Font"));
    }
    default: {
        const bool* flag = std::get_if<bool>(&value);
        if (!flag) {
            return typeMismatch(name);
        }
        return *flag ? std::optional(cannotSet(name, "Font")) : std::nullopt;
    }
    }
}

// The check of a border write: the diagonals may only be cleared, the other lines drawn thin in the automatic
// colour or cleared.
bool isAcceptedBorder(std::int16_t index, BorderProperty property, std::int16_t value)
{
    switch (property) {
    case BorderProperty::LineStyle:
        return value == xl::kNone || (value == xl::kContinuous && index >= xl::kEdgeLeft);
    case BorderProperty::Weight:
        return value == xl::kThin;
    case BorderProperty::ColorIndex:
        return value == xl::kAutomatic;
    }
    return false;
}

// The cell sides (border indices 7 to 10) that a write of border index touches in the cell (row, column) of range.
std::array<bool, 4> touchedEdges(std::int16_t index, const CellRange& range, int row, int column)
{
    std::array<bool, 4> sides {};
    auto mark = [&sides](int side) { sides[static_cast<std::size_t>(side - xl::kEdgeLeft)] = true; };
    switch (index) {
    case xl::kEdgeLeft:
        if (column == range.firstColumn) {
            mark(xl::kEdgeLeft);
        }
        break;
    case xl::kEdgeTop:
        if (row == range.firstRow) {
            mark(xl::kEdgeTop);
        }
        break;
    case xl::kEdgeBottom:
        if (row == range.lastRow) {
            mark(xl::kEdgeBottom);
        }
        break;
    case xl::kEdgeRight:
        if (column == range.lastColumn) {
            mark(xl::kEdgeRight);
        }
        break;
    case xl::kInsideVertical:
        if (column > range.firstColumn) {
            mark(xl::kEdgeLeft);
        }
        if (column < range.lastColumn) {
            mark(xl::kEdgeRight);
        }
        break;
    case xl::kInsideHorizontal:
        if (row > range.firstRow) {
            mark(xl::kEdgeTop);
        }
        if (row < range.lastRow) {
            mark(xl::kEdgeBottom);
        }
        break;
    default:
        break;
    }
    return sides;
}

} // namespace

Worksheet::Worksheet() = default;

void Worksheet::setName(std::string_view name)
{
    m_name = ValidXmlText(name);
}

ServiceError Worksheet::select(const CellRange& range)
{
    m_selection = range;
    return {};
}

const Worksheet::Row* Worksheet::row(int row) const
{
    if (row < 1 || row > usedRowCount()) {
        return nullptr;
    }
    return &m_rows[static_cast<std::size_t>(row - 1)];
}

const Cell* Worksheet::cell(int row, int column) const
{
    const Row* line = this->row(row);
    if (!line) {
        return nullptr;
    }
    const auto it = std::lower_bound(line->cells.begin(), line->cells.end(), column,
        [](const std::pair<int, Cell>& entry, int wanted) { return entry.first < wanted; });
    return it != line->cells.end() && it->first == column ? &it->second : nullptr;
}

std::string_view Worksheet::value(int row, int column) const
{
    const Cell* found = cell(row, column);
    return found ? std::string_view(found->value) : std::string_view();
}

CellFormat Worksheet::format(int row, int column) const
{
    if (const Cell* found = cell(row, column)) {
        return found->format;
    }
    const Row* line = this->row(row);
    return line && line->formatted ? line->format : CellFormat {};
}

Cell& Worksheet::cellAt(int row, int column)
{
    if (row > usedRowCount()) {
        m_rows.resize(static_cast<std::size_t>(row));
    }
    Row& line = m_rows[static_cast<std::size_t>(row - 1)];
    // The export writes down column A, so the cell is nearly always the last one or the only one of its row.
    if (!line.cells.empty() && line.cells.back().first == column) {
        return line.cells.back().second;
    }
    auto it = std::lower_bound(line.cells.begin(), line.cells.end(), column,
        [](const std::pair<int, Cell>& entry, int wanted) { return entry.first < wanted; });
    if (it == line.cells.end() || it->first != column) {
        Cell fresh;
        if (line.formatted) {
            fresh.format = line.format;
        }
        it = line.cells.insert(it, { column, std::move(fresh) });
    }
    return it->second;
}

ServiceError Worksheet::setValue(const CellRange& range, std::string_view text)
{
    if (range.wholeRows() || range.wholeColumns()) {
        return refused("Impossible d'écrire une valeur dans des lignes ou des colonnes entières.");
    }
    const std::string valid = ValidXmlText(text);
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
            Cell& target = cellAt(r, c);
            target.value = valid;
            target.rowEdge = false;
        }
    }
    return {};
}

ServiceError Worksheet::setHorizontalAlignment(const CellRange& range, std::int16_t alignment)
{
    if (alignment != xl::kRight && alignment != xl::kGeneral) {
        return cannotSet("HorizontalAlignment", "Range");
    }
    if (range.wholeRows() || range.wholeColumns()) {
        return refused("L'alignement de lignes ou de colonnes entières n'est pas pris en charge.");
    }
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
            Cell& target = cellAt(r, c);
            target.format.rightAligned = alignment == xl::kRight;
            target.rowEdge = false;
        }
    }
    return {};
}

// Calls change(format, row, column) for every cell of the selection. A selection of whole rows changes the rows'
// own formats as if for a cell in the middle of the row, and also its first and last cells and every cell the
// rows already hold, so that edges land on the cells that carry them.
template <typename Change> ServiceError Worksheet::applyToSelection(Change&& change)
{
    const CellRange& range = m_selection;
    if (range.wholeColumns()) {
        return refused("La mise en forme de colonnes entières n'est pas prise en charge.");
    }
    if (!range.wholeRows()) {
        for (int r = range.firstRow; r <= range.lastRow; ++r) {
            for (int c = range.firstColumn; c <= range.lastColumn; ++c) {
                Cell& target = cellAt(r, c);
                target.rowEdge = false;
                change(target.format, r, c);
            }
        }
        return {};
    }
    for (int r = range.firstRow; r <= range.lastRow; ++r) {
        for (const int edgeColumn : { range.firstColumn, range.lastColumn }) {
            if (!cell(r, edgeColumn)) {
                cellAt(r, edgeColumn).rowEdge = true;
            }
        }
        Row& line = m_rows[static_cast<std::size_t>(r - 1)];
        if (!line.formatted) {
            line.formatted = true;
            line.format = CellFormat {};
        }
        change(line.format, r, range.firstColumn + 1);
        for (auto& [column, cell] : line.cells) {
            change(cell.format, r, column);
        }
    }
    return {};
}

ServiceError Worksheet::setFont(FontProperty property, const PropertyValue& value)
{
    if (const std::optional<ServiceError> error = checkFont(property, value)) {
        return *error;
    }
    if (property == FontProperty::Name) {
        const std::string name = ValidXmlText(std::get<std::string>(value));
        return applyToSelection([&](CellFormat& format, int, int) { format.font.name = name; });
    }
    if (property == FontProperty::FontStyle) {
        const bool bold = std::get<std::string>(value) == "Gras";
        return applyToSelection([&](CellFormat& format, int, int) { format.font.bold = bold; });
    }
    if (property == FontProperty::Size) {
        const std::int16_t size = std::get<std::int16_t>(value);
        return applyToSelection([&](CellFormat& format, int, int) { format.font.size = size; });
    }
    // A default written again changes nothing, but still reaches every cell of the selection as the write would.
    return applyToSelection([](CellFormat&, int, int) {});
}

ServiceError Worksheet::setBorder(std::int16_t index, BorderProperty property, std::int16_t value)
{
    if (index < xl::kDiagonalDown || index > xl::kInsideHorizontal) {
        return refused(
            "Impossible de lire la propriété Borders de la classe Range (index " + std::to_string(index) + ").");
    }
    if (!isAcceptedBorder(index, property, value)) {
        return cannotSet(kBorderPropertyNames[static_cast<std::size_t>(property)], "Border");
    }
    if (property != BorderProperty::LineStyle || index < xl::kEdgeLeft) {
        return applyToSelection([](CellFormat&, int, int) {});
    }
    const bool drawn = value == xl::kContinuous;
    const CellRange range = m_selection;
    return applyToSelection([&](CellFormat& format, int row, int column) {
        const std::array<bool, 4> sides = touchedEdges(index, range, row, column);
        for (int side = xl::kEdgeLeft; side <= xl::kEdgeRight; ++side) {
            if (sides[static_cast<std::size_t>(side - xl::kEdgeLeft)]) {
                format.setEdge(side, drawn);
            }
        }
    });
}

ServiceError Worksheet::setInterior(InteriorProperty property, std::int16_t value)
{
    const char* name = kInteriorPropertyNames[static_cast<std::size_t>(property)];
    const bool ok = property == InteriorProperty::Pattern ? value == xl::kSolid || value == xl::kNone
        : property == InteriorProperty::ColorIndex        ? value == xl::kNone || isPaletteColour(value)
                                                          : value == xl::kAutomatic;
    if (!ok) {
        return cannotSet(name, "Interior");
    }
    return applyToSelection([&](CellFormat& format, int, int) {
        InteriorFormat& interior = format.interior;
        switch (property) {
        case InteriorProperty::ColorIndex:
            interior.colorIndex = value;
            // Choosing a colour on a cell without fill gives it a solid one; removing the colour removes the fill.
            if (value == xl::kNone) {
                interior.pattern = xl::kNone;
            } else if (interior.pattern == xl::kNone) {
                interior.pattern = xl::kSolid;
            }
            break;
        case InteriorProperty::Pattern:
            interior.pattern = value;
            break;
        case InteriorProperty::PatternColorIndex:
            break;
        }
    });
}

ServiceError Worksheet::insertRows(const CellRange& range)
{
    const int count = range.lastRow - range.firstRow + 1;
    const int at = range.firstRow;
    if (at > usedRowCount()) {
        return {};
    }
    // Rows pushed past the last one are lost: refuse when any of them holds something.
    const int keep = CellRange::kMaxRows - count;
    for (int r = std::max(keep + 1, at); r <= usedRowCount(); ++r) {
        const Row& line = m_rows[static_cast<std::size_t>(r - 1)];
        if (line.formatted || !line.cells.empty()) {
            return refused("Impossible d'insérer des lignes : des cellules non vides sortiraient de la feuille.");
        }
    }
    if (usedRowCount() > keep) {
        m_rows.resize(static_cast<std::size_t>(keep));
    }
    m_rows.insert(m_rows.begin() + (at - 1), static_cast<std::size_t>(count), Row {});
    return {};
}

double Worksheet::FittedWidth(std::string_view text, const FontFormat& font)
{
    // A character unit is the digit width of the body font, which spreadsheets round to 7 pixels; one unit of
    // margin, as the spreadsheet leaves on fitting.
    constexpr double kUnitPixels = 7.0;
    return ArialTextPixels(text, font.size, font.bold) / kUnitPixels + 1.0;
}

int Worksheet::lastUsedColumn() const
{
    int last = 1;
    for (const Row& line : m_rows) {
        for (auto it = line.cells.rbegin(); it != line.cells.rend(); ++it) {
            if (!it->second.rowEdge || !it->second.value.empty()) {
                last = std::max(last, it->first);
                break;
            }
        }
    }
    return last;
}

std::vector<std::pair<int, Cell>> Worksheet::cellsUpTo(int row, int lastColumn) const
{
    std::vector<std::pair<int, Cell>> cells;
    const Row* line = this->row(row);
    if (!line) {
        return cells;
    }
    bool rightEdgeBeyond = false;
    for (const auto& [column, cell] : line->cells) {
        if (column <= lastColumn) {
            cells.emplace_back(column, cell);
        } else if (cell.rowEdge && cell.format.edge(xl::kEdgeRight)) {
            rightEdgeBeyond = true;
        }
    }
    if (!line->formatted) {
        return cells;
    }
    // The row's format reaches every column up to the last one used, and no further.
    std::vector<std::pair<int, Cell>> across;
    auto next = cells.begin();
    for (int column = 1; column <= lastColumn; ++column) {
        if (next != cells.end() && next->first == column) {
            across.push_back(std::move(*next++));
        } else {
            across.emplace_back(column, Cell { {}, line->format, false });
        }
    }
    if (rightEdgeBeyond) {
        across.back().second.format.setEdge(xl::kEdgeRight, true);
    }
    return across;
}

ServiceError Worksheet::autoFitColumns(const CellRange& range)
{
    for (int c = range.firstColumn; c <= range.lastColumn && c <= CellRange::kMaxColumns; ++c) {
        double widest = 0;
        const int last = std::min(range.lastRow, usedRowCount());
        for (int r = range.firstRow; r <= last; ++r) {
            const Cell* found = cell(r, c);
            if (found && !found->value.empty()) {
                widest = std::max(widest, FittedWidth(found->value, found->format.font));
            }
        }
        if (widest > 0) {
            m_columnWidths[c] = std::min(widest, 255.0);
        }
    }
    return {};
}

} // namespace ornal
