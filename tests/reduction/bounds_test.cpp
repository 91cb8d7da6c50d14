#include "reduction/bounds.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

struct SchonheimCase {
    int v, k, t;
    std::uint64_t bound;
};

class SchonheimTest : public testing::TestWithParam<SchonheimCase> { };

TEST_P(SchonheimTest, MatchesTheHandComputation)
{
    const SchonheimCase& c = GetParam();
    EXPECT_EQ(SchonheimBound(c.v, c.k, c.t), c.bound);
}

// Worked by hand from L(v, k, t) = ceil(v / k * L(v - 1, k - 1, t - 1)):
//   C(6,3,2): ceil(6/3 * ceil(5/2)) = 2 * 3 = 6;  C(7,3,2): ceil(7/3 * 3) = 7;
//   C(8,4,3): ceil(8/4 * ceil(7/3 * ceil(6/2))) = 2 * 7 = 14;
//   C(12,5,4): ceil(9/2) = 5, ceil(10/3 * 5) = 17, ceil(11/4 * 17) = 47, ceil(12/5 * 47) = 113;
//   C(10,4,3): ceil(8/2) = 4, ceil(9/3 * 4) = 12, ceil(10/4 * 12) = 30;
//   t = 1: ceil(v / k); t = 0: one line, the empty arrival being met by anything.
INSTANTIATE_TEST_SUITE_P(Table, SchonheimTest,
    testing::Values(SchonheimCase { 6, 3, 2, 6 }, SchonheimCase { 7, 3, 2, 7 }, SchonheimCase { 8, 4, 3, 14 },
        SchonheimCase { 12, 5, 4, 113 }, SchonheimCase { 10, 4, 3, 30 }, SchonheimCase { 10, 3, 1, 4 },
        SchonheimCase { 9, 9, 9, 1 }, SchonheimCase { 5, 2, 0, 1 }, SchonheimCase { 5, 6, 2, 0 },
        SchonheimCase { 5, 2, 3, 0 }));

TEST(PairCoverMinimum, TuranComplementForSmallFields)
{
    // 8 horses, every 4 holding a kept pair: split 3 + 3 + 2, pairs within the parts 3 + 3 + 1 = 7.
    EXPECT_EQ(PairCoverMinimum(8, 4), 7u);
    // Every 3: split 4 + 4, 6 + 6 = 12.
    EXPECT_EQ(PairCoverMinimum(8, 3), 12u);
    // 20 horses, every 4: 7 + 7 + 6, 21 + 21 + 15 = 57; every 3: 10 + 10, 45 + 45 = 90.
    EXPECT_EQ(PairCoverMinimum(20, 4), 57u);
    EXPECT_EQ(PairCoverMinimum(20, 3), 90u);
    // Every 2: each pair is its own arrival.
    EXPECT_EQ(PairCoverMinimum(6, 2), 15u);
    // All v at once: one pair is enough.
    EXPECT_EQ(PairCoverMinimum(6, 6), 1u);
    EXPECT_EQ(PairCoverMinimum(6, 7), 0u);
}

TEST(CountingBound, RoundsUp)
{
    EXPECT_EQ(CountingBound(21, 3), 7u);
    EXPECT_EQ(CountingBound(22, 3), 8u);
    EXPECT_EQ(CountingBound(0, 3), 0u);
}

} // namespace
} // namespace ornal
