#pragma once
// A picture loaded from a bitmap resource of the program or a .bmp file: the
// bitmap converted for the screen and a palette built from its colour table.
// Owns both platform objects.
#include <windows.h>

#include <optional>
#include <string>

#include "framework/controls/namespace.h"

namespace pixa::controls {

class Dib {
public:
    Dib() = default;
    ~Dib() { Free(); }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;
    Dib(Dib&& other) noexcept { *this = std::move(other); }
    Dib& operator=(Dib&& other) noexcept;

    // Loads the program's bitmap resource of that name; false (and nothing held) when missing.
    bool LoadResource(const std::string& name);
    // Loads a .bmp file; false (and nothing held) when it cannot be read.
    bool LoadFile(const std::string& path);
    // Frees the bitmap and the palette.
    void Free();

    // True while a bitmap is held.
    explicit operator bool() const { return hBitmap_ != nullptr; }
    // The platform bitmap.
    HBITMAP Bitmap() const { return hBitmap_; }
    // The palette from the colour table; null for true-colour pictures.
    HPALETTE Palette() const { return hPalette_; }
    // Picture width in pixels (0 without a picture).
    int Width() const { return width_; }
    // Picture height in pixels (0 without a picture).
    int Height() const { return height_; }

    // Draws the picture at (x, y) in the given size (its own size when absent);
    // pixels of the transparent colour are left unpainted when one is given.
    void Draw(HDC hDC, int x, int y, std::optional<int> width = {}, std::optional<int> height = {},
              std::optional<COLORREF> transparent = {}) const;

private:
    void Adopt(HBITMAP bitmap, const BITMAPINFOHEADER* header);
    HBITMAP hBitmap_ = nullptr;
    HPALETTE hPalette_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace pixa::controls
