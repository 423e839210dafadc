#include "framework/controls/bitmap.h"

#include <algorithm>

#include "framework/controls/control_setup.h"
#include "framework/controls/cursor.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

std::shared_ptr<TBitmap> TBitmap::New(const BitmapNew& a) {
    auto bitmap = std::make_shared<TBitmap>();
    auto parent = DefaultParent(a.oWnd);
    bitmap->lStretch = a.lStretch;
    bitmap->LoadImage(a.cResName, a.cBmpFile);
    bool named = !a.cResName.empty() || !a.cBmpFile.empty();
    int parentWidth = parent ? parent->TWindow::nWidth() : 100;
    int parentHeight = parent ? parent->TWindow::nHeight() : 100;
    int width = a.nWidth.value_or(named ? std::min(bitmap->dib_.Width(), parentWidth) : 100);
    int height = a.nHeight.value_or(named ? std::min(bitmap->dib_.Height(), parentHeight) : 100);
    bitmap->TWindow::nTop = a.lPixel ? a.nTop : a.nTop * 14;
    bitmap->TWindow::nLeft = a.lPixel ? a.nLeft : a.nLeft * 8;
    bitmap->nBottom = bitmap->TWindow::nTop + height - 1;
    bitmap->nRight = bitmap->TWindow::nLeft + width - 1;

    DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_GROUP;
    if (!a.lNoBorder) style |= WS_BORDER;
    if (a.lScroll) style |= WS_VSCROLL | WS_HSCROLL;
    bitmap->nStyle = style;
    TakeCommonArgs(*bitmap, a);
    bitmap->bLClicked = a.bLClicked;
    bitmap->bRClicked = a.bRClicked;
    bitmap->lScroll = a.lScroll;
    bitmap->SetColor(ColourArg(static_cast<std::uint32_t>(GetSysColor(COLOR_WINDOWTEXT))),
                     static_cast<std::uint32_t>(GetSysColor(COLOR_BTNFACE)));
    if (!a.cBmpFile.empty()) bitmap->cBmpFile = a.cBmpFile;
    bitmap->oCursor = a.oCursor;
    bitmap->Register(CS_VREDRAW | CS_HREDRAW);
    bitmap->Attach(parent, "TBITMAP");
    if (bitmap->hWnd) bitmap->Default();
    return bitmap;
}

std::shared_ptr<TBitmap> TBitmap::Define(const std::string& resName, const std::string& bmpFile,
                                         const std::shared_ptr<TWindow>& oWnd) {
    auto bitmap = std::make_shared<TBitmap>();
    bitmap->oWnd = oWnd;
    bitmap->LoadImage(resName, bmpFile);
    return bitmap;
}

bool TBitmap::LoadImage(const std::string& resName, const std::string& bmpFile) {
    std::string res = resName.empty() && bmpFile.empty() ? cResName : resName;
    std::string file = resName.empty() && bmpFile.empty() ? cBmpFile : bmpFile;
    Dib loaded;
    bool ok = !res.empty() ? loaded.LoadResource(res) : (!file.empty() && loaded.LoadFile(file));
    if (!ok) return false;
    cResName = res;
    cBmpFile = file;
    dib_ = std::move(loaded);
    return true;
}

bool TBitmap::ReLoad(const std::string& resName, const std::string& bmpFile) {
    bool ok = LoadImage(resName, bmpFile);
    nX = nY = 0;
    if (hWnd) Refresh();
    return ok;
}

void TBitmap::Center() {
    if (!hWnd) return;
    RECT rc;
    GetClientRect(hWnd, &rc);
    nX = (rc.right - nWidth()) / 2;
    nY = (rc.bottom - nHeight()) / 2;
    Refresh();
}

void TBitmap::Draw(HDC hDC, int x, int y) const {
    std::optional<COLORREF> transparent;
    if (lTransparent && dib_) {
        HDC memory = CreateCompatibleDC(hDC);
        HGDIOBJ old = SelectObject(memory, dib_.Bitmap());
        transparent = GetPixel(memory, 0, 0);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    dib_.Draw(hDC, x, y, dib_.Width() * nZoom, dib_.Height() * nZoom, transparent);
}

void TBitmap::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    Default();
}

// Owner-painted: the window's painting bracket around Paint, not the standard control's none.
MsgResult TBitmap::Display() { return TWindow::Display(); }

MsgResult TBitmap::Paint() {
    if (!dib_ && !cBmpFile.empty()) LoadImage({}, cBmpFile);
    if (dib_ && hDC) {
        if (lStretch) {
            RECT rc;
            GetClientRect(hWnd, &rc);
            dib_.Draw(hDC, nX, nY, rc.right, rc.bottom);
        } else if (nZoom > 0) {
            Draw(hDC, nX, nY);
        }
    }
    if (bPainted) bPainted.Call(Handle(hDC));
    return std::nullopt;
}

MsgResult TBitmap::Destroy() {
    dib_.Free();
    return TControl::Destroy();
}

bool TBitmap::End() {
    if (!hWnd) {
        dib_.Free();
        return true;
    }
    return TControl::End();
}

}  // namespace pixa::controls
