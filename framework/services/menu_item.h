#pragma once
// TMenuItem: one entry of a menu: a command (its action runs when it is chosen),
// an entry that opens a submenu (its action is that TMenu), or a separator (no
// prompt). Command ids are given out from 20001 on and stay inside 16 bits, the
// width in which the platform carries them.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "runtime/value.h"
#include "framework/services/namespace.h"

namespace pixa::services {

class TMenu;

// TMenuItem::New, 13 positions.
struct MenuItemNew {
    std::optional<std::string> cPrompt{};  // 1 text, "&" before the hot key; absent: separator
    std::string cMsg{};                    // 2 message text while highlighted
    bool lChecked = false;                 // 3 checked
    bool lActive = true;                   // 4 enabled
    Value bAction{};                       // 5 action called with the item, or a TMenu (submenu)
    std::string cBmpFile{};                // 6 bitmap file shown instead of the text
    std::string cResName{};                // 7 bitmap resource, when the file does not exist
    BYTE nVKState = 0;                     // 8 accelerator shift state (FSHIFT, FCONTROL, FALT)
    WORD nVirtKey = 0;                     // 9 accelerator key; 0: none
    bool lHelp = false;                    // 10 right-aligned help entry on a menu bar
    int nHelpId = 0;                       // 11 help topic
    Action bWhen{};                        // 12 enabling condition, evaluated when the menu opens
    bool lBreak = false;                   // 13 starts a new menu column
};

class TMenuItem : public Object, public std::enable_shared_from_this<TMenuItem> {
public:
    std::optional<std::string> cPrompt;  // absent for a separator
    std::string cMsg;                    // message text
    std::string cVarName;                // variable name
    int nId = 0;                         // command id
    int nHelpId = 0;                     // help topic
    Value bAction;                       // action (with the item) or the submenu
    Action bWhen;                        // enabling condition or none
    std::string cWebAction;              // web action (not used)
    bool lActive = true;                 // enabled
    bool lBreak = false;                 // starts a new column
    bool lChecked = false;               // checked
    bool lHelp = false;                  // help-aligned
    std::weak_ptr<TMenu> oMenu;          // the menu that holds it
    HBITMAP hBitmap = nullptr;           // bitmap shown instead of the text
    BYTE nVKState = 0;                   // accelerator shift state
    WORD nVirtKey = 0;                   // accelerator key
    Value Cargo;                         // free slot

    // The last command id given out (class-wide; 20000 before the first item).
    static int& nInitId();
    // The next free command id after nInitId: up to 65535, then round from 20001,
    // skipping ids of living items and handles of living menus.
    static int NextId();

    static std::shared_ptr<TMenuItem> New(const MenuItemNew& args = {});
    ~TMenuItem() override;
    std::string ClassName() const override { return "TMENUITEM"; }

    // The submenu this entry opens, or null for a command or separator.
    std::shared_ptr<TMenu> SubMenu() const;
    // The prompt, or empty text for a separator.
    std::string cCaption() const { return cPrompt.value_or(""); }
    // Sets the prompt and the platform entry's text.
    void cCaption(const std::string& text) { SetPrompt(text); }
    // Sets the prompt and the platform entry's text.
    void SetPrompt(const std::string& text);
    // Checks or unchecks the entry.
    void SetCheck(bool lOnOff);
    // Enables the entry (and a submenu it opens).
    void Enable();
    // Grays and disables the entry (and a submenu it opens).
    void Disable();
    // Shows the item's help: its help id, else its menu's help.
    void HelpTopic();
    // Releases the bitmap.
    void End();

private:
    void SetEnabled(bool enabled);
};

}  // namespace pixa::services
