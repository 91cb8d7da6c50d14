// Seeded random sessions on the real window: picks, typed and pasted texts, ticks, clicks on every button (the
// hidden ones too) and Yes or No to every question, in any order. After each action the window must still keep
// its selection and its list sound. A failure names the seed and the actions that led to it.
//
// ORNAL_MONKEY_SEED=<seed> replays that one session; ORNAL_MONKEY_ACTIONS=<n> sets the actions per session.
#include "monkeychecks.h"
#include "windowfixture.h"

#include "engine/selection.h"

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QItemSelectionModel>
#include <QTest>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <functional>
#include <iostream>
#include <numeric>
#include <optional>
#include <random>
#include <sstream>
#include <string_view>
#include <unordered_set>

namespace ornal::testing_support {
namespace {

constexpr qint64 kActionLimitMs = 1000;
constexpr std::size_t kHistoryShown = 30;

// Key by key; the test library's key table knows ASCII only, so other characters go as key events of their own.
void TypeKeys(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

class MonkeyTest : public MonkeyChecks, public testing::WithParamInterface<std::uint64_t> {
protected:
    void SetUp() override
    {
        const char* replay = std::getenv("ORNAL_MONKEY_SEED");
        m_seed = replay ? std::strtoull(replay, nullptr, 10) : GetParam();
        if (replay && GetParam() != 1) {
            GTEST_SKIP() << "replaying seed " << m_seed << " only";
        }
        const char* actions = std::getenv("ORNAL_MONKEY_ACTIONS");
        m_actions = actions ? std::atoi(actions) : kDefaultActions;
        m_random.seed(m_seed);
        WindowTest::SetUp();
        const QStringList preloads[] = { {}, {}, { "|8|5|1|2|3|4|5|6|7|8" }, { "|4|2|1|2|3|4" },
            { "|20|7|1|2|3|4|5|6|7|8|9|10|11|12|13|14|15|16|17|18|19|20" }, { "x" }, { "|7|", "3|1|2|3|4|5|6|7" } };
        const QStringList& preload = preloads[below(std::size(preloads))];
        open(preload);
        m_history.push_back("opened with \"" + preload.join(' ').toStdString() + '"');
        m_previous = window().game().list();
    }

    void run()
    {
        int done = 0;
        for (int i = 0; i < m_actions && !m_failed; ++i, ++done) {
            m_shown.clear();
            m_answers.clear();
            m_exports.clear();
            m_exportedLines.clear();
            QElapsedTimer clock;
            clock.start();
            Step step = act();
            QCoreApplication::processEvents();
            const qint64 elapsed = clock.elapsed();
            m_history.push_back(std::to_string(i) + ": " + step.what);
            if (m_history.size() > kHistoryShown) {
                m_history.pop_front();
            }
            if (elapsed > kActionLimitMs) {
                fail("took " + std::to_string(elapsed) + " ms");
            }
            check(step);
        }
        std::cout << "seed " << m_seed << ": " << done << " actions, " << m_computed << " lists computed (largest "
                  << m_largest << " lines), " << m_filtered << " confirmed filters, " << m_shuffled << " shuffles\n";
        // A session that never reached a list would have checked only the selection.
        EXPECT_GT(m_computed, 0);
    }

private:
    std::size_t below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_random); }
    bool chance(double p) { return std::bernoulli_distribution(p)(m_random); }

    QString oddText()
    {
        static const QString texts[]
            = { "", " ", "abc", "7abc", "-3", "0", "2.5", "1e400", "99999", "32768", " 8 ", "é", "Sans Base", "àéîõü ç",
                  "05", "3", "12", "20", "1", "7", QString(5000, QChar('7')), QString(3000, QChar(0xE9)) };
        if (chance(0.3)) {
            return QString::number(below(25));
        }
        return texts[below(std::size(texts))];
    }

    QComboBox* anyDropDown()
    {
        QComboBox* boxes[] = { ui().NombreChevaux, ui().Jeu, ui().Base, ui().garde, ui().supp };
        return boxes[below(std::size(boxes))];
    }

    template <std::size_t N> QLineEdit* anyShown(const std::array<QLineEdit*, N>& boxes)
    {
        std::vector<QLineEdit*> shown;
        for (QLineEdit* box : boxes) {
            if (!box->isHidden()) {
                shown.push_back(box);
            }
        }
        return shown.empty() ? nullptr : shown[below(shown.size())];
    }

    void pickEntry(QComboBox* box, int index)
    {
        box->setCurrentIndex(index);
        emit box->activated(index);
    }

    // Types text key by key where it is short, as a paste of the whole text where it is long.
    // True when the text was typed key by key, false when it was put in as a whole.
    bool enter(QComboBox* box, const QString& text)
    {
        if (text.size() <= 12 && chance(0.7)) {
            box->lineEdit()->selectAll();
            TypeKeys(box->lineEdit(), text);
            return true;
        }
        box->setEditText(text);
        return false;
    }

    void typeInto(QLineEdit* box, const QString& text)
    {
        box->setFocus();
        box->selectAll();
        TypeKeys(box, text.left(12));
    }

    Step act()
    {
        Step step;
        switch (below(22)) {
        case 0:
        case 1: {
            const int index = static_cast<int>(below(ui().NombreChevaux->count()));
            pickEntry(ui().NombreChevaux, index);
            step.what = "pick horses " + ui().NombreChevaux->itemText(index).toStdString();
            step.pickedHorseCount = ui().NombreChevaux->itemText(index).toInt();
            step.choiceClearsMarks = true;
            break;
        }
        case 2:
        case 3: {
            const int index = static_cast<int>(below(ui().Jeu->count()));
            pickEntry(ui().Jeu, index);
            step.what = "pick bet size \"" + ui().Jeu->itemText(index).toStdString() + '"';
            step.choiceClearsMarks = window().game().selection().baseCount != -1;
            break;
        }
        case 4: {
            const int index = static_cast<int>(below(ui().Base->count()));
            pickEntry(ui().Base, index);
            step.what = "pick base " + ui().Base->itemText(index).toStdString();
            step.choiceClearsMarks = true;
            break;
        }
        case 5:
        case 6: {
            QComboBox* box = anyDropDown();
            const QString text = oddText();
            const bool typed = enter(box, text);
            step.what = "type \"" + text.left(20).toStdString() + "\" into " + box->objectName().toStdString();
            if (chance(0.3)) {
                // Enter in the text of a choice chooses the entry the player typed, as a pick does; any other text
                // computes. In a filter box Enter does nothing at all.
                const bool choice = box == ui().NombreChevaux || box == ui().Jeu || box == ui().Base;
                const bool picks
                    = choice && typed && !text.isEmpty() && box->lineEdit()->text() == text && box->findText(text) >= 0;
                const bool basesBefore = window().game().selection().baseCount != -1;
                QTest::keyClick(box->lineEdit(), Qt::Key_Return);
                step.what += picks ? " and Enter, a pick" : " and Enter";
                if (picks && box == ui().NombreChevaux) {
                    step.pickedHorseCount = text.toInt();
                }
                if (picks) {
                    step.choiceClearsMarks = box != ui().Jeu || basesBefore;
                } else if (choice) {
                    step.change = Step::Change::Computation;
                }
            }
            break;
        }
        case 7:
        case 8: {
            // A prediction typed box after box; now and then a number repeats.
            std::vector<int> numbers(20);
            std::iota(numbers.begin(), numbers.end(), 1);
            std::shuffle(numbers.begin(), numbers.end(), m_random);
            if (chance(0.1)) {
                numbers[below(20)] = numbers[0];
            }
            std::string typed;
            for (int i = 0; i < kNumberBoxCount; ++i) {
                if (!ui().Text1[i]->isHidden()) {
                    typeInto(ui().Text1[i], QString::number(numbers[i]));
                    typed += ' ' + std::to_string(numbers[i]);
                }
            }
            step.what = "type the prediction" + typed;
            break;
        }
        case 9: {
            QLineEdit* box = chance(0.7) ? anyShown(ui().Text1) : anyShown(ui().txtscan);
            if (!box) {
                step.what = "no box to type into";
                break;
            }
            const QString text = oddText();
            if (chance(0.5)) {
                typeInto(box, text);
                step.what = "type \"" + text.left(12).toStdString() + "\" into " + box->objectName().toStdString();
            } else {
                QApplication::clipboard()->setText(text);
                box->setFocus();
                QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
                step.what = "paste \"" + text.left(20).toStdString() + "\" into " + box->objectName().toStdString();
            }
            break;
        }
        case 10: {
            QLineEdit* box = chance(0.5) ? anyShown(ui().Text1) : anyShown(ui().txtscan);
            if (box) {
                box->setFocus();
                QTest::keyClick(box, chance(0.5) ? Qt::Key_Backspace : Qt::Key_Delete);
                step.what = "erase in " + box->objectName().toStdString();
            }
            break;
        }
        case 11:
        case 12: {
            std::vector<QCheckBox*> marks;
            for (QCheckBox* mark : ui().Check1) {
                if (!mark->isHidden()) {
                    marks.push_back(mark);
                }
            }
            if (marks.empty()) {
                step.what = "no mark to tick";
                break;
            }
            QCheckBox* mark = marks[below(marks.size())];
            mark->click();
            step.what = "click " + mark->objectName().toStdString();
            step.tick = mark->isChecked();
            break;
        }
        case 13:
        case 14:
            step.change = Step::Change::Computation;
            if (chance(0.7)) {
                click(ui().Picture10);
                step.what = "click Picture10";
            } else {
                ui().Valider->click();
                step.what = "press the hidden Valider";
            }
            break;
        case 15:
        case 16: {
            const bool keep = chance(0.5);
            QComboBox* filter = keep ? ui().garde : ui().supp;
            if (chance(0.7)) {
                pickEntry(filter, static_cast<int>(below(filter->count())));
            } else {
                enter(filter, oddText());
            }
            step.filterNumber = PlainNumber(filter->currentText());
            step.answer = chance(0.6);
            m_answers.push_back(step.answer);
            click(keep ? ui().Command3 : ui().Command4);
            step.change = keep ? Step::Change::Keep : Step::Change::Remove;
            step.what = std::string(keep ? "keep " : "remove ") + '"' + filter->currentText().left(20).toStdString()
                + "\" answering " + (step.answer ? "Yes" : "No");
            break;
        }
        case 17:
            ui().Command5->click();
            step.change = Step::Change::Shuffle;
            step.what = "press the shuffle button";
            break;
        case 18: {
            for (QLineEdit* box : ui().txtscan) {
                if (chance(0.8)) {
                    box->setText(chance(0.8) ? QString::number(1 + below(20)) : QString());
                }
            }
            click(ui().Command2);
            step.what = "search";
            break;
        }
        case 19: {
            if (chance(0.5)) {
                m_exportOutcome = ExportOutcome { std::nullopt, "Ornal.xlsx",
                    window().game().list().empty() ? std::nullopt : std::optional(window().game().list().size() - 1) };
            } else {
                m_exportOutcome
                    = ExportOutcome { Refusal { Message { "Refus simulé", MessageIcon::Critical, "F-> : Ornal" } }, {},
                          0u };
            }
            click(ui().Command7);
            step.what = "export";
            step.exported = true;
            break;
        }
        default: {
            QWidget* others[] = { ui().Command6, ui().Command8, ui().Command1, ui().PictureJeux[below(7)] };
            QWidget* target = others[below(std::size(others))];
            click(target);
            step.what = "click " + target->objectName().toStdString();
            break;
        }
        }
        return step;
    }

    std::mt19937_64 m_random;
};

TEST_P(MonkeyTest, RandomSessionKeepsTheWindowSound)
{
    run();
}

// Five sessions of 1,000 actions each.
INSTANTIATE_TEST_SUITE_P(Seeds, MonkeyTest, testing::Values(1, 2, 3, 4, 5));

} // namespace
} // namespace ornal::testing_support
