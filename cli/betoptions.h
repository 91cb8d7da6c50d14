#pragma once

#include "commandline.h"

#include <optional>
#include <string>

namespace ornal {

// True for the options that price the list and check an arrival: --jeu, --mise, --arrivee, --cotes.
bool IsBetOption(const std::string& option);

// Reads the value of one of those options into options, or says in French why it cannot be read.
std::optional<std::string> ReadBetOption(
    const std::string& option, const std::string& value, CommandLineOptions& options);

// The misuse of those options once the whole line is read (a stake or an arrival without a bet type...), or nullopt.
std::optional<std::string> CheckBetOptions(const CommandLineOptions& options);

} // namespace ornal
