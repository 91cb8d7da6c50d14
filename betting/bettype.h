#pragma once

#include "engine/messages.h"
#include "engine/refusal.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// How a paying class reads a line against the first k places of the arrival (a1 first).
enum class ClassRule {
    InOrder, // the line's numbers are a1..ak, position by position
    HoldsFirst, // the line holds a1..ak, in any order
    HoldsFirstNotNext, // the line holds a1..ak and not a(k+1)
    AllAmongFirst, // each of the line's numbers is a different horse among a1..ak
};

struct PayClass {
    std::string_view name;
    ClassRule rule = ClassRule::HoldsFirst;
    int places = 0; // k
};

inline constexpr int kMaxPayClasses = 4;

// One bet type. A line pays at most one class: the first of classes() that applies.
struct BetType {
    std::string_view id;
    std::string_view name; // as shown to the player
    int minNumbers = 0; // numbers a line
    int maxNumbers = 0;
    int placesNeeded = 0; // places of the arrival the classes read
    std::array<PayClass, kMaxPayClasses> classList {};
    int classCount = 0;
    std::int64_t defaultStakeCents = 0; // one unit

    // The paying classes in the order they are tried.
    std::span<const PayClass> classes() const { return { classList.data(), static_cast<std::size_t>(classCount) }; }

    // True when a line of lineSize numbers can be played on this type.
    bool fitsLineSize(int lineSize) const { return lineSize >= minNumbers && lineSize <= maxNumbers; }

    // True when the type takes lines of several sizes, so that its unit and class names carry the size.
    bool sizedByLine() const { return minNumbers != maxNumbers; }
};

// The ten bet types, in the order a dialog offers them.
std::span<const BetType> BetTypes();

// The type with this id, or nullptr.
const BetType* FindBetType(std::string_view id);

// The type proposed first for lines of lineSize numbers, or nullptr when no type takes them.
const BetType* DefaultBetType(int lineSize);

// Every type that takes lines of lineSize numbers, in table order.
std::vector<const BetType*> BetTypesForLineSize(int lineSize);

// The name of class classIndex of type for lines of lineSize numbers ("désordre", "multi en 6").
std::string ClassName(const BetType& type, int classIndex, int lineSize);

// Every name ClassName gives the classes of type, for any line size type takes, in class order and by size.
std::vector<std::string> ClassNames(const BetType& type);

// The name of one unit of type for lines of lineSize numbers ("Quinté+", "Multi en 6"; "Multi" when 0).
std::string UnitName(const BetType& type, int lineSize);

// The refusal of a list whose lines type does not take ("Le Tiercé se joue avec 3 numéros par ligne.").
Message LineSizeRefusal(const BetType& type);

// The refusal of a list of a type sized by line whose lines do not all have the same size.
Message MixedLineSizeRefusal(const BetType& type);

// Reads the size of a list's next line, refused once the lines do not fit type. listLineSize starts at 0 and takes
// the size of the first line.
Result<void> CheckNextLineSize(const BetType& type, int lineSize, int& listLineSize);

} // namespace ornal
