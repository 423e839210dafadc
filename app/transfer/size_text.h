#pragma once
// Numbers of the selection list as they are shown: whole numbers with their thousands
// separated by points ("1.465"), the way the free space is shown.
#include <cstdint>
#include <string>

#include "runtime/value.h"
#include "app/transfer/namespace.h"

namespace pixa::transfer {

// The number rounded to a whole one, thousands separated, without padding.
std::string Grouped(const Value& number);

// A file size for the " Größe KB" column: kilobytes of 1,024 bytes, rounded up.
std::string KilobyteText(std::uint64_t bytes);

}  // namespace pixa::transfer
