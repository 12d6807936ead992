// The floor Velmora's start-up and memory are set against: a QApplication with one label.

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QStringLiteral("Velmora v1.20"));
    label.setWindowTitle(QStringLiteral("Bare Qt window"));
    label.show();
    return application.exec();
}
