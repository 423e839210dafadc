#pragma once
// The program's string order: byte-wise by unsigned 8-bit codes, no case folding.
#include <string>
#include <string_view>
#include <vector>

namespace pixa {

// True when a sorts before b: at the first differing byte the smaller unsigned
// code wins; a leading part sorts before the longer text.
bool ByteLess(std::string_view a, std::string_view b);

// Sorts the list ascending in that order and returns it.
std::vector<std::string>& ASort(std::vector<std::string>& list);

}  // namespace pixa
