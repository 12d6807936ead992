// Faults from outside the program: a damaged settings file, a settings file or folder that
// cannot be written, no printer, no browser, the clipboard. In each the program carries on
// without a message where none is due, and nothing that was there is lost.

#include "reading/engine.h"
#include "shell/appsettings.h"
#include "shell/fakeservices.h"
#include "shell/modhelp.h"
#include "shell/platform.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"
#include "ui/frmsave.h"
#include "ui/linklabel.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

#ifdef Q_OS_LINUX
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString DurationKey = QStringLiteral("Duration");
const QDate Today(2026, 12, 7);
const QString DownloadPage =
    QStringLiteral("http://www.quorvanesoftwares.com/velmora/ssd.php?page=download-web-page");

QByteArray Encoded(const QString& text) {
    return modHelp::EncodeText(text).toLatin1();
}

// A store file as the program writes it, holding a date old enough for the reminder to ask.
QByteArray StoreHoldingAnOldDate() {
    return "[Settings]\n" + QByteArray("R%83%80o%82w%7D%7C=\"") +
           Encoded(Today.addDays(-40).toString(Qt::ISODate)) + "\"\n";
}

QByteArray ContentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool WriteFile(const QString& path, const QByteArray& bytes) {
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

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

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

    void printingWithNoPrinterIsSilent();
    void missingBrowserIsSilent();
    void clearingTheClipboardTakesOthersTextAway();

private:
    QString storeFile() const {
        return QDir(m_store->path()).filePath(modHelp::AppSettingsName() + QStringLiteral(".conf"));
    }

    QTemporaryDir m_folder;
    std::unique_ptr<QTemporaryDir> m_store;
};

void TestFaults::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_folder.isValid());
    modHelp::SetLeaveHandler([] {});
}

// Each test gets a store folder of its own: the settings reader caches files by path.
void TestFaults::init() {
    m_store = std::make_unique<QTemporaryDir>(m_folder.filePath(QStringLiteral("store-XXXXXX")));
    QVERIFY(m_store->isValid());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_store->path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_store->path());
}

void TestFaults::damagedSettingsFileIsLeftAlone_data() {
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("saveFirst"); // else the reminder runs, as at start-up
    const QByteArray date = StoreHoldingAnOldDate().mid(11); // the key line alone
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
// could not be parsed.
void TestFaults::damagedSettingsFileIsLeftAlone() {
#ifdef Q_OS_WIN
    QSKIP("the settings store is the registry: there is no file to damage");
#endif
    QFETCH(QByteArray, content);
    QFETCH(bool, saveFirst);
    QVERIFY(WriteFile(storeFile(), content));
    platform::ScopedFakeServices services;
    services.todayDate = Today;

    if (saveFirst) {
        QVERIFY(!modHelp::SaveAppSetting(DurationKey, Today.toString(Qt::ISODate)));
    } else {
        modHelp::ShowUpdateReminder();
    }

    QVERIFY(services.questions.isEmpty());
    QVERIFY(services.messages.isEmpty());
    QCOMPARE(ContentOf(storeFile()), content);
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
    const QByteArray content = StoreHoldingAnOldDate();
    QVERIFY(WriteFile(storeFile(), content));
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
    QCOMPARE(ContentOf(storeFile()), content);
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
    FlushDeletes();

    QCOMPARE(services.printRequests.size(), 1);
    QVERIFY(stillOpen);
    QVERIFY(!reportBefore.isEmpty());
    QCOMPARE(reportAfter, reportBefore);
    QVERIFY(services.messages.isEmpty());
    QCOMPARE(QDir::current().entryList(QDir::Files), filesBefore);
    delete display;
    delete main;
    FlushDeletes();
}

// With the real services and no browser to hand the address to, opening a page does
// nothing visible: no message, and the window stays as it was.
void TestFaults::missingBrowserIsSilent() {
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("only offscreen is sure to have no browser to start");
    const ModalWatch watch;
    QPointer<frmMain> main = new frmMain;
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    auto* link = main->findChild<LinkLabel*>(QStringLiteral("Label61"));
    QVERIFY(link);

    platform::services().openAddress(DownloadPage);
    modHelp::OpenWebPage(QLatin1String(modHelp::PageHelp));
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::qWait(50);

    QCOMPARE(watch.seen(), 0);
    QVERIFY(main->isVisible());
    QWidgetList shown;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible())
            shown.append(window);
    }
    QCOMPARE(shown, QWidgetList{main.data()});
    delete main;
    FlushDeletes();
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
#include "test_faults.moc"
