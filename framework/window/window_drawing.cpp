// TWindow: device contexts, text output, colours, brushes and fonts.
#include "framework/window/window.h"

#include "framework/window/brackets.h"

namespace pixa::window {

namespace {
// Character cell of a font: its height and the width of "B".
void MeasureFont(TWindow& w, HFONT font) {
    HDC dc = ::GetDC(w.hWnd);
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SIZE b{};
    GetTextExtentPoint32A(dc, "B", 1, &b);
    SelectObject(dc, old);
    ::ReleaseDC(w.hWnd, dc);
    w.nChrHeight = tm.tmHeight;
    w.nChrWidth = b.cx;
}
}  // namespace

HDC TWindow::GetDC() {
    if (nPaintCount++ == 0) {
        hDC = ::GetDC(hWnd);
        hDCOwned_ = hDC;
    }
    return hDC;
}

void TWindow::ReleaseDC() {
    if (nPaintCount == 0) return;
    if (--nPaintCount == 0) {
        if (hDCOwned_) ::ReleaseDC(hWnd, hDCOwned_);
        hDCOwned_ = nullptr;
        hDC = nullptr;
    }
}

HDC TWindow::BeginPaint() {
    hDC = ::BeginPaint(hWnd, &cPS);
    ++nPaintCount;
    return hDC;
}

PaintScope::PaintScope(TWindow& window) : window_(window) { window_.BeginPaint(); }

PaintScope::~PaintScope() { window_.EndPaint(); }

void TWindow::EndPaint() {
    if (nPaintCount > 0) --nPaintCount;
    ::EndPaint(hWnd, &cPS);
    cPS = PAINTSTRUCT{};
    hDC = hDCOwned_;  // a GetDC still open around the paint stays valid
}

void TWindow::Say(const SayArgs& a) {
    if (!hWnd) return;
    ColourPair pair{nClrText.value_or(0), nClrPane.value_or(GetSysColor(COLOR_WINDOW))};
    if (a.nClrFore.IsString()) {
        pair = a.nClrFore.Pair();
    } else {
        if (a.nClrFore.Rgb()) pair.text = *a.nClrFore.Rgb();
        if (a.nClrBack) pair.back = *a.nClrBack;
    }
    auto font = a.oFont ? a.oFont : oFont;
    int x = a.lPixel ? a.nCol : a.nCol * (nChrWidth ? nChrWidth : 8);
    int y = a.lPixel ? a.nRow : a.nRow * (nChrHeight ? nChrHeight : 16);
    HDC dc = GetDC();
    HGDIOBJ oldFont = font && font->hFont ? SelectObject(dc, font->hFont) : nullptr;
    COLORREF oldText = SetTextColor(dc, pair.text);
    COLORREF oldBack = SetBkColor(dc, pair.back);
    int oldMode = SetBkMode(dc, a.lTransparent ? TRANSPARENT : OPAQUE);
    UINT oldAlign = SetTextAlign(dc, static_cast<UINT>(a.nAlign));
    TextOutA(dc, x, y, a.cText.data(), static_cast<int>(a.cText.size()));
    SetTextAlign(dc, oldAlign);
    SetBkMode(dc, oldMode);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
    if (oldFont) SelectObject(dc, oldFont);
    ReleaseDC();
}

void TWindow::Line(int top, int left, int bottom, int right) {
    if (!hWnd) return;
    HDC dc = GetDC();
    MoveToEx(dc, left, top, nullptr);
    LineTo(dc, right, bottom);
    ReleaseDC();
}

void TWindow::Box(int top, int left, int bottom, int right) {
    if (!hWnd) return;
    HDC dc = GetDC();
    HGDIOBJ old = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, right + 1, bottom + 1);
    SelectObject(dc, old);
    ReleaseDC();
}

void TWindow::SetColor(const ColourArg& clrText, std::optional<std::uint32_t> clrPane, std::shared_ptr<TBrush> brush) {
    if (clrText.IsString()) {
        ColourPair pair = clrText.Pair();
        nClrText = pair.text;
        nClrPane = pair.back;
    } else {
        nClrText = clrText.Rgb();
        nClrPane = clrPane;
    }
    // The new brush first: a cached brush of the same colour then survives the old one's release.
    if (!brush && nClrPane) brush = TBrush::Solid(*nClrPane);
    oBrush = std::move(brush);
}

void TWindow::SetBrush(std::shared_ptr<TBrush> brush) {
    oBrush = std::move(brush);
    Refresh();
}

void TWindow::SetFont(std::shared_ptr<TFont> font) {
    oFont = std::move(font);
    if (oFont && hWnd) {
        SendMsg(WM_SETFONT, reinterpret_cast<WPARAM>(oFont->hFont), TRUE);
        MeasureFont(*this, oFont->hFont);
    }
}

void TWindow::ApplyFont() {
    if (oFont)
        SetFont(oFont);
    else
        GetFont();
}

std::shared_ptr<TFont> TWindow::GetFont() {
    auto parent = Parent();
    if (!oFont && parent && parent->oFont) {
        SetFont(parent->oFont);
        return oFont;
    }
    if (oFont) return oFont;
    HFONT native = hWnd ? reinterpret_cast<HFONT>(SendMsg(WM_GETFONT)) : nullptr;
    if (native) {
        oFont = TFont::Wrap(native);
    } else {
        // Not sent to this window: its controls take it over when they ask for a font.
        oFont = TFont::New({.cFaceName = GetSysFont(), .nHeight = -12});
    }
    if (hWnd) MeasureFont(*this, oFont->hFont);
    return oFont;
}

}  // namespace pixa::window
