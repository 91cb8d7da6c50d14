#include "windowfixture.h"

#include "testsupport.h"

#include <QApplication>
#include <QTest>

#include <algorithm>

namespace ornal::testing_support {

void RecordingMessageBoxes::show(const Message& message)
{
    *cursorWasBusy = *cursorWasBusy || QApplication::overrideCursor() != nullptr;
    shown->push_back({ message, false });
}

bool RecordingMessageBoxes::ask(const Message& message)
{
    *cursorWasBusy = *cursorWasBusy || QApplication::overrideCursor() != nullptr;
    shown->push_back({ message, true });
    if (answers->empty()) {
        return true;
    }
    const bool answer = answers->front();
    answers->pop_front();
    return answer;
}

void WindowTest::open(const QStringList& arguments)
{
    m_window.reset();
    auto boxes = std::make_unique<RecordingMessageBoxes>();
    boxes->shown = &m_shown;
    boxes->answers = &m_answers;
    boxes->cursorWasBusy = &m_cursorWasBusy;
    Form1Services services;
    services.openUrl = [this](std::string_view address) {
        m_openedAddresses.emplace_back(address);
        return true;
    };
    services.exportList = [this](const ExportRequest& request) {
        m_exports.push_back(request);
        m_exportedLines.push_back(LinesOf(request.list));
        return m_exportOutcome;
    };
    services.quit = [this] { ++m_quits; };
    services.askFileName = [this](const FileNameQuestion& question) {
        m_fileQuestions.push_back(question);
        if (m_fileAnswers.empty()) {
            return std::optional<std::filesystem::path>();
        }
        std::optional<std::filesystem::path> answer = m_fileAnswers.front();
        m_fileAnswers.pop_front();
        return answer;
    };
    if (m_lastGameFile.empty()) {
        std::string folder = "ornal-dernier-" + std::to_string(QCoreApplication::applicationPid()) + "-"
            + testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(folder.begin(), folder.end(), '/', '-');
        m_lastGameFile = std::filesystem::path(testing::TempDir()) / folder / "dernier-jeu.ornal";
    }
    services.lastGameFile = [this] { return m_lastGameFile; };
    services.clipboardText = [this] { return m_clipboard; };
    m_window = std::make_unique<Form1>(arguments, std::move(boxes), std::move(services));
    m_window->show();
    QApplication::setActiveWindow(m_window.get());
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(m_window.get(), &activate);
}

void WindowTest::TearDown()
{
    m_window.reset();
    std::error_code ignored;
    std::filesystem::remove_all(m_lastGameFile.parent_path(), ignored);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the busy pointer was left on";
    while (QApplication::overrideCursor()) {
        QApplication::restoreOverrideCursor();
    }
}

void WindowTest::pick(QComboBox* combo, const QString& text)
{
    const int index = combo->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

void WindowTest::type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QTest::keyClicks(box, text);
}

void WindowTest::click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton);
}

void WindowTest::prepare(int horses, int bet, const std::vector<QString>& numbers, const QString& base)
{
    pick(ui().NombreChevaux, QString::number(horses));
    pick(ui().Jeu, QString::number(bet));
    pick(ui().Base, base);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        ui().Text1[i]->setText(numbers[i]);
    }
}

std::vector<std::string> WindowTest::takeMessages()
{
    std::vector<std::string> texts;
    for (const auto& box : m_shown) {
        texts.push_back(box.message.text);
    }
    m_shown.clear();
    return texts;
}

} // namespace ornal::testing_support
