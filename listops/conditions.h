#pragma once

#include "engine/combinationlist.h"
#include "engine/messages.h"
#include "engine/refusal.h"
#include "listops/lineconditions.h"

#include <atomic>
#include <optional>
#include <span>
#include <string>

namespace ornal {

// How many lines CountMeeting reads between two looks at its stop flag.
inline constexpr CombinationList::Count kStopCheckInterval = 4096;

// Refuses conditions that cannot be applied to list; predictionNumbers are the texts of the prediction's number
// boxes as they stand (blank boxes are skipped). Nothing is changed.
Result<void> CheckConditions(
    const CombinationList& list, const LineConditions& conditions, std::span<const std::string> predictionNumbers);

// The lines of list meeting every condition, in their order and unchanged.
CombinationList ApplyConditions(const CombinationList& list, const LineConditions& conditions);

// How many lines of list meet every condition, without building them; nullopt when *stop turned true first. stop
// may be set from another thread: it is read every kStopCheckInterval lines, so a count ends within microseconds.
std::optional<CombinationList::Count> CountMeeting(
    const CombinationList& list, const LineConditions& conditions, const std::atomic<bool>* stop = nullptr);

} // namespace ornal
