#include "shell/filedialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

namespace platform {
namespace {

// Qt's dialog finds the pattern in brackets in the description: "Velmora | *.run" shows as
// "Velmora (*.run)".
QString qtFilter(const QString& filter) {
    const auto [description, pattern] = splitFilter(filter);
    if (pattern.isEmpty() || description.contains(u'(' + pattern + u')'))
        return description;
    return description + QStringLiteral(" (") + pattern + u')';
}

// Qt's file dialog, minding what Qt does not: the open dialog takes a typed name without an
// extension as it stands when that file exists (Qt adds the default one first); both refuse
// what Windows' dialogs refuse, with a message while they stay open, the way Qt refuses a
// missing file. Qt's own dialogs behave the same on every desktop and can be driven by tests
// under Xvfb.
class ReadingFileDialog final : public QFileDialog {
public:
    ReadingFileDialog(QWidget* parent, const FileDialogRequest& request, FileDialogKind kind)
        : QFileDialog(parent, request.title, QString(), qtFilter(request.filter))
        , m_kind(kind)
        , m_defaultSuffix(request.defaultSuffix) {
        setOptions(QFileDialog::DontUseNativeDialog);
        setAcceptMode(kind == FileDialogKind::Open ? AcceptOpen : AcceptSave);
        setFileMode(kind == FileDialogKind::Open ? ExistingFile : AnyFile);
        if (kind == FileDialogKind::Save)
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
        const QString path = m_kind == FileDialogKind::Open ? existingReadingFile(typed) : typed;
        const QFileInfo file(path);
        if (file.isDir() || (m_kind == FileDialogKind::Open && !file.exists())) {
            QFileDialog::accept(); // Qt opens the folder or reports the missing file
            return;
        }
        const QString refusal = refusalMessage(refusalOf(file, m_kind), file);
        if (!refusal.isEmpty()) {
            QMessageBox::warning(this, windowTitle(), refusal);
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

    FileDialogKind m_kind;
    QString m_defaultSuffix;
    QString m_chosen;
};

} // namespace

QString runReadingFileDialog(QWidget* parent, const FileDialogRequest& request,
                             FileDialogKind kind) {
    ReadingFileDialog dialog(parent, request, kind);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.chosenFile();
}

} // namespace platform
