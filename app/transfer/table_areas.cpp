#include "app/transfer/table_areas.h"

#include <map>

#include "runtime/ansi_chars.h"

namespace pixa {

namespace {
std::map<std::string, std::shared_ptr<DbfTable>>& Areas() {
    static std::map<std::string, std::shared_ptr<DbfTable>> areas;
    return areas;
}

void CloseArea(const std::string& key) {
    auto it = Areas().find(key);
    if (it == Areas().end()) return;
    it->second->Close();
    Areas().erase(it);
}
}  // namespace

std::shared_ptr<DbfTable> DbUseArea(const std::string& path, const std::string& alias) {
    std::string key = AnsiUpperText(alias);
    CloseArea(key);
    auto table = DbfTable::Open(path, key);
    if (table) Areas()[key] = table;
    return table;
}

std::shared_ptr<DbfTable> DbArea(const std::string& alias) {
    auto it = Areas().find(AnsiUpperText(alias));
    return it == Areas().end() ? nullptr : it->second;
}

void DbCloseAll() {
    for (auto& [alias, table] : Areas()) table->Close();
    Areas().clear();
}

}  // namespace pixa
