#include "betting/winnings.h"

#include "betting/money.h"

namespace ornal {

namespace {

Refusal tooLarge()
{
    return Refusal::Saying("Les gains dépassent ce que le programme sait compter.", MessageIcon::Information);
}

} // namespace

Result<Winnings> ComputeWinnings(std::span<const CombinationList::Count> classCounts,
    std::span<const std::optional<std::int64_t>> rapportCents, RapportStakes stakes, std::int64_t costCents)
{
    if (stakes.stakeCents < 1 || stakes.baseCents < 1) {
        return Refusal::Saying("La mise doit être d'au moins " + FormatEuros(1) + ".", MessageIcon::Information);
    }
    Winnings winnings;
    for (std::size_t c = 0; c < classCounts.size(); ++c) {
        const std::optional<std::int64_t> rapport = c < rapportCents.size() ? rapportCents[c] : std::nullopt;
        if (!rapport) {
            winnings.rapportMissing = winnings.rapportMissing || classCounts[c] > 0;
            continue;
        }
        if (*rapport < 0 || *rapport > kMaxRapportCents) {
            return Refusal::Saying(
                "Le rapport doit être compris entre " + FormatEuros(0) + " et " + FormatEuros(kMaxRapportCents) + ".",
                MessageIcon::Information);
        }
        // A line pays one class at most, so counts from one list stay far inside 64 bits; counts made up elsewhere
        // are checked all the same.
        std::int64_t classGains = 0;
        if (__builtin_mul_overflow(static_cast<std::int64_t>(classCounts[c]), *rapport, &classGains)
            || __builtin_add_overflow(winnings.gainsCents, classGains, &winnings.gainsCents)) {
            return tooLarge();
        }
    }
    // The sum at the base stake, then scaled: split by the base first, so that no product leaves 64 bits while the
    // result fits, and the cents of the division are dropped once.
    const std::int64_t atBase = winnings.gainsCents;
    std::int64_t scaled = 0;
    std::int64_t remainder = 0;
    if (__builtin_mul_overflow(atBase / stakes.baseCents, stakes.stakeCents, &scaled)
        || __builtin_mul_overflow(atBase % stakes.baseCents, stakes.stakeCents, &remainder)
        || __builtin_add_overflow(scaled, remainder / stakes.baseCents, &winnings.gainsCents)) {
        return tooLarge();
    }
    if (__builtin_sub_overflow(winnings.gainsCents, costCents, &winnings.netCents)) {
        return tooLarge();
    }
    return winnings;
}

} // namespace ornal
