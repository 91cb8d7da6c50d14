#pragma once

#include "engine/combinationlist.h"
#include "engine/messages.h"
#include "engine/refusal.h"

#include <optional>
#include <string_view>

namespace ornal {

// The number a filter box's text names, or nullopt when the text does not start with a number.
std::optional<double> FilterNumber(std::string_view filterText);

// The refusal a filter shows before its question ("Liste vide , traitement impossible." or "Choisir un Nombre."),
// if any.
Result<void> CheckFilter(const CombinationList& list, std::string_view filterText);

// The question asked before a filter runs, with the filter box's text as it stands.
Message KeepQuestion(std::string_view filterText);
Message RemoveQuestion(std::string_view filterText);

// True when one of the line's own numbers has the value n (whole-field comparison: 11 does not hold 1, 05 holds 5).
bool LineHoldsNumber(std::string_view line, double n);

// The lines holding n, in their order.
CombinationList KeepCombinationsWith(const CombinationList& list, double n);

// The lines not holding n, in their order.
CombinationList RemoveCombinationsWith(const CombinationList& list, double n);

} // namespace ornal
