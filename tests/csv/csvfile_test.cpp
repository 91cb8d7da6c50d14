#include "export/csvfile.h"
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

INSTANTIATE_TEST_SUITE_P(Formulas, CsvFieldQuoting,
    testing::Values(FieldCase { "=1+1", "\"'=1+1\"" }, FieldCase { "+33", "\"'+33\"" },
        FieldCase { "@SUM(A1)", "\"'@SUM(A1)\"" }, FieldCase { "\tx", "\"'\tx\"" }, FieldCase { "\r=2", "\"'\r=2\"" },
        FieldCase { "=HYPERLINK(\"http://x\")", "\"'=HYPERLINK(\"\"http://x\"\")\"" },
        FieldCase { "=a;b", "\"'=a;b\"" },
        // A dash starts every line: only what could call something after it is neutralised.
        FieldCase { "-3-7-12-", "-3-7-12-" }, FieldCase { "-a-b-c-", "-a-b-c-" }, FieldCase { "-Été 2-", "-Été 2-" },
        FieldCase { "-", "-" }, FieldCase { "-=1+1-2-", "\"'-=1+1-2-\"" }, FieldCase { "-2+3-", "\"'-2+3-\"" },
        FieldCase { "-cmd|' /C calc'!A0-", "\"'-cmd|' /C calc'!A0-\"" },
        FieldCase { "-HYPERLINK(1)-", "\"'-HYPERLINK(1)-\"" }, FieldCase { "-1&2-", "\"'-1&2-\"" },
        FieldCase { "-a:b-", "\"'-a:b-\"" },
        // Only the first character counts.
        FieldCase { "1=1", "1=1" }, FieldCase { " =1", " =1" }, FieldCase { "a+b", "a+b" }));

TEST(CsvText, AFormulaInABoxReachesTheFileAsText)
{
    // The line of a box holding "=1+1": its text and that number are neutralised, the other numbers are not.
    EXPECT_EQ(CsvText(MakeList({ "-=1+1-2-3-", "-2-3-4-" })),
        kBom + "Combinaison;Cheval 1;Cheval 2;Cheval 3\r\n\"'-=1+1-2-3-\";\"'=1+1\";2;3\r\n-2-3-4-;2;3;4\r\n");
}

TEST(CsvFile, IsWrittenWholeAndNeverReplacesAFileUnlessAsked)
{
    ScratchFolder folder;
    const std::filesystem::path file = folder / "liste été.csv";
    ASSERT_TRUE(WriteCsvFile(file, MakeList({ "-1-2-" })).ok());
    EXPECT_EQ(ContentOf(file), kBom + "Combinaison;Cheval 1;Cheval 2\r\n-1-2-;1;2\r\n");

    const WriteOutcome again = WriteCsvFile(file, MakeList({ "-3-4-" }));
    EXPECT_FALSE(again.ok());
    EXPECT_NE(again.refusalText().find("« liste été.csv »"), std::string::npos) << again.refusalText();
    EXPECT_EQ(ContentOf(file), kBom + "Combinaison;Cheval 1;Cheval 2\r\n-1-2-;1;2\r\n");

    ASSERT_TRUE(WriteCsvFile(file, MakeList({ "-3-4-" }), ExistingFile::Replace).ok());
    EXPECT_EQ(ContentOf(file), kBom + "Combinaison;Cheval 1;Cheval 2\r\n-3-4-;3;4\r\n");
    EXPECT_EQ(EntriesOf(folder.path()), std::vector<std::string> { "liste été.csv" });
}

} // namespace
} // namespace ornal
