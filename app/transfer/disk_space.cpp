#include "app/transfer/disk_space.h"

#include <windows.h>

#include <cctype>
#include <string>

#include "app/transfer/base_error.h"
#include "platform/process.h"
#include "platform/error_mode.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

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

// Asks for the free space of root; a failure goes to the error handler naming args.
std::uint64_t Measure(const std::string& root, const Value& args) {
    std::uint64_t free = 0;
    bool ok;
    {
        platform::ScopedErrorMode quiet(SEM_FAILCRITICALERRORS);
        SetLastError(0);
        ok = Query(root, free);
    }
    if (!ok) {
        BaseErrorInfo info = FileError(kGenOpen, 2018, "Open error", "", 0);
        info.canRetry = false;
        info.operation = "DISKSPACE";
        info.args = args;
        RaiseBaseError(info);
    }
    return ok ? free : 0;
}
}  // namespace

std::uint64_t DiskSpace(int drive) {
    std::string root = drive == 0 ? VolumeRoot(platform::CurrentDirectory()) : std::string(1, char(64 + drive)) + ":\\";
    return Measure(root, Value::MakeArray({drive}));
}

std::uint64_t DiskSpaceOf(const std::string& root) { return Measure(root, Value::MakeArray({Value(root)})); }

std::string VolumeRoot(const std::string& folder) {
    if (folder.size() >= 2 && folder[1] == ':' && std::isalpha(static_cast<unsigned char>(folder[0])))
        return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(folder[0])))) + ":\\";
    if (folder.rfind("\\\\", 0) != 0) return {};
    // \\server\share: the share ends at the fourth backslash or at the end of the path.
    auto server = folder.find('\\', 2);
    if (server == std::string::npos || server == 2 || server + 1 == folder.size()) return {};
    auto share = folder.find('\\', server + 1);
    return share == std::string::npos ? folder + "\\" : folder.substr(0, share + 1);
}

long long FreeMegabytes(const std::string& folder) {
    std::string root = VolumeRoot(folder);
    if (root.empty()) return 0;
    return static_cast<long long>(DiskSpaceOf(root) / (1024 * 1024));
}

std::uint32_t ClusterBytes(const std::string& folder) {
    std::string root = VolumeRoot(folder);
    DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, clusters = 0;
    platform::ScopedErrorMode quiet(SEM_FAILCRITICALERRORS);
    if (root.empty() ||
        !GetDiskFreeSpaceA(root.c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters, &clusters))
        return 1;
    std::uint64_t cluster = std::uint64_t(sectorsPerCluster) * bytesPerSector;
    return cluster == 0 || cluster > UINT32_MAX ? 1 : static_cast<std::uint32_t>(cluster);
}

std::uint64_t OnCardBytes(std::uint64_t size, std::uint32_t cluster) {
    if (cluster <= 1) return size;
    return (size / cluster + (size % cluster != 0)) * cluster;
}

}  // namespace pixa::transfer
