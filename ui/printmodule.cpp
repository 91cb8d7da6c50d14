// The printing module: Qt's print support, the preview and the printers, stays out of the window's start and loads
// the first time the player asks for the preview.
#include "ui/printpreview.h"

extern "C" {
__attribute__((visibility("default"))) extern const ornal::PrintModule ornal_print_module;
const ornal::PrintModule ornal_print_module = { &ornal::OpenPrintPreview };
}
