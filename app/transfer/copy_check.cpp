#include "app/transfer/copy_check.h"

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/file_system.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
// Unbuffered reads need sector-aligned buffers, offsets and sizes; a page is aligned for
// every sector size in use, and a megabyte keeps the calls few.
constexpr DWORD kBlock = 1024 * 1024;
constexpr std::uint64_t kSample = 4096;
constexpr std::uint64_t kStretch = 1024 * 1024;

// A page-aligned buffer from the platform.
class AlignedBuffer {
public:
    explicit AlignedBuffer(DWORD size)
        : data_(static_cast<char*>(VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE))) {}
    ~AlignedBuffer() {
        if (data_) VirtualFree(data_, 0, MEM_RELEASE);
    }
    AlignedBuffer(const AlignedBuffer&) = delete;
    AlignedBuffer& operator=(const AlignedBuffer&) = delete;
    char* Data() const { return data_; }

private:
    char* data_;
};

platform::FileHandle OpenSource(const std::string& path) {
    return platform::OpenFile(path, {.share = FILE_SHARE_READ | FILE_SHARE_WRITE, .flags = FILE_FLAG_SEQUENTIAL_SCAN});
}

// The copy, unbuffered where the file system takes that, else through the cache.
platform::FileHandle OpenCopy(const std::string& path) {
    platform::FileHandle copy = platform::OpenFile(path, {.flags = FILE_FLAG_NO_BUFFERING | FILE_FLAG_SEQUENTIAL_SCAN});
    if (copy || GetLastError() != ERROR_INVALID_PARAMETER) return copy;
    return platform::OpenFile(path, {.flags = FILE_FLAG_SEQUENTIAL_SCAN});
}

std::uint64_t SizeOf(HANDLE file) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file, &size) ? static_cast<std::uint64_t>(size.QuadPart) : UINT64_MAX;
}

bool Seek(HANDLE file, std::uint64_t offset) {
    LARGE_INTEGER to{};
    to.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, to, nullptr, FILE_BEGIN) != 0;
}

// Reads up to size bytes (a whole number of sectors for the copy) at offset; the count
// read, or -1 when reading failed.
long long ReadAt(HANDLE file, std::uint64_t offset, char* into, DWORD size) {
    DWORD got = 0;
    if (!Seek(file, offset) || !ReadFile(file, into, size, &got, nullptr)) return -1;
    return got;
}

// Compares the stretch [offset, offset + size) of both files.
Comparison CompareAt(HANDLE source, HANDLE copy, std::uint64_t offset, DWORD size, char* a, char* b) {
    long long fromSource = ReadAt(source, offset, a, size);
    long long fromCopy = ReadAt(copy, offset, b, size);
    if (fromSource < 0 || fromCopy < 0) return Comparison::Unreadable;
    if (fromSource != fromCopy || std::memcmp(a, b, static_cast<std::size_t>(fromSource)) != 0)
        return Comparison::Differs;
    return Comparison::Same;
}

// The offsets that a sample comparison looks at: sector-aligned, in order.
std::vector<std::uint64_t> SampleOffsets(std::uint64_t size) {
    std::vector<std::uint64_t> offsets{0};
    for (std::uint64_t at = kStretch; at < size; at += kStretch) offsets.push_back(at);
    std::uint64_t last = size > 0 ? (size - 1) / kSample * kSample : 0;
    if (last > offsets.back()) offsets.push_back(last);
    return offsets;
}

template <typename Walk>
Comparison Compare(const std::string& sourcePath, const std::string& copyPath, DWORD block, Walk walk) {
    platform::FileHandle source = OpenSource(sourcePath);
    platform::FileHandle copy = OpenCopy(copyPath);
    if (!source || !copy) return Comparison::Unreadable;
    std::uint64_t size = SizeOf(source.Get());
    if (size == UINT64_MAX || SizeOf(copy.Get()) == UINT64_MAX) return Comparison::Unreadable;
    if (size != SizeOf(copy.Get())) return Comparison::Differs;
    AlignedBuffer a(block), b(block);
    if (!a.Data() || !b.Data()) return Comparison::Unreadable;
    return walk(source.Get(), copy.Get(), size, a.Data(), b.Data());
}
}  // namespace

Comparison CompareCopy(const std::string& source, const std::string& copy) {
    return Compare(source, copy, kBlock, [](HANDLE s, HANDLE c, std::uint64_t size, char* a, char* b) {
        for (std::uint64_t at = 0; at < size; at += kBlock)
            if (Comparison result = CompareAt(s, c, at, kBlock, a, b); result != Comparison::Same) return result;
        return Comparison::Same;
    });
}

Comparison CompareSamples(const std::string& source, const std::string& copy) {
    return Compare(source, copy, kSample, [](HANDLE s, HANDLE c, std::uint64_t size, char* a, char* b) {
        for (std::uint64_t at : SampleOffsets(size))
            if (Comparison result = CompareAt(s, c, at, kSample, a, b); result != Comparison::Same) return result;
        return Comparison::Same;
    });
}

}  // namespace pixa::transfer
