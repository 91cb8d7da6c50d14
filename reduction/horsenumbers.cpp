#include "reduction/horsenumbers.h"

#include "engine/linefields.h"

#include <bit>
#include <cmath>
#include <cstdio>
#include <string>

namespace ornal {

namespace {

Refusal Refused(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

} // namespace

std::string HorseText(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

Result<void> HorseNumbers::assign(std::span<const double> horses, std::span<const double> bases)
{
    m_values.clear();
    m_direct.fill(-1);
    m_baseMask = 0;
    if (horses.empty() || horses.size() > static_cast<std::size_t>(kMaxHorses)) {
        return Refused("Le jeu doit compter de 1 à " + std::to_string(kMaxHorses) + " chevaux.");
    }
    for (double value : horses) {
        if (bit(value) >= 0) {
            return Refused("Le cheval " + HorseText(value) + " figure deux fois dans le jeu.");
        }
        if (value >= 0 && value < kDirect && value == std::floor(value)) {
            m_direct[static_cast<std::size_t>(value)] = static_cast<std::int8_t>(m_values.size());
        }
        m_values.push_back(value);
    }
    for (double value : bases) {
        const int b = bit(value);
        if (b < 0) {
            return Refused("La base " + HorseText(value) + " n'est pas un cheval du jeu.");
        }
        if (m_baseMask & (1u << b)) {
            return Refused("La base " + HorseText(value) + " est donnée deux fois.");
        }
        m_baseMask |= 1u << b;
    }
    return {};
}

int HorseNumbers::baseCount() const
{
    return std::popcount(m_baseMask);
}

int HorseNumbers::bit(double value) const
{
    if (value >= 0 && value < kDirect && value == std::floor(value)) {
        return m_direct[static_cast<std::size_t>(value)];
    }
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        if (m_values[i] == value) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

HorseNumbers::LineHorses HorseNumbers::read(std::string_view line) const
{
    LineHorses result;
    ForEachLineNumber(line, [&](std::string_view field) {
        ++result.numbers;
        // Read once for every line of the list and again in every check: the short fields skip the double.
        const int number = ShortFieldNumber(field);
        const int b = number >= 0 ? m_direct[static_cast<std::size_t>(number)] : bit(NumericValue(field));
        if (b >= 0) {
            result.mask |= 1u << b;
        }
    });
    return result;
}

} // namespace ornal
