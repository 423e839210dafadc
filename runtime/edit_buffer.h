#pragma once
// The edit buffer of an entry field: a value's text under a picture, with a
// cursor that moves over the editable positions only. Pure logic; the field
// that owns it shows Text() and places its caret at Pos().
//
// Kinds: a number edits in its template (thousands separators left out while
// editing), a date in the date format ("99.99.99" or "99.99.9999"), anything
// else as text (logicals and other values as their text). The buffer is the
// template's width; a text without template keeps the width of its value, so a
// value that must accept longer input is padded with blanks.
//
// The first character typed after BeginEdit clears the whole buffer when the
// picture has "@K" and for every number (so typing 128 over 64 gives 128, not
// 1284); any cursor key or deletion before it keeps the contents.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/picture.h"
#include "runtime/value.h"

namespace pixa {

class EditBuffer {
public:
    // The kind of value edited: decides the template, the accepted keys and the typed value.
    enum class Kind { Text, Number, Date };
    // What became of a typed character.
    enum class TypeResult {
        Accepted,  // stored; the cursor moved on
        Rejected,  // the picture refused it (or the buffer is full): beep
        FullStay,  // stored in the last position, confirm mode is on: beep and keep the focus
        FullNext,  // stored in the last position, confirm mode is off: go to the next control
    };

    // A buffer over the value under the picture, not yet in the edit state.
    EditBuffer(Value value, std::string_view picture);

    // The kind of value being edited.
    Kind kind() const { return kind_; }
    // The buffer text: the display form outside the edit state, the edit form inside.
    const std::string& Text() const { return buffer_; }
    // Width of the buffer in characters.
    std::size_t Width() const { return buffer_.size(); }
    // Cursor position, 0-based; Width() once typing ran past the end.
    std::size_t Pos() const { return pos_; }
    // True when the position takes typed characters (not a literal of the template).
    bool IsEditable(std::size_t pos) const;
    // True between BeginEdit and a successful EndEdit.
    bool Editing() const { return editing_; }
    // True when the buffer was edited since BeginEdit.
    bool Changed() const { return changed_; }
    // True when the last character typed filled the last position.
    bool TypedOut() const { return typedOut_; }
    // True when EndEdit refused an invalid date.
    bool BadDate() const { return badDate_; }
    // The value the buffer held when editing began.
    const Value& Original() const { return original_; }
    // The value the buffer holds: typed back from the text when it was changed
    // (a number for a number, a date for a date, the whole text otherwise).
    Value Current() const;

    // Enters the edit state: the edit form of the value, cursor at the first editable position.
    void BeginEdit();
    // Leaves the edit state, keeping the typed value and showing the display form;
    // false (still editing) when the buffer holds an invalid date.
    bool EndEdit();
    // Loads another value (the binding changed); in the edit state it becomes the original.
    void SetValue(Value value);
    // Restores the value the buffer had when editing began.
    void Undo();

    // Types a character at the cursor (inserting or overwriting by the insert mode).
    // In a number a full stop or comma right-aligns the whole part and jumps to the decimals.
    TypeResult Type(char c);
    // Inserts text at the cursor: a text takes the characters its picture accepts;
    // a number or date is read again from the combined text. True when anything changed.
    bool Paste(std::string_view text);
    // True when the last paste left characters out (the picture refused them or had no room).
    bool PasteRefused() const { return refused_; }
    // Cursor one editable position left; false when it cannot move.
    bool Left();
    // Cursor one editable position right; false when it cannot move.
    bool Right();
    // Cursor to the start of the word before it (Ctrl+Left).
    bool WordLeft();
    // Cursor to the start of the next word (Ctrl+Right).
    bool WordRight();
    // Cursor to the first editable position.
    bool Home();
    // Cursor after the last non-blank character (on the last position when that is filled).
    bool End();
    // Puts the cursor on the editable position at or after pos (mouse placement).
    void SetPos(std::size_t pos);
    // Deletes the character at the cursor; the rest closes up and is padded with a blank.
    bool Delete();
    // Deletes the character before the cursor.
    bool Backspace();
    // Deletes the editable characters from position from up to (not including) to.
    bool DeleteRange(std::size_t from, std::size_t to);

    // True while typed characters are inserted (the process-wide insert setting).
    static bool InsertMode();
    // Switches between insert and overwrite for every field.
    static void ToggleInsert();

private:
    std::string DisplayMask() const;
    std::string EditMask() const;
    std::string Layout(const Value& value) const;
    Value NumberFromBuffer() const;
    Value NumberFromText(std::string_view text) const;
    Value MakeNumber(bool negative, std::string_view whole, std::string_view fraction) const;
    int Decimals() const;
    std::optional<char> Accept(std::size_t pos, char c) const;
    std::size_t FirstEditable() const;
    std::size_t NextEditable(std::size_t pos) const;   // Width() when none
    std::size_t PrevEditable(std::size_t pos) const;   // Width() when none
    void ClearAll();
    bool ShiftRight(std::size_t from);
    void ShiftLeft(std::size_t from);
    bool PasteNumber(std::string_view text);
    TypeResult DecimalPoint();
    TypeResult Advance();
    void CursorKey();
    void Reload();

    Picture picture_;
    Kind kind_ = Kind::Text;
    Value value_;
    Value original_;
    std::string mask_;
    std::string buffer_;
    std::size_t pos_ = 0;
    bool editing_ = false;
    bool changed_ = false;
    bool typedOut_ = false;
    bool refused_ = false;  // the last paste left characters out
    bool badDate_ = false;
    bool clearPending_ = false;
};

}  // namespace pixa
