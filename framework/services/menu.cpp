#include "framework/services/menu.h"

#include <algorithm>
#include <utility>

#include "framework/services/help.h"
#include "framework/services/sys_refresh.h"
#include "framework/window/window.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
// The context menus and submenus that exist, for finding one by its handle.
std::vector<std::weak_ptr<TMenu>>& MenuList() {
    static std::vector<std::weak_ptr<TMenu>> list;
    return list;
}

void Enlist(const std::shared_ptr<TMenu>& menu) {
    auto& list = MenuList();
    std::erase_if(list, [](const auto& m) { return m.expired(); });
    for (const auto& m : list)
        if (m.lock() == menu) return;
    list.push_back(menu);
}

void Delist(const TMenu* menu) {
    std::erase_if(MenuList(), [menu](const auto& m) {
        auto alive = m.lock();
        return !alive || alive.get() == menu;
    });
}

UINT ItemFlags(const TMenuItem& item) {
    UINT flags = 0;
    if (item.lChecked) flags |= MF_CHECKED;
    if (!item.lActive) flags |= MF_GRAYED | MF_DISABLED;
    if (item.lHelp) flags |= MF_HELP;
    if (item.lBreak) flags |= MF_MENUBREAK;
    return flags;
}
}  // namespace

std::shared_ptr<TMenu> TMenu::New(bool lPopup, const std::shared_ptr<TWindow>& oWnd, bool lSubMenu) {
    auto menu = std::make_shared<TMenu>();
    menu->lPopup = lPopup;
    menu->hMenu = lPopup || lSubMenu ? CreatePopupMenu() : CreateMenu();
    if (lPopup) Enlist(menu);
    if (oWnd) oWnd->SetMenu(menu);
    return menu;
}

std::shared_ptr<TMenu> TMenu::NewSys(const std::shared_ptr<TWindow>& oWnd) {
    auto menu = std::make_shared<TMenu>();
    menu->lSysMenu = true;
    if (oWnd && oWnd->hWnd) {
        menu->hMenu = GetSystemMenu(oWnd->hWnd, FALSE);
        menu->oWnd = oWnd;
        oWnd->oSysMenu = menu;
    }
    return menu;
}

TMenu::~TMenu() { Delist(this); }

std::shared_ptr<TMenuItem>& TMenu::oLastItem() {
    static std::shared_ptr<TMenuItem> item;
    return item;
}

std::shared_ptr<TMenu> TMenu::GetPopup(HMENU h) {
    for (const auto& m : MenuList())
        if (auto menu = m.lock(); menu && menu->hMenu == h) return menu;
    return nullptr;
}

void TMenu::Add(const std::shared_ptr<TMenuItem>& oItem, bool lRoot) {
    (void)lRoot;  // only owner-drawn entries would depend on it
    aItems.push_back(oItem);
    oItem->oMenu = weak_from_this();
    UINT flags = ItemFlags(*oItem);
    if (auto sub = oItem->SubMenu()) {
        const char* prompt = oItem->cPrompt ? oItem->cPrompt->c_str() : "";
        AppendMenuA(hMenu, MF_POPUP | MF_STRING | flags, reinterpret_cast<UINT_PTR>(sub->hMenu), prompt);
        Enlist(sub);
    } else if (oItem->cPrompt) {
        AppendMenuA(hMenu, MF_STRING | flags, static_cast<UINT_PTR>(oItem->nId), oItem->cPrompt->c_str());
    } else if (oItem->hBitmap) {
        AppendMenuA(hMenu, MF_BITMAP | flags, static_cast<UINT_PTR>(oItem->nId),
                    reinterpret_cast<LPCSTR>(oItem->hBitmap));
    } else {
        AppendMenuA(hMenu, MF_SEPARATOR, 0, nullptr);
    }
}

void TMenu::Initiate() {
    for (const auto& item : aItems) {
        if (!item->bWhen) continue;
        Value enabled = item->bWhen.Call(item);
        if (!enabled.IsLogical()) continue;
        if (enabled.AsLogical())
            item->Enable();
        else
            item->Disable();
    }
}

std::shared_ptr<TMenuItem> TMenu::GetMenuItem(INT_PTR nId) const {
    for (const auto& item : aItems) {
        auto sub = item->SubMenu();
        if (sub && reinterpret_cast<INT_PTR>(sub->hMenu) == nId) return item;
        if (sub) {
            if (auto found = sub->GetMenuItem(nId)) return found;
        } else if ((item->cPrompt || item->hBitmap) && item->nId == nId) {
            return item;  // a separator has neither and is never found
        }
    }
    return nullptr;
}

MsgResult TMenu::Command(int nId) {
    auto item = GetMenuItem(nId);
    if (!item || !item->bAction.IsAction()) return std::nullopt;
    // A command that arrives for a disabled entry (an accelerator) does not run.
    if (item->bWhen && Refuses(item->bWhen.Call(item))) return std::nullopt;
    oLastItem() = item;
    if (lPopup) {
        oMenuItemPopup = item;
        return std::nullopt;
    }
    item->bAction.AsAction().Call(item);
    return std::nullopt;
}

void TMenu::Activate(int nRow, int nCol, const std::shared_ptr<TWindow>& owner, bool lEnd) {
    if (!owner || !owner->hWnd) return;
    if (lEnd) {
        if (auto shown = std::dynamic_pointer_cast<TMenu>(owner->oPopup); shown && shown.get() != this) shown->End();
    }
    auto self = shared_from_this();
    // The window's context menu is cleared on every way out, exceptions included.
    struct Shown {
        std::shared_ptr<TWindow> window;
        std::shared_ptr<TMenu> menu;
        bool lEnd;
        ~Shown() {
            if (!lEnd) return;
            menu->End();
            if (window->oPopup == menu) window->oPopup = nullptr;
        }
    } shown{owner, self, lEnd};
    owner->oPopup = self;
    oMenuItemPopup = nullptr;
    POINT at{nCol, nRow};
    ClientToScreen(owner->hWnd, &at);
    TrackPopupMenu(hMenu, TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, owner->hWnd, nullptr);
    SysRefresh();  // delivers the chosen command, which keeps the item
    if (auto chosen = std::exchange(oMenuItemPopup, nullptr)) chosen->bAction.AsAction().Call(chosen);
}

void TMenu::HelpTopic() {
    if (nHelpId) {
        services::HelpTopic(nHelpId);
    } else if (auto window = oWnd.lock()) {
        window->HelpTopic();
    } else {
        HelpIndex();
    }
}

void TMenu::End() {
    auto window = oWnd.lock();
    HWND shownOn = window ? window->hWnd : nullptr;
    if (shownOn && !lSysMenu && GetMenu(shownOn) == hMenu) ::SetMenu(shownOn, nullptr);
    auto items = std::move(aItems);
    aItems.clear();
    // Submenus go with their entries.
    for (const auto& item : items) {
        item->End();
        if (auto sub = item->SubMenu()) sub->End();
    }
    // The system menu belongs to the platform: it is only put back as it was.
    if (lSysMenu && shownOn)
        GetSystemMenu(shownOn, TRUE);
    else if (hMenu && !lSysMenu)
        DestroyMenu(hMenu);
    hMenu = nullptr;
    Delist(this);
    if (oAccTable) oAccTable->End();
}

void TMenu::SetOwner(TWindow* owner) { oWnd = owner ? owner->weak_from_this() : std::weak_ptr<TWindow>(); }

MsgResult TMenu::InitMenuPopup(HMENU hPopup, int, bool) {
    if (hPopup == hMenu) {
        Initiate();
        return std::nullopt;
    }
    if (!lPopup) Initiate();  // a menu bar: its own entries first
    if (auto sub = GetPopup(hPopup)) sub->Initiate();
    return std::nullopt;
}

Value TMenu::ItemById(int nId, std::string* message) {
    auto item = GetMenuItem(nId);
    if (message) *message = item ? item->cMsg : std::string();
    return item ? Value(item) : Value();
}

}  // namespace pixa::services
