#pragma once
// Helpers for tests with real controls: a non-modal dialog on the screen, a
// message pump that routes keys like the program's loop, and key presses posted
// the way the keyboard delivers them.
#include <windows.h>

#include <memory>
#include <string>

#include "framework/window/dialog.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa::test {

// A non-modal test dialog in pixel coordinates; closed when the object goes away.
class TestDialog {
public:
    explicit TestDialog(int width = 480, int height = 320, std::shared_ptr<TFont> font = {});
    ~TestDialog();
    TestDialog(const TestDialog&) = delete;
    TestDialog& operator=(const TestDialog&) = delete;

    // The dialog object; controls built with it as parent become template items.
    const std::shared_ptr<TDialog>& operator->() const { return dialog_; }
    const std::shared_ptr<TDialog>& get() const { return dialog_; }
    // Creates and shows the dialog with its controls.
    void Show(Action bInit = {});

private:
    std::shared_ptr<TDialog> dialog_;
};

// Processes every pending message (keys of non-modal dialogs through the dialog manager).
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
