#pragma once
// The world of a transfer-dialog test: a picture source on drive S:, a camera card
// on drive K: (a 4 MiB tmpfs, emptied before and after), a program folder for the
// work table, the program-wide values the dialogs change, and an owner window.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/transfer/transfer_values.h"
#include "framework/window/window.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa::test {

class TransferFixture : public ::testing::Test {
protected:
    static constexpr const char* kCard = "K:\\";
    static constexpr const char* kTitle = "Bilddateien übertragen";
    static constexpr const char* kStart = "Übertragung &starten";

    void SetUp() override;
    void TearDown() override;

    // The values bound to this fixture's members.
    TransferValues Values();
    // A picture of the source folder (made with its folders) of size bytes; its path.
    std::string Picture(const std::string& name, std::size_t bytes);
    // A filler on the card that leaves between mb and mb + 1 MB free.
    void LeaveFree(int mb);
    // The names on the card's camera folder, sorted.
    std::vector<std::string> CardNames() const;
    // True when the card is the 4 MiB tmpfs the free-space tests need.
    static bool CardReady();

    // The transfer dialog of this process, or null.
    static HWND KonvertDialog();
    // The progress dialog of this process, or null.
    static HWND Progress();
    // The selection list of this process, or null.
    static HWND Selection();
    // A message box of this process with this title, or null.
    static HWND Box(const std::string& title);

    std::string cQuelle, cZiel;
    bool lSubOrd = true, lSimulier = false;
    long nSpeicher = 8;
    std::string source_;       // the source folder on S:, ending in "\"
    TempDir program_;          // the program folder (work table)
    std::shared_ptr<TWindow> owner_;
};

}  // namespace pixa::test
