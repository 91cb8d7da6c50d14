// Texts that are not valid XML, typed by the player or passed on the command line, must never leave a workbook
// reported as written that a spreadsheet then refuses to open.
#include "engine/combinationengine.h"
#include "export/exportcommand.h"
#include "export/workbookcheck.h"
#include "filetesting.h"

#include <zip.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>

namespace ornal {
namespace {

// U+FFFD in UTF-8.
const std::string R = "\xEF\xBF\xBD";

// The text of one part of a workbook, read with libzip; empty when it cannot be read.
std::string ReadPart(const std::filesystem::path& workbook, const char* part)
{
    int error = 0;
    const std::unique_ptr<zip_t, decltype(&zip_discard)> archive(
        zip_open(workbook.c_str(), ZIP_RDONLY, &error), zip_discard);
    if (!archive) {
        return {};
    }
    const std::unique_ptr<zip_file_t, decltype(&zip_fclose)> file(zip_fopen(archive.get(), part, 0), zip_fclose);
    if (!file) {
        return {};
    }
    std::string text;
    char buffer[4096];
    for (zip_int64_t count; (count = zip_fread(file.get(), buffer, sizeof buffer)) > 0;) {
        text.append(buffer, static_cast<std::size_t>(count));
    }
    return text;
}

struct InvalidText {
    std::string label;
    std::string number; // the fourth number as typed
    std::string shown; // what the workbook holds in its place
};

void PrintTo(const InvalidText& c, std::ostream* out)
{
    *out << c.label;
}

class InvalidTextTest : public testing::TestWithParam<InvalidText> { };

// As `ornal --xlsx FILE '|4|2|1|2|3|NUMBER'` does: four horses, pairs, the fourth number holding the bad bytes.
TEST_P(InvalidTextTest, IsWrittenAsReplacementCharactersIntoAWellFormedWorkbook)
{
    Selection sel;
    sel.horseCountText = "4";
    sel.betSizeText = "2";
    sel.numbers = { "1", "2", "3", GetParam().number };
    std::fill_n(sel.shown.begin(), 4, true);
    const ComputeResult computed = ComputeCombinations(sel);
    ASSERT_EQ(computed.list.size(), 6u) << (computed.refusal ? computed.refusal->text() : "");

    ScratchFolder folder;
    const std::filesystem::path file = folder.path() / "texte.xlsx";
    const ExportOutcome outcome
        = ExportCombinationList({ .list = computed.list, .selectionText = computed.selectionText, .file = file });
    ASSERT_TRUE(outcome.written()) << (outcome.refusal ? outcome.refusal->text() : "");
    EXPECT_EQ(FindDamagedPart(file), std::nullopt);

    const std::string strings = ReadPart(file, "xl/sharedStrings.xml");
    // The line of 1 and the fourth number, and the selection, carry U+FFFD where the bad bytes were.
    EXPECT_NE(strings.find(" -1-" + GetParam().shown + "-"), std::string::npos) << strings;
    EXPECT_NE(strings.find(" La sélection : -1-2-3-" + GetParam().shown), std::string::npos) << strings;
    EXPECT_EQ(strings.find(" -1-" + GetParam().number + "-"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(CommandLineInputs, InvalidTextTest,
    testing::Values(InvalidText { "UFFFE", "x\xEF\xBF\xBEy", "x" + R + "y" },
        InvalidText { "LatinOneEte", "\xE9t\xE9", R + "t" + R }, InvalidText { "ByteFF", "\xFF", R },
        InvalidText { "LeadByteAlone", "\xC3", R }, InvalidText { "EncodedSurrogate", "\xED\xA0\x80", R + R + R }),
    [](const testing::TestParamInfo<InvalidText>& info) { return info.param.label; });

} // namespace
} // namespace ornal
