// The About window: its look against the control table, its keys and its two links.

#include "shell/fakeservices.h"
#include "support/windowtesting.h"
#include "ui/frmabout.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <memory>

using namespace windowtesting;

class TestAboutWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<platform::ScopedFakeServices> m_services;
    std::unique_ptr<QWidget> m_opener;
    QPointer<frmAbout> m_window;

    template <typename T = QWidget> T* control(const QString& name) const {
        return m_window->findChild<T*>(name);
    }

private slots:
    void init() {
        m_services = std::make_unique<platform::ScopedFakeServices>();
        m_opener = std::make_unique<QWidget>();
        m_opener->show();
        m_window = new frmAbout(m_opener.get());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
    }

    void cleanup() {
        delete m_window;
        m_opener.reset();
        flushDeletes();
        m_services.reset();
    }

    void windowProperties() {
        QCOMPARE(m_window->windowTitle(), Caption);
        QCOMPARE(m_window->size(), QSize(423, 249));
        QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
        QVERIFY(m_window->isModal());
        QVERIFY(!m_window->windowIcon().isNull());
        const Qt::WindowFlags flags = m_window->windowFlags();
        // A dialog kept above its opener stays out of the taskbar.
        QCOMPARE(m_window->windowType(), Qt::Dialog);
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowContextHelpButtonHint));
        const QPoint offCentre =
            m_window->frameGeometry().center() - m_window->screen()->availableGeometry().center();
        QVERIFY(offCentre.manhattanLength() <= 4);
        QCOMPARE(seenAt(m_window, QPoint(400, 5)), QColor("#378F67"));
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<QColor>("colour");
        const QColor pale("#FFFF80"), yellow("#FFFF00");
        QTest::newRow("Label2") << "Label2" << fromTwips(840, 240, 2760, 240) << 9.75 << true
                                << false << pale;
        QTest::newRow("Label1") << "Label1" << fromTwips(120, 960, 6225, 855) << 8.25 << false
                                << false << pale;
        QTest::newRow("lblHomePage")
            << "lblHomePage" << fromTwips(2160, 1920, 4050, 195) << 8.25 << false << true << yellow;
        QTest::newRow("Label6") << "Label6" << fromTwips(120, 2280, 6135, 615) << 8.25 << true
                                << false << pale;
        QTest::newRow("Label5") << "Label5" << fromTwips(3960, 2880, 2295, 195) << 8.25 << false
                                << true << yellow;
        QTest::newRow("cmdOK") << "cmdOK" << fromTwips(4920, 3360, 1260, 345) << 8.25 << true
                               << false << QColor();
    }

    void controls() {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        QFETCH(bool, underline);
        QFETCH(QColor, colour);
        QWidget* widget = control(name);
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(widget->font().family(), QStringLiteral("Verdana"));
        QCOMPARE(widget->font().pointSizeF(), points);
        QCOMPARE(widget->font().bold(), bold);
        QCOMPARE(widget->font().underline(), underline);
        if (colour.isValid())
            QCOMPARE(widget->palette().color(QPalette::WindowText), colour);
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            QVERIFY2(label->heightForWidth(label->width()) <= label->height() ||
                         label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                     "the whole text is seen");
        }
    }

    void iconAndRule() {
        auto* picIcon = control<QLabel>(QStringLiteral("picIcon"));
        QVERIFY(picIcon);
        QCOMPARE(picIcon->pos(), QPoint(px(120), px(120)));
        QVERIFY(picIcon->width() >= 32 && picIcon->height() >= 32);
        QCOMPARE(picIcon->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QWidget* Line2 = control(QStringLiteral("Line2"));
        QVERIFY(Line2);
        // From -60 to 6360 twips: across the whole window.
        QCOMPARE(Line2->geometry().left(), px(-60));
        QCOMPARE(Line2->geometry().right() + 1, px(6360));
        QCOMPARE(Line2->y(), px(3120));
        QCOMPARE(seenAt(m_window, QPoint(200, px(3120))), QColor("#FFFF80"));
    }

    void texts() {
        QCOMPARE(control<QLabel>(QStringLiteral("Label2"))->text(), Caption);
        QCOMPARE(control<QLabel>(QStringLiteral("Label6"))->text(),
                 QStringLiteral("Home Business Opportunity. Start your own Internet business and "
                                "make money online. Get this software fully branded for your "
                                "website."));
        QCOMPARE(control<QLabel>(QStringLiteral("Label5"))->text(),
                 QStringLiteral("Click here for more details"));
        QCOMPARE(control<QPushButton>(QStringLiteral("cmdOK"))->text(), QStringLiteral("&OK"));
        const QString paragraph = control<QLabel>(QStringLiteral("Label1"))->text();
        QVERIFY2(paragraph.size() >= 200 && paragraph.size() <= 260, qPrintable(paragraph));
        const QString homePage = control<QLabel>(QStringLiteral("lblHomePage"))->text();
        QVERIFY2(homePage.contains(QUrl(modHelp::SiteBaseAddress).host()), qPrintable(homePage));
    }

    void okHasTheFocus() {
        QCOMPARE(m_window->focusWidget(), control(QStringLiteral("cmdOK")));
        QVERIFY(control<QPushButton>(QStringLiteral("cmdOK"))->isDefault());
    }

    void keysClose_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::newRow("Enter") << Qt::Key_Return << Qt::KeyboardModifiers();
        QTest::newRow("keypad Enter") << Qt::Key_Enter << Qt::KeyboardModifiers(Qt::KeypadModifier);
        QTest::newRow("Esc") << Qt::Key_Escape << Qt::KeyboardModifiers();
        QTest::newRow("Alt+O") << Qt::Key_O << Qt::KeyboardModifiers(Qt::AltModifier);
    }

    void keysClose() {
        QFETCH(Qt::Key, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QTest::keyClick(m_window->focusWidget(), key, modifiers);
        QTRY_VERIFY(!m_window || !m_window->isVisible());
        flushDeletes();
        QVERIFY2(!m_window, "destroyed once closed");
    }

    void linksOpenTheirPagesAndStayOpen_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("page");
        QTest::newRow("lblHomePage") << "lblHomePage"
                                     << "home-page";
        QTest::newRow("Label5") << "Label5"
                                << "fully-branded";
    }

    void linksOpenTheirPagesAndStayOpen() {
        QFETCH(QString, name);
        QFETCH(QString, page);
        QWidget* link = control(name);
        QVERIFY(link);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        const QString opened = address(page);
        QCOMPARE(m_services->openedAddresses, QStringList({opened, opened}));
        QVERIFY(m_window->isVisible());
    }

    void theRestIgnoresTheMouse() {
        for (const char* name : {"Label2", "Label1", "Label6", "picIcon"}) {
            QWidget* widget = control(QLatin1String(name));
            QCOMPARE(widget->cursor().shape(), Qt::ArrowCursor);
            QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        }
        QVERIFY(m_services->openedAddresses.isEmpty());
        QVERIFY(m_window->isVisible());
    }
};

int runAboutWindowTests(int argc, char** argv) {
    TestAboutWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_frmabout.moc"
