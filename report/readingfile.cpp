#include "report/readingfile.h"

#include "shell/core/safefile.h"
#include "shell/core/textencoding.h"

#include <QByteArray>
#include <QFileInfo>

#include <algorithm>

namespace report {
namespace {

std::array<QString, 4> linesOf(const modRunicAstrology::BirthDetails& details) {
    return {QString::fromStdString(details.Name), QString::number(details.Day),
            QString::fromStdString(details.Month), QString::number(details.Year)};
}

QByteArray encodedFile(const std::array<QString, 4>& lines) {
    QByteArray bytes;
    for (const QString& line : lines) {
        bytes += modHelp::EncodeText(line).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

// A name holding a line break, an escape or a NUL would forge lines of the report and of the
// paper; no file the program wrote holds one.
bool hasControlCharacter(const QString& text) {
    return std::any_of(text.begin(), text.end(), [](QChar character) {
        return character.category() == QChar::Other_Control;
    });
}

// A line ends at CR or at CR LF; a line cut short by the end of the file still counts.
std::array<QByteArray, 4> splitLines(const QByteArray& bytes) {
    std::array<QByteArray, 4> lines;
    std::size_t line = 0;
    qsizetype start = 0;
    while (line < lines.size() && start < bytes.size()) {
        qsizetype end = bytes.indexOf('\r', start);
        if (end < 0)
            end = bytes.size();
        lines[line++] = bytes.mid(start, end - start);
        start = end + 1;
        if (start < bytes.size() && bytes[start] == '\n')
            ++start;
    }
    return lines;
}

// The name a save writes. A typed extension "run" in any case is written as ".run", the one
// the open side takes. A file already at the typed name is replaced under its own name (the
// dialog asked first), and a file at the amended name is never replaced unasked.
QString savedFileName(const QString& path) {
    const QFileInfo typed(path);
    const QString extension = QStringLiteral(".run");
    if (typed.exists() || typed.isSymLink() ||
        !typed.fileName().endsWith(extension, Qt::CaseInsensitive) || path.endsWith(extension))
        return path;
    const QString amended = path.left(path.size() - 3) + QStringLiteral("run");
    const QFileInfo taken(amended);
    return taken.exists() || taken.isSymLink() ? path : amended;
}

} // namespace

bool hasReadingFileName(const QString& path) {
    return path.endsWith(QLatin1String("run"), Qt::CaseSensitive);
}

SaveResult WriteReadingFile(const QString& path, const modRunicAstrology::BirthDetails& details) {
    const std::array<QString, 4> lines = linesOf(details);
    if (!std::all_of(lines.begin(), lines.end(), modHelp::survivesEncoding))
        return {SaveStatus::NameCannotBeSaved, {}};

    const safefile::WriteResult written =
        safefile::replaceFile(savedFileName(path), encodedFile(lines));
    if (!written.written)
        return {SaveStatus::Failed, written.reason};
    return {SaveStatus::Saved, {}};
}

std::optional<std::array<QString, 4>> ReadReadingFile(const QString& path) {
    const safefile::ReadResult file = safefile::readRegularFile(path, ReadingFileLimit);
    if (file.status != safefile::ReadStatus::Read)
        return std::nullopt;
    std::array<QString, 4> texts;
    const std::array<QByteArray, 4> lines = splitLines(file.bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        texts[i] = modHelp::DecodeText(QString::fromLatin1(lines[i]));
    if (hasControlCharacter(texts[0]))
        return std::nullopt;
    return texts;
}

} // namespace report
