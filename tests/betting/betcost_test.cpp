#include "betting/betcost.h"
#include "betting/bettexts.h"
#include "nobreak.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ornal {
namespace {

CombinationList Repeated(std::string_view line, CombinationList::Count count)
{
    CombinationList list;
    for (CombinationList::Count i = 0; i < count; ++i) {
        list.append(line);
    }
    return list;
}

struct CostCase {
    std::string type;
    std::string line;
    CombinationList::Count lines;
    std::int64_t stake; // -1 for the type's default
    std::int64_t total; // lines x stake, by hand
    std::string label; // '_' where the program writes a no-break space
    std::string tooltip;
};

TEST(Cost, LinesTimesStake)
{
    const std::vector<CostCase> cases {
        { "quinte", "-1-2-3-4-5-", 56, -1, 11200, "Quinté+ : 112,00_€", "56 mises de 2,00_€" },
        { "multi", "-1-2-3-4-5-6-", 7, -1, 2100, "Multi en 6 : 21,00_€", "7 mises de 3,00_€" },
        { "tierce", "-1-2-3-", 1, -1, 100, "Tiercé : 1,00_€", "1 mise de 1,00_€" },
        { "2sur4", "-1-2-", 3, 250, 750, "2sur4 : 7,50_€", "3 mises de 2,50_€" },
        { "multi", "-1-2-3-4-5-6-7-", 77520, -1, 23256000, "Multi en 7 : 232_560,00_€", "77520 mises de 3,00_€" },
        { "quarte", "", 0, -1, 0, "Quarté+ : 0,00_€", "0 mise de 1,30_€" },
    };
    for (const CostCase& c : cases) {
        const BetType& type = *FindBetType(c.type);
        const Result<BetCost> cost
            = Cost(Repeated(c.line, c.lines), type, c.stake < 0 ? type.defaultStakeCents : c.stake);
        ASSERT_TRUE(cost.ok()) << c.type;
        EXPECT_EQ(cost->lines, c.lines);
        EXPECT_EQ(cost->units, c.lines);
        EXPECT_EQ(cost->totalCents, c.total);
        EXPECT_EQ(CostLabel(*cost), NoBreak(c.label));
        EXPECT_EQ(CostTooltip(*cost), NoBreak(c.tooltip));
    }
}

TEST(Cost, CommandLineText)
{
    const Result<BetCost> cost = Cost(Repeated("-1-2-3-4-5-", 56), *FindBetType("quinte"), 200);
    ASSERT_TRUE(cost.ok());
    EXPECT_EQ(CostLine(*cost), NoBreak("Coût : 56 mises de 2,00_€ = 112,00_€"));
}

TEST(Cost, RefusesLinesOfAnotherSize)
{
    const Result<BetCost> tierce = Cost(MakeList({ "-1-2-3-", "-1-2-3-4-" }), *FindBetType("tierce"), 100);
    ASSERT_FALSE(tierce.ok());
    EXPECT_EQ(tierce.refusal().text(), "Le Tiercé se joue avec 3 numéros par ligne.");
    const Result<BetCost> multi = Cost(MakeList({ "-1-2-3-4-5-6-7-8-" }), *FindBetType("multi"), 300);
    ASSERT_FALSE(multi.ok());
    EXPECT_EQ(multi.refusal().text(), "Le Multi se joue avec 4 à 7 numéros par ligne.");
    EXPECT_FALSE(Cost(MakeList({ "-1-2-" }), *FindBetType("couple-place"), -1).ok());
}

std::vector<std::string> Ids(const std::vector<const BetType*>& types)
{
    std::vector<std::string> ids;
    for (const BetType* type : types) {
        ids.emplace_back(type ? type->id : "none");
    }
    return ids;
}

TEST(BetTypes, LookupsForTheBetDialog)
{
    std::vector<const BetType*> all;
    for (const BetType& type : BetTypes()) {
        all.push_back(&type);
    }
    EXPECT_EQ(Ids(all),
        (std::vector<std::string> { "couple-gagnant", "couple-place", "couple-ordre", "2sur4", "trio", "trio-ordre",
            "tierce", "quarte", "quinte", "multi" }));
    EXPECT_EQ(FindBetType("quinté"), nullptr);
    std::vector<const BetType*> defaults;
    for (int size = 1; size <= 8; ++size) {
        defaults.push_back(DefaultBetType(size));
    }
    EXPECT_EQ(Ids(defaults),
        (std::vector<std::string> {
            "none", "couple-gagnant", "tierce", "quarte", "quinte", "multi", "multi", "none" }));
    EXPECT_EQ(Ids(BetTypesForLineSize(2)),
        (std::vector<std::string> { "couple-gagnant", "couple-place", "couple-ordre", "2sur4" }));
    EXPECT_EQ(Ids(BetTypesForLineSize(3)), (std::vector<std::string> { "trio", "trio-ordre", "tierce" }));
    EXPECT_EQ(Ids(BetTypesForLineSize(4)), (std::vector<std::string> { "quarte", "multi" }));
    EXPECT_EQ(Ids(BetTypesForLineSize(7)), std::vector<std::string> { "multi" });
    EXPECT_TRUE(BetTypesForLineSize(8).empty());
}

} // namespace
} // namespace ornal
