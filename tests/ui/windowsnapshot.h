#pragma once

#include "testsupport.h"
#include "ui/clickablelabel.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <string>
#include <vector>

namespace ornal::testing_support {

// Everything a player sees of the window, read from the widgets themselves, one "what=value" entry each so that a
// difference names its control.
inline std::vector<std::string> WindowSnapshot(const Form1& window)
{
    const Form1Controls& ui = window.controls();
    std::vector<std::string> seen;
    const auto add = [&seen](const QString& what, const QString& value) {
        seen.push_back((what + QStringLiteral("=") + value).toStdString());
    };
    const auto shown = [](const QWidget* widget) { return widget->isHidden() ? QStringLiteral("caché") : QString(); };
    add(QStringLiteral("titre"), window.windowTitle());
    for (const QComboBox* box : { ui.NombreChevaux, ui.Jeu, ui.Base }) {
        add(box->objectName(), box->currentText() + shown(box));
    }
    for (const QWidget* widget : { static_cast<const QWidget*>(ui.JeuLabel), static_cast<const QWidget*>(ui.BaseLabel),
             static_cast<const QWidget*>(ui.Valider), static_cast<const QWidget*>(ui.Command5) }) {
        add(widget->objectName(), shown(widget));
    }
    for (const QLineEdit* box : ui.Text1) {
        add(box->objectName(), box->text() + shown(box));
    }
    for (const QCheckBox* mark : ui.Check1) {
        add(mark->objectName(), (mark->isChecked() ? QStringLiteral("coché") : QString()) + shown(mark));
    }
    for (const QLineEdit* box : ui.txtscan) {
        add(box->objectName(), box->text() + shown(box));
    }
    for (const ClickableLabel* logo : ui.PictureJeux) {
        add(logo->objectName(), logo->isHidden() ? shown(logo) : QStringLiteral("%1,%2").arg(logo->x()).arg(logo->y()));
    }
    add(QStringLiteral("TotalComb"), ui.TotalComb->text());
    add(QStringLiteral("BaseCount"), QString::number(window.game().selection().baseCount));
    add(QStringLiteral("SelectionText"), QString::fromStdString(window.game().lastSelectionText()));
    for (const std::string& line : LinesOf(window.game().list())) {
        seen.push_back("List1=" + line);
    }
    return seen;
}

// Compares two snapshots entry by entry.
inline void ExpectSameWindow(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        EXPECT_EQ(actual[i], expected[i]);
    }
}

} // namespace ornal::testing_support
