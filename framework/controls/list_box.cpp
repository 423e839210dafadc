#include "framework/controls/list_box.h"

#include <algorithm>

#include "framework/controls/control_setup.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

std::shared_ptr<TListBox> TListBox::New(const ListBoxNew& a) {
    auto list = std::make_shared<TListBox>();
    auto parent = DefaultParent(a.oWnd);
    list->aItems = a.aItems;
    list->bSetGet = a.bSetGet;
    list->oFont = a.oFont;
    list->nTop = a.lPixel ? a.nRow : a.nRow * 14;
    list->nLeft = a.lPixel ? a.nCol : a.nCol * 8;
    list->nBottom = list->nTop + a.nHeight - 1;
    list->nRight = list->nLeft + a.nWidth - 1;
    list->nStyle = kDefaultStyle | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;
    list->nId = GetNewId();
    SetFieldColors(*list, std::nullopt, std::nullopt);
    list->Attach(parent, "LISTBOX");
    if (list->hWnd) list->Default();
    return list;
}

void TListBox::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    if (hWnd) Default();
}

void TListBox::Default() {
    TControl::Default();
    ApplyFont();
    SendMessageA(hWnd, LB_RESETCONTENT, 0, 0);
    for (const auto& item : aItems) SendMessageA(hWnd, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    Value bound = bSetGet ? bSetGet() : Value();
    auto at = std::find(aItems.begin(), aItems.end(), bound.IsString() ? bound.AsString() : std::string());
    WPARAM selected = at == aItems.end() ? 0 : static_cast<WPARAM>(at - aItems.begin());
    if (!aItems.empty()) {
        SendMessageA(hWnd, LB_SETCURSEL, selected, 0);
        if (bSetGet) bSetGet.Call(aItems[selected]);
    }
}

std::string TListBox::GetSelText() const {
    LRESULT at = SendMessageA(hWnd, LB_GETCURSEL, 0, 0);
    if (at == LB_ERR || at < 0 || static_cast<std::size_t>(at) >= aItems.size()) return {};
    return aItems[static_cast<std::size_t>(at)];
}

}  // namespace pixa::controls
