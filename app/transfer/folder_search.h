#pragma once
// The folder step of the transfer and settings dialogs: the platform's folder
// chooser, with the choice completed to a folder path that ends in "\".
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Lets the user choose a folder under the title (start folder "C:\"). Cancelling
// returns cFolder unchanged; a choice gets a "\" appended unless it ends in one
// (a drive root such as E:\ stays as it is).
std::string Suchen(const std::string& cFolder, const std::string& cTitle);

// The folder Suchen returns for what the chooser gave (empty: cancelled).
std::string ChosenFolder(const std::string& chosen, const std::string& cFolder);

}  // namespace pixa::transfer
