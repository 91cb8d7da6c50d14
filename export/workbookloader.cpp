// The programs' WriteWorkbook: the first export opens the workbook module, found where the build and the package
// both put it relative to the running program, and every export writes through it.
#include "export/workbookwriter.h"

#include "modules/privatemodule.h"

namespace ornal {

Result<void> WriteWorkbook(
    const SheetLayout& sheet, const std::filesystem::path& file, const std::filesystem::path& shownAs)
{
    static const ModuleSymbol module
        = OpenModuleSymbol(ORNAL_MODULES_FROM_PROGRAM "/ornal-classeur.so", kWorkbookModuleSymbol);
    if (!module.address) {
        return Refusal::Saying("Le classeur n'a pas pu être écrit : " + module.failure + ".");
    }
    return static_cast<const WorkbookModule*>(module.address)->write(sheet, file, shownAs);
}

} // namespace ornal
