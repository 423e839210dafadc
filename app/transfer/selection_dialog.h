#pragma once
// The selection list: the collected pictures with a mark each, running totals of
// the space the marked ones need against the card's free space, marking by row,
// folder group or all, hiding folder groups, viewing a picture.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/transfer/namespace.h"

namespace pixa::window {
class TDialog;
}  // namespace pixa::window

namespace pixa::transfer {

// What the list is measured against and where its work table lives.
struct SelectionSetup {
    double camSpace = 0;      // free space on the card in MB (nCamSpace)
    std::string tableFolder;  // program folder for "TEMP.DBF"
    std::string cardFolder;   // target folder: its volume's clusters count in the need
};

// Shows the files modally over the owner. True when left with "&Weiter": files
// and sizes then hold the marked visible files in table order with their sizes in
// bytes; otherwise both keep what they held.
bool Auswahl(const std::shared_ptr<TDialog>& owner, std::vector<std::string>& files, std::vector<std::uint64_t>& sizes,
             const SelectionSetup& setup);

}  // namespace pixa::transfer
