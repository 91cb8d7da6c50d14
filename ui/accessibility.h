#pragma once

namespace ornal {

// Makes assistive technologies see the window as a dialog named by its caption and every clickable picture as a
// push button that can be pressed; safe to call more than once.
void InstallAccessibility();

} // namespace ornal
