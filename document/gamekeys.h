#pragma once

#include <string>
#include <string_view>

namespace ornal {

// The member names of a game file, shared by its writer, its reader and the messages that point into it.
namespace gamekey {
inline constexpr const char* kFormat = "format";
inline constexpr const char* kVersion = "version";
inline constexpr const char* kSelection = "selection";
inline constexpr const char* kHorseCount = "nombreChevaux";
inline constexpr const char* kBetSize = "jeu";
inline constexpr const char* kBase = "base";
inline constexpr const char* kBaseCount = "nombreBases";
inline constexpr const char* kNumbers = "numeros";
inline constexpr const char* kNumbersShown = "numerosVisibles";
inline constexpr const char* kMarks = "coches";
inline constexpr const char* kMarksShown = "cochesVisibles";
inline constexpr const char* kResults = "resultats";
inline constexpr const char* kResultsShown = "resultatsVisibles";
inline constexpr const char* kSelectionText = "texteSelection";
inline constexpr const char* kLines = "lignes";
inline constexpr const char* kBet = "pari";
inline constexpr const char* kBetType = "type";
inline constexpr const char* kUnitStake = "miseUnitaireCentimes";
inline constexpr const char* kRapportBase = "rapportPourCentimes";
inline constexpr const char* kArrival = "arrivee";
inline constexpr const char* kPayouts = "rapports";
inline constexpr const char* kPayoutClass = "classe";
inline constexpr const char* kCents = "centimes";
inline constexpr const char* kConditions = "conditions";
inline constexpr const char* kName = "nom";
inline constexpr const char* kMin = "min";
inline constexpr const char* kMax = "max";
inline constexpr const char* kSum = "somme";
inline constexpr const char* kEven = "pairs";
inline constexpr const char* kRun = "suite";
inline constexpr const char* kGuarantee = "garantie";
inline constexpr const char* kP = "p";
inline constexpr const char* kT = "t";
inline constexpr const char* kView = "fenetre";
inline constexpr const char* kBetSizeShown = "jeuVisible";
inline constexpr const char* kBaseShown = "baseVisible";
inline constexpr const char* kLogos = "logos";
inline constexpr const char* kCaption = "legende";
} // namespace gamekey

// The path of member key inside parent ("selection.jeu").
inline std::string MemberPath(std::string_view parent, std::string_view key)
{
    std::string path(parent);
    if (!path.empty()) {
        path += '.';
    }
    path += key;
    return path;
}

// The path of element index (counted from 0) of array, as the player counts it: "selection.numeros (élément 4)".
inline std::string ElementPath(std::string_view array, std::size_t index)
{
    return std::string(array) + " (élément " + std::to_string(index + 1) + ")";
}

// "« path »", for messages.
inline std::string Quoted(std::string_view path)
{
    return "« " + std::string(path) + " »";
}

} // namespace ornal
