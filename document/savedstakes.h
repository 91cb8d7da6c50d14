#pragma once

#include "betting/betchoice.h"
#include "document/savedgame.h"

#include <vector>

namespace ornal {

// The stakes of bets that a game keeps: every bet type whose unit stake or rapport stake differs from its default,
// and the type in force, in the order of the bet types' table.
std::vector<SavedStake> SavedStakes(const BetChoice& bets);

// Sets in bets the stakes of stakes whose type the program knows; the others are left out, as a bet the program no
// longer knows is.
void RestoreStakes(BetChoice& bets, const std::vector<SavedStake>& stakes);

} // namespace ornal
