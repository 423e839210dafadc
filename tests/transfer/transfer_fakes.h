#pragma once
// Recording stand-ins for the progress dialog, the message boxes and the error handler.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "app/transfer/transfer_ui.h"
#include "runtime/error.h"
#include "tests/support/layers.h"

namespace pixa::test {

// Writes a file through the ANSI API (Windows-1252 names), creating missing folders; returns the path.
inline std::string WriteAnsi(const std::string& path, const std::string& content) {
    for (auto cut = path.find('\\', 3); cut != std::string::npos; cut = path.find('\\', cut + 1))
        CreateDirectoryA(path.substr(0, cut).c_str(), nullptr);
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    if (h != INVALID_HANDLE_VALUE) {
        WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(h);
    }
    return path;
}

// A sparse file of the given size: its length is real, its blocks are not written.
inline std::string SparseFile(const std::string& path, std::uint64_t size) {
    WriteAnsi(path, "");
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    LARGE_INTEGER at;
    at.QuadPart = static_cast<LONGLONG>(size);
    SetFilePointerEx(h, at, nullptr, FILE_BEGIN);
    SetEndOfFile(h);
    CloseHandle(h);
    return path;
}

// Reads a whole file through the ANSI API; empty when it cannot be read.
inline std::string ReadAnsi(const std::string& path) {
    std::string content;
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return content;
    char buffer[65536];
    DWORD got = 0;
    while (ReadFile(h, buffer, sizeof buffer, &got, nullptr) && got > 0) content.append(buffer, got);
    CloseHandle(h);
    return content;
}

// Records what the progress dialog would show; onPump runs at every pump.
class RecordingProgress : public TransferProgress {
public:
    void SetAction(const std::string& text) override { actions.push_back(text); }
    void SetMeterTotal(int total) override { totals.push_back(total); }
    void SetMeterPos(int position) override { positions.push_back(position); }
    void Pump() override {
        ++pumps;
        if (onPump) onPump();
    }
    bool BreakRequested() const override { return breakRequested; }

    std::vector<std::string> actions;
    std::vector<int> totals;
    std::vector<int> positions;
    int pumps = 0;
    bool breakRequested = false;
    std::function<void()> onPump;
};

// One message box as shown.
struct ShownMessage {
    std::string kind;  // "info", "stop" or "noyes"
    std::string text;
    std::string title;
};

// Records the message boxes and answers questions with a scripted answer.
class RecordingPrompts : public TransferPrompts {
public:
    void Info(const std::string& text, const std::string& title) override { shown.push_back({"info", text, title}); }
    void Stop(const std::string& text, const std::string& title) override { shown.push_back({"stop", text, title}); }
    bool NoYes(const std::string& text, const std::string& title) override {
        shown.push_back({"noyes", text, title});
        return answerYes;
    }
    void WaitCursor(bool on) override { cursor.push_back(on); }

    std::vector<ShownMessage> shown;
    std::vector<bool> cursor;
    bool answerYes = true;
};

// Installs a handler for the lifetime of the object that records every error and
// answers with the script (default: Default); restores the previous handler.
class ScriptedErrors {
public:
    explicit ScriptedErrors(std::function<ErrorAnswer(const Error&)> script = {}) : script_(std::move(script)) {
        previous_ = SetErrorHandler([this](const Error& e) {
            raised.push_back(e);
            return script_ ? script_(e) : ErrorAnswer::Default;
        });
    }
    ~ScriptedErrors() { SetErrorHandler(std::move(previous_)); }
    ScriptedErrors(const ScriptedErrors&) = delete;
    ScriptedErrors& operator=(const ScriptedErrors&) = delete;

    std::vector<Error> raised;

private:
    std::function<ErrorAnswer(const Error&)> script_;
    ErrorHandler previous_;
};

}  // namespace pixa::test
