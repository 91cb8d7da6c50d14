#include "betting/chancetexts.h"
#include "nobreak.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

TEST(FormatPercent, TwoDecimalsRoundedWithAComma)
{
    EXPECT_EQ(FormatPercent(0.23414), NoBreak("23,41_%"));
    EXPECT_EQ(FormatPercent(0.23415999), NoBreak("23,42_%"));
    EXPECT_EQ(FormatPercent(0), NoBreak("0,00_%"));
    EXPECT_EQ(FormatPercent(1), NoBreak("100,00_%"));
    EXPECT_EQ(FormatPercent(0.000049), NoBreak("0,00_%"));
    EXPECT_EQ(FormatPercent(0.00005), NoBreak("0,01_%"));
}

TEST(ChanceLines, GainThenEachClassThenLines)
{
    TicketChances chances;
    chances.gain = 0.2341;
    chances.classNames = { "ordre", "désordre", "bonus 4", "bonus 3" };
    chances.bestClass = { 0.0012, 0.0301, 0.0127, 0.1901 };
    chances.expectedPayingLines = 1234.844;
    EXPECT_EQ(ChanceLines(chances),
        (std::vector<std::string> { NoBreak("Probabilité de gain : 23,41_%"), NoBreak("Probabilité ordre : 0,12_%"),
            NoBreak("Probabilité désordre : 3,01_%"), NoBreak("Probabilité bonus 4 : 1,27_%"),
            NoBreak("Probabilité bonus 3 : 19,01_%"), NoBreak("Lignes payées en moyenne : 1_234,84") }));
}

} // namespace
} // namespace ornal
