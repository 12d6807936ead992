// The floor Velmora's start-up and memory are set against: a QApplication with one label, given
// its size before it is shown, as quick as a Qt window gets (a label left to size itself first
// measures its text, which is slower and would flatter the comparison).

#include "shell/core/identity.h"

#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QLabel label(QString::fromLatin1(identity::Name) + QStringLiteral(" v") +
                 QString::fromLatin1(identity::Version));
    label.setWindowTitle(QStringLiteral("Bare Qt window"));
    label.setFixedSize(300, 100);
    label.show();
    return application.exec();
}
