// The real program, driven from this process as a user would drive it: started with
// "Konvert" set and a source folder configured, it opens the transfer dialog by
// itself, and a whole transfer runs through its windows.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/transfer/directory.h"
#include "tests/support/program_process.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

std::string ProgramPath() {
    std::string path = "Z:" + std::string(PIXA_PROGRAM_EXE);
    std::replace(path.begin(), path.end(), '/', '\\');
    return path;
}

// Height of a browse row in the selection list's font (text height + 1).
int RowHeight() {
    HFONT font = CreateFontA(-8, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, "Ms Sans Serif");
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    DeleteObject(font);
    return metrics.tmHeight + 1;
}

class ProgramTransfer : public ::testing::Test {
protected:
    void SetUp() override {
        source_ = "S:\\pixa-run-" + std::to_string(GetCurrentProcessId()) + "\\";
        std::error_code ec;
        for (const auto& entry : std::filesystem::directory_iterator("K:\\", ec)) std::filesystem::remove_all(entry.path(), ec);
        CreateDirectoryA("K:\\DCIM", nullptr);
        exe_ = dir_ / "pixaport.exe";
        ASSERT_TRUE(CopyFileA(ProgramPath().c_str(), exe_.c_str(), FALSE)) << ProgramPath();
    }
    void TearDown() override {
        process_.Stop();  // before the files it may hold open are removed
        std::error_code ec;
        std::filesystem::remove_all(source_, ec);
        for (const auto& entry : std::filesystem::directory_iterator("K:\\", ec)) std::filesystem::remove_all(entry.path(), ec);
    }
    void Start() {
        ASSERT_TRUE(process_.Start(exe_));
    }
    // Waits up to 30 s for find() to yield a window.
    template <typename Find>
    HWND Wait(Find find) {
        for (int i = 0; i < 600; ++i) {
            if (HWND found = find()) return found;
            Sleep(50);
        }
        return nullptr;
    }
    HWND Top(const std::string& caption, const std::string& child = {}) {
        return FindTop(process_.Id(), caption, child);
    }
    HWND Transfer() { return Top("Bilddateien übertragen", "Übertragung &starten"); }
    HWND Selection() { return Top("Bilddateien auswählen"); }

    TempDir dir_;
    std::string exe_, source_;
    pixa::test::ProgramProcess process_;
};

TEST_F(ProgramTransfer, OpensTheTransferDialogByItselfAndTransfersWhenDrivenFromOutside) {
    ULARGE_INTEGER available{}, total{}, free{};
    if (!GetDiskFreeSpaceExA("K:\\", &available, &total, &free) || total.QuadPart != 4u << 20)
        GTEST_SKIP() << "the 4 MiB card K: is not mounted";
    std::vector<std::string> sources;
    for (const char* name : {"Zoo\\b.jpg", "Urlaub\\c.jpg", "Urlaub\\A.jpg", "d.jpg"})
        sources.push_back(WriteAnsi(source_ + name, std::string(300000, name[0]) + name));
    dir_.Write("PIXAPORT.INI", "[Data]\r\nKonvert=1\r\nExtens=JPG\r\nBeginn=Sony\r\nQuelle=" + source_ +
                                   "\r\nSubOrd=1\r\nZiel=K:\\DCIM\\\r\nSpeicher=8\r\n");
    Start();

    HWND transfer = Wait([&] { return Transfer(); });
    ASSERT_NE(transfer, nullptr) << "the transfer dialog did not open by itself";
    EXPECT_EQ(Trimmed(ChildAt(transfer, 22, 50)), source_);
    EXPECT_EQ(Trimmed(ChildAt(transfer, 64, 50)), "K:\\DCIM\\");
    std::string freeBefore = Trimmed(ChildAt(transfer, 112, 50));
    EXPECT_EQ(freeBefore, "4");

    Press(ChildWithText(transfer, "Übertragung &starten"));
    HWND list = Wait([&] { return Selection(); });
    ASSERT_NE(list, nullptr);
    ASSERT_NE(Wait([&] { return Trimmed(ChildAt(list, 172, 252)) == "4" ? list : nullptr; }), nullptr);
    EXPECT_EQ(Trimmed(ChildAt(list, 172, 171)), "1");  // 1.2 MB

    // Unmark the first row (Urlaub\A.jpg, the first in byte order) by a double click.
    int h = RowHeight();
    ClickAt(ChildAt(list, 15, 0), 60, h + h / 2, true);
    ASSERT_NE(Wait([&] { return Trimmed(ChildAt(list, 172, 252)) == "3" ? list : nullptr; }), nullptr);
    Press(ChildAt(list, 183, 191));

    HWND box = Wait([&] { return Top("Konvertierung beendet"); });
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), "Es wurden 3 Dateien erfolgreich konvertiert.\r\n3 Kopien wurden auf der Karte nachgeprüft.");
    Answer(box, IDOK);
    ASSERT_NE(Wait([&] {
                  HWND k = Transfer();
                  return k && Trimmed(ChildAt(k, 112, 50)) != freeBefore ? k : nullptr;
              }),
              nullptr)
        << "the free space shown did not drop";
    EXPECT_EQ(Trimmed(ChildAt(Transfer(), 112, 50)), "3");
    Press(ChildWithText(Transfer(), "&Abbrechen"));

    // The card: the three marked pictures in byte order of their paths.
    std::vector<std::string> expected = {sources[1], sources[0], sources[3]};  // Urlaub\c, Zoo\b, d
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(ReadAnsi("K:\\DCIM\\DSC0000" + std::to_string(i + 1) + ".JPG"), ReadAnsi(expected[i])) << i;
    EXPECT_FALSE(File("K:\\DCIM\\DSC00004.JPG"));

    HWND main = Wait([&] { return !Transfer() ? Top(" Qor Pixaport v1.05") : nullptr; });
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(process_.WaitEnded(10000));
}

}  // namespace
}  // namespace pixa::test
