#include "ui/frmdisplay.h"

#include "assets/picturecollection.h"
#include "reading/engine.h"
#include "shell/core/pageaddresses.h"
#include "shell/platform.h"
#include "ui/accessibility.h"
#include "ui/adverts.h"
#include "ui/clipboardguard.h"
#include "ui/frmabout.h"
#include "ui/frmsave.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/menus.h"
#include "ui/pagelinks.h"
#include "ui/picturelabel.h"
#include "ui/readingorigin.h"
#include "ui/runestonepage.h"
#include "ui/sunsignpage.h"
#include "ui/windowframe.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>

namespace {

// Both tabs share one row, each half of the control, above pages that start 360 twips down.
class EvenTabBar : public QTabBar {
public:
    EvenTabBar(int rowWidth, int tabHeight)
        : m_rowWidth(rowWidth)
        , m_tabHeight(tabHeight) {}

protected:
    QSize tabSizeHint(int index) const override {
        const int share = m_rowWidth / qMax(1, count());
        const int width = index == count() - 1 ? m_rowWidth - share * (count() - 1) : share;
        return {width, m_tabHeight};
    }

private:
    int m_rowWidth;
    int m_tabHeight;
};

class TabControl : public QTabWidget {
public:
    TabControl(QWidget* parent, const QRect& geometry, int tabHeight)
        : QTabWidget(parent) {
        auto* bar = new EvenTabBar(geometry.width(), tabHeight);
        // The page brought forward has been hidden since a screen reader last looked. Renewed
        // before it shows (this runs before the tab widget's own handler, connected after it),
        // so its showing and the focus moving into it are told of the new objects, not of
        // objects already gone, which a screen reader drops unheard.
        connect(bar, &QTabBar::currentChanged, this, [this](int index) {
            if (QWidget* page = widget(index))
                accessibility::renew(page);
        });
        setTabBar(bar);
        setDocumentMode(true);
        setGeometry(geometry);
    }
};

using fieldPlaces::Shows;
using modRunicAstrology::Field;

// What a listener hears of a picture: "Pisces sign", "Gebo rune stone", and what it looks like.
void describePicture(QWidget* picture, Shows kind, const QString& name) {
    if (kind == Shows::Sign) {
        picture->setAccessibleName(name + QStringLiteral(" sign"));
        picture->setAccessibleDescription(
            QStringLiteral("The figure and symbol of %1 in gold on a round dark red field "
                           "with stars")
                .arg(name));
    } else {
        picture->setAccessibleName(name + QStringLiteral(" rune stone"));
        picture->setAccessibleDescription(
            QStringLiteral("A green stone with the rune %1 cut into it").arg(name));
    }
}

void showText(QLabel* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    if (!label->wordWrap())
        label->adjustSize();
}

} // namespace

frmDisplay::frmDisplay(QObject* origin)
    : QMainWindow(nullptr)
    , m_origin(origin) {
    look::dressWindow(this, "frmDisplay", Qt::Window);
    setWindowIcon(look::windowIcon());
    QWidget* client = look::clientArea(this, {653, 520});

    windowFrame::addTopBand(client, look::twips(0, -40, 9800, 615),
                            look::twips(120, 120, 9480, 585));
    createMenus();
    createTabs(client);
    createBottomBand(client);
    setKeyboardOrder();
    Form_Load();
    look::fixAndCentre(this);
}

ReadingOrigin* frmDisplay::origin() const {
    return qobject_cast<ReadingOrigin*>(m_origin.data());
}

void frmDisplay::createTabs(QWidget* client) {
    SSTab1 = new TabControl(client, look::twips(0, 585, 9795, 6470), look::px(360));
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(new RuneStonePage(m_shown), QStringLiteral("Corresponding Rune Stone"));
    SSTab1->addTab(new SunSignPage(m_shown), QStringLiteral("Sun Sign Characteristics"));
    // The focus moving into a page from the other one says which page it is.
    for (int index = 0; index < SSTab1->count(); ++index)
        SSTab1->widget(index)->setAccessibleName(SSTab1->tabText(index));

    ClipboardGuard::guard(m_shown.longText(Field::AboutYourRuneStone));
    ClipboardGuard::guard(m_shown.longText(Field::AboutYourRuneStoneWithPlanet));
}

void frmDisplay::createBottomBand(QWidget* client) {
    QFrame* Frame5 = look::panel(client, "Frame5", look::twips(0, 7005, 9800, 780), look::Green);
    cmdPrint = look::flatButton(Frame5, "cmdPrint", look::twips(7080, 240, 1260, 465),
                                QStringLiteral("&Print"), look::font(look::Bold));
    connect(cmdPrint, &QPushButton::clicked, this, &frmDisplay::cmdPrint_Click);
    cmdBack = look::flatButton(Frame5, "cmdBack", look::twips(8400, 240, 1260, 465),
                               QStringLiteral("&Back"), look::font(look::Bold));
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    LinkLabel* lblFullBrand =
        look::opaqueLink(Frame5, "lblFullBrand", look::twips(120, 120, 6345, 615),
                         adverts::FullBrand, look::font(look::Bold | look::Underline), look::Blue);
    pageLinks::opensPage(lblFullBrand, modHelp::WebPage::FullyBranded);
}

void frmDisplay::createMenus() {
    menus::addMenuBar(
        *this,
        {{"mnuFileBack", QStringLiteral("&Back"), &frmDisplay::cmdBack_Click},
         {"mnuPrint", QStringLiteral("&Print"), &frmDisplay::cmdPrint_Click}},
        {QStringLiteral("&Check for Software Update"), {"mnuFileSep1", "mnuFileSep2"}});
}

void frmDisplay::setKeyboardOrder() {
    // The tab bar stands for the tab control: ordering the control itself loses widgets.
    const QList<QWidget*> order = {SSTab1->tabBar(),
                                   m_shown[Field::SunSignNegativeTraits],
                                   m_shown[Field::SunSignPositiveTraits],
                                   cmdBack,
                                   cmdPrint,
                                   m_shown[Field::AboutYourRuneStone],
                                   m_shown[Field::AboutYourRuneStoneWithPlanet]};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    SSTab1->setFocus();
}

void frmDisplay::Form_Load() {
    SSTab1->setCurrentIndex(0);
}

void frmDisplay::ShowReading(const modRunicAstrology::Reading& reading) {
    const auto text = [&reading](Field field) {
        return QString::fromStdString(reading[field]);
    };
    for (const modRunicAstrology::FieldDescription& field : modRunicAstrology::Fields) {
        if (QLabel* label = m_shown.label(field.field))
            showText(label, text(field.field));
        else if (QPlainTextEdit* box = m_shown.longText(field.field))
            box->setPlainText(text(field.field));
    }
    showPictures(reading);
}

void frmDisplay::showPictures(const modRunicAstrology::Reading& reading) {
    const ReadingOrigin* pictures = origin();
    if (!pictures)
        return;
    for (const fieldPlaces::Place& place : fieldPlaces::places()) {
        if (!place.pictures)
            continue;
        PictureLabel* box = m_shown.picture(place.field);
        const QString key = QString::fromStdString(reading[place.field]);
        QString& shownKey = m_pictureKeys[modRunicAstrology::fieldIndex(place.field)];
        if (key.isEmpty() || key != shownKey) {
            box->setSource([collection = (pictures->*place.pictures)(), key](qreal ratio) {
                return collection.picture(key, ratio);
            });
            shownKey = key;
        }
        describePicture(box, place.shows, QString::fromStdString(reading[place.namedBy]));
    }
}

report::ReportValues frmDisplay::shownValues() const {
    report::ReportValues values;
    values.name = QString::fromStdString(modRunicAstrology::CurrentBirthDetails.Name);
    if (const ReadingOrigin* lists = origin()) {
        const ReadingOrigin::BirthDate date = lists->shownBirthDate();
        values.monthText = date.monthText;
        values.dayText = date.dayText;
        values.yearText = date.yearText;
    }
    for (const modRunicAstrology::FieldDescription& field : modRunicAstrology::Fields) {
        if (const QLabel* label = m_shown.label(field.field))
            values[field.field] = label->text();
        else if (const QPlainTextEdit* box = m_shown.longText(field.field))
            values[field.field] = box->toPlainText();
    }
    return values;
}

void frmDisplay::cmdPrint_Click() {
    frmSave::showModal(this, shownValues());
}

void frmDisplay::cmdBack_Click() {
    m_goingBack = true;
    // Shown before this window goes, so the program never has no window on screen.
    if (ReadingOrigin* mainWindow = origin())
        mainWindow->showAgain();
    close();
}

void frmDisplay::mnuAbout_Click() {
    frmAbout::showModal(this);
}

// Built in advance while hidden, the window is news to a screen reader only now.
void frmDisplay::showEvent(QShowEvent* event) {
    if (!event->spontaneous())
        accessibility::renewWithin(this);
    QMainWindow::showEvent(event);
}

void frmDisplay::closeEvent(QCloseEvent* event) {
    if (m_goingBack)
        event->accept();
    else
        windowFrame::leaveOnClose(event);
}
