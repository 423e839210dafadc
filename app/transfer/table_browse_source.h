#pragma once
// A work table seen through the browse list's navigation: the browse moves over the
// visible records of the table open under an alias and never copies a record.
#include <memory>
#include <string>

#include "app/transfer/dbf_table.h"
#include "framework/services/browse_source.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

class TableBrowseSource : public BrowseSource {
public:
    explicit TableBrowseSource(std::shared_ptr<DbfTable> table) : table_(std::move(table)) {}

    void GoTop() override;
    void GoBottom() override;
    long Skip(long n) override;
    void GoTo(long n) override;
    long RecNo() const override { return static_cast<long>(table_->RecNo()); }
    long RecCount() const override { return static_cast<long>(table_->RecCount()); }
    bool Eof() const override { return table_->Eof(); }
    bool Bof() const override { return bof_; }

private:
    bool VisibleAt(long n);
    std::shared_ptr<DbfTable> table_;
    bool bof_ = false;
};

// Lets browse lists find the open tables by alias (the work areas of table_areas.h).
void UseTablesForBrowse();

}  // namespace pixa::transfer
