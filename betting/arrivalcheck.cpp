#include "betting/arrivalcheck.h"

#include "betting/betcost.h"
#include "engine/linefields.h"
#include "engine/numericvalue.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>

namespace ornal {

namespace {

// No class reads more places than the Quinté+.
constexpr int kMaxPlaces = 5;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Digits with at most one full stop among or after them: what a horse number box can hold.
bool isHorseNumber(std::string_view text)
{
    int digits = 0;
    int stops = 0;
    for (const char c : text) {
        if (isDigit(c)) {
            ++digits;
        } else if (c == '.' && digits > 0) {
            ++stops;
        } else {
            return false;
        }
    }
    return digits > 0 && stops <= 1;
}

struct ArrivalPlaces {
    std::array<double, kMaxPlaces> values {};
    int count = 0; // places read, at most kMaxPlaces
};

Refusal refuse(std::string text, MessageIcon icon, int box)
{
    return Refusal::Saying(std::move(text), icon).about(box);
}

// The places the type's classes read, or the refusal of the boxes.
std::optional<Refusal> readArrival(const BetType& type, std::span<const std::string> texts, ArrivalPlaces& places)
{
    std::size_t filled = texts.size();
    while (filled > 0 && TrimSpaces(texts[filled - 1]).empty()) {
        --filled;
    }
    std::vector<double> values;
    for (std::size_t box = 0; box < filled; ++box) {
        const std::string_view text = TrimSpaces(texts[box]);
        if (!isHorseNumber(text)) {
            return refuse(std::string(text::kEnterNumber), MessageIcon::None, static_cast<int>(box));
        }
        const double value = NumericValue(text);
        if (std::find(values.begin(), values.end(), value) != values.end()) {
            return refuse(std::string(text::kNumberAlreadyEntered), MessageIcon::None, static_cast<int>(box));
        }
        values.push_back(value);
    }
    if (values.size() < static_cast<std::size_t>(type.placesNeeded)) {
        const int firstEmpty = filled < texts.size() ? static_cast<int>(filled) : -1;
        return refuse(
            "L'arrivée du " + std::string(type.name) + " compte " + std::to_string(type.placesNeeded) + " chevaux.",
            MessageIcon::Information, firstEmpty);
    }
    places.count = std::min(type.placesNeeded, kMaxPlaces);
    std::copy_n(values.begin(), places.count, places.values.begin());
    return std::nullopt;
}

// The place of the arrival a line's field names, or -1. Fields of one or two digits, nearly all of them, are looked
// up in a table of the values 0 to 99; any other field is read in full and compared with each place.
class PlaceFinder {
public:
    explicit PlaceFinder(const ArrivalPlaces& places)
        : m_places(places)
    {
        m_small.fill(-1);
        for (int p = 0; p < places.count; ++p) {
            const double value = places.values[static_cast<std::size_t>(p)];
            if (value >= 0 && value < 100 && value == static_cast<int>(value)) {
                m_small[static_cast<std::size_t>(value)] = static_cast<std::int8_t>(p);
            }
        }
    }

    int operator()(std::string_view field) const
    {
        if (const int number = ShortFieldNumber(field); number >= 0) {
            return m_small[static_cast<std::size_t>(number)];
        }
        const double value = NumericValue(field);
        for (int p = 0; p < m_places.count; ++p) {
            if (m_places.values[static_cast<std::size_t>(p)] == value) {
                return p;
            }
        }
        return -1;
    }

private:
    const ArrivalPlaces& m_places;
    std::array<std::int8_t, 100> m_small {};
};

// What one line holds of the arrival: held bit p when it holds place p; inOrder, how many of its first numbers are
// a1, a2, ... in that order.
struct LineReading {
    unsigned held = 0;
    int inOrder = 0;
    int size = 0;
};

bool applies(const PayClass& pay, const LineReading& line)
{
    const unsigned first = (1u << pay.places) - 1;
    switch (pay.rule) {
    case ClassRule::InOrder:
        return line.inOrder >= pay.places;
    case ClassRule::HoldsFirst:
        return (line.held & first) == first;
    case ClassRule::HoldsFirstNotNext:
        return (line.held & first) == first && (line.held & (1u << pay.places)) == 0;
    case ClassRule::AllAmongFirst:
        // Places hold different numbers, so a line holding as many places as it has numbers has no other number.
        return std::popcount(line.held & first) >= line.size;
    }
    return false;
}

} // namespace

Result<ArrivalOutcome> CheckArrival(
    const CombinationList& list, const BetType& type, std::span<const std::string> arrivalTexts)
{
    ArrivalPlaces places;
    std::optional<Refusal> arrivalRefusal = readArrival(type, arrivalTexts, places);
    const PlaceFinder placeOf(places);
    const std::span<const PayClass> classes = type.classes();

    ArrivalOutcome outcome;
    outcome.classCounts.assign(classes.size(), 0);
    int listLineSize = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        LineReading line;
        if (arrivalRefusal) {
            // The list's refusal comes first: only the sizes are needed.
            line.size = LineSize(list.line(i));
        } else {
            ForEachLineNumber(list.line(i), [&](std::string_view field) {
                const int place = placeOf(field);
                if (place >= 0) {
                    line.held |= 1u << place;
                }
                if (place == line.size && line.inOrder == line.size) {
                    ++line.inOrder;
                }
                ++line.size;
            });
        }
        if (Result<void> checked = CheckNextLineSize(type, line.size, listLineSize); !checked) {
            return checked.refusal();
        }
        if (arrivalRefusal) {
            continue;
        }
        for (std::size_t c = 0; c < classes.size(); ++c) {
            if (applies(classes[c], line)) {
                outcome.paying.push_back(PayingLine { i, static_cast<int>(c) });
                ++outcome.classCounts[c];
                break;
            }
        }
    }
    if (arrivalRefusal) {
        return std::move(*arrivalRefusal);
    }
    outcome.lineSize = listLineSize;
    for (std::size_t c = 0; c < classes.size(); ++c) {
        outcome.classNames.push_back(ClassName(type, static_cast<int>(c), listLineSize));
    }
    return outcome;
}

} // namespace ornal
