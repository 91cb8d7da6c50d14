#include "export/sheetlayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace ornal {
namespace {

// U+FFFD in UTF-8.
const std::string R = "\xEF\xBF\xBD";

struct TextCase {
    std::string label;
    std::string text;
    std::string valid;
};

void PrintTo(const TextCase& c, std::ostream* out)
{
    *out << c.label;
}

class ValidXmlTextTest : public testing::TestWithParam<TextCase> { };

TEST_P(ValidXmlTextTest, ReplacesWhatAWorkbookCannotHold)
{
    EXPECT_EQ(ValidXmlText(GetParam().text), GetParam().valid);
}

// The expected texts follow the XML 1.0 Char production and, for bytes that are not UTF-8, the Unicode Standard's
// "substitution of maximal subparts" (chapter 3, U+FFFD substitution), worked out byte by byte.
INSTANTIATE_TEST_SUITE_P(Table, ValidXmlTextTest,
    testing::Values(TextCase { "Empty", "", "" }, TextCase { "Line", " -1-3-12-", " -1-3-12-" },
        TextCase { "AccentsInUtf8", "\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA9" },
        TextCase { "TabLineFeedCarriageReturn", "a\tb\nc\rd", "a\tb\nc\rd" },
        TextCase { "OtherControls",
            std::string("a\x01"
                        "b\0c\x1F",
                6),
            "a" + R + "b" + R + "c" + R },
        // XML 1.0 allows DEL and the C1 controls, U+FFFD itself, the noncharacter U+FDD0 and the astral planes.
        TextCase { "AllowedOddities", "\x7F\xC2\x85\xEF\xBF\xBD\xEF\xB7\x90\xF0\x9F\x8E\xB2",
            "\x7F\xC2\x85\xEF\xBF\xBD\xEF\xB7\x90\xF0\x9F\x8E\xB2" },
        TextCase { "UFFFE", "x\xEF\xBF\xBEy", "x" + R + "y" }, TextCase { "UFFFF", "\xEF\xBF\xBF", R },
        TextCase { "LatinOneEte", "\xE9t\xE9", R + "t" + R }, TextCase { "ByteFF", "\xFF", R },
        TextCase { "LeadByteAlone", "\xC3", R }, TextCase { "LeadByteBeforeAscii", "\xC3x", R + "x" },
        // ED may only be followed by 80 to 9F: A0 starts a surrogate, so each of the three bytes stands alone.
        TextCase { "EncodedSurrogate", "\xED\xA0\x80", R + R + R }, TextCase { "OverlongNul", "\xC0\x80", R + R },
        TextCase { "OverlongThreeBytes", "\xE0\x80\x80", R + R + R },
        TextCase { "PastU10FFFF", "\xF4\x90\x80\x80", R + R + R + R },
        TextCase { "CutThreeByteSequence", "\xE2\x82x", R + "x" },
        TextCase { "CutFourByteSequenceAtTheEnd", "ab\xF0\x9F\x8E", "ab" + R },
        // The Unicode Standard's own example: 61 F1 80 80 E1 80 C2 62 80 63 80 BF 64.
        TextCase { "UnicodeExample", "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64",
            "a" + R + R + R + "b" + R + "c" + R + R + "d" }),
    [](const testing::TestParamInfo<TextCase>& info) { return info.param.label; });

} // namespace
} // namespace ornal
