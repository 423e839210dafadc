// The folder test leaves the current folder exactly as it was; free space is
// measured on the target's own volume, drive or network share.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/transfer/directory.h"
#include "app/transfer/disk_space.h"
#include "app/transfer/folder_search.h"
#include "app/transfer/folders.h"
#include "platform/process.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

// Restores the current folder after a test that changes it.
class KeepCurrentFolder {
public:
    ~KeepCurrentFolder() { platform::ChangeDirectory(previous_); }

private:
    std::string previous_ = platform::CurrentDirectory();
};

// The network share that scripts/test-drives.sh serves to the test prefix.
constexpr const char* kShare = "\\\\pixasrv\\share\\";

bool ShareServed() { return GetFileAttributesA(kShare) != INVALID_FILE_ATTRIBUTES; }

TEST(FolderTest, LeavesTheCurrentFolderExactlyAsItWas) {
    KeepCurrentFolder keep;
    test::TempDir dir;
    CreateDirectoryA((dir / "Bilder").c_str(), nullptr);
    ASSERT_TRUE(platform::ChangeDirectory(dir.str()));
    std::string before = platform::CurrentDirectory();
    EXPECT_TRUE(lIsDir(dir / "Bilder"));
    EXPECT_EQ(platform::CurrentDirectory(), before);
    EXPECT_FALSE(lIsDir(dir / "fehlt"));
    EXPECT_FALSE(lIsDir(""));
    EXPECT_EQ(platform::CurrentDirectory(), before);
}

TEST(FolderTest, NetworkCurrentFolderStaysCurrent) {
    KeepCurrentFolder keep;
    if (!ShareServed()) GTEST_SKIP() << "the prefix serves no " << kShare;
    std::string folder = std::string(kShare) + "Bilder-" + std::to_string(GetCurrentProcessId());
    test::WriteAnsi(folder + "\\a.jpg", "a");
    ASSERT_TRUE(platform::ChangeDirectory(folder));
    std::string before = platform::CurrentDirectory();
    test::TempDir elsewhere;
    EXPECT_TRUE(lIsDir(elsewhere.str()));
    EXPECT_EQ(platform::CurrentDirectory(), before);
    EXPECT_TRUE(File("a.jpg"));  // relative names still mean the share's folder
    platform::ChangeDirectory("C:\\");
    DeleteFileA((folder + "\\a.jpg").c_str());
    RemoveDirectoryA(folder.c_str());
}

TEST(FreeSpace, VolumeRootOfDrivesAndShares) {
    EXPECT_EQ(VolumeRoot("e:\\DCIM\\"), "E:\\");
    EXPECT_EQ(VolumeRoot("E:"), "E:\\");
    EXPECT_EQ(VolumeRoot("\\\\server\\share\\DCIM\\100\\"), "\\\\server\\share\\");
    EXPECT_EQ(VolumeRoot("\\\\server\\share"), "\\\\server\\share\\");
    EXPECT_EQ(VolumeRoot("\\\\server\\"), "");
    EXPECT_EQ(VolumeRoot("\\\\server"), "");
    EXPECT_EQ(VolumeRoot("DCIM\\"), "");
    EXPECT_EQ(VolumeRoot(""), "");
}

TEST(FreeSpace, ShareIsMeasuredOnItselfWithoutAnError) {
    if (!ShareServed()) GTEST_SKIP() << "the prefix serves no " << kShare;
    test::ScriptedErrors errors;
    ULARGE_INTEGER available{}, total{}, free{};
    ASSERT_TRUE(GetDiskFreeSpaceExA(kShare, &available, &total, &free));
    long long expected = static_cast<long long>(available.QuadPart / (1024 * 1024));
    long long measured = FreeMegabytes("\\\\pixasrv\\share\\DCIM\\");
    EXPECT_NEAR(static_cast<double>(measured), static_cast<double>(expected), 2.0);
    EXPECT_GT(measured, 0);
    EXPECT_TRUE(errors.raised.empty());
    // A path that names no volume is not measured at all (and reports nothing).
    EXPECT_EQ(FreeMegabytes("DCIM\\"), 0);
    EXPECT_TRUE(errors.raised.empty());
}

TEST(FolderSearch, ChoiceEndsInABackslashAndCancelKeepsTheFolder) {
    EXPECT_EQ(ChosenFolder("", "C:\\Bilder\\"), "C:\\Bilder\\");
    EXPECT_EQ(ChosenFolder("E:\\", "C:\\Bilder\\"), "E:\\");
    EXPECT_EQ(ChosenFolder("E:\\DCIM", "C:\\Bilder\\"), "E:\\DCIM\\");
}

}  // namespace
}  // namespace pixa
