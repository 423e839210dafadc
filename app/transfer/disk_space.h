#pragma once
// Free space of a drive.
#include <cstdint>

namespace pixa {

// Free bytes available to the program on drive n (1 = A, 2 = B, 3 = C ...; 0 = the
// current drive). Critical-error boxes are off during the query. When the query
// fails the error handler is told (default only) and the result is 0.
std::uint64_t DiskSpace(int drive = 0);

}  // namespace pixa
