#include "tests/transfer_ui/transfer_fixture.h"

#include <algorithm>
#include <filesystem>

#include "app/transfer/directory.h"
#include "runtime/settings.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/transfer_ui/window_probe.h"
#include "tests/support/layers.h"

namespace pixa::test {

namespace {
void EmptyCard() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("K:\\", ec))
        std::filesystem::remove_all(entry.path(), ec);
}
}  // namespace

void TransferFixture::SetUp() {
    Settings().deletedHidden = true;
    static int counter = 0;
    source_ = "S:\\pixa-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter) + "\\";
    std::error_code ec;
    std::filesystem::remove_all(source_, ec);  // left by an earlier run under the same process id
    CreateDirectoryA(source_.c_str(), nullptr);
    EmptyCard();
    CreateDirectoryA("K:\\DCIM", nullptr);
    cQuelle = source_;
    cZiel = "K:\\DCIM\\";
    owner_ = TWindow::New({.nTop = 10, .nLeft = 10, .nBottom = 300, .nRight = 400, .cTitle = "Besitzer", .lPixel = true});
}

void TransferFixture::TearDown() {
    if (owner_ && owner_->hWnd) DestroyWindow(owner_->hWnd);
    owner_.reset();
    std::error_code ec;
    std::filesystem::remove_all(source_, ec);
    EmptyCard();
}

TransferValues TransferFixture::Values() {
    return {.cQuelle = cQuelle, .cZiel = cZiel, .lSubOrd = lSubOrd, .lSimulier = lSimulier, .cExtens = "JPG",
            .cDFBeg = "Sony", .nSpeicher = nSpeicher, .nColF = 1, .nColBH = 9240575, .nTop = 20, .nLeft = 30,
            .cMyPath = program_.str()};
}

std::string TransferFixture::Picture(const std::string& name, std::size_t bytes) {
    std::string content(bytes, '\0');
    unsigned seed = static_cast<unsigned>(std::hash<std::string>{}(name));
    for (char& c : content) c = static_cast<char>((seed = seed * 1103515245u + 12345u) >> 24);
    return WriteAnsi(source_ + name, content);
}

void TransferFixture::LeaveFree(int mb) {
    ULARGE_INTEGER available{}, total{}, free{};
    GetDiskFreeSpaceExA(kCard, &available, &total, &free);
    std::uint64_t keep = (static_cast<std::uint64_t>(mb) << 20) + (1u << 19);  // mb and a half
    if (available.QuadPart > keep) WriteAnsi(std::string(kCard) + "filler.bin", std::string(available.QuadPart - keep, 'f'));
}

std::vector<std::string> TransferFixture::CardNames() const {
    std::vector<std::string> names;
    for (const auto& row : Directory(cZiel + "*.*", "")) names.push_back(row.name);
    std::sort(names.begin(), names.end());
    return names;
}

bool TransferFixture::CardReady() {
    ULARGE_INTEGER available{}, total{}, free{};
    return GetDiskFreeSpaceExA(kCard, &available, &total, &free) && total.QuadPart == 4u << 20;
}

HWND TransferFixture::KonvertDialog() { return FindTop(GetCurrentProcessId(), kTitle, kStart); }

HWND TransferFixture::Progress() { return FindTop(GetCurrentProcessId(), kTitle, "&Unterbrechen"); }

HWND TransferFixture::Selection() { return FindTop(GetCurrentProcessId(), "Bilddateien auswählen"); }

HWND TransferFixture::Box(const std::string& title) {
    HWND box = FindTop(GetCurrentProcessId(), title);
    return box && GetDlgItem(box, 0xFFFF) ? box : nullptr;
}

}  // namespace pixa::test
