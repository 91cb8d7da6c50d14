#include "listops/search.h"

#include "engine/linefields.h"
#include "engine/numericvalue.h"

#include <algorithm>
#include <cstdint>

namespace ornal {

namespace {

// The numbers a line holds, from 0 to 127: bit n % 64 of word n / 64 stands for the number n.
using NumberSet = std::array<std::uint64_t, 2>;
constexpr unsigned kSetSize = 128;

bool IsSmallWholeNumber(double value)
{
    return value >= 0 && value < kSetSize && value == static_cast<double>(static_cast<int>(value));
}

void Add(NumberSet& set, unsigned number)
{
    set[number / 64] |= std::uint64_t { 1 } << (number % 64);
}

// Whether line holds every number of the set.
bool HoldsAll(std::string_view line, const NumberSet& wantedSet)
{
    NumberSet held {};
    ForEachLineNumber(line, [&](std::string_view field) {
        // The short fields stay integers: no trip through a double for the lines' own numbers.
        int number = ShortFieldNumber(field);
        if (number < 0) {
            const double value = NumericValue(field);
            number = IsSmallWholeNumber(value) ? static_cast<int>(value) : -1;
        }
        if (number >= 0) {
            Add(held, static_cast<unsigned>(number));
        }
    });
    return (held[0] & wantedSet[0]) == wantedSet[0] && (held[1] & wantedSet[1]) == wantedSet[1];
}

// Whether line holds the first required numbers of wanted, whatever they are.
bool HoldsAll(std::string_view line, const std::array<double, kResultBoxCount>& wanted, int required)
{
    std::uint32_t heldMask = 0;
    ForEachLineNumber(line, [&](std::string_view field) {
        const double value = FieldValue(field);
        for (int m = 0; m < required; ++m) {
            if (value == wanted[m]) {
                heldMask |= 1u << m;
            }
        }
    });
    return heldMask == (1u << required) - 1;
}

} // namespace

SearchOutcome SearchResult(const CombinationList& list, std::string_view betSizeText,
    const std::array<std::string, kResultBoxCount>& resultBoxes)
{
    SearchOutcome outcome;
    if (list.empty()) {
        outcome.status = SearchOutcome::Status::EmptyList;
        outcome.refusal = Refusal::Saying(std::string(text::kEmptyList), MessageIcon::Information);
        return outcome;
    }

    const double k = NumericValue(betSizeText);
    const std::optional<std::int16_t> rounded = RoundToInt16(k);
    const int required = rounded ? std::clamp<int>(*rounded, 0, kResultBoxCount) : 0;
    for (int m = 0; m < required; ++m) {
        if (resultBoxes[m].empty()) {
            outcome.status = SearchOutcome::Status::MissingBox;
            outcome.refusal = Refusal::Saying(std::string(text::kRequiredField), MessageIcon::Information);
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
                outcome.refusal = Refusal::Saying(std::string(text::kNumberAlreadyEntered));
                outcome.box = m;
                outcome.selectBoxText = true;
                return outcome;
            }
        }
    }
    if (!rounded || *rounded < 1 || *rounded != k) {
        return outcome;
    }

    // Typed results are nearly always small whole numbers: a line's numbers then go into a set of bits and a line
    // costs one comparison instead of one per result box and number.
    NumberSet wantedSet {};
    bool small = true;
    for (int m = 0; m < required && small; ++m) {
        small = IsSmallWholeNumber(wanted[m]);
        if (small) {
            Add(wantedSet, static_cast<unsigned>(wanted[m]));
        }
    }
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const bool held = small ? HoldsAll(list.line(i), wantedSet) : HoldsAll(list.line(i), wanted, required);
        if (held) {
            outcome.status = SearchOutcome::Status::Found;
            outcome.line = i;
            return outcome;
        }
    }
    return outcome;
}

} // namespace ornal
