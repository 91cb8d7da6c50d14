#include "exporttospreadsheet.h"

#include "recordingservice.h"
#include "testfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ornal {
namespace {

using Calls = std::vector<std::string>;

CombinationList MakeList(const std::vector<std::string>& lines)
{
    CombinationList list;
    for (const std::string& line : lines) {
        list.append(line);
    }
    return list;
}

void Append(Calls& calls, const Calls& more)
{
    calls.insert(calls.end(), more.begin(), more.end());
}

Calls Font(const std::string& style, int size)
{
    return { "Font.Name=Arial", "Font.FontStyle=" + style, "Font.Size=" + std::to_string(size),
        "Font.Strikethrough=false", "Font.Superscript=false", "Font.Subscript=false", "Font.OutlineFont=false",
        "Font.Shadow=false", "Font.Underline=-4142", "Font.ColorIndex=-4105" };
}

Calls Frame(bool insideHorizontal)
{
    Calls calls { "Borders(5).LineStyle=-4142", "Borders(6).LineStyle=-4142" };
    for (int edge : { 7, 8, 9, 10 }) {
        const std::string border = "Borders(" + std::to_string(edge) + ").";
        Append(calls, { border + "LineStyle=1", border + "Weight=2", border + "ColorIndex=-4105" });
    }
    calls.push_back("Borders(11).LineStyle=-4142");
    if (insideHorizontal) {
        calls.push_back("Borders(12).LineStyle=-4142");
    }
    return calls;
}

Calls Fill(int colour)
{
    return { "Interior.ColorIndex=" + std::to_string(colour), "Interior.Pattern=1",
        "Interior.PatternColorIndex=-4105" };
}

struct Fixture {
    TestFolder folder;
    RecordingService service { WorkbookTarget {
        .file = {}, .folder = [this] { return folder.path(); }, .moment = { 2026, 12, 7, 5, 52, 8 }, .open = {} } };

    ExportRun run(const CombinationList& list, std::string_view base = "Sans Base")
    {
        return ExportToSpreadsheet(service, { list, "-3-7-12", base, "Programme Ornal", "07/12/2026" });
    }
};

TEST(ExportToSpreadsheet, MakesTheCallsInTheirFixedOrderForTwoLines)
{
    Fixture f;
    const CombinationList list = MakeList({ "-3-7-", "-3-12-" });
    const ExportRun run = f.run(list);
    ASSERT_FALSE(run.error) << run.error.description;

    Calls expected { "Workbooks.Count", "Workbooks.Add", "ActiveSheet.Name=Ornal", "Rows(2:2)", "Select" };
    Append(expected, Font("Gras", 12));
    Append(expected, Frame(false));
    Append(expected, Fill(19));
    Append(expected, { "activecell", "Value=Les Jeux", "Range(A1)", "Select", "Visible=true", "Range(A3)", "Select" });
    for (const auto& [text, next] : { std::pair { " -3-7-", "A4" }, std::pair { " -3-12-", "A5" } }) {
        Append(expected, { "activecell", std::string("Value=") + text });
        Append(expected, Font("Gras", 12));
        Append(expected, Fill(35));
        Append(expected, { std::string("Range(") + next + ")", "Select" });
    }
    Append(expected, { "activecell", "Offset(1,3)", "Value=Galopia Le : 07/12/2026" });
    for (const std::string text :
        { " Nombre de combinaisons : 2", " La sélection : -3-7-12", " Sans Base ", " Programme Ornal" }) {
        Append(expected, { "Range(A1)", "Select", "EntireRow.Insert", "Range(A1)", "Value=" + text });
        Append(expected, Font("Gras", 12));
    }
    Append(expected, { "Range(A1:B4)", "Select" });
    Append(expected, Font("Normal", 10));
    Append(expected, Frame(true));
    Append(expected, Fill(46));
    Append(expected, { "Columns(A:A)", "EntireColumn.AutoFit", "Release" });
    EXPECT_EQ(f.service.calls, expected);
    EXPECT_EQ(run.lineReached, 1u);
    EXPECT_FALSE(run.writtenPath.empty());
}

TEST(ExportToSpreadsheet, OneLineGivesTheHeadingBlockLesJeuxInRowSixAndTheLineInRowSeven)
{
    Fixture f;
    const CombinationList list = MakeList({ "-3-7-12-" });
    ASSERT_FALSE(f.run(list, "1").error);
    const Worksheet& sheet = f.service.inner.sheet();

    EXPECT_EQ(sheet.name(), "Ornal");
    const std::vector<std::string> columnA { " Programme Ornal", " 1 ", " La sélection : -3-7-12",
        " Nombre de combinaisons : 1", "", "Les Jeux", " -3-7-12-", "", "" };
    for (int row = 1; row <= static_cast<int>(columnA.size()); ++row) {
        EXPECT_EQ(sheet.value(row, 1), columnA[static_cast<std::size_t>(row - 1)]) << "row " << row;
    }
    // Below the list, one row down and in column D, after the four rows pushed in on top.
    EXPECT_EQ(sheet.value(9, 4), "Galopia Le : 07/12/2026");
    EXPECT_EQ(sheet.usedRowCount(), 9);

    // Rows 1 to 4 were each written in the heading font, but the block's format comes last.
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 2; ++column) {
            const CellFormat format = sheet.format(row, column);
            EXPECT_EQ(format.font.style, "Normal");
            EXPECT_EQ(format.font.size, 10);
            EXPECT_EQ(format.interior.colorIndex, 46);
            EXPECT_EQ(format.border(xl::kEdgeLeft).lineStyle, column == 1 ? xl::kContinuous : xl::kNone);
            EXPECT_EQ(format.border(xl::kEdgeRight).lineStyle, column == 2 ? xl::kContinuous : xl::kNone);
            EXPECT_EQ(format.border(xl::kEdgeTop).lineStyle, row == 1 ? xl::kContinuous : xl::kNone);
            EXPECT_EQ(format.border(xl::kEdgeBottom).lineStyle, row == 4 ? xl::kContinuous : xl::kNone);
        }
    }
    EXPECT_EQ(sheet.format(5, 1), CellFormat {});
    // The header row is formatted across, far beyond its one text.
    for (int column : { 1, 2, 300, CellRange::kMaxColumns }) {
        const CellFormat format = sheet.format(6, column);
        EXPECT_EQ(format.font.style, "Gras");
        EXPECT_EQ(format.interior.colorIndex, 19);
        EXPECT_EQ(format.border(xl::kEdgeTop).lineStyle, xl::kContinuous);
        EXPECT_EQ(format.border(xl::kEdgeLeft).lineStyle, column == 1 ? xl::kContinuous : xl::kNone);
        EXPECT_EQ(
            format.border(xl::kEdgeRight).lineStyle, column == CellRange::kMaxColumns ? xl::kContinuous : xl::kNone);
    }
    const CellFormat line = sheet.format(7, 1);
    EXPECT_EQ(line.font.style, "Gras");
    EXPECT_EQ(line.font.size, 12);
    EXPECT_EQ(line.interior.colorIndex, 35);
    EXPECT_EQ(line.borders, CellFormat {}.borders);
    EXPECT_EQ(sheet.format(7, 2), CellFormat {});
    EXPECT_EQ(sheet.format(9, 4), CellFormat {});
    // Column A is as wide as its widest text, the selection line in the body font.
    ASSERT_EQ(sheet.columnWidths().count(1), 1u);
    EXPECT_DOUBLE_EQ(sheet.columnWidths().at(1), Worksheet::FittedWidth(" Nombre de combinaisons : 1", FontFormat {}));
}

TEST(ExportToSpreadsheet, AnOpenWorkbookKeepsItsSheetNameAndIsPushedDownFourRows)
{
    Fixture f;
    Worksheet open;
    open.setName("Budget");
    ASSERT_FALSE(open.setValue({ 2, 1, 2, 1 }, "écrasé"));
    ASSERT_FALSE(open.setValue({ 20, 3, 20, 3 }, "gardé"));
    f.service.inner.adoptOpenWorkbook(open);

    ASSERT_FALSE(f.run(MakeList({ "-1-2-" })).error);
    const Worksheet& sheet = f.service.inner.sheet();
    EXPECT_EQ(std::count(f.service.calls.begin(), f.service.calls.end(), "Workbooks.Add"), 0);
    EXPECT_EQ(sheet.name(), "Budget");
    EXPECT_EQ(sheet.value(6, 1), "Les Jeux");
    EXPECT_EQ(sheet.value(24, 3), "gardé");
}

// A refused call stops the run at once: no later call, nothing written, the line reached kept.
TEST(ExportToSpreadsheet, ARefusedCallStopsEverythingAfterIt)
{
    struct Case {
        std::string failOn;
        long number;
        std::optional<CombinationList::Count> lineReached;
    };
    for (const Case& c : { Case { "Workbooks.Count", 429, std::nullopt }, Case { "Range(A5)", 1004, 1u },
             Case { "Offset(1,3)", 91, 2u }, Case { "EntireColumn.AutoFit", 1004, 2u } }) {
        Fixture f;
        f.service.failOn = c.failOn;
        f.service.failNumber = c.number;
        const ExportRun run = f.run(MakeList({ "-1-2-", "-1-3-", "-2-3-" }));
        EXPECT_EQ(run.error.number, c.number) << c.failOn;
        EXPECT_EQ(f.service.calls.back(), c.failOn);
        EXPECT_EQ(run.lineReached, c.lineReached) << c.failOn;
        EXPECT_TRUE(run.writtenPath.empty());
        EXPECT_TRUE(std::filesystem::is_empty(f.folder.path())) << c.failOn;
    }
}

} // namespace
} // namespace ornal
