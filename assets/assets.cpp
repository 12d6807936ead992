#include "assets/assets.h"

#include <QImageReader>
#include <QPixmap>

namespace assets {

const QList<int>& iconSizes() {
    // The project's list, from CMakeLists.txt, which installs the same files.
    static const QList<int> sizes{VELMORA_ICON_SIZES};
    return sizes;
}

QIcon applicationIcon(int largest) {
    QIcon icon;
    for (const int size : iconSizes()) {
        // Read as PNG outright: left to guess, the reader loads every image plugin on the
        // system to ask each whether it reads PNG.
        QImageReader reader(QStringLiteral(":/icon/velmora-%1.png").arg(size), "png");
        reader.setAutoDetectImageFormat(false);
        icon.addPixmap(QPixmap::fromImage(reader.read()));
        if (size >= largest)
            break;
    }
    return icon;
}

} // namespace assets
