#include "ui/frmdisplay.h"

#include "reading/engine.h"
#include "shell/modhelp.h"
#include "shell/platform.h"
#include "ui/adverts.h"
#include "ui/frmabout.h"
#include "ui/frmmain.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/picturelabel.h"
#include "ui/runestonepage.h"
#include "ui/sunsignpage.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
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
        setTabBar(new EvenTabBar(geometry.width(), tabHeight));
        setDocumentMode(true);
        setGeometry(geometry);
    }
};

// Which control shows which field of a reading, in the reading's field order; pictures name
// the main window's collection they come from and what they show, for screen readers.
using Collection = const PictureCollection& (frmMain::*)() const;
using Text = std::string modRunicAstrology::Reading::*;
enum class Shows { Sign, RuneStone };
struct Field {
    Text value;
    const char* control;
    Collection pictures = nullptr;
    Text shows = nullptr; // the sign's or the rune's name
    Shows kind = Shows::Sign;
};

using R = modRunicAstrology::Reading;
const Field Fields[] = {
    {&R::Sign, "lblSunSign"},
    {&R::CorrespondingRuneStone, "lblCorrespondingRuneStone"},
    {&R::Keywords, "lblKeywards"},
    {&R::AlternativeName, "lblAlternativeName"},
    {&R::AboutYourRuneStone, "txtAboutYourRuneStone"},
    {&R::FavorableColor, "lblFavorableColor"},
    {&R::NordicGod, "lblNordicGod"},
    {&R::StonePicture, "picStone", &frmMain::IMGStoneList, &R::CorrespondingRuneStone,
     Shows::RuneStone},
    {&R::FavorablePlanet, "lblFavorablePlanet"},
    {&R::StoneWithPlanet, "lblStoneWithPlanet"},
    {&R::StoneWithPlanetPicture, "picStonewithplanet", &frmMain::IMGStoneListWithPlanet,
     &R::StoneWithPlanet, Shows::RuneStone},
    {&R::AlternativeNameWithPlanet, "lblAlternativeNameWithPlanet"},
    {&R::KeywordsWithPlanet, "lblKeywardsWithPlanet"},
    {&R::AboutYourRuneStoneWithPlanet, "txtAboutYourRuneStoneWithPlanet"},
    {&R::GodWithPlanet, "lblGodWithPlanet"},
    {&R::ColorWithPlanet, "lblColorWithPlanet"},
    {&R::SunSignElement, "lblSunSignElement"},
    {&R::SunSignNumber, "lblSunSignNumber"},
    {&R::SunSignColor, "lblSunSignColor"},
    {&R::SunSignDay, "lblSunSignDay"},
    {&R::SunSignCompatibility, "lblSunSignCompatibility"},
    {&R::SunSignBirthStone, "lblSunSignBirthStone"},
    {&R::SunSignQuality, "lblSunSignQuality"},
    {&R::SunSignFamousPersonBorn, "lblSunSignFamousPersonBorn"},
    {&R::SunSignPositiveTraits, "txtSunSignPositiveTraits"},
    {&R::SunSignNegativeTraits, "txtSunSignNegativeTraits"},
    {&R::SunSignPicture, "picSunSign", &frmMain::IMGSunsignList, &R::Sign, Shows::Sign},
};

// What a listener hears of a picture: "Pisces sign", "Gebo rune stone", and what it looks like.
void DescribePicture(QWidget* picture, Shows kind, const QString& name) {
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

void ShowText(QWidget* control, const QString& text) {
    if (auto* box = qobject_cast<QPlainTextEdit*>(control)) {
        box->setPlainText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
        label->setAccessibleName(text);
        if (!label->wordWrap())
            label->adjustSize();
    }
}

QAction* MenuEntry(QWidget* menu, const char* name, const QString& text) {
    auto* action = new QAction(text, menu);
    action->setObjectName(QLatin1String(name));
    menu->addAction(action);
    return action;
}

void OpenPage(const char* pageKey) {
    modHelp::OpenWebPage(QLatin1String(pageKey));
}

} // namespace

frmDisplay::frmDisplay(frmMain* mainWindow)
    : QMainWindow(nullptr)
    , m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("frmDisplay"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(look::WindowCaption);
    setWindowIcon(look::WindowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(653, 520);
    client->setFont(look::Font());
    look::SetBackground(client, look::Green);
    setCentralWidget(client);

    createTopBand(client);
    createTabs(client);
    createBottomBand(client);
    createMenus();
    setKeyboardOrder();
    Form_Load();
    look::FixAndCentre(this);
}

frmMain* frmDisplay::mainWindow() const {
    return m_mainWindow;
}

void frmDisplay::createTopBand(QWidget* client) {
    QFrame* Frame2 = look::Panel(client, "Frame2", look::Twips(0, -40, 9800, 615), look::Green);
    LinkLabel* Label61 = look::Link(
        Frame2, "Label61", look::Twips(120, 120, 9480, 585), adverts::DiscussionBoard,
        look::Verdana(9, look::Bold | look::Underline), look::PaleYellow, Qt::AlignHCenter);
    connect(Label61, &LinkLabel::clicked, this, [] { OpenPage(modHelp::PageHome); });
}

void frmDisplay::createTabs(QWidget* client) {
    SSTab1 = new TabControl(client, look::Twips(0, 585, 9795, 6470), look::Px(360));
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->addTab(new RuneStonePage, QStringLiteral("Corresponding Rune Stone"));
    auto* sunSign = new SunSignPage;
    SSTab1->addTab(sunSign, QStringLiteral("Sun Sign Characteristics"));
    connect(sunSign->Label19(), &LinkLabel::clicked, this, [] { OpenPage(modHelp::PageCoBrand); });

    guardClipboard(findChild<QPlainTextEdit*>(QStringLiteral("txtAboutYourRuneStone")));
    guardClipboard(findChild<QPlainTextEdit*>(QStringLiteral("txtAboutYourRuneStoneWithPlanet")));
}

void frmDisplay::createBottomBand(QWidget* client) {
    QFrame* Frame5 = look::Panel(client, "Frame5", look::Twips(0, 7005, 9800, 780), look::Green);
    QPushButton* cmdPrint = look::FlatButton(Frame5, "cmdPrint", look::Twips(7080, 240, 1260, 465),
                                             QStringLiteral("&Print"), look::Font(look::Bold));
    connect(cmdPrint, &QPushButton::clicked, this, &frmDisplay::cmdPrint_Click);
    QPushButton* cmdBack = look::FlatButton(Frame5, "cmdBack", look::Twips(8400, 240, 1260, 465),
                                            QStringLiteral("&Back"), look::Font(look::Bold));
    connect(cmdBack, &QPushButton::clicked, this, &frmDisplay::cmdBack_Click);
    LinkLabel* lblFullBrand =
        look::OpaqueLink(Frame5, "lblFullBrand", look::Twips(120, 120, 6345, 615),
                         adverts::FullBrand, look::Font(look::Bold | look::Underline), look::Blue);
    connect(lblFullBrand, &LinkLabel::clicked, this, [] { OpenPage(modHelp::PageFullyBranded); });
}

void frmDisplay::createMenus() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    connect(MenuEntry(mnuFile, "mnuFileBack", QStringLiteral("&Back")), &QAction::triggered, this,
            &frmDisplay::cmdBack_Click);
    connect(MenuEntry(mnuFile, "mnuPrint", QStringLiteral("&Print")), &QAction::triggered, this,
            &frmDisplay::cmdPrint_Click);

    QMenu* mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    connect(MenuEntry(mnuHelp, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered,
            this, [] { OpenPage(modHelp::PageHelp); });
    connect(MenuEntry(mnuHelp, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered,
            this, [] { OpenPage(modHelp::PageHome); });
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuFileSep1"));
    connect(MenuEntry(mnuHelp, "mnuUpdate", QStringLiteral("&Check for Software Update")),
            &QAction::triggered, this, [] { OpenPage(modHelp::PageDownload); });
    mnuHelp->addSeparator()->setObjectName(QStringLiteral("mnuFileSep2"));
    connect(MenuEntry(mnuHelp, "mnuAbout", QStringLiteral("&About Software")), &QAction::triggered,
            this, &frmDisplay::mnuAbout_Click);

    connect(MenuEntry(menuBar(), "mnuDonate", QStringLiteral("&Donate")), &QAction::triggered, this,
            [] { OpenPage(modHelp::PageDonate); });
    QAction* mnuMakeMoneyOnline =
        MenuEntry(menuBar(), "mnuMakeMoneyOnline", QStringLiteral("Make Money &Online"));
    mnuMakeMoneyOnline->setEnabled(false);
    connect(mnuMakeMoneyOnline, &QAction::triggered, this,
            [] { OpenPage(modHelp::PageFullyBranded); });
}

void frmDisplay::setKeyboardOrder() {
    const auto box = [this](const char* name) {
        return findChild<QPlainTextEdit*>(QLatin1String(name));
    };
    // The tab bar stands for the tab control: ordering the control itself loses widgets.
    const QList<QWidget*> order = {SSTab1->tabBar(),
                                   box("txtSunSignNegativeTraits"),
                                   box("txtSunSignPositiveTraits"),
                                   findChild<QPushButton*>(QStringLiteral("cmdBack")),
                                   findChild<QPushButton*>(QStringLiteral("cmdPrint")),
                                   box("txtAboutYourRuneStone"),
                                   box("txtAboutYourRuneStoneWithPlanet")};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    SSTab1->setFocus();
}

void frmDisplay::Form_Load() {
    SSTab1->setCurrentIndex(0);
}

void frmDisplay::ShowReading(const modRunicAstrology::Reading& reading) {
    for (const Field& field : Fields) {
        auto* control = findChild<QWidget*>(QLatin1String(field.control));
        if (!control)
            continue;
        const QString value = QString::fromStdString(reading.*field.value);
        if (!field.pictures) {
            ShowText(control, value);
            continue;
        }
        auto* pictureBox = qobject_cast<PictureLabel*>(control);
        if (!pictureBox || !m_mainWindow)
            continue;
        pictureBox->setSource([pictures = (m_mainWindow->*field.pictures)(), value](qreal ratio) {
            return pictures.picture(value, ratio);
        });
        DescribePicture(pictureBox, field.kind, QString::fromStdString(reading.*field.shows));
    }
}

void frmDisplay::cmdBack_Click() {
    m_goingBack = true;
    // Shown before this window goes, so the program never has no window on screen.
    if (m_mainWindow)
        m_mainWindow->show();
    close();
}

void frmDisplay::mnuAbout_Click() {
    frmAbout::ShowModal(this);
}

void frmDisplay::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!m_goingBack && !modHelp::IsEnding())
        modHelp::LeaveApplication();
}

void frmDisplay::guardClipboard(QPlainTextEdit* box) {
    if (!box)
        return;
    box->setMouseTracking(true);
    box->viewport()->setMouseTracking(true);
    box->installEventFilter(this);
    box->viewport()->installEventFilter(this);
    connect(box, &QPlainTextEdit::textChanged, this, [] { platform::services().clearClipboard(); });
}

// The rune texts are not to be copied: any mouse activity over them empties the clipboard.
bool frmDisplay::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        platform::services().clearClipboard();
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}
