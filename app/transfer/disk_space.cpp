#include "app/transfer/disk_space.h"

#include <windows.h>

#include <string>

#include "app/transfer/base_error.h"
#include "app/transfer/folders.h"
#include "platform/error_mode.h"

namespace pixa {

namespace {
using FreeSpaceEx = BOOL(WINAPI*)(LPCSTR, PULARGE_INTEGER, PULARGE_INTEGER, PULARGE_INTEGER);

bool Query(const std::string& root, std::uint64_t& free) {
    auto ex = reinterpret_cast<FreeSpaceEx>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "GetDiskFreeSpaceExA")));
    if (ex) {
        ULARGE_INTEGER available, total, totalFree;
        if (!ex(root.c_str(), &available, &total, &totalFree)) return false;
        free = available.LowPart + available.HighPart * 4294967296ULL;
        return true;
    }
    DWORD sectorsPerCluster, bytesPerSector, freeClusters, clusters;
    if (!GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters)) return false;
    free = std::uint64_t(freeClusters) * sectorsPerCluster * bytesPerSector;
    return true;
}
}  // namespace

std::uint64_t DiskSpace(int drive) {
    char letter = drive == 0 ? CurDrive() : static_cast<char>(64 + drive);
    std::string root = std::string(1, letter) + ":\\";
    std::uint64_t free = 0;
    bool ok;
    {
        ScopedErrorMode quiet(SEM_FAILCRITICALERRORS);
        SetLastError(0);
        ok = Query(root, free);
    }
    if (!ok) {
        BaseErrorInfo info = FileError(kGenOpen, 2018, "Open error", "", 0);
        info.canRetry = false;
        info.operation = "DISKSPACE";
        info.args = Value::MakeArray({drive});
        RaiseBaseError(info);
    }
    return ok ? free : 0;
}

}  // namespace pixa
