#pragma once

#include <cstdint>

// Counts the run's per-frame pump calls and says when a host should really let its
// events through: once every kFramesPerPump frames (about 0.4 ms of work at the
// renderer's usual speed, a few ms in a debug build).
class PumpCounter
{
public:
    static constexpr uint32_t kFramesPerPump = 16384;

    bool Due()
    {
        if (++m_nCalls < kFramesPerPump)
            return false;
        m_nCalls = 0;
        return true;
    }

private:
    uint32_t m_nCalls = 0;
};
