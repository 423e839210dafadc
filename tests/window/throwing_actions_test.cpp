// An action that throws must not leave a bracket open: after the error the window
// paints, validates and has every control bound as before.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/window/dialog.h"
#include "framework/window/window_registry.h"
#include "tests/support/error_recorder.h"
#include "tests/support/gui_driver.h"
#include "tests/window/plain_control.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::ErrorRecorder;
using test::GuiScript;
using test::PlainControl;

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

std::shared_ptr<TDialog> PixelDialog(const std::string& caption) {
    return TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 300, .nRight = 400, .cCaption = caption,
                         .lPixel = true});
}

TEST(ThrowingActions, PaintingEndsAndTheWindowPaintsAgain) {
    ErrorRecorder errors;
    auto w = TWindow::New({.nTop = 40, .nLeft = 40, .nBottom = 240, .nRight = 340, .cTitle = "Malen", .lPixel = true});
    int paints = 0;
    w->bPainted = Action([&paints](const Args&) -> Value {
        if (++paints == 1) throw std::runtime_error("Farbe fehlt");
        return Value();
    });
    ShowWindow(w->hWnd, SW_SHOWNA);
    UpdateWindow(w->hWnd);
    ASSERT_EQ(paints, 1);
    EXPECT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(w->nPaintCount, 0) << "the paint count went back";
    EXPECT_EQ(w->hDC, nullptr) << "no stale paint device context";
    InvalidateRect(w->hWnd, nullptr, TRUE);
    UpdateWindow(w->hWnd);
    EXPECT_EQ(paints, 2);
    EXPECT_EQ(w->nPaintCount, 0);
    DestroyWindow(w->hWnd);
}

TEST(ThrowingActions, AThrowingValidationLeavesValidationOn) {
    ErrorRecorder errors;
    auto dialog = PixelDialog("Pruefen");
    auto field = PlainControl::New(dialog, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    auto other = PlainControl::New(dialog, "EDIT", "", 30, 10, 12, 80, kEditStyle);
    int validations = 0;
    field->bValid = Action([&validations](const Args&) -> Value {
        if (++validations == 1) throw std::runtime_error("Pruefung kaputt");
        return Value(false);
    });
    bool validatingAfterThrow = true;
    GuiScript script;
    script.Until("focus in the field", [&] { return field->hWnd && GetFocus() == field->hWnd; })
        .Do("leave", [&] { SetFocus(other->hWnd); })
        .Until("validation threw", [&] { return validations == 1; })
        .Do("look", [&] { validatingAfterThrow = dialog->lValidating; })
        .Do("back to the field", [&] { SetFocus(field->hWnd); })
        .Do("leave again", [&] { SetFocus(other->hWnd); })
        .Until("validated again", [&] { return validations == 2; })
        .Until("focus kept by the failed validation", [&] { return GetFocus() == field->hWnd; })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_FALSE(validatingAfterThrow);
    EXPECT_EQ(errors.errors.size(), 1u);
}

TEST(ThrowingActions, EveryControlIsBoundWhenOneBindingThrows) {
    struct FailingBinding : PlainControl {
        void Initiate(HWND hDlg) override {
            PlainControl::Initiate(hDlg);
            throw std::runtime_error("Bindung kaputt");
        }
    };
    ErrorRecorder errors;
    auto dialog = PixelDialog("Binden");
    auto failing = std::make_shared<FailingBinding>();
    failing->nTop = 10, failing->nLeft = 10, failing->nBottom = 22, failing->nRight = 90;
    failing->Attach(dialog, "EDIT");
    auto after = PlainControl::New(dialog, "EDIT", "", 30, 10, 12, 80, kEditStyle);
    bool afterBound = false;
    GuiScript script;
    script.Until("dialog is up", [&] { return dialog->hWnd && IsWindowVisible(dialog->hWnd); })
        .Do("look", [&] { afterBound = after->hWnd && oWndFromHwnd(after->hWnd) == after; })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(afterBound) << "the control after the failing one has its window";
    ASSERT_EQ(errors.errors.size(), 1u);
    EXPECT_EQ(errors.errors[0].Description, "Bindung kaputt");
}

}  // namespace
}  // namespace pixa
