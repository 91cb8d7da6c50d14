// The workbook fits its columns from Arial's character widths, without a font at hand; the face installed with those
// metrics (Liberation Sans, which the window also asks for) must measure the same texts alike.
#include "export/sheetlayout.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>

#include <string>

namespace ornal {
namespace {

struct WidthCase {
    std::string text;
    bool bold;
};

class ArialTextPixelsTest : public testing::TestWithParam<WidthCase> { };

TEST_P(ArialTextPixelsTest, AgreesWithTheInstalledFaceOfArialsMetrics)
{
    QFont font(QStringLiteral("Liberation Sans"));
    // At 1,000 pixels to the em, an advance in pixels is the width in thousandths of the em.
    font.setPixelSize(1000);
    font.setBold(GetParam().bold);
    if (QFontInfo(font).family() != QStringLiteral("Liberation Sans")) {
        GTEST_SKIP() << "Liberation Sans is not installed (Debian package fonts-liberation2)";
    }
    const double measured = QFontMetricsF(font).horizontalAdvance(QString::fromStdString(GetParam().text));
    // 1,000 pixels to the em is 750 points at 96 dots an inch.
    const double computed = ArialTextPixels(GetParam().text, 750, GetParam().bold);
    EXPECT_NEAR(computed, measured, measured * 0.02) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ArialTextPixelsTest,
    testing::Values(WidthCase { " La sélection : -1-2-3-4-5-6-7-8-9-10", false },
        WidthCase { " Nombre de combinaisons : 77520", false }, WidthCase { " Programme Ornal", false },
        WidthCase { "Quinté+ : 252 mises de 2,50\u00A0€ = 630,00\u00A0€", false },
        WidthCase { "Galopia Le : 08/12/2026", false }, WidthCase { " -12-7-15-20-3-", true },
        WidthCase { "Les Jeux", true }, WidthCase { "WMwm ilj.,;: ÀÉÈÊËÎÏÔÙÛÜÇ àéèêëîïôùûüç", false },
        WidthCase { "WMwm ilj.,;: ÀÉÈÊËÎÏÔÙÛÜÇ àéèêëîïôùûüç", true },
        WidthCase { "!\"#$%&'()*+/<=>?@[\\]^_`{|}~", false }, WidthCase { "!\"#$%&'()*+/<=>?@[\\]^_`{|}~", true }));

} // namespace
} // namespace ornal
