#include "document/savedstakes.h"

#include <string>

namespace ornal {

std::vector<SavedStake> SavedStakes(const BetChoice& bets)
{
    std::vector<SavedStake> stakes;
    for (const BetType& type : BetTypes()) {
        const std::int64_t stake = bets.stakeCents(type);
        const std::int64_t rapportBase = bets.rapportBaseCents(type);
        const bool inForce = bets.type() != nullptr && bets.type()->id == type.id;
        if (inForce || stake != type.defaultStakeCents || rapportBase != type.defaultStakeCents) {
            stakes.push_back(SavedStake { std::string(type.id), stake, rapportBase });
        }
    }
    return stakes;
}

void RestoreStakes(BetChoice& bets, const std::vector<SavedStake>& stakes)
{
    for (const SavedStake& stake : stakes) {
        if (const BetType* type = FindBetType(stake.typeId)) {
            bets.setStakeCents(*type, stake.unitStakeCents);
            bets.setRapportBaseCents(*type, stake.rapportBaseCents.value_or(type->defaultStakeCents));
        }
    }
}

} // namespace ornal
