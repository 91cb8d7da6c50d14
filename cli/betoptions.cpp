#include "betoptions.h"

#include "betcost.h"
#include "bettype.h"
#include "money.h"
#include "oddsoption.h"
#include "printabletext.h"

namespace ornal {

namespace {

std::string knownIds()
{
    std::string ids;
    for (const BetType& type : BetTypes()) {
        ids += (ids.empty() ? "" : ", ") + std::string(type.id);
    }
    return ids;
}

} // namespace

bool IsBetOption(const std::string& option)
{
    return option == "--jeu" || option == "--mise" || option == "--arrivee" || option == "--cotes";
}

std::optional<std::string> ReadBetOption(
    const std::string& option, const std::string& value, CommandLineOptions& options)
{
    if (option == "--jeu") {
        if (!FindBetType(value)) {
            return "type de pari inconnu « " + PrintableText(value) + " » (" + knownIds() + ").";
        }
        options.betType = value;
    } else if (option == "--mise") {
        const EurosOutcome stake = ParseEuros(value);
        if (stake.message) {
            return "--mise « " + PrintableText(value) + " » : " + stake.message->text;
        }
        options.stakeCents = stake.cents;
    } else if (option == "--arrivee") {
        options.arrival = value;
    } else if (option == "--cotes") {
        return ReadOddsOption(value, options.odds);
    }
    return std::nullopt;
}

std::optional<std::string> CheckBetOptions(const CommandLineOptions& options)
{
    if (options.odds.given && !options.betType) {
        return "--cotes ne va qu'avec --jeu.";
    }
    if (options.arrival && !options.print) {
        return "--arrivee ne va qu'avec --print : seules les combinaisons payées sont écrites.";
    }
    if (options.betType && !options.print && !options.xlsx) {
        return "--jeu ne va qu'avec --print ou --xlsx.";
    }
    return std::nullopt;
}

std::optional<std::string> TakeSavedBet(CommandLineOptions& options, const SavedGame* game, const CombinationList& list)
{
    const std::optional<SavedBet>& saved = game ? game->bet : std::nullopt;
    const BetType* savedType = saved ? FindBetType(saved->typeId) : nullptr;
    if (savedType && Cost(list, *savedType, saved->unitStakeCents).message) {
        savedType = nullptr;
    }
    // Like --jeu, the saved bet is priced where its cost is shown: with the lines or the workbook.
    const bool priced = options.print || options.xlsx;
    if (!options.betType && savedType && priced) {
        options.betType = std::string(savedType->id);
    }
    if (!options.betType && savedType && options.stakeCents) {
        return "--mise ne va qu'avec --print ou --xlsx.";
    }
    if (!options.betType) {
        const char* without = options.arrival ? "--arrivee" : options.stakeCents ? "--mise" : nullptr;
        return without ? std::optional<std::string>(
                   std::string(without) + " ne va qu'avec --jeu ou un jeu enregistré avec son pari.")
                       : std::nullopt;
    }
    // The saved stake is that of the saved type: another type given by --jeu starts from its own default.
    if (!options.stakeCents && savedType && savedType->id == *options.betType) {
        options.stakeCents = saved->unitStakeCents;
    }
    return std::nullopt;
}

} // namespace ornal
