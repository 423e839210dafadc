#include "framework/window/tooltip.h"

#include <algorithm>

#include "framework/window/event_loop.h"
#include "framework/window/window.h"
#include "runtime/actions.h"
#include "runtime/value_text.h"

namespace pixa::window {

namespace {
bool HasToolTip(const TWindow& w) {
    return (w.cToolTip.IsString() && !w.cToolTip.AsString().empty()) || w.cToolTip.IsAction();
}
}  // namespace

std::vector<std::string> SplitToolTipText(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        std::string paragraph = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!paragraph.empty() && paragraph.back() == '\r') paragraph.pop_back();
        // Break the paragraph at the last blank that keeps the line within the width.
        while (paragraph.size() > width) {
            std::size_t cut = paragraph.rfind(' ', width);
            if (cut == std::string::npos || cut == 0) cut = width;
            lines.push_back(TrimRight(std::string_view(paragraph).substr(0, cut)));
            paragraph.erase(0, paragraph[cut] == ' ' ? cut + 1 : cut);
        }
        lines.push_back(TrimRight(paragraph));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

ToolTips& ToolTips::Instance() {
    static ToolTips tips;
    return tips;
}

void ToolTips::KillPendingTimer() {
    if (timerOwner_) KillTimer(timerOwner_, kTimerId);
    timerOwner_ = nullptr;
}

void ToolTips::Check(TWindow& w) {
    bool isTip = tip_ && tip_->hWnd == w.hWnd;
    if (!HasToolTip(w)) {
        if (w.hWnd != currentParent_ && !isTip) warm_ = false;
        current_ = w.hWnd;
        DestroyTipWindow();
        KillPendingTimer();
        return;
    }
    if (current_ == w.hWnd) return;
    currentParent_ = GetParent(w.hWnd);
    current_ = w.hWnd;
    DestroyTipWindow();
    KillPendingTimer();
    if (warm_) {
        w.ShowToolTip();
    } else if (SetTimer(w.hWnd, kTimerId, static_cast<UINT>(nToolTip), nullptr)) {
        timerOwner_ = w.hWnd;
    }
}

void ToolTips::TimerFired(TWindow& w) {
    KillPendingTimer();
    if (current_ == w.hWnd && w.hWnd) w.ShowToolTip();
}

void ToolTips::Show(TWindow& w, int nRow, int nCol, const Value& cText) {
    if (!w.hWnd || tip_) return;
    auto font = TFont::New({.cFaceName = GetSysFont(), .nHeight = -8});
    // The tooltip window must not become the parent of the next controls constructed.
    auto previousDefault = GetWndDefault();
    tip_ = TWindow::New({.nTop = 0, .nLeft = 0, .nBottom = 1, .nRight = 5, .nStyle = WS_BORDER, .oWnd = w.shared_from_this(),
                         .nClrFore = 0, .nClrBack = 14811135u, .lPixel = true});
    SetWndDefault(previousDefault);
    if (!tip_->hWnd) {
        tip_ = nullptr;
        return;
    }
    tip_->SetFont(font);

    POINT at{nCol, nRow};
    ClientToScreen(w.hWnd, &at);
    std::string text = cText.IsAction() ? cText.AsAction()().AsString() : cText.AsString();
    lines_ = SplitToolTipText(text);

    HDC dc = ::GetDC(tip_->hWnd);
    HGDIOBJ old = SelectObject(dc, font->hFont);
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    int lineHeight = std::max(14, static_cast<int>(tm.tmHeight) - 2);
    int width = 0;
    for (auto& line : lines_) {
        SIZE size{};
        GetTextExtentPoint32A(dc, line.data(), static_cast<int>(line.size()), &size);
        width = std::max(width, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ::ReleaseDC(tip_->hWnd, dc);
    width += 7;

    int screen = GetSystemMetrics(SM_CXSCREEN);
    if (at.x + width + 3 > screen) at.x = screen - width - 3;
    int height = lineHeight * static_cast<int>(lines_.size()) + 3;
    SetWindowPos(tip_->hWnd, HWND_TOP, at.x, at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
    tip_->CoorsUpdate();

    // Drawn on every paint, so the text survives being covered and uncovered.
    auto lines = lines_;
    tip_->bPainted = Do([lines, lineHeight, weak = std::weak_ptr<TWindow>(tip_)](HDC paintDC) {
        auto tip = weak.lock();
        if (!tip || !paintDC) return;
        HGDIOBJ previous = tip->oFont ? SelectObject(paintDC, tip->oFont->hFont) : nullptr;
        SetBkMode(paintDC, TRANSPARENT);
        SetTextColor(paintDC, 0);
        for (std::size_t i = 0; i < lines.size(); ++i)
            TextOutA(paintDC, 2, static_cast<int>(i) * lineHeight + 1, lines[i].data(),
                     static_cast<int>(lines[i].size()));
        if (previous) SelectObject(paintDC, previous);
    });
    UpdateWindow(tip_->hWnd);
    warm_ = true;
}

void ToolTips::DestroyTipWindow() {
    if (!tip_) return;
    auto tip = std::move(tip_);
    tip_ = nullptr;
    lines_.clear();
    if (tip->hWnd) DestroyWindow(tip->hWnd);
}

void ToolTips::Forget(HWND hWnd) {
    if (hWnd && tip_ && tip_->hWnd == hWnd) {  // the tip window itself went (with its owner)
        tip_ = nullptr;
        lines_.clear();
        return;
    }
    if (hWnd && hWnd != current_ && !(tip_ && tip_->hWnd && GetWindow(tip_->hWnd, GW_OWNER) == hWnd)) {
        if (hWnd == timerOwner_) KillPendingTimer();
        return;
    }
    DestroyTipWindow();
    if (hWnd == timerOwner_) KillPendingTimer();
    current_ = nullptr;
    currentParent_ = nullptr;
}

void ToolTips::MakeCold() {
    DestroyTipWindow();
    KillPendingTimer();
    current_ = nullptr;
    warm_ = false;
}

}  // namespace pixa::window
