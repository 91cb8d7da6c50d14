#include "listops/horsegroup.h"

#include <array>
#include <charconv>
#include <cmath>

namespace ornal {

std::string DefaultGroupName(int index)
{
    static constexpr std::array<std::string_view, 3> kNamed { "Favoris", "Outsiders", "Tocards" };
    if (index >= 0 && index < static_cast<int>(kNamed.size())) {
        return std::string(kNamed[static_cast<std::size_t>(index)]);
    }
    return "Groupe " + std::to_string(index + 1);
}

std::string HorseNumberText(double value)
{
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15) {
        return std::to_string(static_cast<long long>(value));
    }
    std::array<char, 32> buffer {};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    return error == std::errc() ? std::string(buffer.data(), end) : std::string("?");
}

} // namespace ornal
