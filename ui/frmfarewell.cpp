#include "ui/frmfarewell.h"

#include "shell/modhelp.h"
#include "shell/modtellafriend.h"
#include "shell/platform.h"
#include "ui/linklabel.h"
#include "ui/look.h"
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

QLineEdit* ReferralBox(QWidget* parent, const char* name, const QRect& twips, const QString& text) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(twips);
    box->setFont(look::Font());
    return box;
}

// One line in its rectangle: where the font found in place of the one asked for runs wider, the
// letters are narrowed rather than cut off at the edge.
void FitOnOneLine(QLabel* label) {
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
bool MovesFocusWithinWindow(const QEvent* event) {
    const Qt::FocusReason reason = static_cast<const QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

frmFarewell::frmFarewell(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                          Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint) {
    setObjectName(QStringLiteral("frmFarewell"));
    setAttribute(Qt::WA_ShowWithoutActivating);
    look::SetBackground(this, look::White);
    setFont(look::Font());
    CreateControls();
    ConnectHandlers();
    Form_Load();
}

const QStringList& frmFarewell::PromotionalTexts() {
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

void frmFarewell::CreateControls() {
    setFixedSize(look::Px(11115), look::Px(4725));

    picIcon = new PictureLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(look::Twips(360, 120, 540, 540));
    lblCaption = look::AutoSizeLabel(this, "lblCaption", 1080, 240,
                                     QFont(QStringLiteral("MS Sans Serif"), 18), 0x000000);
    Label2 = look::WrappingLabel(this, "Label2", look::Twips(120, 840, 6975, 1095), QString(),
                                 look::Verdana(9.75, look::Bold), 0x000000);

    Check1 =
        new QCheckBox(QStringLiteral("Yes, take me to www.quorvanesoftwares.com right now"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(look::Twips(30, 2040, 7185, 555));
    Check1->setFont(look::Font(look::Bold));
    Check1->setCursor(Qt::PointingHandCursor);
    look::SetTextColour(Check1, CheckBlue);

    cmdClose = look::FlatButton(this, "cmdClose", look::Twips(6000, 2760, 1245, 375),
                                QStringLiteral("E&xit"), look::Font(look::Bold));

    CreateReferralForm();
    CreateOtherPrograms();
}

void frmFarewell::CreateReferralForm() {
    Frame2 = look::Group(this, "Frame2", look::Twips(120, 3240, 7065, 1455),
                         QStringLiteral("Refer A Friend"));
    Frame2->setFont(look::Verdana(9.75, look::Bold));
    look::SetBackground(Frame2, Navy);

    txtName = ReferralBox(Frame2, "txtName", look::Twips(85, 360, 3375, 285),
                          modTellAFriend::PlaceholderName);
    txtEmail = ReferralBox(Frame2, "txtEmail", look::Twips(3600, 360, 3375, 285),
                           modTellAFriend::PlaceholderEmail);
    txtFriendName = ReferralBox(Frame2, "txtFriendName", look::Twips(85, 720, 3375, 285),
                                modTellAFriend::PlaceholderFriendName);
    txtFriendEmail = ReferralBox(Frame2, "txtFriendEmail", look::Twips(3600, 720, 3375, 285),
                                 modTellAFriend::PlaceholderFriendEmail);
    cmdSubmit = look::FlatButton(Frame2, "cmdSubmit", look::Twips(1920, 1080, 3375, 285),
                                 QStringLiteral("Refer A Friend &Now"), look::Font(look::Bold));

    // Placed below the bottom of its group, so it is never seen; Tab still reaches it.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setObjectName(QStringLiteral("txtMessage"));
    txtMessage->setGeometry(look::Twips(4800, 3600, 1815, 495));
    txtMessage->setFont(look::Font());
    txtMessage->setTabChangesFocus(true);
    txtMessage->setPlainText(modTellAFriend::PlaceholderMessage + QStringLiteral("\r\n"));

    for (QWidget* box : std::initializer_list<QWidget*>{txtName, txtEmail, txtFriendName,
                                                        txtFriendEmail, txtMessage})
        box->installEventFilter(this);
}

void frmFarewell::CreateOtherPrograms() {
    Frame6 = look::Group(this, "Frame6", look::Twips(7320, 120, 3735, 4575),
                         QStringLiteral("Download Quorvane Softwares"));
    Frame6->setFont(look::Verdana(9.75, look::Bold));
    look::SetBackground(Frame6, Navy);

    Label3 = look::WrappingLabel(Frame6, "Label3", look::Twips(120, 360, 3495, 3855),
                                 OtherProgramsText, look::Verdana(9), look::White);
    lblGoToHome = look::Link(Frame6, "lblGoToHome", look::Twips(75, 4250, 3585, 210),
                             QStringLiteral("Click Here To Visit Quorvane Softwares"),
                             look::Verdana(9, look::Bold | look::Underline), look::Yellow);
    FitOnOneLine(lblGoToHome);
}

void frmFarewell::ConnectHandlers() {
    connect(Check1, &QCheckBox::toggled, this, &frmFarewell::Check1_Click);
    connect(cmdClose, &QPushButton::clicked, this, &frmFarewell::cmdClose_Click);
    connect(cmdSubmit, &QPushButton::clicked, this, &frmFarewell::cmdSubmit_Click);
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmFarewell::lblGoToHome_Click);
}

void frmFarewell::Form_Load() {
    setWindowTitle(look::WindowCaption);
    lblCaption->setText(look::WindowCaption);
    lblCaption->adjustSize();
    setWindowIcon(look::WindowIcon());
    picIcon->setSource(
        [size = picIcon->size()](qreal ratio) { return look::WindowIcon().pixmap(size, ratio); });

    modHelp::Randomize();
    const auto k = static_cast<qsizetype>(modHelp::Rnd() * 4);
    Label2->setText(PromotionalTexts().at(k));
    Label2->setAccessibleName(Label2->text());
    look::FixAndCentre(this);
}

void frmFarewell::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!modHelp::IsEnding())
        modHelp::EndApplication();
}

bool frmFarewell::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::FocusIn:
        Referral_GotFocus(watched);
        break;
    case QEvent::FocusOut:
        if (MovesFocusWithinWindow(event))
            Referral_LostFocus(watched);
        break;
    case QEvent::KeyPress:
        if (watched == txtEmail || watched == txtFriendEmail)
            return EmailAddress_KeyPress(static_cast<QKeyEvent*>(event)->text());
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
    modHelp::OpenWebPage(QString::fromLatin1(modHelp::PageHome));
}

void frmFarewell::cmdClose_Click() {
    close();
}

void frmFarewell::cmdSubmit_Click() {
    using modTellAFriend::TrimSpaces;
    modTellAFriend::ReferralDetailsType& details = modTellAFriend::ReferralDetails;
    details.Name = TrimSpaces(txtName->text());
    details.Email = TrimSpaces(txtEmail->text());
    details.Message = TrimSpaces(BoxText(txtMessage));
    details.FriendName = TrimSpaces(txtFriendName->text());
    details.FriendEmail = TrimSpaces(txtFriendEmail->text());

    const QString problem = modTellAFriend::CheckAddresses(details);
    if (!problem.isEmpty()) {
        platform::services().showMessage(this, problem, platform::Icon::Critical);
        return;
    }
    modTellAFriend::SubmitReferral(this);
}

void frmFarewell::lblGoToHome_Click() {
    modHelp::OpenWebPage(QString::fromLatin1(modHelp::PageOtherPrograms));
}

void frmFarewell::Referral_GotFocus(QObject* box) {
    if (modTellAFriend::TrimSpaces(BoxText(box)) == PlaceholderOf(box))
        SetBoxText(box, QString());
}

void frmFarewell::Referral_LostFocus(QObject* box) {
    if (modTellAFriend::TrimSpaces(BoxText(box)).isEmpty())
        SetBoxText(box, PlaceholderOf(box));
}

bool frmFarewell::EmailAddress_KeyPress(const QString& typed) {
    if (typed != QStringLiteral(" "))
        return false;
    platform::services().showMessage(this, QStringLiteral("Email Address Cannot Contain Space"),
                                     platform::Icon::Critical);
    return true;
}

QString frmFarewell::BoxText(QObject* box) const {
    if (box == txtMessage)
        // A multi-line box keeps its lines apart with CR LF, as the page expects them.
        return txtMessage->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    const auto* line = qobject_cast<const QLineEdit*>(box);
    return line ? line->text() : QString();
}

void frmFarewell::SetBoxText(QObject* box, const QString& text) {
    if (box == txtMessage)
        txtMessage->setPlainText(text);
    else if (auto* line = qobject_cast<QLineEdit*>(box))
        line->setText(text);
}

QString frmFarewell::PlaceholderOf(QObject* box) const {
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
