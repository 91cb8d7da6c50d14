#include "money.h"

#include "groupednumber.h"
#include "numericvalue.h"

#include <algorithm>

namespace ornal {

namespace {

constexpr std::string_view kEuroSign = "€";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

EurosOutcome refuse(std::string text)
{
    return EurosOutcome { 0, Message { std::move(text), MessageIcon::Information } };
}

// text without the spaces and no-break spaces around it.
std::string_view trimBlanks(std::string_view text)
{
    for (;;) {
        const std::string_view before = text;
        text = TrimSpaces(text);
        if (text.starts_with(kNoBreakSpace)) {
            text.remove_prefix(kNoBreakSpace.size());
        }
        if (text.ends_with(kNoBreakSpace)) {
            text.remove_suffix(kNoBreakSpace.size());
        }
        if (text == before) {
            return text;
        }
    }
}

} // namespace

std::string FormatEuros(std::int64_t cents)
{
    // The magnitude as unsigned, so that the most negative amount has one too.
    const bool negative = cents < 0;
    const std::uint64_t magnitude
        = negative ? ~static_cast<std::uint64_t>(cents) + 1 : static_cast<std::uint64_t>(cents);
    const std::uint64_t rest = magnitude % 100;

    std::string text = negative ? "-" : "";
    text += GroupedNumber(magnitude / 100);
    text += ',';
    text += static_cast<char>('0' + rest / 10);
    text += static_cast<char>('0' + rest % 10);
    text += kNoBreakSpace;
    text += kEuroSign;
    return text;
}

EurosOutcome ParseEuros(std::string_view text, std::int64_t maxCents)
{
    text = trimBlanks(text);
    if (text.ends_with(kEuroSign)) {
        text.remove_suffix(kEuroSign.size());
        text = trimBlanks(text);
    }
    if (text.empty()) {
        return refuse("Entrez un montant en euros.");
    }
    if (text.front() == '-') {
        return refuse("Le montant ne peut pas être négatif.");
    }

    const std::size_t separator = text.find_first_of(",.");
    const std::string_view whole = text.substr(0, separator);
    const std::string_view fraction
        = separator == std::string_view::npos ? std::string_view {} : text.substr(separator + 1);
    const auto allDigits = [](std::string_view part) { return std::all_of(part.begin(), part.end(), isDigit); };
    if (!allDigits(whole) || !allDigits(fraction) || (whole.empty() && fraction.empty())
        || (separator != std::string_view::npos && fraction.empty())) {
        return refuse("Montant invalide : entrez par exemple 2,50.");
    }
    if (fraction.size() > 2) {
        return refuse("Le montant a plus de deux décimales.");
    }

    // Digit by digit, stopping as soon as the euros pass the largest amount allowed: no overflow, no rounding.
    const std::int64_t fractionCents
        = (fraction.size() >= 1 ? (fraction[0] - '0') * 10 : 0) + (fraction.size() == 2 ? fraction[1] - '0' : 0);
    std::int64_t euros = 0;
    for (const char c : whole) {
        euros = euros * 10 + (c - '0');
        if (euros > maxCents / 100) {
            break;
        }
    }
    if (maxCents < fractionCents || euros > (maxCents - fractionCents) / 100) {
        return refuse("Le montant dépasse " + FormatEuros(maxCents) + ".");
    }
    const std::int64_t cents = euros * 100 + fractionCents;
    return EurosOutcome { cents, std::nullopt };
}

} // namespace ornal
