#include "shell/core/pageaddresses.h"
#include "shell/core/random.h"
#include "shell/core/textencoding.h"
#include "shell/endapplication.h"
#include "shell/fakeservices.h"
#include "shell/filedialog.h"
#include "shell/webpages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>

using platform::Icon;
using platform::ScopedFakeServices;

namespace {

const QString PagePrefix = QStringLiteral("http://www.quorvanesoftwares.com/velmora/ssd.php?page=");

// A window that counts how it was closed, as the program's windows do.
class CountingWindow : public QWidget {
public:
    int closeEvents = 0;

protected:
    void closeEvent(QCloseEvent* event) override {
        ++closeEvents;
        event->accept();
    }
};

} // namespace

class TestShell : public QObject {
    Q_OBJECT

private slots:
    void pageAddress_data();
    void pageAddress();
    void openWebPageSendsOneRequestPerCall();
    void openWebPageIgnoresKeysOutsideTheSet_data();
    void openWebPageIgnoresKeysOutsideTheSet();

    void encodeText_data();
    void encodeText();
    void decodeText_data();
    void decodeText();
    void encodingRoundTripsEveryStorableCode();
    void survivesEncoding_data();
    void survivesEncoding();
    void noEncodedCharacterIsALineEnd();

    void fileDialogRefuses_data();
    void fileDialogRefuses();
    void printerDialogKeepsPageRangesOff_data();
    void printerDialogKeepsPageRangesOff();
    void scopedServicesRestoreThePrevious();
    void rndStaysInTheUnitInterval();
    void leaveApplicationUsesTheHandler();
    // Last: ending is for good in this process.
    void endApplicationClosesEveryWindowOnce();
};

void TestShell::pageAddress_data() {
    using modHelp::WebPage;
    QTest::addColumn<WebPage>("page");
    QTest::addColumn<QString>("address");
    // The keys as the maker's site knows them, each sent exactly as written.
    const auto page = [](WebPage value, const char* key) {
        QTest::newRow(key) << value << PagePrefix + QLatin1String(key);
    };
    page(WebPage::Help, "help-web-page");
    page(WebPage::Home, "home-page");
    page(WebPage::Download, "download-web-page");
    page(WebPage::Donate, "donate");
    page(WebPage::FullyBranded, "fully-branded");
    page(WebPage::CoBrand, "co-brand");
    page(WebPage::OtherPrograms, "quorvanesoftwares");
    page(WebPage::ReferAFriend, "qvqs-refer-a-friend");
    QTest::newRow("below the set") << WebPage(-1) << QString();
    QTest::newRow("past the set") << WebPage(8) << QString();
}

void TestShell::pageAddress() {
    QFETCH(modHelp::WebPage, page);
    QFETCH(QString, address);
    QCOMPARE(modHelp::pageAddress(page), address);
}

void TestShell::openWebPageSendsOneRequestPerCall() {
    ScopedFakeServices fake;
    modHelp::OpenWebPage(modHelp::WebPage::Donate);
    modHelp::OpenWebPage(modHelp::WebPage::Donate);
    modHelp::OpenWebPage(modHelp::WebPage::CoBrand);
    const QStringList expected = {PagePrefix + "donate", PagePrefix + "donate",
                                  PagePrefix + "co-brand"};
    QCOMPARE(fake.openedAddresses, expected);
    QVERIFY(fake.messages.isEmpty());
}

void TestShell::openWebPageIgnoresKeysOutsideTheSet_data() {
    using modHelp::WebPage;
    QTest::addColumn<WebPage>("page");
    QTest::newRow("below the set") << WebPage(-1);
    QTest::newRow("past the set") << WebPage(8);
    QTest::newRow("referral without its parameters") << WebPage::ReferAFriend;
}

void TestShell::openWebPageIgnoresKeysOutsideTheSet() {
    QFETCH(modHelp::WebPage, page);
    ScopedFakeServices fake;
    modHelp::OpenWebPage(page);
    QVERIFY(fake.openedAddresses.isEmpty());
    QVERIFY(fake.messages.isEmpty());
}

void TestShell::encodeText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("encoded");
    QTest::newRow("empty") << ""
                           << "";
    // 'M' 77 -> 91 '[', 'a' 97 -> 111 'o', 'r' 114 -> 128, 'c' 99 -> 113 'q', 'h' 104 -> 118 'v'
    QTest::newRow("March") << "March" << QString("[o") + QChar(128) + "qv";
    QTest::newRow("space and digits") << " 19" << QString(".?G");
    QTest::newRow("highest storable code kept") << QString(QChar(241)) << QString(QChar(255));
    QTest::newRow("code above the limit dropped")
        << QString("A") + QChar(242) + "B" << QString("OP");
    QTest::newRow("outside the code page counts as ?")
        << QString(QChar(0x16A0)) << QString(QChar('?' + 14));
}

void TestShell::encodeText() {
    QFETCH(QString, text);
    QFETCH(QString, encoded);
    QCOMPARE(modHelp::EncodeText(text), encoded);
}

void TestShell::decodeText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("decoded");
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("never encoded: shifted down") << "abc"
                                                 << "STU";
    QTest::newRow("codes below the offset dropped") << QString("\r\nZ") << QString("L");
    QTest::newRow("outside the code page counts as ?") << QString(QChar(0x20AC)) << QString("1");
}

void TestShell::decodeText() {
    QFETCH(QString, text);
    QFETCH(QString, decoded);
    QCOMPARE(modHelp::DecodeText(text), decoded);
}

void TestShell::encodingRoundTripsEveryStorableCode() {
    QString all;
    for (int code = 0; code + modHelp::EncodingOffset <= 255; ++code)
        all.append(QChar(code));
    QCOMPARE(modHelp::EncodeText(all).size(), all.size());
    QCOMPARE(modHelp::DecodeText(modHelp::EncodeText(all)), all);
}

void TestShell::survivesEncoding_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("survives");
    QTest::newRow("capitals and spaces") << "ANNA MARIA" << true;
    QTest::newRow("ISO date") << "2026-12-07" << true;
    QTest::newRow("empty") << "" << true;
    QTest::newRow("accented within the limit") << QString("ZO") + QChar(0xCB) << true;
    QTest::newRow("y with diaeresis is beyond the limit") << QString(QChar(0xFF)) << false;
    QTest::newRow("outside the code page") << QString("J") + QChar(0x0141) << false;
}

void TestShell::survivesEncoding() {
    QFETCH(QString, text);
    QFETCH(bool, survives);
    QCOMPARE(modHelp::survivesEncoding(text), survives);
    QCOMPARE(modHelp::DecodeText(modHelp::EncodeText(text)) == text, survives);
}

void TestShell::noEncodedCharacterIsALineEnd() {
    for (int code = 0; code <= 255; ++code) {
        const QString encoded = modHelp::EncodeText(QString(QChar(code)));
        for (QChar character : encoded)
            QVERIFY2(character != '\r' && character != '\n', qPrintable(QString::number(code)));
    }
}

void TestShell::fileDialogRefuses_data() {
    using platform::DialogRefusal;
    using platform::FileDialogKind;
    QTest::addColumn<QString>("chosen"); // in a folder holding writable.run and readonly.run
    QTest::addColumn<FileDialogKind>("kind");
    QTest::addColumn<DialogRefusal>("refusal");
    QTest::newRow("save, new file") << "new.run" << FileDialogKind::Save << DialogRefusal::None;
    QTest::newRow("save, writable file")
        << "writable.run" << FileDialogKind::Save << DialogRefusal::None;
    QTest::newRow("save, read-only file")
        << "readonly.run" << FileDialogKind::Save << DialogRefusal::ReadOnly;
    QTest::newRow("save, missing folder")
        << "missing/new.run" << FileDialogKind::Save << DialogRefusal::MissingFolder;
    QTest::newRow("open, writable file")
        << "writable.run" << FileDialogKind::Open << DialogRefusal::None;
    QTest::newRow("open, read-only file")
        << "readonly.run" << FileDialogKind::Open << DialogRefusal::ReadOnly;
}

// What both platforms' dialogs refuse, whoever runs the test (root may write a read-only file).
void TestShell::fileDialogRefuses() {
    QFETCH(QString, chosen);
    QFETCH(platform::FileDialogKind, kind);
    QFETCH(platform::DialogRefusal, refusal);
    QTemporaryDir folder;
    for (const char* name : {"writable.run", "readonly.run"}) {
        QFile file(folder.filePath(QLatin1String(name)));
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::setPermissions(folder.filePath(QStringLiteral("readonly.run")),
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    const QFileInfo file(folder.filePath(chosen));
    QCOMPARE(platform::refusalOf(file, kind), refusal);
    QCOMPARE(platform::refusalMessage(refusal, file).isEmpty(),
             refusal == platform::DialogRefusal::None);
}

void TestShell::printerDialogKeepsPageRangesOff_data() {
    QTest::addColumn<bool>("selectionChosen");
    QTest::newRow("nothing selected opens on All") << false;
    QTest::newRow("a selection opens on Selection") << true;
}

// Drives the real dialog: the choices it shows are what the user gets.
void TestShell::printerDialogKeepsPageRangesOff() {
#ifdef Q_OS_WIN
    QSKIP("Windows shows its own print dialog, whose controls are not Qt's to read");
#endif
    QFETCH(bool, selectionChosen);
    QPrinter printer;
    QStringList enabledRangeChoices;
    bool allChecked = false;
    bool selectionChecked = false;
    bool inspected = false;
    // Reads the open dialog, then closes it, so a failing check never leaves it waiting.
    QTimer::singleShot(100, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
            auto* widget = dialog->findChild<QWidget*>(QLatin1String(name));
            if (widget && widget->isEnabled())
                enabledRangeChoices.append(QLatin1String(name));
        }
        auto* all = dialog->findChild<QRadioButton*>(QStringLiteral("printAll"));
        auto* selection = dialog->findChild<QRadioButton*>(QStringLiteral("printSelection"));
        allChecked = all && all->isChecked();
        selectionChecked = selection && selection->isChecked();
        inspected = true;
        dialog->reject();
    });
    QVERIFY(!platform::services().choosePrinter(nullptr, printer, {selectionChosen}));
    QVERIFY(inspected);
    QCOMPARE(enabledRangeChoices, QStringList());
    QCOMPARE(selectionChecked, selectionChosen);
    QCOMPARE(allChecked, !selectionChosen);
}

void TestShell::scopedServicesRestoreThePrevious() {
    platform::Services* real = &platform::services();
    {
        ScopedFakeServices outer;
        QCOMPARE(&platform::services(), static_cast<platform::Services*>(&outer));
        {
            ScopedFakeServices inner;
            QCOMPARE(&platform::services(), static_cast<platform::Services*>(&inner));
        }
        QCOMPARE(&platform::services(), static_cast<platform::Services*>(&outer));
    }
    QCOMPARE(&platform::services(), real);
}

void TestShell::rndStaysInTheUnitInterval() {
    modHelp::randomize();
    float lowest = 1.0f;
    float highest = 0.0f;
    for (int draw = 0; draw < 100000; ++draw) {
        const float value = modHelp::rnd();
        QVERIFY(value >= 0.0f && value < 1.0f);
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    // A uniform draw of this many values reaches both ends of the interval.
    QVERIFY(lowest < 0.001f);
    QVERIFY(highest > 0.999f);
}

void TestShell::leaveApplicationUsesTheHandler() {
    ScopedFakeServices fake;
    int leaves = 0;
    modHelp::setLeaveHandler([&leaves] { ++leaves; });
    modHelp::leaveApplication();
    QCOMPARE(leaves, 1);
    QVERIFY(fake.endedWith.isEmpty());
    QVERIFY(!modHelp::isEnding());
    modHelp::setLeaveHandler({});
}

void TestShell::endApplicationClosesEveryWindowOnce() {
    ScopedFakeServices fake;
    CountingWindow shown;
    CountingWindow hidden;
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));

    modHelp::EndApplication();
    QVERIFY(modHelp::isEnding());
    QCOMPARE(shown.closeEvents, 1);
    QCOMPARE(hidden.closeEvents, 1);
    QVERIFY(!shown.isVisible());
    QCOMPARE(fake.endedWith, QList<int>{0});

    // Neither a second end nor a late close request starts the ending again.
    int leaves = 0;
    modHelp::setLeaveHandler([&leaves] { ++leaves; });
    modHelp::leaveApplication();
    modHelp::EndApplication();
    QCOMPARE(leaves, 0);
    QCOMPARE(fake.endedWith.size(), 1);
    modHelp::setLeaveHandler({});
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
