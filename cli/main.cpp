#include "cli/commandline.h"
#include "cli/headlessrun.h"
#include "cli/windowlauncher.h"
#include "engine/allocation.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const ornal::ParsedCommandLine parsed = ornal::ParseCommandLine(arguments);
    if (parsed.misuse) {
        return ornal::ReportMisuse(*parsed.misuse, stderr);
    }
    if (!parsed.headless) {
        const std::string failure = ornal::StartWindow(argv);
        std::fputs((failure + "\n").c_str(), stderr);
        return 1;
    }
    static char buffer[1 << 16];
    std::setvbuf(stdout, buffer, _IOFBF, sizeof buffer);
    // Every operation builds its result before anything is written, so a shortage of memory ends cleanly.
    if (const std::optional<int> status
        = ornal::TryAllocating([&parsed] { return ornal::RunHeadless(parsed.options, stdout, stderr); })) {
        return *status;
    }
    std::fputs("ornal : mémoire insuffisante.\n", stderr);
    return 1;
}
