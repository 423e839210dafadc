#pragma once
// Reading copies back from the card and comparing them with their pictures.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// How a copy on the card compared with its source.
enum class Comparison { Same, Differs, Unreadable };

// Reads the whole copy back and compares it byte for byte with the source. The copy is
// read past the system's file cache where the platform allows (unbuffered, with
// aligned blocks), so what is compared is what the card holds, not what was just
// written; a file system that refuses unbuffered reads is read normally.
Comparison CompareCopy(const std::string& source, const std::string& copy);

// Compares samples of the copy with the source: its first and last block and one block
// in every megabyte. Cheap enough to look again at every copy of a run at its
// end, when a card that wraps its writes round has overwritten earlier copies.
Comparison CompareSamples(const std::string& source, const std::string& copy);

}  // namespace pixa::transfer
