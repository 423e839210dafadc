#include "framework/controls/combo_box.h"

#include <algorithm>

#include "framework/controls/control_setup.h"
#include "framework/window/messages.h"
#include "runtime/actions.h"
#include "runtime/value_text.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

namespace {

// Items are matched upper-cased with blanks trimmed on both sides.
std::string Key(const std::string& text) {
    auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::string key = text.substr(first, text.find_last_not_of(' ') - first + 1);
    CharUpperBuffA(key.data(), static_cast<DWORD>(key.size()));
    return key;
}

bool IsEmpty(const Value& value) {
    return value.IsAbsent() || (value.IsString() && Key(value.AsString()).empty()) ||
           (value.IsNumber() && value.AsNumber() == 0);
}

}  // namespace

std::shared_ptr<TComboBox> TComboBox::New(const ComboBoxNew& a) {
    auto box = std::make_shared<TComboBox>();
    auto parent = DefaultParent(a.oWnd);
    box->nTop = a.lPixel ? a.nRow : a.nRow * 14;
    box->nLeft = a.lPixel ? a.nCol : a.nCol * 8;
    box->nBottom = box->nTop + a.nHeight - 1;
    box->nRight = box->nLeft + a.nWidth - 1;
    // The combo type is the style itself (3 drop-down list, 2 drop-down with edit field).
    DWORD style = static_cast<DWORD>(a.nStyle) | WS_TABSTOP | WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL;
    if (a.lDesign) style |= WS_CLIPSIBLINGS;
    if (!a.acBitmaps.empty()) style |= CBS_OWNERDRAWFIXED;
    box->nStyle = style;
    box->aItems = a.aItems;
    box->bChange = a.bChange;
    box->bSetGet = a.bSetGet ? a.bSetGet : Constant(Value());
    box->oFont = a.oFont;
    box->lOwnerDraw = !a.acBitmaps.empty();
    TakeCommonArgs(*box, a);
    TakeHelpArgs(*box, a);
    box->bDrawItem = a.bDrawItem;
    SetFieldColors(*box, a.nClrText, a.nClrPane);
    box->Attach(parent, "COMBOBOX");
    if (box->hWnd) box->Default();
    return box;
}

void TComboBox::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    if (!hWnd) return;
    Default();
    Refresh();
}

int TComboBox::ItemPosition(const std::string& text) const {
    std::string key = Key(text);
    for (std::size_t i = 0; i < aItems.size(); ++i)
        if (Key(aItems[i]) == key) return static_cast<int>(i) + 1;
    return 0;
}

int TComboBox::NativeSelection() const {
    LRESULT index = hWnd ? SendMessageA(hWnd, CB_GETCURSEL, 0, 0) : CB_ERR;
    return index == CB_ERR ? 0 : static_cast<int>(index) + 1;
}

std::string TComboBox::NativeText() const {
    char text[512] = "";
    if (hWnd) GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

void TComboBox::Default() {
    TControl::Default();
    Value value = bSetGet();
    bool absent = value.IsAbsent();
    if (absent) {
        value = aItems.empty() ? Value("") : Value(aItems.front());
        bSetGet.Call(value);
    }
    if (hWnd) {
        SendMessageA(hWnd, CB_RESETCONTENT, 0, 0);
        for (const auto& item : aItems) SendMessageA(hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }
    nAt = value.IsNumber() ? static_cast<int>(value.AsInteger()) : ItemPosition(value.AsString());
    if (nAt == 0) nAt = 1;
    if (absent)
        Select(nAt);
    else
        Set(value);
}

void TComboBox::DropOutsideText() {
    if (!hWnd) return;
    while (SendMessageA(hWnd, CB_GETCOUNT, 0, 0) > static_cast<LRESULT>(aItems.size()))
        SendMessageA(hWnd, CB_DELETESTRING, aItems.size(), 0);
}

void TComboBox::Select(int n) {
    nAt = n;
    DropOutsideText();
    if (hWnd) SendMessageA(hWnd, CB_SETCURSEL, n - 1, 0);
}

void TComboBox::ShowText(const std::string& text) {
    if (!hWnd) return;
    // A drop-down list shows only its items' texts: the outside text becomes an
    // extra native entry after the items, selected, and not one of aItems.
    DropOutsideText();
    if (Key(text).empty()) {
        SendMessageA(hWnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
        return;
    }
    LRESULT index = SendMessageA(hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageA(hWnd, CB_SETCURSEL, index, 0);
}

void TComboBox::Set(const Value& xValue) {
    if (xValue.IsNumber()) {
        Select(std::max<int>(1, static_cast<int>(xValue.AsInteger())));
        return;
    }
    std::string text = xValue.IsString() ? xValue.AsString() : cValToChar(xValue);
    if (int at = ItemPosition(text)) {
        Select(at);
        return;
    }
    // Not one of the items: kept as the value and shown as it is.
    nAt = 0;
    bSetGet.Call(xValue);
    ShowText(text);
}

MsgResult TComboBox::Change() {
    int at = NativeSelection();
    Value bound = bSetGet();
    if (at == nAt && !IsEmpty(bound)) return std::nullopt;
    // The text shown before the user's pick: the bound item (or the bound text itself).
    int was = bound.IsNumber() ? static_cast<int>(bound.AsInteger()) : 0;
    Value before = was >= 1 && was <= static_cast<int>(aItems.size()) ? Value(aItems[was - 1])
                   : bound.IsString()                                  ? bound
                                                                       : Value(cValToChar(bound));
    nAt = at;
    if (nAt >= 1 && nAt <= static_cast<int>(aItems.size()))
        bSetGet.Call(bound.IsNumber() ? Value(nAt) : Value(aItems[nAt - 1]));
    if (bChange) bChange.Call(shared_from_this(), before);
    return std::nullopt;
}

void TComboBox::StoreSelection() {
    int at = NativeSelection();
    Value bound = bSetGet();
    if (at >= 1 && at <= static_cast<int>(aItems.size())) {
        nAt = at;
        bSetGet.Call(bound.IsNumber() ? Value(nAt) : Value(aItems[nAt - 1]));
    } else if (!bound.IsNumber()) {
        bSetGet.Call(NativeText());
    }
}

MsgResult TComboBox::LostFocus(HWND hWndNew) {
    MsgResult result = TControl::LostFocus(hWndNew);
    StoreSelection();
    return result;
}

Value TComboBox::VarGet() {
    int at = NativeSelection();
    if (at >= 1 && at <= static_cast<int>(aItems.size())) {
        nAt = at;
        return aItems[at - 1];
    }
    return hWnd ? Value(NativeText()) : bSetGet();
}

void TComboBox::Refresh(bool lErase) {
    Set(bSetGet());
    TControl::Refresh(lErase);
}

void TComboBox::Reset() {
    Value bound = bSetGet();
    bSetGet.Call(bound.IsNumber() ? Value(0) : Value(""));
    nAt = 0;
    if (hWnd) SendMessageA(hWnd, CB_RESETCONTENT, 0, 0);
    Change();
}

void TComboBox::SetItems(const std::vector<std::string>& items) {
    Reset();
    aItems = items;
    Default();
}

void TComboBox::Add(const std::string& cItem, int nPos) {
    if (nPos < 1 || nPos > static_cast<int>(aItems.size())) {
        DropOutsideText();
        aItems.push_back(cItem);
        if (hWnd) SendMessageA(hWnd, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(cItem.c_str()));
        return;
    }
    Insert(cItem, nPos);
}

void TComboBox::Insert(const std::string& cItem, int nPos) {
    if (nPos < 1) nPos = std::max(nAt, 1);
    nPos = std::min<int>(nPos, static_cast<int>(aItems.size()) + 1);
    aItems.insert(aItems.begin() + (nPos - 1), cItem);
    if (hWnd) SendMessageA(hWnd, CB_INSERTSTRING, nPos - 1, reinterpret_cast<LPARAM>(cItem.c_str()));
    if (nAt >= nPos) ++nAt;
}

void TComboBox::Modify(const std::string& cItem, int nPos) {
    if (nPos < 1) nPos = nAt;
    if (nPos < 1 || nPos > static_cast<int>(aItems.size())) return;
    aItems[nPos - 1] = cItem;
    if (!hWnd) return;
    int selected = NativeSelection();
    SendMessageA(hWnd, CB_DELETESTRING, nPos - 1, 0);
    SendMessageA(hWnd, CB_INSERTSTRING, nPos - 1, reinterpret_cast<LPARAM>(cItem.c_str()));
    if (selected) SendMessageA(hWnd, CB_SETCURSEL, selected - 1, 0);
}

void TComboBox::Del(int nPos) {
    if (nPos < 1) nPos = nAt;
    if (nPos < 1 || nPos > static_cast<int>(aItems.size())) return;
    aItems.erase(aItems.begin() + (nPos - 1));
    if (hWnd) SendMessageA(hWnd, CB_DELETESTRING, nPos - 1, 0);
    if (nAt == nPos)
        nAt = 0;
    else if (nAt > nPos)
        --nAt;
}

int TComboBox::Find(const std::string& cText) const {
    if (!hWnd) return ItemPosition(cText);
    LRESULT index = SendMessageA(hWnd, CB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(cText.c_str()));
    return index == CB_ERR ? 0 : static_cast<int>(index) + 1;
}

void TComboBox::Open() {
    if (hWnd) SendMessageA(hWnd, CB_SHOWDROPDOWN, TRUE, 0);
}

MsgResult TComboBox::CloseUp() {
    if (bCloseUp) bCloseUp.Call(shared_from_this());
    return std::nullopt;
}

MsgResult TComboBox::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    if (nMsg == XM_CLOSEUP) return CloseUp();
    return TControl::HandleEvent(nMsg, wp, lp);
}

}  // namespace pixa::controls
