// The reading window, opened the way a person opens it (Generate on the main window for
// 12 March 1980): its look against the control tables, the clipboard rules, its keys, links
// and the two ways out.

#include "reading/engine.h"
#include "shell/fakeservices.h"
#include "support/windowtesting.h"
#include "ui/frmabout.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>

#include <memory>
#include <span>

using namespace windowtesting;
using fieldPlaces::Panel;
using fieldPlaces::Place;
using modRunicAstrology::describe;
using modRunicAstrology::FieldKind;

namespace {

enum class Mouse { Press, Release, Click, DoubleClick, MoveWithoutButton, TextChange };

} // namespace

Q_DECLARE_METATYPE(Mouse)

class TestReadingWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::ScopedFakeServices> m_services;
    std::unique_ptr<LeaveRecorder> m_leave;
    QPointer<frmMain> m_main;
    QPointer<frmDisplay> m_window;

    template <typename T = QWidget> T* control(const char* name) const {
        return m_window->findChild<T*>(QLatin1String(name));
    }
    template <typename T = QWidget> T* control(const QString& name) const {
        return m_window->findChild<T*>(name);
    }
    platform::FakeServices& services() const { return *m_services; }

    // At its corner and with room for its whole text, or, given a size, on that rectangle, where a
    // label wraps its text to fit.
    static bool standsAt(QWidget* widget, const fieldPlaces::Twips& at) {
        auto* label = qobject_cast<QLabel*>(widget);
        const bool wraps = label && label->pixmap().isNull() && label->wordWrap();
        if (at.width > 0)
            return widget->geometry() == fromTwips(at.left, at.top, at.width, at.height) &&
                   (!label || wraps || !label->pixmap().isNull()) &&
                   (!wraps || label->heightForWidth(label->width()) <= label->height());
        return widget->pos() == QPoint(px(at.left), px(at.top)) && label && !wraps &&
               !label->text().isEmpty() &&
               label->width() >= label->fontMetrics().horizontalAdvance(label->text());
    }

    static void checkFont(QLabel* label, qreal points, bool underline, const QColor& colour) {
        QCOMPARE(label->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(label->font().pointSizeF(), points);
        QVERIFY(label->font().bold());
        QCOMPARE(label->font().underline(), underline);
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);
        QVERIFY(!label->autoFillBackground());
    }

    static void checkValueLabel(QLabel* label, const Place& where) {
        QVERIFY(label);
        QVERIFY(!label->text().isEmpty());
        if (where.title)
            checkFont(label, 9.75, false, QColor("#FF80FF"));
        else
            checkFont(label, 8.25, false, QColor("#FFFF00"));
    }

    // Read-only, scrolling rather than cut off.
    static void checkLongText(QPlainTextEdit* box, const Place& where) {
        QVERIFY(box);
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QCOMPARE(box->palette().color(QPalette::Text), QColor("#FFFF00"));
        QCOMPARE(box->palette().color(QPalette::Base), QColor(where.background));
        QVERIFY(!box->toPlainText().isEmpty());
        QVERIFY(box->verticalScrollBar()->maximum() > 0);
    }
    QTabWidget* tabControl() const { return control<QTabWidget>("SSTab1"); }

    void generate(int day, const QString& month) {
        m_main->findChild<QLineEdit*>("txtName")->setText(QStringLiteral("ASTRID"));
        m_main->findChild<QComboBox*>("cmbDate")->setCurrentText(QString::number(day));
        m_main->findChild<QComboBox*>("cmbMonth")->setCurrentText(month);
        m_main->findChild<QComboBox*>("cmbYear")->setCurrentText(QStringLiteral("1980"));
        QTest::mouseClick(m_main->findChild<QPushButton*>("cmdRunicAstrology"), Qt::LeftButton);
        m_window = m_main->readingWindow();
    }

private slots:
    void init() {
        m_services = std::make_unique<platform::ScopedFakeServices>();
        m_leave = std::make_unique<LeaveRecorder>();
        m_main = new frmMain;
        m_main->show();
        generate(12, QStringLiteral("March"));
        QVERIFY(m_window);
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() {
        delete m_window;
        delete m_main;
        flushDeletes();
        m_leave.reset();
        m_services.reset();
    }

    void windowProperties() {
        QCOMPARE(m_window->windowTitle(), Caption);
        QCOMPARE(m_window->centralWidget()->size(), QSize(653, 520));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(!m_window->windowIcon().isNull());
        QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!m_window->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        const QPoint offCentre =
            m_window->frameGeometry().center() - m_window->screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 4);
        QVERIFY(!m_main->isVisible());
    }

    void tabs_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("page");
        QTest::newRow("tab 0") << 0 << "Corresponding Rune Stone"
                               << "Frame1";
        QTest::newRow("tab 1") << 1 << "Sun Sign Characteristics"
                               << "Frame3";
    }

    void tabs() {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, page);
        QCOMPARE(tabControl()->count(), 2);
        QCOMPARE(tabControl()->tabText(index), caption);
        QCOMPARE(tabControl()->widget(index)->objectName(), page);
        // Both tabs share the one row.
        QCOMPARE(tabControl()->tabBar()->tabRect(index).top(), 0);
    }

    void opensOnTheFirstTabWithItFocused() {
        QCOMPARE(tabControl()->currentIndex(), 0);
        QCOMPARE(m_window->focusWidget(), tabControl()->tabBar());
    }

    void controlGeometry_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("container");
        QTest::addColumn<QRect>("geometry");
        const auto row = [](const char* name, const char* container, QRect geometry) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(container)
                                << geometry;
        };
        row("Frame2", "window", fromTwips(0, -40, 9800, 615));
        row("Label61", "Frame2", fromTwips(120, 120, 9480, 585));
        row("SSTab1", "window", fromTwips(0, 585, 9795, 6470));
        row("Frame5", "window", fromTwips(0, 7005, 9800, 780));
        row("cmdPrint", "Frame5", fromTwips(7080, 240, 1260, 465));
        row("cmdBack", "Frame5", fromTwips(8400, 240, 1260, 465));
        row("lblFullBrand", "Frame5", fromTwips(120, 120, 6345, 615));
        row("Frame4", "Frame1", fromTwips(45, 3000, 9720, 3045));
    }

    void controlGeometry() {
        QFETCH(QString, name);
        QFETCH(QString, container);
        QFETCH(QRect, geometry);
        QWidget* widget = control(name);
        QVERIFY(widget);
        QCOMPARE(containerOf(widget), container);
        QCOMPARE(widget->geometry(), geometry);
    }

    void pagesLieBelowTheTabs_data() {
        QTest::addColumn<QString>("page");
        QTest::newRow("Frame1") << "Frame1";
        QTest::newRow("Frame3") << "Frame3";
    }

    void pagesLieBelowTheTabs() {
        QFETCH(QString, page);
        QWidget* frame = control(page);
        QVERIFY(frame);
        tabControl()->setCurrentWidget(frame);
        const QRect expected = fromTwips(0, 360, 9800, 6100);
        QCOMPARE(frame->mapTo(tabControl(), QPoint(0, 0)), expected.topLeft());
        // The page fills the control to its bottom edge, 6470 twips down.
        QCOMPARE(frame->width(), px(9795));
        QCOMPARE(frame->height(), px(6470) - px(360));
    }

    // Each field's value control and heading as the field table names, captions and places
    // them, in the look of its kind.
    void fieldControls_data() {
        QTest::addColumn<int>("place");
        const std::span<const Place> places = fieldPlaces::places();
        QCOMPARE(places.size(), modRunicAstrology::FieldCount);
        for (std::size_t i = 0; i < places.size(); ++i)
            QTest::newRow(describe(places[i].field).control.data()) << int(i);
    }

    void fieldControls() {
        QFETCH(int, place);
        const Place& where = fieldPlaces::places()[std::size_t(place)];
        const modRunicAstrology::FieldDescription& field = describe(where.field);
        tabControl()->setCurrentIndex(where.panel == Panel::SunSign ? 1 : 0);
        QWidget* value = control(QString::fromLatin1(field.control));
        QVERIFY(value);
        const char* panels[] = {"Frame1", "Frame4", "Frame3"};
        QCOMPARE(containerOf(value), QLatin1String(panels[int(where.panel)]));
        QVERIFY(standsAt(value, where.value));
        switch (field.kind) {
        case FieldKind::Text:
            checkValueLabel(qobject_cast<QLabel*>(value), where);
            break;
        case FieldKind::LongText:
            checkLongText(qobject_cast<QPlainTextEdit*>(value), where);
            break;
        case FieldKind::PictureKey:
            QVERIFY(!qobject_cast<QLabel*>(value)->pixmap().isNull());
            break;
        }
        if (!where.heading)
            return;
        auto* heading = control<QLabel>(where.heading);
        QVERIFY(heading);
        QCOMPARE(heading->parentWidget(), value->parentWidget());
        QCOMPARE(heading->text(), QString::fromLatin1(field.tabCaption));
        QCOMPARE(heading->buddy(), where.accessibleName ? nullptr : value);
        QVERIFY(standsAt(heading, where.headingAt));
        checkFont(heading, 8.25, true, QColor("#FFFFFF"));
    }

    void backgroundAsSeen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Frame2") << "Frame2" << 0 << QPoint(2, 5) << QColor("#378F67");
        QTest::newRow("Frame1") << "Frame1" << 0 << QPoint(3, 3) << QColor("#404040");
        QTest::newRow("Frame4") << "Frame4" << 0 << QPoint(3, 3) << QColor("#378F67");
        QTest::newRow("Frame3") << "Frame3" << 1 << QPoint(3, 3) << QColor("#404040");
        QTest::newRow("Frame5") << "Frame5" << 0 << QPoint(2, 50) << QColor("#378F67");
        QTest::newRow("cmdBack") << "cmdBack" << 0 << QPoint(5, 5) << QColor("#808080");
        QTest::newRow("cmdPrint") << "cmdPrint" << 0 << QPoint(5, 5) << QColor("#808080");
        QTest::newRow("lblFullBrand, opaque") << "lblFullBrand" << 0 << QPoint(1, 39)
                                              << QApplication::palette().color(QPalette::Button);
    }

    void backgroundAsSeen() {
        QFETCH(QString, name);
        QFETCH(int, tab);
        QFETCH(QPoint, point);
        QFETCH(QColor, colour);
        tabControl()->setCurrentIndex(tab);
        QWidget* widget = control(name);
        QVERIFY(widget);
        QCOMPARE(seenAt(widget, point), colour);
    }

    void bandControls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("Label61") << "Label61" << QString() << 9.0 << true << QColor("#FFFF80");
        QTest::newRow("cmdPrint") << "cmdPrint"
                                  << "&Print" << 8.25 << false << QColor();
        QTest::newRow("cmdBack") << "cmdBack"
                                 << "&Back" << 8.25 << false << QColor();
        QTest::newRow("lblFullBrand")
            << "lblFullBrand"
            << "Home Business Opportunity. Start your own Internet business and make money "
               "online. Get this software fully branded for your website. Click here for more "
               "details."
            << 8.25 << true << QColor("#0000FF");
    }

    void bandControls() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(qreal, points);
        QFETCH(bool, underline);
        QFETCH(QColor, colour);
        QWidget* widget = control(name);
        QVERIFY(widget);
        if (!caption.isEmpty())
            QCOMPARE(widget->property("text").toString(), caption);
        QCOMPARE(widget->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(widget->font().pointSizeF(), points);
        QVERIFY(widget->font().bold());
        QCOMPARE(widget->font().underline(), underline);
        if (colour.isValid())
            QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
        // The same advertisement as on the main window.
        if (name == QLatin1String("Label61"))
            QCOMPARE(qobject_cast<QLabel*>(widget)->text(),
                     m_main->findChild<QLabel*>("Label61")->text());
    }

    void neitherButtonIsDefault() {
        for (const char* name : {"cmdPrint", "cmdBack"})
            QVERIFY(!control<QPushButton>(name)->isDefault());
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Escape})
            QTest::keyClick(tabControl()->tabBar(), key);
        QVERIFY(m_window && m_window->isVisible());
        QCOMPARE(m_leave->leaves(), 0);
        QVERIFY(!m_main->isVisible());
    }

    void keyboardOrder_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<QStringList>("order");
        // Controls on the hidden page are skipped.
        QTest::newRow("on tab 0") << 0
                                  << QStringList{"cmdBack", "cmdPrint", "txtAboutYourRuneStone",
                                                 "txtAboutYourRuneStoneWithPlanet"};
        QTest::newRow("on tab 1") << 1
                                  << QStringList{"txtSunSignNegativeTraits",
                                                 "txtSunSignPositiveTraits", "cmdBack", "cmdPrint"};
    }

    void keyboardOrder() {
        QFETCH(int, tab);
        QFETCH(QStringList, order);
        tabControl()->setCurrentIndex(tab);
        tabControl()->setFocus();
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(m_window->focusWidget(), Qt::Key_Tab);
            visited.append(m_window->focusWidget()->objectName());
        }
        QCOMPARE(visited, order);
    }

    void menus_data() {
        QTest::addColumn<QString>("menu");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("menu bar") << ""
                                  << QStringList{"mnuFile=&File", "mnuHelp=&Help",
                                                 "mnuDonate=&Donate",
                                                 "mnuMakeMoneyOnline=Make Money &Online"};
        QTest::newRow("mnuFile") << "mnuFile"
                                 << QStringList{"mnuFileBack=&Back", "mnuPrint=&Print"};
        QTest::newRow("mnuHelp") << "mnuHelp" << QStringList{"mnuOnline=&Online Help",
                                                             "mnuVisit=&Visit Us Online",
                                                             "mnuFileSep1=-",
                                                             "mnuUpdate=&Check for Software Update",
                                                             "mnuFileSep2=-",
                                                             "mnuAbout=&About Software"};
    }

    void menus() {
        QFETCH(QString, menu);
        QFETCH(QStringList, entries);
        QWidget* owner = menu.isEmpty() ? static_cast<QWidget*>(m_window->menuBar())
                                        : m_window->findChild<QMenu*>(menu);
        QVERIFY(owner);
        QCOMPARE(menuEntries(owner), entries);
        QVERIFY(!control<QAction>("mnuMakeMoneyOnline")->isEnabled());
    }

    void pagesOpened_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("tab");
        QTest::addColumn<QString>("address");
        QTest::newRow("mnuOnline") << "mnuOnline" << 0 << address("help-web-page");
        QTest::newRow("mnuVisit") << "mnuVisit" << 0 << address("home-page");
        QTest::newRow("mnuUpdate") << "mnuUpdate" << 0 << address("download-web-page");
        QTest::newRow("mnuDonate") << "mnuDonate" << 0 << address("donate");
        QTest::newRow("Label61") << "Label61" << 0 << address("home-page");
        QTest::newRow("lblFullBrand") << "lblFullBrand" << 0 << address("fully-branded");
        QTest::newRow("Label19, the Lucky Color heading") << "Label19" << 1 << address("co-brand");
    }

    void pagesOpened() {
        QFETCH(QString, name);
        QFETCH(int, tab);
        QFETCH(QString, address);
        tabControl()->setCurrentIndex(tab);
        if (auto* action = control<QAction>(name)) {
            action->trigger();
            action->trigger();
        } else {
            // A click, then a screen reader's press, which leaves the focus where it is.
            QWidget* label = control(name);
            QVERIFY(label);
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
            QWidget* focus = m_window->focusWidget();
            QVERIFY(pressAsScreenReader(label));
            QCOMPARE(m_window->focusWidget(), focus);
        }
        QCOMPARE(services().openedAddresses, QStringList({address, address}));
        QVERIFY(m_window->isVisible());
    }

    void otherHeadingsDoNotReact() {
        tabControl()->setCurrentIndex(1);
        for (const char* name : {"Label15", "Label11", "Label23", "Label21", "Label13"}) {
            QWidget* label = control(name);
            QTest::mouseClick(label, Qt::LeftButton, {}, label->rect().center());
        }
        QVERIFY(services().openedAddresses.isEmpty());
        // Label19 reads as a plain heading: no pointing hand.
        QCOMPARE(control("Label19")->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(control("lblFullBrand")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(control("Label61")->cursor().shape(), Qt::PointingHandCursor);
    }

    void fillingEmptiesTheClipboard() { QVERIFY(services().clipboardClears > 0); }

    void clipboard_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("tab");
        QTest::addColumn<Mouse>("mouse");
        QTest::addColumn<bool>("emptied");
        const QList<std::pair<const char*, Mouse>> actions = {
            {"press", Mouse::Press},
            {"release", Mouse::Release},
            {"click", Mouse::Click},
            {"double click", Mouse::DoubleClick},
            {"move without a button", Mouse::MoveWithoutButton},
            {"text change", Mouse::TextChange}};
        const QList<std::tuple<const char*, int, bool>> boxes = {
            {"txtAboutYourRuneStone", 0, true},
            {"txtAboutYourRuneStoneWithPlanet", 0, true},
            {"txtSunSignPositiveTraits", 1, false},
            {"txtSunSignNegativeTraits", 1, false}};
        for (const auto& [box, tab, emptied] : boxes) {
            for (const auto& [action, mouse] : actions) {
                QTest::addRow("%s, %s", box, action)
                    << QString::fromLatin1(box) << tab << mouse << emptied;
            }
        }
    }

    void clipboard() {
        QFETCH(QString, box);
        QFETCH(int, tab);
        QFETCH(Mouse, mouse);
        QFETCH(bool, emptied);
        tabControl()->setCurrentIndex(tab);
        auto* text = control<QPlainTextEdit>(box);
        QVERIFY(text);
        QWidget* area = text->viewport();
        const QPoint point = area->rect().center();
        services().clipboardClears = 0;
        switch (mouse) {
        case Mouse::Press:
            QTest::mousePress(area, Qt::LeftButton, {}, point);
            break;
        case Mouse::Release:
            QTest::mouseRelease(area, Qt::LeftButton, {}, point);
            break;
        case Mouse::Click:
            QTest::mouseClick(area, Qt::LeftButton, {}, point);
            break;
        case Mouse::DoubleClick:
            QTest::mouseDClick(area, Qt::LeftButton, {}, point);
            break;
        case Mouse::MoveWithoutButton:
            QTest::mouseMove(area, point);
            QTest::mouseMove(area, point + QPoint(5, 3));
            break;
        case Mouse::TextChange:
            text->setPlainText(QStringLiteral("Another text"));
            break;
        }
        QCOMPARE(services().clipboardClears > 0, emptied);
    }

    void backByTheFileMenu() {
        control<QAction>("mnuFileBack")->trigger();
        flushDeletes();
        QVERIFY(!m_window);
        QVERIFY(m_main->isVisible());
        QCOMPARE(m_leave->leaves(), 0);
    }

    void closeBoxLeavesTheProgram() {
        m_window->close();
        flushDeletes();
        QVERIFY(!m_window);
        QCOMPARE(m_leave->leaves(), 1);
        QVERIFY(!m_main->isVisible());
    }

    void aboutOpensModally() {
        bool isAbout = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            isAbout = qobject_cast<frmAbout*>(modal) != nullptr;
            QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Return);
            if (QApplication::activeModalWidget() == modal)
                modal->close(); // never leave the test waiting on a modal window
        });
        control<QAction>("mnuAbout")->trigger();
        QVERIFY(isAbout);
        QVERIFY(m_window->isVisible());
    }

    // Everything a screen reader can reach, tab by tab, holds the whole reading.
    void aScreenReaderReadsTheWholeReading() {
        QStringList heard;
        const std::function<void(QAccessibleInterface*)> listen = [&](QAccessibleInterface* node) {
            if (!node || node->state().invisible)
                return;
            heard.append(node->text(QAccessible::Name));
            heard.append(node->text(QAccessible::Description));
            if (QAccessibleTextInterface* text = node->textInterface())
                heard.append(text->text(0, text->characterCount()));
            for (int i = 0; i < node->childCount(); ++i)
                listen(node->child(i));
        };
        for (int tab = 0; tab < 2; ++tab) {
            tabControl()->setCurrentIndex(tab);
            listen(QAccessible::queryAccessibleInterface(m_window.data()));
        }
        const std::optional<modRunicAstrology::Reading> pisces =
            modRunicAstrology::BuildReading("Pisces");
        QVERIFY(pisces);
        for (const modRunicAstrology::FieldDescription& field : modRunicAstrology::Fields) {
            if (field.kind == FieldKind::PictureKey)
                continue;
            const QString value = QString::fromStdString((*pisces)[field.field]);
            QVERIFY2(heard.contains(value), qPrintable(value));
            QVERIFY2(heard.contains(QLatin1String(field.tabCaption)), field.tabCaption.data());
        }
        // Headings as written, where the report or a neighbour words them otherwise.
        for (const char* heading : {"Nordic God", "Lucky Color", "Negative Traits", "Keyword",
                                    "Keywords", "Alternative Names", "Birthstone"})
            QVERIFY2(heard.contains(QLatin1String(heading)), heading);
        // The pictures, by name and by what they show.
        for (const char* picture :
             {"Pisces sign", "Gebo rune stone", "Mannaz rune stone",
              "A green stone with the rune Gebo cut into it",
              "A green stone with the rune Mannaz cut into it",
              "The figure and symbol of Pisces in gold on a round dark red field with stars"})
            QVERIFY2(heard.contains(QLatin1String(picture)), picture);
        QVERIFY(heard.contains(QStringLiteral("Back")));
    }

    // Every sign's values stay inside the window's panels.
    void everySignFits_data() {
        QTest::addColumn<int>("day");
        QTest::addColumn<QString>("month");
        const QList<std::pair<int, const char*>> signs = {
            {1, "April"},    {1, "May"},       {1, "June"},     {1, "July"},
            {1, "August"},   {1, "September"}, {1, "October"},  {1, "November"},
            {1, "December"}, {1, "January"},   {1, "February"}, {1, "March"}};
        for (const auto& [day, month] : signs)
            QTest::addRow("%d %s", day, month) << day << QString::fromLatin1(month);
    }

    void everySignFits() {
        QFETCH(int, day);
        QFETCH(QString, month);
        QTest::mouseClick(control("cmdBack"), Qt::LeftButton);
        flushDeletes();
        generate(day, month);
        QVERIFY(m_window);
        for (QLabel* label : m_window->findChildren<QLabel*>()) {
            if (label->wordWrap() || !label->pixmap().isNull())
                continue;
            const QWidget* panel = label->parentWidget();
            QVERIFY2(label->geometry().right() < panel->width(),
                     qPrintable(label->objectName() + QLatin1String(": ") + label->text()));
        }
        for (const Place& place : fieldPlaces::places()) {
            auto* label = control<QLabel>(describe(place.field).control.data());
            if (label && label->wordWrap())
                QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                         qPrintable(label->text()));
        }
    }
};

int runReadingWindowTests(int argc, char** argv) {
    TestReadingWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmdisplay.moc"
