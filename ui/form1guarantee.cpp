#include "ui/form1.h"

#include "reduction/gamehorses.h"

namespace ornal {

std::string Form1::betTypeId() const
{
    // The type the cost is shown for: the bet size's default, a logo's or the one picked in "Coût et gains".
    const BetType* type = m_bets.type();
    return type ? std::string(type->id) : std::string();
}

GuaranteeAccess Form1::guaranteeAccess()
{
    GuaranteeAccess game;
    game.list = [this]() -> const CombinationList& { return m_model->list(); };
    game.horses = [this] { return HorsesOfSelection(readSelection()).horses; };
    game.bases = [this] { return HorsesOfSelection(readSelection()).bases; };
    game.betTypeId = [this] { return betTypeId(); };
    game.stakeCents = [this] {
        const BetType* type = m_bets.type();
        return type ? m_bets.stakeCents(*type) : std::int64_t { 0 };
    };
    game.replaceList = [this](CombinationList list) { replaceList(std::move(list)); };
    game.runners = [this] { return m_runners; };
    return game;
}

} // namespace ornal
