#pragma once
// The table of non-modal dialogs whose keyboard navigation the event loop routes.
#include <windows.h>

namespace pixa::window {

// The table of non-modal dialogs whose keyboard navigation the loop routes (200 entries).
class ModelessDialogs {
public:
    // Number of entries.
    static constexpr int kCapacity = 200;
    // Enters a dialog handle; false when the table is full.
    static bool Add(HWND hDlg);
    // Removes a dialog handle.
    static void Remove(HWND hDlg);
    // True when no entry is free.
    static bool Full();
    // Offers a message to the non-modal dialogs; true when one of them took it.
    static bool Route(MSG& msg);
};

}  // namespace pixa::window
