#include "tst_report.h"

#include "reportsupport.h"

#include "report/readingfile.h"
#include "shell/modhelp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace reportsupport;
using modRunicAstrology::BirthDetails;
using report::SaveStatus;

namespace {

using Lines = std::array<QString, 4>;

BirthDetails Details(const QString& name, int day, const QString& month, int year) {
    return {name.toStdString(), static_cast<std::int16_t>(day), month.toStdString(),
            static_cast<std::int16_t>(year)};
}

QByteArray E(const QString& text) {
    return modHelp::EncodeText(text).toLatin1();
}

QStringList ToList(const Lines& lines) {
    return {lines.begin(), lines.end()};
}

QStringList Read(const QString& path) {
    const std::optional<Lines> lines = report::ReadReadingFile(path);
    return lines ? ToList(*lines) : QStringList{QStringLiteral("<refused>")};
}

bool IsFifo(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISFIFO(status.st_mode);
}

const QByteArray OldContent = "OLD CONTENT\r\n";

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
    QCOMPARE(report::HasReadingFileName(path), accepted);
}

void TestReport::savedBytes() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("anna.run"));
    const report::SaveResult result =
        report::WriteReadingFile(path, Details(QStringLiteral("ANNA"), 12, "March", 1980));
    QCOMPARE(result.status, SaveStatus::Saved);
    // each character 14 codes up, every line ended by CR LF, nothing else
    QCOMPARE(ReadAll(path), QByteArray("O\\\\O\r\n?@\r\n[o\x80qv\r\n?GF>\r\n"));
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
    QCOMPARE(Read(path), (QStringList{name, QString::number(day), month, QString::number(year)}));
}

void TestReport::saveReplacesWholeFile() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("twice.run"));
    QCOMPARE(report::WriteReadingFile(path, Details("ALEXANDRA CATHERINE", 30, "September", 1961))
                 .status,
             SaveStatus::Saved);
    QCOMPARE(report::WriteReadingFile(path, Details("BO", 4, "May", 2001)).status,
             SaveStatus::Saved);
    QCOMPARE(ReadAll(path),
             E("BO") + "\r\n" + E("4") + "\r\n" + E("May") + "\r\n" + E("2001") + "\r\n");
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{"twice.run"});
}

void TestReport::saveNeverReplacesAPipe() {
#ifdef Q_OS_WIN
    QSKIP("Windows has no FIFOs in the file system");
#endif
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("pipe.run"));
    QVERIFY(MakeFifo(path));
    const report::SaveResult result =
        report::WriteReadingFile(path, Details("ANNA", 12, "March", 1980));
    QCOMPARE(result.status, SaveStatus::Failed);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(IsFifo(path));
}

void TestReport::readLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QStringList anna{"ANNA", "12", "March", "1980"};
    const QByteArray crlf = "\r\n";
    QTest::newRow("CR LF lines") << E("ANNA") + crlf + E("12") + crlf + E("March") + crlf +
                                        E("1980") + crlf
                                 << anna;
    QTest::newRow("CR only") << E("ANNA") + "\r" + E("12") + "\r" + E("March") + "\r" + E("1980") +
                                    "\r"
                             << anna;
    QTest::newRow("CR and CR LF mixed")
        << E("ANNA") + "\r" + E("12") + crlf + E("March") + "\r" + E("1980") << anna;
    QTest::newRow("last line without its end")
        << E("ANNA") + crlf + E("12") + crlf + E("March") + crlf + E("1980") << anna;
    QTest::newRow("two lines") << E("ANNA") + crlf + E("12") + crlf
                               << QStringList{"ANNA", "12", "", ""};
    QTest::newRow("one line without an end") << E("ANNA") << QStringList{"ANNA", "", "", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{"", "", "", ""};
    QTest::newRow("empty lines") << "\r\n\r\n" + E("March") + crlf
                                 << QStringList{"", "", "March", ""};
    QTest::newRow("lines after the fourth are not read")
        << E("ANNA") + crlf + E("12") + crlf + E("March") + crlf + E("1980") + crlf + E("MORE") +
               crlf
        << anna;
    QTest::newRow("LF alone ends no line")
        << E("AN") + "\n" + E("NA") + crlf + E("12") + "\n\n" + crlf
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
    QVERIFY(WriteAll(path, bytes));
    QCOMPARE(Read(path), lines);
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
    QByteArray bytes =
        E("ANNA") + "\r\n" + E("12") + "\r\n" + E("March") + "\r\n" + E("1980") + "\r\n";
    bytes.append(size - bytes.size(), 'x');
    QVERIFY(WriteAll(path, bytes));
    const QStringList expected =
        accepted ? QStringList{"ANNA", "12", "March", "1980"} : QStringList{"<refused>"};
    QCOMPARE(Read(path), expected);
}
