// For the installer check under Wine. "running-copy.exe probe" ends with 0 while the mutex every
// running Velmora holds exists, 1 when it does not. With no argument it holds that mutex until
// it is killed: a stand-in for Velmora.exe where the real one cannot run.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    const wchar_t* name = L"Global\\Velmora.Running";
    if (argc > 1 && lstrcmpW(argv[1], L"probe") == 0) {
        HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, name);
        if (mutex)
            CloseHandle(mutex);
        return mutex || GetLastError() != ERROR_FILE_NOT_FOUND ? 0 : 1;
    }
    if (!CreateMutexW(NULL, FALSE, name))
        return 2;
    Sleep(INFINITE);
    return 0;
}
