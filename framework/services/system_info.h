#pragma once
// The figures of the error report that come from the platform: the program file,
// the running time, the processor, memory, versions and the top-level windows.
#include <cstdint>
#include <string>
#include <vector>

#include "framework/services/namespace.h"

namespace pixa::services {

// Elapsed time since the program started, as "H hours M mins S secs " (each trimmed).
std::string TimeFromStart();
// The same text for a start and a now given as date (Julian day) and seconds since midnight;
// a clock that went back gives 0 seconds.
std::string ElapsedText(std::int32_t startDay, long startSeconds, std::int32_t nowDay, long nowSeconds);

// Titles of the top-level windows in the platform's window order; a title is left out
// when a title already listed begins with it.
std::vector<std::string> GetTasks();
// The same rule over a list of titles.
std::vector<std::string> DistinctTitles(const std::vector<std::string>& titles);

struct SystemFacts {
    std::string exePath;          // full path of the program file
    std::uint64_t exeSize = 0;    // its size in bytes
    std::string cpuName;          // processor name from its identification
    long cpuMhz = 0;              // processor clock
    std::uint64_t physicalBytes = 0;
    int freeSystem = 0, freeGdi = 0, freeUser = 0;  // free-resource percentages (0: not reported)
    std::string compiler;         // build tool's version text
    unsigned winMajor = 0, winMinor = 0, winBuild = 0;
    std::string servicePack;
    std::uint64_t memoryNow = 0, memoryPeak = 0;  // dynamic memory in use and highest, bytes
};

// Reads the figures from the platform now.
SystemFacts ReadSystemFacts();

// The processor name for a family, model and brand index; "GetCPU() failed!" when unknown.
std::string CpuName(int family, int model, int brandIndex);

}  // namespace pixa::services
