// The need of the marked pictures as the card stores them, and free space and
// totals beyond 4 GB and 2 TB, on the real cards K: (4 MiB) and T: (3 TiB).
#include <windows.h>

#include <gtest/gtest.h>

#include "app/transfer/disk_space.h"
#include "app/transfer/selection_table.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/table_test_base.h"
#include "tests/transfer/transfer_fakes.h"

namespace pixa {
namespace {

constexpr std::uint64_t kMb = 1024 * 1024;

std::uint64_t TotalBytes(const char* root) {
    ULARGE_INTEGER available{}, total{}, free{};
    return GetDiskFreeSpaceExA(root, &available, &total, &free) ? total.QuadPart : 0;
}

class CardNeed : public test::TableTestBase {
protected:
    std::string Folder() const { return dir_.str() + "\\"; }
    // Files of these sizes in the source folder, copied onto folder `onCard` when given.
    std::vector<std::string> Files(const std::vector<std::uint64_t>& sizes, const std::string& onCard = {}) {
        std::vector<std::string> paths;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            std::string name = "p" + std::to_string(i) + ".jpg";
            paths.push_back(test::WriteAnsi(src_ / name, std::string(sizes[i], 'p')));
            if (!onCard.empty()) CopyFileA(paths.back().c_str(), (onCard + name).c_str(), FALSE);
        }
        return paths;
    }
    void TearDown() override {
        for (const auto& folder : cardFolders_) std::filesystem::remove_all(folder);
        TableTestBase::TearDown();
    }
    std::string CardFolder(const std::string& root) {
        std::string folder = root + "need-" + std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(folder.c_str(), nullptr);
        cardFolders_.push_back(folder);
        return folder;
    }

    test::TempDir src_;
    std::vector<std::string> cardFolders_;
};

TEST_F(CardNeed, EachFileTakesWholeClustersSoSmallPicturesCannotOverrunTheCard) {
    if (TotalBytes("K:\\") != 4 * kMb) GTEST_SKIP() << "the 4 MiB card K: is not mounted";
    const std::uint32_t c = ClusterBytes("K:\\DCIM\\");
    ASSERT_GT(c, 1u);
    // Empty, one byte, exactly one cluster, one byte more, one byte short of three.
    std::string card = CardFolder("K:\\");
    std::uint64_t before = DiskSpaceOf("K:\\");
    auto files = Files({0, 1, c, c + 1u, 3u * c - 1}, card);
    SelectionTable table(static_cast<double>(FreeMegabytes("K:\\")), {}, c);
    ASSERT_TRUE(table.MakeDbf(Folder(), files));
    table.MakeSum(0);
    EXPECT_EQ(table.NeededBytes(), 7u * c);
    EXPECT_EQ(before - DiskSpaceOf("K:\\"), table.NeededBytes()) << "the card took what was counted";
    table.Close();

    // One free megabyte holds as many one-byte pictures as it has clusters, and not one more.
    std::vector<std::uint64_t> ones(kMb / c, 1);
    bool enabled = false;
    auto count = [&](const std::vector<std::uint64_t>& sizes) {
        SelectionTable small(1, {.showUsed = {}, .showMarked = {}, .enableContinue = [&](bool e) { enabled = e; }}, c);
        EXPECT_TRUE(small.MakeDbf(Folder(), Files(sizes)));
        small.MakeSum(0);
        small.Close();
        return enabled;
    };
    EXPECT_TRUE(count(ones));
    ones.push_back(1);
    EXPECT_FALSE(count(ones));
}

TEST_F(CardNeed, FreeSpaceAndNeedStayExactBeyondTwoTerabytes) {
    if (TotalBytes("T:\\") <= (2ull << 40)) GTEST_SKIP() << "the 3 TiB card T: is not mounted";
    const std::uint32_t c = ClusterBytes("T:\\");
    std::string card = CardFolder("T:\\");
    std::uint64_t before = DiskSpaceOf("T:\\");
    EXPECT_GT(before, 2ull << 40);
    Files({c + 1u}, card);
    EXPECT_EQ(before - DiskSpaceOf("T:\\"), 2u * c) << "two clusters out of more than 2 TB, to the byte";
    long long freeMb = FreeMegabytes("T:\\");
    EXPECT_EQ(static_cast<std::uint64_t>(freeMb), DiskSpaceOf("T:\\") / kMb);

    // Pictures that fill the free megabytes exactly may go on; one byte more may not.
    const std::uint64_t freeBytes = static_cast<std::uint64_t>(freeMb) * kMb;
    std::vector<std::string> files = {test::SparseFile(src_ / "A\\big.jpg", freeBytes - c),
                                      test::SparseFile(src_ / "B\\last.jpg", c)};
    double used = 0;
    bool enabled = false, red = true;
    SelectionTable table(static_cast<double>(freeMb),
                         {.showUsed = [&](double u, bool r) { used = u, red = r; },
                          .showMarked = {},
                          .enableContinue = [&](bool e) { enabled = e; }},
                         c);
    ASSERT_TRUE(table.MakeDbf(Folder(), files));
    table.MakeSum(0);
    EXPECT_EQ(table.NeededBytes(), freeBytes);
    EXPECT_EQ(used, static_cast<double>(freeMb));
    EXPECT_TRUE(enabled);
    EXPECT_FALSE(red);
    table.Close();
    test::SparseFile(files[1], c + 1u);
    SelectionTable over(static_cast<double>(freeMb), {.showUsed = [&](double u, bool r) { used = u, red = r; },
                                                      .showMarked = {},
                                                      .enableContinue = [&](bool e) { enabled = e; }},
                        c);
    ASSERT_TRUE(over.MakeDbf(Folder(), files));
    over.MakeSum(0);
    EXPECT_EQ(over.NeededBytes(), freeBytes + c);
    EXPECT_FALSE(enabled);
    EXPECT_TRUE(red);
}

}  // namespace
}  // namespace pixa
