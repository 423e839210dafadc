#pragma once
// The tables open in the process, each under its alias.
#include <memory>
#include <string>
#include <vector>

#include "app/transfer/dbf_table.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Opens the table exclusively under the alias, closing a table already open under
// that alias first. Null when the file cannot be opened.
std::shared_ptr<DbfTable> DbUseArea(const std::string& path, const std::string& alias);

// The table open under the alias (case-insensitive), or null.
std::shared_ptr<DbfTable> DbArea(const std::string& alias);

// Writes back and closes every open table.
void DbCloseAll();

// The open tables in the order they were opened; the last one opened is the current area.
struct OpenArea {
    std::string alias;
    std::shared_ptr<DbfTable> table;
};
std::vector<OpenArea> OpenAreas();

}  // namespace pixa::transfer
