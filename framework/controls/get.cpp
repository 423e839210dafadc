#include "framework/controls/get.h"

#include <algorithm>

#include "framework/controls/control_setup.h"
#include "framework/controls/cursor.h"
#include "framework/window/font.h"
#include "framework/window/hot_keys.h"
#include "platform/clipboard.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

namespace {

bool KeyHeld(int vk) { return (GetKeyState(vk) & 0x8000) != 0; }

std::string Trimmed(const std::string& text) {
    auto end = text.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

}  // namespace

std::shared_ptr<TGet> TGet::New(const GetNew& a) {
    auto get = std::make_shared<TGet>();
    auto parent = DefaultParent(a.oWnd);
    Action binding = a.bSetGet ? a.bSetGet : OwnBinding(std::string(50, ' '));
    get->bSetGet = binding;
    get->cPicture = a.cPicture;
    get->oGet = std::make_unique<EditBuffer>(binding(), a.cPicture);
    get->cCaption = get->oGet->Text();

    int height = a.nHeight.value_or(a.oFont ? a.oFont->nHeight() : 12);
    if (a.lSpinner) height = std::max(height, 15);
    double width = a.nWidth ? *a.nWidth - 1 : (1 + get->cCaption.size()) * 3.5;
    if (a.lSpinner) width += 20;
    get->nTop = a.lPixel ? a.nRow : a.nRow * 13;
    get->nLeft = a.lPixel ? a.nCol : a.nCol * 8;
    get->nBottom = get->nTop + height - 1;
    get->nRight = get->nLeft + static_cast<int>(width);

    DWORD style = WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL | WS_BORDER;
    if (!a.lReadOnly) style |= WS_TABSTOP;
    if (a.lDesign) style |= WS_CLIPSIBLINGS;
    if (a.lSpinner) style |= WS_VSCROLL;
    if (a.lReadOnly) style |= ES_READONLY;
    if (a.lCenter)
        style |= ES_CENTER;
    else if (a.lRight)
        style |= ES_RIGHT;
    if (a.lNoBorder) style &= ~static_cast<DWORD>(WS_BORDER);
    get->nStyle = style;

    TakeCommonArgs(*get, a);
    TakeHelpArgs(*get, a);
    get->lPassword = a.lPassword;
    get->oFont = a.oFont;
    get->oCursor = a.oCursor;
    get->bChange = a.bChanged;
    get->lReadOnly = a.lReadOnly;
    get->bMin = a.bMin;
    get->bMax = a.bMax;
    get->nClrDef = SetFieldColors(*get, a.nClrFore, a.nClrBack);
    get->Attach(parent, "EDIT");
    if (get->hWnd) {
        get->oGet->BeginEdit();
        get->DispText();
        get->oGet->EndEdit();
    }
    return get;
}

LRESULT TGet::Native(UINT nMsg, WPARAM wp, LPARAM lp) {
    return nOldProc ? CallWindowProcA(nOldProc, hWnd, nMsg, wp, lp) : DefWindowProcA(hWnd, nMsg, wp, lp);
}

bool TGet::OnlyControl() const {
    auto parent = Parent();
    return !parent || parent->aControls.size() <= 1;
}

void TGet::Initiate(HWND hDlg) {
    TControl::Initiate(hDlg);
    if (!hWnd) return;
    oGet->BeginEdit();
    if (GetWindowLongA(hWnd, GWL_STYLE) & ES_PASSWORD) lPassword = true;
    if (lReadOnly && nClrText == GetSysColor(COLOR_WINDOWTEXT) && nClrPane == GetSysColor(COLOR_WINDOW))
        SetColor(ColourArg(static_cast<std::uint32_t>(GetSysColor(COLOR_GRAYTEXT))),
                 static_cast<std::uint32_t>(GetSysColor(COLOR_BTNFACE)));
    DispText();
    oGet->EndEdit();
}

void TGet::DispText() {
    if (!hWnd) return;
    std::string shown = oGet->Text();
    if (lPassword && oGet->kind() == EditBuffer::Kind::Text) shown = std::string(Trimmed(shown).size(), '*');
    cCaption = shown;
    SetWindowTextA(hWnd, shown.c_str());
    int at = static_cast<int>(oGet->Pos());
    SendMessageA(hWnd, EM_SETSEL, at, at);
}

void TGet::CursorMoved() {
    nPos = static_cast<int>(oGet->Pos()) + 1;
    int at = static_cast<int>(oGet->Pos());
    SendMessageA(hWnd, EM_SETSEL, at, at);
}

void TGet::Refresh(bool lErase) {
    oGet->SetValue(VarGet());
    DispText();
    oGet->SetPos(0);
    CursorMoved();
    TControl::Refresh(lErase);
}

void TGet::UnDo() {
    oGet->Undo();
    DispText();
}

std::string TGet::cText() const {
    char text[1024] = "";
    if (hWnd) GetWindowTextA(hWnd, text, sizeof text);
    return text;
}

void TGet::cText(const Value& xValue) {
    oGet->SetValue(xValue);
    DispText();
}

void TGet::SetSel(int nStart, int nEnd) {
    if (hWnd) SendMessageA(hWnd, EM_SETSEL, nStart, nEnd);
}

std::pair<int, int> TGet::GetSel() const {
    DWORD start = 0, end = 0;
    if (hWnd) SendMessageA(hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    return {static_cast<int>(start), static_cast<int>(end)};
}

bool TGet::HasSelection() const {
    auto [start, end] = BufferSel();
    return end > start;
}

std::pair<int, int> TGet::BufferSel() const {
    // The native selection, limited to the buffer it stands for.
    auto [start, end] = GetSel();
    int width = static_cast<int>(oGet->Width());
    return {std::clamp(start, 0, width), std::clamp(end, 0, width)};
}

void TGet::DeleteSelection() {
    auto [start, end] = BufferSel();
    if (end <= start) return;
    oGet->DeleteRange(start, end);
    oGet->SetPos(start);
    DispText();
}

void TGet::ClearSelection() {
    if (lReadOnly) return;
    DeleteSelection();
    CursorMoved();
}

void TGet::Copy() {
    auto [start, end] = BufferSel();
    if (end <= start) return;
    if (!platform::PutClipboardText(hWnd, oGet->Text().substr(start, end - start)))
        MessageBoxA(hWnd, "The clipboard is not available now!", "Alert", MB_OK | MB_ICONEXCLAMATION);
}

void TGet::Cut() {
    if (lReadOnly) return;
    Copy();
    DeleteSelection();
}

void TGet::Paste(std::optional<std::string> text) {
    if (lReadOnly) return;
    if (!text) text = platform::ClipboardText(hWnd);
    if (!text) {
        MessageBoxA(hWnd, "The clipboard is not available!", "Alert", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    DeleteSelection();
    oGet->Paste(*text);
    DispText();
    if (oGet->PasteRefused()) MessageBeep(MB_OK);  // the field's beep for what it cannot hold
}

MsgResult TGet::HandleEvent(UINT nMsg, WPARAM wp, LPARAM lp) {
    // Answered here: the native field would change its text behind the buffer.
    switch (nMsg) {
        case WM_PASTE: Paste(); return 0;
        case WM_CUT: Cut(); return 0;
        case WM_CLEAR: ClearSelection(); return 0;
        case WM_UNDO:
        case EM_UNDO: UnDo(); return 1;
        default: return TControl::HandleEvent(nMsg, wp, lp);
    }
}

bool TGet::lValid() {
    if (oGet->BadDate()) {
        Beep(100, 3 * 55);  // a low tone: the date cannot be read
        return false;
    }
    bool ok = !bValid || Affirmative(bValid.Call(shared_from_this()));
    if (!ok)
        if (auto parent = Parent()) parent->nLastKey = 0;
    return ok;
}

MsgResult TGet::GetDlgCode(int nKey) {
    if (auto parent = Parent(); parent && !OnlyControl()) parent->nLastKey = static_cast<int>(nKey);
    return DLGC_WANTALLKEYS;
}

bool TGet::CallChange(int nKey, UINT nFlags) {
    return !bChange || !Refuses(bChange.Call(nKey, nFlags, shared_from_this()));
}

void TGet::ShowInsertCaret() {
    if (GetFocus() != hWnd) return;
    TEXTMETRICA tm{};
    HDC dc = ::GetDC(hWnd);
    HGDIOBJ old = oFont ? SelectObject(dc, oFont->hFont) : nullptr;
    GetTextMetricsA(dc, &tm);
    if (old) SelectObject(dc, old);
    ::ReleaseDC(hWnd, dc);
    CreateCaret(hWnd, nullptr, EditBuffer::InsertMode() ? 6 : 1, tm.tmHeight);
    CursorMoved();
    ShowCaret(hWnd);
}

MsgResult TGet::KeyDown(int nKey, UINT nFlags) {
    auto parent = Parent();
    if (parent) parent->nLastKey = static_cast<int>(nKey);
    bool control = KeyHeld(VK_CONTROL), shift = KeyHeld(VK_SHIFT);
    switch (nKey) {
        case VK_UP:
        case VK_DOWN:
            if (parent && !OnlyControl()) {
                nKey == VK_UP ? parent->GoPrevCtrl(hWnd) : parent->GoNextCtrl(hWnd);
                return 1;
            }
            return 0;
        case VK_LEFT:
            control ? oGet->WordLeft() : oGet->Left();
            CursorMoved();
            return 0;
        case VK_RIGHT:
            control ? oGet->WordRight() : oGet->Right();
            CursorMoved();
            return 0;
        case VK_INSERT:
            if (shift) {
                Paste();
                CallChange(nKey, nFlags);
            } else if (control) {
                Copy();
            } else {
                EditBuffer::ToggleInsert();
                ShowInsertCaret();
            }
            return 0;
        case VK_HOME:
        case VK_END:
            if (shift) return std::nullopt;  // the native field extends its selection
            nKey == VK_HOME ? oGet->Home() : oGet->End();
            CursorMoved();
            return 0;
        case VK_DELETE:
        case VK_BACK:
            if (lReadOnly) return 0;
            if (nKey == VK_DELETE && shift && !control) {  // the platform's other cut key
                Cut();
                CallChange(nKey, nFlags);
                return 0;
            }
            if (HasSelection())
                DeleteSelection();
            else
                nKey == VK_DELETE ? oGet->Delete() : oGet->Backspace();
            DispText();
            CursorMoved();
            CallChange(nKey, nFlags);
            return 0;
        default:
            break;
    }
    if (control && (nKey == 'V' || nKey == 'X')) {
        nKey == 'V' ? Paste() : Cut();
        CallChange(nKey, nFlags);
        return 0;
    }
    return TControl::KeyDown(nKey, nFlags);
}

void TGet::LeaveTo(bool previous, int nKey, UINT nFlags) {
    auto parent = Parent();
    if (!parent) return;
    if (bChange && !Confirms(bChange.Call(nKey, nFlags, shared_from_this()))) return;
    previous ? parent->GoPrevCtrl(hWnd) : parent->GoNextCtrl(hWnd);
}

MsgResult TGet::KeyChar(int nKey, UINT nFlags) {
    if (nFlags & (1 << 24))
        if (Action hotKey = KeyAction(static_cast<int>(nKey))) {
            hotKey.Call("", 0, shared_from_this());
            return 0;
        }
    if (lReadOnly) {
        if (nKey == VK_ESCAPE)
            if (auto parent = Parent()) parent->KeyChar(VK_ESCAPE, nFlags);
        return 0;
    }
    if (nKey == VK_BACK) return 0;
    if (nKey == VK_TAB) {
        if (auto parent = Parent()) parent->nLastKey = VK_TAB;
        LeaveTo(KeyHeld(VK_SHIFT), nKey, nFlags);
        return 0;
    }
    if (nKey == VK_RETURN) {
        LeaveTo(false, nKey, nFlags);
        TControl::KeyChar(nKey, nFlags);
        return 0;
    }
    if (nKey == 0x16 || nKey == 0x18) return 0;  // Ctrl+V, Ctrl+X: done in KeyDown
    if (nKey < 32 || nKey > 255) return TControl::KeyChar(nKey, nFlags);

    if (HasSelection()) DeleteSelection();
    if (!CallChange(nKey, nFlags)) return 0;
    EditBuffer::TypeResult result = oGet->Type(static_cast<char>(nKey));
    DispText();
    CursorMoved();
    switch (result) {
        case EditBuffer::TypeResult::Rejected:
        case EditBuffer::TypeResult::FullStay:
            MessageBeep(MB_OK);
            break;
        case EditBuffer::TypeResult::FullNext:
            if (auto parent = Parent()) parent->nLastKey = VK_RETURN;
            LeaveTo(false, VK_RETURN, nFlags);
            break;
        case EditBuffer::TypeResult::Accepted:
            break;
    }
    return 0;
}

MsgResult TGet::GotFocus(HWND hWndOld) {
    if (!lDesign) {
        oGet->BeginEdit();
        DispText();
        if (oGet->kind() != EditBuffer::Kind::Text) oGet->SetPos(0);
        Native(WM_SETFOCUS, reinterpret_cast<WPARAM>(hWndOld), 0);  // the native field's caret
        CursorMoved();
        if (EditBuffer::InsertMode()) ShowInsertCaret();
    }
    TControl::GotFocus(hWndOld);
    return 0;
}

MsgResult TGet::LostFocus(HWND hWndNew) {
    MsgResult result = TControl::LostFocus(hWndNew);
    bool changed = oGet->Changed() || !(oGet->Current() == oGet->Original());
    if (!lReadOnly && changed && !oGet->BadDate() && bSetGet) {
        bSetGet.Call(oGet->Current());
    }
    if (!oGet->EndEdit()) {
        DispText();  // an unreadable date stays in the edit state
        return result;
    }
    DispText();
    oGet->SetPos(0);
    nPos = 1;
    return result;
}

MsgResult TGet::LButtonDown(int nRow, int nCol, UINT nFlags) {
    TControl::LButtonDown(nRow, nCol, nFlags);
    if (lDesign) return std::nullopt;
    Native(WM_LBUTTONDOWN, nFlags, MAKELPARAM(nCol, nRow));
    auto [start, end] = GetSel();
    (void)start;
    oGet->SetPos(end);
    nPos = static_cast<int>(oGet->Pos()) + 1;
    return 1;
}

MsgResult TGet::LButtonUp(int nRow, int nCol, UINT nFlags) {
    TControl::LButtonUp(nRow, nCol, nFlags);
    Native(WM_LBUTTONUP, nFlags, MAKELPARAM(nCol, nRow));
    Value current = oGet->Current();
    bool empty = Trimmed(oGet->Text()).empty() || (current.IsNumber() && current.AsNumber() == 0);
    if (empty) {
        oGet->SetPos(0);
    } else {
        oGet->SetPos(GetSel().second);
    }
    nPos = static_cast<int>(oGet->Pos()) + 1;
    if (!HasSelection()) CursorMoved();
    return 0;
}

MsgResult TGet::RButtonDown(int nRow, int nCol, UINT nFlags) {
    if (GetFocus() != hWnd) {
        ::SetFocus(hWnd);
        if (GetFocus() != hWnd) return 0;
    }
    return CallAnswer(bRClicked, nRow, nCol, nFlags);
}

MsgResult TGet::MouseMove(int nRow, int nCol, UINT nFlags) {
    TControl::MouseMove(nRow, nCol, nFlags);
    // The window's move sets the arrow when no cursor of its own is given: over text it is the I-beam.
    if (!oCursor || !oCursor->CursorHandle()) SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM)));
    return std::nullopt;
}

}  // namespace pixa::controls
