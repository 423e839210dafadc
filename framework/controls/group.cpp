#include "framework/controls/group.h"

#include "framework/window/brush.h"
#include "framework/controls/control_setup.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

std::shared_ptr<TGroup> TGroup::New(const GroupNew& a) {
    auto group = std::make_shared<TGroup>();
    auto parent = DefaultParent(a.oWnd);
    group->nTop = a.lPixel ? a.nTop : a.nTop * 14;
    group->nLeft = a.lPixel ? a.nLeft : a.nLeft * 7;
    group->nBottom = a.lPixel ? a.nBottom : a.nBottom * 14;
    group->nRight = a.lPixel ? a.nRight : a.nRight * 7;
    group->cCaption = a.cLabel;
    group->nStyle = WS_CHILD | WS_VISIBLE | BS_GROUPBOX;
    if (a.lDesign) group->nStyle |= WS_TABSTOP | WS_CLIPSIBLINGS;
    group->nId = GetNewId();
    group->lDrag = a.lDesign;
    group->lDesign = a.lDesign;
    group->oFont = a.oFont;
    SetParentColors(*group, parent, a.nClrFore, a.nClrBack, TBrush::New({.cStyle = "NULL"}));
    group->Attach(parent, "BUTTON");
    return group;
}

void TGroup::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    ShowOrTakeCaption();
}

MsgResult TGroup::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    if (nMsg == WM_NCHITTEST && lDesign) return DefWindowProcA(hWnd, nMsg, wp, lp);
    return TControl::HandleEvent(nMsg, wp, lp);
}

}  // namespace pixa::controls
