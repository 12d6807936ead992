#include "report/readingfile.h"

#include "shell/modhelp.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

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

// A write may take part of the data and fail on the rest.
bool writeWhole(QSaveFile& file, const QByteArray& bytes) {
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 chunk = file.write(bytes.constData() + written, bytes.size() - written);
        if (chunk <= 0)
            return false;
        written += chunk;
    }
    return true;
}

SaveResult failed(const QString& reason) {
    return {SaveStatus::Failed, reason};
}

#ifdef Q_OS_UNIX
// Opened without blocking and checked on the open handle, so a pipe or a device put in the
// file's place between a check and the open can neither hang nor feed us endless data.
bool openRegularFile(QFile& file, const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        status.st_size > ReadingFileLimit) {
        ::close(fd);
        return false;
    }
    return file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle);
}
#else
bool openRegularFile(QFile& file, const QString& path) {
    const QFileInfo info(path);
    if (!info.isFile() || info.size() > ReadingFileLimit)
        return false;
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly);
}
#endif

std::optional<QByteArray> readBounded(const QString& path) {
    QFile file;
    if (!openRegularFile(file, path))
        return std::nullopt;
    // One byte more than allowed tells a file that grew after the check.
    const QByteArray bytes = file.read(ReadingFileLimit + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > ReadingFileLimit)
        return std::nullopt;
    return bytes;
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

} // namespace

bool HasReadingFileName(const QString& path) {
    return path.endsWith(QLatin1String("run"), Qt::CaseSensitive);
}

SaveResult WriteReadingFile(const QString& path, const modRunicAstrology::BirthDetails& details) {
    const std::array<QString, 4> lines = linesOf(details);
    if (!std::all_of(lines.begin(), lines.end(), modHelp::SurvivesEncoding))
        return {SaveStatus::NameCannotBeSaved, {}};

    // Replacing a pipe or a device node by a renamed file would destroy it.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile())
        return failed(QStringLiteral("Not a regular file"));

    // Unbuffered, so a write cut short shows at once: a buffered flush at commit may lose it.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return failed(file.errorString());
    if (!writeWhole(file, encodedFile(lines))) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return failed(reason);
    }
    if (!file.commit())
        return failed(file.errorString());
    return {SaveStatus::Saved, {}};
}

std::optional<std::array<QString, 4>> ReadReadingFile(const QString& path) {
    const std::optional<QByteArray> bytes = readBounded(path);
    if (!bytes)
        return std::nullopt;
    std::array<QString, 4> texts;
    const std::array<QByteArray, 4> lines = splitLines(*bytes);
    for (std::size_t i = 0; i < lines.size(); ++i)
        texts[i] = modHelp::DecodeText(QString::fromLatin1(lines[i]));
    return texts;
}

} // namespace report
