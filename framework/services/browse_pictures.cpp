#include "framework/services/browse_pictures.h"
#include "framework/services/namespace.h"

#include <algorithm>

namespace pixa::services {

namespace {
// A browse shows a handful of different pictures; more than this are prepared anew.
constexpr std::size_t kKept = 16;
// Destination AND NOT source: turns the masked pixels black.
constexpr DWORD kAndNotSource = 0x00220326;
}  // namespace

BrowsePictures::~BrowsePictures() { Clear(); }

void BrowsePictures::Clear() {
    for (auto& picture : prepared_) Free(picture);
    prepared_.clear();
}

void BrowsePictures::Free(Prepared& picture) {
    if (picture.maskDC) SelectObject(picture.maskDC, picture.oldMask), DeleteDC(picture.maskDC);
    if (picture.imageDC) SelectObject(picture.imageDC, picture.oldImage), DeleteDC(picture.imageDC);
    if (picture.mask) DeleteObject(picture.mask);
    if (picture.image) DeleteObject(picture.image);
    picture = Prepared{};
}

const BrowsePictures::Prepared* BrowsePictures::Find(HDC hDC, HBITMAP hBitmap) {
    BITMAP info{};
    if (!hBitmap || !GetObjectA(hBitmap, sizeof info, &info)) return nullptr;
    for (auto& picture : prepared_)
        if (picture.source == hBitmap && picture.width == info.bmWidth && picture.height == info.bmHeight)
            return &picture;
    if (prepared_.size() >= kKept) {
        Free(prepared_.front());
        prepared_.erase(prepared_.begin());
    }
    Prepared picture{hBitmap, info.bmWidth, info.bmHeight};
    HDC sourceDC = CreateCompatibleDC(hDC);
    HGDIOBJ oldSource = SelectObject(sourceDC, hBitmap);
    picture.maskDC = CreateCompatibleDC(hDC);
    picture.imageDC = CreateCompatibleDC(hDC);
    picture.mask = CreateBitmap(info.bmWidth, info.bmHeight, 1, 1, nullptr);
    picture.image = CreateCompatibleBitmap(hDC, info.bmWidth, info.bmHeight);
    picture.oldMask = SelectObject(picture.maskDC, picture.mask);
    picture.oldImage = SelectObject(picture.imageDC, picture.image);
    // Colour to monochrome: pixels of the background colour become white (1).
    SetBkColor(sourceDC, GetPixel(sourceDC, 0, 0));
    BitBlt(picture.maskDC, 0, 0, info.bmWidth, info.bmHeight, sourceDC, 0, 0, SRCCOPY);
    BitBlt(picture.imageDC, 0, 0, info.bmWidth, info.bmHeight, sourceDC, 0, 0, SRCCOPY);
    SetBkColor(picture.imageDC, RGB(255, 255, 255));
    SetTextColor(picture.imageDC, RGB(0, 0, 0));
    BitBlt(picture.imageDC, 0, 0, info.bmWidth, info.bmHeight, picture.maskDC, 0, 0, kAndNotSource);
    SelectObject(sourceDC, oldSource);
    DeleteDC(sourceDC);
    prepared_.push_back(picture);
    return &prepared_.back();
}

void BrowsePictures::Draw(HDC hDC, HBITMAP hBitmap, int x, int y, int width, int height) {
    const Prepared* picture = Find(hDC, hBitmap);
    if (!picture) return;
    width = std::min(width, picture->width);
    height = std::min(height, picture->height);
    if (width <= 0 || height <= 0) return;
    // Monochrome to colour: white keeps the destination, black clears it for the picture.
    COLORREF oldBack = SetBkColor(hDC, RGB(255, 255, 255));
    COLORREF oldText = SetTextColor(hDC, RGB(0, 0, 0));
    BitBlt(hDC, x, y, width, height, picture->maskDC, 0, 0, SRCAND);
    BitBlt(hDC, x, y, width, height, picture->imageDC, 0, 0, SRCPAINT);
    SetTextColor(hDC, oldText);
    SetBkColor(hDC, oldBack);
}

}  // namespace pixa::services
