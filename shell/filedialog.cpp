#include "shell/filedialog.h"

#include <QDir>
#include <QFileInfo>

namespace platform {

DialogRefusal refusalOf(const QFileInfo& chosen, FileDialogKind kind) {
    if (kind == FileDialogKind::Save && !chosen.dir().exists())
        return DialogRefusal::MissingFolder;
    if (!chosen.exists() || chosen.isDir())
        return DialogRefusal::None;
    // No write permission for anyone is a mark that root respects too, although it could write.
    const QFile::Permissions anyWrite = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (!chosen.isWritable() || !(chosen.permissions() & anyWrite))
        return DialogRefusal::ReadOnly;
    return DialogRefusal::None;
}

QString refusalMessage(DialogRefusal refusal, const QFileInfo& chosen) {
    switch (refusal) {
    case DialogRefusal::MissingFolder:
        return QStringLiteral(
                   "%1\nFolder not found.\nPlease verify the correct folder name was given.")
            .arg(QDir::toNativeSeparators(chosen.path()));
    case DialogRefusal::ReadOnly:
        return QStringLiteral("%1\nThis file is read-only.\nPlease choose another file.")
            .arg(chosen.fileName());
    case DialogRefusal::None:
        break;
    }
    return {};
}

FilterParts splitFilter(const QString& filter) {
    return {filter.section(u'|', 0, 0).trimmed(), filter.section(u'|', 1).trimmed()};
}

} // namespace platform
