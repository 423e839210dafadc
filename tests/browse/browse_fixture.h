#pragma once
// Browse tests: a work table of numbered pictures (some hidden), a browse over it on
// a dialog on the screen, and reading the browse's pixels back.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/transfer/table_areas.h"
#include "app/transfer/table_browse_source.h"
#include "framework/services/browse.h"
#include "tests/controls/gui.h"
#include "tests/transfer/table_test_base.h"
#include "tests/support/layers.h"

namespace pixa::test {

class BrowseTest : public TableTestBase {
protected:
    void SetUp() override {
        TableTestBase::SetUp();
        UseTablesForBrowse();
    }

    // A table "BRW" of count records NAME "Bild00001"..., SIZE = 10 × number; the
    // records for which hidden() holds are deleted. Stands on the first visible record.
    std::shared_ptr<DbfTable> MakeTable(long count, const std::function<bool(long)>& hidden = {}) {
        std::string path = dir_ / "BRW.DBF";
        DbfTable::Create(path, {{"NAME", 'C', 20, 0}, {"SIZE", 'N', 10, 0}});
        table_ = DbUseArea(path, "BRW");
        for (long n = 1; n <= count; ++n) {
            table_->Append();
            char name[16];
            std::snprintf(name, sizeof name, "Bild%05ld", n);
            table_->PutText(0, name);
            table_->PutNumber(1, 10.0 * n);
            if (hidden && hidden(n)) table_->Delete();
        }
        table_->GoTop();
        return table_;
    }

    // The row closure: a mark bitmap when given, the name and the size.
    Action Line(HBITMAP mark = nullptr) {
        auto table = table_;
        return Action([table, mark](const Args&) {
            Array row;
            if (mark) row.push_back(Value(static_cast<long long>(reinterpret_cast<INT_PTR>(mark))));
            row.push_back(std::string(table->GetText(0)));
            row.push_back(std::to_string(static_cast<long long>(table->GetNumber(1))));  // numbers are pictures
            return Value::MakeArray(row);
        });
    }

    // A browse at the dialog's top left, in control units (two pixels each).
    std::shared_ptr<TWBrowse> MakeBrowse(TestDialog& dlg, int width = 200, int height = 100, WBrowseNew args = {}) {
        args.nWidth = width, args.nHeight = height, args.oWnd = dlg.get(), args.lPixel = true;
        if (!args.bLine) args.bLine = Line();
        if (args.aHeaders.empty()) args.aHeaders = {"Name", "Size"};
        if (args.aColSizes.empty()) args.aColSizes = {150, 60};
        args.cAlias = "BRW";
        args.bChange = Action([changes = changes_](const Args&) { return Value(++*changes); });
        return TWBrowse::New(args);
    }

    // How often bChange has run.
    int Changes() const { return *changes_; }
    // The number of the current record.
    long Current() const { return static_cast<long>(table_->RecNo()); }

    std::shared_ptr<DbfTable> table_;
    std::shared_ptr<int> changes_ = std::make_shared<int>(0);
};

// The client area's pixels, row by row.
struct Pixels {
    int width = 0, height = 0;
    std::vector<COLORREF> data;
    COLORREF at(int x, int y) const { return data[static_cast<std::size_t>(y) * width + x]; }
    bool operator==(const Pixels& other) const = default;
};
Pixels Snapshot(HWND hWnd);

// Posts a mouse message at a client point and processes it.
void Mouse(HWND hWnd, UINT message, int x, int y, WPARAM keys = 0);

}  // namespace pixa::test
