#pragma once

#include "files/printabletext.h"

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
inline constexpr const char* kRunners = "partants";
inline constexpr const char* kRunnerNumber = "numero";
inline constexpr const char* kOdds = "cote";
inline constexpr const char* kOddsThresholds = "seuilsCotes";
inline constexpr const char* kFavourites = "favoris";
inline constexpr const char* kOutsiders = "outsiders";
inline constexpr const char* kStakes = "mises";
inline constexpr const char* kLineConditions = "conditionsLigne";
inline constexpr const char* kOn = "actif";
inline constexpr const char* kExtent = "etendue";
inline constexpr const char* kLineCount = "nombreLignes";
inline constexpr const char* kBudget = "budgetCentimes";
inline constexpr const char* kSeconds = "secondes";

// The count caption's kinds as the file names them, in the order of SavedView::Caption.
inline constexpr const char* kCaptionNames[] = { "combinaisons", "choisirChevaux", "choisirJeu" };
// How a guarantee counts its lines, in the order of SavedGuarantee::Extent.
inline constexpr const char* kExtentNames[] = { "complete", "lignes", "budget" };
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

// How much of a path a message shows: a member's name comes from the file and may be of any length.
inline constexpr std::size_t kLongestQuotedPath = 80;

// "« path »", for messages; a name from the file shows its control characters as escapes, so that the message
// stays on its line, and is cut, at a character's start, past kLongestQuotedPath bytes.
inline std::string Quoted(std::string_view path)
{
    std::string shown = PrintableText(path);
    if (shown.size() > kLongestQuotedPath) {
        std::size_t cut = kLongestQuotedPath;
        while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) {
            --cut;
        }
        shown.resize(cut);
        shown += "…";
    }
    return "« " + shown + " »";
}

} // namespace ornal
