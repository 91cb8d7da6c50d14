#include "document/textchecks.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

struct TextCase {
    std::string_view text;
    bool expected;
};

class CombinationLineShape : public testing::TestWithParam<TextCase> { };

TEST_P(CombinationLineShape, IsRecognised)
{
    EXPECT_EQ(IsCombinationLine(GetParam().text), GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Lines, CombinationLineShape,
    testing::Values(TextCase { "-1-3-12-", true }, TextCase { "-7-", true }, TextCase { "-05-a b-", true },
        TextCase { "-é-", true }, TextCase { "-1-2-3-4-5-6-7-8-9-10-11-12-13-14-15-16-17-18-19-20-", true },
        TextCase { "", false }, TextCase { "-", false }, TextCase { "--", false }, TextCase { "-1--2-", false },
        TextCase { "1-2-", false }, TextCase { "-1-2", false }, TextCase { " -1-2-", false },
        TextCase { "-1-\t-", false }, TextCase { "-1\n-", false }, TextCase { std::string_view("-1\0-", 4), false },
        TextCase { "-1\x7F-", false }, TextCase { "-\xC3-", false }));

class Utf8Validity : public testing::TestWithParam<TextCase> { };

TEST_P(Utf8Validity, FollowsTheEncodingRules)
{
    EXPECT_EQ(IsValidUtf8(GetParam().text), GetParam().expected);
}

// Byte sequences from the UTF-8 definition (RFC 3629): the shortest form of each width, the limits, and the
// classic malformed cases.
INSTANTIATE_TEST_SUITE_P(Sequences, Utf8Validity,
    testing::Values(TextCase { "", true }, TextCase { "abc", true }, TextCase { "\xC3\xA9t\xC3\xA9", true },
        TextCase { "\xE2\x82\xAC", true }, TextCase { "\xF0\x9F\x90\x8E", true }, TextCase { "\xF4\x8F\xBF\xBF", true },
        TextCase { "\xED\x9F\xBF", true }, TextCase { "\xEE\x80\x80", true }, TextCase { "\xA9", false },
        TextCase { "\xC3", false }, TextCase { "\xC3(", false }, TextCase { "\xC0\xAF", false },
        TextCase { "\xE0\x80\xAF", false }, TextCase { "\xF0\x80\x80\xAF", false }, TextCase { "\xED\xA0\x80", false },
        TextCase { "\xED\xBF\xBF", false }, TextCase { "\xF4\x90\x80\x80", false },
        TextCase { "\xF5\x80\x80\x80", false }, TextCase { "\xFF", false }, TextCase { "\xE2\x82", false }));

} // namespace
} // namespace ornal
