#include "framework/services/system_info.h"

#include <windows.h>
#include <psapi.h>

#include <cpuid.h>

#include <cstring>

#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/wide_path.h"
#include "runtime/date.h"
#include "runtime/value_text.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
long SecondsOfDay() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wHour * 3600L + now.wMinute * 60L + now.wSecond;
}

struct StartStamp {
    std::int32_t day = Date::Today().julian;
    long seconds = SecondsOfDay();
};
// Taken while the program starts (static initialisation).
const StartStamp kStart;
}  // namespace

std::string ElapsedText(std::int32_t startDay, long startSeconds, std::int32_t nowDay, long nowSeconds) {
    long long elapsed = (static_cast<long long>(nowDay) - startDay) * 86400 + nowSeconds - startSeconds;
    if (elapsed < 0) elapsed = 0;
    long long hours = elapsed / 3600;
    long long minutes = (elapsed - hours * 3600) / 60;
    long long seconds = elapsed - hours * 3600 - minutes * 60;
    return NumberText(hours) + " hours " + NumberText(minutes) + " mins " + NumberText(seconds) + " secs ";
}

std::string TimeFromStart() { return ElapsedText(kStart.day, kStart.seconds, Date::Today().julian, SecondsOfDay()); }

std::vector<std::string> DistinctTitles(const std::vector<std::string>& titles) {
    std::vector<std::string> listed;
    for (const auto& title : titles) {
        bool known = false;
        for (const auto& l : listed) known = known || l.compare(0, title.size(), title) == 0;
        if (!known) listed.push_back(title);
    }
    return listed;
}

std::vector<std::string> GetTasks() {
    std::vector<std::string> titles;
    for (HWND w = GetWindow(GetDesktopWindow(), GW_CHILD); w; w = GetWindow(w, GW_HWNDNEXT)) {
        char text[256] = "";
        GetWindowTextA(w, text, sizeof text);
        titles.emplace_back(text);
    }
    return DistinctTitles(titles);
}

std::string CpuName(int family, int model, int brandIndex) {
    switch (brandIndex) {
        case 1: case 3: return "Intel Celeron";
        case 2: case 4: return "Intel Pentium III";
        case 6: return "Intel Pentium III Xeon";
        case 8: case 9: return "Intel Pentium IV";
        default: break;
    }
    switch (family) {
        case 3: return "386";
        case 4: return "486";
        case 5: return model >= 4 ? "Pentium MMX" : "Pentium classic";
        case 15: return "Pentium IV";
        case 6: break;
        default: return "GetCPU() failed!";
    }
    switch (model) {
        case 1: return "Pentium Pro";
        case 3: case 5: return "Pentium II";
        case 6: return "(PII core) Celeron";
        case 7: case 8: case 10: case 11: return "Pentium III";
        default: return "GetCPU() failed!";
    }
}

namespace {
// Blanks around a name string: processors pad their brand string on either side.
std::string TrimBlanks(std::string text) {
    text.erase(text.find_last_not_of(" \t") + 1);
    text.erase(0, text.find_first_not_of(" \t"));
    return text;
}

// The processor's own name as the platform reports it; empty when it has none.
std::string ReportedCpuName() {
    char name[128] = "";
    DWORD size = sizeof name;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0",
                     "ProcessorNameString", RRF_RT_REG_SZ, nullptr, name, &size) == ERROR_SUCCESS)
        if (std::string reported = TrimBlanks(name); !reported.empty()) return reported;
    unsigned brand[12] = {};
    unsigned top = __get_cpuid_max(0x80000000u, nullptr);
    if (top < 0x80000004u) return {};
    for (unsigned leaf = 0; leaf < 3; ++leaf)
        __get_cpuid(0x80000002u + leaf, &brand[leaf * 4], &brand[leaf * 4 + 1], &brand[leaf * 4 + 2], &brand[leaf * 4 + 3]);
    return TrimBlanks(std::string(reinterpret_cast<const char*>(brand), strnlen(reinterpret_cast<const char*>(brand), sizeof brand)));
}

// Processors before name strings are named from their family and model.
std::string ReadCpuName() {
    if (std::string reported = ReportedCpuName(); !reported.empty()) return reported;
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d)) return "GetCPU() failed!";
    return CpuName(static_cast<int>((a >> 8) & 0xF), static_cast<int>((a >> 4) & 0xF), static_cast<int>(b & 0xFF));
}

long ReadCpuMhz() {
    DWORD mhz = 0, size = sizeof mhz;
    if (RegGetValueA(HKEY_LOCAL_MACHINE, "HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0", "~MHz",
                     RRF_RT_REG_DWORD, nullptr, &mhz, &size) != ERROR_SUCCESS)
        return 0;
    return static_cast<long>(mhz);
}

std::uint64_t FileSize(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!platform::AttributeDataOf(path, data)) return 0;
    return (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}
}  // namespace

SystemFacts ReadSystemFacts() {
    SystemFacts f;
    std::string exe = platform::ExecutablePath();
    f.exePath = platform::ShownPath(exe);  // a text of the report
    f.exeSize = FileSize(exe);
    f.cpuName = ReadCpuName();
    f.cpuMhz = ReadCpuMhz();
    MEMORYSTATUSEX memory{};
    memory.dwLength = sizeof memory;
    if (GlobalMemoryStatusEx(&memory)) f.physicalBytes = memory.ullTotalPhys;
    f.compiler = "GNU C++ " __VERSION__;
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    if (GetVersionExA(&version)) {
        f.winMajor = version.dwMajorVersion;
        f.winMinor = version.dwMinorVersion;
        f.winBuild = version.dwBuildNumber;
        f.servicePack = version.szCSDVersion;
    }
    PROCESS_MEMORY_COUNTERS_EX counters{};
    counters.cb = sizeof counters;
    if (GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                             sizeof counters)) {
        f.memoryNow = counters.PagefileUsage;
        f.memoryPeak = counters.PeakPagefileUsage;
    }
    return f;
}

}  // namespace pixa::services
