#include "coveringcheck.h"
#include "engine/combinationengine.h"
#include "reduction/designlibrary.h"
#include "reduction/reducer.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <chrono>
#include <numeric>
#include <string>
#include <utility>
#include <vector>

namespace ornal {
namespace {

using namespace std::chrono_literals;

// The Fano plane on horses 0..6: the lines {i, i+1, i+3} mod 7, which hold each of the 21 pairs once.
const std::string kFano = "7 3 2 2 7 5 12 0b0m1c2o1h3225";
// The masks of those lines, two digits of base 32 each: 0b (11 = horses 0, 1, 3), 0m (22), 1c (44), 2o (88), 1h (49),
// 32 (98), 25 (69).
// The same with its last line 0-2-6 moved to 0-1-2 (07): the pairs 0-6 and 2-6 are met by no line.
const std::string kSpoiledFano = "7 3 2 2 7 5 12 0b0m1c2o1h3207";
// Every triple of 0..6 but one: a covering of the pairs, far from the fewest.
std::string AllTriplesButOne()
{
    std::string line = "7 3 2 2 34 1 0 ";
    int written = 0;
    for (std::uint32_t m = 0; m < 128; ++m) {
        if (std::popcount(m) == 3 && written++ < 34) {
            line += DesignMaskDigits(m, 7);
        }
    }
    return line;
}

TEST(DesignLibrary, ReadsWholeLinesAndIgnoresTheOthers)
{
    const std::vector<std::string> bad {
        "7 3 2 2 7 5 12 0b0m1c2o1h32", // one line short of its size
        "7 3 2 2 7 5 12 0b0m1c2o1h322507", // one line more
        "7 3 2 2 7 5 12 0b0m1c2o1h322", // half a line more
        "7 3 2 2 7 5 12 0b0m1c2o1h322w", // not a digit of base 32
        "7 3 2 2 7 5 12 0b0m1c2o 1h3225", // the masks split by a blank
        "7 3 2 2 7 5 12 0b0m1c2o1h32-5", // a sign
        "7 3 2 2 7 5 12 0b0m1c2o1h320f", // a line of four horses
        "7 3 2 2 7 5 12 0b0m1c2o1h3245", // horse 7 among seven horses
        "7 3 2 2 7 5 12 0b0m1c2o1h0b0b", // a line twice
        "7 3 2 3 7 5 12 0b0m1c2o1h3225", // t above p
        "21 3 2 2 7 5 12 0b0m1c2o1h3225", // too many horses
        "7 3 2 2 -7 5 12 0b0m1c2o1h3225", // a negative size
        "7 3 2 2", // fields missing
        "garbage",
    };
    std::string text = "# a comment\n\n" + kFano + "\r\n";
    for (const std::string& line : bad) {
        text += line + "\n";
    }
    text += AllTriplesButOne(); // the last line without its end of line
    const DesignLibrary library = DesignLibrary::Parse(text);
    EXPECT_EQ(library.size(), 2u);
    EXPECT_EQ(library.ignoredLines(), bad.size());
    const std::vector<const StoredDesign*> fano = library.designsFor(7, 3, 2, 2);
    ASSERT_EQ(fano.size(), 2u);
    EXPECT_EQ(fano[0]->lines, (std::vector<std::uint32_t> { 0xb, 0x16, 0x2c, 0x58, 0x31, 0x62, 0x45 }));
    EXPECT_EQ(fano[0]->seed, 5u);
    EXPECT_EQ(fano[0]->millis, 12u);
    EXPECT_EQ(fano[1]->lines.size(), 34u);
    EXPECT_TRUE(library.designsFor(7, 3, 3, 3).empty());
}

// Masks worked out by hand: 127 = 3 * 32 + 31, 2^19 = 16 * 32^3, twenty horses take four digits.
TEST(DesignLibrary, WritesAMaskAsItsDigitsOfBase32)
{
    struct Case {
        std::uint32_t mask;
        int v;
        const char* digits;
    };
    for (const Case& c : { Case { 0x7f, 7, "3v" }, Case { 0x1f, 5, "v" }, Case { 0x3, 5, "3" }, Case { 0xb, 7, "0b" },
             Case { 1u << 19, 20, "g000" }, Case { 0xfffff, 20, "vvvv" }, Case { 0x1c00, 16, "0700" } }) {
        EXPECT_EQ(DesignMaskDigits(c.mask, c.v), c.digits) << c.mask;
    }
}

// The lines of list holding its numbers as the engine writes them.
CombinationList Lines(int v, int k, const std::vector<int>& numbers, const std::vector<int>& mustHold = {})
{
    CombinationList list;
    for (std::uint32_t m = 0; m < (1u << v); ++m) {
        if (std::popcount(m) != k) {
            continue;
        }
        bool holds = true;
        for (int h : mustHold) {
            holds = holds && ((m >> h) & 1);
        }
        if (!holds) {
            continue;
        }
        std::string line = "-";
        for (int h = 0; h < v; ++h) {
            line += (m >> h) & 1 ? std::to_string(numbers[static_cast<std::size_t>(h)]) + "-" : "";
        }
        list.append(line);
    }
    return list;
}

struct LibraryCase {
    const char* name;
    std::string libraryText;
    std::size_t answer; // lines kept at once (no search), 0 when the library must not be used
};

class LibraryReductionTest : public testing::TestWithParam<LibraryCase> { };

// A request answered from library alone: no time to search on.
ReductionRequest LibraryRequest(
    const CombinationList& list, std::vector<double> horses, Guarantee guarantee, const DesignLibrary& library)
{
    ReductionRequest request;
    request.list = &list;
    request.horses = std::move(horses);
    request.guarantee = guarantee;
    request.timeLimit = 0ms;
    request.library = &library;
    return request;
}

// Seven horses numbered 3, 5, 8, 9, 11, 12, 14, pairs in triples: the Fano plane relabelled to them answers at once
// (no time to search), checked by a slow count; a spoiled plane is passed over for the next design, or for the
// greedy reduction when none is left.
TEST_P(LibraryReductionTest, RelabelsAndChecksTheDesign)
{
    const std::vector<int> numbers { 3, 5, 8, 9, 11, 12, 14 };
    const CombinationList list = Lines(7, 3, numbers);
    const DesignLibrary library = DesignLibrary::Parse(GetParam().libraryText);
    ReductionRequest request = LibraryRequest(list, { 3, 5, 8, 9, 11, 12, 14 }, Guarantee { 2, 2 }, library);
    const ReductionOutcome outcome = Reduce(request);
    ASSERT_TRUE(outcome.ok());
    const ReductionResult& r = *outcome;
    EXPECT_EQ(r.librarySize, GetParam().answer);
    EXPECT_EQ(r.kept.size(), GetParam().answer != 0 ? GetParam().answer : r.greedySize);
    std::vector<std::string> kept = LinesOf(KeptLines(list, r.kept));
    // The slow count reads numbers as bits: 3..14 fit.
    std::uint32_t unmet = 0;
    for (std::size_t a = 0; a < numbers.size(); ++a) {
        for (std::size_t b = a + 1; b < numbers.size(); ++b) {
            const std::uint32_t pair = (1u << numbers[a]) | (1u << numbers[b]);
            unmet += std::none_of(
                kept.begin(), kept.end(), [&](const std::string& line) { return (LineMask(line) & pair) == pair; });
        }
    }
    EXPECT_EQ(unmet, 0u);
    EXPECT_EQ(r.met, 21u);
}

INSTANTIATE_TEST_SUITE_P(Table, LibraryReductionTest,
    testing::Values(LibraryCase { "Fano", kFano + "\n", 7 },
        LibraryCase { "SpoiledFanoThenFano", kSpoiledFano + "\n" + kFano + "\n", 7 },
        LibraryCase { "SpoiledFanoAlone", kSpoiledFano + "\n", 0 },
        // A smaller line for the case that does not read whole is never tried.
        LibraryCase { "CorruptedLineThenFano", "7 3 2 2 6 1 0 0b0m1c2o1h3z\n" + kFano + "\n", 7 },
        LibraryCase { "CorruptedLineAlone", "7 3 2 2 6 1 0 0b0m1c2o1h3z\n", 0 },
        LibraryCase { "OnlyAnotherCase", "7 3 3 3 35 1 0\n", 0 }),
    [](const testing::TestParamInfo<LibraryCase>& info) { return std::string(info.param.name); });

// The design is reported before anything else, with the lower bound of its case: for the Fano plane, Schönheim's 7.
TEST(LibraryReduction, TheFirstReportIsTheDesign)
{
    const CombinationList list = Lines(7, 3, { 1, 2, 3, 4, 5, 6, 7 });
    const DesignLibrary library = DesignLibrary::Parse(kFano);
    ReductionRequest request = LibraryRequest(list, { 1, 2, 3, 4, 5, 6, 7 }, Guarantee { 2, 2 }, library);
    std::vector<ReductionProgress> reports;
    const ReductionOutcome outcome = Reduce(request, {}, [&](const ReductionProgress& p) { reports.push_back(p); });
    ASSERT_TRUE(outcome.ok());
    ASSERT_FALSE(reports.empty());
    EXPECT_EQ(reports.front().bestSize, 7u);
    EXPECT_EQ(reports.front().bound, 7u);
    EXPECT_EQ(reports.back().bound, outcome->bound);
    EXPECT_TRUE(outcome->boundReached);
}

// Base 1 among horses 1..8, lines of four holding it: a triple holding 1 lies in a line when its other pair does,
// so the case is the pairs of the seven others in triples, the Fano plane again, relabelled onto horses 2..8.
TEST(LibraryReduction, ABaseTurnsTheCaseIntoASmallerOne)
{
    const CombinationList list = Lines(8, 4, { 1, 2, 3, 4, 5, 6, 7, 8 }, { 0 });
    ASSERT_EQ(list.size(), 35u);
    const DesignLibrary library = DesignLibrary::Parse(kFano);
    ReductionRequest request = LibraryRequest(list, { 1, 2, 3, 4, 5, 6, 7, 8 }, Guarantee { 3, 3 }, library);
    request.bases = { 1 };
    const ReductionOutcome outcome = Reduce(request);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->librarySize, 7u);
    const std::vector<std::string> kept = LinesOf(KeptLines(list, outcome->kept));
    EXPECT_EQ(kept.size(), 7u);
    EXPECT_EQ(UnmetArrivals(kept, 8, 3, 3, 1u << 1), 0);
}

// Horse 8 removed from eight: the list is every triple of the seven left, and the library's plane covers their pairs;
// the 7 pairs holding 8 are outside the guarantee. Were the list missing one more line, it would not be full.
TEST(LibraryReduction, TheFullListOfTheHorsesLeft)
{
    const DesignLibrary library = DesignLibrary::Parse(kFano);
    const CombinationList list = Lines(7, 3, { 1, 2, 3, 4, 5, 6, 7 });
    ReductionRequest request = LibraryRequest(list, { 1, 2, 3, 4, 5, 6, 7, 8 }, Guarantee { 2, 2 }, library);
    const ReductionOutcome outcome = Reduce(request);
    ASSERT_TRUE(outcome.ok());
    EXPECT_EQ(outcome->librarySize, 7u);
    EXPECT_EQ(outcome->outside, 7u);
    EXPECT_EQ(UnmetArrivals(LinesOf(KeptLines(list, outcome->kept)), 7, 2, 2), 0);

    CombinationList lessOne;
    for (CombinationList::Count i = 1; i < list.size(); ++i) {
        lessOne.append(list.line(i));
    }
    request.list = &lessOne;
    EXPECT_EQ(Reduce(request)->librarySize, 0u);
}

// A stop that comes once the design is answered (a dialog closed at once) ends the reduction on the design, with the
// same lines and counts as an answer from the design alone, and without waiting for the arrivals to be built.
struct StoppedCase {
    const char* name;
    std::vector<int> lineHorses; // the horses the list's lines use
    std::vector<double> horses; // the prediction's
    std::vector<double> bases;
    int k;
    Guarantee guarantee;
};

class StoppedOnTheDesignTest : public testing::TestWithParam<StoppedCase> { };

TEST_P(StoppedOnTheDesignTest, AnswersWithTheDesignAsIfUnstopped)
{
    const StoppedCase& c = GetParam();
    std::vector<int> baseIndexes;
    for (double base : c.bases) {
        baseIndexes.push_back(
            static_cast<int>(std::find(c.lineHorses.begin(), c.lineHorses.end(), base) - c.lineHorses.begin()));
    }
    const CombinationList list = Lines(static_cast<int>(c.lineHorses.size()), c.k, c.lineHorses, baseIndexes);
    const DesignLibrary library = DesignLibrary::Parse(kFano);
    ReductionRequest request = LibraryRequest(list, c.horses, c.guarantee, library);
    request.bases = c.bases;
    const ReductionResult unstopped = Reduce(request).value();
    ASSERT_EQ(unstopped.librarySize, 7u);

    request.timeLimit = 60s;
    std::stop_source stop;
    stop.request_stop();
    const ReductionOutcome outcome = Reduce(request, stop.get_token());
    ASSERT_TRUE(outcome.ok());
    const ReductionResult& r = *outcome;
    EXPECT_EQ(r.kept, unstopped.kept);
    EXPECT_EQ(r.librarySize, 7u);
    EXPECT_EQ(r.greedySize, 0u) << "the arrivals were built after the stop";
    EXPECT_EQ(r.listSize, unstopped.listSize);
    EXPECT_EQ(r.promised, unstopped.promised);
    EXPECT_EQ(r.met, unstopped.met);
    EXPECT_EQ(r.outside, unstopped.outside);
    EXPECT_EQ(r.bound, unstopped.bound);
    EXPECT_EQ(r.boundReached, unstopped.boundReached);
}

INSTANTIATE_TEST_SUITE_P(Table, StoppedOnTheDesignTest,
    testing::Values(StoppedCase { "FanoPlane", { 1, 2, 3, 4, 5, 6, 7 }, { 1, 2, 3, 4, 5, 6, 7 }, {}, 3, { 2, 2 } },
        StoppedCase { "HorsesLeft", { 1, 2, 3, 4, 5, 6, 7 }, { 1, 2, 3, 4, 5, 6, 7, 8 }, {}, 3, { 2, 2 } },
        StoppedCase { "OneBase", { 1, 2, 3, 4, 5, 6, 7, 8 }, { 1, 2, 3, 4, 5, 6, 7, 8 }, { 1 }, 4, { 3, 3 } }),
    [](const testing::TestParamInfo<StoppedCase>& info) { return std::string(info.param.name); });

// The largest list, Multi en 7 of 20 horses: stopped as soon as asked, the built-in design is the answer, and the
// slow count finds every one of the C(20, 4) = 4845 arrivals in its lines.
TEST(LibraryReduction, StoppedOnTheLargestListTheBuiltInDesignAnswers)
{
    std::vector<int> numbers(20);
    std::iota(numbers.begin(), numbers.end(), 1);
    const CombinationList list = Lines(20, 7, numbers);
    ReductionRequest request;
    request.list = &list;
    request.horses.assign(numbers.begin(), numbers.end());
    request.guarantee = Guarantee { 4, 4 };
    request.timeLimit = 60s;
    std::stop_source stop;
    stop.request_stop();
    const ReductionOutcome outcome = Reduce(request, stop.get_token());
    ASSERT_TRUE(outcome.ok());
    EXPECT_GT(outcome->librarySize, 0u);
    EXPECT_EQ(outcome->kept.size(), outcome->librarySize);
    EXPECT_EQ(outcome->greedySize, 0u);
    EXPECT_EQ(outcome->promised, 4845u);
    EXPECT_TRUE(outcome->stoppedEarly);
    EXPECT_EQ(UnmetArrivals(LinesOf(KeptLines(list, outcome->kept)), 20, 4, 4), 0);
}

// The built-in library reads whole: no line of the file is ignored.
TEST(DesignLibrary, TheBuiltInFileHasNoBadLine)
{
    EXPECT_EQ(DesignLibrary::Builtin().ignoredLines(), 0u);
}

// Every design of the built-in file is a covering, counted here one set of p horses at a time apart from the
// reduction's own check, so that a design merged into the file by hand or by a faulty search run fails here rather
// than being quietly ignored for players.
TEST(DesignLibrary, EveryBuiltInDesignCovers)
{
    const DesignLibrary& library = DesignLibrary::Builtin();
    std::size_t checked = 0;
    for (int v = 1; v <= 31; ++v) {
        for (int k = 1; k <= std::min(v, 8); ++k) {
            for (int p = 1; p <= std::min(v, 8); ++p) {
                for (int t = 1; t <= std::min(k, p); ++t) {
                    for (const StoredDesign* design : library.designsFor(v, k, p, t)) {
                        ++checked;
                        int unmet = 0;
                        // The sets of p bits among v, in increasing order (the next mask with as many bits).
                        for (std::uint32_t set = (1u << p) - 1; set < (1u << v);) {
                            unmet += std::none_of(design->lines.begin(), design->lines.end(),
                                [&](std::uint32_t line) { return std::popcount(line & set) >= t; });
                            const std::uint32_t low = set & (~set + 1);
                            const std::uint32_t ripple = set + low;
                            set = ripple | (((set ^ ripple) >> 2) / low);
                        }
                        EXPECT_EQ(unmet, 0) << "C(" << v << "," << k << "," << p << "," << t << ") of "
                                            << design->lines.size() << " lines";
                    }
                }
            }
        }
    }
    EXPECT_EQ(checked, library.size());
}

} // namespace
} // namespace ornal
