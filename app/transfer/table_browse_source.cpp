#include "app/transfer/table_browse_source.h"

#include "app/transfer/table_areas.h"
#include "runtime/settings.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

bool TableBrowseSource::VisibleAt(long n) {
    table_->GoTo(static_cast<std::uint32_t>(n));
    return !Settings().deletedHidden || !table_->Deleted();
}

void TableBrowseSource::GoTop() {
    table_->GoTop();
    bof_ = table_->Eof();
}

void TableBrowseSource::GoBottom() {
    long n = RecCount();
    while (n >= 1 && !VisibleAt(n)) --n;
    if (n < 1) table_->GoTo(0);  // no visible record: end of table
    bof_ = n < 1;
}

long TableBrowseSource::Skip(long n) {
    if (n == 0 || table_->Eof()) return 0;
    bof_ = false;
    long moved = 0;
    for (; moved < n; ++moved) {
        long from = RecNo();
        table_->Skip();
        if (table_->Eof()) {
            table_->GoTo(static_cast<std::uint32_t>(from));  // stays on the last record
            break;
        }
    }
    for (long from = RecNo(); moved > n;) {
        long previous = from - 1;
        while (previous >= 1 && !VisibleAt(previous)) --previous;
        if (previous < 1) {
            table_->GoTo(static_cast<std::uint32_t>(from));
            bof_ = true;  // tried to go before the first record
            break;
        }
        from = previous;
        --moved;
    }
    return moved;
}

void TableBrowseSource::GoTo(long n) {
    bof_ = false;
    if (n < 1) return GoTop();
    if (n <= RecCount() && VisibleAt(n)) return;
    table_->GoTo(static_cast<std::uint32_t>(n));
    table_->Skip();
    if (table_->Eof()) GoBottom();
}

void UseTablesForBrowse() {
    SetWorkAreas({.find = [](const std::string& alias) -> std::shared_ptr<BrowseSource> {
                      auto table = DbArea(alias);
                      return table ? std::make_shared<TableBrowseSource>(table) : nullptr;
                  },
                  .current = {}});
}

}  // namespace pixa::transfer
