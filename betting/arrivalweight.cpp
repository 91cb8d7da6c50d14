#include "betting/arrivalweight.h"

#include "betting/chancetexts.h"
#include "betting/finishmodel.h"

#include <array>
#include <cmath>

namespace ornal {

std::function<double(std::span<const double> arrival)> FirstPlacesWeight(std::span<const Runner> runners)
{
    std::array<int, kMaxRunnerNumber + 1> indexOf {};
    indexOf.fill(-1);
    for (std::size_t i = 0; i < runners.size(); ++i) {
        indexOf[static_cast<std::size_t>(runners[i].number)] = static_cast<int>(i);
    }
    return [indexOf, win = WinChances(runners)](std::span<const double> arrival) {
        std::uint32_t set = 0;
        for (const double horse : arrival) {
            const bool runner = horse >= 1 && horse <= kMaxRunnerNumber && horse == std::floor(horse)
                && indexOf[static_cast<std::size_t>(horse)] >= 0;
            if (!runner) {
                return 0.0;
            }
            set |= 1u << indexOf[static_cast<std::size_t>(horse)];
        }
        return FirstPlacesChance(win, set);
    };
}

std::string WeightedGainLine(double withOdds, double withoutOdds)
{
    return "Probabilité de gain : " + FormatPercent(withOdds) + " (" + FormatPercent(withoutOdds)
        + " sans les cotes, au même nombre de lignes)";
}

} // namespace ornal
