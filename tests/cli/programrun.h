#pragma once

// Runs the built program as a script would: arguments in, standard output, standard error and status out.

#include <string>
#include <vector>

namespace ornal::testing_support {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

// argument quoted for the shell.
std::string Quote(const std::string& argument);

// shellPrefix goes before the program in the shell's command line: a folder change, a limit, a trap...
ProgramRun RunOrnal(const std::vector<std::string>& arguments, const std::string& shellPrefix = "");

// The same with another copy of the program.
ProgramRun RunProgram(
    const std::string& program, const std::vector<std::string>& arguments, const std::string& shellPrefix = "");

// text cut at its line ends.
std::vector<std::string> Lines(const std::string& text);

} // namespace ornal::testing_support
