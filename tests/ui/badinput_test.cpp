// What the window does with the texts a player can type or paste into its boxes: each refusal is one of the
// program's messages and the list is kept, or the text is read as the number it starts with.
#include "windowfixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <functional>
#include <ostream>

namespace ornal::testing_support {
namespace {

using Texts = std::vector<std::string>;

// The ways text reaches a box without being typed key by key.
struct PasteRoute {
    const char* name;
    std::function<void(QLineEdit*)> paste;
    bool discarded; // Ctrl+V arrives as a control character, which the key filter drops like any other
};

const PasteRoute kPasteRoutes[] = {
    { "ShiftInsert", [](QLineEdit* box) { QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier); }, false },
    { "CtrlV", [](QLineEdit* box) { QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); }, true },
    { "ContextMenu", [](QLineEdit* box) { box->paste(); }, false },
};

struct PasteCase {
    const char* before;
    const char* clipboard;
    const char* after;
};

class PasteTest : public WindowTest, public testing::WithParamInterface<PasteRoute> { };

// Mended: Shift+Insert and the context menu's Paste put any text into a number box, and a pasted "-3" made lines
// whose fields the filters and the shuffle split in the wrong places.
TEST_P(PasteTest, PastedTextObeysTheTypingRules)
{
    pick(ui().NombreChevaux, "8");
    pick(ui().Jeu, "3");
    const PasteCase cases[] = { { "", "7", "7" }, { "1", "2", "12" }, { "", "abc", "" }, { "", "-3", "" },
        { "", " 8 ", "" }, { "", "123", "" }, { "1", "23", "1" }, { "", "2.5", "" }, { "4", "é", "4" } };
    for (QLineEdit* box : { ui().Text1[0], ui().txtscan[0] }) {
        for (const PasteCase& c : cases) {
            box->setText(QString::fromUtf8(c.before));
            box->setFocus();
            box->end(false);
            QApplication::clipboard()->setText(QString::fromUtf8(c.clipboard));
            GetParam().paste(box);
            EXPECT_EQ(box->text().toStdString(), GetParam().discarded ? c.before : c.after)
                << box->objectName().toStdString() << " held \"" << c.before << "\", pasted \"" << c.clipboard << '"';
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Routes, PasteTest, testing::ValuesIn(kPasteRoutes),
    [](const testing::TestParamInfo<PasteRoute>& info) { return std::string(info.param.name); });

enum class Box { HorseCount, BetSize, Keep };

struct TypedCase {
    Box box;
    const char* typed;
    const char* message; // "" when none is shown
    std::size_t lines; // List1's lines afterwards; 56 is the list computed before the text was typed
};

std::ostream& operator<<(std::ostream& out, const TypedCase& c)
{
    return out << static_cast<int>(c.box) << " \"" << c.typed << '"';
}

class TypedTextTest : public WindowTest, public testing::WithParamInterface<TypedCase> { };

// A list of C(8, 5) = 56 lines, then a text typed over one drop-down box's choice and the box's button pressed:
// Valider for the selection boxes, the keep button for the filter (answered Yes).
TEST_P(TypedTextTest, TypedOverAChoice)
{
    const TypedCase& c = GetParam();
    prepare(8, 5, { "1", "2", "3", "4", "5", "6", "7", "8" });
    click(ui().Picture10);
    ASSERT_EQ(lines().size(), 56u);
    takeMessages();

    QComboBox* box = c.box == Box::HorseCount ? ui().NombreChevaux : c.box == Box::BetSize ? ui().Jeu : ui().garde;
    box->setEditText(QString::fromUtf8(c.typed));
    click(c.box == Box::Keep ? static_cast<QWidget*>(ui().Command3) : ui().Picture10);

    const Texts messages = takeMessages();
    if (*c.message) {
        EXPECT_EQ(messages, Texts { c.message });
    } else if (c.box != Box::Keep) {
        EXPECT_EQ(messages, Texts {});
    }
    EXPECT_EQ(lines().size(), c.lines);
    EXPECT_EQ(caption().toStdString(), "Combinaisons : " + std::to_string(c.lines));
}

const char kNoBetSize[] = "Vous devez choisir un type de jeu.";
const char kChooseNumber[] = "Choisir un Nombre.";

INSTANTIATE_TEST_SUITE_P(HorseCount, TypedTextTest,
    testing::Values(
        // No number at the start: a horse count of 0, too few horses for a line of 5, so no line.
        TypedCase { Box::HorseCount, "", "", 0 }, TypedCase { Box::HorseCount, "abc", "", 0 },
        TypedCase { Box::HorseCount, "-3", "", 0 }, TypedCase { Box::HorseCount, "0", "", 0 },
        // Read as the number they start with; 7 of the 8 shown boxes, C(7, 5) = 21.
        TypedCase { Box::HorseCount, "7abc", "", 21 }, TypedCase { Box::HorseCount, " 8 ", "", 56 },
        // Exponents are not part of a number: "1e400" is 1.
        TypedCase { Box::HorseCount, "1e400", "", 0 },
        // More boxes than exist, or past the 16-bit range: refused, the list kept.
        TypedCase { Box::HorseCount, "99999", "Choix invalide.", 56 },
        TypedCase { Box::HorseCount, "32768", "Choix invalide.", 56 },
        TypedCase { Box::HorseCount, "21", "Choix invalide.", 56 }));

INSTANTIATE_TEST_SUITE_P(BetSize, TypedTextTest,
    testing::Values(TypedCase { Box::BetSize, "", kNoBetSize, 56 }, TypedCase { Box::BetSize, " ", kNoBetSize, 56 },
        TypedCase { Box::BetSize, "abc", kNoBetSize, 56 }, TypedCase { Box::BetSize, "7abc", kNoBetSize, 56 },
        TypedCase { Box::BetSize, "-3", kNoBetSize, 56 }, TypedCase { Box::BetSize, "0", kNoBetSize, 56 },
        TypedCase { Box::BetSize, "99999", kNoBetSize, 56 }, TypedCase { Box::BetSize, "32768", kNoBetSize, 56 },
        TypedCase { Box::BetSize, "é", kNoBetSize, 56 },
        // Rounded half to even: 2, C(8, 2) = 28.
        TypedCase { Box::BetSize, "2.5", "", 28 }, TypedCase { Box::BetSize, " 8 ", "", 1 },
        TypedCase { Box::BetSize, "1e400", "", 8 }));

INSTANTIATE_TEST_SUITE_P(Keep, TypedTextTest,
    testing::Values(TypedCase { Box::Keep, "", kChooseNumber, 56 }, TypedCase { Box::Keep, " ", kChooseNumber, 56 },
        TypedCase { Box::Keep, "abc", kChooseNumber, 56 }, TypedCase { Box::Keep, "é", kChooseNumber, 56 },
        // The question names the text as typed; the lines holding 7 (C(7, 4) = 35) are kept.
        TypedCase { Box::Keep, "7abc", "Garder uniquement les combinaisons avec le chiffre : 7abc", 35 },
        TypedCase { Box::Keep, " 8 ", "Garder uniquement les combinaisons avec le chiffre :  8 ", 35 },
        // Numbers no line holds: confirmed, they keep nothing.
        TypedCase { Box::Keep, "0", "Garder uniquement les combinaisons avec le chiffre : 0", 0 },
        TypedCase { Box::Keep, "2.5", "Garder uniquement les combinaisons avec le chiffre : 2.5", 0 },
        TypedCase { Box::Keep, "99999", "Garder uniquement les combinaisons avec le chiffre : 99999", 0 }));

// The command line may put any text into a box; a "-" would split that number in every line.
TEST_F(WindowTest, PreloadedNumberHoldingTheSeparatorIsRefused)
{
    open({ "|4|2|1|-3|3|4" });
    EXPECT_EQ(takeMessages(), Texts { "Entrez un Numéro." });
    EXPECT_TRUE(lines().empty());
    EXPECT_EQ(QApplication::focusWidget(), ui().Text1[1]);
    EXPECT_EQ(ui().Text1[1]->selectedText(), "-3");
    // Typing over the selected text mends the prediction.
    QTest::keyClicks(ui().Text1[1], "2");
    click(ui().Picture10);
    EXPECT_EQ(lines(), (Texts { "-1-2-", "-1-3-", "-1-4-", "-2-3-", "-2-4-", "-3-4-" }));
}

// Very long texts in every editable box are read like short ones and never reach a line.
TEST_F(WindowTest, VeryLongTypedTextsAreReadByTheirStart)
{
    prepare(8, 5, { "1", "2", "3", "4", "5", "6", "7", "8" });
    const QString longDigits(30000, QChar('9'));
    const QString longAccents(30000, QChar(0xE9));
    ui().Jeu->setEditText(longDigits);
    click(ui().Picture10);
    EXPECT_EQ(takeMessages(), Texts { kNoBetSize });
    ui().Jeu->setEditText("5");
    ui().NombreChevaux->setEditText(longAccents);
    click(ui().Picture10);
    EXPECT_EQ(takeMessages(), Texts {});
    EXPECT_TRUE(lines().empty());
    ui().NombreChevaux->setEditText("8");
    click(ui().Picture10);
    ASSERT_EQ(lines().size(), 56u);
    ui().supp->setEditText(longDigits);
    click(ui().Command4);
    ASSERT_EQ(shown().size(), 1u);
    EXPECT_EQ(shown()[0].message.text.size(),
        std::string("Supprimer uniquement les combinaisons avec le chiffre : ").size() + 30000);
    EXPECT_EQ(lines().size(), 56u);
}

} // namespace
} // namespace ornal::testing_support
