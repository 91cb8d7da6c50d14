#pragma once

#include "cli/commandline.h"

#include <string>

namespace ornal {

// Whether the files a command line names for its outputs (--xlsx, --enregistrer, --csv, --pdf) can all be written.
struct DestinationCheck {
    enum class Status {
        Free, // every destination is a new name in a folder that takes files
        Refused, // one exists or cannot be written: the sentence that says so (status 1)
        Misused, // two outputs name the same file (status 2)
    };

    Status status = Status::Free;
    std::string text; // Refused: the line to print; Misused: the misuse, without the "ornal : " prefix
};

// Checks every destination of options before anything is computed, written or printed, so that a command either
// writes all its outputs or none: the last of them refused would otherwise come after the others were written. Two
// names are the same file when they resolve to the same path (a "./" or a link to the folder changes nothing). The
// writers still refuse a file that appears in between.
DestinationCheck CheckDestinations(const CommandLineOptions& options);

} // namespace ornal
