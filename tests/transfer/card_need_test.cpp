// The need of the marked pictures as the card stores them, exact beyond 2 TB, on the
// real 3 TiB card T:.
#include <gtest/gtest.h>

#include "app/transfer/disk_space.h"
#include "app/transfer/selection_table.h"
#include "tests/transfer/table_test_base.h"
#include "tests/transfer/transfer_fakes.h"

namespace pixa {
namespace {

class CardNeed : public test::TableTestBase {
protected:
    // The need of pictures of these sizes on card T:, and whether they fit its free space.
    std::uint64_t Need(const std::vector<std::uint64_t>& sizes, bool& fits) {
        std::vector<std::string> files;
        for (auto size : sizes) files.push_back(test::SparseFile(src_ / ("p" + std::to_string(files.size())), size));
        SelectionView view{.showUsed = {}, .showMarked = {}, .enableContinue = [&](bool e) { fits = e; }};
        SelectionTable table(double(FreeMegabytes("T:\\")), view, ClusterBytes("T:\\"));
        table.MakeDbf(dir_.str() + "\\", files);
        table.MakeSum(0);
        table.Close();
        return table.NeededBytes();
    }
    test::TempDir src_;
};

TEST_F(CardNeed, EachPictureTakesWholeClustersAndTheCheckIsExactBeyondTwoTerabytes) {
    if (FreeMegabytes("T:\\") != 3 << 20) GTEST_SKIP() << "the empty 3 TiB card T: is not mounted";
    const std::uint64_t c = ClusterBytes("T:\\"), free = 3ull << 40, before = DiskSpaceOf("T:\\");
    bool fits = false;
    // Empty, one byte, exactly one cluster, one byte more: the card takes what was counted.
    EXPECT_EQ(Need({0, 1, c, c + 1}, fits), 4 * c);
    auto onCard = [](int i) { return "T:\\p" + std::to_string(i); };
    for (int i = 0; i < 4; ++i) CopyFileA((src_ / ("p" + std::to_string(i))).c_str(), onCard(i).c_str(), FALSE);
    EXPECT_EQ(before - DiskSpaceOf("T:\\"), 4 * c);
    for (int i = 0; i < 4; ++i) DeleteFileA(onCard(i).c_str());
    // Pictures that fill the free 3 TiB exactly may go on; one byte more may not.
    EXPECT_EQ(Need({free - c, c}, fits), free);
    EXPECT_TRUE(fits);
    EXPECT_EQ(Need({free - c, c + 1}, fits), free + c);
    EXPECT_FALSE(fits);
}

}  // namespace
}  // namespace pixa
