#pragma once
// The pictures a browse draws in its cells, each prepared once for masked drawing:
// a monochrome mask made from the colour of the picture's top-left pixel, and a copy
// of the picture with that colour turned black. Drawing is then two plain blits.
// Owns every platform object it makes; the pictures themselves stay the owner's.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/services/namespace.h"

namespace pixa::services {

class BrowsePictures {
public:
    BrowsePictures() = default;
    ~BrowsePictures();
    BrowsePictures(const BrowsePictures&) = delete;
    BrowsePictures& operator=(const BrowsePictures&) = delete;

    // Draws the picture at (x, y) with its top-left pixel's colour left out, cut to
    // width × height. Does nothing for a handle that is no bitmap.
    void Draw(HDC hDC, HBITMAP hBitmap, int x, int y, int width, int height);
    // Forgets every prepared picture.
    void Clear();

private:
    struct Prepared {
        HBITMAP source = nullptr;
        int width = 0, height = 0;
        HDC maskDC = nullptr, imageDC = nullptr;
        HBITMAP mask = nullptr, image = nullptr;
        HGDIOBJ oldMask = nullptr, oldImage = nullptr;
    };
    const Prepared* Find(HDC hDC, HBITMAP hBitmap);
    static void Free(Prepared& picture);
    std::vector<Prepared> prepared_;
};

}  // namespace pixa::services
