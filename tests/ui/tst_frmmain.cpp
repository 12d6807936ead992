// The main window driven through its real widgets: its look against the control table, the
// name box's keystroke filter, the validation messages, Generate and Back, the web pages and
// the way out.

#include "reading/engine.h"
#include "shell/fakeservices.h"
#include "support/shownreading.h"
#include "support/windowtesting.h"
#include "ui/cobrand.h"
#include "ui/frmabout.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace windowtesting;

namespace {

struct Stroke {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};
using Strokes = QList<Stroke>;

Strokes typed(const QString& text) {
    Strokes strokes;
    for (const QChar c : text) {
        const QChar upper = c.toUpper();
        strokes.append({static_cast<Qt::Key>(upper.unicode()), QString(c)});
    }
    return strokes;
}

Stroke keyStroke(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return {key, QString(), modifiers};
}

Stroke controlStroke(char letter) {
    const auto code = static_cast<char16_t>(letter - 'a' + 1);
    return {static_cast<Qt::Key>(Qt::Key_A + (letter - 'a')), QString(QChar(code)),
            Qt::ControlModifier};
}

enum class Trigger {
    ButtonClick,
    MenuEntry,
    EnterInName,
    EscapeInName,
    EnterOnClosedList,
    EscapeOnClosedList,
    AltR
};

} // namespace

Q_DECLARE_METATYPE(Strokes)
Q_DECLARE_METATYPE(Trigger)

class TestMainWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::ScopedFakeServices> m_services;
    std::unique_ptr<LeaveRecorder> m_leave;
    QPointer<frmMain> m_window;

    template <typename T = QWidget> T* control(const char* name) const {
        return m_window->findChild<T*>(QLatin1String(name));
    }
    frmDisplay* reading() const { return m_window ? m_window->readingWindow() : nullptr; }
    platform::FakeServices& services() const { return *m_services; }

    void enter(const QString& name, int day, const QString& month, int year) {
        control<QLineEdit>("txtName")->setText(name);
        control<QComboBox>("cmbDate")->setCurrentText(QString::number(day));
        control<QComboBox>("cmbMonth")->setCurrentText(month);
        control<QComboBox>("cmbYear")->setCurrentText(QString::number(year));
    }
    void type(const Strokes& strokes) {
        QLineEdit* txtName = control<QLineEdit>("txtName");
        for (const Stroke& stroke : strokes)
            QTest::sendKeyEvent(QTest::Click, txtName, stroke.key, stroke.text, stroke.modifiers);
    }
    void pull(const Trigger trigger) {
        switch (trigger) {
        case Trigger::ButtonClick:
            QTest::mouseClick(control<QPushButton>("cmdRunicAstrology"), Qt::LeftButton);
            break;
        case Trigger::MenuEntry:
            control<QAction>("mnuGenerateRunicAstrology")->trigger();
            break;
        case Trigger::EnterInName:
            QTest::keyClick(control("txtName"), Qt::Key_Return);
            break;
        case Trigger::EscapeInName:
            QTest::keyClick(control("txtName"), Qt::Key_Escape);
            break;
        case Trigger::EnterOnClosedList:
            QTest::keyClick(control("cmbMonth"), Qt::Key_Return);
            break;
        case Trigger::EscapeOnClosedList:
            QTest::keyClick(control("cmbYear"), Qt::Key_Escape);
            break;
        case Trigger::AltR:
            QTest::keyClick(control("txtName"), Qt::Key_R, Qt::AltModifier);
            break;
        }
    }
    void clickTwice(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }

private slots:
    void init() {
        m_services = std::make_unique<platform::ScopedFakeServices>();
        m_leave = std::make_unique<LeaveRecorder>();
        m_window = new frmMain;
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() {
        delete reading();
        delete m_window;
        flushDeletes();
        m_leave.reset();
        m_services.reset();
    }

    void windowProperties() {
        QCOMPARE(m_window->windowTitle(), Caption);
        QCOMPARE(m_window->centralWidget()->size(), QSize(490, 329));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!m_window->windowIcon().isNull());
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        const QPoint offCentre =
            m_window->frameGeometry().center() - m_window->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 4, "the window is centred on its screen");
        QCOMPARE(m_window->coBrandRandomNumber(), std::int16_t(0));
    }

    void controlGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        const auto row = [](const char* name, const char* container, QRect geometry) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                                << geometry;
        };
        row("Frame2", "window", fromTwips(0, 0, 7335, 615));
        row("Label61", "Frame2", fromTwips(75, 120, 7140, 585));
        row("Frame1", "window", fromTwips(0, 600, 7335, 2775));
        row("Label7", "Frame1", fromTwips(120, 360, 7095, 735));
        row("cmdOpen", "Frame1", fromTwips(120, 1320, 1575, 1335));
        row("Frame3", "Frame1", fromTwips(1800, 1200, 5415, 1455));
        row("Label1", "Frame3", fromTwips(120, 360, 705, 195));
        row("txtName", "Frame3", fromTwips(1680, 240, 3615, 375));
        row("Label4", "Frame3", fromTwips(1800, 720, 405, 195));
        row("Label5", "Frame3", fromTwips(3000, 720, 510, 195));
        row("Label6", "Frame3", fromTwips(4560, 720, 390, 195));
        row("Label3", "Frame3", fromTwips(120, 1080, 1395, 195));
        row("cmbDate", "Frame3", fromTwips(1680, 960, 735, 315));
        row("cmbMonth", "Frame3", fromTwips(2520, 960, 1575, 315));
        row("cmbYear", "Frame3", fromTwips(4200, 960, 1095, 315));
        row("cmdRunicAstrology", "window", fromTwips(0, 3480, 6135, 465));
        row("cmdExit", "window", fromTwips(6195, 3480, 1140, 465));
        row("Frame5", "window", fromTwips(0, 3960, 7335, 975));
        row("lblCobrand", "Frame5", fromTwips(120, 240, 7065, 615));
        row("lblFullBrand", "Frame5", fromTwips(120, 240, 7065, 615));
    }

    void controlGeometry() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QWidget* widget = m_window->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(containerOf(widget), container);
        QCOMPARE(widget->geometry(), geometry);
    }

    void controlFont_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        const auto row = [](const char* name, qreal points, bool bold, bool underline) {
            QTest::newRow(name) << QString::fromLatin1(name) << points << bold << underline;
        };
        row("Label61", 9, true, true);
        row("Label7", 8.25, true, false);
        row("cmdOpen", 9, true, false);
        row("Frame3", 8.25, true, false);
        row("Label1", 8.25, true, false);
        row("txtName", 8.25, false, false);
        row("Label4", 8.25, false, true);
        row("Label5", 8.25, false, true);
        row("Label6", 8.25, false, true);
        row("Label3", 8.25, true, false);
        row("cmbDate", 8.25, false, false);
        row("cmbMonth", 8.25, false, false);
        row("cmbYear", 8.25, false, false);
        row("cmdRunicAstrology", 8.25, true, false);
        row("cmdExit", 8.25, true, false);
        row("lblCobrand", 8.25, true, true);
        row("lblFullBrand", 8.25, true, true);
    }

    void controlFont() {
        QFETCH(QString, name);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QWidget* widget = m_window->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().underline(), underline);
    }

    void textColour_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPalette::ColorRole>("role");
        QTest::addColumn<QColor>("colour");
        const auto row = [](const char* name, QPalette::ColorRole role, const char* colour) {
            QTest::newRow(name) << QString::fromLatin1(name) << role << QColor(colour);
        };
        row("Label61", QPalette::WindowText, "#FFFF80");
        row("Label7", QPalette::WindowText, "#FF80FF");
        row("Frame3", QPalette::WindowText, "#FFFFFF");
        row("Label1", QPalette::WindowText, "#FFFFFF");
        row("txtName", QPalette::Text, "#FFFF00");
        row("Label4", QPalette::WindowText, "#FFFFC0");
        row("Label5", QPalette::WindowText, "#FFFFC0");
        row("Label6", QPalette::WindowText, "#FFFFC0");
        row("Label3", QPalette::WindowText, "#FFFFFF");
        row("cmbDate", QPalette::ButtonText, "#FFFF00");
        row("cmbMonth", QPalette::ButtonText, "#FFFF00");
        row("cmbYear", QPalette::ButtonText, "#FFFF00");
        row("lblCobrand", QPalette::WindowText, "#0000FF");
        row("lblFullBrand", QPalette::WindowText, "#0000FF");
    }

    void textColour() {
        QFETCH(QString, name);
        QFETCH(QPalette::ColorRole, role);
        QFETCH(QColor, colour);
        QWidget* widget = m_window->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->palette().color(role), colour);
    }

    // Backgrounds as rendered, at a point of each control that no child covers.
    void backgroundAsSeen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        const QColor buttonFace = QApplication::palette().color(QPalette::Button);
        QTest::newRow("client area") << "client" << QPoint(100, 228) << QColor("#378F67");
        QTest::newRow("Frame2") << "Frame2" << QPoint(2, 2) << QColor("#378F67");
        QTest::newRow("Frame1") << "Frame1" << QPoint(2, 2) << QColor("#404040");
        QTest::newRow("Frame3") << "Frame3" << QPoint(62, 42) << QColor("#404040");
        QTest::newRow("txtName") << "txtName" << QPoint(230, 12) << QColor("#378F67");
        QTest::newRow("Frame5") << "Frame5" << QPoint(2, 2) << QColor("#378F67");
        QTest::newRow("cmdRunicAstrology")
            << "cmdRunicAstrology" << QPoint(5, 5) << QColor("#808080");
        QTest::newRow("cmdExit") << "cmdExit" << QPoint(5, 5) << QColor("#808080");
        QTest::newRow("cmdOpen") << "cmdOpen" << QPoint(5, 5) << QColor("#808080");
        QTest::newRow("lblFullBrand, opaque") << "lblFullBrand" << QPoint(1, 39) << buttonFace;
    }

    void backgroundAsSeen() {
        QFETCH(QString, name);
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        QWidget* widget = m_window->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(seenAt(widget, point), colour);
    }

    // A font that stands in for Verdana must not cut a caption off.
    void labelsShowTheirWholeText() {
        for (QLabel* label : m_window->findChildren<QLabel*>()) {
            if (!label->isVisible() || label->text().isEmpty())
                continue;
            const QString name = label->objectName();
            if (label->wordWrap()) {
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(name));
            } else {
                QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                         qPrintable(name));
            }
        }
    }

    void captions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("Label7") << "Label7"
                                << "Velmora is a simple software that attempts to correlate your "
                                   "astrological sun sign with runic divination. Enter your "
                                   "Personal Details and get a reading instantly!";
        QTest::newRow("Frame3") << "Frame3"
                                << "Enter Your Details";
        QTest::newRow("Label1") << "Label1"
                                << "Name:-";
        QTest::newRow("Label4") << "Label4"
                                << "Date";
        QTest::newRow("Label5") << "Label5"
                                << "Month";
        QTest::newRow("Label6") << "Label6"
                                << "Year";
        QTest::newRow("Label3") << "Label3"
                                << "Date Of Birth:-";
        QTest::newRow("cmdRunicAstrology") << "cmdRunicAstrology"
                                           << "Generate My &Runic Astrology Reading";
        QTest::newRow("cmdExit") << "cmdExit"
                                 << "&Exit";
        QTest::newRow("lblFullBrand")
            << "lblFullBrand"
            << "Home Business Opportunity. Start your own Internet business and make money "
               "online. Get this software fully branded for your website. Click here for more "
               "details.";
    }

    void captions() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QWidget* widget = m_window->findChild<QWidget*>(name);
        QVERIFY(widget);
        const auto* group = qobject_cast<QGroupBox*>(widget);
        const QString shown = group ? group->title() : widget->property("text").toString();
        QCOMPARE(shown, caption);
    }

    void textsLeftToUs() {
        const QString advert = control<QLabel>("Label61")->text();
        QVERIFY2(advert.size() >= 100 && advert.size() <= 130, qPrintable(advert));
        const QString coBrand = control<QLabel>("lblCobrand")->text();
        QVERIFY2(coBrand.size() >= 170 && coBrand.size() <= 200, qPrintable(coBrand));
        QVERIFY(coBrand.endsWith(QStringLiteral("Click Here for more info on co-branding.")));
        // The button wraps its caption itself and still says all of it.
        QCOMPARE(
            control<QPushButton>("cmdOpen")->text(),
            QStringLiteral("Click Here To Open Previously Saved Runic Astrology Interpretation"));
    }

    void dateLists_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::newRow("cmbDate") << "cmbDate" << 31 << "1"
                                 << "31";
        QTest::newRow("cmbMonth") << "cmbMonth" << 12 << "January"
                                  << "December";
        QTest::newRow("cmbYear") << "cmbYear" << 151 << "1900"
                                 << "2050";
    }

    void dateLists() {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(QString, first);
        QFETCH(QString, last);
        auto* list = m_window->findChild<QComboBox*>(name);
        QVERIFY(list);
        QVERIFY(!list->isEditable());
        QCOMPARE(list->count(), count);
        QCOMPARE(list->itemText(0), first);
        QCOMPARE(list->itemText(count - 1), last);
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(control<QLineEdit>("txtName")->text().isEmpty());
    }

    void keyboardOrder() {
        QCOMPARE(m_window->focusWidget(), control("txtName"));
        const QStringList expected = {
            QStringLiteral("txtName"),           QStringLiteral("cmbDate"),
            QStringLiteral("cmbMonth"),          QStringLiteral("cmbYear"),
            QStringLiteral("cmdRunicAstrology"), QStringLiteral("cmdOpen"),
            QStringLiteral("cmdExit"),           QStringLiteral("txtName")};
        QStringList visited = {m_window->focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab);
            visited.append(m_window->focusWidget()->objectName());
        }
        QCOMPARE(visited, expected);
    }

    void pointer_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Qt::CursorShape>("shape");
        QTest::newRow("Label61, a link") << "Label61" << Qt::PointingHandCursor;
        QTest::newRow("lblFullBrand, a link") << "lblFullBrand" << Qt::PointingHandCursor;
        QTest::newRow("lblCobrand, a link") << "lblCobrand" << Qt::PointingHandCursor;
        QTest::newRow("Label7, plain") << "Label7" << Qt::ArrowCursor;
        QTest::newRow("Label1, plain") << "Label1" << Qt::ArrowCursor;
        QTest::newRow("Label3, plain") << "Label3" << Qt::ArrowCursor;
        QTest::newRow("Label4, plain") << "Label4" << Qt::ArrowCursor;
    }

    void pointer() {
        QFETCH(QString, name);
        QFETCH(Qt::CursorShape, shape);
        QWidget* widget = m_window->findChild<QWidget*>(name);
        QVERIFY(widget);
        QCOMPARE(widget->cursor().shape(), shape);
    }

    void menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries"); // "name=caption", separators as "name=-"
        QTest::newRow("menu bar") << ""
                                  << QStringList{"mnuFile=&File", "mnuHelp=&Help",
                                                 "mnuDonate=&Donate",
                                                 "mnuMakeMoneyOnline=Make Money &Online"};
        QTest::newRow("mnuFile") << "mnuFile"
                                 << QStringList{"mnuPreviouslySavedRunicAstrology=Open "
                                                "Previously Saved Runic Astrology Interpretation",
                                                "mnuGenerateRunicAstrology=Generate My &Runic "
                                                "Astrology Reading",
                                                "mnuExit=E&xit"};
        QTest::newRow("mnuHelp") << "mnuHelp"
                                 << QStringList{"mnuOnline=&Online Help",
                                                "mnuVisit=&Visit Us Online",
                                                "mnuHelp1=-",
                                                "mnuUpdate=Check for Software &Update",
                                                "mnuHelp2=-",
                                                "mnuAbout=&About Software"};
    }

    void menus() {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        QWidget* owner = menu.isEmpty() ? static_cast<QWidget*>(m_window->menuBar())
                                        : m_window->findChild<QMenu*>(menu);
        QVERIFY(owner);
        QCOMPARE(menuEntries(owner), entries);
    }

    void makeMoneyOnlineIsSwitchedOff() {
        QAction* entry = control<QAction>("mnuMakeMoneyOnline");
        QVERIFY(entry);
        QVERIFY(!entry->isEnabled());
        entry->trigger();
        QVERIFY(services().openedAddresses.isEmpty());
    }

    void nameKeyFilter_data() {
        QTest::addColumn<Strokes>("strokes");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("messages");
        QTest::newRow("lower case appears as capitals") << typed("astrid") << "ASTRID" << 0;
        QTest::newRow("capitals stay") << typed("ASTRID") << "ASTRID" << 0;
        QTest::newRow("spaces pass") << typed("an na") << "AN NA" << 0;
        QTest::newRow("a digit after letters is refused once") << typed("ab1") << "AB" << 1;
        QTest::newRow("every refused key has its message") << typed("1-2") << "" << 3;
        QTest::newRow("punctuation is refused") << typed("o'neil") << "ONEIL" << 1;
        QTest::newRow("an accented letter is refused")
            << Strokes{{Qt::Key_Eacute, QStringLiteral("é")}} << "" << 1;
        QTest::newRow("the paste shortcut is refused")
            << typed("ab") + Strokes{controlStroke('v')} << "AB" << 1;
        QTest::newRow("the copy shortcut is refused")
            << typed("ab") + Strokes{controlStroke('c')} << "AB" << 1;
        QTest::newRow("the undo shortcut is refused")
            << typed("ab") + Strokes{controlStroke('z')} << "AB" << 1;
        QTest::newRow("Ctrl+Backspace is refused, the word stays")
            << typed("ab") + Strokes{keyStroke(Qt::Key_Backspace, Qt::ControlModifier)} << "AB"
            << 1;
        QTest::newRow("Ctrl+Return and Ctrl+Enter are refused")
            << typed("ab") +
                   Strokes{keyStroke(Qt::Key_Return, Qt::ControlModifier),
                           keyStroke(Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier)}
            << "AB" << 2;
        QTest::newRow("Ctrl with a bracket, backslash, caret or underscore is refused")
            << Strokes{keyStroke(Qt::Key_BracketLeft, Qt::ControlModifier),
                       keyStroke(Qt::Key_Backslash, Qt::ControlModifier),
                       keyStroke(Qt::Key_BracketRight, Qt::ControlModifier),
                       keyStroke(Qt::Key_AsciiCircum, Qt::ControlModifier | Qt::ShiftModifier),
                       keyStroke(Qt::Key_Underscore, Qt::ControlModifier | Qt::ShiftModifier)}
            << "" << 5;
        QTest::newRow("backspace edits")
            << typed("abc") + Strokes{{Qt::Key_Backspace, "\b"}} << "AB" << 0;
        QTest::newRow("delete, home, end and arrows edit")
            << typed("abc") +
                   Strokes{keyStroke(Qt::Key_Home), keyStroke(Qt::Key_Delete),
                           keyStroke(Qt::Key_End), keyStroke(Qt::Key_Left)} +
                   typed("x")
            << "BXC" << 0;
        QTest::newRow("an Alt combination types nothing")
            << Strokes{{Qt::Key_Q, QStringLiteral("q"), Qt::AltModifier}} << "" << 0;
    }

    void nameKeyFilter() {
        QFETCH(Strokes, strokes);
        QFETCH(QString, shown);
        QFETCH(int, messages);
        QApplication::clipboard()->setText(QStringLiteral("PASTED"));
        type(strokes);
        QCOMPARE(control<QLineEdit>("txtName")->text(), shown);
        QCOMPARE(services().messages.size(), messages);
        for (const auto& message : std::as_const(services().messages)) {
            QCOMPARE(message.text, QStringLiteral("Please Enter Only Alphabet !"));
            QCOMPARE(message.icon, platform::Icon::Information);
        }
    }

    void pasteFromTheContextMenuIsNotFiltered() {
        QApplication::clipboard()->setText(QStringLiteral("anna 2"));
        QLineEdit* txtName = control<QLineEdit>("txtName");
        std::unique_ptr<QMenu> menu(txtName->createStandardContextMenu());
        QAction* paste = nullptr;
        for (QAction* action : menu->actions()) {
            if (action->text().remove(QLatin1Char('&')).startsWith(QStringLiteral("Paste")))
                paste = action;
        }
        QVERIFY(paste);
        paste->trigger();
        QCOMPARE(txtName->text(), QStringLiteral("anna 2"));
        QVERIFY(services().messages.isEmpty());
    }

    void composedTextIsFiltered_data() {
        QTest::addColumn<QString>("committed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("messages");
        QTest::newRow("a composed letter becomes a capital") << "a"
                                                             << "A" << 0;
        QTest::newRow("an accented letter is refused") << "é"
                                                       << "" << 1;
        QTest::newRow("one message for a refused run") << "b1é"
                                                       << "B" << 1;
    }

    void composedTextIsFiltered() {
        QFETCH(QString, committed);
        QFETCH(QString, shown);
        QFETCH(int, messages);
        QLineEdit* txtName = control<QLineEdit>("txtName");
        QInputMethodEvent event;
        event.setCommitString(committed);
        QApplication::sendEvent(txtName, &event);
        QCOMPARE(txtName->text(), shown);
        QCOMPARE(services().messages.size(), messages);
    }

    void validation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        QTest::addColumn<platform::Icon>("icon");
        QTest::addColumn<bool>("focusName");
        const QString nameMessage = QStringLiteral("Please Enter Your Name !");
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString thirty = QStringLiteral("Please Enter Correct Date Or Month !");
        QTest::newRow("no name") << "" << 1 << "January" << 1900 << nameMessage
                                 << platform::Icon::None << true;
        QTest::newRow("no name and 31 April: only the name")
            << "" << 31 << "April" << 1980 << nameMessage << platform::Icon::None << true;
        QTest::newRow("a name of spaces only")
            << "   " << 1 << "January" << 1980 << nameMessage << platform::Icon::None << true;
        QTest::newRow("29 February 1900, a day that never was")
            << "ANNA" << 29 << "February" << 1900 << february << platform::Icon::Information
            << false;
        QTest::newRow("30 February") << "ANNA" << 30 << "February" << 1980 << february
                                     << platform::Icon::Information << false;
        QTest::newRow("29 February of a common year")
            << "ANNA" << 29 << "February" << 1981 << february << platform::Icon::Information
            << false;
        QTest::newRow("31 April") << "ANNA" << 31 << "April" << 1980 << thirty
                                  << platform::Icon::Information << false;
        QTest::newRow("31 November")
            << "ANNA" << 31 << "November" << 2001 << thirty << platform::Icon::Information << false;
    }

    void validation() {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(QString, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        QFETCH(platform::Icon, icon);
        QFETCH(bool, focusName);
        const std::string signBefore = modRunicAstrology::CurrentSunSign;
        enter(name, day, month, year);
        QWidget* cmbYear = control("cmbYear");
        cmbYear->setFocus();
        QTest::keyClick(cmbYear, Qt::Key_Return);

        QCOMPARE(services().messages.size(), 1);
        QCOMPARE(services().messages.constFirst().text, message);
        QCOMPARE(services().messages.constFirst().icon, icon);
        QCOMPARE(m_window->focusWidget(), focusName ? control("txtName") : cmbYear);
        QVERIFY(m_window->isVisible());
        QVERIFY(!reading());
        QCOMPARE(control<QLineEdit>("txtName")->text(), name);
        QCOMPARE(control<QComboBox>("cmbMonth")->currentText(), month);
        QCOMPARE(modRunicAstrology::CurrentSunSign, signBefore);
    }

    void generateTriggers_data() {
        QTest::addColumn<Trigger>("trigger");
        QTest::newRow("the button") << Trigger::ButtonClick;
        QTest::newRow("the File menu entry") << Trigger::MenuEntry;
        QTest::newRow("Enter in the name box") << Trigger::EnterInName;
        QTest::newRow("Esc in the name box") << Trigger::EscapeInName;
        QTest::newRow("Enter on a closed list") << Trigger::EnterOnClosedList;
        QTest::newRow("Esc on a closed list") << Trigger::EscapeOnClosedList;
        QTest::newRow("Alt+R") << Trigger::AltR;
    }

    void generateTriggers() {
        QFETCH(Trigger, trigger);
        enter(QStringLiteral("ANNA"), 12, QStringLiteral("March"), 1980);
        pull(trigger);
        // A mnemonic presses its button the way a click does, a moment later.
        QTRY_VERIFY(reading());
        QVERIFY(reading()->isVisible());
        QVERIFY(!m_window->isVisible());
        QVERIFY(services().messages.isEmpty());
    }

    void escapeWithAnOpenListOnlyClosesTheList() {
        enter(QStringLiteral("ANNA"), 12, QStringLiteral("March"), 1980);
        auto* cmbMonth = control<QComboBox>("cmbMonth");
        cmbMonth->showPopup();
        QWidget* list = QApplication::activePopupWidget();
        QVERIFY(list);
        QTest::keyClick(list, Qt::Key_Escape);
        QVERIFY(!QApplication::activePopupWidget());
        QVERIFY(!reading());
        QVERIFY(m_window->isVisible());
    }

    void enterOnAnotherButtonPressesThatButton() {
        enter(QStringLiteral("ANNA"), 12, QStringLiteral("March"), 1980);
        QWidget* cmdExit = control("cmdExit");
        cmdExit->setFocus();
        QTest::keyClick(cmdExit, Qt::Key_Return);
        QVERIFY(!reading());
        QCOMPARE(m_leave->leaves(), 1);
    }

    void generateShowsTheReading() {
        enter(QStringLiteral("  ASTRID  "), 12, QStringLiteral("March"), 1980);
        QTest::mouseClick(control("cmdRunicAstrology"), Qt::LeftButton);
        frmDisplay* display = reading();
        QVERIFY(display);
        QCOMPARE(display->origin(), static_cast<ReadingOrigin*>(m_window.data()));
        QCOMPARE(display->findChild<QTabWidget*>("SSTab1")->currentIndex(), 0);

        const auto shown = [display](const char* name) {
            return display->findChild<QLabel*>(QLatin1String(name))->text();
        };
        QCOMPARE(shown("lblSunSign"), QStringLiteral("Pisces"));
        QCOMPARE(shown("lblCorrespondingRuneStone"), QStringLiteral("Gebo"));
        QCOMPARE(shown("lblFavorablePlanet"), QStringLiteral("Neptune and Jupiter"));
        QCOMPARE(shown("lblStoneWithPlanet"), QStringLiteral("Mannaz"));
        QCOMPARE(shown("lblColorWithPlanet"), QStringLiteral("Deep Red"));
        QCOMPARE(shown("lblSunSignElement"), QStringLiteral("Water"));

        const auto picture = [display](const char* name) {
            return display->findChild<QLabel*>(QLatin1String(name))->pixmap().toImage();
        };
        QCOMPARE(picture("picStone"), m_window->IMGStoneList().picture(12).toImage());
        QCOMPARE(picture("picStonewithplanet"),
                 m_window->IMGStoneListWithPlanet().picture(4).toImage());
        QCOMPARE(picture("picSunSign"), m_window->IMGSunsignList().picture(12).toImage());

        QCOMPARE(modRunicAstrology::CurrentBirthDetails.Name, std::string("ASTRID"));
        QCOMPARE(modRunicAstrology::CurrentBirthDetails.Day, std::int16_t(12));
        QCOMPARE(modRunicAstrology::CurrentBirthDetails.Month, std::string("March"));
        QCOMPARE(modRunicAstrology::CurrentBirthDetails.Year, std::int16_t(1980));
        QCOMPARE(modRunicAstrology::CurrentSunSign, std::string("Pisces"));
    }

    void backKeepsTheInputs() {
        enter(QStringLiteral("ASTRID"), 12, QStringLiteral("March"), 1980);
        QTest::mouseClick(control("cmdRunicAstrology"), Qt::LeftButton);
        QPointer<frmDisplay> first = reading();
        QVERIFY(first);
        QTest::mouseClick(first->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
        flushDeletes();
        QVERIFY(!first);
        QVERIFY(m_window->isVisible());
        QCOMPARE(m_leave->leaves(), 0);
        QCOMPARE(control<QLineEdit>("txtName")->text(), QStringLiteral("ASTRID"));
        QCOMPARE(control<QComboBox>("cmbDate")->currentText(), QStringLiteral("12"));
        QCOMPARE(control<QComboBox>("cmbMonth")->currentText(), QStringLiteral("March"));
        QCOMPARE(control<QComboBox>("cmbYear")->currentText(), QStringLiteral("1980"));

        QTest::mouseClick(control("cmdRunicAstrology"), Qt::LeftButton);
        QVERIFY(reading());
        QCOMPARE(reading()->findChild<QLabel*>("lblSunSign")->text(), QStringLiteral("Pisces"));
    }

    // Each of the 27 fields of a reading against the control that shows it.
    // The second comes in a window built in advance, given the first date's pictures.
    void aSecondReadingShowsNothingOfTheFirst() {
        m_window->prepareReadingWindows();
        enter(QStringLiteral("ASTRID"), 12, QStringLiteral("March"), 1980);
        QTest::mouseClick(control("cmdRunicAstrology"), Qt::LeftButton);
        reading()->findChild<QTabWidget*>("SSTab1")->setCurrentIndex(1);
        QTest::mouseClick(reading()->findChild<QPushButton*>("cmdBack"), Qt::LeftButton);
        flushDeletes();
        QTRY_VERIFY(m_window->readingWindowPrepared());

        control<QComboBox>("cmbDate")->setCurrentText(QStringLiteral("21"));
        QTest::mouseClick(control("cmdRunicAstrology"), Qt::LeftButton);
        frmDisplay* display = reading();
        QVERIFY(display);
        QCOMPARE(display->findChild<QTabWidget*>("SSTab1")->currentIndex(), 0);

        const std::optional<modRunicAstrology::Reading> aries =
            modRunicAstrology::BuildReading("Aries");
        QVERIFY(aries);
        QCOMPARE(shownreading::textDifference(*display, *aries), QString());
        for (const fieldPlaces::Place& place : fieldPlaces::places()) {
            if (!place.pictures)
                continue;
            const auto name = QString::fromLatin1(modRunicAstrology::describe(place.field).control);
            const QImage shown = display->findChild<QLabel*>(name)->pixmap().toImage();
            const PictureCollection& pictures = (m_window->*place.pictures)();
            const QString key = QString::fromStdString((*aries)[place.field]);
            QVERIFY2(shown == pictures.picture(key).toImage(), qPrintable(name));
        }
        // The two paragraphs of the Aries rune text stay two paragraphs.
        QCOMPARE(display->findChild<QPlainTextEdit*>("txtAboutYourRuneStone")->blockCount(), 2);
    }

    void pagesOpened_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("address");
        QTest::newRow("mnuOnline") << "mnuOnline" << address("help-web-page");
        QTest::newRow("mnuVisit") << "mnuVisit" << address("home-page");
        QTest::newRow("mnuUpdate") << "mnuUpdate" << address("download-web-page");
        QTest::newRow("mnuDonate") << "mnuDonate" << address("donate");
        QTest::newRow("Label61") << "Label61" << address("home-page");
        QTest::newRow("lblFullBrand") << "lblFullBrand" << address("fully-branded");
    }

    void pagesOpened() {
        QFETCH(QString, name);
        QFETCH(QString, address);
        if (auto* action = m_window->findChild<QAction*>(name)) {
            action->trigger();
            action->trigger();
        } else {
            // A click, then a screen reader's press, which leaves the focus where it is.
            QWidget* label = m_window->findChild<QWidget*>(name);
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
            QWidget* focus = m_window->focusWidget();
            QVERIFY(pressAsScreenReader(label));
            QCOMPARE(m_window->focusWidget(), focus);
        }
        QCOMPARE(services().openedAddresses, QStringList({address, address}));
        QVERIFY(m_window->isVisible());
    }

    void advertInFront_data() {
        QTest::addColumn<QList<int>>("draws");
        QTest::addColumn<QString>("front");
        QTest::addColumn<QString>("address");
        const QString coBrand = address("co-brand");
        const QString fullBrand = address("fully-branded");
        QTest::newRow("none: full branding") << QList<int>{} << "lblFullBrand" << fullBrand;
        QTest::newRow("1: co-branding") << QList<int>{1} << "lblCobrand" << coBrand;
        QTest::newRow("2: full branding") << QList<int>{2} << "lblFullBrand" << fullBrand;
        QTest::newRow("3: co-branding") << QList<int>{3} << "lblCobrand" << coBrand;
        QTest::newRow("4: full branding") << QList<int>{4} << "lblFullBrand" << fullBrand;
        QTest::newRow("5: co-branding") << QList<int>{5} << "lblCobrand" << coBrand;
        QTest::newRow("6: full branding") << QList<int>{6} << "lblFullBrand" << fullBrand;
        QTest::newRow("7: unchanged, full branding")
            << QList<int>{7} << "lblFullBrand" << fullBrand;
        QTest::newRow("7 after 1: unchanged, co-branding")
            << QList<int>{1, 7} << "lblCobrand" << coBrand;
    }

    // Only the advert in front is seen and takes the click on the shared rectangle.
    void advertInFront() {
        QFETCH(QList<int>, draws);
        QFETCH(QString, front);
        QFETCH(QString, address);
        for (int draw : draws)
            m_window->bringAdvertToFront(static_cast<std::int16_t>(draw));
        QWidget* Frame5 = control("Frame5");
        QWidget* hit = Frame5->childAt(fromTwips(120, 240, 7065, 615).center());
        QVERIFY(hit);
        QCOMPARE(hit->objectName(), front);
        clickTwice(hit);
        QCOMPARE(services().openedAddresses, QStringList({address, address}));
    }

    void coBrandRandomizeDraws() {
        m_window->CoBrand_Randomize();
        const std::int16_t number = m_window->coBrandRandomNumber();
        QVERIFY(number >= 1 && number <= 7);
        // Without a draw of 7 the drawn advert lies in front; 7 leaves the first one there.
        const char* expected =
            coBrandFrontFor(number) == CoBrandFront::CoBrand ? "lblCobrand" : "lblFullBrand";
        QWidget* hit = control("Frame5")->childAt(fromTwips(120, 240, 7065, 615).center());
        QVERIFY(hit);
        QCOMPARE(hit->objectName(), QString::fromLatin1(expected));
    }

    void closing_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("the Exit button") << "cmdExit";
        QTest::newRow("Alt+E") << "alt+e";
        QTest::newRow("the File menu's Exit") << "mnuExit";
        QTest::newRow("the close box") << "close";
    }

    void closing() {
        QFETCH(QString, how);
        if (how == QLatin1String("cmdExit"))
            QTest::mouseClick(control("cmdExit"), Qt::LeftButton);
        else if (how == QLatin1String("alt+e"))
            QTest::keyClick(control("txtName"), Qt::Key_E, Qt::AltModifier);
        else if (how == QLatin1String("mnuExit"))
            control<QAction>("mnuExit")->trigger();
        else
            m_window->close();
        QTRY_COMPARE(m_leave->leaves(), 1);
        flushDeletes();
        QVERIFY(!m_window);
    }

    void aboutOpensModally() {
        QPointer<QWidget> seen;
        bool isAbout = false;
        bool modal = false;
        QTimer::singleShot(0, this, [&] {
            seen = QApplication::activeModalWidget();
            if (!seen)
                return;
            isAbout = qobject_cast<frmAbout*>(seen.data()) != nullptr;
            modal = seen->isModal();
            QTest::keyClick(seen->focusWidget() ? seen->focusWidget() : seen.data(),
                            Qt::Key_Escape);
            if (seen && seen->isVisible())
                seen->close(); // never leave the test waiting on a modal window
        });
        control<QAction>("mnuAbout")->trigger();
        QVERIFY(isAbout);
        QVERIFY(modal);
        flushDeletes();
        QVERIFY2(!seen, "the About window is destroyed once closed");
        QVERIFY(m_window->isVisible());
    }

    // What a screen reader announces for each control.
    void accessibleNames() {
        const QList<QWidget*> controls = m_window->centralWidget()->findChildren<QWidget*>();
        int named = 0;
        for (QWidget* widget : controls) {
            if (!qobject_cast<QLabel*>(widget) && !qobject_cast<QPushButton*>(widget) &&
                !qobject_cast<QLineEdit*>(widget) && !qobject_cast<QComboBox*>(widget))
                continue;
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
            QVERIFY(accessible);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(widget->objectName()));
            ++named;
        }
        QCOMPARE(named, 16);
        QCOMPARE(QAccessible::queryAccessibleInterface(control("cmdRunicAstrology"))
                     ->text(QAccessible::Name),
                 QStringLiteral("Generate My Runic Astrology Reading"));
        QCOMPARE(QAccessible::queryAccessibleInterface(control("txtName"))->text(QAccessible::Name),
                 QStringLiteral("Name"));
    }
};

int runMainWindowTests(int argc, char** argv) {
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmmain.moc"
