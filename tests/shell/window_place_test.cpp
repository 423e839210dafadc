#include "app/shell/window_place.h"
#include "tests/support/layers.h"

#include <gtest/gtest.h>

#include <climits>

using pixa::shell::SnapWindowRect;
using pixa::shell::StoredRect;

TEST(WindowPlace, SizesNearCommonScreenSizesSnapAndOthersStay) {
    struct Case {
        long height, width;        // platform size (exclusive edges)
        long storedH, storedW;     // bottom - top, right - left after snapping
    };
    for (const Case& c : {Case{481, 641, 480, 640}, Case{490, 650, 480, 640}, Case{491, 651, 490, 650}, Case{300, 500, 299, 499},
                          Case{610, 810, 600, 800}, Case{601, 801, 600, 800}, Case{775, 1030, 768, 1024},
                          Case{1030, 1290, 1024, 1280}, Case{1031, 1291, 1030, 1290}}) {
        StoredRect r = SnapWindowRect(10, 20, 10 + c.height, 20 + c.width);
        EXPECT_EQ(r.top, 10);
        EXPECT_EQ(r.left, 20);
        EXPECT_EQ(r.bottom - r.top, c.storedH) << c.height;
        EXPECT_EQ(r.right - r.left, c.storedW) << c.width;
    }
}

TEST(WindowPlace, ABandsFirstValueSnapsAndTheValueBelowItStays) {
    struct Band {
        long first, snapped;  // a size on the first value of a band (inclusive edges)
    };
    for (const Band& b : {Band{601, 600}, Band{769, 768}, Band{1025, 1024}}) {
        StoredRect r = SnapWindowRect(0, 0, b.first + 1, 100);
        EXPECT_EQ(r.bottom, b.snapped) << "height " << b.first;
        EXPECT_EQ(SnapWindowRect(0, 0, b.first, 100).bottom, b.first - 1) << "height " << b.first - 1;
    }
    for (const Band& b : {Band{801, 800}, Band{1025, 1024}, Band{1281, 1280}}) {
        StoredRect r = SnapWindowRect(0, 0, 100, b.first + 1);
        EXPECT_EQ(r.right, b.snapped) << "width " << b.first;
        EXPECT_EQ(SnapWindowRect(0, 0, 100, b.first).right, b.first - 1) << "width " << b.first - 1;
    }
}

TEST(WindowPlace, NegativeTopAndLeftBecomeZeroWhileTheFarEdgesStay) {
    // A window pushed 8 pixels off the top-left corner: 400 x 300 on the platform.
    StoredRect r = SnapWindowRect(-8, -8, 292, 392);
    EXPECT_EQ(r, (StoredRect{0, 0, 291, 391}));
}

TEST(WindowPlace, OnlyPlacesOnTheScreenWithASizeAreWorthStoring) {
    using pixa::shell::WorthStoring;
    // Minimised, the platform reports the window far off-screen: the corner is
    // clamped to 0 and the far edges stay negative.
    EXPECT_FALSE(WorthStoring(SnapWindowRect(-32000, -32000, -31973, -31840)));
    EXPECT_FALSE(WorthStoring(SnapWindowRect(2000, 0, 2481, 641)));
    EXPECT_TRUE(WorthStoring(SnapWindowRect(1999, 0, 2480, 641)));
    EXPECT_FALSE(WorthStoring(SnapWindowRect(10, 10, 11, 300))) << "no height";
}

TEST(WindowPlace, APlaceOutOfReachComesBackOntoTheWorkAreaKeepingWhatFits) {
    using pixa::shell::Reachable;
    const StoredRect area{30, 60, 767, 1023};  // a task bar on the left and at the top
    // From a monitor that is gone: moved in, its size kept.
    EXPECT_EQ(Reachable({0, 1900, 480, 2540}, area), (StoredRect{30, 383, 510, 1023}));
    // Edited by hand: a caption far above the screen, a width beyond any screen.
    EXPECT_EQ(Reachable({-99999, 60, 480, 700}, area), (StoredRect{30, 60, 767, 700}));
    EXPECT_EQ(Reachable({30, 60, 480, LONG_MAX}, area), (StoredRect{30, 60, 480, 1023}));
    // Reachable places stay, partly beyond an edge as well.
    EXPECT_EQ(Reachable({500, 900, 980, 1540}, area), (StoredRect{500, 900, 980, 1540}));
}
