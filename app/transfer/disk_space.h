#pragma once
// Free space of a drive or a network share.
#include <cstdint>
#include <string>

#include "app/transfer/namespace.h"

namespace pixa::transfer {

// Free bytes available to the program on drive n (1 = A, 2 = B, 3 = C ...; 0 = the
// current drive). Critical-error boxes are off during the query. When the query
// fails the error handler is told (default only) and the result is 0.
std::uint64_t DiskSpace(int drive = 0);

// The same for the volume whose root is given ("E:\", "\\server\share\").
std::uint64_t DiskSpaceOf(const std::string& root);

// The root of the volume a folder lies on: "E:\" for E:\DCIM\, "\\server\share\" for
// \\server\share\DCIM\; empty when the path names neither.
std::string VolumeRoot(const std::string& folder);

// Free space of the folder's volume in whole megabytes (cut); 0 when it has no volume root.
long long FreeMegabytes(const std::string& folder);

// The allocation unit of the folder's volume in bytes (sectors per cluster × bytes per
// sector); 1 when the platform cannot tell, so that sizes are then taken as they are.
std::uint32_t ClusterBytes(const std::string& folder);

// What a file of size bytes takes on a volume: whole clusters (an empty file takes none).
std::uint64_t OnCardBytes(std::uint64_t size, std::uint32_t cluster);

}  // namespace pixa::transfer
