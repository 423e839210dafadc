#include "framework/services/menu_item.h"

#include <set>

#include "framework/services/help.h"
#include "framework/services/menu.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
constexpr int kFirstId = 20001;
constexpr int kLastId = 65535;  // command ids travel in 16 bits

std::set<int>& IdsInUse() {
    static std::set<int> ids;
    return ids;
}

bool Taken(int id) {
    return IdsInUse().count(id) || IsMenu(reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)));
}

HBITMAP LoadItemBitmap(const std::string& file, const std::string& resource) {
    HBITMAP bitmap = nullptr;
    if (!file.empty() && GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES)
        bitmap = static_cast<HBITMAP>(LoadImageA(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    if (!bitmap && !resource.empty()) bitmap = LoadBitmapA(GetModuleHandleA(nullptr), resource.c_str());
    return bitmap;
}
}  // namespace

int& TMenuItem::nInitId() {
    static int last = kFirstId - 1;
    return last;
}

int TMenuItem::NextId() {
    int id = nInitId();
    // At most one full round: with every id taken the last one is reused.
    for (int tries = 0; tries <= kLastId - kFirstId; ++tries) {
        id = id >= kLastId || id < kFirstId - 1 ? kFirstId : id + 1;
        if (!Taken(id)) break;
    }
    return nInitId() = id;
}

std::shared_ptr<TMenuItem> TMenuItem::New(const MenuItemNew& a) {
    auto item = std::make_shared<TMenuItem>();
    item->cPrompt = a.cPrompt;
    item->cMsg = a.cMsg;
    item->lChecked = a.lChecked;
    item->lActive = a.lActive;
    item->bAction = a.bAction;
    item->nVKState = a.nVKState;
    item->nVirtKey = a.nVirtKey;
    item->lHelp = a.lHelp;
    item->nHelpId = a.nHelpId;
    item->bWhen = a.bWhen;
    item->lBreak = a.lBreak;
    item->nId = NextId();
    IdsInUse().insert(item->nId);
    item->hBitmap = LoadItemBitmap(a.cBmpFile, a.cResName);
    return item;
}

TMenuItem::~TMenuItem() {
    End();
    IdsInUse().erase(nId);
}

std::shared_ptr<TMenu> TMenuItem::SubMenu() const {
    return bAction.IsObject() ? std::dynamic_pointer_cast<TMenu>(bAction.AsObject()) : nullptr;
}

namespace {
// The entry's position in its menu, or -1.
int PositionIn(const TMenu& menu, const TMenuItem* item) {
    for (std::size_t i = 0; i < menu.aItems.size(); ++i)
        if (menu.aItems[i].get() == item) return static_cast<int>(i);
    return -1;
}

// Changes the platform entry: by command id, or by position for an entry that opens a submenu.
template <typename Change>
void ChangeEntry(const TMenuItem& item, Change change) {
    auto menu = item.oMenu.lock();
    if (!menu || !menu->hMenu) return;
    if (item.SubMenu()) {
        int position = PositionIn(*menu, &item);
        if (position >= 0) change(menu->hMenu, static_cast<UINT>(position), MF_BYPOSITION);
    } else {
        change(menu->hMenu, static_cast<UINT>(item.nId), MF_BYCOMMAND);
    }
}
}  // namespace

void TMenuItem::SetPrompt(const std::string& text) {
    cPrompt = text;
    ChangeEntry(*this, [&](HMENU h, UINT which, UINT by) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(text.c_str());
        SetMenuItemInfoA(h, which, by == MF_BYPOSITION, &info);
    });
}

void TMenuItem::SetCheck(bool lOnOff) {
    lChecked = lOnOff;
    ChangeEntry(*this, [&](HMENU h, UINT which, UINT by) {
        CheckMenuItem(h, which, by | (lOnOff ? MF_CHECKED : MF_UNCHECKED));
    });
}

void TMenuItem::SetEnabled(bool enabled) {
    lActive = enabled;
    ChangeEntry(*this, [&](HMENU h, UINT which, UINT by) {
        EnableMenuItem(h, which, by | (enabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
    });
}

void TMenuItem::Enable() { SetEnabled(true); }

void TMenuItem::Disable() { SetEnabled(false); }

void TMenuItem::HelpTopic() {
    if (nHelpId) {
        services::HelpTopic(nHelpId);
    } else if (auto menu = oMenu.lock()) {
        menu->HelpTopic();
    } else {
        HelpIndex();
    }
}

void TMenuItem::End() {
    if (hBitmap) DeleteObject(hBitmap);
    hBitmap = nullptr;
}

}  // namespace pixa::services
