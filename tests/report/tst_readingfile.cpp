#include "tst_report.h"

#include "support/reportsupport.h"

#include "report/readingfile.h"
#include "shell/core/safefile.h"

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
#include <thread>
#include <utility>
#include <vector>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/mount.h>
#endif
#ifdef Q_OS_WIN
#include <QFileInfo>

#include <windows.h>

#include <sddl.h>
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

// Windows' targets: device names (in any folder, with any extension), pipes, folders, streams,
// shortcuts, files held open or not ours to write, names Windows trims, paths past 260
// characters. Nothing blocks; what the name refuses is neither read nor written; an old file
// keeps its bytes unless saved over, and no temporary file is left.
void TestReport::windowsTargets_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("outcome"); // "saved", or "refused: " and why ("error N": Windows')
    const auto row = [](const char* tag, const char* kind, const char* outcome) {
        QTest::newRow(tag) << QString::fromLatin1(kind) << QString::fromLatin1(outcome);
    };
    const char* device = "refused: Not a regular file";
    row("CON", "CON", device);
    row("NUL", "NUL", device);
    row("COM1", "COM1", device);
    row("CON.run in a folder of ours", "folder/CON.run", device);
    row("a pipe with its server waiting", "pipe", device);
    row("a folder", "folder", device);
    row("a read-only file", "read-only", "refused: error 5");
    row("a stream", "stream", "refused: Not a file name: a colon may only follow the drive");
    row("a shortcut to a file", "shortcut",
        "refused: A shortcut, which is not followed: choose the file it leads to");
    row("trailing spaces and dots", "trailing", "saved");
    row("a path past 260 characters", "long", "saved");
    row("a file held open for a moment", "held briefly", "saved");
    row("a file held open throughout", "held", "refused: error 32");
    row("an access list that denies writing", "denied", "refused: error 5");
}

void TestReport::windowsTargets() {
#ifndef Q_OS_WIN
    QSKIP("device names, streams, shortcuts, share modes and access lists are Windows faults");
#else
    QFETCH(QString, kind);
    QFETCH(QString, outcome);
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const auto wide = [](const QString& p) {
        return QDir::toNativeSeparators(p).toStdWString();
    };
    const QString pipeName =
        QStringLiteral("\\\\.\\pipe\\velmora-test-%1").arg(QCoreApplication::applicationPid());
    QString target = kind;
    QString file = folder.filePath(QStringLiteral("old.run")); // old or new content afterwards
    QStringList names{QStringLiteral("old.run")};              // what its folder holds then
    QVERIFY(writeAll(file, OldContent));
    HANDLE server = INVALID_HANDLE_VALUE;
    HANDLE holder = INVALID_HANDLE_VALUE;
    std::thread releaser;
    if (kind == "folder/CON.run") {
        target = folder.filePath(QStringLiteral("CON.run"));
        wchar_t full[MAX_PATH];
        const DWORD length = GetFullPathNameW(wide(target).c_str(), MAX_PATH, full, nullptr);
        if (length == 0 || length >= MAX_PATH ||
            std::wstring_view(full, length).rfind(L"\\\\.\\", 0) != 0)
            QSKIP("this Windows takes CON.run in a folder for a file name, not the console");
    } else if (kind == "pipe") {
        server = CreateNamedPipeW(wide(pipeName).c_str(), PIPE_ACCESS_DUPLEX,
                                  PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr);
        QVERIFY(server != INVALID_HANDLE_VALUE);
        target = pipeName;
    } else if (kind == "folder") {
        target = folder.path();
    } else if (kind == "read-only" || kind == "held" || kind == "held briefly") {
        target = file;
        if (kind == "read-only")
            QVERIFY(SetFileAttributesW(wide(file).c_str(), FILE_ATTRIBUTE_READONLY));
        else // as an editor does: others may read it, not write or delete it
            holder = CreateFileW(wide(file).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
        QVERIFY(kind == "read-only" || holder != INVALID_HANDLE_VALUE);
        if (kind == "held briefly")
            releaser = std::thread([&holder] {
                Sleep(300);
                CloseHandle(std::exchange(holder, INVALID_HANDLE_VALUE));
            });
    } else if (kind == "stream") {
        target = file + QStringLiteral(":x");
    } else if (kind == "shortcut") {
        target = folder.filePath(QStringLiteral("victim.lnk"));
        QVERIFY(QFile::link(file, target));
        names << QStringLiteral("victim.lnk");
    } else if (kind == "trailing") {
        target = file + QStringLiteral(" . ");
    } else if (kind == "long") {
        const QString deep = folder.filePath(QString(100, u'd') + u'/' + QString(100, u'e') + u'/' +
                                             QString(100, u'f'));
        QVERIFY(QDir().mkpath(deep));
        target = file = deep + QStringLiteral("/old.run");
    } else if (kind == "denied") {
        target = file;
        PSECURITY_DESCRIPTOR denyWriting = nullptr; // writing the data denied to everyone
        QVERIFY(ConvertStringSecurityDescriptorToSecurityDescriptorW(
            L"D:P(D;;0x6;;;WD)(A;;FA;;;WD)", SDDL_REVISION_1, &denyWriting, nullptr));
        const BOOL set =
            SetFileSecurityW(wide(file).c_str(), DACL_SECURITY_INFORMATION, denyWriting);
        LocalFree(denyWriting);
        QVERIFY(set);
    }

    const safefile::WriteResult written = safefile::replaceFile(target, "NEW\r\n");
    const safefile::ReadResult read = safefile::readRegularFile(target, 64 * 1024);
    if (releaser.joinable())
        releaser.join();
    for (HANDLE handle : {server, holder})
        if (handle != INVALID_HANDLE_VALUE)
            CloseHandle(handle);
    SetFileAttributesW(wide(file).c_str(), FILE_ATTRIBUTE_NORMAL);

    QString expected = outcome;
    if (expected.startsWith(QLatin1String("refused: error ")))
        expected = QStringLiteral("refused: ") + qt_error_string(expected.mid(15).toInt());
    QCOMPARE(written.written ? QStringLiteral("saved") : "refused: " + written.reason, expected);
    const QByteArray content = written.written ? QByteArray("NEW\r\n") : OldContent;
    if (!written.written && !outcome.contains(QLatin1String("error"))) {
        QCOMPARE(read.status, safefile::ReadStatus::Refused);
        QCOMPARE(read.reason, written.reason);
    } else {
        QCOMPARE(read.bytes, content);
    }
    QCOMPARE(readAll(file), content);
    QCOMPARE(QFileInfo(file).dir().entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                             QDir::NoDotAndDotDot),
             names);
#endif
}

// A typed extension "run" in any case is saved as ".run", which the open side takes; a file
// already there keeps its name, and one at the amended name is not replaced unasked.
void TestReport::savedFileName_data() {
    QTest::addColumn<QString>("existing"); // a file there before, or empty
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("savedAs");
    QTest::addColumn<QStringList>("names"); // the folder afterwards
    const auto row = [](const char* existing, const char* typed, const char* savedAs,
                        const QStringList& names) {
        QTest::newRow(qPrintable(
            QStringLiteral("%1 typed, %2 there").arg(typed, *existing ? existing : "nothing")))
            << QString::fromLatin1(existing) << QString::fromLatin1(typed)
            << QString::fromLatin1(savedAs) << names;
    };
    row("", "ANNA.RUN", "ANNA.run", {"ANNA.run"});
    row("", "anna.Run", "anna.run", {"anna.run"});
    row("anna.RUN", "anna.RUN", "anna.RUN", {"anna.RUN"});
#ifdef Q_OS_WIN // one file whatever the case: the typed name finds it
    row("anna.run", "ANNA.RUN", "anna.run", {"anna.run"});
    row("ANNA.run", "ANNA.RUN", "ANNA.run", {"ANNA.run"});
#else
    row("anna.run", "ANNA.RUN", "ANNA.run", {"ANNA.run", "anna.run"});
    row("ANNA.run", "ANNA.RUN", "ANNA.RUN", {"ANNA.RUN", "ANNA.run"});
#endif
}

void TestReport::savedFileName() {
    QFETCH(QString, existing);
    QFETCH(QString, typed);
    QFETCH(QString, savedAs);
    QFETCH(QStringList, names);
    QTemporaryDir folder;
    QVERIFY(existing.isEmpty() || writeAll(folder.filePath(existing), OldContent));
    QCOMPARE(
        report::WriteReadingFile(folder.filePath(typed), Details("ANNA", 12, "March", 1980)).status,
        SaveStatus::Saved);
    QCOMPARE(readAll(folder.filePath(savedAs)), readingFileOf("ANNA", "12", "March", "1980"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name),
             names);
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
