#include "framework/window/dialog.h"

#include <gtest/gtest.h>

#include "framework/window/event_loop.h"
#include "framework/window/window_registry.h"
#include "tests/support/error_recorder.h"
#include "tests/support/gui_driver.h"
#include "tests/window/plain_control.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::GuiScript;
using test::PlainControl;
using test::ErrorRecorder;

// Taken before any test constructs a control.
const int kInitialIdCounter = TControl::nInitID();

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;

std::shared_ptr<TDialog> PixelDialog(const std::string& caption, int width = 300, int height = 200) {
    return TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 100 + height, .nRight = 100 + width,
                         .cCaption = caption, .lPixel = true});
}

TEST(DialogIds, CountingStartsAt101AndContinuesAcrossDialogs) {
    EXPECT_EQ(kInitialIdCounter, 100);
    int saved = TControl::nInitID();
    TControl::nInitID() = 100;
    auto first = PixelDialog("Eins");
    auto a = PlainControl::New(first, "BUTTON", "a", 0, 0, 10, 10);
    auto second = PixelDialog("Zwei");
    auto b = PlainControl::New(second, "BUTTON", "b", 0, 0, 10, 10);
    EXPECT_EQ(a->nId, 101);
    EXPECT_EQ(b->nId, 102);
    TControl::nInitID() = std::max(saved, TControl::nInitID());
}

TEST(DialogBuilding, ControlsOnADialogBeingBuiltAreTemplateItems) {
    auto dialog = PixelDialog("Vorlage");
    EXPECT_EQ(GetWndDefault(), dialog);
    auto button = PlainControl::New(nullptr, "BUTTON", "&OK", 148, 99, 10, 70);  // lands on the default window
    EXPECT_EQ(button->Parent(), dialog);
    EXPECT_EQ(button->hWnd, nullptr);
    ASSERT_EQ(dialog->aControls.size(), 1u);
    EXPECT_EQ(dialog->aControls[0], button);
    // On a window that exists, the control is created at once and added.
    auto window = TWindow::New({.nTop = 10, .nLeft = 10, .nBottom = 200, .nRight = 300, .lPixel = true});
    auto direct = PlainControl::New(window, "BUTTON", "Sofort", 5, 5, 20, 80);
    EXPECT_NE(direct->hWnd, nullptr);
    EXPECT_EQ(GetParent(direct->hWnd), window->hWnd);
    EXPECT_EQ(GetDlgCtrlID(direct->hWnd), direct->nId);
    ASSERT_EQ(window->aControls.size(), 1u);
    DestroyWindow(window->hWnd);
}

TEST(DialogBuilding, DuplicateIdRaisesError2) {
    ErrorRecorder recorder;
    auto dialog = PixelDialog("Doppelt");
    PlainControl::New(dialog, "BUTTON", "a", 0, 0, 10, 10, 0, 150);
    PlainControl::New(dialog, "BUTTON", "b", 20, 0, 10, 10, 0, 150);
    ASSERT_EQ(recorder.errors.size(), 1u);
    EXPECT_EQ(recorder.errors[0].SubSystem, "Velmora");
    EXPECT_EQ(recorder.errors[0].SubCode, 2);
    EXPECT_EQ(recorder.errors[0].Description, "Duplicated Id");
    EXPECT_EQ(recorder.errors[0].Operation, "No:    150");
    EXPECT_EQ(recorder.errors[0].Severity, 3);
    EXPECT_EQ(dialog->aControls.size(), 1u);
}

TEST(DialogTemplateBytes, GeometryAgainstTheOwnerWindow) {
    ASSERT_EQ(GetDialogBaseUnits(), MAKELONG(8, 16)) << "the test prefix needs Wine's fonts";
    auto owner = TWindow::New({.nTop = 15, .nLeft = 15, .nBottom = 300, .nRight = 400, .lPixel = true});
    auto dialog = TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 420, .nRight = 588, .cCaption = "Abc",
                                .lPixel = true});
    PlainControl::New(dialog, "BUTTON", "&OK", 148, 99, 10, 70);
    std::string bytes = dialog->cToChar(owner->hWnd);
    auto word = [&](std::size_t at) { return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8; };
    EXPECT_EQ(word(8), 1);    // one item
    EXPECT_EQ(word(10), 42);  // x
    EXPECT_EQ(word(12), 42);  // y
    EXPECT_EQ(word(14), 245);
    EXPECT_EQ(word(16), 161);
    // The item after the 32-byte header: x 99, y 148, cx 71, cy 11.
    EXPECT_EQ(word(40), 99);
    EXPECT_EQ(word(42), 148);
    EXPECT_EQ(word(44), 71);
    EXPECT_EQ(word(46), 11);
    DestroyWindow(owner->hWnd);
}

TEST(DialogModal, ControlUnitsAreTwoPixelsAndTheDialogSitsAtItsPixels) {
    // Owned by a window at (15, 15): the template says 42, 42 dialog units, Initiate moves it to its pixels.
    auto owner = TWindow::New({.nTop = 15, .nLeft = 15, .nBottom = 300, .nRight = 400, .lPixel = true});
    auto dialog = TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 420, .nRight = 588, .cCaption = "Transfer",
                                .oWnd = owner, .lPixel = true});
    auto button = PlainControl::New(dialog, "BUTTON", "&Start", 148, 99, 10, 70);
    RECT inClient{}, window{};
    HWND ownerSeen = nullptr;
    GuiScript script;
    script.Until("dialog is up", [&] { return test::FindDialog("Transfer") != nullptr; })
        .Do("measure", [&] {
            ownerSeen = GetWindow(dialog->hWnd, GW_OWNER);
            inClient = test::RectIn(button->hWnd, dialog->hWnd);
            GetWindowRect(dialog->hWnd, &window);
        })
        .Do("close", [&] { dialog->End(1); });
    script.Start();
    dialog->Activate({});
    ASSERT_TRUE(script.Succeeded());
    EXPECT_EQ(inClient.left, 198);
    EXPECT_EQ(inClient.top, 296);
    EXPECT_EQ(inClient.right - inClient.left, 142);
    EXPECT_EQ(inClient.bottom - inClient.top, 22);
    EXPECT_EQ(window.left, 100);
    EXPECT_EQ(window.top, 100);
    EXPECT_EQ(ownerSeen, owner->hWnd);
    EXPECT_EQ(dialog->nResult, Value(1));
    EXPECT_FALSE(dialog->lVisible);
    EXPECT_EQ(dialog->hWnd, nullptr);
    DestroyWindow(owner->hWnd);
}

TEST(DialogModal, InitBindsControlsAndSetsTheCaption) {
    auto dialog = PixelDialog("Titel \xDC");  // Windows-1252 caption set again at initialisation
    auto edit = PlainControl::New(dialog, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    bool initSawBinding = false;
    std::string caption;
    GuiScript script;
    script.Until("dialog is up", [&] { return dialog->hWnd && IsWindowVisible(dialog->hWnd); })
        .Do("read caption", [&] { caption = test::TextOf(dialog->hWnd); })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({.bInit = Action([&](const Args&) {
        initSawBinding = edit->hWnd && oWndFromHwnd(edit->hWnd) == edit && edit->nOldProc;
        return Value();
    })});
    EXPECT_TRUE(initSawBinding);
    EXPECT_EQ(caption, "Titel \xDC");
    EXPECT_EQ(dialog->nResult, Value(2));
}

TEST(DialogModal, MissingControlRaisesError1) {
    struct Misplaced : PlainControl {
        DialogItem TemplateItem(const DialogUnits& units) override {
            DialogItem item = PlainControl::TemplateItem(units);
            item.id += 1000;  // the native control gets another identifier than the object
            return item;
        }
    };
    ErrorRecorder recorder;
    auto dialog = PixelDialog("Fehlt");
    auto control = std::make_shared<Misplaced>();
    control->nTop = 0, control->nLeft = 0, control->nBottom = 10, control->nRight = 40;
    control->nId = 321;
    control->Attach(dialog, "BUTTON");
    GuiScript script;
    script.Until("dialog is up", [&] { return dialog->hWnd && IsWindowVisible(dialog->hWnd); }).Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    ASSERT_EQ(recorder.errors.size(), 1u);
    EXPECT_EQ(recorder.errors[0].SubCode, 1);
    EXPECT_EQ(recorder.errors[0].Description, "Non defined Id");
    EXPECT_EQ(recorder.errors[0].Operation, "No:    321");
}

TEST(DialogModal, UnknownControlClassRaisesError3) {
    ErrorRecorder recorder;
    auto dialog = PixelDialog("Kaputt");
    PlainControl::New(dialog, "NOSUCHCLASS", "x", 0, 0, 10, 10);
    GuiScript script(std::chrono::milliseconds(2000));
    script.Start();  // closes whatever might appear
    dialog->Activate({});
    ASSERT_EQ(recorder.errors.size(), 1u);
    EXPECT_EQ(recorder.errors[0].SubCode, 3);
    EXPECT_EQ(recorder.errors[0].Description, "Cannot create Dialog Box");
    EXPECT_EQ(recorder.errors[0].Operation, "\r\nTitle: Kaputt");
}

TEST(WindowCreation, UnknownClassRaisesError6) {
    ErrorRecorder recorder;
    auto window = TWindow::New({.nTop = 10, .nLeft = 10, .nBottom = 100, .nRight = 100, .lPixel = true});
    auto control = PlainControl::New(window, "NOSUCHCLASS", "Knopf", 0, 0, 10, 10);
    EXPECT_EQ(control->hWnd, nullptr);
    ASSERT_EQ(recorder.errors.size(), 1u);
    EXPECT_EQ(recorder.errors[0].SubCode, 6);
    EXPECT_EQ(recorder.errors[0].Description, "Cannot create window or control");
    EXPECT_EQ(recorder.errors[0].Operation.rfind("\r\nClass: NOSUCHCLASS\r\nCaption: Knopf\r\nSystem Error: ", 0), 0u);
    DestroyWindow(window->hWnd);
}

TEST(DialogModal, WhenRefusingShowsNothing) {
    auto dialog = PixelDialog("Nie");
    dialog->Activate({.bWhen = Action([](const Args&) { return Value(false); })});
    EXPECT_EQ(dialog->nResult, Value(2));
    EXPECT_FALSE(dialog->lVisible);
    EXPECT_EQ(dialog->hWnd, nullptr);
}

TEST(DialogModal, AnswersReachThePlatformThroughTheResultSlot) {
    auto dialog = PixelDialog("Antworten");
    bool allow = false;
    LRESULT erased = 0, refused = -1, allowed = -1;
    GuiScript script;
    script.Until("dialog is up", [&] { return dialog->hWnd && IsWindowVisible(dialog->hWnd); })
        .Do("erase the background", [&] {
            HDC dc = GetDC(dialog->hWnd);
            erased = SendMessageA(dialog->hWnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
            ReleaseDC(dialog->hWnd, dc);
        })
        .Do("may the session end while bValid refuses", [&] {
            refused = SendMessageA(dialog->hWnd, WM_QUERYENDSESSION, 0, 0);
            allow = true;
        })
        .Do("may the session end now", [&] { allowed = SendMessageA(dialog->hWnd, WM_QUERYENDSESSION, 0, 0); });
    script.Start();
    dialog->Activate({.bValid = Action([&](const Args&) { return Value(allow); })});
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_NE(erased, 0) << "the dialog's brush erased the background";
    EXPECT_EQ(refused, 0);
    EXPECT_EQ(allowed, 1);
    EXPECT_EQ(dialog->hWnd, nullptr) << "agreeing to the end closed the dialog";
}

TEST(DialogLifetime, ADialogThatNeverOpenedReleasesItsBrush) {
    static constexpr std::uint32_t kPane = 0x0A0B0C;  // a colour no other window uses
    auto cached = [] {
        for (auto& brush : TBrush::Cache())
            if (brush->cStyle.empty() && brush->nRGBColor == kPane) return brush;
        return BrushRef();
    };
    {
        auto refused = TDialog::New({.nBottom = 100, .nRight = 100, .nClrPane = kPane, .lPixel = true});
        refused->Activate({.bWhen = Action([](const Args&) { return Value(false); })});
        auto never = TDialog::New({.nBottom = 100, .nRight = 100, .nClrPane = kPane, .lPixel = true});
        ASSERT_TRUE(cached());
        EXPECT_EQ(cached()->nCount, 2);
    }
    EXPECT_FALSE(cached()) << "the last reference ended with the objects";
}

TEST(DialogKeys, EscEndsAModalDialogWith2) {
    auto dialog = PixelDialog("Esc");
    auto edit = PlainControl::New(dialog, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    GuiScript script;
    script.Until("focus in the field", [&] { return edit->hWnd && GetFocus() == edit->hWnd; })
        .Do("press Esc", [] { test::PressKey(VK_ESCAPE); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_EQ(dialog->hWnd, nullptr);
    EXPECT_EQ(dialog->nResult, Value(2));
}

TEST(DialogKeys, ValidRefusingKeepsAModalDialogOpen) {
    bool allow = false, endResult = true, openAfterEsc = false;
    int asked = 0;
    auto dialog = PixelDialog("Bleibt");
    PlainControl::New(dialog, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    GuiScript script;
    script.Until("dialog is up", [&] { return dialog->hWnd && IsWindowVisible(dialog->hWnd) && GetFocus(); })
        .Do("press Esc", [] { test::PressKey(VK_ESCAPE); })
        .Until("Esc asked bValid", [&] { return asked == 1; })
        .Do("End(1)", [&] { endResult = dialog->End(1); })
        .Do("still open", [&] {
            openAfterEsc = dialog->hWnd && IsWindowVisible(dialog->hWnd);
            allow = true;
        })
        .Do("press Esc again", [] { test::PressKey(VK_ESCAPE); });
    script.Start();
    dialog->Activate({.bValid = Action([&](const Args&) {
        ++asked;
        return Value(allow);
    })});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_TRUE(openAfterEsc);
    EXPECT_FALSE(endResult);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(dialog->nResult, Value(2));
}

TEST(DialogKeys, EnterWithoutDefaultButtonMovesTheFocus) {
    auto dialog = PixelDialog("Enter");
    auto first = PlainControl::New(dialog, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    auto second = PlainControl::New(dialog, "EDIT", "", 30, 10, 12, 80, kEditStyle);
    GuiScript script;
    script.Until("focus in the first field", [&] { return first->hWnd && GetFocus() == first->hWnd; })
        .Do("press Enter", [] { test::PressKey(VK_RETURN); })
        .Until("focus in the second field", [&] { return GetFocus() == second->hWnd; })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_EQ(dialog->nResult, Value(2));  // Enter did not close it
}

TEST(DialogKeys, TabWrapsAroundBothWays) {
    auto dialog = PixelDialog("Tab");
    auto first = PlainControl::New(dialog, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    PlainControl::New(dialog, "EDIT", "", 30, 10, 12, 80, kEditStyle);
    auto last = PlainControl::New(dialog, "EDIT", "", 50, 10, 12, 80, kEditStyle);
    GuiScript script;
    script.Until("focus in the first field", [&] { return first->hWnd && GetFocus() == first->hWnd; })
        .Do("Shift+Tab", [] { test::PressKey(VK_TAB, true); })
        .Until("focus on the last field", [&] { return GetFocus() == last->hWnd; })
        .Do("Tab", [] { test::PressKey(VK_TAB); })
        .Until("focus back on the first field", [&] { return GetFocus() == first->hWnd; })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded());
}

TEST(DialogKeys, FocusNeverLeavesATopLevelDialogForItsOwner) {
    auto owner = TWindow::New({.nTop = 15, .nLeft = 15, .nBottom = 300, .nRight = 400, .cTitle = "Besitzer",
                               .lPixel = true});
    auto ownerField = PlainControl::New(owner, "EDIT", "", 10, 10, 20, 100, kEditStyle);
    auto dialog = TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 300, .nRight = 400, .cCaption = "Allein",
                                .oWnd = owner, .lPixel = true});
    auto only = PlainControl::New(dialog, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    HWND field = nullptr, afterNext = nullptr, afterPrev = nullptr, ownerChose = nullptr;
    GuiScript script;
    script.Until("focus in the only field", [&] { return only->hWnd && GetFocus() == only->hWnd; })
        .Do("next control", [&] {
            field = only->hWnd;
            dialog->GoNextCtrl(field);
            afterNext = GetFocus();
        })
        .Do("previous control", [&] {
            dialog->GoPrevCtrl(field);
            afterPrev = GetFocus();
            ownerChose = owner->hCtlFocus;
        })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(afterNext, field);
    EXPECT_EQ(afterPrev, field);
    EXPECT_NE(ownerChose, ownerField->hWnd);
    DestroyWindow(owner->hWnd);
}

TEST(DialogValidation, FailingValidKeepsTheFocusUnlessCancelIsClicked) {
    auto dialog = PixelDialog("Pruefen", 400, 250);
    auto field = PlainControl::New(dialog, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    auto other = PlainControl::New(dialog, "EDIT", "", 30, 10, 12, 80, kEditStyle);
    auto ok = PlainControl::New(dialog, "BUTTON", "OK", 60, 10, 14, 50);
    auto cancel = PlainControl::New(dialog, "BUTTON", "Abbruch", 60, 80, 14, 50);
    cancel->lCancel = true;
    int validations = 0;
    field->bValid = Action([&](const Args&) {
        ++validations;
        return Value(false);
    });
    bool keptAfterTab = false, keptAfterClick = false;
    GuiScript script;
    script.Until("focus in the field", [&] { return field->hWnd && GetFocus() == field->hWnd; })
        .Do("Tab away", [] { test::PressKey(VK_TAB); })
        .Until("validated", [&] { return validations >= 1; })
        .Do("look", [&] { keptAfterTab = GetFocus() == field->hWnd; })
        .Do("click OK", [&] { test::Click(ok->hWnd); })
        .Until("validated again", [&] { return validations >= 2; })
        .Until("focus is back", [&] { return GetFocus() == field->hWnd; })
        .Do("look", [&] { keptAfterClick = GetFocus() == field->hWnd && ok->clicks == 0; })
        .Do("click cancel", [&] { test::Click(cancel->hWnd); })
        .Until("cancel clicked", [&] { return cancel->clicks == 1; })
        .Do("close", [&] { dialog->End(); });
    script.Start();
    dialog->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_TRUE(keptAfterTab);
    EXPECT_TRUE(keptAfterClick);
    EXPECT_EQ(ok->clicks, 0);
    EXPECT_EQ(cancel->clicks, 1);
    EXPECT_FALSE(other->lFocused);
}

TEST(DialogModeless, EscCannotCloseAPanelWhoseValidRefuses) {
    bool panelOpenAfterEsc = false;
    int asked = 0;
    auto main = TWindow::New({.nTop = 50, .nLeft = 50, .nBottom = 400, .nRight = 500, .cTitle = "Haupt",
                              .lPixel = true});
    auto panel = TDialog::New({.nTop = 0, .nLeft = 0, .nBottom = 200, .nRight = 300,
                               .nStyle = WS_CHILD | WS_VISIBLE, .oWnd = main, .lPixel = true});
    auto field = PlainControl::New(panel, "EDIT", "", 10, 10, 12, 80, kEditStyle);
    GuiScript script;
    script.Until("panel is up", [&] { return panel->hWnd && IsWindowVisible(panel->hWnd); })
        .Do("focus the field", [&] { SetFocus(field->hWnd); })
        .Do("press Esc", [] { test::PressKey(VK_ESCAPE); })
        .Until("Esc asked the panel's bValid", [&] { return asked == 1; })
        .Do("look", [&] { panelOpenAfterEsc = panel->hWnd && IsWindow(panel->hWnd); })
        .Do("close the main window", [&] { main->End(); });
    script.Start();
    main->Activate({.bInit = Action([&](const Args&) {
        panel->Activate({.bValid = Action([&](const Args&) {
                             ++asked;
                             return Value(false);
                         }),
                         .lModal = false});
        return Value();
    })});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_TRUE(panelOpenAfterEsc);
    EXPECT_EQ(panel->hWnd, nullptr);  // destroyed with the main window
}

}  // namespace
}  // namespace pixa
