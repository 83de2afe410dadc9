#pragma once

#include "audio/Frame.h"

#include <cstdint>

// Shape of the tone's share: gain = (level / 32767)^p * s + o, capped at 1.
struct BlendConstants
{
    double p; // exponent, 1.25 at dynamics 0 down to 0.75 at 100
    double s; // scale, 0.25 at dynamics 0 up to 0.75 at 100
    double o; // floor, minVolume / 1500

    // dynamics and minVolume in percent.
    static BlendConstants FromSettings(int dynamics, int minVolume);
};

// Fade factor 0 .. 1 of the tone for output frame n of a mix of T frames: up over the first
// L frames, down over the last L, where L is 3 s (132300 frames) or a quarter of a shorter mix
// (under 6 s). With L = 0 the factor is 1.
double ToneRamp(uint32_t n, uint32_t T);

// The tone's share at music level 0 .. 32768 before the ramp: (level / 32767)^p * s + o,
// capped at 1.
double BlendGain(int level, const BlendConstants& k);

// One output frame: the music reduced by exactly the share t = ramp * gain(level) that the tone
// takes. Tone samples are in -1.0 .. 1.0; samples truncate toward zero.
Frame BlendFrame(Frame music, double toneLeft, double toneRight, int level, const BlendConstants& k,
                 double ramp);
// The same frame from the gain already worked out (BlendGain, or a LevelGain table).
Frame BlendFrame(Frame music, double toneLeft, double toneRight, double gain, double ramp);
