// The window walks the shared table of selections as a player would: started with the line, then the base mode
// picked and the marks of the bases ticked, then Valider.
#include "selectiontable.h"
#include "windowfixture.h"

#include "engine/numericvalue.h"
#include "ui/qtbridge.h"

#include <algorithm>

namespace ornal::testing_support {
namespace {

class SharedSelectionWindowTest : public WindowTest, public testing::WithParamInterface<SelectionCase> { };

// The mark under the box holding number, or nullptr when no box of the prediction holds it.
QCheckBox* MarkOf(const Form1Controls& ui, const std::string& number)
{
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (!ui.Text1[i]->isHidden() && NumericValue(ToStd(ui.Text1[i]->text())) == NumericValue(number)) {
            return ui.Check1[i];
        }
    }
    return nullptr;
}

TEST_P(SharedSelectionWindowTest, GivesTheCommandLinesListOrMessage)
{
    const SelectionCase& c = GetParam();
    open({ ToQString(c.preload) });
    std::vector<std::string> messages = takeMessages();
    bool unmarkable = false;
    if (!c.bases.empty()) {
        pick(ui().Base, QString::number(c.bases.size()));
        for (const std::string& base : c.bases) {
            QCheckBox* mark = MarkOf(ui(), base);
            if (!mark || mark->isHidden()) {
                unmarkable = true;
                break;
            }
            click(mark);
        }
        const std::vector<std::string> later = takeMessages();
        messages.insert(messages.end(), later.begin(), later.end());
        if (!unmarkable && messages.empty()) {
            click(ui().Picture10);
            messages = takeMessages();
        }
    }
    switch (c.expect) {
    case SelectionCase::Expect::Lines: {
        EXPECT_TRUE(messages.empty()) << messages.front();
        const std::vector<std::string> shown = lines();
        ASSERT_EQ(shown.size(), c.count);
        EXPECT_TRUE(std::equal(c.lines.begin(), c.lines.end(), shown.begin()));
        EXPECT_EQ(ToStd(caption()), "Combinaisons : " + std::to_string(c.count));
        break;
    }
    case SelectionCase::Expect::Message:
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages.front(), c.message);
        break;
    case SelectionCase::Expect::Unmarkable:
        EXPECT_TRUE(unmarkable);
        break;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, SharedSelectionWindowTest, testing::ValuesIn(SharedSelectionCases()),
    [](const testing::TestParamInfo<SelectionCase>& info) { return info.param.name; });

} // namespace
} // namespace ornal::testing_support
