#include "tests/errorlog/handler_support.h"

#include <filesystem>

#include "framework/services/error_dialog.h"
#include "platform/handles.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa::test {

namespace {
constexpr const char* kChildVariable = "PIXA_ERRORLOG_CHILD";
}

HandlerScope::HandlerScope() {
    previousFolder_ = std::filesystem::current_path().string();
    std::filesystem::current_path(dir_.path());
    previousHandler_ = SetErrorHandler({});
    ErrorSys();
}

HandlerScope::~HandlerScope() {
    SetErrorHandler(previousHandler_);
    std::filesystem::current_path(previousFolder_);
}

HWND ChildByText(HWND parent, const std::string& text) {
    struct Search {
        const std::string* text;
        HWND found;
    } search{&text, nullptr};
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM data) -> BOOL {
            auto* s = reinterpret_cast<Search*>(data);
            char buffer[512] = "";
            GetWindowTextA(child, buffer, sizeof buffer);
            if (*s->text != buffer) return TRUE;
            s->found = child;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void ClickAndWaitClosed(GuiScript& script, const char* caption, const char* button) {
    script.Do(button, [caption, button] { Click(ChildByText(FindDialog(caption), button)); })
        .Until(std::string(caption) + " closed", [caption] { return FindDialog(caption) == nullptr; });
}

DWORD RunChild(const std::string& caseName, const std::string& folder) {
    char exe[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string command = "\"" + std::string(exe) + "\" --gtest_filter=ErrorHandlerChild.Run";
    SetEnvironmentVariableA(kChildVariable, caseName.c_str());
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    BOOL started = CreateProcessA(exe, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &startup,
                                  &process);
    SetEnvironmentVariableA(kChildVariable, nullptr);
    if (!started) return 0xFFFFFFFF;
    WaitForSingleObject(process.hProcess, 60000);
    DWORD code = 0xFFFFFFFF;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    return code;
}

std::string ChildCase() {
    char value[64] = "";
    return GetEnvironmentVariableA(kChildVariable, value, sizeof value) ? value : "";
}

bool CardIsSmallTmpfs() {
    ULARGE_INTEGER available{}, total{}, free{};
    return GetDiskFreeSpaceExA("P:\\", &available, &total, &free) && total.QuadPart == 2u << 20;
}

bool FillCardLeaving(const std::string& root, ULONGLONG room, const std::string& filler) {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, &total, &free) || available.QuadPart <= room) return false;
    platform::FileHandle out(CreateFileA(filler.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    std::string block(available.QuadPart - room, 'F');
    DWORD written = 0;
    return out && WriteFile(out.Get(), block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
           written == block.size();
}

}  // namespace pixa::test
