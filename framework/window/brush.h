#pragma once
// Background brushes, cached and shared like fonts: two requests with the same
// style, colour, bitmap file and bitmap resource share one object.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "runtime/value.h"

namespace pixa::window {

class TBrush;
using BrushRef = std::shared_ptr<TBrush>;

// The positional arguments of TBrush::New, in their order.
// arguments, in their positional order.
struct BrushNew {
    std::string cStyle{};                     // empty: solid; "NULL": hollow; or a hatch style name
    std::optional<std::uint32_t> nRGBColor{}; // colour of a solid or hatched brush
    std::string cBmpFile{};                   // bitmap file of a pattern brush
    std::string cBmpRes{};                    // bitmap resource of a pattern brush
};

class TBrush : public Object, public std::enable_shared_from_this<TBrush> {
public:

    // The shared brush for these values (a cached one when it exists).
    static BrushRef New(const BrushNew& params);
    // A solid brush of one colour (the form every window background uses).
    static BrushRef Solid(std::uint32_t colour) { return New({.nRGBColor = colour}); }
    // The brushes currently in the cache, oldest first.
    static const std::vector<BrushRef>& Cache();

    TBrush(const TBrush&) = delete;
    TBrush& operator=(const TBrush&) = delete;
    ~TBrush() override;

    std::string ClassName() const override { return "TBRUSH"; }

    // Gives up one reference; the last one deletes the platform brush.
    void End();
    // Same as End.
    void Release() { End(); }

    HBRUSH hBrush = nullptr;              // the platform brush
    HBITMAP hBitmap = nullptr;            // bitmap of a pattern brush
    int nCount = 0;                       // number of holders
    std::string cStyle;                   // what the brush was made from
    std::optional<std::uint32_t> nRGBColor;  // its colour
    std::string cBmpFile;                 // its bitmap file
    std::string cBmpRes;                  // its bitmap resource

private:
    TBrush() = default;
    void Make();
    bool lStock = false;                  // a stock object, never deleted
};

}  // namespace pixa::window
