#include "engine/groupednumber.h"

namespace ornal {

std::string GroupedNumber(std::uint64_t n)
{
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += kNoBreakSpace;
        }
        grouped += digits[i];
    }
    return grouped;
}

} // namespace ornal
