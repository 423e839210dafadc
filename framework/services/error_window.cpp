// The error dialog: description, stack list, the framework's logo and the
// Quit / Retry / Default buttons in the layout their number asks for.
#include <windows.h>

#include <memory>

#include "framework/controls/button.h"
#include "framework/controls/list_box.h"
#include "framework/controls/say.h"
#include "framework/services/error_dialog.h"
#include "framework/window/dialog.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
// The framework's logo: drawn once into a bitmap of its own, deleted with the object.
class Logo {
public:
    static constexpr int kSize = 32;
    Logo() {
        HDC screen = GetDC(nullptr);
        memory_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, kSize, kSize);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(memory_, bitmap_);
        RECT all{0, 0, kSize, kSize};
        HBRUSH navy = CreateSolidBrush(RGB(0, 0, 128));
        FillRect(memory_, &all, navy);
        DeleteObject(navy);
        HFONT font = CreateFontA(-26, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET, 0, 0, 0, 0, "Times New Roman");
        HGDIOBJ oldFont = SelectObject(memory_, font);
        SetBkMode(memory_, TRANSPARENT);
        SetTextColor(memory_, RGB(255, 255, 0));
        DrawTextA(memory_, "V", 1, &all, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        SelectObject(memory_, oldFont);
        DeleteObject(font);
    }
    ~Logo() {
        SelectObject(memory_, old_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
    }
    Logo(const Logo&) = delete;
    Logo& operator=(const Logo&) = delete;
    void Draw(HDC target, int x, int y) const { BitBlt(target, x, y, kSize, kSize, memory_, 0, 0, SRCCOPY); }

private:
    HDC memory_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

struct ButtonPlace {
    int quit, retry, deflt;  // columns; 0: the button is absent
    bool quitDefault;
};

ButtonPlace PlaceButtons(bool canRetry, bool canDefault) {
    if (canRetry && canDefault) return {60, 13, 108, true};
    if (canRetry) return {37, 82, 0, false};
    if (canDefault) return {37, 0, 108, false};
    return {60, 0, 0, true};
}

bool IsNtFamily() {
    OSVERSIONINFOA version{};
    version.dwOSVersionInfoSize = sizeof version;
    return GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

Action Fixed(std::string text) {
    return Action([text = std::move(text)](const Args&) { return Value(text); });
}
}  // namespace

ErrorChoice ShowErrorDialog(const ErrorDialogContent& content) {
    const bool nt = IsNtFamily();
    auto dlg = TDialog::New({.cCaption = "Velmora for Tamsell", .lPixel = true, .nWidth = 300, .nHeight = nt ? 250 : 200});
    auto choice = std::make_shared<ErrorChoice>(ErrorChoice::None);

    // The message is already Windows-1252 (file names with umlauts): shown as it is.
    std::string description = content.description;
    if (!content.logWritten) description += "(Error.log could not be written)";
    auto text = TSay::New({.nRow = 3, .nCol = 22, .bText = Fixed(description), .oWnd = dlg, .lCentered = true,
                           .lPixel = true, .nWidth = 127, .nHeight = 23});
    text->nStyle |= SS_NOPREFIX;  // "&" in a file name is a plain character here
    TSay::New({.nRow = 24, .nCol = 6, .bText = Fixed("&Stack List"), .oWnd = dlg, .lPixel = true, .nWidth = 60,
               .nHeight = 8});
    TSay::New({.nRow = 24, .nCol = 106, .bText = Fixed(content.logWritten ? "See Error.log file" : "Error.log not written"),
               .oWnd = dlg, .lPixel = true, .nWidth = 60, .nHeight = 8});
    TListBox::New({.nRow = 33, .nCol = 3, .aItems = content.stack, .nWidth = 145, .nHeight = nt ? 78 : 60, .oWnd = dlg,
                   .lPixel = true});

    const int row = nt ? 112 : 88;
    ButtonPlace place = PlaceButtons(content.canRetry, content.canDefault);
    auto button = [&](int col, const char* caption, ErrorChoice result, bool isDefault) {
        std::weak_ptr<TDialog> weak = dlg;
        TButton::New({.nRow = row, .nCol = col, .cCaption = caption, .oWnd = dlg,
                      .bAction = Action([weak, choice, result](const Args&) {
                          *choice = result;
                          if (auto d = weak.lock()) d->End(1);
                          return Value();
                      }),
                      .nWidth = 30, .nHeight = 11, .lDefault = isDefault, .lPixel = true});
    };
    button(place.quit, "&Quit", ErrorChoice::None, place.quitDefault);
    if (place.retry) button(place.retry, "&Retry", ErrorChoice::Retry, false);
    if (place.deflt) button(place.deflt, "&Default", ErrorChoice::Default, false);

    auto logo = std::make_shared<Logo>();
    dlg->Activate({.bPainted = Action([logo](const Args& args) {
                       logo->Draw(reinterpret_cast<HDC>(static_cast<INT_PTR>(args[0].AsInteger())), 6, 6);
                       return Value();
                   }),
                   .lCentered = true});
    return *choice;
}

}  // namespace pixa::services
