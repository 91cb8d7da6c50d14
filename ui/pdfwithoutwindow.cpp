#include "ui/pdfwithoutwindow.h"

#include "document/gamefile.h"
#include "export/exportcommand.h"
#include "ui/gameprintout.h"
#include "ui/qtbridge.h"

#include <QFile>

#include <unistd.h>

#include <cstdio>
#include <string>

namespace ornal {

namespace {

int Fail(const std::string& message)
{
    std::fputs(("ornal : " + message + "\n").c_str(), stderr);
    return 1;
}

} // namespace

int RunPdfWithoutWindow(const QStringList& arguments)
{
    if (arguments.size() != 3 || arguments[0] != QLatin1String(kPdfWithoutWindowOption)) {
        return Fail(std::string(kPdfWithoutWindowOption) + " attend un fichier PDF et un jeu.");
    }
    GameLoadOutcome loaded = LoadGame(ToStd(arguments[2]));
    if (!loaded.ok()) {
        return Fail(loaded.refusal().text());
    }
    const GamePrintout printout(std::move(loaded).value(), ShortDate(CurrentLocalDateTime()));
    if (arguments[1] == QLatin1String(kToStandardOutput)) {
        // The caller owns the file behind the descriptor, and says what went wrong with it.
        QFile out;
        if (!out.open(STDOUT_FILENO, QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
            return 1;
        }
        const bool drawn = WriteGamePdfTo(&out, printout);
        return drawn && out.flush() && out.error() == QFileDevice::NoError ? 0 : 1;
    }
    const WriteOutcome outcome = WriteGamePdf(ToStd(arguments[1]), printout);
    if (!outcome) {
        return Fail(outcome.refusal().text());
    }
    return 0;
}

} // namespace ornal
