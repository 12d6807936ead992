// Asks Windows for the styles of the visible top-level windows with a given caption, one line
// per window: "<style> <extended style>" in hexadecimal. The desktop check reads them.
//   windowstyles.exe "Velmora v1.20"
#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

struct Search {
    const char* caption;
    int found = 0;
};

BOOL CALLBACK visit(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<Search*>(data);
    char caption[256] = {};
    GetWindowTextA(window, caption, sizeof caption);
    if (IsWindowVisible(window) && std::strcmp(caption, search->caption) == 0) {
        std::printf("%08llx %08llx\n",
                    static_cast<unsigned long long>(GetWindowLongPtrW(window, GWL_STYLE)),
                    static_cast<unsigned long long>(GetWindowLongPtrW(window, GWL_EXSTYLE)));
        ++search->found;
    }
    return TRUE;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: windowstyles CAPTION\n");
        return 2;
    }
    Search search{argv[1]};
    EnumWindows(visit, reinterpret_cast<LPARAM>(&search));
    return search.found > 0 ? 0 : 1;
}
