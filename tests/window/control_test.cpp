#include "framework/window/control.h"

#include <gtest/gtest.h>

#include "framework/window/dialog.h"
#include "framework/window/hot_keys.h"
#include "framework/window/messages.h"
#include "tests/support/gui_driver.h"
#include "tests/window/plain_control.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::GuiScript;
using test::PlainControl;

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

std::shared_ptr<TWindow> PixelWindow() {
    return TWindow::New({.nTop = 50, .nLeft = 50, .nBottom = 300, .nRight = 400, .cTitle = "Steuer", .lPixel = true});
}

std::shared_ptr<TDialog> PixelDialog(const std::string& caption) {
    return TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 300, .nRight = 400, .cCaption = caption,
                         .lPixel = true});
}

TEST(ControlColours, WithoutColoursTheDeviceContextsOwnAreKept) {
    auto window = PixelWindow();
    auto label = PlainControl::New(window, "STATIC", "Text", 10, 10, 20, 100, WS_CHILD | WS_VISIBLE);
    HDC dc = GetDC(label->hWnd);
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(200, 100, 50));
    // The parent asks the child (XM_COLOR) when the platform asks the parent.
    LRESULT brush = SendMessageA(window->hWnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                 reinterpret_cast<LPARAM>(label->hWnd));
    EXPECT_EQ(label->nClrText, RGB(1, 2, 3));
    EXPECT_EQ(label->nClrPane, RGB(200, 100, 50));
    ASSERT_TRUE(label->oBrush);
    EXPECT_EQ(label->oBrush->nRGBColor, RGB(200, 100, 50));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), label->oBrush->hBrush);
    // Own colours are put into the device context.
    label->SetColor("W+/B");
    SendMessageA(label->hWnd, XM_COLOR, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(GetTextColor(dc), RGB(255, 255, 255));
    EXPECT_EQ(GetBkColor(dc), RGB(0, 0, 128));
    ReleaseDC(label->hWnd, dc);
    DestroyWindow(window->hWnd);
}

TEST(ControlLifecycle, EndRemovesTheControlFromItsParent) {
    auto window = PixelWindow();
    auto a = PlainControl::New(window, "BUTTON", "a", 10, 10, 20, 60);
    auto b = PlainControl::New(window, "BUTTON", "b", 40, 10, 20, 60);
    window->oCtlFocus = a;
    EXPECT_TRUE(a->End());
    ASSERT_EQ(window->aControls.size(), 1u);
    EXPECT_EQ(window->aControls[0], b);
    EXPECT_TRUE(window->oCtlFocus.expired());
    DestroyWindow(window->hWnd);
}

TEST(ControlEnabling, WhenConditionsAreEvaluatedOnClick) {
    auto window = PixelWindow();
    bool allowed = false;
    auto trigger = PlainControl::New(window, "BUTTON", "an", 10, 10, 20, 60);
    auto dependent = PlainControl::New(window, "BUTTON", "abh", 40, 10, 20, 60);
    dependent->bWhen = Action([&](const Args&) { return Value(allowed); });
    window->AEvalWhen();
    EXPECT_FALSE(IsWindowEnabled(dependent->hWnd));
    allowed = true;
    SendMessageA(trigger->hWnd, XM_CLICK, 0, 0);  // Click() re-evaluates the siblings
    EXPECT_TRUE(IsWindowEnabled(dependent->hWnd));
    EXPECT_TRUE(dependent->lActive);
    DestroyWindow(window->hWnd);
}

TEST(ControlNavigation, FirstAndLastActiveControls) {
    auto window = PixelWindow();
    auto label = PlainControl::New(window, "STATIC", "Text", 5, 5, 15, 60, WS_CHILD | WS_VISIBLE);
    auto off = PlainControl::New(window, "EDIT", "", 25, 5, 20, 60, kEditStyle);
    auto radioA = PlainControl::New(window, "BUTTON", "a", 50, 5, 20, 60,
                                    WS_CHILD | WS_VISIBLE | WS_GROUP | BS_AUTORADIOBUTTON);
    auto radioB = PlainControl::New(window, "BUTTON", "b", 75, 5, 20, 60, WS_CHILD | WS_VISIBLE | BS_AUTORADIOBUTTON);
    auto edit = PlainControl::New(window, "EDIT", "", 100, 5, 20, 60, kEditStyle);
    off->Disable();
    SendMessageA(radioB->hWnd, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(window->FirstActiveCtrl(), radioB);  // the checked member of the radio group
    EXPECT_EQ(window->LastActiveCtrl(), edit);
    edit->Disable();
    SendMessageA(radioB->hWnd, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(window->FirstActiveCtrl(), label);  // none qualifies: the first control
    DestroyWindow(window->hWnd);
}

TEST(WindowDrawing, SayUsesTheColourStringsPair) {
    auto window = PixelWindow();
    ShowWindow(window->hWnd, SW_SHOWNOACTIVATE);
    UpdateWindow(window->hWnd);
    window->Say({.nRow = 10, .nCol = 10, .cText = "MMMM", .nClrFore = "W+/R*", .lPixel = true});
    HDC dc = GetDC(window->hWnd);
    // The text cell's top-left pixel is background: bright red.
    EXPECT_EQ(GetPixel(dc, 10, 10), RGB(255, 0, 0));
    int white = 0;
    for (int x = 10; x < 40; ++x)
        for (int y = 10; y < 20; ++y) white += GetPixel(dc, x, y) == RGB(255, 255, 255);
    EXPECT_GT(white, 0);  // and the letters are bright white
    ReleaseDC(window->hWnd, dc);
    EXPECT_EQ(window->nPaintCount, 0);
    DestroyWindow(window->hWnd);
}

TEST(ControlKeys, KeyTableActionRunsBeforeTheWindowsOwn) {
    auto window = PixelWindow();
    int tableCalls = 0, ownCalls = 0;
    window->bKeyDown = Action([&](const Args&) {
        ++ownCalls;
        return Value();
    });
    SetKey(VK_F5, Action([&](const Args& a) {
        ++tableCalls;
        EXPECT_EQ(Arg(a, 2).AsObject(), std::static_pointer_cast<Object>(window));
        return Value();
    }));
    SendMessageA(window->hWnd, WM_KEYDOWN, VK_F5, 0);
    SendMessageA(window->hWnd, WM_KEYDOWN, VK_F6, 0);
    SetKey(VK_F5);
    SendMessageA(window->hWnd, WM_KEYDOWN, VK_F5, 0);
    EXPECT_EQ(tableCalls, 1);
    EXPECT_EQ(ownCalls, 2);
    DestroyWindow(window->hWnd);
}

TEST(DialogHotKeys, LabelLeadsToItsControlAndAltLetterClicks) {
    auto dialog = PixelDialog("Heiss");
    PlainControl::New(dialog, "STATIC", "&Name:", 10, 10, 8, 30, WS_CHILD | WS_VISIBLE);
    auto name = PlainControl::New(dialog, "EDIT", "", 10, 45, 10, 60, kEditStyle);
    auto ok = PlainControl::New(dialog, "BUTTON", "&OK", 30, 10, 12, 40);
    auto gone = PlainControl::New(dialog, "BUTTON", "&Weg", 30, 60, 12, 40);
    gone->lActive = false;
    HWND byLabel = nullptr, byButton = nullptr, disabled = nullptr, excepted = nullptr;
    HWND nameWindow = nullptr, okWindow = nullptr;
    GuiScript script;
    script.Until("dialog is up", [&] { return dialog->hWnd && IsWindowVisible(dialog->hWnd); })
        .Do("look up", [&] {
            nameWindow = name->hWnd, okWindow = ok->hWnd;
            byLabel = dialog->GetHotPos('n', nullptr);
            byButton = dialog->GetHotPos('O', nullptr);
            disabled = dialog->GetHotPos('W', nullptr);
            excepted = dialog->GetHotPos('o', ok->hWnd);
        })
        .Do("Alt+O in the field", [&] { PostMessageA(name->hWnd, WM_SYSCOMMAND, SC_KEYMENU, 'o'); })
        .Until("OK clicked", [&] { return ok->clicks == 1; })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_EQ(byLabel, nameWindow);
    EXPECT_EQ(byButton, okWindow);
    EXPECT_EQ(disabled, nullptr);
    EXPECT_EQ(excepted, nullptr);
}

TEST(DialogKeys, EnterPressesTheDefaultButton) {
    auto dialog = PixelDialog("Vorgabe");
    auto field = PlainControl::New(dialog, "EDIT", "", 10, 10, 10, 60, kEditStyle);
    auto next = PlainControl::New(dialog, "EDIT", "", 25, 10, 10, 60, kEditStyle);
    auto start = PlainControl::New(dialog, "BUTTON", "&Start", 45, 10, 12, 50,
                                   WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON);
    GuiScript script;
    script.Until("focus in the field", [&] { return field->hWnd && GetFocus() == field->hWnd; })
        .Do("press Enter", [] { test::PressKey(VK_RETURN); })
        .Until("default button pressed", [&] { return start->clicks == 1; })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_FALSE(next->lFocused);
    EXPECT_EQ(dialog->nResult, Value(2));
}

TEST(DialogPainting, StartRunsOnceAfterTheFirstPaint) {
    auto dialog = PixelDialog("Start");
    int starts = 0, paints = 0;
    dialog->bStart = Action([&](const Args&) {
        ++starts;
        return Value();
    });
    GuiScript script;
    script.Until("first paint done", [&] { return starts == 1; })
        .Do("paint again", [&] { RedrawWindow(dialog->hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({.bPainted = Action([&](const Args&) {
        ++paints;
        return Value();
    })});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_EQ(starts, 1);
    EXPECT_GE(paints, 2);
    EXPECT_FALSE(dialog->bStart);
}

TEST(DialogNesting, DialogOpenedFromADialogIsOwnedByIt) {
    auto outer = PixelDialog("Aussen");
    auto inner = TDialog::New({.nTop = 150, .nLeft = 150, .nBottom = 250, .nRight = 350, .cCaption = "Innen",
                               .lPixel = true});
    HWND innerOwner = nullptr, outerWindow = nullptr;
    int depthInside = 0;
    GuiScript script;
    script.Until("outer is up", [&] { return outer->hWnd && IsWindowVisible(outer->hWnd); })
        .Do("open inner", [&] { inner->Activate({}); })  // a nested modal loop: the script goes on inside it
        .Until("inner is up", [&] { return inner->hWnd && IsWindowVisible(inner->hWnd); })
        .Do("look", [&] {
            innerOwner = GetWindow(inner->hWnd, GW_OWNER);
            outerWindow = outer->hWnd;
            depthInside = TDialog::ActivationDepth();
        })
        .Do("close inner", [&] { inner->End(); })
        .Until("inner closed", [&] { return !inner->hWnd; })
        .Do("close outer", [&] { outer->End(); });
    script.Start();
    outer->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_NE(innerOwner, nullptr);
    EXPECT_EQ(innerOwner, outerWindow);
    EXPECT_EQ(depthInside, 2);
    EXPECT_EQ(TDialog::ActivationDepth(), 0);
}

TEST(DialogModeless, EndClosesThroughCloseUnlessValidRefuses) {
    bool allow = false;
    int asked = 0;
    auto dialog = PixelDialog("Frei");
    PlainControl::New(dialog, "EDIT", "", 10, 10, 10, 60, kEditStyle);
    dialog->Activate({.bValid = Action([&](const Args&) {
                          ++asked;
                          return Value(allow);
                      }),
                      .lModal = false});
    ASSERT_NE(dialog->hWnd, nullptr);
    EXPECT_TRUE(dialog->lVisible);
    bool openAfterRefusal = false;
    GuiScript script;
    script.Do("End refused", [&] { dialog->End(); })
        .Until("close handled", [&] { return asked == 1; })
        .Do("look", [&] {
            openAfterRefusal = dialog->hWnd && IsWindow(dialog->hWnd);
            allow = true;
            dialog->End(5);
        })
        .Until("closed", [&] { return !dialog->hWnd; });
    script.Start();
    script.Pump();
    EXPECT_TRUE(script.Succeeded());
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(dialog->nResult, Value(5));
    EXPECT_FALSE(dialog->lVisible);
}

}  // namespace
}  // namespace pixa
