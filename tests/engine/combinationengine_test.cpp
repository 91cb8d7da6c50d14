#include "engine/allocation.h"
#include "engine/combinationengine.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace ornal {
namespace {

using Lines = std::vector<std::string>;

// The selection a player makes by picking numbers.size() horses and typing the numbers into the shown boxes.
Selection MakeSelection(const std::vector<std::string>& numbers, const std::string& bet, int baseCount = -1,
    const std::vector<int>& marks = {})
{
    Selection sel;
    sel.horseCountText = std::to_string(numbers.size());
    sel.betSizeText = bet;
    sel.baseCount = static_cast<std::int16_t>(baseCount);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        sel.numbers[i] = numbers[i];
        sel.shown[i] = true;
    }
    for (int mark : marks) {
        sel.marks[mark] = true;
    }
    return sel;
}

Lines Compute(const Selection& sel)
{
    const ComputeResult result = ComputeCombinations(sel);
    EXPECT_EQ(result.status, ComputeResult::Status::Computed) << (result.refusal ? result.refusal->text() : "");
    return LinesOf(result.list);
}

// The worked examples of the program's documentation, line for line.
TEST(ComputeCombinations, TenLinesInBoxOrderWithoutBases)
{
    const ComputeResult result = ComputeCombinations(MakeSelection({ "3", "7", "12", "1", "9" }, "3"));
    EXPECT_EQ(LinesOf(result.list),
        (Lines { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-3-12-1-", "-3-12-9-", "-3-1-9-", "-7-12-1-", "-7-12-9-", "-7-1-9-",
            "-12-1-9-" }));
    EXPECT_EQ(result.selectionText, "-3-7-12-1-9");
    EXPECT_EQ(CountCaption(result.list.size()), "Combinaisons : 10");
    EXPECT_FALSE(result.refusal);
}

TEST(ComputeCombinations, OneBaseStaysAtItsBoxPosition)
{
    EXPECT_EQ(Compute(MakeSelection({ "3", "7", "12", "1", "9" }, "3", 1, { 1 })),
        (Lines { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-12-7-1-", "-12-7-9-", "-1-7-9-" }));
}

TEST(ComputeCombinations, TwoBasesEachAtItsOwnPosition)
{
    EXPECT_EQ(Compute(MakeSelection({ "3", "7", "12", "1", "9", "15" }, "4", 2, { 1, 3 })),
        (Lines { "-3-7-12-1-", "-3-7-9-1-", "-3-7-15-1-", "-12-7-9-1-", "-12-7-15-1-", "-9-7-15-1-" }));
}

TEST(ComputeCombinations, BaseModeWithoutTickedMarkKeepsEveryLine)
{
    EXPECT_EQ(Compute(MakeSelection({ "3", "7", "12", "1", "9" }, "3", 1)).size(), 10u);
}

TEST(ComputeCombinations, FewerMarksThanBaseModeFilterOnlyByTheTickedOnes)
{
    const Lines all = Compute(MakeSelection({ "3", "7", "12", "1", "9" }, "3"));
    Lines holdingThree;
    std::copy_if(all.begin(), all.end(), std::back_inserter(holdingThree),
        [](const std::string& line) { return line.rfind("-3-", 0) == 0; });
    EXPECT_EQ(Compute(MakeSelection({ "3", "7", "12", "1", "9" }, "3", 2, { 0 })), holdingThree);
}

TEST(ComputeCombinations, MarksAreIgnoredWithoutBaseMode)
{
    EXPECT_EQ(Compute(MakeSelection({ "3", "7", "12", "1", "9" }, "3", -1, { 1 })).size(), 10u);
}

TEST(ComputeCombinations, NumbersKeepTheirTextsExactly)
{
    EXPECT_EQ(Compute(MakeSelection({ "05", "7", " 3" }, "2")), (Lines { "-05-7-", "-05- 3-", "-7- 3-" }));
    EXPECT_EQ(ComputeCombinations(MakeSelection({ "05", "7", " 3" }, "2")).selectionText, "-05-7-3");
}

TEST(ComputeCombinations, EqualHorseAndBetCountsGiveOneLine)
{
    EXPECT_EQ(Compute(MakeSelection({ "4", "8", "15", "16" }, "4")), (Lines { "-4-8-15-16-" }));
}

TEST(ComputeCombinations, HorseCountBelowBetSizeGivesAnEmptyList)
{
    Selection sel = MakeSelection({ "4", "8", "15", "16", "23", "42" }, "7");
    const ComputeResult result = ComputeCombinations(sel);
    EXPECT_EQ(result.status, ComputeResult::Status::Computed);
    EXPECT_TRUE(result.list.empty());
    EXPECT_EQ(CountCaption(result.list.size()), "Combinaisons : 0");
}

TEST(ComputeCombinations, TwoRunsGiveTheSameList)
{
    const Selection sel = MakeSelection({ "1", "2", "3", "4", "5", "6", "7", "8" }, "5", 1, { 2 });
    EXPECT_EQ(ComputeCombinations(sel).list, ComputeCombinations(sel).list);
}

struct RefusalCase {
    std::string name;
    Selection sel;
    ComputeResult::Status status;
    std::string message;
    MessageIcon icon;
    int box;
    std::string selectionText;
};

class RefusalTest : public testing::TestWithParam<RefusalCase> { };

TEST_P(RefusalTest, StopsWithTheMessageAndTheBoxToShow)
{
    const RefusalCase& c = GetParam();
    const ComputeResult result = ComputeCombinations(c.sel);
    EXPECT_EQ(result.status, c.status);
    ASSERT_TRUE(result.refusal);
    EXPECT_EQ(result.refusal->text(), c.message);
    EXPECT_EQ(result.refusal->message.icon, c.icon);
    EXPECT_EQ(result.refusal->message.title, "Programme Ornal");
    EXPECT_EQ(result.box, c.box);
    EXPECT_EQ(result.selectionText, c.selectionText);
    EXPECT_TRUE(result.list.empty());
}

Selection WithHorseCount(Selection sel, const std::string& horses)
{
    sel.horseCountText = horses;
    return sel;
}

const std::vector<std::string> kFive = { "3", "7", "12", "1", "9" };

INSTANTIATE_TEST_SUITE_P(Table, RefusalTest,
    testing::Values(RefusalCase { "BlankBetSize", MakeSelection(kFive, " "), ComputeResult::Status::NoBetSize,
                        "Vous devez choisir un type de jeu.", MessageIcon::Information, -1, "" },
        RefusalCase { "ClickRightAfterStart", Selection {}, ComputeResult::Status::NoBetSize,
            "Vous devez choisir un type de jeu.", MessageIcon::Information, -1, "" },
        RefusalCase { "LetterBetSize", MakeSelection(kFive, "abc"), ComputeResult::Status::NoBetSize,
            "Vous devez choisir un type de jeu.", MessageIcon::Information, -1, "" },
        // Mended: a bet size below 1 recursed without end, one beyond 16 bits was undefined.
        RefusalCase { "NegativeBetSize", MakeSelection(kFive, "-3"), ComputeResult::Status::NoBetSize,
            "Vous devez choisir un type de jeu.", MessageIcon::Information, -1, "" },
        RefusalCase { "BetSizeRoundingToZero", MakeSelection(kFive, "0.4"), ComputeResult::Status::NoBetSize,
            "Vous devez choisir un type de jeu.", MessageIcon::Information, -1, "" },
        RefusalCase { "HugeBetSize", MakeSelection(kFive, "99999"), ComputeResult::Status::NoBetSize,
            "Vous devez choisir un type de jeu.", MessageIcon::Information, -1, "" },
        RefusalCase { "EmptyThirdBox", MakeSelection({ "3", "7", "", "1", "9" }, "3"), ComputeResult::Status::EmptyBox,
            "Entrez un Numéro.", MessageIcon::None, 2, "-3-7-" },
        RefusalCase { "BlankBox", MakeSelection({ "3", "  ", "1" }, "2"), ComputeResult::Status::EmptyBox,
            "Entrez un Numéro.", MessageIcon::None, 1, "-3-" },
        RefusalCase { "RepeatedSeven", MakeSelection({ "3", "7", "12", "7" }, "3"), ComputeResult::Status::DuplicateBox,
            "Numéro déjà saisi.", MessageIcon::None, 3, "-3-7-12-7" },
        RefusalCase { "LeadingZeroRepeatsFive", MakeSelection({ "5", "12", "05", "9" }, "3"),
            ComputeResult::Status::DuplicateBox, "Numéro déjà saisi.", MessageIcon::None, 2, "-5-12-05" },
        // Mended: "-3" from the command line made lines such as "-1--3-", whose fields the filters and the
        // shuffle split in the wrong places.
        RefusalCase { "SeparatorInBox", MakeSelection({ "1", "-3", "4" }, "2"), ComputeResult::Status::SeparatorInBox,
            "Entrez un Numéro.", MessageIcon::None, 1, "-1--3" },
        RefusalCase { "SeparatorInsideBox", MakeSelection({ "1", "2", "3-4" }, "2"),
            ComputeResult::Status::SeparatorInBox, "Entrez un Numéro.", MessageIcon::None, 2, "-1-2-3-4" },
        // Mended: a line break in a number split one combination into two lines of every one-line output.
        RefusalCase { "LineBreakInBox", MakeSelection({ "1", "3\n", "4" }, "2"), ComputeResult::Status::SeparatorInBox,
            "Entrez un Numéro.", MessageIcon::None, 1, "-1-3\n" },
        RefusalCase { "CarriageReturnInBox", MakeSelection({ "1", "2", "x\r4" }, "2"),
            ComputeResult::Status::SeparatorInBox, "Entrez un Numéro.", MessageIcon::None, 2, "-1-2-x\r4" },
        RefusalCase { "TabInBox", MakeSelection({ "\t1", "2" }, "2"), ComputeResult::Status::SeparatorInBox,
            "Entrez un Numéro.", MessageIcon::None, 0, "-\t1" },
        RefusalCase { "DeleteInBox", MakeSelection({ "1", "2\x7f" }, "2"), ComputeResult::Status::SeparatorInBox,
            "Entrez un Numéro.", MessageIcon::None, 1, "-1-2\x7f" },
        // An empty box is reported before a later duplicate: boxes are examined one after the other.
        RefusalCase { "EmptyBeforeDuplicate", MakeSelection({ "5", "", "5" }, "2"), ComputeResult::Status::EmptyBox,
            "Entrez un Numéro.", MessageIcon::None, 1, "-5-" },
        // Mended: a horse count typed over the picked one made the enumeration read hidden boxes.
        RefusalCase { "TypedHorseCountAboveShownBoxes", WithHorseCount(MakeSelection(kFive, "3"), "8"),
            ComputeResult::Status::InvalidChoice, "Choix invalide.", MessageIcon::None, -1, "-3-7-12-1-9" },
        RefusalCase { "HorseCountPastTwenty", WithHorseCount(MakeSelection(kFive, "3"), "25"),
            ComputeResult::Status::InvalidChoice, "Choix invalide.", MessageIcon::None, -1, "-3-7-12-1-9" },
        RefusalCase { "HorseCountBeyondSixteenBits", WithHorseCount(MakeSelection(kFive, "3"), "99999999"),
            ComputeResult::Status::InvalidChoice, "Choix invalide.", MessageIcon::None, -1, "-3-7-12-1-9" }),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

// The horse count 8.5 shows nine boxes; 8.5 - 4 = 4.5 rounds to 4, so boxes 0 to 7 are combined.
TEST(ComputeCombinations, FractionalHorseCountRoundsTheLastStartEven)
{
    Selection sel = MakeSelection({ "1", "2", "3", "4", "5", "6", "7", "8", "9" }, "4");
    sel.horseCountText = "8.5";
    EXPECT_EQ(Compute(sel).size(), 70u);
    sel.betSizeText = "5"; // 8.5 - 5 = 3.5 rounds to 4: boxes 0 to 8
    EXPECT_EQ(Compute(sel).size(), 126u);
}

// An independent reading of the line rules: tuples in lexicographic order from a selector vector, a base in box i at
// position i and the other numbers in box order around them.
Lines ReferenceLines(const std::vector<std::string>& numbers, int k, const std::vector<int>& bases)
{
    Lines lines;
    const int n = static_cast<int>(numbers.size());
    if (n < k) {
        return lines;
    }
    std::vector<bool> chosen(static_cast<std::size_t>(n), false);
    std::fill(chosen.begin(), chosen.begin() + k, true);
    do {
        std::vector<int> tuple;
        for (int i = 0; i < n; ++i) {
            if (chosen[i]) {
                tuple.push_back(i);
            }
        }
        if (!std::all_of(bases.begin(), bases.end(), [&](int b) { return chosen[b]; })) {
            continue;
        }
        std::vector<int> slots(static_cast<std::size_t>(k), -1);
        for (int b : bases) {
            slots[b] = b;
        }
        auto other = tuple.begin();
        for (int& slot : slots) {
            if (slot < 0) {
                while (std::find(bases.begin(), bases.end(), *other) != bases.end()) {
                    ++other;
                }
                slot = *other++;
            }
        }
        std::string line = "-";
        for (int box : slots) {
            line += numbers[box] + "-";
        }
        lines.push_back(line);
    } while (std::prev_permutation(chosen.begin(), chosen.end()));
    return lines;
}

// Every horse count 4 to 20, bet size 2 to 7 and base count 0 to 3: the count C(N, k) or C(N - b, k - b), and the
// lines in the order and arrangement of the reference.
TEST(ComputeCombinations, CountsAndOrderForEverySelection)
{
    for (int n = 4; n <= 20; ++n) {
        std::vector<std::string> numbers;
        for (int i = 0; i < n; ++i) {
            numbers.push_back(std::to_string((i * 7) % 20 + 1));
        }
        for (int k = 2; k <= 7; ++k) {
            for (int b = 0; b <= std::min(3, k); ++b) {
                std::vector<int> bases; // spread over the boxes below k, highest first
                for (int j = 0; j < b; ++j) {
                    bases.push_back(k - 1 - 2 * j >= 0 ? k - 1 - 2 * j : j);
                }
                std::sort(bases.begin(), bases.end());
                bases.erase(std::unique(bases.begin(), bases.end()), bases.end());
                const int baseCount = static_cast<int>(bases.size());
                const Lines lines = Compute(MakeSelection(numbers, std::to_string(k), b == 0 ? -1 : b, bases));
                ASSERT_EQ(lines.size(), Binomial(n - baseCount, k - baseCount)) << n << ' ' << k << ' ' << b;
                if (n <= 14 || k <= 4) {
                    ASSERT_EQ(lines, ReferenceLines(numbers, k, bases)) << n << ' ' << k << ' ' << b;
                }
                ASSERT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), lines.size());
            }
        }
    }
}

TEST(ComputeCombinations, LargestListFitsItsMemoryBudget)
{
    std::vector<std::string> numbers;
    for (int i = 1; i <= 20; ++i) {
        numbers.push_back(std::to_string(i));
    }
    const ComputeResult result = ComputeCombinations(MakeSelection(numbers, "7"));
    ASSERT_EQ(result.list.size(), 77520u);
    EXPECT_EQ(result.list.line(0), "-1-2-3-4-5-6-7-");
    EXPECT_EQ(result.list.line(77519), "-14-15-16-17-18-19-20-");
    EXPECT_LE(result.list.memoryBytes(), 2'500'000u);
}

// The preload can put texts of any length into the boxes: a list that would run into gigabytes is refused before
// it is built, while long texts in a list of reasonable size are still combined.
TEST(ComputeCombinations, RefusesAListTooLargeToHold)
{
    std::vector<std::string> numbers;
    for (int i = 1; i <= 20; ++i) {
        numbers.push_back(std::to_string(i) + std::string(400, 'x')); // 77,520 lines of about 2.8 kB: 218 MB
    }
    const ComputeResult refused = ComputeCombinations(MakeSelection(numbers, "7"));
    EXPECT_EQ(refused.status, ComputeResult::Status::InvalidChoice);
    ASSERT_TRUE(refused.refusal.has_value());
    EXPECT_EQ(refused.refusal->text(), "Choix invalide.");
    EXPECT_TRUE(refused.list.empty());

    for (std::string& number : numbers) {
        number.resize(number.size() - 380); // about 160 bytes a line, 12 MB in all
    }
    EXPECT_EQ(ComputeCombinations(MakeSelection(numbers, "7")).list.size(), 77520u);

    const std::vector<std::string> fourLong { "1" + std::string(100'000, 'x'), "2" + std::string(100'000, 'x'),
        "3" + std::string(100'000, 'x'), "4" + std::string(100'000, 'x') };
    const ComputeResult few = ComputeCombinations(MakeSelection(fourLong, "2"));
    ASSERT_EQ(few.list.size(), 6u);
    EXPECT_EQ(few.list.line(5), "-" + fourLong[2] + "-" + fourLong[3] + "-");
}

TEST(CountCaption, PlainDecimalAfterTheLabel)
{
    EXPECT_EQ(CountCaption(0), "Combinaisons : 0");
    EXPECT_EQ(CountCaption(120), "Combinaisons : 120");
    EXPECT_EQ(CountCaption(77520), "Combinaisons : 77520");
}

} // namespace
} // namespace ornal

namespace ornal {
namespace {

TEST(TryAllocating, GivesTheResultOrNothingWhenMemoryRunsShort)
{
    EXPECT_EQ(TryAllocating([] { return 7; }), std::optional<int>(7));
    EXPECT_EQ(TryAllocating([]() -> int { throw std::bad_alloc(); }), std::nullopt);
}

} // namespace
} // namespace ornal
