// A whole transfer as a user does it, with real files on the source drive S: and the
// card K:: start, the progress dialog, the selection list with its totals, the copy
// with its meter, the final message, the card's content and free space afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "app/transfer/directory.h"
#include "app/transfer/disk_space.h"
#include "app/transfer/table_areas.h"
#include "app/transfer/transfer_dialog.h"
#include "framework/services/browse.h"
#include "framework/services/help.h"
#include "framework/window/window_registry.h"
#include "runtime/ansi_chars.h"
#include "runtime/string_order.h"
#include "runtime/value_text.h"
#include "tests/support/gui_driver.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/transfer_ui/progress_probe.h"
#include "tests/transfer_ui/transfer_fixture.h"
#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

namespace pixa::test {
namespace {

class TransferFlow : public TransferFixture {
protected:
    void Run(GuiScript& script) {
        script.Start();
        Konvert(owner_, Values());
        EXPECT_TRUE(script.Succeeded()) << script.FailedStep();
    }
    // The sources as the collection orders them: upper-case base, byte order.
    std::vector<std::string> Ordered(const std::vector<std::string>& names) const {
        std::vector<std::string> paths;
        for (const auto& name : names) paths.push_back(AnsiUpperText(source_) + name);
        ASort(paths);
        return paths;
    }
    static HWND InSelection(int row, int col) { return ChildAt(Selection(), row, col); }
    // Double-clicks data row r of the selection list's browse.
    static void DoubleClickRow(int r) {
        HWND list = InSelection(15, 0);
        auto browse = std::dynamic_pointer_cast<TWBrowse>(oWndFromHwnd(list));
        int h = browse ? browse->LineHeight() : 14;
        ClickAt(list, 60, r * h + h / 2, true);
    }
    // Steps that start the run from the transfer dialog and wait for the selection list.
    static void StartUntilSelection(GuiScript& script) {
        script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; })
            .Do("start", [] { Press(ChildWithText(KonvertDialog(), kStart)); })
            .Until("selection list", [] { return Selection() != nullptr && IsWindowVisible(Selection()); });
    }
    // Steps that answer a box, keeping its text.
    static void AnswerBox(GuiScript& script, const std::string& title, std::string& text, int id = IDOK) {
        script.Until("box " + title, [title] { return Box(title) != nullptr; }).Do("answer " + title, [title, &text, id] {
            text = BoxText(Box(title));
            Answer(Box(title), id);
        });
    }
    static void Close(GuiScript& script) {
        script.Until("back in the transfer dialog", [] { return KonvertDialog() && !Progress(); })
            .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    }
    std::string Card(const std::string& name) const { return ReadAnsi(cZiel + name); }
    static std::string ReadPath(const std::filesystem::path& file) {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    // Ten files p00.jpg ... p09.jpg; interrupt (through the action) while the third is copied.
    void InterruptTheThird(std::function<void(HWND progress)> interrupt, std::string& stop,
                           std::string& final, std::vector<std::string>& lines) {
        ProgressProbe probe;
        probe.OnCopying("p02.jpg", std::move(interrupt));
        GuiScript script;
        StartUntilSelection(script);
        script.Do("weiter", [] { Press(InSelection(183, 191)); });
        AnswerBox(script, "Unterbrechung", stop);
        AnswerBox(script, "Konvertierung beendet", final);
        Close(script);
        Run(script);
        for (const auto& line : probe.lines) lines.push_back(line.text);
    }
};


TEST_F(TransferFlow, StartUnmarkContinueCopiesUnderCameraNames) {
    if (!CardReady()) GTEST_SKIP() << "the 4 MiB card K: is not mounted";
    const std::vector<std::pair<std::string, std::size_t>> pictures = {
        {"a.jpg", 200000},        {"Urlaub\\B.jpg", 300000}, {"Urlaub\\a.jpg", 250000},
        {"Zoo\\x.jpg", 150000},   {"Zoo\\Y.jpg", 100000},    {"Urlaub\\Strand\\s.jpg", 700000}};
    std::vector<std::string> names;
    for (const auto& [name, size] : pictures) Picture(name, size), names.push_back(name);
    auto ordered = Ordered(names);  // row 2 is Urlaub\Strand\s.jpg (700,000 bytes)
    ASSERT_NE(ordered[1].find("Strand"), std::string::npos);

    ProgressProbe probe;
    std::string freeBefore, freeAfter, final;
    std::string shown[3], after[2];
    int rows = -1, marked = -1;
    bool weiterBefore = false;
    LONG progressStyle = 0;
    LOGFONTA dialogFont{}, actionFont{};
    GuiScript script(std::chrono::milliseconds(15000));
    script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; })
        .Do("free space", [&] { freeBefore = Trimmed(ChildAt(KonvertDialog(), 112, 50)); });
    StartUntilSelection(script);
    script.Do("read the list", [&] {
              shown[0] = Trimmed(InSelection(172, 57));   // verfügbarer Speicher
              shown[1] = Trimmed(InSelection(172, 171));  // benötigter Speicher
              shown[2] = Trimmed(InSelection(172, 252));  // markierte Dateien
              weiterBefore = IsWindowEnabled(InSelection(183, 191));
              auto table = DbArea("DTMP");
              rows = table ? static_cast<int>(table->RecCount()) : -1;
              marked = 0;
              if (table) {
                  std::uint32_t at = table->RecNo();  // the browse stands on it
                  table->Eval([&] { marked += table->GetLogical(0); });
                  table->GoTo(at);
              }
              HWND progress = Progress();
              progressStyle = GetWindowLongA(progress, GWL_STYLE);
              GetObjectA(reinterpret_cast<HFONT>(SendMessageA(ChildAt(progress, 10, 5), WM_GETFONT, 0, 0)),
                         sizeof dialogFont, &dialogFont);
              GetObjectA(reinterpret_cast<HFONT>(SendMessageA(ChildAt(progress, 44, 5), WM_GETFONT, 0, 0)),
                         sizeof actionFont, &actionFont);
          })
        .Do("unmark row 2", [] { DoubleClickRow(2); })
        .Until("totals follow", [&] { return Trimmed(InSelection(172, 252)) == "5"; })
        .Do("read again", [&] {
            after[0] = Trimmed(InSelection(172, 171));
            after[1] = Trimmed(InSelection(172, 252));
        })
        .Do("weiter", [] { Press(InSelection(183, 191)); });
    AnswerBox(script, "Konvertierung beendet", final);
    script.Until("free space shown anew", [&] {
        HWND k = KonvertDialog();
        return k && !Progress() && (freeAfter = Trimmed(ChildAt(k, 112, 50))) != freeBefore;
    });
    Close(script);
    Run(script);

    EXPECT_EQ(shown[0], "4");
    EXPECT_EQ(shown[1], "2");  // 1,700,000 bytes = 1.7 MB
    EXPECT_EQ(shown[2], "6");
    EXPECT_EQ(rows, 6);
    EXPECT_EQ(marked, 6);
    EXPECT_TRUE(weiterBefore);
    EXPECT_EQ(after[0], "1");  // without the 700,000 bytes
    EXPECT_EQ(after[1], "5");
    EXPECT_EQ(final, "Es wurden 5 Dateien erfolgreich konvertiert.\r\n5 Kopien wurden auf der Karte nachgeprüft.");
    EXPECT_EQ(freeBefore, "4");
    EXPECT_EQ(freeAfter, "3");  // 1,000,000 bytes copied onto the empty 4 MiB card

    // The progress dialog: a popup without caption, in the small dialog font; a bold action line.
    for (LONG bit : {LONG(WS_POPUP), LONG(WS_BORDER), LONG(WS_THICKFRAME), LONG(DS_MODALFRAME)}) EXPECT_EQ(progressStyle & bit, bit);
    EXPECT_EQ(progressStyle & (WS_DLGFRAME | WS_SYSMENU), 0);  // no caption bar, no close box
    EXPECT_STRCASEEQ(dialogFont.lfFaceName, "Ms Sans Serif");
    EXPECT_EQ(dialogFont.lfHeight, -8);
    EXPECT_EQ(actionFont.lfWeight, FW_BOLD);

    // The action line walked the folders, then one line per copy while the meter moved on.
    std::vector<std::pair<std::string, double>> copies;
    for (const auto& line : probe.lines)
        if (line.text.rfind("Kopieren: ", 0) == 0) copies.push_back({line.text.substr(10), line.meter});
    ASSERT_EQ(copies.size(), 5u);
    for (std::size_t i = 0; i < copies.size(); ++i) EXPECT_EQ(copies[i].second, double(i)) << copies[i].first;
    ASSERT_FALSE(probe.lines.empty());
    EXPECT_EQ(probe.lines.back().text, "Übertragung erfolgreich abgeschlossen ");
    EXPECT_EQ(probe.lines.back().meter, 5.0);
    EXPECT_EQ(probe.lines.front().text.rfind("Ordner: ", 0), 0u);

    // The card: camera names in byte order of the source paths, byte for byte the sources.
    ordered.erase(ordered.begin() + 1);
    EXPECT_EQ(CardNames(), (std::vector<std::string>{"DSC00001.JPG", "DSC00002.JPG", "DSC00003.JPG",
                                                     "DSC00004.JPG", "DSC00005.JPG"}));
    for (std::size_t i = 0; i < ordered.size(); ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "DSC%05zu.JPG", i + 1);
        EXPECT_EQ(Card(name), ReadAnsi(ordered[i])) << name << " from " << ordered[i];
    }
}

TEST_F(TransferFlow, SimulationWritesNothing) {
    lSimulier = true;
    Picture("a.jpg", 1000);
    Picture("b.jpg", 2000);
    std::string final, title;
    GuiScript script;
    StartUntilSelection(script);
    script.Do("weiter", [] { Press(InSelection(183, 191)); });
    AnswerBox(script, "Simulation beendet", final);
    Close(script);
    Run(script);
    EXPECT_EQ(final, "Es wurden 2 Dateien erfolgreich konvertiert.");
    EXPECT_TRUE(CardNames().empty());
}

TEST_F(TransferFlow, InterruptDuringTheThirdOfTenFiles) {
    for (int i = 0; i < 10; ++i) Picture("p0" + std::to_string(i) + ".jpg", 20000);
    for (bool byEscape : {false, true}) {
        std::string stop, final;
        std::vector<std::string> lines;
        auto interrupt = byEscape ? std::function<void(HWND)>([](HWND progress) {
            // Esc as the dialog gets it: the cancel command.
            PostMessageA(progress, WM_COMMAND, IDCANCEL, 0);
        })
                                  : std::function<void(HWND)>([](HWND progress) {
                                        Press(ChildWithText(progress, "&Unterbrechen"));
                                    });
        InterruptTheThird(interrupt, stop, final, lines);
        SCOPED_TRACE(byEscape ? "Esc" : "Unterbrechen");
        EXPECT_EQ(stop, "Der Datentransfer wurde abgebrochen !");
        EXPECT_EQ(final, "Es wurden 3 Dateien erfolgreich konvertiert.\r\n3 Kopien wurden auf der Karte nachgeprüft.");
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), "Die Übertragung wurde abgebrochen");
        EXPECT_EQ(CardNames(), (std::vector<std::string>{"DSC00001.JPG", "DSC00002.JPG", "DSC00003.JPG"}));
        EXPECT_EQ(Card("DSC00003.JPG"), ReadAnsi(source_ + "p02.jpg"));
        for (const auto& name : CardNames()) DeleteFileA((cZiel + name).c_str());
    }
}

TEST_F(TransferFlow, EscDuringTheWalkEndsTheRunAndAnEarlierInterruptNeverStopsTheCopy) {
    for (const char* name : {"A\\a.jpg", "B\\b.jpg", "C\\c.jpg"}) Picture(name, 1000);
    std::string stop, final;
    bool listOpened = false;
    {
        // Esc as the dialog gets it, while the first folder is walked.
        ProgressProbe probe;
        probe.OnLine("Ordner: ", [](HWND progress) { PostMessageA(progress, WM_COMMAND, IDCANCEL, 0); });
        GuiScript script;
        script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; })
            .Do("start", [] { Press(ChildWithText(KonvertDialog(), kStart)); });
        script.Until("box Unterbrechung", [&] {
            listOpened = listOpened || Selection() != nullptr;
            return Box("Unterbrechung") != nullptr;
        });
        AnswerBox(script, "Unterbrechung", stop);
        Close(script);
        Run(script);
        EXPECT_EQ(stop, "Der Datentransfer wurde abgebrochen !");
        EXPECT_FALSE(listOpened);
        int walked = 0;
        for (const auto& line : probe.lines) walked += line.text.rfind("Ordner: ", 0) == 0;
        EXPECT_EQ(walked, 1);
        ASSERT_FALSE(probe.lines.empty());
        EXPECT_EQ(probe.lines.back().text, "Die Übertragung wurde abgebrochen");
        EXPECT_TRUE(CardNames().empty());
    }
    // An interrupt that reaches the dialog while the list is open is not the copy's.
    GuiScript script;
    StartUntilSelection(script);
    script.Do("interrupt", [] { SendMessageA(Progress(), WM_COMMAND, IDCANCEL, 0); })
        .Do("weiter", [] { Press(InSelection(183, 191)); });
    AnswerBox(script, "Konvertierung beendet", final);
    Close(script);
    Run(script);
    EXPECT_EQ(final, "Es wurden 3 Dateien erfolgreich konvertiert.\r\n3 Kopien wurden auf der Karte nachgeprüft.");
    EXPECT_EQ(CardNames().size(), 3u);
}

TEST_F(TransferFlow, NeedAboveTheFreeSpaceIsRedAndBlocksWeiter) {
    if (!CardReady()) GTEST_SKIP() << "the 4 MiB card K: is not mounted";
    LeaveFree(3);
    for (int i = 0; i < 4; ++i) Picture("q" + std::to_string(i) + ".jpg", 838861);  // 4 × 0.8 MB = 3.2 MB
    std::string need, needAfter;
    std::uint32_t colour = 0, colourAfter = 1;
    bool weiter = true, weiterAfter = false;
    auto colourOf = [](HWND label) {
        auto object = oWndFromHwnd(label);
        return object && object->nClrText ? *object->nClrText : 0xFFFFFFFFu;
    };
    GuiScript script;
    StartUntilSelection(script);
    script.Do("read", [&] {
              need = Trimmed(InSelection(172, 171));
              colour = colourOf(InSelection(172, 171));
              weiter = IsWindowEnabled(InSelection(183, 191));
          })
        .Do("unmark one", [] { DoubleClickRow(1); })
        .Until("totals follow", [] { return Trimmed(InSelection(172, 252)) == "3"; })
        .Do("read again", [&] {
            needAfter = Trimmed(InSelection(172, 171));
            colourAfter = colourOf(InSelection(172, 171));
            weiterAfter = IsWindowEnabled(InSelection(183, 191));
        })
        .Do("cancel", [] { Press(InSelection(183, 265)); });
    Close(script);
    Run(script);
    EXPECT_EQ(need, "3");
    EXPECT_EQ(colour, 255u);  // red text
    EXPECT_FALSE(weiter);
    EXPECT_EQ(needAfter, "2");
    EXPECT_EQ(colourAfter, 0u);
    EXPECT_TRUE(weiterAfter);
    EXPECT_TRUE(CardNames().empty());  // cancelled: nothing copied
}

// 1,500 pictures of over a gigabyte onto the 3 TiB card T:: numbers with their thousands,
// sizes in kilobytes rounded up (A.jpg first: 1,500,000 bytes; then 700 KB each).
TEST_F(TransferFlow, ThousandsOfPicturesOnATerabyteCardShowTheirNumbers) {
    if (FreeMegabytes("T:\\") != 3 << 20) GTEST_SKIP() << "the empty 3 TiB card T: is not mounted";
    cZiel = "T:\\";
    SparseFile(source_ + "A.jpg", 1'500'000);
    for (int i = 0; i < 1499; ++i) SparseFile(source_ + "R" + std::to_string(i / 100) + "\\" + std::to_string(i) + ".jpg", 716'800);
    std::string totals[3], sizes[2];
    GuiScript script(std::chrono::milliseconds(30000));
    StartUntilSelection(script);
    script.Do("read", [&] {
              for (int i = 0; i < 3; ++i) totals[i] = Trimmed(InSelection(172, std::vector{57, 171, 252}[i]));
              auto browse = std::dynamic_pointer_cast<TWBrowse>(oWndFromHwnd(InSelection(15, 0)));
              for (auto& size : sizes) size = browse->bLine().AsArray()->at(2).AsString(), browse->Skip(1);
          })
        .Do("cancel", [] { Press(InSelection(183, 265)); });
    Close(script);
    Run(script);
    EXPECT_EQ(std::vector<std::string>(totals, totals + 3), (std::vector<std::string>{"3.145.728", "1.026", "1.500"}));
    EXPECT_EQ(sizes[0], "1.465");
    EXPECT_EQ(sizes[1], "700");
}

TEST_F(TransferFlow, EmptyListCannotGoOn) {
    std::string totals[3];
    bool weiter = true;
    GuiScript script;
    StartUntilSelection(script);
    script.Do("read", [&] {
              totals[0] = Trimmed(InSelection(172, 171));
              totals[1] = Trimmed(InSelection(172, 252));
              weiter = IsWindowEnabled(InSelection(183, 191));
          })
        .Do("cancel", [] { Press(InSelection(183, 265)); });
    Close(script);
    Run(script);
    EXPECT_EQ(totals[0], "0");
    EXPECT_EQ(totals[1], "0");
    EXPECT_FALSE(weiter);
}

TEST_F(TransferFlow, HelpButtonsShowTheirTopicsAndEachDialogSetsItsOwn) {
    Picture("a.jpg", 10);
    std::vector<std::string> shown;
    SetHelpFile("Pixaport.HLP");
    auto previous = SetHelpViewer([&](HWND, const std::string&, UINT command, ULONG_PTR data) {
        shown.push_back(command == 257 ? reinterpret_cast<const char*>(data) : "?");
        return true;
    });
    std::vector<std::string> topics;
    GuiScript script;
    script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; }).Do("help", [&] {
        topics.push_back(GetHelpTopic());
        SendMessageA(ChildWithText(KonvertDialog(), "&Hilfe"), BM_CLICK, 0, 0);
    });
    StartUntilSelection(script);
    script.Do("help in the list", [&] {
              topics.push_back(GetHelpTopic());
              SendMessageA(InSelection(183, 228), BM_CLICK, 0, 0);
          })
        .Do("cancel", [] { Press(InSelection(183, 265)); })
        .Until("back", [] { return KonvertDialog() && !Progress(); })
        .Do("topic", [&] { topics.push_back(GetHelpTopic()); });
    Close(script);
    Run(script);
    SetHelpViewer(previous);
    topics.push_back(GetHelpTopic());
    EXPECT_EQ(shown, (std::vector<std::string>{"Konvertieren", "Auswahl"}));
    EXPECT_EQ(topics, (std::vector<std::string>{"Konvertieren", "Auswahl", "Hauptauswahl", "Hauptauswahl"}));
}

// ".jpg" opens with the recording stand-in viewer for the lifetime of the object.
class RecorderAssociation {
public:
    explicit RecorderAssociation(const std::string& log) {
        std::string exe = "Z:" + std::string(PIXA_PICTURE_RECORDER_EXE);
        std::replace(exe.begin(), exe.end(), '/', '\\');
        Set(".jpg", "PixaTest.Picture");
        Set("PixaTest.Picture\\shell\\open\\command", "\"" + exe + "\" \"%1\"");
        SetEnvironmentVariableA("PIXA_SHOWN_LOG", log.c_str());
    }
    ~RecorderAssociation() {
        if (previous_.empty())
            RegDeleteKeyA(HKEY_CLASSES_ROOT, ".jpg");
        else
            Set(".jpg", previous_);
        RegDeleteTreeA(HKEY_CLASSES_ROOT, "PixaTest.Picture");
        SetEnvironmentVariableA("PIXA_SHOWN_LOG", nullptr);
    }

private:
    void Set(const std::string& key, const std::string& value) {
        HKEY h = nullptr;
        RegCreateKeyExA(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr);
        if (key == ".jpg" && previous_.empty() && !saved_) {
            char old[256] = {};
            LONG size = sizeof old;
            if (RegQueryValueA(HKEY_CLASSES_ROOT, ".jpg", old, &size) == ERROR_SUCCESS) previous_ = old;
            saved_ = true;
        }
        RegSetValueExA(h, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
        RegCloseKey(h);
    }
    std::string previous_;
    bool saved_ = false;
};

TEST_F(TransferFlow, ZeigenOpensThePictureWithItsViewerAndWaitsForIt) {
    std::string picture = Picture("Urlaub\\Strand Bild.jpg", 100);
    TempDir logs;
    std::string log = logs / "shown.txt";
    RecorderAssociation association(log);
    std::string shownWhenBack;
    bool focusBack = false;
    GuiScript script(std::chrono::milliseconds(15000));
    StartUntilSelection(script);
    script.Do("zeigen", [&] {
              // The click runs inside this step: when it returns the viewer must have ended.
              SendMessageA(InSelection(183, 62), BM_CLICK, 0, 0);
              shownWhenBack = ReadAnsi(log);
          })
        .Until("focus back on the list", [&] { return (focusBack = GetFocus() == InSelection(15, 0)); })
        .Do("cancel", [] { Press(InSelection(183, 265)); });
    Close(script);
    Run(script);
    EXPECT_NE(shownWhenBack.find(AnsiUpperText(source_) + "Urlaub\\Strand Bild.jpg"), std::string::npos) << shownWhenBack;
    EXPECT_TRUE(focusBack);
}

TEST_F(TransferFlow, NamesInAnyScriptAreCollectedInOrderShownCopiedAndCounted) {
    if (!CardReady()) GTEST_SKIP() << "the 4 MiB card K: is not mounted";
    // Made with UTF-8 names on the Linux side of S: by scripts/test-drives.sh.
    const std::filesystem::path tree = L"S:\\names-of-the-world";
    // Characters that Windows-1252 lacks sort by their code units, before every printable one.
    const std::wstring ordered[] = {L"Łódź.jpg",         L"Şehir.jpg",         L"Ελλάδα\\θάλασσα.jpg",
                                    L"Москва\\Кремль.jpg", L"日本\\富士山.jpg", L"🌄\\😀.jpg",
                                    L"Lódz.jpg",         L"Sehir.jpg"};
    ASSERT_TRUE(std::filesystem::exists(tree / ordered[0])) << "scripts/test-drives.sh up makes the tree";
    cQuelle = "S:\\names-of-the-world\\";
    std::vector<std::string> shown;
    std::string marked, final;
    GuiScript script(std::chrono::milliseconds(15000));
    StartUntilSelection(script);
    script
        .Do("read the list",
            [&] {
                marked = Trimmed(InSelection(172, 252));
                auto table = DbArea("DTMP");
                std::uint32_t at = table->RecNo();
                table->Eval([&] { shown.push_back(TrimRight(table->GetText(2))); });
                table->GoTo(at);
            })
        .Do("weiter", [] { Press(InSelection(183, 191)); });
    AnswerBox(script, "Konvertierung beendet", final);
    Close(script);
    Run(script);

    EXPECT_EQ(marked, "8");
    ASSERT_EQ(shown.size(), std::size(ordered));
    EXPECT_EQ(shown[0], "names-of-the-world\\?\xF3" "d?.jpg");
    EXPECT_EQ(shown[3], "??????\\??????.jpg");
    EXPECT_EQ(shown[6], "names-of-the-world\\L\xF3" "dz.jpg");
    EXPECT_EQ(final, "Es wurden 8 Dateien erfolgreich konvertiert.\r\n8 Kopien wurden auf der Karte nachgeprüft.");
    ASSERT_EQ(CardNames().size(), std::size(ordered));
    for (std::size_t i = 0; i < std::size(ordered); ++i) {
        char name[16];
        std::snprintf(name, sizeof name, "DSC%05zu.JPG", i + 1);
        EXPECT_EQ(Card(name), ReadPath(tree / ordered[i])) << name;
    }
}

}  // namespace
}  // namespace pixa::test
