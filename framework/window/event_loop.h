#pragma once
// Framework-wide window state and the program's one message loop.
#include <windows.h>

#include <memory>

namespace pixa::window {

class TWindow;

// Runs the message loop until the quit message; routes keys of non-modal dialogs.
void WinRun(HWND hWnd = nullptr);
// True while WinRun or a modal dialog's loop runs.
bool lWRunning();
// Sets the event-loop flag and yields its previous value.
bool SetWRunning(bool running);

// Remembers the main window's handle; ignored once one is set (until it is destroyed).
void SetWndApp(HWND hWnd);
// The main window's handle, or null.
HWND GetWndApp();
// The registered object of the main window, or null.
std::shared_ptr<TWindow> WndMain();

// Makes a window the default parent of controls constructed without one.
void SetWndDefault(const std::shared_ptr<TWindow>& window);
// The default parent, or null.
std::shared_ptr<TWindow> GetWndDefault();

// The last character the loop dispatched (WM_CHAR).
int LastKeyTyped();
// Records the last character typed (message processing outside the loop).
void SetLastKeyTyped(int nKey);

// The accelerator table the loop translates now, or null (none, or paused).
HACCEL CurrentAccelerators();
// Takes the accelerator table out of use while alive, so that loops nested in
// message processing do not translate accelerators twice.
class AcceleratorPause {
public:
    AcceleratorPause();
    ~AcceleratorPause();
    AcceleratorPause(const AcceleratorPause&) = delete;
    AcceleratorPause& operator=(const AcceleratorPause&) = delete;

private:
    bool wasPaused_;
};

}  // namespace pixa::window
