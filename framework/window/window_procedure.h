#pragma once
// The framework's one window procedure and one dialog procedure, and the scoped
// creation hooks that tie a native window to its object before its first message.
#include <windows.h>

#include "framework/window/messages.h"

namespace pixa::window {

class TWindow;
class TDialog;

// The window procedure of every linked window: finds the object by handle and
// calls its HandleEvent; without an answer the replaced procedure runs.
LRESULT CALLBACK FrameworkWindowProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam);

// The dialog procedure of every dialog the framework creates: an answer ends the
// message, none lets the platform's dialog processing run.
INT_PTR CALLBACK FrameworkDialogProc(HWND hWnd, UINT nMsg, WPARAM nWParam, LPARAM nLParam);

// While alive, the window created on this thread with the object as its creation
// parameter is linked to the object at once (from a CBT hook, before WM_NCCREATE),
// so the object sees every message.
class CreationScope {
public:
    explicit CreationScope(TWindow& window);
    ~CreationScope();
    CreationScope(const CreationScope&) = delete;
    CreationScope& operator=(const CreationScope&) = delete;

private:
    TWindow* previous_;
    HHOOK hook_;
};

// While alive, the dialog is on the stack of dialogs under creation: the dialog
// procedure gives the first unknown handle it sees to the top entry (at most 50 deep).
class DialogCreationScope {
public:
    explicit DialogCreationScope(TDialog& dialog);
    ~DialogCreationScope();
    DialogCreationScope(const DialogCreationScope&) = delete;
    DialogCreationScope& operator=(const DialogCreationScope&) = delete;
    // False when the stack was full and the dialog could not be pushed.
    bool Pushed() const { return pushed_; }

private:
    bool pushed_;
};

// Calls HandleEvent, turning an escaping exception into a raised error (no answer):
// no exception may unwind through the platform's message dispatch.
MsgResult DispatchSafely(TWindow& window, UINT nMsg, WPARAM nWParam, LPARAM nLParam);

}  // namespace pixa::window
