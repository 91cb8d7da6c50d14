#include "form1.h"

#include "numericvalue.h"

#include <array>

namespace ornal {

std::string Form1::betTypeId() const
{
    // Until the window has a bet type of its own, the default of each bet size stands for it; the size is read as
    // the computation reads it.
    static constexpr std::array<const char*, 8> kDefaults
        = { "", "", "couple-gagnant", "tierce", "quarte", "quinte", "multi", "multi" };
    const std::string betText = readSelection().betSizeText;
    const std::optional<std::int16_t> size
        = IsNumeric(TrimSpaces(betText)) ? RoundToInt16(NumericValue(betText)) : std::nullopt;
    return size && *size >= 0 && *size < static_cast<int>(kDefaults.size()) ? kDefaults[*size] : "";
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
