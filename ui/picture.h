#pragma once

#include <QIcon>
#include <QString>

namespace ornal {

// The window's picture at path, a PNG of the resources, with its "@2x" drawing on dense screens. Read as PNG
// without asking Qt's image plugins: guessing the format would load every one of them, in the window's start.
QIcon Picture(const QString& path);

} // namespace ornal
