#include "app/transfer/file_copy.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "app/transfer/directory.h"
#include "platform/handles.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

std::string Pattern(std::size_t size) {
    std::string s(size, '\0');
    for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>((i * 7 + i / 8192) & 0xFF);
    return s;
}

// Every entry of the folder except "." and "..", hidden ones included.
std::vector<std::string> Entries(const test::TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& row : Directory(dir / "*.*", "HSD"))
        if (row.name != "." && row.name != "..") names.push_back(row.name);
    return names;
}

TEST(CopyFile, CopiesEveryByteAcrossBlockBoundaries) {
    test::ScriptedErrors errors;
    test::TempDir dir;
    for (std::size_t size : {0u, 1u, 8191u, 8192u, 8193u, 100000u}) {
        std::string content = Pattern(size);
        std::string source = dir.Write("src.bin", content);
        ASSERT_TRUE(__CopyFile(source, dir / "DSC00001.JPG")) << size;
        EXPECT_EQ(dir.Read("DSC00001.JPG"), content) << size;
        EXPECT_EQ(dir.Read("src.bin"), content);
    }
    EXPECT_TRUE(errors.raised.empty());
    EXPECT_EQ(Entries(dir), (std::vector<std::string>{"DSC00001.JPG", "src.bin"}));  // no temporary file left
}

TEST(CopyFile, ReplacesAnExistingTargetAndCarriesTheCopyTime) {
    test::ScriptedErrors errors;
    test::TempDir dir;
    std::string source = dir.Write("src.jpg", "new content");
    FILETIME old{};
    old.dwHighDateTime = 0x01C00000;  // a date in the 1990s
    {
        platform::FileHandle h(CreateFileA(source.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(SetFileTime(h.Get(), nullptr, nullptr, &old));
    }
    dir.Write("DSC00001.JPG", "an older and longer file on the card");
    ASSERT_TRUE(__CopyFile(source, dir / "DSC00001.JPG"));
    EXPECT_EQ(dir.Read("DSC00001.JPG"), "new content");
    auto rows = Directory(dir / "DSC00001.JPG");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_GT(rows[0].date.julian, 2451545);  // copied after 1.1.2000, not the source's 1990s stamp
}

TEST(CopyFile, MissingSourceRaisesRetryableOpenError) {
    test::TempDir dir;
    std::string source = dir / "late.jpg";
    int calls = 0;
    // The first answer is Retry after the file has appeared; the copy then succeeds.
    test::ScriptedErrors errors([&](const Error&) {
        if (++calls == 1) {
            dir.Write("late.jpg", "here now");
            return ErrorAnswer::Retry;
        }
        return ErrorAnswer::Default;
    });
    ASSERT_TRUE(__CopyFile(source, dir / "DSC00001.JPG"));
    ASSERT_EQ(errors.raised.size(), 1u);
    const Error& e = errors.raised[0];
    EXPECT_EQ(e.SubSystem, "BASE");
    EXPECT_EQ(e.GenCode, 21);
    EXPECT_EQ(e.SubCode, 2012);
    EXPECT_EQ(e.FileName, source);
    EXPECT_EQ(e.OsCode, ERROR_FILE_NOT_FOUND);
    EXPECT_TRUE(e.CanRetry);
    EXPECT_TRUE(e.CanDefault);
    EXPECT_EQ(dir.Read("DSC00001.JPG"), "here now");

    errors.raised.clear();
    EXPECT_FALSE(__CopyFile(dir / "never.jpg", dir / "DSC00002.JPG"));
    EXPECT_EQ(errors.raised.size(), 1u);
    EXPECT_FALSE(File(dir / "DSC00002.JPG"));
}

TEST(CopyFile, LockedSourcePassesSoftlyAndLeavesNothing) {
    test::ScriptedErrors errors;
    test::TempDir dir;
    std::string source = dir.Write("locked.jpg", "busy");
    platform::FileHandle lock(CreateFileA(source.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_FALSE(__CopyFile(source, dir / "DSC00001.JPG"));
    ASSERT_EQ(errors.raised.size(), 1u);
    EXPECT_EQ(errors.raised[0].GenCode, 21);
    EXPECT_EQ(errors.raised[0].OsCode, ERROR_SHARING_VIOLATION);
    EXPECT_TRUE(IsSoftOpenFailure(errors.raised[0]));  // the handler lets it pass without a dialog
    EXPECT_EQ(Entries(dir), std::vector<std::string>{"locked.jpg"});
}

TEST(CopyFile, TargetThatCannotBeCreatedRaisesCreateError) {
    test::ScriptedErrors errors;
    test::TempDir dir;
    std::string source = dir.Write("a.jpg", "x");
    std::string target = dir / "NoSuchFolder\\DSC00001.JPG";
    EXPECT_FALSE(__CopyFile(source, target));
    ASSERT_EQ(errors.raised.size(), 1u);
    const Error& e = errors.raised[0];
    EXPECT_EQ(e.GenCode, 20);
    EXPECT_EQ(e.SubCode, 2012);
    EXPECT_EQ(e.FileName, target);
    EXPECT_NE(e.OsCode, 0);
    EXPECT_TRUE(e.CanRetry);
    EXPECT_FALSE(IsSoftOpenFailure(e));
}

TEST(CopyFile, NewNameCopyNeverReplacesAndTakesAnotherName) {
    test::ScriptedErrors errors;
    test::TempDir dir;
    std::string source = dir.Write("src.jpg", Pattern(3 * 1024 * 1024 + 1));
    dir.Write("DSC00001.JPG", "on the card already");
    dir.Write("dsc00002.jpg", "so is this");
    std::vector<std::string> offered = {dir / "DSC00002.JPG", dir / "DSC00003.JPG"};
    std::size_t asked = 0;
    auto another = [&]() -> std::optional<std::string> { return offered.at(asked++); };
    EXPECT_EQ(CopyToNewName(source, dir / "DSC00001.JPG", another).name, dir / "DSC00003.JPG");
    EXPECT_EQ(asked, 2u);
    EXPECT_EQ(dir.Read("DSC00003.JPG"), Pattern(3 * 1024 * 1024 + 1));
    EXPECT_EQ(dir.Read("DSC00001.JPG"), "on the card already");
    EXPECT_EQ(dir.Read("dsc00002.jpg"), "so is this");

    // No name left: the copy is given up and leaves nothing behind.
    EXPECT_EQ(CopyToNewName(source, dir / "DSC00001.JPG", [] { return std::optional<std::string>(); }).name, std::nullopt);
    EXPECT_EQ(Entries(dir).size(), 4u);
    EXPECT_TRUE(errors.raised.empty());
}

TEST(CopyFile, EraseAnswersZeroOrMinusOne) {
    test::TempDir dir;
    std::string path = dir.Write("a.jpg", "x");
    EXPECT_EQ(FErase(path), 0);
    EXPECT_EQ(FErase(path), -1);
    EXPECT_FALSE(File(path));
}

}  // namespace
}  // namespace pixa
