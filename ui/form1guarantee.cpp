#include "ui/form1.h"

#include "reduction/gamehorses.h"

namespace ornal {

std::string Form1::betTypeId() const
{
    // The type the cost is shown for: the bet size's default, a logo's or the one picked in "Coût et gains".
    const BetType* type = m_game.bets().type();
    return type ? std::string(type->id) : std::string();
}

GuaranteeAccess Form1::guaranteeAccess()
{
    GuaranteeAccess game;
    game.list = [this]() -> const CombinationList& { return m_game.list(); };
    game.horses = [this] { return HorsesOfSelection(m_game.selection()).horses; };
    game.bases = [this] { return HorsesOfSelection(m_game.selection()).bases; };
    game.betTypeId = [this] { return betTypeId(); };
    game.stakeCents = [this] {
        const BetType* type = m_game.bets().type();
        return type ? m_game.bets().stakeCents(*type) : std::int64_t { 0 };
    };
    game.replaceList = [this](CombinationList list) { showChanges(m_game.applyLines(std::move(list))); };
    game.guarantee = [this] { return m_game.guarantee(); };
    game.chooseGuarantee = [this](const SavedGuarantee& guarantee) { showChanges(m_game.chooseGuarantee(guarantee)); };
    game.runners = [this] { return m_game.runners(); };
    return game;
}

} // namespace ornal
