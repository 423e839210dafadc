#include "framework/services/shell_calls.h"

#include <mmsystem.h>

#include "framework/services/message_box.h"
#include "platform/wide_path.h"
#include "runtime/value_text.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
const char* OrNull(const std::optional<std::string>& text) { return text ? text->c_str() : nullptr; }
}  // namespace

bool SndPlaySound(const Value& sound, UINT flags) {
    // A file name goes to the wide call, so that a program folder of any name is found.
    std::wstring file = sound.IsString() ? platform::WidePath(sound.AsString()) : std::wstring();
    LPCWSTR name = sound.IsString() ? file.c_str()
                                    : reinterpret_cast<LPCWSTR>(static_cast<INT_PTR>(sound.AsInteger()));
    return sndPlaySoundW(name, flags) != FALSE;
}

UINT WinExec(const std::string& commandLine, UINT show) { return ::WinExec(commandLine.c_str(), show); }

Value ShellExecute(HWND hWnd, const std::optional<std::string>& operation, const std::string& file,
                   const std::optional<std::string>& parameters, const std::optional<std::string>& directory,
                   int show) {
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (!shell) {
        MsgAlert("Error code: " + NumberText(static_cast<std::int64_t>(GetLastError())) + " loading shell32.dll");
        return Value();
    }
    auto fn = reinterpret_cast<ShellExecuteFn>(reinterpret_cast<void*>(GetProcAddress(shell, "ShellExecuteA")));
    Value result;
    if (fn)
        result = Value(static_cast<long long>(
            reinterpret_cast<INT_PTR>(fn(hWnd, OrNull(operation), file.c_str(), OrNull(parameters), OrNull(directory), show))));
    FreeLibrary(shell);
    return result;
}

HWND GetHWnd32(HWND hWnd) {
    auto low = static_cast<ULONG_PTR>(reinterpret_cast<ULONG_PTR>(hWnd) & 0xFFFF);
    return reinterpret_cast<HWND>(low | 0xFFFF0000u);
}

}  // namespace pixa::services
