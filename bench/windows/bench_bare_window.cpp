// The floor Velmora's start-up and memory are set against: a QApplication with one label.

#include "shell/identity.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QString::fromLatin1(identity::Name) + QStringLiteral(" v") +
                 QString::fromLatin1(identity::Version));
    label.setWindowTitle(QStringLiteral("Bare Qt window"));
    label.show();
    return application.exec();
}
