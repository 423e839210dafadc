#include "app/transfer/folder_search.h"

#include "app/transfer/folder_chooser.h"
#include "app/transfer/folders.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

std::string ChosenFolder(const std::string& chosen, const std::string& cFolder) {
    if (chosen.empty()) return cFolder;
    return WithClosingBackslash(chosen);
}

std::string Suchen(const std::string& cFolder, const std::string& cTitle) {
    return ChosenFolder(cGetDir(cTitle, "C:\\"), cFolder);
}

}  // namespace pixa::transfer
