// The saved-game reader on any bytes: it never fails in any other way than a refusal in words, and what it accepts
// is a game the checks pass and that, written again, reads back as the same game.

#include "document/gamecheck.h"
#include "document/gamejson.h"
#include "document/textchecks.h"
#include "fuzz/fuzzinput.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const ornal::GameReading reading = ornal::GameFromJson(bytes);
    const std::string context = ornal::fuzz::Shown(bytes.substr(0, 400));
    if (!reading.ok()) {
        // The reason goes into a sentence on the screen: a few words of valid text on one line.
        ORNAL_FUZZ_CHECK(!reading.refusalText().empty(), context);
        ORNAL_FUZZ_CHECK(
            ornal::IsValidUtf8(reading.refusalText()), context + " -> " + ornal::fuzz::Shown(reading.refusalText()));
        ORNAL_FUZZ_CHECK(!ornal::HasControlCharacter(reading.refusalText()),
            context + " -> " + ornal::fuzz::Shown(reading.refusalText()));
        return 0;
    }
    ORNAL_FUZZ_CHECK(reading.refusalText().empty(), context);
    ORNAL_FUZZ_CHECK(!ornal::CheckGame(*reading).has_value(), context);
    const std::string written = ornal::GameToJson(*reading);
    const ornal::GameReading again = ornal::GameFromJson(written);
    ORNAL_FUZZ_CHECK(again.ok(), context + " -> " + again.refusalText());
    ORNAL_FUZZ_CHECK(*again == *reading, context);
    return 0;
}
