#include "framework/controls/radio.h"

#include "framework/controls/control_setup.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

// ---- TRadMenu ----

std::shared_ptr<TRadMenu> TRadMenu::New(const RadMenuNew& a) {
    auto menu = std::make_shared<TRadMenu>();
    menu->bSetGet = a.bSetGet;
    menu->bChange = a.bChange;
    menu->cMsg = a.cMsg;
    menu->lUpdate = a.lUpdate;
    Value bound = a.bSetGet ? a.bSetGet() : Value();
    int option = bound.IsNumber() ? static_cast<int>(bound.AsInteger()) : 0;
    if (option == 0) {
        // No selection yet: the group starts on its first item, like TRadio::Refresh.
        option = 1;
        if (a.bSetGet) a.bSetGet.Call(1);
    }
    int step = a.lPixel ? a.nHeight.value_or(13) : a.nHeight.value_or(13) / 13;
    if (step < 1 && !a.lPixel) step = 1;
    // Items without a topic of their own leave F1 to the dialog; a short list is padded with its first topic.
    int first = a.aHelpIds.empty() ? 0 : a.aHelpIds.front();
    for (std::size_t i = 0; i < a.acItems.size(); ++i) {
        int helpId = i < a.aHelpIds.size() ? a.aHelpIds[i] : first;
        auto radio = TRadio::New({.nRow = a.nRow + static_cast<int>(i) * step,
                                  .nCol = a.nCol,
                                  .cPrompt = a.acItems[i],
                                  .lGroup = i == 0,
                                  .lChecked = static_cast<int>(i) + 1 == option,
                                  .nPos = static_cast<int>(i) + 1,
                                  .oWnd = a.oWnd,
                                  .oRadMenu = menu,
                                  .nHelpId = helpId,
                                  .nClrText = a.nClrText,
                                  .nClrPane = a.nClrPane,
                                  .cMsg = a.cMsg,
                                  .lUpdate = a.lUpdate,
                                  .bWhen = a.bWhen,
                                  .nWidth = a.nWidth,
                                  .nHeight = a.nHeight,
                                  .bValid = a.bValid,
                                  .lDesign = a.lDesign,
                                  .lPixel = a.lPixel});
        menu->aItems.push_back(radio);
    }
    if (a.l3D) menu->Set3DLook();
    return menu;
}

std::shared_ptr<TRadio> TRadMenu::Item(int nPos) const {
    if (nPos < 1 || nPos > Count()) return nullptr;
    return aItems[nPos - 1].lock();
}

template <typename F>
void TRadMenu::ForEach(F f) const {
    for (const auto& weak : aItems)
        if (auto radio = weak.lock()) f(*radio);
}

Value TRadMenu::nOption() const { return bSetGet ? bSetGet() : Value(); }

void TRadMenu::nOption(int n) {
    if (bSetGet) bSetGet.Call(n);
    if (bChange) bChange();
}

int TRadMenu::Current() const {
    Value option = nOption();
    return option.IsNumber() ? static_cast<int>(option.AsInteger()) : 0;
}

void TRadMenu::SetOption(int n) {
    int current = Current();
    if (n == current || n == 0 || n > Count()) return;
    if (auto old = Item(current)) old->SetCheck(false);
    nOption(n);
    if (auto now = Item(n)) now->SetCheck(true);
}

void TRadMenu::Select(const TRadio& radio) {
    for (int i = 1; i <= Count(); ++i)
        if (Item(i).get() == &radio) SetOption(i);
}

void TRadMenu::GoNext() { SetOption(Current() >= Count() ? 1 : Current() + 1); }

void TRadMenu::GoPrev() { SetOption(Current() <= 1 ? Count() : Current() - 1); }

void TRadMenu::Refresh() {
    int bound = Current();
    for (int i = 1; i <= Count(); ++i) {
        auto radio = Item(i);
        if (!radio || !radio->lIsChecked()) continue;
        if (i != bound && bound >= 1 && bound <= Count()) {
            radio->SetCheck(false);
            if (auto chosen = Item(bound)) chosen->SetCheck(true);
            if (bChange) bChange();
        }
        return;
    }
}

void TRadMenu::Enable() { ForEach([](TRadio& r) { r.Enable(); }); }
void TRadMenu::Disable() { ForEach([](TRadio& r) { r.Disable(); }); }
void TRadMenu::Show() { ForEach([](TRadio& r) { r.Show(); }); }
void TRadMenu::Hide() { ForEach([](TRadio& r) { r.Hide(); }); }
void TRadMenu::End() { ForEach([](TRadio& r) { r.End(); }); }
void TRadMenu::Set3DLook() { ForEach([](TRadio& r) { r.l3DLook = true; }); }

// ---- TRadio ----

std::shared_ptr<TRadio> TRadio::New(const RadioNew& a) {
    auto radio = std::make_shared<TRadio>();
    auto parent = DefaultParent(a.oWnd);
    int factor = a.nHeight.value_or(13);
    radio->nTop = a.lPixel ? a.nRow : a.nRow * factor;
    radio->nLeft = (a.lPixel ? a.nCol : a.nCol * 7) + 4;
    radio->nBottom = radio->nTop + a.nHeight.value_or(12);
    radio->nRight = radio->nLeft + a.nWidth.value_or(5 * static_cast<int>(a.cPrompt.size()));
    radio->cCaption = a.cPrompt;
    radio->nStyle = WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON;
    if (a.lGroup) radio->nStyle |= WS_GROUP;
    if (a.lDesign) radio->nStyle |= WS_CLIPSIBLINGS;
    radio->lChecked = a.lChecked;
    radio->nPos = a.nPos;
    radio->oRadMenu = a.oRadMenu;
    radio->bSetGet = a.oRadMenu ? a.oRadMenu->bSetGet : Action();
    TakeCommonArgs(*radio, a);
    TakeHelpArgs(*radio, a);
    SetParentColors(*radio, parent, a.nClrText, a.nClrPane);
    radio->Attach(parent, "BUTTON");
    if (radio->hWnd) radio->Default();
    return radio;
}

void TRadio::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    SetCheck(lChecked);
}

void TRadio::Default() {
    TControl::Default();
    GetFont();
    if (lChecked) SetCheck(true);
}

void TRadio::SetCheck(bool lOnOff) {
    lChecked = lOnOff;
    if (hWnd) SendMessageA(hWnd, BM_SETCHECK, lOnOff ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool TRadio::lIsChecked() {
    if (hWnd) lChecked = SendMessageA(hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
    return lChecked;
}

void TRadio::Refresh(bool lErase) {
    Value option = VarGet();
    if (!option.IsNumber() || option.AsInteger() == 0) {
        VarPut(1);
        option = 1;
    }
    SetCheck(option.AsInteger() == nPos);
    TControl::Refresh(lErase);
}

MsgResult TRadio::Click() {
    auto self = shared_from_this();
    if (oRadMenu) {
        oRadMenu->Select(*this);
        oRadMenu->Refresh();
    }
    return TControl::Click();
}

MsgResult TRadio::KeyDown(int nKey, UINT nFlags) {
    if (!oRadMenu) return TControl::KeyDown(nKey, nFlags);
    if (nKey == VK_DOWN || nKey == VK_RIGHT)
        oRadMenu->GoNext();
    else if (nKey == VK_UP || nKey == VK_LEFT)
        oRadMenu->GoPrev();
    else
        return TControl::KeyDown(nKey, nFlags);
    Value option = oRadMenu->nOption();
    if (auto chosen = oRadMenu->Item(static_cast<int>(option.AsInteger()))) chosen->SetFocus();
    return 0;
}

MsgResult TRadio::GetDlgCode(int nKey) { return ButtonDlgCode(nKey); }

}  // namespace pixa::controls
