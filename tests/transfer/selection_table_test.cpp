#include "app/transfer/selection_table.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/transfer/disk_space.h"
#include "app/transfer/table_areas.h"
#include "runtime/settings.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/table_test_base.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

// Records what the selection dialog would show.
struct ShownTotals {
    double used = -1;
    bool red = false;
    int marked = -1;
    bool continueEnabled = false;

    SelectionView View() {
        return {[this](double u, bool r) { used = u, red = r; }, [this](int m) { marked = m; },
                [this](bool e) { continueEnabled = e; }};
    }
};

class SelectionTableTest : public test::TableTestBase {
protected:
    // A source tree with the given files (name and size), returning their full paths.
    std::vector<std::string> Files(const std::vector<std::pair<std::string, std::size_t>>& files) {
        std::vector<std::string> paths;
        for (const auto& [name, size] : files) paths.push_back(test::WriteAnsi(src_.str() + "\\" + name, std::string(size, 'p')));
        return paths;
    }
    std::string Folder() const { return dir_.str() + "\\"; }

    test::TempDir src_;
};

constexpr std::size_t kMb = 1024 * 1024;

TEST(DisplayName, LastFolderInLowerCaseAndGroup) {
    EXPECT_EQ(DisplayName("C:\\BILDER\\Urlaub\\DSC_0042.JPG"), "urlaub\\DSC_0042.JPG");
    EXPECT_EQ(DisplayName("C:\\BILDER\\img.jpg"), "bilder\\img.jpg");
    EXPECT_EQ(DisplayName("C:\\img.jpg"), "C:\\img.jpg");
    EXPECT_EQ(DisplayName("C:\\ÄRGER\\x.jpg"), "ärger\\x.jpg");
    EXPECT_EQ(FolderGroup("urlaub\\DSC_0042.JPG"), "urlaub");
}

TEST_F(SelectionTableTest, AWorkTableHeldByAnotherIsToldWithItsNameAndReasonAndCanBeRetried) {
    std::string path = Folder() + SelectionTable::kFileName;
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    auto files = Files({{"a.jpg", 10}});
    test::ScriptedErrors defaulted;
    EXPECT_FALSE(SelectionTable(3.0).MakeDbf(Folder(), files));
    ASSERT_EQ(defaulted.raised.size(), 1u);
    EXPECT_EQ(defaulted.raised[0].FileName, path);
    EXPECT_EQ(defaulted.raised[0].OsCode, ERROR_SHARING_VIOLATION);
    EXPECT_FALSE(IsSoftOpenFailure(defaulted.raised[0]));  // shown, not let pass unsaid

    // Retried once the other holder has let go: the table is made.
    test::ScriptedErrors retried([&](const Error&) { return CloseHandle(held), ErrorAnswer::Retry; });
    SelectionTable table(3.0);
    EXPECT_TRUE(table.MakeDbf(Folder(), files));
    EXPECT_EQ(retried.raised.size(), 1u);
    EXPECT_EQ(table.Table().RecCount(), 1u);
}

TEST_F(SelectionTableTest, FillsTheTableAndSumsMarkedVisibleRows) {
    ShownTotals shown;
    SelectionTable table(3.0, shown.View());
    auto files = Files({{"Urlaub\\a.jpg", kMb}, {"Urlaub\\b.jpg", kMb + kMb / 5}, {"Zoo\\c.jpg", kMb}});
    files.push_back(src_ / "vanished.jpg");
    ASSERT_TRUE(table.MakeDbf(Folder(), files));
    auto& t = table.Table();
    EXPECT_EQ(t.RecCount(), 4u);
    EXPECT_EQ(t.RecNo(), 1u);
    EXPECT_TRUE(t.GetLogical(0));
    EXPECT_EQ(t.GetNumber(3), double(kMb));
    t.GoTo(4);
    EXPECT_EQ(t.GetNumber(3), 0.0);  // a file that vanished still appears, with size 0

    // 3.2 MB marked with 3 MB free: shown in red and "&Weiter" disabled.
    EXPECT_NEAR(table.MakeSum(0), 3.2, 1e-6);
    EXPECT_TRUE(shown.red);
    EXPECT_EQ(shown.marked, 4);
    EXPECT_FALSE(shown.continueEnabled);
    EXPECT_EQ(t.RecNo(), 1u);

    t.GoTo(2);
    table.ToggleCurrent();
    EXPECT_DOUBLE_EQ(table.MakeSum(2), 2.0);
    EXPECT_FALSE(shown.red);
    EXPECT_EQ(shown.marked, 3);
    EXPECT_TRUE(shown.continueEnabled);
    EXPECT_EQ(t.RecNo(), 2u);

    table.MarkRecs(false, 2);
    EXPECT_EQ(table.MakeSum(t.RecNo()), 0.0);
    EXPECT_FALSE(shown.continueEnabled);  // nothing marked: cannot go on
    EXPECT_EQ(shown.marked, 0);
}

TEST_F(SelectionTableTest, EmptyListAndEmptyFilesCannotGoOn) {
    ShownTotals shown;
    SelectionTable empty(100, shown.View());
    ASSERT_TRUE(empty.MakeDbf(Folder(), {}));
    EXPECT_EQ(empty.MakeSum(0), 0.0);
    EXPECT_EQ(shown.marked, 0);
    EXPECT_FALSE(shown.continueEnabled);
    empty.Close();

    SelectionTable zero(100, shown.View());
    ASSERT_TRUE(zero.MakeDbf(Folder(), Files({{"A\\x.jpg", 0}})));
    EXPECT_EQ(zero.MakeSum(0), 0.0);
    EXPECT_EQ(shown.marked, 1);
    EXPECT_FALSE(shown.continueEnabled);
}

TEST_F(SelectionTableTest, GroupsMarkHideAndShowInReverseOrder) {
    ShownTotals shown;
    SelectionTable table(100, shown.View());
    // Sorted paths: A\2003, B\2003 (one group 2003), Urlaub, Urlaub2 (prefix of urlaub), Zoo.
    auto files = Files({{"A\\2003\\1.jpg", 10}, {"B\\2003\\2.jpg", 10}, {"Urlaub\\3.jpg", 10},
                        {"Urlaub2\\4.jpg", 10}, {"Zoo\\5.jpg", 10}});
    ASSERT_TRUE(table.MakeDbf(Folder(), files));
    auto& t = table.Table();
    auto marks = [&] {  // one letter per row: X marked, . unmarked, - hidden; keeps the position
        std::string m;
        std::uint32_t at = t.RecNo();
        Settings().deletedHidden = false;
        for (t.GoTop(); !t.Eof(); t.Skip()) m += t.Deleted() ? '-' : (t.GetLogical(0) ? 'X' : '.');
        Settings().deletedHidden = true;
        t.GoTo(at);
        return m;
    };

    t.GoTo(1);
    table.MarkRecs(false, 1);  // unmark group 2003: both folders named 2003
    EXPECT_EQ(marks(), "..XXX");
    EXPECT_EQ(t.RecNo(), 1u);
    t.GoTo(3);
    table.MarkRecs(false, 1);  // unmark group urlaub: urlaub2 goes with it
    EXPECT_EQ(marks(), "....X");
    t.GoTo(4);
    table.MarkRecs(true, 1);  // mark group urlaub2: urlaub is not part of it
    EXPECT_EQ(marks(), "...XX");
    t.GoTo(3);
    table.MarkRecs(true, 1);
    EXPECT_EQ(marks(), "..XXX");

    t.GoTo(3);
    table.MarkRecs(false, 0);  // hide group urlaub: urlaub2 goes with it
    EXPECT_EQ(marks(), "..--X");
    EXPECT_EQ(table.HideSteps(), 1);
    t.GoTo(5);
    table.MarkRecs(false, 0);  // hide zoo
    EXPECT_EQ(marks(), "..---");
    EXPECT_EQ(table.HideSteps(), 2);

    table.MarkRecs(true, 2);  // mark all visible: hidden rows keep their marks out of reach
    EXPECT_EQ(marks(), "XX---");
    table.MakeSum(t.RecNo());
    EXPECT_EQ(shown.marked, 2);

    table.MarkRecs(true, 0);  // shows zoo first
    EXPECT_EQ(marks(), "XX--X");
    EXPECT_EQ(t.RecNo(), 5u);
    table.MarkRecs(true, 0);  // then urlaub
    EXPECT_EQ(marks(), "XXXXX");
    EXPECT_EQ(t.RecNo(), 3u);
    EXPECT_EQ(table.HideSteps(), 0);
    table.MarkRecs(true, 0);  // nothing left to show
    EXPECT_EQ(table.HideSteps(), 0);

    t.GoTo(99);  // past the last row: no group to hide or mark
    table.MarkRecs(false, 0);
    table.MarkRecs(false, 1);
    EXPECT_EQ(marks(), "XXXXX");
    EXPECT_EQ(table.HideSteps(), 0);
}

TEST_F(SelectionTableTest, ChosenFilesAreMarkedVisibleRowsWithFullPaths) {
    SelectionTable table(100);
    // A path longer than the 254 places of the path field (and within the platform's limit).
    std::string longName = std::string(100, 'L') + "\\" + std::string(255 - 9 - src_.str().size() - 101, 'M') + "\\pic.jpg";
    auto files = Files({{"A\\1.jpg", 1}, {"B\\2.jpg", 2}, {"C\\3.jpg", 3}, {longName, 4}});
    ASSERT_EQ(files[3].size(), 255u);
    ASSERT_TRUE(table.MakeDbf(Folder(), files));
    auto& t = table.Table();
    t.GoTo(1);
    table.MarkRecs(false, 0);  // hide A (still marked)
    t.GoTo(2);
    table.ToggleCurrent();  // unmark B
    std::vector<std::string> chosen = {"old"};
    std::vector<std::uint64_t> sizes;
    table.TakeChosen(chosen, sizes);
    EXPECT_EQ(chosen, (std::vector<std::string>{files[2], files[3]}));
    EXPECT_EQ(sizes, (std::vector<std::uint64_t>{3, 4}));
    EXPECT_EQ(t.RecCount(), 3u);  // the hidden row is gone for good
}

// Each picture needs whole clusters, as the 3 TiB card T: takes them, and the check stays
// exact beyond 2 TB: pictures that fill the free space may go on, one byte more may not.
TEST_F(SelectionTableTest, NeedCountsWholeClustersOfTheCardAndStaysExactBeyondTwoTerabytes) {
    if (FreeMegabytes("T:\\") != 3 << 20) GTEST_SKIP() << "the empty 3 TiB card T: is not mounted";
    const std::uint64_t c = ClusterBytes("T:\\"), free = 3ull << 40, before = DiskSpaceOf("T:\\");
    ShownTotals shown;
    auto need = [&](const std::vector<std::uint64_t>& sizes) {
        std::vector<std::string> files;
        for (auto size : sizes) files.push_back(test::SparseFile(src_ / ("p" + std::to_string(files.size())), size));
        SelectionTable table(3 << 20, shown.View(), static_cast<std::uint32_t>(c));
        table.MakeDbf(Folder(), files);
        table.MakeSum(0);
        table.Close();
        return table.NeededBytes();
    };
    EXPECT_EQ(need({0, 1, c, c + 1}), 4 * c);  // empty, one byte, one cluster, one byte more
    auto onCard = [](int i) { return "T:\\p" + std::to_string(i); };
    for (int i = 0; i < 4; ++i) CopyFileA((src_ / ("p" + std::to_string(i))).c_str(), onCard(i).c_str(), FALSE);
    EXPECT_EQ(before - DiskSpaceOf("T:\\"), 4 * c) << "the card took what was counted";
    for (int i = 0; i < 4; ++i) DeleteFileA(onCard(i).c_str());
    EXPECT_EQ(need({free - c, c}), free);
    EXPECT_TRUE(shown.continueEnabled);
    EXPECT_EQ(need({free - c, c + 1}), free + c);
    EXPECT_FALSE(shown.continueEnabled);
    EXPECT_TRUE(shown.red);
}

// The table as an independent reader (Debian's python3-dbfread) sees it, told nothing
// but the file: the code page comes from the table itself.
std::string ReadWithDbfread(const std::string& table) {
    // Z: is the Unix root: a scratch folder there is reachable from both sides.
    std::string unixDir = "/tmp/pixa-dbfread-" + std::to_string(GetCurrentProcessId());
    std::string dosDir = "Z:" + unixDir;
    for (char& c : dosDir)
        if (c == '/') c = '\\';
    CreateDirectoryA(dosDir.c_str(), nullptr);
    CopyFileA(table.c_str(), (dosDir + "\\TEMP.DBF").c_str(), FALSE);
    std::ofstream(dosDir + "\\read.py", std::ios::binary) << "from dbfread import DBF\n"
                                           "t = DBF('" << unixDir << "/TEMP.DBF')\n"
                                           "with open('" << unixDir << "/out.txt', 'w', encoding='cp1252') as out:\n"
                                           "    for deleted, rows in ((0, t.records), (1, t.deleted)):\n"
                                           "        for r in rows:\n"
                                           "            out.write('%d|%s|%s|%s|%d|%d\\n' % (deleted, r['COPY'], "
                                           "r['FILE'], r['BILD'], r['SIZE'], r['DELS']))\n";
    std::ofstream(dosDir + "\\read.sh", std::ios::binary)
        << "/usr/bin/python3 " << unixDir << "/read.py\ntouch " << unixDir << "/done\n";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string command = "Z:\\bin\\sh " + unixDir + "/read.sh";
    std::string text;
    if (CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
        // A Unix process cannot be waited for through its handle: wait for its end mark.
        for (int i = 0; i < 600 && GetFileAttributesA((dosDir + "\\done").c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
            Sleep(100);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
        std::ifstream in(dosDir + "\\out.txt", std::ios::binary);
        std::ostringstream all;
        all << in.rdbuf();
        text = all.str();
    }
    for (const char* name : {"\\TEMP.DBF", "\\read.py", "\\read.sh", "\\out.txt", "\\done"}) DeleteFileA((dosDir + name).c_str());
    RemoveDirectoryA(dosDir.c_str());
    return text;
}

TEST_F(SelectionTableTest, IndependentReaderFindsTheSameRecordsAndDeletionFlags) {
    SelectionTable table(100);
    auto files = Files({{"Urlaub\\Strand.jpg", 123}, {"Zoo\\Löwe.jpg", 4567}, {"Zoo\\Bär.jpg", 0}});
    ASSERT_TRUE(table.MakeDbf(Folder(), files));
    auto& t = table.Table();
    t.GoTo(2);
    table.MarkRecs(false, 0);  // hide zoo: two deleted records with DELS 1
    t.GoTo(1);
    table.ToggleCurrent();
    table.Close();

    std::string expected = "0|False|" + files[0] + "|urlaub\\Strand.jpg|123|0\n" +  //
                           "1|True|" + files[1] + "|zoo\\Löwe.jpg|4567|1\n" +      //
                           "1|True|" + files[2] + "|zoo\\Bär.jpg|0|1\n";
    EXPECT_EQ(ReadWithDbfread(Folder() + SelectionTable::kFileName), expected);
}

}  // namespace
}  // namespace pixa
