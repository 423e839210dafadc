#include "app/shell/hover_label.h"

#include <algorithm>
#include <cstdlib>

#include "framework/controls/cursor.h"
#include "framework/controls/say.h"
#include "framework/window/tooltip.h"
#include "runtime/actions.h"
#include "app/shell/namespace.h"

namespace pixa::shell {

namespace {

// The state all labels share: the highlighted one, the window whose mouse-move
// action was taken over, and the action that window had before.
struct SharedState {
    std::weak_ptr<TSSay> highlighted;
    std::weak_ptr<TWindow> takenOver;
    bool anyTakenOver = false;
    Action savedMouseMove;
};

SharedState& Shared() {
    static SharedState state;
    return state;
}

// Lines of a caption: split at line ends, longer ones wrapped at blanks, trailing
// blanks removed. An empty caption has no line.
std::vector<std::string> CaptionLines(const std::string& caption) {
    if (caption.empty()) return {};
    return SplitToolTipText(caption, 252);
}

int LineWidth(HDC dc, const std::string& line) {
    SIZE size{};
    GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &size);
    return size.cx;
}

// The platform's 3-D frame: top and left in one colour, bottom and right in the other.
void Frame3D(HDC dc, RECT r, bool sunken) {
    COLORREF topLeft = GetSysColor(sunken ? COLOR_BTNSHADOW : COLOR_BTNHIGHLIGHT);
    COLORREF bottomRight = GetSysColor(sunken ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
    HPEN first = CreatePen(PS_SOLID, 1, topLeft);
    HPEN second = CreatePen(PS_SOLID, 1, bottomRight);
    HGDIOBJ old = SelectObject(dc, first);
    MoveToEx(dc, r.left, r.bottom, nullptr);
    LineTo(dc, r.left, r.top);
    LineTo(dc, r.right, r.top);
    SelectObject(dc, second);
    LineTo(dc, r.right, r.bottom);
    LineTo(dc, r.left - 1, r.bottom);
    SelectObject(dc, old);
    DeleteObject(first);
    DeleteObject(second);
}

}  // namespace

std::shared_ptr<TSSay> TSSay::Highlighted() { return Shared().highlighted.lock(); }

std::shared_ptr<TSSay> TSSay::New(const SSayNew& a) {
    auto label = std::make_shared<TSSay>();
    auto parent = DefaultParent(a.oWnd);
    Action text = a.bText ? a.bText : Constant("");
    label->l3D = a.lShaded || a.lBox || a.lRaised;
    label->nAlign = (a.lBottom ? TA_BOTTOM : 0) + (a.lCentered ? TA_CENTER : a.lRight ? TA_RIGHT : 0);
    label->bGet = text;
    label->bSetGet = text;
    label->cPicture = a.cPicture;
    label->cCaption = TSay::Format(text(), a.cPicture);

    int lineHeight = a.oFont ? std::abs(a.oFont->nHeight()) : 15;
    int charWidth = a.oFont ? std::abs(a.oFont->nWidth()) : 6;
    int width = a.nWidth.value_or(charWidth * static_cast<int>(label->cCaption.size()) - 4);
    int height = a.nHeight.value_or(lineHeight);
    label->nTop = a.lPixel ? a.nRow : a.nRow * lineHeight + 2;
    label->nLeft = a.lPixel ? a.nCol : a.nCol * charWidth;
    label->nBottom = label->nTop + height - 1;
    label->nRight = label->nLeft + width - 1;

    label->oFont = a.oFont;
    label->oCursor = a.oCursor;
    label->bAction = a.bAction;
    label->nId = GetNewId();
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (a.lDesign) style |= WS_CLIPSIBLINGS | WS_TABSTOP;
    if (a.lBorder) style |= WS_BORDER;
    label->nStyle = style;

    label->lShaded = a.lShaded, label->lBox = a.lBox, label->lRaised = a.lRaised;
    label->lOver = false;
    label->nClrOver = a.nClrOver.value_or(GetSysColor(COLOR_ACTIVECAPTION));
    label->bMOver = a.bMOver;
    label->lDrag = a.lDesign;
    label->lDesign = a.lDesign;
    label->lCaptured = false;
    label->lUpdate = a.lUpdate;
    label->lTransparent = a.lTransparent;

    // The class first: registering gives a window without colours a default background,
    // which a transparent label must not keep.
    label->Register(CS_VREDRAW | CS_HREDRAW);
    std::optional<std::uint32_t> textColour = a.nClrText;
    if (!textColour && parent) textColour = parent->nClrText;
    std::optional<std::uint32_t> back;
    if (!a.lTransparent) back = a.nClrBack ? a.nClrBack : parent ? parent->nClrPane : std::nullopt;
    label->SetColor(ColourArg(textColour), back);

    label->Attach(parent, "TSSAY");
    if (label->hWnd) {
        label->Default();
        label->l3DLook = label->l3D;
    }
    return label;
}

void TSSay::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    if (!hWnd) return;
    Default();
    l3DLook = l3D;
}

void TSSay::Default() {
    TControl::Default();
    lDrawBox = lDrawBox.value_or(false);
    if (!hWnd) return;
    ApplyFont();
    ShowOrTakeCaption();

    aCaption = CaptionLines(cCaption);
    HDC dc = ::GetDC(hWnd);
    HGDIOBJ oldFont = oFont && oFont->hFont ? SelectObject(dc, oFont->hFont) : nullptr;
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    nTxtHeight = tm.tmHeight;
    nTxtWidth = 0;
    for (const auto& line : aCaption) nTxtWidth = std::max(nTxtWidth, LineWidth(dc, line));
    if (oldFont) SelectObject(dc, oldFont);
    ::ReleaseDC(hWnd, dc);

    GetClientRect(hWnd, &aRect);
    nSTop = (nAlign & TA_BOTTOM) ? aRect.bottom : 0;
    nSLeft = (nAlign & TA_CENTER) == TA_CENTER ? aRect.right / 2 : (nAlign & TA_RIGHT) ? aRect.right : 0;
    int inset = lBox ? 2 : (lShaded || lRaised) ? 1 : 0;
    InflateRect(&aRect, -inset, -inset);

    if (lTransparent)
        SetWindowLongA(hWnd, GWL_EXSTYLE, GetWindowLongA(hWnd, GWL_EXSTYLE) | WS_EX_TRANSPARENT);
    TakeOverParentMouse();
    Invalidate();
}

void TSSay::TakeOverParentMouse() {
    auto parent = Parent();
    if (!parent) return;
    SharedState& shared = Shared();
    if (!shared.anyTakenOver && !shared.savedMouseMove && parent->bMMoved) shared.savedMouseMove = parent->bMMoved;
    shared.anyTakenOver = true;
    shared.takenOver = parent;
    parent->bMMoved = Do([](int nRow, int nCol, int nFlags) { return NcSSayOver(nRow, nCol, nFlags); });
}

// A label with its own background invalidates itself with erasing; a transparent
// one invalidates the parent's area under it, so the parent's background is drawn
// before the label draws over it.
void TSSay::Invalidate() {
    auto parent = Parent();
    if (!lTransparent || !parent || !parent->hWnd) {
        InvalidateRect(hWnd, &aRect, TRUE);
        return;
    }
    RECT inParent = aRect;
    MapWindowPoints(hWnd, parent->hWnd, reinterpret_cast<POINT*>(&inParent), 2);
    InvalidateRect(parent->hWnd, &inParent, FALSE);
    UpdateWindow(parent->hWnd);
}

// Draws the label again now, in its current state, over a fresh background.
void TSSay::Repaint() {
    if (!hWnd) return;
    auto parent = Parent();
    if (lTransparent && parent && parent->hWnd) {
        RECT inParent;
        GetWindowRect(hWnd, &inParent);
        MapWindowPoints(nullptr, parent->hWnd, reinterpret_cast<POINT*>(&inParent), 2);
        RedrawWindow(parent->hWnd, &inParent, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        return;
    }
    RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

MsgResult TSSay::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    if ((nMsg == WM_NCHITTEST && lDrag) || nMsg == WM_NCMOUSEMOVE)
        return DefWindowProcA(hWnd, nMsg, wp, lp);
    return TControl::HandleEvent(nMsg, wp, lp);
}

MsgResult TSSay::Display() {
    BeginPaint();
    Paint();
    EndPaint();
    return std::nullopt;
}

MsgResult TSSay::EraseBkGnd(HDC dc) {
    if (lTransparent) return 1;  // the parent's background stays
    return TControl::EraseBkGnd(dc);
}

MsgResult TSSay::Paint() {
    if (!hWnd) return std::nullopt;
    HDC dc = GetDC();
    HGDIOBJ oldFont = oFont && oFont->hFont ? SelectObject(dc, oFont->hFont) : nullptr;
    int oldMode = SetBkMode(dc, TRANSPARENT);
    UINT oldAlign = SetTextAlign(dc, static_cast<UINT>(nAlign));
    COLORREF oldColour = GetTextColor(dc);
    auto draw = [&](int i, int dx, COLORREF colour) {
        const std::string& line = aCaption[static_cast<std::size_t>(i)];
        SetTextColor(dc, colour);
        TextOutA(dc, nSLeft + dx, nSTop + i * nTxtHeight + dx, line.data(), static_cast<int>(line.size()));
    };
    for (int i = 0; i < static_cast<int>(aCaption.size()); ++i) {
        if (lActive) {
            draw(i, 0, lOver ? nClrOver : nClrText.value_or(0));
        } else {
            // Embossed: a highlight one pixel lower right, the shadow over it.
            draw(i, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
            draw(i, 0, GetSysColor(COLOR_BTNSHADOW));
        }
    }
    SetTextColor(dc, oldColour);
    SetTextAlign(dc, oldAlign);
    SetBkMode(dc, oldMode);
    if (oldFont) SelectObject(dc, oldFont);
    if (lActive && lDrawBox.value_or(false)) DrawBox(lOver);
    DrawFrames(dc);
    ReleaseDC();
    return std::nullopt;
}

void TSSay::DrawFrames(HDC dc) {
    int height = nBottom - nTop, width = nRight - nLeft;
    if (hWnd) {
        RECT client;
        GetClientRect(hWnd, &client);
        height = client.bottom - 1, width = client.right - 1;
    }
    if (lShaded) Frame3D(dc, {0, 0, width, height}, true);
    if (lRaised) Frame3D(dc, {0, 0, width, height}, false);
    if (lBox) {
        Frame3D(dc, {0, 0, width, height}, true);
        Frame3D(dc, {1, 1, width - 1, height - 1}, false);
    }
}

void TSSay::DrawBox(bool over) {
    if (!hWnd) return;
    auto parent = Parent();
    std::uint32_t colour = 0;
    if (parent) colour = (over ? parent->nClrText : parent->nClrPane).value_or(over ? 0 : GetSysColor(COLOR_WINDOW));
    HDC dc = GetDC();
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, aRect.left, aRect.top, nullptr);
    LineTo(dc, aRect.right - 1, aRect.top);
    LineTo(dc, aRect.right - 1, aRect.bottom - 1);
    LineTo(dc, aRect.left, aRect.bottom - 1);
    LineTo(dc, aRect.left, aRect.top);
    SelectObject(dc, old);
    DeleteObject(pen);
    ReleaseDC();
}

MsgResult TSSay::ReSize(std::optional<int> nType, std::optional<int> width, std::optional<int> height) {
    Default();
    return TControl::ReSize(nType, width, height);
}

void TSSay::Refresh(bool) {
    // Shown at once by SetText: no invalidation on top.
    if (bGet) SetText(bGet());
}

void TSSay::SetText(const Value& xValue) {
    cCaption = TSay::Format(xValue, cPicture);
    if (!hWnd) return;
    Default();
    Paint();
}

void TSSay::VarPut(const Value& xValue) {
    bGet = Constant(TSay::Format(xValue, cPicture));
}

MsgResult TSSay::MouseMove(int nRow, int nCol, UINT nFlags) {
    SetMsg(cMsg);
    CheckToolTip();
    if (Inert()) return TControl::MouseMove(nRow, nCol, nFlags);
    auto self = std::static_pointer_cast<TSSay>(shared_from_this());
    if (!lOver) {
        if (Highlighted()) NcSSayOver(nRow, nCol, nFlags);
        lOver = true;
        Shared().highlighted = self;
        Repaint();
        if (bMOver) bMOver();
    }
    SetCursor(oCursor && oCursor->CursorHandle() ? oCursor->CursorHandle() : HandCursor());
    return 0;
}

MsgResult TSSay::NcMouseMove(int nHitTest, int nRow, int nCol) {
    if (Inert()) return TControl::NcMouseMove(nHitTest, nRow, nCol);
    if (lOver) {
        lOver = false;
        Shared().highlighted.reset();
        Repaint();
        if (bNonMOver) bNonMOver();
    }
    return 0;
}

MsgResult TSSay::LButtonUp(int nRow, int nCol, UINT nFlags) {
    if (!Inert() && bAction) bAction.Call(shared_from_this());
    return TControl::LButtonUp(nRow, nCol, nFlags);
}

Value NcSSayOver(int nRow, int nCol, WPARAM nKeyFlags) {
    if (auto label = TSSay::Highlighted()) label->NcMouseMove(0, nRow, nCol);
    Action saved = Shared().savedMouseMove;
    if (saved) saved.Call(nRow, nCol, static_cast<long long>(nKeyFlags));
    return 0;
}

}  // namespace pixa::shell
