// The workbook module: the .xlsx writer and its read-back, with xlsxwriter, libzip and expat behind them, so that a
// program which exports nothing never loads those libraries.
#include "export/workbookwriter.h"

extern "C" {
__attribute__((visibility("default"))) extern const ornal::WorkbookModule ornal_workbook_module;
const ornal::WorkbookModule ornal_workbook_module = { &ornal::WriteWorkbook };
}
