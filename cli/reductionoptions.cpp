#include "cli/reductionoptions.h"

#include "betting/money.h"
#include "files/printabletext.h"
#include "reduction/reducer.h"

#include <charconv>

namespace ornal {

namespace {

// The whole of text as a number in decimal digits only: no sign, no blank, no fraction.
template <typename Number> std::optional<Number> WholeNumber(std::string_view text)
{
    Number value {};
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

} // namespace

bool IsReductionOption(std::string_view option)
{
    return option == "--reduire" || option == "--secondes" || option == "--graine" || option == "--lignes"
        || option == "--budget";
}

std::optional<std::string> ReadReductionOption(std::string_view option, std::string_view value, ReductionChoice& choice)
{
    if (option == "--reduire") {
        const std::size_t comma = value.find(',');
        const std::optional<int> finishers
            = comma == std::string_view::npos ? std::nullopt : WholeNumber<int>(value.substr(0, comma));
        const std::optional<int> inLine
            = comma == std::string_view::npos ? std::nullopt : WholeNumber<int>(value.substr(comma + 1));
        if (!finishers || !inLine) {
            return "--reduire attend deux nombres « P,T » (par exemple 3,3), pas « " + PrintableText(value) + " ».";
        }
        choice.guarantee = Guarantee { *finishers, *inLine };
    } else if (option == "--secondes") {
        const std::optional<int> seconds = WholeNumber<int>(value);
        if (!seconds || *seconds < 1 || *seconds > kMostReductionSeconds) {
            return "--secondes attend un nombre entier de secondes, de 1 à " + std::to_string(kMostReductionSeconds)
                + ", pas « " + PrintableText(value) + " ».";
        }
        choice.seconds = seconds;
    } else if (option == "--graine") {
        const std::optional<std::uint64_t> seed = WholeNumber<std::uint64_t>(value);
        if (!seed) {
            return "--graine attend un nombre entier positif, pas « " + PrintableText(value) + " ».";
        }
        choice.seed = seed;
    } else if (option == "--lignes") {
        // 0 is read here and refused with the other budgets that cannot be kept, as the program's message.
        const std::optional<std::uint64_t> lines = WholeNumber<std::uint64_t>(value);
        if (!lines) {
            return "--lignes attend un nombre entier de lignes, pas « " + PrintableText(value) + " ».";
        }
        choice.lines = lines;
    } else if (option == "--budget") {
        const Result<std::int64_t> budget = ParseEuros(value);
        if (!budget) {
            return "--budget « " + PrintableText(value) + " » : " + budget.refusal().text();
        }
        choice.budgetCents = *budget;
    }
    return std::nullopt;
}

std::optional<std::string> CheckReductionChoice(const ReductionChoice& choice, bool hasBetType)
{
    if (choice.lines && choice.budgetCents) {
        return "--lignes et --budget ne vont pas ensemble.";
    }
    if (!choice.guarantee && choice.seconds) {
        return "--secondes ne va qu'avec --reduire.";
    }
    if (!choice.guarantee && choice.seed) {
        return "--graine ne va qu'avec --reduire.";
    }
    if (!choice.guarantee && choice.lines) {
        return "--lignes ne va qu'avec --reduire.";
    }
    if (!choice.guarantee && choice.budgetCents) {
        return "--budget ne va qu'avec --reduire.";
    }
    if (choice.budgetCents && !hasBetType) {
        return "--budget ne va qu'avec --jeu : la mise du type de pari fixe le prix d'une ligne.";
    }
    return std::nullopt;
}

} // namespace ornal
