#pragma once

#include "engine/messages.h"

#include <string_view>

namespace ornal {

// The maker's web site, opened by the web-site button and named in the version box.
inline constexpr std::string_view kMakerAddress = "https://www.galopia.fr";

// The application's title, shown in the title bar of the boxes that carry no title of their own.
inline constexpr std::string_view kApplicationTitle = "Ornal";

// The version box: six lines joined with carriage returns alone, no icon, one OK button.
Message AboutMessage(std::string_view version);

} // namespace ornal
