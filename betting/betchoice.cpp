#include "betting/betchoice.h"

namespace ornal {

namespace {

// The position of type in the table, found by its id so that a copy of a type finds its stake too; -1 for a type
// of no table, whose stake is always its default.
int indexOf(const BetType& type)
{
    const std::span<const BetType> types = BetTypes();
    for (std::size_t i = 0; i < types.size(); ++i) {
        if (types[i].id == type.id) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

} // namespace

BetChoice::BetChoice()
{
    for (const BetType& type : BetTypes()) {
        m_stakes.push_back(type.defaultStakeCents);
        m_rapportBases.push_back(type.defaultStakeCents);
    }
}

void BetChoice::chooseDefaultFor(int betSize)
{
    m_type = DefaultBetType(betSize);
}

std::int64_t BetChoice::stakeCents(const BetType& type) const
{
    const int i = indexOf(type);
    return i < 0 ? type.defaultStakeCents : m_stakes[static_cast<std::size_t>(i)];
}

void BetChoice::setStakeCents(const BetType& type, std::int64_t cents)
{
    if (const int i = indexOf(type); i >= 0) {
        m_stakes[static_cast<std::size_t>(i)] = cents;
    }
}

void BetChoice::resetStake(const BetType& type)
{
    setStakeCents(type, type.defaultStakeCents);
}

std::int64_t BetChoice::rapportBaseCents(const BetType& type) const
{
    const int i = indexOf(type);
    return i < 0 ? type.defaultStakeCents : m_rapportBases[static_cast<std::size_t>(i)];
}

void BetChoice::setRapportBaseCents(const BetType& type, std::int64_t cents)
{
    if (const int i = indexOf(type); i >= 0) {
        m_rapportBases[static_cast<std::size_t>(i)] = cents;
    }
}

std::optional<Result<BetCost>> BetChoice::cost(const CombinationList& list) const
{
    if (!m_type) {
        return std::nullopt;
    }
    return Cost(list, *m_type, stakeCents(*m_type));
}

} // namespace ornal
