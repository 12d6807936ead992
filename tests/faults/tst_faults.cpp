// Faults from outside the program: a damaged or hostile settings store, a settings file or
// folder that cannot be written, no printer, no browser, the clipboard. In each the program
// carries on without a message where none is due, and nothing that was there is lost.

#include "reading/engine.h"
#include "shell/core/appsettings.h"
#include "shell/fakeservices.h"
#include "shell/platform.h"
#include "shell/updatereminder.h"
#include "shell/webpages.h"
#include "support/reportsupport.h"
#include "support/windowtesting.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"
#include "ui/frmsave.h"
#include "ui/linklabel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/sysmacros.h>
#endif

using reportsupport::encoded;
using windowtesting::flushDeletes;

namespace {

const QString DurationKey = QStringLiteral("Duration");
const char* const BrowserChildVariable = "VELMORA_FAULTS_BROWSER_CHILD";
const QDate Today(2026, 12, 7);
const QString DownloadPage =
    QStringLiteral("http://www.quorvanesoftwares.com/velmora/ssd.php?page=download-web-page");

// A store file as the program writes it, holding a date old enough for the reminder to ask.
QByteArray storeHoldingAnOldDate() {
    return "[Settings]\n" + QByteArray("R%83%80o%82w%7D%7C=\"") +
           encoded(Today.addDays(-40).toString(Qt::ISODate)) + "\"\n";
}

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

// Makes a file or folder read-only for this process, root included, and puts it back on
// destruction. Without root, the permission bits are enough; root ignores them, so the
// file system's immutable flag is used where it has one.
class ReadOnly {
public:
    explicit ReadOnly(const QString& path)
        : m_path(path) {
#ifdef Q_OS_LINUX
        struct stat status {};
        if (::stat(QFile::encodeName(path).constData(), &status) != 0)
            return;
        m_mode = status.st_mode & 07777;
        ::chmod(QFile::encodeName(path).constData(), m_mode & ~mode_t(0222));
        if (::geteuid() == 0)
            m_immutable = setImmutable(true);
#endif
    }
    ~ReadOnly() {
#ifdef Q_OS_LINUX
        if (m_immutable)
            setImmutable(false);
        ::chmod(QFile::encodeName(m_path).constData(), m_mode);
#endif
    }
    ReadOnly(const ReadOnly&) = delete;
    ReadOnly& operator=(const ReadOnly&) = delete;

    // True when a write into the folder (or to the file) is refused now.
    static bool refusesWrites(const QString& folder, const QString& file) {
        QFile probe(QDir(folder).filePath(QStringLiteral("probe")));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.close();
            probe.remove();
            QFile existing(file);
            return !existing.open(QIODevice::ReadWrite);
        }
        return true;
    }

private:
#ifdef Q_OS_LINUX
    bool setImmutable(bool on) {
        const int fd = ::open(QFile::encodeName(m_path).constData(), O_RDONLY | O_NONBLOCK);
        if (fd < 0)
            return false;
        int flags = 0;
        bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = done && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return done;
    }
    mode_t m_mode = 0755;
#endif
    QString m_path;
    bool m_immutable = false;
};

// Counts the modal windows that came up while it lived, closing each so nothing blocks.
class ModalWatch : public QObject {
public:
    ModalWatch() {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                ++m_seen;
                modal->close();
            }
        });
        m_timer.start();
    }
    int seen() const { return m_seen; }

private:
    QTimer m_timer;
    int m_seen = 0;
};

// A printer dialog that is accepted on a printer that is not there (none installed, or gone
// since the list was made).
class NoPrinterServices : public platform::ScopedFakeServices {
public:
    bool choosePrinter(QWidget*, QPrinter& printer,
                       const platform::PrintRequest& request) override {
        printRequests.append(request);
        printer.setOutputFormat(QPrinter::NativeFormat);
        printer.setPrinterName(QStringLiteral("velmora-no-such-printer"));
        return true;
    }
};

#ifdef Q_OS_UNIX
// What is at a path, told without opening it: enough to see that nothing was written, moved
// or replaced there. A link is told with what it leads to.
QString describe(const QString& path) {
    struct stat status {};
    if (::lstat(QFile::encodeName(path).constData(), &status) != 0)
        return QStringLiteral("nothing");
    if (S_ISLNK(status.st_mode)) {
        const QString target = QFile::symLinkTarget(path);
        return QStringLiteral("link to %1, which is %2").arg(target, describe(target));
    }
    if (S_ISFIFO(status.st_mode))
        return QStringLiteral("pipe, inode %1").arg(status.st_ino);
    if (S_ISCHR(status.st_mode))
        return QStringLiteral("character device %1,%2")
            .arg(major(status.st_rdev))
            .arg(minor(status.st_rdev));
    if (S_ISDIR(status.st_mode))
        return QStringLiteral("folder holding ") +
               QDir(path)
                   .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                   .join(u',');
    QString file = QStringLiteral("file of %1 bytes, inode %2, changed %3.%4")
                       .arg(status.st_size)
                       .arg(status.st_ino)
                       .arg(status.st_mtim.tv_sec)
                       .arg(status.st_mtim.tv_nsec);
    if (status.st_size <= 1024 * 1024)
        file += QStringLiteral(", sha1 ") +
                QString::fromLatin1(
                    QCryptographicHash::hash(contentOf(path), QCryptographicHash::Sha1).toHex());
    return file;
}
#endif

} // namespace

class TestFaults : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void damagedSettingsFileIsLeftAlone_data();
    void damagedSettingsFileIsLeftAlone();
    void settingsThatCannotBeWritten_data();
    void settingsThatCannotBeWritten();
    void hostileSettingsStore_data();
    void hostileSettingsStore();

    void printingWithNoPrinterIsSilent();
    void missingBrowserIsSilent_data();
    void missingBrowserIsSilent();
    void clearingTheClipboardTakesOthersTextAway();

private:
    QString storeFile() const { return modHelp::appSettingsFile(); }
    void openPagesInChild(bool browser);

    QTemporaryDir m_folder;
    std::unique_ptr<QTemporaryDir> m_store;
};

void TestFaults::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
    modHelp::setLeaveHandler([] {});
}

// Each test gets a store folder of its own.
void TestFaults::init() {
    m_store = std::make_unique<QTemporaryDir>(m_folder.filePath(QStringLiteral("store-XXXXXX")));
    QVERIFY(m_store->isValid());
    modHelp::setAppSettingsFolder(m_store->path());
}

void TestFaults::damagedSettingsFileIsLeftAlone_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("saveFirst"); // else the reminder runs first, as at start-up
    const QByteArray date = storeHoldingAnOldDate().mid(11); // the key line alone
    const QList<std::pair<const char*, QByteArray>> files = {
        {"section header without its closing bracket", "[Settings\n" + date},
        {"line without an equals sign among the settings", "[Settings]\n" + date + "half\n"},
        {"line without an equals sign in another section",
         "[Settings]\n" + date + "[Window]\nwidth\n"},
        {"binary junk before the settings",
         QByteArray("\x01\x02\xfe\xff junk\n", 10) + "[Settings]\n" + date},
    };
    for (const auto& [name, content] : files) {
        QTest::addRow("%s, reminder", name) << content << false;
        QTest::addRow("%s, save", name) << content << true;
    }
}

// A file that does not parse cleanly counts as unreadable: the reminder stops without asking
// and writes nothing, and a save refuses, since writing the file again would drop whatever
// could not be parsed. It stays unreadable at the second access in the same process too.
void TestFaults::damagedSettingsFileIsLeftAlone() {
#ifdef Q_OS_WIN
    QSKIP("the settings store is the registry: there is no file to damage");
#endif
    QFETCH(QByteArray, content);
    QFETCH(bool, saveFirst);
    QVERIFY(writeFile(storeFile(), content));
    platform::ScopedFakeServices services;
    services.todayDate = Today;

    if (saveFirst) {
        QVERIFY(!modHelp::SaveAppSetting(DurationKey, Today.toString(Qt::ISODate)));
        modHelp::ShowUpdateReminder();
    } else {
        modHelp::ShowUpdateReminder();
        QVERIFY(!modHelp::SaveAppSetting(DurationKey, Today.toString(Qt::ISODate)));
    }

    QVERIFY(services.questions.isEmpty());
    QVERIFY(services.messages.isEmpty());
    QCOMPARE(contentOf(storeFile()), content);
}

void TestFaults::settingsThatCannotBeWritten_data() {
    QTest::addColumn<bool>("folder"); // else the file itself is read-only
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("read-only folder, answer Yes") << true << true;
    QTest::newRow("read-only folder, answer No") << true << false;
    QTest::newRow("read-only file, answer Yes") << false << true;
}

// The store reads; only the write fails. The question comes as due, the download page opens
// on Yes even though the date could not be stored, no message is shown, and the file is
// unchanged, so the question comes again at the next start.
void TestFaults::settingsThatCannotBeWritten() {
#ifdef Q_OS_WIN
    QSKIP("the settings store is the registry: there is no file or folder to make read-only");
#endif
    QFETCH(bool, folder);
    QFETCH(bool, answerYes);
    const QByteArray content = storeHoldingAnOldDate();
    QVERIFY(writeFile(storeFile(), content));
    const ReadOnly readOnly(folder ? m_store->path() : storeFile());
    if (!ReadOnly::refusesWrites(m_store->path(), storeFile()))
        QSKIP("this file system lets this user write whatever the permissions");
    platform::ScopedFakeServices services;
    services.todayDate = Today;
    services.answerYes = answerYes;

    modHelp::ShowUpdateReminder();
    QCOMPARE(services.questions.size(), 1);
    QCOMPARE(services.openedAddresses, answerYes ? QStringList{DownloadPage} : QStringList());
    QVERIFY(services.messages.isEmpty());
    QVERIFY(!modHelp::SaveAppSetting(DurationKey, Today.toString(Qt::ISODate)));
    QCOMPARE(contentOf(storeFile()), content);
}

void TestFaults::hostileSettingsStore_data() {
    QTest::addColumn<QString>("kind");
    for (const char* kind :
         {"pipe", "link to a character device", "1 GB sparse file", "random bytes", "folder",
          "link to nothing", "link to a folder", "64 KiB and one byte"})
        QTest::newRow(kind) << QString::fromLatin1(kind);
}

// Whatever stands in the store's place, start-up goes on at once: nothing is read from it,
// nothing is written to it, no question is asked, and so it stays at every later access.
void TestFaults::hostileSettingsStore() {
#ifdef Q_OS_UNIX
    QFETCH(QString, kind);
    const QString store = storeFile();
    const QString aside = QDir(m_store->path()).filePath(QStringLiteral("aside")); // a link's end
    const QByteArray storeName = QFile::encodeName(store);
    if (kind == "pipe") {
        QVERIFY(::mkfifo(storeName.constData(), 0600) == 0);
    } else if (kind == "link to a character device") {
        // A zero device of our own: the machine's real ones are never put at risk.
        if (::mknod(QFile::encodeName(aside).constData(), S_IFCHR | 0666, makedev(1, 5)) != 0)
            QSKIP("making a device node needs root");
        QVERIFY(QFile::link(aside, store));
    } else if (kind == "1 GB sparse file") {
        QFile file(store);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.resize(qint64(1) << 30));
    } else if (kind == "random bytes") {
        QByteArray bytes(4096, Qt::Uninitialized);
        QRandomGenerator(2026).fillRange(reinterpret_cast<quint32*>(bytes.data()),
                                         bytes.size() / 4);
        QVERIFY(writeFile(store, bytes));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(store));
        QVERIFY(writeFile(store + QStringLiteral("/inside"), "kept"));
    } else if (kind == "link to nothing") {
        QVERIFY(QFile::link(aside, store));
    } else if (kind == "link to a folder") {
        QVERIFY(QDir().mkpath(aside));
        QVERIFY(QFile::link(aside, store));
    } else {
        // A store holding a date old enough to ask about, padded past the limit with a comment.
        QByteArray content = storeHoldingAnOldDate();
        content += ';' + QByteArray(64 * 1024 + 1 - content.size() - 2, 'x') + '\n';
        QVERIFY(writeFile(store, content));
    }
    const QString before = describe(store);
    platform::ScopedFakeServices services;
    services.todayDate = Today;

    modHelp::ShowUpdateReminder();
    QCOMPARE(modHelp::readAppSetting(DurationKey), std::nullopt);
    QVERIFY(!modHelp::SaveAppSetting(DurationKey, Today.toString(Qt::ISODate)));
    modHelp::ShowUpdateReminder();

    QVERIFY(services.questions.isEmpty());
    QVERIFY(services.messages.isEmpty());
    QCOMPARE(describe(store), before);
#else
    QSKIP("pipes, device nodes and links are made the POSIX way");
#endif
}

// The printer dialog said yes but there is no printer to print on: nothing is printed, no
// file appears in its place, nothing is shown, and the report window keeps its report.
void TestFaults::printingWithNoPrinterIsSilent() {
    if (!QPrinterInfo::availablePrinterNames().isEmpty())
        QSKIP("a printer is installed: this test would print on it");
    NoPrinterServices services;
    QPointer<frmMain> main = new frmMain;
    main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
    main->cmdRunicAstrology_Click();
    frmDisplay* display = main->readingWindow();
    QVERIFY(display);
    const QStringList filesBefore = QDir::current().entryList(QDir::Files);

    QString reportBefore;
    QString reportAfter;
    bool stillOpen = false;
    QTimer::singleShot(0, display, [&] {
        auto* form = display->findChild<frmSave*>();
        if (!form)
            return;
        auto* report = form->findChild<QTextEdit*>(QStringLiteral("RTB"));
        reportBefore = report->toHtml();
        form->cmdPrint_Click();
        reportAfter = report->toHtml();
        stillOpen = form->isVisible();
        form->close();
    });
    display->cmdPrint_Click();
    flushDeletes();

    QCOMPARE(services.printRequests.size(), 1);
    QVERIFY(stillOpen);
    QVERIFY(!reportBefore.isEmpty());
    QCOMPARE(reportAfter, reportBefore);
    QVERIFY(services.messages.isEmpty());
    QCOMPARE(QDir::current().entryList(QDir::Files), filesBefore);
    delete display;
    delete main;
    flushDeletes();
}

// With the real services, opening a page hands it to the browser and does nothing else; with
// no browser on the system nothing opens, no message comes and the window stays as it was.
// The offscreen platform refuses every address whatever is installed, so the case runs again
// in a child on a platform that looks for a browser and starts it as a desktop does, with a
// PATH holding nothing, or only a stand-in browser that records what it is given.
void TestFaults::missingBrowserIsSilent_data() {
    QTest::addColumn<bool>("browser");
    QTest::newRow("no browser on the system") << false;
    QTest::newRow("a stand-in browser") << true;
}

void TestFaults::missingBrowserIsSilent() {
    QFETCH(bool, browser);
    if (!qEnvironmentVariableIsSet(BrowserChildVariable)) {
        openPagesInChild(browser);
        return;
    }
    const ModalWatch watch;
    QPointer<frmMain> main = new frmMain;
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    auto* link = main->findChild<LinkLabel*>(QStringLiteral("Label61"));
    QVERIFY(link);

    platform::services().openAddress(DownloadPage);
    modHelp::OpenWebPage(modHelp::WebPage::Help);
    QTest::mouseClick(link, Qt::LeftButton);
    QCoreApplication::processEvents();

    QCOMPARE(watch.seen(), 0);
    QVERIFY(main->isVisible());
    QWidgetList shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown.append(window);
    }
    QCOMPARE(shown, QWidgetList{main.data()});
    delete main;
    flushDeletes();
}

void TestFaults::openPagesInChild(bool browser) {
    const QString platforms =
        QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms");
    if (QDir(platforms).entryList({QStringLiteral("*qvnc*")}, QDir::Files).isEmpty())
        QSKIP("Qt's vnc platform plugin (qt6-qpa-plugins) is not installed");
    const QString bin = m_store->filePath(QStringLiteral("bin"));
    const QString opened = m_store->filePath(QStringLiteral("opened"));
    QVERIFY(QDir().mkpath(bin));
    if (browser) {
        const QString standIn = bin + QStringLiteral("/xdg-open");
        QVERIFY(writeFile(standIn, "#!/bin/sh\nprintf '%s\\n' \"$1\" >>\"$VELMORA_OPENED\"\n"));
        QVERIFY(QFile::setPermissions(standIn, QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ExeOther));
    }

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"BROWSER", "DEFAULT_BROWSER", "XDG_CURRENT_DESKTOP", "DESKTOP_SESSION",
                             "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("PATH"), bin);
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("vnc:port=0"));
    environment.insert(QStringLiteral("VELMORA_OPENED"), opened);
    environment.insert(QLatin1String(BrowserChildVariable), QStringLiteral("1"));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(
        QCoreApplication::applicationFilePath(),
        {QStringLiteral("missingBrowserIsSilent:") + QString::fromUtf8(QTest::currentDataTag())});
    QVERIFY(child.waitForFinished(120000));
    const QString output = QString::fromLocal8Bit(child.readAll());
    QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
             qPrintable(output));

    if (browser) {
        // The stand-in runs on its own: it may write after the child has ended.
        QStringList expected{DownloadPage, modHelp::pageAddress(modHelp::WebPage::Help),
                             modHelp::pageAddress(modHelp::WebPage::Home)};
        expected.sort();
        const auto recorded = [&opened] {
            QStringList lines =
                QString::fromUtf8(contentOf(opened)).split(u'\n', Qt::SkipEmptyParts);
            lines.sort();
            return lines;
        };
        QTRY_COMPARE_WITH_TIMEOUT(recorded(), expected, 10000);
    } else {
        // The toolkit looked for a browser and found none: the case it names did happen.
        QVERIFY2(output.contains(QLatin1String("Unable to detect a web browser")),
                 qPrintable(output));
        QVERIFY(!QFile::exists(opened));
    }
}

// The real clearing empties whatever another owner put on the clipboard and returns.
void TestFaults::clearingTheClipboardTakesOthersTextAway() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    QVERIFY(clipboard);
    clipboard->setText(QStringLiteral("someone else's text"));
    QCOMPARE(clipboard->text(), QStringLiteral("someone else's text"));
    platform::services().clearClipboard();
    QVERIFY(clipboard->text().isEmpty());
    platform::services().clearClipboard(); // once more when already empty
    QVERIFY(clipboard->text().isEmpty());
}

QTEST_MAIN(TestFaults)
#include "tst_faults.moc"
