#pragma once
// The reading file's open and save dialogs behind the platform services, one side per
// platform: Qt's own dialog on Linux (filedialog_qt.cpp), Windows' own common dialog on
// Windows (filedialog_windows.cpp). Both refuse what the other refuses, by the rule below.

#include "shell/platform.h"

class QFileInfo;

namespace platform {

enum class FileDialogKind { Open, Save };

// The chosen path, or an empty text when the user cancelled.
QString runReadingFileDialog(QWidget* parent, const FileDialogRequest& request,
                             FileDialogKind kind);

enum class DialogRefusal {
    None,
    MissingFolder, // saving into a folder that does not exist
    ReadOnly,      // a file marked read-only, or one this user may not write
};

// What the dialogs refuse of a chosen file, as Windows' dialogs do by their flags: a
// read-only file on both sides and a missing folder when saving.
DialogRefusal refusalOf(const QFileInfo& chosen, FileDialogKind kind);

// The words of the refusal, shown while the dialog stays open; empty for None.
QString refusalMessage(DialogRefusal refusal, const QFileInfo& chosen);

// "Velmora | *.run" as its description and its pattern, both trimmed.
struct FilterParts {
    QString description;
    QString pattern;
};
FilterParts splitFilter(const QString& filter);

} // namespace platform
