#include "app/transfer/file_copy.h"

#include <windows.h>

#include <cstddef>
#include <memory>
#include <vector>

#include "app/transfer/base_error.h"
#include "app/transfer/directory.h"
#include "app/transfer/folders.h"
#include "app/transfer/target_folder.h"
#include "app/transfer/temporary_file.h"
#include "runtime/frame.h"
#include "platform/file_system.h"
#include "platform/process.h"
#include "platform/wide_path.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
// Large blocks keep the platform calls per megabyte few; short writes and retries are
// handled by the byte, so the block size is not visible in what lands on the card.
constexpr DWORD kBlock = 1024 * 1024;
constexpr int kSubOpen = 2012;
constexpr int kSubWrite = 2016;

bool Retry(const BaseErrorInfo& info) { return RaiseBaseError(info) == ErrorAnswer::Retry; }

// One copy under way.
struct CopyJob {
    const std::string& source;
    std::string target;        // the name the copy is to get (errors name it)
    bool watchTarget = false;  // a failure on the target first checks that its folder still takes files
    bool targetLost = false;   // the copy was given up because it does not
};

BaseErrorInfo OpenError(const std::string& source) {
    return FileError(kGenOpen, kSubOpen, "Open error", platform::ShownPath(source), static_cast<int>(GetLastError()));
}

BaseErrorInfo CreateError(const std::string& target) {
    return FileError(kGenCreate, kSubOpen, "Create error", platform::ShownPath(target), static_cast<int>(GetLastError()));
}

BaseErrorInfo WriteError(const std::string& target, DWORD os) {
    return FileError(kGenWrite, kSubWrite, "Write error", platform::ShownPath(target), static_cast<int>(os));
}

// After a failed step on the target: true to try it again. A target folder that is gone
// or takes no file any more gives the copy up at once: every further try, of this
// picture and of the next ones, would fail the same way. Otherwise the error handler
// decides, shown with the picture being copied.
bool TryAgain(CopyJob& job, BaseErrorInfo info) {
    if (job.watchTarget && !TakesFiles(FolderPart(job.target))) {
        job.targetLost = true;
        return false;
    }
    info.operation = "Kopieren: " + platform::ShownPath(job.source);
    return Retry(info);
}

platform::FileHandle OpenForReading(const std::string& path) {
    return platform::OpenFile(path, {.access = GENERIC_READ,
                                     .share = FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     .disposition = OPEN_EXISTING,
                                     .flags = FILE_FLAG_SEQUENTIAL_SCAN});
}

platform::FileHandle OpenSource(const std::string& source) {
    // The collection's paths carry an upper-case base folder: open them spelled as stored.
    std::string stored = StoredSpellingOf(source);
    if (stored != source)
        if (platform::FileHandle in = OpenForReading(stored)) return in;
    for (;;) {
        platform::FileHandle in = OpenForReading(source);
        if (in || !Retry(OpenError(source))) return in;
    }
}

// Creates the temporary file for the target; on failure the error handler decides.
bool CreateTemporary(CopyJob& job, TemporaryFile& temp) {
    for (;;) {
        if (temp.Create(FolderPart(job.target))) return true;
        if (!TryAgain(job, CreateError(job.target))) return false;
    }
}

// Writes the whole block, continuing after short writes. When the platform stores
// nothing more, the error handler decides: retry the unwritten rest, or give up.
bool WriteBlock(CopyJob& job, HANDLE out, const char* data, DWORD size) {
    DWORD done = 0;
    while (done < size) {
        DWORD written = 0;
        SetLastError(0);
        BOOL ok = WriteFile(out, data + done, size - done, &written, nullptr);
        done += written;
        if (ok && written > 0) continue;
        DWORD os = GetLastError();
        if (!TryAgain(job, WriteError(job.target, os ? os : ERROR_DISK_FULL))) return false;
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

bool CopyBytes(CopyJob& job, HANDLE in, HANDLE out) {
    BlockBuffer buffer;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(in, buffer.Data(), kBlock, &got, nullptr)) {
            if (Retry(FileError(kGenRead, kSubWrite, "Read error", platform::ShownPath(job.source), static_cast<int>(GetLastError()))))
                continue;
            return false;
        }
        if (got == 0) return true;
        if (!WriteBlock(job, out, buffer.Data(), got)) return false;
    }
}

// Flushes the temporary file; a failure here means the bytes may not be on the medium.
bool Flush(CopyJob& job, platform::FileHandle& out) {
    for (;;) {
        if (FlushFileBuffers(out.Get())) return true;
        if (!TryAgain(job, WriteError(job.target, GetLastError()))) return false;
    }
}

// Closes the temporary file after its bytes were flushed.
bool Close(CopyJob& job, platform::FileHandle& out) {
    if (out.Close()) return true;
    BaseErrorInfo info = WriteError(job.target, GetLastError());
    info.canRetry = false;  // the handle is gone; there is nothing to repeat
    TryAgain(job, info);
    return false;
}

// How renaming the complete temporary file to its target ended.
enum class Placing { Done, Taken, Failed };

bool IsTaken(DWORD error) { return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS; }

// Renames temp to target. Unless replace is set, an entry of the target's name is left
// alone and the answer is Taken; other failures go to the error handler.
Placing MoveIntoPlace(CopyJob& job, const std::string& temp, bool replace) {
    DWORD flags = MOVEFILE_WRITE_THROUGH | (replace ? MOVEFILE_REPLACE_EXISTING : 0);
    for (;;) {
        if (platform::MovePath(temp, job.target, flags)) return Placing::Done;
        if (!replace && IsTaken(GetLastError())) return Placing::Taken;
        if (!TryAgain(job, CreateError(job.target))) return Placing::Failed;
    }
}

// Renames the open file to target through its handle, which spares opening it again by
// name. False (with the platform's reason in error) when that does not work.
bool RenameOpen(HANDLE file, const std::string& target, bool replace, DWORD& error) {
    std::wstring wide = platform::WidePath(target);
    std::size_t bytes = offsetof(FILE_RENAME_INFO, FileName) + (wide.size() + 1) * sizeof(WCHAR);
    std::vector<unsigned char> block(bytes);
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(block.data());
    info->ReplaceIfExists = replace;
    info->FileNameLength = static_cast<DWORD>(wide.size() * sizeof(WCHAR));
    wide.copy(info->FileName, wide.size());
    if (SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(bytes))) return true;
    error = GetLastError();
    return false;
}

// Puts the flushed temporary file under job.target and closes it. A platform that does
// not rename through the handle gets the file closed and renamed by name. Unless
// replace is set, a taken target answers Taken and the file stays as it is.
Placing Place(CopyJob& job, TemporaryFile& temp, bool replace) {
    platform::FileHandle& out = temp.Handle();
    Placing placed = Placing::Failed;
    DWORD error = 0;
    if (!out)
        placed = MoveIntoPlace(job, temp.Name(), replace);
    else if (RenameOpen(out.Get(), job.target, replace, error))
        placed = Close(job, out) ? Placing::Done : Placing::Failed;
    else if (!replace && IsTaken(error))
        return Placing::Taken;
    else if (Close(job, out))
        placed = MoveIntoPlace(job, temp.Name(), replace);
    if (placed == Placing::Done) temp.Keep();
    return placed;
}

// Copies the source into a flushed temporary file beside the target, left open.
bool WriteTemporary(CopyJob& job, TemporaryFile& temp) {
    platform::FileHandle in = OpenSource(job.source);
    return in && CreateTemporary(job, temp) && CopyBytes(job, in.Get(), temp.Handle().Get()) &&
           Flush(job, temp.Handle());
}
}  // namespace

bool __CopyFile(const std::string& source, const std::string& target) {
    Frame frame("__CopyFile");
    frame.Param(platform::ShownPath(source)).Param(platform::ShownPath(target));  // texts of a report
    CopyJob job{.source = source, .target = target};
    TemporaryFile temp;
    return WriteTemporary(job, temp) && Place(job, temp, true) == Placing::Done;
}

CopyOutcome CopyToNewName(const std::string& source, const std::string& target,
                          const std::function<std::optional<std::string>()>& another) {
    Frame frame("CopyToNewName");
    frame.Param(platform::ShownPath(source)).Param(platform::ShownPath(target));  // texts of a report
    CopyJob job{.source = source, .target = target, .watchTarget = true};
    TemporaryFile temp;
    if (!WriteTemporary(job, temp)) return {.name = std::nullopt, .targetLost = job.targetLost};
    for (std::optional<std::string> name = target; name; name = another()) {
        job.target = *name;
        Placing placed = Place(job, temp, false);
        if (placed == Placing::Done) return {.name = name};
        if (placed == Placing::Failed) break;
    }
    return {.name = std::nullopt, .targetLost = job.targetLost};
}

int FErase(const std::string& path) { return platform::RemoveFile(path) ? 0 : -1; }

}  // namespace pixa::transfer
