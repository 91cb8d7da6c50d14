#include "betting/arrivalcheck.h"
#include "betting/finishmodel.h"
#include "betting/ticketchances.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

namespace ornal {
namespace {

std::vector<double> NoHorses()
{
    return {};
}

// ---- Worked cases, computed by hand -------------------------------------------------------------------------------

// Odds 2, 4 and 4: 1/2 + 1/4 + 1/4 = 1, so the chances to win are 1/2, 1/4, 1/4 with no margin to take out.
const std::vector<Runner> kThree { { 1, 2 }, { 2, 4 }, { 3, 4 } };

TEST(WinChances, TakeTheMarginOut)
{
    // 1/1.5 + 1/2.5 = 2/3 + 2/5 = 16/15: the chances are (2/3) / (16/15) = 5/8 and (2/5) / (16/15) = 3/8.
    const std::vector<double> win = WinChances(std::vector<Runner> { { 4, 1.5 }, { 9, 2.5 } });
    ASSERT_EQ(win.size(), 2u);
    EXPECT_DOUBLE_EQ(win[0], 5.0 / 8);
    EXPECT_DOUBLE_EQ(win[1], 3.0 / 8);
}

TEST(FinishModel, HarvilleByHand)
{
    const std::vector<double> win = WinChances(kThree);
    // 1 then 2: 1/2 * (1/4) / (1 - 1/2) = 1/4. 2 then 1: 1/4 * (1/2) / (3/4) = 1/6.
    EXPECT_DOUBLE_EQ(OrderChance(win, std::vector<int> { 0, 1 }), 1.0 / 4);
    EXPECT_DOUBLE_EQ(OrderChance(win, std::vector<int> { 1, 0 }), 1.0 / 6);
    // 2, 3, 1: 1/4 * (1/4) / (3/4) * (1/2) / (1/2) = 1/12.
    EXPECT_DOUBLE_EQ(OrderChance(win, std::vector<int> { 1, 2, 0 }), 1.0 / 12);
    EXPECT_DOUBLE_EQ(FirstPlacesChance(win, 0b011), 1.0 / 4 + 1.0 / 6);
    // Both orders of {2, 3}: 1/4 * (1/4) / (3/4) twice.
    EXPECT_DOUBLE_EQ(FirstPlacesChance(win, 0b110), 2.0 / 12);
}

struct HandCase {
    std::string name;
    std::string type;
    std::vector<Runner> runners;
    std::vector<std::string> lines;
    std::vector<double> best; // by class, worked out by hand in the comment of each case
    double expected;
};

class HandTest : public testing::TestWithParam<HandCase> { };

TEST_P(HandTest, MatchesTheWorkedCase)
{
    const HandCase& c = GetParam();
    CombinationList list;
    for (const std::string& line : c.lines) {
        list.append(line);
    }
    const Result<TicketChances> chances = ComputeTicketChances(list, *FindBetType(c.type), c.runners, NoHorses());
    ASSERT_TRUE(chances.ok()) << chances.refusal().text();
    ASSERT_EQ(chances->bestClass.size(), c.best.size());
    for (std::size_t i = 0; i < c.best.size(); ++i) {
        EXPECT_NEAR(chances->bestClass[i], c.best[i], 1e-12) << chances->classNames[i];
    }
    EXPECT_NEAR(chances->gain, std::accumulate(c.best.begin(), c.best.end(), 0.0), 1e-12);
    EXPECT_NEAR(chances->expectedPayingLines, c.expected, 1e-12);
}

// Six runners at equal odds: each set of five finishers is as likely as any other, each order of it too.
const std::vector<Runner> kSixEqual { { 1, 6 }, { 2, 6 }, { 3, 6 }, { 4, 6 }, { 5, 6 }, { 6, 6 } };

INSTANTIATE_TEST_SUITE_P(Table, HandTest,
    testing::Values(
        // 1 then 2: 1/4 (above).
        HandCase { "CoupleOrdre", "couple-ordre", kThree, { "-1-2-" }, { 1.0 / 4 }, 1.0 / 4 },
        // Either order of 1 and 2: 1/4 + 1/6; with the line 1-3 as well (the same by symmetry of 2 and 3), twice it.
        HandCase { "CoupleGagnant", "couple-gagnant", kThree, { "-1-2-", "-1-3-" }, { 2 * (1.0 / 4 + 1.0 / 6) },
            2 * (1.0 / 4 + 1.0 / 6) },
        // Three runners fill the three places: the placé pays both lines, whatever the order.
        HandCase { "CouplePlaceAlwaysPays", "couple-place", kThree, { "-1-2-", "-2-3-" }, { 1 }, 2 },
        HandCase { "TierceDesordre", "tierce", kThree, { "-1-2-3-" },
            // ordre: 1, 2, 3 = 1/2 * (1/4)/(1/2) * 1 = 1/4; désordre: the other five orders, 3/4.
            { 1.0 / 4, 3.0 / 4 }, 1 },
        // Every set of five of six horses is a line: a désordre at least, always. The lines are written in rising
        // order, so the ordre is the one order of 120 that rises. Each arrival also pays the line of a1..a4 and the
        // sixth horse (bonus 4) and the line of a1..a3, a5 and the sixth (bonus 3): three lines every time.
        HandCase { "QuinteFullField", "quinte", kSixEqual,
            { "-1-2-3-4-5-", "-1-2-3-4-6-", "-1-2-3-5-6-", "-1-2-4-5-6-", "-1-3-4-5-6-", "-2-3-4-5-6-" },
            { 1.0 / 120, 119.0 / 120, 0, 0 }, 3 },
        // One line of four of six equal horses: its four are the first four with chance 1 / C(6, 4) = 1/15.
        HandCase { "MultiEnQuatre", "multi", kSixEqual, { "-1-2-3-4-" }, { 1.0 / 15 }, 1.0 / 15 },
        // A Multi en 5 holds C(5, 4) = 5 of the 15 sets of four: 1/3.
        HandCase { "MultiEnCinq", "multi", kSixEqual, { "-1-2-3-4-5-" }, { 1.0 / 3 }, 1.0 / 3 }),
    [](const testing::TestParamInfo<HandCase>& info) { return info.param.name; });

// ---- Every finishing order of a small field, summed by brute force -------------------------------------------------

// Harville's chance of a whole finishing order, written out from the formula here rather than through the model.
double BruteOrderChance(const std::vector<double>& win, const std::vector<int>& order)
{
    double chance = 1;
    double gone = 0;
    for (const int r : order) {
        chance *= win[static_cast<std::size_t>(r)] / (1 - gone);
        gone += win[static_cast<std::size_t>(r)];
    }
    return chance;
}

// The chances by walking every permutation of every runner and asking the arrival check which lines pay.
TicketChances BruteForce(const CombinationList& list, const BetType& type, const std::vector<Runner>& runners)
{
    const std::vector<double> win = WinChances(runners);
    std::vector<int> order(runners.size());
    std::iota(order.begin(), order.end(), 0);
    TicketChances sums;
    sums.bestClass.assign(type.classes().size(), 0);
    do {
        std::vector<std::string> arrival;
        for (int place = 0; place < type.placesNeeded; ++place) {
            arrival.push_back(std::to_string(runners[static_cast<std::size_t>(order[place])].number));
        }
        const ArrivalOutcome outcome = CheckArrival(list, type, arrival).value();
        const double chance = BruteOrderChance(win, order);
        if (!outcome.paying.empty()) {
            int best = static_cast<int>(type.classes().size());
            for (const PayingLine& line : outcome.paying) {
                best = std::min(best, line.classIndex);
            }
            sums.bestClass[static_cast<std::size_t>(best)] += chance;
            sums.gain += chance;
        }
        sums.expectedPayingLines += chance * static_cast<double>(outcome.paying.size());
    } while (std::next_permutation(order.begin(), order.end()));
    return sums;
}

// Seven runners with odds from a heavy favourite to an outsider, numbered out of order.
const std::vector<Runner> kSeven { { 7, 2.1 }, { 3, 3.5 }, { 12, 5 }, { 1, 7.8 }, { 9, 12 }, { 4, 21 }, { 15, 45 } };

// Every line of size numbers from horses, then a thinning that keeps some and writes some backwards, a repeated
// line and a line naming a horse twice: what filters, shuffles and preloads may leave.
CombinationList MixedList(const std::vector<int>& horses, int size)
{
    CombinationList list;
    const int n = static_cast<int>(horses.size());
    int kept = 0;
    for (std::uint32_t pick = 0; pick < (1u << n); ++pick) {
        if (std::popcount(pick) != size) {
            continue;
        }
        std::vector<int> line;
        for (int i = 0; i < n; ++i) {
            if (pick & (1u << i)) {
                line.push_back(horses[static_cast<std::size_t>(i)]);
            }
        }
        ++kept;
        if (kept % 3 == 2) {
            continue;
        }
        if (kept % 4 == 1) {
            std::reverse(line.begin(), line.end());
        }
        std::string text = "-";
        for (const int h : line) {
            text += std::to_string(h) + "-";
        }
        list.append(text);
    }
    if (!list.empty()) {
        list.append(list.line(0));
    }
    std::string twice = "-" + std::to_string(horses[0]) + "-";
    for (int i = 0; i + 1 < size; ++i) {
        twice += std::to_string(horses[static_cast<std::size_t>(i)]) + "-";
    }
    list.append(twice);
    return list;
}

struct BruteCase {
    std::string type;
    int size;
    std::vector<int> horses { 7, 3, 12, 1, 9, 4 }; // the prediction, among kSeven
};

class BruteForceTest : public testing::TestWithParam<BruteCase> { };

TEST_P(BruteForceTest, AgreesWithEveryOrderSummed)
{
    const BetType& type = *FindBetType(GetParam().type);
    const CombinationList list = MixedList(GetParam().horses, GetParam().size);
    const TicketChances expected = BruteForce(list, type, kSeven);
    const std::vector<double> horses(GetParam().horses.begin(), GetParam().horses.end());
    const Result<TicketChances> chances = ComputeTicketChances(list, type, kSeven, horses);
    ASSERT_TRUE(chances.ok()) << chances.refusal().text();
    ASSERT_EQ(chances->bestClass.size(), expected.bestClass.size());
    for (std::size_t c = 0; c < expected.bestClass.size(); ++c) {
        EXPECT_NEAR(chances->bestClass[c], expected.bestClass[c], 1e-12) << chances->classNames[c];
    }
    EXPECT_NEAR(chances->gain, expected.gain, 1e-12);
    EXPECT_NEAR(chances->expectedPayingLines, expected.expectedPayingLines, 1e-11);
    // Something pays and something does not: the case tests the sums, not an always or a never.
    EXPECT_GT(expected.gain, 0.0);
    EXPECT_LT(expected.gain, 1.0);
}

INSTANTIATE_TEST_SUITE_P(EveryType, BruteForceTest,
    testing::Values(BruteCase { "couple-gagnant", 2 }, BruteCase { "couple-place", 2, { 3, 12, 1, 15 } },
        BruteCase { "couple-ordre", 2 }, BruteCase { "2sur4", 2, { 3, 12, 1, 15 } }, BruteCase { "trio", 3 },
        BruteCase { "trio-ordre", 3 }, BruteCase { "tierce", 3 }, BruteCase { "quarte", 4 }, BruteCase { "quinte", 5 },
        BruteCase { "multi", 4 }, BruteCase { "multi", 5 }, BruteCase { "multi", 6 }),
    [](const testing::TestParamInfo<BruteCase>& info) {
        std::string name = info.param.type + std::to_string(info.param.size);
        std::erase(name, '-');
        return name;
    });

// ---- Refusals -----------------------------------------------------------------------------------------------------

struct RefusalCase {
    std::string name;
    std::string type;
    std::vector<Runner> runners;
    std::vector<double> horses;
    std::vector<std::string> lines;
    std::string text;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> { };

TEST_P(RefusalTest, NamesTheFault)
{
    const RefusalCase& c = GetParam();
    CombinationList list;
    for (const std::string& line : c.lines) {
        list.append(line);
    }
    const Result<TicketChances> chances = ComputeTicketChances(list, *FindBetType(c.type), c.runners, c.horses);
    ASSERT_FALSE(chances.ok());
    EXPECT_EQ(chances.refusal().text(), c.text);
}

std::vector<Runner> ManyRunners(int count)
{
    std::vector<Runner> runners;
    for (int i = 1; i <= count; ++i) {
        runners.push_back({ i, 10 });
    }
    return runners;
}

INSTANTIATE_TEST_SUITE_P(Table, RefusalTest,
    testing::Values(RefusalCase { "Twice", "trio", { { 1, 3 }, { 5, 4 }, { 1, 6 } }, {}, { "-1-5-2-" },
                        "Le partant 1 est donné deux fois." },
        RefusalCase { "OddsOfOne", "couple-ordre", { { 1, 3 }, { 8, 1 } }, {}, { "-1-8-" },
            "La cote du partant 8 doit être supérieure à 1." },
        RefusalCase { "OddsBelowOne", "couple-ordre", { { 1, 0.5 }, { 8, 3 } }, {}, { "-1-8-" },
            "La cote du partant 1 doit être supérieure à 1." },
        RefusalCase { "TooFewRunners", "quinte", { { 1, 3 }, { 2, 3 }, { 3, 3 }, { 4, 3 } }, {}, {},
            "Le Quinté+ demande au moins 5 partants : 4 sont donnés." },
        RefusalCase { "TooManyRunners", "trio", ManyRunners(31), {}, {},
            "Une course compte au plus 30 partants : 31 sont donnés." },
        RefusalCase { "PredictionHorseWithoutOdds", "couple-ordre", { { 1, 3 }, { 2, 3 } }, { 1, 2, 14 }, { "-1-2-" },
            "Le cheval 14 de la prédiction n'a pas de cote." },
        RefusalCase { "LineNumberNotARunner", "couple-ordre", { { 1, 3 }, { 2, 3 } }, {}, { "-1-2-", "-2-07-" },
            "Le numéro 7 d'une ligne n'est pas un partant." },
        RefusalCase { "LineSizeForeignToType", "trio", { { 1, 3 }, { 2, 3 }, { 3, 3 } }, {}, { "-1-2-" },
            "Le Trio se joue avec 3 numéros par ligne." }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST(TicketChances, ThirtyRunnersAreTaken)
{
    // With 30 equal runners a Trio line's three are the first three with chance 1 / C(30, 3) = 1/4060.
    const Result<TicketChances> chances
        = ComputeTicketChances(MakeList({ "-28-29-30-" }), *FindBetType("trio"), ManyRunners(30), NoHorses());
    ASSERT_TRUE(chances.ok());
    EXPECT_NEAR(chances->gain, 1.0 / 4060, 1e-15);
}

TEST(TicketChances, EmptyListNamesTheClassesAndNeverPays)
{
    const Result<TicketChances> chances
        = ComputeTicketChances(CombinationList {}, *FindBetType("quinte"), kSeven, NoHorses());
    ASSERT_TRUE(chances.ok());
    EXPECT_EQ(chances->classNames, (std::vector<std::string> { "ordre", "désordre", "bonus 4", "bonus 3" }));
    EXPECT_EQ(chances->bestClass, (std::vector<double>(4, 0)));
    EXPECT_EQ(chances->expectedPayingLines, 0);
}

} // namespace
} // namespace ornal
