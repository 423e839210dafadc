// The choice of the help viewer, the HTML Help request that stands for a WinHelp
// request, and Wine's viewer opened on the program's help file.
#include "framework/services/help_viewer.h"
#include "tests/support/layers.h"

#include <gtest/gtest.h>
#include <htmlhelp.h>

#include <chrono>
#include <string>
#include <thread>

namespace pixa {
namespace {

TEST(HelpViewerChoice, FollowsThePlatformAndTheViewerItShips) {
    struct Case {
        HelpViewerFacts facts;
        HelpViewerKind expected;
    };
    const Case cases[] = {
        {{true, true, "Wine Help"}, HelpViewerKind::WineViewer},
        {{true, false, ""}, HelpViewerKind::WineViewer},
        {{false, true, "Windows Winhlp32 Stub"}, HelpViewerKind::HtmlHelpViewer},
        {{false, true, "Microsoft Windows Help"}, HelpViewerKind::WinHelpViewer},
        {{false, true, ""}, HelpViewerKind::WinHelpViewer},  // old viewers carry no description
        {{false, false, ""}, HelpViewerKind::HtmlHelpViewer},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChooseHelpViewer(c.facts), c.expected) << c.facts.winHelpDescription;
}

TEST(HelpViewerChoice, WineIsRecognisedHere) {
    HelpViewerFacts facts = ReadHelpViewerFacts();
    EXPECT_TRUE(facts.wine);
    EXPECT_EQ(CurrentHelpViewer(), HelpViewerKind::WineViewer);
}

TEST(HtmlHelpFallback, CompiledFileSitsBesideTheHelpFile) {
    EXPECT_EQ(HtmlHelpFileOf("Pixaport.HLP"), "Pixaport.CHM");
    EXPECT_EQ(HtmlHelpFileOf("C:\\Programme\\x.hlp"), "C:\\Programme\\x.chm");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(HtmlHelpFileOf("C:\\v1.05\\PIXAPORT"), "C:\\v1.05\\PIXAPORT.chm");
}

TEST(HtmlHelpFallback, EachWinHelpCommandFindsItsPlace) {
    HtmlHelpRequest key = HtmlHelpFor("P.HLP", HELP_KEY, "Auswahl", 0);
    EXPECT_EQ(key.command, static_cast<UINT>(HH_DISPLAY_TOPIC));
    EXPECT_EQ(key.file, "P.CHM::/Auswahl.html");

    // An empty keyword has no page: the contents open.
    HtmlHelpRequest empty = HtmlHelpFor("P.HLP", HELP_KEY, "", 0);
    EXPECT_EQ(empty.command, static_cast<UINT>(HH_DISPLAY_TOC));
    EXPECT_EQ(empty.file, "P.CHM");

    HtmlHelpRequest search = HtmlHelpFor("P.HLP", HELP_PARTIALKEY, "Kame", 0);
    EXPECT_EQ(search.command, static_cast<UINT>(HH_DISPLAY_INDEX));
    EXPECT_EQ(search.keyword, "Kame");
    EXPECT_EQ(search.file, "P.CHM");

    for (UINT contents : {HELP_CONTENTS, HELP_FINDER})
        EXPECT_EQ(HtmlHelpFor("P.HLP", contents, "", 0).command, static_cast<UINT>(HH_DISPLAY_TOC));

    for (UINT context : {HELP_CONTEXT, HELP_CONTEXTPOPUP}) {
        HtmlHelpRequest byId = HtmlHelpFor("P.HLP", context, "", 42);
        EXPECT_EQ(byId.command, static_cast<UINT>(HH_HELP_CONTEXT));
        EXPECT_EQ(byId.id, 42u);
    }
    EXPECT_EQ(HtmlHelpFor("P.HLP", HELP_QUIT, "", 0).command, static_cast<UINT>(HH_CLOSE_ALL));
}

}  // namespace
}  // namespace pixa
