// Values the work table's fields cannot hold stay right beside it: sizes of ten
// digits and more, and a hundredth hide step.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/transfer/selection_table.h"
#include "app/transfer/table_areas.h"
#include "runtime/value_text.h"
#include "runtime/settings.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/table_test_base.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

using test::SparseFile;

class SelectionValues : public test::TableTestBase {
protected:
    std::string Folder() const { return dir_.str() + "\\"; }
    test::TempDir src_;
};

constexpr double kMb = 1024.0 * 1024.0;

TEST_F(SelectionValues, SizesBeyondTenDigitsKeepTotalsAndHandOverRight) {
    const std::uint64_t huge = 12'345'678'901;   // 11 digits
    const std::uint64_t edge = 9'999'999'999;    // the largest the field holds
    std::vector<std::string> files = {SparseFile(src_ / "A\\edge.jpg", edge), SparseFile(src_ / "B\\huge.jpg", huge),
                                      test::WriteAnsi(src_ / "C\\small.jpg", "12345")};
    double used = -1;
    bool enabled = false;
    // 21,000 MB free: all three need 21,310 MB (too much), without the first 11,774 MB.
    SelectionTable table(21000, {.showUsed = [&](double u, bool) { used = u; },
                                 .showMarked = {},
                                 .enableContinue = [&](bool e) { enabled = e; }});
    ASSERT_TRUE(table.MakeDbf(Folder(), files));
    auto& t = table.Table();
    t.GoTo(2);
    EXPECT_EQ(table.CurrentSize(), huge);
    EXPECT_EQ(TrimRight(t.GetText(3)), "**********");  // the field keeps its width; the value lives beside it
    t.GoTo(1);
    EXPECT_EQ(t.GetNumber(3), double(edge));

    EXPECT_NEAR(table.MakeSum(0), (edge + huge + 5) / kMb, 1e-6);
    EXPECT_NEAR(used, (edge + huge + 5) / kMb, 1e-6);
    EXPECT_FALSE(enabled);
    t.GoTo(1);
    table.ToggleCurrent();
    EXPECT_NEAR(table.MakeSum(1), (huge + 5) / kMb, 1e-6);
    EXPECT_TRUE(enabled);

    std::vector<std::string> chosen;
    std::vector<std::uint64_t> sizes;
    table.TakeChosen(chosen, sizes);
    EXPECT_EQ(chosen, (std::vector<std::string>{files[1], files[2]}));
    EXPECT_EQ(sizes, (std::vector<std::uint64_t>{huge, 5}));
}

TEST_F(SelectionValues, HundredAndOneHideStepsComeBackInReverseOrder) {
    std::vector<std::string> files;
    for (int i = 0; i < 101; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "G%03d\\p.jpg", i);
        files.push_back(test::WriteAnsi(src_ / name, std::string(i + 1, 'x')));
    }
    SelectionTable table(100);
    ASSERT_TRUE(table.MakeDbf(Folder(), files));
    auto& t = table.Table();
    for (int i = 0; i < 101; ++i) {
        t.GoTop();  // the first visible row is the next group
        table.MarkRecs(false, 0);
    }
    EXPECT_EQ(table.HideSteps(), 101);
    t.GoTop();
    EXPECT_TRUE(t.Eof());
    // Undo: the group hidden last (G100, step 101) first, then G099 (step 100), then G098 (99).
    for (int expected : {100, 99, 98}) {
        table.MarkRecs(true, 0);
        EXPECT_EQ(t.RecNo(), static_cast<std::uint32_t>(expected + 1));
        EXPECT_EQ(table.CurrentSize(), static_cast<std::uint64_t>(expected + 1));
    }
    EXPECT_EQ(table.HideSteps(), 98);
    EXPECT_NEAR(table.MakeSum(t.RecNo()), (99 + 100 + 101) / kMb, 1e-9);
    for (int i = 0; i < 98; ++i) table.MarkRecs(true, 0);
    EXPECT_EQ(table.HideSteps(), 0);
    table.MakeSum(0);
    EXPECT_EQ(table.Marked(), 101);
}

}  // namespace
}  // namespace pixa
