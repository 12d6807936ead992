// What the program loads to show its windows: the main window, the window icon and a reading
// with its three pictures load the JPEG plugin and no other image plugin. Each
// further plugin brings its libraries (TIFF, WebP, SVG…) into memory for nothing; left to
// guess formats, Qt loads them all, which put start-up and peak memory over their budgets.

#include "app/programstyle.h"
#include "assets/assets.h"
#include "shell/endapplication.h"
#include "shell/fakeservices.h"
#include "ui/frmdisplay.h"
#include "ui/frmmain.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>

namespace {

// The image plugins mapped into this process, by file name.
QStringList loadedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {QStringLiteral("<no /proc/self/maps>")};
    static const QRegularExpression plugin(QStringLiteral(R"(imageformats/(\S+\.so)\s*$)"));
    QStringList names;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        const QRegularExpressionMatch match = plugin.match(QString::fromLocal8Bit(line));
        if (match.hasMatch() && !names.contains(match.captured(1)))
            names.append(match.captured(1));
    }
    names.sort();
    return names;
}

} // namespace

class TestImagePlugins : public QObject {
    Q_OBJECT

private slots:
    void sessionLoadsTheJpegPluginAlone();
};

void TestImagePlugins::sessionLoadsTheJpegPluginAlone() {
#ifndef Q_OS_LINUX
    QSKIP("reads the process's memory map");
#endif
    QVERIFY(loadedImagePlugins().isEmpty());
    platform::ScopedFakeServices services;
    modHelp::setLeaveHandler([] {});
    auto* main = new frmMain;
    main->show();
    QVERIFY(QTest::qWaitForWindowExposed(main));
    QVERIFY(!assets::applicationIcon(512).pixmap(32, 32).isNull());
    QCOMPARE(loadedImagePlugins(), QStringList());

    main->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ANNA"));
    main->cmdRunicAstrology_Click();
    frmDisplay* display = main->readingWindow();
    QVERIFY(display);
    QVERIFY(!display->findChild<QLabel*>(QStringLiteral("picSunSign"))->pixmap().isNull());
    QCOMPARE(loadedImagePlugins(), QStringList{QStringLiteral("libqjpeg.so")});

    delete display;
    delete main;
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    application.setStyle(programStyle()); // as the program does
    TestImagePlugins test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_imageplugins.moc"
