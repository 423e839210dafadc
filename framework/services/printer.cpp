#include "framework/services/printer.h"

#include <commdlg.h>

#include <algorithm>

#include "runtime/frame.h"
#include "framework/services/message_box.h"
#include "framework/services/printer_setup.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
constexpr std::size_t kJobNameMax = 31;

std::shared_ptr<TPrinter>& Current() {
    static std::shared_ptr<TPrinter> current;
    return current;
}


// The print dialog; on OK the setup takes the chosen printer. The context, or null.
// Without any printer there is nothing to choose from: no dialog.
HDC ChoosePrinter(std::string& model, bool& noPrinter) {
    PrinterSetup& setup = PrinterSetup::Instance();
    noPrinter = !setup.Ready();
    if (noPrinter) return nullptr;
    PRINTDLGA pd{};
    pd.lStructSize = sizeof pd;
    pd.hwndOwner = GetActiveWindow();
    pd.hDevMode = setup.DevMode();
    pd.hDevNames = setup.DevNames();
    pd.Flags = PD_NOSELECTION | PD_RETURNDC | PD_USEDEVMODECOPIESANDCOLLATE | PD_HIDEPRINTTOFILE;
    pd.nCopies = 1;
    BOOL chosen = PrintDlgA(&pd);
    // The dialog may have replaced the records it was given; the setup owns whatever it holds now.
    setup.Take(pd.hDevMode, pd.hDevNames);
    if (!chosen) return nullptr;
    model = setup.Model();
    return pd.hDC;
}
}  // namespace

std::shared_ptr<TPrinter> TPrinter::New(const PrinterNew& a) {
    Frame frame("TPrinter:New");
    auto printer = std::make_shared<TPrinter>();
    PrinterSetup& setup = PrinterSetup::Instance();
    bool noPrinter = false;
    if (a.lUser) {
        printer->hDC = ChoosePrinter(printer->cModel, noPrinter);
    } else if (setup.Ready()) {
        printer->hDC = setup.CreateContext();
        printer->cModel = setup.Model();
    } else {
        noPrinter = true;
    }
    if (printer->hDC) {
        printer->nXOffset = GetDeviceCaps(printer->hDC, PHYSICALOFFSETX);
        printer->nYOffset = GetDeviceCaps(printer->hDC, PHYSICALOFFSETY);
        printer->nOrient = setup.Orientation();
    } else if (noPrinter || CommDlgExtendedError() != 0) {
        // A cancelled dialog reports no error; a missing printer does.
        MsgStop("There are not installed printers!\r\nPlease exit this application and install a printer");
    }
    printer->cDocument = a.cDocument;
    printer->lMeta = a.lPreview;
    printer->lPrvModal = a.lModal;
    printer->hDCOut = printer->hDC;
    return printer;
}

TPrinter::~TPrinter() { End(); }

int TPrinter::nVertRes() const { return hDC ? GetDeviceCaps(hDC, VERTRES) : 0; }
int TPrinter::nHorzRes() const { return hDC ? GetDeviceCaps(hDC, HORZRES) : 0; }

void TPrinter::StartPage() {
    if (!hDC) return;
    if (!lStarted) {
        std::string name = cDocument.substr(0, kJobNameMax);
        DOCINFOA info{};
        info.cbSize = sizeof info;
        info.lpszDocName = name.c_str();
        lStarted = StartDocA(hDC, &info) > 0;
        Check(lStarted);
    }
    ++nPage;
    Check(::StartPage(hDC) > 0);
}

void TPrinter::EndPage() {
    if (hDC) Check(::EndPage(hDC) > 0);
}

void TPrinter::Check(bool succeeded) {
    if (!succeeded) lFailed = true;
}

void TPrinter::Say(const PrinterSay& a) {
    if (!hDC) return;
    std::shared_ptr<TFont> font = a.oFont ? a.oFont : oFont;
    HGDIOBJ previous = font && font->hFont ? SelectObject(hDCOut, font->hFont) : nullptr;
    SetBkMode(hDCOut, a.nBkMode);
    if (a.nClrText) SetTextColor(hDCOut, *a.nClrText);
    int pad = a.nPad.value_or(nPad);
    int length = static_cast<int>(a.cText.size());
    if (!a.nWidth) {
        SIZE size{};
        GetTextExtentPoint32A(hDCOut, a.cText.c_str(), length, &size);
        int col = a.nCol - (pad == 1 ? size.cx : pad == 2 ? size.cx / 2 : 0);
        SetTextAlign(hDCOut, TA_LEFT | TA_TOP);
        Check(TextOutA(hDCOut, std::max(col, 0), a.nRow, a.cText.c_str(), length));
    } else {
        TEXTMETRICA metrics{};
        GetTextMetricsA(hDCOut, &metrics);
        RECT clip{a.nCol, a.nRow, a.nCol + *a.nWidth, a.nRow + metrics.tmHeight};
        UINT align = pad == 1 ? TA_RIGHT : pad == 2 ? TA_CENTER : TA_LEFT;
        int x = pad == 1 ? clip.right : pad == 2 ? a.nCol + *a.nWidth / 2 : a.nCol;
        SetTextAlign(hDCOut, align | TA_TOP);
        Check(ExtTextOutA(hDCOut, x, a.nRow, ETO_CLIPPED, &clip, a.cText.c_str(), static_cast<UINT>(length), nullptr));
    }
    if (previous) SelectObject(hDCOut, previous);
}

bool TPrinter::End() {
    bool printed = false;
    if (hDC) {
        // The spooler hands the job to the port at the end: only then is it known to be out.
        if (lStarted) Check(EndDoc(hDC) > 0);
        printed = lStarted && !lFailed;
        lStarted = false;
        PrinterSetup::Instance().SetOrientation(nOrient);
        DeleteDC(hDC);
        hDC = hDCOut = nullptr;
    }
    if (oFont) {
        oFont->End();
        oFont.reset();
    }
    return printed;
}

std::shared_ptr<TPrinter> PrintBegin(const PrinterNew& args) {
    Current() = TPrinter::New(args);
    return Current();
}

void PageBegin() {
    if (Current()) Current()->StartPage();
}

void PageEnd() {
    if (Current()) Current()->EndPage();
}

bool PrintEnd() {
    bool printed = Current() && Current()->End();
    Current().reset();
    return printed;
}

std::shared_ptr<TPrinter> CurrentPrinter() { return Current(); }

}  // namespace pixa::services
