#pragma once
// TMenu: a menu bar, submenu or context menu, owning one platform menu, with
// TMenuItem entries. A window that shows it hands it the platform's menu messages
// (about to open, item highlighted, command); build menus with MenuBegin,
// MenuAddItem and MenuEnd (menu_builder.h).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/services/accelerators.h"
#include "framework/services/menu_item.h"
#include "framework/window/window_resources.h"
#include "framework/services/namespace.h"

namespace pixa::window {
class TWindow;
}  // namespace pixa::window

namespace pixa::services {

class TMenu : public WindowMenu, public Object, public std::enable_shared_from_this<TMenu> {
public:
    HMENU hMenu = nullptr;                          // platform menu
    std::vector<std::shared_ptr<TMenuItem>> aItems;  // entries in order of addition
    std::weak_ptr<TWindow> oWnd;                    // window that shows it; none for a context menu
    bool lSysMenu = false;                          // the window's system menu
    bool lPopup = false;                            // a context menu
    int nHelpId = 0;                                // help topic
    std::string cVarName;                           // variable name
    std::shared_ptr<TAccTable> oAccTable;           // accelerators of the whole tree, or none
    std::shared_ptr<TMenuItem> oMenuItemPopup;      // item chosen in a context menu, until it closed

    // A context menu (lPopup) or a menu bar; with a window, the window takes it as its menu bar.
    // lSubMenu makes a platform popup for an entry to open (still not a context menu).
    static std::shared_ptr<TMenu> New(bool lPopup = false, const std::shared_ptr<TWindow>& oWnd = {},
                                      bool lSubMenu = false);
    // The window's system menu as a TMenu, which the window keeps.
    static std::shared_ptr<TMenu> NewSys(const std::shared_ptr<TWindow>& oWnd);
    ~TMenu() override;
    std::string ClassName() const override { return "TMENU"; }

    // The item whose action ran last (class-wide).
    static std::shared_ptr<TMenuItem>& oLastItem();
    // The submenu or context menu with this platform handle, or null.
    static std::shared_ptr<TMenu> GetPopup(HMENU hMenu);

    // Appends an entry: submenu, command, bitmap or separator (lRoot: on a menu bar itself).
    void Add(const std::shared_ptr<TMenuItem>& oItem, bool lRoot = false);
    // Re-evaluates the enabling conditions of the items.
    void Initiate();
    // Depth-first: the item with this command id, or the entry whose submenu has this handle.
    std::shared_ptr<TMenuItem> GetMenuItem(INT_PTR nId) const;
    // Runs the chosen item: a context menu keeps it until it has closed, others run it now.
    MsgResult Command(int nId) override;
    // The last item whose action ran.
    std::shared_ptr<TMenuItem> LastItem() const { return oLastItem(); }
    // Shows a context menu at a point of the window's client area, tracks it, then runs
    // the chosen item once the menu has closed; with lEnd the menu is ended afterwards.
    void Activate(int nRow, int nCol, const std::shared_ptr<TWindow>& oWnd, bool lEnd = true);
    // Shows the menu's help: its help id, else the owning window's topic, else the index.
    void HelpTopic();
    // Off its window; bitmaps released; items dropped; platform menu and accelerators gone.
    void End();

    // ---- what the window asks of its menu ----
    HMENU MenuHandle() const override { return hMenu; }
    HACCEL Accelerators() const override { return oAccTable ? oAccTable->hAccel() : nullptr; }
    void SetOwner(TWindow* owner) override;
    MsgResult InitMenuPopup(HMENU hPopup, int nPos, bool lSystem) override;
    Value ItemById(int nId, std::string* message) override;
    void Destroy() override { End(); }
};

}  // namespace pixa::services
