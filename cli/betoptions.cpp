#include "betoptions.h"

#include "bettype.h"
#include "money.h"
#include "oddsoption.h"

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
            return "type de pari inconnu « " + value + " » (" + knownIds() + ").";
        }
        options.betType = value;
    } else if (option == "--mise") {
        const EurosOutcome stake = ParseEuros(value);
        if (stake.message) {
            return "--mise « " + value + " » : " + stake.message->text;
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
    if (!options.betType) {
        if (options.arrival) {
            return "--arrivee ne va qu'avec --jeu.";
        }
        if (options.stakeCents) {
            return "--mise ne va qu'avec --jeu.";
        }
        if (options.odds.given) {
            return "--cotes ne va qu'avec --jeu.";
        }
        return std::nullopt;
    }
    if (!options.print && !options.xlsx) {
        return "--jeu ne va qu'avec --print ou --xlsx.";
    }
    if (options.arrival && !options.print) {
        return "--arrivee ne va qu'avec --print : seules les combinaisons payées sont écrites.";
    }
    return std::nullopt;
}

} // namespace ornal
