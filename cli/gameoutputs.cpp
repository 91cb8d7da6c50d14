#include "gameoutputs.h"

#include "bettype.h"
#include "csvfile.h"
#include "gamefile.h"
#include "gameselection.h"
#include "systemerrortext.h"
#include "windowlauncher.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <system_error>
#include <vector>

extern char** environ;

namespace ornal {

namespace {

constexpr std::string_view kPdfOption = "--pdf-sans-fenetre";

int Fail(std::FILE* err, const std::string& message)
{
    std::fputs(("ornal : " + message + "\n").c_str(), err);
    return 1;
}

// A private folder for the game handed to the window's program, removed with its content when done.
class PrivateFolder {
public:
    PrivateFolder()
    {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/ornal-pdf-XXXXXX";
        if (::mkdtemp(pattern.data())) {
            m_path = pattern;
        } else {
            m_error = errno;
        }
    }
    ~PrivateFolder()
    {
        std::error_code ignored;
        if (!m_path.empty()) {
            std::filesystem::remove_all(m_path, ignored);
        }
    }
    PrivateFolder(const PrivateFolder&) = delete;
    PrivateFolder& operator=(const PrivateFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    int error() const { return m_error; }

private:
    std::filesystem::path m_path;
    int m_error = 0;
};

// The environment of this process with Qt's display set to none: the window's program paints pages, not windows.
std::vector<std::string> OffscreenEnvironment()
{
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable) {
        if (std::string_view(*variable).rfind("QT_QPA_PLATFORM=", 0) != 0) {
            variables.emplace_back(*variable);
        }
    }
    variables.emplace_back("QT_QPA_PLATFORM=offscreen");
    return variables;
}

std::vector<char*> Pointers(std::vector<std::string>& texts)
{
    std::vector<char*> pointers;
    for (std::string& text : texts) {
        pointers.push_back(text.data());
    }
    pointers.push_back(nullptr);
    return pointers;
}

// Printing needs Qt, which this program does without: the window's program writes the PDF of the game, handed
// over in a file, without showing anything; its own messages reach err's descriptor as they are.
int WritePdf(const std::filesystem::path& pdf, const SavedGame& game, std::FILE* err)
{
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::symlink_status(pdf, error))) {
        return Fail(err, CannotSaveSentence(pdf, FileProblem::FromErrno(EEXIST).reason));
    }
    std::string failure;
    const std::filesystem::path window = WindowExecutable(failure);
    if (window.empty()) {
        std::fputs((failure + "\n").c_str(), err);
        return 1;
    }
    const PrivateFolder folder;
    if (folder.path().empty()) {
        return Fail(err, CannotSaveSentence(pdf, FileProblem::FromErrno(folder.error()).reason));
    }
    const std::filesystem::path handed = folder.path() / "jeu.ornal";
    if (const WriteOutcome saved = SaveGame(handed, game); !saved.written()) {
        return Fail(err, CannotSaveSentence(pdf, saved.problem->reason));
    }
    std::vector<std::string> arguments { window.string(), std::string(kPdfOption), pdf.string(), handed.string() };
    std::vector<std::string> environment = OffscreenEnvironment();
    std::vector<char*> argv = Pointers(arguments);
    std::vector<char*> envp = Pointers(environment);
    std::fflush(err);
    pid_t child = 0;
    if (const int spawned = ::posix_spawn(&child, window.c_str(), nullptr, nullptr, argv.data(), envp.data())) {
        return Fail(err,
            "la fenêtre « " + window.string() + " » n'a pas pu être lancée pour le PDF : " + SystemErrorText(spawned)
                + ".");
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) {
            return Fail(err, CannotSaveSentence(pdf, FileProblem::FromErrno(errno).reason));
        }
    }
    if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
        return 0;
    }
    // The window's program said why, unless it was stopped before it could.
    if (!WIFEXITED(status)) {
        return Fail(err, CannotSaveSentence(pdf, "l'impression s'est arrêtée avant la fin"));
    }
    return 1;
}

} // namespace

SavedGame GameOfRoad(const SelectionRoad& road)
{
    if (road.openedGame) {
        SavedGame game = *road.openedGame;
        if (!(game.list == road.result.list)) {
            SavedView view = ViewOf(game);
            view.caption = SavedView::Caption::Count;
            game.view = view;
            game.list = road.result.list;
        }
        return game;
    }
    SavedGame game;
    game.selection = SaveSelection(road.selection, road.results);
    game.view = SaveView(road.selection, SavedView::Caption::Count);
    game.selectionText = road.result.selectionText;
    game.list = road.result.list;
    return game;
}

int WriteGameOutputs(const CommandLineOptions& options, const SelectionRoad& road, std::FILE* err)
{
    if (!options.saveGame && !options.csv && !options.pdf) {
        return 0;
    }
    SavedGame game = GameOfRoad(road);
    if (const BetType* type = options.betType ? FindBetType(*options.betType) : nullptr) {
        game.bet = SavedBet { std::string(type->id), options.stakeCents.value_or(type->defaultStakeCents) };
    }
    if (options.saveGame) {
        if (const WriteOutcome outcome = SaveGame(*options.saveGame, game); !outcome.written()) {
            return Fail(err, outcome.message);
        }
    }
    if (options.csv) {
        if (const WriteOutcome outcome = WriteCsvFile(*options.csv, game.list); !outcome.written()) {
            return Fail(err, outcome.message);
        }
    }
    if (options.pdf) {
        return WritePdf(*options.pdf, game, err);
    }
    return 0;
}

} // namespace ornal
