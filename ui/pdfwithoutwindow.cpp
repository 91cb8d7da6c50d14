#include "pdfwithoutwindow.h"

#include "gamefile.h"
#include "gameprintout.h"
#include "localdatetime.h"
#include "qtbridge.h"

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
        return Fail(loaded.message);
    }
    const GamePrintout printout(std::move(*loaded.game), ShortDate(CurrentLocalDateTime()));
    const WriteOutcome outcome = WriteGamePdf(ToStd(arguments[1]), printout);
    if (!outcome.written()) {
        return Fail(outcome.message);
    }
    return 0;
}

} // namespace ornal
