#include "reduction/guarantee.h"

#include <algorithm>
#include <array>

namespace ornal {

namespace {

struct BetTypeOffer {
    std::string_view id;
    std::string_view shownName;
    std::array<std::string_view, 2> names; // empty name: no further offer
    std::array<Guarantee, 2> guarantees;
};

constexpr std::array kOffers {
    BetTypeOffer { "quinte", "Quinté+", { "Bonus 3", "Bonus 4" }, { Guarantee { 3, 3 }, Guarantee { 4, 4 } } },
    BetTypeOffer { "quarte", "Quarté+", { "Bonus", "" }, { Guarantee { 3, 3 }, Guarantee {} } },
    BetTypeOffer { "multi", "Multi", { "Multi", "" }, { Guarantee { 4, 4 }, Guarantee {} } },
    BetTypeOffer { "2sur4", "2sur4", { "une paire payante", "" }, { Guarantee { 4, 2 }, Guarantee {} } },
    BetTypeOffer { "couple-place", "Couplé placé", { "une paire payante", "" }, { Guarantee { 3, 2 }, Guarantee {} } },
    BetTypeOffer { "couple-gagnant", "Couplé gagnant", { "", "" }, {} },
    BetTypeOffer { "couple-ordre", "Couplé ordre", { "", "" }, {} },
    BetTypeOffer { "trio", "Trio", { "", "" }, {} },
    BetTypeOffer { "trio-ordre", "Trio ordre", { "", "" }, {} },
    BetTypeOffer { "tierce", "Tiercé", { "", "" }, {} },
};

Refusal Refused(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

// "une paire payante" opens its sentence as "Une paire payante"; the other names already start with a capital.
std::string Capitalised(std::string_view name)
{
    std::string text(name);
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') {
        text[0] = static_cast<char>(text[0] - 'a' + 'A');
    }
    return text;
}

} // namespace

std::string GuaranteeRule(Guarantee g)
{
    const std::string p = std::to_string(g.finishers);
    const std::string t = std::to_string(g.inLine);
    if (g.finishers == 1) {
        return "si le premier est dans votre jeu, une ligne le contient";
    }
    const std::string start = "si les " + p + " premiers sont dans votre jeu, une ligne ";
    if (g.inLine == g.finishers) {
        return start + "les contient tous";
    }
    return start + "en contient " + t;
}

Result<std::vector<OfferedGuarantee>> OfferedGuarantees(std::string_view betTypeId)
{
    const auto* found
        = std::find_if(kOffers.begin(), kOffers.end(), [&](const BetTypeOffer& o) { return o.id == betTypeId; });
    if (found == kOffers.end()) {
        return Refused("Type de jeu inconnu : " + std::string(betTypeId) + ".");
    }
    std::vector<OfferedGuarantee> offers;
    for (std::size_t i = 0; i < found->names.size(); ++i) {
        if (found->names[i].empty()) {
            continue;
        }
        const Guarantee g = found->guarantees[i];
        offers.push_back(OfferedGuarantee {
            std::string(found->names[i]), g, Capitalised(found->names[i]) + " : " + GuaranteeRule(g) });
    }
    if (offers.empty()) {
        return Refused("Aucune réduction possible pour le " + std::string(found->shownName)
            + " : seule la combinaison complète paie.");
    }
    return offers;
}

Result<void> CheckGuarantee(Guarantee g, int horseCount, int baseCount, int lineSize)
{
    const int lowest = std::max(1, baseCount);
    if (g.finishers < lowest || g.finishers > horseCount) {
        return Refused("Nombre de premiers invalide : choisissez entre " + std::to_string(lowest) + " et "
            + std::to_string(horseCount)
            + (baseCount > 1         ? " (le jeu a " + std::to_string(baseCount) + " bases)."
                    : baseCount == 1 ? " (le jeu a une base)."
                                     : "."));
    }
    const int highest = std::min(g.finishers, lineSize);
    if (g.inLine < 1 || g.inLine > highest) {
        return Refused("Nombre de chevaux par ligne invalide : choisissez entre 1 et " + std::to_string(highest) + ".");
    }
    return {};
}

} // namespace ornal
