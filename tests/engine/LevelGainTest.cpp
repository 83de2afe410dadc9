#include "engine/LevelGain.h"
#include "engine/BlendConstants.h"

#include <cstdint>

#include <gtest/gtest.h>

namespace {

// One table refilled for every setting, as a run refills its own: a stale or shifted entry, a
// narrower type or a missing last level all show as a difference from the direct computation,
// in the gain itself or in the frame mixed with it.
TEST(LevelGain, EveryLevelMatchesTheDirectComputationBitForBit)
{
    LevelGain table;
    for (int dynamics : {0, 50, 100}) {
        for (int minVolume : {0, 10, 100}) {
            SCOPED_TRACE(testing::Message()
                         << "dynamics " << dynamics << " minVolume " << minVolume);
            const BlendConstants k = BlendConstants::FromSettings(dynamics, minVolume);
            table.Fill(k);
            for (int level = 0; level < LevelGain::kLevels; ++level) {
                ASSERT_EQ(table.Get(level), BlendGain(level, k)) << "level " << level;
                const Frame music = {static_cast<int16_t>(level - 16384),
                                     static_cast<int16_t>(32767 - level)};
                const double tone = (level % 201 - 100) / 100.0;
                const double ramp = (level % 97) / 96.0;
                const Frame direct = BlendFrame(music, tone, -tone, level, k, ramp);
                const Frame looked = BlendFrame(music, tone, -tone, table.Get(level), ramp);
                ASSERT_EQ(looked.left, direct.left) << "level " << level;
                ASSERT_EQ(looked.right, direct.right) << "level " << level;
            }
        }
    }
}

} // namespace
