#pragma once

#include "engine/inputlimits.h"
#include "listops/countrange.h"

#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// A set of the prediction's numbers, taken by value (05 is 5), and how many of them a line may hold.
struct HorseGroup {
    std::string name; // empty until the group takes its rank's default name
    std::vector<double> numbers;
    CountRange count;

    bool operator==(const HorseGroup&) const = default;
};

// The default name of the group of rank index (0 to 4): "Favoris", "Outsiders", "Tocards", "Groupe 4", "Groupe 5".
std::string DefaultGroupName(int index);

// value as the player would write it: whole values without a fraction ("5"), others in their shortest form.
std::string HorseNumberText(double value);

} // namespace ornal
