#pragma once

// The table of selections run through one body for every front end, as each front end's suite instantiates it.
// A front end is a GoogleTest fixture with:
//   SelectionAnswer answer(const SelectionCase& c);   how it treats the case, as a player or a script sees it
//   static std::string said(const std::string& text); a text of the program as that front end delivers it

#include "selectiontable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace ornal {

struct SelectionAnswer {
    // Listed: a list and its count, nothing else said. Said: a message and no list given out. Other: anything a
    // front end cannot name so (a crash, a misuse).
    enum class Kind { Listed, Said, Other } kind = Kind::Other;
    bool markRefused = false; // a base that no shown mark stands for (the window may have said something before)
    std::vector<std::string> lines; // the list given out
    std::string said; // the count or the message, as the front end delivers it
};

// The checks of one case, apart so that a case that stops early leaves the others to run.
template <typename Front> void ExpectSelectionAnswer(const SelectionCase& c, const SelectionAnswer& answer)
{
    using Kind = SelectionAnswer::Kind;
    switch (c.expect) {
    case SelectionCase::Expect::Lines:
        EXPECT_EQ(answer.kind, Kind::Listed) << answer.said;
        EXPECT_FALSE(answer.markRefused);
        ASSERT_EQ(answer.lines.size(), c.count);
        EXPECT_TRUE(std::equal(c.lines.begin(), c.lines.end(), answer.lines.begin()));
        EXPECT_EQ(answer.said, Front::said("Combinaisons : " + std::to_string(c.count)));
        break;
    case SelectionCase::Expect::Message:
        EXPECT_EQ(answer.kind, Kind::Said) << answer.said;
        EXPECT_EQ(answer.said, Front::said(c.message));
        break;
    case SelectionCase::Expect::Unmarkable:
        EXPECT_TRUE(answer.markRefused) << answer.said;
        break;
    }
}

template <typename Front> class SelectionParity : public Front {
};

TYPED_TEST_SUITE_P(SelectionParity);

TYPED_TEST_P(SelectionParity, EveryCaseGivesTheTablesListOrMessage)
{
    const std::vector<SelectionCase> cases = SharedSelectionCases();
    for (const SelectionCase& c : cases) {
        SCOPED_TRACE(c.name);
        ExpectSelectionAnswer<TypeParam>(c, this->answer(c));
    }
}

REGISTER_TYPED_TEST_SUITE_P(SelectionParity, EveryCaseGivesTheTablesListOrMessage);

} // namespace ornal
