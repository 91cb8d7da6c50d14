#include "cli/oddsoption.h"

#include "betting/runnerpaste.h"
#include "files/filereader.h"

#include <string_view>

namespace ornal {

namespace {

// A runners' file is a few lines a runner; anything this large is not one.
constexpr std::size_t kMaxOddsFileBytes = 64 * 1024;

} // namespace

std::optional<std::string> ReadOddsOption(const std::string& value, OddsChoice& choice)
{
    choice.given = true;
    if (value.find('=') == std::string::npos) {
        if (value.empty()) {
            return "--cotes attend N=COTE,N=COTE,... ou un fichier.";
        }
        choice.file = value;
        return std::nullopt;
    }
    std::string_view rest = value;
    for (;;) {
        const std::size_t comma = rest.find(',');
        const std::string_view pair = rest.substr(0, comma);
        const std::size_t equals = pair.find('=');
        const std::optional<int> number
            = equals == std::string_view::npos ? std::nullopt : ParseRunnerNumber(pair.substr(0, equals));
        // The comma separates the runners here: the odds take a full stop.
        const std::string_view oddsText
            = equals == std::string_view::npos ? std::string_view {} : pair.substr(equals + 1);
        const std::optional<double> odds
            = oddsText.find(',') == std::string_view::npos ? ParseOdds(oddsText) : std::nullopt;
        if (!number || !odds) {
            return "--cotes « " + std::string(pair) + " » : attendu N=COTE, par exemple 3=5.2.";
        }
        choice.runners.push_back(Runner { *number, *odds });
        if (comma == std::string_view::npos) {
            return std::nullopt;
        }
        rest.remove_prefix(comma + 1);
    }
}

Result<std::vector<Runner>> LoadOddsRunners(const OddsChoice& choice)
{
    if (!choice.file) {
        return choice.runners;
    }
    const ReadOutcome read = ReadFileLimited(*choice.file, kMaxOddsFileBytes);
    if (!read.ok()) {
        return Refusal::Saying(read.refusal().text());
    }
    PastedRunners pasted = ReadRunnerLines(*read);
    if (!pasted.unreadableLines.empty()) {
        return Refusal::Saying("« " + *choice.file + " » : " + UnreadableLinesText(pasted.unreadableLines));
    }
    return std::move(pasted.runners);
}

} // namespace ornal
