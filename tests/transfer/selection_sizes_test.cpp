// The sizes the work table reads when some of its folders are gone.
#include <gtest/gtest.h>

#include "app/transfer/selection_table.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/table_test_base.h"
#include "tests/transfer/transfer_fakes.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

class SelectionSizesTest : public test::TableTestBase {
protected:
    std::string File(const std::string& name, std::size_t size) {
        return test::WriteAnsi(src_.str() + "\\" + name, std::string(size, 'p'));
    }
    test::TempDir src_;
};

TEST_F(SelectionSizesTest, AFolderGoneGivesItsFilesZeroAndTheFoldersAroundItAreStillRead) {
    std::vector<std::string> files = {
        File("a\\1.jpg", 5),
        src_ / "gone\\1.jpg",  // a folder removed since the collection
        src_ / "gone\\2.jpg",
        src_ / "gone\\sub\\3.jpg",  // a folder below it is another folder: gone as well
        File("gone2\\4.jpg", 7),    // a name that starts like the folder gone
        File("c\\empty.jpg", 0),    // an empty file does not make its folder count as gone
        File("c\\2.jpg", 3),
        src_ / "c\\vanished.jpg",
        File("c\\3.jpg", 4),
    };
    SelectionTable table(100.0);
    ASSERT_TRUE(table.MakeDbf(dir_.str() + "\\", files));
    std::vector<std::uint64_t> sizes;
    for (table.Table().GoTop(); !table.Table().Eof(); table.Table().Skip()) sizes.push_back(table.CurrentSize());
    EXPECT_EQ(sizes, (std::vector<std::uint64_t>{5, 0, 0, 0, 7, 0, 3, 0, 4}));
}

}  // namespace
}  // namespace pixa
