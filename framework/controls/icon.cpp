#include "framework/controls/icon.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

namespace {

// Icons are shown as the small caption icon: load the image made for that size
// (or let the platform scale the nearest one once, at load time).
int CaptionSize() { return GetSystemMetrics(SM_CXSMICON); }

}  // namespace

IconRef TIcon::New(const Params& params) {
    IconRef icon(new TIcon());
    icon->nTop = params.nRow * 14;
    icon->nLeft = params.nCol * 8;
    icon->nBottom = icon->nTop + 31;
    icon->nRight = icon->nLeft + 31;
    icon->bLClicked = params.bClick;
    if (!params.cIcoFile.empty())
        icon->SetFile(params.cIcoFile);
    else
        icon->SetName(params.cResName);
    return icon;
}

TIcon::~TIcon() { End(); }

void TIcon::End() {
    if (hIcon) DestroyIcon(hIcon);
    hIcon = nullptr;
}

void TIcon::SetName(const std::string& resName) {
    End();
    cResName = resName;
    if (!resName.empty())
        hIcon = static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), resName.c_str(), IMAGE_ICON, CaptionSize(),
                                              CaptionSize(), 0));
}

void TIcon::SetFile(const std::string& icoFile) {
    End();
    cIcoFile = icoFile;
    hIcon = static_cast<HICON>(
        LoadImageA(nullptr, icoFile.c_str(), IMAGE_ICON, CaptionSize(), CaptionSize(), LR_LOADFROMFILE));
}

}  // namespace pixa::controls
