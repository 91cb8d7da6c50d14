#include "programrun.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace ornal::testing_support {

std::string Quote(const std::string& argument)
{
    std::string quoted = "'";
    for (char c : argument) {
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return quoted + "'";
}

ProgramRun RunOrnal(const std::vector<std::string>& arguments, const std::string& shellPrefix)
{
    return RunProgram(ORNAL_BINARY, arguments, shellPrefix);
}

ProgramRun RunProgram(
    const std::string& program, const std::vector<std::string>& arguments, const std::string& shellPrefix)
{
    // ctest runs the cases in parallel processes: each needs its own file for standard error.
    static int calls = 0;
    const std::string errPath
        = testing::TempDir() + "ornal_cli_err_" + std::to_string(getpid()) + "_" + std::to_string(++calls) + ".txt";
    std::string command = shellPrefix + Quote(program);
    for (const std::string& argument : arguments) {
        command += ' ' + Quote(argument);
    }
    command += " 2>" + Quote(errPath);
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

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

} // namespace ornal::testing_support
