#include "ui/SpaceText.h"

#include "platform/SystemServices.h"

QString SpaceText(uint64_t megabytes)
{
    if (megabytes < 1000)
        return QString::asprintf("%1llu MB", static_cast<unsigned long long>(megabytes));
    return QString::asprintf("%.1f GB", static_cast<double>(megabytes) * 0.001);
}

uint64_t RequiredMegabytes(int totalSeconds)
{
    if (totalSeconds < 0)
        return 0;
    return (static_cast<uint64_t>(totalSeconds) * 176400u + 44u) / 1048576u;
}

uint32_t GetFreeDiskMB()
{
    uint64_t bytes = 0;
    if (!GetFreeDiskBytes(".", bytes))
        return 0;
    return static_cast<uint32_t>(bytes >> 20);
}
