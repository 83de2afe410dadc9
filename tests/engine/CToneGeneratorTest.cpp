#include "engine/CToneGenerator.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr uint32_t kTenMinutes = 44100u * 600u;

// Goes through the C library at run time, as the generator does, so that the compiler cannot
// fold a constant argument with its own (differently rounded) sine.
double RuntimeSin(double angle)
{
    volatile double a = angle;
    return std::sin(a);
}

// Sine of partial k of a wave at f Hz, t frames after its phase 0, in the generator's order.
double Partial(uint32_t t, int k, double f)
{
    return RuntimeSin(static_cast<double>(t) / 44100.0 * (k * f) * kTwoPi);
}

struct Output
{
    double left;
    double right;
};

std::vector<Output> RunTone(const CBeatCurve& curve, int carrier, int medium, int high,
                            uint32_t totalFrames, uint32_t frames)
{
    CToneGenerator tone;
    tone.m_nSampleRate = 44100;
    tone.m_nCarrier = carrier;
    tone.m_bMediumTone = medium;
    tone.m_bHighTone = high;
    tone.m_pCurve = &curve;
    tone.m_nTotalFrames = totalFrames;
    tone.Start();
    std::vector<Output> out(frames);
    for (Output& o : out) {
        tone.NextFrame(&o.left, &o.right);
    }
    return out;
}

TEST(ToneGenerator, FirstFramesMixEveryActivePartialWithEqualWeight)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    const double f = 110 + 20.0 / 30.0 * 30.0; // right channel at the start: 130 Hz
    struct Case
    {
        int medium, high;
        double f2, f3, s;
    };
    const Case cases[] = {
        {0, 0, 0.0, 0.0, 1.0},
        {1, 0, 1.0, 0.0, 1.0 / 2.0},
        {0, 7, 0.0, 1.0, 1.0 / 2.0}, // any non-zero flag switches a harmonic on
        {1, 1, 1.0, 1.0, 1.0 / 3.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "medium " << c.medium << " high " << c.high);
        const std::vector<Output> out = RunTone(curve, 110, c.medium, c.high, kTenMinutes, 3000);
        EXPECT_EQ(out[0].left, 0.0);
        for (uint32_t n = 0; n < out.size(); ++n) {
            // Left partials share the frame counter; the right harmonics run one sample ahead
            // of the right fundamental, whose call advanced the counter.
            const double left =
                (c.f2 * Partial(n, 1, 220.0) + c.f3 * Partial(n, 1, 330.0) + Partial(n, 1, 110.0)) *
                c.s;
            const double right =
                (c.f2 * Partial(n + 1, 2, f) + c.f3 * Partial(n + 1, 3, f) + Partial(n, 1, f)) *
                c.s;
            ASSERT_EQ(out[n].left, left) << "frame " << n;
            ASSERT_EQ(out[n].right, right) << "frame " << n;
        }
    }
}

TEST(ToneGenerator, OutputStaysWithinUnitRangeWithEveryHarmonicSetting)
{
    CBeatCurve curve;
    curve.SetConstant(1.0);
    for (int medium : {0, 1}) {
        for (int high : {0, 1}) {
            for (const Output& o : RunTone(curve, 200, medium, high, 100000, 100000)) {
                ASSERT_LE(std::fabs(o.left), 1.0);
                ASSERT_LE(std::fabs(o.right), 1.0);
            }
        }
    }
}

TEST(ToneGenerator, LeftChannelIsTheCarrierForTheWholeMix)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    const uint32_t frames = 200000;
    const std::vector<Output> out = RunTone(curve, 157, 0, 0, frames, frames);
    for (uint32_t n = 0; n < frames; ++n) {
        ASSERT_EQ(out[n].left, Partial(n, 1, 157.0)) << "frame " << n;
    }
}

TEST(ToneGenerator, RightChannelRetunesOnTheEleventhUpwardCrossing)
{
    CBeatCurve zero;
    CBeatCurve standard;
    BuildDefaultCurve(standard);
    struct Case
    {
        const char* name;
        const CBeatCurve* curve;
        int carrier;
        uint32_t totalFrames;
        double startFreq;
        uint32_t retuneFrame;
        double newFreq;
    };
    const double beatAtRetune = standard.Evaluate(3393.0 / kTenMinutes) * 30.0;
    const Case cases[] = {
        {"default curve", &standard, 110, kTenMinutes, 130.0, 3393, 110 + beatAtRetune},
        {"0 Hz beat", &zero, 100, kTenMinutes, 100.0, 4411, 100.0},
        // Past the end of the mix (and with no length at all) the beat is 0 Hz.
        {"mix shorter than the cycles", &standard, 110, 3000, 130.0, 3393, 110.0},
        {"no total", &standard, 110, 0, 130.0, 3393, 110.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Output> out =
            RunTone(*c.curve, c.carrier, 0, 0, c.totalFrames, c.retuneFrame + 500);
        for (uint32_t n = 0; n < c.retuneFrame; ++n) {
            ASSERT_EQ(out[n].right, Partial(n, 1, c.startFreq)) << "frame " << n;
        }
        EXPECT_LT(out[c.retuneFrame - 1].right, 0.0);
        // The re-tune sample and the one after it both restart at phase 0.
        EXPECT_EQ(out[c.retuneFrame].right, 0.0);
        EXPECT_EQ(out[c.retuneFrame + 1].right, 0.0);
        for (uint32_t n = c.retuneFrame + 2; n < out.size(); ++n) {
            ASSERT_EQ(out[n].right, Partial(n - c.retuneFrame - 1, 1, c.newFreq)) << "frame " << n;
        }
    }
}

TEST(ToneGenerator, LaterRetunesComeAfterElevenCyclesPlusTheRepeatedZero)
{
    CBeatCurve zero;
    const std::vector<Output> out = RunTone(zero, 100, 0, 0, kTenMinutes, 9300);
    // Phase restarts at 4411 (counter 0 on frames 4411 and 4412) and again at 9264.
    for (uint32_t n = 4412; n < 9264; ++n) {
        ASSERT_EQ(out[n].right, Partial(n - 4412, 1, 100.0)) << "frame " << n;
    }
    EXPECT_EQ(out[9264].right, 0.0);
    EXPECT_EQ(out[9265].right, 0.0);
    EXPECT_EQ(out[9266].right, Partial(1, 1, 100.0));
    EXPECT_NE(out[9266].right, out[9266].left);
}

TEST(ToneGenerator, RightHarmonicsFollowTheRetunedFrequency)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    const std::vector<Output> out = RunTone(curve, 110, 1, 1, kTenMinutes, 6000);
    const double f = 110 + curve.Evaluate(3393.0 / kTenMinutes) * 30.0;
    EXPECT_EQ(out[3393].right, 0.0);
    for (uint32_t n = 3394; n < out.size(); ++n) {
        const uint32_t t = n - 3394;
        const double right =
            (1.0 * Partial(t + 1, 2, f) + 1.0 * Partial(t + 1, 3, f) + Partial(t, 1, f)) *
            (1.0 / 3.0);
        ASSERT_EQ(out[n].right, right) << "frame " << n;
    }
}

TEST(ToneGenerator, BeatFrequencyIsThirtyTimesTheCurve)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    CToneGenerator tone;
    tone.m_pCurve = &curve;
    EXPECT_EQ(tone.GetBeatFrequency(0.0), 20.0);
    EXPECT_EQ(tone.GetBeatFrequency(0.5), 4.0);
    EXPECT_EQ(tone.GetBeatFrequency(1.0), 16.0);
    EXPECT_EQ(tone.GetBeatFrequency(1.5), 0.0);
}

} // namespace
