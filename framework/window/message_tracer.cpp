#include "framework/window/message_tracer.h"

#include <cstdio>

#include "framework/window/messages.h"
#include "framework/window/window.h"

namespace pixa::window {

namespace {
struct TracerState {
    bool on = false;
    MessageTracer::Sink sink;
};
TracerState& State() {
    static TracerState state;
    return state;
}

struct NamedMessage {
    UINT number;
    const char* name;
};

#define PIXA_MSG(m) {m, #m}
constexpr NamedMessage kNames[] = {
    PIXA_MSG(WM_CREATE), PIXA_MSG(WM_DESTROY), PIXA_MSG(WM_MOVE), PIXA_MSG(WM_SIZE), PIXA_MSG(WM_ACTIVATE),
    PIXA_MSG(WM_SETFOCUS), PIXA_MSG(WM_KILLFOCUS), PIXA_MSG(WM_ENABLE), PIXA_MSG(WM_SETTEXT), PIXA_MSG(WM_GETTEXT),
    PIXA_MSG(WM_PAINT), PIXA_MSG(WM_CLOSE), PIXA_MSG(WM_QUERYENDSESSION), PIXA_MSG(WM_QUIT), PIXA_MSG(WM_ERASEBKGND),
    PIXA_MSG(WM_SHOWWINDOW), PIXA_MSG(WM_ACTIVATEAPP), PIXA_MSG(WM_SETCURSOR), PIXA_MSG(WM_MOUSEACTIVATE),
    PIXA_MSG(WM_GETMINMAXINFO), PIXA_MSG(WM_DRAWITEM), PIXA_MSG(WM_MEASUREITEM), PIXA_MSG(WM_SETFONT),
    PIXA_MSG(WM_GETFONT), PIXA_MSG(WM_QUERYDRAGICON), PIXA_MSG(WM_WINDOWPOSCHANGING), PIXA_MSG(WM_WINDOWPOSCHANGED),
    PIXA_MSG(WM_NOTIFY), PIXA_MSG(WM_HELP), PIXA_MSG(WM_SETICON), PIXA_MSG(WM_NCCREATE), PIXA_MSG(WM_NCDESTROY),
    PIXA_MSG(WM_NCCALCSIZE), PIXA_MSG(WM_NCHITTEST), PIXA_MSG(WM_NCPAINT), PIXA_MSG(WM_NCACTIVATE),
    PIXA_MSG(WM_GETDLGCODE), PIXA_MSG(WM_NCMOUSEMOVE), PIXA_MSG(WM_NCLBUTTONDOWN), PIXA_MSG(WM_KEYDOWN),
    PIXA_MSG(WM_KEYUP), PIXA_MSG(WM_CHAR), PIXA_MSG(WM_SYSKEYDOWN), PIXA_MSG(WM_SYSKEYUP), PIXA_MSG(WM_SYSCHAR),
    PIXA_MSG(WM_INITDIALOG), PIXA_MSG(WM_COMMAND), PIXA_MSG(WM_SYSCOMMAND), PIXA_MSG(WM_TIMER), PIXA_MSG(WM_HSCROLL),
    PIXA_MSG(WM_VSCROLL), PIXA_MSG(WM_INITMENU), PIXA_MSG(WM_INITMENUPOPUP), PIXA_MSG(WM_MENUSELECT),
    PIXA_MSG(WM_MENUCHAR), PIXA_MSG(WM_ENTERIDLE), PIXA_MSG(WM_CTLCOLOREDIT), PIXA_MSG(WM_CTLCOLORLISTBOX),
    PIXA_MSG(WM_CTLCOLORBTN), PIXA_MSG(WM_CTLCOLORDLG), PIXA_MSG(WM_CTLCOLORSTATIC), PIXA_MSG(WM_MOUSEMOVE),
    PIXA_MSG(WM_LBUTTONDOWN), PIXA_MSG(WM_LBUTTONUP), PIXA_MSG(WM_LBUTTONDBLCLK), PIXA_MSG(WM_RBUTTONDOWN),
    PIXA_MSG(WM_RBUTTONUP), PIXA_MSG(WM_MBUTTONDOWN), PIXA_MSG(WM_MBUTTONUP), PIXA_MSG(WM_MOUSEWHEEL),
    PIXA_MSG(WM_CAPTURECHANGED), PIXA_MSG(WM_DROPFILES), PIXA_MSG(WM_QUERYNEWPALETTE), PIXA_MSG(WM_PALETTECHANGED),
    PIXA_MSG(DM_GETDEFID), PIXA_MSG(XM_CLICK), PIXA_MSG(XM_SCROLLUP), PIXA_MSG(XM_SCROLLDOWN),
    PIXA_MSG(XM_SCROLLPGUP), PIXA_MSG(XM_SCROLLPGDN), PIXA_MSG(XM_CHANGE), PIXA_MSG(XM_COLOR),
    PIXA_MSG(XM_DRAWITEM), PIXA_MSG(XM_LOSTFOCUS), PIXA_MSG(XM_THUMBPOS), PIXA_MSG(XM_HELPF1),
    PIXA_MSG(XM_THUMBTRACK), PIXA_MSG(XM_DROPOVER), PIXA_MSG(XM_CHANGEFOCUS), PIXA_MSG(XM_ASYNCSELECT),
    PIXA_MSG(XM_CLOSEUP), PIXA_MSG(XM_TASKBAR)};
#undef PIXA_MSG
}  // namespace

void MessageTracer::Enable(bool on, Sink sink) {
    State().on = on;
    State().sink = std::move(sink);
}

bool MessageTracer::Enabled() { return State().on; }

std::string MessageTracer::MessageName(UINT nMsg) {
    for (auto& m : kNames)
        if (m.number == nMsg) return m.name;
    char text[16];
    std::snprintf(text, sizeof text, "0x%04X", nMsg);
    return text;
}

void MessageTracer::Trace(const TWindow& window, UINT nMsg, WPARAM nWParam, LPARAM nLParam) {
    if (!State().on) return;
    char line[256];
    std::snprintf(line, sizeof line, "%s %p id %d: %s wParam %llX lParam %llX", window.ClassName().c_str(),
                  static_cast<void*>(window.hWnd), window.nId, MessageName(nMsg).c_str(),
                  static_cast<unsigned long long>(nWParam), static_cast<unsigned long long>(nLParam));
    if (State().sink)
        State().sink(line);
    else
        OutputDebugStringA((std::string(line) + "\n").c_str());
}

}  // namespace pixa::window
