#pragma once
// The program-wide values that the application's functions share for the whole run:
// the configuration's live copy, the main window's rectangle and the open dialog's controls.
#include <string>
#include <vector>

#include "runtime/value.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

struct Publics {
    // Start-up
    std::string cRunIn;                   // program folder from the executable's path, ending in a backslash
    ObjectRef oWnd;                       // the main window, once it exists
    ObjectRef oMenu;                      // the main window's menu bar
    long nTop = 0, nLeft = 0;             // main window's outer rectangle as read at start-up
    long nBottom = 0, nRight = 0;         // (bottom and right inclusive)

    // Configuration file
    std::string cMyPath;                  // current drive and folder, no trailing backslash (except a root)
    std::string cIniFile;                 // cMyPath + "\PIXAPORT.INI"
    std::string cRelease;                 // product name, one blank, version
    std::string cS_Email_M, cS_Email;     // e-mail menu caption and address
    std::string cS_WWW_M, cS_WWW;         // web menu caption and address
    long nColF = 1;                       // text colour of entry and value fields, RGB(1,0,0)
    long nColB = 13697023;                // background of entry fields, RGB(255,255,208)
    long nColBH = 9240575;                // background of read-only value fields, RGB(255,255,140)
    bool lS_Konvert = false;              // open the transfer dialog at start-up
    std::string cExtens;                  // picture file type, exactly 3 characters; "*" means all files
    std::string cDFBeg;                   // camera maker whose naming is used
    std::string cQuelle;                  // picture source folder on the PC
    bool lSubOrd = false;                 // include the source folder's subfolders
    std::string cZiel;                    // target folder on the camera's card
    long nSpeicher = 0;                   // camera memory in MB; 0 means any size
    std::vector<std::string> aDFBeg;      // the camera makers offered
    bool lSimulier = false;               // simulate the transfer without copying (never stored)
    bool lPruefen = true;                 // read every copy back from the card and compare it

    // Controls of the open settings or transfer dialog that show the values above.
    ObjectRef oQuelle, oZiel, oExtens, oSpeicher, oSubOrd, oDFBeg, oSimulier;
};

// The one set of program-wide values.
Publics& G();

}  // namespace pixa::shell
