#pragma once

#include <QString>

#include <cstdint>

// A size in megabytes of 1048576 bytes as the readouts show it: "%1d MB" below 1000 MB,
// else "%.1f GB" with 1000 MB to the GB.
QString SpaceText(uint64_t megabytes);

// Megabytes the output file of a mix of totalSeconds takes: 176400 bytes a second plus
// the 44-byte header, truncated; 0 for a negative total.
uint64_t RequiredMegabytes(int totalSeconds);

// Free megabytes of the file system holding the current directory; 0 when the query
// fails.
uint32_t GetFreeDiskMB();
