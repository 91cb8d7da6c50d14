#include "listops/shuffle.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace ornal {
namespace {

std::vector<std::string> Fields(std::string_view line)
{
    std::vector<std::string> fields;
    std::size_t start = 1;
    for (std::size_t end = line.find('-', start); end != std::string_view::npos; end = line.find('-', start)) {
        fields.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
    return fields;
}

CombinationList AllPairsOfTriples()
{
    CombinationList list;
    const char* numbers[] = { "1", "05", "12", "7", "20", "3" };
    for (int a = 0; a < 6; ++a) {
        for (int b = a + 1; b < 6; ++b) {
            for (int c = b + 1; c < 6; ++c) {
                list.append(std::string("-") + numbers[a] + "-" + numbers[b] + "-" + numbers[c] + "-");
            }
        }
    }
    return list;
}

TEST(ShuffleWithinCombinations, EveryLineKeepsItsNumbersAndPlace)
{
    const CombinationList before = AllPairsOfTriples();
    ClockSeededSource random(42);
    const CombinationList after = ShuffleWithinCombinations(before, random);
    ASSERT_EQ(after.size(), before.size());
    bool someLineMoved = false;
    for (CombinationList::Count i = 0; i < before.size(); ++i) {
        const std::string_view line = after.line(i);
        ASSERT_TRUE(line.size() >= 2 && line.front() == '-' && line.back() == '-') << line;
        std::vector<std::string> was = Fields(before.line(i));
        std::vector<std::string> now = Fields(line);
        someLineMoved = someLineMoved || was != now;
        std::sort(was.begin(), was.end());
        std::sort(now.begin(), now.end());
        EXPECT_EQ(was, now) << before.line(i) << " -> " << line;
    }
    EXPECT_TRUE(someLineMoved);
}

// Mended: lines keep their own numbers whatever bet size is shown, so a list of sevens stays whole.
TEST(ShuffleWithinCombinations, LinesOfAnyLengthKeepTheirNumbers)
{
    const CombinationList before = MakeList({ "-1-2-3-4-5-6-7-", "-9-", "-10-11-", "-", "" });
    ClockSeededSource random(7);
    const CombinationList after = ShuffleWithinCombinations(before, random);
    ASSERT_EQ(after.size(), before.size());
    for (CombinationList::Count i = 0; i < before.size(); ++i) {
        EXPECT_EQ(after.line(i).size(), before.line(i).size()) << before.line(i);
        std::vector<std::string> was = Fields(before.line(i));
        std::vector<std::string> now = Fields(after.line(i));
        std::sort(was.begin(), was.end());
        std::sort(now.begin(), now.end());
        EXPECT_EQ(was, now);
    }
    EXPECT_EQ(after.line(1), "-9-");
    EXPECT_EQ(after.line(3), "-");
}

// Lines of typed numbers move their fields as whole words: fields shorter or longer than a word (empty ones, long
// texts a program put in a box), and a line ending on them, must never spill into the line that follows.
TEST(ShuffleWithinCombinations, FieldsOfEveryWidthStayInsideTheirLine)
{
    const CombinationList before
        = MakeList({ "-1--", "-2-3-", "--7-", "-12-", "-1234-5-", "-9--8-", "x-4-05-", "-0-00-000-", "-6-" });
    for (std::uint64_t seed = 1; seed <= 50; ++seed) {
        ClockSeededSource random(seed);
        const CombinationList after = ShuffleWithinCombinations(before, random);
        ASSERT_EQ(after.size(), before.size());
        for (CombinationList::Count i = 0; i < before.size(); ++i) {
            const std::string_view was = before.line(i);
            const std::string_view now = after.line(i);
            ASSERT_EQ(now.size(), was.size()) << was;
            // Up to the first dash a line is not the shuffle's.
            EXPECT_EQ(now.substr(0, was.find('-') + 1), was.substr(0, was.find('-') + 1)) << was << " -> " << now;
            std::vector<std::string> wasFields = Fields(was.substr(was.find('-')));
            std::vector<std::string> nowFields = Fields(now.substr(now.find('-')));
            std::sort(wasFields.begin(), wasFields.end());
            std::sort(nowFields.begin(), nowFields.end());
            EXPECT_EQ(nowFields, wasFields) << "seed " << seed << ": " << was << " -> " << now;
        }
    }
}

// A line followed by enough text is rewritten as one block of bytes, the list's last lines field by field: both
// roads must take the same draws to the same order, and the block must leave the next line as it was. The widths
// around the block's size (31, 32 and 33 bytes from the first dash) and fields too long for a word are there.
TEST(ShuffleWithinCombinations, BlockAndFieldByFieldRoadsDrawTheSameOrders)
{
    const std::string next(40, 'x');
    const char* lines[] = { "-1--", "-2-3-", "--7-", "-1234-5-", "-9--8-", "x-4-05-", "-0-00-000-", "-6-",
        "-13-14-15-16-17-18-19-", "-10-11-12-13-14-15-16-17-18-19-", "-100-101-102-103-104-105-106-10-",
        "-100-101-102-103-104-105-106-107-", "ab-1-2-3-4-5-6-7-8-9-10-11-12-13-" };
    for (const char* line : lines) {
        for (std::uint64_t seed = 1; seed <= 20; ++seed) {
            ClockSeededSource aloneDraws(seed);
            ClockSeededSource followedDraws(seed);
            const CombinationList alone = ShuffleWithinCombinations(MakeList({ line }), aloneDraws);
            const CombinationList followed = ShuffleWithinCombinations(MakeList({ line, next }), followedDraws);
            ASSERT_EQ(followed.size(), 2u);
            EXPECT_EQ(followed.line(0), alone.line(0)) << line << ", seed " << seed;
            EXPECT_EQ(followed.line(1), next) << line << ", seed " << seed;
            EXPECT_EQ(aloneDraws.nextBits(), followedDraws.nextBits()) << line << ", seed " << seed;
        }
    }
}

TEST(ShuffleWithinCombinations, EmptyListStaysEmpty)
{
    ClockSeededSource random(1);
    EXPECT_TRUE(ShuffleWithinCombinations(CombinationList {}, random).empty());
}

// How often each line text comes out of shuffling times copies of line.
std::map<std::string, int> ShuffledCounts(std::string_view line, int times, std::uint64_t seed)
{
    CombinationList list;
    for (int i = 0; i < times; ++i) {
        list.append(line);
    }
    ClockSeededSource random(seed);
    const CombinationList after = ShuffleWithinCombinations(list, random);
    std::map<std::string, int> counts;
    for (CombinationList::Count i = 0; i < after.size(); ++i) {
        ++counts[std::string(after.line(i))];
    }
    return counts;
}

// Chi-square over the six orders of a triple, 60,000 lines, fixed seed: 5 degrees of freedom, the 0.999 quantile is
// 20.5 (standard chi-square table). A biased draw (for example a modulo or an off-by-one position) exceeds it.
TEST(ShuffleWithinCombinations, OrdersAreUniform)
{
    const std::map<std::string, int> counts = ShuffledCounts("-1-2-3-", 60000, 20261207);
    ASSERT_EQ(counts.size(), 6u);
    double chiSquare = 0;
    for (const auto& [order, count] : counts) {
        const double expected = 10000.0;
        chiSquare += (count - expected) * (count - expected) / expected;
    }
    EXPECT_LT(chiSquare, 20.5);
}

TEST(ShuffleWithinCombinations, PairsSwapHalfTheTime)
{
    std::map<std::string, int> counts = ShuffledCounts("-4-8-", 20000, 99);
    const int swapped = counts["-8-4-"];
    EXPECT_EQ(counts["-4-8-"] + swapped, 20000);
    // Binomial(20000, 1/2): the standard deviation is 70.7; 4.5 of them either side.
    EXPECT_NEAR(swapped, 10000, 320);
}

TEST(ClockSeededSource, DrawsStayInTheUnitIntervalAndRunsDiffer)
{
    ClockSeededSource a;
    ClockSeededSource b(123);
    ClockSeededSource c(124);
    bool differ = false;
    for (int i = 0; i < 10000; ++i) {
        const double x = a.next();
        ASSERT_GE(x, 0.0);
        ASSERT_LT(x, 1.0);
        differ = differ || b.next() != c.next();
    }
    EXPECT_TRUE(differ);
}

} // namespace
} // namespace ornal
