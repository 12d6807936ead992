// The exit window as the user meets it: its look, the placeholders, the address boxes, the two
// stages of checks and the pages it opens. Closing it ends the program, which the close-path
// tests cover in processes of their own; here windows are only hidden and deleted.

#include "shell/fakeservices.h"
#include "shell/modtellafriend.h"
#include "support/windowtesting.h"
#include "ui/frmfarewell.h"
#include "ui/linklabel.h"

#include <QCheckBox>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrlQuery>

#include <memory>

using platform::Icon;
using platform::ScopedFakeServices;

namespace {

const QString PageStart = QStringLiteral("http://www.quorvanesoftwares.com/velmora/ssd.php?page=");

void sendFocus(QWidget* box, QEvent::Type type) {
    QFocusEvent event(type, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &event);
}

QString textOf(QWidget* box) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        return plain->toPlainText();
    return qobject_cast<QLineEdit*>(box)->text();
}

void setTextOf(QWidget* box, const QString& text) {
    if (auto* plain = qobject_cast<QPlainTextEdit*>(box))
        plain->setPlainText(text);
    else
        qobject_cast<QLineEdit*>(box)->setText(text);
}

} // namespace

class TestFarewell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void windowFrame();
    void controlPositions_data();
    void controlPositions();
    void fontsAndColours_data();
    void fontsAndColours();
    void fixedTexts();
    void promotionalTextDrawnFromFourAtEachLoad();
    void writtenTextsHaveTheirLengths();

    void placeholders_data();
    void placeholders();
    void spaceRefusedInAddressBoxes_data();
    void spaceRefusedInAddressBoxes();

    void submission_data();
    void submission();
    void untouchedMessageIsSentWithItsLineBreak();
    void windowStaysOpenAndSubmitsAgain();

    void checkBoxOpensTheHomePageAndUnticks();
    void linkOpensTheOtherPrograms();

private:
    template <typename T> T* control(const char* name) {
        T* found = m_window->findChild<T*>(QLatin1String(name));
        if (!found)
            qFatal("no control %s", name);
        return found;
    }
    QWidget* box(const QString& name) { return control<QWidget>(qPrintable(name)); }
    void fill(const QString& name, const QString& email, const QString& friendName,
              const QString& friendEmail);

    std::unique_ptr<ScopedFakeServices> m_services;
    std::unique_ptr<frmFarewell> m_window;
};

void TestFarewell::init() {
    m_services = std::make_unique<ScopedFakeServices>();
    m_window = std::make_unique<frmFarewell>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestFarewell::cleanup() {
    m_window->hide();
    m_window.reset();
    m_services.reset();
}

void TestFarewell::fill(const QString& name, const QString& email, const QString& friendName,
                        const QString& friendEmail) {
    control<QLineEdit>("txtName")->setText(name);
    control<QLineEdit>("txtEmail")->setText(email);
    control<QLineEdit>("txtFriendName")->setText(friendName);
    control<QLineEdit>("txtFriendEmail")->setText(friendEmail);
}

void TestFarewell::windowFrame() {
    QCOMPARE(m_window->windowTitle(), windowtesting::Caption);
    QCOMPARE(m_window->size(), QSize(741, 315));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    const Qt::WindowFlags flags = m_window->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(m_window->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(!m_window->isModal());
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(0xFFFFFF));
    QVERIFY(!m_window->windowIcon().isNull());
    QVERIFY(!control<QLabel>("picIcon")->pixmap().isNull());
}

void TestFarewell::controlPositions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels"); // the table's twips divided by 15, rounded
    QTest::newRow("picIcon") << "picIcon"
                             << "frmFarewell" << QRect(24, 8, 36, 36);
    QTest::newRow("Label2") << "Label2"
                            << "frmFarewell" << QRect(8, 56, 465, 73);
    QTest::newRow("Check1") << "Check1"
                            << "frmFarewell" << QRect(2, 136, 479, 37);
    QTest::newRow("cmdClose") << "cmdClose"
                              << "frmFarewell" << QRect(400, 184, 83, 25);
    QTest::newRow("Frame2") << "Frame2"
                            << "frmFarewell" << QRect(8, 216, 471, 97);
    QTest::newRow("txtName") << "txtName"
                             << "Frame2" << QRect(6, 24, 225, 19);
    QTest::newRow("txtEmail") << "txtEmail"
                              << "Frame2" << QRect(240, 24, 225, 19);
    QTest::newRow("txtFriendName") << "txtFriendName"
                                   << "Frame2" << QRect(6, 48, 225, 19);
    QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                    << "Frame2" << QRect(240, 48, 225, 19);
    QTest::newRow("cmdSubmit") << "cmdSubmit"
                               << "Frame2" << QRect(128, 72, 225, 19);
    QTest::newRow("txtMessage") << "txtMessage"
                                << "Frame2" << QRect(320, 240, 121, 33);
    QTest::newRow("Frame6") << "Frame6"
                            << "frmFarewell" << QRect(488, 8, 249, 305);
    QTest::newRow("Label3") << "Label3"
                            << "Frame6" << QRect(8, 24, 233, 257);
    QTest::newRow("lblGoToHome") << "lblGoToHome"
                                 << "Frame6" << QRect(5, 283, 239, 14);
}

void TestFarewell::controlPositions() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    QWidget* widget = box(name);
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), pixels);
}

void TestFarewell::fontsAndColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<qreal>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");
    QTest::addColumn<int>("role");
    QTest::addColumn<QColor>("colour");
    const int text = QPalette::WindowText;
    const int back = QPalette::Window;
    QTest::newRow("Label2") << "Label2" << 9.75 << true << false << -1 << QColor();
    QTest::newRow("Check1") << "Check1" << 8.25 << true << false << text << QColor(0x0000C0);
    QTest::newRow("Frame2 caption")
        << "Frame2" << 9.75 << true << false << text << QColor(0xFFFFFF);
    QTest::newRow("Frame2 face") << "Frame2" << 9.75 << true << false << back << QColor(0x000080);
    QTest::newRow("cmdSubmit") << "cmdSubmit" << 8.25 << true << false << -1 << QColor();
    QTest::newRow("Frame6 caption")
        << "Frame6" << 9.75 << true << false << text << QColor(0xFFFFFF);
    QTest::newRow("Frame6 face") << "Frame6" << 9.75 << true << false << back << QColor(0x000080);
    QTest::newRow("Label3") << "Label3" << 9.0 << false << false << text << QColor(0xFFFFFF);
    QTest::newRow("lblGoToHome") << "lblGoToHome" << 9.0 << true << true << text
                                 << QColor(0xFFFF00);
}

void TestFarewell::fontsAndColours() {
    QFETCH(QString, name);
    QFETCH(qreal, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);
    QFETCH(int, role);
    QFETCH(QColor, colour);
    const QWidget* widget = box(name);
    QCOMPARE(widget->font().family(), QStringLiteral("Verdana"));
    QCOMPARE(widget->font().pointSizeF(), points);
    QCOMPARE(widget->font().bold(), bold);
    QCOMPARE(widget->font().underline(), underline);
    if (role >= 0)
        QCOMPARE(widget->palette().color(QPalette::ColorRole(role)), colour);
}

void TestFarewell::fixedTexts() {
    auto* caption = control<QLabel>("lblCaption");
    QCOMPARE(caption->text(), windowtesting::Caption);
    QCOMPARE(caption->pos(), QPoint(72, 16));
    QCOMPARE(caption->font().family(), QStringLiteral("MS Sans Serif"));
    QCOMPARE(caption->font().pointSizeF(), 18.0);
    QVERIFY(caption->width() >= caption->sizeHint().width());
    QCOMPARE(control<QPushButton>("cmdClose")->text(), QStringLiteral("E&xit"));
    QCOMPARE(control<QPushButton>("cmdSubmit")->text(), QStringLiteral("Refer A Friend &Now"));
    QCOMPARE(control<QGroupBox>("Frame2")->title(), QStringLiteral("Refer A Friend"));
    QCOMPARE(control<QGroupBox>("Frame6")->title(), QStringLiteral("Download Quorvane Softwares"));
    QCOMPARE(control<QLabel>("lblGoToHome")->text(),
             QStringLiteral("Click Here To Visit Quorvane Softwares"));
    QCOMPARE(control<QLabel>("lblGoToHome")->cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(control<QCheckBox>("Check1")->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(!control<QCheckBox>("Check1")->isChecked());
    QVERIFY(control<QCheckBox>("Check1")->text().contains(QStringLiteral("quorvanesoftwares")));
    QVERIFY(control<QLabel>("Label2")->wordWrap());
    QVERIFY(control<QLabel>("Label3")->wordWrap());
    QCOMPARE(textOf(box("txtMessage")), QStringLiteral("Your Message\n"));
}

void TestFarewell::promotionalTextDrawnFromFourAtEachLoad() {
    const QStringList& texts = frmFarewell::promotionalTexts();
    QCOMPARE(texts.size(), 4);
    QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), 4);
    QSet<QString> shown;
    for (int load = 0; load < 200; ++load) {
        frmFarewell window;
        const QString text = window.findChild<QLabel*>(QStringLiteral("Label2"))->text();
        QVERIFY2(texts.contains(text), qPrintable(text));
        shown.insert(text);
    }
    // With an equal chance each, all four turn up in 200 loads but for a 1-in-10^24 fluke.
    QCOMPARE(shown.size(), 4);
}

void TestFarewell::writtenTextsHaveTheirLengths() {
    for (const QString& text : frmFarewell::promotionalTexts()) {
        QVERIFY2(text.size() >= 170 && text.size() <= 230, qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("forum")));
    }
    const QString label3Text = control<QLabel>("Label3")->text();
    QVERIFY2(label3Text.size() >= 560 && label3Text.size() <= 670,
             qPrintable(QString::number(label3Text.size())));
    for (const char* subject : {"astrology", "psychic", "tarot", "numerology", "occult"})
        QVERIFY2(label3Text.contains(QLatin1String(subject)), subject);
    // Every text fits its label, none cut off at the bottom or the edge.
    const auto wrappedHeight = [](const QLabel* label, const QString& text) {
        const QRect room(0, 0, label->width(), 10000);
        return QFontMetrics(label->font()).boundingRect(room, Qt::TextWordWrap, text).height();
    };
    const QLabel* label2 = control<QLabel>("Label2");
    for (const QString& text : frmFarewell::promotionalTexts())
        QVERIFY2(wrappedHeight(label2, text) <= label2->height(), qPrintable(text));
    const QLabel* label3 = control<QLabel>("Label3");
    QVERIFY(wrappedHeight(label3, label3->text()) <= label3->height());
    const QLabel* link = control<QLabel>("lblGoToHome");
    QVERIFY(!link->wordWrap());
    QVERIFY(QFontMetrics(link->font()).horizontalAdvance(link->text()) <= link->width());
}

void TestFarewell::placeholders_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("onFocus");
    QTest::addColumn<QString>("typed"); // replaces the text while the box has the focus
    QTest::addColumn<QString>("onLeaving");
    const struct {
        const char* name;
        const char* placeholder;
    } boxes[] = {{"txtName", "Your Name"},
                 {"txtEmail", "Your Email Address"},
                 {"txtFriendName", "Friend's Name"},
                 {"txtFriendEmail", "Friend's Email Address"},
                 {"txtMessage", "Your Message"}};
    for (const auto& b : boxes) {
        const QString p = QString::fromLatin1(b.placeholder);
        const auto row = [&](const char* what) -> QTestData& {
            return QTest::addRow("%s: %s", b.name, what) << QString::fromLatin1(b.name);
        };
        row("placeholder cleared, put back when left empty") << p << ""
                                                             << "" << p;
        row("placeholder with spaces cleared") << "  " + p + " "
                                               << ""
                                               << "" << p;
        row("only spaces left counts as empty") << p << ""
                                                << "   " << p;
        row("typed text stays") << p << ""
                                << "Ann"
                                << "Ann";
        row("own text untouched on focus") << "Ann"
                                           << "Ann"
                                           << "Ann"
                                           << "Ann";
        row("placeholder in other case is text")
            << p.toUpper() << p.toUpper() << p.toUpper() << p.toUpper();
    }
    QTest::newRow("txtMessage: initial text with its line break stays") << "txtMessage"
                                                                        << "Your Message\n"
                                                                        << "Your Message\n"
                                                                        << "Your Message\n"
                                                                        << "Your Message\n";
}

void TestFarewell::placeholders() {
    QFETCH(QString, boxName);
    QFETCH(QString, before);
    QFETCH(QString, onFocus);
    QFETCH(QString, typed);
    QFETCH(QString, onLeaving);
    QWidget* target = box(boxName);
    setTextOf(target, before);
    sendFocus(target, QEvent::FocusIn);
    QTRY_COMPARE(textOf(target), onFocus);
    setTextOf(target, typed);
    sendFocus(target, QEvent::FocusOut);
    QCOMPARE(textOf(target), onLeaving);
    QVERIFY(m_services->messages.isEmpty());
}

void TestFarewell::spaceRefusedInAddressBoxes_data() {
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<bool>("refused");
    QTest::newRow("txtEmail") << "txtEmail" << true;
    QTest::newRow("txtFriendEmail") << "txtFriendEmail" << true;
    QTest::newRow("txtName takes spaces") << "txtName" << false;
    QTest::newRow("txtFriendName takes spaces") << "txtFriendName" << false;
}

void TestFarewell::spaceRefusedInAddressBoxes() {
    QFETCH(QString, boxName);
    QFETCH(bool, refused);
    auto* target = qobject_cast<QLineEdit*>(box(boxName));
    target->clear();
    QTest::keyClicks(target, QStringLiteral("ann@x.com"));
    QTest::keyClick(target, Qt::Key_Space);
    QTest::keyClicks(target, QStringLiteral("b"));
    if (refused) {
        QCOMPARE(target->text(), QStringLiteral("ann@x.comb"));
        QCOMPARE(m_services->messages.size(), 1);
        QCOMPARE(m_services->messages.first().text,
                 QStringLiteral("Email Address Cannot Contain Space"));
        QCOMPARE(m_services->messages.first().icon, Icon::Critical);
    } else {
        QCOMPARE(target->text(), QStringLiteral("ann@x.com b"));
        QVERIFY(m_services->messages.isEmpty());
    }
    // Pasted text is not examined.
    target->insert(QStringLiteral(" pasted"));
    QVERIFY(target->text().endsWith(QStringLiteral(" pasted")));
}

void TestFarewell::submission_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("email");
    QTest::addColumn<QString>("friendName");
    QTest::addColumn<QString>("friendEmail");
    QTest::addColumn<QString>("message"); // null: txtMessage untouched
    QTest::addColumn<QString>("shown");   // empty: the page is opened
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString untouched;
    QTest::newRow("all at their placeholders") << "Your Name"
                                               << "Your Email Address"
                                               << "Friend's Name"
                                               << "Friend's Email Address" << untouched << proper;
    QTest::newRow("both addresses emptied") << "Ann"
                                            << ""
                                            << "Bob"
                                            << "" << untouched << distinct;
    QTest::newRow("same address twice") << "Ann"
                                        << "ann@x.com"
                                        << "Bob"
                                        << "ann@x.com" << untouched << distinct;
    QTest::newRow("same address once with spaces around") << "Ann"
                                                          << "  ann@x.com"
                                                          << "Bob"
                                                          << "ann@x.com  " << untouched << distinct;
    QTest::newRow("same address in other case") << "Ann"
                                                << "ann@x.com"
                                                << "Bob"
                                                << "ANN@x.com" << untouched << "";
    QTest::newRow("user's address without @") << "Ann"
                                              << "ann.x.com"
                                              << "Bob"
                                              << "bob@y.org" << untouched << proper;
    QTest::newRow("friend's address without @") << "Ann"
                                                << "ann@x.com"
                                                << "Bob"
                                                << "bob.y.org" << untouched << proper;
    QTest::newRow("user's address without dot") << "Ann"
                                                << "ann@x"
                                                << "Bob"
                                                << "bob@y.org" << untouched << proper;
    QTest::newRow("friend's address without dot") << "Ann"
                                                  << "ann@x.com"
                                                  << "Bob"
                                                  << "bob@y" << untouched << proper;
    QTest::newRow("name at its placeholder")
        << "Your Name"
        << "ann@x.com"
        << "Bob"
        << "bob@y.org" << untouched << "Please Enter Your Name";
    QTest::newRow("name only spaces") << "   "
                                      << "ann@x.com"
                                      << "Bob"
                                      << "bob@y.org" << untouched << "Please Enter Your Name";
    QTest::newRow("message at its placeholder") << "Ann"
                                                << "ann@x.com"
                                                << "Bob"
                                                << "bob@y.org"
                                                << "Your Message"
                                                << "Please Enter Your Message";
    QTest::newRow("message emptied") << "Ann"
                                     << "ann@x.com"
                                     << "Bob"
                                     << "bob@y.org"
                                     << ""
                                     << "Please Enter Your Message";
    QTest::newRow("friend's name at its placeholder")
        << "Ann"
        << "ann@x.com"
        << "Friend's Name"
        << "bob@y.org" << untouched << "Please Enter Your Friend's Name";
    QTest::newRow("friend's name emptied")
        << "Ann"
        << "ann@x.com"
        << ""
        << "bob@y.org" << untouched << "Please Enter Your Friend's Name";
    QTest::newRow("everything given") << "Ann"
                                      << "ann@x.com"
                                      << "Bob"
                                      << "bob@y.org"
                                      << "Hello"
                                      << "";
}

void TestFarewell::submission() {
    QFETCH(QString, name);
    QFETCH(QString, email);
    QFETCH(QString, friendName);
    QFETCH(QString, friendEmail);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    fill(name, email, friendName, friendEmail);
    if (!message.isNull())
        setTextOf(box(QStringLiteral("txtMessage")), message);
    const QStringList names = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail",
                               "txtMessage"};
    QStringList before;
    for (const QString& boxName : names)
        before.append(textOf(box(boxName)));

    QTest::mouseClick(control<QPushButton>("cmdSubmit"), Qt::LeftButton);

    if (shown.isEmpty()) {
        QVERIFY(m_services->messages.isEmpty());
        QCOMPARE(m_services->openedAddresses.size(), 1);
        QVERIFY(m_services->openedAddresses.first().startsWith(PageStart +
                                                               "qvqs-refer-a-friend&taf1="));
    } else {
        QCOMPARE(m_services->messages.size(), 1);
        QCOMPARE(m_services->messages.first().text, shown);
        QCOMPARE(m_services->messages.first().icon, Icon::Critical);
        QVERIFY(m_services->openedAddresses.isEmpty());
    }
    QStringList after;
    for (const QString& boxName : names)
        after.append(textOf(box(boxName)));
    QCOMPARE(after, before);
    QVERIFY(m_window->isVisible());
}

void TestFarewell::untouchedMessageIsSentWithItsLineBreak() {
    fill(QStringLiteral("  Ann Lee "), QStringLiteral("ann@x.com"), QStringLiteral("Bob & Eve"),
         QStringLiteral(" bob@y.org"));
    QTest::mouseClick(control<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(m_services->openedAddresses.size(), 1);
    const QUrlQuery query(QUrl(m_services->openedAddresses.first()));
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), QStringLiteral("Ann Lee"));
    QCOMPARE(query.queryItemValue("taf3", QUrl::FullyDecoded), QStringLiteral("Your Message\r\n"));
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), QStringLiteral("Bob & Eve"));
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), QStringLiteral("bob@y.org"));
    const modTellAFriend::ReferralDetailsType& stored = modTellAFriend::ReferralDetails;
    QCOMPARE(stored.name, QStringLiteral("Ann Lee"));
    QCOMPARE(stored.friendEmail, QStringLiteral("bob@y.org"));
    QCOMPARE(stored.message, QStringLiteral("Your Message\r\n"));
    QCOMPARE(stored.address, m_services->openedAddresses.first());
}

void TestFarewell::windowStaysOpenAndSubmitsAgain() {
    fill(QStringLiteral("Ann"), QStringLiteral("ann@x.com"), QStringLiteral("Bob"),
         QStringLiteral("bob@y.org"));
    QTest::mouseClick(control<QPushButton>("cmdSubmit"), Qt::LeftButton);
    control<QLineEdit>("txtFriendName")->setText(QStringLiteral("Cy"));
    QTest::mouseClick(control<QPushButton>("cmdSubmit"), Qt::LeftButton);
    QCOMPARE(m_services->openedAddresses.size(), 2);
    QVERIFY(m_services->openedAddresses.last().contains(QStringLiteral("&taf4=Cy&")));
    QVERIFY(m_window->isVisible());
    QVERIFY(m_services->endedWith.isEmpty());
}

void TestFarewell::checkBoxOpensTheHomePageAndUnticks() {
    auto* check = control<QCheckBox>("Check1");
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(8, check->height() / 2));
    QVERIFY(!check->isChecked());
    QCOMPARE(m_services->openedAddresses, QStringList{PageStart + "home-page"});
    check->setChecked(true);
    QVERIFY(!check->isChecked());
    QCOMPARE(m_services->openedAddresses.size(), 2);
}

void TestFarewell::linkOpensTheOtherPrograms() {
    QTest::mouseClick(control<LinkLabel>("lblGoToHome"), Qt::LeftButton);
    QCOMPARE(m_services->openedAddresses, QStringList{PageStart + "quorvanesoftwares"});
}

QTEST_MAIN(TestFarewell)
#include "tst_frmfarewell.moc"
