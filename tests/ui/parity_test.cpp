// The window as one front end of the tables both front ends must treat alike: started with the line, then the base
// mode picked and the marks of the bases ticked, then Valider, as a player would.
#include "badfileparity.h"
#include "selectionparity.h"
#include "windowfixture.h"
#include "windowsnapshot.h"

#include "engine/numericvalue.h"
#include "ui/qtbridge.h"

namespace ornal::testing_support {
namespace {

// The mark under the box holding number, or nullptr when no box of the prediction holds it.
QCheckBox* MarkOf(const Form1Controls& ui, const std::string& number)
{
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (!ui.Text1[i]->isHidden() && NumericValue(ToStd(ui.Text1[i]->text())) == NumericValue(number)) {
            return ui.Check1[i];
        }
    }
    return nullptr;
}

class WindowFront : public WindowTest {
public:
    // A message box shows the program's text as it is.
    static std::string said(const std::string& text) { return text; }

    SelectionAnswer answer(const SelectionCase& c)
    {
        open({ ToQString(c.preload) });
        std::vector<std::string> messages = takeMessages();
        bool unmarkable = false;
        if (!c.bases.empty()) {
            pick(ui().Base, QString::number(c.bases.size()));
            for (const std::string& base : c.bases) {
                QCheckBox* mark = MarkOf(ui(), base);
                if (!mark || mark->isHidden()) {
                    unmarkable = true;
                    break;
                }
                click(mark);
            }
            const std::vector<std::string> later = takeMessages();
            messages.insert(messages.end(), later.begin(), later.end());
            if (!unmarkable && messages.empty()) {
                click(ui().Picture10);
                messages = takeMessages();
            }
        }
        SelectionAnswer answer;
        answer.lines = lines();
        answer.markRefused = unmarkable;
        if (!messages.empty()) {
            answer.kind = SelectionAnswer::Kind::Said;
            answer.said = messages.front();
        } else {
            answer.kind = SelectionAnswer::Kind::Listed;
            answer.said = ToStd(caption());
        }
        return answer;
    }

    // Over a game saved from a computed list: the window must keep it, and keep it as the game it saves to.
    BadFileAnswer openBadFile(const BadFileCase& c)
    {
        open({});
        ScratchFolder folder;
        prepare(5, 3, { "3", "7", "12", "1", "9" });
        click(ui().Picture10);
        m_fileAnswers.push_back(folder / "en cours.ornal");
        click(window().extensions().EnregistrerJeu);
        takeMessages();
        EXPECT_EQ(window().game().file(), folder / "en cours.ornal");
        BadFileAnswer answer;
        answer.before = state();
        const std::filesystem::path bad = folder / c.file;
        c.make(bad);
        m_fileAnswers.push_back(bad);
        click(window().extensions().OuvrirJeu);
        answer.after = state();
        answer.refused = shown().size() == 1 && !shown()[0].question && shown()[0].message.icon == MessageIcon::Critical
            && shown()[0].message.title == "Programme Ornal";
        for (const auto& box : shown()) {
            answer.said += box.message.text;
        }
        takeMessages();
        return answer;
    }

private:
    std::vector<std::string> state() const
    {
        std::vector<std::string> state = WindowSnapshot(window());
        state.push_back("fichier : " + window().game().file().string());
        return state;
    }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Window, SelectionParity, WindowFront);
INSTANTIATE_TYPED_TEST_SUITE_P(Window, BadFileParity, WindowFront);

} // namespace
} // namespace ornal::testing_support
