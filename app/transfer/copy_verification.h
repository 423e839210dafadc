#pragma once
// Checking every copy of a run on the card: right after it is written, and once more,
// by samples, at the end of the run.
#include <string>
#include <utility>
#include <vector>

#include "app/transfer/file_copy.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

class CopyVerifier {
public:
    // Reads the new copy back and compares it with its source. A copy that differs (or
    // cannot be read back) goes to the error handler as a copy failure: retry copies it
    // again under its name, default removes it. A card that takes no file any more gives
    // the copy up without asking (targetLost).
    CopyOutcome Check(const std::string& source, const std::string& copy);

    // Looks again at every copy that passed its check, and removes those that differ
    // now: a card that wraps its writes round overwrote them. Their sources, in order.
    std::vector<std::string> Overwritten();

    // The number of copies that passed their check and are still on the card.
    int Checked() const { return static_cast<int>(passed_.size()); }

private:
    std::vector<std::pair<std::string, std::string>> passed_;  // source and copy
};

}  // namespace pixa::transfer
