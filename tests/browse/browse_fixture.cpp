#include "tests/browse/browse_fixture.h"
#include "tests/support/layers.h"

namespace pixa::test {

Pixels Snapshot(HWND hWnd) {
    Pump();
    RECT rc;
    GetClientRect(hWnd, &rc);
    Pixels shot{rc.right, rc.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = shot.width;
    info.bmiHeader.biHeight = -shot.height;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(hWnd);
    HBITMAP dib = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC memory = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(memory, dib);
    BitBlt(memory, 0, 0, shot.width, shot.height, screen, 0, 0, SRCCOPY);
    GdiFlush();
    auto* quad = static_cast<const RGBQUAD*>(bits);
    for (int i = 0; i < shot.width * shot.height; ++i)
        shot.data.push_back(RGB(quad[i].rgbRed, quad[i].rgbGreen, quad[i].rgbBlue));
    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(dib);
    ReleaseDC(hWnd, screen);
    return shot;
}

void Mouse(HWND hWnd, UINT message, int x, int y, WPARAM keys) {
    PostMessageA(hWnd, message, keys, MAKELPARAM(x, y));
    Pump();
}

}  // namespace pixa::test
