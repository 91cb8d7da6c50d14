#include "reduction/annealsearch.h"
#include "reduction/arrivalspace.h"
#include "reduction/greedycover.h"
#include "reduction/indexset.h"
#include "reduction/setsystem.h"
#include "reduction/swapsearch.h"
#include "reduction/weightedsearch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>
#include <vector>

namespace ornal {
namespace {

SetSystem Build(SetSystem::Index elements, const std::vector<std::vector<SetSystem::Index>>& sets)
{
    std::vector<std::uint64_t> starts { 0 };
    std::vector<SetSystem::Index> members;
    for (const auto& set : sets) {
        members.insert(members.end(), set.begin(), set.end());
        starts.push_back(members.size());
    }
    SetSystem system;
    system.assign(elements, std::move(starts), std::move(members));
    return system;
}

TEST(SetSystem, HoldsBothWays)
{
    const SetSystem system = Build(4, { { 0, 1 }, { 1, 2, 3 }, { 3 } });
    EXPECT_EQ(system.setCount(), 3u);
    EXPECT_EQ(system.memberships(), 6u);
    EXPECT_EQ(std::vector<SetSystem::Index>(system.setsOf(0).begin(), system.setsOf(0).end()),
        std::vector<SetSystem::Index> { 0 });
    EXPECT_EQ(std::vector<SetSystem::Index>(system.setsOf(1).begin(), system.setsOf(1).end()),
        (std::vector<SetSystem::Index> { 0, 1 }));
    EXPECT_EQ(std::vector<SetSystem::Index>(system.setsOf(3).begin(), system.setsOf(3).end()),
        (std::vector<SetSystem::Index> { 1, 2 }));
}

// The searches draw unmet arrivals by position: taking one out moves the last into its place, and an index taken out,
// or cleared, can be put in again.
TEST(IndexSet, TakingOneOutMovesTheLastIntoItsPlace)
{
    IndexSet set(6);
    for (IndexSet::Index i = 0; i < 5; ++i) {
        set.insert(i);
    }
    set.erase(1);
    set.erase(4);
    EXPECT_EQ(std::vector<IndexSet::Index>(set.items().begin(), set.items().end()),
        (std::vector<IndexSet::Index> { 0, 3, 2 }));
    set.insert(1);
    set.erase(0);
    EXPECT_EQ(set[0], 1u);
    set.clear();
    EXPECT_TRUE(set.empty());
    set.insert(3);
    set.insert(5);
    set.erase(3);
    EXPECT_EQ(set.size(), 1u);
    EXPECT_EQ(set[0], 5u);
}

// Sets are let go latest first, each once the ones before it are gone: which stay depends on the order given.
struct RedundantCase {
    const char* name;
    std::vector<SetSystem::Index> kept;
    std::vector<SetSystem::Index> left;
};

class WithoutRedundantTest : public testing::TestWithParam<RedundantCase> { };

TEST_P(WithoutRedundantTest, LetsGoLatestFirstWhatTheOthersHold)
{
    // 0-1, 1-2, the triple 0-1-2 that the two pairs hold, and 3 alone twice; element 4 is in no set.
    const SetSystem system = Build(5, { { 0, 1 }, { 1, 2 }, { 0, 1, 2 }, { 3 }, { 3 } });
    EXPECT_EQ(WithoutRedundant(system, GetParam().kept), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(Orders, WithoutRedundantTest,
    testing::Values(RedundantCase { "TripleLast", { 0, 1, 2, 3 }, { 0, 1, 3 } },
        RedundantCase { "TripleFirst", { 2, 0, 1, 3 }, { 2, 3 } },
        RedundantCase { "TwinSetsKeepTheFirst", { 3, 0, 4, 1 }, { 3, 0, 1 } },
        RedundantCase { "NothingToLetGo", { 0, 1, 3 }, { 0, 1, 3 } }, RedundantCase { "Empty", {}, {} }),
    [](const testing::TestParamInfo<RedundantCase>& info) { return std::string(info.param.name); });

TEST(WeightedSearch, FindsTheOnlyCoverOfTwo)
{
    // Six elements; the only two sets holding all six are the disjoint triples 0-1-2 and 3-4-5.
    const SetSystem system = Build(6, { { 0, 1, 2 }, { 3, 4, 5 }, { 0, 3 }, { 1, 4 }, { 2, 5 }, { 0, 4 } });
    WeightedSearch search(system, 3);
    const std::vector<SetSystem::Index> three { 2, 3, 4 };
    search.load(three);
    EXPECT_EQ(search.unmet(), 0u);
    search.dropOne();
    EXPECT_EQ(search.lines().size(), 2u);
    ASSERT_TRUE(search.search(1000));
    std::vector<SetSystem::Index> found(search.lines().begin(), search.lines().end());
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<SetSystem::Index> { 0, 1 }));
}

// Two lines can meet all six elements as 0-1-2 and 3-4-5 (one each) or with the dear 0-1-2-3 (five) beside either
// 3-4-5 or 4-5. Weighed by count alone the search takes 0-1-2-3 in for element 0, as it meets one more; weighed per
// unit of cost it takes 0-1-2, and ends on the cheap pair from every seed.
TEST(WeightedSearch, WeighsGainsPerUnitOfCost)
{
    const SetSystem system = Build(6, { { 0, 1, 2 }, { 3, 4, 5 }, { 0, 1, 2, 3 }, { 4, 5 }, { 0 }, { 5 } });
    const std::vector<std::int64_t> costs { 1, 1, 5, 1, 1, 1 };
    for (std::uint64_t seed = 1; seed <= 8; ++seed) {
        WeightedSearch search(system, seed, costs);
        const std::vector<SetSystem::Index> start { 4, 5 };
        search.load(start);
        ASSERT_TRUE(search.search(1000)) << "seed " << seed;
        std::vector<SetSystem::Index> found(search.lines().begin(), search.lines().end());
        std::sort(found.begin(), found.end());
        EXPECT_EQ(found, (std::vector<SetSystem::Index> { 0, 1 })) << "seed " << seed;
    }
}

class SwapSearchTest : public testing::TestWithParam<bool> { };

// Seven triples of 7 horses meet all 21 pairs only as a Fano plane (each pair in exactly one line). Starting from a
// plane with one line spoiled, three pairs are unmet; the search, keeping 7 lines, must find a plane again.
TEST_P(SwapSearchTest, RepairsASpoiledFanoPlane)
{
    CombinationList list;
    std::vector<double> horses;
    for (int a = 1; a <= 7; ++a) {
        horses.push_back(a);
        for (int b = a + 1; b <= 7; ++b) {
            for (int c = b + 1; c <= 7; ++c) {
                list.append("-" + std::to_string(a) + "-" + std::to_string(b) + "-" + std::to_string(c) + "-");
            }
        }
    }
    ArrivalSpace space;
    ASSERT_TRUE(space.build(list, horses, {}, Guarantee { 2, 2 }));
    // 1-2-4, 2-3-5, 3-4-6, 4-5-7, 1-5-6, 2-6-7 and, spoiling 1-3-7, the line 1-3-6.
    const std::vector<ArrivalSpace::Mask> masks { 0b0001011, 0b0010110, 0b0101100, 0b1011000, 0b0110001, 0b1100010,
        0b0100101 };
    std::vector<ArrivalSpace::Index> lines;
    for (ArrivalSpace::Mask m : masks) {
        lines.push_back(space.lineWithMask(m));
    }
    SwapOptions options;
    options.weighted = GetParam();
    SwapSearch search(space, 11, options);
    search.load(lines);
    EXPECT_EQ(search.unmet(), 2u); // 1-7 and 3-7; 1-3 is still met by 1-3-6 (and 3-6 twice)
    ASSERT_TRUE(search.search(20000));
    ASSERT_EQ(search.lines().size(), 7u);
    std::set<ArrivalSpace::Index> met;
    for (ArrivalSpace::Index line : search.lines()) {
        met.insert(space.arrivalsOf(line).begin(), space.arrivalsOf(line).end());
    }
    EXPECT_EQ(met.size(), 21u);
}

INSTANTIATE_TEST_SUITE_P(Scoring, SwapSearchTest, testing::Values(false, true),
    [](const testing::TestParamInfo<bool>& info) { return info.param ? "Weighted" : "Counted"; });

// Annealing with the targeted move, lowered one line at a time from the greedy cover as the search threads do, reaches
// the Steiner quadruple system of 8 points: 14 quadruples holding each of the 56 triples once (Schönheim's bound).
TEST(AnnealSearch, LowersTheGreedyCoverToTheSteinerSystem)
{
    CombinationList list;
    std::vector<double> horses;
    for (int h = 1; h <= 8; ++h) {
        horses.push_back(h);
    }
    for (std::uint32_t m = 0; m < 256; ++m) {
        if (std::popcount(m) == 4) {
            std::string line = "-";
            for (int h = 0; h < 8; ++h) {
                line += (m >> h) & 1 ? std::to_string(h + 1) + "-" : "";
            }
            list.append(line);
        }
    }
    ArrivalSpace space;
    ASSERT_TRUE(space.build(list, horses, {}, Guarantee { 3, 3 }));
    AnnealSearch search(space, 9);
    search.load(GreedyCover(space.meetings()));
    ASSERT_EQ(search.unmet(), 0u);
    while (search.lines().size() > 14) {
        search.dropOne();
        ASSERT_TRUE(search.search(2'000'000)) << "stuck at " << search.lines().size() + 1 << " lines";
        search.dropIdle();
    }
    std::vector<int> metBy(256, 0);
    for (ArrivalSpace::Index line : search.lines()) {
        const std::uint32_t mask = space.lineMask(line);
        for (std::uint32_t s = mask; s != 0; s = (s - 1) & mask) {
            metBy[s] += std::popcount(s) == 3 ? 1 : 0;
        }
    }
    for (std::uint32_t m = 0; m < 256; ++m) {
        if (std::popcount(m) == 3) {
            EXPECT_EQ(metBy[m], 1) << m;
        }
    }
    // One line fewer cannot meet all 56 triples (each line meets 4): the search keeps trying and says so.
    search.dropOne();
    EXPECT_FALSE(search.search(20000));
    EXPECT_EQ(search.lines().size(), 13u);
}

} // namespace
} // namespace ornal
