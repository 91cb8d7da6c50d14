#include "betting/betcost.h"

#include "betting/money.h"
#include "engine/linefields.h"

namespace ornal {

int LineSize(std::string_view line)
{
    int size = 0;
    ForEachLineNumber(line, [&size](std::string_view) { ++size; });
    return size;
}

Result<BetCost> Cost(const CombinationList& list, const BetType& type, std::int64_t stakeCents)
{
    if (stakeCents < 0 || stakeCents > kMaxAmountCents) {
        return Refusal::Saying(
            "La mise doit être comprise entre " + FormatEuros(0) + " et " + FormatEuros(kMaxAmountCents) + ".",
            MessageIcon::Information);
    }
    int listLineSize = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        if (Result<void> checked = CheckNextLineSize(type, LineSize(list.line(i)), listLineSize); !checked) {
            return checked.refusal();
        }
    }
    BetCost cost;
    cost.lines = list.size();
    cost.units = list.size();
    cost.stakeCents = stakeCents;
    // At most 2^32 lines at 10^7 cents: far inside 64 bits.
    cost.totalCents = static_cast<std::int64_t>(cost.units) * stakeCents;
    cost.lineSize = listLineSize;
    cost.unitName = UnitName(type, listLineSize);
    return cost;
}

} // namespace ornal
