#include "cli/headlessrun.h"

#include "cli/betoptions.h"
#include "cli/betsummary.h"
#include "cli/gameoutputs.h"
#include "cli/headlessreduction.h"
#include "cli/outputdestinations.h"
#include "cli/savedgamelines.h"
#include "cli/selectionroad.h"
#include "document/gamenotes.h"
#include "export/exportcommand.h"
#include "files/printabletext.h"
#include "files/systemerrortext.h"
#include "reduction/gamehorses.h"
#include "version.h"

#include <algorithm>
#include <cerrno>
#include <optional>
#include <string_view>

namespace ornal {

namespace {

void say(std::FILE* err, std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), err);
    std::fputc('\n', err);
}

// Writes text to out and makes sure it left the process; false, with errno set, when it could not.
bool writeWhole(std::FILE* out, std::string_view text)
{
    return std::fwrite(text.data(), 1, text.size(), out) == text.size() && std::fflush(out) == 0;
}

int reportUnwritable(std::FILE* err)
{
    say(err, "ornal : écriture impossible : " + SystemErrorText(errno));
    return 1;
}

// Writes each line straight from the list's own storage: stdio's buffer is the only copy.
bool writeLines(std::FILE* out, const CombinationList& list)
{
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const std::string_view line = list.line(i);
        if (std::fwrite(line.data(), 1, line.size(), out) != line.size() || std::fputc('\n', out) == EOF) {
            return false;
        }
    }
    return std::fflush(out) == 0;
}

int reportRoad(const SelectionRoad& road, std::FILE* err)
{
    if (road.misuse) {
        return ReportMisuse(*road.misuse, err);
    }
    say(err, road.refusal->text());
    return 1;
}

// The workbook the window's export writes, into a file of the caller's choosing and opened by nobody; the status
// to end with when it is not written.
std::optional<int> exportWorkbook(const CommandLineOptions& options, const SelectionRoad& road, std::FILE* err)
{
    // The Base box's text: a base count for --base, what the game holds for a game opened.
    ExportRequest request {
        .list = road.list(), .selectionText = road.game.selectionText(), .baseText = road.game.selection().baseText
    };
    request.file = *options.xlsx;
    request.notes = GameNotes(road.game.saved());
    const ExportOutcome outcome = ExportCombinationList(request);
    if (outcome.refusal) {
        std::string text = outcome.refusal->text();
        // The export names the file as given; a line break in the name must not pass for one of the message's.
        const std::string printable = PrintableText(*options.xlsx);
        for (std::size_t at = 0; printable != *options.xlsx && (at = text.find(*options.xlsx, at)) != text.npos;
             at += printable.size()) {
            text.replace(at, options.xlsx->size(), printable);
        }
        std::replace(text.begin(), text.end(), '\r', '\n');
        say(err, text);
    }
    return outcome.written() ? std::nullopt : std::optional<int>(1);
}

// Computation, filters and conditions, reduction, then the outputs asked for and the summaries.
int run(const CommandLineOptions& given, std::FILE* out, std::FILE* err)
{
    if (const std::optional<std::string> shared = SharedDestination(given)) {
        return ReportMisuse(*shared, err);
    }
    if (const Result<void> free = CheckDestinations(given); !free) {
        say(err, free.refusal().text());
        return 1;
    }
    SelectionRoad road = WalkSelectionRoad(given);
    if (!road.walked()) {
        return reportRoad(road, err);
    }
    // From here on, the bet in force is the one given or the one of the game opened.
    CommandLineOptions options = given;
    const SavedGame* opened = road.openedGame ? &*road.openedGame : nullptr;
    if (const std::optional<std::string> wrong = TakeSavedBet(options, opened, road.list())) {
        return ReportMisuse(*wrong, err);
    }
    TakeSavedArrival(options, opened, road.list());
    if (const Result<void> taken = TakeRunners(options, opened); !taken) {
        say(err, taken.refusal().text());
        return 1;
    }
    const HeadlessReduction reduction = ReduceHeadless(options, road.game);
    if (!reduction) {
        say(err, reduction.refusal().text());
        return 1;
    }
    const Result<BetSummary> summarised
        = SummariseBets(options, road.list(), HorsesOfSelection(road.game.selection()).horses);
    if (!summarised) {
        say(err, summarised.refusal().text());
        return 1;
    }
    const BetSummary& bets = *summarised;
    PutRunInGame(options, opened != nullptr, road.game);
    if (options.xlsx) {
        if (const std::optional<int> status = exportWorkbook(options, road, err)) {
            return *status;
        }
    } else if (options.print
        && !(bets.arrival ? WritePayingLines(out, road.list(), *bets.arrival) : writeLines(out, road.list()))) {
        return reportUnwritable(err);
    }
    if (const int status = WriteGameOutputs(options, road.game, err); status != 0) {
        return status;
    }
    say(err, CountCaption(road.list().size()));
    if (opened) {
        for (const std::string& line : SavedGameLines(*opened, road.game, options.reduction.guarantee.has_value())) {
            say(err, line);
        }
    }
    for (const std::string& line : *reduction) {
        say(err, line);
    }
    for (const std::string& line : bets.lines) {
        say(err, line);
    }
    return 0;
}

} // namespace

int ReportMisuse(const std::string& what, std::FILE* err)
{
    // One line says what is wrong; the whole usage would push it out of sight.
    std::fputs(("ornal : " + what + "\nPour l'aide : ornal --help\n").c_str(), err);
    return 2;
}

int RunHeadless(const CommandLineOptions& options, std::FILE* out, std::FILE* err)
{
    if (options.help) {
        return writeWhole(out, UsageText()) ? 0 : reportUnwritable(err);
    }
    if (options.version) {
        return writeWhole(out, std::string("ornal ") + ORNAL_VERSION + "\n") ? 0 : reportUnwritable(err);
    }
    return run(options, out, err);
}

} // namespace ornal
