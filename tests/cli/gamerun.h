#pragma once

// Runs the built program as a script would: arguments in, standard output, standard error and status out.

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace ornal::cli_testing {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

inline std::string ShellQuoted(const std::string& argument)
{
    std::string quoted = "'";
    for (char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

// shellPrefix goes before the program in the shell's command line: a time limit, another user...
inline ProgramRun RunProgram(const std::vector<std::string>& arguments, const std::string& shellPrefix = "")
{
    static int calls = 0;
    const std::string errPath = testing::TempDir() + "ornal_game_cli_err_" + std::to_string(getpid()) + "_"
        + std::to_string(++calls) + ".txt";
    std::string command = shellPrefix + ShellQuoted(ORNAL_BINARY);
    for (const std::string& argument : arguments) {
        command += ' ' + ShellQuoted(argument);
    }
    command += " 2>" + ShellQuoted(errPath);
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        return run;
    }
    char buffer[65536];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) {
        run.out.append(buffer, n);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errPath);
    std::stringstream text;
    text << err.rdbuf();
    run.err = text.str();
    std::remove(errPath.c_str());
    return run;
}

} // namespace ornal::cli_testing
