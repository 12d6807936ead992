// Draws the program's pictures and icon into a folder laid out like assets/:
//   QT_QPA_PLATFORM=offscreen picturegen <folder>
// Every picture comes twice: at its size and, for screens of twice the density, drawn afresh at
// twice the size under the same name with "@2x". The output is the same on every run; the
// build never runs this (the test picturegen_regenerates compares it with assets/).

#include "runes.h"
#include "runestone.h"
#include "signs.h"

#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <QTextStream>

namespace {

constexpr int signQuality = 92;
constexpr int stoneQuality = 92;
// At twice the density a flaw covers a quarter of the area; 90 keeps every picture and the
// icon together at 1.2 MB.
constexpr int largeQuality = 90;
constexpr int signSize = 200;
const QSize stoneSize(113, 151);
const QList<int> iconSizes{VELMORA_ICON_SIZES}; // the project's, from CMakeLists.txt

// "IMGSunsignList/Aries.jpg" -> "IMGSunsignList/Aries@2x.jpg"
QString largeName(const QString& folder, const QString& key) {
    return folder + "/" + key + "@2x.jpg";
}

class Output {
public:
    explicit Output(const QString& folder)
        : m_root(QDir(folder).absolutePath()) {}

    bool write(const QImage& image, const QString& relativePath, const char* format, int quality) {
        const QString path = m_root.filePath(relativePath);
        if (!m_root.mkpath(QFileInfo(path).path())) {
            m_err << "picturegen: cannot create the folder of " << path << Qt::endl;
            return false;
        }
        QImageWriter writer(path, format);
        writer.setQuality(quality);
        writer.setOptimizedWrite(true);
        if (!writer.write(image)) {
            m_err << "picturegen: cannot write " << path << ": " << writer.errorString()
                  << Qt::endl;
            return false;
        }
        m_out << QStringLiteral("%1  %2 bytes").arg(relativePath, -36).arg(QFileInfo(path).size())
              << Qt::endl;
        m_pictureBytes += QFileInfo(path).size();
        return true;
    }

    qint64 pictureBytes() const { return m_pictureBytes; }

private:
    QDir m_root;
    QTextStream m_out{stdout};
    QTextStream m_err{stderr};
    qint64 m_pictureBytes = 0;
};

bool writeSigns(Output& output) {
    const QStringList names = picturegen::signNames();
    const QString folder = QStringLiteral("IMGSunsignList");
    for (int sign = 0; sign < names.size(); ++sign) {
        const QString& key = names.at(sign);
        if (!output.write(picturegen::drawSignPicture(sign, signSize), folder + "/" + key + ".jpg",
                          "jpeg", signQuality) ||
            !output.write(picturegen::drawSignPicture(sign, 2 * signSize), largeName(folder, key),
                          "jpeg", largeQuality))
            return false;
    }
    return true;
}

bool writeStones(Output& output, const QList<picturegen::Rune>& runes, const QString& folder) {
    using picturegen::StoneBackground;
    for (const picturegen::Rune& rune : runes) {
        if (!output.write(picturegen::drawRuneStone(rune, stoneSize, StoneBackground::DarkPanel),
                          folder + "/" + rune.key + ".jpg", "jpeg", stoneQuality) ||
            !output.write(
                picturegen::drawRuneStone(rune, 2 * stoneSize, StoneBackground::DarkPanel),
                largeName(folder, rune.key), "jpeg", largeQuality))
            return false;
    }
    return true;
}

bool writeIcon(Output& output) {
    for (const int size : iconSizes) {
        const QImage icon = picturegen::drawRuneStone(picturegen::iconRune(), QSize(size, size),
                                                      picturegen::StoneBackground::Transparent);
        if (!output.write(icon, QStringLiteral("icon/velmora-%1.png").arg(size), "png", -1))
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = QGuiApplication::arguments();
    if (arguments.size() != 2) {
        err << "usage: picturegen <output folder>" << Qt::endl;
        return 2;
    }
    if (!QImageWriter::supportedImageFormats().contains("jpeg")) {
        err << "picturegen: this Qt has no JPEG writer" << Qt::endl;
        return 1;
    }
    if (const QString problem = picturegen::symbolFontProblem(); !problem.isEmpty()) {
        err << "picturegen: " << problem << Qt::endl;
        return 1;
    }

    Output output(arguments.at(1));
    if (!writeSigns(output) || !writeStones(output, picturegen::signRunes(), "IMGStoneList") ||
        !writeStones(output, picturegen::planetRunes(), "IMGStoneListWithPlanet") ||
        !writeIcon(output))
        return 1;
    QTextStream(stdout) << "pictures and icon: " << output.pictureBytes() << " bytes" << Qt::endl;
    return 0;
}
