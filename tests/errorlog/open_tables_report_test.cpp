// The report's lines for the open work tables: none open, then one table
// positioned on its second record, then the later of two tables as current.
#include <gtest/gtest.h>

#include "app/shell/open_tables_report.h"
#include "app/transfer/table_areas.h"
#include "tests/support/temp_dir.h"
#include "tests/support/layers.h"

namespace pixa::shell {
namespace {

TEST(OpenTablesReport, DescribesEachOpenTableAndMarksTheCurrentOne) {
    DbCloseAll();
    EXPECT_TRUE(OpenTablesReport().empty());

    test::TempDir dir;
    ASSERT_TRUE(DbfTable::Create(dir / "a.dbf", {{.name = "BILD", .type = 'C', .length = 10}}));
    ASSERT_TRUE(DbfTable::Create(dir / "b.dbf", {{.name = "BILD", .type = 'C', .length = 10}}));
    auto first = DbUseArea(dir / "a.dbf", "dtmp");
    ASSERT_TRUE(first);
    for (int i = 0; i < 3; ++i) first->Append();
    first->GoTo(2);
    auto lines = OpenTablesReport();
    ASSERT_EQ(lines.size(), 9u);
    EXPECT_EQ(lines[1], "  1: => DTMP" + std::string(11 + 20, ' ') + "RddName: DBF");
    EXPECT_EQ(lines[4], "        2          3      .f.   .f.");
    EXPECT_EQ(lines[6], "     Indexes in use " + std::string(23, ' ') + "TagName");

    auto second = DbUseArea(dir / "b.dbf", "zweite");
    ASSERT_TRUE(second);
    second->GoTop();  // an empty table stands at the end and the beginning at once
    lines = OpenTablesReport();
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[1].substr(0, 8), "  1:    ");
    EXPECT_EQ(lines[10].substr(0, 14), "  2: => ZWEITE");
    EXPECT_EQ(lines[13], "        1          0      .t.   .t.");
    DbCloseAll();
    EXPECT_TRUE(OpenTablesReport().empty());
}

}  // namespace
}  // namespace pixa::shell
