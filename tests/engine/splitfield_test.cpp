#include "engine/splitfield.h"

#include <gtest/gtest.h>

#include <string>

namespace ornal {
namespace {

struct SplitCase {
    std::string text;
    std::size_t index;
    char separator;
    std::string field;
};

class SplitFieldTest : public testing::TestWithParam<SplitCase> { };

TEST_P(SplitFieldTest, CutsAtEverySeparator)
{
    const SplitCase& c = GetParam();
    EXPECT_EQ(SplitField(c.text, c.index, c.separator), c.field) << c.text << " [" << c.index << "]";
}

INSTANTIATE_TEST_SUITE_P(CombinationLines, SplitFieldTest,
    testing::Values(SplitCase { "-3-7-12-", 0, '-', "" }, SplitCase { "-3-7-12-", 1, '-', "3" },
        SplitCase { "-3-7-12-", 3, '-', "12" }, SplitCase { "-3-7-12-", 4, '-', "" },
        SplitCase { "-3-7-12-", 5, '-', "" }, SplitCase { "-3-7-12-", 500, '-', "" },
        SplitCase { "-05-1-", 1, '-', "05" }, SplitCase { "--", 1, '-', "" }, SplitCase { "", 0, '-', "" },
        SplitCase { "", 1, '-', "" }));

INSTANTIATE_TEST_SUITE_P(CommandLines, SplitFieldTest,
    testing::Values(SplitCase { "|8|5|1", 0, '|', "" }, SplitCase { "|8|5|1", 1, '|', "8" },
        SplitCase { "x|12", 1, '|', "12" }, SplitCase { "| 8 |5", 1, '|', " 8 " }, SplitCase { "8", 0, '|', "8" },
        SplitCase { "8", 1, '|', "" }, SplitCase { "a||b", 1, '|', "" }, SplitCase { "a||b", 2, '|', "b" }));

} // namespace
} // namespace ornal
