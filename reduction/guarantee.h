#pragma once

#include "engine/refusal.h"

#include <string>
#include <string_view>
#include <vector>

namespace ornal {

// "finishers, inLine": whenever the first `finishers` horses of the race are among the prediction's horses (bases
// included), at least one kept line holds `inLine` of them. inLine == finishers is a covering design C(v, k, t).
struct Guarantee {
    int finishers = 0;
    int inLine = 0;

    bool operator==(const Guarantee&) const = default;
};

// One guarantee a bet type offers: its name on the ticket, the pair of numbers and the sentence a player reads.
struct OfferedGuarantee {
    std::string name;
    Guarantee guarantee;
    std::string sentence;
};

// The guarantees of the bet type betTypeId ("quinte", "quarte", "multi", "2sur4", "couple-place", "couple-gagnant",
// "couple-ordre", "trio", "trio-ordre", "tierce"), or the refusal shown when it offers none; an unknown id is refused.
Result<std::vector<OfferedGuarantee>> OfferedGuarantees(std::string_view betTypeId);

// The player's sentence for g, without a name: "si les 4 premiers sont dans votre jeu, une ligne les contient tous".
std::string GuaranteeRule(Guarantee g);

// Refuses a guarantee that cannot be asked of these horses, bases and lines of lineSize numbers.
Result<void> CheckGuarantee(Guarantee g, int horseCount, int baseCount, int lineSize);

} // namespace ornal
