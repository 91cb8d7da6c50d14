#include "reduction/verify.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace ornal {
namespace {

using Count = CombinationList::Count;

std::vector<double> Horses(int v)
{
    std::vector<double> horses(static_cast<std::size_t>(v));
    std::iota(horses.begin(), horses.end(), 1.0);
    return horses;
}

std::vector<Count> All(const CombinationList& list)
{
    std::vector<Count> kept(list.size());
    std::iota(kept.begin(), kept.end(), Count { 0 });
    return kept;
}

// The Fano plane: 7 lines of 3 among 7 horses, every pair in exactly one line, so C(7, 3, 2) = 7.
const CombinationList kFano = MakeList({ "-1-2-4-", "-2-3-5-", "-3-4-6-", "-4-5-7-", "-5-6-1-", "-6-7-2-", "-7-1-3-" });

TEST(Verify, FanoPlaneMeetsEveryPair)
{
    const Result<VerifyReport> verified = Verify(kFano, All(kFano), Horses(7), {}, Guarantee { 2, 2 });
    ASSERT_TRUE(verified.ok());
    const VerifyReport& report = *verified;
    EXPECT_EQ(report.arrivals, 21u); // C(7, 2)
    EXPECT_EQ(report.reachable, 21u);
    EXPECT_EQ(report.met, 21u);
    EXPECT_TRUE(report.holds());
}

TEST(Verify, OneLineShortOfTheFanoPlaneMissesItsThreePairs)
{
    // Each pair lies in one line only: without "-7-1-3-" the pairs 1-3, 1-7 and 3-7 are met by no kept line.
    const std::vector<Count> kept { 0, 1, 2, 3, 4, 5 };
    const VerifyReport report = Verify(kFano, kept, Horses(7), {}, Guarantee { 2, 2 }).value();
    EXPECT_EQ(report.reachable, 21u);
    EXPECT_EQ(report.met, 18u);
    EXPECT_FALSE(report.holds());
}

TEST(Verify, ThreeFinishersOfTheFanoPlane)
{
    // Every pair lies in a line, so each of the 35 triples shares 2 horses with some line.
    const VerifyReport two = Verify(kFano, All(kFano), Horses(7), {}, Guarantee { 3, 2 }).value();
    EXPECT_EQ(two.arrivals, 35u);
    EXPECT_EQ(two.met, 35u);
    // Held whole, only the 7 lines themselves.
    const VerifyReport three = Verify(kFano, All(kFano), Horses(7), {}, Guarantee { 3, 3 }).value();
    EXPECT_EQ(three.arrivals, 35u);
    EXPECT_EQ(three.reachable, 7u);
    EXPECT_TRUE(three.holds());
}

TEST(Verify, PairsInThreeFinishers)
{
    // Horses 1 to 4, pairs 1-2 and 3-4: each of the 4 triples holds one of the two pairs; 1-2 alone is in the
    // triples 1-2-3 and 1-2-4 only.
    const CombinationList list = MakeList({ "-1-2-", "-3-4-" });
    const std::vector<Count> first { 0 };
    const VerifyReport report = Verify(list, first, Horses(4), {}, Guarantee { 3, 2 }).value();
    EXPECT_EQ(report.arrivals, 4u);
    EXPECT_EQ(report.reachable, 4u);
    EXPECT_EQ(report.met, 2u);
}

TEST(Verify, BasesNarrowTheArrivals)
{
    // Base 1 among horses 1 to 5: the arrivals of 3 are 1 with a pair of 2..5, C(4, 2) = 6 of them. The lines
    // 1-2-3-4 and 1-2-3-5 hold 1 with the pairs 23, 24, 34 and 25, 35: all but 4-5.
    const CombinationList list = MakeList({ "-1-2-3-4-", "-1-2-3-5-", "-1-4-5-2-" });
    const std::vector<double> bases { 1 };
    const std::vector<Count> firstTwo { 0, 1 };
    const VerifyReport report = Verify(list, firstTwo, Horses(5), bases, Guarantee { 3, 3 }).value();
    EXPECT_EQ(report.arrivals, 6u);
    EXPECT_EQ(report.reachable, 6u);
    EXPECT_EQ(report.met, 5u);
    const std::vector<Count> withThird { 0, 1, 2 };
    EXPECT_TRUE(Verify(list, withThird, Horses(5), bases, Guarantee { 3, 3 }).value().holds());
}

TEST(Verify, FilteredListLeavesArrivalsOutside)
{
    // Triples of 1..5 without horse 5 left: 4 lines. Of the 10 arrivals of 3, the 6 holding 5 are outside.
    const CombinationList list = MakeList({ "-1-2-3-", "-1-2-4-", "-1-3-4-", "-2-3-4-" });
    const VerifyReport report = Verify(list, All(list), Horses(5), {}, Guarantee { 3, 3 }).value();
    EXPECT_EQ(report.arrivals, 10u);
    EXPECT_EQ(report.reachable, 4u);
    EXPECT_TRUE(report.holds());
}

TEST(Verify, NumbersCompareByValue)
{
    // "05" is horse 5 and "7" is not a horse of the prediction: the line holds 1, 5 and 9.
    const CombinationList list = MakeList({ "-01-05-7-9-" });
    const std::vector<double> horses { 1, 5, 9 };
    const VerifyReport report = Verify(list, All(list), horses, {}, Guarantee { 3, 3 }).value();
    EXPECT_EQ(report.arrivals, 1u);
    EXPECT_EQ(report.met, 1u);
}

TEST(Verify, RefusesWhatMakesNoSense)
{
    EXPECT_FALSE(Verify(kFano, std::vector<Count> { 7 }, Horses(7), {}, Guarantee { 2, 2 }).ok());
    EXPECT_FALSE(Verify(kFano, {}, Horses(7), {}, Guarantee { 2, 3 }).ok());
    EXPECT_FALSE(Verify(kFano, {}, Horses(7), {}, Guarantee { 8, 2 }).ok());
    EXPECT_FALSE(Verify(kFano, {}, Horses(21), {}, Guarantee { 2, 2 }).ok());
    const std::vector<double> stranger { 9 };
    EXPECT_FALSE(Verify(kFano, {}, Horses(7), stranger, Guarantee { 2, 2 }).ok());
}

} // namespace
} // namespace ornal
