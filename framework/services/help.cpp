#include "framework/services/help.h"

#include <utility>

#include "framework/services/help_viewer.h"
#include "framework/services/message_box.h"
#include "framework/services/menu.h"
#include "framework/window/control.h"
#include "framework/window/messages.h"
#include "framework/window/window.h"
#include "framework/window/window_services.h"
#include "platform/file_system.h"
#include "runtime/value_text.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
constexpr std::size_t kTopicLength = 99;

struct HelpState {
    std::string file;
    std::string keyword;
    int contextId = 0;
    HelpViewer viewer;
};
HelpState& State() {
    static HelpState state;
    return state;
}

// The platform's viewer, looked up when it is first needed.
bool PlatformViewer(HWND hWnd, const std::string& file, UINT command, ULONG_PTR data) {
    using WinHelpFn = BOOL(WINAPI*)(HWND, LPCSTR, UINT, ULONG_PTR);
    static HMODULE user = LoadLibraryA("User32.dll");
    if (!user) {
        MsgAlert("Error code: " + NumberText(static_cast<std::int64_t>(GetLastError())) + " loading User32.dll");
        return false;
    }
    static auto fn = reinterpret_cast<WinHelpFn>(reinterpret_cast<void*>(GetProcAddress(user, "WinHelpA")));
    // Where the platform's WinHelp cannot serve the request, another viewer does.
    if (auto shown = ShowHelpElsewhere(hWnd, file, command, data)) return *shown;
    // The viewer takes 8-bit paths only: a help file outside Windows-1252 goes by its short name.
    return fn && fn(hWnd, platform::EightBitPathOf(file).c_str(), command, data);
}

// The help viewer for the program's help file; a stop box when there is none.
bool ShowHelp(UINT command, ULONG_PTR data) {
    if (State().file.empty()) {
        MsgStop("No Help file available", " Attention");
        return false;
    }
    return WinHelp(State().file, command, data);
}

bool KeywordSearch(const std::string& key) { return ShowHelp(kHelpKey, reinterpret_cast<ULONG_PTR>(key.c_str())); }

// F1 while a menu is open: the menu loop shows the key to this filter, which asks
// the active window for the highlighted item's help.
LRESULT CALLBACK MenuKeyFilter(int code, WPARAM wp, LPARAM lp) {
    auto* msg = reinterpret_cast<MSG*>(lp);
    if (code == MSGF_MENU && msg && msg->message == WM_KEYDOWN && msg->wParam == VK_F1)
        PostMessageA(GetActiveWindow(), XM_HELPF1, 0, 0);
    return CallNextHookEx(nullptr, code, wp, lp);
}

class MenuFilter {
public:
    static void Install() { static MenuFilter filter; }
    ~MenuFilter() {
        if (hook_) UnhookWindowsHookEx(hook_);
    }

private:
    MenuFilter() : hook_(SetWindowsHookExA(WH_MSGFILTER, MenuKeyFilter, nullptr, GetCurrentThreadId())) {}
    HHOOK hook_;
};

void InstallWindowHelp() {
    Services().showHelp = [](TWindow& window, int nHelpId) {
        // A control's own topic comes in a pop-up; a window's as a whole page.
        if (nHelpId && dynamic_cast<TControl*>(&window))
            HelpPopup(nHelpId);
        else if (nHelpId)
            HelpTopic(nHelpId);
        else if (HasHelpTopic())
            HelpTopic();
        else
            HelpIndex();
    };
    Services().showMenuItemHelp = [](TWindow&, const Value& item) {
        auto menuItem = std::dynamic_pointer_cast<TMenuItem>(item.AsObject());
        if (!menuItem) return false;
        menuItem->HelpTopic();
        return true;
    };
}
}  // namespace

HelpViewer SetHelpViewer(HelpViewer viewer) { return std::exchange(State().viewer, std::move(viewer)); }

void SetHelpFile(const std::string& cFile) {
    State().file = cFile;
    InstallWindowHelp();
    MenuFilter::Install();
}

std::string GetHelpFile() { return State().file; }

void HelpSetTopic(const Value& topic) {
    InstallWindowHelp();
    State().keyword.clear();
    State().contextId = 0;
    if (topic.IsString())
        State().keyword = topic.AsString().substr(0, kTopicLength);
    else if (topic.IsNumber())
        State().contextId = static_cast<int>(topic.AsInteger());
}

std::string GetHelpTopic() { return State().keyword; }

bool HasHelpTopic() { return !State().keyword.empty() || State().contextId != 0; }

bool HelpTopic(const Value& topic) {
    if (topic.IsNumber()) return ShowHelp(kHelpContext, static_cast<ULONG_PTR>(topic.AsInteger()));
    if (topic.IsString()) return KeywordSearch(topic.AsString());
    if (State().contextId) return ShowHelp(kHelpContext, static_cast<ULONG_PTR>(State().contextId));
    return KeywordSearch(State().keyword);
}

bool HelpIndex() { return ShowHelp(kHelpFinder, 0); }

bool HelpSearch(const std::string& cKey) {
    return ShowHelp(kHelpPartialKey, reinterpret_cast<ULONG_PTR>(cKey.c_str()));
}

bool HelpPopup(int nId) { return ShowHelp(kHelpContextPopup, static_cast<ULONG_PTR>(nId)); }

bool WinHelp(const std::string& cFile, UINT nCommand, ULONG_PTR nData) {
    HWND owner = GetActiveWindow();
    return State().viewer ? State().viewer(owner, cFile, nCommand, nData)
                          : PlatformViewer(owner, cFile, nCommand, nData);
}

}  // namespace pixa::services
