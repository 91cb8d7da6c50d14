#include "money.h"
#include "nobreak.h"
#include "winnings.h"

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
    const EurosOutcome outcome = ParseEuros(NoBreak(c.text));
    if (c.cents >= 0) {
        EXPECT_FALSE(outcome.message) << outcome.message->text;
        EXPECT_EQ(outcome.cents, c.cents);
    } else {
        ASSERT_TRUE(outcome.message);
        EXPECT_EQ(outcome.message->text, NoBreak(c.message));
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
        ParseCase { "1,2,3", -1, kInvalid }, ParseCase { "1_234", -1, kInvalid }));

TEST(ParseEuros, LargerCeilingForRapports)
{
    EXPECT_EQ(ParseEuros("250000,00", kMaxRapportCents).cents, 25000000);
    EXPECT_TRUE(ParseEuros("250000,00").message);
}

TEST(ComputeWinnings, SumsCountTimesRapport)
{
    // 1 x 500,00 + 2 x 12,00 + 3 x 3,00 = 533,00 €; cost 112,00 €; the class without rapport pays no line.
    const std::vector<CombinationList::Count> counts { 1, 0, 2, 3 };
    const std::vector<std::optional<std::int64_t>> rapports { 50000, std::nullopt, 1200, 300 };
    const Winnings won = ComputeWinnings(counts, rapports, 11200);
    EXPECT_FALSE(won.message);
    EXPECT_EQ(won.gainsCents, 53300);
    EXPECT_EQ(won.netCents, 42100);
    EXPECT_FALSE(won.rapportMissing);
}

TEST(ComputeWinnings, LossAndMissingRapport)
{
    // Only the bonus 3 is known: 1 x 3,00 € against 112,00 €, and the paying bonus 4 waits for its rapport.
    const std::vector<CombinationList::Count> counts { 0, 0, 2, 1 };
    const std::vector<std::optional<std::int64_t>> rapports { std::nullopt, std::nullopt, std::nullopt, 300 };
    const Winnings lost = ComputeWinnings(counts, rapports, 11200);
    EXPECT_EQ(lost.gainsCents, 300);
    EXPECT_EQ(lost.netCents, -10900);
    EXPECT_TRUE(lost.rapportMissing);
    EXPECT_TRUE(ComputeWinnings(counts, std::vector<std::optional<std::int64_t>> { -1 }, 0).message);
}

} // namespace
} // namespace ornal
