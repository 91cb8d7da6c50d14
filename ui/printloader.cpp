// The window's print preview: the first one opens the printing module, found where the build and the package both
// put it relative to the window, and every preview comes from it.
#include "ui/printpreview.h"

#include "modules/privatemodule.h"

namespace ornal {

QDialog* OpenPrintPreview(const PrintPreviewRequest& request, std::string& failure)
{
    static const ModuleSymbol module
        = OpenModuleSymbol(ORNAL_MODULES_FROM_PROGRAM "/ornal-impression.so", kPrintModuleSymbol);
    if (!module.address) {
        failure = module.failure;
        return nullptr;
    }
    return static_cast<const PrintModule*>(module.address)->openPrintPreview(request, failure);
}

} // namespace ornal
