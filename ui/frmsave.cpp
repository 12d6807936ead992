#include "ui/frmsave.h"

#include "report/printing.h"
#include "report/readingfile.h"
#include "shell/core/identity.h"
#include "shell/core/pageaddresses.h"
#include "shell/platform.h"
#include "ui/adverts.h"
#include "ui/clipboardguard.h"
#include "ui/linkdetection.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/pagelinks.h"

#include <QCloseEvent>
#include <QDir>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>

namespace {

using report::ReportValues;

const QString ForumInvitation = QStringLiteral("Talk runes on our discussion board. Click here!");
const QString SiteInvitation = QStringLiteral("Visit the Velmora web site now. Click here!");
const QString SaveFailedMessage = QStringLiteral("The Reading Could Not Be Saved.");
const QString NameNotSavableMessage =
    QStringLiteral("The Name Contains Characters That Cannot Be Saved.");

QFont msSansSerif(int style) {
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(8.25);
    font.setBold((style & look::Bold) != 0);
    return font;
}

// The print job's name, in the print queue and as a PDF's title, never on the paper. Qt's print
// dialog also offers it as a file name, where a slash from a reading file's name would lead
// into a folder.
QString printJobName(const std::optional<QString>& readingName) {
    QString name = readingName.value_or(QString());
    name.replace(u'/', u'-').replace(u'\\', u'-');
    // Plain ASCII around the name: print queues and their tools do not all read UTF-8.
    return QStringLiteral("%1 reading - %2").arg(QLatin1String(identity::Name), name);
}

} // namespace

frmSave::frmSave(QWidget* readingWindow, const ReportValues& values)
    : QDialog(readingWindow) {
    look::dressWindow(this, "frmSave", Qt::Dialog);
    setWindowIcon(look::windowIcon());
    setWindowModality(Qt::WindowModal);
    setFixedSize(512, 512);
    look::setGround(this);

    createControls();
    setKeyboardOrder();
    Form_Load(values);
}

frmSave::~frmSave() = default;

void frmSave::showModal(QWidget* readingWindow, const ReportValues& values) {
    auto* form = new frmSave(readingWindow, values);
    look::fixAndCentre(form);
    form->exec(); // deletes the window once it is closed
}

void frmSave::createControls() {
    const QFont linkFont = look::font(look::Underline);
    Label14 = look::link(this, "Label14", look::twips(1747, 0, 4230, 195), ForumInvitation,
                         linkFont, look::PaleYellow, Qt::AlignHCenter);
    Label1 = look::link(this, "Label1", look::twips(1867, 180, 3990, 195), SiteInvitation, linkFont,
                        look::PaleYellow, Qt::AlignHCenter);
    for (LinkLabel* line : {Label14, Label1}) {
        line->setWordWrap(false);
        pageLinks::opensPage(line, modHelp::WebPage::Home);
    }

    RTB = new QTextEdit(this);
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setGeometry(look::twips(0, 390, 7665, 6135));
    RTB->setFont(look::verdana(9.75));
    RTB->setReadOnly(true);
    RTB->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    RTB->setUndoRedoEnabled(false);
    RTB->setTabChangesFocus(true);
    RTB->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    RTB->setAccessibleName(QStringLiteral("Report"));
    look::setColours(RTB, {{QPalette::Base, look::Green}});

    cmdSave = look::flatButton(this, "cmdSave", look::twips(5400, 6570, 1125, 345),
                               QStringLiteral("&Save"), msSansSerif(look::Bold));
    cmdPrint = look::flatButton(this, "cmdPrint", look::twips(6540, 6570, 1125, 345),
                                QStringLiteral("&Print"), look::font(look::Bold));
    for (QPushButton* button : {cmdSave, cmdPrint})
        button->setAutoDefault(false); // no default button: Enter presses nothing
    connect(cmdSave, &QPushButton::clicked, this, &frmSave::cmdSave_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);

    Label8 =
        look::link(this, "Label8", look::twips(0, 6960, 7665, 615), adverts::FullBrand,
                   look::font(look::Bold | look::Underline), look::PaleYellow, Qt::AlignHCenter);
    pageLinks::opensPage(Label8, modHelp::WebPage::FullyBranded);
}

void frmSave::setKeyboardOrder() {
    setTabOrder(RTB, cmdPrint);
    setTabOrder(cmdPrint, cmdSave);
    RTB->setFocus();
}

void frmSave::Form_Load(const ReportValues& values) {
    modRTB::EnableLinkDetection(RTB);
    report::BuildReport(*RTB->document(), values);
    m_documentName = printJobName(values.name);
    RTB->moveCursor(QTextCursor::Start);
    // Building was the first change; one emptying stands for all of its insertions.
    platform::services().clearClipboard();
    ClipboardGuard::guard(RTB);
}

void frmSave::Form_Unload() {
    modRTB::DisableLinkDetection();
}

void frmSave::closeEvent(QCloseEvent* event) {
    QDialog::closeEvent(event);
    if (event->isAccepted())
        Form_Unload();
}

// Only the close box closes the window: there is no Close button for Esc to press.
void frmSave::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmSave::cmdSave_Click() {
    const QString path = platform::services().chooseFileToSave(
        this,
        {QStringLiteral("Velmora"), QStringLiteral("Velmora | *.run"), QStringLiteral("run")});
    if (path.isEmpty())
        return;
    const report::SaveResult result =
        report::WriteReadingFile(path, modRunicAstrology::CurrentBirthDetails);
    switch (result.status) {
    case report::SaveStatus::Saved:
        break;
    case report::SaveStatus::NameCannotBeSaved:
        platform::services().showMessage(this, NameNotSavableMessage, platform::Icon::Critical);
        break;
    case report::SaveStatus::Failed:
        platform::services().showMessage(this,
                                         SaveFailedMessage + QLatin1Char('\n') +
                                             QDir::toNativeSeparators(path) + QStringLiteral(": ") +
                                             result.reason,
                                         platform::Icon::Critical);
        break;
    }
}

void frmSave::cmdPrint_Click() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_documentName);
    const QTextCursor selection = RTB->textCursor();
    if (!platform::services().choosePrinter(this, printer, {selection.hasSelection()}))
        return;
    report::printReport(*RTB->document(), selection, printer);
}
