#include "engine/selectionrules.h"

#include "engine/numericvalue.h"
#include "engine/selection.h"

#include <string>

namespace ornal {

int ShownNumberBoxCount(std::string_view horseCountText)
{
    const double n = NumericValue(horseCountText);
    int count = 0;
    while (count < kNumberBoxCount && count < n) {
        ++count;
    }
    return count;
}

Result<void> CheckBetSizeChoice(std::string_view horseCountText, std::string_view betSizeText)
{
    if (horseCountText.empty()) {
        return Refusal::Saying(std::string(text::kChooseNumber));
    }
    if (NumericValue(horseCountText) < NumericValue(betSizeText)) {
        return Refusal::Saying(std::string(text::kInvalidChoice));
    }
    return {};
}

int ShownResultBoxCount(std::string_view betSizeText)
{
    const double j = NumericValue(betSizeText);
    int count = 0;
    while (count < 5 && count <= j - 1) {
        ++count;
    }
    return count;
}

std::optional<std::pair<int, int>> BetTypeLogos(std::string_view betSizeText)
{
    const double v = NumericValue(TrimSpaces(betSizeText));
    if (v == 2) {
        return std::pair { 0, 1 };
    }
    if (v == 3) {
        return std::pair { 2, 3 };
    }
    if (v == 4) {
        return std::pair { 4, 5 };
    }
    if (v == 5 || v == 6 || v == 7) {
        return std::pair { 5, 6 };
    }
    return std::nullopt;
}

bool MarkAllowed(int i, std::string_view betSizeText)
{
    return i < NumericValue(betSizeText);
}

} // namespace ornal
