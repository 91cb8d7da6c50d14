#include "form1.h"

#include "numericvalue.h"

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
    game.horses = [this] {
        const Selection sel = readSelection();
        std::vector<double> horses;
        for (int i = 0; i < kNumberBoxCount; ++i) {
            if (sel.shown[i] && StartsWithNumber(sel.numbers[i])) {
                horses.push_back(NumericValue(sel.numbers[i]));
            }
        }
        return horses;
    };
    game.bases = [this] {
        const Selection sel = readSelection();
        std::vector<double> bases;
        for (int i = 0; m_baseCount != -1 && i < kNumberBoxCount; ++i) {
            if (sel.marks[i]) {
                bases.push_back(NumericValue(sel.numbers[i]));
            }
        }
        return bases;
    };
    game.betTypeId = [this] { return betTypeId(); };
    game.replaceList = [this](CombinationList list) { replaceList(std::move(list)); };
    return game;
}

} // namespace ornal
