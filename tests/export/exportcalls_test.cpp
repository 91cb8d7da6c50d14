#include "export/exportcommand.h"

#include "filetesting.h"
#include "recordingservice.h"

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

constexpr LocalDateTime kMoment { 2026, 12, 7, 5, 52, 8 };

// The text of an outcome's message, for failure output.
std::string MessageText(const ExportOutcome& outcome)
{
    return outcome.message ? outcome.message->text : std::string();
}

struct Fixture {
    ScratchFolder folder;
    const CombinationList noLines {};
    RecordingService service { ExportRequest { .list = noLines, .folder = folder.path(), .moment = kMoment } };

    ExportOutcome run(const CombinationList& list, const std::string& base = "Sans Base")
    {
        return RunExportCalls(service,
            { .list = list,
                .selectionText = "-3-7-12",
                .baseText = base,
                .caption = "Programme Ornal",
                .moment = kMoment });
    }
};

TEST(RunExportCalls, MakesTheCallsInTheirFixedOrderForTwoLines)
{
    Fixture f;
    const CombinationList list = MakeList({ "-3-7-", "-3-12-" });
    const ExportOutcome outcome = f.run(list);
    ASSERT_EQ(outcome.status, ExportOutcome::Status::Written) << MessageText(outcome);

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
    Append(expected, { "activecell", "Offset(1,3)", "Value=Galopia Le : 07/12/2026", "HorizontalAlignment=-4152" });
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
    EXPECT_EQ(outcome.selectedLine, 1u);
    EXPECT_EQ(outcome.path, f.folder.path() / "Ornal_2026-12-07_05-52-08.xlsx");
}

TEST(RunExportCalls, OneLineGivesTheHeadingBlockLesJeuxInRowSixAndTheLineInRowSeven)
{
    Fixture f;
    const CombinationList list = MakeList({ "-3-7-12-" });
    ASSERT_EQ(f.run(list, "1").status, ExportOutcome::Status::Written);
    const Worksheet& sheet = f.service.inner.sheet();

    EXPECT_EQ(sheet.name(), "Ornal");
    const std::vector<std::string> columnA { " Programme Ornal", " 1 ", " La sélection : -3-7-12",
        " Nombre de combinaisons : 1", "", "Les Jeux", " -3-7-12-", "", "" };
    for (int row = 1; row <= static_cast<int>(columnA.size()); ++row) {
        EXPECT_EQ(sheet.value(row, 1), columnA[static_cast<std::size_t>(row - 1)]) << "row " << row;
    }
    // Three rows below the list and in column B, inside the heading block's width, after the four rows pushed in on
    // top; aligned to the right, so that it runs over the empty cell on its left, not on past column B.
    EXPECT_EQ(sheet.value(11, 2), "Galopia Le : 07/12/2026");
    EXPECT_TRUE(sheet.format(11, 2).rightAligned);
    EXPECT_EQ(sheet.usedRowCount(), 11);
    EXPECT_EQ(sheet.lastUsedColumn(), 2);

    // Rows 1 to 4 were each written in the heading font, but the block's format comes last.
    for (int row = 1; row <= 4; ++row) {
        for (int column = 1; column <= 2; ++column) {
            const CellFormat format = sheet.format(row, column);
            EXPECT_FALSE(format.font.bold);
            EXPECT_EQ(format.font.size, 10);
            EXPECT_EQ(format.interior.colorIndex, 46);
            EXPECT_EQ(format.edge(xl::kEdgeLeft), column == 1);
            EXPECT_EQ(format.edge(xl::kEdgeRight), column == 2);
            EXPECT_EQ(format.edge(xl::kEdgeTop), row == 1);
            EXPECT_EQ(format.edge(xl::kEdgeBottom), row == 4);
        }
    }
    EXPECT_EQ(sheet.format(5, 1), CellFormat {});
    // The header row is formatted across, far beyond its one text.
    for (int column : { 1, 2, 300, CellRange::kMaxColumns }) {
        const CellFormat format = sheet.format(6, column);
        EXPECT_TRUE(format.font.bold);
        EXPECT_EQ(format.interior.colorIndex, 19);
        EXPECT_TRUE(format.edge(xl::kEdgeTop));
        EXPECT_EQ(format.edge(xl::kEdgeLeft), column == 1);
        EXPECT_EQ(format.edge(xl::kEdgeRight), column == CellRange::kMaxColumns);
    }
    const CellFormat line = sheet.format(7, 1);
    EXPECT_TRUE(line.font.bold);
    EXPECT_EQ(line.font.size, 12);
    EXPECT_EQ(line.interior.colorIndex, 35);
    EXPECT_EQ(line.edges, CellFormat {}.edges);
    EXPECT_EQ(sheet.format(7, 2), CellFormat {});
    EXPECT_EQ(sheet.format(9, 4), CellFormat {});
    EXPECT_FALSE(sheet.format(7, 1).rightAligned);
    // Column A is as wide as its widest text, the selection line in the body font.
    ASSERT_EQ(sheet.columnWidths().count(1), 1u);
    EXPECT_DOUBLE_EQ(sheet.columnWidths().at(1), Worksheet::FittedWidth(" Nombre de combinaisons : 1", FontFormat {}));
}

TEST(RunExportCalls, AnOpenWorkbookKeepsItsSheetNameAndIsPushedDownFourRows)
{
    Fixture f;
    Worksheet open;
    open.setName("Budget");
    ASSERT_FALSE(open.setValue({ 2, 1, 2, 1 }, "écrasé"));
    ASSERT_FALSE(open.setValue({ 20, 3, 20, 3 }, "gardé"));
    f.service.inner.adoptOpenWorkbook(open);

    ASSERT_EQ(f.run(MakeList({ "-1-2-" })).status, ExportOutcome::Status::Written);
    const Worksheet& sheet = f.service.inner.sheet();
    EXPECT_EQ(std::count(f.service.calls.begin(), f.service.calls.end(), "Workbooks.Add"), 0);
    EXPECT_EQ(sheet.name(), "Budget");
    EXPECT_EQ(sheet.value(6, 1), "Les Jeux");
    EXPECT_EQ(sheet.value(24, 3), "gardé");
}

// A refused call stops the run at once: no later call, nothing written, the line reached kept.
TEST(RunExportCalls, ARefusedCallStopsEverythingAfterIt)
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
        const ExportOutcome outcome = f.run(MakeList({ "-1-2-", "-1-3-", "-2-3-" }));
        EXPECT_EQ(outcome.status, ExportOutcome::Status::Failed) << c.failOn;
        EXPECT_EQ(outcome.errorNumber, c.number) << c.failOn;
        EXPECT_EQ(MessageText(outcome), "Refus simulé de " + c.failOn);
        EXPECT_EQ(f.service.calls.back(), c.failOn);
        EXPECT_EQ(outcome.selectedLine, c.lineReached) << c.failOn;
        EXPECT_TRUE(outcome.path.empty());
        EXPECT_TRUE(std::filesystem::is_empty(f.folder.path())) << c.failOn;
    }
}

// The notes go one a row in column A right below the signature, every row the export wrote before staying as it
// was; column A is fitted to them too.
TEST(RunExportCalls, TheNotesFollowTheSignatureInColumnA)
{
    Fixture f;
    const CombinationList list = MakeList({ "-3-7-", "-3-12-" });
    const std::string cost = "Couplé gagnant : 2 mises de 2,50 € = 5,00 €";
    const ExportOutcome outcome = RunExportCalls(f.service,
        { .list = list,
            .selectionText = "-3-7-12",
            .baseText = "1",
            .caption = "Programme Ornal",
            .notes = { cost, "Base : 3" },
            .moment = kMoment });
    ASSERT_EQ(outcome.status, ExportOutcome::Status::Written) << MessageText(outcome);
    const auto signature = std::find(f.service.calls.begin(), f.service.calls.end(), "HorizontalAlignment=-4152");
    ASSERT_NE(signature, f.service.calls.end());
    EXPECT_EQ(
        Calls(signature + 1, signature + 5), (Calls { "Range(A9)", "Value=" + cost, "Range(A10)", "Value=Base : 3" }));
    EXPECT_EQ(*(signature + 5), "Range(A1)") << "the heading block comes next, as without notes";

    const Worksheet& sheet = f.service.inner.sheet();
    const std::vector<std::string> columnA { " Programme Ornal", " 1 ", " La sélection : -3-7-12",
        " Nombre de combinaisons : 2", "", "Les Jeux", " -3-7-", " -3-12-", "", "", "", "", cost, "Base : 3" };
    ASSERT_EQ(sheet.usedRowCount(), static_cast<int>(columnA.size()));
    for (int row = 1; row <= sheet.usedRowCount(); ++row) {
        EXPECT_EQ(sheet.value(row, 1), columnA[static_cast<std::size_t>(row - 1)]) << "row " << row;
    }
    EXPECT_EQ(sheet.value(12, 2), "Galopia Le : 07/12/2026");
    EXPECT_EQ(sheet.format(13, 1), CellFormat {});
    EXPECT_DOUBLE_EQ(sheet.columnWidths().at(1), Worksheet::FittedWidth(cost, FontFormat {}));
}

} // namespace
} // namespace ornal
