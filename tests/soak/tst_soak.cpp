// Long runs in one process through the real windows: 1,000 Generate/Back cycles and 200
// report-window cycles, the sign changing every time. Every reading on screen and every report
// must be the current one in full, the windows must all go again, and the memory in use must
// settle after a warm-up instead of growing with the number of cycles.

#include "reading/engine.h"
#include "shell/fakeservices.h"
#include "support/shownreading.h"
#include "support/windowtesting.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"
#include "ui/frmsave.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <array>
#include <memory>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef Q_OS_WIN
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#endif

#if defined(__SANITIZE_ADDRESS__)
#define VELMORA_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VELMORA_ASAN 1
#endif
#endif

namespace {

using modRunicAstrology::Reading;

constexpr int GenerateCycles = 1000;
constexpr int ReportCycles = 200;
constexpr int WarmUpCycles = 50;
// Growth allowed between the end of the warm-up and the last cycle, per cycle and fixed. The
// toolkit keeps the name of every style pixmap it caches for a new window's palette until its
// half-minute timer sweeps them (about 0.4 KiB per report window); a window, a report or a
// decoded picture left behind per cycle is many times the allowance.
constexpr qint64 GrowthPerCycleBytes = 2 * 1024;
constexpr qint64 GrowthNoiseBytes = 512 * 1024;

struct Details {
    QString name;
    int dayPosition;
    int monthPosition;
    QString year;
};

// Consecutive cycles get different names, months and so signs: the 15th of each month has a
// sign of its own.
Details detailsFor(int cycle) {
    static const std::array<const char*, 5> names = {"ANNA", "BORIS", "CLARA MAY", "DMITRI", "EVE"};
    return {QLatin1String(names[std::size_t(cycle) % names.size()]), 14, cycle % 12,
            QString::number(1900 + (cycle * 7) % 151)};
}

// Memory this process holds. The pixmap cache is emptied first, as its own timer would do in a
// session that stays idle for half a minute. On Linux: resident pages, after the allocator has
// given back what is free. On Windows: the bytes of every heap block in use, which counts large
// blocks too; the working set would also count what Wine maps for itself.
qint64 memoryInUse() {
    QPixmapCache::clear();
#ifdef Q_OS_WIN
    std::array<HANDLE, 64> heaps{};
    const DWORD count = GetProcessHeaps(DWORD(heaps.size()), heaps.data());
    if (count == 0 || count > heaps.size())
        return -1;
    qint64 inUse = 0;
    for (DWORD i = 0; i < count; ++i) {
        HeapLock(heaps[i]);
        PROCESS_HEAP_ENTRY entry{};
        while (HeapWalk(heaps[i], &entry))
            if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
                inUse += qint64(entry.cbData);
        HeapUnlock(heaps[i]);
    }
    return inUse;
#else
#ifdef __GLIBC__
    malloc_trim(0);
#endif
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * 4096 : -1;
#endif
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void generateAndBack();
    void reportWindowOpenAndClose();

private:
    template <typename T> T* mainControl(const char* name) const {
        return m_main->findChild<T*>(QLatin1String(name));
    }
    void enter(const Details& details);
    std::optional<Reading> expectedReading(const Details& details) const;
    QString findDifference(const frmDisplay& display, const Reading& reading);
    const QImage& expectedPicture(const PictureCollection& pictures, const QString& key);
    bool generate(int cycle, Reading& shown);
    bool back();
    QString openAndCloseReport(const Details& details, const Reading& reading);
    void checkMemorySettled(qint64 afterWarmUp, int cycles, const char* what);

    std::unique_ptr<platform::ScopedFakeServices> m_services;
    QPointer<frmMain> m_main;
    QHash<QString, QImage> m_pictures;
    qsizetype m_topLevelAtStart = 0;
};

void TestSoak::initTestCase() {
    modHelp::setLeaveHandler([] {});
    // The style caches pixmaps for every new window's palette until the toolkit's cache is full
    // (10 MiB by default): a small cache fills during the warm-up, so growth after it is ours.
    QPixmapCache::setCacheLimit(256);
}

void TestSoak::cleanupTestCase() {
    m_pictures.clear();
}

void TestSoak::init() {
    m_services = std::make_unique<platform::ScopedFakeServices>();
    m_main = new frmMain;
    m_main->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_main));
    m_topLevelAtStart = QApplication::topLevelWidgets().size();
}

void TestSoak::cleanup() {
    if (m_main)
        delete m_main->readingWindow();
    delete m_main;
    windowtesting::settle();
    m_services.reset();
}

void TestSoak::enter(const Details& details) {
    mainControl<QLineEdit>("txtName")->setText(details.name);
    mainControl<QComboBox>("cmbDate")->setCurrentIndex(details.dayPosition);
    mainControl<QComboBox>("cmbMonth")->setCurrentIndex(details.monthPosition);
    mainControl<QComboBox>("cmbYear")->setCurrentText(details.year);
}

std::optional<Reading> TestSoak::expectedReading(const Details& details) const {
    const std::optional<std::string> sign =
        modRunicAstrology::FindSunSign(details.monthPosition, details.dayPosition);
    return sign ? modRunicAstrology::BuildReading(*sign) : std::nullopt;
}

const QImage& TestSoak::expectedPicture(const PictureCollection& pictures, const QString& key) {
    auto it = m_pictures.find(key);
    if (it == m_pictures.end())
        it = m_pictures.insert(key, pictures.picture(key).toImage());
    return *it;
}

// The first field the reading window shows differently from the reading; empty when all 27
// are the reading's.
QString TestSoak::findDifference(const frmDisplay& display, const Reading& reading) {
    if (QString difference = shownreading::textDifference(display, reading); !difference.isEmpty())
        return difference;
    for (const fieldPlaces::Place& place : fieldPlaces::places()) {
        if (!place.pictures)
            continue;
        const auto name = QString::fromLatin1(modRunicAstrology::describe(place.field).control);
        const auto* box = display.findChild<const QLabel*>(name);
        const QString key = QString::fromStdString(reading[place.field]);
        const QImage& expected = expectedPicture((m_main->*place.pictures)(), key);
        if (!box || expected.isNull() || box->pixmap().toImage() != expected)
            return name + QStringLiteral(" is not ") + key;
    }
    return {};
}

bool TestSoak::generate(int cycle, Reading& shown) {
    const Details details = detailsFor(cycle);
    const std::optional<Reading> reading = expectedReading(details);
    if (!reading)
        return false;
    enter(details);
    m_main->cmdRunicAstrology_Click();
    frmDisplay* display = m_main->readingWindow();
    if (!display || !display->isVisible() || m_main->isVisible() || !m_services->messages.isEmpty())
        return false;
    const QString difference = findDifference(*display, *reading);
    if (!difference.isEmpty()) {
        qWarning("cycle %d: %s", cycle, qPrintable(difference));
        return false;
    }
    shown = *reading;
    return true;
}

bool TestSoak::back() {
    frmDisplay* display = m_main->readingWindow();
    if (!display)
        return false;
    display->cmdBack_Click();
    windowtesting::settle();
    return m_main->isVisible() && !m_main->readingWindow();
}

void TestSoak::checkMemorySettled(qint64 afterWarmUp, int cycles, const char* what) {
    QCOMPARE(QApplication::topLevelWidgets().size(), m_topLevelAtStart);
#ifdef VELMORA_ASAN
    // The sanitizer holds freed memory back on purpose; leaks are its to report here.
    Q_UNUSED(afterWarmUp);
    Q_UNUSED(cycles);
    Q_UNUSED(what);
#else
    const qint64 atEnd = memoryInUse();
    QVERIFY(afterWarmUp > 0 && atEnd > 0);
    qInfo("%s: memory in use after warm-up %lld KiB, at the end %lld KiB", what, afterWarmUp / 1024,
          atEnd / 1024);
    const qint64 allowed = GrowthNoiseBytes + GrowthPerCycleBytes * (cycles - WarmUpCycles);
    QVERIFY2(atEnd - afterWarmUp <= allowed,
             qPrintable(QStringLiteral("grew by %1 KiB").arg((atEnd - afterWarmUp) / 1024)));
#endif
}

void TestSoak::generateAndBack() {
    qint64 afterWarmUp = 0;
    for (int cycle = 0; cycle < GenerateCycles; ++cycle) {
        Reading shown;
        if (!generate(cycle, shown))
            QFAIL(
                qPrintable(QStringLiteral("cycle %1: the reading on screen is wrong").arg(cycle)));
        const QString name = mainControl<QLineEdit>("txtName")->text();
        if (!back())
            QFAIL(qPrintable(QStringLiteral("cycle %1: Back did not return").arg(cycle)));
        // Back leaves the inputs as they were.
        QCOMPARE(mainControl<QLineEdit>("txtName")->text(), name);
        QCOMPARE(mainControl<QComboBox>("cmbMonth")->currentIndex(),
                 detailsFor(cycle).monthPosition);
        if (cycle + 1 == WarmUpCycles)
            afterWarmUp = memoryInUse();
    }
    checkMemorySettled(afterWarmUp, GenerateCycles, "Generate/Back");
}

// Opens the report window over the reading window and closes it again as its close box does;
// returns what was wrong, empty when the report was the current reading's in full.
QString TestSoak::openAndCloseReport(const Details& details, const Reading& reading) {
    frmDisplay* display = m_main->readingWindow();
    QString problem = QStringLiteral("the report window did not open");
    QTimer::singleShot(0, display, [&] {
        auto* form = display->findChild<frmSave*>();
        if (!form)
            return;
        const QString report = form->findChild<QTextEdit*>(QStringLiteral("RTB"))->toPlainText();
        problem.clear();
        if (!report.contains(QStringLiteral("Name :- ") + details.name + QLatin1Char('\n')))
            problem = QStringLiteral("the report names someone else");
        for (const modRunicAstrology::FieldDescription& field : modRunicAstrology::Fields) {
            if (problem.isEmpty() && !field.reportCaption.empty() &&
                !report.contains(shownreading::asShown(reading[field.field])))
                problem = QStringLiteral("the report lacks ") + QLatin1String(field.control);
        }
        form->close();
    });
    display->cmdPrint_Click();
    windowtesting::settle();
    if (!display->findChildren<frmSave*>().isEmpty())
        return QStringLiteral("the report window is still there");
    return problem;
}

void TestSoak::reportWindowOpenAndClose() {
    qint64 afterWarmUp = 0;
    for (int cycle = 0; cycle < ReportCycles; ++cycle) {
        Reading shown;
        if (!generate(cycle, shown))
            QFAIL(
                qPrintable(QStringLiteral("cycle %1: the reading on screen is wrong").arg(cycle)));
        const QString problem = openAndCloseReport(detailsFor(cycle), shown);
        if (!problem.isEmpty())
            QFAIL(qPrintable(QStringLiteral("cycle %1: %2").arg(cycle).arg(problem)));
        if (!back())
            QFAIL(qPrintable(QStringLiteral("cycle %1: Back did not return").arg(cycle)));
        if (cycle + 1 == WarmUpCycles)
            afterWarmUp = memoryInUse();
    }
    QVERIFY(m_services->messages.isEmpty());
    checkMemorySettled(afterWarmUp, ReportCycles, "report window");
}

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
