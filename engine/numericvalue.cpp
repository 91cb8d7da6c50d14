#include "engine/numericvalue.h"

#include <algorithm>
#include <cfenv>
#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace ornal {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}
bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Length of the number that starts at text[0] (sign, digits, fraction), or 0 when none starts there.
std::size_t numberLength(std::string_view text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < text.size() && text[i] == '.') {
        std::size_t fraction = 0;
        while (i + 1 + fraction < text.size() && isDigit(text[i + 1 + fraction])) {
            ++fraction;
        }
        if (digits + fraction > 0) {
            i += 1 + fraction;
            digits += fraction;
        }
    }
    return digits == 0 ? 0 : i;
}

std::string_view skipBlanks(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && isBlank(text[start])) {
        ++start;
    }
    return text.substr(start);
}

} // namespace

double NumericValue(std::string_view text)
{
    text = skipBlanks(text);
    // Horse numbers are one or two digits: read them without the general conversion, which dominates the filters.
    if (!text.empty() && isDigit(text[0]) && (text.size() == 1 || !isDigit(text[1]))) {
        if (text.size() == 1 || text[1] != '.') {
            return text[0] - '0';
        }
    } else if (text.size() >= 2 && isDigit(text[0]) && isDigit(text[1])
        && (text.size() == 2 || (!isDigit(text[2]) && text[2] != '.'))) {
        return (text[0] - '0') * 10 + (text[1] - '0');
    }
    const std::size_t length = numberLength(text);
    if (length == 0) {
        return 0.0;
    }
    // from_chars gives the correctly rounded value and, unlike strtod, ignores the C locale, which the window's
    // toolkit sets to the player's: in French strtod would stop at the full stop. Bounded by length, it cannot
    // read past the number (exponents, hex).
    const bool negative = text[0] == '-';
    const std::size_t digitsStart = text[0] == '-' || text[0] == '+' ? 1 : 0;
    const char* first = text.data() + digitsStart;
    double magnitude = 0.0;
    const std::from_chars_result read = std::from_chars(first, text.data() + length, magnitude);
    if (read.ec == std::errc::result_out_of_range) {
        // Too large gives infinity and too small gives 0, as the library's reading of text does.
        const std::string_view digits(first, length - digitsStart);
        const std::size_t point = std::min(digits.find('.'), digits.size());
        magnitude = digits.substr(0, point).find_first_not_of('0') == std::string_view::npos ? 0.0 : HUGE_VAL;
    }
    return negative ? -magnitude : magnitude;
}

bool StartsWithNumber(std::string_view text)
{
    return numberLength(skipBlanks(text)) > 0;
}

bool IsNumeric(std::string_view text)
{
    text = TrimSpaces(text);
    std::size_t length = numberLength(text);
    if (length == 0) {
        return false;
    }
    if (length < text.size() && (text[length] == 'e' || text[length] == 'E')) {
        std::size_t i = length + 1;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            ++i;
        }
        const std::size_t exponentStart = i;
        while (i < text.size() && isDigit(text[i])) {
            ++i;
        }
        if (i == exponentStart) {
            return false;
        }
        length = i;
    }
    return length == text.size();
}

std::optional<std::int16_t> RoundToInt16(double value)
{
    if (std::isnan(value)) {
        return std::nullopt;
    }
    // nearbyint follows the current rounding mode, which is to-nearest-even unless somebody changed it.
    const int saved = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(saved);
    if (rounded < -32768.0 || rounded > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::string_view TrimSpaces(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

} // namespace ornal
