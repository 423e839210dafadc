#pragma once
// TComboBox: a drop-down list bound to a value (an item text or a position). The
// selection, the item list and the bound value are kept in step; bChange runs only
// when the user really picks another item.
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/control_params.h"
#include "framework/window/control.h"
#include "framework/controls/namespace.h"

namespace pixa::controls {

class TComboBox : public TControl {
public:
    std::vector<std::string> aItems;  // item texts in list order
    int nAt = 0;                      // selected position, 1-based; 0 none
    Action bDrawItem;                 // owner-draw action (not supported)
    Action bCloseUp;                  // called when the list closes
    std::string cError;               // text of the last error
    bool lOwnerDraw = false;          // owner-drawn items (not supported)

    // ======== may be overridden ========
    // "TCOMBOBOX".
    std::string ClassName() const override { return "TCOMBOBOX"; }
    // Binds the template box, fills it and shows the bound value.
    void Initiate(HWND hDlg) override;
    // Fills the native list from aItems and selects the bound value (storing the first item when absent).
    void Default() override;
    // The selected item's text, or the native text when nothing is selected.
    Value VarGet() override;
    // Shows the bound value again.
    void Refresh(bool lErase = true) override;
    MsgResult HandleEvent(UINT nMsg, WPARAM nWParam, LPARAM nLParam) override;

protected:
    // The user picked an item: stores it and calls bChange when it differs.
    MsgResult Change() override;
    // Stores the selection through the binding when the focus leaves.
    MsgResult LostFocus(HWND hWndNew) override;

public:
    // ======== not to be overridden ========
    // Builds a combo box (23 positions, see ComboBoxNew).
    static std::shared_ptr<TComboBox> New(const ComboBoxNew& args);
    // Selects position n (1-based).
    void Select(int n);
    // Shows a value: a position, an item text, or a text outside the list (stored and shown as it is).
    void Set(const Value& xValue);
    // Empties the value, the selection and the native list.
    void Reset();
    // Replaces the items.
    void SetItems(const std::vector<std::string>& items);
    // Appends an item, or inserts it at nPos.
    void Add(const std::string& cItem, int nPos = 0);
    // Inserts an item at nPos (before the selected item when 0).
    void Insert(const std::string& cItem, int nPos = 0);
    // Replaces the text of the item at nPos (the selected one when 0).
    void Modify(const std::string& cItem, int nPos = 0);
    // Removes the item at nPos (the selected one when 0).
    void Del(int nPos = 0);
    // Position of the first item beginning with the text (any case), 0 when none.
    int Find(const std::string& cText) const;
    // Opens the list.
    void Open();
    // The list closed: calls bCloseUp.
    MsgResult CloseUp();

private:
    int ItemPosition(const std::string& text) const;
    int NativeSelection() const;
    std::string NativeText() const;
    void StoreSelection();
    void ShowText(const std::string& text);
    void DropOutsideText();
};

}  // namespace pixa::controls
