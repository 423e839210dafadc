#include "framework/controls/say.h"

#include "framework/window/dialog.h"
#include "runtime/actions.h"
#include "runtime/transform.h"
#include "runtime/value_text.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

std::string TSay::Format(const Value& value, const std::string& picture) {
    return picture.empty() ? cValToChar(value) : Transform(value, picture);
}

std::shared_ptr<TSay> TSay::New(const SayNew& a) {
    auto say = std::make_shared<TSay>();
    auto parent = DefaultParent(a.oWnd);
    Action text = a.bText ? a.bText : Constant("");
    say->bGet = text;
    say->bSetGet = text;
    say->cPicture = a.cPicture;
    say->cCaption = Format(text(), a.cPicture);
    say->oFont = a.oFont;

    int width = a.nWidth.value_or(6 * static_cast<int>(say->cCaption.size()) - 4);
    int height = a.nHeight.value_or(a.oFont ? a.oFont->nHeight() : 15);
    say->nTop = a.lPixel ? a.nRow : a.nRow * 15 + 2;
    say->nLeft = a.lPixel ? a.nCol : a.nCol * 6;
    say->nBottom = say->nTop + height - 1;
    say->nRight = say->nLeft + width - 1;

    DWORD style = WS_CHILD | WS_VISIBLE;
    if (a.lDesign) style |= WS_CLIPSIBLINGS | WS_TABSTOP;
    if (a.lCentered)
        style |= SS_CENTER;
    else if (a.lRight)
        style |= SS_RIGHT;
    if (a.lBorder) style |= WS_BORDER;
    if (a.lShaded) style |= 4;
    if (a.lBox) style |= 5;
    if (a.lRaised) style |= 6;
    say->nStyle = style;
    say->l3D = a.lShaded || a.lBox || a.lRaised;
    say->nId = GetNewId();
    say->lDrag = a.lDesign;
    say->lDesign = a.lDesign;
    say->lUpdate = a.lUpdate;

    ColourArg text_colour = a.nClrText;
    std::optional<std::uint32_t> back = a.nClrBack;
    if (!text_colour.IsString()) {
        if (text_colour.IsAbsent() && parent) text_colour = ColourArg(parent->nClrText);
        if (!back) {
            // On a dialog a label keeps the platform's button face; on a plain window the window's colour.
            if (!parent || parent->ClassName() != "TWINDOW")
                back = GetSysColor(COLOR_BTNFACE);
            else
                back = parent->nClrPane;
        }
    }
    say->SetColor(text_colour, back);
    say->Attach(parent, "STATIC");
    if (say->hWnd) say->Default();
    return say;
}

void TSay::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    ShowOrTakeCaption();
}

void TSay::Default() {
    TControl::Default();
    ApplyFont();
}

void TSay::Refresh(bool lErase) {
    if (bGet) SetText(bGet());
    TControl::Refresh(lErase);
}

void TSay::SetText(const Value& xValue) { TControl::SetText(Format(xValue, cPicture)); }

void TSay::VarPut(const Value& xValue) { bGet = Constant(Format(xValue, cPicture)); }

MsgResult TSay::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    if (nMsg == WM_LBUTTONDOWN) return LButtonDown(HIWORD(lp), LOWORD(lp), wp);
    if (nMsg == WM_NCHITTEST && (lDesign || lWantClick))
        return DefWindowProcA(hWnd, nMsg, wp, lp);
    return TControl::HandleEvent(nMsg, wp, lp);
}

}  // namespace pixa::controls
