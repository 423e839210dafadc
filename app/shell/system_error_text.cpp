#include "app/shell/system_error_text.h"
#include "app/shell/namespace.h"

#include <windows.h>

namespace pixa::shell {

namespace {

const char* GermanReason(unsigned long code) {
    switch (code) {
        case ERROR_FILE_NOT_FOUND: return "Die Datei wurde nicht gefunden.";
        case ERROR_PATH_NOT_FOUND: return "Der Ordner wurde nicht gefunden.";
        case ERROR_ACCESS_DENIED: return "Zugriff verweigert.";
        case ERROR_WRITE_PROTECT: return "Der Datenträger ist schreibgeschützt.";
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return "Die Datei wird von einem anderen Programm verwendet.";
        case ERROR_HANDLE_DISK_FULL:
        case ERROR_DISK_FULL: return "Der Datenträger ist voll.";
        default: return nullptr;
    }
}

std::string PlatformReason(unsigned long code) {
    char* text = nullptr;
    FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                   nullptr, code, 0, reinterpret_cast<LPSTR>(&text), 0, nullptr);
    std::string reason = text ? text : "";
    if (text) LocalFree(text);
    while (!reason.empty() && (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
        reason.pop_back();
    return reason.empty() ? "Unbekannter Fehler." : reason;
}

}  // namespace

std::string SystemErrorText(unsigned long code) {
    const char* german = GermanReason(code);
    return (german ? std::string(german) : PlatformReason(code)) + " (Fehler " + std::to_string(code) + ")";
}

}  // namespace pixa::shell
