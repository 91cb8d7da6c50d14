// SearchResult on fuzzed lists, bet sizes and result boxes, against a walk of its own: the refusals in their order,
// and a found line that holds every required result while no line above it does.

#include "engine/messages.h"
#include "engine/numericvalue.h"
#include "fuzz/fuzzinput.h"
#include "fuzz/listinput.h"
#include "listops/search.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace {

using ornal::CombinationList;
using ornal::kResultBoxCount;
using ornal::SearchOutcome;
using ornal::fuzz::Shown;
using Status = SearchOutcome::Status;

bool holdsAll(std::string_view line, const std::array<std::string, kResultBoxCount>& boxes, int required)
{
    const std::vector<std::string> fields = ornal::fuzz::OwnNumbers(line);
    for (int m = 0; m < required; ++m) {
        const double wanted = ornal::NumericValue(boxes[m]);
        if (std::none_of(fields.begin(), fields.end(),
                [&](const std::string& field) { return ornal::NumericValue(field) == wanted; })) {
            return false;
        }
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ornal::fuzz::FuzzInput in(data, size);
    const std::string bet = in.flag() ? std::to_string(in.range(0, 8)) : in.mixedText(" 0123456789.-+e", 8);
    std::array<std::string, kResultBoxCount> boxes;
    for (std::string& box : boxes) {
        box = in.flag() ? std::to_string(in.range(0, 25)) : in.mixedText(" 0123456789.+", 3);
    }
    const CombinationList list = ornal::fuzz::FuzzedList(in);
    const SearchOutcome outcome = ornal::SearchResult(list, bet, boxes);

    std::string ctx = "bet " + Shown(bet) + " boxes";
    for (const std::string& box : boxes) {
        ctx += " " + Shown(box);
    }
    ctx += "\n";
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        ctx += "  " + Shown(std::string(list.line(i))) + "\n";
    }
    ctx += "status " + std::to_string(static_cast<int>(outcome.status)) + " box " + std::to_string(outcome.box)
        + " line " + std::to_string(outcome.line) + "\n";

    if (list.empty()) {
        ORNAL_FUZZ_CHECK(outcome.status == Status::EmptyList && outcome.refusal
                && outcome.refusal->text() == ornal::text::kEmptyList
                && outcome.refusal->message.icon == ornal::MessageIcon::Information,
            ctx);
        return 0;
    }
    const double k = ornal::NumericValue(bet);
    const std::optional<std::int16_t> rounded = ornal::RoundToInt16(k);
    const int required = rounded ? std::clamp<int>(*rounded, 0, kResultBoxCount) : 0;
    for (int m = 0; m < required; ++m) {
        if (boxes[m].empty()) {
            ORNAL_FUZZ_CHECK(outcome.status == Status::MissingBox && outcome.box == m && outcome.refusal
                    && outcome.refusal->text() == ornal::text::kRequiredField,
                ctx);
            return 0;
        }
    }
    for (int m = 0; m < required; ++m) {
        for (int lower = 0; lower < m; ++lower) {
            if (ornal::NumericValue(boxes[lower]) == ornal::NumericValue(boxes[m])) {
                ORNAL_FUZZ_CHECK(outcome.status == Status::DuplicateBox && outcome.box == m && outcome.selectBoxText
                        && outcome.refusal && outcome.refusal->text() == ornal::text::kNumberAlreadyEntered,
                    ctx);
                return 0;
            }
        }
    }
    ORNAL_FUZZ_CHECK(!outcome.refusal, ctx);
    if (!rounded || *rounded < 1 || *rounded != k) {
        ORNAL_FUZZ_CHECK(outcome.status == Status::NotFound, ctx);
        return 0;
    }
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        if (holdsAll(list.line(i), boxes, required)) {
            ORNAL_FUZZ_CHECK(outcome.status == Status::Found && outcome.line == i, ctx);
            return 0;
        }
    }
    ORNAL_FUZZ_CHECK(outcome.status == Status::NotFound, ctx);
    return 0;
}
