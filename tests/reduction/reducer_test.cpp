#include "engine/combinationengine.h"
#include "reduction/reducer.h"
#include "reduction/verify.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <numeric>
#include <string>
#include <thread>
#include <vector>

namespace ornal {
namespace {

using namespace std::chrono_literals;

// Every line of k among horses 1..v, as the engine computes them.
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

ReductionRequest Request(const CombinationList& list, int v, Guarantee g, std::chrono::milliseconds limit = 2000ms)
{
    ReductionRequest request;
    request.list = &list;
    request.horses.resize(static_cast<std::size_t>(v));
    std::iota(request.horses.begin(), request.horses.end(), 1.0);
    request.guarantee = g;
    request.timeLimit = limit;
    return request;
}

void ExpectVerified(const ReductionRequest& request, const ReductionResult& result)
{
    const Result<VerifyReport> check
        = Verify(*request.list, result.kept, request.horses, request.bases, request.guarantee);
    ASSERT_TRUE(check.ok());
    EXPECT_TRUE(check->holds());
    EXPECT_EQ(check->reachable, result.promised);
    EXPECT_EQ(check->met, result.met);
    EXPECT_EQ(check->arrivals, result.promised + result.outside);
    EXPECT_TRUE(std::is_sorted(result.kept.begin(), result.kept.end()));
    EXPECT_EQ(std::adjacent_find(result.kept.begin(), result.kept.end()), result.kept.end());
}

struct OptimumCase {
    const char* name;
    int v, k;
    Guarantee g;
    std::size_t optimum;
};

class OptimumTest : public testing::TestWithParam<OptimumCase> { };

// Sizes provable by hand: Schönheim's bound is met by a known design (C(6,3,2) = 6, C(7,3,2) = 7 the Fano plane,
// C(8,4,3) = 14 the Steiner quadruple system of 8 points, C(9,3,2) = 12 the affine plane of order 3), and the pair
// bets' minimum is the pairs inside the parts of the most even split into P - 1 parts (Turán): for 8 horses,
// 3 + 3 + 1 = 7 pairs when P = 4 and 6 + 6 = 12 when P = 3.
TEST_P(OptimumTest, ReachesTheOptimumAndStops)
{
    const OptimumCase& c = GetParam();
    const CombinationList list = FullList(c.v, c.k);
    const ReductionRequest request = Request(list, c.v, c.g);
    const ReductionOutcome outcome = Reduce(request);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->kept.size(), c.optimum);
    EXPECT_EQ(outcome->bound, c.optimum);
    EXPECT_TRUE(outcome->boundReached);
    EXPECT_FALSE(outcome->stoppedEarly);
    ExpectVerified(request, *outcome);
}

INSTANTIATE_TEST_SUITE_P(Table, OptimumTest,
    testing::Values(OptimumCase { "C632", 6, 3, { 2, 2 }, 6 }, OptimumCase { "Fano", 7, 3, { 2, 2 }, 7 },
        OptimumCase { "Quadruples8", 8, 4, { 3, 3 }, 14 }, OptimumCase { "Affine9", 9, 3, { 2, 2 }, 12 },
        OptimumCase { "DeuxSurQuatre8", 8, 2, { 4, 2 }, 7 }, OptimumCase { "CouplePlace8", 8, 2, { 3, 2 }, 12 }),
    [](const testing::TestParamInfo<OptimumCase>& info) { return std::string(info.param.name); });

struct ListCase {
    const char* name;
    CombinationList list;
    std::vector<double> horses;
    std::vector<double> bases;
    Guarantee g;
    std::size_t kept; // 0 when only the check matters
    std::uint64_t outside;
};

class ListTest : public testing::TestWithParam<ListCase> { };

TEST_P(ListTest, ResultPassesTheIndependentCheck)
{
    const ListCase& c = GetParam();
    ReductionRequest request;
    request.list = &c.list;
    request.horses = c.horses;
    request.bases = c.bases;
    request.guarantee = c.g;
    request.timeLimit = 300ms;
    const ReductionOutcome outcome = Reduce(request);
    ASSERT_TRUE(outcome.ok()) << outcome.refusal().text();
    ExpectVerified(request, *outcome);
    EXPECT_EQ(outcome->outside, c.outside);
    if (c.kept != 0) {
        EXPECT_EQ(outcome->kept.size(), c.kept);
    }
}

// Triples of 1..6 without the pair 1-2: the 4 arrivals 1-2-x are outside, and each of the 16 others is met by its
// own line only, so all 16 stay.
CombinationList WithoutPairOneTwo()
{
    CombinationList list;
    const CombinationList full = FullList(6, 3);
    for (CombinationList::Count i = 0; i < full.size(); ++i) {
        if (full.line(i).substr(0, 5) != "-1-2-") {
            list.append(full.line(i));
        }
    }
    return list;
}

// Lines of 4 holding base 1 among 1..6 (C(5, 3) = 10): with 3 finishers holding 1, the others form a pair of
// 2..6 to be held in a triple, C(5, 3, 2) = 4 (Schönheim: ceil(5/3 * ceil(4/2)) = 4; 2-3-4, 2-5-6, 3-5-6, 4-5-6
// hold all 10 pairs).
CombinationList FourWithBaseOne()
{
    CombinationList list;
    const CombinationList full = FullList(6, 4);
    for (CombinationList::Count i = 0; i < full.size(); ++i) {
        if (full.line(i).starts_with("-1-")) {
            list.append(full.line(i));
        }
    }
    return list;
}

INSTANTIATE_TEST_SUITE_P(Table, ListTest,
    testing::Values(ListCase { "FilteredTriples", WithoutPairOneTwo(), { 1, 2, 3, 4, 5, 6 }, {}, { 3, 3 }, 16, 4 },
        ListCase { "BaseOne", FourWithBaseOne(), { 1, 2, 3, 4, 5, 6 }, { 1 }, { 3, 3 }, 4, 0 },
        ListCase { "QuinteBonus4", FullList(10, 5), { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }, {}, { 4, 4 }, 0, 0 },
        ListCase { "MultiSixPairs", FullList(9, 6), { 1, 2, 3, 4, 5, 6, 7, 8, 9 }, {}, { 4, 2 }, 0, 0 },
        // Base 2 among 1..10, triples of 1..8: the 36 arrivals 2-x-y of 10 horses, of which the 21 within 1..8
        // are each met by their own line alone; the 15 holding 9 or 10 are outside.
        ListCase {
            "HorsesOutsideTheLines", FullList(8, 3), { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 2 }, { 3, 3 }, 21, 15 },
        // Any two triples of 4 horses share a pair, so two of them hold at most 5 of the 6 pairs: 3 lines.
        ListCase { "LeadingZeros", MakeList({ "-01-02-03-", "-1-2-4-", "-03-4-2-", "-1-3-4-" }), { 1, 2, 3, 4 }, {},
            { 2, 2 }, 3, 0 }),
    [](const testing::TestParamInfo<ListCase>& info) { return std::string(info.param.name); });

TEST(Reduce, OneThreadIsReproducibleForASeed)
{
    const CombinationList list = FullList(11, 5);
    ReductionRequest request = Request(list, 11, Guarantee { 4, 4 }, 60s);
    request.maxThreads = 1;
    request.seed = 7;
    request.moveLimit = 30000;
    const ReductionOutcome first = Reduce(request);
    const ReductionOutcome second = Reduce(request);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(first->kept, second->kept);
    EXPECT_EQ(first->threads, 1u);
    ExpectVerified(request, *first);
}

// One thread, a seed and a move limit make the search alone repeatable; each case gets where an earlier search could
// not, and each fails with the step it names undone.
struct SeededCase {
    const char* name;
    int v, k;
    std::uint64_t moveLimit;
    std::size_t most; // lines kept at most
};

class SeededSearchTest : public testing::TestWithParam<SeededCase> { };

TEST_P(SeededSearchTest, GetsBelowWhatEarlierSearchesFound)
{
    const SeededCase& c = GetParam();
    const CombinationList list = FullList(c.v, c.k);
    ReductionRequest request = Request(list, c.v, Guarantee { 4, 4 }, 600s);
    request.maxThreads = 1;
    request.seed = 1;
    request.moveLimit = c.moveLimit;
    request.useLibrary = false;
    const ReductionOutcome outcome = Reduce(request);
    ASSERT_TRUE(outcome.ok());
    EXPECT_LE(outcome->kept.size(), c.most);
    ExpectVerified(request, *outcome);
}

INSTANTIATE_TEST_SUITE_P(Reduce, SeededSearchTest,
    testing::Values(
        // Quinté+ bonus 4 of 15 horses: no design below 300 lines, whole orbits of a rotation, before the search
        // completed orbit designs a few orbits short with lines (the published record is 294; the library holds 291).
        SeededCase { "CompletesAnOrbitDesignWithLines", 15, 5, 4000000, 299 },
        // Multi en 6 of 16 horses turned one place round: the lines made of three of the eight pairs {i, i + 8} come
        // back after half a turn, orbits of 8 lines, not 16. Nine whole orbits and one such half orbit make 152
        // lines, the published record; counting orbits and not their lines the search took a half orbit for as dear
        // as a whole one and ended at 160 or more.
        SeededCase { "WeighsAnOrbitByItsLines", 16, 6, 200000, 152 }),
    [](const testing::TestParamInfo<SeededCase>& info) { return std::string(info.param.name); });

// Each line search the benchmark compares, run for every case: the result is complete and within the greedy size.
TEST(Reduce, EveryLineSearchGivesACheckedReduction)
{
    const CombinationList list = FullList(11, 6);
    for (LineSearch kind : { LineSearch::Chosen, LineSearch::Swaps, LineSearch::Annealing }) {
        ReductionRequest request = Request(list, 11, Guarantee { 4, 4 }, 400ms);
        request.lineSearch = kind;
        const ReductionOutcome outcome = Reduce(request);
        ASSERT_TRUE(outcome.ok());
        EXPECT_LE(outcome->kept.size(), outcome->greedySize);
        ExpectVerified(request, *outcome);
    }
}

TEST(Reduce, StopRequestIsHonouredPromptly)
{
    // C(16, 5, 4): the bound (397) is far below what a few seconds reach, so only the stop ends the search.
    const CombinationList list = FullList(16, 5);
    const ReductionRequest request = Request(list, 16, Guarantee { 4, 4 }, 60s);
    std::stop_source stop;
    std::jthread stopper([&stop] {
        std::this_thread::sleep_for(300ms);
        stop.request_stop();
    });
    const auto start = std::chrono::steady_clock::now();
    const ReductionOutcome outcome = Reduce(request, stop.get_token());
    const auto took = std::chrono::steady_clock::now() - start;
    ASSERT_TRUE(outcome.ok());
    EXPECT_TRUE(outcome->stoppedEarly);
    EXPECT_LT(took, 1500ms);
    ExpectVerified(request, *outcome);
}

TEST(Reduce, ProgressReportsFallingSizes)
{
    const CombinationList list = FullList(10, 4);
    for (bool library : { false, true }) {
        ReductionRequest request = Request(list, 10, Guarantee { 3, 3 });
        request.useLibrary = library;
        std::vector<ReductionProgress> reports;
        const ReductionOutcome outcome
            = Reduce(request, {}, [&reports](const ReductionProgress& p) { reports.push_back(p); });
        ASSERT_TRUE(outcome.ok());
        ASSERT_GE(reports.size(), 2u);
        // The first answer is the greedy reduction, or the library's design when one fits.
        EXPECT_EQ(reports.front().bestSize,
            library && outcome->librarySize != 0 ? outcome->librarySize : outcome->greedySize);
        EXPECT_EQ(reports.back().bestSize, outcome->kept.size());
        for (std::size_t i = 1; i < reports.size(); ++i) {
            EXPECT_LE(reports[i].bestSize, reports[i - 1].bestSize);
            EXPECT_EQ(reports[i].bound, 30u); // C(10, 4, 3), Schönheim: ceil(10/4 * ceil(9/3 * ceil(8/2))) = 30
        }
    }
}

TEST(Reduce, Refusals)
{
    const CombinationList list = FullList(6, 4);
    ReductionRequest request = Request(list, 6, Guarantee { 3, 3 });
    request.list = nullptr;
    EXPECT_EQ(Reduce(request).refusal().text(), "Liste vide , traitement impossible.");
    const CombinationList empty;
    request.list = &empty;
    EXPECT_EQ(Reduce(request).refusal().text(), "Liste vide , traitement impossible.");
    request.list = &list;
    request.guarantee = Guarantee { 7, 3 };
    EXPECT_EQ(Reduce(request).refusal().text(), "Nombre de premiers invalide : choisissez entre 1 et 6.");
    request.guarantee = Guarantee { 5, 5 };
    EXPECT_EQ(Reduce(request).refusal().text(), "Nombre de chevaux par ligne invalide : choisissez entre 1 et 4.");
    request.guarantee = Guarantee { 3, 3 };
    request.bases = { 9 };
    EXPECT_EQ(Reduce(request).refusal().text(), "La base 9 n'est pas un cheval du jeu.");
    request.bases = {};
    request.horses.assign(21, 0);
    std::iota(request.horses.begin(), request.horses.end(), 1.0);
    EXPECT_EQ(Reduce(request).refusal().text(), "Le jeu doit compter de 1 à 20 chevaux.");
}

TEST(KeptLines, TakesTheLinesInOrder)
{
    const CombinationList list = MakeList({ "-1-2-", "-3-4-", "-5-6-" });
    const std::vector<CombinationList::Count> kept { 0, 2 };
    EXPECT_EQ(LinesOf(KeptLines(list, kept)), (std::vector<std::string> { "-1-2-", "-5-6-" }));
}

} // namespace
} // namespace ornal
