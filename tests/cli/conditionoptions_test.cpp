#include "cli/conditionoptions.h"
#include "listops/lineconditions.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ornal {
namespace {

struct GroupCase {
    std::string text;
    std::vector<double> numbers; // empty when the text is refused
    CountRange count;
};

class GroupOptionTable : public testing::TestWithParam<GroupCase> { };

TEST_P(GroupOptionTable, ReadsOrRefuses)
{
    const GroupCase& c = GetParam();
    const Result<HorseGroup> parsed = ParseGroupOption(c.text);
    if (c.numbers.empty()) {
        EXPECT_FALSE(parsed.ok()) << c.text;
        EXPECT_EQ(parsed.refusal().text(),
            "--groupe attend des numéros séparés par des virgules, deux-points puis MIN-MAX (par exemple 1,2,5:1-2), "
            "pas « "
                + c.text + " ».");
        return;
    }
    ASSERT_TRUE(parsed.ok()) << c.text << ": " << parsed.refusal().text();
    EXPECT_EQ(parsed->numbers, c.numbers) << c.text;
    EXPECT_EQ(parsed->count, c.count) << c.text;
    EXPECT_EQ(parsed->name, "");
}

INSTANTIATE_TEST_SUITE_P(Table, GroupOptionTable,
    testing::Values(GroupCase { "1,2,5:1-2", { 1, 2, 5 }, { 1, 2 } }, GroupCase { "05,12:0-1", { 5, 12 }, { 0, 1 } },
        GroupCase { "7:1-1", { 7 }, { 1, 1 } }, GroupCase { " 3 , 4 : 2 - 1 ", { 3, 4 }, { 2, 1 } },
        GroupCase { "", {}, {} }, GroupCase { "1,2,5", {}, {} }, GroupCase { "1,2,5:", {}, {} },
        GroupCase { ":1-2", {}, {} }, GroupCase { "1,,2:1-2", {}, {} }, GroupCase { "1,2,:1-2", {}, {} },
        GroupCase { "a,2:1-2", {}, {} }, GroupCase { "1,2:1", {}, {} }, GroupCase { "1,2:1-2-3", {}, {} },
        GroupCase { "1,2:-1-2", {}, {} }, GroupCase { "1.5,2:1-2", {}, {} }, GroupCase { "1;2:1-2", {}, {} },
        GroupCase { "1,2:1-x", {}, {} }, GroupCase { "1234567:1-2", {}, {} }, GroupCase { "+1:1-2", {}, {} }));

struct RangeCase {
    std::string text;
    bool good;
    CountRange range;
};

class RangeOptionTable : public testing::TestWithParam<RangeCase> { };

TEST_P(RangeOptionTable, SumAndEvenReadTheSameForm)
{
    const RangeCase& c = GetParam();
    const Result<CountRange> sum = ParseSumOption(c.text);
    const Result<CountRange> even = ParseEvenOption(c.text);
    if (!c.good) {
        EXPECT_FALSE(sum.ok()) << c.text;
        EXPECT_FALSE(even.ok()) << c.text;
        EXPECT_EQ(sum.refusal().text(), "--somme attend MIN-MAX (par exemple 20-40), pas « " + c.text + " ».");
        EXPECT_EQ(even.refusal().text(), "--pairs attend MIN-MAX (par exemple 1-3), pas « " + c.text + " ».");
        return;
    }
    EXPECT_EQ(sum, Result<CountRange>(c.range)) << c.text;
    EXPECT_EQ(even, Result<CountRange>(c.range)) << c.text;
}

// A minimum above the maximum is well formed: the check refuses it with the condition's name.
INSTANTIATE_TEST_SUITE_P(Table, RangeOptionTable,
    testing::Values(RangeCase { "20-40", true, { 20, 40 } }, RangeCase { "040-20", true, { 40, 20 } },
        RangeCase { "0-0", true, { 0, 0 } }, RangeCase { "20", false, {} }, RangeCase { "20-", false, {} },
        RangeCase { "-40", false, {} }, RangeCase { "a-b", false, {} }, RangeCase { "20--40", false, {} },
        RangeCase { "20-40-60", false, {} }, RangeCase { "2.5-3", false, {} }, RangeCase { "", false, {} },
        RangeCase { "1000000-2", false, {} }));

TEST(ParseRunOption, WholeNumbersFromOne)
{
    for (const auto& [text, value] : std::vector<std::pair<std::string, int>> { { "3", 3 }, { "1", 1 }, { "07", 7 } }) {
        EXPECT_EQ(ParseRunOption(text), Result<int>(value)) << text;
    }
    for (const std::string text : { "0", "", "-1", "3-4", "x", "1.0", "2 3" }) {
        const Result<int> parsed = ParseRunOption(text);
        EXPECT_FALSE(parsed.ok()) << text;
        EXPECT_EQ(parsed.refusal().text(), "--suite attend un nombre entier de 1 ou plus, pas « " + text + " ».");
    }
}

TEST(LineConditions, SummaryNamesEveryConditionInOrder)
{
    LineConditions conditions;
    EXPECT_EQ(conditions.summary(), "Aucune condition");
    conditions.addGroup(HorseGroup { {}, { 1, 2, 5 }, { 1, 2 } });
    conditions.addGroup(HorseGroup { "Mes outsiders", { 9, 14 }, { 1, 1 } });
    conditions.setSum(CountRange { 20, 40 });
    EXPECT_EQ(conditions.summary(), "Favoris : 1 à 2 parmi 1-2-5 ; Mes outsiders : 1 parmi 9-14 ; somme 20 à 40");
    conditions.setEvenCount(CountRange { 1, 3 });
    conditions.setLongestRun(2);
    conditions.setSum(std::nullopt);
    EXPECT_EQ(conditions.summary(),
        "Favoris : 1 à 2 parmi 1-2-5 ; Mes outsiders : 1 parmi 9-14 ; pairs 1 à 3 ; suite de 2 au plus");
}

} // namespace
} // namespace ornal
