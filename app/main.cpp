#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel placeholder(QStringLiteral("Velmora v1.20"));
    placeholder.show();
    return application.exec();
}
