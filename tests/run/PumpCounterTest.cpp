#include "engine/PumpCounter.h"

#include <gtest/gtest.h>

namespace {

TEST(PumpCounter, LetsEventsThroughOnceEveryBlockOfFrames)
{
    PumpCounter counter;
    std::vector<uint32_t> due;
    for (uint32_t call = 1; call <= 3 * PumpCounter::kFramesPerPump; ++call)
        if (counter.Due())
            due.push_back(call);
    EXPECT_EQ(due,
              (std::vector<uint32_t>{PumpCounter::kFramesPerPump, 2 * PumpCounter::kFramesPerPump,
                                     3 * PumpCounter::kFramesPerPump}));
}

} // namespace
