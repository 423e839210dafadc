#pragma once
// An icon from the program's resources or from an icon file, held for a window's
// caption. The program only uses icons without a window of their own.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "framework/window/window_resources.h"
#include "runtime/value.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TIcon;
using IconRef = std::shared_ptr<TIcon>;

class TIcon : public Object, public WindowIcon {
public:
    // The construction arguments, in their positional order (1, 2, 5 to 11 are kept for a
    // windowed icon, which the program does not use).
    struct Params {
        int nRow = 0;                 // row (× 14 pixels)
        int nCol = 0;                 // column (× 8 pixels)
        std::string cResName{};         // icon resource of the program
        std::string cIcoFile{};         // icon file; wins when not empty
        bool lBorder = false;         // framed
        Action bClick{};                // click action (stored as bLClicked)
        Value oWnd{};                   // parent; none for a plain icon holder
        bool lUpdate = false;         // refreshed with its dialog
        Action bWhen{};                 // enabling condition
        std::optional<COLORREF> nClrFore{};  // text colour
        std::optional<COLORREF> nClrBack{};  // background colour
    };

    // ======== not to be overridden ========
    // Loads the icon (from the file when one is named, else from the resource).
    static IconRef New(const Params& params);

    TIcon(const TIcon&) = delete;
    TIcon& operator=(const TIcon&) = delete;
    ~TIcon() override;

    // ======== may be overridden ========
    std::string ClassName() const override { return "TICON"; }
    // Destroys the platform icon (hIcon becomes empty).
    void End() override;
    // The platform icon, or null.
    HICON IconHandle() const override { return hIcon; }

    // ======== not to be overridden ========
    // Replaces the icon by the program's icon resource of that name.
    void SetName(const std::string& resName);
    // Replaces the icon by the icon in that file.
    void SetFile(const std::string& icoFile);

    std::string cIcoFile;         // icon file it came from
    std::string cResName;         // icon resource it came from
    HICON hIcon = nullptr;        // the platform icon; empty when it could not be loaded
    int nTop = 0, nLeft = 0, nBottom = 0, nRight = 0;  // the 32 x 32 place of a windowed icon
    Action bLClicked;             // click action

private:
    TIcon() = default;
};

}  // namespace pixa::controls
