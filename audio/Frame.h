#pragma once

#include <cstdint>

// One stereo sample pair, left then right; signed 16-bit, little-endian in files.
struct Frame
{
    int16_t left = 0;
    int16_t right = 0;
};
