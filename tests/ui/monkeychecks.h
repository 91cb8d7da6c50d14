#pragma once

// What a random session on the window checks after each action, apart from the actions it draws: the selection,
// the list and its caption, and every list computed, shuffled or filtered, each against its own reading of the window.

#include "testsupport.h"
#include "windowfixture.h"

#include "engine/selection.h"

#include <QApplication>

#include <algorithm>
#include <cstdint>
#include <deque>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace ornal::testing_support {

constexpr int kDefaultActions = 1000;

// The fields of a line ("-", then each number and "-"), read without the program's own parsing; nullopt when
// the line is malformed. Typed numbers are one or two digits.
inline std::optional<std::vector<int>> LineFields(std::string_view line)
{
    if (line.size() < 3 || line.front() != '-' || line.back() != '-') {
        return std::nullopt;
    }
    std::vector<int> fields;
    std::size_t start = 1;
    while (start < line.size()) {
        const std::size_t end = line.find('-', start);
        const std::string_view field = line.substr(start, end - start);
        if (field.empty() || field.size() > 2
            || !std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return std::nullopt;
        }
        int value = 0;
        for (char c : field) {
            value = value * 10 + (c - '0');
        }
        fields.push_back(value);
        start = end + 1;
    }
    return fields;
}

// The value of a text that is a plain whole number, blanks around it allowed; nullopt for anything else.
inline std::optional<int> PlainNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 4
        || !std::all_of(trimmed.begin(), trimmed.end(), [](QChar c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    return trimmed.toInt();
}

inline std::vector<int> Sorted(std::vector<int> values)
{
    std::sort(values.begin(), values.end());
    return values;
}

// What one action may change, for the checks after it.
struct Step {
    std::string what;
    enum class Change { None, Computation, Keep, Remove, Shuffle } change = Change::None;
    std::optional<int> pickedHorseCount; // an entry of NombreChevaux was picked
    bool choiceClearsMarks = false; // a choice that, when accepted, unticks every mark
    bool tick = false;
    bool answer = true; // the answer queued for a question
    std::optional<int> filterNumber; // the filter box's text as a plain number
    bool exported = false;
};

class MonkeyChecks : public WindowTest {
protected:
    void fail(const std::string& what)
    {
        if (m_failed) {
            return;
        }
        m_failed = true;
        std::ostringstream text;
        text << "seed " << m_seed << ": " << what << "\nreplay: ORNAL_MONKEY_SEED=" << m_seed
             << " ORNAL_MONKEY_ACTIONS=" << m_actions << " ui_tests --gtest_filter='Seeds/MonkeyTest.*/0'"
             << "\nstate: horses \"" << ui().NombreChevaux->currentText().left(20).toStdString() << "\", bet size \""
             << ui().Jeu->currentText().left(20).toStdString() << "\", base \""
             << ui().Base->currentText().left(20).toStdString() << "\", BaseCount "
             << window().game().selection().baseCount << ", " << tickedMarks() << " marks ticked (" << tickedBoxes()
             << "), " << window().game().list().size() << " lines"
             << "\nlast actions:";
        for (const std::string& line : m_history) {
            text << "\n  " << line;
        }
        ADD_FAILURE() << text.str();
    }

    int tickedMarks() const
    {
        return static_cast<int>(std::count_if(
            ui().Check1.begin(), ui().Check1.end(), [](const QCheckBox* mark) { return mark->isChecked(); }));
    }

    std::string tickedBoxes() const
    {
        std::string boxes;
        for (int i = 0; i < kNumberBoxCount; ++i) {
            if (ui().Check1[i]->isChecked()) {
                boxes += (boxes.empty() ? "box " : ", box ") + std::to_string(i);
            }
        }
        return boxes;
    }

    bool questionAsked() const
    {
        return std::any_of(m_shown.begin(), m_shown.end(), [](const auto& box) { return box.question; });
    }

    void check(const Step& step)
    {
        if (QApplication::overrideCursor()) {
            fail("the busy pointer stayed on");
            while (QApplication::overrideCursor()) {
                QApplication::restoreOverrideCursor();
            }
        }
        for (const auto& box : m_shown) {
            if (box.message.text.empty() || box.message.title.empty()) {
                fail("a message box without text or title");
            }
            if (box.question && step.change != Step::Change::Keep && step.change != Step::Change::Remove) {
                fail("a question outside the filters");
            }
        }
        if (step.pickedHorseCount) {
            for (int i = 0; i < kNumberBoxCount; ++i) {
                if (ui().Text1[i]->isHidden() == (i < *step.pickedHorseCount)) {
                    fail("box " + std::to_string(i) + " has the wrong visibility");
                }
            }
        }
        if (step.choiceClearsMarks && m_shown.empty() && tickedMarks() != 0) {
            fail("a choice left marks ticked");
        }
        if (step.tick) {
            if (const std::optional<int> bases = PlainNumber(ui().Base->currentText());
                bases && tickedMarks() > *bases) {
                fail(std::to_string(tickedMarks()) + " marks ticked for a base of " + std::to_string(*bases));
            }
        }
        if (step.exported && (m_exports.size() != 1 || !(m_exports[0].list == window().game().list()))) {
            fail("the export did not get the list shown");
        }
        checkList(step);
    }

    void checkList(const Step& step)
    {
        const CombinationList& list = window().game().list();
        if (ui().List1->model()->rowCount() != static_cast<int>(list.size())) {
            fail("List1 shows " + std::to_string(ui().List1->model()->rowCount()) + " rows of "
                + std::to_string(list.size()));
        }
        const bool confirmed = questionAsked() && step.answer;
        const bool sets = (step.change == Step::Change::Computation && m_shown.empty())
            || ((step.change == Step::Change::Keep || step.change == Step::Change::Remove) && confirmed)
            || (step.change == Step::Change::Shuffle && !m_previous.empty());
        if (sets && ui().TotalComb->text().toStdString() != "Combinaisons : " + std::to_string(list.size())) {
            fail("caption \"" + ui().TotalComb->text().toStdString() + "\" for " + std::to_string(list.size())
                + " lines");
        }
        if (list == m_previous) {
            return;
        }
        if (!sets) {
            fail("the list changed");
        } else if (step.change == Step::Change::Computation) {
            ++m_computed;
            m_largest = std::max(m_largest, list.size());
            checkComputed(list);
        } else if (step.change == Step::Change::Shuffle) {
            ++m_shuffled;
            checkShuffled(list);
        } else {
            ++m_filtered;
            checkFiltered(list, step);
        }
        m_previous = list;
    }

    void checkComputed(const CombinationList& list)
    {
        const std::optional<int> horses = PlainNumber(ui().NombreChevaux->currentText());
        const std::optional<int> bet = PlainNumber(ui().Jeu->currentText());
        // The numbers come from the shown boxes (always the first ones), of the first N when N is plain.
        std::vector<int> values;
        for (int i = 0; i < kNumberBoxCount && !ui().Text1[i]->isHidden() && (!horses || i < *horses); ++i) {
            values.push_back(PlainNumber(ui().Text1[i]->text()).value_or(-1));
        }
        std::vector<int> bases;
        for (int i = 0; window().game().selection().baseCount != -1 && i < kNumberBoxCount; ++i) {
            if (ui().Check1[i]->isChecked()) {
                bases.push_back(i);
            }
        }
        std::unordered_set<std::uint32_t> combinations;
        for (CombinationList::Count i = 0; i < list.size(); ++i) {
            const std::optional<std::vector<int>> fields = LineFields(list.line(i));
            if (!fields) {
                return fail("line " + std::to_string(i) + " \"" + std::string(list.line(i)) + "\" is malformed");
            }
            if (bet && static_cast<int>(fields->size()) != *bet) {
                return fail("line " + std::string(list.line(i)) + " has not " + std::to_string(*bet) + " numbers");
            }
            std::uint32_t boxes = 0;
            for (std::size_t f = 0; f < fields->size(); ++f) {
                const auto box = std::find(values.begin(), values.end(), (*fields)[f]);
                if (box == values.end()) {
                    return fail("line " + std::string(list.line(i)) + " holds a number of no shown box");
                }
                boxes |= 1u << (box - values.begin());
            }
            if (std::popcount(boxes) != static_cast<int>(fields->size())) {
                return fail("line " + std::string(list.line(i)) + " repeats a box");
            }
            // Each base stands at its box's position when every base's box lies within the line; a base past
            // the line's end moves the later ones, so then the line only has to hold them.
            const bool positional = std::all_of(bases.begin(), bases.end(), [&](int base) {
                return base < static_cast<int>(fields->size()) && base < static_cast<int>(values.size());
            });
            for (int base : bases) {
                const bool placed = positional ? (*fields)[base] == values[base] : (boxes & (1u << base)) != 0;
                if (!placed) {
                    return fail("line " + std::string(list.line(i)) + " lacks the base of box " + std::to_string(base));
                }
            }
            combinations.insert(boxes);
        }
        if (combinations.size() != list.size()) {
            return fail("the computation repeated a combination");
        }
        if (horses && bet) {
            const int b = static_cast<int>(bases.size());
            const bool reachable = std::all_of(bases.begin(), bases.end(), [&](int base) { return base < *horses; });
            const std::uint64_t expected = reachable ? Binomial(*horses - b, *bet - b) : 0;
            if (list.size() != expected) {
                fail(std::to_string(list.size()) + " lines where " + std::to_string(expected) + " were due");
            }
        }
    }

    void checkShuffled(const CombinationList& list)
    {
        if (list.size() != m_previous.size()) {
            return fail("the shuffle changed the count");
        }
        for (CombinationList::Count i = 0; i < list.size(); ++i) {
            const std::optional<std::vector<int>> now = LineFields(list.line(i));
            const std::optional<std::vector<int>> before = LineFields(m_previous.line(i));
            if (!now || !before || Sorted(*now) != Sorted(*before)) {
                return fail("the shuffle made \"" + std::string(list.line(i)) + "\" of \""
                    + std::string(m_previous.line(i)) + '"');
            }
        }
    }

    void checkFiltered(const CombinationList& list, const Step& step)
    {
        const bool keep = step.change == Step::Change::Keep;
        CombinationList::Count next = 0;
        for (CombinationList::Count i = 0; i < m_previous.size(); ++i) {
            const bool kept = next < list.size() && list.line(next) == m_previous.line(i);
            if (step.filterNumber) {
                const std::optional<std::vector<int>> fields = LineFields(m_previous.line(i));
                const bool holds
                    = fields && std::find(fields->begin(), fields->end(), *step.filterNumber) != fields->end();
                if (kept != (holds == keep)) {
                    return fail("the filter on " + std::to_string(*step.filterNumber)
                        + (kept ? " kept \"" : " dropped \"") + std::string(m_previous.line(i)) + '"');
                }
            }
            next += kept ? 1 : 0;
        }
        if (next != list.size()) {
            fail("the filtered list is not drawn from the list before");
        }
    }

    std::uint64_t m_seed = 0;
    int m_actions = kDefaultActions;
    bool m_failed = false;
    int m_computed = 0;
    int m_filtered = 0;
    int m_shuffled = 0;
    CombinationList::Count m_largest = 0;
    CombinationList m_previous;
    std::deque<std::string> m_history;
};

} // namespace ornal::testing_support
