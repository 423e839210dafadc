#pragma once
// Owning wrappers for Win32 kernel handles: each closes its handle exactly once.
#include <windows.h>

#include <utility>

namespace pixa::platform {

// Owns a handle whose "no handle" value and closing function come from Traits.
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    // An empty wrapper.
    UniqueHandle() = default;
    // Takes ownership of h (which may be the invalid value).
    explicit UniqueHandle(Handle h) : h_(h) {}
    ~UniqueHandle() { Close(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }

    // The handle, still owned.
    Handle Get() const { return h_; }
    // True when a handle is held.
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    // Gives up ownership and returns the handle.
    Handle Release() { return std::exchange(h_, Traits::Invalid()); }
    // Closes the held handle and takes h instead.
    void Reset(Handle h = Traits::Invalid()) {
        Close();
        h_ = h;
    }
    // Closes the handle now; returns false when closing failed.
    bool Close() {
        if (h_ == Traits::Invalid()) return true;
        return Traits::Close(std::exchange(h_, Traits::Invalid()));
    }

private:
    Handle h_ = Traits::Invalid();
};

// A file, pipe or other object from CreateFile (invalid value INVALID_HANDLE_VALUE).
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle h) { return CloseHandle(h) != 0; }
};

// A process, thread or event handle (invalid value null).
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static bool Close(Handle h) { return CloseHandle(h) != 0; }
};

// A directory search from FindFirstFile.
struct FindHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static bool Close(Handle h) { return FindClose(h) != 0; }
};

using FileHandle = UniqueHandle<FileHandleTraits>;
using KernelHandle = UniqueHandle<KernelHandleTraits>;
using FindHandle = UniqueHandle<FindHandleTraits>;

}  // namespace pixa::platform
