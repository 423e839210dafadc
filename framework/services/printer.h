#pragma once
// Printing text pages on a printer's device context. A TPrinter holds one job;
// PrintBegin / PageBegin / PageEnd / PrintEnd drive the one current job. A printer
// without a device context (none installed, or the user cancelled the print
// dialog) accepts every call and does nothing.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "framework/window/font.h"
#include "runtime/value.h"
#include "framework/services/namespace.h"

namespace pixa::services {

// TPrinter::New and PrintBegin, 5 positions.
struct PrinterNew {
    std::string cDocument = "Velmora Report";  // 1 job name in the print queue
    bool lUser = false;                        // 2 the user chooses the printer in the print dialog
    bool lPreview = false;                     // 3 preview (not supported: prints directly)
    std::string cModel{};                        // 4 printer model (not used: the setup's printer)
    bool lModal = false;                       // 5 modal preview
};

// TPrinter::Say, 8 positions.
struct PrinterSay {
    int nRow = 0;                            // 1 y in device pixels
    int nCol = 0;                            // 2 x in device pixels
    std::string cText{};                       // 3 text
    std::shared_ptr<TFont> oFont{};            // 4 font; the printer's, else the context's own
    std::optional<int> nWidth{};               // 5 clip to this width
    std::optional<COLORREF> nClrText{};        // 6 text colour
    int nBkMode = TRANSPARENT;               // 7 background mode
    std::optional<int> nPad{};                 // 8 0 left, 1 right, 2 centred; the printer's
};

class TPrinter : public Object {
public:
    std::shared_ptr<TFont> oFont;  // the job's font, or none
    HDC hDC = nullptr;             // printer device context; null when there is none
    HDC hDCOut = nullptr;          // the context drawn on
    std::string cDocument;         // job name
    std::string cModel;            // model, driver and port joined by commas
    int nPage = 0;                 // pages begun
    int nXOffset = 0, nYOffset = 0;  // physical offsets of the printable area
    int nPad = 0;                  // default alignment: 0 left, 1 right, 2 centred
    int nOrient = 1;               // orientation when the job was set up: 1 portrait
    bool lMeta = false;            // preview
    bool lStarted = false;         // the document has been started
    bool lFailed = false;          // a step of the job failed in the driver or the spooler
    bool lModified = false;
    bool lPrvModal = false;

    // Sets up a job (5 positions, see PrinterNew).
    static std::shared_ptr<TPrinter> New(const PrinterNew& args = {});
    ~TPrinter() override;
    TPrinter() = default;
    TPrinter(const TPrinter&) = delete;
    TPrinter& operator=(const TPrinter&) = delete;
    // "TPRINTER".
    std::string ClassName() const override { return "TPRINTER"; }

    // Printable height and width in device pixels; 0 without a context.
    int nVertRes() const;
    int nHorzRes() const;
    // Begins a page; the first one starts the document (job name cut to 31 characters).
    void StartPage();
    // Ends the page.
    void EndPage();
    // Draws text (8 positions, see PrinterSay).
    void Say(const PrinterSay& args);
    // Ends the document if started, restores the setup's orientation, releases the context.
    // True when the job was printed: started, and every step of it succeeded.
    bool End();

private:
    // Notes a failed step: the job then does not count as printed.
    void Check(bool succeeded);
};

// Makes a printer the current job and returns it.
std::shared_ptr<TPrinter> PrintBegin(const PrinterNew& args = {});
// StartPage of the current job.
void PageBegin();
// EndPage of the current job.
void PageEnd();
// Ends the current job; then there is none. True when it was printed (see TPrinter::End).
bool PrintEnd();
// The current job, or null.
std::shared_ptr<TPrinter> CurrentPrinter();

}  // namespace pixa::services
