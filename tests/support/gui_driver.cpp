// The support library is also built natively for the run-time tests; windows exist only
// in the Windows build.
#ifdef _WIN32
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

#include "tests/support/input.h"

namespace pixa::test {

namespace {
constexpr UINT kTickMs = 15;

std::map<UINT_PTR, GuiScript*>& Scripts() {
    static std::map<UINT_PTR, GuiScript*> scripts;
    return scripts;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}
}  // namespace

GuiScript::GuiScript(std::chrono::milliseconds stepTimeout) : stepTimeout_(stepTimeout) {}

GuiScript::~GuiScript() { Stop(); }

GuiScript& GuiScript::Do(std::string name, std::function<void()> step) {
    steps_.push_back({std::move(name), [step] { step(); return true; }, true});
    return *this;
}

GuiScript& GuiScript::Until(std::string name, std::function<bool()> step) {
    steps_.push_back({std::move(name), std::move(step), false});
    return *this;
}

void GuiScript::Start() {
    stepStarted_ = std::chrono::steady_clock::now();
    timer_ = SetTimer(nullptr, 0, kTickMs, Tick);
    Scripts()[timer_] = this;
    // Last resort when the thread stops pumping messages: end the process, loudly.
    auto limit = stepTimeout_ * (static_cast<int>(steps_.size()) + 4);
    watchdog_ = std::thread([this, limit] {
        auto until = std::chrono::steady_clock::now() + limit;
        while (!watchdogStop_) {
            if (std::chrono::steady_clock::now() > until) {
                std::fprintf(stderr, "GUI script hung (no message loop ran its steps); ending the test process\n");
                std::fflush(stderr);
                TerminateProcess(GetCurrentProcess(), 3);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    });
}

void GuiScript::Pump() {
    MSG msg;
    while (!done_ && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void CALLBACK GuiScript::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    auto it = Scripts().find(id);
    if (it != Scripts().end()) it->second->OnTick();
}

void GuiScript::OnTick() {
    ReleaseHeldInput();
    if (closing_) {
        // Keep closing until every nested loop has returned.
        if (CloseThreadWindows() == 0) Stop();
        return;
    }
    // A step that opened a nested modal loop (a message box) must not block the
    // ticks inside that loop: the re-entered tick goes on with the next step.
    if (inTick_ && (next_ == 0 || !steps_[next_ - 1].once)) return;
    inTick_ = true;
    while (next_ < steps_.size()) {
        Step& step = steps_[next_];
        if (step.once) {
            ++next_;  // before running: a nested loop inside it continues with the next step
            stepStarted_ = std::chrono::steady_clock::now();
            step.run();
            continue;
        }
        if (step.run()) {
            ++next_;
            stepStarted_ = std::chrono::steady_clock::now();
            continue;
        }
        if (std::chrono::steady_clock::now() - stepStarted_ > stepTimeout_) Fail();
        break;
    }
    inTick_ = false;
    if (next_ >= steps_.size() && !closing_) {
        done_ = true;
        Stop();
    }
}

void GuiScript::Fail() {
    failedStep_ = steps_[next_].name;
    ADD_FAILURE() << "GUI step timed out: " << failedStep_;
    done_ = true;
    closing_ = true;
    next_ = steps_.size();
}

void GuiScript::Stop() {
    if (timer_) {
        KillTimer(nullptr, timer_);
        Scripts().erase(timer_);
        timer_ = 0;
    }
    watchdogStop_ = true;
    if (watchdog_.joinable() && watchdog_.get_id() != std::this_thread::get_id()) watchdog_.join();
}

int CloseThreadWindows() {
    std::vector<HWND> windows;
    EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&windows));
    int found = 0;
    for (HWND window : windows) {
        if (!IsWindow(window) || !IsWindowVisible(window)) continue;
        ++found;
        char name[16] = {};
        GetClassNameA(window, name, sizeof name);
        if (std::string(name) == "#32770")
            EndDialog(window, 0);
        else
            DestroyWindow(window);
    }
    return found;
}

}  // namespace pixa::test

#endif  // _WIN32
