// Every window at the screen's scale (run at QT_SCALE_FACTOR 1, 1.25, 1.5 and 2): no text cut
// off by its control or by a panel around it, no control drawn over another, no menu entry
// pushed off the menu bar, and every picture decoded for the screen's pixel ratio, so it is as
// sharp as the screen allows. And every window in the desktop's high-contrast colours, live.

#include "shell/fakeservices.h"
#include "ui/contrast.h"
#include "ui/frmabout.h"
#include "ui/frmdisplay.h"
#include "ui/frmfarewell.h"
#include "ui/frmmain.h"
#include "ui/frmsave.h"
#include "ui/picturelabel.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

namespace {

enum class Window { Main, ReadingFirstTab, ReadingSecondTab, Report, About, Exit };

// One text as a control draws it: in `box` (control coordinates) with `flags`, cut off where it
// leaves `visible` (window coordinates) and, as QPainter::drawText does for a text whose lines
// do not fit, at the box when `cutAtBox` is set.
struct Text {
    QWidget* control = nullptr;
    QRect box;
    int flags = 0;
    QString text;
    QRectF visible;
    bool cutAtBox = true;
    // Drawn in black: where the uncut text has ink, the control's own picture must have it too.
    bool blackOnControl = false;
};

// Something a person sees: where it is drawn, in window coordinates. A group's caption is drawn
// over the group's own area, where its controls lie too.
struct Seen {
    QWidget* control = nullptr;
    QRectF bounds;
    bool caption = false;
};

QString nameOf(const QWidget* control) {
    return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                           : control->objectName();
}

// The part of the control inside every panel around it, in window coordinates.
QRect visibleRect(const QWidget* control) {
    QRect rect = control->rect();
    for (const QWidget* widget = control; !widget->isWindow(); widget = widget->parentWidget()) {
        rect.translate(widget->pos());
        rect &= widget->parentWidget()->rect();
    }
    return rect;
}

QRectF inWindow(const QWidget* control, const QRectF& rect) {
    return rect.translated(control->mapTo(control->window(), QPoint()));
}

// Draws the text uncut at the screen's pixel ratio, as the control's font renders there, and
// finds its ink: where it lands, and how many of its pixels fall outside what can be seen.
struct Ink {
    QRectF bounds;
    int pixelsCut = 0;
};

// Pixels where the text, drawn uncut over the control's own picture, has ink that the control
// itself did not draw: the control cut its text short.
int inkMissingFromControl(const Text& text, qreal ratio) {
    const QImage drawn = text.control->grab().toImage();
    QImage uncut(drawn.size(), QImage::Format_ARGB32_Premultiplied);
    uncut.setDevicePixelRatio(ratio);
    uncut.fill(Qt::transparent);
    {
        QPainter painter(&uncut);
        painter.setFont(text.control->font());
        painter.setPen(Qt::black);
        painter.drawText(text.box, text.flags | Qt::TextDontClip, text.text);
    }
    const QRectF visible =
        text.visible.translated(-QPointF(text.control->mapTo(text.control->window(), QPoint())));
    int missing = 0;
    for (int y = 0; y < uncut.height(); ++y) {
        for (int x = 0; x < uncut.width(); ++x) {
            if (qAlpha(uncut.pixel(x, y)) >= 128 &&
                visible.contains(QPointF(x + 0.5, y + 0.5) / ratio) &&
                qGray(drawn.pixel(x, y)) >= 96)
                ++missing;
        }
    }
    return missing;
}

Ink inkOf(const Text& text, qreal ratio) {
    constexpr int Room = 60; // around the box, for a text that runs out of it
    const QRect canvas = text.box.adjusted(-Room, -Room, Room, Room);
    QImage image(canvas.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QRectF visible = text.visible;
    {
        QPainter painter(&image);
        painter.translate(-canvas.topLeft());
        painter.setFont(text.control->font());
        painter.setPen(Qt::black);
        QRectF lines;
        painter.drawText(text.box, text.flags | Qt::TextDontClip, text.text, &lines);
        if (text.cutAtBox && !QRectF(text.box).contains(lines))
            visible &= inWindow(text.control, text.box);
    }
    const QPointF origin = inWindow(text.control, canvas).topLeft();
    Ink ink;
    if (text.blackOnControl)
        ink.pixelsCut = inkMissingFromControl(text, ratio);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            // a pixel less than half covered is the edge of a stroke, not the stroke
            if (qAlpha(line[x]) < 128)
                continue;
            const QRectF pixel(origin + QPointF(x, y) / ratio, QSizeF(1, 1) / ratio);
            ink.bounds |= pixel;
            if (!visible.contains(pixel.center()) || x == 0 || y == 0 || x == image.width() - 1 ||
                y == image.height() - 1)
                ++ink.pixelsCut;
        }
    }
    return ink;
}

bool isControl(const QWidget* widget) {
    return qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget) ||
           qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget) ||
           qobject_cast<const QTabBar*>(widget) || qobject_cast<const QMenuBar*>(widget);
}

bool insideAControl(const QWidget* widget) {
    for (const QWidget* parent = widget->parentWidget(); parent && !parent->isWindow();
         parent = parent->parentWidget()) {
        if (isControl(parent))
            return true;
    }
    return false;
}

// The texts a control draws; `whole` tells whether the control's whole rectangle is seen as
// well (a button's face, a box's frame) or only its texts (a label).
QList<Text> textsOf(QWidget* control, bool& whole) {
    const QRectF visible = visibleRect(control);
    const auto clippedTo = [&](const QRect& box) {
        return inWindow(control, box) & visible;
    };
    whole = true;
    if (auto* label = qobject_cast<QLabel*>(control)) {
        whole = !label->pixmap().isNull();
        if (whole || label->text().isEmpty())
            return {};
        const int flags =
            int(QStyle::visualAlignment(label->layoutDirection(), label->alignment())) |
            (label->wordWrap() ? Qt::TextWordWrap : 0);
        return {{control, label->contentsRect(), flags, label->text(), visible}};
    }
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        QStyleOptionButton option;
        option.initFrom(check);
        option.text = check->text();
        const QRect box =
            check->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, check);
        return {{control, box, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic,
                 check->text(), visible}};
    }
    if (auto* button = qobject_cast<QPushButton*>(control)) {
        // The flat buttons lay their caption out 4 by 3 pixels in from the edge and let it
        // run on up to their two-pixel bevel.
        return {{control, button->rect().adjusted(4, 3, -4, -3),
                 Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, button->text(),
                 clippedTo(button->rect().adjusted(2, 2, -2, -2)), false, button->isEnabled()}};
    }
    if (auto* list = qobject_cast<QComboBox*>(control)) {
        QStyleOptionComboBox option;
        option.initFrom(list);
        // The style cuts the choice at the edit field and lays it out a pixel inside.
        const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, list);
        QList<Text> texts;
        for (int i = 0; i < list->count(); ++i)
            texts.append({control, field.adjusted(1, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          list->itemText(i), clippedTo(field)});
        return texts;
    }
    if (auto* box = qobject_cast<QLineEdit*>(control)) {
        QStyleOptionFrame option;
        option.initFrom(box);
        // QLineEdit keeps two pixels between its frame and the text.
        const QRect area = box->style()
                               ->subElementRect(QStyle::SE_LineEditContents, &option, box)
                               .adjusted(2, 0, -2, 0);
        return {
            {control, area, Qt::AlignLeft | Qt::AlignVCenter, box->text(), clippedTo(area), false}};
    }
    if (auto* tabs = qobject_cast<QTabBar*>(control)) {
        QList<Text> texts;
        for (int i = 0; i < tabs->count(); ++i)
            texts.append({control, tabs->tabRect(i), Qt::AlignCenter | Qt::TextShowMnemonic,
                          tabs->tabText(i), clippedTo(tabs->tabRect(i)), false});
        return texts;
    }
    if (auto* menus = qobject_cast<QMenuBar*>(control)) {
        QList<Text> texts;
        for (QAction* action : menus->actions()) {
            const QRect entry = menus->actionGeometry(action);
            texts.append({control, entry, Qt::AlignCenter | Qt::TextShowMnemonic, action->text(),
                          clippedTo(entry), false});
        }
        return texts;
    }
    return {};
}

// An etched group's caption sits in its top edge, painted by the group itself.
Text captionOf(QGroupBox* group) {
    const QFontMetrics metrics(group->font());
    const QRect box(6, 0, metrics.horizontalAdvance(group->title()) + 4, metrics.height());
    return {group, box, Qt::AlignCenter, group->title(), visibleRect(group)};
}

QStringList problemsIn(QWidget* window) {
    const qreal ratio = window->devicePixelRatioF();
    QList<Text> texts;
    QList<Seen> seen;
    for (QGroupBox* group : window->findChildren<QGroupBox*>()) {
        if (group->isVisible() && !group->title().isEmpty())
            texts.append(captionOf(group));
    }
    QStringList problems;
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!control->isVisible() || !isControl(control) || insideAControl(control) ||
            visibleRect(control).isEmpty())
            continue;
        bool whole = true;
        texts += textsOf(control, whole);
        if (whole)
            seen.append({control, visibleRect(control)});
        if (auto* menus = qobject_cast<QMenuBar*>(control)) {
            for (QAction* action : menus->actions()) {
                // An entry the bar has no room for goes behind an overflow arrow.
                if (menus->actionGeometry(action).isEmpty())
                    problems.append(
                        QStringLiteral("%1: no room on the menu bar").arg(action->text()));
            }
        }
    }
    for (const Text& text : texts) {
        if (text.text.isEmpty())
            continue;
        const Ink ink = inkOf(text, ratio);
        if (ink.pixelsCut > 0)
            problems.append(QStringLiteral("%1: %2 pixels of \"%3\" cut off")
                                .arg(nameOf(text.control))
                                .arg(ink.pixelsCut)
                                .arg(text.text));
        const bool caption = qobject_cast<QGroupBox*>(text.control) != nullptr;
        if (caption || qobject_cast<QLabel*>(text.control))
            seen.append({text.control, ink.bounds, caption});
    }
    for (qsizetype i = 0; i < seen.size(); ++i) {
        for (qsizetype j = i + 1; j < seen.size(); ++j) {
            const Seen& a = seen.at(i);
            const Seen& b = seen.at(j);
            if (a.control == b.control || (!a.caption && a.control->isAncestorOf(b.control)) ||
                (!b.caption && b.control->isAncestorOf(a.control)))
                continue;
            if (a.bounds.intersects(b.bounds))
                problems.append(
                    QStringLiteral("%1 and %2 overlap").arg(nameOf(a.control), nameOf(b.control)));
        }
    }
    return problems;
}

// A contrast theme of the user's own, as Windows allows: none of its colours, nor any blend of
// two of them, is one of the program's own colours.
const platform::ContrastColours OwnTheme{QColor(0xFFF8E0), QColor(0x301000), QColor(0xE0F0FF),
                                         QColor(0x002040), QColor(0x00306A), QColor(0x5A0030),
                                         QColor(0xFFF8E0), QColor(0x603000)};

// The controls that show one of the program's own colours outside the pictures.
QStringList ownColoursIn(QWidget* window, const QImage& image) {
    static const QList<QRgb> own = {0x378F67, 0x404040, 0x808080, 0xC0C0C0, 0xFFFF00,
                                    0xFFFF80, 0xFFFFC0, 0xFF80FF, 0x0000FF, 0x000080,
                                    0x0000C0, 0xFFFFFF, 0x000000};
    QStringList found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!own.contains(image.pixel(x, y) & RGB_MASK))
                continue;
            const QWidget* under =
                window->childAt((QPointF(x, y) / image.devicePixelRatio()).toPoint());
            const QString name = nameOf(under ? under : window);
            if (!qobject_cast<const PictureLabel*>(under) && !found.contains(name))
                found.append(name);
        }
    }
    return found;
}

qreal scaleFactor() {
    bool ok = false;
    const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

} // namespace

Q_DECLARE_METATYPE(Window)

class TestScaling : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void screenIsScaled();
    void everythingFits_data();
    void everythingFits();
    void picturesMatchTheScreen_data();
    void picturesMatchTheScreen();
    void highContrast_data();
    void highContrast();

private:
    QWidget* open(Window which);

    platform::ScopedFakeServices m_services;
    QPointer<frmMain> m_main;
    QPointer<frmDisplay> m_reading;
    QPointer<QWidget> m_extra;
};

void TestScaling::initTestCase() {
    look::followDesktopContrast();
    m_main = new frmMain;
    m_main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ASTRID"));
    m_main->findChild<QComboBox*>(QStringLiteral("cmbDate"))->setCurrentIndex(11);
    m_main->findChild<QComboBox*>(QStringLiteral("cmbMonth"))->setCurrentIndex(2);
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
}

void TestScaling::cleanupTestCase() {
    delete m_extra;
    delete m_reading;
    delete m_main;
}

QWidget* TestScaling::open(Window which) {
    delete m_extra;
    if (which == Window::Main) {
        if (m_reading)
            m_reading->cmdBack_Click();
        m_main->show();
        return m_main;
    }
    if (!m_reading) {
        m_main->cmdRunicAstrology_Click();
        m_reading = m_main->readingWindow();
    }
    m_reading->show();
    auto* tabs = m_reading->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(which == Window::ReadingSecondTab ? 1 : 0);
    switch (which) {
    case Window::Report:
        m_extra = new frmSave(m_reading, m_reading->shownValues());
        break;
    case Window::About:
        m_extra = new frmAbout(m_reading);
        break;
    case Window::Exit:
        m_extra = new frmFarewell;
        break;
    default:
        return m_reading;
    }
    m_extra->show();
    return m_extra;
}

// Without this the other checks could pass on an unscaled screen.
void TestScaling::screenIsScaled() {
    QCOMPARE(m_main->devicePixelRatioF(), scaleFactor());
}

void TestScaling::everythingFits_data() {
    QTest::addColumn<Window>("which");
    QTest::newRow("main window") << Window::Main;
    QTest::newRow("reading window, rune stones") << Window::ReadingFirstTab;
    QTest::newRow("reading window, sun sign") << Window::ReadingSecondTab;
    QTest::newRow("report window") << Window::Report;
    QTest::newRow("About window") << Window::About;
    QTest::newRow("exit window") << Window::Exit;
}

void TestScaling::everythingFits() {
    QFETCH(Window, which);
    QWidget* window = open(which);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QStringList problems = problemsIn(window);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1String("\n"))));
}

void TestScaling::picturesMatchTheScreen_data() {
    QTest::addColumn<Window>("which");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QSize>("size"); // in logical pixels
    QTest::newRow("sign rune") << Window::ReadingFirstTab << "picStone" << QSize(113, 151);
    QTest::newRow("planet rune") << Window::ReadingFirstTab << "picStonewithplanet"
                                 << QSize(113, 151);
    QTest::newRow("sign") << Window::ReadingSecondTab << "picSunSign" << QSize(200, 200);
    QTest::newRow("About icon") << Window::About << "picIcon" << QSize(32, 32);
    QTest::newRow("exit window icon") << Window::Exit << "picIcon" << QSize(36, 36);
}

void TestScaling::picturesMatchTheScreen() {
    QFETCH(Window, which);
    QFETCH(QString, control);
    QFETCH(QSize, size);
    QWidget* window = open(which);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    auto* picture = window->findChild<QLabel*>(control);
    QVERIFY(picture);
    // a picture label makes its picture again when it is painted at another ratio
    picture->repaint();
    const QPixmap shown = picture->pixmap();
    QCOMPARE(shown.devicePixelRatio(), window->devicePixelRatioF());
    const QSizeF logical = shown.deviceIndependentSize();
    QVERIFY2(qAbs(logical.width() - size.width()) <= 0.5 &&
                 qAbs(logical.height() - size.height()) <= 0.5,
             qPrintable(QStringLiteral("%1x%2").arg(logical.width()).arg(logical.height())));
}

void TestScaling::highContrast_data() {
    everythingFits_data();
}

// Switched on, nothing of the program's own colours is left outside the pictures; switched off,
// the window is as it was, pixel for pixel.
void TestScaling::highContrast() {
    QFETCH(Window, which);
    QWidget* window = open(which);
    QVERIFY(QTest::qWaitForWindowExposed(window));
    const QImage own = window->grab().toImage();
    m_services.switchContrast(OwnTheme);
    const QImage contrast = window->grab().toImage();
    m_services.switchContrast(std::nullopt);
    QVERIFY(window->grab().toImage() == own);
    const QStringList left = ownColoursIn(window, contrast);
    QVERIFY2(left.isEmpty(), qPrintable(left.join(QLatin1String(", "))));
}

QTEST_MAIN(TestScaling)
#include "tst_scaling.moc"
