#include "ui/printpreview.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>

namespace ornal {

QDialog* OpenPrintPreview(const PrintPreviewRequest& request, std::string&)
{
    auto* preview = new QPrintPreviewDialog(request.parent);
    preview->setObjectName(QStringLiteral("ApercuImpression"));
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setWindowTitle(QStringLiteral("Aperçu avant impression"));
    request.setUpPage(preview->printer());
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview,
        [paint = request.paint](QPrinter* printer) { paint(printer); });

    // Printing to a PDF file is in the print dialog; a button in the preview's own bar says it outright.
    if (auto* bar = preview->findChild<QToolBar*>()) {
        bar->addSeparator();
        QAction* pdf = bar->addAction(request.pdfIcon, QStringLiteral("Enregistrer en PDF…"));
        pdf->setObjectName(QStringLiteral("EnregistrerPdf"));
        pdf->setToolTip(QStringLiteral("Enregistrer ces pages dans un fichier PDF"));
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(pdf))) {
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        QObject::connect(pdf, &QAction::triggered, preview, [save = request.saveAsPdf] { save(); });
    }
    preview->resize(request.size);
    preview->open();
    return preview;
}

} // namespace ornal
