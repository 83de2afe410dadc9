// A whole render run of ten minutes of generated 44100 Hz stereo music with the default
// settings, beside a floor: the per-frame sin() and pow() calls of the plain arithmetic alone
// on as many frames (the run itself works its pow() calls out once per level before the mix,
// so only the sines of the floor remain in it). Also the peak resident memory of a one-hour mix.

#include "engine/BlendConstants.h"
#include "engine/CBeatCurve.h"
#include "engine/CEntryList.h"
#include "engine/CRenderRun.h"
#include "engine/IRenderHost.h"
#include "engine/PumpCounter.h"
#include "platform/SystemServices.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/resource.h>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

// Process CPU time in seconds (user and system): on a shared machine it is the figure
// that other load disturbs least; the system time of the output writes is in it.
double CpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

constexpr uint32_t kRate = 44100;
constexpr uint32_t kTenMinutes = kRate * 600;
constexpr double kTwoPi = 6.283185307179586;

void PutU16(std::vector<char>& out, uint32_t v)
{
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void PutU32(std::vector<char>& out, uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// The folder of the fixture and the output, once made; removed at exit.
std::filesystem::path g_dir;

struct Cleanup
{
    ~Cleanup()
    {
        std::error_code ignored;
        if (!g_dir.empty())
            std::filesystem::remove_all(g_dir, ignored);
    }
};

// Ten minutes of two tones under a slow swell, written in pieces so that the fixture
// itself never sits in memory.
std::string MusicFile()
{
    static const std::string path = [] {
        g_dir = std::filesystem::temp_directory_path() /
                ("velmira_render_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(g_dir);
        const std::string file = (g_dir / "music.wav").string();
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        std::vector<char> bytes;
        const uint32_t dataBytes = kTenMinutes * 4;
        for (const char* tag : {"RIFF"})
            bytes.insert(bytes.end(), tag, tag + 4);
        PutU32(bytes, 36 + dataBytes);
        for (const char* tag : {"WAVE", "fmt "})
            bytes.insert(bytes.end(), tag, tag + 4);
        PutU32(bytes, 16);
        PutU16(bytes, 1);
        PutU16(bytes, 2);
        PutU32(bytes, kRate);
        PutU32(bytes, kRate * 4);
        PutU16(bytes, 4);
        PutU16(bytes, 16);
        bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
        PutU32(bytes, dataBytes);
        for (uint32_t n = 0; n < kTenMinutes; ++n) {
            const double t = static_cast<double>(n) / kRate;
            const double swell = 0.55 + 0.45 * std::sin(kTwoPi * 0.05 * t);
            PutU16(bytes, static_cast<uint16_t>(static_cast<int16_t>(
                              20000.0 * swell * std::sin(kTwoPi * 220.0 * t))));
            PutU16(bytes, static_cast<uint16_t>(static_cast<int16_t>(
                              20000.0 * swell * std::sin(kTwoPi * 330.0 * t))));
            if (bytes.size() >= 1 << 20) {
                out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
                bytes.clear();
            }
        }
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }();
    return path;
}

// A host as cheap as the window's between its real pumps.
class BenchHost : public IRenderHost
{
public:
    void ShowMessage(int, const std::string& text) override { failure = text; }
    void SetRemainingText(const std::string&) override {}
    void UpdateProgress(int, const std::string&, int) override {}
    void PumpMessages() override
    {
        if (m_counter.Due())
            benchmark::ClobberMemory();
    }
    int64_t WallClockSeconds() override { return ::WallClockSeconds(); }
    void HideAndShowCompletion() override { completed = true; }

    std::string failure;
    bool completed = false;

private:
    PumpCounter m_counter;
};

double RenderSeconds(int entries, int harmonics, benchmark::State& state)
{
    CEntryList playlist;
    for (int i = 0; i < entries; ++i)
        playlist.Add({"[00:10:00]  music", MusicFile(), 600});
    CBeatCurve curve;
    BuildDefaultCurve(curve);
    MixParams params;
    params.outputPath = (std::filesystem::path(MusicFile()).parent_path() / "out.wav").string();
    params.playlist = &playlist;
    params.totalFrames = kTenMinutes * static_cast<uint32_t>(entries);
    params.fadeSeconds = entries > 1 ? 0 : 10;
    params.mediumTone = harmonics;
    params.highTone = harmonics;
    params.curve = &curve;
    BenchHost host;
    CRenderRun run(host);
    run.SetParams(params);
    const double start = CpuSeconds();
    run.RunMix();
    const double took = CpuSeconds() - start;
    if (!host.completed)
        state.SkipWithError(("render failed: " + host.failure).c_str());
    return took;
}

// The per-frame sin() and pow() calls of a mix alone: 2 sines without harmonics, 6 with
// both, and one power, on arguments shaped like the generator's and the blend's.
double FloorSeconds(int harmonics)
{
    const int partials = harmonics ? 3 : 1;
    double carrier = 110.0;
    double right = 130.0;
    double scale = 3.051850947599719e-05;
    double exponent = BlendConstants::FromSettings(50, 10).p; // the default dynamics
    benchmark::DoNotOptimize(carrier);
    benchmark::DoNotOptimize(right);
    benchmark::DoNotOptimize(scale);
    benchmark::DoNotOptimize(exponent);
    uint32_t rightFrame = 0;
    const double start = CpuSeconds();
    for (uint32_t frame = 0; frame < kTenMinutes; ++frame) {
        const double t = static_cast<double>(frame) / 44100.0;
        const double tr = static_cast<double>(rightFrame) / 44100.0;
        for (int k = 1; k <= partials; ++k) {
            benchmark::DoNotOptimize(std::sin(t * (k * carrier) * kTwoPi));
            benchmark::DoNotOptimize(std::sin(tr * (k * right) * kTwoPi));
        }
        benchmark::DoNotOptimize(std::pow((frame % 32769u) * scale, exponent));
        rightFrame = rightFrame + 1 == 3393 ? 0 : rightFrame + 1;
    }
    return CpuSeconds() - start;
}

// Ten minutes rendered per iteration, each timed beside the floor in CPU seconds; the
// figures use the fastest of each (the machine is shared).
void BM_RenderTenMinutes(benchmark::State& state)
{
    const int harmonics = static_cast<int>(state.range(0));
    double bestRender = 1e9;
    double bestFloor = 1e9;
    for (auto _ : state) {
        bestFloor = std::min(bestFloor, FloorSeconds(harmonics));
        const double render = RenderSeconds(1, harmonics, state);
        bestFloor = std::min(bestFloor, FloorSeconds(harmonics));
        state.SetIterationTime(render);
        bestRender = std::min(bestRender, render);
    }
    state.counters["x_real_time"] = 600.0 / bestRender;
    state.counters["floor_s"] = bestFloor;
    state.counters["ratio_to_floor"] = bestRender / bestFloor;
}

// Peak resident memory of the whole process after a one-hour mix (six ten-minute entries).
void BM_OneHourMixPeakMemory(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(RenderSeconds(6, 1, state));
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

} // namespace

BENCHMARK(BM_OneHourMixPeakMemory)->UseManualTime()->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK(BM_RenderTenMinutes)
    ->ArgName("harmonics")
    ->Arg(0)
    ->Arg(1)
    ->UseManualTime()
    ->Iterations(5)
    ->Unit(benchmark::kSecond);

static const Cleanup cleanup;
