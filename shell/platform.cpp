#include "shell/platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
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

// Qt's own dialogs behave the same on every desktop and can be driven by tests under Xvfb.
QFileDialog::Options dialogOptions() {
    return QFileDialog::DontUseNativeDialog;
}

// Qt's dialog finds the pattern in brackets in the description: "Velmora | *.run" shows as
// "Velmora (*.run)".
QString qtFilter(const QString& filter) {
    const QString description = filter.section(u'|', 0, 0).trimmed();
    const QString pattern = filter.section(u'|', 1).trimmed();
    if (pattern.isEmpty() || description.contains(u'(' + pattern + u')'))
        return description;
    return description + QStringLiteral(" (") + pattern + u')';
}

// Read-only: no write permission for anyone, a mark that root respects too although it could
// write the file, or a file this user may not write.
bool isReadOnly(const QFileInfo& file) {
    const QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !file.isWritable() || !(file.permissions() & anyWrite);
}

// Qt's file dialog, minding what Qt does not: the open dialog takes a typed name without an
// extension as it stands when that file exists (Qt adds the default one first); both refuse
// a read-only file, the save dialog a missing folder, with a message while they stay open,
// the way Qt refuses a missing file.
class ReadingFileDialog final : public QFileDialog {
public:
    ReadingFileDialog(QWidget* parent, const FileDialogRequest& request, AcceptMode acceptMode)
        : QFileDialog(parent, request.title, QString(), qtFilter(request.filter))
        , m_defaultSuffix(request.defaultSuffix) {
        setOptions(dialogOptions());
        setAcceptMode(acceptMode);
        setFileMode(acceptMode == AcceptOpen ? ExistingFile : AnyFile);
        if (acceptMode == AcceptSave)
            setDefaultSuffix(request.defaultSuffix);
    }

    QString chosenFile() const { return m_chosen.isEmpty() ? selectedFiles().value(0) : m_chosen; }

protected:
    void accept() override {
        m_chosen.clear();
        const QStringList files = selectedFiles();
        if (files.size() != 1) {
            QFileDialog::accept();
            return;
        }
        const QString typed = files.constFirst();
        const QString path = acceptMode() == AcceptOpen ? existingReadingFile(typed) : typed;
        const QFileInfo file(path);
        if (file.isDir() || (acceptMode() == AcceptOpen && !file.exists())) {
            QFileDialog::accept(); // Qt opens the folder or reports the missing file
            return;
        }
        if (!file.dir().exists()) {
            refuse(QStringLiteral(
                       "%1\nFolder not found.\nPlease verify the correct folder name was given.")
                       .arg(QDir::toNativeSeparators(file.path())));
            return;
        }
        if (file.exists() && isReadOnly(file)) {
            refuse(QStringLiteral("%1\nThis file is read-only.\nPlease choose another file.")
                       .arg(file.fileName()));
            return;
        }
        if (path == typed) {
            QFileDialog::accept(); // asks before replacing a file
            return;
        }
        m_chosen = path;
        QDialog::accept();
    }

private:
    // "anna" finds "anna.run" when there is no file named "anna".
    QString existingReadingFile(const QString& typed) const {
        const QFileInfo file(typed);
        if (file.exists() || m_defaultSuffix.isEmpty() || file.fileName().contains(u'.'))
            return typed;
        const QString withSuffix = typed + u'.' + m_defaultSuffix;
        return QFileInfo(withSuffix).isFile() ? withSuffix : typed;
    }

    void refuse(const QString& message) { QMessageBox::warning(this, windowTitle(), message); }

    QString m_defaultSuffix;
    QString m_chosen;
};

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
        return runFileDialog(parent, request, QFileDialog::AcceptOpen);
    }

    QString chooseFileToSave(QWidget* parent, const FileDialogRequest& request) override {
        return runFileDialog(parent, request, QFileDialog::AcceptSave);
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

private:
    static QString runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                 QFileDialog::AcceptMode acceptMode) {
        ReadingFileDialog dialog(parent, request, acceptMode);
        if (dialog.exec() != QDialog::Accepted)
            return {};
        return dialog.chosenFile();
    }
};

QtServices realServices;
Services* current = &realServices;

} // namespace

Services& services() {
    return *current;
}

ScopedServices::ScopedServices(Services& replacement)
    : m_previous(current) {
    current = &replacement;
}

ScopedServices::~ScopedServices() {
    current = m_previous;
}

} // namespace platform
