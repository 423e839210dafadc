#include "runtime/edit_buffer.h"

#include <gtest/gtest.h>

#include "tests/runtime/settings_guard.h"

using pixa::EditBuffer;
using pixa::Value;
using Result = EditBuffer::TypeResult;

namespace {

class EditBufferTest : public ::testing::Test {
protected:
    void SetUp() override {
        pixa::Settings().confirm = true;
        pixa::Settings().insert = false;
        pixa::Settings().century = false;
    }

    // Types each character and returns the result of the last one.
    static Result TypeAll(EditBuffer& b, std::string_view keys) {
        Result r = Result::Rejected;
        for (char c : keys) r = b.Type(c);
        return r;
    }

    pixa::test::SettingsGuard guard_;
};

}  // namespace

TEST_F(EditBufferTest, KFunctionReplacesTheBufferOnlyWhenTheFirstKeyIsACharacter) {
    EditBuffer ext("JPG", "@K !!!");
    ext.BeginEdit();
    EXPECT_EQ(ext.Type('b'), Result::Accepted);
    EXPECT_EQ(ext.Text(), "B  ");
    EXPECT_EQ(ext.Pos(), 1u);
    EXPECT_TRUE(ext.Changed());
    EXPECT_EQ(ext.Current().AsString(), "B  ");

    EditBuffer kept("JPG", "@K !!!");
    kept.BeginEdit();
    kept.Right();
    kept.Type('b');
    EXPECT_EQ(kept.Text(), "JBG");

    // A key the picture rejects does not use up the clearing.
    EditBuffer digits("1234", "@K 9999");
    digits.BeginEdit();
    EXPECT_EQ(digits.Type('x'), Result::Rejected);
    EXPECT_EQ(digits.Text(), "1234");
    EXPECT_FALSE(digits.Changed());
    digits.Type('7');
    EXPECT_EQ(digits.Text(), "7   ");
}

TEST_F(EditBufferTest, DigitMaskRejectsLettersAndAFullFieldFollowsConfirm) {
    EditBuffer size(64, "9999");
    EXPECT_EQ(size.kind(), EditBuffer::Kind::Number);
    EXPECT_EQ(size.Text(), "  64");
    size.BeginEdit();
    EXPECT_EQ(size.Type('x'), Result::Rejected);
    EXPECT_EQ(size.Text(), "  64");
    EXPECT_EQ(TypeAll(size, "128"), Result::Accepted);  // a number clears on the first key
    EXPECT_EQ(size.Text(), "128 ");
    EXPECT_EQ(size.Current().AsInteger(), 128);
    EXPECT_TRUE(size.Current().IsInteger());
    EXPECT_EQ(size.Type('0'), Result::FullStay);
    EXPECT_TRUE(size.TypedOut());
    EXPECT_EQ(size.Pos(), 4u);
    EXPECT_EQ(size.Type('5'), Result::Rejected);  // nothing more fits
    EXPECT_TRUE(size.EndEdit());
    EXPECT_EQ(size.Text(), "1280");
    EXPECT_EQ(size.Current().AsInteger(), 1280);

    pixa::Settings().confirm = false;
    EditBuffer next(0, "99");
    next.BeginEdit();
    EXPECT_EQ(TypeAll(next, "42"), Result::FullNext);
}

TEST_F(EditBufferTest, NumbersEditWithoutSeparatorsAndReformatOnLeaving) {
    EditBuffer total(1234567, "@E 999,999,999");
    EXPECT_EQ(total.Text(), "  1.234.567");
    total.BeginEdit();
    EXPECT_EQ(total.Width(), 9u);
    EXPECT_EQ(total.Text(), "  1234567");
    TypeAll(total, "7654321");
    EXPECT_TRUE(total.EndEdit());
    EXPECT_EQ(total.Text(), "  7.654.321");
    EXPECT_EQ(total.Current().AsInteger(), 7654321);
}

TEST_F(EditBufferTest, DecimalPointJustifiesTheWholePart) {
    EditBuffer price(0.0, "999.99");
    price.BeginEdit();
    EXPECT_EQ(price.Text(), "  0.00");
    TypeAll(price, "12");
    EXPECT_EQ(price.Text(), "12 .  ");
    EXPECT_EQ(price.Type(','), Result::Accepted);
    EXPECT_EQ(price.Text(), " 12.  ");
    EXPECT_EQ(price.Pos(), 4u);
    price.Type('5');
    EXPECT_DOUBLE_EQ(price.Current().AsNumber(), 12.5);
    EXPECT_FALSE(price.Current().IsInteger());

    EditBuffer whole(5, "999");
    whole.BeginEdit();
    EXPECT_EQ(whole.Type('.'), Result::Rejected);  // no decimals to jump to

    EditBuffer negative(0, "9999");
    negative.BeginEdit();
    TypeAll(negative, "-5");
    EXPECT_EQ(negative.Current().AsInteger(), -5);
}

TEST_F(EditBufferTest, UnchangedBufferKeepsTheValueItCannotShow) {
    EditBuffer big(12345, "999");
    EXPECT_EQ(big.Text(), "***");
    big.BeginEdit();
    big.Right();
    EXPECT_TRUE(big.EndEdit());
    EXPECT_FALSE(big.Changed());
    EXPECT_EQ(big.Current().AsInteger(), 12345);

    EditBuffer fraction(2.5, "9999");
    fraction.BeginEdit();
    fraction.EndEdit();
    EXPECT_DOUBLE_EQ(fraction.Current().AsNumber(), 2.5);
}

TEST_F(EditBufferTest, CursorSkipsLiterals) {
    EditBuffer code("1234", "99-99");
    EXPECT_EQ(code.Text(), "12-34");
    code.BeginEdit();
    EXPECT_EQ(code.Pos(), 0u);
    EXPECT_FALSE(code.IsEditable(2));
    code.Right();
    code.Right();
    EXPECT_EQ(code.Pos(), 3u);
    code.Left();
    EXPECT_EQ(code.Pos(), 1u);
    code.Type('9');
    EXPECT_EQ(code.Pos(), 3u);
    EXPECT_EQ(code.Text(), "19-34");
    code.End();
    EXPECT_EQ(code.Pos(), 4u);
    EXPECT_FALSE(code.Right());
    code.Home();
    EXPECT_EQ(code.Pos(), 0u);
    EXPECT_FALSE(code.Left());
    code.SetPos(2);
    EXPECT_EQ(code.Pos(), 3u);
    code.SetPos(99);
    EXPECT_EQ(code.Pos(), 4u);
    code.Delete();
    EXPECT_EQ(code.Text(), "19-3 ");
    code.SetPos(1);
    code.Delete();  // closes up across the literal
    EXPECT_EQ(code.Text(), "13-  ");
}

TEST_F(EditBufferTest, InsertModeShiftsAndNeverDropsCharacters) {
    EditBuffer text("abc  ", "");
    text.BeginEdit();
    EXPECT_EQ(text.Width(), 5u);
    text.Right();
    EditBuffer::ToggleInsert();
    EXPECT_TRUE(EditBuffer::InsertMode());
    EXPECT_EQ(text.Type('X'), Result::Accepted);
    EXPECT_EQ(text.Text(), "aXbc ");
    EXPECT_EQ(text.Type('Y'), Result::Accepted);
    EXPECT_EQ(text.Text(), "aXYbc");
    EXPECT_EQ(text.Type('Z'), Result::Rejected);  // the last position is taken
    EXPECT_EQ(text.Text(), "aXYbc");
    EditBuffer::ToggleInsert();
    EXPECT_EQ(text.Type('Z'), Result::Accepted);
    EXPECT_EQ(text.Text(), "aXYZc");
}

TEST_F(EditBufferTest, DeletionClosesUpAndPadsWithBlanks) {
    EditBuffer text("abcdef", "");
    text.BeginEdit();
    text.SetPos(1);
    EXPECT_TRUE(text.Delete());
    EXPECT_EQ(text.Text(), "acdef ");
    EXPECT_TRUE(text.Backspace());
    EXPECT_EQ(text.Text(), "cdef  ");
    EXPECT_EQ(text.Pos(), 0u);
    EXPECT_FALSE(text.Backspace());
    EXPECT_TRUE(text.DeleteRange(1, 3));
    EXPECT_EQ(text.Text(), "cf    ");
    EXPECT_EQ(text.Pos(), 1u);
    EXPECT_TRUE(text.Changed());

    // Backspace after the field was typed full removes the last character.
    EditBuffer full("", "XX");
    full.BeginEdit();
    TypeAll(full, "ab");
    EXPECT_TRUE(full.Backspace());
    EXPECT_EQ(full.Text(), "a ");
}

TEST_F(EditBufferTest, LettersAndUpperCase) {
    EditBuffer name("    ", "A!NX");
    name.BeginEdit();
    EXPECT_EQ(name.Type('1'), Result::Rejected);  // A: letters only
    EXPECT_EQ(name.Type('\xE4'), Result::Accepted);
    EXPECT_EQ(name.Type('\xFC'), Result::Accepted);  // !: upper-cased
    EXPECT_EQ(name.Type('-'), Result::Rejected);     // N: letters and digits
    EXPECT_EQ(name.Type('7'), Result::Accepted);
    EXPECT_EQ(name.Type('-'), Result::FullStay);     // X: anything
    EXPECT_EQ(name.Text(), "\xE4\xDC" "7-");
}

TEST_F(EditBufferTest, WordMoves) {
    EditBuffer text("ab cd  ef", "");
    text.BeginEdit();
    text.WordRight();
    EXPECT_EQ(text.Pos(), 3u);
    text.WordRight();
    EXPECT_EQ(text.Pos(), 7u);
    text.WordLeft();
    EXPECT_EQ(text.Pos(), 3u);
    text.WordLeft();
    EXPECT_EQ(text.Pos(), 0u);
    text.End();
    EXPECT_EQ(text.Pos(), 8u);
}

TEST_F(EditBufferTest, PasteInsertsTextAndReparsesNumbers) {
    EditBuffer digits("    ", "9999");
    digits.BeginEdit();
    EXPECT_TRUE(digits.Paste("1a2b3"));
    EXPECT_EQ(digits.Text(), "123 ");
    EXPECT_EQ(digits.Pos(), 3u);

    EditBuffer number(64, "9999");
    number.BeginEdit();
    EXPECT_TRUE(number.Paste("1"));
    EXPECT_EQ(number.Text(), " 164");
    EXPECT_EQ(number.Current().AsInteger(), 164);

    EditBuffer euro(0.0, "@E 9,999.99");
    euro.BeginEdit();
    EXPECT_TRUE(euro.Paste("1.234,5"));
    EXPECT_DOUBLE_EQ(euro.Current().AsNumber(), 1234.5);
    euro.EndEdit();
    EXPECT_EQ(euro.Text(), "1.234,50");
}

TEST_F(EditBufferTest, DatesRefuseToLeaveWhenInvalid) {
    EditBuffer day(pixa::Date{}, "");
    EXPECT_EQ(day.kind(), EditBuffer::Kind::Date);
    EXPECT_EQ(day.Text(), "  .  .  ");
    day.BeginEdit();
    EXPECT_EQ(day.Type('a'), Result::Rejected);
    EXPECT_EQ(TypeAll(day, "310226"), Result::FullStay);
    EXPECT_EQ(day.Text(), "31.02.26");
    EXPECT_FALSE(day.EndEdit());
    EXPECT_TRUE(day.BadDate());
    EXPECT_TRUE(day.Editing());
    day.Home();
    day.Type('2');
    day.Type('8');
    EXPECT_TRUE(day.EndEdit());
    EXPECT_EQ(day.Current().AsDate(), pixa::Date::FromYmd(2026, 2, 28));
}

TEST_F(EditBufferTest, UndoAndReload) {
    EditBuffer text("abc", "");
    text.BeginEdit();
    TypeAll(text, "xy");
    EXPECT_EQ(text.Text(), "xyc");
    text.Undo();
    EXPECT_EQ(text.Text(), "abc");
    EXPECT_FALSE(text.Changed());

    text.SetValue("longer");
    EXPECT_EQ(text.Width(), 6u);
    EXPECT_EQ(text.Original().AsString(), "longer");
    text.SetValue(5);
    EXPECT_EQ(text.kind(), EditBuffer::Kind::Number);
    EXPECT_EQ(text.Text(), "         5");  // a number without template: ten places
    EXPECT_TRUE(text.EndEdit());
    EXPECT_EQ(text.Current().AsInteger(), 5);
}

TEST_F(EditBufferTest, NothingIsTypedOutsideTheEditState) {
    EditBuffer text("abc", "");
    EXPECT_FALSE(text.Editing());
    EXPECT_EQ(text.Type('x'), Result::Rejected);
    EXPECT_FALSE(text.Delete());
    EXPECT_EQ(text.Text(), "abc");

    EditBuffer empty("", "");
    empty.BeginEdit();
    EXPECT_EQ(empty.Width(), 0u);
    EXPECT_EQ(empty.Type('x'), Result::Rejected);
    EXPECT_FALSE(empty.Right());
    EXPECT_FALSE(empty.Backspace());
}
