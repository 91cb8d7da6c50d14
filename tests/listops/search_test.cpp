#include "listops/search.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <string>

namespace ornal {
namespace {

using Boxes = std::array<std::string, kResultBoxCount>;
using Status = SearchOutcome::Status;

const CombinationList kList = MakeList({ "-3-7-9-", "-12-3-7-", "-3-7-12-", "-05-8-1-", "-4-8-15-" });
const CombinationList kWideNumbers = MakeList({ "-63-64-127-", "-128-250-0-", "-2.5-7.0-099-", "-1-2-3-" });

struct SearchCase {
    std::string name;
    std::string bet;
    Boxes boxes;
    Status status;
    CombinationList::Count line; // when Found
    int box; // when a box is reported
    const CombinationList* list = &kList;
};

class SearchResultTest : public testing::TestWithParam<SearchCase> { };

TEST_P(SearchResultTest, FindsTheFirstLineHoldingTheResult)
{
    const SearchCase& c = GetParam();
    const SearchOutcome outcome = SearchResult(*c.list, c.bet, c.boxes);
    EXPECT_EQ(outcome.status, c.status);
    if (c.status == Status::Found) {
        EXPECT_EQ(outcome.line, c.line);
    }
    EXPECT_EQ(outcome.box, c.box);
    EXPECT_EQ(outcome.refusal.has_value(), c.box >= 0);
}

INSTANTIATE_TEST_SUITE_P(Table, SearchResultTest,
    testing::Values(SearchCase { "AnyOrderUpperLineWins", "3", { "12", "3", "7", "", "" }, Status::Found, 1, -1 },
        SearchCase { "NotAPartialMatch", "3", { "3", "7", "1", "", "" }, Status::NotFound, 0, -1 },
        SearchCase { "ValueNotText", "3", { "1", "5", "8", "", "" }, Status::Found, 3, -1 },
        SearchCase { "LeadingZeroInBox", "3", { "04", "08", "15", "", "" }, Status::Found, 4, -1 },
        // Mended: a stale number left in a box past the bet size used to make a false match.
        SearchCase { "HiddenBoxesNeverCount", "3", { "4", "8", "12", "8", "" }, Status::NotFound, 0, -1 },
        SearchCase { "NoBetSize", " ", { "", "", "", "", "" }, Status::NotFound, 0, -1 },
        SearchCase { "FractionalBetSize", "2.5", { "3", "7", "", "", "" }, Status::NotFound, 0, -1 },
        SearchCase { "BetSizeBeyondSixteenBits", "99999", { "", "", "", "", "" }, Status::NotFound, 0, -1 },
        SearchCase { "SecondBoxEmpty", "3", { "3", "", "", "", "" }, Status::MissingBox, 0, 1 },
        SearchCase { "RepeatedNumberRefused", "2", { "6", "06", "", "", "" }, Status::DuplicateBox, 0, 1 },
        SearchCase { "EmptyBeforeRepeated", "3", { "6", "6", "", "", "" }, Status::MissingBox, 0, 2 }),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

// Results of whole numbers below 128 are looked for in a set of bits, the others one by one: numbers on both sides
// of that bound, fields written another way ("7.0", "099") and fractions must be found the same either way.
INSTANTIATE_TEST_SUITE_P(WideNumbers, SearchResultTest,
    testing::Values(
        SearchCase { "BothWordsOfTheSet", "3", { "127", "63", "64", "", "" }, Status::Found, 0, -1, &kWideNumbers },
        SearchCase { "PastTheSet", "3", { "250", "0", "128", "", "" }, Status::Found, 1, -1, &kWideNumbers },
        SearchCase { "ZeroAloneInTheSet", "1", { "0", "", "", "", "" }, Status::Found, 1, -1, &kWideNumbers },
        SearchCase { "FieldsWrittenAnotherWay", "2", { "99", "7", "", "", "" }, Status::Found, 2, -1, &kWideNumbers },
        SearchCase { "AFraction", "3", { "7", "2.5", "99", "", "" }, Status::Found, 2, -1, &kWideNumbers },
        SearchCase { "LastLine", "3", { "3", "1", "2", "", "" }, Status::Found, 3, -1, &kWideNumbers },
        SearchCase { "OneNumberMissing", "3", { "64", "127", "1", "", "" }, Status::NotFound, 0, -1, &kWideNumbers },
        SearchCase { "NegativeNeverHeld", "2", { "-1", "1", "", "", "" }, Status::NotFound, 0, -1, &kWideNumbers }),
    [](const testing::TestParamInfo<SearchCase>& info) { return info.param.name; });

TEST(SearchResult, EmptyListIsReportedBeforeTheBoxes)
{
    const SearchOutcome outcome = SearchResult(CombinationList {}, "3", Boxes {});
    EXPECT_EQ(outcome.status, Status::EmptyList);
    ASSERT_TRUE(outcome.refusal);
    EXPECT_EQ(outcome.refusal->text(), "Liste vide , traitement impossible.");
    EXPECT_EQ(outcome.refusal->message.icon, MessageIcon::Information);
}

TEST(SearchResult, MissingAndRepeatedBoxesCarryTheProgramsTexts)
{
    const SearchOutcome missing = SearchResult(kList, "3", Boxes { "", "", "", "", "" });
    ASSERT_TRUE(missing.refusal);
    EXPECT_EQ(missing.refusal->text(), "Champ obligatoire");
    EXPECT_EQ(missing.refusal->message.icon, MessageIcon::Information);
    EXPECT_EQ(missing.box, 0);
    const SearchOutcome repeated = SearchResult(kList, "3", Boxes { "3", "7", "3", "", "" });
    ASSERT_TRUE(repeated.refusal);
    EXPECT_EQ(repeated.refusal->text(), "Numéro déjà saisi.");
    EXPECT_EQ(repeated.box, 2);
    EXPECT_TRUE(repeated.selectBoxText);
}

// Mended: a Quinté+ result of five numbers is found in the lines of six or seven that hold all five.
TEST(SearchResult, FiveResultNumbersFoundInLongerLines)
{
    const CombinationList sixes = MakeList({ "-1-2-3-4-5-9-", "-1-2-3-4-6-7-", "-7-6-4-3-2-1-" });
    const SearchOutcome outcome = SearchResult(sixes, "6", Boxes { "1", "2", "3", "4", "6" });
    EXPECT_EQ(outcome.status, Status::Found);
    EXPECT_EQ(outcome.line, 1u);
    EXPECT_EQ(SearchResult(sixes, "7", Boxes { "9", "5", "4", "3", "2" }).line, 0u);
}

} // namespace
} // namespace ornal
