#include "framework/window/resource_log.h"

#include <cstdio>

namespace pixa::window {

void LogResourceFailure(const std::string& text, const std::string& details) {
    std::FILE* file = std::fopen("resources.txt", "ab");
    if (!file) return;  // nowhere to write: the failure stays unrecorded
    std::fprintf(file, "%s %s\r\n", text.c_str(), details.c_str());
    std::fclose(file);
}

}  // namespace pixa::window
