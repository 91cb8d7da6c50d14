#include "betting/money.h"
#include "betting/winnings.h"
#include "nobreak.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace ornal {
namespace {

TEST(FormatEuros, WritesFrenchAmounts)
{
    const std::vector<std::pair<std::int64_t, std::string>> cases {
        { 0, "0,00_€" },
        { 5, "0,05_€" },
        { 11200, "112,00_€" },
        { 123450, "1_234,50_€" },
        { 100000000, "1_000_000,00_€" },
        { 99999, "999,99_€" },
        { -300, "-3,00_€" },
        { -123450, "-1_234,50_€" },
        // The most negative amount has no positive counterpart in 64 bits.
        { std::numeric_limits<std::int64_t>::min(), "-92_233_720_368_547_758,08_€" },
    };
    for (const auto& [cents, text] : cases) {
        EXPECT_EQ(FormatEuros(cents), NoBreak(text)) << cents;
    }
}

struct ParseCase {
    std::string text;
    std::int64_t cents; // -1 when refused
    std::string message;
};

class ParseEurosTest : public testing::TestWithParam<ParseCase> { };

TEST_P(ParseEurosTest, ReadsCentsOrRefuses)
{
    const ParseCase& c = GetParam();
    const Result<std::int64_t> outcome = ParseEuros(NoBreak(c.text));
    if (c.cents >= 0) {
        ASSERT_TRUE(outcome.ok()) << outcome.refusal().text();
        EXPECT_EQ(*outcome, c.cents);
    } else {
        ASSERT_FALSE(outcome.ok());
        EXPECT_EQ(outcome.refusal().text(), NoBreak(c.message));
    }
}

const std::string kInvalid = "Montant invalide : entrez par exemple 2,50.";
const std::string kTooLarge = "Le montant dépasse 100_000,00_€.";

INSTANTIATE_TEST_SUITE_P(Table, ParseEurosTest,
    testing::Values(ParseCase { "2,50", 250, "" }, ParseCase { "2.50", 250, "" }, ParseCase { "2", 200, "" },
        ParseCase { " 3,5 ", 350, "" }, ParseCase { "0,05", 5, "" }, ParseCase { ",5", 50, "" },
        ParseCase { "007", 700, "" }, ParseCase { "2,50_€", 250, "" }, ParseCase { "100000", 10000000, "" },
        ParseCase { "0", 0, "" }, ParseCase { "100000,01", -1, kTooLarge },
        ParseCase { "99999999999999999999999", -1, kTooLarge },
        ParseCase { "-2", -1, "Le montant ne peut pas être négatif." },
        ParseCase { "2,505", -1, "Le montant a plus de deux décimales." },
        ParseCase { "", -1, "Entrez un montant en euros." }, ParseCase { "   ", -1, "Entrez un montant en euros." },
        ParseCase { "2a", -1, kInvalid }, ParseCase { "deux", -1, kInvalid }, ParseCase { "2,", -1, kInvalid },
        ParseCase { "1,2,3", -1, kInvalid },
        // Thousands apart, as the program writes them (no-break space) or as a player types them.
        ParseCase { "1_234", 123400, "" }, ParseCase { "1 250,40", 125040, "" }, ParseCase { "1_250,40_€", 125040, "" },
        ParseCase { "1\xE2\x80\xAF"
                    "250,40\xE2\x80\xAF€",
            125040, "" },
        ParseCase { "1250,40", 125040, "" }, ParseCase { "1250.40", 125040, "" }, ParseCase { "100 000", 10000000, "" },
        ParseCase { "99 999,99 €", 9999999, "" }, ParseCase { "100 000,01", -1, kTooLarge },
        // A blank anywhere but between groups of three is a slip, not a separator.
        ParseCase { "12 50", -1, kInvalid }, ParseCase { "1234 567", -1, kInvalid },
        ParseCase { "1 2345", -1, kInvalid }, ParseCase { "1  250", -1, kInvalid },
        ParseCase { "1 250 ,40", -1, kInvalid }, ParseCase { "1.250,40", -1, kInvalid },
        ParseCase { "2, 50", -1, kInvalid }));

struct StakeCase {
    std::string text;
    std::int64_t cents; // -1 when refused
    std::string message;
};

class ParseStakeTest : public testing::TestWithParam<StakeCase> { };

TEST_P(ParseStakeTest, ReadsAStakeOfOneCentOrMore)
{
    const StakeCase& c = GetParam();
    const Result<std::int64_t> outcome = ParseStake(NoBreak(c.text));
    if (c.cents >= 0) {
        ASSERT_TRUE(outcome.ok()) << outcome.refusal().text();
        EXPECT_EQ(*outcome, c.cents);
    } else {
        ASSERT_FALSE(outcome.ok()) << c.text;
        EXPECT_EQ(outcome.refusal().text(), NoBreak(c.message));
    }
}

const std::string kNoStake = "La mise doit être d'au moins 0,01_€.";

INSTANTIATE_TEST_SUITE_P(Table, ParseStakeTest,
    testing::Values(StakeCase { "0,01", 1, "" }, StakeCase { "1 250,40 €", 125040, "" },
        StakeCase { "100000", 10000000, "" }, StakeCase { "0", -1, kNoStake }, StakeCase { "0,00_€", -1, kNoStake },
        StakeCase { "-2", -1, kNoStake }, StakeCase { " -0,50 ", -1, kNoStake }, StakeCase { "-0", -1, kNoStake },
        StakeCase { "-deux", -1, kInvalid }, StakeCase { "", -1, "Entrez un montant en euros." },
        StakeCase { "100000,01", -1, kTooLarge }));

TEST(ParseEuros, LargerCeilingForRapports)
{
    EXPECT_EQ(ParseEuros("250000,00", kMaxRapportCents).value(), 25000000);
    EXPECT_FALSE(ParseEuros("250000,00").ok());
}

TEST(ComputeWinnings, SumsCountTimesRapport)
{
    // 1 x 500,00 + 2 x 12,00 + 3 x 3,00 = 533,00 €; cost 112,00 €; the class without rapport pays no line.
    const std::vector<CombinationList::Count> counts { 1, 0, 2, 3 };
    const std::vector<std::optional<std::int64_t>> rapports { 50000, std::nullopt, 1200, 300 };
    const Result<Winnings> won = ComputeWinnings(counts, rapports, RapportStakes { 200, 200 }, 11200);
    ASSERT_TRUE(won.ok());
    EXPECT_EQ(won->gainsCents, 53300);
    EXPECT_EQ(won->netCents, 42100);
    EXPECT_FALSE(won->rapportMissing);
}

TEST(ComputeWinnings, LossAndMissingRapport)
{
    // Only the bonus 3 is known: 1 x 3,00 € against 112,00 €, and the paying bonus 4 waits for its rapport.
    const std::vector<CombinationList::Count> counts { 0, 0, 2, 1 };
    const std::vector<std::optional<std::int64_t>> rapports { std::nullopt, std::nullopt, std::nullopt, 300 };
    const Result<Winnings> lost = ComputeWinnings(counts, rapports, RapportStakes { 200, 200 }, 11200);
    ASSERT_TRUE(lost.ok());
    EXPECT_EQ(lost->gainsCents, 300);
    EXPECT_EQ(lost->netCents, -10900);
    EXPECT_TRUE(lost->rapportMissing);
    EXPECT_FALSE(
        ComputeWinnings(counts, std::vector<std::optional<std::int64_t>> { -1 }, RapportStakes { 200, 200 }, 0).ok());
}

struct ScaleCase {
    std::string name;
    std::vector<CombinationList::Count> counts;
    std::vector<std::optional<std::int64_t>> rapports;
    RapportStakes stakes;
    std::int64_t gains;
};

class WinningsScaleTest : public testing::TestWithParam<ScaleCase> { };

TEST_P(WinningsScaleTest, RapportsFollowTheStakePlayed)
{
    const ScaleCase& c = GetParam();
    const Result<Winnings> won = ComputeWinnings(c.counts, c.rapports, c.stakes, 1000);
    ASSERT_TRUE(won.ok()) << won.refusal().text();
    EXPECT_EQ(won->gainsCents, c.gains);
    EXPECT_EQ(won->netCents, c.gains - 1000);
}

INSTANTIATE_TEST_SUITE_P(Table, WinningsScaleTest,
    testing::Values(
        // A Quinté+ played at 4,00 € for rapports quoted at 2,00 €: 1 x 1 376,00 € becomes 2 752,00 €.
        ScaleCase { "TwiceTheBase", { 0, 1 }, { std::nullopt, 137600 }, { 400, 200 }, 275200 },
        ScaleCase { "AtTheBase", { 2, 3 }, { 1000, 250 }, { 200, 200 }, 2750 },
        // 3,35 € at 1,50 € for 2,00 €: 251,25 cents, rounded down.
        ScaleCase { "RoundedDown", { 1 }, { 335 }, { 150, 200 }, 251 },
        // Rapports quoted for 1 € on a Multi played at 3,00 €.
        ScaleCase { "QuotedForOneEuro", { 4 }, { 1250 }, { 300, 100 }, 15000 },
        // Half a cent in each class makes one cent in all: the rounding is on the total.
        ScaleCase { "RoundedOnceOnTheTotal", { 1, 1 }, { 1, 1 }, { 100, 200 }, 1 },
        // 77 520 lines at the largest rapport times the largest stake pass 64 bits; divided by the base first, the
        // same figures fit.
        ScaleCase { "LargeWithoutOverflow", { 77520 }, { kMaxRapportCents }, { kMaxAmountCents, kMaxAmountCents },
            77520 * kMaxRapportCents }),
    [](const auto& info) { return info.param.name; });

TEST(ComputeWinnings, RefusesAStakeOrBaseBelowACentAndGainsPastSixtyFourBits)
{
    const std::vector<CombinationList::Count> counts { 77520 };
    const std::vector<std::optional<std::int64_t>> rapports { kMaxRapportCents };
    for (const RapportStakes stakes :
        { RapportStakes { 0, 200 }, RapportStakes { 200, 0 }, RapportStakes { -5, 200 } }) {
        const Result<Winnings> won = ComputeWinnings(counts, rapports, stakes, 0);
        ASSERT_FALSE(won.ok()) << stakes.stakeCents << " " << stakes.baseCents;
        EXPECT_EQ(won.refusal().text(), NoBreak("La mise doit être d'au moins 0,01_€."));
    }
    const Result<Winnings> huge = ComputeWinnings(counts, rapports, RapportStakes { kMaxAmountCents, 1 }, 0);
    ASSERT_FALSE(huge.ok());
    EXPECT_EQ(huge.refusal().text(), "Les gains dépassent ce que le programme sait compter.");
}

} // namespace
} // namespace ornal
