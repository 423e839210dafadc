#include "app/transfer/file_copy.h"

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "app/transfer/base_error.h"
#include "app/transfer/camera_files.h"
#include "app/transfer/directory.h"
#include "framework/services/frame.h"
#include "platform/handles.h"
#include "platform/process.h"

namespace pixa {

namespace {
// Large blocks keep the platform calls per megabyte few; short writes and retries are
// handled by the byte, so the block size is not visible in what lands on the card.
constexpr DWORD kBlock = 1024 * 1024;
constexpr int kSubOpen = 2012;
constexpr int kSubWrite = 2016;

bool Retry(const BaseErrorInfo& info) { return RaiseBaseError(info) == ErrorAnswer::Retry; }

BaseErrorInfo OpenError(const std::string& source) {
    return FileError(kGenOpen, kSubOpen, "Open error", source, static_cast<int>(GetLastError()));
}

BaseErrorInfo CreateError(const std::string& target) {
    return FileError(kGenCreate, kSubOpen, "Create error", target, static_cast<int>(GetLastError()));
}

BaseErrorInfo WriteError(const std::string& target, DWORD os) {
    return FileError(kGenWrite, kSubWrite, "Write error", target, static_cast<int>(os));
}

FileHandle OpenForReading(const std::string& path) {
    return FileHandle(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
}

FileHandle OpenSource(const std::string& source) {
    // The collection's paths carry an upper-case base folder: open them spelled as stored.
    std::string stored = StoredSpellingOf(source);
    if (stored != source)
        if (FileHandle in = OpenForReading(stored)) return in;
    for (;;) {
        FileHandle in = OpenForReading(source);
        if (in || !Retry(OpenError(source))) return in;
    }
}

// The folder part of path, ending in "\\" or ":" (empty for a bare name).
std::string FolderOf(const std::string& path) {
    auto cut = path.find_last_of("\\:");
    return cut == std::string::npos ? std::string() : path.substr(0, cut + 1);
}

// Creates a new temporary file beside the target under a temporary name of ours.
// A name already taken is passed over.
FileHandle CreateUniqueTemporary(const std::string& folder, std::string& temp) {
    static unsigned counter = GetTickCount() & 0xFFFFF;
    for (int tries = 0; tries < 64; ++tries) {
        temp = folder + TemporaryName(counter++);
        FileHandle out(CreateFileA(temp.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (out || GetLastError() != ERROR_FILE_EXISTS) return out;
    }
    return FileHandle();
}

// Creates the temporary file for target; on failure the error handler decides.
bool CreateTemporary(const std::string& target, std::string& temp, FileHandle& out) {
    for (;;) {
        out = CreateUniqueTemporary(FolderOf(target), temp);
        if (out) return true;
        if (!Retry(CreateError(target))) return false;
    }
}

// Writes the whole block, continuing after short writes. When the platform stores
// nothing more, the error handler decides: retry the unwritten rest, or give up.
bool WriteBlock(HANDLE out, const char* data, DWORD size, const std::string& target) {
    DWORD done = 0;
    while (done < size) {
        DWORD written = 0;
        SetLastError(0);
        BOOL ok = WriteFile(out, data + done, size - done, &written, nullptr);
        done += written;
        if (ok && written > 0) continue;
        DWORD os = GetLastError();
        if (!Retry(WriteError(target, os ? os : ERROR_DISK_FULL))) return false;
    }
    return true;
}

// The block buffer, kept from one copy to the next: asking the platform for a fresh
// megabyte per file costs more than copying a small picture. A copy started while
// another is under way (from an error dialog's message loop) gets a buffer of its own.
class BlockBuffer {
public:
    BlockBuffer() : data_(Spare() ? std::move(Spare()) : std::make_unique_for_overwrite<char[]>(kBlock)) {}
    ~BlockBuffer() { Spare() = std::move(data_); }
    BlockBuffer(const BlockBuffer&) = delete;
    BlockBuffer& operator=(const BlockBuffer&) = delete;
    char* Data() const { return data_.get(); }

private:
    static std::unique_ptr<char[]>& Spare() {
        static std::unique_ptr<char[]> spare;
        return spare;
    }
    std::unique_ptr<char[]> data_;
};

bool CopyBytes(HANDLE in, HANDLE out, const std::string& source, const std::string& target) {
    BlockBuffer buffer;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in, buffer.Data(), kBlock, &got, nullptr)) {
            if (Retry(FileError(kGenRead, kSubWrite, "Read error", source, static_cast<int>(GetLastError()))))
                continue;
            return false;
        }
        if (got == 0) return true;
        if (!WriteBlock(out, buffer.Data(), got, target)) return false;
    }
}

// Flushes the temporary file; a failure here means the bytes may not be on the medium.
bool Flush(FileHandle& out, const std::string& target) {
    for (;;) {
        if (FlushFileBuffers(out.Get())) return true;
        if (!Retry(WriteError(target, GetLastError()))) return false;
    }
}

// Closes the temporary file after its bytes were flushed.
bool Close(FileHandle& out, const std::string& target) {
    if (out.Close()) return true;
    BaseErrorInfo info = WriteError(target, GetLastError());
    info.canRetry = false;  // the handle is gone; there is nothing to repeat
    RaiseBaseError(info);
    return false;
}

// How renaming the complete temporary file to its target ended.
enum class Placing { Done, Taken, Failed };

bool IsTaken(DWORD error) { return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS; }

// Renames temp to target. Unless replace is set, an entry of the target's name is left
// alone and the answer is Taken; other failures go to the error handler.
Placing MoveIntoPlace(const std::string& temp, const std::string& target, bool replace) {
    DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    for (;;) {
        if (MoveFileExA(temp.c_str(), target.c_str(), flags)) return Placing::Done;
        if (!replace && IsTaken(GetLastError())) return Placing::Taken;
        if (!Retry(CreateError(target))) return Placing::Failed;
    }
}

// Renames the open file to target through its handle, which spares opening it again by
// name. False (with the platform's reason in error) when that does not work.
bool RenameOpen(HANDLE file, const std::string& target, bool replace, DWORD& error) {
    int chars = MultiByteToWideChar(CP_ACP, 0, target.c_str(), -1, nullptr, 0);
    if (chars <= 0) {
        error = GetLastError();
        return false;
    }
    std::size_t bytes = offsetof(FILE_RENAME_INFO, FileName) + static_cast<std::size_t>(chars) * sizeof(WCHAR);
    std::vector<unsigned char> block(bytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(block.data());
    info->ReplaceIfExists = replace;
    info->FileNameLength = static_cast<DWORD>((chars - 1) * sizeof(WCHAR));
    MultiByteToWideChar(CP_ACP, 0, target.c_str(), -1, info->FileName, chars);
    if (SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(bytes))) return true;
    error = GetLastError();
    return false;
}

// Puts the flushed temporary file, still open as out, under target and closes it. A
// platform that does not rename through the handle gets the file closed and renamed by
// name. Unless replace is set, a taken target answers Taken and the file stays as it is.
Placing Place(FileHandle& out, const std::string& temp, const std::string& target, bool replace) {
    if (!out) return MoveIntoPlace(temp, target, replace);
    DWORD error = 0;
    if (RenameOpen(out.Get(), target, replace, error)) return Close(out, target) ? Placing::Done : Placing::Failed;
    if (!replace && IsTaken(error)) return Placing::Taken;
    if (!Close(out, target)) return Placing::Failed;
    return MoveIntoPlace(temp, target, replace);
}

// Copies source into a flushed temporary file beside target, left open as out; its name
// goes to temp. On failure nothing is left behind.
bool WriteTemporary(const std::string& source, const std::string& target, std::string& temp, FileHandle& out) {
    FileHandle in = OpenSource(source);
    if (!in) return false;
    if (!CreateTemporary(target, temp, out)) return false;
    if (CopyBytes(in.Get(), out.Get(), source, target) && Flush(out, target)) return true;
    out.Close();
    platform::RemoveFile(temp);
    return false;
}

// Gives up a temporary file that could not be put in place.
void Discard(FileHandle& out, const std::string& temp) {
    out.Close();
    platform::RemoveFile(temp);
}
}  // namespace

bool __CopyFile(const std::string& source, const std::string& target) {
    Frame frame("__CopyFile");
    frame.Param(source).Param(target);
    std::string temp;
    FileHandle out;
    if (!WriteTemporary(source, target, temp, out)) return false;
    if (Place(out, temp, target, true) == Placing::Done) return true;
    Discard(out, temp);
    return false;
}

std::optional<std::string> CopyToNewName(const std::string& source, const std::string& target,
                                         const std::function<std::optional<std::string>()>& another) {
    Frame frame("CopyToNewName");
    frame.Param(source).Param(target);
    std::string temp;
    FileHandle out;
    if (!WriteTemporary(source, target, temp, out)) return std::nullopt;
    for (std::optional<std::string> name = target; name; name = another()) {
        Placing placed = Place(out, temp, *name, false);
        if (placed == Placing::Done) return name;
        if (placed == Placing::Failed) break;
    }
    Discard(out, temp);
    return std::nullopt;
}

int FErase(const std::string& path) { return platform::RemoveFile(path) ? 0 : -1; }

}  // namespace pixa
