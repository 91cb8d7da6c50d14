#include "listops/filters.h"

#include "engine/linefields.h"
#include "engine/numericvalue.h"

#include <string>

namespace ornal {

namespace {

CombinationList filtered(const CombinationList& list, double n, bool keepHolders)
{
    CombinationList result;
    result.reserve(list.size(), list.textBytes());
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const std::string_view line = list.line(i);
        if (LineHoldsNumber(line, n) == keepHolders) {
            result.append(line);
        }
    }
    return result;
}

} // namespace

std::optional<double> FilterNumber(std::string_view filterText)
{
    if (!StartsWithNumber(filterText)) {
        return std::nullopt;
    }
    return NumericValue(filterText);
}

Result<void> CheckFilter(const CombinationList& list, std::string_view filterText)
{
    if (list.empty()) {
        return Refusal::Saying(std::string(text::kEmptyList), MessageIcon::Information);
    }
    // Confirming an empty or non-numeric choice would keep nothing and lose the list.
    if (!FilterNumber(filterText)) {
        return Refusal::Saying(std::string(text::kChooseNumber), MessageIcon::Information);
    }
    return {};
}

Message KeepQuestion(std::string_view filterText)
{
    return Message { std::string(text::kKeepQuestion) + std::string(filterText), MessageIcon::Question };
}

Message RemoveQuestion(std::string_view filterText)
{
    return Message { std::string(text::kRemoveQuestion) + std::string(filterText), MessageIcon::Question };
}

bool LineHoldsNumber(std::string_view line, double n)
{
    bool holds = false;
    ForEachLineNumber(line, [&](std::string_view field) { holds = holds || FieldValue(field) == n; });
    return holds;
}

CombinationList KeepCombinationsWith(const CombinationList& list, double n)
{
    return filtered(list, n, true);
}

CombinationList RemoveCombinationsWith(const CombinationList& list, double n)
{
    return filtered(list, n, false);
}

} // namespace ornal
