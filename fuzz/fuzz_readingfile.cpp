// Opening a reading file: any bytes as the file's content go through the main window's Open
// (read, split, decode, put into the four inputs) and Generate, in the real windows offscreen.
// Rules checked after every input: a file over the size limit, or whose decoded name holds a
// control character, gets "Please Check The File." and changes nothing; otherwise the inputs
// hold what the file's lines say or, for a list, keep their entry when no entry matches; the
// outcome is the one validation gives, with its message or a complete reading on screen; and
// Back leaves the inputs as they were.

#include "fuzzcheck.h"

#include "reading/engine.h"
#include "report/readingfile.h"
#include "shell/core/textencoding.h"
#include "shell/endapplication.h"
#include "shell/fakeservices.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace {

struct Inputs {
    QString name;
    int day = 0;
    int month = 0;
    int year = 0;
};

struct Harness {
    platform::ScopedFakeServices services;
    QTemporaryDir folder;
    QPointer<frmMain> main;
    QString path;
};

Harness* harness = nullptr;

template <typename T> T* control(QWidget* window, const char* name) {
    return window ? window->findChild<T*>(QLatin1String(name)) : nullptr;
}

Inputs inputsOf(frmMain& window) {
    return {control<QLineEdit>(&window, "txtName")->text(),
            control<QComboBox>(&window, "cmbDate")->currentIndex(),
            control<QComboBox>(&window, "cmbMonth")->currentIndex(),
            control<QComboBox>(&window, "cmbYear")->currentIndex()};
}

void setInputs(frmMain& window, const Inputs& inputs) {
    control<QLineEdit>(&window, "txtName")->setText(inputs.name);
    control<QComboBox>(&window, "cmbDate")->setCurrentIndex(inputs.day);
    control<QComboBox>(&window, "cmbMonth")->setCurrentIndex(inputs.month);
    control<QComboBox>(&window, "cmbYear")->setCurrentIndex(inputs.year);
}

// The reading file's lines as the file format describes them, decoded: a line ends at CR or
// CR LF, at most four are read, a byte below the offset decodes to nothing.
std::array<QString, 4> expectedLines(const std::uint8_t* data, std::size_t size) {
    std::array<QString, 4> lines;
    std::size_t line = 0;
    for (std::size_t i = 0; i < size && line < lines.size(); ++i) {
        if (data[i] == '\r') {
            ++line;
            if (i + 1 < size && data[i + 1] == '\n')
                ++i;
        } else if (data[i] >= modHelp::EncodingOffset) {
            lines[line].append(QChar(char16_t(data[i] - modHelp::EncodingOffset)));
        }
    }
    return lines;
}

// The entry a list shows after being given a text: the matching entry, else the one it had.
int expectedEntry(QComboBox* list, const QString& text, int before) {
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    return index >= 0 ? index : before;
}

// The file is refused as a whole: too large to be a reading file, or a name that would carry a
// control character (a line break among them) into the windows and the report.
bool expectedRefusal(std::size_t size, const QString& name) {
    return size > std::size_t(report::ReadingFileLimit) ||
           std::any_of(name.begin(), name.end(), [](QChar character) {
               return character.category() == QChar::Other_Control;
           });
}

void writeFile(const QString& path, const std::uint8_t* data, std::size_t size) {
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size));
}

void checkReadingShown(frmMain& main, frmDisplay* display, int dayPosition, int monthPosition) {
    FUZZ_CHECK(display && display->isVisible());
    FUZZ_CHECK(!main.isVisible());
    const std::optional<std::string> sign =
        modRunicAstrology::FindSunSign(monthPosition, dayPosition);
    FUZZ_CHECK(sign.has_value());
    const std::optional<modRunicAstrology::Reading> reading =
        modRunicAstrology::BuildReading(*sign);
    FUZZ_CHECK(reading.has_value());
    FUZZ_CHECK(control<QLabel>(display, "lblSunSign")->text() == QString::fromStdString(*sign));
    FUZZ_CHECK(
        control<QLabel>(display, "lblCorrespondingRuneStone")->text() ==
        QString::fromStdString((*reading)[modRunicAstrology::Field::CorrespondingRuneStone]));
    FUZZ_CHECK(control<QPlainTextEdit>(display, "txtSunSignNegativeTraits")->toPlainText() ==
               QString::fromStdString((*reading)[modRunicAstrology::Field::SunSignNegativeTraits]));
    FUZZ_CHECK(!control<QLabel>(display, "picSunSign")->pixmap().isNull());
}

void goBack(frmMain& main) {
    if (frmDisplay* display = main.readingWindow())
        display->cmdBack_Click();
    // As the event loop would between two clicks: posted events left to pile up make every
    // later run slower.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    FUZZ_CHECK(main.isVisible());
    FUZZ_CHECK(!main.readingWindow());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    static int argc = 1;
    static char name[] = "fuzz_readingfile";
    static char* argv[] = {name, nullptr};
    // Kept to the end of the process: a static one would be torn down after Qt's own globals.
    static auto* application = new QApplication(argc, argv);
    (void)application;
    modHelp::setLeaveHandler([] {});
    harness = new Harness;
    FUZZ_CHECK(harness->folder.isValid());
    harness->path = harness->folder.filePath(QStringLiteral("reading.run"));
    harness->main = new frmMain;
    harness->main->show();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    frmMain& main = *harness->main;
    platform::FakeServices& services = harness->services;
    writeFile(harness->path, data, size);
    // The same inputs before every file, so a finding replays on its own.
    setInputs(main, {QStringLiteral("EARLIER"), 4, 6, 80});
    const Inputs before = inputsOf(main);
    services.messages.clear();
    services.fileToOpen = harness->path;

    main.cmdOpen_Click();

    const Inputs after = inputsOf(main);
    const std::array<QString, 4> lines = expectedLines(data, size);
    if (expectedRefusal(size, lines[0])) {
        FUZZ_CHECK(services.messages.size() == 1);
        FUZZ_CHECK(services.messages.first().text == QStringLiteral("Please Check The File."));
        FUZZ_CHECK(after.name == before.name && after.day == before.day &&
                   after.month == before.month && after.year == before.year);
        FUZZ_CHECK(!main.readingWindow());
        QCoreApplication::processEvents();
        return 0;
    }
    auto* txtName = control<QLineEdit>(&main, "txtName");
    auto* cmbYear = control<QComboBox>(&main, "cmbYear");
    FUZZ_CHECK(after.name == lines[0].left(txtName->maxLength()));
    FUZZ_CHECK(after.day ==
               expectedEntry(control<QComboBox>(&main, "cmbDate"), lines[1], before.day));
    FUZZ_CHECK(after.month ==
               expectedEntry(control<QComboBox>(&main, "cmbMonth"), lines[2], before.month));
    FUZZ_CHECK(after.year == expectedEntry(cmbYear, lines[3], before.year));

    const modRunicAstrology::Validation validation = modRunicAstrology::ValidateBirthDetails(
        after.name.toStdString(), after.day, after.month, cmbYear->currentText().toStdString());
    if (validation.accepted) {
        FUZZ_CHECK(services.messages.isEmpty());
        checkReadingShown(main, main.readingWindow(), after.day, after.month);
    } else {
        FUZZ_CHECK(services.messages.size() == 1);
        FUZZ_CHECK(services.messages.first().text == QString::fromStdString(validation.message));
        FUZZ_CHECK(main.isVisible());
        FUZZ_CHECK(!main.readingWindow() || !main.readingWindow()->isVisible());
    }
    goBack(main);
    const Inputs back = inputsOf(main);
    FUZZ_CHECK(back.name == after.name && back.day == after.day && back.month == after.month &&
               back.year == after.year);
    return 0;
}
