#include "search.h"

#include "linefields.h"
#include "numericvalue.h"

#include <algorithm>

namespace ornal {

SearchOutcome SearchResult(const CombinationList& list, std::string_view betSizeText,
    const std::array<std::string, kResultBoxCount>& resultBoxes)
{
    SearchOutcome outcome;
    if (list.empty()) {
        outcome.status = SearchOutcome::Status::EmptyList;
        outcome.message = Message { std::string(text::kEmptyList), MessageIcon::Information };
        return outcome;
    }

    const double k = NumericValue(betSizeText);
    const std::optional<std::int16_t> rounded = RoundToInt16(k);
    const int required = rounded ? std::clamp<int>(*rounded, 0, kResultBoxCount) : 0;
    for (int m = 0; m < required; ++m) {
        if (resultBoxes[m].empty()) {
            outcome.status = SearchOutcome::Status::MissingBox;
            outcome.message = Message { std::string(text::kRequiredField), MessageIcon::Information };
            outcome.box = m;
            return outcome;
        }
    }
    std::array<double, kResultBoxCount> wanted {};
    for (int m = 0; m < required; ++m) {
        wanted[m] = NumericValue(resultBoxes[m]);
        for (int lower = 0; lower < m; ++lower) {
            if (wanted[lower] == wanted[m]) {
                outcome.status = SearchOutcome::Status::DuplicateBox;
                outcome.message = Message { std::string(text::kNumberAlreadyEntered) };
                outcome.box = m;
                outcome.selectBoxText = true;
                return outcome;
            }
        }
    }
    if (!rounded || *rounded < 1 || *rounded != k) {
        return outcome;
    }

    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        std::uint32_t heldMask = 0;
        ForEachLineNumber(list.line(i), [&](std::string_view field) {
            const double value = FieldValue(field);
            for (int m = 0; m < required; ++m) {
                if (value == wanted[m]) {
                    heldMask |= 1u << m;
                }
            }
        });
        if (heldMask == (1u << required) - 1) {
            outcome.status = SearchOutcome::Status::Found;
            outcome.line = i;
            return outcome;
        }
    }
    return outcome;
}

} // namespace ornal
