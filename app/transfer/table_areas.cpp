#include "app/transfer/table_areas.h"

#include <algorithm>

#include "runtime/ansi_chars.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

namespace {
// Few tables are ever open at once: a list in opening order serves lookups and the report.
std::vector<OpenArea>& Areas() {
    static std::vector<OpenArea> areas;
    return areas;
}

std::vector<OpenArea>::iterator Find(const std::string& key) {
    return std::find_if(Areas().begin(), Areas().end(), [&](const OpenArea& a) { return a.alias == key; });
}

void CloseArea(const std::string& key) {
    auto it = Find(key);
    if (it == Areas().end()) return;
    it->table->Close();
    Areas().erase(it);
}
}  // namespace

std::shared_ptr<DbfTable> DbUseArea(const std::string& path, const std::string& alias) {
    std::string key = AnsiUpperText(alias);
    CloseArea(key);
    auto table = DbfTable::Open(path, key);
    if (table) Areas().push_back({key, table});
    return table;
}

std::shared_ptr<DbfTable> DbArea(const std::string& alias) {
    auto it = Find(AnsiUpperText(alias));
    return it == Areas().end() ? nullptr : it->table;
}

void DbCloseAll() {
    for (auto& area : Areas()) area.table->Close();
    Areas().clear();
}

std::vector<OpenArea> OpenAreas() { return Areas(); }

}  // namespace pixa::transfer
