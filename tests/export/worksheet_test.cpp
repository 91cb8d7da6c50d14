#include "export/worksheet.h"

#include "export/palette.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <ostream>
#include <string>

namespace ornal {
namespace {

struct ReferenceCase {
    std::string text;
    std::optional<CellRange> range;
};

class ParseReferenceTest : public testing::TestWithParam<ReferenceCase> { };

// A test name for each case, made of the reference's letters and digits.
std::string ReferenceName(const testing::TestParamInfo<ReferenceCase>& info)
{
    std::string name;
    for (char c : info.param.text) {
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return std::to_string(info.index) + "_" + name;
}

TEST_P(ParseReferenceTest, ReadsCellsBlocksRowsAndColumns)
{
    EXPECT_EQ(ParseReference(GetParam().text), GetParam().range) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(References, ParseReferenceTest,
    testing::Values(ReferenceCase { "A1", CellRange { 1, 1, 1, 1 } }, ReferenceCase { "a3", CellRange { 3, 1, 3, 1 } },
        ReferenceCase { "A77522", CellRange { 77522, 1, 77522, 1 } },
        ReferenceCase { "A1:B4", CellRange { 1, 1, 4, 2 } }, ReferenceCase { "B4:A1", CellRange { 1, 1, 4, 2 } },
        ReferenceCase { "2:2", CellRange { 2, 1, 2, CellRange::kMaxColumns } },
        ReferenceCase { "A:A", CellRange { 1, 1, CellRange::kMaxRows, 1 } },
        ReferenceCase { "XFD1048576", CellRange { 1048576, 16384, 1048576, 16384 } },
        ReferenceCase { "A1048577", std::nullopt }, ReferenceCase { "XFE1", std::nullopt },
        ReferenceCase { "A0", std::nullopt }, ReferenceCase { "A01", std::nullopt },
        ReferenceCase { "2", std::nullopt }, ReferenceCase { "A", std::nullopt }, ReferenceCase { "", std::nullopt },
        ReferenceCase { "A-3", std::nullopt }, ReferenceCase { "A1:", std::nullopt },
        ReferenceCase { "A1:2", std::nullopt }, ReferenceCase { "A 1", std::nullopt }),
    ReferenceName);

TEST(FormatReference, WritesCellsAndBlocks)
{
    EXPECT_EQ(FormatReference({ 1, 1, 4, 2 }), "A1:B4");
    EXPECT_EQ(FormatReference({ 7, 28, 7, 28 }), "AB7");
    EXPECT_EQ(FormatReference({ 1, 16384, 1, 16384 }), "XFD1");
}

TEST(Worksheet, SelectMakesTheFirstCellActive)
{
    Worksheet sheet;
    ASSERT_FALSE(sheet.select(*ParseReference("B4:C9")));
    EXPECT_EQ(sheet.activeCell(), (CellRange { 4, 2, 4, 2 }));
    ASSERT_FALSE(sheet.select(*ParseReference("2:2")));
    EXPECT_EQ(sheet.activeCell(), (CellRange { 2, 1, 2, 1 }));
}

TEST(Worksheet, InsertingRowsMovesCellsAndRowFormatsDown)
{
    Worksheet sheet;
    ASSERT_FALSE(sheet.setValue({ 1, 1, 1, 1 }, "un"));
    ASSERT_FALSE(sheet.setValue({ 3, 4, 3, 4 }, "trois"));
    ASSERT_FALSE(sheet.select(*ParseReference("2:2")));
    ASSERT_FALSE(sheet.setInterior(InteriorProperty::ColorIndex, 19));

    ASSERT_FALSE(sheet.select(*ParseReference("A1:B2")));
    ASSERT_FALSE(sheet.insertRows(sheet.selection()));
    EXPECT_EQ(sheet.value(1, 1), "");
    EXPECT_EQ(sheet.value(3, 1), "un");
    EXPECT_EQ(sheet.value(5, 4), "trois");
    EXPECT_EQ(sheet.format(4, 200).interior.colorIndex, 19);
    EXPECT_EQ(sheet.format(2, 200).interior.colorIndex, xl::kNone);
    // The selection stays where it was, on the new blank rows.
    EXPECT_EQ(sheet.selection(), (CellRange { 1, 1, 2, 2 }));
}

TEST(Worksheet, RefusesToPushWrittenCellsOffTheSheet)
{
    Worksheet sheet;
    ASSERT_FALSE(sheet.setValue({ CellRange::kMaxRows, 1, CellRange::kMaxRows, 1 }, "dernière"));
    ASSERT_FALSE(sheet.select({ 1, 1, 1, 1 }));
    const ServiceError error = sheet.insertRows(sheet.selection());
    EXPECT_EQ(error.number, serviceerror::kRefused);
    EXPECT_EQ(sheet.value(CellRange::kMaxRows, 1), "dernière");
}

TEST(Worksheet, FormatsOfTheLastWriteWinAndNewCellsInAFormattedRowTakeItsFormat)
{
    Worksheet sheet;
    ASSERT_FALSE(sheet.select(*ParseReference("2:2")));
    ASSERT_FALSE(sheet.setFont(FontProperty::FontStyle, std::string("Gras")));
    ASSERT_FALSE(sheet.setValue({ 2, 5, 2, 5 }, "après"));
    EXPECT_TRUE(sheet.format(2, 5).font.bold);

    ASSERT_FALSE(sheet.select(*ParseReference("E2")));
    ASSERT_FALSE(sheet.setFont(FontProperty::Size, std::int16_t { 12 }));
    ASSERT_FALSE(sheet.setFont(FontProperty::FontStyle, std::string("Normal")));
    EXPECT_FALSE(sheet.format(2, 5).font.bold);
    EXPECT_EQ(sheet.format(2, 5).font.size, 12);
    EXPECT_TRUE(sheet.format(2, 6).font.bold);
}

TEST(Worksheet, InsideLinesClearTheSharedEdgesOfABlock)
{
    Worksheet sheet;
    ASSERT_FALSE(sheet.select(*ParseReference("A1:B2")));
    for (std::int16_t index = xl::kEdgeLeft; index <= xl::kEdgeRight; ++index) {
        ASSERT_FALSE(sheet.setBorder(index, BorderProperty::LineStyle, xl::kContinuous));
    }
    ASSERT_FALSE(sheet.setBorder(xl::kInsideVertical, BorderProperty::LineStyle, xl::kContinuous));
    ASSERT_FALSE(sheet.setBorder(xl::kInsideHorizontal, BorderProperty::LineStyle, xl::kContinuous));
    // Every side of the four cells is drawn now.
    for (int row : { 1, 2 }) {
        for (int column : { 1, 2 }) {
            EXPECT_EQ(sheet.format(row, column).edges, (std::array { true, true, true, true })) << row << column;
        }
    }
    ASSERT_FALSE(sheet.setBorder(xl::kInsideVertical, BorderProperty::LineStyle, xl::kNone));
    EXPECT_FALSE(sheet.format(1, 1).edge(xl::kEdgeRight));
    EXPECT_FALSE(sheet.format(1, 2).edge(xl::kEdgeLeft));
    EXPECT_TRUE(sheet.format(1, 2).edge(xl::kEdgeRight));
    EXPECT_TRUE(sheet.format(1, 1).edge(xl::kEdgeBottom));
    ASSERT_FALSE(sheet.setBorder(xl::kInsideHorizontal, BorderProperty::LineStyle, xl::kNone));
    EXPECT_FALSE(sheet.format(1, 1).edge(xl::kEdgeBottom));
    EXPECT_FALSE(sheet.format(2, 2).edge(xl::kEdgeTop));
    EXPECT_TRUE(sheet.format(2, 2).edge(xl::kEdgeBottom));
}

// The defaults the export writes again on every format leave a cell as it was.
TEST(Worksheet, WritingTheDefaultsAgainChangesNothing)
{
    Worksheet sheet;
    ASSERT_FALSE(sheet.select({ 1, 1, 1, 1 }));
    for (FontProperty flag : { FontProperty::Strikethrough, FontProperty::Superscript, FontProperty::Subscript,
             FontProperty::OutlineFont, FontProperty::Shadow }) {
        ASSERT_FALSE(sheet.setFont(flag, false));
    }
    ASSERT_FALSE(sheet.setFont(FontProperty::Underline, xl::kNone));
    ASSERT_FALSE(sheet.setFont(FontProperty::ColorIndex, xl::kAutomatic));
    for (std::int16_t diagonal : { xl::kDiagonalDown, xl::kDiagonalUp }) {
        ASSERT_FALSE(sheet.setBorder(diagonal, BorderProperty::LineStyle, xl::kNone));
    }
    ASSERT_FALSE(sheet.setBorder(xl::kEdgeTop, BorderProperty::Weight, xl::kThin));
    ASSERT_FALSE(sheet.setBorder(xl::kEdgeTop, BorderProperty::ColorIndex, xl::kAutomatic));
    ASSERT_FALSE(sheet.setInterior(InteriorProperty::PatternColorIndex, xl::kAutomatic));
    EXPECT_EQ(sheet.format(1, 1), CellFormat {});
}

struct RefusedWrite {
    const char* what;
    ServiceError (*write)(Worksheet&);
    long number;
};

class RefusedWriteTest : public testing::TestWithParam<RefusedWrite> { };

TEST_P(RefusedWriteTest, LeavesTheCellAsItWas)
{
    Worksheet sheet;
    ASSERT_FALSE(sheet.select({ 1, 1, 1, 1 }));
    EXPECT_EQ(GetParam().write(sheet).number, GetParam().number) << GetParam().what;
    EXPECT_EQ(sheet.format(1, 1), CellFormat {}) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Values, RefusedWriteTest,
    testing::Values(
        RefusedWrite { "size as text", [](Worksheet& s) { return s.setFont(FontProperty::Size, std::string("12")); },
            serviceerror::kTypeMismatch },
        RefusedWrite { "size 0", [](Worksheet& s) { return s.setFont(FontProperty::Size, std::int16_t { 0 }); },
            serviceerror::kRefused },
        RefusedWrite { "unknown style",
            [](Worksheet& s) { return s.setFont(FontProperty::FontStyle, std::string("Bold")); },
            serviceerror::kRefused },
        RefusedWrite { "colour 57",
            [](Worksheet& s) { return s.setFont(FontProperty::ColorIndex, std::int16_t { 57 }); },
            serviceerror::kRefused },
        RefusedWrite { "border index 4",
            [](Worksheet& s) { return s.setBorder(4, BorderProperty::LineStyle, xl::kContinuous); },
            serviceerror::kRefused },
        RefusedWrite { "weight 3", [](Worksheet& s) { return s.setBorder(7, BorderProperty::Weight, 3); },
            serviceerror::kRefused },
        RefusedWrite { "pattern 2", [](Worksheet& s) { return s.setInterior(InteriorProperty::Pattern, 2); },
            serviceerror::kRefused },
        RefusedWrite { "value into a whole row", [](Worksheet& s) { return s.setValue(*ParseReference("3:3"), "x"); },
            serviceerror::kRefused },
        // Formats the export never sends are refused rather than dropped without a word.
        RefusedWrite { "italic",
            [](Worksheet& s) { return s.setFont(FontProperty::FontStyle, std::string("Italique")); },
            serviceerror::kRefused },
        RefusedWrite { "strikethrough", [](Worksheet& s) { return s.setFont(FontProperty::Strikethrough, true); },
            serviceerror::kRefused },
        RefusedWrite { "strikethrough as a number",
            [](Worksheet& s) { return s.setFont(FontProperty::Strikethrough, std::int16_t { 0 }); },
            serviceerror::kTypeMismatch },
        RefusedWrite { "single underline",
            [](Worksheet& s) { return s.setFont(FontProperty::Underline, std::int16_t { 2 }); },
            serviceerror::kRefused },
        RefusedWrite { "red font", [](Worksheet& s) { return s.setFont(FontProperty::ColorIndex, std::int16_t { 3 }); },
            serviceerror::kRefused },
        RefusedWrite { "diagonal line",
            [](Worksheet& s) { return s.setBorder(xl::kDiagonalDown, BorderProperty::LineStyle, xl::kContinuous); },
            serviceerror::kRefused },
        RefusedWrite { "double line", [](Worksheet& s) { return s.setBorder(7, BorderProperty::LineStyle, -4119); },
            serviceerror::kRefused },
        RefusedWrite { "medium weight", [](Worksheet& s) { return s.setBorder(7, BorderProperty::Weight, -4138); },
            serviceerror::kRefused },
        RefusedWrite { "red line", [](Worksheet& s) { return s.setBorder(7, BorderProperty::ColorIndex, 3); },
            serviceerror::kRefused },
        RefusedWrite { "pattern colour",
            [](Worksheet& s) { return s.setInterior(InteriorProperty::PatternColorIndex, 3); },
            serviceerror::kRefused }));

TEST(Worksheet, AutoFitMeasuresCharactersNotBytesAndSkipsEmptyColumns)
{
    Worksheet sheet;
    ASSERT_FALSE(sheet.setValue({ 1, 1, 1, 1 }, "éééé"));
    ASSERT_FALSE(sheet.setValue({ 2, 1, 2, 1 }, "abc"));
    ASSERT_FALSE(sheet.autoFitColumns(*ParseReference("A:B")));
    ASSERT_EQ(sheet.columnWidths().size(), 1u);
    // An accented letter is as wide as its letter, whatever its bytes.
    EXPECT_DOUBLE_EQ(sheet.columnWidths().at(1), Worksheet::FittedWidth("eeee", FontFormat {}));
    FontFormat heading;
    heading.bold = true;
    heading.size = 12;
    EXPECT_GT(Worksheet::FittedWidth("abcd", heading), Worksheet::FittedWidth("abcd", FontFormat {}));
}

struct UsedCase {
    std::string label;
    void (*build)(Worksheet& sheet);
    int lastUsedColumn;
};

void PrintTo(const UsedCase& used, std::ostream* out)
{
    *out << used.label;
}

class LastUsedColumnTest : public testing::TestWithParam<UsedCase> { };

TEST_P(LastUsedColumnTest, CountsTextsAndFormatsOfTheirOwnButNotTheEdgesOfWholeRows)
{
    Worksheet sheet;
    GetParam().build(sheet);
    EXPECT_EQ(sheet.lastUsedColumn(), GetParam().lastUsedColumn);
}

void FrameRowTwo(Worksheet& sheet)
{
    sheet.select(*ParseReference("2:2"));
    sheet.setBorder(xl::kEdgeRight, BorderProperty::LineStyle, xl::kContinuous);
    sheet.setInterior(InteriorProperty::ColorIndex, 19);
}

INSTANTIATE_TEST_SUITE_P(Sheets, LastUsedColumnTest,
    testing::Values(UsedCase { "empty", [](Worksheet&) {}, 1 },
        UsedCase { "a text in C",
            [](Worksheet& s) {
                s.setValue({ 3, 3, 3, 3 }, "x");
            },
            3 },
        UsedCase { "a whole row framed", FrameRowTwo, 1 },
        UsedCase { "a whole row and a block to B",
            [](Worksheet& s) {
                FrameRowTwo(s);
                s.select(*ParseReference("A4:B5"));
                s.setInterior(InteriorProperty::ColorIndex, 46);
            },
            2 },
        UsedCase { "a right-aligned cell in E",
            [](Worksheet& s) {
                s.setHorizontalAlignment({ 1, 5, 1, 5 }, xl::kRight);
            },
            5 },
        UsedCase { "a text in the row's last cell",
            [](Worksheet& s) {
                FrameRowTwo(s);
                s.setValue({ 2, CellRange::kMaxColumns, 2, CellRange::kMaxColumns }, "fin");
            },
            CellRange::kMaxColumns }),
    [](const testing::TestParamInfo<UsedCase>& info) {
        std::string name;
        for (char c : info.param.label) {
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        }
        return name;
    });

// A row formatted whole is written from column A to the last used column, each cell with the row's format and the
// row's right edge moved from the sheet's last column onto the last used one; its own cells keep their formats.
TEST(Worksheet, AWholeRowIsWrittenAcrossTheUsedColumnsOnly)
{
    Worksheet sheet;
    FrameRowTwo(sheet);
    sheet.select(*ParseReference("2:2"));
    sheet.setBorder(xl::kEdgeLeft, BorderProperty::LineStyle, xl::kContinuous);
    ASSERT_FALSE(sheet.setValue({ 2, 1, 2, 1 }, "Les Jeux"));
    ASSERT_FALSE(sheet.setValue({ 5, 3, 5, 3 }, "C5"));
    const std::vector<std::pair<int, Cell>> cells = sheet.cellsUpTo(2, sheet.lastUsedColumn());
    ASSERT_EQ(cells.size(), 3u);
    for (int column = 1; column <= 3; ++column) {
        const auto& [at, cell] = cells[static_cast<std::size_t>(column - 1)];
        EXPECT_EQ(at, column);
        EXPECT_EQ(cell.value, column == 1 ? "Les Jeux" : "");
        EXPECT_EQ(cell.format.interior.colorIndex, 19) << column;
        EXPECT_EQ(cell.format.edge(xl::kEdgeLeft), column == 1) << column;
        EXPECT_EQ(cell.format.edge(xl::kEdgeRight), column == 3) << column;
    }
    // A row that is not formatted whole gives its own cells, up to the column asked.
    ASSERT_FALSE(sheet.setValue({ 5, 1, 5, 1 }, "A5"));
    EXPECT_EQ(sheet.cellsUpTo(5, 2).size(), 1u);
    EXPECT_EQ(sheet.cellsUpTo(5, 3).size(), 2u);
    EXPECT_TRUE(sheet.cellsUpTo(9, 3).empty());
}

TEST(Worksheet, OnlyTheRightAndTheGeneralAlignmentsAreTaken)
{
    Worksheet sheet;
    EXPECT_FALSE(sheet.setHorizontalAlignment({ 1, 2, 1, 2 }, xl::kRight));
    EXPECT_TRUE(sheet.format(1, 2).rightAligned);
    EXPECT_FALSE(sheet.setHorizontalAlignment({ 1, 2, 1, 2 }, xl::kGeneral));
    EXPECT_FALSE(sheet.format(1, 2).rightAligned);
    EXPECT_EQ(sheet.setHorizontalAlignment({ 1, 2, 1, 2 }, -4108).number, serviceerror::kRefused); // centred
    EXPECT_EQ(sheet.setHorizontalAlignment(*ParseReference("3:3"), xl::kRight).number, serviceerror::kRefused);
}

TEST(PaletteColour, GivesTheStandardColoursOfTheExportAndNothingOutsideTheRange)
{
    EXPECT_EQ(PaletteColour(19), 0xFFFFCCu);
    EXPECT_EQ(PaletteColour(35), 0xCCFFCCu);
    EXPECT_EQ(PaletteColour(46), 0xFF6600u);
    EXPECT_EQ(PaletteColour(1), 0x000000u);
    EXPECT_EQ(PaletteColour(56), 0x333333u);
    EXPECT_FALSE(PaletteColour(0));
    EXPECT_FALSE(PaletteColour(57));
    EXPECT_FALSE(PaletteColour(xl::kAutomatic));
}

} // namespace
} // namespace ornal
