// The command-line preload: JoinCommandLine and ParsePreload against the field rules of the command line, read
// here with a split and a trim of their own.

#include "engine/numericvalue.h"
#include "engine/preload.h"
#include "fuzz/fuzzinput.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace {

using ornal::fuzz::Shown;

std::string trimmed(const std::string& text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && text[first] == ' ') {
        ++first;
    }
    while (last > first && text[last - 1] == ' ') {
        --last;
    }
    return text.substr(first, last - first);
}

std::vector<std::string> fieldsOf(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (const char c : line) {
        if (c == '|') {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    for (std::string& field : fields) {
        field = trimmed(field);
    }
    return fields;
}

void checkParse(const std::string& commandLine)
{
    const std::optional<ornal::PreloadFields> parsed = ornal::ParsePreload(commandLine);
    const std::string context = Shown(commandLine);
    const std::string line = trimmed(commandLine);
    const std::vector<std::string> fields = fieldsOf(line);

    // Field 1 must exist, be numeric and lie above 0 and at most at 20; otherwise nothing at all is preloaded.
    const bool usable = fields.size() > 1 && ornal::IsNumeric(fields[1]) && ornal::NumericValue(fields[1]) > 0
        && ornal::NumericValue(fields[1]) <= 20;
    ORNAL_FUZZ_CHECK(parsed.has_value() == usable, context);
    if (!parsed) {
        return;
    }
    ORNAL_FUZZ_CHECK(parsed->horseCountText == fields[1], context);

    const std::string bet = fields.size() > 2 ? fields[2] : std::string();
    const bool betUsable = ornal::IsNumeric(bet) && ornal::NumericValue(bet) >= 2 && ornal::NumericValue(bet) <= 7;
    ORNAL_FUZZ_CHECK(parsed->betSizeText.has_value() == betUsable, context);
    ORNAL_FUZZ_CHECK(!parsed->betSizeText || *parsed->betSizeText == bet, context);

    // n is the horse count rounded, halves to even; 0 < value <= 20 keeps it within 0 to 20.
    const double horses = ornal::NumericValue(fields[1]);
    const double n = std::nearbyint(horses);
    ORNAL_FUZZ_CHECK(n >= 0 && n <= 20, context);
    ORNAL_FUZZ_CHECK(parsed->numbers.size() == static_cast<std::size_t>(n), context);
    for (std::size_t i = 0; i < parsed->numbers.size(); ++i) {
        const std::string expected = i + 3 < fields.size() ? fields[i + 3] : std::string();
        ORNAL_FUZZ_CHECK(parsed->numbers[i] == expected, context + " number " + std::to_string(i));
    }
    for (const std::string& text : parsed->numbers) {
        ORNAL_FUZZ_CHECK(text.find('|') == std::string::npos, context);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ornal::fuzz::FuzzInput in(data, size);
    const int count = in.range(0, 24);
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i) {
        arguments.push_back(in.mixedText(" |0123456789.+-eE|xé\t", 40));
    }

    // The arguments are joined with single spaces and the whole is trimmed of spaces.
    std::string joined;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        joined += (i > 0 ? " " : "") + arguments[i];
    }
    const std::string commandLine = ornal::JoinCommandLine(arguments);
    ORNAL_FUZZ_CHECK(commandLine == trimmed(joined), Shown(joined));

    checkParse(commandLine);
    // The preload trims the text itself, so an untrimmed text parses the same.
    checkParse(joined);
    return 0;
}
