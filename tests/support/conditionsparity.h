#pragma once

// The table of conditions run through one body for every front end, as each front end's suite instantiates it: the
// groups, the sum, the even numbers and the runs of the tab "Conditions" and of --groupe, --somme, --pairs and
// --suite, worked out by hand.
// A front end is a GoogleTest fixture with:
//   ConditionsAnswer answer(const ConditionsCase& c);  the conditions set and applied, as a player or a script sees it
//   static std::string said(const std::string& text);  a text of the program as that front end delivers it

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace ornal {

struct ConditionsCase {
    struct Group {
        int rank = 0; // 0 to 4: the group's row, which names it ("Favoris", "Outsiders"...)
        std::vector<std::string> numbers; // as the prediction's boxes hold them
        int atLeast = 0;
        int atMost = 0;
    };

    std::string name;
    std::string preload;
    std::vector<Group> groups; // in rising rank
    std::optional<std::pair<int, int>> sum;
    std::optional<std::pair<int, int>> even;
    std::optional<int> longestRun;
    std::vector<std::string> meeting; // the lines kept, in list order
    std::string refusal; // the program's message instead of a list; empty when the lines are kept

    friend void PrintTo(const ConditionsCase& c, std::ostream* os) { *os << c.name; }
};

struct ConditionsAnswer {
    // Kept: the lines left and their count caption. Refused: the program's message, the list unchanged. Other:
    // anything else (a misuse, a crash).
    enum class Kind { Kept, Refused, Other } kind = Kind::Other;
    std::vector<std::string> lines;
    std::string said; // the count caption or the message, as the front end delivers it
};

// Six horses, three a line: the 20 lines of C(6, 3); their sums, in order: 6 7 8 9 8 9 10 10 11 12 9 10 11 11 12 13
// 12 13 14 15.
inline const std::string kConditionsSix = "|6|3|1|2|3|4|5|6";

inline std::vector<ConditionsCase> SharedConditionsCases()
{
    const std::string six = kConditionsSix;
    return {
        // Exactly one of 1 and 2: two ways to take it, then two of 3, 4, 5, 6.
        { "OneOfTheFavourites", six, { { 0, { "1", "2" }, 1, 1 } }, {}, {}, {},
            { "-1-3-4-", "-1-3-5-", "-1-3-6-", "-1-4-5-", "-1-4-6-", "-1-5-6-", "-2-3-4-", "-2-3-5-", "-2-3-6-",
                "-2-4-5-", "-2-4-6-", "-2-5-6-" },
            "" },
        // Sums 6 to 9: 1+2+3, 1+2+4, 1+2+5, 1+2+6, 1+3+4, 1+3+5, 2+3+4.
        { "SumSixToNine", six, {}, std::pair { 6, 9 }, {}, {},
            { "-1-2-3-", "-1-2-4-", "-1-2-5-", "-1-2-6-", "-1-3-4-", "-1-3-5-", "-2-3-4-" }, "" },
        // At most one of 2, 4, 6: 1-3-5 and each even number with two of 1, 3, 5.
        { "AtMostOneEven", six, {}, {}, std::pair { 0, 1 }, {},
            { "-1-2-3-", "-1-2-5-", "-1-3-4-", "-1-3-5-", "-1-3-6-", "-1-4-5-", "-1-5-6-", "-2-3-5-", "-3-4-5-",
                "-3-5-6-" },
            "" },
        // Two or three of 2, 4, 6: three ways to pick two of them times three odd numbers, and 2-4-6.
        { "TwoOrThreeEven", six, {}, {}, std::pair { 2, 3 }, {},
            { "-1-2-4-", "-1-2-6-", "-1-4-6-", "-2-3-4-", "-2-3-6-", "-2-4-5-", "-2-4-6-", "-2-5-6-", "-3-4-6-",
                "-4-5-6-" },
            "" },
        // No two numbers in a row: C(4, 3) = 4 such lines.
        { "NoNeighbours", six, {}, {}, {}, 1, { "-1-3-5-", "-1-3-6-", "-1-4-6-", "-2-4-6-" }, "" },
        // Of the seven lines summing 6 to 9, 1-3-4, 1-3-5 and 2-3-4 hold one of 1 and 2; 1-3-5 alone has no run.
        { "ThreeTogether", six, { { 0, { "1", "2" }, 1, 1 } }, std::pair { 6, 9 }, {}, 1, { "-1-3-5-" }, "" },
        // The same in the second group's row.
        { "ThreeTogetherAsOutsiders", six, { { 1, { "1", "2" }, 1, 1 } }, std::pair { 6, 9 }, {}, 1, { "-1-3-5-" },
            "" },
        // Two groups: none of 5 and 6, and 1 in every line.
        { "TwoGroups", six, { { 0, { "5", "6" }, 0, 0 }, { 3, { "1" }, 1, 3 } }, {}, {}, {},
            { "-1-2-3-", "-1-2-4-", "-1-3-4-" }, "" },
        // The prediction's 05 is the group's 5, and lines keep the text of the box.
        { "GroupByValue", "|5|3|05|7|12|1|9", { { 0, { "05" }, 1, 1 } }, {}, {}, {},
            { "-05-7-12-", "-05-7-1-", "-05-7-9-", "-05-12-1-", "-05-12-9-", "-05-1-9-" }, "" },
        { "MinimumAboveMaximum", six, { { 0, { "1", "2" }, 2, 1 } }, {}, {}, {}, {},
            "Groupe « Favoris » : le minimum 2 dépasse le maximum 1." },
        { "MinimumAboveTheGroupsSize", six, { { 1, { "4" }, 2, 3 } }, {}, {}, {}, {},
            "Groupe « Outsiders » : le minimum 2 dépasse ses 1 numéros." },
        { "SumUpsideDown", six, {}, std::pair { 10, 9 }, {}, {}, {}, "Somme : le minimum 10 dépasse le maximum 9." },
        { "EvenUpsideDown", six, {}, {}, std::pair { 3, 1 }, {}, {},
            "Nombre de pairs : le minimum 3 dépasse le maximum 1." },
    };
}

template <typename Front> class ConditionsParity : public Front {
};

TYPED_TEST_SUITE_P(ConditionsParity);

TYPED_TEST_P(ConditionsParity, EveryCaseKeepsTheTablesLinesOrSaysItsMessage)
{
    using Kind = ConditionsAnswer::Kind;
    for (const ConditionsCase& c : SharedConditionsCases()) {
        SCOPED_TRACE(c.name);
        const ConditionsAnswer answer = this->answer(c);
        if (c.refusal.empty()) {
            EXPECT_EQ(answer.kind, Kind::Kept) << answer.said;
            EXPECT_EQ(answer.lines, c.meeting);
            EXPECT_EQ(answer.said, TypeParam::said("Combinaisons : " + std::to_string(c.meeting.size())));
        } else {
            EXPECT_EQ(answer.kind, Kind::Refused) << answer.said;
            EXPECT_EQ(answer.said, TypeParam::said(c.refusal));
        }
    }
}

REGISTER_TYPED_TEST_SUITE_P(ConditionsParity, EveryCaseKeepsTheTablesLinesOrSaysItsMessage);

} // namespace ornal
