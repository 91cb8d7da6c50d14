#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace ornal {

// The desktop entry id of the application the desktop opens HTML documents with; empty when there is none.
std::string DefaultHtmlApplication();

// Starts the desktop entry id on address as the desktop would (field codes filled, a terminal when it asks for
// one), without waiting for it; false when it cannot be started.
bool LaunchDesktopEntry(const std::string& id, std::string_view address);

// What the desktop module hands the window that opens it: the two above and OpenWithRegisteredApplication.
struct DesktopModule {
    std::string (*defaultHtmlApplication)();
    bool (*launchDesktopEntry)(const std::string& id, std::string_view address);
    std::optional<std::string> (*openWithRegisteredApplication)(const std::filesystem::path& file);
};

// The name the module's DesktopModule is found under.
inline constexpr const char* kDesktopModuleSymbol = "ornal_desktop_module";

} // namespace ornal
