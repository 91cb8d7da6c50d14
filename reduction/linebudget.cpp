#include "reduction/linebudget.h"

#include "betting/money.h"

#include <string>

namespace ornal {

namespace {

LineBudget Refused(std::string text)
{
    return LineBudget { 0, Message { std::move(text), MessageIcon::Information } };
}

} // namespace

LineBudget LinesAsked(std::uint64_t lines)
{
    if (lines < 1) {
        return Refused("Nombre de lignes invalide : gardez au moins une ligne.");
    }
    return LineBudget { lines, std::nullopt };
}

LineBudget LinesOfBudget(std::int64_t budgetCents, std::int64_t stakeCents)
{
    if (stakeCents <= 0 || budgetCents < stakeCents) {
        return Refused("Budget insuffisant : " + FormatEuros(budgetCents) + " ne paie pas une ligne à "
            + FormatEuros(stakeCents) + ".");
    }
    return LineBudget { static_cast<std::uint64_t>(budgetCents / stakeCents), std::nullopt };
}

} // namespace ornal
