#include "app/transfer/dbf_table.h"

#include <gtest/gtest.h>

#include "app/transfer/table_areas.h"
#include "runtime/settings.h"
#include "tests/support/temp_dir.h"
#include "tests/transfer/table_test_base.h"
#include "tests/support/layers.h"

namespace pixa {
namespace {

const std::vector<DbfField> kFields = {
    {"COPY", 'L', 1, 0}, {"FILE", 'C', 254, 0}, {"BILD", 'C', 150, 0}, {"SIZE", 'N', 10, 0}, {"DELS", 'N', 2, 0},
};

unsigned Byte(const std::string& s, std::size_t i) { return static_cast<unsigned char>(s.at(i)); }
unsigned U16(const std::string& s, std::size_t i) { return Byte(s, i) | Byte(s, i + 1) << 8; }

using DbfTableTest = test::TableTestBase;

TEST_F(DbfTableTest, FileLayoutIsDbaseThree) {
    std::string path = dir_ / "TEMP.DBF";
    ASSERT_TRUE(DbfTable::Create(path, kFields));
    std::string empty = dir_.Read("TEMP.DBF");
    ASSERT_EQ(empty.size(), 195u);  // 194-byte header and the end mark
    EXPECT_EQ(Byte(empty, 0), 3u);
    EXPECT_EQ(U16(empty, 8), 194u);
    EXPECT_EQ(U16(empty, 10), 418u);
    EXPECT_EQ(Byte(empty, 29), 0x03u);  // code page: Windows ANSI
    EXPECT_EQ(Byte(empty, 192), 0x0Du);
    EXPECT_EQ(Byte(empty, 193), 0x00u);
    EXPECT_EQ(Byte(empty, 194), 0x1Au);
    EXPECT_EQ(empty.substr(32 + 32, 4), "FILE");
    EXPECT_EQ(empty[32 + 32 + 11], 'C');
    EXPECT_EQ(Byte(empty, 32 + 32 + 16), 254u);

    {
        auto t = DbUseArea(path, "dtmp");
        ASSERT_TRUE(t);
        EXPECT_EQ(DbArea("DTMP"), t);
        t->Append();
        t->PutLogical(0, true);
        t->PutText(1, "C:\\BILDER\\a.jpg");
        t->PutNumber(3, 1234567);
        t->Append();
        t->PutText(1, std::string(300, 'x'));  // cut to the field
        t->PutNumber(4, 123);                  // does not fit into two places
        t->Delete();
        // Opened exclusively: a second open fails while the table is open.
        EXPECT_FALSE(DbfTable::Open(path, "OTHER"));
    }
    DbCloseAll();
    EXPECT_EQ(DbArea("DTMP"), nullptr);
    std::string full = dir_.Read("TEMP.DBF");
    ASSERT_EQ(full.size(), 194u + 2 * 418u + 1u);
    EXPECT_EQ(U16(full, 4), 2u);  // record count
    EXPECT_EQ(full.substr(194, 2), " T");
    EXPECT_EQ(full.substr(194 + 1 + 1, 16), "C:\\BILDER\\a.jpg ");
    EXPECT_EQ(full.substr(194 + 1 + 1 + 254 + 150, 10), "   1234567");
    EXPECT_EQ(full[194 + 418], '*');
    EXPECT_EQ(full.substr(194 + 418 + 1 + 1, 254), std::string(254, 'x'));
    EXPECT_EQ(full.substr(194 + 418 + 416, 2), "**");
    EXPECT_EQ(Byte(full, full.size() - 1), 0x1Au);
}

TEST_F(DbfTableTest, NavigationSkipsDeletedRecordsWhileTheyAreHidden) {
    std::string path = dir_ / "T.DBF";
    ASSERT_TRUE(DbfTable::Create(path, kFields));
    auto t = DbUseArea(path, "T");
    for (int i = 1; i <= 5; ++i) {
        t->Append();
        t->PutNumber(3, i * 10);
        if (i == 1 || i == 3) t->Delete();
    }
    t->GoTop();
    EXPECT_EQ(t->RecNo(), 2u);
    std::vector<double> seen;
    t->Eval([&] { seen.push_back(t->GetNumber(3)); });
    EXPECT_EQ(seen, (std::vector<double>{20, 40, 50}));
    t->GoTo(3);  // going to a record number reaches a deleted record too
    EXPECT_TRUE(t->Deleted());
    t->Skip();
    EXPECT_EQ(t->RecNo(), 4u);
    t->GoTo(5);
    t->Skip();
    EXPECT_TRUE(t->Eof());
    EXPECT_EQ(t->RecNo(), 6u);
    EXPECT_EQ(t->GetText(1), std::string(254, ' '));

    Settings().deletedHidden = false;
    seen.clear();
    t->Eval([&] { seen.push_back(t->GetNumber(3)); }, [&] { return t->Deleted(); });
    EXPECT_EQ(seen, (std::vector<double>{10, 30}));

    t->GoTo(3);
    t->Recall();
    t->Pack();
    EXPECT_EQ(t->RecCount(), 4u);
    seen.clear();
    t->Eval([&] { seen.push_back(t->GetNumber(3)); });
    EXPECT_EQ(seen, (std::vector<double>{20, 30, 40, 50}));
}

TEST_F(DbfTableTest, ReopenedTableReadsBackValues) {
    std::string path = dir_ / "R.DBF";
    ASSERT_TRUE(DbfTable::Create(path, kFields));
    {
        auto t = DbfTable::Open(path, "R");
        t->Append();
        t->FieldPut(0, Value(true));
        t->FieldPut(1, Value("C:\\Ärger\\x.jpg"));
        t->FieldPut(3, Value(4294967296.0 * 2));
        t->Append();
        t->FieldPut(0, Value(false));
    }  // closing writes back
    auto t = DbfTable::Open(path, "R");
    ASSERT_TRUE(t);
    EXPECT_EQ(t->RecCount(), 2u);
    EXPECT_EQ(t->FieldPos("size"), 3);
    EXPECT_EQ(t->FieldPos("NONE"), -1);
    EXPECT_TRUE(t->FieldGet(0).AsLogical());
    EXPECT_EQ(t->FieldGet(1).AsString().substr(0, 14), "C:\\Ärger\\x.jpg");
    EXPECT_EQ(t->FieldGet(3).AsNumber(), 8589934592.0);
    t->Skip();
    EXPECT_FALSE(t->GetLogical(0));
    EXPECT_FALSE(DbfTable::Open(dir_ / "missing.dbf", "M"));
    dir_.Write("junk.dbf", "not a table");
    EXPECT_FALSE(DbfTable::Open(dir_ / "junk.dbf", "J"));
}

}  // namespace
}  // namespace pixa
