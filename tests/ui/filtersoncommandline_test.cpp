// --garde and --supp must leave the lines the window's filters leave after Yes: the same preload goes to the window,
// whose boxes and buttons a player uses, and to the command line's own road.
#include "windowfixture.h"

#include "cli/commandline.h"
#include "cli/selectionroad.h"

namespace ornal::testing_support {
namespace {

struct FilterStep {
    bool keep;
    std::string text;
};

struct FilterCase {
    std::string name;
    std::string preload;
    std::vector<FilterStep> steps;
    bool refused = false; // a step meets the window's refusal
};

class FiltersOnCommandLine : public WindowTest, public testing::WithParamInterface<FilterCase> { };

TEST_P(FiltersOnCommandLine, LeaveWhatTheWindowLeavesAfterYes)
{
    const FilterCase& c = GetParam();
    open({ QString::fromStdString(c.preload) });
    ASSERT_FALSE(lines().empty());
    takeMessages();
    std::vector<std::string> arguments { "--print" };
    std::string windowRefusal;
    for (const FilterStep& step : c.steps) {
        arguments.insert(arguments.end(), { step.keep ? "--garde" : "--supp", step.text });
        if (!windowRefusal.empty()) {
            continue;
        }
        QComboBox* box = step.keep ? ui().garde : ui().supp;
        box->setEditText(QString::fromStdString(step.text));
        click(step.keep ? ui().Command3 : ui().Command4);
        for (const auto& shown : shown()) {
            if (!shown.question) {
                windowRefusal = shown.message.text;
            }
        }
        takeMessages();
    }
    EXPECT_EQ(!windowRefusal.empty(), c.refused) << windowRefusal;
    arguments.push_back(c.preload);
    const ParsedCommandLine parsed = ParseCommandLine(arguments);
    ASSERT_FALSE(parsed.misuse) << *parsed.misuse;
    const SelectionRoad road = WalkSelectionRoad(parsed.options);
    if (windowRefusal.empty()) {
        EXPECT_TRUE(road.walked()) << (road.refusal ? road.refusal->text() : road.misuse.value_or(""));
        EXPECT_EQ(LinesOf(road.list()), lines());
    } else {
        ASSERT_TRUE(road.refusal);
        EXPECT_FALSE(road.misuse);
        EXPECT_EQ(road.refusal->text(), windowRefusal);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, FiltersOnCommandLine,
    testing::Values(FilterCase { "KeepOne", "|5|3|3|7|12|1|9", { { true, "1" } } },
        FilterCase { "RemoveTwelve", "|5|3|3|7|12|1|9", { { false, "12" } } },
        FilterCase { "TextsReadByTheirStart", "|8|4|1|2|3|4|5|6|7|8", { { true, "7abc" }, { false, " 8 " } } },
        FilterCase { "ZeroAndAFraction", "|6|3|1|2|3|4|5|6", { { false, "2.5" }, { true, "0" } } },
        FilterCase { "ValuesNotTexts", "|6|3|05|7|12|1|9|11", { { true, "5" }, { false, "01" } } },
        FilterCase { "AWordIsRefused", "|6|3|1|2|3|4|5|6", { { true, "3" }, { false, "abc" } }, true },
        FilterCase { "ABlankIsRefused", "|6|3|1|2|3|4|5|6", { { true, " " } }, true },
        FilterCase { "AnEmptiedListIsRefused", "|6|3|1|2|3|4|5|6", { { true, "9" }, { false, "1" } }, true }),
    [](const testing::TestParamInfo<FilterCase>& info) { return info.param.name; });

} // namespace
} // namespace ornal::testing_support
