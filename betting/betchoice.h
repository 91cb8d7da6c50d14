#pragma once

#include "betting/betcost.h"
#include "betting/bettype.h"
#include "engine/combinationlist.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace ornal {

// The bet type a player plays, and for each type the unit stake set and the stake its rapports are quoted for,
// kept for the run of the program.
class BetChoice {
public:
    // No type chosen; every stake at its type's default.
    BetChoice();

    // The type chosen, or nullptr.
    const BetType* type() const { return m_type; }
    // Chooses type (nullptr: none).
    void choose(const BetType* type) { m_type = type; }
    // Chooses the type proposed for lines of betSize numbers, or none when no type takes them.
    void chooseDefaultFor(int betSize);

    // The unit stake of type: the one set, or the type's default.
    std::int64_t stakeCents(const BetType& type) const;
    // Sets the unit stake of type; Cost refuses a stake out of range, so none is refused here.
    void setStakeCents(const BetType& type, std::int64_t cents);
    // Puts the unit stake of type back to its default.
    void resetStake(const BetType& type);

    // The stake the rapports of type are quoted for: the one set, or the type's default stake.
    std::int64_t rapportBaseCents(const BetType& type) const;
    // Sets the stake the rapports of type are for; ComputeWinnings refuses one below a cent, so none is refused here.
    void setRapportBaseCents(const BetType& type, std::int64_t cents);

    // What list costs on the chosen type at its stake (or its refusal), or nullopt when no type is chosen.
    std::optional<Result<BetCost>> cost(const CombinationList& list) const;

private:
    const BetType* m_type = nullptr;
    std::vector<std::int64_t> m_stakes; // by position in BetTypes()
    std::vector<std::int64_t> m_rapportBases; // likewise
};

} // namespace ornal
