// NumericValue, StartsWithNumber and IsNumeric against a slow reading of the rule written apart from the engine.

#include "engine/numericvalue.h"
#include "fuzz/fuzzinput.h"

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <system_error>

namespace {

using ornal::fuzz::Shown;

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

// What the reading rule sees at the start of a text: blanks, sign, whole digits, fraction digits.
struct Reading {
    bool found = false;
    bool negative = false;
    std::string whole;
    std::string fraction;
    std::size_t end = 0; // first character after the number
};

Reading readNumber(const std::string& text, std::size_t pos)
{
    Reading r;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        r.negative = text[pos] == '-';
        ++pos;
    }
    while (pos < text.size() && digit(text[pos])) {
        r.whole.push_back(text[pos++]);
    }
    if (pos < text.size() && text[pos] == '.') {
        std::size_t after = pos + 1;
        std::string fraction;
        while (after < text.size() && digit(text[after])) {
            fraction.push_back(text[after++]);
        }
        if (!r.whole.empty() || !fraction.empty()) {
            r.fraction = fraction;
            pos = after;
        }
    }
    r.found = !r.whole.empty() || !r.fraction.empty();
    r.end = pos;
    return r;
}

// The value of a reading: exact arithmetic while the digits fit a double, a correctly rounded conversion otherwise.
double valueOf(const Reading& r)
{
    std::string digits = r.whole + r.fraction;
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) {
        return r.negative ? -0.0 : 0.0;
    }
    const std::string significant = digits.substr(firstNonZero);
    double magnitude;
    if (significant.size() <= 15 && r.fraction.size() <= 22) {
        double mantissa = 0;
        for (const char c : significant) {
            mantissa = mantissa * 10 + (c - '0'); // exact: below 10^15 < 2^53
        }
        double scale = 1;
        for (std::size_t i = 0; i < r.fraction.size(); ++i) {
            scale *= 10; // exact up to 10^22
        }
        magnitude = mantissa / scale; // one correctly rounded division
    } else {
        const std::string canonical = (r.whole.empty() ? "0" : r.whole) + "." + r.fraction + "0";
        double parsed = 0;
        const auto [end, ec] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), parsed);
        if (ec == std::errc::result_out_of_range) {
            const bool large = r.whole.find_first_not_of('0') != std::string::npos;
            parsed = large ? HUGE_VAL : 0.0;
        } else if (ec != std::errc() || end != canonical.data() + canonical.size()) {
            ornal::fuzz::Fail("reference conversion", canonical);
        }
        magnitude = parsed;
    }
    return r.negative ? -magnitude : magnitude;
}

struct Expected {
    bool startsWithNumber;
    double value;
    bool numeric;
};

Expected reference(const std::string& text)
{
    std::size_t pos = 0;
    while (pos < text.size() && (text[pos] == ' ' || text[pos] == '\t')) {
        ++pos;
    }
    const Reading r = readNumber(text, pos);
    Expected e { r.found, r.found ? valueOf(r) : 0.0, false };

    // The numeric-text test: spaces around, the number, an optional exponent, nothing else.
    std::size_t first = 0;
    while (first < text.size() && text[first] == ' ') {
        ++first;
    }
    std::size_t last = text.size();
    while (last > first && text[last - 1] == ' ') {
        --last;
    }
    const std::string inner = text.substr(first, last - first);
    const Reading n = readNumber(inner, 0);
    if (n.found) {
        std::size_t at = n.end;
        if (at < inner.size() && (inner[at] == 'e' || inner[at] == 'E')) {
            std::size_t i = at + 1;
            if (i < inner.size() && (inner[i] == '+' || inner[i] == '-')) {
                ++i;
            }
            const std::size_t exponentDigits = i;
            while (i < inner.size() && digit(inner[i])) {
                ++i;
            }
            at = i > exponentDigits ? i : std::string::npos;
        }
        e.numeric = at == inner.size();
    }
    return e;
}

bool sameValue(double actual, double expected)
{
    if (actual == expected) {
        return true;
    }
    // Far below the smallest normal double the two conversions may disagree only between 0 and a subnormal.
    return expected == 0.0 && std::fabs(actual) < DBL_MIN;
}

void check(const std::string& text)
{
    const Expected e = reference(text);
    const double value = ornal::NumericValue(text);
    ORNAL_FUZZ_CHECK(!std::isnan(value), Shown(text));
    ORNAL_FUZZ_CHECK(sameValue(value, e.value),
        Shown(text) + " read " + std::to_string(value) + ", expected " + std::to_string(e.value));
    ORNAL_FUZZ_CHECK(ornal::StartsWithNumber(text) == e.startsWithNumber, Shown(text));
    ORNAL_FUZZ_CHECK(ornal::IsNumeric(text) == e.numeric, Shown(text));
    // The three must agree with each other whatever the reference says.
    ORNAL_FUZZ_CHECK(!ornal::IsNumeric(text) || ornal::StartsWithNumber(text), Shown(text));
    ORNAL_FUZZ_CHECK(ornal::StartsWithNumber(text) || value == 0.0, Shown(text));
    // Trimming spaces never changes the value; the trimmed text is a piece of the text.
    const std::string_view trimmed = ornal::TrimSpaces(text);
    ORNAL_FUZZ_CHECK(trimmed.empty() || (trimmed.front() != ' ' && trimmed.back() != ' '), Shown(text));
    ORNAL_FUZZ_CHECK(ornal::IsNumeric(trimmed) == e.numeric, Shown(text));
}

} // namespace

// The window runs under the player's locale: read under the one of the environment too (LANG=fr_FR.UTF-8, say).
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::setlocale(LC_ALL, "");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ornal::fuzz::FuzzInput in(data, size);
    if (in.flag()) {
        // Mostly number-like texts, so that long digit runs, fractions, signs and exponents come often.
        check(in.textFrom(" \t+-.0123456789eEx5", 400));
    } else {
        check(in.rest());
    }
    return 0;
}
