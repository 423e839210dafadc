#pragma once
// Drives real windows from inside their own message loops, for tests.
//
// A GuiScript is a list of steps run from a thread timer, so the steps run inside
// whatever loop the test thread is in when the timer fires: a modal dialog's loop,
// a message box, or WinRun. A step either runs once (Do) or is retried on every tick
// until it reports success (Until). A step that does not succeed in time fails the
// test with its name, and the script then closes every window of the thread until
// the loops have returned: a test never hangs on an open dialog. A watchdog thread
// ends the process with a message if the thread stops pumping messages altogether.
//
//   GuiScript script;
//   script.Until("dialog is up", [&] { return FindDialog("Title") != nullptr; })
//         .Do("press Tab", [] { PressKey(VK_TAB); })
//         .Until("focus moved", [&] { return GetFocus() == second; })
//         .Do("close", [] { PressKey(VK_ESCAPE); });
//   script.Start();
//   dialog->Activate({});          // returns when the script has closed it
//   EXPECT_TRUE(script.Succeeded());
#include <windows.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/layers.h"

namespace pixa::test {

class GuiScript {
public:
    // stepTimeout: the longest one step may take; the watchdog allows the whole script
    // a generous multiple of it.
    explicit GuiScript(std::chrono::milliseconds stepTimeout = std::chrono::milliseconds(5000));
    ~GuiScript();
    GuiScript(const GuiScript&) = delete;
    GuiScript& operator=(const GuiScript&) = delete;

    // A step run once.
    GuiScript& Do(std::string name, std::function<void()> step);
    // A step retried on every tick until it yields true.
    GuiScript& Until(std::string name, std::function<bool()> step);
    // Starts ticking; the steps run once the thread pumps messages.
    void Start();
    // Runs the message loop of this thread until the script has ended (for tests
    // that open modeless windows only).
    void Pump();

    // Every step ran and succeeded.
    bool Succeeded() const { return done_ && failedStep_.empty(); }
    // The script has ended (all steps done, or one failed).
    bool Ended() const { return done_; }
    // The name of the step that timed out, or empty.
    const std::string& FailedStep() const { return failedStep_; }

private:
    struct Step {
        std::string name;
        std::function<bool()> run;
        bool once;
    };
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD);
    void OnTick();
    void Fail();
    void Stop();

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    std::chrono::milliseconds stepTimeout_;
    std::chrono::steady_clock::time_point stepStarted_;
    UINT_PTR timer_ = 0;
    bool done_ = false;
    bool closing_ = false;
    bool inTick_ = false;
    std::string failedStep_;
    std::atomic<bool> watchdogStop_{false};
    std::thread watchdog_;
};

// Closes every window of this thread: dialogs end with 0, other windows are destroyed.
// Yields the number of windows it found.
int CloseThreadWindows();

// ---- input: real key and mouse messages through the thread's queue ----
// Why messages and not SendInput: under Xvfb without a window manager the platform
// does not always treat the test's window as the foreground window, and SendInput
// then delivers nothing. Posted messages take the same path through the loop
// (IsDialogMessage, TranslateMessage, dispatch) as keys from the keyboard.

// Presses and releases a key at the focus window, with Shift / Ctrl held when asked
// (held in the thread's key state until the script's next tick).
void PressKey(WORD vk, bool shift = false, bool control = false);
// Types text character by character at the focus window.
void TypeText(const std::string& text);
// Presses the left button in the middle of a window; releases it at the next tick.
void Click(HWND window);
// Moves the mouse over a point of a window's client area.
void MouseOver(HWND window, POINT client);
// The middle of a window in screen coordinates.
POINT CenterOf(HWND window);

// ---- reading state back ----
// A top-level dialog of this process with this caption, or null.
HWND FindDialog(const std::string& caption);
// The native text of a window.
std::string TextOf(HWND window);
// The control with this identifier on a dialog or window.
HWND Item(HWND parent, int id);
// The window rectangle relative to the client area of another window.
RECT RectIn(HWND window, HWND relativeTo);

}  // namespace pixa::test
