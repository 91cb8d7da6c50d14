#include "betting/money.h"

#include "engine/groupednumber.h"
#include "engine/numericvalue.h"

#include <algorithm>

namespace ornal {

namespace {

constexpr std::string_view kEuroSign = "€";
// U+202F, which some French texts put between thousands and before a unit instead of U+00A0.
constexpr std::string_view kNarrowNoBreakSpace = "\xE2\x80\xAF";
constexpr std::string_view kInvalid = "Montant invalide : entrez par exemple 2,50.";

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

Refusal refuse(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

// The length of the blank text starts with (a space, a no-break space or a narrow one), or 0.
std::size_t blankAt(std::string_view text)
{
    if (text.starts_with(' ')) {
        return 1;
    }
    for (const std::string_view blank : { kNoBreakSpace, kNarrowNoBreakSpace }) {
        if (text.starts_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

std::size_t blankEnding(std::string_view text)
{
    if (text.ends_with(' ')) {
        return 1;
    }
    for (const std::string_view blank : { kNoBreakSpace, kNarrowNoBreakSpace }) {
        if (text.ends_with(blank)) {
            return blank.size();
        }
    }
    return 0;
}

// text without the blanks around it.
std::string_view trimBlanks(std::string_view text)
{
    while (const std::size_t blank = blankAt(text)) {
        text.remove_prefix(blank);
    }
    while (const std::size_t blank = blankEnding(text)) {
        text.remove_suffix(blank);
    }
    return text;
}

// The digits of the euros as written, thousands apart or not ("1 250", "1250"), or nullopt when a blank stands
// anywhere but between groups of three.
std::optional<std::string> wholeDigits(std::string_view whole)
{
    std::string digits;
    std::size_t group = 0; // digits since the last blank
    bool grouped = false;
    while (!whole.empty()) {
        if (const std::size_t blank = blankAt(whole)) {
            // The first group holds one to three digits, every later one exactly three.
            if (group == 0 || group > 3 || (grouped && group != 3)) {
                return std::nullopt;
            }
            grouped = true;
            group = 0;
            whole.remove_prefix(blank);
            continue;
        }
        if (!isDigit(whole.front())) {
            return std::nullopt;
        }
        digits += whole.front();
        ++group;
        whole.remove_prefix(1);
    }
    if (grouped && group != 3) {
        return std::nullopt;
    }
    return digits;
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

Result<std::int64_t> ParseEuros(std::string_view text, std::int64_t maxCents)
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
    const std::optional<std::string> whole = wholeDigits(text.substr(0, separator));
    const std::string_view fraction
        = separator == std::string_view::npos ? std::string_view {} : text.substr(separator + 1);
    if (!whole || !std::all_of(fraction.begin(), fraction.end(), isDigit) || (whole->empty() && fraction.empty())
        || (separator != std::string_view::npos && fraction.empty())) {
        return refuse(std::string(kInvalid));
    }
    if (fraction.size() > 2) {
        return refuse("Le montant a plus de deux décimales.");
    }

    // Digit by digit, stopping as soon as the euros pass the largest amount allowed: no overflow, no rounding.
    const std::int64_t fractionCents
        = (fraction.size() >= 1 ? (fraction[0] - '0') * 10 : 0) + (fraction.size() == 2 ? fraction[1] - '0' : 0);
    std::int64_t euros = 0;
    for (const char c : *whole) {
        euros = euros * 10 + (c - '0');
        if (euros > maxCents / 100) {
            break;
        }
    }
    if (maxCents < fractionCents || euros > (maxCents - fractionCents) / 100) {
        return refuse("Le montant dépasse " + FormatEuros(maxCents) + ".");
    }
    return euros * 100 + fractionCents;
}

Result<std::int64_t> ParseStake(std::string_view text)
{
    text = trimBlanks(text);
    const bool negative = text.starts_with('-');
    if (negative) {
        text.remove_prefix(1);
    }
    Result<std::int64_t> stake = ParseEuros(text);
    if (stake && (negative || *stake == 0)) {
        return refuse("La mise doit être d'au moins " + FormatEuros(1) + ".");
    }
    return stake;
}

} // namespace ornal
