#pragma once

#include "engine/refusal.h"

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace ornal {

inline constexpr int kMaxHorses = 20;

// The prediction's horses as bits 0 to v - 1, in the order given, and the bases among them. Lines' numbers are
// matched by value, as the filters do: "05" is horse 5.
class HorseNumbers {
public:
    // One list line read as the set of horses it holds, with the count of its numbers (horses or not).
    struct LineHorses {
        std::uint32_t mask = 0;
        int numbers = 0;
    };

    // Takes the horses and the bases; returns the refusal when there are none or more than 20, when one repeats
    // or when a base is not among the horses.
    Result<void> assign(std::span<const double> horses, std::span<const double> bases);

    int count() const { return static_cast<int>(m_values.size()); }
    std::uint32_t allMask() const { return count() == 32 ? ~0u : (1u << count()) - 1; }
    std::uint32_t baseMask() const { return m_baseMask; }
    int baseCount() const;

    // The bit of the horse of this value, or -1 when the value is not a horse.
    int bit(double value) const;

    // The horses a line holds ("-3-05-12-"); numbers that are not horses only count in numbers.
    LineHorses read(std::string_view line) const;

private:
    static constexpr int kDirect = 256; // whole values below it are found through m_direct
    std::vector<double> m_values;
    std::array<std::int8_t, kDirect> m_direct {};
    std::uint32_t m_baseMask = 0;
};

// A horse's value as the player typed it back: "5", "12", "2.5".
std::string HorseText(double value);

} // namespace ornal
