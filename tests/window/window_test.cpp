#include "framework/window/window.h"

#include <gtest/gtest.h>

#include "framework/window/dialog.h"
#include "framework/window/event_loop.h"
#include "framework/window/message_tracer.h"
#include "framework/window/tooltip.h"
#include "framework/window/window_procedure.h"
#include "framework/window/window_registry.h"
#include "runtime/actions.h"
#include "tests/support/gui_driver.h"
#include "tests/support/window_probe.h"
#include "tests/window/plain_control.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::GuiScript;
using test::PlainControl;

std::shared_ptr<TWindow> PixelWindow(const std::string& title, int top = 40, int left = 40) {
    return TWindow::New({.nTop = top, .nLeft = left, .nBottom = top + 200, .nRight = left + 300, .cTitle = title,
                         .lPixel = true});
}

void DestroyNow(const std::shared_ptr<TWindow>& w) {
    if (w->hWnd) DestroyWindow(w->hWnd);
}

TEST(WindowStyle, BuiltFromBorderAndCaptionFlags) {
    // Without a caption the system menu and the boxes add nothing.
    EXPECT_EQ(BuildWindowStyle({.cBorder = "NONE", .lCaption = false}), DWORD(WS_CLIPCHILDREN | WS_POPUP));
    EXPECT_EQ(BuildWindowStyle({}),
              DWORD(WS_CLIPCHILDREN | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    // The main window: single border, caption, system menu, minimise box, no maximise box.
    EXPECT_EQ(BuildWindowStyle({.lMax = false}),
              DWORD(WS_CLIPCHILDREN | WS_THICKFRAME | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));
    EXPECT_EQ(BuildWindowStyle({.lVScroll = true, .cBorder = "3D", .lCaption = false}),
              DWORD(WS_CLIPCHILDREN | WS_VSCROLL));
}

TEST(WindowStyle, NonZeroStyleIsUsedUnchanged) {
    auto w = TWindow::New({.nTop = 10, .nLeft = 10, .nBottom = 50, .nRight = 90,
                           .nStyle = WS_OVERLAPPED | WS_CAPTION, .lPixel = true});
    ASSERT_TRUE(w->hWnd);
    EXPECT_EQ(w->nStyle, DWORD(WS_OVERLAPPED | WS_CAPTION));
    EXPECT_FALSE(GetWindowLongA(w->hWnd, GWL_STYLE) & WS_THICKFRAME);
    DestroyNow(w);
}

TEST(WindowGeometry, TextCellsBecomePixels) {
    Rect r = WindowCoordinates({});
    EXPECT_EQ(r.nTop, 32);
    EXPECT_EQ(r.nLeft, 16);
    EXPECT_EQ(r.nBottom, 320);
    EXPECT_EQ(r.nRight, 560);
    // The native window occupies exactly that rectangle (bottom and right inclusive).
    auto w = TWindow::New({.cTitle = "Zellen"});
    ASSERT_TRUE(w->hWnd);
    RECT rc;
    GetWindowRect(w->hWnd, &rc);
    EXPECT_EQ(rc.top, 32);
    EXPECT_EQ(rc.left, 16);
    EXPECT_EQ(rc.bottom - 1, 320);
    EXPECT_EQ(rc.right - 1, 560);
    w->CoorsUpdate();
    EXPECT_EQ(w->nTop, 32);
    EXPECT_EQ(w->nBottom, 321);  // as the platform reports it: one past the last row
    EXPECT_EQ(w->nWidth(), 545);
    DestroyNow(w);
}

TEST(WindowScrollBars, OwnScrollBarsAsObjects) {
    auto w = TWindow::New({.nTop = 10, .nLeft = 10, .nBottom = 200, .nRight = 300, .lVScroll = true, .lPixel = true});
    ASSERT_TRUE(w->oVScroll);
    EXPECT_FALSE(w->oHScroll);
    EXPECT_TRUE(GetWindowLongA(w->hWnd, GWL_STYLE) & WS_VSCROLL);
    w->oVScroll->SetRange(1, 50);
    w->oVScroll->SetPos(20);
    EXPECT_EQ(w->oVScroll->GetRange(), 50);
    EXPECT_EQ(w->oVScroll->GetPos(), 20);
    // A line down reaches the window's scroll action.
    int downs = 0;
    w->bDown = Action([&](const Args&) {
        ++downs;
        return Value();
    });
    SendMessageA(w->hWnd, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(downs, 1);
    DestroyNow(w);
    EXPECT_FALSE(w->oVScroll);
}

TEST(WindowColours, ColourStringGivesThePairAndTheBrush) {
    auto w = TWindow::New({.cTitle = "Farben", .nClrFore = "N/W", .nClrBack = 255u, .lPixel = true});
    EXPECT_EQ(w->nClrText, 0u);
    EXPECT_EQ(w->nClrPane, 12632256u);  // position 14 is ignored with a colour string
    ASSERT_TRUE(w->oBrush);
    EXPECT_EQ(w->oBrush->nRGBColor, 12632256u);
    w->SetColor("W+/B");
    EXPECT_EQ(w->nClrText, 16777215u);
    EXPECT_EQ(w->nClrPane, 8388608u);
    EXPECT_EQ(w->oBrush->nRGBColor, 8388608u);
    DestroyNow(w);
}

TEST(WindowDispatch, UnhandledMessageReachesTheReplacedProcedure) {
    auto w = PixelWindow("Standard");
    auto edit = PlainControl::New(w, "EDIT", "", 10, 10, 20, 100);
    ASSERT_TRUE(edit->hWnd);
    ASSERT_NE(edit->nOldProc, nullptr);  // the EDIT class procedure was kept
    // WM_SETTEXT is not in the dispatcher: the edit control's own procedure stores it.
    SendMessageA(edit->hWnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Hallo"));
    EXPECT_EQ(test::TextOf(edit->hWnd), "Hallo");
    DestroyNow(w);
}

TEST(WindowDispatch, LogicalAnswerOfAnActionGivesZeroAndSkipsDefaultProcessing) {
    auto w = PixelWindow("Logisch");
    auto edit = PlainControl::New(w, "EDIT", "", 10, 10, 20, 100);
    edit->bKeyChar = Constant(true);
    EXPECT_EQ(SendMessageA(edit->hWnd, WM_CHAR, 'x', 1), 0);
    EXPECT_EQ(test::TextOf(edit->hWnd), "");
    // A number is the result as it is.
    edit->bKeyChar = Constant(77);
    EXPECT_EQ(SendMessageA(edit->hWnd, WM_CHAR, 'x', 1), 77);
    EXPECT_EQ(test::TextOf(edit->hWnd), "");
    // No answer: the edit control types the character.
    edit->bKeyChar = Constant(Value());
    SendMessageA(edit->hWnd, WM_CHAR, 'x', 1);
    EXPECT_EQ(test::TextOf(edit->hWnd), "x");
    DestroyNow(w);
}

// A modal dialog whose answer to WM_SETTEXT the test chooses.
struct AnsweringDialog : TDialog {
    MsgResult answer;
    static std::shared_ptr<AnsweringDialog> Make() {
        auto dialog = std::make_shared<AnsweringDialog>();
        dialog->Construct({.nTop = 100, .nLeft = 100, .nBottom = 200, .nRight = 300, .cCaption = "Alt", .lPixel = true});
        return dialog;
    }
    MsgResult HandleEvent(UINT msg, WPARAM wp, LPARAM lp) override {
        return msg == WM_SETTEXT && answer ? answer : TDialog::HandleEvent(msg, wp, lp);
    }
};

LRESULT SendText(HWND h, const char* text) { return SendMessageA(h, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

TEST(WindowDispatch, WindowAndDialogReadAnAnswerAlike) {
    // An answer ends the message with that result; none lets the platform store the text.
    auto w = PixelWindow("Antwort");
    auto edit = PlainControl::New(w, "EDIT", "", 10, 10, 20, 100);
    MsgResult editAnswer = 7;
    edit->intercept = [&](UINT msg, WPARAM, LPARAM) { return msg == WM_SETTEXT ? editAnswer : MsgResult(); };
    EXPECT_EQ(SendText(edit->hWnd, "Neu"), 7);
    EXPECT_EQ(test::TextOf(edit->hWnd), "");
    editAnswer = std::nullopt;
    SendText(edit->hWnd, "Neu");
    EXPECT_EQ(test::TextOf(edit->hWnd), "Neu");
    DestroyNow(w);

    auto dialog = AnsweringDialog::Make();
    LRESULT answered = 0;
    std::string afterAnswer, afterNone;
    dialog->Activate({.bInit = Do([&] {
        dialog->answer = 7;
        answered = SendText(dialog->hWnd, "Neu");
        afterAnswer = test::TextOf(dialog->hWnd);
        dialog->answer = std::nullopt;
        SendText(dialog->hWnd, "Neu");
        afterNone = test::TextOf(dialog->hWnd);
        dialog->End(1);
    })});
    EXPECT_EQ(answered, 7);
    EXPECT_EQ(afterAnswer, "Alt");
    EXPECT_EQ(afterNone, "Neu");
}

TEST(WindowDispatch, ObjectSeesItsFirstMessagesAndOutlivesItsWindow) {
    std::vector<UINT> seen;
    auto w = PixelWindow("Erste");
    auto edit = PlainControl::New(w, "EDIT", "", 10, 10, 20, 100);
    std::weak_ptr<PlainControl> weak = edit;
    edit->intercept = [&seen](UINT msg, WPARAM, LPARAM) -> MsgResult {
        seen.push_back(msg);
        return std::nullopt;
    };
    w->aControls.clear();
    edit.reset();  // only the registry keeps the control alive now
    ASSERT_FALSE(weak.expired());
    DestroyNow(w);
    EXPECT_TRUE(weak.expired());  // released once its window is gone
    EXPECT_NE(std::find(seen.begin(), seen.end(), UINT(WM_DESTROY)), seen.end());
}

TEST(WindowDispatch, ObjectDestroyingItsWindowInsideAMessageStaysAliveUntilItReturns) {
    auto w = PixelWindow("Selbst");
    auto edit = PlainControl::New(w, "EDIT", "", 10, 10, 20, 100);
    std::weak_ptr<PlainControl> weak = edit;
    bool aliveAfterNestedDestroy = false;
    edit->intercept = [&](UINT msg, WPARAM, LPARAM) -> MsgResult {
        if (msg != WM_USER + 7) return std::nullopt;
        DestroyWindow(weak.lock() ? weak.lock()->hWnd : nullptr);  // nested WM_DESTROY unlinks it
        aliveAfterNestedDestroy = !weak.expired() && weak.lock()->hWnd == nullptr;
        return 1;
    };
    HWND handle = edit->hWnd;
    w->aControls.clear();
    edit.reset();
    EXPECT_EQ(SendMessageA(handle, WM_USER + 7, 0, 0), 1);
    EXPECT_TRUE(aliveAfterNestedDestroy);
    EXPECT_TRUE(weak.expired());  // released when the outermost message returned
    DestroyNow(w);
}

TEST(WindowDispatch, CreationHookLinksBeforeTheFirstMessage) {
    struct Recorder : TWindow {
        std::vector<UINT> seen;
        MsgResult HandleEvent(UINT msg, WPARAM wp, LPARAM lp) override {
            seen.push_back(msg);
            return TWindow::HandleEvent(msg, wp, lp);
        }
    };
    auto w = std::make_shared<Recorder>();
    w->nTop = 10, w->nLeft = 10, w->nBottom = 100, w->nRight = 100;
    w->Register();
    ASSERT_TRUE(w->Create());
    ASSERT_FALSE(w->seen.empty());
    EXPECT_EQ(w->seen.front(), UINT(WM_GETMINMAXINFO));  // sent before WM_NCCREATE
    EXPECT_NE(std::find(w->seen.begin(), w->seen.end(), UINT(WM_NCCREATE)), w->seen.end());
    EXPECT_NE(std::find(w->seen.begin(), w->seen.end(), UINT(WM_CREATE)), w->seen.end());
    DestroyNow(w);
}

TEST(WindowDispatch, CreationHookLinksOnlyItsOwnWindow) {
    auto w = std::make_shared<TWindow>();
    w->nTop = 10, w->nLeft = 10, w->nBottom = 100, w->nRight = 100;
    w->Register();
    HWND foreign = nullptr;
    {
        // A window the system creates while ours is being made (an input-method window).
        CreationScope scope(*w);
        foreign = CreateWindowExA(0, "STATIC", "fremd", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        ASSERT_TRUE(foreign);
        EXPECT_EQ(w->hWnd, nullptr);
        EXPECT_EQ(oWndFromHwnd(foreign), nullptr);
        ASSERT_TRUE(w->Create());
    }
    EXPECT_NE(w->hWnd, foreign);
    EXPECT_EQ(oWndFromHwnd(w->hWnd), w);
    DestroyWindow(foreign);
    DestroyNow(w);
}

TEST(WindowRegistry, FreedSlotIsReusedFirst) {
    auto a = PixelWindow("A"), b = PixelWindow("B"), c = PixelWindow("C");
    int slotB = b->Slot();
    ASSERT_GT(slotB, 0);
    EXPECT_EQ(oWndFromHwnd(b->hWnd), b);
    HWND handleB = b->hWnd;
    DestroyNow(b);
    EXPECT_EQ(b->hWnd, nullptr);
    EXPECT_EQ(b->Slot(), 0);
    EXPECT_EQ(WindowRegistry::Instance().AtSlot(slotB), nullptr);
    EXPECT_EQ(oWndFromHwnd(handleB), nullptr);
    auto d = PixelWindow("D");
    EXPECT_EQ(d->Slot(), slotB);
    for (auto& w : {a, c, d}) DestroyNow(w);
}

TEST(WindowClosing, ValidRefusingKeepsTheMainWindowOpen) {
    bool allow = false, endResult = true, stillThere = false;
    int valids = 0;
    auto w = PixelWindow("Hauptfenster");
    GuiScript script;
    script.Until("main window runs", [&] { return lWRunning() && IsWindowVisible(w->hWnd); })
        .Do("close from the caption", [&] { SendMessageA(w->hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); })
        .Do("End refused", [&] { endResult = w->End(); })
        .Do("look", [&] {
            stillThere = IsWindow(w->hWnd) && lWRunning();
            allow = true;
            w->End();
        });
    script.Start();
    w->Activate({.bValid = Action([&](const Args&) {
        ++valids;
        return Value(allow);
    })});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_TRUE(stillThere);
    EXPECT_FALSE(endResult);
    EXPECT_EQ(valids, 3);
    EXPECT_EQ(w->hWnd, nullptr);  // closed through End once bValid allowed it
    EXPECT_FALSE(w->lVisible);
}

TEST(WindowActivation, InitRunsAndResizeCallsResizedOnce) {
    int inits = 0, resized = 0;
    Value sizeArgument = 1;
    auto w = PixelWindow("Aktiv");
    GuiScript script;
    script.Do("close", [&] { w->End(); });
    script.Start();
    w->Activate({.bResized = Action([&](const Args& a) {
                     ++resized;
                     sizeArgument = Arg(a, 1);
                     return Value();
                 }),
                 .bInit = Action([&](const Args& a) {
                     ++inits;
                     EXPECT_EQ(Arg(a, 0).AsObject(), std::static_pointer_cast<Object>(w));
                     return Value();
                 })});
    EXPECT_EQ(inits, 1);
    EXPECT_GE(resized, 1);
    EXPECT_TRUE(script.Succeeded());
}

TEST(WindowActivation, FirstTopLevelWindowStaysTheMainWindow) {
    auto first = PixelWindow("Erstes");
    auto second = PixelWindow("Zweites");
    HWND firstHandle = first->hWnd, mainInside = nullptr;
    bool runningInside = false;
    GuiScript script;
    script.Do("look", [&] {
        second->Activate({});  // a loop runs: this one does not become the main window
        mainInside = GetWndApp();
        runningInside = lWRunning();
        SetWndApp(second->hWnd);  // ignored while the main window lives
    })
        .Until("main unchanged", [&] { return GetWndApp() == firstHandle; })
        .Do("close", [&] { first->End(); });
    script.Start();
    first->Activate({});
    EXPECT_TRUE(script.Succeeded());
    EXPECT_EQ(mainInside, firstHandle);
    EXPECT_TRUE(runningInside);
    EXPECT_FALSE(lWRunning());
    EXPECT_EQ(first->hWnd, nullptr);
    EXPECT_NE(second->hWnd, nullptr);  // not the main window: closing the main one left it alone
    EXPECT_EQ(WndMain(), nullptr);
    DestroyNow(second);
}

TEST(WindowPainting, DeviceContextIsRequestedOncePerNesting) {
    auto w = PixelWindow("Zeichnen");
    HDC first = w->GetDC();
    HDC second = w->GetDC();
    EXPECT_EQ(first, second);
    EXPECT_EQ(w->nPaintCount, 2);
    w->ReleaseDC();
    EXPECT_EQ(w->hDC, first);
    w->ReleaseDC();
    EXPECT_EQ(w->hDC, nullptr);
    EXPECT_EQ(w->nPaintCount, 0);
    DestroyNow(w);
}

TEST(WindowFonts, ControlsTakeTheParentsFontAndHoldAReference) {
    auto font = TFont::New({.cFaceName = "Arial", .nHeight = -16, .lBold = true});
    auto w = PixelWindow("Schrift");
    w->SetFont(font);
    EXPECT_EQ(font->nCount(), 2);
    auto button = PlainControl::New(w, "BUTTON", "&Knopf", 10, 10, 30, 100);
    EXPECT_EQ(button->oFont, font);
    EXPECT_EQ(font->nCount(), 3);
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(button->hWnd, WM_GETFONT, 0, 0)), font->hFont);
    DestroyNow(w);
    EXPECT_EQ(font->nCount(), 1);  // both windows let go; the creator's reference remains
    HFONT handle = font->hFont;
    EXPECT_NE(GetObjectType(handle), 0u);
    font.reset();
    EXPECT_EQ(GetObjectType(handle), 0u);
}

TEST(WindowResources, GivenBrushAndTipFontLiveAsLongAsTheirWindows) {
    auto brush = TBrush::Solid(0x0D0E0F);  // a colour no other window uses
    HBRUSH handle = brush->hBrush;
    auto w = TWindow::New({.nTop = 40, .nLeft = 40, .nBottom = 240, .nRight = 340, .cTitle = "Pinsel",
                           .oBrush = brush, .lPixel = true});
    brush.reset();
    EXPECT_NE(GetObjectType(handle), 0u) << "the window still paints with it";

    ToolTips::Instance().MakeCold();
    w->ShowToolTip(10, 10, Value("Hinweis"));
    auto tip = ToolTips::Instance().TipWindow();
    ASSERT_TRUE(tip && tip->oFont);
    std::weak_ptr<TFont> tipFont = tip->oFont;
    EXPECT_EQ(GetObjectType(tip->oFont->hFont), static_cast<DWORD>(OBJ_FONT));
    tip.reset();
    ToolTips::Instance().MakeCold();
    EXPECT_TRUE(tipFont.expired()) << "the tip window was its only holder";

    DestroyNow(w);
    EXPECT_EQ(GetObjectType(handle), 0u) << "the brush went with its window";
}

TEST(MessageTracer, LogsMessageNamesOnlyWhenOn) {
    std::vector<std::string> lines;
    auto w = PixelWindow("Spur");
    SendMessageA(w->hWnd, WM_NULL, 0, 0);
    MessageTracer::Enable(true, [&](const std::string& line) { lines.push_back(line); });
    SendMessageA(w->hWnd, 2048, 0, 0);
    MessageTracer::Enable(false);
    SendMessageA(w->hWnd, WM_NULL, 0, 0);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("XM_CLICK"), std::string::npos);
    EXPECT_NE(lines[0].find("TWINDOW"), std::string::npos);
    EXPECT_EQ(MessageTracer::MessageName(WM_PAINT), "WM_PAINT");
    DestroyNow(w);
}

}  // namespace
}  // namespace pixa
