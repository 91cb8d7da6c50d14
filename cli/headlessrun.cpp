#include "headlessrun.h"

#include "betsummary.h"
#include "exportcommand.h"
#include "gameoutputs.h"
#include "headlessreduction.h"
#include "selectionroad.h"
#include "systemerrortext.h"
#include "version.h"

#include <algorithm>
#include <cerrno>
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
    if (road.status == SelectionRoad::Status::Misused) {
        return ReportMisuse(road.text, err);
    }
    say(err, road.text);
    return 1;
}

int print(const CommandLineOptions& options, std::FILE* out, std::FILE* err)
{
    SelectionRoad road = WalkSelectionRoad(options);
    if (road.status != SelectionRoad::Status::Computed) {
        return reportRoad(road, err);
    }
    const HeadlessReduction reduction = ReduceHeadless(options, road.selection, road.result.list);
    if (reduction.refusal) {
        say(err, *reduction.refusal);
        return 1;
    }
    const BetSummary bets = SummariseBets(options, road.result.list);
    if (bets.refusal) {
        say(err, *bets.refusal);
        return 1;
    }
    if (options.print
        && !(bets.arrival ? WritePayingLines(out, road.result.list, *bets.arrival)
                          : writeLines(out, road.result.list))) {
        return reportUnwritable(err);
    }
    if (const int status = WriteGameOutputs(options, road, err); status != 0) {
        return status;
    }
    say(err, CountCaption(road.result.list.size()));
    for (const std::string& line : reduction.summary) {
        say(err, line);
    }
    for (const std::string& line : bets.lines) {
        say(err, line);
    }
    return 0;
}

// The workbook the window's export writes, into a file of the caller's choosing and opened by nobody.
int exportWorkbook(const CommandLineOptions& options, std::FILE* err)
{
    SelectionRoad road = WalkSelectionRoad(options);
    if (road.status != SelectionRoad::Status::Computed) {
        return reportRoad(road, err);
    }
    const HeadlessReduction reduction = ReduceHeadless(options, road.selection, road.result.list);
    if (reduction.refusal) {
        say(err, *reduction.refusal);
        return 1;
    }
    const BetSummary bets = SummariseBets(options, road.result.list);
    if (bets.refusal) {
        say(err, *bets.refusal);
        return 1;
    }
    // The Base box's text: a base count for --base, what the game holds for a game opened.
    const std::string baseText = road.selection.baseText;
    ExportRequest request {
        .list = road.result.list, .selectionText = road.result.selectionText, .baseText = baseText
    };
    request.file = *options.xlsx;
    const ExportOutcome outcome = ExportCombinationList(request);
    if (outcome.message) {
        std::string text = outcome.message->text;
        std::replace(text.begin(), text.end(), '\r', '\n');
        say(err, text);
    }
    if (outcome.status != ExportOutcome::Status::Written) {
        return 1;
    }
    if (const int status = WriteGameOutputs(options, road, err); status != 0) {
        return status;
    }
    say(err, CountCaption(road.result.list.size()));
    for (const std::string& line : reduction.summary) {
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
    std::fputs(("ornal : " + what + "\n\n" + UsageText()).c_str(), err);
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
    return options.xlsx ? exportWorkbook(options, err) : print(options, out, err);
}

} // namespace ornal
