#include "ui/frmmain.h"

#include "report/readingfile.h"
#include "shell/platform.h"

#include <QComboBox>
#include <QLineEdit>

namespace {

const QString CheckTheFileMessage = QStringLiteral("Please Check The File.");

// Like setting a list's text: the entry with exactly that text, else the choice stays.
void selectEntry(QComboBox* list, const QString& text) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

} // namespace

void frmMain::cmdOpen_Click() {
    const QString path = platform::services().chooseFileToOpen(
        this, {QStringLiteral("Select the source file"), QStringLiteral("Velmora (*.run)|*.run"),
               QStringLiteral("run")});
    if (path.isEmpty())
        return;
    const std::optional<std::array<QString, 4>> lines =
        report::hasReadingFileName(path) ? report::ReadReadingFile(path) : std::nullopt;
    if (!lines) {
        platform::services().showMessage(this, CheckTheFileMessage, platform::Icon::Critical);
        return;
    }
    const auto& [name, day, month, year] = *lines;
    txtName->setText(name); // as stored: the keystroke filter is for typing only
    selectEntry(cmbDate, day);
    selectEntry(cmbMonth, month);
    selectEntry(cmbYear, year);
    cmdRunicAstrology_Click();
}
