#pragma once
// What a window needs of the objects it holds but does not define itself:
// icons, cursors and menus (built elsewhere in the framework) implement these.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/window/messages.h"
#include "runtime/value.h"

namespace pixa::window {

class TWindow;

// An icon a window shows in its caption; the window ends it when it is destroyed.
class WindowIcon {
public:
    virtual ~WindowIcon() = default;
    // The platform icon, or null.
    virtual HICON IconHandle() const = 0;
    // Releases the platform icon.
    virtual void End() = 0;
};

// A mouse cursor a window shows while the pointer is over it.
class WindowCursor {
public:
    virtual ~WindowCursor() = default;
    // The platform cursor, or null.
    virtual HCURSOR CursorHandle() const = 0;
    // Releases the platform cursor unless it is shared.
    virtual void End() = 0;
};

// A menu attached to a window (menu bar, popup or system menu).
class WindowMenu {
public:
    virtual ~WindowMenu() = default;
    // The platform menu.
    virtual HMENU MenuHandle() const = 0;
    // The accelerator table to translate while the owner is the main window, or null.
    virtual HACCEL Accelerators() const { return nullptr; }
    // Makes the window the menu's owner.
    virtual void SetOwner(TWindow* owner) { (void)owner; }
    // Runs the item with this identifier; the answer to the window's command message.
    virtual MsgResult Command(int nId) = 0;
    // A popup of this menu is about to open.
    virtual MsgResult InitMenuPopup(HMENU hPopup, int nPos, bool lSystem) {
        (void)hPopup, (void)nPos, (void)lSystem;
        return std::nullopt;
    }
    // The item with this identifier (absent when none) and its status text.
    virtual Value ItemById(int nId, std::string* message) {
        (void)nId, (void)message;
        return {};
    }
    // Destroys the platform menu.
    virtual void Destroy() = 0;
};

// An icon loaded from an icon file of that name when the file exists, else from
// the program's icon resource of that name.
std::shared_ptr<WindowIcon> LoadNamedIcon(const std::string& name);
// The arrow cursor of the platform (shared, never destroyed).
HCURSOR ArrowCursor();

}  // namespace pixa::window
