// Per-frame cost of the tone generator and of the level follower plus blend, each beside the C
// library calls of the plain arithmetic (the sines, the power function) on the same kind of
// arguments. The blend runs both ways: one pow() per frame, and the per-run gain table.

#include "engine/BlendConstants.h"
#include "engine/CBeatCurve.h"
#include "engine/CToneGenerator.h"
#include "engine/LevelFollower.h"
#include "engine/LevelGain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr uint32_t kTenMinutes = 44100u * 600u;
constexpr uint32_t kRetunePeriod = 3393; // frames between re-tunes at 130 Hz, near enough

void RunToneGenerator(benchmark::State& state, int harmonics)
{
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    CToneGenerator tone;
    tone.m_nSampleRate = 44100;
    tone.m_nCarrier = 110;
    tone.m_bMediumTone = harmonics;
    tone.m_bHighTone = harmonics;
    tone.m_pCurve = &curve;
    tone.m_nTotalFrames = kTenMinutes;
    tone.Start();
    double left = 0.0;
    double right = 0.0;
    for (auto _ : state) {
        tone.NextFrame(&left, &right);
        benchmark::DoNotOptimize(left);
        benchmark::DoNotOptimize(right);
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_NextFrame_Plain(benchmark::State& state)
{
    RunToneGenerator(state, 0);
}

void BM_NextFrame_BothHarmonics(benchmark::State& state)
{
    RunToneGenerator(state, 1);
}

// The sines of one frame: a left time base that only grows and a right one that restarts, with
// the generator's own argument arithmetic.
template <int Partials> void RunBareSines(benchmark::State& state)
{
    double carrier = 110.0;
    double right = 130.0;
    benchmark::DoNotOptimize(carrier);
    benchmark::DoNotOptimize(right);
    uint32_t frame = 0;
    uint32_t rightFrame = 0;
    for (auto _ : state) {
        const double t = static_cast<double>(frame) / 44100.0;
        const double tr = static_cast<double>(rightFrame) / 44100.0;
        for (int k = 1; k <= Partials; ++k) {
            benchmark::DoNotOptimize(std::sin(t * (k * carrier) * kTwoPi));
            benchmark::DoNotOptimize(std::sin(tr * (k * right) * kTwoPi));
        }
        ++frame;
        rightFrame = rightFrame + 1 == kRetunePeriod ? 0 : rightFrame + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_TwoBareSines(benchmark::State& state)
{
    RunBareSines<1>(state);
}

void BM_SixBareSines(benchmark::State& state)
{
    RunBareSines<3>(state);
}

// Music with a changing level, so that the power function sees varying arguments.
std::array<Frame, 4096> MakeMusic()
{
    std::array<Frame, 4096> music{};
    uint32_t seed = 12345;
    for (size_t i = 0; i < music.size(); ++i) {
        seed = seed * 1664525u + 1013904223u;
        const int envelope = static_cast<int>(i % 1024) * 32;
        music[i].left = static_cast<int16_t>(static_cast<int>(seed >> 16) % (envelope + 1));
        music[i].right = static_cast<int16_t>(-static_cast<int>(seed >> 20) % (envelope + 1));
    }
    return music;
}

// Level follower and blend over changing music; Gain(level) is the blend's share source.
template <typename Gain> void RunPushAndBlend(benchmark::State& state, const Gain& gain)
{
    const std::array<Frame, 4096> music = MakeMusic();
    LevelFollower follower;
    follower.Reset();
    uint32_t n = 0;
    double toneLeft = 0.25;
    double toneRight = -0.5;
    benchmark::DoNotOptimize(toneLeft);
    benchmark::DoNotOptimize(toneRight);
    for (auto _ : state) {
        const Frame f = music[n % music.size()];
        follower.Push(f);
        const Frame out = gain(f, toneLeft, toneRight, follower.GetLevel(),
                               ToneRamp(n % kTenMinutes, kTenMinutes));
        benchmark::DoNotOptimize(out);
        ++n;
    }
    state.SetItemsProcessed(state.iterations());
}

// The reference arithmetic: one pow() per frame.
void BM_PushAndBlend(benchmark::State& state)
{
    const BlendConstants k = BlendConstants::FromSettings(30, 10);
    RunPushAndBlend(state, [&k](Frame f, double l, double r, int level, double ramp) {
        return BlendFrame(f, l, r, level, k, ramp);
    });
}

// What a run does: the gain looked up in the table filled once before the mix.
void BM_PushAndBlendWithTable(benchmark::State& state)
{
    LevelGain table;
    table.Fill(BlendConstants::FromSettings(30, 10));
    RunPushAndBlend(state, [&table](Frame f, double l, double r, int level, double ramp) {
        return BlendFrame(f, l, r, table.Get(level), ramp);
    });
}

void BM_OnePow(benchmark::State& state)
{
    const BlendConstants k = BlendConstants::FromSettings(30, 10);
    double scale = 3.051850947599719e-05;
    benchmark::DoNotOptimize(scale);
    uint32_t n = 0;
    for (auto _ : state) {
        const int level = static_cast<int>(n % 32769u);
        benchmark::DoNotOptimize(std::pow(level * scale, k.p));
        n += 7;
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

// The machine is shared: the fastest repetition is the figure least disturbed by other load. Run
// with --benchmark_repetitions=N --benchmark_enable_random_interleaving=true for side-by-side
// pairs.
#define ENGINE_BENCHMARK(fn)                                                                       \
    BENCHMARK(fn)->ComputeStatistics(                                                              \
        "min", [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })

ENGINE_BENCHMARK(BM_NextFrame_Plain);
ENGINE_BENCHMARK(BM_TwoBareSines);
ENGINE_BENCHMARK(BM_NextFrame_BothHarmonics);
ENGINE_BENCHMARK(BM_SixBareSines);
ENGINE_BENCHMARK(BM_PushAndBlend);
ENGINE_BENCHMARK(BM_PushAndBlendWithTable);
ENGINE_BENCHMARK(BM_OnePow);
