#include "engine/numericvalue.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace ornal {
namespace {

struct NumericCase {
    std::string text;
    double value;
    bool startsWithNumber;
    bool numeric;
};

class NumericValueTest : public testing::TestWithParam<NumericCase> { };

TEST_P(NumericValueTest, ReadsTheNumberAtTheStart)
{
    const NumericCase& c = GetParam();
    EXPECT_EQ(NumericValue(c.text), c.value) << '"' << c.text << '"';
    EXPECT_EQ(StartsWithNumber(c.text), c.startsWithNumber) << '"' << c.text << '"';
    EXPECT_EQ(IsNumeric(c.text), c.numeric) << '"' << c.text << '"';
}

// Values follow the reading rule: blanks skipped, sign, digits, fraction; stop at the first other character.
INSTANTIATE_TEST_SUITE_P(Table, NumericValueTest,
    testing::Values(NumericCase { "5", 5, true, true }, NumericCase { "05", 5, true, true },
        NumericCase { "12", 12, true, true }, NumericCase { "007", 7, true, true }, NumericCase { "", 0, false, false },
        NumericCase { " ", 0, false, false }, NumericCase { "abc", 0, false, false },
        NumericCase { "7abc", 7, true, false }, NumericCase { "  8", 8, true, true },
        NumericCase { " 8 ", 8, true, true }, NumericCase { "\t9", 9, true, false },
        NumericCase { "-3", -3, true, true }, NumericCase { "+4", 4, true, true },
        NumericCase { "2.5", 2.5, true, true }, NumericCase { ".5", 0.5, true, true },
        NumericCase { "5.", 5, true, true }, NumericCase { "-", 0, false, false }, NumericCase { ".", 0, false, false },
        NumericCase { "1e400", 1, true, true }, NumericCase { "1e", 1, true, false },
        NumericCase { "2E-1", 2, true, true }, NumericCase { "12-", 12, true, false },
        NumericCase { "1,5", 1, true, false }, NumericCase { "3 4", 3, true, false },
        NumericCase { "99999", 99999, true, true }, NumericCase { "32768", 32768, true, true },
        NumericCase { "0x10", 0, true, false }, NumericCase { "--5", 0, false, false },
        NumericCase { "8.5", 8.5, true, true }, NumericCase { "1.2.3", 1.2, true, false },
        NumericCase { "é", 0, false, false }));

TEST(NumericValue, VeryLongDigitRunsSaturateInsteadOfFailing)
{
    EXPECT_EQ(NumericValue(std::string(400, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(NumericValue("-" + std::string(400, '9')), -std::numeric_limits<double>::infinity());
    EXPECT_DOUBLE_EQ(NumericValue("0." + std::string(400, '0') + "1"), 0.0);
}

struct RoundCase {
    double value;
    std::optional<std::int16_t> rounded;
};

class RoundToInt16Test : public testing::TestWithParam<RoundCase> { };

TEST_P(RoundToInt16Test, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundToInt16(GetParam().value), GetParam().rounded) << GetParam().value;
}

INSTANTIATE_TEST_SUITE_P(Table, RoundToInt16Test,
    testing::Values(RoundCase { 0.5, 0 }, RoundCase { 1.5, 2 }, RoundCase { 2.5, 2 }, RoundCase { 3.5, 4 },
        RoundCase { -0.5, 0 }, RoundCase { -1.5, -2 }, RoundCase { 2.4999, 2 }, RoundCase { 2.5001, 3 },
        RoundCase { 32767, 32767 }, RoundCase { 32767.4, 32767 }, RoundCase { 32767.5, std::nullopt },
        RoundCase { 32768, std::nullopt }, RoundCase { -32768, -32768 }, RoundCase { -32768.5, -32768 },
        RoundCase { -32768.6, std::nullopt }, RoundCase { 1e300, std::nullopt },
        RoundCase { std::numeric_limits<double>::infinity(), std::nullopt },
        RoundCase { std::numeric_limits<double>::quiet_NaN(), std::nullopt }));

TEST(TrimSpaces, RemovesOnlySpaces)
{
    EXPECT_EQ(TrimSpaces("  8 "), "8");
    EXPECT_EQ(TrimSpaces("   "), "");
    EXPECT_EQ(TrimSpaces(""), "");
    EXPECT_EQ(TrimSpaces("\t8\t"), "\t8\t");
    EXPECT_EQ(TrimSpaces(" a b "), "a b");
}

// The window's toolkit switches the C library to the player's locale; in French the decimal separator is a comma,
// and a locale-dependent conversion would read "8.5" as 8.
TEST(NumericValueLocaleTest, ReadsAFullStopWhateverTheLocale)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool commaLocale = false;
    for (const char* name : { "fr_FR.UTF-8", "fr_FR.utf8", "fr_FR", "de_DE.UTF-8", "de_DE.utf8" }) {
        if (std::setlocale(LC_NUMERIC, name) && std::localeconv()->decimal_point[0] == ',') {
            commaLocale = true;
            break;
        }
    }
    if (!commaLocale) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    }
    const double half = NumericValue("8.5");
    const double small = NumericValue("-0.25");
    const double longNumber = NumericValue("123.125");
    const double comma = NumericValue("2,5");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(half, 8.5);
    EXPECT_EQ(small, -0.25);
    EXPECT_EQ(longNumber, 123.125);
    EXPECT_EQ(comma, 2.0);
}

} // namespace
} // namespace ornal
