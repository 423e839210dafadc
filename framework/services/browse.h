#pragma once
// TWBrowse: a grid of rows and columns under a header row, one row per record of a
// work area or element of an array, one cell per value that bLine yields for the
// current record. It keeps one selected row and moves it by keyboard, mouse, wheel
// and scroll bars. It holds nothing of the data: every row it draws is read from
// the source at that moment, so a table of any size costs the same.
//
// The record pointer of the source always stands on the selected record, so the
// owner's actions (bChange, bLClicked, bLDblClick) see it as the current record.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/services/browse_params.h"
#include "framework/services/browse_pictures.h"
#include "framework/services/browse_source.h"
#include "framework/window/control.h"
#include "framework/services/namespace.h"

namespace pixa::services {

class TWBrowse : public TControl {
public:
    std::string cAlias;                 // bound work area; "ARRAY" when bound to an array
    std::string cField;                 // key-range field (not supported)
    Value uValue1, uValue2;             // key-range limits (not supported)
    Action bLine;                       // yields the array of cell values of the current record
    Action bSkip;                       // (n): moves n records, yields the number moved
    Action bGoTop, bGoBottom;           // to the first / last record
    Action bLogicLen;                   // yields the number of records
    Action bAdd;                        // appends a blank record (not used)
    int nRowPos = 1;                    // screen row of the selected record (0 is the header)
    int nColPos = 1;                    // first column shown at the left edge
    long nLen = 0;                      // number of records as last counted
    long nAt = 0;                       // current element when bound to an array
    int nColAct = 1;                    // active column (cell mode, not used)
    bool lHitTop = false;               // the selection is at the first record
    bool lHitBottom = false;            // the selection is at the last record
    bool lMChange = true;               // columns may be resized with the mouse
    bool lAutoEdit = false, lAutoSkip = false;  // cell editing (not supported)
    bool lCellStyle = false;            // whole rows are selected
    std::vector<std::string> aHeaders;  // header texts, one per column
    std::vector<int> aColSizes;         // column widths in pixels
    Action bColSizes;                   // when set, yields the column widths instead
    std::uint32_t nClrBackHead = 0, nClrForeHead = 0;    // header colours (button face and text)
    std::uint32_t nClrBackFocus = 0, nClrForeFocus = 0;  // selection colours with the focus
    std::vector<bool> aJustify;         // true: the column's text is right-aligned
    std::vector<Action> aActions;       // header click actions, one per column
    int nLineStyle = 2;                 // data cell frames: 1, 2 black box, 3 raised, 4 dotted
    long nVScrollPos = 0;               // record position the vertical thumb shows

    // Grey of the selection while the browse has not the focus.
    static constexpr std::uint32_t kClrNoFocus = 8421504;

    // ======== not to be overridden ========
    // Builds a browse list (27 positions, see WBrowseNew).
    static std::shared_ptr<TWBrowse> New(const WBrowseNew& args = {});

    // Binds the whole table of cAlias (a key range is not supported).
    void SetFilter(const std::string& field = {}, const Value& value1 = {}, const Value& value2 = {});
    // Binds an array (shared, never copied) instead of a table.
    void SetArray(const ArrayRef& aArray);
    // Moves the record pointer n records; yields the number really moved.
    long Skip(long n);
    // Data rows that fit below the header (may be 0 or less for a tiny browse).
    int nRowCount() const;
    // The 1-based column under pixel x.
    int nAtCol(int x) const;
    // The column widths: aColSizes, or what bColSizes yields.
    std::vector<int> GetColSizes() const;
    // Height of one row: the font's text height + 1.
    int LineHeight() const;

    // ---- movement ----
    void GoUp();
    void GoDown();
    void GoTop();
    void GoBottom();
    void PageUp(int n = 0);    // 0: a page of nRowCount() rows
    void PageDown(int n = 0);  // 0: a page of nRowCount() rows
    void GoLeft();
    void GoRight();

    // ---- drawing ----
    // Draws a row (default the selected one) with the current record, unselected; row 0 is the header.
    void DrawLine(std::optional<int> nRow = {});
    // Draws the selected row in the focus colours, or grey without the focus.
    void DrawSelect();
    // Draws the header row, with one cell pressed when nPressed names a column.
    void DrawHeader(int nPressed = 0);

    // ---- vertical thumb ----
    // Counts the records and sets the range 1 ... min(10000, records).
    void VSetRange();
    // The range maximum.
    int VGetMax() const;
    // Shows a record position on the thumb.
    void VSetPos(long nPos);
    // The thumb position.
    int VGetPos() const;
    void VGoUp();
    void VGoDown();
    void VGoTop();
    void VGoBottom();

    // ======== may be overridden ========
    // "TWBROWSE".
    std::string ClassName() const override { return "TWBROWSE"; }
    // Binds the template control, then applies the look.
    void Initiate(HWND hDlg) override;
    // Columns, headers, scroll bars; then bChange.
    void Default() override;

protected:
    MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
    MsgResult Display() override;
    MsgResult Paint() override;
    MsgResult KeyDown(int nKey, UINT nFlags) override;
    MsgResult KeyChar(int nKey, UINT nFlags) override;
    MsgResult GetDlgCode(int nKey) override;
    MsgResult LButtonDown(int nRow, int nCol, UINT nFlags) override;
    MsgResult LButtonUp(int nRow, int nCol, UINT nFlags) override;
    MsgResult LDblClick(int nRow, int nCol, UINT nFlags) override;
    MsgResult MouseMove(int nRow, int nCol, UINT nFlags) override;
    MsgResult MouseWheel(int nKeys, int nDelta, int nX, int nY) override;
    MsgResult VScroll(int nCode, int nPos, HWND hBar) override;
    MsgResult HScroll(int nCode, int nPos, HWND hBar) override;
    MsgResult GotFocus(HWND hWndOld) override;
    MsgResult LostFocus(HWND hWndNew) override;

private:
    // A row's values and colours, as drawn.
    struct RowLook {
        std::uint32_t text = 0, back = 0;
    };
    long LogicLen() const;
    bool HasRecords() const;
    int PageRows() const;
    int UsableWidth() const;
    void DrawRow(int nRow, const Array& values, RowLook look, bool header, int nPressed);
    void DrawCurrent(int nRow, RowLook look);
    RowLook DataLook() const;
    RowLook SelectLook() const;
    void BlankRows(int nFirst);
    void ScrollRows(int nLines);
    void Repaint();
    void Moved();
    void ThumbTo(int nPos);
    void ThumbSync();
    long Position() const;
    void GoToPosition(long nPos);
    void MeasureExtent();
    int ThumbOf(long nPos) const;
    void ShowThumb(int nThumb);
    long PositionOf(int nThumb) const;
    void HScrollTo(int nCol);
    int ColumnEdgeAt(int x) const;
    int ColumnLeft(int nCol) const;
    void VertLine(int x);
    void EndResize(bool keep);

    std::shared_ptr<BrowseSource> oSource_;  // the bound work area, null for an array
    ArrayRef aArray_;                        // the bound array
    long nFirst_ = 1, nSpan_ = 0;            // record number of the first visible record, records to the last
    int nResizeCol_ = 0;                     // column being resized
    int nLineX_ = -1;                        // x of the guide line, -1 when none is drawn
    BrowsePictures pictures_;                // the cell pictures, prepared for masked drawing
    mutable HFONT hMeasured_ = nullptr;      // font the line height was measured with
    mutable int nLineHeight_ = 0;
};

}  // namespace pixa::services
