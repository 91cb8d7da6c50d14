#pragma once

#include <string>
#include <string_view>

namespace ornal {

// The program's own texts, spelled once so that every front end shows the same words.
namespace text {
inline constexpr std::string_view kProgramTitle = "Programme Ornal";
inline constexpr std::string_view kChooseBetType = "Vous devez choisir un type de jeu.";
inline constexpr std::string_view kEnterNumber = "Entrez un Numéro.";
inline constexpr std::string_view kNumberAlreadyEntered = "Numéro déjà saisi.";
inline constexpr std::string_view kChooseNumber = "Choisir un Nombre.";
inline constexpr std::string_view kInvalidChoice = "Choix invalide.";
inline constexpr std::string_view kInvalidClickCount = "Nombre de click invalide.";
inline constexpr std::string_view kEmptyList = "Liste vide , traitement impossible.";
inline constexpr std::string_view kRequiredField = "Champ obligatoire";
inline constexpr std::string_view kWorking = "Traitement en cours...";
inline constexpr std::string_view kChooseHorseCount = "Sélectionner le nombre de chevaux de votre jeu";
inline constexpr std::string_view kChooseBetTypeNow = "Choisir maintenant le type de jeu";
inline constexpr std::string_view kKeepQuestion = "Garder uniquement les combinaisons avec le chiffre : ";
inline constexpr std::string_view kRemoveQuestion = "Supprimer uniquement les combinaisons avec le chiffre : ";
inline constexpr std::string_view kNoBase = "Sans Base";
inline constexpr std::string_view kOutOfMemory
    = "Mémoire insuffisante : l'opération est abandonnée, la liste affichée est conservée.";
} // namespace text

// The icons of the program's message boxes (style values 0, 16, 36 and 64).
enum class MessageIcon { None, Critical, Question, Information };

// A message for the player: its text (lines joined with a carriage return alone), icon and title.
struct Message {
    std::string text;
    MessageIcon icon = MessageIcon::None;
    std::string title = std::string(text::kProgramTitle);

    bool operator==(const Message&) const = default;
};

} // namespace ornal
