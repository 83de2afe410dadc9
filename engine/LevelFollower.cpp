#include "engine/LevelFollower.h"

#include <algorithm>

LevelFollower::LevelFollower() : m_pSlots(std::make_unique<int32_t[]>(kSlots))
{
}

void LevelFollower::Reset()
{
    std::fill_n(m_pSlots.get(), kSlots, 0);
    m_nSum = 0;
    m_nIndex = 0;
}
