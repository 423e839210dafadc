#pragma once
// A debug tracer that logs every message a framework window receives, by name.
// Off by default; costs one test of a flag per message while off.
#include <windows.h>

#include <functional>
#include <string>

namespace pixa::window {

class TWindow;

class MessageTracer {
public:
    // Where trace lines go (the platform's debug output when none is set).
    using Sink = std::function<void(const std::string& line)>;
    // Turns tracing on or off; an empty sink means the debug output.
    static void Enable(bool on, Sink sink = {});
    // True while tracing.
    static bool Enabled();
    // Logs one message (called by the framework's procedures).
    static void Trace(const TWindow& window, UINT nMsg, WPARAM nWParam, LPARAM nLParam);
    // The name of a message ("WM_PAINT", "XM_CLICK"), or its number in hexadecimal.
    static std::string MessageName(UINT nMsg);
};

}  // namespace pixa::window
