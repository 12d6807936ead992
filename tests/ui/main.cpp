// One executable for the windows: each window's test class runs in turn on one application.
// test_ui [CLASS] [Qt Test options]: CLASS (e.g. TestReadingWindow) runs that class only.

#include <QApplication>

#include <cstring>
#include <utility>
#include <vector>

int runCoBrandTests(int argc, char** argv);
int runMainWindowTests(int argc, char** argv);
int runReadingWindowTests(int argc, char** argv);
int runAboutWindowTests(int argc, char** argv);
int runLinkDetectionTests(int argc, char** argv);

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    const std::vector<std::pair<const char*, int (*)(int, char**)>> classes = {
        {"TestCoBrand", &runCoBrandTests},
        {"TestMainWindow", &runMainWindowTests},
        {"TestReadingWindow", &runReadingWindowTests},
        {"TestAboutWindow", &runAboutWindowTests},
        {"TestLinkDetection", &runLinkDetectionTests}};
    const char* chosen = argc > 1 && argv[1][0] != '-' ? argv[1] : nullptr;
    std::vector<char*> arguments(argv, argv + argc);
    if (chosen)
        arguments.erase(arguments.begin() + 1);
    int failures = 0;
    for (const auto& [name, run] : classes) {
        if (!chosen || std::strcmp(chosen, name) == 0)
            failures += run(static_cast<int>(arguments.size()), arguments.data());
    }
    return failures;
}
