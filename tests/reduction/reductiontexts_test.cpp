#include "reduction/reductiontexts.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

const std::string kNbsp = "\u00A0";

TEST(ReductionTexts, ThousandsTakeANoBreakSpace)
{
    EXPECT_EQ(GroupedNumber(0), "0");
    EXPECT_EQ(GroupedNumber(999), "999");
    EXPECT_EQ(GroupedNumber(1000), "1" + kNbsp + "000");
    EXPECT_EQ(GroupedNumber(77520), "77" + kNbsp + "520");
    EXPECT_EQ(GroupedNumber(1234567), "1" + kNbsp + "234" + kNbsp + "567");
}

TEST(ReductionTexts, GuaranteeLine)
{
    EXPECT_EQ(GuaranteeLine(Guarantee { 4, 4 }, 210, 210),
        "Garantie : 4 premiers, 4 dans une ligne : 210 arrivées tenues sur 210");
    EXPECT_EQ(GuaranteeLine(Guarantee { 4, 2 }, 4845, 4845),
        "Garantie : 4 premiers, 2 dans une ligne : 4" + kNbsp + "845 arrivées tenues sur 4" + kNbsp + "845");
    EXPECT_EQ(
        GuaranteeLine(Guarantee { 1, 1 }, 1, 1), "Garantie : 1 premier, 1 dans une ligne : 1 arrivée tenue sur 1");
}

TEST(ReductionTexts, OutsideLine)
{
    EXPECT_EQ(OutsideLine(12), "Hors du jeu : 12 arrivées");
    EXPECT_EQ(OutsideLine(1), "Hors du jeu : 1 arrivée");
    EXPECT_EQ(OutsideLine(0), "Hors du jeu : 0 arrivée");
}

struct ShareCase {
    std::uint64_t met, promised;
    const char* share;
};

// Tenths rounded down: 4 844 of 4 845 is 99,97 % and must not read as a whole guarantee.
TEST(ReductionTexts, CoverageShareInTenthsRoundedDown)
{
    for (const ShareCase& c :
        { ShareCase { 4512, 4845, "93,1" }, ShareCase { 4844, 4845, "99,9" }, ShareCase { 4845, 4845, "100,0" },
            ShareCase { 0, 56, "0,0" }, ShareCase { 28, 56, "50,0" }, ShareCase { 1, 3, "33,3" },
            ShareCase { 2, 3, "66,6" }, ShareCase { 1, 1000, "0,1" }, ShareCase { 1, 1001, "0,0" } }) {
        EXPECT_EQ(CoverageShare(c.met, c.promised), c.share + kNbsp + "%") << c.met << " / " << c.promised;
    }
    EXPECT_EQ(CoverageLine(4512, 4845), "Couverture : 93,1" + kNbsp + "%");
    EXPECT_EQ(PartialGuaranteeLine(4512, 4845),
        "Garantie partielle : 4" + kNbsp + "512 arrivées tenues sur 4" + kNbsp + "845 (93,1" + kNbsp + "%)");
    EXPECT_EQ(PartialGuaranteeLine(1, 56), "Garantie partielle : 1 arrivée tenue sur 56 (1,7" + kNbsp + "%)");
}

TEST(ReductionTexts, DialogAnswer)
{
    EXPECT_EQ(ReductionAnswer(252, 51, 210, 210), "252 lignes → 51 lignes ; garantie tenue pour 210 arrivées sur 210");
    EXPECT_EQ(ReductionAnswer(77520, 198, 4845, 4845),
        "77" + kNbsp + "520 lignes → 198 lignes ; garantie tenue pour 4" + kNbsp + "845 arrivées sur 4" + kNbsp
            + "845");
    EXPECT_EQ(ReductionAnswer(7, 6, 18, 21), "7 lignes → 6 lignes ; garantie non tenue : 18 arrivées sur 21");
}

} // namespace
} // namespace ornal
