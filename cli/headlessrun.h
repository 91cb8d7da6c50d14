#pragma once

#include "cli/commandline.h"

#include <cstdio>

namespace ornal {

// Runs a headless command line (--print, --xlsx, --help, --version) to its end: lines to out, messages and
// summaries to err. Returns the exit status: 0 done, 1 refused by the program or not written, 2 misused.
int RunHeadless(const CommandLineOptions& options, std::FILE* out, std::FILE* err);

// Reports a misuse on err, followed by where the help is; returns 2.
int ReportMisuse(const std::string& what, std::FILE* err);

} // namespace ornal
