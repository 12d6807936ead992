// Saves the details ANNA, 12 March 1980 as a reading file, the way the program does, in a
// process of its own: the signal of a file-size limit starts at its default (which ends the
// process), then the program's own start-up preparation runs, then the save. Prints "saved"
// or "failed: " and the reason.
//   savereading [--size-limit BYTES] PATH

#include "report/readingfile.h"
#include "shell/core/safefile.h"

#include <QString>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_DFL); // whatever the parent left
    safefile::surviveFileSizeLimits();

    int next = 1;
    if (argc == 4 && std::strcmp(argv[1], "--size-limit") == 0) {
        rlimit limit{};
        if (::getrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
        limit.rlim_cur = static_cast<rlim_t>(std::strtoull(argv[2], nullptr, 10));
        if (::setrlimit(RLIMIT_FSIZE, &limit) != 0)
            return 2;
        next = 3;
    }
    if (argc != next + 1)
        return 2;

    const modRunicAstrology::BirthDetails details{"ANNA", 12, "March", 1980};
    const report::SaveResult result =
        report::WriteReadingFile(QString::fromLocal8Bit(argv[next]), details);
    if (result.status == report::SaveStatus::Saved)
        std::puts("saved");
    else
        std::printf("failed: %s\n", result.reason.toLocal8Bit().constData());
    return 0;
}
