#include "headless.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (const std::optional<int> status = ornal::RunHeadless(arguments, std::cout, std::cerr)) {
        return *status;
    }
    std::cerr << "ornal : la fenêtre n'est pas encore disponible ; utilisez --print.\n";
    return 2;
}
