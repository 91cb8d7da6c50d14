#include "files/fileproblem.h"
#include "files/printabletext.h"

#include <gtest/gtest.h>

namespace ornal {
namespace {

struct PrintableCase {
    const char* text;
    const char* printable;
};

class PrintableTextTest : public testing::TestWithParam<PrintableCase> { };

TEST_P(PrintableTextTest, EscapesControlCharactersOnly)
{
    EXPECT_EQ(PrintableText(GetParam().text), GetParam().printable);
}

INSTANTIATE_TEST_SUITE_P(Table, PrintableTextTest,
    testing::Values(PrintableCase { "jeu.ornal", "jeu.ornal" }, PrintableCase { "a\nb.csv", "a\\nb.csv" },
        PrintableCase { "a\r\n", "a\\r\\n" }, PrintableCase { "\tx", "\\tx" },
        PrintableCase { "\x1B[2Jx.pdf", "\\x1B[2Jx.pdf" }, PrintableCase { "\x01\x1F\x7F", "\\x01\\x1F\\x7F" },
        // U+009B, a terminal's command introducer in one character; U+00A0 and accents are text.
        PrintableCase { "a\xC2\x9B"
                        "b",
            "a\\u009Bb" },
        PrintableCase { "Été\xC2\xA0n°1", "Été\xC2\xA0n°1" }, PrintableCase { "\xC2", "\xC2" },
        PrintableCase { "back\\slash", "back\\slash" }));

TEST(PrintableTextTest, SentencesNameAFileOnOneLine)
{
    EXPECT_EQ(CannotSaveSentence("/tmp/a\nb.csv", "le fichier existe déjà"),
        "Impossible d'enregistrer « a\\nb.csv » : le fichier existe déjà.");
    EXPECT_EQ(CannotOpenSentence("/tmp/x\x1B/jeu\t1.ornal", "le fichier est vide"),
        "Impossible d'ouvrir « jeu\\t1.ornal » : le fichier est vide.");
}

} // namespace
} // namespace ornal
