// The report window driven through the real windows: main window, Generate, reading window,
// Print. Its look against the control table, the report it shows, links, the clipboard,
// printing to PDF, saving, and opening the file again from the main window.

#include "support/reportsupport.h"

#include "reading/engine.h"
#include "report/report.h"
#include "shell/fakeservices.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"
#include "ui/frmsave.h"
#include "ui/linkdetection.h"

#include "support/windowtesting.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <functional>
#include <memory>

using namespace reportsupport;
using namespace windowtesting;

namespace {

enum class Opening { PrintButton, PrintMenu };

struct Inputs {
    QString name, day, month, year;
    bool operator==(const Inputs&) const = default;
};

const QString CheckTheFile = QStringLiteral("Please Check The File.");

} // namespace

Q_DECLARE_METATYPE(Opening)
Q_DECLARE_METATYPE(Inputs)

class TestReportWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::ScopedFakeServices> m_services;
    std::unique_ptr<LeaveRecorder> m_leave;
    QPointer<frmMain> m_main;
    QTemporaryDir m_folder;

    platform::FakeServices& services() const { return *m_services; }
    frmDisplay* reading() const { return m_main ? m_main->readingWindow() : nullptr; }
    template <typename T = QWidget> T* mainControl(const char* name) const {
        return m_main->findChild<T*>(QLatin1String(name));
    }
    template <typename T = QWidget> static T* control(QWidget& window, const char* name) {
        return window.findChild<T*>(QLatin1String(name));
    }
    QString path(const QString& name) const { return m_folder.filePath(name); }

    void enter(const Inputs& inputs) {
        mainControl<QLineEdit>("txtName")->setText(inputs.name);
        mainControl<QComboBox>("cmbDate")->setCurrentText(inputs.day);
        mainControl<QComboBox>("cmbMonth")->setCurrentText(inputs.month);
        mainControl<QComboBox>("cmbYear")->setCurrentText(inputs.year);
    }
    Inputs inputs() const {
        return {mainControl<QLineEdit>("txtName")->text(),
                mainControl<QComboBox>("cmbDate")->currentText(),
                mainControl<QComboBox>("cmbMonth")->currentText(),
                mainControl<QComboBox>("cmbYear")->currentText()};
    }
    bool generate(const Inputs& details) {
        enter(details);
        m_main->cmdRunicAstrology_Click();
        return reading() && reading()->isVisible();
    }

    // Opens the report window from the reading window, runs `inspect` while it is shown
    // modally, then closes it as its close box does. True when the window was there, modal,
    // and gone once closed.
    bool withReportWindow(const std::function<void(frmSave&)>& inspect,
                          Opening opening = Opening::PrintButton) {
        QPointer<frmSave> seen;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            auto* form = reading()->findChild<frmSave*>();
            if (!form) {
                if (QWidget* other = QApplication::activeModalWidget())
                    other->close();
                return;
            }
            seen = form;
            modal = QApplication::activeModalWidget() == form && form->isVisible();
            inspect(*form);
            if (seen)
                form->close();
        });
        if (opening == Opening::PrintMenu)
            reading()->findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
        else
            QTest::mouseClick(reading()->findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                              Qt::LeftButton);
        flushDeletes();
        return modal && seen.isNull();
    }

private slots:
    void initTestCase() { QVERIFY(m_folder.isValid()); }

    void init() {
        m_services = std::make_unique<platform::ScopedFakeServices>();
        m_leave = std::make_unique<LeaveRecorder>();
        m_main = new frmMain;
        m_main->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_main));
    }

    void cleanup() {
        delete reading();
        delete m_main;
        flushDeletes();
        m_leave.reset();
        m_services.reset();
        QDir(m_folder.path()).removeRecursively();
        QDir().mkpath(m_folder.path());
    }

    void windowProperties() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([this](frmSave& form) {
            QCOMPARE(form.windowTitle(), Caption);
            QCOMPARE(form.size(), QSize(512, 512));
            QCOMPARE(form.minimumSize(), form.maximumSize());
            QVERIFY(!form.windowIcon().isNull());
            const Qt::WindowFlags flags = form.windowFlags();
            QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
            QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
            QCOMPARE(form.windowModality(), Qt::WindowModal);
            QCOMPARE(form.parentWidget(), reading());
            QCOMPARE(form.palette().color(QPalette::Window), QColor(0x37, 0x8F, 0x67));
            // centred on the screen, give or take the frame the window system adds
            const QPoint offCentre =
                form.geometry().center() - form.screen()->availableGeometry().center();
            QVERIFY2(offCentre.manhattanLength() <= 8, qPrintable(QString::number(offCentre.x())));
            // no Close button: the only buttons are Save and Print
            QCOMPARE(form.findChildren<QPushButton*>().size(), 2);
        }));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("colour"); // of the text; invalid: not a label
        QTest::addColumn<QString>("text");  // empty: any
        const QColor paleYellow(0xFF, 0xFF, 0x80);
        QTest::newRow("Label14") << "Label14" << QRect(1747, 0, 4230, 195) << "Verdana" << 8.25
                                 << false << true << paleYellow << QString();
        QTest::newRow("Label1") << "Label1" << QRect(1867, 180, 3990, 195) << "Verdana" << 8.25
                                << false << true << paleYellow << QString();
        QTest::newRow("RTB") << "RTB" << QRect(0, 390, 7665, 6135) << "Verdana" << 9.75 << false
                             << false << QColor() << QString();
        QTest::newRow("cmdSave") << "cmdSave" << QRect(5400, 6570, 1125, 345) << "MS Sans Serif"
                                 << 8.25 << true << false << QColor() << "&Save";
        QTest::newRow("cmdPrint") << "cmdPrint" << QRect(6540, 6570, 1125, 345) << "Verdana" << 8.25
                                  << true << false << QColor() << "&Print";
        QTest::newRow("Label8")
            << "Label8" << QRect(0, 6960, 7665, 615) << "Verdana" << 8.25 << true << true
            << paleYellow
            << "Home Business Opportunity. Start your own Internet business and make money "
               "online. Get this software fully branded for your website. Click here for more "
               "details.";
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(QColor, colour);
        QFETCH(QString, text);
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([&](frmSave& form) {
            QWidget* widget = form.findChild<QWidget*>(name);
            QVERIFY(widget);
            QCOMPARE(widget->parentWidget(), &form);
            QCOMPARE(widget->geometry(),
                     fromTwips(twips.x(), twips.y(), twips.width(), twips.height()));
            QCOMPARE(widget->font().family(), family);
            QCOMPARE(widget->font().pointSizeF(), points);
            QCOMPARE(widget->font().bold(), bold);
            QCOMPARE(widget->font().underline(), underline);
            if (auto* label = qobject_cast<QLabel*>(widget)) {
                QCOMPARE(label->palette().color(QPalette::WindowText), colour);
                QVERIFY(label->alignment().testFlag(Qt::AlignHCenter));
                QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
                QVERIFY(!label->text().isEmpty());
                if (!text.isEmpty())
                    QCOMPARE(label->text(), text);
            }
            if (auto* button = qobject_cast<QPushButton*>(widget)) {
                QCOMPARE(button->text(), text);
                QCOMPARE(seenAt(button, {6, button->height() / 2}), QColor(0x80, 0x80, 0x80));
            }
        }));
    }

    void oneLineLabelsFitTheirLine() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([](frmSave& form) {
            for (const char* name : {"Label14", "Label1"}) {
                auto* label = control<QLabel>(form, name);
                QVERIFY(!label->wordWrap());
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         name);
            }
        }));
    }

    void keyboard() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([this](frmSave& form) {
            form.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            auto* RTB = control<QTextEdit>(form, "RTB");
            QCOMPARE(QApplication::focusWidget(), RTB);
            QStringList order;
            for (int i = 0; i < 3; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                order.append(QApplication::focusWidget()->objectName());
            }
            QCOMPARE(order, (QStringList{"cmdPrint", "cmdSave", "RTB"}));

            QTest::keyClick(RTB, Qt::Key_Return); // no default button
            QTest::keyClick(RTB, Qt::Key_Escape); // no cancel button either
            QVERIFY(form.isVisible());
            QCOMPARE(services().saveRequests.size(), 0);
            QCOMPARE(services().printRequests.size(), 0);

            // a mnemonic presses its button as a click does, a moment later
            QTest::keyClick(RTB, Qt::Key_S, Qt::AltModifier);
            QTRY_COMPARE(services().saveRequests.size(), 1);
            QTest::keyClick(RTB, Qt::Key_P, Qt::AltModifier);
            QTRY_COMPARE(services().printRequests.size(), 1);
        }));
    }

    void reportShowsTheReading_data() {
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("sign");
        QTest::newRow("Pisces, 12 March 1980") << "  ANNA "
                                               << "12"
                                               << "March"
                                               << "1980"
                                               << "Pisces";
        QTest::newRow("Aries, two paragraphs") << "JO"
                                               << "2"
                                               << "April"
                                               << "1985"
                                               << "Aries";
    }

    void reportShowsTheReading() {
        QFETCH(QString, typedName);
        QFETCH(QString, day);
        QFETCH(QString, month);
        QFETCH(QString, year);
        QFETCH(QString, sign);
        QVERIFY(generate({typedName, day, month, year}));
        const QString expected =
            expectedReportText(valuesFor(sign, typedName.trimmed(), month, day, year));
        QVERIFY(withReportWindow([&](frmSave& form) {
            auto* RTB = control<QTextEdit>(form, "RTB");
            QCOMPARE(report::reportPlainText(*RTB->document()), expected);
            QCOMPARE(RTB->document()->defaultFont().family(), QStringLiteral("Verdana"));
            QCOMPARE(RTB->document()->defaultFont().pointSizeF(), 9.75);
            QCOMPARE(RTB->palette().color(QPalette::Base), QColor(0x37, 0x8F, 0x67));
            QCOMPARE(seenAt(RTB, {RTB->width() - 40, RTB->height() - 6}), QColor(0x37, 0x8F, 0x67));
        }));
    }

    // The report takes what the reading window shows, not the reading it was given, and the
    // date from the main window's lists while there is one.
    void valuesAreReadOffTheControls() {
        using modRunicAstrology::Field;
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        reading()->findChild<QLabel*>("lblNordicGod")->setText(QStringLiteral("Thor"));
        reading()
            ->findChild<QPlainTextEdit*>("txtAboutYourRuneStone")
            ->setPlainText(QStringLiteral("first\nsecond"));
        mainControl<QComboBox>("cmbYear")->setCurrentText(QStringLiteral("1981"));
        report::ReportValues values = reading()->shownValues();
        QCOMPARE(values[Field::NordicGod], std::optional<QString>(QStringLiteral("Thor")));
        QCOMPARE(values[Field::AboutYourRuneStone],
                 std::optional<QString>(QStringLiteral("first\nsecond")));
        QCOMPARE(values[Field::Sign], std::optional<QString>(QStringLiteral("Pisces")));
        QCOMPARE(values.yearText, std::optional<QString>(QStringLiteral("1981")));

        QPointer<frmDisplay> display = reading();
        delete m_main;
        QVERIFY(display);
        values = display->shownValues();
        QVERIFY(!values.monthText && !values.dayText && !values.yearText);
        QCOMPARE(values.name, std::optional<QString>(QStringLiteral("ANNA")));
        delete display;
    }

    void reportCannotBeChangedButScrolls() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([](frmSave& form) {
            auto* RTB = control<QTextEdit>(form, "RTB");
            const QString before = RTB->toPlainText();
            QTest::keyClicks(RTB, QStringLiteral("xyz"));
            QTest::keyClick(RTB, Qt::Key_Delete);
            QTest::keyClick(RTB, Qt::Key_Backspace);
            QTest::keyClick(RTB, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(RTB->toPlainText(), before);
            QTest::keyClick(RTB, Qt::Key_A, Qt::ControlModifier);
            QVERIFY(RTB->textCursor().hasSelection());
            QVERIFY(RTB->verticalScrollBar()->maximum() > 0);
            QTest::keyClick(RTB, Qt::Key_End, Qt::ControlModifier);
            QVERIFY(RTB->verticalScrollBar()->value() > RTB->verticalScrollBar()->maximum() / 2);
            QVERIFY(RTB->textCursor().atEnd());
        }));
    }

    void reopeningBuildsAfresh() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([](frmSave&) { QVERIFY(modRTB::isLinkDetectionOn()); }));
        QVERIFY(!modRTB::isLinkDetectionOn());
        // the hidden main window's lists changed behind the reading window
        mainControl<QComboBox>("cmbYear")->setCurrentText(QStringLiteral("1981"));
        QVERIFY(withReportWindow([this](frmSave& form) {
            auto* RTB = control<QTextEdit>(form, "RTB");
            QVERIFY(RTB->toPlainText().contains(QStringLiteral("Date Of Birth :- March/12/1981")));
            const int site = int(RTB->toPlainText().indexOf(modHelp::SiteBaseAddress));
            QTest::mouseClick(RTB->viewport(), Qt::LeftButton, {}, pointOf(*RTB, site + 5));
            QCOMPARE(services().openedAddresses, QStringList{modHelp::SiteBaseAddress});
        }));
        QVERIFY(!modRTB::isLinkDetectionOn());
    }

    // A reading window that goes while its report window is open takes the report window
    // along, with no close event: the link detection must go with the report's box.
    void reportWindowGoesWithItsReadingWindow() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QPointer<frmSave> form = new frmSave(reading(), reading()->shownValues());
        form->show();
        QVERIFY(modRTB::isLinkDetectionOn());
        delete reading();
        QVERIFY(form.isNull());
        QVERIFY(!modRTB::isLinkDetectionOn());
    }

    void linkClicks() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([this](frmSave& form) {
            auto* RTB = control<QTextEdit>(form, "RTB");
            const QString text = RTB->toPlainText();
            QTest::mouseClick(RTB->viewport(), Qt::LeftButton, {},
                              pointOf(*RTB, int(text.indexOf(QStringLiteral("Name :-")))));
            QTest::mouseClick(RTB->viewport(), Qt::LeftButton, {},
                              pointOf(*RTB, int(text.indexOf(QStringLiteral("ANNA")))));
            QCOMPARE(services().openedAddresses, QStringList());
            QTest::mouseClick(RTB->viewport(), Qt::LeftButton, {},
                              pointOf(*RTB, int(text.lastIndexOf(modHelp::SiteBaseAddress)) + 9));
            QCOMPARE(services().openedAddresses, QStringList{modHelp::SiteBaseAddress});
        }));
    }

    void linkLabels_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<modHelp::WebPage>("page");
        QTest::newRow("Label14, the forum line") << "Label14" << modHelp::WebPage::Home;
        QTest::newRow("Label1, the site line") << "Label1" << modHelp::WebPage::Home;
        QTest::newRow("Label8, full branding") << "Label8" << modHelp::WebPage::FullyBranded;
    }

    void linkLabels() {
        QFETCH(QString, label);
        QFETCH(modHelp::WebPage, page);
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([&](frmSave& form) {
            auto* widget = form.findChild<QLabel*>(label);
            QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
            QCOMPARE(services().openedAddresses, QStringList{modHelp::pageAddress(page)});
        }));
    }

    void clipboardIsEmptiedWhenTheReportIsTouched() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        const int beforeOpening = services().clipboardClears;
        QVERIFY(withReportWindow([&](frmSave& form) {
            QVERIFY(services().clipboardClears > beforeOpening); // building is a change
            auto* RTB = control<QTextEdit>(form, "RTB");
            QWidget* area = RTB->viewport();
            int clears = services().clipboardClears;
            QTest::mousePress(area, Qt::LeftButton, {}, {20, 20});
            QCOMPARE(services().clipboardClears, clears + 1);
            QTest::mouseMove(area, {60, 40});
            QVERIFY(services().clipboardClears >= clears + 2);
            clears = services().clipboardClears;
            QTest::mouseRelease(area, Qt::LeftButton, {}, {60, 40});
            QCOMPARE(services().clipboardClears, clears + 2); // button up, then the click
            clears = services().clipboardClears;
            RTB->append(QStringLiteral("changed"));
            QCOMPARE(services().clipboardClears, clears + 1);
            // the keyboard alone leaves the clipboard alone: copying works until the mouse moves
            clears = services().clipboardClears;
            QTest::keyClick(RTB, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(RTB, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(services().clipboardClears, clears);
        }));
    }

    void printWholeReport_data() {
        QTest::addColumn<Opening>("opening");
        QTest::newRow("Print button of the reading window") << Opening::PrintButton;
        QTest::newRow("Print menu entry of the reading window") << Opening::PrintMenu;
    }

    void printWholeReport() {
        QFETCH(Opening, opening);
        if (!havePdfTools())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        services().printToPdf = path(QStringLiteral("whole.pdf"));
        QVERIFY(withReportWindow(
            [](frmSave& form) {
                QTest::mouseClick(control<QPushButton>(form, "cmdPrint"), Qt::LeftButton);
            },
            opening));
        QCOMPARE(services().printRequests.size(), 1);
        QCOMPARE(services().printRequests[0].selectionChosen, false);
        const QString text = pdfText(services().printToPdf).simplified();
        QVERIFY2(text.startsWith(siteLine() + " Name :- ANNA Date Of Birth :- March/12/1980"),
                 qPrintable(text.left(200)));
        QVERIFY2(text.endsWith(siteLine()), qPrintable(text.right(200)));
        QVERIFY(text.contains(QStringLiteral("Your Sun Sign :-Pisces")));
    }

    void printSelection() {
        if (!havePdfTools())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        services().printToPdf = path(QStringLiteral("selection.pdf"));
        QVERIFY(withReportWindow([](frmSave& form) {
            auto* RTB = control<QTextEdit>(form, "RTB");
            QTextCursor selection = RTB->document()->find(QStringLiteral("Your Sun Sign"));
            selection.setPosition(selection.selectionStart());
            selection.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            RTB->setTextCursor(selection);
            QTest::mouseClick(control<QPushButton>(form, "cmdPrint"), Qt::LeftButton);
        }));
        QCOMPARE(services().printRequests.size(), 1);
        QCOMPARE(services().printRequests[0].selectionChosen, true);
        QCOMPARE(pdfText(services().printToPdf).simplified(),
                 QStringLiteral("Your Sun Sign :-Pisces"));
    }

    void printCancelledPrintsNothing() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([this](frmSave& form) {
            QTest::mouseClick(control<QPushButton>(form, "cmdPrint"), Qt::LeftButton);
            QVERIFY(form.isVisible());
            QCOMPARE(services().printRequests.size(), 1);
        }));
        QCOMPARE(services().messages.size(), 0);
        QVERIFY(QDir(m_folder.path()).isEmpty());
    }

    // Gone without a close event (its parent destroyed, the program ending): link detection
    // goes with the window, and the next report window has it again.
    void reportWindowDestroyedWithoutClosing() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        QVERIFY(withReportWindow([](frmSave& form) {
            QVERIFY(modRTB::isLinkDetectionOn());
            delete &form;
        }));
        QVERIFY(!modRTB::isLinkDetectionOn());
        QVERIFY(withReportWindow([](frmSave&) { QVERIFY(modRTB::isLinkDetectionOn()); }));
        QVERIFY(!modRTB::isLinkDetectionOn());
    }

    void save_data() {
        QTest::addColumn<QString>("target");  // empty: the dialog is cancelled
        QTest::addColumn<QString>("name");    // the stored name, when not "ANNA"
        QTest::addColumn<QString>("message"); // first line of the message; empty: none
        QTest::addColumn<bool>("saved");
        const QString failed = QStringLiteral("The Reading Could Not Be Saved.");
        QTest::newRow("saved") << "anna.run"
                               << ""
                               << "" << true;
        QTest::newRow("cancelled") << ""
                                   << ""
                                   << "" << false;
        QTest::newRow("folder that does not exist") << "missing/anna.run"
                                                    << "" << failed << false;
        QTest::newRow("folder that is a regular file") << "old.run/anna.run"
                                                       << "" << failed << false;
        const QString refused =
            QStringLiteral("The Name Contains Characters That Cannot Be Saved.");
        QTest::newRow("name outside the code page")
            << "old.run" << QString::fromUtf8("ANNA €") << refused << false;
        QTest::newRow("name one code above the encoding's limit")
            << "old.run" << QString::fromUtf8("ANNò") << refused << false;
        QTest::newRow("name in another script")
            << "fresh.run" << QString::fromUtf8("名前") << refused << false;
    }

    void save() {
        QFETCH(QString, target);
        QFETCH(QString, name);
        QFETCH(QString, message);
        QFETCH(bool, saved);
        const QByteArray old = "OLD\r\n";
        QVERIFY(writeAll(path(QStringLiteral("old.run")), old));
        QVERIFY(QDir(m_folder.path()).mkdir(QStringLiteral("folder.run")));
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        if (!name.isEmpty()) // as if pasted past the keystroke filter
            modRunicAstrology::CurrentBirthDetails.Name = name.toStdString();
        services().fileToSave = target.isEmpty() ? QString() : path(target);

        QVERIFY(withReportWindow([&](frmSave& form) {
            QTest::mouseClick(control<QPushButton>(form, "cmdSave"), Qt::LeftButton);
            QVERIFY(form.isVisible());
        }));

        QCOMPARE(services().saveRequests.size(), 1);
        const platform::FileDialogRequest request = services().saveRequests[0];
        QCOMPARE(request.title, QStringLiteral("Velmora"));
        QCOMPARE(request.filter, QStringLiteral("Velmora | *.run"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("run"));

        if (message.isEmpty()) {
            QCOMPARE(services().messages.size(), 0);
        } else {
            QCOMPARE(services().messages.size(), 1);
            const QStringList lines = services().messages[0].text.split(QLatin1Char('\n'));
            QCOMPARE(lines[0], message);
            QCOMPARE(services().messages[0].icon, platform::Icon::Critical);
            if (message.startsWith(QLatin1String("The Reading")))
                QVERIFY2(lines.size() == 2 &&
                             lines[1].contains(QDir::toNativeSeparators(path(target))),
                         qPrintable(services().messages[0].text));
        }
        QCOMPARE(readAll(path(QStringLiteral("old.run"))),
                 target == "old.run" && saved ? readingFileOf("ANNA", "12", "March", "1980") : old);
        if (saved)
            QCOMPARE(readAll(path(target)), readingFileOf("ANNA", "12", "March", "1980"));
        QStringList expectedEntries{"folder.run", "old.run"};
        if (saved && !expectedEntries.contains(target))
            expectedEntries.append(target);
        expectedEntries.sort();
        QCOMPARE(QDir(m_folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 expectedEntries);
    }

    void saveThenOpenShowsTheSameReading() {
        QVERIFY(generate({"ANNA", "12", "March", "1980"}));
        services().fileToSave = path(QStringLiteral("anna.run"));
        QVERIFY(withReportWindow([](frmSave& form) {
            QTest::mouseClick(control<QPushButton>(form, "cmdSave"), Qt::LeftButton);
        }));
        reading()->cmdBack_Click();
        flushDeletes();
        QVERIFY(!reading());
        enter({"BOB", "1", "January", "1900"});

        services().fileToOpen = path(QStringLiteral("anna.run"));
        mainControl<QAction>("mnuPreviouslySavedRunicAstrology")->trigger();

        QCOMPARE(services().openRequests.size(), 1);
        QCOMPARE(services().openRequests[0].title, QStringLiteral("Select the source file"));
        QCOMPARE(services().openRequests[0].filter, QStringLiteral("Velmora (*.run)|*.run"));
        QCOMPARE(services().openRequests[0].defaultSuffix, QStringLiteral("run"));
        QCOMPARE(services().messages.size(), 0);
        QCOMPARE(inputs(), (Inputs{"ANNA", "12", "March", "1980"}));
        QVERIFY(reading() && reading()->isVisible());
        QVERIFY(!m_main->isVisible());
        QCOMPARE(reading()->findChild<QLabel*>(QStringLiteral("lblSunSign"))->text(),
                 QStringLiteral("Pisces"));
        QVERIFY(withReportWindow([](frmSave& form) {
            QVERIFY(
                control<QTextEdit>(form, "RTB")
                    ->toPlainText()
                    .contains(QStringLiteral("Name :- ANNA\n\nDate Of Birth :- March/12/1980\n")));
        }));
    }

    void openRefusesTheFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("name ending in capitals RUN") << "capitals";
        QTest::newRow("name ending in .ru") << "ru";
        QTest::newRow("folder named x.run") << "folder";
        QTest::newRow("pipe named x.run") << "pipe";
        QTest::newRow("unreadable x.run") << "unreadable";
        QTest::newRow("x.run larger than 64 KiB") << "large";
        QTest::newRow("x.run, a link to nothing") << "dangling";
        // Control characters in the name would forge lines of the report and the paper.
        QTest::newRow("name with a line break and a forged date line") << "line break";
        QTest::newRow("name with a NUL") << "nul";
        QTest::newRow("name with an escape sequence") << "escape";
        QTest::newRow("binary file") << "binary";
    }

    void openRefusesTheFile() {
        QFETCH(QString, kind);
#ifdef Q_OS_WIN
        if (kind == "pipe")
            QSKIP("Windows has no FIFOs in the file system");
        if (kind == "unreadable")
            QSKIP("Windows keeps no permission bits that hide a file from its owner");
        if (kind == "dangling")
            QSKIP("QFile::link makes a shortcut file on Windows, not a link");
#endif
        const QByteArray content = readingFileOf("ANNA", "12", "March", "1980");
        QString file = path(QStringLiteral("x.run"));
        if (kind == "capitals" || kind == "ru") {
            file = path(kind == "capitals" ? QStringLiteral("x.RUN") : QStringLiteral("x.ru"));
            QVERIFY(writeAll(file, content));
        } else if (kind == "folder") {
            QVERIFY(QDir().mkdir(file));
        } else if (kind == "pipe") {
            QVERIFY(makeFifo(file));
        } else if (kind == "dangling") {
            QVERIFY(QFile::link(path(QStringLiteral("gone.run")), file));
        } else if (kind == "line break" || kind == "nul" || kind == "escape") {
            const QString name =
                kind == "line break" ? QStringLiteral("ANNA\nDate Of Birth :- January/1/1900")
                : kind == "nul"      ? QStringLiteral("AN") + QChar(0) + QStringLiteral("NA")
                                     : QStringLiteral("ANNA\x1b[2J");
            QVERIFY(writeAll(file, readingFileOf(name, "12", "March", "1980")));
        } else if (kind == "binary") {
            QByteArray bytes;
            for (int i = 0; i < 4096; ++i)
                bytes.append(char((i * 37 + 11) % 256));
            QVERIFY(writeAll(file, bytes));
        } else if (kind == "unreadable") {
            QVERIFY(QFile::setPermissions(m_folder.path(), QFile::ReadOwner | QFile::WriteOwner |
                                                               QFile::ExeOwner | QFile::ReadOther |
                                                               QFile::ExeOther));
            QVERIFY(writeAll(file, content));
            QVERIFY(QFile::setPermissions(file, QFile::Permissions()));
        } else {
            QVERIFY(writeAll(file, content + QByteArray(64 * 1024, '\r')));
        }
        const Inputs before{"BOB", "1", "January", "1900"};
        enter(before);
        services().fileToOpen = file;
        {
            std::unique_ptr<UnprivilegedScope> unprivileged;
            if (kind == "unreadable")
                unprivileged = std::make_unique<UnprivilegedScope>();
            QTest::mouseClick(mainControl<QPushButton>("cmdOpen"), Qt::LeftButton);
        }
        QCOMPARE(services().messages.size(), 1);
        QCOMPARE(services().messages[0].text, CheckTheFile);
        QCOMPARE(services().messages[0].icon, platform::Icon::Critical);
        QCOMPARE(inputs(), before);
        QVERIFY(!reading());
        QVERIFY(m_main->isVisible());
    }

    void openPutsWhatIsThereIntoTheInputs_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Inputs>("after");
        QTest::addColumn<QString>("message"); // empty: the reading is shown
        QTest::newRow("CR only") << encoded("ANNA") + "\r" + encoded("12") + "\r" +
                                        encoded("March") + "\r" + encoded("1980") + "\r"
                                 << Inputs{"ANNA", "12", "March", "1980"} << "";
        QTest::newRow("two lines: month and year stay")
            << encoded("ANNA") + "\r\n" + encoded("12") + "\r\n"
            << Inputs{"ANNA", "12", "June", "2001"} << "";
        QTest::newRow("entries that no list has") << readingFileOf("ANNA", "32", "Smarch", "1899")
                                                  << Inputs{"ANNA", "3", "June", "2001"} << "";
        QTest::newRow("name taken as stored, small letters too")
            << readingFileOf("Anna-Lise 2", "3", "June", "2001")
            << Inputs{"Anna-Lise 2", "3", "June", "2001"} << "";
        QTest::newRow("empty file: the name is asked for")
            << QByteArray() << Inputs{"", "3", "June", "2001"} << "Please Enter Your Name !";
    }

    void openPutsWhatIsThereIntoTheInputs() {
        QFETCH(QByteArray, bytes);
        QFETCH(Inputs, after);
        QFETCH(QString, message);
        QVERIFY(writeAll(path(QStringLiteral("x.run")), bytes));
        enter({"BOB", "3", "June", "2001"});
        services().fileToOpen = path(QStringLiteral("x.run"));
        m_main->cmdOpen_Click();
        QCOMPARE(inputs(), after);
        if (message.isEmpty()) {
            QCOMPARE(services().messages.size(), 0);
            QVERIFY(reading() && reading()->isVisible());
        } else {
            QCOMPARE(services().messages.size(), 1);
            QCOMPARE(services().messages[0].text, message);
            QVERIFY(!reading());
        }
    }

    void openCancelledChangesNothing() {
        const Inputs before{"BOB", "1", "January", "1900"};
        enter(before);
        QTest::mouseClick(mainControl<QPushButton>("cmdOpen"), Qt::LeftButton);
        mainControl<QAction>("mnuPreviouslySavedRunicAstrology")->trigger();
        QCOMPARE(services().openRequests.size(), 2);
        QCOMPARE(services().messages.size(), 0);
        QCOMPARE(inputs(), before);
        QVERIFY(!reading());
    }
};

QTEST_MAIN(TestReportWindow)
#include "tst_frmsave.moc"
