#pragma once
// A test fixture that runs each test with a fresh program folder as the current
// folder, the way the program runs from its own folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa::test {

class ProgramFolder : public ::testing::Test {
protected:
    void SetUp() override {
        char previous[MAX_PATH];
        GetCurrentDirectoryA(MAX_PATH, previous);
        previous_ = previous;
        ASSERT_TRUE(SetCurrentDirectoryA(dir_.str().c_str()));
    }
    void TearDown() override { SetCurrentDirectoryA(previous_.c_str()); }

    void WriteIni(const std::string& text) { dir_.Write("PIXAPORT.INI", text); }
    std::string Ini() const { return dir_.Read("PIXAPORT.INI"); }

    TempDir dir_;
    std::string previous_;
};

}  // namespace pixa::test
