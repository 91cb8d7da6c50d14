#include "cli/gameoutputs.h"

#include "betting/bettype.h"
#include "cli/betsummary.h"
#include "cli/pdfchild.h"
#include "cli/windowlauncher.h"
#include "document/gamefile.h"
#include "export/csvfile.h"
#include "files/pdfcheck.h"
#include "files/printabletext.h"
#include "files/systemerrortext.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <optional>
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

// The folder for the private folder that hands the game over.
std::filesystem::path TemporaryFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return tmp && *tmp ? tmp : "/tmp";
}

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
    // The child writes the PDF into the temporary that this process made, synced, checked and renamed by this
    // process: however the child ends, no file of its own stays behind.
    PdfChild child;
    const std::filesystem::path temporary = TemporaryFolder();
    int folderError = child.makeFolder(temporary);
    // A TMPDIR left pointing at a folder that is gone must not cost the PDF: /tmp is there on every system.
    if (folderError && temporary != "/tmp" && child.makeFolder("/tmp") == 0) {
        folderError = 0;
    }
    if (folderError) {
        return Fail(err,
            CannotSaveSentence(pdf,
                "le dossier temporaire « " + PrintableText(temporary.string())
                    + " » : " + SystemErrorText(folderError)));
    }
    child.holdFile("jeu.ornal");
    const std::filesystem::path handed = child.folder() / "jeu.ornal";
    const auto namingThePdf = [&pdf](std::string_view reason) { return CannotSaveSentence(pdf, reason); };
    if (const WriteOutcome saved = SaveGame(handed, game, ExistingFile::Keep, namingThePdf); !saved) {
        return Fail(err, saved.refusal().text());
    }
    const std::vector<std::string> arguments { window.string(), std::string(kPdfOption), "-", handed.string() };
    const std::vector<std::string> environment = OffscreenEnvironment();
    std::fflush(err);
    std::optional<std::string> notStarted;
    AtomicWriteOptions options;
    options.check = CheckPdfComplete;
    const WriteOutcome outcome = WriteFileThroughDescriptor(
        pdf,
        [&](int descriptor) -> FileStep {
            const int status = child.run(window.string(), arguments, environment, descriptor);
            if (status < 0) {
                const int error = errno;
                notStarted = "la fenêtre « " + PrintableText(window.string())
                    + " » n'a pas pu être lancée pour le PDF : " + SystemErrorText(error) + ".";
                return FileProblem::FromErrno(error);
            }
            if (WIFEXITED(status) && WEXITSTATUS(status) == 0) {
                return std::nullopt;
            }
            return FileProblem { WIFEXITED(status) ? "les pages n'ont pas pu être dessinées"
                                                   : "l'impression s'est arrêtée avant la fin",
                0 };
        },
        options);
    if (notStarted) {
        return Fail(err, *notStarted);
    }
    return outcome ? 0 : Fail(err, outcome.refusal().text());
}

} // namespace

void PutRunInGame(const CommandLineOptions& options, bool opened, Game& game)
{
    const BetType* type = options.betType ? FindBetType(*options.betType) : nullptr;
    if (type) {
        (void)game.setStake(*type, options.stakeCents.value_or(type->defaultStakeCents));
        if (options.rapportBaseCents) {
            (void)game.setRapportBase(*type, *options.rapportBaseCents);
        }
    }
    // The type a computation proposes was never played: only --jeu, or the game opened, puts a bet in the file.
    if (type || !opened) {
        (void)game.chooseBetType(type);
    }
    if (options.odds.given) {
        (void)game.setRunners(options.odds.runners, game.oddsThresholds());
    }
    if (options.arrival && type) {
        SavedArrival arrival;
        const std::vector<std::string> texts = ArrivalTexts(*options.arrival);
        for (std::size_t i = 0; i < texts.size() && i < arrival.numbers.size(); ++i) {
            arrival.numbers[i] = texts[i];
        }
        for (const ClassRapport& rapport : options.rapports) {
            arrival.payouts.push_back(SavedPayout { rapport.className, rapport.cents });
        }
        // The run has already checked it against the list and reported the outcome.
        (void)game.checkArrival(std::move(arrival));
    }
}

int WriteGameOutputs(const CommandLineOptions& options, const Game& played, std::FILE* err)
{
    if (!options.saveGame && !options.csv && !options.pdf) {
        return 0;
    }
    const SavedGame game = played.saved();
    if (options.saveGame) {
        if (const WriteOutcome outcome = SaveGame(*options.saveGame, game); !outcome) {
            return Fail(err, outcome.refusal().text());
        }
    }
    if (options.csv) {
        if (const WriteOutcome outcome = WriteCsvFile(*options.csv, game.list); !outcome) {
            return Fail(err, outcome.refusal().text());
        }
    }
    if (options.pdf) {
        return WritePdf(*options.pdf, game, err);
    }
    return 0;
}

} // namespace ornal
