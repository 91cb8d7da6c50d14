// SplitField against a plain split of the whole text into all of its fields.

#include "engine/splitfield.h"
#include "fuzz/fuzzinput.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

using ornal::fuzz::Shown;

std::vector<std::string> allFields(const std::string& text, char separator)
{
    std::vector<std::string> fields(1);
    for (const char c : text) {
        if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back().push_back(c);
        }
    }
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ornal::fuzz::FuzzInput in(data, size);
    const char separator = in.flag() ? static_cast<char>(in.byte()) : (in.flag() ? '-' : '|');
    const std::size_t farIndex = static_cast<std::size_t>(in.integer(8));
    const std::string text = in.flag() ? in.textFrom("-| 05a", 300) : in.rest();
    const std::vector<std::string> fields = allFields(text, separator);

    const std::string context = Shown(text) + " separator " + Shown(std::string(1, separator));
    for (std::size_t i = 0; i <= fields.size() + 2; ++i) {
        const std::string_view field = ornal::SplitField(text, i, separator);
        const std::string expected = i < fields.size() ? fields[i] : std::string();
        ORNAL_FUZZ_CHECK(field == expected, context + " field " + std::to_string(i));
        // The field is a view into the text itself, never a copy that could dangle.
        ORNAL_FUZZ_CHECK(
            field.empty() || (field.data() >= text.data() && field.data() + field.size() <= text.data() + text.size()),
            context);
    }
    // Any index at all, up to the largest, is safe and empty past the last field.
    const std::string_view far = ornal::SplitField(text, farIndex, separator);
    ORNAL_FUZZ_CHECK(far == (farIndex < fields.size() ? fields[farIndex] : std::string()), context);
    return 0;
}
