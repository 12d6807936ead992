#include "ui/frmmain.h"

#include "reading/engine.h"
#include "report/readingfile.h"
#include "shell/core/pageaddresses.h"
#include "shell/core/random.h"
#include "shell/platform.h"
#include "ui/adverts.h"
#include "ui/cobrand.h"
#include "ui/frmabout.h"
#include "ui/frmdisplay.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/menus.h"
#include "ui/pagelinks.h"
#include "ui/windowframe.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const QString NameKeyMessage = QStringLiteral("Please Enter Only Alphabet !");
const QString CheckTheFileMessage = QStringLiteral("Please Check The File.");
const QString OpenCaption =
    QStringLiteral("Click Here To Open Previously Saved Runic Astrology Interpretation");
const QString GenerateCaption = QStringLiteral("Generate My &Runic Astrology Reading");
const QString Introduction = QStringLiteral(
    "Velmora is a simple software that attempts to correlate your astrological sun sign with "
    "runic divination. Enter your Personal Details and get a reading instantly!");

platform::Icon iconOf(modRunicAstrology::MessageIcon icon) {
    switch (icon) {
    case modRunicAstrology::MessageIcon::Information:
        return platform::Icon::Information;
    case modRunicAstrology::MessageIcon::Critical:
        return platform::Icon::Critical;
    case modRunicAstrology::MessageIcon::None:
        break;
    }
    return platform::Icon::None;
}

// The control code a Control combination types, as Windows types it: the letters 1 to 26,
// Ctrl+[ Escape, Ctrl+Backspace Delete, Ctrl+Return a line feed and so on; 0 for combinations
// that only edit or move (Ctrl+Home, Ctrl+Left).
int controlCodeOf(int key) {
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return key - Qt::Key_A + 1;
    switch (key) {
    case Qt::Key_BracketLeft:
        return 27;
    case Qt::Key_Backslash:
        return 28;
    case Qt::Key_BracketRight:
        return 29;
    case Qt::Key_AsciiCircum:
        return 30;
    case Qt::Key_Underscore:
        return 31;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 10;
    case Qt::Key_Backspace:
        return 127;
    default:
        return 0;
    }
}

// The character code a keystroke types, 0 for keys that only edit or move: those keep their
// usual meaning. Control combinations type their control code (Ctrl+V is 22).
int keyAsciiOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    const bool alt = modifiers.testFlag(Qt::AltModifier);
    if (alt && !control)
        return 0;
    if (control && !alt)
        return controlCodeOf(event.key());
    switch (event.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0;
    default:
        break;
    }
    const QString text = event.text();
    return text.isEmpty() ? 0 : text.at(0).unicode();
}

QComboBox* dateList(QWidget* parent, const char* name, const QRect& geometry,
                    const QString& accessibleName) {
    auto* list = new QComboBox(parent);
    list->setObjectName(QLatin1String(name));
    list->setGeometry(geometry);
    list->setFont(look::font());
    list->setEditable(false);
    list->setAccessibleName(accessibleName);
    look::setInputColours(list, look::Green, look::Yellow);
    return list;
}

// Like setting a list's text: the entry with exactly that text, else the choice stays.
void selectEntry(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

// All entries in one insertion: one at a time, each entry is announced and laid out alone.
template <std::size_t N>
void fill(QComboBox* list, const std::array<std::string_view, N>& entries) {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(N));
    for (std::string_view entry : entries)
        texts.append(QString::fromUtf8(entry.data(), static_cast<qsizetype>(entry.size())));
    list->addItems(texts);
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
    , m_sunSignPictures(PictureCollection::sunSigns())
    , m_stonePictures(PictureCollection::stones())
    , m_stoneWithPlanetPictures(PictureCollection::stonesWithPlanet()) {
    look::dressWindow(this, "frmMain", Qt::Window);
    // Decoding the icon is a costly step of start-up: the window shows first and
    // takes its icon on the first turn of the event loop.
    QTimer::singleShot(0, this, [this] { setWindowIcon(look::windowIcon()); });
    QWidget* client = look::clientArea(this, {490, 329});

    windowFrame::addTopBand(client, look::twips(0, 0, 7335, 615), look::twips(75, 120, 7140, 585));
    createMenus();
    createDetailsPanel(client);
    createButtons(client);
    createBottomBand(client);
    setKeyboardOrder();
    Form_Load();
    look::fixAndCentre(this);
}

frmMain::~frmMain() {
    delete m_preparedDisplay;
}

frmDisplay* frmMain::readingWindow() const {
    return m_display;
}

ReadingOrigin::BirthDate frmMain::shownBirthDate() const {
    return {cmbMonth->currentText(), cmbDate->currentText(), cmbYear->currentText()};
}

void frmMain::showAgain() {
    show();
}

void frmMain::prepareReadingWindows() {
    // Installing the filter again only moves it to the front.
    centralWidget()->installEventFilter(this);
}

bool frmMain::readingWindowPrepared() const {
    return m_preparedDisplay;
}

// Built after this window has painted, never before: the window the user sees comes first.
void frmMain::buildNextReadingWindow() {
    if (m_preparedDisplay || m_display || !isVisible())
        return;
    m_preparedDisplay = new frmDisplay(this);
    // What showing would do first, done now: each control takes its style and colours.
    m_preparedDisplay->ensurePolished();
    preparePictures();
}

// The pictures of the reading the date lists give now, decoded into the reading window that
// waits hidden: Generate then only shows them. A reading shows these three pictures in any
// case, so this costs no memory at its peak.
void frmMain::preparePictures() {
    if (!m_preparedDisplay)
        return;
    const std::optional<std::string> sign =
        modRunicAstrology::FindSunSign(cmbMonth->currentIndex(), cmbDate->currentIndex());
    if (!sign)
        return;
    if (const std::optional<modRunicAstrology::Reading> reading =
            modRunicAstrology::BuildReading(*sign))
        m_preparedDisplay->showPictures(*reading);
}

void frmMain::createDetailsPanel(QWidget* client) {
    QFrame* Frame1 =
        look::panel(client, "Frame1", look::twips(0, 600, 7335, 2775), look::PanelGrey);
    look::wrappingLabel(Frame1, "Label7", look::twips(120, 360, 7095, 735), Introduction,
                        look::font(look::Bold), look::Pink, Qt::AlignHCenter);

    cmdOpen = look::flatButton(Frame1, "cmdOpen", look::twips(120, 1320, 1575, 1335), OpenCaption,
                               look::verdana(9, look::Bold));
    cmdOpen->setAutoDefault(true);
    connect(cmdOpen, &QPushButton::clicked, this, &frmMain::cmdOpen_Click);

    QGroupBox* Frame3 = look::group(Frame1, "Frame3", look::twips(1800, 1200, 5415, 1455),
                                    QStringLiteral("Enter Your Details"));
    const QFont bold = look::font(look::Bold);
    const QFont underlined = look::font(look::Underline);
    QLabel* Label1 = look::label(Frame3, "Label1", look::twips(120, 360, 705, 195),
                                 QStringLiteral("Name:-"), bold, look::White);
    // Given its own font before it joins the group box, so it never lays its text out in the
    // box's bold caption font: that font is then first needed when the window paints.
    txtName = new QLineEdit;
    txtName->setFont(look::font());
    txtName->setParent(Frame3);
    txtName->setObjectName(QStringLiteral("txtName"));
    txtName->setGeometry(look::twips(1680, 240, 3615, 375));
    txtName->setAccessibleName(QStringLiteral("Name"));
    look::setInputColours(txtName, look::Green, look::Yellow);
    txtName->installEventFilter(this);
    Label1->setBuddy(txtName);

    QLabel* Label4 = look::label(Frame3, "Label4", look::twips(1800, 720, 405, 195),
                                 QStringLiteral("Date"), underlined, look::Cream);
    QLabel* Label5 = look::label(Frame3, "Label5", look::twips(3000, 720, 510, 195),
                                 QStringLiteral("Month"), underlined, look::Cream);
    QLabel* Label6 = look::label(Frame3, "Label6", look::twips(4560, 720, 390, 195),
                                 QStringLiteral("Year"), underlined, look::Cream);
    look::label(Frame3, "Label3", look::twips(120, 1080, 1395, 195),
                QStringLiteral("Date Of Birth:-"), bold, look::White);
    cmbDate = dateList(Frame3, "cmbDate", look::twips(1680, 960, 735, 315), QStringLiteral("Date"));
    cmbMonth =
        dateList(Frame3, "cmbMonth", look::twips(2520, 960, 1575, 315), QStringLiteral("Month"));
    cmbYear =
        dateList(Frame3, "cmbYear", look::twips(4200, 960, 1095, 315), QStringLiteral("Year"));
    Label4->setBuddy(cmbDate);
    Label5->setBuddy(cmbMonth);
    Label6->setBuddy(cmbYear);
}

void frmMain::createButtons(QWidget* client) {
    cmdRunicAstrology =
        look::flatButton(client, "cmdRunicAstrology", look::twips(0, 3480, 6135, 465),
                         GenerateCaption, look::font(look::Bold));
    cmdRunicAstrology->setAutoDefault(true);
    cmdRunicAstrology->setDefault(true);
    connect(cmdRunicAstrology, &QPushButton::clicked, this, &frmMain::cmdRunicAstrology_Click);

    cmdExit = look::flatButton(client, "cmdExit", look::twips(6195, 3480, 1140, 465),
                               QStringLiteral("&Exit"), look::font(look::Bold));
    cmdExit->setAutoDefault(true);
    connect(cmdExit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
}

void frmMain::createBottomBand(QWidget* client) {
    QFrame* Frame5 = look::panel(client, "Frame5", look::twips(0, 3960, 7335, 975), look::Green);
    const QRect advert = look::twips(120, 240, 7065, 615);
    const QFont font = look::font(look::Bold | look::Underline);
    lblCobrand = look::opaqueLink(Frame5, "lblCobrand", advert, adverts::CoBrand, font, look::Blue);
    pageLinks::opensPage(lblCobrand, modHelp::WebPage::CoBrand);
    lblFullBrand =
        look::opaqueLink(Frame5, "lblFullBrand", advert, adverts::FullBrand, font, look::Blue);
    pageLinks::opensPage(lblFullBrand, modHelp::WebPage::FullyBranded);
    // Created second, the full-branding advert starts in front.
    putAdvertInFront(lblFullBrand, lblCobrand);
}

void frmMain::createMenus() {
    menus::addMenuBar(
        *this,
        {{"mnuPreviouslySavedRunicAstrology",
          QStringLiteral("Open Previously Saved Runic Astrology Interpretation"),
          &frmMain::cmdOpen_Click},
         {"mnuGenerateRunicAstrology", GenerateCaption, &frmMain::cmdRunicAstrology_Click},
         {"mnuExit", QStringLiteral("E&xit"), &frmMain::cmdExit_Click}},
        {QStringLiteral("Check for Software &Update"), {"mnuHelp1", "mnuHelp2"}});
}

void frmMain::setKeyboardOrder() {
    setTabOrder(txtName, cmbDate);
    setTabOrder(cmbDate, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);
    setTabOrder(cmbYear, cmdRunicAstrology);
    setTabOrder(cmdRunicAstrology, cmdOpen);
    setTabOrder(cmdOpen, cmdExit);
    txtName->setFocus();
}

void frmMain::Form_Load() {
    fill(cmbMonth, modRunicAstrology::monthEntries());
    fill(cmbDate, modRunicAstrology::dayEntries());
    fill(cmbYear, modRunicAstrology::yearEntries());
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(0);
    // Only the day and the month decide the pictures.
    connect(cmbDate, &QComboBox::currentIndexChanged, this, &frmMain::preparePictures);
    connect(cmbMonth, &QComboBox::currentIndexChanged, this, &frmMain::preparePictures);
}

void frmMain::cmdRunicAstrology_Click() {
    modRunicAstrology::GenerateRequest request;
    request.nameText = txtName->text().toStdString();
    request.dayPosition = cmbDate->currentIndex();
    request.monthPosition = cmbMonth->currentIndex();
    request.dayText = cmbDate->currentText().toStdString();
    request.monthText = cmbMonth->currentText().toStdString();
    request.yearText = cmbYear->currentText().toStdString();

    const modRunicAstrology::GenerateResult result = modRunicAstrology::generateReading(request);
    const modRunicAstrology::Validation& validation = result.validation;
    if (!validation.accepted) {
        platform::services().showMessage(this, QString::fromStdString(validation.message),
                                         iconOf(validation.icon));
        if (validation.focusName)
            txtName->setFocus();
        return;
    }
    showReadingWindow(result.reading ? &*result.reading : nullptr);
}

void frmMain::showReadingWindow(const modRunicAstrology::Reading* reading) {
    if (!m_display) {
        m_display = m_preparedDisplay ? m_preparedDisplay.data() : new frmDisplay(this);
        m_preparedDisplay = nullptr;
    }
    hide();
    // Hidden until Back, the window gives its screen buffer up; showing it makes a new one.
    destroy();
    m_display->show();
    // Filled once shown, when its text boxes have their sizes: each long text is then laid out
    // once, not again at the first show. It paints on the next turn of the event loop, whole.
    if (reading)
        m_display->ShowReading(*reading);
}

void frmMain::cmdOpen_Click() {
    const QString path = platform::services().chooseFileToOpen(
        this, {QStringLiteral("Select the source file"), QStringLiteral("Velmora (*.run)|*.run"),
               QStringLiteral("run")});
    if (path.isEmpty())
        return;
    const std::optional<std::array<QString, 4>> lines =
        report::hasReadingFileName(path) ? report::ReadReadingFile(path) : std::nullopt;
    if (!lines) {
        platform::services().showMessage(this, CheckTheFileMessage, platform::Icon::Critical);
        return;
    }
    const auto& [name, day, month, year] = *lines;
    txtName->setText(name); // as stored: the keystroke filter is for typing only
    selectEntry(cmbDate, day);
    selectEntry(cmbMonth, month);
    selectEntry(cmbYear, year);
    cmdRunicAstrology_Click();
}

void frmMain::cmdExit_Click() {
    close();
}

void frmMain::mnuAbout_Click() {
    frmAbout::showModal(this);
}

void frmMain::CoBrand_Randomize() {
    intCoBrandRandomNumber = coBrandNumber(modHelp::rnd());
    bringAdvertToFront(intCoBrandRandomNumber);
}

void frmMain::bringAdvertToFront(std::int16_t number) {
    switch (coBrandFrontFor(number)) {
    case CoBrandFront::CoBrand:
        putAdvertInFront(lblCobrand, lblFullBrand);
        break;
    case CoBrandFront::FullBrand:
        putAdvertInFront(lblFullBrand, lblCobrand);
        break;
    case CoBrandFront::Unchanged:
        break;
    }
}

void frmMain::putAdvertInFront(LinkLabel* front, LinkLabel* behind) {
    front->raise();
    front->show();
    // Covered completely, the advert behind stays out of a screen reader's way too.
    behind->hide();
}

void frmMain::closeEvent(QCloseEvent* event) {
    windowFrame::leaveOnClose(event);
}

// A main window has no default or cancel button of its own: Enter and Esc press Generate
// when no control has used them (an open drop-down list keeps them).
void frmMain::keyPressEvent(QKeyEvent* event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        if (plain) {
            cmdRunicAstrology->click();
            return;
        }
        break;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

bool frmMain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Paint && !m_preparedDisplay &&
        !m_display) {
        QMetaObject::invokeMethod(this, &frmMain::buildNextReadingWindow, Qt::QueuedConnection);
        return QMainWindow::eventFilter(watched, event);
    }
    if (watched == txtName) {
        if (event->type() == QEvent::KeyPress)
            return txtName_KeyPress(static_cast<QKeyEvent*>(event)) == Keystroke::Discard;
        if (event->type() == QEvent::InputMethod && !m_forwardingInput)
            return filterComposedText(static_cast<QInputMethodEvent*>(event)) == Keystroke::Discard;
    }
    return QMainWindow::eventFilter(watched, event);
}

Keystroke frmMain::txtName_KeyPress(QKeyEvent* event) {
    // An Alt combination that reached the box matched no mnemonic; it types nothing.
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (modifiers.testFlag(Qt::AltModifier) && !modifiers.testFlag(Qt::ControlModifier) &&
        !event->text().isEmpty())
        return Keystroke::Discard;
    const int keyAscii = keyAsciiOf(*event);
    if (keyAscii == 0)
        return Keystroke::Keep;
    const modRunicAstrology::NameKey key = modRunicAstrology::FilterNameKey(keyAscii);
    if (key.showMessage)
        showNameKeyMessage();
    if (key.code == keyAscii)
        return Keystroke::Keep;
    if (key.code != 0)
        txtName->insert(QString(QChar(key.code)));
    return Keystroke::Discard;
}

// Composed characters arrive as committed text, not as keystrokes; they pass the same filter.
Keystroke frmMain::filterComposedText(QInputMethodEvent* event) {
    const QString committed = event->commitString();
    if (committed.isEmpty())
        return Keystroke::Keep;
    QString kept;
    bool refused = false;
    for (const QChar character : committed) {
        const modRunicAstrology::NameKey key =
            modRunicAstrology::FilterNameKey(character.unicode());
        if (key.code != 0)
            kept.append(QChar(key.code));
        refused = refused || key.showMessage;
    }
    if (kept != committed) {
        QInputMethodEvent filtered(event->preeditString(), event->attributes());
        filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
        m_forwardingInput = true;
        QCoreApplication::sendEvent(txtName, &filtered);
        m_forwardingInput = false;
    }
    if (refused)
        showNameKeyMessage();
    // A changed text went to the box in its place.
    return kept == committed ? Keystroke::Keep : Keystroke::Discard;
}

void frmMain::showNameKeyMessage() {
    platform::services().showMessage(this, NameKeyMessage, platform::Icon::Information);
}
