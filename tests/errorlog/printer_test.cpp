// Print jobs on a real printer of the test prefix whose output is a PostScript file.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>

#include "framework/services/printer.h"
#include "framework/services/printer_setup.h"
#include "tests/errorlog/file_printer.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

class Printing : public ::testing::Test {
protected:
    void SetUp() override {
        output_ = test::InstallFilePrinter();
        PrinterSetup::Instance().Reset();
        std::filesystem::remove(output_);
    }
    void TearDown() override {
        PrintEnd();
        test::RemoveFilePrinter();
    }
    test::PrintedJob Printed() const { return test::ReadPrintedJob(output_); }
    std::string output_;
};

TEST_F(Printing, OnePageWithoutTextStillStartsTheDocumentAndLongNamesAreCut) {
    const std::string name40 = "Pixaport Fehlerprotokoll vom 08.12.2026.";
    ASSERT_EQ(name40.size(), 40u);
    auto printer = PrintBegin({.cDocument = name40});
    ASSERT_NE(printer->hDC, nullptr);
    EXPECT_GT(printer->nVertRes(), 0);
    PageBegin();
    PageEnd();
    PrintEnd();
    test::PrintedJob job = Printed();
    EXPECT_EQ(job.title, name40.substr(0, 31));
    ASSERT_EQ(job.pages.size(), 1u);
    EXPECT_TRUE(job.pages[0].empty());
}

TEST_F(Printing, SayAlignsAndNeverDrawsLeftOfTheMargin) {
    auto printer = PrintBegin();
    ASSERT_NE(printer->hDC, nullptr);
    PageBegin();
    printer->Say({.nRow = 100, .nCol = 10, .cText = "RIGHT", .nPad = 1});
    printer->Say({.nRow = 200, .nCol = 300, .cText = "Left"});
    PageEnd();
    PrintEnd();
    test::PrintedJob job = Printed();
    ASSERT_EQ(job.pages.size(), 1u);
    ASSERT_EQ(job.pages[0].size(), 2u);
    EXPECT_EQ(job.pages[0][0], "RIGHT");
    EXPECT_EQ(job.pages[0][1], "Left");
    EXPECT_EQ(job.firstX[0], 0);
}

}  // namespace
}  // namespace pixa
