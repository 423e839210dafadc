#pragma once
// A plain top-level window with a solid background and its own message loop,
// for use before any richer window object exists.
#include <string>

namespace pixa::platform {

struct PlainWindowParams {
    long top = 0;                    // outer rectangle in screen pixels,
    long left = 0;                   // bottom and right inclusive
    long bottom = 480;
    long right = 640;
    std::string title;               // caption text (Windows-1252)
    unsigned long background = 0;    // RGB packed red + green*256 + blue*65536
    unsigned long style = 0;         // window style bits
    std::string iconResource;        // icon resource name; the platform's default when missing
};

// Creates the window, shows it and runs the message loop until the window is destroyed.
// Returns false when the window could not be created.
bool RunPlainWindow(const PlainWindowParams& params);

}  // namespace pixa::platform
