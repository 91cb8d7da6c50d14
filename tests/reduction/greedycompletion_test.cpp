#include "engine/combinationengine.h"
#include "reduction/arrivalspace.h"
#include "reduction/greedycover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <numeric>
#include <set>
#include <string>
#include <vector>

namespace ornal {
namespace {

constexpr int kHorses = 9;

class GreedyCompletionTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        Selection sel;
        sel.horseCountText = std::to_string(kHorses);
        sel.betSizeText = "4";
        for (int i = 0; i < kHorses; ++i) {
            sel.numbers[static_cast<std::size_t>(i)] = std::to_string(i + 1);
            sel.shown[static_cast<std::size_t>(i)] = true;
        }
        m_list = ComputeCombinations(sel).list;
        std::vector<double> horses(kHorses);
        std::iota(horses.begin(), horses.end(), 1.0);
        ASSERT_TRUE(m_space.build(m_list, horses, {}, Guarantee { 3, 3 }));
    }

    // The lines to start from, by name.
    std::vector<ArrivalSpace::Index> start(std::string_view name) const
    {
        const std::vector<ArrivalSpace::Index> greedy = GreedyCover(m_space.meetings());
        if (name == "Nothing") {
            return {};
        }
        if (name == "FirstLinesOfTheList") {
            return { 0, 1, 2, 3, 4 };
        }
        if (name == "GreedyCover") {
            return greedy;
        }
        // Every third line of the greedy cover let go.
        std::vector<ArrivalSpace::Index> thinned;
        for (std::size_t i = 0; i < greedy.size(); ++i) {
            if (i % 3 != 0) {
                thinned.push_back(greedy[i]);
            }
        }
        return thinned;
    }

    CombinationList m_list;
    ArrivalSpace m_space;
};

// Counted on the horses alone, apart from the space's own meetings: every three of the nine horses lie in a line.
TEST_P(GreedyCompletionTest, MeetsEveryArrivalWithNewLinesEachOfUse)
{
    const std::vector<ArrivalSpace::Index> lines = start(GetParam());
    const std::vector<ArrivalSpace::Index> added = GreedyCompletion(m_space.meetings(), lines);

    const std::set<ArrivalSpace::Index> given(lines.begin(), lines.end());
    const std::set<ArrivalSpace::Index> distinct(added.begin(), added.end());
    EXPECT_EQ(distinct.size(), added.size());
    for (ArrivalSpace::Index line : added) {
        EXPECT_FALSE(given.contains(line)) << line;
    }

    std::vector<ArrivalSpace::Mask> masks;
    for (ArrivalSpace::Index line : lines) {
        masks.push_back(m_space.lineMask(line));
    }
    const auto metBefore = [&masks](ArrivalSpace::Mask three) {
        return std::any_of(masks.begin(), masks.end(), [three](ArrivalSpace::Mask m) { return (m & three) == three; });
    };
    for (ArrivalSpace::Index line : added) {
        // Each line added holds some three horses that no line before it held.
        const ArrivalSpace::Mask mask = m_space.lineMask(line);
        bool gains = false;
        for (ArrivalSpace::Mask three = 0; three < (1u << kHorses); ++three) {
            gains = gains || (std::popcount(three) == 3 && (three & mask) == three && !metBefore(three));
        }
        EXPECT_TRUE(gains) << "line " << line << " adds nothing";
        masks.push_back(mask);
    }
    for (ArrivalSpace::Mask three = 0; three < (1u << kHorses); ++three) {
        if (std::popcount(three) == 3) {
            EXPECT_TRUE(metBefore(three)) << three;
        }
    }
    if (std::string_view(GetParam()) == "GreedyCover") {
        EXPECT_TRUE(added.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Starts, GreedyCompletionTest,
    testing::Values("Nothing", "FirstLinesOfTheList", "GreedyCover", "GreedyCoverThinned"),
    [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

} // namespace
} // namespace ornal
