#include "ui/frmfarewell.h"

#include "shell/core/identity.h"
#include "shell/core/random.h"
#include "shell/endapplication.h"
#include "shell/modtellafriend.h"
#include "shell/platform.h"
#include "shell/webpages.h"
#include "ui/accessibility.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/pagelinks.h"
#include "ui/picturelabel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <utility>

namespace {

constexpr QRgb Navy = 0x000080;
constexpr QRgb CheckBlue = 0x0000C0;

const QString OtherProgramsText = QStringLiteral(
    "Velmora is only one of the programs we make. Quorvane Softwares offers a whole shelf of "
    "software for the seeker: astrology programs that draw your birth chart and read the "
    "planets, psychic tests that measure your intuition, tarot readers with full decks and "
    "classic spreads, numerology calculators that unfold the meaning of your name and birth "
    "date, and guides to the occult arts, from crystals and candles to dreams and the old "
    "oracles. Most of them are free, like this one, and new titles arrive every season. Visit "
    "our site to download them, try them at your own pace and find the one that speaks to you.");

// Named after its hint, which a screen reader must still say once the hint is cleared.
QLineEdit* referralBox(QWidget* parent, const char* name, const QRect& twips, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(text);
    box->setGeometry(twips);
    box->setFont(look::font());
    return box;
}

// One line in its rectangle: where the font found in place of the one asked for runs wider, the
// letters are narrowed rather than cut off at the edge.
void fitOnOneLine(QLabel* label) {
    label->setWordWrap(false);
    QFont font = label->font();
    for (int stretch = QFont::Unstretched; stretch >= QFont::ExtraCondensed; stretch -= 5) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= label->width())
            break;
    }
    label->setFont(font);
}

// A focus change inside the program, not the window losing or regaining the desktop's focus
// (a message box coming up, another program): only those count as entering or leaving a box.
bool movesFocusWithinWindow(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

frmFarewell::frmFarewell(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | look::TitleBarWithCloseBox) {
    setObjectName(QStringLiteral("frmFarewell"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Shown without taking the focus, the window would come up unheard.
    accessibility::announceWhileInactive(
        this, [this] { return QStringLiteral("%1. %2").arg(windowTitle(), Label2->text()); });
    look::setBackground(this, look::White);
    setFont(look::font());
    createControls();
    connectHandlers();
    Form_Load();
}

const QStringList& frmFarewell::promotionalTexts() {
    static const QStringList texts = {
        QStringLiteral("Velmora is free, and it stays free because of you. Please visit the "
                       "Quorvane Softwares discussion forum regularly, share your ideas and "
                       "questions, and help us keep this software alive and well."),
        QStringLiteral("Did your runes speak to you? Drop in at our discussion forum now and then "
                       "and tell us what you think. Your posts and suggestions are what keep "
                       "free programs like Velmora maintained and improving."),
        QStringLiteral("Free software needs a living community. Make a habit of visiting the "
                       "Quorvane Softwares forum, answer a question or ask one, and you give us "
                       "the reason to keep Velmora maintained for everyone."),
        QStringLiteral("We read every message on our discussion forum. Visit it regularly and "
                       "take part: report a problem, suggest an idea or simply say hello. Your "
                       "voice is what keeps this free software maintained."),
    };
    return texts;
}

void frmFarewell::createControls() {
    setFixedSize(look::px(11115), look::px(4725));

    picIcon = new PictureLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(look::twips(360, 120, 540, 540));
    lblCaption = look::autoSizeLabel(this, "lblCaption", 1080, 240,
                                     QFont(QStringLiteral("MS Sans Serif"), 18), 0x000000);
    Label2 = look::wrappingLabel(this, "Label2", look::twips(120, 840, 6975, 1095), QString(),
                                 look::verdana(9.75, look::Bold), 0x000000);

    Check1 = new QCheckBox(
        QStringLiteral("Yes, take me to %1 right now").arg(QLatin1String(identity::SiteHost)),
        this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(look::twips(30, 2040, 7185, 555));
    Check1->setFont(look::font(look::Bold));
    Check1->setCursor(Qt::PointingHandCursor);
    look::setTextColour(Check1, CheckBlue);

    cmdClose = look::flatButton(this, "cmdClose", look::twips(6000, 2760, 1245, 375),
                                QStringLiteral("E&xit"), look::font(look::Bold));

    createReferralForm();
    createOtherPrograms();
}

void frmFarewell::createReferralForm() {
    Frame2 = look::group(this, "Frame2", look::twips(120, 3240, 7065, 1455),
                         QStringLiteral("Refer A Friend"));
    Frame2->setFont(look::verdana(9.75, look::Bold));
    look::setBackground(Frame2, Navy);

    txtName = referralBox(Frame2, "txtName", look::twips(85, 360, 3375, 285),
                          modTellAFriend::PlaceholderName);
    txtEmail = referralBox(Frame2, "txtEmail", look::twips(3600, 360, 3375, 285),
                           modTellAFriend::PlaceholderEmail);
    txtFriendName = referralBox(Frame2, "txtFriendName", look::twips(85, 720, 3375, 285),
                                modTellAFriend::PlaceholderFriendName);
    txtFriendEmail = referralBox(Frame2, "txtFriendEmail", look::twips(3600, 720, 3375, 285),
                                 modTellAFriend::PlaceholderFriendEmail);
    cmdSubmit = look::flatButton(Frame2, "cmdSubmit", look::twips(1920, 1080, 3375, 285),
                                 QStringLiteral("Refer A Friend &Now"), look::font(look::Bold));

    // Placed below the bottom of its group, so it is never seen; Tab still reaches it.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(look::twips(4800, 3600, 1815, 495));
    txtMessage->setFont(look::font());
    txtMessage->setTabChangesFocus(true);
    txtMessage->setPlainText(modTellAFriend::PlaceholderMessage + QStringLiteral("\r\n"));
    txtMessage->setAccessibleName(modTellAFriend::PlaceholderMessage);

    for (QWidget* box : std::initializer_list<QWidget*>{txtName, txtEmail, txtFriendName,
                                                        txtFriendEmail, txtMessage})
        box->installEventFilter(this);
}

void frmFarewell::createOtherPrograms() {
    Frame6 = look::group(this, "Frame6", look::twips(7320, 120, 3735, 4575),
                         QStringLiteral("Download Quorvane Softwares"));
    Frame6->setFont(look::verdana(9.75, look::Bold));
    look::setBackground(Frame6, Navy);

    Label3 = look::wrappingLabel(Frame6, "Label3", look::twips(120, 360, 3495, 3855),
                                 OtherProgramsText, look::verdana(9), look::White);
    lblGoToHome = look::link(Frame6, "lblGoToHome", look::twips(75, 4250, 3585, 210),
                             QStringLiteral("Click Here To Visit Quorvane Softwares"),
                             look::verdana(9, look::Bold | look::Underline), look::Yellow);
    fitOnOneLine(lblGoToHome);
}

void frmFarewell::connectHandlers() {
    connect(Check1, &QCheckBox::toggled, this, &frmFarewell::Check1_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmFarewell::cmdClose_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmFarewell::cmdSubmit_Click);
    pageLinks::opensPage(lblGoToHome, modHelp::WebPage::OtherPrograms);
}

void frmFarewell::Form_Load() {
    setWindowTitle(look::WindowCaption);
    lblCaption->setText(look::WindowCaption);
    lblCaption->adjustSize();
    setWindowIcon(look::windowIcon());
    picIcon->setSource(
        [size = picIcon->size()](qreal ratio) { return look::windowIcon().pixmap(size, ratio); });

    modHelp::randomize();
    const auto& texts = promotionalTexts();
    const auto k = static_cast<qsizetype>(modHelp::rnd() * static_cast<float>(texts.size()));
    Label2->setText(texts.at(k));
    Label2->setAccessibleName(Label2->text());
    look::fixAndCentre(this);
}

void frmFarewell::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!modHelp::isEnding())
        modHelp::EndApplication();
}

bool frmFarewell::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        referralBoxEntered(watched);
        break;
    case QEvent::FocusOut:
        m_entered = nullptr;
        if (movesFocusWithinWindow(event))
            referralBoxLeft(watched);
        break;
    case QEvent::KeyPress:
        if (watched == txtEmail || watched == txtFriendEmail)
            return emailAddressKeyPress(static_cast<QKeyEvent*>(event)->text()) ==
                   Keystroke::Discard;
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmFarewell::Check1_Click() {
    if (!Check1->isChecked())
        return;
    Check1->setChecked(false);
    modHelp::OpenWebPage(modHelp::WebPage::Home);
}

void frmFarewell::cmdClose_Click() {
    close();
}

void frmFarewell::cmdSubmit_Click() {
    using modTellAFriend::trimSpaces;
    modTellAFriend::ReferralDetailsType& details = modTellAFriend::ReferralDetails;
    details.name = trimSpaces(txtName->text());
    details.email = trimSpaces(txtEmail->text());
    details.message = trimSpaces(boxText(txtMessage));
    details.friendName = trimSpaces(txtFriendName->text());
    details.friendEmail = trimSpaces(txtFriendEmail->text());

    const QString problem = modTellAFriend::checkAddresses(details);
    if (!problem.isEmpty()) {
        platform::services().showMessage(this, problem, platform::Icon::Critical);
        return;
    }
    modTellAFriend::SubmitReferral(this);
}

void frmFarewell::referralBoxEntered(QObject* box) {
    // The placeholder goes once the focus has been reported: told first of a caret moving in an
    // emptied box, a screen reader takes the box as focused already and never says its name.
    m_entered = box;
    QMetaObject::invokeMethod(this, &frmFarewell::clearPlaceholder, Qt::QueuedConnection);
}

void frmFarewell::clearPlaceholder() {
    QObject* box = std::exchange(m_entered, nullptr);
    if (box && modTellAFriend::trimSpaces(boxText(box)) == placeholderOf(box))
        setBoxText(box, QString());
}

void frmFarewell::referralBoxLeft(QObject* box) {
    if (modTellAFriend::trimSpaces(boxText(box)).isEmpty())
        setBoxText(box, placeholderOf(box));
}

Keystroke frmFarewell::emailAddressKeyPress(const QString& typed) {
    if (typed != QStringLiteral(" "))
        return Keystroke::Keep;
    platform::services().showMessage(this, QStringLiteral("Email Address Cannot Contain Space"),
                                     platform::Icon::Critical);
    return Keystroke::Discard;
}

QString frmFarewell::boxText(QObject* box) const {
    if (box == txtMessage)
        // A multi-line box keeps its lines apart with CR LF, as the page expects them.
        return txtMessage->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const auto* line = qobject_cast<const QLineEdit*>(box);
    return line ? line->text() : QString();
}

void frmFarewell::setBoxText(QObject* box, const QString& text) {
    if (box == txtMessage)
        txtMessage->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
}

QString frmFarewell::placeholderOf(QObject* box) const {
    if (box == txtName)
        return modTellAFriend::PlaceholderName;
    if (box == txtEmail)
        return modTellAFriend::PlaceholderEmail;
    if (box == txtFriendName)
        return modTellAFriend::PlaceholderFriendName;
    if (box == txtFriendEmail)
        return modTellAFriend::PlaceholderFriendEmail;
    return modTellAFriend::PlaceholderMessage;
}
