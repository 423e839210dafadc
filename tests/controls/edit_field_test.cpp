// The edit field on a live dialog: pictures, keys, clipboard and write-back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "framework/controls/button.h"
#include "framework/controls/combo_box.h"
#include "framework/controls/get.h"
#include "runtime/settings.h"
#include "tests/controls/bound_value.h"
#include "tests/controls/gui.h"
#include "tests/support/error_recorder.h"
#include "tests/support/gui_driver.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::Press;
using test::Bound;
using test::Pump;
using test::TestDialog;
using test::TextOf;
using test::Type;

void PutClipboard(HWND owner, const std::string& text) {
    ASSERT_TRUE(OpenClipboard(owner));
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, text.size() + 1);
    std::memcpy(GlobalLock(memory), text.c_str(), text.size() + 1);
    GlobalUnlock(memory);
    SetClipboardData(CF_TEXT, memory);
    CloseClipboard();
}

std::string ClipboardText(HWND owner) {
    std::string text;
    if (!OpenClipboard(owner)) return "(clipboard busy)";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

Action Counter(std::shared_ptr<int> count) {
    return Action([count](const Args&) {
        ++*count;
        return Value();
    });
}

class EditField : public ::testing::Test {
protected:
    void SetUp() override {
        saved = Settings();
        Settings().confirm = true;  // as the program runs
        Settings().insert = false;
    }
    void TearDown() override { Settings() = saved; }

    // A field at the top and a button below it to leave to.
    std::shared_ptr<TGet> Field(const Bound& bound, const std::string& picture, int width = 60) {
        auto get = TGet::New({.nRow = 10, .nCol = 10, .bSetGet = bound.action(), .oWnd = dlg.get(), .nWidth = width,
                              .nHeight = 12, .cPicture = picture, .lPixel = true});
        next = TButton::New({.nRow = 40, .nCol = 10, .cCaption = "&Weiter", .oWnd = dlg.get(), .lPixel = true});
        dlg.Show();
        return get;
    }
    void Enter(const std::shared_ptr<TGet>& get) {
        get->SetFocus();
        Pump();
    }
    void Leave() {
        next->SetFocus();
        Pump();
    }

    RuntimeSettings saved;
    TestDialog dlg;
    std::shared_ptr<TButton> next;
};

TEST_F(EditField, KeepFirstKeyReplacesTheWholeBuffer) {
    Bound ext(Value("JPG"));
    auto get = Field(ext, "@K !!!");
    EXPECT_EQ(TextOf(get->hWnd), "JPG");
    Enter(get);
    Type("b");
    EXPECT_EQ(TextOf(get->hWnd), "B  ");
    Leave();
    EXPECT_EQ(ext.value->AsString(), "B  ");
    EXPECT_EQ(*ext.stores, 1);
}

TEST_F(EditField, AfterACursorKeyTypingKeepsTheRest) {
    Bound ext(Value("JPG"));
    auto get = Field(ext, "@K !!!");
    Enter(get);
    Press(VK_RIGHT);
    Type("x");
    EXPECT_EQ(TextOf(get->hWnd), "JXG");
    EXPECT_EQ(get->nPos, 3);
    Leave();
    EXPECT_EQ(ext.value->AsString(), "JXG");
}

TEST_F(EditField, DigitsOnlyAndAFullFieldKeepsTheFocus) {
    Bound size(64);
    auto get = Field(size, "9999");
    EXPECT_EQ(TextOf(get->hWnd), "  64");
    Enter(get);
    Type("a");
    EXPECT_EQ(TextOf(get->hWnd).find('a'), std::string::npos) << "a letter is rejected";
    Type("2048");
    EXPECT_EQ(GetFocus(), get->hWnd) << "confirm mode: a full field beeps and stays";
    Leave();
    EXPECT_TRUE(size.value->IsNumber());
    EXPECT_EQ(size.value->AsInteger(), 2048);
    EXPECT_EQ(TextOf(get->hWnd), "2048");
}

TEST_F(EditField, WithoutConfirmAFullFieldMovesOn) {
    Settings().confirm = false;
    Bound ext(Value("JPG"));
    auto get = Field(ext, "@K !!!");
    Enter(get);
    Type("tif");
    EXPECT_EQ(GetFocus(), next->hWnd);
    EXPECT_EQ(ext.value->AsString(), "TIF");
}

TEST_F(EditField, WriteBackOnlyWhenChanged) {
    Bound folder(Value("C:\\Bilder\\          "));
    auto get = Field(folder, "", 160);
    Enter(get);
    Leave();
    Enter(get);
    Press(VK_END);
    Leave();
    EXPECT_EQ(*folder.stores, 0) << "an unchanged field stores nothing";
    Enter(get);
    Press(VK_END);
    Type("Neu");
    Leave();
    EXPECT_EQ(*folder.stores, 1);
    EXPECT_EQ(folder.value->AsString(), "C:\\Bilder\\Neu       ");
}

TEST_F(EditField, EditingKeysAndInsertMode) {
    Bound name(Value("Hallo     "));
    auto get = Field(name, "", 100);
    Enter(get);
    Press(VK_DELETE);
    EXPECT_EQ(TextOf(get->hWnd), "allo      ");
    Press(VK_END);
    Press(VK_BACK);
    EXPECT_EQ(TextOf(get->hWnd), "all       ");
    Press(VK_HOME);
    Press(VK_INSERT);
    EXPECT_TRUE(Settings().insert);
    Type("B");
    EXPECT_EQ(TextOf(get->hWnd), "Ball      ");
    Press(VK_INSERT);
    Type("W");
    EXPECT_EQ(TextOf(get->hWnd), "BWll      ") << "overwrite again";
    get->UnDo();
    EXPECT_EQ(TextOf(get->hWnd), "Hallo     ");
}

TEST_F(EditField, ClipboardPasteAndCut) {
    Bound name(Value("abcdef    "));
    auto get = Field(name, "", 100);
    Enter(get);
    PutClipboard(get->hWnd, "XY");
    Press(VK_RIGHT);
    Press('V', false, true);
    EXPECT_EQ(TextOf(get->hWnd), "aXYbcdef  ");

    get->SetSel(0, 3);
    Press('X', false, true);
    EXPECT_EQ(TextOf(get->hWnd), "bcdef     ");
    EXPECT_EQ(ClipboardText(get->hWnd), "aXY");
}

TEST_F(EditField, BothKeyPairsCopyAndCutAPasteNeverOutgrowsThePictureAndTheMouseSeesTheIBeam) {
    Bound size(8);
    auto get = Field(size, "9999");
    Enter(get);
    Press(VK_HOME);
    PutClipboard(get->hWnd, "77");
    Press(VK_INSERT, true);
    EXPECT_EQ(TextOf(get->hWnd), " 778");
    PutClipboard(get->hWnd, "1a2");
    Press(VK_INSERT, true);
    EXPECT_EQ(TextOf(get->hWnd), "1778") << "the digit that has no room is refused";
    get->SetSel(0, 2);
    Press(VK_INSERT, false, true);
    EXPECT_EQ(ClipboardText(get->hWnd), "17");
    get->SetSel(2, 4);
    Press(VK_DELETE, true);
    EXPECT_EQ(ClipboardText(get->hWnd), "78");
    EXPECT_EQ(TextOf(get->hWnd).find('7', 2), std::string::npos) << TextOf(get->hWnd);

    SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    SendMessageA(get->hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(GetCursor(), LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_IBEAM)));
}

// The native field's context menu sends these commands to the field itself.
TEST_F(EditField, ContextMenuCommandsEditTheBuffer) {
    test::ErrorRecorder errors;
    Bound name(Value("abcdef    "));
    auto get = Field(name, "", 100);
    Enter(get);
    PutClipboard(get->hWnd, "XY");
    Press(VK_RIGHT);
    SendMessageA(get->hWnd, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(get->hWnd), "aXYbcdef  ");
    Press(VK_END);
    Type("z");
    EXPECT_EQ(TextOf(get->hWnd), "aXYbcdefz ") << "the next key keeps the pasted text";
    get->SetSel(0, 1);
    SendMessageA(get->hWnd, WM_CLEAR, 0, 0);
    EXPECT_EQ(TextOf(get->hWnd), "XYbcdefz  ");
    get->SetSel(7, 10);
    SendMessageA(get->hWnd, WM_CUT, 0, 0);
    EXPECT_EQ(TextOf(get->hWnd), "XYbcdef   ") << "cut up to the end";
    EXPECT_EQ(ClipboardText(get->hWnd), "z  ");
    SendMessageA(get->hWnd, WM_UNDO, 0, 0);
    EXPECT_EQ(TextOf(get->hWnd), "abcdef    ");
    Leave();
    EXPECT_EQ(*name.stores, 0) << "undone: nothing to store";
    EXPECT_TRUE(errors.errors.empty());
}

TEST_F(EditField, PastedLettersDoNotEnterADigitField) {
    Bound size(64);
    auto get = Field(size, "9999");
    Enter(get);
    PutClipboard(get->hWnd, "ab");
    SendMessageA(get->hWnd, WM_PASTE, 0, 0);
    EXPECT_EQ(TextOf(get->hWnd).find_first_not_of(" 0123456789"), std::string::npos) << TextOf(get->hWnd);
    EXPECT_EQ(TextOf(get->hWnd), get->oGet->Text()) << "the field shows its buffer";
    Leave();
    EXPECT_TRUE(size.value->IsNumber());
}

TEST_F(EditField, DraggingTheMouseSelectsText) {
    Bound name(Value("abcdefgh  "));
    auto get = Field(name, "", 100);
    Enter(get);
    auto at = [&](int index) {
        LRESULT corner = SendMessageA(get->hWnd, EM_POSFROMCHAR, index, 0);
        return MAKELPARAM(LOWORD(corner) + 1, HIWORD(corner) + 2);
    };
    SendMessageA(get->hWnd, WM_LBUTTONDOWN, MK_LBUTTON, at(1));
    SendMessageA(get->hWnd, WM_MOUSEMOVE, MK_LBUTTON, at(5));
    SendMessageA(get->hWnd, WM_LBUTTONUP, 0, at(5));
    EXPECT_EQ(get->GetSel(), std::make_pair(1, 5));
    Press(VK_DELETE);
    EXPECT_EQ(TextOf(get->hWnd), "afgh      ") << "the dragged selection is the buffer's";
}

TEST_F(EditField, AbsentValidityCountsAsValid) {
    Bound ext(Value("JPG"));
    auto get = Field(ext, "@K !!!");
    get->bValid = Action([](const Args&) { return Value(); });
    Enter(get);
    Type("\t");
    Pump();
    EXPECT_EQ(GetFocus(), next->hWnd) << "the field let the focus go";
    TestDialog unshown;
    auto box = TComboBox::New({.aItems = {"Canon"}, .oWnd = unshown.get(),
                               .bValid = Action([](const Args&) { return Value(); })});
    EXPECT_TRUE(box->lValid());
}

TEST_F(EditField, EnterPressesTheDefaultButtonOnlyWhenTheFieldIsValid) {
    Bound size(64);
    auto valid = std::make_shared<bool>(false);
    auto presses = std::make_shared<int>(0);
    auto get = TGet::New({.nRow = 10, .nCol = 10, .bSetGet = size.action(), .oWnd = dlg.get(), .nWidth = 40,
                          .nHeight = 12, .cPicture = "9999",
                          .bValid = Action([valid](const Args&) { return Value(*valid); }), .lPixel = true});
    auto ok = TButton::New({.nRow = 40, .nCol = 10, .cCaption = "&OK", .oWnd = dlg.get(), .bAction = Counter(presses),
                            .lDefault = true, .lPixel = true});
    dlg.Show();
    Enter(get);
    Type("\r");
    EXPECT_EQ(*presses, 0) << "refused while the field is invalid";
    EXPECT_EQ(GetFocus(), get->hWnd);
    *valid = true;
    Type("\r");
    EXPECT_EQ(*presses, 1);
}

TEST_F(EditField, AButtonClickSeesTheTypedValue) {
    Bound ext(Value("JPG"));
    auto get = TGet::New({.nRow = 10, .nCol = 10, .bSetGet = ext.action(), .oWnd = dlg.get(), .nWidth = 30,
                          .nHeight = 12, .cPicture = "@K !!!", .lPixel = true});
    auto seen = std::make_shared<std::string>();
    auto value = ext.value;
    auto save = TButton::New({.nRow = 40, .nCol = 10, .cCaption = "&Speichern", .oWnd = dlg.get(),
                              .bAction = Action([seen, value](const Args&) {
                                  *seen = value->AsString();
                                  return Value();
                              }),
                              .lPixel = true});
    dlg.Show();
    Enter(get);
    Type("png");
    test::ClickButton(save->hWnd);
    EXPECT_EQ(*seen, "PNG") << "the field's edit is written back before the click's action";
    EXPECT_EQ(*ext.stores, 1);
}

TEST_F(EditField, ReadOnlyFieldTakesNoInputAndLooksGrey) {
    Bound shown(Value("fest"));
    auto get = TGet::New({.nRow = 10, .nCol = 10, .bSetGet = shown.action(), .oWnd = dlg.get(), .nWidth = 60,
                          .nHeight = 12, .lPixel = true, .lReadOnly = true});
    next = TButton::New({.nRow = 40, .nCol = 10, .cCaption = "&Weiter", .oWnd = dlg.get(), .lPixel = true});
    dlg.Show();
    EXPECT_FALSE(GetWindowLongA(get->hWnd, GWL_STYLE) & WS_TABSTOP);
    EXPECT_EQ(get->nClrPane, GetSysColor(COLOR_BTNFACE));
    Enter(get);
    Type("xy");
    Press(VK_DELETE);
    EXPECT_EQ(TextOf(get->hWnd), "fest");
    Leave();
    EXPECT_EQ(*shown.stores, 0);
}

TEST_F(EditField, RefreshShowsTheBoundValueAndGeometryFollowsTheCaption) {
    Bound ext(Value("JPG"));
    auto get = Field(ext, "@K !!!");
    *ext.value = "PNG";
    get->Refresh();
    EXPECT_EQ(TextOf(get->hWnd), "PNG");
    EXPECT_EQ(get->nPos, 1);
    TestDialog unshown;
    auto plain = TGet::New({.nRow = 2, .nCol = 3, .bSetGet = Bound(Value("abcd")).action(), .oWnd = unshown.get()});
    EXPECT_EQ(plain->nTop, 26);
    EXPECT_EQ(plain->nLeft, 24);
    EXPECT_EQ(plain->nRight - plain->nLeft, static_cast<int>((1 + 4) * 3.5)) << "as wide as the value";
    EXPECT_EQ(plain->nBottom - plain->nTop + 1, 12);
}

// The settings dialog over the main window: Esc in one of its fields ends it.
TEST(EditFieldInModalDialog, EscEndsTheDialogUnlessItsValidRefuses) {
    auto owner = TWindow::New({.nTop = 15, .nLeft = 15, .nBottom = 300, .nRight = 400, .cTitle = "Haupt",
                               .lPixel = true});
    auto dialog = TDialog::New({.nTop = 100, .nLeft = 100, .nBottom = 300, .nRight = 400, .cCaption = "Einstellungen",
                                .oWnd = owner, .lPixel = true});
    Bound ext(Value("JPG"));
    auto get = TGet::New({.nRow = 10, .nCol = 10, .bSetGet = ext.action(), .oWnd = dialog, .nWidth = 40,
                          .nHeight = 12, .cPicture = "@K !!!", .lPixel = true});
    TButton::New({.nRow = 40, .nCol = 10, .cCaption = "&OK", .oWnd = dialog, .lPixel = true});
    bool allow = false, openAfterRefusal = false;
    int asked = 0;
    test::GuiScript script;
    script.Until("focus in the field", [&] { return get->hWnd && GetFocus() == get->hWnd; })
        .Do("Esc", [] { test::PressKey(VK_ESCAPE); })
        .Until("bValid asked", [&] { return asked == 1; })
        .Do("look", [&] {
            openAfterRefusal = dialog->hWnd && GetFocus() == get->hWnd;
            allow = true;
        })
        .Do("Esc again", [] { test::PressKey(VK_ESCAPE); });
    script.Start();
    dialog->Activate({.bValid = Action([&](const Args&) {
        ++asked;
        return Value(allow);
    })});
    EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_TRUE(openAfterRefusal);
    EXPECT_EQ(dialog->hWnd, nullptr);
    EXPECT_EQ(dialog->nResult, Value(2));
    DestroyWindow(owner->hWnd);
}

}  // namespace
}  // namespace pixa
