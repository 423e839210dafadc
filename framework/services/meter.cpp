#include "framework/services/meter.h"

#include <algorithm>

#include "framework/services/sys_refresh.h"
#include "framework/window/dialog.h"
#include "runtime/actions.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
// Two joined pen lines from the first point over the second to the third (the last
// point excluded, as the platform draws).
void Edge(HDC dc, HPEN pen, int x1, int y1, int x2, int y2, int x3, int y3) {
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    LineTo(dc, x3, y3);
    SelectObject(dc, old);
}

// The text at one origin, clipped to the rectangle that is filled first.
void TextIn(HDC dc, const RECT& area, POINT origin, const std::string& text, COLORREF back, COLORREF fore) {
    if (area.right <= area.left || area.bottom <= area.top) return;
    SetBkColor(dc, back);
    SetTextColor(dc, fore);
    ExtTextOutA(dc, origin.x, origin.y, ETO_CLIPPED | ETO_OPAQUE, &area, text.c_str(),
                static_cast<UINT>(text.size()), nullptr);
}
}  // namespace

std::shared_ptr<TMeter> TMeter::New(const MeterNew& a) {
    auto meter = std::make_shared<TMeter>();
    auto parent = DefaultParent(a.oWnd);
    meter->nTop = a.lPixel ? a.nRow : a.nRow * 14;
    meter->nLeft = a.lPixel ? a.nCol : a.nCol * 8;
    meter->nBottom = meter->nTop + a.nHeight;
    meter->nRight = meter->nLeft + a.nWidth;
    meter->nStyle = WS_CHILD | WS_VISIBLE | (a.lDesign ? WS_CLIPSIBLINGS | WS_TABSTOP : 0);
    meter->nId = GetNewId();
    meter->bSetGet = a.bSetGet ? a.bSetGet : Constant(1);
    meter->nTotal = a.nTotal;
    meter->oFont = a.oFont;
    meter->cText = a.cText;
    meter->lPercentage = !a.lNoPercentage;
    meter->nClrBar = a.nClrBar;
    meter->nClrBText = a.nClrBText;
    meter->lDrag = a.lDesign;
    meter->lDesign = a.lDesign;
    std::uint32_t text = a.nClrText.value_or(parent && parent->nClrText ? *parent->nClrText : 0);
    std::uint32_t pane =
        a.nClrPane.value_or(parent && parent->nClrPane ? *parent->nClrPane : GetSysColor(COLOR_BTNFACE));
    meter->SetColor(ColourArg(text), pane);
    meter->Register(CS_HREDRAW | CS_VREDRAW);
    meter->Attach(parent, "TMETER");
    if (meter->hWnd) meter->Default();
    return meter;
}

std::string TMeter::MeterText(const std::string& cText, bool lPercentage, int nPercent) {
    std::string text = cText.empty() ? std::string() : cText + " ";
    if (!lPercentage) return text;
    nPercent = std::clamp(nPercent, 0, 100);
    if (nPercent == 100) return text + "100%";
    text += ' ';
    text += nPercent >= 10 ? static_cast<char>('0' + nPercent / 10) : ' ';
    text += static_cast<char>('0' + nPercent % 10);
    return text + '%';
}

int TMeter::Percentage(double nValue, double total) {
    return static_cast<int>(total == 0 ? nValue * 100 : nValue * 100 / total);
}

void TMeter::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    if (hWnd) Default();
}

void TMeter::Default() {
    TControl::Default();
    if (bSetGet().IsAbsent()) bSetGet.Call(0);
    ApplyFont();
}

void TMeter::Set(std::optional<double> n) {
    double value = n.value_or(bSetGet().AsNumber());
    value = std::clamp(value, 0.0, std::max(nTotal, 0.0));
    bSetGet.Call(value);
    if (nTotal == 0 || value * 100 < nTotal) return;
    nRefresh = value;
    if (hWnd) {
        InvalidateRect(hWnd, nullptr, FALSE);
        UpdateWindow(hWnd);
    }
    SysRefresh();
}

void TMeter::SetTotal(double total) {
    nTotal = total;
    if (hWnd) {
        InvalidateRect(hWnd, nullptr, FALSE);
        UpdateWindow(hWnd);
    }
}

MsgResult TMeter::Display() {
    BeginPaint();
    Paint();
    EndPaint();
    return 0;
}

MsgResult TMeter::Paint() {
    if (!hWnd || !hDC) return std::nullopt;
    RECT client;
    GetClientRect(hWnd, &client);
    int percent = std::clamp(Percentage(bSetGet().AsNumber(), nTotal), 0, 100);

    auto font = GetFont();
    HGDIOBJ oldFont = font && font->hFont ? SelectObject(hDC, font->hFont) : nullptr;
    std::string text = MeterText(cText, lPercentage, percent);
    SIZE extent{};
    GetTextExtentPoint32A(hDC, text.c_str(), static_cast<int>(text.size()), &extent);
    POINT origin{(client.right - client.left) / 2 - extent.cx / 2, (client.bottom - client.top) / 2 - extent.cy / 2};

    RECT filled{client.left + 1, client.top + 1, percent * (client.right - 1) / 100, client.bottom - 1};
    TextIn(hDC, filled, origin, text, nClrBar, nClrBText);

    HPEN shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    int r = client.right - 1, b = client.bottom - 1;
    Edge(hDC, shadow, client.left, b, client.left, client.top, r, client.top);
    Edge(hDC, light, r, client.top, r, b, client.left - 1, b);
    DeleteObject(shadow);
    DeleteObject(light);

    if (percent < 100) {
        RECT rest{filled.right + 1, client.top + 1, client.right - 1, client.bottom - 1};
        TextIn(hDC, rest, origin, text, nClrPane.value_or(GetSysColor(COLOR_BTNFACE)), nClrText.value_or(0));
    }
    if (oldFont) SelectObject(hDC, oldFont);
    return std::nullopt;
}

}  // namespace pixa::services
