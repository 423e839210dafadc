#include "platform/clipboard.h"

#include <algorithm>

namespace pixa::platform {

namespace {
// Opened for one call, closed on every way out.
class OpenedClipboard {
public:
    explicit OpenedClipboard(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
    ~OpenedClipboard() {
        if (open_) CloseClipboard();
    }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;
    explicit operator bool() const { return open_; }

private:
    bool open_;
};
}  // namespace

std::optional<std::string> ClipboardText(HWND owner) {
    OpenedClipboard clipboard(owner);
    if (!clipboard) return std::nullopt;
    std::string text;
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        if (auto chars = static_cast<const char*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    return text;
}

bool PutClipboardText(HWND owner, const std::string& text) {
    OpenedClipboard clipboard(owner);
    if (!clipboard) return false;
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    auto* chars = memory ? static_cast<char*>(GlobalLock(memory)) : nullptr;
    if (!chars) {
        if (memory) GlobalFree(memory);
        return false;
    }
    std::copy(text.c_str(), text.c_str() + text.size() + 1, chars);
    GlobalUnlock(memory);
    if (SetClipboardData(CF_TEXT, memory)) return true;
    GlobalFree(memory);
    return false;
}

}  // namespace pixa::platform
