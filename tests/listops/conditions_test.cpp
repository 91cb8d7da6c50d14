#include "engine/combinationengine.h"
#include "listops/conditions.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace ornal {
namespace {

using Lines = std::vector<std::string>;

HorseGroup Group(std::vector<double> numbers, int minimum, int maximum, std::string name = {})
{
    return HorseGroup { std::move(name), std::move(numbers), CountRange { minimum, maximum } };
}

// Each case: one condition set, lines it is tried on, and the lines worked out by hand to meet it.
struct ConditionCase {
    std::string name;
    LineConditions conditions;
    Lines lines;
    Lines meeting;
};

LineConditions WithGroup(HorseGroup group)
{
    LineConditions conditions;
    conditions.addGroup(std::move(group));
    return conditions;
}

LineConditions WithSum(int minimum, int maximum)
{
    LineConditions conditions;
    conditions.setSum(CountRange { minimum, maximum });
    return conditions;
}

LineConditions WithEven(int minimum, int maximum)
{
    LineConditions conditions;
    conditions.setEvenCount(CountRange { minimum, maximum });
    return conditions;
}

LineConditions WithRun(int maximum)
{
    LineConditions conditions;
    conditions.setLongestRun(maximum);
    return conditions;
}

class ConditionTable : public testing::TestWithParam<ConditionCase> { };

TEST_P(ConditionTable, KeepsTheMeetingLinesInOrderAndCountsThem)
{
    const ConditionCase& c = GetParam();
    CombinationList list;
    for (const std::string& line : c.lines) {
        list.append(line);
    }
    EXPECT_EQ(LinesOf(ApplyConditions(list, c.conditions)), c.meeting);
    EXPECT_EQ(CountMeeting(list, c.conditions), c.meeting.size());
}

INSTANTIATE_TEST_SUITE_P(Table, ConditionTable,
    testing::Values(
        // Group {1, 2, 5}, one or two of them: 05 is 5, 11 and 12 hold no 1 or 2.
        ConditionCase { "GroupByValue", WithGroup(Group({ 1, 2, 5 }, 1, 2)),
            { "-1-3-4-", "-01-02-05-", "-2-05-9-", "-3-4-6-", "-11-12-15-", "-9-8-1-" },
            { "-1-3-4-", "-2-05-9-", "-9-8-1-" } },
        ConditionCase { "GroupNoneOfThem", WithGroup(Group({ 7, 8 }, 0, 0)), { "-7-1-2-", "-1-2-3-", "-17-18-" },
            { "-1-2-3-", "-17-18-" } },
        // Sums: 12+15+7 = 34, 12+15+14 = 41, 1+2+16 = 19, 5+15 = 20, 10+30 = 40.
        ConditionCase { "SumOfMultiDigitNumbers", WithSum(20, 40),
            { "-12-15-7-", "-12-15-14-", "-1-2-16-", "-05-15-", "-10-30-" }, { "-12-15-7-", "-05-15-", "-10-30-" } },
        // Even numbers: none, 2, 2 and 4, 2 4 6, 10 and 12, 08, 0.
        ConditionCase { "EvenCount", WithEven(1, 2),
            { "-1-3-5-", "-2-3-5-", "-2-4-5-", "-2-4-6-", "-10-12-13-", "-08-3-", "-0-1-" },
            { "-2-3-5-", "-2-4-5-", "-10-12-13-", "-08-3-", "-0-1-" } },
        // Runs once sorted: 3,4,5 (3); none (1); 1,2 (2); 10,11,12 (3); 19,20 (2); 7,8,9 written 7-08-09 (3).
        ConditionCase { "RunAtMostTwo", WithRun(2),
            { "-3-5-4-9-", "-3-5-9-", "-9-1-2-", "-12-10-11-", "-19-20-1-", "-7-08-09-" },
            { "-3-5-9-", "-9-1-2-", "-19-20-1-" } },
        ConditionCase { "RunAtMostThree", WithRun(3), { "-3-5-4-9-", "-1-2-3-4-", "-6-4-5-2-3-" }, { "-3-5-4-9-" } },
        // Lines the bitmask cannot hold: 63,64,65 is a run of 3 with sum 192 and one even number (64); 1.5 is
        // neither whole nor even and breaks no run of whole numbers; a repeated 3 counts twice in a sum.
        ConditionCase {
            "RunBeyondSixtyThree", WithRun(2), { "-63-64-65-", "-64-66-", "-62-63-" }, { "-64-66-", "-62-63-" } },
        ConditionCase { "SumBeyondSixtyThree", WithSum(192, 192), { "-63-64-65-", "-1.5-2-3-" }, { "-63-64-65-" } },
        ConditionCase { "FractionalSum", WithSum(6, 7), { "-1.5-2-3-", "-1.5-2-4-" }, { "-1.5-2-3-" } },
        ConditionCase { "EvenBeyondSixtyThree", WithEven(1, 1), { "-63-64-65-", "-1.5-2-3-", "-70-72-" },
            { "-63-64-65-", "-1.5-2-3-" } },
        ConditionCase { "RunWithFraction", WithRun(1), { "-1.5-2-", "-1.5-2-3-" }, { "-1.5-2-" } },
        ConditionCase { "RepeatedNumber", WithSum(10, 10), { "-3-3-4-", "-3-4-" }, { "-3-3-4-" } },
        ConditionCase { "RepeatedEvenNumber", WithEven(2, 2), { "-4-4-1-", "-4-1-" }, { "-4-4-1-" } },
        ConditionCase { "RepeatedGroupMember", WithGroup(Group({ 4 }, 2, 2)), { "-4-4-1-", "-4-1-" }, { "-4-4-1-" } },
        ConditionCase { "RepeatedNumberInARun", WithRun(2), { "-3-3-4-", "-3-4-4-5-" }, { "-3-3-4-" } },
        ConditionCase { "GroupBeyondSixtyThree", WithGroup(Group({ 70, 2.5 }, 2, 2)), { "-70-2.5-1-", "-70-3-" },
            { "-70-2.5-1-" } },
        // A fractional member must not stand for its whole part in the mask: -1-2- holds only one of {2.5, 1}.
        ConditionCase { "FractionalMember", WithGroup(Group({ 2.5, 1 }, 2, 2)), { "-1-2-", "-1-2.5-" }, { "-1-2.5-" } },
        ConditionCase { "NoConditionKeepsAll", LineConditions {}, { "-1-2-", "-3-4-" }, { "-1-2-", "-3-4-" } }),
    [](const testing::TestParamInfo<ConditionCase>& info) { return info.param.name; });

TEST(ApplyConditions, AllConditionsTogether)
{
    LineConditions conditions;
    conditions.addGroup(Group({ 1, 2, 3 }, 1, 2));
    conditions.addGroup(Group({ 4, 5, 6 }, 0, 1));
    conditions.setSum(CountRange { 10, 20 });
    conditions.setEvenCount(CountRange { 1, 2 });
    conditions.setLongestRun(2);
    // By hand: favourites / outsiders / sum / evens / run.
    const CombinationList list = MakeList({
        "-1-4-9-", // 1 / 1 / 14 / 1 / 1: meets
        "-1-2-3-", // 3 favourites
        "-1-4-5-", // 2 outsiders
        "-1-8-12-", // 1 / 0 / 21
        "-2-8-10-", // 1 / 0 / 20 / 3 evens
        "-3-7-8-", // 1 / 0 / 18 / 1 / run 7,8: meets
        "-3-9-8-7-", // run 7,8,9
        "-9-2-", // 1 / 0 / 11 / 1 / 1: meets
    });
    EXPECT_EQ(LinesOf(ApplyConditions(list, conditions)), (Lines { "-1-4-9-", "-3-7-8-", "-9-2-" }));
    EXPECT_EQ(CountMeeting(list, conditions), 3u);
}

// With 1 as a base on six horses taking three, the ten lines all hold 1; holding both 1 and 2 leaves 1-2-3 to 1-2-6.
TEST(ApplyConditions, BasesCountLikeOtherNumbers)
{
    Selection sel;
    sel.horseCountText = "6";
    sel.betSizeText = "3";

    for (int i = 0; i < 6; ++i) {
        sel.numbers[static_cast<std::size_t>(i)] = std::to_string(i + 1);
        sel.shown[static_cast<std::size_t>(i)] = true;
    }
    sel.baseCount = 1;
    sel.marks[0] = true;
    const ComputeResult computed = ComputeCombinations(sel);
    ASSERT_EQ(computed.list.size(), 10u);
    const LineConditions conditions = WithGroup(Group({ 1, 2 }, 2, 2));
    const CombinationList kept = ApplyConditions(computed.list, conditions);
    EXPECT_EQ(kept.size(), 4u);
    for (CombinationList::Count i = 0; i < kept.size(); ++i) {
        const std::string line(kept.line(i));
        EXPECT_NE(line.find("-1-"), std::string::npos) << line;
        EXPECT_NE(line.find("-2-"), std::string::npos) << line;
    }
}

TEST(CountMeeting, StopsWhenAskedAndCountsOtherwise)
{
    const CombinationList list = MakeList({ "-1-2-", "-3-4-", "-5-7-" });
    const LineConditions conditions = WithRun(1);
    std::atomic<bool> stop { true };
    EXPECT_EQ(CountMeeting(list, conditions, &stop), std::nullopt);
    stop = false;
    EXPECT_EQ(CountMeeting(list, conditions, &stop), 1u);
}

// A slow reference: splits the line on dashes, reads digits by hand, and checks every condition the long way.
bool ReferenceMeets(const std::string& line, const LineConditions& conditions)
{
    std::vector<int> numbers;
    for (std::size_t start = 1; start < line.size();) {
        const std::size_t dash = line.find('-', start);
        numbers.push_back(std::stoi(line.substr(start, dash - start)));
        start = dash + 1;
    }
    for (const HorseGroup& group : conditions.groups()) {
        int held = 0;
        for (int n : numbers) {
            held += std::count(group.numbers.begin(), group.numbers.end(), static_cast<double>(n)) > 0 ? 1 : 0;
        }
        if (held < group.count.minimum || held > group.count.maximum) {
            return false;
        }
    }
    int sum = 0;
    int evens = 0;
    for (int n : numbers) {
        sum += n;
        evens += n % 2 == 0 ? 1 : 0;
    }
    if (conditions.sum() && (sum < conditions.sum()->minimum || sum > conditions.sum()->maximum)) {
        return false;
    }
    if (conditions.evenCount()
        && (evens < conditions.evenCount()->minimum || evens > conditions.evenCount()->maximum)) {
        return false;
    }
    const std::set<int> held(numbers.begin(), numbers.end());
    int longest = 0;
    for (int n : held) {
        int length = 0;
        while (held.count(n + length) > 0) {
            ++length;
        }
        longest = std::max(longest, length);
    }
    return !conditions.longestRun() || longest <= *conditions.longestRun();
}

// Random lines of up to nine distinct numbers from 0 to 79, some written with a leading zero, so that both the
// bitmask and the general path are taken; random conditions of every kind.
TEST(CountMeeting, MatchesTheAppliedListAndASlowReferenceOnRandomLists)
{
    std::mt19937 random(20240611);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 40; ++round) {
        CombinationList list;
        for (int i = 0; i < 300; ++i) {
            std::vector<int> pool(80);
            for (int n = 0; n < 80; ++n) {
                pool[static_cast<std::size_t>(n)] = n;
            }
            std::shuffle(pool.begin(), pool.end(), random);
            std::string line = "-";
            const int size = pick(1, 9);
            const int top = pick(0, 1) == 0 ? 20 : 80;
            for (int n = 0, taken = 0; taken < size && n < 80; ++n) {
                if (pool[static_cast<std::size_t>(n)] < top) {
                    const int value = pool[static_cast<std::size_t>(n)];
                    line += (value < 10 && pick(0, 3) == 0 ? "0" : "") + std::to_string(value) + "-";
                    ++taken;
                }
            }
            list.append(line);
        }
        LineConditions conditions;
        for (int g = pick(0, 3); g > 0; --g) {
            std::vector<double> members;
            for (int m = pick(1, 6); m > 0; --m) {
                members.push_back(pick(0, 79));
            }
            const int minimum = pick(0, 2);
            conditions.addGroup(Group(members, minimum, minimum + pick(0, 3)));
        }
        if (pick(0, 1) == 1) {
            const int minimum = pick(0, 150);
            conditions.setSum(CountRange { minimum, minimum + pick(0, 150) });
        }
        if (pick(0, 1) == 1) {
            const int minimum = pick(0, 3);
            conditions.setEvenCount(CountRange { minimum, minimum + pick(0, 3) });
        }
        if (pick(0, 1) == 1) {
            conditions.setLongestRun(pick(1, 4));
        }
        Lines expected;
        for (const std::string& line : LinesOf(list)) {
            if (ReferenceMeets(line, conditions)) {
                expected.push_back(line);
            }
        }
        EXPECT_EQ(LinesOf(ApplyConditions(list, conditions)), expected) << conditions.summary();
        EXPECT_EQ(CountMeeting(list, conditions), expected.size()) << conditions.summary();
    }
}

struct RefusalCase {
    std::string name;
    CombinationList list;
    LineConditions conditions;
    std::string text;
};

class RefusalTable : public testing::TestWithParam<RefusalCase> { };

const std::vector<std::string> kPrediction { "1", "2", "05", "7", "12", "", " " };
const CombinationList kOneLine = MakeList({ "-1-2-" });

TEST_P(RefusalTable, RefusesBeforeApplying)
{
    const Result<void> checked = CheckConditions(GetParam().list, GetParam().conditions, kPrediction);
    ASSERT_FALSE(checked);
    EXPECT_EQ(checked.refusal().text(), GetParam().text);
    EXPECT_EQ(checked.refusal().message.icon, MessageIcon::Information);
}

INSTANTIATE_TEST_SUITE_P(Table, RefusalTable,
    testing::Values(
        RefusalCase { "EmptyList", CombinationList {}, WithSum(3, 1), "Liste vide , traitement impossible." },
        RefusalCase { "NoCondition", kOneLine, LineConditions {}, "Aucune condition n'est choisie." },
        RefusalCase {
            "NotInPrediction", kOneLine, WithGroup(Group({ 1, 14 }, 1, 1)), "Le 14 n'est pas dans le pronostic." },
        // A blank box is no number 0.
        RefusalCase {
            "BlankBoxIsNoZero", kOneLine, WithGroup(Group({ 0 }, 1, 1)), "Le 0 n'est pas dans le pronostic." },
        RefusalCase { "EmptyGroup", kOneLine, WithGroup(Group({}, 0, 1)), "Le groupe « Favoris » est vide." },
        RefusalCase { "RepeatedMember", kOneLine, WithGroup(Group({ 5, 2, 5 }, 1, 2, "Mes bases")),
            "Le 5 figure deux fois dans le groupe « Mes bases »." },
        RefusalCase { "GroupMinimumAboveMaximum", kOneLine, WithGroup(Group({ 1, 2, 5 }, 3, 1)),
            "Groupe « Favoris » : le minimum 3 dépasse le maximum 1." },
        RefusalCase { "GroupMinimumAboveSize", kOneLine, WithGroup(Group({ 1, 2 }, 3, 4)),
            "Groupe « Favoris » : le minimum 3 dépasse ses 2 numéros." },
        RefusalCase { "NegativeMinimum", kOneLine, WithGroup(Group({ 1 }, -1, 1)),
            "Groupe « Favoris » : le minimum -1 est négatif." },
        RefusalCase { "Sum", kOneLine, WithSum(40, 20), "Somme : le minimum 40 dépasse le maximum 20." },
        RefusalCase { "Even", kOneLine, WithEven(3, 1), "Nombre de pairs : le minimum 3 dépasse le maximum 1." },
        RefusalCase { "Run", kOneLine, WithRun(0),
            "Suite : le maximum 0 est trop petit, tout numéro forme à lui seul une suite de 1." }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(CheckConditions, AcceptsNumbersByValueAndLeavesTheConditionsAlone)
{
    LineConditions conditions;
    conditions.addGroup(Group({ 5, 12 }, 0, 2));
    conditions.addGroup(Group({ 1, 7 }, 2, 2, "Bases"));
    conditions.setSum(CountRange { 4, 4 });
    conditions.setEvenCount(CountRange { 0, 0 });
    conditions.setLongestRun(1);
    const LineConditions before = conditions;
    EXPECT_TRUE(CheckConditions(kOneLine, conditions, kPrediction));
    EXPECT_EQ(conditions.groups(), before.groups());
    EXPECT_EQ(conditions.groups()[1].name, "Bases");
}

TEST(LineConditions, SixthGroupIsRefusedAndGroupsTakeTheirRankNames)
{
    LineConditions conditions;
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(conditions.addGroup(Group({ 1 }, 0, 1)));
    }
    EXPECT_FALSE(conditions.addGroup(Group({ 1 }, 0, 1)));
    ASSERT_EQ(conditions.groups().size(), 5u);
    const Lines names { "Favoris", "Outsiders", "Tocards", "Groupe 4", "Groupe 5" };
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(conditions.groups()[i].name, names[i]);
    }
}

} // namespace
} // namespace ornal
