#pragma once

#include "cli/commandline.h"
#include "engine/refusal.h"

#include <optional>
#include <string>

namespace ornal {

// The files a command line names for its outputs (--xlsx, --enregistrer, --csv, --pdf) are checked before anything
// is computed, written or printed, so that a command either writes all its outputs or none: the last of them refused
// would otherwise come after the others were written. The writers still refuse a file that appears in between.

// The misuse (status 2, without the "ornal : " prefix) when two outputs of options name the same file: when they
// resolve to the same path (a "./" or a link to the folder changes nothing); nullopt when each names its own.
std::optional<std::string> SharedDestination(const CommandLineOptions& options);

// Done when every destination of options is a new name in a folder that takes files; otherwise the refusal whose
// text is the line to print (status 1) for the first that exists or cannot be written.
Result<void> CheckDestinations(const CommandLineOptions& options);

} // namespace ornal
