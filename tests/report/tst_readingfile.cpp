#include "tst_report.h"

#include "support/reportsupport.h"

#include "report/readingfile.h"
#include "shell/modhelp.h"
#include "shell/safefile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <string_view>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif
#ifdef Q_OS_WIN
#include <windows.h>
#endif

using namespace reportsupport;
using modRunicAstrology::BirthDetails;
using report::SaveStatus;

namespace {

using Lines = std::array<QString, 4>;

BirthDetails Details(const QString& name, int day, const QString& month, int year) {
    return {name.toStdString(), static_cast<std::int16_t>(day), month.toStdString(),
            static_cast<std::int16_t>(year)};
}

QStringList toList(const Lines& lines) {
    return {lines.begin(), lines.end()};
}

QStringList linesIn(const QString& path) {
    const std::optional<Lines> lines = report::ReadReadingFile(path);
    return lines ? toList(*lines) : QStringList{QStringLiteral("<refused>")};
}

const QByteArray OldContent = "OLD CONTENT\r\n";

#ifdef Q_OS_UNIX

// Runs its steps backwards when it goes, failed test or not.
class UndoList {
public:
    UndoList() = default;
    UndoList(const UndoList&) = delete;
    UndoList& operator=(const UndoList&) = delete;
    ~UndoList() {
        for (auto step = m_steps.rbegin(); step != m_steps.rend(); ++step)
            (*step)();
    }
    void add(std::function<void()> step) { m_steps.push_back(std::move(step)); }

private:
    std::vector<std::function<void()>> m_steps;
};

mode_t modeOf(const QString& path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// A regular file as the tests compare it: its permissions and its bytes.
QString fileEntry(mode_t mode, const QByteArray& content) {
    return QStringLiteral("file %1: %2")
        .arg(mode, 4, 8, QLatin1Char('0'))
        .arg(QString::fromLatin1(content.toPercentEncoding()));
}

// Everything under a folder, links not followed, each entry told by what it is.
QMap<QString, QString> tree(const QString& root) {
    QMap<QString, QString> tree;
    QDirIterator entries(root,
                         QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        struct stat status {};
        QString what = QStringLiteral("unreadable");
        if (::lstat(QFile::encodeName(path).constData(), &status) == 0) {
            if (S_ISLNK(status.st_mode))
                what = QStringLiteral("link to ") + QFile::symLinkTarget(path);
            else if (S_ISFIFO(status.st_mode))
                what = QStringLiteral("pipe");
            else if (S_ISDIR(status.st_mode))
                what =
                    QStringLiteral("folder %1").arg(status.st_mode & 07777, 4, 8, QLatin1Char('0'));
            else
                what = fileEntry(status.st_mode & 07777, readAll(path));
        }
        tree.insert(QDir(root).relativeFilePath(path), what);
    }
    return tree;
}

struct SaverRun {
    bool survived = false; // ended by itself, not by a signal
    QString output;
    QString errors;
};

SaverRun runSaver(const QStringList& arguments, bool asNobody) {
    QProcess saver;
    if (asNobody) {
        saver.start(QStringLiteral("setpriv"),
                    QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                QStringLiteral("--clear-groups"),
                                QStringLiteral(SAVEREADING_PATH)} +
                        arguments);
    } else {
        saver.start(QStringLiteral(SAVEREADING_PATH), arguments);
    }
    const bool finished = saver.waitForFinished(60000);
    return {finished && saver.exitStatus() == QProcess::NormalExit && saver.exitCode() == 0,
            QString::fromLocal8Bit(saver.readAllStandardOutput()).trimmed(),
            QString::fromLocal8Bit(saver.readAllStandardError())};
}
#endif

} // namespace

void TestReport::fileNameCheck_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("x.run") << "x.run" << true;
    QTest::newRow("x.RUN, capitals") << "x.RUN" << false;
    QTest::newRow("xrun, no dot") << "xrun" << true;
    QTest::newRow("x.ru") << "x.ru" << false;
    QTest::newRow("empty") << "" << false;
    QTest::newRow("run alone") << "run" << true;
    QTest::newRow("x.Run, mixed case") << "x.Run" << false;
    QTest::newRow("full path") << "/home/anna/readings/anna.run" << true;
    QTest::newRow("x.run.txt") << "x.run.txt" << false;
}

void TestReport::fileNameCheck() {
    QFETCH(QString, path);
    QFETCH(bool, accepted);
    QCOMPARE(report::hasReadingFileName(path), accepted);
}

void TestReport::savedBytes() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("anna.run"));
    const report::SaveResult result =
        report::WriteReadingFile(path, Details(QStringLiteral("ANNA"), 12, "March", 1980));
    QCOMPARE(result.status, SaveStatus::Saved);
    // each character 14 codes up, every line ended by CR LF, nothing else
    QCOMPARE(readAll(path), QByteArray("O\\\\O\r\n?@\r\n[o\x80qv\r\n?GF>\r\n"));
}

void TestReport::saveThenRead_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::newRow("ANNA, 12 March 1980") << "ANNA" << 12 << "March" << 1980;
    QTest::newRow("first day of the lists") << "MARY ANN" << 1 << "January" << 1900;
    QTest::newRow("last day of the lists") << "JO" << 31 << "December" << 2050;
    QTest::newRow("Latin-1 letters") << QString::fromUtf8("ZOË ÅSA") << 7 << "July" << 1999;
    QTest::newRow("highest code that fits") << QString::fromUtf8("ñ") << 2 << "May" << 2000;
}

void TestReport::saveThenRead() {
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("reading.run"));
    QCOMPARE(report::WriteReadingFile(path, Details(name, day, month, year)).status,
             SaveStatus::Saved);
    QCOMPARE(linesIn(path),
             (QStringList{name, QString::number(day), month, QString::number(year)}));
}

void TestReport::saveReplacesWholeFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("twice.run"));
    QCOMPARE(report::WriteReadingFile(path, Details("ALEXANDRA CATHERINE", 30, "September", 1961))
                 .status,
             SaveStatus::Saved);
    QCOMPARE(report::WriteReadingFile(path, Details("BO", 4, "May", 2001)).status,
             SaveStatus::Saved);
    QCOMPARE(readAll(path), readingFileOf("BO", "4", "May", "2001"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"twice.run"});
}

// Every save target a hostile system can offer. Each save runs in a process of its own that
// starts with the default action of a file-size limit (the end of the process) and prepares
// itself as the program does; whatever happens, every file that was there stays as it was
// (unless it was the one chosen) and nothing is left behind.
void TestReport::saveToHostileTargets_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("outcome"); // what the saving process says
    QTest::newRow("link to nothing") << "link to nothing"
                                     << "failed: Link to a file that does not exist";
    QTest::newRow("another user's link in a shared folder")
        << "other's link"
        << "failed: Link owned by another user in a shared folder";
    QTest::newRow("the shared folder owner's link") << "owner's link"
                                                    << "saved";
    QTest::newRow("own link to own file") << "own link"
                                          << "saved";
    QTest::newRow("file-size limit of 10 bytes") << "size limit"
                                                 << "failed: File too large";
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "failed: Permission denied";
    QTest::newRow("full file system") << "full"
                                      << "failed: No space left on device";
    QTest::newRow("pipe") << "pipe"
                          << "failed: Not a regular file";
}

void TestReport::saveToHostileTargets() {
#ifndef Q_OS_UNIX
    QSKIP("links, owners, permission bits, file-size limits and FIFOs are POSIX faults");
#else
    QFETCH(QString, kind);
    QFETCH(QString, outcome);
    QTemporaryDir scratch;
    QVERIFY(scratch.isValid());
    const QString root = scratch.path();
    const auto at = [&root](const char* name) {
        return root + QLatin1Char('/') + QLatin1String(name);
    };
    const bool isRoot = ::geteuid() == 0;
    constexpr uid_t nobody = 65534;
    UndoList undo;
    // Reachable by the unprivileged user some cases save as.
    QVERIFY(::chmod(QFile::encodeName(root).constData(), 0755) == 0);
    QVERIFY(writeAll(at("old.run"), OldContent));

    QString target = at("old.run");
    QString savedTo; // the file that takes the new content; empty when nothing may change
    QStringList saverArguments;
    bool asNobody = false;
    if (kind == "link to nothing") {
        target = at("anna.run");
        QVERIFY(QFile::link(at("gone.run"), target));
    } else if (kind == "other's link" || kind == "owner's link") {
        if (!isRoot)
            QSKIP("a link of another user's takes root to make");
        QVERIFY(QDir(root).mkdir(QStringLiteral("shared")));
        QVERIFY(::chmod(QFile::encodeName(at("shared")).constData(), 01777) == 0);
        if (kind == "owner's link")
            QVERIFY(::chown(QFile::encodeName(at("shared")).constData(), nobody, nobody) == 0);
        target = at("shared/anna.run");
        QVERIFY(QFile::link(at("old.run"), target));
        QVERIFY(::lchown(QFile::encodeName(target).constData(), nobody, nobody) == 0);
        if (kind == "owner's link")
            savedTo = at("old.run");
    } else if (kind == "own link") {
        target = at("link.run");
        QVERIFY(QFile::link(at("old.run"), target));
        savedTo = at("old.run");
    } else if (kind == "size limit") {
        saverArguments << QStringLiteral("--size-limit") << QStringLiteral("10");
    } else if (kind == "read-only folder") {
        QVERIFY(QDir(root).mkdir(QStringLiteral("locked")));
        target = at("locked/old.run");
        QVERIFY(writeAll(target, OldContent));
        // Root writes whatever the permissions say: the save runs as another user then.
        asNobody = isRoot;
        if (asNobody && QStandardPaths::findExecutable(QStringLiteral("setpriv")).isEmpty())
            QSKIP("saving as another user needs setpriv (util-linux)");
        if (asNobody)
            QVERIFY(::chown(QFile::encodeName(target).constData(), nobody, nobody) == 0);
        QVERIFY(::chmod(QFile::encodeName(at("locked")).constData(), 0555) == 0);
        undo.add([folder = at("locked")] { ::chmod(QFile::encodeName(folder).constData(), 0755); });
    } else if (kind == "full") {
#ifdef Q_OS_LINUX
        // A small file system of our own, filled up: never the machine's own disks.
        QVERIFY(QDir(root).mkdir(QStringLiteral("full")));
        const QByteArray folder = QFile::encodeName(at("full"));
        if (::mount("tmpfs", folder.constData(), "tmpfs", 0, "size=32k") != 0)
            QSKIP("mounting a small file system to fill takes root");
        undo.add([folder] { ::umount2(folder.constData(), MNT_DETACH); });
        target = at("full/old.run");
        QVERIFY(writeAll(target, OldContent));
        QFile filler(at("full/filler"));
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        while (filler.write(QByteArray(4096, 'f')) > 0) {
        }
#else
        QSKIP("a small file system of our own is mounted the Linux way");
#endif
    } else {
        target = at("pipe.run");
        QVERIFY(makeFifo(target));
    }
    const QMap<QString, QString> before = tree(root);
    const mode_t savedMode = modeOf(savedTo);

    const SaverRun run = runSaver(saverArguments + QStringList{target}, asNobody);
    QVERIFY2(run.survived, qPrintable(run.errors));
    QCOMPARE(run.output, outcome);

    QMap<QString, QString> expected = before;
    if (!savedTo.isEmpty())
        expected[QDir(root).relativeFilePath(savedTo)] =
            fileEntry(savedMode, readingFileOf("ANNA", "12", "March", "1980"));
    QCOMPARE(tree(root), expected);
#endif
}

// The Windows faults: device names (in any folder, with any extension), a pipe with a server
// waiting, a folder, and a read-only file. Nothing blocks, nothing is read from or written to
// any of them, and the read-only file keeps its bytes.
void TestReport::windowsDevicesAndReadOnlyFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("CON") << "CON";
    QTest::newRow("NUL") << "NUL";
    QTest::newRow("COM1") << "COM1";
    QTest::newRow("CON.run in a folder of ours") << "folder/CON.run";
    QTest::newRow("a pipe with its server waiting") << "pipe";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("a read-only file") << "read-only";
}

void TestReport::windowsDevicesAndReadOnlyFiles() {
#ifndef Q_OS_WIN
    QSKIP("device names, named pipes and the read-only attribute are Windows faults");
#else
    QFETCH(QString, kind);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString pipeName =
        QStringLiteral("\\\\.\\pipe\\velmora-test-%1").arg(QCoreApplication::applicationPid());
    HANDLE server = INVALID_HANDLE_VALUE;
    QString target = kind;
    if (kind == "folder/CON.run") {
        target = folder.filePath(QStringLiteral("CON.run"));
        wchar_t full[MAX_PATH];
        const DWORD length = GetFullPathNameW(
            reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()), MAX_PATH,
            full, nullptr);
        if (length == 0 || length >= MAX_PATH ||
            std::wstring_view(full, length).rfind(L"\\\\.\\", 0) != 0)
            QSKIP("this Windows takes CON.run in a folder for a file name, not the console");
    } else if (kind == "pipe") {
        server =
            CreateNamedPipeW(reinterpret_cast<const wchar_t*>(pipeName.utf16()), PIPE_ACCESS_DUPLEX,
                             PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr);
        QVERIFY(server != INVALID_HANDLE_VALUE);
        target = pipeName;
    } else if (kind == "folder") {
        target = folder.path();
    } else if (kind == "read-only") {
        target = folder.filePath(QStringLiteral("old.run"));
        QVERIFY(writeAll(target, OldContent));
        QVERIFY(SetFileAttributesW(
            reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
            FILE_ATTRIBUTE_READONLY));
    }

    const safefile::ReadResult read = safefile::readRegularFile(target, 64 * 1024);
    const safefile::WriteResult written = safefile::replaceFile(target, "NEW\r\n");
    if (server != INVALID_HANDLE_VALUE)
        CloseHandle(server);

    QVERIFY(!written.written);
    QVERIFY(!written.reason.isEmpty());
    if (kind == "read-only") {
        QCOMPARE(read.status, safefile::ReadStatus::Read);
        QCOMPARE(read.bytes, OldContent);
        SetFileAttributesW(
            reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(target).utf16()),
            FILE_ATTRIBUTE_NORMAL);
        QCOMPARE(readAll(target), OldContent);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("old.run")});
    } else {
        QCOMPARE(read.status, safefile::ReadStatus::Refused);
        QCOMPARE(read.reason, QStringLiteral("Not a regular file"));
        QCOMPARE(written.reason, QStringLiteral("Not a regular file"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 QStringList());
    }
#endif
}

void TestReport::readLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList anna{"ANNA", "12", "March", "1980"};
    const QByteArray crlf = "\r\n";
    QTest::newRow("CR LF lines") << encoded("ANNA") + crlf + encoded("12") + crlf +
                                        encoded("March") + crlf + encoded("1980") + crlf
                                 << anna;
    QTest::newRow("CR only") << encoded("ANNA") + "\r" + encoded("12") + "\r" + encoded("March") +
                                    "\r" + encoded("1980") + "\r"
                             << anna;
    QTest::newRow("CR and CR LF mixed")
        << encoded("ANNA") + "\r" + encoded("12") + crlf + encoded("March") + "\r" + encoded("1980")
        << anna;
    QTest::newRow("last line without its end")
        << encoded("ANNA") + crlf + encoded("12") + crlf + encoded("March") + crlf + encoded("1980")
        << anna;
    QTest::newRow("two lines") << encoded("ANNA") + crlf + encoded("12") + crlf
                               << QStringList{"ANNA", "12", "", ""};
    QTest::newRow("one line without an end") << encoded("ANNA") << QStringList{"ANNA", "", "", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{"", "", "", ""};
    QTest::newRow("empty lines") << "\r\n\r\n" + encoded("March") + crlf
                                 << QStringList{"", "", "March", ""};
    QTest::newRow("lines after the fourth are not read")
        << encoded("ANNA") + crlf + encoded("12") + crlf + encoded("March") + crlf +
               encoded("1980") + crlf + encoded("MORE") + crlf
        << anna;
    QTest::newRow("LF alone ends no line")
        << encoded("AN") + "\n" + encoded("NA") + crlf + encoded("12") + "\n\n" + crlf
        << QStringList{"ANNA", "12", "", ""};
    QTest::newRow("never encoded: shifted down, low codes missing")
        << QByteArray("ANNA\r\n") << QStringList{"3@@3", "", "", ""};

    QByteArray binary;
    QString afterCr;
    for (int code = 0; code < 256; ++code) {
        binary.append(char(code));
        if (code > 13 && code - 14 >= 0)
            afterCr.append(QChar(code - 14));
    }
    QTest::newRow("binary: every byte once") << binary << QStringList{"", afterCr, "", ""};
}

void TestReport::readLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("x.run"));
    QVERIFY(writeAll(path, bytes));
    QCOMPARE(linesIn(path), lines);
}

void TestReport::readSizeLimit_data() {
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("exactly 64 KiB") << qint64(64 * 1024) << true;
    QTest::newRow("64 KiB and one byte") << qint64(64 * 1024 + 1) << false;
    QTest::newRow("a megabyte without a line end") << qint64(1024 * 1024) << false;
}

void TestReport::readSizeLimit() {
    QFETCH(qint64, size);
    QFETCH(bool, accepted);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("big.run"));
    QByteArray bytes = encoded("ANNA") + "\r\n" + encoded("12") + "\r\n" + encoded("March") +
                       "\r\n" + encoded("1980") + "\r\n";
    bytes.append(size - bytes.size(), 'x');
    QVERIFY(writeAll(path, bytes));
    const QStringList expected =
        accepted ? QStringList{"ANNA", "12", "March", "1980"} : QStringList{"<refused>"};
    QCOMPARE(linesIn(path), expected);
}
