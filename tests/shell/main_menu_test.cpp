// The main window's menu bar as the platform shows it.
#include "app/shell/main_menu.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/shell/publics.h"
#include "framework/services/menu.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

// The texts of a platform menu's entries; a separator reads as "-".
std::vector<std::string> Entries(HMENU menu) {
    std::vector<std::string> texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &info);
        char text[128] = "";
        GetMenuStringA(menu, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
        texts.push_back((info.fType & MFT_SEPARATOR) ? "-" : text);
    }
    return texts;
}

class MainMenu : public ::testing::Test {
protected:
    void SetUp() override { G().cS_WWW_M.clear(), G().cS_Email_M.clear(); }
    void TearDown() override {
        if (menu_) menu_->End();
        G().oMenu = nullptr;
    }
    std::shared_ptr<TMenu> menu_;
};

TEST_F(MainMenu, BarAndHelpMenuWithoutLinksEndWithTheSeparator) {
    menu_ = BuildMenu();
    ASSERT_NE(menu_, nullptr);
    EXPECT_EQ(G().oMenu, menu_);
    EXPECT_EQ(Entries(menu_->hMenu), (std::vector<std::string>{"&Pixaport", "&Übertragen", "&Einstellungen", "&?"}));
    EXPECT_EQ(Entries(GetSubMenu(menu_->hMenu, 0)), (std::vector<std::string>{"&Beenden"}));
    EXPECT_EQ(GetSubMenu(menu_->hMenu, 1), nullptr) << "a command on the bar";
    EXPECT_EQ(Entries(GetSubMenu(menu_->hMenu, 3)),
              (std::vector<std::string>{"&Hilfe anzeigen", "Hilfe-&Index", "-", "&Über Pixaport", "-"}));
}

TEST_F(MainMenu, ConfiguredLinkCaptionsAreConvertedFromTheOemPage) {
    G().cS_WWW_M = "&Homepage";
    G().cS_Email_M = "E-Mail an \x9A" "bersicht";  // "Ü" in code page 850
    menu_ = BuildMenu();
    auto help = Entries(GetSubMenu(menu_->hMenu, 3));
    ASSERT_EQ(help.size(), 7u);
    EXPECT_EQ(help[5], "&Homepage");
    EXPECT_EQ(help[6], "E-Mail an Übersicht");
}

}  // namespace
}  // namespace pixa::shell
