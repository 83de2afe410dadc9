#include "engine/LevelFollower.h"

#include <algorithm>
#include <cstdlib>

LevelFollower::LevelFollower() : m_pSlots(std::make_unique<int32_t[]>(kSlots))
{
}

void LevelFollower::Reset()
{
    std::fill_n(m_pSlots.get(), kSlots, 0);
    m_nSum = 0;
    m_nIndex = 0;
}

void LevelFollower::Push(Frame f)
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

int LevelFollower::GetLevel() const
{
    return m_nLevel;
}
