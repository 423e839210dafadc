#include "app/transfer/camera_erase.h"

#include <windows.h>

#include "app/transfer/directory.h"
#include "app/transfer/file_copy.h"
#include "app/transfer/folders.h"
#include "platform/process.h"
#include "runtime/ansi_chars.h"

namespace pixa {

namespace {
// The full, upper-case form of a folder with a closing "\", for comparing folders.
std::string Canonical(const std::string& folder) {
    char full[MAX_PATH * 2] = {};
    DWORD n = GetFullPathNameA(folder.c_str(), sizeof full, full, nullptr);
    std::string path = n > 0 && n < sizeof full ? std::string(full, n) : folder;
    return AnsiUpperText(WithClosingBackslash(path));
}

std::string ProgramFolder(const EraseGuard& guard) {
    if (!guard.programFolder.empty()) return guard.programFolder;
    std::string exe = platform::ExecutablePath();
    return exe.substr(0, exe.find_last_of('\\') + 1);
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }
}  // namespace

std::string EraseRefusal(const std::string& target, const EraseGuard& guard) {
    const std::string nothing = " Es wurde nichts gelöscht !";
    if (IsBlank(target)) return "Es ist kein Kameraordner eingestellt." + nothing;
    if (!lIsDir(target)) return "Der Kameraordner " + target + " ist nicht vorhanden." + nothing;
    std::string camera = Canonical(target);
    if (camera == Canonical(ProgramFolder(guard)))
        return "Der Kameraordner ist der Programmordner von Pixaport." + nothing;
    if (!IsBlank(guard.source) && camera.rfind(Canonical(guard.source), 0) == 0)
        return "Der Kameraordner ist der Bilderordner oder liegt in ihm." + nothing;
    return {};
}

bool CamErase(const std::string& target, TransferPrompts& prompts, const EraseGuard& guard) {
    if (std::string why = EraseRefusal(target, guard); !why.empty()) {
        prompts.Stop(why, "Löschen");
        return true;
    }
    if (!prompts.NoYes("Wollen Sie den Kameraspeicher löschen ?", "Löschen")) return true;
    // A folder given without its closing "\\" must not list its parent's entries that begin with its name.
    std::string folder = WithClosingBackslash(target);
    prompts.WaitCursor(true);
    for (const auto& row : Directory(folder + "*.*", "")) FErase(folder + row.name);
    prompts.WaitCursor(false);
    prompts.Info("Der Kameraspeicher wurde gelöscht !", "Information");
    return true;
}

}  // namespace pixa
