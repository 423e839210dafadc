#include "framework/services/browse_source.h"
#include "framework/services/namespace.h"

namespace pixa::services {

namespace {
WorkAreas& Installed() {
    static WorkAreas areas;
    return areas;
}
}  // namespace

void SetWorkAreas(WorkAreas areas) { Installed() = std::move(areas); }

std::shared_ptr<BrowseSource> FindWorkArea(const std::string& alias) {
    return Installed().find && !alias.empty() ? Installed().find(alias) : nullptr;
}

std::string CurrentWorkAreaAlias() { return Installed().current ? Installed().current() : std::string(); }

}  // namespace pixa::services
