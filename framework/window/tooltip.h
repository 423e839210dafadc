#pragma once
// The framework-wide tooltip machinery: one small popup window below the pointer
// showing the cToolTip of the window under the mouse, after a delay (cold) or at
// once when a tooltip was shown recently (warm).
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/value.h"

namespace pixa::window {

class TWindow;

class ToolTips {
public:
    // Identifier of the delay timer (set on the window whose tooltip is pending).
    static constexpr UINT_PTR kTimerId = 0x7001;
    // The one tooltip state of the program.
    static ToolTips& Instance();

    // Delay before a cold tooltip shows, in milliseconds (class-wide nToolTip).
    int nToolTip = 900;

    // Called on every mouse move over a window.
    void Check(TWindow& window);
    // Shows text at a client position of the window.
    void Show(TWindow& window, int nRow, int nCol, const Value& cText);
    // The delay timer fired on a window.
    void TimerFired(TWindow& window);
    // Destroys the tooltip window (the machine state stays).
    void DestroyTipWindow();
    // Destroys the tooltip window and forgets the current window (all of it with null,
    // or only when the given window is the current one or the tip's owner).
    void Forget(HWND hWnd);
    // The pointer went over a caption or border: no tooltip, no timer, cold.
    void MakeCold();

    // The tooltip window, when one is shown.
    std::shared_ptr<TWindow> TipWindow() const { return tip_; }
    // The lines of the shown tooltip.
    const std::vector<std::string>& Lines() const { return lines_; }
    // A tooltip was shown recently.
    bool Warm() const { return warm_; }
    // The window whose tooltip is current (pending or shown).
    HWND Current() const { return current_; }
    // True while the delay timer runs.
    bool TimerPending() const { return timerOwner_ != nullptr; }

private:
    void KillPendingTimer();

    std::shared_ptr<TWindow> tip_;
    std::vector<std::string> lines_;
    HWND current_ = nullptr;
    HWND currentParent_ = nullptr;
    HWND timerOwner_ = nullptr;
    bool warm_ = false;
};

// Splits a tooltip text into lines of at most 252 characters at word boundaries,
// keeping its own line breaks, with trailing blanks removed.
std::vector<std::string> SplitToolTipText(const std::string& text, std::size_t width = 252);

}  // namespace pixa::window
