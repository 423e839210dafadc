#pragma once
// Which names on a card are the camera's own, and the program's temporary files.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// The name of the program's temporary file number n while a copy is written:
// "PXA" + five upper-case hex digits + ".TMP", a name no camera uses.
std::string TemporaryName(unsigned n);

// True for a name of the temporary pattern above (case ignored); such a file on a
// card is a copy that never completed.
bool IsOwnTemporaryName(const std::string& name);

// True for a name in the form a camera writes: an 8.3 name (base of 1 to 8, extension
// of 1 to 3 characters, no blanks) whose base ends in four digits (DSC00001.JPG,
// IMG_0042.JPG, MVI_0003.MOV).
bool HasCameraForm(const std::string& name);

// The part of a file name after its last ".", upper-cased; empty when there is none.
std::string UpperExtension(const std::string& name);

// True for a file erasing may take from a camera folder: a name of camera form, a file
// of the configured picture type extens (case ignored), or a temporary file of ours.
bool IsCameraFile(const std::string& name, const std::string& extens);

}  // namespace pixa::transfer
