#include "shell/fakeservices.h"

#include <QPrinter>

namespace platform {

void FakeServices::showMessage(QWidget*, const QString& text, Icon icon) {
    messages.append({text, icon});
}

bool FakeServices::askYesNo(QWidget*, const QString& text, Icon icon) {
    questions.append({text, icon});
    return answerYes;
}

void FakeServices::openAddress(const QString& address) {
    openedAddresses.append(address);
}

QString FakeServices::chooseFileToOpen(QWidget*, const FileDialogRequest& request) {
    openRequests.append(request);
    return fileToOpen;
}

QString FakeServices::chooseFileToSave(QWidget*, const FileDialogRequest& request) {
    saveRequests.append(request);
    return fileToSave;
}

bool FakeServices::choosePrinter(QWidget*, QPrinter& printer, const PrintRequest& request) {
    printRequests.append(request);
    if (printToPdf.isEmpty())
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(printToPdf);
    printer.setPrintRange(request.selectionChosen ? QPrinter::Selection : QPrinter::AllPages);
    return true;
}

void FakeServices::clearClipboard() {
    ++clipboardClears;
}

QDate FakeServices::today() {
    return todayDate;
}

void FakeServices::endProcess(int exitCode) {
    endedWith.append(exitCode);
}

std::optional<ContrastColours> FakeServices::highContrast() {
    return contrast;
}

void FakeServices::switchContrast(const std::optional<ContrastColours>& colours) {
    contrast = colours;
    emit contrastChanges().changed();
}

} // namespace platform
