#pragma once

#include "audio/Frame.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
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
    // Inline, so that the run reads the frame's two samples as the reader stored them, one
    // field at a time: a 32-bit load of two fresh 16-bit stores stalls every frame.
    void Push(Frame f)
    {
        // Widened first, so -32768 counts as 32768.
        const int32_t mag = std::max(std::abs(int32_t{f.left}), std::abs(int32_t{f.right}));
        // Kept in locals: a store into the ring could alias the members, which would put every
        // frame's update through memory.
        int32_t index = m_nIndex;
        const int32_t sum = m_nSum - m_pSlots[index] + mag;
        m_pSlots[index] = mag;
        m_nSum = sum;
        m_nLevel = sum / kSlots;
        ++index;
        m_nIndex = index == kSlots ? 0 : index;
    }
    int GetLevel() const { return m_nLevel; }

private:
    std::unique_ptr<int32_t[]> m_pSlots;
    int32_t m_nIndex = 0; // the slot the next frame replaces
    int32_t m_nSum = 0;   // at most 22050 * 32768
    int m_nLevel = 0;     // m_nSum / 22050, fraction dropped
};
