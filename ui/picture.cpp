#include "ui/picture.h"

#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QPixmap>

namespace ornal {
namespace {

void AddPng(QIcon& icon, const QString& path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (!image.isNull()) {
        icon.addPixmap(QPixmap::fromImage(image));
    }
}

} // namespace

QIcon Picture(const QString& path)
{
    QIcon icon;
    AddPng(icon, path);
    // As QIcon does with a file name: the larger drawing only where the screen shows it.
    if (qApp->devicePixelRatio() > 1.0 && path.endsWith(QLatin1String(".png"))) {
        const QString dense = path.chopped(4) + QLatin1String("@2x.png");
        if (QFile::exists(dense)) {
            AddPng(icon, dense);
        }
    }
    return icon;
}

} // namespace ornal
