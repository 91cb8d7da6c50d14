#pragma once

#include "cli/liststeps.h"
#include "cli/oddsoption.h"
#include "cli/reductionoptions.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ornal {

// A rapport given with --rapport: a class as the program names it ("bonus 3") and what it paid for the stake the
// rapports are for.
struct ClassRapport {
    std::string className;
    std::int64_t cents = 0;
};

// What the command line asks for, read but not yet checked against the engine.
struct CommandLineOptions {
    bool print = false;
    std::optional<std::string> xlsx;
    std::optional<std::string> saveGame; // --enregistrer: the game file to write
    std::optional<std::string> csv;
    std::optional<std::string> pdf;
    bool help = false;
    bool version = false;
    std::vector<std::string> bases; // --base, in the order given
    std::optional<std::string> betType; // --jeu: the id of a bet type, known to exist
    std::optional<std::int64_t> stakeCents; // --mise
    std::optional<std::string> arrival; // --arrivee, as typed: "3-8-12"
    std::vector<ClassRapport> rapports; // --rapport, in the order given
    std::optional<std::int64_t> rapportBaseCents; // the stake the rapports are for, when a saved bet gives it
    OddsChoice odds; // --cotes
    std::vector<std::string> preload; // the arguments that are no option, joined later as the window joins them
    std::vector<ListStep> listSteps; // --garde, --supp and the conditions, in the order given
    ReductionChoice reduction; // --reduire, --secondes, --graine
};

// The reading of a command line: the options, or the misuse to report with status 2.
struct ParsedCommandLine {
    CommandLineOptions options;
    bool headless = false; // an option asks for work without the window
    std::optional<std::string> misuse; // what is wrong, in French, without the "ornal : " prefix
};

// Reads arguments (without the program's path); "--" ends the options.
ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments);

// The usage text that --help and -h print.
const std::string& UsageText();

} // namespace ornal
