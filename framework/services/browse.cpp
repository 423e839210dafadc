// TWBrowse: construction, binding to a work area or an array, geometry and the
// vertical thumb.
#include "framework/services/browse.h"

#include <algorithm>

#include "framework/controls/control_setup.h"
#include "runtime/actions.h"
#include "runtime/value_text.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
constexpr int kThumbPositions = 10000;
// Width given to a column whose sample value is not text (a bitmap).
constexpr int kPictureColumn = 15;
}  // namespace

std::shared_ptr<TWBrowse> TWBrowse::New(const WBrowseNew& a) {
    auto browse = std::make_shared<TWBrowse>();
    auto parent = DefaultParent(a.oWnd);
    int top = a.lPixel ? a.nRow : a.nRow * 14;
    int left = a.lPixel ? a.nCol : a.nCol * 8;
    browse->TWindow::nTop = top;
    browse->TWindow::nLeft = left;
    browse->nBottom = top + a.nHeight - 1;
    browse->nRight = left + a.nWidth - 1;
    browse->nStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL |
                     (a.lDesign ? WS_CLIPSIBLINGS : 0);
    TakeCommonArgs(*browse, a);
    browse->cMsg = a.cMsg;
    browse->bLine = a.bLine;
    browse->aHeaders = a.aHeaders;
    browse->aColSizes = a.aColSizes;
    browse->bChange = a.bChange;
    browse->bLDblClick = a.bLDblClick;
    browse->bRClicked = a.bRClicked;
    browse->bLClicked = a.bLClicked;
    browse->aActions = a.aActions;
    browse->oFont = a.oFont;
    browse->oCursor = a.oCursor;
    browse->SetColor(ColourArg(a.nClrFore.value_or(0)),
                     a.nClrBack.value_or(static_cast<std::uint32_t>(GetSysColor(COLOR_WINDOW))));
    browse->nClrBackHead = GetSysColor(COLOR_BTNFACE);
    browse->nClrForeHead = GetSysColor(COLOR_BTNTEXT);
    browse->nClrBackFocus = GetSysColor(COLOR_HIGHLIGHT);
    browse->nClrForeFocus = RGB(255, 255, 255);
    browse->cAlias = a.cAlias.value_or(CurrentWorkAreaAlias());
    browse->SetFilter(a.cField, a.uValue1, a.uValue2);
    browse->Register(CS_VREDRAW | CS_HREDRAW);
    browse->Attach(parent, "TWBROWSE");
    if (browse->hWnd) browse->Default();
    return browse;
}

void TWBrowse::SetFilter(const std::string& field, const Value& value1, const Value& value2) {
    cField = field, uValue1 = value1, uValue2 = value2;
    aArray_.reset();
    oSource_ = FindWorkArea(cAlias);
    auto source = oSource_;  // the actions share the source, never the browse
    bGoTop = Do([source] {
        if (source) source->GoTop();
    });
    bGoBottom = Do([source] {
        if (source) source->GoBottom();
    });
    bSkip = Do([source](long n) -> long { return source ? source->Skip(n) : 0L; });
    bLogicLen = Do([source]() -> long { return source ? source->RecCount() : 0L; });
    nLen = LogicLen();
    lHitTop = lHitBottom = false;
}

void TWBrowse::SetArray(const ArrayRef& aArray) {
    cAlias = "ARRAY";
    oSource_.reset();
    aArray_ = aArray;
    nAt = 1;
    std::weak_ptr<TWindow> weak = weak_from_this();
    auto at = [weak]() -> long* {
        auto self = std::static_pointer_cast<TWBrowse>(weak.lock());
        return self ? &self->nAt : nullptr;
    };
    bLogicLen = Do([aArray] { return static_cast<long>(aArray ? aArray->size() : 0); });
    bGoTop = Do([at] {
        if (long* n = at()) *n = 1;
    });
    bGoBottom = Do([at, aArray] {
        if (long* n = at()) *n = static_cast<long>(aArray->size());
    });
    bSkip = Do([at, aArray](long skip) {
        long* n = at();
        long length = static_cast<long>(aArray->size());
        if (!n || length == 0) return 0L;
        long target = std::clamp(*n + skip, 1L, length);
        long moved = target - *n;
        *n = target;
        return moved;
    });
    nLen = LogicLen();
    lHitTop = lHitBottom = false;
}

long TWBrowse::Skip(long n) { return bSkip ? static_cast<long>(bSkip.Call(n).AsInteger()) : 0; }

long TWBrowse::LogicLen() const { return bLogicLen ? static_cast<long>(bLogicLen().AsInteger()) : 0; }

bool TWBrowse::HasRecords() const { return nLen >= 1 && !(oSource_ && oSource_->Eof()); }

int TWBrowse::LineHeight() const {
    HFONT font = oFont ? oFont->hFont : nullptr;
    if (nLineHeight_ && font == hMeasured_) return nLineHeight_;
    HDC dc = ::GetDC(hWnd);
    HGDIOBJ old = SelectObject(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    SelectObject(dc, old);
    ::ReleaseDC(hWnd, dc);
    hMeasured_ = font;
    nLineHeight_ = tm.tmHeight + 1;
    return nLineHeight_;
}

int TWBrowse::nRowCount() const {
    RECT rc{};
    if (hWnd) GetClientRect(hWnd, &rc);
    return rc.bottom / LineHeight() - 1;
}

// A browse too small for one data row still pages by one row, never backwards.
int TWBrowse::PageRows() const { return std::max(1, nRowCount()); }

int TWBrowse::UsableWidth() const {
    int width = TWindow::nWidth();
    return oVScroll ? width - (GetSystemMetrics(SM_CXVSCROLL) + 5) : width;
}

std::vector<int> TWBrowse::GetColSizes() const {
    if (!bColSizes) return aColSizes;
    std::vector<int> sizes;
    if (auto array = bColSizes().AsArray())
        for (const Value& size : *array) sizes.push_back(static_cast<int>(size.AsInteger()));
    return sizes;
}

int TWBrowse::nAtCol(int x) const {
    auto sizes = GetColSizes();
    int last = static_cast<int>(std::max(aHeaders.size(), sizes.size()));
    int col = nColPos, sum = 0;
    while (col < last) {
        sum += col <= static_cast<int>(sizes.size()) ? sizes[col - 1] : kPictureColumn;
        if (sum >= x) break;
        ++col;
    }
    return col;
}

void TWBrowse::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    Default();
}

void TWBrowse::Default() {
    TControl::Default();
    ArrayRef values = bLine ? bLine().AsArray() : nullptr;
    std::size_t n = values ? values->size() : 0;
    // The framework does not know the work area's field names: missing headers stay empty.
    if (aHeaders.size() < n) aHeaders.resize(n);
    if (!bColSizes && aColSizes.size() < n) {
        HDC dc = ::GetDC(hWnd);
        HGDIOBJ old = SelectObject(dc, oFont ? static_cast<HGDIOBJ>(oFont->hFont) : GetStockObject(SYSTEM_FONT));
        SIZE letter{};
        GetTextExtentPoint32A(dc, "B", 1, &letter);
        SelectObject(dc, old);
        ::ReleaseDC(hWnd, dc);
        aColSizes.clear();
        for (std::size_t i = 0; i < n; ++i) {
            const Value& value = (*values)[i];
            std::size_t chars = std::max(aHeaders[i].size(), cValToChar(value).size()) + 1;
            aColSizes.push_back(value.IsString() ? static_cast<int>(chars) * letter.cx : kPictureColumn);
        }
    }
    if (nStyle & WS_VSCROLL) {
        oVScroll = std::make_shared<TScrollBar>(hWnd, true);
        VSetRange();
    }
    if ((nStyle & WS_HSCROLL) && Cargo.IsAbsent()) {
        oHScroll = std::make_shared<TScrollBar>(hWnd, false);
        oHScroll->SetRange(1, static_cast<int>(aHeaders.size()));
    }
    if (bChange) bChange.Call(shared_from_this());
}

// ---- the vertical thumb ----
// Thumb positions stand for record positions counted from the first visible record
// to the last one, hidden records in between included: so the thumb reaches both
// ends however many records are hidden, and a position always names a record.

void TWBrowse::MeasureExtent() {
    if (!oSource_) {
        nFirst_ = 1;
        nSpan_ = nLen;
        return;
    }
    long current = oSource_->RecNo();
    oSource_->GoTop();
    if (oSource_->Eof()) {
        nFirst_ = 1, nSpan_ = 0;
        return;
    }
    nFirst_ = oSource_->RecNo();
    oSource_->GoBottom();
    nSpan_ = oSource_->RecNo() - nFirst_ + 1;
    oSource_->GoTo(current);
}

void TWBrowse::VSetRange() {
    nLen = LogicLen();
    MeasureExtent();
    if (!oVScroll) return;
    int max = VGetMax();
    int low = max < 1 ? 0 : 1;
    if (oVScroll->nMin != low || oVScroll->nMax != max) oVScroll->SetRange(low, max);
    ThumbSync();
}

int TWBrowse::VGetMax() const { return static_cast<int>(std::min<long>(kThumbPositions, nSpan_)); }

int TWBrowse::ThumbOf(long nPos) const {
    long long thumb = nSpan_ > kThumbPositions ? static_cast<long long>(nPos) * kThumbPositions / nSpan_ : nPos;
    return static_cast<int>(std::clamp<long long>(thumb, 1, std::max(1, VGetMax())));
}

long TWBrowse::PositionOf(int nThumb) const {
    long long pos = nSpan_ > kThumbPositions ? static_cast<long long>(nThumb) * nSpan_ / kThumbPositions : nThumb;
    return static_cast<long>(std::clamp<long long>(pos, 1, std::max(1L, nSpan_)));
}

long TWBrowse::Position() const {
    if (oSource_) return oSource_->RecNo() - nFirst_ + 1;
    return aArray_ ? nAt : nVScrollPos;
}

void TWBrowse::GoToPosition(long nPos) {
    if (oSource_)
        oSource_->GoTo(nFirst_ + nPos - 1);
    else
        Skip(nPos - Position());
}

void TWBrowse::VSetPos(long nPos) {
    nVScrollPos = nPos;
    ShowThumb(ThumbOf(nPos));
}

// Redrawing a scroll bar costs more than drawing a row: only when the thumb really moves.
void TWBrowse::ShowThumb(int nThumb) {
    if (oVScroll && oVScroll->GetPos() != nThumb) oVScroll->SetPos(nThumb);
}

int TWBrowse::VGetPos() const { return oVScroll ? oVScroll->GetPos() : 0; }

void TWBrowse::VGoUp() {
    if (!oVScroll) return;
    int thumb = std::max(1, VGetPos() - oVScroll->nStep);
    nVScrollPos = PositionOf(thumb);
    ShowThumb(thumb);
}

void TWBrowse::VGoDown() {
    if (!oVScroll) return;
    int thumb = std::min(VGetMax(), VGetPos() + oVScroll->nStep);
    nVScrollPos = PositionOf(thumb);
    ShowThumb(thumb);
}

void TWBrowse::VGoTop() { VSetPos(1); }

void TWBrowse::VGoBottom() {
    nVScrollPos = nSpan_;
    ShowThumb(VGetMax());
}

void TWBrowse::ThumbSync() {
    if (lHitBottom)
        VGoBottom();
    else if (lHitTop)
        VGoTop();
    else
        VSetPos(Position());
}

}  // namespace pixa::services
