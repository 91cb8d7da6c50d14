#include "betting/arrivalcheck.h"
#include "betting/bettexts.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ornal {
namespace {

using Texts = std::vector<std::string>;

// The arrival of most cases: a1 = 3, a2 = 8, a3 = 12, a4 = 5, a5 = 9.
const Texts kArrival { "3", "8", "12", "5", "9" };

// The class each line pays, "" for none, read from the outcome by line index.
std::vector<std::string> PaidClasses(const CombinationList& list, const Result<ArrivalOutcome>& outcome)
{
    std::vector<std::string> paid(list.size());
    for (const PayingLine& line : outcome->paying) {
        paid[line.line] = outcome->classNames.at(static_cast<std::size_t>(line.classIndex));
    }
    return paid;
}

struct ClassCase {
    std::string name;
    std::string type;
    Texts arrival;
    std::vector<std::pair<std::string, std::string>> lines; // line, class worked out from the bet's rules
};

class PaidClassTest : public testing::TestWithParam<ClassCase> { };

TEST_P(PaidClassTest, EachLinePaysTheFirstClassThatApplies)
{
    const ClassCase& c = GetParam();
    CombinationList list;
    std::vector<std::string> expected;
    for (const auto& [line, paid] : c.lines) {
        list.append(line);
        expected.push_back(paid);
    }
    const Result<ArrivalOutcome> outcome = CheckArrival(list, *FindBetType(c.type), c.arrival);
    ASSERT_TRUE(outcome.ok()) << outcome.refusal().text();
    EXPECT_EQ(PaidClasses(list, outcome), expected);
}

INSTANTIATE_TEST_SUITE_P(Table, PaidClassTest,
    testing::Values(ClassCase { "CoupleGagnant", "couple-gagnant", kArrival,
                        { { "-3-8-", "gagnant" }, { "-8-3-", "gagnant" }, { "-03-08-", "gagnant" }, { "-3-12-", "" },
                            { "-3-3-", "" } } },
        ClassCase { "CouplePlace", "couple-place", kArrival,
            { { "-12-3-", "placé" }, { "-8-12-", "placé" }, { "-3-5-", "" }, { "-12-12-", "" } } },
        ClassCase { "CoupleOrdre", "couple-ordre", kArrival, { { "-3-8-", "ordre" }, { "-8-3-", "" } } },
        ClassCase {
            "DeuxSurQuatre", "2sur4", kArrival, { { "-5-3-", "2sur4" }, { "-12-5-", "2sur4" }, { "-5-9-", "" } } },
        ClassCase { "Trio", "trio", kArrival, { { "-12-3-8-", "trio" }, { "-3-8-5-", "" } } },
        ClassCase { "TrioOrdre", "trio-ordre", kArrival, { { "-3-8-12-", "ordre" }, { "-3-12-8-", "" } } },
        // "012" is not a one- or two-digit field: read in full, it is still 12.
        ClassCase { "Tierce", "tierce", kArrival,
            { { "-3-8-12-", "ordre" }, { "-8-3-12-", "désordre" }, { "-03-8-012-", "ordre" }, { "-3-8-5-", "" } } },
        ClassCase { "Quarte", "quarte", kArrival,
            { { "-3-8-12-5-", "ordre" }, { "-5-12-8-3-", "désordre" }, { "-3-8-12-9-", "bonus" },
                { "-12-3-8-1-", "bonus" }, { "-3-8-5-9-", "" } } },
        // Only four places: the bonus reads a4, never a5.
        ClassCase { "QuarteOnFourPlaces", "quarte", { "3", "8", "12", "5", "" },
            { { "-3-8-12-9-", "bonus" }, { "-3-8-12-5-", "ordre" } } },
        // A line holding a1..a5 out of order is a désordre, never a bonus 4.
        ClassCase { "Quinte", "quinte", kArrival,
            { { "-3-8-12-5-9-", "ordre" }, { "-9-3-8-12-5-", "désordre" }, { "-8-3-12-5-9-", "désordre" },
                { "-3-8-12-5-1-", "bonus 4" }, { "-5-12-8-3-7-", "bonus 4" }, { "-3-8-12-9-1-", "bonus 3" },
                { "-3-8-12-1-2-", "bonus 3" }, { "-3-8-5-9-1-", "" } } },
        ClassCase { "MultiEnQuatre", "multi", kArrival, { { "-3-8-12-5-", "multi en 4" }, { "-3-8-12-9-", "" } } },
        ClassCase { "MultiEnSept", "multi", kArrival,
            { { "-1-3-8-12-5-9-2-", "multi en 7" }, { "-1-3-8-12-9-2-7-", "" },
                { "-5-12-8-3-20-19-18-", "multi en 7" } } },
        ClassCase { "PaddedArrivalTexts", "couple-ordre", { "03", " 8", "12 ", "", "" },
            { { "-3-8-", "ordre" }, { "-03-008-", "ordre" } } },
        ClassCase { "ArrivalBeyondTwoDigits", "couple-gagnant", { "100", "7" },
            { { "-7-100-", "gagnant" }, { "-7-0100-", "gagnant" }, { "-7-10-", "" } } },
        ClassCase {
            "ArrivalNotWhole", "couple-gagnant", { "2.5", "7" }, { { "-7-2.50-", "gagnant" }, { "-7-2-", "" } } }),
    [](const testing::TestParamInfo<ClassCase>& info) { return info.param.name; });

struct RefusalCase {
    std::string name;
    std::string type;
    std::vector<std::string> lines;
    Texts arrival;
    std::string text;
    int box;
};

class ArrivalRefusalTest : public testing::TestWithParam<RefusalCase> { };

TEST_P(ArrivalRefusalTest, RefusesWithoutResult)
{
    const RefusalCase& c = GetParam();
    CombinationList list;
    for (const std::string& line : c.lines) {
        list.append(line);
    }
    const Result<ArrivalOutcome> outcome = CheckArrival(list, *FindBetType(c.type), c.arrival);
    ASSERT_FALSE(outcome.ok());
    EXPECT_EQ(outcome.refusal().text(), c.text);
    EXPECT_EQ(outcome.refusal().box, c.box);
}

INSTANTIATE_TEST_SUITE_P(Table, ArrivalRefusalTest,
    testing::Values(RefusalCase { "LineTooLong", "tierce", { "-1-2-3-", "-1-2-3-4-" }, kArrival,
                        "Le Tiercé se joue avec 3 numéros par ligne.", -1 },
        RefusalCase { "MultiLineTooShort", "multi", { "-1-2-3-" }, kArrival,
            "Le Multi se joue avec 4 à 7 numéros par ligne.", -1 },
        RefusalCase { "MultiSizesMixed", "multi", { "-1-2-3-4-5-", "-1-2-3-4-5-6-" }, kArrival,
            "Les lignes d'un même Multi doivent avoir le même nombre de numéros.", -1 },
        RefusalCase {
            "ListBeforeBoxes", "trio", { "-1-2-" }, { "1", "1" }, "Le Trio se joue avec 3 numéros par ligne.", -1 },
        RefusalCase { "QuinteOnFourPlaces", "quinte", { "-1-2-3-4-5-" }, { "1", "2", "3", "4", "" },
            "L'arrivée du Quinté+ compte 5 chevaux.", 4 },
        RefusalCase { "PlaceOnTwoPlaces", "couple-place", { "-1-2-" }, { "1", "2" },
            "L'arrivée du Couplé placé compte 3 chevaux.", -1 },
        RefusalCase { "RepeatedByValue", "trio", { "-1-2-3-" }, { "5", "8", "05" }, "Numéro déjà saisi.", 2 },
        RefusalCase {
            "RepeatedPastNeededPlaces", "couple-gagnant", { "-1-2-" }, { "3", "8", "3" }, "Numéro déjà saisi.", 2 },
        RefusalCase { "NotANumber", "trio", { "-1-2-3-" }, { "5", "x", "8" }, "Entrez un Numéro.", 1 },
        RefusalCase { "BlankInTheMiddle", "trio", { "-1-2-3-" }, { "5", " ", "8", "" }, "Entrez un Numéro.", 1 },
        RefusalCase { "Negative", "couple-gagnant", { "-1-2-" }, { "-3", "8" }, "Entrez un Numéro.", 0 }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

// The k-number lines of 1..n in increasing order, as the engine writes them.
CombinationList AllLines(int n, int k, std::vector<int> prefix = {}, int next = 1)
{
    CombinationList list;
    if (static_cast<int>(prefix.size()) == k) {
        std::string line = "-";
        for (int number : prefix) {
            line += std::to_string(number) + "-";
        }
        list.append(line);
        return list;
    }
    for (int number = next; number <= n; ++number) {
        prefix.push_back(number);
        const CombinationList tail = AllLines(n, k, prefix, number + 1);
        for (CombinationList::Count i = 0; i < tail.size(); ++i) {
            list.append(tail.line(i));
        }
        prefix.pop_back();
    }
    return list;
}

TEST(CheckArrival, CountsEveryQuinteLineOfEightHorses)
{
    // C(8,5) = 56 lines, arrival 1-2-3-4-5: ordre is the one line 1..5; bonus 4 holds 1..4 and one of 6, 7, 8 (3);
    // bonus 3 holds 1..3 and two of 5..8 (C(4,2) = 6). No other line holds all five.
    const CombinationList list = AllLines(8, 5);
    ASSERT_EQ(list.size(), 56u);
    const Result<ArrivalOutcome> outcome
        = CheckArrival(list, *FindBetType("quinte"), Texts { "1", "2", "3", "4", "5" });
    EXPECT_EQ(outcome->classCounts, (std::vector<CombinationList::Count> { 1, 0, 3, 6 }));
    EXPECT_EQ(ArrivalLines(*outcome),
        (std::vector<std::string> { "ordre : 1", "bonus 4 : 3", "bonus 3 : 6", "Lignes gagnantes : 10" }));
}

TEST(CheckArrival, CountsEveryMultiEnSeptLineOfNineHorses)
{
    // C(9,7) = 36 lines; those holding 9, 1, 2, 3 take three more of 4..8: C(5,3) = 10.
    const CombinationList list = AllLines(9, 7);
    const Result<ArrivalOutcome> outcome = CheckArrival(list, *FindBetType("multi"), Texts { "9", "1", "2", "3", "" });
    EXPECT_EQ(outcome->classNames, std::vector<std::string> { "multi en 7" });
    EXPECT_EQ(outcome->classCounts, std::vector<CombinationList::Count> { 10 });
    EXPECT_EQ(outcome->paying.front(), (PayingLine { 2, 0 })); // after 1..7 and 1..6-8 comes 1..6-9
}

TEST(CheckArrival, EmptyListPaysNothingWithoutRefusal)
{
    const Result<ArrivalOutcome> outcome = CheckArrival(CombinationList {}, *FindBetType("tierce"), kArrival);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->classCounts, (std::vector<CombinationList::Count> { 0, 0 }));
    EXPECT_EQ(ArrivalLines(*outcome), std::vector<std::string> { "Lignes gagnantes : 0" });
}

} // namespace
} // namespace ornal
