#pragma once

#include <cstdint>
#include <string>

// Small operating-system services without any window toolkit.

// Wall-clock time in whole seconds since the epoch.
int64_t WallClockSeconds();

// Free bytes of the file system holding path (all free blocks, not only those
// available to this user). False when the query fails.
bool GetFreeDiskBytes(const std::string& path, uint64_t& bytes);

// The folder holding the running executable, without a trailing slash; empty when it
// cannot be found.
std::string GetExecutableDir();

// True when both paths name the same existing file (same device and inode), however
// they are spelt (links, "..", relative paths).
bool IsSameFile(const std::string& a, const std::string& b);
