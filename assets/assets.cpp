#include "assets/assets.h"

#include <QImageReader>
#include <QPixmap>

#ifdef Q_OS_LINUX
#include <QDirIterator>
#include <QFile>
#include <QResource>

#include <algorithm>
#include <cstdint>

#include <sys/mman.h>
#include <unistd.h>
#endif

namespace assets {
#ifdef Q_OS_LINUX
namespace {

struct Span {
    std::uintptr_t begin = 0, end = 0; // whole pages
};

// The pages that hold nothing but compiled-in pictures: the pictures are one resource file, so
// they lie in one block.
Span picturePages() {
    const uchar* first = nullptr;
    const uchar* last = nullptr;
    for (const char* folder :
         {":/IMGStoneList", ":/IMGStoneListWithPlanet", ":/IMGSunsignList", ":/icon"}) {
        QDirIterator files(QLatin1String(folder), QDir::Files);
        while (files.hasNext()) {
            const QResource file(files.next());
            if (!file.data())
                continue;
            first = first ? std::min(first, file.data()) : file.data();
            last = std::max(last, file.data() + file.size());
        }
    }
    const auto page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    const Span span{(reinterpret_cast<std::uintptr_t>(first) + page - 1) & ~(page - 1),
                    reinterpret_cast<std::uintptr_t>(last) & ~(page - 1)};
    return first && span.end > span.begin ? span : Span{};
}

// Dropping pages is safe only where they come back unchanged from the program's file: a
// read-only mapping of a file. A packed executable unpacks its pictures into memory of its own.
bool readFromFile(const Span& span) {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (span.end == 0 || !maps.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        // "begin-end perms offset device inode path"
        const QList<QByteArray> fields = line.simplified().split(' ');
        const QList<QByteArray> range = fields.value(0).split('-');
        if (fields.size() < 6 || range.size() != 2)
            continue;
        bool beginRead = false;
        bool endRead = false;
        const auto begin = static_cast<std::uintptr_t>(range[0].toULongLong(&beginRead, 16));
        const auto end = static_cast<std::uintptr_t>(range[1].toULongLong(&endRead, 16));
        if (beginRead && endRead && begin <= span.begin && span.end <= end)
            return fields[1].startsWith("r-") && fields[4] != "0";
    }
    return false;
}

} // namespace
#endif

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
    releasePictureBytes();
    return icon;
}

void releasePictureBytes() {
#ifdef Q_OS_LINUX
    static const Span pictures = picturePages();
    static const bool safe = readFromFile(pictures);
    if (safe)
        madvise(reinterpret_cast<void*>(pictures.begin), pictures.end - pictures.begin,
                MADV_DONTNEED);
#endif
}

} // namespace assets
