#pragma once

#include "engine/BlendConstants.h"

#include <cstddef>
#include <vector>

// The tone's capped gain for every music level 0 .. 32768 under one set of blend constants,
// worked out once per run so that the per-frame path looks the gain up instead of calling
// pow(). Each entry is BlendGain(level, k), bit for bit.
class LevelGain
{
public:
    static constexpr int kLevels = 32769;

    // Allocates the table; every gain is 0 until Fill.
    LevelGain();

    void Fill(const BlendConstants& k);
    // level in 0 .. 32768.
    double Get(int level) const { return m_gains[static_cast<std::size_t>(level)]; }

private:
    std::vector<double> m_gains;
};
