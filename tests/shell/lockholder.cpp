// A second copy of the program as far as the lock is concerned: takes the lock at the path it
// is given, says "held" or "busy", and keeps it until its input ends.

#include "shell/core/singleinstance.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    if (argc < 2)
        return 2;
    SingleInstance instance(QString::fromLocal8Bit(argv[1]));
    std::puts(instance.isAnotherInstanceRunning() ? "busy" : "held");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    return 0;
}
