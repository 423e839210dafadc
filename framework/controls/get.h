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

    // ======== may be overridden ========
    // "TGET".
    std::string ClassName() const override { return "TGET"; }
    // Binds the template field and shows the value.
    void Initiate(HWND hDlg) override;
    // Reloads the buffer from the binding, shows it, cursor to the start.
    void Refresh(bool lErase = true) override;
    // Restores the value the field had when editing began.
    void UnDo() override;
    // Selects the whole text.
    void SelectAll() override { SetSel(0, -1); }
    // Copies the selection to the clipboard.
    void Copy() override;
    // Copies the selection to the clipboard and deletes it.
    void Cut() override;
    // Inserts the clipboard's text at the cursor.
    void Paste() override { Paste(std::nullopt); }
    // The edit commands of the native field's context menu (paste, cut, delete, undo)
    // go through the edit buffer; the rest to the control's dispatch.
    MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;
    // An invalid date beeps and keeps the focus; otherwise bValid(self).
    bool lValid() override;

protected:
    MsgResult GetDlgCode(int nKey) override;
    MsgResult KeyDown(int nKey, UINT nFlags) override;
    MsgResult KeyChar(int nKey, UINT nFlags) override;
    MsgResult GotFocus(HWND hWndOld) override;
    MsgResult LostFocus(HWND hWndNew) override;
    MsgResult LButtonDown(int nRow, int nCol, UINT nFlags) override;
    MsgResult LButtonUp(int nRow, int nCol, UINT nFlags) override;
    MsgResult RButtonDown(int nRow, int nCol, UINT nFlags) override;
    // Cursor, status text and tooltip, then the native field (selecting by dragging).
    MsgResult MouseMove(int nRow, int nCol, UINT nFlags) override;

public:
    // ======== not to be overridden ========
    // Builds an edit field (29 positions, see GetNew).
    static std::shared_ptr<TGet> New(const GetNew& args);
    // Shows the buffer (asterisks for a password) and places the caret.
    void DispText();
    // The native text.
    std::string cText() const;
    // Stores a value into the buffer and shows it.
    void cText(const Value& xValue);
    // Selects characters nStart to nEnd (0-based, end exclusive) of the native text.
    void SetSel(int nStart, int nEnd);
    // Removes the selection.
    void HideSel() { SetSel(-1, 0); }
    // The native selection (start, end), 0-based.
    std::pair<int, int> GetSel() const;
    // Inserts text at the cursor (the clipboard's text when none is given).
    void Paste(std::optional<std::string> cText);

private:
    bool HasSelection() const;
    std::pair<int, int> BufferSel() const;
    void ClearSelection();
    void DeleteSelection();
    void CursorMoved();
    void ShowInsertCaret();
    bool CallChange(int nKey, UINT nFlags);
    void LeaveTo(bool previous, int nKey, UINT nFlags);
    LRESULT Native(UINT nMsg, WPARAM wp, LPARAM lp);
    bool OnlyControl() const;
};

}  // namespace pixa::controls
