#include "app/transfer/camera_erase.h"

#include <vector>

#include "app/transfer/camera_files.h"
#include "app/transfer/directory.h"
#include "app/transfer/file_copy.h"
#include "app/transfer/folder_guard.h"
#include "app/transfer/folders.h"
#include "platform/process.h"
#include "platform/wide_path.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
const char* const kNothing = " Es wurde nichts gelöscht !";

std::string ProgramFolder(const EraseGuard& guard) {
    return guard.programFolder.empty() ? platform::ExecutableFolder() : guard.programFolder;
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

// The plain files of the folder that a camera wrote; all others are the user's.
std::vector<std::string> CameraFiles(const std::string& folder, const std::string& extens) {
    std::vector<std::string> names;
    for (const auto& row : Directory(folder + "*.*", ""))
        if (IsCameraFile(row.name, extens)) names.push_back(row.name);
    return names;
}

std::string Question(std::size_t count, const std::string& folder) {
    std::string line = count == 1 ? "Es wird 1 Datei aus " : "Es werden " + std::to_string(count) + " Dateien aus ";
    return "Wollen Sie den Kameraspeicher löschen ?\n\n" + line + platform::ShownPath(folder) + " gelöscht.";
}

std::string StayedReport(std::size_t stayed) {
    std::string lead = stayed == 1 ? "1 Datei konnte" : std::to_string(stayed) + " Dateien konnten";
    return lead + " nicht gelöscht werden (schreibgeschützt oder in Gebrauch).";
}

// Deletes the files and counts those still there: one that vanished meanwhile is gone all the same.
std::size_t DeleteEach(const std::string& folder, const std::vector<std::string>& names) {
    std::size_t stayed = 0;
    for (const auto& name : names)
        if (FErase(folder + name) != 0 && EntryExists(folder + name)) ++stayed;
    return stayed;
}
}  // namespace

std::string EraseRefusal(const std::string& target, const EraseGuard& guard) {
    if (IsBlank(target)) return std::string("Es ist kein Kameraordner eingestellt.") + kNothing;
    if (!lIsDir(target)) return "Der Kameraordner " + target + " ist nicht vorhanden." + kNothing;
    if (IsSameFolder(target, ProgramFolder(guard)))
        return std::string("Der Kameraordner ist der Programmordner von Pixaport.") + kNothing;
    if (IsSameOrBelowFolder(target, guard.source))
        return std::string("Der Kameraordner ist der Bilderordner oder liegt in ihm.") + kNothing;
    return {};
}

bool CamErase(const EraseJob& job, TransferPrompts& prompts) {
    if (std::string why = EraseRefusal(job.target, job.guard); !why.empty()) {
        prompts.Stop(why, "Löschen");
        return true;
    }
    // A folder given without its closing "\\" must not list its parent's entries that begin with its name.
    std::string folder = WithClosingBackslash(job.target);
    std::vector<std::string> names = CameraFiles(folder, job.extens);
    if (names.empty()) {
        prompts.Info("Im Kameraordner " + folder + " gibt es keine Kameradateien." + kNothing, "Löschen");
        return true;
    }
    if (!prompts.NoYes(Question(names.size(), folder), "Löschen")) return true;
    prompts.WaitCursor(true);
    std::size_t stayed = DeleteEach(folder, names);
    prompts.WaitCursor(false);
    if (stayed == 0)
        prompts.Info("Der Kameraspeicher wurde gelöscht !", "Information");
    else
        prompts.Stop(StayedReport(stayed), "Löschen");
    return true;
}

}  // namespace pixa::transfer
