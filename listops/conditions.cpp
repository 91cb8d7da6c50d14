#include "listops/conditions.h"

#include "engine/numericvalue.h"
#include "listops/conditionmatcher.h"

#include <algorithm>

namespace ornal {

namespace {

Refusal refusal(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

Result<void> checkRange(const std::string& label, const CountRange& range)
{
    if (range.minimum < 0) {
        return refusal(label + " : le minimum " + std::to_string(range.minimum) + " est négatif.");
    }
    if (range.minimum > range.maximum) {
        return refusal(label + " : le minimum " + std::to_string(range.minimum) + " dépasse le maximum "
            + std::to_string(range.maximum) + ".");
    }
    return {};
}

Result<void> checkGroup(const HorseGroup& group, const std::vector<double>& prediction)
{
    if (group.numbers.empty()) {
        return refusal("Le groupe « " + group.name + " » est vide.");
    }
    for (std::size_t i = 0; i < group.numbers.size(); ++i) {
        const double number = group.numbers[i];
        if (std::find(prediction.begin(), prediction.end(), number) == prediction.end()) {
            return refusal("Le " + HorseNumberText(number) + " n'est pas dans le pronostic.");
        }
        if (std::find(group.numbers.begin(), group.numbers.begin() + static_cast<std::ptrdiff_t>(i), number)
            != group.numbers.begin() + static_cast<std::ptrdiff_t>(i)) {
            return refusal(
                "Le " + HorseNumberText(number) + " figure deux fois dans le groupe « " + group.name + " ».");
        }
    }
    const std::string label = "Groupe « " + group.name + " »";
    if (Result<void> checked = checkRange(label, group.count); !checked) {
        return checked;
    }
    // A minimum above the group's size would empty the list without saying why.
    if (group.count.minimum > static_cast<int>(group.numbers.size())) {
        return refusal(label + " : le minimum " + std::to_string(group.count.minimum) + " dépasse ses "
            + std::to_string(group.numbers.size()) + " numéros.");
    }
    return {};
}

} // namespace

Result<void> CheckConditions(
    const CombinationList& list, const LineConditions& conditions, std::span<const std::string> predictionNumbers)
{
    if (list.empty()) {
        return refusal(std::string(text::kEmptyList));
    }
    if (conditions.empty()) {
        return refusal("Aucune condition n'est choisie.");
    }
    std::vector<double> prediction;
    for (const std::string& box : predictionNumbers) {
        if (!TrimSpaces(box).empty()) {
            prediction.push_back(NumericValue(box));
        }
    }
    for (const HorseGroup& group : conditions.groups()) {
        if (Result<void> checked = checkGroup(group, prediction); !checked) {
            return checked;
        }
    }
    if (conditions.sum()) {
        if (Result<void> checked = checkRange("Somme", *conditions.sum()); !checked) {
            return checked;
        }
    }
    if (conditions.evenCount()) {
        if (Result<void> checked = checkRange("Nombre de pairs", *conditions.evenCount()); !checked) {
            return checked;
        }
    }
    if (conditions.longestRun() && *conditions.longestRun() < 1) {
        return refusal("Suite : le maximum " + std::to_string(*conditions.longestRun())
            + " est trop petit, tout numéro forme à lui seul une suite de 1.");
    }
    return {};
}

CombinationList ApplyConditions(const CombinationList& list, const LineConditions& conditions)
{
    const ConditionMatcher matcher(conditions);
    CombinationList result;
    result.reserve(list.size(), list.textBytes());
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const std::string_view line = list.line(i);
        if (matcher.meets(line)) {
            result.append(line);
        }
    }
    return result;
}

std::optional<CombinationList::Count> CountMeeting(
    const CombinationList& list, const LineConditions& conditions, const std::atomic<bool>* stop)
{
    const ConditionMatcher matcher(conditions);
    CombinationList::Count count = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        if (stop != nullptr && i % kStopCheckInterval == 0 && stop->load(std::memory_order_relaxed)) {
            return std::nullopt;
        }
        count += matcher.meets(list.line(i)) ? 1 : 0;
    }
    return count;
}

} // namespace ornal
