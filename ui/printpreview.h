#pragma once

#include <QIcon>
#include <QSize>

#include <functional>
#include <string>

class QDialog;
class QPagedPaintDevice;
class QWidget;

namespace ornal {

// What the print preview shows and offers.
struct PrintPreviewRequest {
    QWidget* parent = nullptr;
    QSize size;
    std::function<void(QPagedPaintDevice*)> setUpPage; // the printer's page, before the first paint
    std::function<void(QPagedPaintDevice*)> paint; // every page, each time the preview or the printer asks
    QIcon pdfIcon;
    std::function<void()> saveAsPdf; // the preview bar's "Enregistrer en PDF…"
};

// Opens the print preview "ApercuImpression" over request.parent, deleted when closed; nullptr when it cannot be
// opened, with why (in French) in failure.
QDialog* OpenPrintPreview(const PrintPreviewRequest& request, std::string& failure);

// What the printing module hands the window that opens it.
struct PrintModule {
    QDialog* (*openPrintPreview)(const PrintPreviewRequest& request, std::string& failure);
};

// The name the module's PrintModule is found under.
inline constexpr const char* kPrintModuleSymbol = "ornal_print_module";

} // namespace ornal
