#include "desktop/runtimefolder.h"
#include "ui/form1.h"
#include "ui/pdfwithoutwindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr const char* kHeadlessHint = " ; pour un calcul sans fenêtre : ornal --print ...\n";

// Qt aborts, in English and with a core file, when it finds no display; say it in the player's words instead.
bool DisplayNamed()
{
    for (const char* variable : { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            return true;
        }
    }
    return false;
}

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Qt takes the X display when no platform is named and no Wayland session is announced, or when the platform named
// is X alone: a display named there that does not answer is found before Qt tries it.
bool XDisplayExpected()
{
    const std::string platform = Variable("QT_QPA_PLATFORM");
    if (!platform.empty()) {
        return platform.rfind("xcb", 0) == 0 && platform.find(';') == std::string::npos;
    }
    return !Variable("DISPLAY").empty() && Variable("WAYLAND_DISPLAY").empty()
        && Variable("XDG_SESSION_TYPE") != "wayland";
}

// A connection to the X display named, held until Qt has its own: an X server left without clients resets itself
// (Xvfb does), and Qt's connection would then be refused while it does.
using XConnection = std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)>;

XConnection ConnectToXDisplay()
{
    return XConnection(xcb_connect(nullptr, nullptr), &xcb_disconnect);
}

// While the application starts, Qt's remarks are held back: when its platform fails it ends the program through a
// fatal message, and the player gets one French sentence instead of Qt's English and a core file.
bool g_starting = false;
QtMessageHandler g_previousHandler = nullptr;
std::vector<std::pair<QtMsgType, QString>> g_heldBack;

void StartingMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (!g_starting) {
        g_previousHandler(type, context, text);
        return;
    }
    if (type != QtFatalMsg) {
        g_heldBack.emplace_back(type, text);
        return;
    }
    const std::string platform = Variable("QT_QPA_PLATFORM");
    const std::string what = platform.empty() ? std::string("ornal : aucun affichage utilisable")
                                              : "ornal : l'affichage « " + platform
            + " » n'est pas disponible "
              "(QT_QPA_PLATFORM)";
    std::fputs((what + kHeadlessHint).c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

// Without a session folder Qt makes one under the temporary folder, or at the root of the file system when that is
// missing: give it one of the user's own.
void ProvideRuntimeFolder()
{
    if (!Variable("XDG_RUNTIME_DIR").empty()) {
        return;
    }
    const std::filesystem::path folder = ornal::UserRuntimeFolder();
    if (!folder.empty()) {
        ::setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    if (!DisplayNamed()) {
        std::fputs("ornal : aucun affichage disponible (DISPLAY ou WAYLAND_DISPLAY) ; pour un calcul sans fenêtre : "
                   "ornal --print ...\n",
            stderr);
        return 1;
    }
    XConnection xDisplay(nullptr, &xcb_disconnect);
    if (XDisplayExpected() && xcb_connection_has_error((xDisplay = ConnectToXDisplay()).get()) != 0) {
        const std::string display = Variable("DISPLAY");
        const std::string what = display.empty() ? std::string("ornal : aucun affichage disponible (DISPLAY)")
                                                 : "ornal : l'affichage « " + display + " » ne répond pas (DISPLAY)";
        std::fputs((what + kHeadlessHint).c_str(), stderr);
        return 1;
    }
    ProvideRuntimeFolder();
    const bool pdfOnly = argc > 1 && std::strcmp(argv[1], ornal::kPdfWithoutWindowOption) == 0;
    if (pdfOnly) {
        // Qt's remarks about the missing display and session are no news to a script.
        qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    }
    g_previousHandler = qInstallMessageHandler(StartingMessageHandler);
    g_starting = true;
    QApplication application(argc, argv);
    g_starting = false;
    xDisplay.reset();
    for (const auto& [type, text] : g_heldBack) {
        g_previousHandler(type, QMessageLogContext(), text);
    }
    g_heldBack.clear();
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
