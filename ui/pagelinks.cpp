#include "ui/pagelinks.h"

#include "shell/webpages.h"
#include "ui/linklabel.h"

#include <QAction>

namespace pageLinks {

void opensPage(QAction* entry, modHelp::WebPage page) {
    QObject::connect(entry, &QAction::triggered, entry, [page] { modHelp::OpenWebPage(page); });
}

void opensPage(LinkLabel* label, modHelp::WebPage page) {
    QObject::connect(label, &LinkLabel::clicked, label, [page] { modHelp::OpenWebPage(page); });
}

} // namespace pageLinks
