#include "modules/privatemodule.h"
#include "files/systemerrortext.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

namespace ornal {

ModuleSymbol OpenModuleSymbol(std::string_view fromProgram, const char* symbol)
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return { nullptr,
            "le programme ne trouve pas son propre emplacement (" + SystemErrorText(error.value()) + ")" };
    }
    const std::filesystem::path file = (self.parent_path() / fromProgram).lexically_normal();
    if (!std::filesystem::exists(file, error)) {
        return { nullptr, "le module « " + file.string() + " » est introuvable" };
    }
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    const void* address = handle ? dlsym(handle, symbol) : nullptr;
    if (!address) {
        // The loader's own words, in English, are all there is to say why.
        const char* why = dlerror();
        return { nullptr,
            "le module « " + file.string() + " » n'a pas pu être chargé" + (why ? std::string(" (") + why + ")" : "") };
    }
    return { address, {} };
}

} // namespace ornal
