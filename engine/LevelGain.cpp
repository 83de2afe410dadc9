#include "engine/LevelGain.h"

LevelGain::LevelGain() : m_gains(kLevels, 0.0)
{
}

void LevelGain::Fill(const BlendConstants& k)
{
    for (int level = 0; level < kLevels; ++level) {
        m_gains[static_cast<std::size_t>(level)] = BlendGain(level, k);
    }
}
