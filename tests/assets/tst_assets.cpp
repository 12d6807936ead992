// The compiled-in pictures and icon: every picture a real JPEG of its size, and of twice its size
// for denser screens, position and key naming the same picture, nothing for what is not there,
// and the size budget kept.

#include "assets/assets.h"
#include "assets/picturecollection.h"

#include <QFile>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QtTest>

namespace {

enum class Collection { SunSigns, Stones, StonesWithPlanet };

PictureCollection collection(Collection which) {
    switch (which) {
    case Collection::SunSigns:
        return PictureCollection::sunSigns();
    case Collection::Stones:
        return PictureCollection::stones();
    case Collection::StonesWithPlanet:
        break;
    }
    return PictureCollection::stonesWithPlanet();
}

const char* collectionName(Collection which) {
    switch (which) {
    case Collection::SunSigns:
        return "IMGSunsignList";
    case Collection::Stones:
        return "IMGStoneList";
    case Collection::StonesWithPlanet:
        break;
    }
    return "IMGStoneListWithPlanet";
}

struct Expected {
    Collection which;
    QStringList keys;
    QSize size;
};

QList<Expected> expectedCollections() {
    return {
        {Collection::SunSigns,
         {"Aries.jpg", "Taurus.jpg", "Gemini.jpg", "Cancer.jpg", "Leo.jpg", "Virgo.jpg",
          "Libra.jpg", "Scorpio.jpg", "Sagittarius.jpg", "Capricorn.jpg", "Aquarius.jpg",
          "Pisces.jpg"},
         QSize(200, 200)},
        {Collection::Stones,
         {"fehu", "uruz", "ehwaz", "algiz", "wunjo", "berkano", "tiwaz", "eihwaz", "raidho",
          "nauthiz", "hagalaz", "gebo"},
         QSize(113, 151)},
        {Collection::StonesWithPlanet,
         {"ansuz.jpg", "isa.jpg", "jera.jpg", "mannaz.jpg", "perthro.jpg", "thurisaz.jpg"},
         QSize(113, 151)},
    };
}

struct ColourSum {
    double red = 0;
    double green = 0;
    double blue = 0;
};

ColourSum meanColour(const QImage& image, const std::function<bool(int, int)>& inside) {
    ColourSum sum;
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!inside(x, y))
                continue;
            const QRgb pixel = image.pixel(x, y);
            sum.red += qRed(pixel);
            sum.green += qGreen(pixel);
            sum.blue += qBlue(pixel);
            ++count;
        }
    }
    if (count > 0) {
        sum.red /= count;
        sum.green /= count;
        sum.blue /= count;
    }
    return sum;
}

} // namespace

Q_DECLARE_METATYPE(Collection)

class TestAssets : public QObject {
    Q_OBJECT

private slots:
    void jpegSupportIsPresent();
    void collectionSizes_data();
    void collectionSizes();
    void everyPicture_data();
    void everyPicture();
    void nothingOutside_data();
    void nothingOutside();
    void picturesDiffer_data();
    void picturesDiffer();
    void pictureLook_data();
    void pictureLook();
    void picturesKeepTheBudget();
    void applicationIconHasEverySize_data();
    void applicationIconHasEverySize();
    void applicationIconStopsAtTheLargestAskedFor_data();
    void applicationIconStopsAtTheLargestAskedFor();
};

void TestAssets::jpegSupportIsPresent() {
    // without the JPEG plugin no picture can be shown: fail loudly rather than skip
    QVERIFY2(QImageReader::supportedImageFormats().contains("jpeg"),
             "Qt's JPEG image plugin is missing");
}

void TestAssets::collectionSizes_data() {
    QTest::addColumn<Collection>("which");
    QTest::addColumn<int>("count");
    for (const Expected& expected : expectedCollections())
        QTest::newRow(collectionName(expected.which))
            << expected.which << static_cast<int>(expected.keys.size());
}

void TestAssets::collectionSizes() {
    QFETCH(Collection, which);
    QFETCH(int, count);
    QCOMPARE(collection(which).count(), count);
}

void TestAssets::everyPicture_data() {
    QTest::addColumn<Collection>("which");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QSize>("size");
    for (const Expected& expected : expectedCollections()) {
        for (int i = 0; i < expected.keys.size(); ++i) {
            const QString& key = expected.keys.at(i);
            QTest::addRow("%s %d %s", collectionName(expected.which), i + 1, qPrintable(key))
                << expected.which << i + 1 << key << expected.size;
        }
    }
}

void TestAssets::everyPicture() {
    QFETCH(Collection, which);
    QFETCH(int, position);
    QFETCH(QString, key);
    QFETCH(QSize, size);
    const PictureCollection pictures = collection(which);

    QCOMPARE(pictures.key(position), key);
    QCOMPARE(pictures.position(key), position);

    QImageReader reader(pictures.resourcePath(position));
    QCOMPARE(reader.format(), QByteArray("jpeg"));
    const QImage decoded = reader.read();
    QVERIFY2(!decoded.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(decoded.size(), size);

    const QImage byPosition = pictures.picture(position).toImage();
    const QImage byKey = pictures.picture(key).toImage();
    QVERIFY(!byPosition.isNull());
    QCOMPARE(byPosition.size(), size);
    QCOMPARE(byKey, byPosition);
    QCOMPARE(byPosition.convertToFormat(QImage::Format_RGB32),
             decoded.convertToFormat(QImage::Format_RGB32));

    // Drawn at twice the size, not enlarged; shown at the same size on screen at any ratio.
    QImageReader large(pictures.largeResourcePath(position));
    QCOMPARE(large.format(), QByteArray("jpeg"));
    QCOMPARE(large.size(), 2 * size);
    for (const qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        const QPixmap shown = pictures.picture(key, ratio);
        QCOMPARE(shown.devicePixelRatio(), ratio);
        QCOMPARE(shown.size(), (QSizeF(size) * ratio).toSize());
    }
    const QImage twice = pictures.picture(position, 2.0).toImage();
    QImage expected = large.read();
    expected.setDevicePixelRatio(2.0);
    QCOMPARE(twice.convertToFormat(QImage::Format_RGB32),
             expected.convertToFormat(QImage::Format_RGB32));
}

void TestAssets::nothingOutside_data() {
    QTest::addColumn<Collection>("which");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("key");

    QTest::newRow("position zero") << Collection::SunSigns << 0 << QString();
    QTest::newRow("negative position") << Collection::Stones << -1 << QString();
    QTest::newRow("one past the sign pictures") << Collection::SunSigns << 13 << QString();
    QTest::newRow("one past the planet stones") << Collection::StonesWithPlanet << 7 << QString();
    QTest::newRow("sign key in lower case") << Collection::SunSigns << 0 << "aries.jpg";
    QTest::newRow("sign key without extension") << Collection::SunSigns << 0 << "Aries";
    QTest::newRow("sign key with a leading space") << Collection::SunSigns << 0 << " Aries.jpg";
    QTest::newRow("stone key with extension") << Collection::Stones << 0 << "fehu.jpg";
    QTest::newRow("stone key in capitals") << Collection::Stones << 0 << "Fehu";
    QTest::newRow("planet key without extension") << Collection::StonesWithPlanet << 0 << "ansuz";
    QTest::newRow("planet rune asked of the sign runes") << Collection::Stones << 0 << "ansuz.jpg";
    QTest::newRow("sign rune asked of the planet runes")
        << Collection::StonesWithPlanet << 0 << "gebo";
    QTest::newRow("empty key") << Collection::Stones << 0 << "";
    QTest::newRow("path out of the collection")
        << Collection::SunSigns << 0 << "../icon/velmora-16.png";
}

void TestAssets::nothingOutside() {
    QFETCH(Collection, which);
    QFETCH(int, position);
    QFETCH(QString, key);
    const PictureCollection pictures = collection(which);
    if (key.isNull()) {
        QVERIFY(pictures.picture(position).isNull());
        QVERIFY(pictures.key(position).isEmpty());
        QVERIFY(pictures.resourcePath(position).isEmpty());
    } else {
        QVERIFY(pictures.picture(key).isNull());
        QCOMPARE(pictures.position(key), 0);
    }
}

void TestAssets::picturesDiffer_data() {
    QTest::addColumn<Collection>("which");
    for (const Expected& expected : expectedCollections())
        QTest::newRow(collectionName(expected.which)) << expected.which;
}

void TestAssets::picturesDiffer() {
    QFETCH(Collection, which);
    const PictureCollection pictures = collection(which);
    QList<QImage> seen;
    for (int position = 1; position <= pictures.count(); ++position) {
        const QImage image = pictures.picture(position).toImage();
        for (int earlier = 0; earlier < seen.size(); ++earlier)
            QVERIFY2(image != seen.at(earlier),
                     qPrintable(QStringLiteral("%1 repeats %2")
                                    .arg(pictures.key(position), pictures.key(earlier + 1))));
        seen.append(image);
    }
}

void TestAssets::pictureLook_data() {
    QTest::addColumn<Collection>("which");
    QTest::addColumn<int>("position");
    for (const Expected& expected : expectedCollections()) {
        for (int i = 0; i < expected.keys.size(); ++i)
            QTest::addRow("%s %s", collectionName(expected.which), qPrintable(expected.keys.at(i)))
                << expected.which << i + 1;
    }
}

// Coarse colour checks, enough to catch a picture swapped between sets or drawn in the wrong
// colours: stones are green in the middle on a dark panel, signs are red discs on a dark panel.
void TestAssets::pictureLook() {
    QFETCH(Collection, which);
    QFETCH(int, position);
    const QImage image = collection(which).picture(position).toImage();
    const int width = image.width();
    const int height = image.height();

    const ColourSum corner = meanColour(image, [](int x, int y) { return x < 6 && y < 6; });
    QVERIFY2(corner.red < 90 && corner.green < 90 && corner.blue < 90, "the panel is not dark");

    if (which == Collection::SunSigns) {
        const auto band = [width, height](int x, int y) {
            const double dx = x - width / 2.0;
            const double dy = y - height / 2.0;
            const double distance = std::sqrt(dx * dx + dy * dy);
            return distance > 0.35 * width && distance < 0.4 * width;
        };
        const ColourSum field = meanColour(image, band);
        QVERIFY2(field.red > 1.5 * field.green && field.red > 1.5 * field.blue,
                 "the field is not red");
    } else {
        const auto middle = [width, height](int x, int y) {
            return std::abs(x - width / 2) < width / 4 && std::abs(y - height / 2) < height / 4;
        };
        const ColourSum stone = meanColour(image, middle);
        QVERIFY2(stone.green > stone.red && stone.green > stone.blue, "the stone is not green");
    }
}

void TestAssets::picturesKeepTheBudget() {
    QStringList files;
    for (const Expected& expected : expectedCollections()) {
        const PictureCollection pictures = collection(expected.which);
        for (int position = 1; position <= pictures.count(); ++position)
            files << pictures.resourcePath(position) << pictures.largeResourcePath(position);
    }
    for (const int size : assets::iconSizes())
        files << QStringLiteral(":/icon/velmora-%1.png").arg(size);
    qint64 total = 0;
    for (const QString& path : files) {
        QFile file(path);
        QVERIFY2(file.exists(), qPrintable(path));
        total += file.size();
    }
    qInfo("the 30 pictures at both sizes and the icon take %lld bytes", total);
    QVERIFY2(total <= 1500 * 1000, qPrintable(QStringLiteral("%1 bytes").arg(total)));
}

void TestAssets::applicationIconHasEverySize_data() {
    QTest::addColumn<int>("size");
    for (const int size : {16, 24, 32, 48, 64, 128, 256, 512})
        QTest::addRow("%d px", size) << size;
}

void TestAssets::applicationIconHasEverySize() {
    QFETCH(int, size);
    QCOMPARE(assets::iconSizes().count(size), 1);
    const QIcon icon = assets::applicationIcon(512);
    QVERIFY(icon.availableSizes().contains(QSize(size, size)));

    const QImage image = icon.pixmap(QSize(size, size)).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    // a stone on a transparent ground, not a square tile
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
}

// Decoding a size nobody shows costs memory: the 512-pixel icon alone takes a megabyte.
void TestAssets::applicationIconStopsAtTheLargestAskedFor_data() {
    QTest::addColumn<int>("largest");
    QTest::addColumn<int>("biggest");
    QTest::newRow("a drawn size") << 64 << 64;
    QTest::newRow("between two sizes") << 80 << 128;
    QTest::newRow("below the smallest") << 1 << 16;
    QTest::newRow("beyond the largest") << 4096 << 512;
}

void TestAssets::applicationIconStopsAtTheLargestAskedFor() {
    QFETCH(int, largest);
    QFETCH(int, biggest);
    const QList<QSize> sizes = assets::applicationIcon(largest).availableSizes();
    QVERIFY(!sizes.isEmpty());
    QCOMPARE(sizes.first(), QSize(16, 16));
    QCOMPARE(sizes.last(), QSize(biggest, biggest));
}

QTEST_MAIN(TestAssets)
#include "tst_assets.moc"
