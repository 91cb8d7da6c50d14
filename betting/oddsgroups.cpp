#include "betting/oddsgroups.h"

#include <algorithm>
#include <string>

namespace ornal {

namespace {

Refusal refuse(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

std::string horseText(double value)
{
    std::string text = std::to_string(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return text;
}

} // namespace

Result<OddsGroups> GroupByOdds(
    std::span<const Runner> runners, std::span<const double> horses, double favouriteMax, double outsiderMax)
{
    if (runners.empty()) {
        return refuse("Donnez d'abord les partants et leurs cotes (Ctrl+K).");
    }
    if (!(favouriteMax < outsiderMax)) {
        return refuse("Le seuil des favoris doit être plus bas que celui des outsiders.");
    }
    OddsGroups groups;
    for (const double horse : horses) {
        const auto runner
            = std::find_if(runners.begin(), runners.end(), [horse](const Runner& r) { return r.number == horse; });
        if (runner == runners.end()) {
            return refuse("Le cheval " + horseText(horse) + " de la prédiction n'a pas de cote.");
        }
        const std::size_t group = runner->odds <= favouriteMax ? 0 : runner->odds <= outsiderMax ? 1 : 2;
        groups.groups[group].push_back(horse);
    }
    return groups;
}

} // namespace ornal
