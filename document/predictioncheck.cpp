#include "document/predictioncheck.h"

#include "document/gamekeys.h"
#include "engine/numericvalue.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace ornal {

namespace {

using Problem = std::optional<std::string>;
using Numbers = std::array<std::string_view, kNumberBoxCount>;

// A number from a file is named in a refusal only when it is short enough to read there.
constexpr std::size_t kLongestNamedNumber = 24;

std::string BoxPath(const char* key, int box)
{
    return ElementPath(MemberPath(gamekey::kSelection, key), static_cast<std::size_t>(box));
}

std::string LineName(CombinationList::Count line)
{
    return "la ligne " + std::to_string(line + 1);
}

std::string Named(std::string_view number)
{
    if (number.empty()) {
        return "un numéro vide";
    }
    return number.size() <= kLongestNamedNumber ? "« " + std::string(number) + " »" : "un numéro";
}

Problem CheckBoxes(const SavedSelection& selection)
{
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (selection.marks[i] && !selection.numbersShown[i]) {
            return Quoted(BoxPath(gamekey::kMarks, i)) + " coche une case cachée";
        }
    }
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (selection.numbersShown[i] && TrimSpaces(selection.numbers[i]).find('-') != std::string_view::npos) {
            return Quoted(BoxPath(gamekey::kNumbers, i)) + " contient un tiret, qui sépare les numéros d'une ligne";
        }
    }
    return std::nullopt;
}

// The prediction a list was made of is whole: a box may stay empty, or repeat another, only while it is typed.
Problem CheckWhole(const SavedSelection& selection)
{
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (!selection.numbersShown[i]) {
            continue;
        }
        const std::string_view number = TrimSpaces(selection.numbers[i]);
        if (number.empty()) {
            return Quoted(BoxPath(gamekey::kNumbers, i)) + " est vide alors que le jeu a une liste";
        }
        for (int j = 0; j < i; ++j) {
            if (selection.numbersShown[j] && NumericValue(selection.numbers[j]) == NumericValue(number)) {
                return Quoted(BoxPath(gamekey::kNumbers, i)) + " répète le numéro de l'élément "
                    + std::to_string(j + 1);
            }
        }
    }
    return std::nullopt;
}

int NumberCount(std::string_view line)
{
    int dashes = 0;
    for (const char c : line) {
        dashes += c == '-' ? 1 : 0;
    }
    // A line "-a-b-c-" holds one number fewer than dashes.
    return dashes - 1;
}

// line, of index, a combination of betSize numbers among numbers, each once.
Problem CheckLine(CombinationList::Count index, std::string_view line, const Numbers& numbers, int betSize)
{
    const int count = NumberCount(line);
    if (count != betSize) {
        return LineName(index) + " compte " + std::to_string(count) + (count == 1 ? " numéro" : " numéros")
            + " au lieu de " + std::to_string(betSize);
    }
    std::uint32_t used = 0;
    std::size_t start = 1;
    while (start < line.size()) {
        const std::size_t end = line.find('-', start);
        const std::string_view number = TrimSpaces(line.substr(start, end - start));
        start = end + 1;
        int at = 0;
        while (at < kNumberBoxCount && numbers[at] != number) {
            ++at;
        }
        if (at == kNumberBoxCount || number.empty()) {
            return LineName(index) + " contient " + Named(number) + ", qui n'est pas un numéro de la sélection";
        }
        if (used & (1u << at)) {
            return LineName(index) + " contient deux fois le numéro " + Named(number);
        }
        used |= 1u << at;
    }
    return std::nullopt;
}

// Every line a combination of the bet size's count of the shown boxes' numbers, each once.
Problem CheckAgainstBoxes(const SavedSelection& selection, const CombinationList& list)
{
    if (Problem problem = CheckWhole(selection)) {
        return problem;
    }
    const std::string_view betText = TrimSpaces(selection.betSizeText);
    const std::optional<std::int16_t> betSize = IsNumeric(betText) ? RoundToInt16(NumericValue(betText)) : std::nullopt;
    if (!betSize || *betSize < 1 || *betSize > kNumberBoxCount) {
        return Quoted(MemberPath(gamekey::kSelection, gamekey::kBetSize))
            + " ne donne pas le nombre de numéros des lignes";
    }
    // Hidden boxes hold no number of the prediction: an empty view never matches a field, as no field is empty.
    Numbers boxes {};
    for (int i = 0; i < kNumberBoxCount; ++i) {
        if (selection.numbersShown[i]) {
            boxes[i] = TrimSpaces(selection.numbers[i]);
        }
    }
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        if (Problem problem = CheckLine(i, list.line(i), boxes, *betSize)) {
            return problem;
        }
    }
    return std::nullopt;
}

// Whether every line is a combination of the selection text's numbers, each once, all of the first line's count.
bool MadeOfSelectionText(std::string_view selectionText, const CombinationList& list)
{
    Numbers numbers {};
    std::size_t count = 0;
    std::size_t start = 0;
    while (start < selectionText.size() && count < numbers.size()) {
        const std::size_t dash = selectionText.find('-', start);
        const std::size_t end = dash == std::string_view::npos ? selectionText.size() : dash;
        const std::string_view number = TrimSpaces(selectionText.substr(start, end - start));
        if (!number.empty()) {
            numbers[count++] = number;
        }
        start = end + 1;
    }
    const int betSize = NumberCount(list.line(0));
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        if (CheckLine(i, list.line(i), numbers, betSize)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::optional<std::string> CheckPrediction(
    const SavedSelection& selection, std::string_view selectionText, const CombinationList& list)
{
    if (Problem problem = CheckBoxes(selection)) {
        return problem;
    }
    if (list.empty()) {
        return std::nullopt;
    }
    Problem problem = CheckAgainstBoxes(selection, list);
    // The window keeps its list when a new horse count, bet size or number is chosen, until the next computation:
    // that list is still made of the selection text, the prediction as it stood when the list was made.
    if (problem && MadeOfSelectionText(selectionText, list)) {
        return std::nullopt;
    }
    return problem;
}

} // namespace ornal
