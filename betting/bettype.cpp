#include "betting/bettype.h"

#include <algorithm>

namespace ornal {

namespace {

using R = ClassRule;

// Stakes are the usual unit stakes of each bet; the player can change them.
constexpr std::array<BetType, 10> kBetTypes { {
    { "couple-gagnant", "Couplé gagnant", 2, 2, 2, { { { "gagnant", R::HoldsFirst, 2 } } }, 1, 150 },
    { "couple-place", "Couplé placé", 2, 2, 3, { { { "placé", R::AllAmongFirst, 3 } } }, 1, 150 },
    { "couple-ordre", "Couplé ordre", 2, 2, 2, { { { "ordre", R::InOrder, 2 } } }, 1, 150 },
    { "2sur4", "2sur4", 2, 2, 4, { { { "2sur4", R::AllAmongFirst, 4 } } }, 1, 300 },
    { "trio", "Trio", 3, 3, 3, { { { "trio", R::HoldsFirst, 3 } } }, 1, 150 },
    { "trio-ordre", "Trio ordre", 3, 3, 3, { { { "ordre", R::InOrder, 3 } } }, 1, 150 },
    { "tierce", "Tiercé", 3, 3, 3, { { { "ordre", R::InOrder, 3 }, { "désordre", R::HoldsFirst, 3 } } }, 2, 100 },
    { "quarte", "Quarté+", 4, 4, 4,
        { { { "ordre", R::InOrder, 4 }, { "désordre", R::HoldsFirst, 4 }, { "bonus", R::HoldsFirstNotNext, 3 } } }, 3,
        130 },
    { "quinte", "Quinté+", 5, 5, 5,
        { { { "ordre", R::InOrder, 5 }, { "désordre", R::HoldsFirst, 5 }, { "bonus 4", R::HoldsFirstNotNext, 4 },
            { "bonus 3", R::HoldsFirstNotNext, 3 } } },
        4, 200 },
    { "multi", "Multi", 4, 7, 4, { { { "multi", R::HoldsFirst, 4 } } }, 1, 300 },
} };

// A bonus reads the place after its k: it must lie within the places the arrival is asked for.
constexpr bool classesReadOnlyNeededPlaces()
{
    for (const BetType& type : kBetTypes) {
        for (int c = 0; c < type.classCount; ++c) {
            const PayClass& pay = type.classList[static_cast<std::size_t>(c)];
            const int last = pay.rule == R::HoldsFirstNotNext ? pay.places + 1 : pay.places;
            if (last > type.placesNeeded || pay.places < 1) {
                return false;
            }
        }
    }
    return true;
}
static_assert(classesReadOnlyNeededPlaces());

// The type proposed for lines of 2 to 7 numbers.
constexpr std::array<std::string_view, 8> kDefaultBySize { "", "", "couple-gagnant", "tierce", "quarte", "quinte",
    "multi", "multi" };

} // namespace

std::span<const BetType> BetTypes()
{
    return kBetTypes;
}

const BetType* FindBetType(std::string_view id)
{
    const auto found
        = std::find_if(kBetTypes.begin(), kBetTypes.end(), [id](const BetType& type) { return type.id == id; });
    return found == kBetTypes.end() ? nullptr : &*found;
}

const BetType* DefaultBetType(int lineSize)
{
    if (lineSize < 0 || lineSize >= static_cast<int>(kDefaultBySize.size())) {
        return nullptr;
    }
    const std::string_view id = kDefaultBySize[static_cast<std::size_t>(lineSize)];
    return id.empty() ? nullptr : FindBetType(id);
}

std::vector<const BetType*> BetTypesForLineSize(int lineSize)
{
    std::vector<const BetType*> fitting;
    for (const BetType& type : kBetTypes) {
        if (type.fitsLineSize(lineSize)) {
            fitting.push_back(&type);
        }
    }
    return fitting;
}

std::string ClassName(const BetType& type, int classIndex, int lineSize)
{
    std::string name(type.classes()[static_cast<std::size_t>(classIndex)].name);
    if (type.sizedByLine() && lineSize > 0) {
        name += " en ";
        name += std::to_string(lineSize);
    }
    return name;
}

std::vector<std::string> ClassNames(const BetType& type)
{
    std::vector<std::string> names;
    for (int c = 0; c < type.classCount; ++c) {
        if (!type.sizedByLine()) {
            names.push_back(ClassName(type, c, 0));
            continue;
        }
        for (int size = type.minNumbers; size <= type.maxNumbers; ++size) {
            names.push_back(ClassName(type, c, size));
        }
    }
    return names;
}

std::string UnitName(const BetType& type, int lineSize)
{
    std::string name(type.name);
    if (type.sizedByLine() && lineSize > 0) {
        name += " en ";
        name += std::to_string(lineSize);
    }
    return name;
}

Message LineSizeRefusal(const BetType& type)
{
    std::string numbers = std::to_string(type.minNumbers);
    if (type.sizedByLine()) {
        numbers += " à " + std::to_string(type.maxNumbers);
    }
    return Message { "Le " + std::string(type.name) + " se joue avec " + numbers + " numéros par ligne.",
        MessageIcon::Information };
}

Message MixedLineSizeRefusal(const BetType& type)
{
    return Message { "Les lignes d'un même " + std::string(type.name) + " doivent avoir le même nombre de numéros.",
        MessageIcon::Information };
}

Result<void> CheckNextLineSize(const BetType& type, int lineSize, int& listLineSize)
{
    if (!type.fitsLineSize(lineSize)) {
        return Refusal { LineSizeRefusal(type) };
    }
    if (listLineSize == 0) {
        listLineSize = lineSize;
    } else if (lineSize != listLineSize) {
        return Refusal { MixedLineSizeRefusal(type) };
    }
    return {};
}

} // namespace ornal
