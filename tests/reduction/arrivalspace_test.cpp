#include "reduction/arrivalspace.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <set>
#include <string>
#include <vector>

namespace ornal {
namespace {

using Mask = ArrivalSpace::Mask;

// The slow reference: a line's horses read with std::stoi, field by field, and every subset of the horses tried.
Mask ReferenceMask(std::string_view line, const std::vector<int>& horses)
{
    Mask mask = 0;
    std::size_t start = 1;
    for (std::size_t dash = line.find('-', start); dash != std::string_view::npos; dash = line.find('-', start)) {
        const int value = std::stoi(std::string(line.substr(start, dash - start)));
        for (std::size_t h = 0; h < horses.size(); ++h) {
            if (horses[h] == value) {
                mask |= 1u << h;
            }
        }
        start = dash + 1;
    }
    return mask;
}

std::set<Mask> ReferenceArrivals(Mask line, int v, Mask bases, Guarantee g)
{
    std::set<Mask> met;
    for (Mask m = 0; m < (1u << v); ++m) {
        if (std::popcount(m) == g.finishers && (m & bases) == bases && std::popcount(m & line) >= g.inLine) {
            met.insert(m);
        }
    }
    return met;
}

// A list drawn by a fixed linear congruential sequence: lines of 2 to 5 numbers among 1..11, some written "0n",
// some repeated, so that lines hold numbers outside the prediction and duplicate lines occur.
CombinationList DrawnList(unsigned seed, int lines)
{
    CombinationList list;
    unsigned x = seed;
    const auto next = [&x](unsigned n) {
        x = x * 1103515245u + 12345u;
        return (x >> 16) % n;
    };
    for (int i = 0; i < lines; ++i) {
        const unsigned size = 2 + next(4);
        std::string line = "-";
        std::vector<unsigned> used;
        while (used.size() < size) {
            const unsigned n = 1 + next(11);
            if (std::find(used.begin(), used.end(), n) == used.end()) {
                used.push_back(n);
                line += (n < 10 && next(3) == 0 ? "0" : "") + std::to_string(n) + "-";
            }
        }
        list.append(line);
        if (next(5) == 0) {
            list.append(line);
        }
    }
    return list;
}

struct SpaceCase {
    unsigned seed;
    std::vector<int> horses;
    std::vector<int> bases;
    Guarantee guarantee;
};

class ArrivalSpaceTest : public testing::TestWithParam<SpaceCase> { };

TEST_P(ArrivalSpaceTest, AgreesWithBruteForce)
{
    const SpaceCase& c = GetParam();
    const CombinationList list = DrawnList(c.seed, 40);
    const std::vector<double> horses(c.horses.begin(), c.horses.end());
    const std::vector<double> bases(c.bases.begin(), c.bases.end());
    ArrivalSpace space;
    ASSERT_TRUE(space.build(list, horses, bases, c.guarantee));
    const int v = static_cast<int>(c.horses.size());
    Mask baseMask = 0;
    for (int b : c.bases) {
        baseMask |= 1u << (std::find(c.horses.begin(), c.horses.end(), b) - c.horses.begin());
    }

    // Every list line either stands in the space (by its first copy) or meets nothing.
    std::set<Mask> allMet;
    std::set<Mask> seen;
    ArrivalSpace::Index expectedLine = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const Mask mask = ReferenceMask(list.line(i), c.horses);
        const std::set<Mask> met = ReferenceArrivals(mask, v, baseMask, c.guarantee);
        if (met.empty() || !seen.insert(mask).second) {
            continue;
        }
        ASSERT_LT(expectedLine, space.lineCount());
        EXPECT_EQ(space.listIndex(expectedLine), i);
        EXPECT_EQ(space.lineMask(expectedLine), mask);
        std::set<Mask> got;
        for (ArrivalSpace::Index a : space.arrivalsOf(expectedLine)) {
            got.insert(space.arrivalMask(a));
            const auto lines = space.linesOf(a);
            EXPECT_NE(std::find(lines.begin(), lines.end(), expectedLine), lines.end());
        }
        EXPECT_EQ(got, met) << "line " << i;
        allMet.insert(met.begin(), met.end());
        ++expectedLine;
    }
    EXPECT_EQ(space.lineCount(), expectedLine);
    EXPECT_EQ(space.arrivalCount(), allMet.size());
}

INSTANTIATE_TEST_SUITE_P(Table, ArrivalSpaceTest,
    testing::Values(SpaceCase { 1, { 1, 2, 3, 4, 5, 6, 7, 8 }, {}, { 4, 4 } },
        SpaceCase { 2, { 1, 2, 3, 4, 5, 6, 7, 8, 9 }, {}, { 4, 2 } },
        SpaceCase { 3, { 2, 3, 5, 7, 11 }, { 3 }, { 3, 2 } },
        SpaceCase { 4, { 1, 2, 3, 4, 5, 6, 7, 8, 9, 10 }, { 1, 4 }, { 5, 3 } },
        SpaceCase { 5, { 9, 8, 7, 6, 5, 4, 3 }, {}, { 2, 1 } }));

TEST(ArrivalSpace, Refusals)
{
    ArrivalSpace space;
    const std::vector<double> horses { 1, 2, 3, 4 };
    EXPECT_EQ(space.build(CombinationList {}, horses, {}, Guarantee { 2, 2 }).refusal().text(),
        "Liste vide , traitement impossible.");
    // No line holds 2 horses of the prediction.
    const auto none = space.build(MakeList({ "-1-7-", "-8-9-" }), horses, {}, Guarantee { 2, 2 });
    ASSERT_FALSE(none);
    EXPECT_EQ(none.refusal().text(), "Aucune ligne de la liste ne tient 2 des 2 premiers : réduction impossible.");
    const std::vector<double> twice { 1, 2, 01 };
    EXPECT_EQ(space.build(MakeList({ "-1-2-" }), twice, {}, Guarantee { 2, 2 }).refusal().text(),
        "Le cheval 1 figure deux fois dans le jeu.");
    const std::vector<double> stranger { 6 };
    EXPECT_EQ(space.build(MakeList({ "-1-2-" }), horses, stranger, Guarantee { 2, 2 }).refusal().text(),
        "La base 6 n'est pas un cheval du jeu.");
}

} // namespace
} // namespace ornal
