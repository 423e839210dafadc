// Stands in for the picture viewer that the test prefix associates with ".jpg":
// waits a moment (so a caller that does not wait for it is caught), then appends
// its command line to the file named by PIXA_SHOWN_LOG and ends.
#include <windows.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    Sleep(400);
    char log[MAX_PATH] = {};
    if (!GetEnvironmentVariableA("PIXA_SHOWN_LOG", log, sizeof log)) return 2;
    std::string line = std::string(GetCommandLineA()) + "\r\n";
    HANDLE h = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return 3;
    DWORD written = 0;
    WriteFile(h, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
    CloseHandle(h);
    return 0;
}
