#include "ui/windowframe.h"

#include "shell/endapplication.h"
#include "ui/adverts.h"
#include "ui/linklabel.h"
#include "ui/look.h"
#include "ui/pagelinks.h"

#include <QCloseEvent>
#include <QFrame>

namespace windowFrame {

void addTopBand(QWidget* client, const QRect& band, const QRect& advert) {
    QFrame* Frame2 = look::panel(client, "Frame2", band, look::Green);
    LinkLabel* Label61 = look::link(Frame2, "Label61", advert, adverts::DiscussionBoard,
                                    look::verdana(9, look::Bold | look::Underline),
                                    look::PaleYellow, Qt::AlignHCenter);
    pageLinks::opensPage(Label61, modHelp::WebPage::Home);
}

void leaveOnClose(QCloseEvent* event) {
    event->accept();
    if (!modHelp::isEnding())
        modHelp::leaveApplication();
}

} // namespace windowFrame
