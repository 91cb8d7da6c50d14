// The window's desktop applications: the first use opens the desktop module, found where the build and the package
// both put it relative to the window, and every use goes through it.
#include "desktop/desktopapplications.h"
#include "desktop/workbookopener.h"

#include "modules/privatemodule.h"

namespace ornal {
namespace {

const ModuleSymbol& Module()
{
    static const ModuleSymbol module
        = OpenModuleSymbol(ORNAL_MODULES_FROM_PROGRAM "/ornal-bureau.so", kDesktopModuleSymbol);
    return module;
}

const DesktopModule* Functions()
{
    return static_cast<const DesktopModule*>(Module().address);
}

} // namespace

std::string DefaultHtmlApplication()
{
    // Without its module the window knows no browser, and says so as for a desktop that has none.
    return Functions() ? Functions()->defaultHtmlApplication() : std::string();
}

bool LaunchDesktopEntry(const std::string& id, std::string_view address)
{
    return Functions() && Functions()->launchDesktopEntry(id, address);
}

std::optional<std::string> OpenWithRegisteredApplication(const std::filesystem::path& file)
{
    return Functions() ? Functions()->openWithRegisteredApplication(file) : Module().failure;
}

} // namespace ornal
