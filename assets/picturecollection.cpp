#include "assets/picturecollection.h"

#include "reading/picturekeys.h"

#include <QImageReader>

#include <cmath>
#include <utility>

namespace {

QImage readJpeg(const QString& path) {
    // Every picture is a JPEG: told so, the reader loads the JPEG plugin alone instead of every
    // image plugin on the system to find out.
    QImageReader reader(path, "jpeg");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

template <std::size_t N> QStringList keysOf(const std::array<std::string_view, N>& keys) {
    QStringList list;
    for (const std::string_view key : keys)
        list.append(QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size())));
    return list;
}

} // namespace

PictureCollection::PictureCollection(QStringList keys, QString resourceFolder)
    : m_keys(std::move(keys))
    , m_folder(std::move(resourceFolder)) {
}

QString PictureCollection::key(int position) const {
    if (position < 1 || position > count())
        return {};
    return m_keys.at(position - 1);
}

int PictureCollection::position(const QString& key) const {
    // indexOf gives -1 for an unknown key, so this is 0 then
    return static_cast<int>(m_keys.indexOf(key)) + 1;
}

QString PictureCollection::resourcePath(int position) const {
    const QString name = key(position);
    if (name.isEmpty())
        return {};
    return m_folder + QLatin1Char('/') + name;
}

QString PictureCollection::largeResourcePath(int position) const {
    const QString path = resourcePath(position);
    if (path.isEmpty())
        return {};
    const qsizetype extension = path.endsWith(QLatin1String(".jpg")) ? 4 : 0;
    return QString(path).insert(path.size() - extension, QLatin1String("@2x"));
}

QPixmap PictureCollection::picture(int position, qreal devicePixelRatio) const {
    const bool large = devicePixelRatio > 1.0;
    const QString path = large ? largeResourcePath(position) : resourcePath(position);
    if (path.isEmpty())
        return {};
    QImage image = readJpeg(path);
    if (!large || image.isNull())
        return QPixmap::fromImage(std::move(image));
    // The large picture is twice the small one in each direction.
    const double scale = devicePixelRatio / 2.0;
    const QSize wanted(static_cast<int>(std::lround(image.width() * scale)),
                       static_cast<int>(std::lround(image.height() * scale)));
    if (wanted != image.size())
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(devicePixelRatio);
    return QPixmap::fromImage(std::move(image));
}

QPixmap PictureCollection::picture(const QString& key, qreal devicePixelRatio) const {
    return picture(position(key), devicePixelRatio);
}

PictureCollection PictureCollection::sunSigns() {
    return PictureCollection(keysOf(modRunicAstrology::IMGSunsignListKeys),
                             QStringLiteral(":/IMGSunsignList"));
}

PictureCollection PictureCollection::stones() {
    return PictureCollection(keysOf(modRunicAstrology::IMGStoneListKeys),
                             QStringLiteral(":/IMGStoneList"));
}

PictureCollection PictureCollection::stonesWithPlanet() {
    return PictureCollection(keysOf(modRunicAstrology::IMGStoneListWithPlanetKeys),
                             QStringLiteral(":/IMGStoneListWithPlanet"));
}
