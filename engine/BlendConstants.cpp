#include "engine/BlendConstants.h"

#include <cmath>

namespace {

constexpr double kSampleToUnit = 3.051850947599719e-05; // 1 / 32767
constexpr uint32_t kFullRampFrames = 132300;            // 3 s at 44100 Hz
constexpr uint32_t kFullRampMixFrames = 264600;         // 6 s at 44100 Hz

// A convex mix of music (down to -32768 / 32767) and tone (within 1.0) scales back into 16 bits.
int16_t UnitToSample(double v)
{
    return static_cast<int16_t>(v * 32767.0);
}

} // namespace

BlendConstants BlendConstants::FromSettings(int dynamics, int minVolume)
{
    const double d = dynamics * 0.01;
    BlendConstants k;
    k.p = (1.0 - d) * 0.5 + 0.75;
    k.s = d * 0.5 + 0.25;
    k.o = minVolume * 0.0006666666666666666;
    return k;
}

double ToneRamp(uint32_t n, uint32_t T)
{
    const uint32_t L = T >= kFullRampMixFrames ? kFullRampFrames : T / 4;
    if (n < L) {
        return static_cast<double>(n) / static_cast<double>(L);
    }
    if (T - n < L) {
        return static_cast<double>(T - n) / static_cast<double>(L);
    }
    return 1.0;
}

double BlendGain(int level, const BlendConstants& k)
{
    const double g = std::pow(level * kSampleToUnit, k.p) * k.s + k.o;
    return g < 1.0 ? g : 1.0;
}

Frame BlendFrame(Frame music, double toneLeft, double toneRight, int level, const BlendConstants& k,
                 double ramp)
{
    return BlendFrame(music, toneLeft, toneRight, BlendGain(level, k), ramp);
}

Frame BlendFrame(Frame music, double toneLeft, double toneRight, double gain, double ramp)
{
    const double mL = music.left * kSampleToUnit;
    const double mR = music.right * kSampleToUnit;
    const double t = ramp * gain;
    const double outL = (1.0 - t) * mL + t * toneLeft;
    const double outR = (1.0 - t) * mR + t * toneRight;
    return Frame{UnitToSample(outL), UnitToSample(outR)};
}
