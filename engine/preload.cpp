#include "engine/preload.h"

#include "engine/numericvalue.h"
#include "engine/splitfield.h"

namespace ornal {

std::string JoinCommandLine(const std::vector<std::string>& arguments)
{
    std::string joined;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (i > 0) {
            joined += ' ';
        }
        joined += arguments[i];
    }
    return std::string(TrimSpaces(joined));
}

std::optional<PreloadFields> ParsePreload(std::string_view commandLineText)
{
    const std::string_view line = TrimSpaces(commandLineText);
    // Without a "|" there is no field 1 at all, not even an empty one.
    if (line.find('|') == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view horses = TrimSpaces(SplitField(line, 1, '|'));
    if (!IsNumeric(horses)) {
        return std::nullopt;
    }
    const double horseCount = NumericValue(horses);
    if (!(horseCount > 0 && horseCount <= 20)) {
        return std::nullopt;
    }

    PreloadFields fields;
    fields.horseCountText = std::string(horses);
    const std::string_view bet = TrimSpaces(SplitField(line, 2, '|'));
    if (IsNumeric(bet)) {
        const double betSize = NumericValue(bet);
        if (betSize >= 2 && betSize <= 7) {
            fields.betSizeText = std::string(bet);
        }
    }
    const int n = RoundToInt16(NumericValue(fields.horseCountText)).value_or(0);
    for (int i = 1; i <= n; ++i) {
        fields.numbers.emplace_back(TrimSpaces(SplitField(line, static_cast<std::size_t>(i) + 2, '|')));
    }
    return fields;
}

} // namespace ornal
