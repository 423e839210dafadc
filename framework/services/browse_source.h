#pragma once
// The table side of a browse list: how it moves through the records of a work area
// without knowing what the records hold. The application adapts its tables to this
// and tells the framework how to find them by alias (SetWorkAreas).
#include <functional>
#include <memory>
#include <string>

#include "framework/services/namespace.h"

namespace pixa::services {

class BrowseSource {
public:
    virtual ~BrowseSource() = default;
    // Goes to the first visible record.
    virtual void GoTop() = 0;
    // Goes to the last visible record.
    virtual void GoBottom() = 0;
    // Moves n visible records (negative: backwards), stopping at the first or last;
    // yields the number really moved.
    virtual long Skip(long n) = 0;
    // Goes to record n, or to the next visible record when n is hidden (the last
    // visible one when none follows).
    virtual void GoTo(long n) = 0;
    // The current record number (1-based, hidden records counted).
    virtual long RecNo() const = 0;
    // The number of records, hidden ones included.
    virtual long RecCount() const = 0;
    // True when positioned past the last record (a table without visible records).
    virtual bool Eof() const = 0;
    // True when the last move tried to go before the first record.
    virtual bool Bof() const = 0;
};

// How the framework reaches the application's work areas.
struct WorkAreas {
    std::function<std::shared_ptr<BrowseSource>(const std::string& alias)> find;  // null when none
    std::function<std::string()> current;  // the alias of the current work area
};

// Installs the application's work areas (replacing earlier ones).
void SetWorkAreas(WorkAreas areas);
// The work area of an alias, or null (also when none are installed).
std::shared_ptr<BrowseSource> FindWorkArea(const std::string& alias);
// The alias of the current work area, or "".
std::string CurrentWorkAreaAlias();

}  // namespace pixa::services
