#pragma once
// Background brushes, cached and shared: two requests for the same brush get one
// object whose nCount counts its holders.
// Kept small here: solid, hollow and hatched brushes; grows with the graphic resources.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace pixa {

// The positional arguments of TBrush::New.
struct BrushNew {
    std::string cStyle{};                   // empty: solid; "NULL": hollow; a hatch name
    std::optional<std::uint32_t> nRGBColor{};  // colour of a solid or hatched brush
    std::string cBmpFile{};               // bitmap file of a pattern brush (not supported here)
    std::string cBmpRes{};                // bitmap resource of a pattern brush (not supported here)
};

class TBrush {
public:
    HBRUSH hBrush = nullptr;    // platform brush
    HBITMAP hBitmap = nullptr;  // pattern bitmap, when any
    int nCount = 0;             // number of holders
    std::string cStyle;         // what the brush was made from
    std::optional<std::uint32_t> nRGBColor;
    std::string cBmpFile;
    std::string cBmpRes;

    // The cached brush for these values (count incremented), or a new one.
    static std::shared_ptr<TBrush> New(const BrushNew& args);
    // A solid brush of one colour.
    static std::shared_ptr<TBrush> Solid(std::uint32_t rgb) { return New({.nRGBColor = rgb}); }
    // Gives up one reference; the last one deletes the platform brush.
    void End();
    // Same as End.
    void Release() { End(); }
};

}  // namespace pixa
