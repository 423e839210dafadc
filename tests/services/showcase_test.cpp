// A window with a menu bar, an opened submenu and a meter at 40 %. It is a test
// (the submenu opens, the meter shows its value) and, with PIXA_SHOWCASE_SECONDS
// set, stays open that long so that a screenshot can be taken:
//   PIXA_SHOWCASE_SECONDS=8 wine explorer /desktop=shot,1024x768 test_services.exe --gtest_filter=Showcase.*
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <memory>

#include "framework/services/menu_builder.h"
#include "framework/services/meter.h"
#include "tests/services/windows.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

Action Nothing() {
    return Action([](const Args&) { return Value(); });
}

TEST(Showcase, MenuBarOpenedSubmenuAndMeter) {
    const char* hold = std::getenv("PIXA_SHOWCASE_SECONDS");
    int seconds = hold ? std::atoi(hold) : 0;
    auto bar = MenuBegin();
    MenuAddItem({.cPrompt = "&Pixaport"});
    MenuBegin();
    MenuAddItem({.cPrompt = "&Übertragen", .bAction = Nothing()});
    MenuAddItem({.cPrompt = "&Einstellungen", .lActive = false, .bAction = Nothing()});
    MenuAddItem();
    MenuAddItem({.cPrompt = "&Beenden", .bAction = Nothing()});
    MenuEnd();
    MenuAddItem({.cPrompt = "&Übertragen", .bAction = Nothing()});
    MenuAddItem({.cPrompt = "&Einstellungen", .bAction = Nothing()});
    MenuAddItem({.cPrompt = "&?"});
    MenuBegin();
    MenuAddItem({.cPrompt = "&Hilfe anzeigen", .bAction = Nothing()});
    MenuEnd();
    MenuEnd();
    auto w = TWindow::New({.nTop = 80, .nLeft = 120, .nBottom = 380, .nRight = 620, .cTitle = "Pixaport",
                           .oMenu = bar, .nClrFore = "N/W", .lPixel = true});
    auto done = std::make_shared<Value>(0);
    auto meter = TMeter::New({.nRow = 200, .nCol = 40, .bSetGet = Action([done](const Args& a) {
                                  if (!a.empty()) *done = a[0];
                                  return *done;
                              }),
                              .nTotal = 250, .oWnd = w, .nWidth = 400, .nHeight = 22, .lPixel = true,
                              .cText = "Kopiert"});
    ShowWindow(w->hWnd, SW_SHOW);
    SetForegroundWindow(w->hWnd);
    meter->Set(100);
    auto start = std::chrono::steady_clock::now();
    test::GuiScript script(std::chrono::milliseconds(5000 + seconds * 1000));
    script.Do("open", [&] { test::OpenMenuBarEntry(w->hWnd, 'p'); })
        .Until("submenu open", test::MenuIsOpen)
        .Until("held", [&] { return std::chrono::steady_clock::now() - start >= std::chrono::seconds(seconds); })
        .Do("close", [] { test::PressKey(VK_ESCAPE); test::PressKey(VK_ESCAPE); })
        .Until("closed", [] { return !test::MenuIsOpen(); });
    script.Start();
    script.Pump();
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(done->AsNumber(), 100);
    DestroyWindow(w->hWnd);
}

}  // namespace
}  // namespace pixa
