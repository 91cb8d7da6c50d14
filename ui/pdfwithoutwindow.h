#pragma once

#include <QStringList>

namespace ornal {

// The option by which the command line asks the window's program for a PDF without showing any window:
// "--pdf-sans-fenetre PDF GAME" writes the printout of the game file GAME as PDF, never replacing a file; with "-"
// for PDF, it writes the PDF to standard output, which the caller has opened on the file it makes.
inline constexpr char kPdfWithoutWindowOption[] = "--pdf-sans-fenetre";
inline constexpr char kToStandardOutput[] = "-";

// Runs that option on arguments (without the program's path, the option first), once a QApplication exists: the
// message on standard error when the PDF is not written; returns the exit status, 0 written, 1 not written.
int RunPdfWithoutWindow(const QStringList& arguments);

} // namespace ornal
