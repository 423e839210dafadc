#pragma once
// Keys and clicks for tests, as the messages the keyboard and the mouse produce.
//
// Why messages and not SendInput: under Xvfb without a window manager the platform
// does not always treat the test's window as the foreground window, and SendInput
// then delivers nothing. Posted messages take the same path through the loop
// (IsDialogMessage, TranslateMessage, dispatch) as keys from the keyboard.
//
// Two kinds: posted input waits for the loop that runs next (a GuiScript step inside
// a modal dialog, or another process's loop); pumped input is processed at once by
// Pump, for tests whose windows are modeless.
#include <windows.h>

#include <string>

namespace pixa::test {

// ---- posted: handled by the next loop ----

// Presses and releases a key at the focus window, with Shift / Ctrl held when asked
// (held in the thread's key state until the script's next tick).
void PressKey(WORD vk, bool shift = false, bool control = false);
// Types text character by character at the focus window.
void TypeText(const std::string& text);
// Presses the left button in the middle of a window; releases it at the next tick.
void Click(HWND window);
// Moves the mouse over a point of a window's client area.
void MouseOver(HWND window, POINT client);
// Clicks (twice when asked) at a client point of a window, releasing at once.
void ClickAt(HWND window, int x, int y, bool doubleClick = false);
// Right-clicks at a client point of a window.
void RightClickAt(HWND window, int x, int y);
// Presses a button by posting its click (works across processes).
void Press(HWND button);
// Closes a message box with its button id (IDOK, IDYES, IDNO).
void Answer(HWND box, int id);
// Lets go of the modifiers PressKey held and releases the buttons Click pressed
// (a script does this at each tick, after the loop has seen the press).
void ReleaseHeldInput();

// ---- pumped: processed before the call returns ----

// Processes every pending message (keys of modeless dialogs through the dialog manager).
void Pump();
// Presses and releases a key on the window that has the focus (Shift / Ctrl held
// while the key goes down), processing what follows.
void Press(WORD key, bool shift = false, bool control = false);
// Types characters into the window that has the focus, processing each.
void Type(const std::string& text);
// Presses Alt together with a letter (a hot key).
void PressAlt(char letter);
// Clicks a button the way the mouse does and processes the result.
void ClickButton(HWND hWnd);

}  // namespace pixa::test
