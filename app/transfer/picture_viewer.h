#pragma once
// Showing a picture with the program the platform associates with its type.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Opens the picture through the shell with its associated program and waits until
// that program has ended (without an associated program: "cmd /c start", waiting
// likewise). Pending window messages are processed once before the wait.
void ShowPicture(const std::string& path);

}  // namespace pixa::transfer
