// The support library is also built natively for the run-time tests; windows exist only
// in the Windows build.
#ifdef _WIN32
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <map>

namespace pixa::test {

void ReleaseHeldModifiers();

namespace {
constexpr UINT kTickMs = 15;

std::map<UINT_PTR, GuiScript*>& Scripts() {
    static std::map<UINT_PTR, GuiScript*> scripts;
    return scripts;
}

// Modifier keys held for a posted key until the next tick has seen it processed.
bool& ModifiersHeld() {
    static bool held = false;
    return held;
}

void SetKeyDown(BYTE* state, int vk, bool down) { state[vk] = down ? 0x80 : 0; }

void HoldModifiers(bool shift, bool control) {
    BYTE state[256];
    GetKeyboardState(state);
    SetKeyDown(state, VK_SHIFT, shift), SetKeyDown(state, VK_LSHIFT, shift);
    SetKeyDown(state, VK_CONTROL, control), SetKeyDown(state, VK_LCONTROL, control);
    SetKeyboardState(state);
    ModifiersHeld() = shift || control;
}

LPARAM KeyFlags(WORD vk, bool up) {
    LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC)) << 16;
    return 1 | scan | (up ? (LPARAM(1) << 30) | (LPARAM(1) << 31) : 0);
}
}  // namespace

// Button releases wait for the next tick, as with a real click: what the press
// posted (a deferred validation) is handled before the release arrives.
std::vector<std::pair<HWND, LPARAM>>& PendingReleases() {
    static std::vector<std::pair<HWND, LPARAM>> releases;
    return releases;
}

void ReleaseHeldModifiers() {
    if (ModifiersHeld()) HoldModifiers(false, false);
    auto releases = std::move(PendingReleases());
    PendingReleases().clear();
    for (auto& [window, at] : releases)
        if (IsWindow(window)) PostMessageA(window, WM_LBUTTONUP, 0, at);
}

namespace {
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
    ReleaseHeldModifiers();
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

void PressKey(WORD vk, bool shift, bool control) {
    HWND target = GetFocus();
    if (!target) return;
    HoldModifiers(shift, control);
    // TranslateMessage turns the key-down into WM_CHAR where the key has a character.
    PostMessageA(target, WM_KEYDOWN, vk, KeyFlags(vk, false));
    PostMessageA(target, WM_KEYUP, vk, KeyFlags(vk, true));
}

void TypeText(const std::string& text) {
    HWND target = GetFocus();
    if (!target) return;
    for (char c : text) PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1);
}

void MouseOver(HWND window, POINT client) {
    PostMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
}

void Click(HWND window) {
    RECT rc;
    GetClientRect(window, &rc);
    LPARAM at = MAKELPARAM(rc.right / 2, rc.bottom / 2);
    PostMessageA(window, WM_MOUSEMOVE, 0, at);
    PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PendingReleases().push_back({window, at});
}

POINT CenterOf(HWND window) {
    RECT rc;
    GetWindowRect(window, &rc);
    return {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}


HWND FindDialog(const std::string& caption) {
    HWND found = FindWindowA("#32770", caption.c_str());
    DWORD process = 0;
    if (found) GetWindowThreadProcessId(found, &process);
    return process == GetCurrentProcessId() ? found : nullptr;
}

std::string TextOf(HWND window) {
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

HWND Item(HWND parent, int id) { return GetDlgItem(parent, id); }

RECT RectIn(HWND window, HWND relativeTo) {
    RECT rc;
    GetWindowRect(window, &rc);
    MapWindowPoints(nullptr, relativeTo, reinterpret_cast<POINT*>(&rc), 2);
    return rc;
}

}  // namespace pixa::test

#endif  // _WIN32
