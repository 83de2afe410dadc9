#include "engine/MixLength.h"

#include <climits>
#include <cstddef>
#include <cstdint>

int TotalLengthSeconds(const std::vector<int>& entrySeconds, int fadeSeconds)
{
    int64_t total = 0;
    bool crossFadedInto = false;
    for (std::size_t i = 0; i < entrySeconds.size(); ++i) {
        const int64_t ownSeconds =
            crossFadedInto ? int64_t{entrySeconds[i]} - fadeSeconds : int64_t{entrySeconds[i]};
        total += ownSeconds;
        const bool last = i + 1 == entrySeconds.size();
        crossFadedInto = !last && ownSeconds >= fadeSeconds && entrySeconds[i + 1] >= fadeSeconds;
    }
    return total > INT_MAX ? INT_MAX : static_cast<int>(total);
}

bool FitsWavSizeFields(int totalSeconds)
{
    if (totalSeconds < 0)
        return false;
    const uint64_t frames = uint64_t{static_cast<uint32_t>(totalSeconds)} * 44100u;
    return 36u + 4u * frames <= 4294967295u;
}
