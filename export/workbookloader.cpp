// The programs' WriteWorkbook: the first export opens the workbook module, found where the build and the package
// both put it relative to the running program, and every export writes through it.
#include "workbookmodule.h"
#include "workbookwriter.h"

#include <dlfcn.h>

#include <string>
#include <system_error>

namespace ornal {
namespace {

struct LoadedModule {
    const WorkbookModule* module = nullptr;
    std::string failure;
};

LoadedModule OpenWorkbookModule()
{
    std::error_code error;
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return { nullptr, "le programme ne trouve pas son propre emplacement (" + error.message() + ")" };
    }
    const std::filesystem::path file = (self.parent_path() / ORNAL_MODULE_FROM_EXE).lexically_normal();
    if (!std::filesystem::exists(file, error)) {
        return { nullptr, "le module des classeurs « " + file.string() + " » est introuvable" };
    }
    // Kept open for the rest of the run: a second export finds it ready.
    void* handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    const void* symbol = handle ? dlsym(handle, kWorkbookModuleSymbol) : nullptr;
    if (!symbol) {
        const char* why = dlerror();
        return { nullptr,
            "le module des classeurs « " + file.string() + " » n'a pas pu être chargé"
                + (why ? std::string(" (") + why + ")" : "") };
    }
    return { static_cast<const WorkbookModule*>(symbol), {} };
}

} // namespace

ServiceError WriteWorkbook(
    const Worksheet& sheet, const std::filesystem::path& file, const std::filesystem::path& shownAs)
{
    static const LoadedModule loaded = OpenWorkbookModule();
    if (!loaded.module) {
        return { serviceerror::kFileAccess, "Le classeur n'a pas pu être écrit : " + loaded.failure + "." };
    }
    return loaded.module->write(sheet, file, shownAs);
}

} // namespace ornal
