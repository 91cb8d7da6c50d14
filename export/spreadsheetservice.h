#pragma once

#include "export/cellrange.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace ornal {

// A failure of the spreadsheet service: a number (0 for none) and a description in French.
struct ServiceError {
    long number = 0;
    std::string description;

    explicit operator bool() const { return number != 0; }
    bool operator==(const ServiceError&) const = default;
};

// The numbers the service reports its failures with.
namespace serviceerror {
inline constexpr long kTypeMismatch = 13; // a property written with a value of the wrong kind
inline constexpr long kFileAccess = 75; // the workbook file could not be created or written
inline constexpr long kCannotCreate = 429; // no service could be created
inline constexpr long kRefused = 1004; // a call the worksheet refuses (bad reference, value out of range)
inline constexpr long kCannotOpen = 1005; // the file is written but no application opened it
inline constexpr long kOutOfMemory = 7; // memory ran out while the workbook was built or written
} // namespace serviceerror

// The constants of the formatting calls, with the values the spreadsheet's automation interface gives them. Only
// those the export sends are named: the worksheet refuses any other.
namespace xl {
inline constexpr std::int16_t kNone = -4142; // no line, no underline, no fill
inline constexpr std::int16_t kAutomatic = -4105; // automatic colour
inline constexpr std::int16_t kContinuous = 1;
inline constexpr std::int16_t kThin = 2;
inline constexpr std::int16_t kSolid = 1;
inline constexpr std::int16_t kDiagonalDown = 5;
inline constexpr std::int16_t kDiagonalUp = 6;
inline constexpr std::int16_t kEdgeLeft = 7;
inline constexpr std::int16_t kEdgeTop = 8;
inline constexpr std::int16_t kEdgeBottom = 9;
inline constexpr std::int16_t kEdgeRight = 10;
inline constexpr std::int16_t kInsideVertical = 11;
inline constexpr std::int16_t kInsideHorizontal = 12;
inline constexpr std::int16_t kGeneral = 1; // horizontal alignment by the kind of value: text to the left
inline constexpr std::int16_t kRight = -4152;
} // namespace xl

// The ten properties of the selection's Font, in the order the export writes them.
enum class FontProperty {
    Name,
    FontStyle,
    Size,
    Strikethrough,
    Superscript,
    Subscript,
    OutlineFont,
    Shadow,
    Underline,
    ColorIndex
};

// The properties of one of the selection's Borders.
enum class BorderProperty { LineStyle, Weight, ColorIndex };

// The properties of the selection's Interior.
enum class InteriorProperty { ColorIndex, Pattern, PatternColorIndex };

// A property value as the automation interface passes it: text, 16-bit integer or boolean.
using PropertyValue = std::variant<std::string, std::int16_t, bool>;

// The member calls the export makes on a spreadsheet application, one operation per member (or per member chain
// such as Selection.Font.Name). Every call is synchronous and reports failure through its result, never by
// throwing; references handed out are plain blocks that stay meaningful for the whole session.
class SpreadsheetService {
public:
    virtual ~SpreadsheetService() = default;

    // Workbooks.Count: how many workbooks are open.
    virtual ServiceError WorkbooksCount(int& count) = 0;
    // Workbooks.Add: opens a new workbook, which becomes the active one.
    virtual ServiceError WorkbooksAdd() = 0;
    // ActiveSheet.Name = name.
    virtual ServiceError SetActiveSheetName(std::string_view name) = 0;
    // Rows(reference), for example "2:2".
    virtual ServiceError Rows(std::string_view reference, CellRange& range) = 0;
    // Range(reference), for example "A1", "A1:B4" or "A3".
    virtual ServiceError Range(std::string_view reference, CellRange& range) = 0;
    // Columns(reference), for example "A:A".
    virtual ServiceError Columns(std::string_view reference, CellRange& range) = 0;
    // range.Select: the range becomes the selection and its first cell the active cell.
    virtual ServiceError Select(const CellRange& range) = 0;
    // Selection.Font.<property> = value.
    virtual ServiceError SetSelectionFont(FontProperty property, const PropertyValue& value) = 0;
    // Selection.Borders(index).<property> = value, index 5 to 12.
    virtual ServiceError SetSelectionBorder(std::int16_t index, BorderProperty property, std::int16_t value) = 0;
    // Selection.Interior.<property> = value.
    virtual ServiceError SetSelectionInterior(InteriorProperty property, std::int16_t value) = 0;
    // Selection.EntireRow.Insert: the selection's rows and every row below move down by the selection's height.
    virtual ServiceError SelectionEntireRowInsert() = 0;
    // activecell: the active cell.
    virtual ServiceError activecell(CellRange& cell) = 0;
    // cell.Offset(first, second): another cell at that distance. Which of the two numbers counts rows is the
    // service's own choice (see WorkbookService).
    virtual ServiceError Offset(const CellRange& cell, std::int16_t first, std::int16_t second, CellRange& result) = 0;
    // range.Value = text.
    virtual ServiceError SetValue(const CellRange& range, std::string_view text) = 0;
    // range.HorizontalAlignment = alignment (xl::kGeneral or xl::kRight).
    virtual ServiceError SetHorizontalAlignment(const CellRange& range, std::int16_t alignment) = 0;
    // Application.Visible = visible: whether the player is to see the workbook.
    virtual ServiceError SetVisible(bool visible) = 0;
    // range.EntireColumn.AutoFit: fits the widths of the range's columns to their texts.
    virtual ServiceError EntireColumnAutoFit(const CellRange& range) = 0;
    // Lets go of the service. A service that was made visible shows its workbook to the player now; writtenPath
    // receives the file it wrote, if any.
    virtual ServiceError Release(std::string& writtenPath) = 0;
};

} // namespace ornal
