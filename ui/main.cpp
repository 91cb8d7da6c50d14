#include "form1.h"
#include "headless.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // The command-line front end runs before any window exists, so it needs no display.
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    if (const std::optional<int> status = ornal::RunHeadless(arguments, std::cout, std::cerr)) {
        return *status;
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ornal"));
    QTranslator qtFrench;
    if (qtFrench.load(QStringLiteral("qtbase_fr"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QApplication::installTranslator(&qtFrench);
    }
    QStringList windowArguments = QApplication::arguments();
    windowArguments.removeFirst();
    ornal::Form1 window(windowArguments);
    window.show();
    window.activateWindow();
    return QApplication::exec();
}
