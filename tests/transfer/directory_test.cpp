#include "app/transfer/directory.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "app/transfer/folders.h"
#include "platform/handles.h"
#include "runtime/date.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

std::vector<std::string> Names(const std::vector<DirRow>& rows) {
    std::vector<std::string> names;
    for (const auto& r : rows) names.push_back(r.name);
    std::sort(names.begin(), names.end());
    return names;
}

void Hide(const std::string& path, DWORD extra = FILE_ATTRIBUTE_HIDDEN) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), GetFileAttributesA(path.c_str()) | extra));
}

TEST(Directory, FilterLeavesOutHiddenSystemAndFoldersUnlessAsked) {
    test::TempDir dir;
    dir.Write("DSC00001.JPG", "a");
    dir.Write("DSC00002.JPG", "bb");
    Hide(dir.Write("HIDDEN.JPG", "c"));
    Hide(dir.Write("SYSTEM.JPG", "d"), FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryA((dir / "SUB").c_str(), nullptr);
    CreateDirectoryA((dir / "HIDESUB").c_str(), nullptr);
    Hide(dir / "HIDESUB");

    std::string pattern = dir / "*.*";
    EXPECT_EQ(Names(Directory(pattern)), (std::vector<std::string>{"DSC00001.JPG", "DSC00002.JPG"}));
    EXPECT_EQ(Names(Directory(pattern, "D")),
              (std::vector<std::string>{".", "..", "DSC00001.JPG", "DSC00002.JPG", "SUB"}));
    EXPECT_EQ(Names(Directory(pattern, "h")),
              (std::vector<std::string>{"DSC00001.JPG", "DSC00002.JPG", "HIDDEN.JPG"}));
    EXPECT_EQ(Names(Directory(pattern, "HSD")),
              (std::vector<std::string>{".", "..", "DSC00001.JPG", "DSC00002.JPG", "HIDDEN.JPG", "HIDESUB",
                                        "SUB", "SYSTEM.JPG"}));
    EXPECT_TRUE(Directory(dir / "NOWHERE\\*.*").empty());
}

TEST(Directory, EveryPlainFileQualifiesWhateverItsFurtherAttributes) {
    // A picture whose archive bit a backup tool cleared, on a folder without indexing.
    for (DWORD extra : {0ul, 0x80ul /* normal */, 0x01ul /* read-only */, 0x20ul /* archive */,
                        0x100ul /* temporary */, 0x200ul /* sparse */, 0x800ul /* compressed */,
                        0x1000ul /* offline */, 0x2000ul /* not content indexed */, 0x4000ul /* encrypted */}) {
        EXPECT_TRUE(ListingTakes(extra, "")) << std::hex << extra;
        EXPECT_FALSE(ListingTakes(extra | FILE_ATTRIBUTE_HIDDEN, "")) << std::hex << extra;
        EXPECT_TRUE(ListingTakes(extra | FILE_ATTRIBUTE_HIDDEN, "h")) << std::hex << extra;
        EXPECT_FALSE(ListingTakes(extra | FILE_ATTRIBUTE_SYSTEM, "H")) << std::hex << extra;
        EXPECT_TRUE(ListingTakes(extra | FILE_ATTRIBUTE_SYSTEM, "S")) << std::hex << extra;
        EXPECT_FALSE(ListingTakes(extra | FILE_ATTRIBUTE_DIRECTORY, "HS")) << std::hex << extra;
        EXPECT_TRUE(ListingTakes(extra | FILE_ATTRIBUTE_DIRECTORY, "D")) << std::hex << extra;
        EXPECT_FALSE(ListingTakes(extra | 0x08 /* volume label */, "HSD")) << std::hex << extra;
    }
}

TEST(Directory, RowCarriesSizeLocalStampAndAttributeLetters) {
    test::TempDir dir;
    std::string path = dir.Write("pic.jpg", std::string(1234, 'x'));
    SYSTEMTIME local{2003, 7, 0, 14, 9, 5, 7, 0};  // 14.07.2003 09:05:07 local time
    FILETIME localFt, utc;
    ASSERT_TRUE(SystemTimeToFileTime(&local, &localFt));
    ASSERT_TRUE(LocalFileTimeToFileTime(&localFt, &utc));
    {
        platform::FileHandle h(CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(SetFileTime(h.Get(), nullptr, nullptr, &utc));
    }
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));

    auto rows = Directory(dir / "*.JPG");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].name, "pic.jpg");
    EXPECT_EQ(rows[0].size, 1234u);
    EXPECT_EQ(rows[0].date, Date::FromYmd(2003, 7, 14));
    EXPECT_EQ(rows[0].time, "09:05:07");
    EXPECT_EQ(rows[0].attributes, "RA");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);

    auto folders = Directory(dir / "*.*", "D");
    auto dot = std::find_if(folders.begin(), folders.end(), [](const DirRow& r) { return r.name == "."; });
    ASSERT_NE(dot, folders.end());
    EXPECT_EQ(dot->size, 0u);
    EXPECT_NE(dot->attributes.find('D'), std::string::npos);
}

TEST(Directory, FileFindsAnyEntryIgnoringCase) {
    test::TempDir dir;
    dir.Write("dsc00001.jpg", "x");
    Hide(dir.Write("DSC00002.JPG", "x"));
    CreateDirectoryA((dir / "DSC00003.JPG").c_str(), nullptr);
    EXPECT_TRUE(File(dir / "DSC00001.JPG"));
    EXPECT_TRUE(File(dir / "DSC00002.JPG"));
    EXPECT_TRUE(File(dir / "DSC00003.JPG"));
    EXPECT_TRUE(File(dir / "*.jpg"));
    EXPECT_FALSE(File(dir / "DSC00004.JPG"));
}

TEST(Directory, FSizeReadsTheWholeSize) {
    test::TempDir dir;
    EXPECT_EQ(FSize(dir.Write("a.jpg", std::string(8193, 'x'))), 8193u);
    EXPECT_EQ(FSize(dir / "missing.jpg"), 0u);
    // A sparse 5 GB file: the size is not cut to its low 32 bits.
    std::string big = dir / "big.mov";
    {
        platform::FileHandle h(CreateFileA(big.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
        ASSERT_TRUE(h);
        LARGE_INTEGER at;
        at.QuadPart = 5LL << 30;
        ASSERT_TRUE(SetFilePointerEx(h.Get(), at, nullptr, FILE_BEGIN));
        ASSERT_TRUE(SetEndOfFile(h.Get()));
    }
    EXPECT_EQ(FSize(big), 5ULL << 30);
}

TEST(Directory, FSizeOfFoldersAskedInAnotherCaseOneAfterAnother) {
    test::TempDir dir;
    dir.Write("Urlaub\\a.jpg", std::string(10, 'a'));
    dir.Write("Urlaub\\b.jpg", std::string(20, 'b'));
    dir.Write("Urlaub2\\c.jpg", std::string(30, 'c'));
    Hide(dir.Write("Urlaub\\h.jpg", "hidden"));
    std::string upper = dir.str();
    for (char& c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(FSize(upper + "\\URLAUB\\a.jpg"), 10u);
    EXPECT_EQ(FSize(upper + "\\URLAUB\\b.jpg"), 20u);
    EXPECT_EQ(FSize(upper + "\\URLAUB2\\c.jpg"), 30u);  // a folder whose name begins like the last one
    EXPECT_EQ(FSize(upper + "\\URLAUB\\B.JPG"), 20u);
    EXPECT_EQ(FSize(upper + "\\URLAUB\\h.jpg"), 0u);
    EXPECT_EQ(FSize(upper + "\\URLAUB"), 0u);
    EXPECT_EQ(FSize(upper + "\\URLAUB\\missing.jpg"), 0u);
    // The folder replaced by another of the same name in other case, with other files.
    ASSERT_TRUE(MoveFileA((dir / "Urlaub").c_str(), (dir / "Alt").c_str()));
    dir.Write("URLAUB\\a.jpg", std::string(5, 'n'));
    EXPECT_EQ(FSize(upper + "\\URLAUB\\a.jpg"), 5u);
    EXPECT_EQ(FSize(upper + "\\URLAUB\\b.jpg"), 0u);
    EXPECT_EQ(FSize(dir / "Alt\\b.jpg"), 20u);
    // A folder that was missing when asked for, created before the next question.
    EXPECT_EQ(FSize(upper + "\\LATER\\a.jpg"), 0u);
    dir.Write("Later\\a.jpg", std::string(7, 'l'));
    EXPECT_EQ(FSize(upper + "\\LATER\\a.jpg"), 7u);
}

TEST(Folders, IsDirLeavesTheCurrentFolderAlone) {
    test::TempDir dir;
    CreateDirectoryA((dir / "Sub").c_str(), nullptr);
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    EXPECT_TRUE(lIsDir(dir / "Sub"));
    EXPECT_FALSE(lIsDir(dir / "Missing"));
    char after[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, after);
    EXPECT_STREQ(before, after);
}

TEST(Folders, CurrentDriveAndFolder) {
    test::TempDir dir;
    char before[MAX_PATH];
    GetCurrentDirectoryA(MAX_PATH, before);
    ASSERT_TRUE(SetCurrentDirectoryA(dir.str().c_str()));
    std::string expected = dir.str();
    EXPECT_EQ(std::string(1, CurDrive()), std::string(1, static_cast<char>(toupper(expected[0]))));
    EXPECT_EQ(CurDir(), expected.substr(3));
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\"));
    EXPECT_EQ(CurDrive(), 'C');
    EXPECT_EQ(CurDir(), "");
    SetCurrentDirectoryA(before);
}

TEST(Folders, PathParts) {
    EXPECT_EQ(cFilePath("c:\\Bilder\\Urlaub\\dsc.jpg"), "C:\\BILDER\\URLAUB\\");
    EXPECT_EQ(cFileNoPath("c:\\Bilder\\Urlaub\\dsc_äö.jpg"), "DSC_ÄÖ.JPG");
    EXPECT_EQ(cFilePath("c:\\"), "C:\\");
    EXPECT_EQ(cFileNoPath("c:\\x"), "X");
}

}  // namespace
}  // namespace pixa
