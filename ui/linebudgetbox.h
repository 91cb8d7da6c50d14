#pragma once

#include "document/savedgame.h"
#include "reduction/linebudget.h"

#include <QGroupBox>

#include <cstdint>
#include <functional>

class QDoubleSpinBox;
class QLabel;
class QRadioButton;
class QSpinBox;

namespace ornal {

// How many lines a reduction may keep: as few as the full guarantee needs, a number of lines, or as many as a
// budget pays at the stake of the bet type in force; the last two keep the lines that hold the most arrivals.
class LineBudgetBox : public QGroupBox {
    Q_OBJECT

public:
    // stakeCents: the unit stake of the bet type in force, 0 when none applies.
    explicit LineBudgetBox(std::function<std::int64_t()> stakeCents, QWidget* parent = nullptr);

    // The lines asked for (0 for the full guarantee), or the refusal of a number or a budget that keeps nothing.
    Result<std::uint64_t> chosen() const;

    // Shows what the budget pays at the stake in force now.
    void refresh();

    // Writes the way of counting lines and its value into guarantee, as a saved game keeps them.
    void saveInto(SavedGuarantee& guarantee) const;
    // Shows the way of counting lines and the value guarantee holds.
    void show(const SavedGuarantee& guarantee);

signals:
    // The player changed the way of counting lines or its value.
    void changed();

private:
    void choiceChanged();

    std::function<std::int64_t()> m_stakeCents;
    QRadioButton* m_full = nullptr;
    QRadioButton* m_count = nullptr;
    QRadioButton* m_budget = nullptr;
    QSpinBox* m_lines = nullptr;
    QDoubleSpinBox* m_euros = nullptr;
    QLabel* m_price = nullptr;
};

} // namespace ornal
