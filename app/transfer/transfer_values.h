#pragma once
// The program-wide values that the transfer dialogs read and change. The caller
// binds the changeable ones to where the program keeps them, so a change made in a
// dialog holds for the rest of the run.
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

struct TransferValues {
    std::string& cQuelle;   // picture source folder, ending in "\"
    std::string& cZiel;     // camera target folder, ending in "\"
    bool& lSubOrd;          // include the source's subfolders
    bool& lSimulier;        // simulate: find the names, write nothing
    std::string cExtens;    // file type, three characters
    std::string cDFBeg;     // camera maker
    long nSpeicher = 8;     // card capacity in MB (0: any size)
    long nColF = 1;         // text colour of the value fields
    long nColBH = 9240575;  // background of the value fields
    long nTop = 0;          // main window's top, the transfer dialog sits 85 below
    long nLeft = 0;         // main window's left, the transfer dialog sits 85 to the right
    std::string cMyPath;    // program folder, where the work table lives
    bool lPruefen = true;   // read every copy back from the card and compare it
};

}  // namespace pixa::transfer
