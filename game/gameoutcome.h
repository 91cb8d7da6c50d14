#pragma once

#include "engine/combinationlist.h"
#include "engine/refusal.h"

#include <cstdint>
#include <optional>

namespace ornal {

// A part of the game a verb may change; a view redraws only the parts named.
enum class GamePart : std::uint16_t {
    Selection = 1 << 0, // horse count, bet size, base mode, number boxes, marks and what is shown of them
    Results = 1 << 1, // the result boxes' texts
    List = 1 << 2, // the combination lines and their selection text
    Caption = 1 << 3, // the count caption
    Bet = 1 << 4, // the bet type and its stakes
    Conditions = 1 << 5,
    Guarantee = 1 << 6,
    Arrival = 1 << 7, // the arrival and its rapports
    Runners = 1 << 8, // the runners and the odds thresholds
    File = 1 << 9, // the file the game belongs to
    History = 1 << 10, // what undo and redo can reach
};

// A set of parts.
class GameChanges {
public:
    constexpr GameChanges() = default;
    constexpr GameChanges(GamePart part)
        : m_bits(static_cast<std::uint16_t>(part))
    {
    }

    // True when part is in the set.
    constexpr bool has(GamePart part) const { return (m_bits & static_cast<std::uint16_t>(part)) != 0; }
    // True when no part is.
    constexpr bool none() const { return m_bits == 0; }

    constexpr GameChanges operator|(GameChanges other) const { return GameChanges(m_bits | other.m_bits); }
    constexpr GameChanges& operator|=(GameChanges other) { return *this = *this | other; }
    constexpr bool operator==(const GameChanges&) const = default;

private:
    constexpr explicit GameChanges(unsigned bits)
        : m_bits(static_cast<std::uint16_t>(bits))
    {
    }

    std::uint16_t m_bits = 0;
};

constexpr GameChanges operator|(GamePart a, GamePart b)
{
    return GameChanges(a) | b;
}

// How one verb of the game ended: what changed, and when it was refused, the program's message and the control the
// player is sent back to.
struct GameOutcome {
    enum class Focus {
        None,
        HorseCount, // NombreChevaux
        BetSize, // Jeu
        NumberBox, // Text1(box)
        ResultBox, // txtscan(box)
    };

    GameChanges changed;
    std::optional<Refusal> refusal;
    Focus focus = Focus::None;
    int box = -1; // the box focus names, or -1
    bool selectBoxText = false; // the whole text of that box is selected first
    std::optional<CombinationList::Count> line; // the line a search found

    // True when the verb was not refused.
    bool ok() const { return !refusal.has_value(); }

    bool operator==(const GameOutcome&) const = default;
};

} // namespace ornal
