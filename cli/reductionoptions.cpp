#include "reductionoptions.h"

#include "printabletext.h"
#include "reducer.h"

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
    return option == "--reduire" || option == "--secondes" || option == "--graine";
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
    }
    return std::nullopt;
}

std::optional<std::string> CheckReductionChoice(const ReductionChoice& choice)
{
    if (!choice.guarantee && choice.seconds) {
        return "--secondes ne va qu'avec --reduire.";
    }
    if (!choice.guarantee && choice.seed) {
        return "--graine ne va qu'avec --reduire.";
    }
    return std::nullopt;
}

} // namespace ornal
