#pragma once

#include "testsupport.h"
#include "ui/clickablelabel.h"
#include "ui/form1.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <deque>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ornal::testing_support {

// Records every box the window shows and answers its questions from a queue (Yes when the queue is empty).
class RecordingMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        Message message;
        bool question;
    };
    std::vector<Shown>* shown;
    std::deque<bool>* answers;
    bool* cursorWasBusy;

    void show(const Message& message) override;
    bool ask(const Message& message) override;
};

// A real window, shown offscreen, with recorders in place of message boxes, browser and export.
class WindowTest : public testing::Test {
protected:
    void SetUp() override { open({}); }
    void TearDown() override;

    // Replaces the window with one started with arguments (and activated, so the preload runs).
    void open(const QStringList& arguments);

    Form1& window() { return *m_window; }
    const Form1Controls& ui() const { return m_window->controls(); }

    // Picks text from the combo's list, as a click on the entry does.
    void pick(QComboBox* combo, const QString& text);
    // Types text into a box through the keyboard.
    void type(QLineEdit* box, const QString& text);
    void click(QWidget* widget);
    // Picks horses, bet size and base mode and types numbers into the first boxes.
    void prepare(
        int horses, int bet, const std::vector<QString>& numbers, const QString& base = QStringLiteral("Sans Base"));
    std::vector<std::string> lines() const { return LinesOf(window().game().list()); }
    const Form1& window() const { return *m_window; }
    QString caption() const { return ui().TotalComb->text(); }

    // The texts of the boxes shown since the last call, and forgets them.
    std::vector<std::string> takeMessages();
    const std::vector<RecordingMessageBoxes::Shown>& shown() const { return m_shown; }

    std::vector<RecordingMessageBoxes::Shown> m_shown;
    std::deque<bool> m_answers;
    bool m_cursorWasBusy = false;
    std::vector<std::string> m_openedAddresses;
    std::vector<ExportRequest> m_exports;
    std::vector<std::vector<std::string>> m_exportedLines;
    ExportOutcome m_exportOutcome;
    int m_quits = 0;
    // The file dialogs' answers, in order (a give-up when the queue is empty), and the questions they answered.
    std::deque<std::optional<std::filesystem::path>> m_fileAnswers;
    std::vector<FileNameQuestion> m_fileQuestions;
    // Where the window keeps the game when it closes: a fresh folder per test, removed at its end.
    std::filesystem::path m_lastGameFile;
    // What the clipboard holds for the window's "Coller".
    std::string m_clipboard;

private:
    std::unique_ptr<Form1> m_window;
};

} // namespace ornal::testing_support
