#include "ui/clipboardguard.h"

#include "shell/platform.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

void emptyClipboard() {
    platform::services().clearClipboard();
}

} // namespace

ClipboardGuard::ClipboardGuard(QAbstractScrollArea* box)
    : QObject(box) {
    for (QWidget* area : {static_cast<QWidget*>(box), box->viewport()}) {
        area->setMouseTracking(true);
        area->installEventFilter(this);
    }
}

void ClipboardGuard::guard(QPlainTextEdit* box) {
    if (box)
        connect(box, &QPlainTextEdit::textChanged, new ClipboardGuard(box), emptyClipboard);
}

void ClipboardGuard::guard(QTextEdit* box) {
    if (box)
        connect(box, &QTextEdit::textChanged, new ClipboardGuard(box), emptyClipboard);
}

bool ClipboardGuard::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
        emptyClipboard();
        [[fallthrough]];
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
        emptyClipboard();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
