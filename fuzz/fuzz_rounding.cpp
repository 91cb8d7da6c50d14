// RoundToInt16: halves to the even neighbour, nothing for NaN or a value outside 16 bits, whatever rounding mode the
// caller left set, and that mode given back unchanged.

#include "engine/numericvalue.h"
#include "fuzz/fuzzinput.h"

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace {

// Rounding by comparison with the halfway point, without the library's rounding functions.
std::optional<std::int16_t> reference(double value)
{
    if (!(value >= -32768.5 && value <= 32767.5)) {
        return std::nullopt; // NaN fails both comparisons
    }
    // In this range the whole part fits an int and the distance to it is exact.
    int whole = static_cast<int>(value); // toward zero
    if (static_cast<double>(whole) > value) {
        --whole; // now the floor
    }
    const double above = value - static_cast<double>(whole); // 0 <= above < 1, exact
    int rounded = whole;
    if (above > 0.5 || (above == 0.5 && whole % 2 != 0)) {
        rounded = whole + 1;
    }
    if (rounded < -32768 || rounded > 32767) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

std::string describe(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%a (%.17g)", value, value);
    return buffer;
}

void check(double value, int mode)
{
    std::fesetround(mode);
    const std::optional<std::int16_t> actual = ornal::RoundToInt16(value);
    const int after = std::fegetround();
    std::fesetround(FE_TONEAREST);
    ORNAL_FUZZ_CHECK(after == mode, describe(value));
    const std::optional<std::int16_t> expected = reference(value);
    ORNAL_FUZZ_CHECK(actual == expected,
        describe(value) + " gave " + (actual ? std::to_string(*actual) : "nothing") + ", expected "
            + (expected ? std::to_string(*expected) : "nothing"));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int modes[] = { FE_TONEAREST, FE_UPWARD, FE_DOWNWARD, FE_TOWARDZERO };
    ornal::fuzz::FuzzInput in(data, size);
    while (in.remaining() > 0) {
        const int mode = modes[in.byte() % 4];
        double value;
        switch (in.byte() % 3) {
        case 0:
            value = in.rawDouble();
            break;
        case 1:
            // Near the halves and the ends of the range, where rounding goes wrong.
            value = static_cast<double>(static_cast<std::int32_t>(in.integer(4)) % 70000) / 2.0;
            value = std::nextafter(value, in.flag() ? HUGE_VAL : -HUGE_VAL);
            break;
        default:
            value = static_cast<double>(static_cast<std::int32_t>(in.integer(4)) % 70000) / 2.0;
            break;
        }
        check(value, mode);
    }
    return 0;
}
