#include "betting/finishmodel.h"

#include <bit>

namespace ornal {

namespace {

// Every order of the runners of rest after the places already taken, summed.
double orderSum(std::span<const double> win, std::uint32_t placed, double placedWin, int place, std::uint32_t rest)
{
    if (rest == 0) {
        return 1;
    }
    double sum = 0;
    for (std::uint32_t bits = rest; bits != 0; bits &= bits - 1) {
        const int runner = std::countr_zero(bits);
        const double next = NextPlaceChance(win, placed, placedWin, place, runner);
        sum += next
            * orderSum(win, placed | (1u << runner), placedWin + win[static_cast<std::size_t>(runner)], place + 1,
                rest & ~(1u << runner));
    }
    return sum;
}

} // namespace

double OrderChance(std::span<const double> win, std::span<const int> order)
{
    double chance = 1;
    std::uint32_t placed = 0;
    double placedWin = 0;
    int place = 0;
    for (const int runner : order) {
        chance *= NextPlaceChance(win, placed, placedWin, place++, runner);
        placed |= 1u << runner;
        placedWin += win[static_cast<std::size_t>(runner)];
    }
    return chance;
}

double FirstPlacesChance(std::span<const double> win, std::uint32_t set)
{
    return orderSum(win, 0, 0, 0, set);
}

} // namespace ornal
