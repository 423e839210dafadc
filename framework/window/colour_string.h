#pragma once
// Colour arguments: wherever a colour pair is accepted, a colour string in the
// classic text-mode notation ("N/W", "W+/B") may stand for the pair.
#include <cstdint>
#include <optional>
#include <string>

#include "runtime/colour.h"

namespace pixa::window {

// A colour argument: absent, one 24-bit colour, or a colour string giving a pair.
class ColourArg {
public:
    // No colour.
    ColourArg() = default;
    // One colour.
    ColourArg(int rgb) : rgb_(static_cast<std::uint32_t>(rgb)) {}
    // One colour.
    ColourArg(std::uint32_t rgb) : rgb_(rgb) {}
    // A colour string such as "N/W".
    ColourArg(const char* colours) : text_(colours) {}
    // A colour string such as "N/W".
    ColourArg(std::string colours) : text_(std::move(colours)) {}
    // An optional colour.
    ColourArg(std::optional<std::uint32_t> rgb) : rgb_(rgb) {}

    // Nothing given.
    bool IsAbsent() const { return !rgb_ && !text_; }
    // A colour string was given.
    bool IsString() const { return text_.has_value(); }
    // The single colour, when one was given.
    std::optional<std::uint32_t> Rgb() const { return rgb_; }
    // The pair of a colour string (black on black when no string was given).
    ColourPair Pair() const { return ParseColours(text_.value_or("")); }

private:
    std::optional<std::uint32_t> rgb_;
    std::optional<std::string> text_;
};

}  // namespace pixa::window
