#include "framework/controls/dib.h"
#include "framework/controls/namespace.h"

#include <fstream>
#include <iterator>
#include <utility>
#include <vector>

namespace pixa::controls {

namespace {

// A logical palette holding the colour table that follows a bitmap info header.
HPALETTE PaletteOf(const BITMAPINFOHEADER* header) {
    if (!header || header->biBitCount > 8) return nullptr;
    int colours = header->biClrUsed ? static_cast<int>(header->biClrUsed) : 1 << header->biBitCount;
    const RGBQUAD* table = reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const BYTE*>(header) + header->biSize);
    std::vector<BYTE> buffer(sizeof(LOGPALETTE) + colours * sizeof(PALETTEENTRY));
    auto* palette = reinterpret_cast<LOGPALETTE*>(buffer.data());
    palette->palVersion = 0x300;
    palette->palNumEntries = static_cast<WORD>(colours);
    for (int i = 0; i < colours; ++i)
        palette->palPalEntry[i] = {table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue, 0};
    return CreatePalette(palette);
}

}  // namespace

Dib& Dib::operator=(Dib&& other) noexcept {
    if (this != &other) {
        Free();
        hBitmap_ = std::exchange(other.hBitmap_, nullptr);
        hPalette_ = std::exchange(other.hPalette_, nullptr);
        width_ = std::exchange(other.width_, 0);
        height_ = std::exchange(other.height_, 0);
    }
    return *this;
}

void Dib::Free() {
    if (hBitmap_) DeleteObject(hBitmap_);
    if (hPalette_) DeleteObject(hPalette_);
    hBitmap_ = nullptr;
    hPalette_ = nullptr;
    width_ = height_ = 0;
}

void Dib::Adopt(HBITMAP bitmap, const BITMAPINFOHEADER* header) {
    Free();
    if (!bitmap) return;
    hBitmap_ = bitmap;
    hPalette_ = PaletteOf(header);
    BITMAP bm{};
    GetObjectA(bitmap, sizeof bm, &bm);
    width_ = bm.bmWidth;
    height_ = bm.bmHeight;
}

bool Dib::LoadResource(const std::string& name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC found = FindResourceA(module, name.c_str(), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!found) {
        Free();
        return false;
    }
    auto header = static_cast<const BITMAPINFOHEADER*>(LockResource(::LoadResource(module, found)));
    Adopt(static_cast<HBITMAP>(LoadImageA(module, name.c_str(), IMAGE_BITMAP, 0, 0, 0)), header);
    return hBitmap_ != nullptr;
}

bool Dib::LoadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || bytes[0] != 'B' || bytes[1] != 'M') {
        Free();
        return false;
    }
    auto header = reinterpret_cast<const BITMAPINFOHEADER*>(bytes.data() + sizeof(BITMAPFILEHEADER));
    Adopt(static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)), header);
    return hBitmap_ != nullptr;
}

void Dib::Draw(HDC hDC, int x, int y, std::optional<int> width, std::optional<int> height,
               std::optional<COLORREF> transparent) const {
    if (!hBitmap_) return;
    HPALETTE oldPalette = nullptr;
    if (hPalette_) {
        oldPalette = SelectPalette(hDC, hPalette_, FALSE);
        RealizePalette(hDC);
    }
    HDC memory = CreateCompatibleDC(hDC);
    HGDIOBJ old = SelectObject(memory, hBitmap_);
    int w = width.value_or(width_), h = height.value_or(height_);
    if (transparent) {
        TransparentBlt(hDC, x, y, w, h, memory, 0, 0, width_, height_, *transparent);
    } else if (w == width_ && h == height_) {
        BitBlt(hDC, x, y, w, h, memory, 0, 0, SRCCOPY);
    } else {
        int oldMode = SetStretchBltMode(hDC, HALFTONE);
        StretchBlt(hDC, x, y, w, h, memory, 0, 0, width_, height_, SRCCOPY);
        SetStretchBltMode(hDC, oldMode);
    }
    SelectObject(memory, old);
    DeleteDC(memory);
    if (oldPalette) SelectPalette(hDC, oldPalette, FALSE);
}

}  // namespace pixa::controls
