#pragma once

// One table of selections that both front ends must treat alike: the command line (`ornal --print`) and the window
// preloaded with the same line, then given the same bases by a player. Every expected list is worked out by hand
// from the rules of the selection: lines in the order of rising box numbers, each base at its box's position (a base
// past the line's end goes last), a fractional bet size rounded half to even.

#include <string>
#include <vector>

namespace ornal {

struct SelectionCase {
    std::string name;
    std::string preload; // |horses|bet size|numbers...
    std::vector<std::string> bases; // --base, or the marks a player ticks after picking that many bases
    enum class Expect { Lines, Message, Unmarkable } expect = Expect::Lines;
    std::vector<std::string> lines; // Lines: the whole list, or its first lines when count is larger
    std::size_t count = 0; // Lines: how many lines
    std::string message; // Message: the program's message (status 1 on the command line)
};

inline std::vector<SelectionCase> SharedSelectionCases()
{
    using E = SelectionCase::Expect;
    return {
        { "FiveHorsesBetsOfThree", "|5|3|3|7|12|1|9", {}, E::Lines,
            { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-3-12-1-", "-3-12-9-", "-3-1-9-", "-7-12-1-", "-7-12-9-", "-7-1-9-",
                "-12-1-9-" },
            10, "" },
        { "BaseSevenStandsSecond", "|5|3|3|7|12|1|9", { "7" }, E::Lines,
            { "-3-7-12-", "-3-7-1-", "-3-7-9-", "-12-7-1-", "-12-7-9-", "-1-7-9-" }, 6, "" },
        // 2.5 shows marks 0 to 2 but makes lines of 2: the base of box 2 lies past the line's end and goes last.
        { "FractionalBetSizeWithABasePastTheLine", "|5|2.5|1|2|3|4|5", { "3" }, E::Lines,
            { "-1-3-", "-2-3-", "-4-3-", "-5-3-" }, 4, "" },
        { "FractionalBetSizeRoundsToTwo", "|5|2.5|1|2|3|4|5", {}, E::Lines,
            { "-1-2-", "-1-3-", "-1-4-", "-1-5-", "-2-3-", "-2-4-", "-2-5-", "-3-4-", "-3-5-", "-4-5-" }, 10, "" },
        // 9.5 shows ten boxes and fills ten (9.5 rounds to 10); 9.5 - 3 = 6.5 rounds to 6, so the enumeration reads
        // boxes 0 to 8 only: C(9, 3) = 84.
        { "FractionalHorseCount", "|9.5|3|1|2|3|4|5|6|7|8|9|10", {}, E::Lines, { "-1-2-3-", "-1-2-4-", "-1-2-5-" }, 84,
            "" },
        // 8.5 shows nine boxes but fills eight (8.5 rounds to 8): the ninth is empty.
        { "FractionalHorseCountLeavesABoxEmpty", "|8.5|3|1|2|3|4|5|6|7|8|9", {}, E::Message, {}, 0,
            "Entrez un Numéro." },
        { "TwoBasesAtTheirPositions", "|6|4|1|2|3|4|5|6", { "1", "3" }, E::Lines,
            { "-1-2-3-4-", "-1-2-3-5-", "-1-2-3-6-", "-1-4-3-5-", "-1-4-3-6-", "-1-5-3-6-" }, 6, "" },
        // Fields past the horse count fill no box: 5 is no horse of this prediction.
        { "HiddenFieldIsNoHorse", "|4|2|1|2|3|4|5", { "5" }, E::Unmarkable, {}, 0, "" },
        { "ThreeHorsesBelowTheListedCounts", "|3|2|1|2|3", {}, E::Lines, { "-1-2-", "-1-3-", "-2-3-" }, 3, "" },
        // Box 3 has no mark with bets of 3.
        { "MarkPastTheBetSize", "|6|3|1|2|3|4|5|6", { "4" }, E::Unmarkable, {}, 0, "" },
        // Without a bet size no mark is shown at all.
        { "NoBetSizeNoMark", "|6||1|2|3|4|5|6", { "1" }, E::Unmarkable, {}, 0, "" },
        { "FewerHorsesThanTheBetSize", "|4|7|1|2|3|4", {}, E::Message, {}, 0, "Choix invalide." },
        { "BaseModeAboveTheHorseCount", "|1|2|1", { "1" }, E::Message, {}, 0, "Choix invalide." },
        { "MissingNumbers", "|8|3", {}, E::Message, {}, 0, "Entrez un Numéro." },
        { "LeadingZeroRepeatsFive", "|4|2|5|12|05|9", {}, E::Message, {}, 0, "Numéro déjà saisi." },
        { "BetSizeAboveSevenIsIgnored", "|8|9|1|2|3|4|5|6|7|8", {}, E::Message, {}, 0,
            "Vous devez choisir un type de jeu." },
    };
}

} // namespace ornal
