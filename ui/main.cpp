#include "form1.h"
#include "pdfwithoutwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Qt aborts, in English and with a core file, when it finds no display; say it in the player's words instead.
bool DisplayReachable()
{
    for (const char* variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    if (!DisplayReachable()) {
        std::fputs("ornal : aucun affichage disponible (DISPLAY ou WAYLAND_DISPLAY) ; pour un calcul sans fenêtre : "
                   "ornal --print ...\n",
            stderr);
        return 1;
    }
    const bool pdfOnly = argc > 1 && std::strcmp(argv[1], ornal::kPdfWithoutWindowOption) == 0;
    if (pdfOnly) {
        // Qt's remarks about the missing display and session are no news to a script.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornal"));
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtFrench);
    }
    QStringList windowArguments = QApplication::arguments();
    windowArguments.removeFirst();
    if (pdfOnly) {
        return ornal::RunPdfWithoutWindow(windowArguments);
    }
    ornal::Form1 window(windowArguments);
    window.show();
    window.activateWindow();
    // For the start-up timing beside the benchmarks: end once the window is up and the preload has run.
    if (qEnvironmentVariableIsSet("ORNAL_QUIT_WHEN_SHOWN")) {
        QTimer::singleShot(0, &application, &QCoreApplication::quit);
    }
    return QApplication::exec();
}
