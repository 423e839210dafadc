#include "app/transfer/collection.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "runtime/string_order.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

void SetAttribute(const std::string& path, DWORD attribute) {
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), GetFileAttributesA(path.c_str()) | attribute));
}

// A source tree:   Zoo.JPG abc.JPG IMG1.JPG IMG10.JPG IMG2.JPG note.txt .dot.jpg hidden.jpg
//                  Urlaub\dsc_0042.jpg  Urlaub\Strand\s.Jpg  Urlaub2\u.jpg  .git\g.jpg  Secret\x.jpg (hidden folder)
class CollectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"Zoo.JPG", "abc.JPG", "IMG1.JPG", "IMG10.JPG", "IMG2.JPG", "note.txt", ".dot.jpg",
                                 "hidden.jpg", "Urlaub\\dsc_0042.jpg", "Urlaub\\Strand\\s.Jpg", "Urlaub2\\u.jpg",
                                 ".git\\g.jpg", "Secret\\x.jpg", "sys.jpg"})
            dir_.Write(name, "x");
        SetAttribute(dir_ / "hidden.jpg", FILE_ATTRIBUTE_HIDDEN);
        SetAttribute(dir_ / "sys.jpg", FILE_ATTRIBUTE_SYSTEM);
        SetAttribute(dir_ / "Secret", FILE_ATTRIBUTE_HIDDEN);
        // The source as the user typed it, in lower case.
        source_ = LowerDrive(dir_.str()) + "\\";
        base_ = Upper(source_);
    }
    // "~\\" for every folder of the base below the drive.
    std::string Tildes() const {
        std::string shown;
        for (std::size_t i = 3; i < base_.size(); ++i)
            if (base_[i] == '\\') shown += "~\\";
        return shown;
    }
    static std::string LowerDrive(std::string s) {
        s[0] = static_cast<char>(tolower(s[0]));
        return s;
    }
    static std::string Upper(std::string s) {
        for (char& c : s) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        return s;
    }

    test::TempDir dir_;
    std::string source_, base_;
    test::RecordingProgress progress_;
};

TEST_F(CollectionTest, BaseFolderOnlyInByteOrderWithUpperCaseBase) {
    auto files = CollectFiles({.source = source_, .includeSub = false, .target = "", .extens = "JPG"}, progress_);
    EXPECT_EQ(files, (std::vector<std::string>{base_ + "IMG1.JPG", base_ + "IMG10.JPG", base_ + "IMG2.JPG",
                                               base_ + "Zoo.JPG", base_ + "abc.JPG"}));
    // The whole tree is still walked for the progress display: Urlaub, Urlaub2, then Strand.
    std::vector<std::string> walked(progress_.actions.begin(), progress_.actions.end());
    ASSERT_EQ(walked.size(), 3u);
    EXPECT_EQ(walked[2], "Ordner: " + base_.substr(0, 3) + Tildes() + "~\\Strand");
    EXPECT_EQ(progress_.totals, std::vector<int>{2});  // the two folders of the base
    EXPECT_EQ(progress_.positions, (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(CollectionTest, SubfoldersBreadthFirstThenSortedFiles) {
    auto files = CollectFiles({.source = source_, .includeSub = true, .target = "", .extens = "jpg"}, progress_);
    EXPECT_EQ(files, (std::vector<std::string>{base_ + "IMG1.JPG", base_ + "IMG10.JPG", base_ + "IMG2.JPG",
                                               base_ + "Urlaub2\\u.jpg", base_ + "Urlaub\\Strand\\s.Jpg",
                                               base_ + "Urlaub\\dsc_0042.jpg", base_ + "Zoo.JPG", base_ + "abc.JPG"}));
    ASSERT_EQ(progress_.actions.size(), 6u);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(progress_.actions[i].rfind("Ordner: ", 0), 0u);
    // The second walk goes through the sorted folders and starts the meter again.
    EXPECT_EQ(progress_.actions[3].substr(progress_.actions[3].size() - 13), "Url~...\\*.JPG");
    EXPECT_EQ(progress_.actions[4].substr(progress_.actions[4].size() - 13), "Url~...\\*.JPG");
    EXPECT_EQ(progress_.actions[5].substr(progress_.actions[5].size() - 21), "Url~...\\Str~...\\*.JPG");
    EXPECT_EQ(progress_.actions[3].rfind("Dateien: " + base_.substr(0, 3), 0), 0u);
    EXPECT_EQ(progress_.totals, (std::vector<int>{2, 3}));
    EXPECT_EQ(progress_.positions, (std::vector<int>{0, 1, 2, 3, 0, 1, 2, 3}));
}

TEST_F(CollectionTest, AllFilesTypeAndEmptyFolder) {
    auto files = CollectFiles({.source = source_ + "Urlaub2\\", .includeSub = false, .target = "", .extens = "*"},
                              progress_);
    EXPECT_EQ(files, std::vector<std::string>{base_ + "URLAUB2\\u.jpg"});
    EXPECT_EQ(progress_.totals, std::vector<int>{0});  // no subfolders: the meter stays empty
    EXPECT_TRUE(progress_.actions.empty());
    EXPECT_EQ(FileMask("*"), "*.*");
    EXPECT_EQ(FileMask("jpg"), "*.JPG");
    auto text = CollectFiles({.source = source_, .includeSub = false, .target = "", .extens = "TXT"}, progress_);
    EXPECT_EQ(text, std::vector<std::string>{base_ + "note.txt"});
}

TEST_F(CollectionTest, BlankOrWildcardTypeCollectsWhatThePlatformMaskMatches) {
    dir_.Write("README", "x");
    // The platform's own listing of the mask in the base folder, as the collection takes it.
    auto platform = [&](const std::string& mask) {
        std::vector<std::string> names;
        WIN32_FIND_DATAA data;
        HANDLE search = FindFirstFileA((base_ + mask).c_str(), &data);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (data.cFileName[0] != '.' &&
                !(data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY)))
                names.push_back(base_ + data.cFileName);
        } while (FindNextFileA(search, &data));
        FindClose(search);
        ASort(names);
        return names;
    };
    auto collect = [&](const std::string& extens, bool sub) {
        return CollectFiles({.source = source_, .includeSub = sub, .target = "", .extens = extens}, progress_);
    };
    EXPECT_EQ(collect("J?G", true),
              (std::vector<std::string>{base_ + "IMG1.JPG", base_ + "IMG10.JPG", base_ + "IMG2.JPG",
                                        base_ + "Urlaub2\\u.jpg", base_ + "Urlaub\\Strand\\s.Jpg",
                                        base_ + "Urlaub\\dsc_0042.jpg", base_ + "Zoo.JPG", base_ + "abc.JPG"}));
    EXPECT_EQ(collect("t*", false), std::vector<std::string>{base_ + "note.txt"});
    auto blank = collect("   ", false);
    EXPECT_FALSE(platform("*.   ").empty());
    EXPECT_EQ(blank, platform("*.   "));
    EXPECT_EQ(collect("", false), platform("*."));
}

TEST_F(CollectionTest, HandOverToSelectionAndCopy) {
    std::vector<std::string> copied;
    std::string copiedTo;
    auto copy = [&](const std::vector<std::string>& files, const std::string& target) {
        copied = files;
        copiedTo = target;
    };
    CollectRequest request{.source = source_, .includeSub = false, .target = "E:\\DCIM\\", .extens = "JPG"};
    test::RecordingPrompts prompts;

    // Cancelled: false and nothing copied.
    EXPECT_FALSE(GetInDir(request, progress_, prompts, [](auto&, auto&) { return false; }, copy));
    EXPECT_TRUE(copied.empty());

    // Confirmed with a choice: the chosen list goes to the copy.
    std::size_t offered = 0;
    EXPECT_TRUE(GetInDir(request, progress_, prompts,
                         [&](std::vector<std::string>& files, std::vector<std::uint64_t>& sizes) {
                             offered = files.size();
                             EXPECT_TRUE(sizes.empty());
                             files.resize(1);
                             return true;
                         },
                         copy));
    EXPECT_EQ(offered, 5u);
    EXPECT_EQ(copied, std::vector<std::string>{base_ + "IMG1.JPG"});
    EXPECT_EQ(copiedTo, "E:\\DCIM\\");

    // Confirmed but empty: true, and no copy.
    copied.clear();
    EXPECT_TRUE(GetInDir(request, progress_, prompts,
                         [](std::vector<std::string>& files, auto&) {
                             files.clear();
                             return true;
                         },
                         copy));
    EXPECT_TRUE(copied.empty());
}

TEST(ShowPath, ShortensEveryFolder) {
    EXPECT_EQ(ShowPath("C:\\BILDER\\Urlaub\\Strand", false), "C:\\~\\~\\Strand");
    EXPECT_EQ(ShowPath("C:\\BILDER\\Urlaub\\*.JPG", true), "C:\\BIL~...\\Url~...\\*.JPG");
    EXPECT_EQ(ShowPath("C:\\A\\*.JPG", true), "C:\\A~...\\*.JPG");
    EXPECT_EQ(ShowPath("C:\\x.jpg", true), "C:\\x.jpg");
}

}  // namespace
}  // namespace pixa
