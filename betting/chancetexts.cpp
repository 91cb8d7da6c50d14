#include "betting/chancetexts.h"

#include "engine/groupednumber.h"

#include <cmath>

namespace ornal {

namespace {

// value with two decimals, a decimal comma and grouped thousands: "0,84", "1 234,50".
std::string twoDecimals(double value)
{
    const double hundredths = std::round(std::max(value, 0.0) * 100);
    const auto whole = static_cast<std::uint64_t>(hundredths / 100);
    const auto rest = static_cast<int>(hundredths - static_cast<double>(whole) * 100);
    std::string text = GroupedNumber(whole);
    text += ',';
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    return text;
}

} // namespace

std::string FormatPercent(double chance)
{
    return twoDecimals(chance * 100) + std::string(kNoBreakSpace) + "%";
}

std::string GainChanceLine(const TicketChances& chances)
{
    return "Probabilité de gain : " + FormatPercent(chances.gain);
}

std::vector<std::string> ChanceLines(const TicketChances& chances)
{
    std::vector<std::string> lines { GainChanceLine(chances) };
    for (std::size_t c = 0; c < chances.classNames.size() && c < chances.bestClass.size(); ++c) {
        lines.push_back("Probabilité " + chances.classNames[c] + " : " + FormatPercent(chances.bestClass[c]));
    }
    lines.push_back("Lignes payées en moyenne : " + twoDecimals(chances.expectedPayingLines));
    return lines;
}

} // namespace ornal
