// KeepCombinationsWith and RemoveCombinationsWith on fuzzed lists and filter texts: the refusals before the
// question, and the two results as the two halves of the list, each line judged by its own numbers' values.

#include "engine/messages.h"
#include "engine/numericvalue.h"
#include "fuzz/fuzzinput.h"
#include "fuzz/listinput.h"
#include "listops/filters.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

using ornal::CombinationList;
using ornal::fuzz::Shown;

bool holds(std::string_view line, double n)
{
    for (const std::string& field : ornal::fuzz::OwnNumbers(line)) {
        if (ornal::NumericValue(field) == n) {
            return true;
        }
    }
    return false;
}

std::string describe(const CombinationList& list, const std::string& filterText, double n)
{
    std::string d = "filter " + Shown(filterText) + " n " + std::to_string(n) + "\n";
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        d += "  " + Shown(std::string(list.line(i))) + "\n";
    }
    return d;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ornal::fuzz::FuzzInput in(data, size);
    const std::string filterText = in.mixedText(" 0123456789.-+a", 8);
    const bool rawNumber = in.byte() % 8 == 0;
    const double raw = in.rawDouble();
    const CombinationList list = ornal::fuzz::FuzzedList(in);

    // The refusals: an empty list first, then a text that names no number; the question quotes the text as is.
    const ornal::Result<void> checked = ornal::CheckFilter(list, filterText);
    const std::optional<ornal::Message> refusal
        = checked ? std::nullopt : std::optional<ornal::Message>(checked.refusal().message);
    const std::optional<double> chosen = ornal::FilterNumber(filterText);
    ORNAL_FUZZ_CHECK(chosen.has_value() == ornal::StartsWithNumber(filterText), Shown(filterText));
    ORNAL_FUZZ_CHECK(!chosen || *chosen == ornal::NumericValue(filterText), Shown(filterText));
    if (list.empty()) {
        ORNAL_FUZZ_CHECK(
            refusal && refusal->text == ornal::text::kEmptyList && refusal->icon == ornal::MessageIcon::Information,
            Shown(filterText));
    } else if (!chosen) {
        ORNAL_FUZZ_CHECK(refusal && refusal->text == ornal::text::kChooseNumber
                && refusal->icon == ornal::MessageIcon::Information && refusal->title == ornal::text::kProgramTitle,
            Shown(filterText));
    } else {
        ORNAL_FUZZ_CHECK(!refusal, Shown(filterText));
    }
    const ornal::Message keepQuestion = ornal::KeepQuestion(filterText);
    const ornal::Message removeQuestion = ornal::RemoveQuestion(filterText);
    ORNAL_FUZZ_CHECK(keepQuestion.text == std::string(ornal::text::kKeepQuestion) + filterText
            && keepQuestion.icon == ornal::MessageIcon::Question,
        Shown(filterText));
    ORNAL_FUZZ_CHECK(removeQuestion.text == std::string(ornal::text::kRemoveQuestion) + filterText
            && removeQuestion.icon == ornal::MessageIcon::Question,
        Shown(filterText));

    // The filters themselves run with any number, NaN and infinities included, as well as the box's own.
    const double n = rawNumber || !chosen ? raw : *chosen;
    const CombinationList kept = ornal::KeepCombinationsWith(list, n);
    const CombinationList removed = ornal::RemoveCombinationsWith(list, n);
    const std::string ctx = describe(list, filterText, n);

    // Walking the list once, every line goes, unchanged and in order, to exactly one of the two results.
    CombinationList::Count k = 0;
    CombinationList::Count r = 0;
    for (CombinationList::Count i = 0; i < list.size(); ++i) {
        const std::string_view line = list.line(i);
        if (holds(line, n)) {
            ORNAL_FUZZ_CHECK(k < kept.size() && kept.line(k) == line, ctx + "kept line " + std::to_string(i));
            ++k;
        } else {
            ORNAL_FUZZ_CHECK(r < removed.size() && removed.line(r) == line, ctx + "left line " + std::to_string(i));
            ++r;
        }
        ORNAL_FUZZ_CHECK(ornal::LineHoldsNumber(line, n) == holds(line, n), ctx + "line " + std::to_string(i));
    }
    ORNAL_FUZZ_CHECK(k == kept.size() && r == removed.size(), ctx);

    // Filtering again by the same number changes nothing.
    ORNAL_FUZZ_CHECK(ornal::KeepCombinationsWith(kept, n) == kept, ctx);
    ORNAL_FUZZ_CHECK(ornal::RemoveCombinationsWith(removed, n) == removed, ctx);
    ORNAL_FUZZ_CHECK(ornal::KeepCombinationsWith(removed, n).empty(), ctx);
    return 0;
}
