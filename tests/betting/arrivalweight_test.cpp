#include "betting/arrivalweight.h"
#include "betting/finishmodel.h"
#include "nobreak.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

namespace ornal {
namespace {

// Odds 2, 4, 8, 8: chances 1/2, 1/4, 1/8, 1/8, their inverses adding up to 1.
const std::vector<Runner> kFour { { 3, 2 }, { 5, 4 }, { 8, 8 }, { 9, 8 } };

TEST(FirstPlacesWeight, ChanceOfTheSetInAnyOrder)
{
    const auto weight = FirstPlacesWeight(kFour);
    // 3 then 5: 1/2 * (1/4) / (1/2) = 1/4; 5 then 3: 1/4 * (1/2) / (3/4) = 1/6.
    EXPECT_DOUBLE_EQ(weight(std::vector<double> { 3, 5 }), 1.0 / 4 + 1.0 / 6);
    EXPECT_DOUBLE_EQ(weight(std::vector<double> { 5, 3 }), 1.0 / 4 + 1.0 / 6);
    // A horse that is not a runner never finishes in front.
    EXPECT_EQ(weight(std::vector<double> { 3, 7 }), 0);
}

TEST(FirstPlacesWeight, EveryPairAddsUpToOne)
{
    // The first two finishers are some pair: over the six pairs of four runners the weights add up to 1.
    const auto weight = FirstPlacesWeight(kFour);
    double sum = 0;
    for (std::size_t i = 0; i < kFour.size(); ++i) {
        for (std::size_t j = i + 1; j < kFour.size(); ++j) {
            sum += weight(
                std::vector<double> { static_cast<double>(kFour[i].number), static_cast<double>(kFour[j].number) });
        }
    }
    EXPECT_NEAR(sum, 1, 1e-15);
}

TEST(WeightedGainLine, BothFiguresTheFrenchWay)
{
    EXPECT_EQ(WeightedGainLine(0.312, 0.27944),
        NoBreak("Probabilité de gain : 31,20_% (27,94_% sans les cotes, au même nombre de lignes)"));
}

} // namespace
} // namespace ornal
