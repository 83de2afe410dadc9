#include "platform/SystemServices.h"

#include <ctime>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <climits>

int64_t WallClockSeconds()
{
    return static_cast<int64_t>(std::time(nullptr));
}

bool GetFreeDiskBytes(const std::string& path, uint64_t& bytes)
{
    struct statvfs info
    {
    };
    if (::statvfs(path.c_str(), &info) != 0)
        return false;
    bytes = static_cast<uint64_t>(info.f_bfree) * static_cast<uint64_t>(info.f_frsize);
    return true;
}

std::string GetExecutableDir()
{
    char buffer[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0)
        return {};
    std::string path(buffer, static_cast<size_t>(length));
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return slash == 0 ? std::string("/") : path.substr(0, slash);
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    struct stat sa
    {
    };
    struct stat sb
    {
    };
    if (::stat(a.c_str(), &sa) != 0 || ::stat(b.c_str(), &sb) != 0)
        return false;
    return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}
