#include "listops/filters.h"
#include "testsupport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace ornal {
namespace {

using Lines = std::vector<std::string>;

struct HoldsCase {
    std::string line;
    double n;
    bool holds;
};

class LineHoldsNumberTest : public testing::TestWithParam<HoldsCase> { };

TEST_P(LineHoldsNumberTest, ComparesWholeFieldsByValue)
{
    EXPECT_EQ(LineHoldsNumber(GetParam().line, GetParam().n), GetParam().holds)
        << GetParam().line << " / " << GetParam().n;
}

INSTANTIATE_TEST_SUITE_P(Table, LineHoldsNumberTest,
    testing::Values(HoldsCase { "-1-12-15-", 1, true }, HoldsCase { "-11-12-15-", 1, false },
        HoldsCase { "-21-12-15-", 1, false }, HoldsCase { "-3-05-9-", 5, true }, HoldsCase { "-3-5-9-", 5, true },
        HoldsCase { "-3-7-12-", 12, true }, HoldsCase { "-3-7-12-", 0, false }, HoldsCase { "-00-7-", 0, true },
        // Every own number counts, whatever bet size is shown now (a seven-number line read with k = 3).
        HoldsCase { "-1-2-3-4-5-6-17-", 17, true }, HoldsCase { "-1-2-", 2, true }, HoldsCase { "-", 0, false },
        HoldsCase { "", 0, false }));

TEST(CheckFilter, EmptyListComesFirst)
{
    const Result<void> checked = CheckFilter(CombinationList {}, "");
    ASSERT_FALSE(checked);
    const Message& refusal = checked.refusal().message;
    EXPECT_EQ(refusal.text, "Liste vide , traitement impossible.");
    EXPECT_EQ(refusal.icon, MessageIcon::Information);
    EXPECT_EQ(refusal.title, "Programme Ornal");
}

// Confirming an empty or non-numeric choice used to keep nothing: the list was lost.
TEST(CheckFilter, RefusesTextsThatNameNoNumber)
{
    const CombinationList list = MakeList({ "-1-2-" });
    for (const char* text : { "", " ", "abc", "-", "é5" }) {
        const Result<void> checked = CheckFilter(list, text);
        ASSERT_FALSE(checked) << '"' << text << '"';
        EXPECT_EQ(checked.refusal().text(), "Choisir un Nombre.");
        EXPECT_EQ(checked.refusal().message.icon, MessageIcon::Information);
    }
    for (const char* text : { "5", " 5", "05", "7abc", "0" }) {
        EXPECT_TRUE(CheckFilter(list, text)) << '"' << text << '"';
    }
}

TEST(FilterQuestions, ShowTheBoxTextAsItStands)
{
    EXPECT_EQ(KeepQuestion(" 05").text, "Garder uniquement les combinaisons avec le chiffre :  05");
    EXPECT_EQ(RemoveQuestion("12").text, "Supprimer uniquement les combinaisons avec le chiffre : 12");
    EXPECT_EQ(KeepQuestion("3").icon, MessageIcon::Question);
}

const CombinationList kList = MakeList({ "-1-12-15-", "-11-12-15-", "-3-7-9-", "-7-3-12-", "-3-05-7-", "-12-7-1-" });

TEST(KeepCombinationsWith, KeepsHoldersInTheirOrder)
{
    EXPECT_EQ(LinesOf(KeepCombinationsWith(kList, 1)), (Lines { "-1-12-15-", "-12-7-1-" }));
    EXPECT_EQ(LinesOf(KeepCombinationsWith(kList, 5)), (Lines { "-3-05-7-" }));
    EXPECT_TRUE(KeepCombinationsWith(kList, 20).empty());
}

TEST(KeepCombinationsWith, TwoKeepsLeaveTheLinesHoldingBoth)
{
    EXPECT_EQ(LinesOf(KeepCombinationsWith(KeepCombinationsWith(kList, 3), 7)),
        (Lines { "-3-7-9-", "-7-3-12-", "-3-05-7-" }));
}

TEST(RemoveCombinationsWith, DropsHoldersAndKeepsTheRestInOrder)
{
    EXPECT_EQ(LinesOf(RemoveCombinationsWith(kList, 12)), (Lines { "-3-7-9-", "-3-05-7-" }));
    EXPECT_EQ(RemoveCombinationsWith(kList, 20), kList);
}

TEST(Filters, KeepAndRemovePartitionTheList)
{
    for (double n : { 1.0, 3.0, 7.0, 12.0, 0.0 }) {
        const CombinationList kept = KeepCombinationsWith(kList, n);
        const CombinationList removed = RemoveCombinationsWith(kList, n);
        EXPECT_EQ(kept.size() + removed.size(), kList.size()) << n;
        for (CombinationList::Count i = 0; i < kept.size(); ++i) {
            EXPECT_TRUE(LineHoldsNumber(kept.line(i), n));
        }
        for (CombinationList::Count i = 0; i < removed.size(); ++i) {
            EXPECT_FALSE(LineHoldsNumber(removed.line(i), n));
        }
    }
}

} // namespace
} // namespace ornal
