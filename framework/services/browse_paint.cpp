// TWBrowse: drawing the header, the rows and the selection.
#include <algorithm>

#include "framework/services/browse.h"
#include "framework/services/browse_drawing.h"
#include "runtime/value_text.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
// A pen made for one drawing.
class OwnPen {
public:
    OwnPen(int style, COLORREF colour) : pen_(CreatePen(style, 1, colour)) {}
    ~OwnPen() { DeleteObject(pen_); }
    OwnPen(const OwnPen&) = delete;
    OwnPen& operator=(const OwnPen&) = delete;
    HPEN Get() const { return pen_; }

private:
    HPEN pen_;
};

// A rectangle outline in the current pen, edges inclusive.
void Outline(HDC dc, int left, int top, int right, int bottom, HGDIOBJ pen) {
    Selected usePen(dc, pen);
    Selected noFill(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, right + 1, bottom + 1);
}

// Fills a rectangle with a colour (an opaque empty text output: no brush needed).
void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    SetBkColor(dc, colour);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, "", 0, nullptr);
}
}  // namespace

TWBrowse::RowLook TWBrowse::DataLook() const {
    return {nClrText.value_or(0), nClrPane.value_or(static_cast<std::uint32_t>(GetSysColor(COLOR_WINDOW)))};
}

TWBrowse::RowLook TWBrowse::SelectLook() const { return {nClrForeFocus, lFocused ? nClrBackFocus : kClrNoFocus}; }

void TWBrowse::DrawRow(int nRow, const Array& values, RowLook look, bool header, int nPressed) {
    if (!hWnd) return;
    DrawingDC drawing(*this);
    HDC dc = drawing.Get();
    Selected font(dc, oFont ? oFont->hFont : nullptr);
    const int h = LineHeight(), top = nRow * h, usable = UsableWidth();
    const int count = static_cast<int>(values.size());
    auto sizes = GetColSizes();
    SetTextColor(dc, look.text);
    int x = 0;
    for (int col = nColPos; col <= count && x < usable; ++col) {
        int width = col <= static_cast<int>(sizes.size()) ? sizes[col - 1] : 15;
        int right = col == count ? usable - 1 : std::min(x + width - 1, usable - 1);
        RECT cell{x, top, right + 1, top + h};
        const Value& value = values[col - 1];
        SetBkColor(dc, look.back);
        if (value.IsNumber()) {
            Fill(dc, cell, look.back);
            pictures_.Draw(dc, reinterpret_cast<HBITMAP>(static_cast<INT_PTR>(value.AsInteger())), x + 2, top,
                           cell.right - (x + 2), h);
        } else {
            std::string text = cValToChar(value);
            bool rightAligned = !header && col <= static_cast<int>(aJustify.size()) && aJustify[col - 1];
            SetTextAlign(dc, rightAligned ? TA_RIGHT : TA_LEFT);
            ExtTextOutA(dc, rightAligned ? right - 2 : x + 2, top, ETO_CLIPPED | ETO_OPAQUE, &cell, text.data(),
                        static_cast<UINT>(text.size()), nullptr);
        }
        if (header) {
            Outline(dc, x - 1, top - 1, right + 1, top + h, GetStockObject(BLACK_PEN));
            DrawEdge(dc, &cell, col == nPressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
        } else if (nLineStyle == 1 || nLineStyle == 2) {
            Outline(dc, x - 1, top - 1, right + 1, top + h, GetStockObject(BLACK_PEN));
        } else if (nLineStyle == 3) {
            DrawEdge(dc, &cell, BDR_RAISEDINNER, BF_RECT);
        } else if (nLineStyle == 4) {
            OwnPen dotted(PS_DOT, RGB(0, 0, 0));
            Outline(dc, x, top, right, top + h - 1, dotted.Get());
        }
        x = right + 1;
    }
    SetTextAlign(dc, TA_LEFT);
}

void TWBrowse::DrawHeader(int nPressed) {
    Array headers(aHeaders.begin(), aHeaders.end());
    DrawRow(0, headers, {nClrForeHead, nClrBackHead}, true, nPressed);
}

void TWBrowse::DrawCurrent(int nRow, RowLook look) {
    ArrayRef values = bLine ? bLine().AsArray() : nullptr;
    DrawRow(nRow, values ? *values : Array{}, look, false, 0);
}

void TWBrowse::DrawLine(std::optional<int> nRow) {
    int row = nRow.value_or(nRowPos);
    if (row == 0)
        DrawHeader();
    else
        DrawCurrent(row, DataLook());
}

void TWBrowse::DrawSelect() { DrawCurrent(nRowPos, SelectLook()); }

void TWBrowse::BlankRows(int nFirst) {
    if (!hWnd) return;
    RECT rc{};
    GetClientRect(hWnd, &rc);
    // The line just below the last row carries that row's box (and the header's).
    bool boxed = nFirst == 1 || nLineStyle == 1 || nLineStyle == 2;
    rc.top = nFirst * LineHeight() + (boxed ? 1 : 0);
    if (rc.top >= rc.bottom) return;
    DrawingDC drawing(*this);
    Fill(drawing.Get(), rc, DataLook().back);
}

MsgResult TWBrowse::Display() {
    long count = LogicLen();
    if (count != nLen || (oVScroll && oVScroll->GetRange() != VGetMax()) || oSource_)
        VSetRange();  // hidden records change a table's extent without changing its count
    int columns = static_cast<int>(aHeaders.size());
    if (oHScroll && (oHScroll->nMin != 1 || oHScroll->nMax != columns)) oHScroll->SetRange(1, columns);
    struct PaintBracket {
        explicit PaintBracket(TWindow& w) : window(w) { window.BeginPaint(); }
        ~PaintBracket() { window.EndPaint(); }
        TWindow& window;
    } painting(*this);
    return Paint();
}

MsgResult TWBrowse::Paint() {
    bool atTop = false;
    if (oSource_ && nRowPos == 1 && !oSource_->Eof()) {
        // Finds out whether the first row holds the first record.
        if (Skip(-1) != 0) Skip(1);
        atTop = oSource_->Bof();
    }
    DrawHeader();
    nLen = LogicLen();
    int drawn = 0;
    if (HasRecords()) {
        // The selected record keeps its row unless too few records lie above it.
        nRowPos = 1 - Skip(-(std::max(1, std::min(nRowPos, PageRows())) - 1));
        const int rows = PageRows();
        drawn = 1;
        DrawLine(1);
        while (drawn < rows && Skip(1) == 1) DrawLine(++drawn);
        Skip(nRowPos - drawn);
        DrawSelect();
    }
    BlankRows(drawn + 1);
    if (oSource_) {
        lHitTop = atTop;
        lHitBottom = oSource_->Eof();
        ThumbSync();
    }
    return std::nullopt;
}

}  // namespace pixa::services
