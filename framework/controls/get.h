#pragma once
// TGet: the single-line edit field. It edits the text of its bound value under a
// picture in the run-time's edit buffer, handling the keys itself (the native
// edit control only shows the text and places the caret), and writes the value
// back through the binding when the focus leaves and the text was changed.
#include <memory>

#include "framework/controls/control_params.h"
#include "framework/window/control.h"
#include "runtime/edit_buffer.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TGet : public TControl {
public:
    std::unique_ptr<EditBuffer> oGet;      // the value's text under the picture
    Action bMin, bMax;                     // spinner limits (not supported)
    std::optional<std::uint32_t> nClrDef;  // background colour given at construction
    int nPos = 1;                          // caret position, 1-based
    bool lReadOnly = false;                // read-only
    bool lPassword = false;                // shows asterisks
    std::string cError;                    // text of the last error
    std::string cPicture;                  // picture

    // Builds an edit field (29 positions, see GetNew).
    static std::shared_ptr<TGet> New(const GetNew& args);
    // "TGET".
    std::string ClassName() const override { return "TGET"; }

    // Binds the template field and shows the value.
    void Initiate(HWND hDlg) override;
    // Shows the buffer (asterisks for a password) and places the caret.
    void DispText();
    // Reloads the buffer from the binding, shows it, cursor to the start.
    void Refresh();
    // Restores the value the field had when editing began.
    void UnDo();
    // The bound value.
    Value VarGet();
    // The native text.
    std::string cText() const;
    // Stores a value into the buffer and shows it.
    void cText(const Value& xValue);
    // Selects characters nStart to nEnd (0-based, end exclusive) of the native text.
    void SetSel(int nStart, int nEnd);
    // Selects the whole text.
    void SelectAll() { SetSel(0, -1); }
    // Removes the selection.
    void HideSel() { SetSel(-1, 0); }
    // The native selection (start, end), 0-based.
    std::pair<int, int> GetSel() const;
    // Copies the selection to the clipboard.
    void Copy();
    // Copies the selection to the clipboard and deletes it.
    void Cut();
    // Inserts text at the cursor (the clipboard's text when none is given).
    void Paste(std::optional<std::string> cText = {});

    // The edit commands of the native field's context menu (paste, cut, delete, undo)
    // go through the edit buffer; the rest to the control's dispatch.
    Value HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
    // An invalid date beeps and keeps the focus; otherwise bValid(self).
    bool lValid() override;
    Value GetDlgCode(WPARAM nKey) override;
    Value KeyDown(WPARAM nKey, LPARAM nFlags) override;
    Value KeyChar(WPARAM nKey, LPARAM nFlags) override;
    Value GotFocus(HWND hWndOld) override;
    Value LostFocus(HWND hWndNew) override;
    Value LButtonDown(int nRow, int nCol, WPARAM nFlags) override;
    Value LButtonUp(int nRow, int nCol, WPARAM nFlags) override;
    Value RButtonDown(int nRow, int nCol, WPARAM nFlags) override;
    // Cursor, status text and tooltip, then the native field (selecting by dragging).
    Value MouseMove(int nRow, int nCol, WPARAM nFlags) override;

private:
    bool HasSelection() const;
    std::pair<int, int> BufferSel() const;
    void ClearSelection();
    void DeleteSelection();
    void CursorMoved();
    void ShowInsertCaret();
    bool CallChange(WPARAM nKey, LPARAM nFlags);
    void LeaveTo(bool previous, WPARAM nKey, LPARAM nFlags);
    LRESULT Native(UINT nMsg, WPARAM wp, LPARAM lp);
    bool OnlyControl() const;
};

}  // namespace pixa::controls
