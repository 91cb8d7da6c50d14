#include "csvfile.h"
#include "filetesting.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

const std::string kBom = "\xEF\xBB\xBF";

TEST(CsvText, HoldsAHeaderThenEachLineAndItsNumbers)
{
    // Written out by hand from the format: mark, header, then text;numbers per row, CRLF after each.
    EXPECT_EQ(CsvText(MakeList({ "-1-3-12-", "-05-7-9-" })),
        kBom + "Combinaison;Cheval 1;Cheval 2;Cheval 3\r\n-1-3-12-;1;3;12\r\n-05-7-9-;05;7;9\r\n");
}

TEST(CsvText, AnEmptyListIsTheHeaderAlone)
{
    EXPECT_EQ(CsvText(CombinationList {}), kBom + "Combinaison\r\n");
}

TEST(CsvText, TheHeaderCountsTheWidestLine)
{
    // A game file may hold lines of several sizes; the short ones leave their last cells out.
    EXPECT_EQ(CsvText(MakeList({ "-4-2-", "-1-2-3-4-" })),
        kBom + "Combinaison;Cheval 1;Cheval 2;Cheval 3;Cheval 4\r\n-4-2-;4;2\r\n-1-2-3-4-;1;2;3;4\r\n");
}

TEST(CsvText, FieldsThatWouldSplitAreQuoted)
{
    EXPECT_EQ(CsvText(MakeList({ "-a;b-c\"d-é-" })),
        kBom + "Combinaison;Cheval 1;Cheval 2;Cheval 3\r\n\"-a;b-c\"\"d-é-\";\"a;b\";\"c\"\"d\";é\r\n");
}

struct FieldCase {
    const char* text;
    const char* field;
};

class CsvFieldQuoting : public testing::TestWithParam<FieldCase> { };

TEST_P(CsvFieldQuoting, QuotesOnlyWhenNeeded)
{
    EXPECT_EQ(CsvField(GetParam().text), GetParam().field);
}

INSTANTIATE_TEST_SUITE_P(Fields, CsvFieldQuoting,
    testing::Values(FieldCase { "12", "12" }, FieldCase { "", "" }, FieldCase { " 7 ", " 7 " },
        FieldCase { "Prix d'Été", "Prix d'Été" }, FieldCase { "a,b", "a,b" }, FieldCase { "a;b", "\"a;b\"" },
        FieldCase { "dit \"oui\"", "\"dit \"\"oui\"\"\"" }, FieldCase { "\"", "\"\"\"\"" },
        FieldCase { "deux\nlignes", "\"deux\nlignes\"" }, FieldCase { "retour\r", "\"retour\r\"" }));

TEST(CsvFile, IsWrittenWholeAndNeverReplacesAFileUnlessAsked)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "liste été.csv";
    ASSERT_TRUE(WriteCsvFile(file, MakeList({ "-1-2-" })).written());
    EXPECT_EQ(ContentOf(file), kBom + "Combinaison;Cheval 1;Cheval 2\r\n-1-2-;1;2\r\n");

    const WriteOutcome again = WriteCsvFile(file, MakeList({ "-3-4-" }));
    EXPECT_FALSE(again.written());
    EXPECT_NE(again.message.find("« liste été.csv »"), std::string::npos) << again.message;
    EXPECT_EQ(ContentOf(file), kBom + "Combinaison;Cheval 1;Cheval 2\r\n-1-2-;1;2\r\n");

    ASSERT_TRUE(WriteCsvFile(file, MakeList({ "-3-4-" }), ExistingFile::Replace).written());
    EXPECT_EQ(ContentOf(file), kBom + "Combinaison;Cheval 1;Cheval 2\r\n-3-4-;3;4\r\n");
    EXPECT_EQ(EntriesOf(folder.path()), std::vector<std::string> { "liste été.csv" });
}

} // namespace
} // namespace ornal
