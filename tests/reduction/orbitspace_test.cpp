#include "engine/combinationengine.h"
#include "reduction/arrivalspace.h"
#include "reduction/orbitspace.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace ornal {
namespace {

CombinationList Triples(int v)
{
    CombinationList list;
    for (int a = 1; a <= v; ++a) {
        for (int b = a + 1; b <= v; ++b) {
            for (int c = b + 1; c <= v; ++c) {
                list.append("-" + std::to_string(a) + "-" + std::to_string(b) + "-" + std::to_string(c) + "-");
            }
        }
    }
    return list;
}

ArrivalSpace PairsInTriples(const CombinationList& list, int v)
{
    std::vector<double> horses;
    for (int h = 1; h <= v; ++h) {
        horses.push_back(h);
    }
    ArrivalSpace space;
    EXPECT_TRUE(space.build(list, horses, {}, Guarantee { 2, 2 }));
    return space;
}

// Turning 7 horses one place round: the 35 triples fall into 5 orbits of 7 and the 21 pairs into 3 orbits, one per
// difference 1, 2 or 3 (mod 7). The triple 1-2-4 has the differences 1, 2 and 3, so its orbit alone meets every
// pair: the Fano plane. The triple 1-2-3 (differences 1, 1, 2) misses the pairs of difference 3.
TEST(OrbitSpace, FanoPlaneIsOneOrbit)
{
    const CombinationList list = Triples(7);
    const ArrivalSpace space = PairsInTriples(list, 7);
    OrbitSpace orbits;
    ASSERT_TRUE(orbits.build(space, 0));
    EXPECT_EQ(orbits.orbits().setCount(), 5u);
    EXPECT_EQ(orbits.orbits().elementCount(), 3u);

    const auto orbitOf = [&](ArrivalSpace::Mask mask) {
        for (SetSystem::Index o = 0; o < orbits.orbits().setCount(); ++o) {
            const SetSystem::Index single[] { o };
            for (ArrivalSpace::Index line : orbits.expand(single)) {
                if (space.lineMask(line) == mask) {
                    return o;
                }
            }
        }
        return ~SetSystem::Index { 0 };
    };
    const SetSystem::Index fano = orbitOf(0b1011); // horses 1, 2, 4
    const SetSystem::Index run = orbitOf(0b0111); // horses 1, 2, 3
    EXPECT_EQ(orbits.orbits().members(fano).size(), 3u);
    EXPECT_EQ(orbits.orbits().members(run).size(), 2u);

    const SetSystem::Index chosen[] { fano };
    const std::vector<ArrivalSpace::Index> lines = orbits.expand(chosen);
    ASSERT_EQ(lines.size(), 7u);
    std::set<ArrivalSpace::Index> met;
    for (ArrivalSpace::Index line : lines) {
        met.insert(space.arrivalsOf(line).begin(), space.arrivalsOf(line).end());
    }
    EXPECT_EQ(met.size(), 21u);
}

TEST(OrbitSpace, FixedHorseStaysPut)
{
    // 6 turning horses and horse 7 fixed: triples with 7 are 7 and a pair of the 6 (15, in orbits of 6, 6 and 3 by
    // difference 1, 2, 3 mod 6); triples without 7 are 20, in orbits of sizes 6, 6, 6 and 2: 7 orbits in all.
    const CombinationList list = Triples(7);
    const ArrivalSpace space = PairsInTriples(list, 7);
    OrbitSpace orbits;
    ASSERT_TRUE(orbits.build(space, 1));
    EXPECT_EQ(orbits.orbits().setCount(), 7u);
    std::vector<SetSystem::Index> all(orbits.orbits().setCount());
    for (SetSystem::Index o = 0; o < all.size(); ++o) {
        all[o] = o;
    }
    EXPECT_EQ(orbits.expand(all).size(), 35u);
    std::vector<std::int64_t> sizes = orbits.orbitSizes();
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::int64_t> { 2, 3, 6, 6, 6, 6, 6 }));
}

TEST(OrbitSpace, TwoCycles)
{
    // Horses 1..6 turned as the cycles 1-3-5 and 2-4-6: the triples 1-3-5 and 2-4-6 stay put and the other 18
    // fall into orbits of 3, so 8 orbits; the 15 pairs all move, 5 orbits of 3. Cycles of 2 are not worth it.
    const CombinationList list = Triples(6);
    const ArrivalSpace space = PairsInTriples(list, 6);
    OrbitSpace orbits;
    ASSERT_TRUE(orbits.build(space, 0, 2));
    EXPECT_EQ(orbits.orbits().setCount(), 8u);
    EXPECT_EQ(orbits.orbits().elementCount(), 5u);
    std::vector<std::int64_t> sizes = orbits.orbitSizes();
    std::sort(sizes.begin(), sizes.end());
    EXPECT_EQ(sizes, (std::vector<std::int64_t> { 1, 1, 3, 3, 3, 3, 3, 3 }));
    EXPECT_FALSE(orbits.build(space, 0, 3));
    EXPECT_FALSE(orbits.build(space, 0, 4));
}

TEST(OrbitSpace, FilteredListHasNoOrbits)
{
    CombinationList list = Triples(7);
    CombinationList filtered;
    for (CombinationList::Count i = 1; i < list.size(); ++i) {
        filtered.append(list.line(i));
    }
    // Without 1-2-3 every pair is still met, but the orbit is broken: turning 7-1-2 gives the missing line.
    const ArrivalSpace space = PairsInTriples(filtered, 7);
    OrbitSpace orbits;
    EXPECT_FALSE(orbits.build(space, 0));
}

} // namespace
} // namespace ornal
