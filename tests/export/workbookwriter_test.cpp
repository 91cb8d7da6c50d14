#include "export/workbookwriter.h"

#include "filetesting.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>

namespace ornal {
namespace {

// A sheet of a few hundred lines: enough that the workbook's parts do not fit in one small write.
SheetLayout SheetOfLines(int count)
{
    SheetLayout sheet;
    for (int row = 1; row <= count; ++row) {
        sheet.cells.push_back({ row, 1, "-" + std::to_string(row) + "-" + std::to_string(row + 1) + "-", {} });
    }
    sheet.lastRow = count;
    return sheet;
}

struct UnwritableCase {
    std::string label;
    // The destination, made from a fresh folder of the test's own.
    std::filesystem::path (*destination)(const std::filesystem::path& folder);
};

void PrintTo(const UnwritableCase& unwritable, std::ostream* out)
{
    *out << unwritable.label;
}

class UnwritableDestinationTest : public testing::TestWithParam<UnwritableCase> { };

TEST_P(UnwritableDestinationTest, IsAFileAccessErrorNamingTheFile)
{
    ScratchFolder folder;
    const std::filesystem::path file = GetParam().destination(folder.path());
    const Result<void> written = WriteWorkbook(SheetOfLines(500), file);
    ASSERT_FALSE(written);
    EXPECT_EQ(
        written.refusal().text().rfind("Le classeur n'a pas pu être écrit dans « " + file.string() + " » : ", 0), 0u)
        << written.refusal().text();
}

INSTANTIATE_TEST_SUITE_P(Destinations, UnwritableDestinationTest,
    testing::Values(
        // Every write to it fails with ENOSPC: a full disk that no test has to fill.
        UnwritableCase { "FullDisk", [](const std::filesystem::path&) { return std::filesystem::path("/dev/full"); } },
        UnwritableCase {
            "MissingFolder", [](const std::filesystem::path& folder) { return folder / "absent" / "classeur.xlsx"; } }),
    [](const testing::TestParamInfo<UnwritableCase>& info) { return info.param.label; });

TEST(WriteWorkbook, AWritableDestinationGetsTheWorkbook)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder.path() / "classeur.xlsx";
    const Result<void> written = WriteWorkbook(SheetOfLines(500), file);
    EXPECT_TRUE(written) << written.refusal().text();
    EXPECT_GT(std::filesystem::file_size(file), 0u);
}

// A cell holds at most 32,767 characters in the workbook format; the library refuses more, and the reason is French.
TEST(WriteWorkbook, ATextLongerThanACellHoldsIsRefusedInFrench)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder.path() / "classeur.xlsx";
    SheetLayout sheet = SheetOfLines(3);
    sheet.cells.insert(sheet.cells.begin() + 2, { 2, 2, std::string(32768, '7'), {} });
    const Result<void> refused = WriteWorkbook(sheet, file);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.refusal().text(),
        "Le classeur n'a pas pu être écrit dans « " + file.string()
            + " » : un texte dépasse la longueur qu'une cellule de classeur admet.");

    sheet.cells[2].text = std::string(32767, '7');
    EXPECT_TRUE(WriteWorkbook(sheet, file)) << "the longest text a cell holds is written";
}

} // namespace
} // namespace ornal
