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
    m_nSum -= m_pSlots[m_nIndex];
    m_pSlots[m_nIndex] = mag;
    m_nSum += mag;
    m_nLevel = m_nSum / kSlots;
    m_nIndex = (m_nIndex + 1) % kSlots;
}

int LevelFollower::GetLevel() const
{
    return m_nLevel;
}
