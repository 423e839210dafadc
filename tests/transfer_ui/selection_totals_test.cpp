// The selection list with the numbers of today's cards: 1,500 pictures of over a
// gigabyte onto the 3 TiB card T:, shown with their thousands, never as stars.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/transfer/disk_space.h"
#include "app/transfer/transfer_dialog.h"
#include "framework/services/browse.h"
#include "framework/window/window_registry.h"
#include "tests/support/gui_driver.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/transfer_ui/transfer_fixture.h"
#include "tests/transfer_ui/window_probe.h"

namespace pixa::test {
namespace {

class SelectionTotals : public TransferFixture {
protected:
    void TearDown() override {
        std::error_code ec;
        std::filesystem::remove_all("T:\\DCIM", ec);
        TransferFixture::TearDown();
    }
};

TEST_F(SelectionTotals, ThousandsOfPicturesOnATerabyteCardShowTheirNumbers) {
    if (FreeMegabytes("T:\\") != 3 << 20) GTEST_SKIP() << "the empty 3 TiB card T: is not mounted";
    CreateDirectoryA("T:\\DCIM", nullptr);
    cZiel = "T:\\DCIM\\";
    nSpeicher = 65536;  // a 64 GB card
    // A.jpg first (1,500,000 bytes), then 1,499 pictures of 700 KB: 1,026 MB on the card.
    SparseFile(source_ + "A.jpg", 1'500'000);
    for (int i = 0; i < 1499; ++i)
        SparseFile(source_ + "Reise" + std::to_string(i / 100) + "\\p" + std::to_string(i) + ".jpg", 700 * 1024);

    std::string capacity, free, need, marked, sizes[2];
    bool weiter = false;
    GuiScript script(std::chrono::milliseconds(30000));
    script.Until("transfer dialog", [] { return KonvertDialog() != nullptr; })
        .Do("capacity", [&] { capacity = Trimmed(ChildAt(KonvertDialog(), 100, 50)); })
        .Do("start", [] { Press(ChildWithText(KonvertDialog(), kStart)); })
        .Until("selection list", [] { return Selection() != nullptr && IsWindowVisible(Selection()); })
        .Do("read", [&] {
            free = Trimmed(ChildAt(Selection(), 172, 57));
            need = Trimmed(ChildAt(Selection(), 172, 171));
            marked = Trimmed(ChildAt(Selection(), 172, 252));
            weiter = IsWindowEnabled(ChildAt(Selection(), 183, 191));
            auto browse = std::dynamic_pointer_cast<TWBrowse>(oWndFromHwnd(ChildAt(Selection(), 15, 0)));
            for (auto& size : sizes) {
                size = browse->bLine().AsArray()->at(2).AsString();
                browse->Skip(1);
            }
        })
        .Do("cancel", [] { Press(ChildAt(Selection(), 183, 265)); })
        .Until("back in the transfer dialog", [] { return KonvertDialog() && !Progress(); })
        .Do("close", [] { Press(ChildWithText(KonvertDialog(), "&Abbrechen")); });
    script.Start();
    Konvert(owner_, Values());
    ASSERT_TRUE(script.Succeeded()) << script.FailedStep();
    EXPECT_EQ(capacity, "65536");
    EXPECT_EQ(free, "3.145.728");
    EXPECT_EQ(need, "1.026");
    EXPECT_EQ(marked, "1.500");
    EXPECT_TRUE(weiter);
    EXPECT_EQ(sizes[0], "1.465") << "kilobytes, rounded up";
    EXPECT_EQ(sizes[1], "700");
}

}  // namespace
}  // namespace pixa::test
