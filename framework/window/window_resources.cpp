#include "framework/window/window_resources.h"

namespace pixa::window {

namespace {
class LoadedIcon : public WindowIcon {
public:
    explicit LoadedIcon(HICON icon) : icon_(icon) {}
    ~LoadedIcon() override { End(); }
    HICON IconHandle() const override { return icon_; }
    void End() override {
        if (icon_) DestroyIcon(icon_);
        icon_ = nullptr;
    }

private:
    HICON icon_;
};
}  // namespace

std::shared_ptr<WindowIcon> LoadNamedIcon(const std::string& name) {
    HICON icon = nullptr;
    if (GetFileAttributesA(name.c_str()) != INVALID_FILE_ATTRIBUTES)
        icon = static_cast<HICON>(LoadImageA(nullptr, name.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
    if (!icon) icon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), name.c_str(), IMAGE_ICON, 0, 0, 0));
    return std::make_shared<LoadedIcon>(icon);
}

HCURSOR ArrowCursor() { return LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)); }

}  // namespace pixa::window
