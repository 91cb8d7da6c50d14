#include "export/sheetlayout.h"

#include "engine/combinationengine.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <tuple>
#include <vector>

namespace ornal {

void PrintTo(const SheetCell& c, std::ostream* out)
{
    *out << "(" << c.row << "," << c.column << ") \"" << c.text << "\" bold " << c.style.bold << " size "
         << c.style.size << " edges " << c.style.edges << " fill " << std::hex << c.style.fill << std::dec << " right "
         << c.style.rightAligned;
}

bool operator==(const SheetCell& a, const SheetCell& b)
{
    return std::tie(a.row, a.column, a.text, a.style) == std::tie(b.row, b.column, b.text, b.style);
}

namespace {

using Cells = std::vector<SheetCell>;

CombinationList MakeList(const std::vector<std::string>& lines)
{
    CombinationList list;
    for (const std::string& line : lines) {
        list.append(line);
    }
    return list;
}

// The styles the workbook shows, written out here from what the player sees: the heading block framed as one
// orange block (FF6600) over A1:B4 in Arial 10, the header row framed in bold 12 on pale yellow (FFFFCC), the lines
// in bold 12 on pale green (CCFFCC).
constexpr int L = CellStyle::kLeft, T = CellStyle::kTop, B = CellStyle::kBottom, R = CellStyle::kRight;
CellStyle Block(int edges)
{
    return { .edges = edges, .fill = 0xFF6600 };
}
CellStyle Header(int edges)
{
    return { .bold = true, .size = 12, .edges = edges, .fill = 0xFFFFCC };
}
const CellStyle kLine { .bold = true, .size = 12, .fill = 0xCCFFCC };
const CellStyle kSignature { .rightAligned = true };

ExportRequest Request(const CombinationList& list, std::vector<std::string> notes = {})
{
    return { .list = list,
        .selectionText = "-3-7-12",
        .baseText = "1",
        .caption = "Programme Ornal",
        .notes = std::move(notes) };
}

TEST(LayOutSheet, PutsEveryTextAndStyleInItsCellInWritingOrder)
{
    const CombinationList list = MakeList({ "-3-7-", "-3-12-" });
    const std::string cost = "Couplé gagnant : 2 mises de 2,50 € = 5,00 €";
    const SheetLayout sheet = LayOutSheet(Request(list, { cost, "Base : 3" }), "07/12/2026");
    const Cells expected {
        { 1, 1, " Programme Ornal", Block(L | T) },
        { 1, 2, "", Block(T | R) },
        { 2, 1, " 1 ", Block(L) },
        { 2, 2, "", Block(R) },
        { 3, 1, " La sélection : -3-7-12", Block(L) },
        { 3, 2, "", Block(R) },
        { 4, 1, " Nombre de combinaisons : 2", Block(L | B) },
        { 4, 2, "", Block(B | R) },
        { 6, 1, "Les Jeux", Header(L | T | B) },
        { 6, 2, "", Header(T | B | R) },
        { 7, 1, " -3-7-", kLine },
        { 8, 1, " -3-12-", kLine },
        // Three blank rows below the list, then the signature in column B, the notes under it in column A.
        { 12, 2, "Galopia Le : 07/12/2026", kSignature },
        { 13, 1, cost, {} },
        { 14, 1, "Base : 3", {} },
    };
    EXPECT_EQ(sheet.cells, expected);
    EXPECT_EQ(sheet.name, "Ornal");
    // Printed from A1 to the last note, as wide as the heading block.
    EXPECT_EQ(sheet.lastRow, 14);
    EXPECT_EQ(sheet.lastColumn, 2);
    // Column A alone is fitted, here to the cost in the body font; nothing else is widened.
    ASSERT_EQ(sheet.columnWidths.size(), 1u);
    EXPECT_DOUBLE_EQ(sheet.columnWidths.at(1), FittedWidth(cost, 10, false));
}

// Which text sets column A's width, in the font it is shown in; a width past what a column takes is cut there.
struct WidthCase {
    std::string label;
    std::vector<std::string> lines;
    std::string caption;
    double width;
};

void PrintTo(const WidthCase& c, std::ostream* out)
{
    *out << c.label;
}

class ColumnAWidthTest : public testing::TestWithParam<WidthCase> { };

TEST_P(ColumnAWidthTest, FitsTheWidestTextOfColumnA)
{
    const CombinationList list = MakeList(GetParam().lines);
    ExportRequest request = Request(list);
    request.caption = GetParam().caption;
    const SheetLayout sheet = LayOutSheet(request, "07/12/2026");
    ASSERT_EQ(sheet.columnWidths.count(1), 1u);
    EXPECT_DOUBLE_EQ(sheet.columnWidths.at(1), GetParam().width);
    EXPECT_EQ(sheet.lastRow, 7 + static_cast<int>(GetParam().lines.size()) + 3);
}

INSTANTIATE_TEST_SUITE_P(Texts, ColumnAWidthTest,
    testing::Values(
        WidthCase { "CountLine", { "-1-2-" }, "Ornal", FittedWidth(" Nombre de combinaisons : 1", 10, false) },
        WidthCase { "LongLineInBold", { "-1-2-", std::string(40, '9') }, "Ornal",
            FittedWidth(" " + std::string(40, '9'), 12, true) },
        WidthCase {
            "LongCaption", { "-1-2-" }, std::string(60, 'M'), FittedWidth(" " + std::string(60, 'M'), 10, false) },
        WidthCase { "CutAt255", { "-1-2-" }, std::string(400, 'W'), 255.0 }),
    [](const testing::TestParamInfo<WidthCase>& info) { return info.param.label; });

TEST(FittedWidth, MeasuresCharactersNotBytesAndGrowsWithTheHeadingFont)
{
    // An accented letter is as wide as its letter, whatever its bytes.
    EXPECT_DOUBLE_EQ(FittedWidth("éééé", 10, false), FittedWidth("eeee", 10, false));
    EXPECT_GT(FittedWidth("abcd", 12, true), FittedWidth("abcd", 10, false));
    EXPECT_GT(FittedWidth("abcd", 10, true), FittedWidth("abcd", 10, false));
    // One unit of margin around no text at all.
    EXPECT_DOUBLE_EQ(FittedWidth("", 10, false), 1.0);
}

// An empty note still takes its row, and the print reaches it.
TEST(LayOutSheet, AnEmptyNoteKeepsItsRowInThePrint)
{
    const CombinationList list = MakeList({ "-1-" });
    const SheetLayout sheet = LayOutSheet(Request(list, { "", "Base : 1" }), "01/01/2027");
    ASSERT_GE(sheet.cells.size(), 2u);
    EXPECT_EQ(sheet.cells.back(), (SheetCell { 13, 1, "Base : 1", {} }));
    EXPECT_EQ(sheet.lastRow, 13);
}

// Bytes that are not UTF-8, and characters XML forbids, in any text the player brings.
TEST(LayOutSheet, EveryTextIsMadeValidForTheFile)
{
    const CombinationList list = MakeList({ "-1-\xFF-" });
    ExportRequest request = Request(list, { "note \x01" });
    request.caption = "jeu \xE9t\xE9";
    request.baseText = "\xC3";
    const SheetLayout sheet = LayOutSheet(request, "01/01/2027");
    const std::string r = "\xEF\xBF\xBD";
    std::vector<std::string> texts;
    for (const SheetCell& cell : sheet.cells) {
        texts.push_back(cell.text);
    }
    for (const std::string& wanted : { " jeu " + r + "t" + r, " " + r + " ", " -1-" + r + "-", "note " + r }) {
        EXPECT_NE(std::find(texts.begin(), texts.end(), wanted), texts.end()) << wanted;
    }
}

// C(20, 7): 77,520 lines, which a 16-bit row counter would stop in row 32,767.
TEST(LayOutSheet, TheLargestListIsLaidOutWhole)
{
    const ComputeResult computed = ComputeCombinations(LargestSelection());
    ASSERT_EQ(computed.list.size(), 77520u);
    const SheetLayout sheet = LayOutSheet({ .list = computed.list }, "07/12/2026");
    ASSERT_EQ(sheet.cells.size(), 10u + 77520u + 1u);
    EXPECT_EQ(sheet.cells[6].text, " Nombre de combinaisons : 77520");
    for (CombinationList::Count i = 0; i < computed.list.size(); ++i) {
        const SheetCell& cell = sheet.cells[10 + i];
        ASSERT_EQ(cell.row, static_cast<int>(i) + 7);
        ASSERT_EQ(cell.text.substr(1), computed.list.line(i)) << "row " << cell.row;
    }
    EXPECT_EQ(sheet.cells.back(), (SheetCell { 77530, 2, "Galopia Le : 07/12/2026", kSignature }));
    EXPECT_EQ(sheet.lastRow, 77530);
}

} // namespace
} // namespace ornal
