#include "cli/conditionoptions.h"

#include "engine/numericvalue.h"

namespace ornal {

namespace {

// Six digits keep every bound far inside an int; a horse number or a sum never needs more.
constexpr std::size_t kMaxDigits = 6;

// A whole number written in digits only (spaces around it allowed), or nullopt.
std::optional<int> wholeNumber(std::string_view text)
{
    text = TrimSpaces(text);
    if (text.empty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

std::optional<CountRange> range(std::string_view text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<int> minimum = wholeNumber(text.substr(0, dash));
    const std::optional<int> maximum = wholeNumber(text.substr(dash + 1));
    if (!minimum || !maximum) {
        return std::nullopt;
    }
    return CountRange { *minimum, *maximum };
}

Refusal refused(std::string_view option, std::string_view expected, std::string_view text)
{
    return Refusal::Saying(
        std::string(option) + " attend " + std::string(expected) + ", pas « " + std::string(text) + " ».");
}

Result<CountRange> rangeOption(std::string_view text, std::string_view option)
{
    if (const std::optional<CountRange> bounds = range(text)) {
        return *bounds;
    }
    return refused(option, ExpectedConditionValue(option), text);
}

} // namespace

std::string ExpectedConditionValue(std::string_view option)
{
    if (option == "--groupe") {
        return "des numéros séparés par des virgules, deux-points puis MIN-MAX (par exemple 1,2,5:1-2)";
    }
    if (option == "--somme") {
        return "MIN-MAX (par exemple 20-40)";
    }
    if (option == "--suite") {
        return "un nombre entier de 1 ou plus";
    }
    return "MIN-MAX (par exemple 1-3)";
}

Result<HorseGroup> ParseGroupOption(std::string_view text)
{
    const auto bad = [&] { return refused("--groupe", ExpectedConditionValue("--groupe"), text); };
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos) {
        return bad();
    }
    const std::optional<CountRange> bounds = range(text.substr(colon + 1));
    if (!bounds) {
        return bad();
    }
    HorseGroup group;
    group.count = *bounds;
    std::string_view members = text.substr(0, colon);
    while (true) {
        const std::size_t comma = members.find(',');
        const std::optional<int> number = wholeNumber(members.substr(0, comma));
        if (!number) {
            return bad();
        }
        group.numbers.push_back(*number);
        if (comma == std::string_view::npos) {
            break;
        }
        members.remove_prefix(comma + 1);
    }
    return group;
}

Result<CountRange> ParseSumOption(std::string_view text)
{
    return rangeOption(text, "--somme");
}

Result<CountRange> ParseEvenOption(std::string_view text)
{
    return rangeOption(text, "--pairs");
}

Result<int> ParseRunOption(std::string_view text)
{
    const std::optional<int> maximum = wholeNumber(text);
    if (!maximum || *maximum < 1) {
        return refused("--suite", ExpectedConditionValue("--suite"), text);
    }
    return *maximum;
}

} // namespace ornal
