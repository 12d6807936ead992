#include "shell/platform.h"

#include "shell/desktopcontrast.h"
#include "shell/filedialog.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrl>

namespace platform {
namespace {

const QString ApplicationTitle = QStringLiteral("Velmora");

QMessageBox::Icon toMessageBoxIcon(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Critical:
        return QMessageBox::Critical;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// Qt's Unix print dialog switches its page-range choices back on when it refreshes, whatever
// its options say; this keeps them off for as long as the dialog lives.
class PageRangeLock : public QObject {
public:
    explicit PageRangeLock(QPrintDialog& dialog)
        : QObject(&dialog) {
        for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
            if (auto* widget = dialog.findChild<QWidget*>(QLatin1String(name))) {
                widget->installEventFilter(this);
                widget->setEnabled(false);
            }
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::EnabledChange || event->type() == QEvent::Show) {
            auto* widget = qobject_cast<QWidget*>(watched);
            if (widget && widget->isEnabled())
                QTimer::singleShot(0, widget, [widget] { widget->setEnabled(false); });
        }
        return false;
    }
};

class QtServices final : public Services {
public:
    void showMessage(QWidget* parent, const QString& text, Icon icon) override {
        QMessageBox box(toMessageBoxIcon(icon), ApplicationTitle, text, QMessageBox::Ok, parent);
        box.exec();
    }

    bool askYesNo(QWidget* parent, const QString& text, Icon icon) override {
        QMessageBox box(toMessageBoxIcon(icon), ApplicationTitle, text,
                        QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

    void openAddress(const QString& address) override {
        QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    }

    QString chooseFileToOpen(QWidget* parent, const FileDialogRequest& request) override {
        return runReadingFileDialog(parent, request, FileDialogKind::Open);
    }

    QString chooseFileToSave(QWidget* parent, const FileDialogRequest& request) override {
        return runReadingFileDialog(parent, request, FileDialogKind::Save);
    }

    bool choosePrinter(QWidget* parent, QPrinter& printer, const PrintRequest& request) override {
        printer.setPrintRange(request.selectionChosen ? QPrinter::Selection : QPrinter::AllPages);
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
        new PageRangeLock(dialog);
        return dialog.exec() == QDialog::Accepted;
    }

    void clearClipboard() override {
        if (auto* clipboard = QGuiApplication::clipboard())
            clipboard->clear();
    }

    QDate today() override { return QDate::currentDate(); }

    void endProcess(int exitCode) override { QCoreApplication::exit(exitCode); }

    std::optional<ContrastColours> highContrast() override { return desktopContrast(); }
};

QtServices realServices;
Services* current = &realServices;

} // namespace

Services& services() {
    return *current;
}

ContrastChanges& contrastChanges() {
    static ContrastChanges changes;
    return changes;
}

ScopedServices::ScopedServices(Services& replacement)
    : m_previous(current) {
    current = &replacement;
}

ScopedServices::~ScopedServices() {
    current = m_previous;
}

} // namespace platform
