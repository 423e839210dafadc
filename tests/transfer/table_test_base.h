#pragma once
// Base of the table tests: deleted records hidden as the program runs them, every
// table closed and the switch restored afterwards, and a folder for the tables.
#include <gtest/gtest.h>

#include "app/transfer/table_areas.h"
#include "runtime/settings.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa::test {

class TableTestBase : public ::testing::Test {
protected:
    void SetUp() override { Settings().deletedHidden = true; }
    void TearDown() override {
        DbCloseAll();
        Settings().deletedHidden = previous_;
    }

    // The folder the test's tables live in.
    TempDir dir_;

private:
    bool previous_ = Settings().deletedHidden;
};

}  // namespace pixa::test
