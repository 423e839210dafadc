#include "framework/controls/check_box.h"

#include "framework/controls/control_setup.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

std::shared_ptr<TCheckBox> TCheckBox::New(const CheckBoxNew& a) {
    auto box = std::make_shared<TCheckBox>();
    auto parent = DefaultParent(a.oWnd);
    int width = a.nWidth.value_or(7 * static_cast<int>(a.cCaption.size()));
    box->nTop = a.lPixel ? a.nRow : a.nRow * 13;
    box->nLeft = a.lPixel ? a.nCol : a.nCol * 7;
    box->nBottom = box->nTop + a.nHeight;
    box->nRight = box->nLeft + width - (a.lPixel ? 0 : 24);
    box->cCaption = a.cCaption;
    box->bSetGet = a.bSetGet ? a.bSetGet : OwnBinding(false);
    box->nStyle = WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX | WS_TABSTOP;
    if (a.lDesign) box->nStyle |= WS_CLIPSIBLINGS;
    TakeCommonArgs(*box, a);
    TakeHelpArgs(*box, a);
    box->bChange = a.bChange;
    box->oFont = a.oFont;
    box->LogicalOnly();
    SetParentColors(*box, parent, a.nClrFore, a.nClrBack);
    box->Attach(parent, "BUTTON");
    if (box->hWnd) box->Default();
    return box;
}

void TCheckBox::LogicalOnly() {
    if (!VarGet().IsLogical()) VarPut(false);
}

void TCheckBox::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    Refresh();
}

void TCheckBox::Default() {
    TControl::Default();
    ApplyFont();
    Refresh();
}

void TCheckBox::Refresh(bool lErase) {
    if (hWnd) SendMessageA(hWnd, BM_SETCHECK, VarGet().AsLogical() ? BST_CHECKED : BST_UNCHECKED, 0);
    TControl::Refresh(lErase);
}

MsgResult TCheckBox::Click() {
    auto self = shared_from_this();
    if (bSetGet) {
        VarPut(!VarGet().AsLogical());
        Refresh();
    }
    if (bChange) bChange.Call(VarGet(), self);
    return TControl::Click();
}

void TCheckBox::Reset() {
    Value current = VarGet();
    if (current.IsNumber())
        VarPut(0);
    else if (current.IsString())
        VarPut("");
    else
        VarPut(false);
    if (hWnd) SendMessageA(hWnd, 1035, 0, 0);
}

}  // namespace pixa::controls
