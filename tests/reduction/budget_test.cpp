#include "coveringcheck.h"
#include "engine/combinationengine.h"
#include "reduction/arrivalspace.h"
#include "reduction/budgetchoice.h"
#include "reduction/budgetsearch.h"
#include "reduction/linebudget.h"
#include "reduction/reducer.h"
#include "reduction/verify.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <bit>
#include <chrono>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

namespace ornal {
namespace {

using namespace std::chrono_literals;

CombinationList FullList(int v, int k)
{
    Selection sel;
    sel.horseCountText = std::to_string(v);
    sel.betSizeText = std::to_string(k);
    for (int i = 0; i < v; ++i) {
        sel.numbers[static_cast<std::size_t>(i)] = std::to_string(i + 1);
        sel.shown[static_cast<std::size_t>(i)] = true;
    }
    return ComputeCombinations(sel).list;
}

// An arrival's weight from its horses' numbers (bits 1 << number), as the slow reference sees it.
using MaskWeight = std::function<double(std::uint32_t arrival)>;

double Uniform(std::uint32_t)
{
    return 1;
}

// Favours horses 1 and 2, as odds would: an arrival weighs more the more of them it holds.
double Favourites(std::uint32_t arrival)
{
    return 1 + 6 * ((arrival >> 1) & 1) + 3 * ((arrival >> 2) & 1) + 0.25 * ((arrival >> 5) & 1);
}

// The weight of the arrivals of p horses among 1..v that some line of masks holds t of, by brute force.
double HeldBySlowCount(const std::vector<std::uint32_t>& masks, int v, int p, int t, const MaskWeight& weight)
{
    double held = 0;
    for (std::uint32_t arrival = 0; arrival < (1u << (v + 1)); arrival += 2) {
        if (std::popcount(arrival) != p) {
            continue;
        }
        for (std::uint32_t line : masks) {
            if (std::popcount(line & arrival) >= t) {
                held += weight(arrival);
                break;
            }
        }
    }
    return held;
}

// The heaviest weight any n lines of the list hold, trying every choice of n lines.
double BestBySlowSearch(const std::vector<std::string>& lines, int v, int p, int t, int n, const MaskWeight& weight)
{
    std::vector<std::uint32_t> all;
    for (const std::string& line : lines) {
        all.push_back(LineMask(line));
    }
    double best = 0;
    std::vector<std::uint32_t> chosen;
    std::function<void(std::size_t)> choose = [&](std::size_t from) {
        if (static_cast<int>(chosen.size()) == n) {
            best = std::max(best, HeldBySlowCount(chosen, v, p, t, weight));
            return;
        }
        for (std::size_t i = from; i < all.size(); ++i) {
            chosen.push_back(all[i]);
            choose(i + 1);
            chosen.pop_back();
        }
    };
    choose(0);
    return best;
}

std::vector<std::string> Kept(const CombinationList& list, const ReductionResult& result)
{
    return LinesOf(KeptLines(list, result.kept));
}

std::vector<std::uint32_t> Masks(const std::vector<std::string>& lines)
{
    std::vector<std::uint32_t> masks;
    for (const std::string& line : lines) {
        masks.push_back(LineMask(line));
    }
    return masks;
}

ReductionRequest BudgetRequest(const CombinationList& list, int v, Guarantee g, std::uint64_t lines)
{
    ReductionRequest request;
    request.list = &list;
    request.horses.resize(static_cast<std::size_t>(v));
    std::iota(request.horses.begin(), request.horses.end(), 1.0);
    request.guarantee = g;
    request.timeLimit = 2s;
    request.lineBudget = lines;
    return request;
}

// The weight a request's callback gives, from the numbers as the reduction hands them over.
std::function<double(std::span<const double>)> ByNumbers(const MaskWeight& weight)
{
    return [weight](std::span<const double> horses) {
        std::uint32_t mask = 0;
        for (double horse : horses) {
            mask |= 1u << static_cast<int>(horse);
        }
        return weight(mask);
    };
}

struct SmallCase {
    const char* name;
    int v, k;
    Guarantee g;
    int lines;
    bool weighted;
};

class BudgetOptimumTest : public testing::TestWithParam<SmallCase> { };

// On lists small enough to try every choice of N lines, the reduction keeps a heaviest one, and the arrivals it says
// it holds are those a slow count finds in its lines.
TEST_P(BudgetOptimumTest, KeepsTheHeaviestChoice)
{
    const SmallCase& c = GetParam();
    const CombinationList list = FullList(c.v, c.k);
    ReductionRequest request = BudgetRequest(list, c.v, c.g, static_cast<std::uint64_t>(c.lines));
    const MaskWeight weight = c.weighted ? MaskWeight(Favourites) : MaskWeight(Uniform);
    if (c.weighted) {
        request.arrivalWeight = ByNumbers(weight);
    }
    const ReductionOutcome outcome = Reduce(request);
    ASSERT_TRUE(outcome.ok()) << outcome.refusal().text();
    const ReductionResult& r = *outcome;
    const std::vector<std::string> kept = Kept(list, r);
    EXPECT_LE(kept.size(), static_cast<std::size_t>(c.lines));
    const double best = BestBySlowSearch(LinesOf(list), c.v, c.g.finishers, c.g.inLine, c.lines, weight);
    EXPECT_NEAR(r.heldWeight, best, 1e-9);
    EXPECT_NEAR(HeldBySlowCount(Masks(kept), c.v, c.g.finishers, c.g.inLine, weight), best, 1e-9);
    const auto arrivals
        = static_cast<std::uint64_t>(HeldBySlowCount({ (2u << c.v) - 2 }, c.v, c.g.finishers, c.g.finishers, Uniform));
    EXPECT_EQ(r.promised, arrivals);
    EXPECT_EQ(r.met, r.promised - static_cast<std::uint64_t>(UnmetArrivals(kept, c.v, c.g.finishers, c.g.inLine)));
    EXPECT_TRUE(r.partial);
    EXPECT_TRUE(r.bestChoice);
}

INSTANTIATE_TEST_SUITE_P(Table, BudgetOptimumTest,
    testing::Values(SmallCase { "Triples6Pairs", 6, 3, { 2, 2 }, 3, false },
        SmallCase { "Triples7Pairs", 7, 3, { 2, 2 }, 4, false },
        SmallCase { "Quads7Triples", 7, 4, { 3, 3 }, 4, false },
        SmallCase { "Quads7TriplesWeighted", 7, 4, { 3, 3 }, 4, true },
        SmallCase { "Pairs7FourFinishers", 7, 2, { 4, 2 }, 2, false },
        SmallCase { "Pairs8ThreeFinishersWeighted", 8, 2, { 3, 2 }, 5, true },
        SmallCase { "Quints7Bonus4Weighted", 7, 5, { 4, 4 }, 3, true }),
    [](const testing::TestParamInfo<SmallCase>& info) { return std::string(info.param.name); });

// The same small cases, solved by the local search alone (no exhaustive choice): it must reach the optimum too.
TEST_P(BudgetOptimumTest, LocalSearchAloneReachesIt)
{
    const SmallCase& c = GetParam();
    const CombinationList list = FullList(c.v, c.k);
    std::vector<double> horses(static_cast<std::size_t>(c.v));
    std::iota(horses.begin(), horses.end(), 1.0);
    ArrivalSpace space;
    ASSERT_TRUE(space.build(list, horses, {}, c.g));
    const MaskWeight weight = c.weighted ? MaskWeight(Favourites) : MaskWeight(Uniform);
    std::vector<double> weights;
    for (ArrivalSpace::Index a = 0; a < space.arrivalCount(); ++a) {
        weights.push_back(weight(space.arrivalMask(a) << 1)); // bit i is horse i + 1
    }
    const auto n = static_cast<std::size_t>(c.lines);
    const std::vector<SetSystem::Index> greedy = GreedyChoice(space.meetings(), weights, n);
    ASSERT_EQ(greedy.size(), n);
    BudgetSearch search(space.meetings(), weights, 5);
    search.load(greedy);
    search.search(20000);
    EXPECT_EQ(search.best().size(), n);
    const double best = BestBySlowSearch(LinesOf(list), c.v, c.g.finishers, c.g.inLine, c.lines, weight);
    EXPECT_NEAR(search.bestHeld(), best, 1e-9);
    EXPECT_NEAR(HeldWeight(space.meetings(), weights, search.best()), best, 1e-9);
}

TEST(BestChoice, StopsAtItsWorkLimit)
{
    // Each triple is its own arrival: any 10 lines hold 10.
    const CombinationList list = FullList(9, 3);
    std::vector<double> horses { 1, 2, 3, 4, 5, 6, 7, 8, 9 };
    ArrivalSpace space;
    ASSERT_TRUE(space.build(list, horses, {}, Guarantee { 3, 3 }));
    const std::vector<double> weights(space.arrivalCount(), 1.0);
    // The first look at the 84 lines' gains costs 84: a limit of 300 ends the search before its tenth line.
    const ExactChoice cut = BestChoice(space.meetings(), weights, 10, {}, 300);
    EXPECT_FALSE(cut.proven);
    EXPECT_LT(cut.held, 10);
    EXPECT_EQ(cut.held, HeldWeight(space.meetings(), weights, cut.lines));
    const ExactChoice whole = BestChoice(space.meetings(), weights, 10, {}, 1'000'000);
    EXPECT_TRUE(whole.proven);
    EXPECT_EQ(whole.held, 10);
    EXPECT_EQ(whole.lines.size(), 10u);
    // Cut before it could look at anything, it hands back the incumbent.
    const std::vector<SetSystem::Index> three { 4, 9, 30 };
    const ExactChoice incumbent = BestChoice(space.meetings(), weights, 10, three, 50);
    EXPECT_FALSE(incumbent.proven);
    EXPECT_EQ(incumbent.lines, three);
    EXPECT_EQ(incumbent.held, 3);
}

TEST(GreedyChoice, TakesTheHeaviestLineFirstAndStopsWhenNothingIsLeft)
{
    // Arrivals 0..4 weighing 1, 1, 5, 1, 1; lines {0,1}, {2}, {1,3,4}, {0,3}.
    std::vector<std::uint64_t> starts { 0, 2, 3, 6, 8 };
    std::vector<SetSystem::Index> members { 0, 1, 2, 1, 3, 4, 0, 3 };
    SetSystem sets;
    sets.assign(5, std::move(starts), std::move(members));
    const std::vector<double> weights { 1, 1, 5, 1, 1 };
    EXPECT_EQ(GreedyChoice(sets, weights, 2), (std::vector<SetSystem::Index> { 1, 2 }));
    // {0,1} and {0,3} each add arrival 0 only: the lower one is taken; then nothing is left to add.
    EXPECT_EQ(GreedyChoice(sets, weights, 9), (std::vector<SetSystem::Index> { 1, 2, 0 }));
}

TEST(ReduceToBudget, AtOrAboveACompleteReductionGivesTheFullGuarantee)
{
    const CombinationList list = FullList(8, 4);
    const ReductionRequest full = BudgetRequest(list, 8, Guarantee { 3, 3 }, 0);
    const ReductionOutcome complete = Reduce(full);
    ASSERT_TRUE(complete.ok());
    for (std::uint64_t n : { complete->greedySize, complete->greedySize + 5, std::uint64_t { 70 } }) {
        const ReductionRequest request = BudgetRequest(list, 8, Guarantee { 3, 3 }, n);
        const ReductionOutcome outcome = Reduce(request);
        ASSERT_TRUE(outcome.ok());
        EXPECT_FALSE(outcome->partial);
        EXPECT_LE(outcome->kept.size(), n);
        EXPECT_EQ(UnmetArrivals(Kept(list, *outcome), 8, 3, 3), 0);
        EXPECT_EQ(outcome->met, outcome->promised);
    }
}

// Larger cases, beyond any exhaustive choice: the held count is exact and at least the greedy choice's.
TEST(ReduceToBudget, HoldsAtLeastTheGreedyChoiceOnALargeList)
{
    const CombinationList list = FullList(12, 5);
    std::vector<double> horses(12);
    std::iota(horses.begin(), horses.end(), 1.0);
    ArrivalSpace space;
    ASSERT_TRUE(space.build(list, horses, {}, Guarantee { 4, 4 }));
    const std::vector<double> ones(space.arrivalCount(), 1.0);
    const double greedy = HeldWeight(space.meetings(), ones, GreedyChoice(space.meetings(), ones, 56));

    ReductionRequest request = BudgetRequest(list, 12, Guarantee { 4, 4 }, 56);
    request.timeLimit = 1500ms;
    const ReductionOutcome outcome = Reduce(request);
    ASSERT_TRUE(outcome.ok());
    const std::vector<std::string> kept = Kept(list, *outcome);
    EXPECT_EQ(kept.size(), 56u);
    EXPECT_GE(outcome->heldWeight, greedy);
    EXPECT_EQ(outcome->met, 495u - static_cast<std::uint64_t>(UnmetArrivals(kept, 12, 4, 4)));
    EXPECT_EQ(static_cast<double>(outcome->met), outcome->heldWeight);
    EXPECT_LT(outcome->met, 495u); // 56 lines of 5 meet at most 280 of the 495 quadruples
    EXPECT_FALSE(outcome->bestChoice);
}

struct DesignStartCase {
    const char* name;
    int v, k;
    Guarantee g;
    std::uint64_t lines;
    bool designHoldsMore; // the choice among the design's lines beats the greedy choice among all lines
};

class BudgetFromDesignTest : public testing::TestWithParam<DesignStartCase> { };

// With no time to search, a budget reduction of a full list is where the search would start: the better of the greedy
// choice and the greedy choice among the lines of the built-in library's design. Its held count is exact by a slow
// count, never below the greedy choice, and above it where the design's lines hold more.
TEST_P(BudgetFromDesignTest, StartsFromTheBetterOfGreedyAndTheDesign)
{
    const DesignStartCase& c = GetParam();
    const CombinationList list = FullList(c.v, c.k);
    ReductionRequest request = BudgetRequest(list, c.v, c.g, c.lines);
    request.timeLimit = 0ms;
    request.useLibrary = false;
    const ReductionOutcome alone = Reduce(request);
    request.useLibrary = true;
    const ReductionOutcome fromDesign = Reduce(request);
    ASSERT_TRUE(alone.ok());
    ASSERT_TRUE(fromDesign.ok());
    EXPECT_NE(fromDesign->librarySize, 0u);
    EXPECT_GT(fromDesign->librarySize, c.lines);

    ArrivalSpace space;
    ASSERT_TRUE(space.build(list, request.horses, {}, c.g));
    const std::vector<double> ones(space.arrivalCount(), 1.0);
    const double greedy = HeldWeight(space.meetings(), ones, GreedyChoice(space.meetings(), ones, c.lines));
    const auto arrivals = Binomial(c.v, c.g.finishers);
    for (const ReductionOutcome* outcome : { &alone, &fromDesign }) {
        const std::vector<std::string> kept = Kept(list, **outcome);
        EXPECT_EQ(kept.size(), c.lines);
        EXPECT_EQ((*outcome)->met,
            arrivals - static_cast<std::uint64_t>(UnmetArrivals(kept, c.v, c.g.finishers, c.g.inLine)));
        EXPECT_GE(static_cast<double>((*outcome)->met), greedy);
    }
    EXPECT_EQ(static_cast<double>(alone->met), greedy);
    if (c.designHoldsMore) {
        EXPECT_GT(fromDesign->met, alone->met);
    } else {
        EXPECT_EQ(fromDesign->met, alone->met);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, BudgetFromDesignTest,
    testing::Values(DesignStartCase { "Multi6Of12", 12, 6, Guarantee { 4, 4 }, 30, true },
        DesignStartCase { "Multi7Of14", 14, 7, Guarantee { 4, 4 }, 33, true },
        DesignStartCase { "Bonus3Of12", 12, 5, Guarantee { 3, 3 }, 22, false },
        DesignStartCase { "Bonus4Of11", 11, 5, Guarantee { 4, 4 }, 50, true },
        DesignStartCase { "CoupleOf16", 16, 2, Guarantee { 3, 2 }, 42, false },
        DesignStartCase { "QuarteOf12", 12, 4, Guarantee { 3, 3 }, 43, true }),
    [](const testing::TestParamInfo<DesignStartCase>& info) { return std::string(info.param.name); });

TEST(ReduceToBudget, OneThreadIsReproducibleForASeed)
{
    const CombinationList list = FullList(11, 5);
    ReductionRequest request = BudgetRequest(list, 11, Guarantee { 4, 4 }, 30);
    request.timeLimit = 60s;
    request.maxThreads = 1;
    request.seed = 3;
    request.moveLimit = 4000;
    const ReductionOutcome first = Reduce(request);
    const ReductionOutcome second = Reduce(request);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first->kept, second->kept);
    EXPECT_EQ(first->met, second->met);
}

TEST(ReduceToBudget, RefusesAWeightThatIsNotANumber)
{
    const CombinationList list = FullList(7, 3);
    for (double bad : { -1.0, std::nan(""), HUGE_VAL }) {
        ReductionRequest request = BudgetRequest(list, 7, Guarantee { 2, 2 }, 3);
        request.arrivalWeight = [bad](std::span<const double> horses) { return horses[0] == 1 ? bad : 1.0; };
        const ReductionOutcome outcome = Reduce(request);
        ASSERT_FALSE(outcome.ok());
        EXPECT_EQ(outcome.refusal().text(), "Poids d'arrivée invalide : la réduction au budget est impossible.");
    }
}

TEST(ReduceToBudget, ReportsHeldArrivals)
{
    const CombinationList list = FullList(9, 4);
    ReductionRequest request = BudgetRequest(list, 9, Guarantee { 3, 3 }, 8);
    request.timeLimit = 300ms;
    std::vector<ReductionProgress> reports;
    const ReductionOutcome outcome
        = Reduce(request, {}, [&reports](const ReductionProgress& p) { reports.push_back(p); });
    ASSERT_TRUE(outcome.ok());
    ASSERT_FALSE(reports.empty());
    for (std::size_t i = 0; i < reports.size(); ++i) {
        EXPECT_EQ(reports[i].promised, 84u);
        EXPECT_LE(reports[i].held, 84u);
        if (i > 0) {
            EXPECT_GE(reports[i].held, reports[i - 1].held);
        }
    }
    EXPECT_EQ(reports.back().held, outcome->met);
}

} // namespace
} // namespace ornal

namespace ornal {
namespace {

struct BudgetCase {
    std::int64_t budgetCents, stakeCents;
    std::uint64_t lines; // 0: refused
};

TEST(LineBudget, ABudgetPaysWholeLinesAtTheStake)
{
    for (const BudgetCase& c : { BudgetCase { 400, 130, 3 }, BudgetCase { 130, 130, 1 }, BudgetCase { 259, 130, 1 },
             BudgetCase { 129, 130, 0 }, BudgetCase { 0, 130, 0 }, BudgetCase { 500, 0, 0 },
             BudgetCase { 10'000'000, 1, 10'000'000 } }) {
        const Result<std::uint64_t> budget = LinesOfBudget(c.budgetCents, c.stakeCents);
        EXPECT_EQ(budget.ok() ? *budget : 0, c.lines) << c.budgetCents << " / " << c.stakeCents;
        EXPECT_EQ(!budget.ok(), c.lines == 0);
    }
    EXPECT_EQ(LinesOfBudget(129, 130).refusal().text(),
        "Budget insuffisant : 1,29\u00A0€ ne paie pas une ligne à 1,30\u00A0€.");
    EXPECT_EQ(LinesAsked(0).refusal().text(), "Nombre de lignes invalide : gardez au moins une ligne.");
    EXPECT_EQ(LinesAsked(1).value(), 1u);
    EXPECT_TRUE(LinesAsked(1).ok());
}

} // namespace
} // namespace ornal
