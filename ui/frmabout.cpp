#include "ui/frmabout.h"

#include "shell/core/identity.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/pagelinks.h"
#include "ui/picturelabel.h"

#include <QLabel>
#include <QPushButton>

namespace {

const QString Description = QStringLiteral(
    "Velmora is a free software that correlates the ancient art of runic divination with "
    "astrology. It describes in detail the characteristics of the rune stones associated with "
    "your Western sun sign and with the planet that rules it.");
const QString BusinessOpportunity = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website.");

QString homePageInvitation() {
    return QStringLiteral("Visit us at ") + QLatin1String(identity::SiteHost);
}

} // namespace

frmAbout::frmAbout(QWidget* opener)
    : QDialog(opener) {
    look::dressWindow(this, "frmAbout", Qt::Dialog);
    setWindowIcon(look::windowIcon());
    setModal(true);
    look::setGround(this);

    createHeading();
    createLinks();
    createButton();
    setFixedSize(423, 249);
    look::fixAndCentre(this);
}

void frmAbout::createHeading() {
    auto* picIcon = new PictureLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(look::twips(120, 120, 510, 510));
    picIcon->setAlignment(Qt::AlignCenter);
    picIcon->setSource([](qreal ratio) { return look::windowIcon().pixmap(QSize(32, 32), ratio); });
    picIcon->setAccessibleName(QStringLiteral("Velmora"));

    look::label(this, "Label2", look::twips(840, 240, 2760, 240), look::WindowCaption,
                look::verdana(9.75, look::Bold), look::PaleYellow);
    look::wrappingLabel(this, "Label1", look::twips(120, 960, 6225, 855), Description, look::font(),
                        look::PaleYellow);
}

void frmAbout::createLinks() {
    LinkLabel* lblHomePage =
        look::link(this, "lblHomePage", look::twips(2160, 1920, 4050, 195), homePageInvitation(),
                   look::font(look::Underline), look::Yellow);
    pageLinks::opensPage(lblHomePage, modHelp::WebPage::Home);

    look::wrappingLabel(this, "Label6", look::twips(120, 2280, 6135, 615), BusinessOpportunity,
                        look::font(look::Bold), look::PaleYellow);
    LinkLabel* Label5 = look::link(this, "Label5", look::twips(3960, 2880, 2295, 195),
                                   QStringLiteral("Click here for more details"),
                                   look::font(look::Underline), look::Yellow);
    pageLinks::opensPage(Label5, modHelp::WebPage::FullyBranded);

    // The rule runs past both edges of the window, from -60 to 6360 twips.
    look::rule(this, "Line2", QRect(look::px(-60), look::px(3120), look::px(6360 + 60), 1),
               look::PaleYellow);
}

void frmAbout::createButton() {
    QPushButton* cmdOK = look::flatButton(this, "cmdOK", look::twips(4920, 3360, 1260, 345),
                                          QStringLiteral("&OK"), look::font(look::Bold));
    cmdOK->setAutoDefault(true);
    cmdOK->setDefault(true);
    cmdOK->setFocus();
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void frmAbout::showModal(QWidget* opener) {
    // Parented only so it stays out of the taskbar and above its opener.
    auto* about = new frmAbout(opener);
    about->exec();
}
