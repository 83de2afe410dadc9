#pragma once

#include "audio/Frame.h"

#include <cstdint>
#include <memory>

// Music level over the last half second: the mean of the per-frame peak magnitude (0 .. 32768)
// over a ring of 22050 frames, kept as a running sum. The ring is allocated once; Push is
// constant time and allocates nothing.
class LevelFollower
{
public:
    static constexpr int32_t kSlots = 22050;

    LevelFollower();

    // Back to silence: every slot 0. The level keeps its value until the next Push.
    void Reset();
    void Push(Frame f);
    int GetLevel() const;

private:
    std::unique_ptr<int32_t[]> m_pSlots;
    int32_t m_nIndex = 0; // the slot the next frame replaces
    int32_t m_nSum = 0;   // at most 22050 * 32768
    int m_nLevel = 0;     // m_nSum / 22050, fraction dropped
};
