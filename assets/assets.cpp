#include "assets/assets.h"

#include <QImageReader>
#include <QPixmap>

namespace assets {

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        // Read as PNG outright: left to guess, the reader loads every image plugin on the
        // system to ask each whether it reads PNG.
        QImageReader reader(QStringLiteral(":/icon/velmora-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
    }
    return icon;
}

} // namespace assets
