#pragma once
// The copy loop: every chosen picture goes onto the card under the next free camera name.
#include <string>
#include <vector>

#include "app/transfer/transfer_ui.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// The settings of one copy run.
struct CameraCopyRequest {
    std::string target;          // target folder (cZiel)
    std::string maker = "Sony";  // camera maker (cDFBeg)
    std::string extens = "JPG";  // file type (cExtens)
    bool simulate = false;       // find the names but write nothing (lSimulier)
    int lastNumber = 0;          // running number before the first name tried; a run starts at 0
    bool verify = false;         // read every copy back and compare it with its picture (lPruefen)
};

// How a copy run ended.
struct CopyTally {
    int copied = 0;                 // files now complete on the card (or, simulated, that would be)
    int failed = 0;                 // files whose copy was given up
    bool interrupted = false;       // the user interrupted the run
    bool numbersExhausted = false;  // no five-digit number was left for a file
    bool targetLost = false;        // the target folder went away or stopped taking files
    std::vector<std::string> notCopied;  // the source paths of the failed files, in copy order
    int checked = 0;                // copies read back from the card and found right
    int overwritten = 0;            // copies right when checked and overwritten by the end of the run
};

// Copies the files, sorted byte-wise, under camera names into the target folder,
// showing progress, honouring the interrupt between files, and reporting the
// outcome in the action line and a final message that names the files not copied.
// Leftover temporary files of an earlier run are removed from the target first. A
// target that goes away or stops taking files ends the run with one message. With
// verify, each copy is read back after it is written and all are looked at again at
// the end; copies overwritten meanwhile are named as a card that does not keep its data.
CopyTally RenInDir(std::vector<std::string> files, const CameraCopyRequest& request, TransferProgress& progress,
                   TransferPrompts& prompts);

// Shows the stop box of an interrupted run; kAbortedAction is the action line it leaves.
void TellInterrupted(TransferPrompts& prompts);
inline constexpr const char* kAbortedAction = "Die Übertragung wurde abgebrochen";

// The final message's text for a tally: the count, then the files not copied.
std::string CopyResultText(const CopyTally& tally);

}  // namespace pixa::transfer
