#include "cli/betoptions.h"

#include "betting/arrivalcheck.h"
#include "betting/betcost.h"
#include "betting/bettype.h"
#include "betting/money.h"
#include "betting/winnings.h"
#include "cli/betsummary.h"
#include "cli/oddsoption.h"
#include "files/printabletext.h"

#include <algorithm>
#include <array>

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

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

// "bonus 3=4,20" as a class and its rapport; the class is checked once the bet type is known.
std::optional<std::string> readRapport(const std::string& value, CommandLineOptions& options)
{
    const std::size_t equals = value.find('=');
    if (equals == std::string::npos || equals == 0) {
        return "--rapport « " + PrintableText(value) + " » : écrivez CLASSE=EUROS, par exemple « bonus 3=4,20 ».";
    }
    const Result<std::int64_t> rapport = ParseEuros(std::string_view(value).substr(equals + 1), kMaxRapportCents);
    if (!rapport) {
        return "--rapport « " + PrintableText(value) + " » : " + rapport.refusal().text();
    }
    options.rapports.push_back(ClassRapport { value.substr(0, equals), *rapport });
    return std::nullopt;
}

// A rapport for a class the bet type does not have, or for one already given.
std::optional<std::string> checkRapports(const CommandLineOptions& options, const BetType& type)
{
    const std::vector<std::string> known = ClassNames(type);
    for (std::size_t i = 0; i < options.rapports.size(); ++i) {
        const std::string& name = options.rapports[i].className;
        if (std::find(known.begin(), known.end(), name) == known.end()) {
            return "--rapport : le " + std::string(type.name) + " n'a pas de classe « " + PrintableText(name) + " » ("
                + joined(known) + ").";
        }
        for (std::size_t j = 0; j < i; ++j) {
            if (options.rapports[j].className == name) {
                return "--rapport : le rapport de « " + PrintableText(name) + " » est donné deux fois.";
            }
        }
    }
    return std::nullopt;
}

} // namespace

bool IsBetOption(const std::string& option)
{
    return option == "--jeu" || option == "--mise" || option == "--arrivee" || option == "--cotes"
        || option == "--rapport";
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
        const Result<std::int64_t> stake = ParseStake(value);
        if (!stake) {
            return "--mise « " + PrintableText(value) + " » : " + stake.refusal().text();
        }
        options.stakeCents = *stake;
    } else if (option == "--arrivee") {
        options.arrival = value;
    } else if (option == "--cotes") {
        return ReadOddsOption(value, options.odds);
    } else if (option == "--rapport") {
        return readRapport(value, options);
    }
    return std::nullopt;
}

std::optional<std::string> CheckBetOptions(const CommandLineOptions& options)
{
    if (options.odds.given && !options.betType) {
        return "--cotes ne va qu'avec --jeu.";
    }
    if (!options.rapports.empty() && !options.arrival) {
        return "--rapport ne va qu'avec --arrivee.";
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
    if (savedType && !Cost(list, *savedType, saved->unitStakeCents)) {
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
    if (savedType && savedType->id == *options.betType) {
        options.rapportBaseCents = saved->rapportBaseCents;
    }
    return checkRapports(options, *FindBetType(*options.betType));
}

void TakeSavedArrival(CommandLineOptions& options, const SavedGame* game, const CombinationList& list)
{
    if (!options.print || options.arrival || !game || !game->arrival || !game->bet || !options.betType
        || game->bet->typeId != *options.betType) {
        return;
    }
    const BetType& type = *FindBetType(*options.betType);
    const std::array<std::string, SavedSelection::kResultBoxes>& numbers = game->arrival->numbers;
    std::size_t typed = numbers.size();
    while (typed > 0 && numbers[typed - 1].empty()) {
        --typed;
    }
    std::string arrival;
    for (std::size_t i = 0; i < typed; ++i) {
        arrival += (i == 0 ? "" : "-") + numbers[i];
    }
    if (typed == 0 || !CheckArrival(list, type, ArrivalTexts(arrival))) {
        return;
    }
    options.arrival = arrival;
    if (!options.rapports.empty()) {
        return;
    }
    const std::vector<std::string> known = ClassNames(type);
    for (const SavedPayout& payout : game->arrival->payouts) {
        const bool taken = std::any_of(options.rapports.begin(), options.rapports.end(),
            [&](const ClassRapport& given) { return given.className == payout.className; });
        if (!taken && std::find(known.begin(), known.end(), payout.className) != known.end()) {
            options.rapports.push_back(ClassRapport { payout.className, payout.cents });
        }
    }
}

Result<void> TakeRunners(CommandLineOptions& options, const SavedGame* game)
{
    if (options.odds.given) {
        Result<std::vector<Runner>> loaded = LoadOddsRunners(options.odds);
        if (!loaded) {
            return loaded.refusal();
        }
        options.odds = OddsChoice { std::move(*loaded), std::nullopt, true };
        return {};
    }
    // The saved runners give the chances wherever --cotes would: with a bet in force.
    if (options.betType && game && !game->runners.empty()) {
        options.odds = OddsChoice { game->runners, std::nullopt, true };
    }
    return {};
}

} // namespace ornal
