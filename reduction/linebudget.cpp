#include "reduction/linebudget.h"

#include "betting/money.h"

#include <string>

namespace ornal {

namespace {

Refusal Refused(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

} // namespace

Result<std::uint64_t> LinesAsked(std::uint64_t lines)
{
    if (lines < 1) {
        return Refused("Nombre de lignes invalide : gardez au moins une ligne.");
    }
    return lines;
}

Result<std::uint64_t> LinesOfBudget(std::int64_t budgetCents, std::int64_t stakeCents)
{
    if (stakeCents <= 0 || budgetCents < stakeCents) {
        return Refused("Budget insuffisant : " + FormatEuros(budgetCents) + " ne paie pas une ligne à "
            + FormatEuros(stakeCents) + ".");
    }
    return static_cast<std::uint64_t>(budgetCents / stakeCents);
}

} // namespace ornal
