#include "betting/runners.h"

#include <array>
#include <cmath>
#include <string>

namespace ornal {

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view trimBlanks(std::string_view text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

Refusal refuse(std::string text)
{
    return Refusal::Saying(std::move(text), MessageIcon::Information);
}

} // namespace

std::optional<double> ParseOdds(std::string_view text)
{
    text = trimBlanks(text);
    // Sixteen digits keep every typed value exact enough and keep the reading free of overflow.
    if (text.empty() || text.size() > 16) {
        return std::nullopt;
    }
    double whole = 0;
    double fraction = 0;
    double scale = 1;
    bool separator = false;
    int wholeDigits = 0;
    int fractionDigits = 0;
    for (const char c : text) {
        if (c == ',' || c == '.') {
            if (separator) {
                return std::nullopt;
            }
            separator = true;
        } else if (!isDigit(c)) {
            return std::nullopt;
        } else if (separator) {
            scale /= 10;
            fraction += (c - '0') * scale;
            ++fractionDigits;
        } else {
            whole = whole * 10 + (c - '0');
            ++wholeDigits;
        }
    }
    if (wholeDigits == 0 || (separator && fractionDigits == 0)) {
        return std::nullopt;
    }
    return whole + fraction;
}

std::optional<int> ParseRunnerNumber(std::string_view text)
{
    text = trimBlanks(text);
    if (text.empty() || text.size() > 2) {
        return std::nullopt;
    }
    int number = 0;
    for (const char c : text) {
        if (!isDigit(c)) {
            return std::nullopt;
        }
        number = number * 10 + (c - '0');
    }
    if (number < 1 || number > kMaxRunnerNumber) {
        return std::nullopt;
    }
    return number;
}

Result<void> CheckRunners(std::span<const Runner> runners)
{
    if (runners.size() > static_cast<std::size_t>(kMaxRunners)) {
        return refuse("Une course compte au plus " + std::to_string(kMaxRunners)
            + " partants : " + std::to_string(runners.size()) + " sont donnés.");
    }
    std::array<bool, kMaxRunnerNumber + 1> seen {};
    for (const Runner& runner : runners) {
        if (runner.number < 1 || runner.number > kMaxRunnerNumber) {
            return refuse("Le numéro de partant " + std::to_string(runner.number) + " n'est pas entre 1 et "
                + std::to_string(kMaxRunnerNumber) + ".");
        }
        if (seen[static_cast<std::size_t>(runner.number)]) {
            return refuse("Le partant " + std::to_string(runner.number) + " est donné deux fois.");
        }
        seen[static_cast<std::size_t>(runner.number)] = true;
        if (!(runner.odds > 1) || !std::isfinite(runner.odds)) {
            return refuse("La cote du partant " + std::to_string(runner.number) + " doit être supérieure à 1.");
        }
    }
    return {};
}

std::vector<double> WinChances(std::span<const Runner> runners)
{
    double total = 0;
    for (const Runner& runner : runners) {
        total += 1 / runner.odds;
    }
    std::vector<double> chances;
    chances.reserve(runners.size());
    for (const Runner& runner : runners) {
        chances.push_back(1 / runner.odds / total);
    }
    return chances;
}

std::string OddsText(double odds)
{
    const long long hundredths = std::llround(odds * 100);
    std::string text = std::to_string(hundredths / 100);
    const long long rest = hundredths % 100;
    if (rest != 0) {
        text += ',';
        text += static_cast<char>('0' + rest / 10);
        if (rest % 10 != 0) {
            text += static_cast<char>('0' + rest % 10);
        }
    }
    return text;
}

} // namespace ornal
