// The desktop module: GIO and the libraries behind it (GObject, libmount, libselinux...) stay out of the window's
// start, and load the first time the player opens the web site or an exported workbook.
#include "desktop/desktopapplications.h"
#include "desktop/workbookopener.h"

extern "C" {
__attribute__((visibility("default"))) extern const ornal::DesktopModule ornal_desktop_module;
const ornal::DesktopModule ornal_desktop_module
    = { &ornal::DefaultHtmlApplication, &ornal::LaunchDesktopEntry, &ornal::OpenWithRegisteredApplication };
}
