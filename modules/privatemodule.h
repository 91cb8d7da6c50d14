#pragma once

#include <string>
#include <string_view>

namespace ornal {

// What opening one of the program's own modules gave: the address of the symbol asked for, or why not.
struct ModuleSymbol {
    const void* address = nullptr;
    std::string failure; // in French, naming the module: "le module « … » est introuvable"
};

// Opens the module at fromProgram, a path relative to the running program's folder, and finds symbol in it. The
// module stays open for the rest of the run.
ModuleSymbol OpenModuleSymbol(std::string_view fromProgram, const char* symbol);

} // namespace ornal
