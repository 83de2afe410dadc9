#include "audio/CWaveFile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kTargetRate = 44100;
// 4 MiB of 16-bit stereo frames: larger than the caches the file passes through.
constexpr uint32_t kFrames = 1u << 20;

std::string ScratchPath(const char* name)
{
    return (std::filesystem::temp_directory_path() /
            ("velmira_bench_" + std::to_string(::getpid()) + "_" + name))
        .string();
}

void PutLE(std::vector<char>& out, uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// A canonical 16-bit file of kFrames frames at `rate` with `channels` channels.
std::string WriteInput(int channels, int rate)
{
    const uint32_t block = 2u * static_cast<uint32_t>(channels);
    const uint32_t dataBytes = kFrames * block;
    std::vector<char> bytes;
    bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
    PutLE(bytes, 36 + dataBytes, 4);
    bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    PutLE(bytes, 16, 4);
    PutLE(bytes, 1, 2);
    PutLE(bytes, static_cast<uint32_t>(channels), 2);
    PutLE(bytes, static_cast<uint32_t>(rate), 4);
    PutLE(bytes, static_cast<uint32_t>(rate) * block, 4);
    PutLE(bytes, block, 2);
    PutLE(bytes, 16, 2);
    bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
    PutLE(bytes, dataBytes, 4);
    for (uint32_t k = 0; k < kFrames * static_cast<uint32_t>(channels); ++k)
        PutLE(bytes, (k * 2654435761u) >> 16, 2);
    const std::string path = ScratchPath(channels == 2 ? "stereo.wav" : "mono.wav");
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<long>(bytes.size()));
    return path;
}

// One delivered frame per iteration, starting over at the first frame when the input's
// frames are used up.
void ReadFrames(benchmark::State& state, int channels, int rate)
{
    const std::string path = WriteInput(channels, rate);
    CWaveFile wave;
    if (wave.OpenRead(path, kTargetRate) != 0) {
        state.SkipWithError("cannot open the input");
        return;
    }
    const int64_t start = wave.GetReadPos();
    const uint32_t delivered = (kFrames - 1) * static_cast<uint32_t>(kTargetRate / rate) + 1;
    uint32_t left = delivered;
    Frame frame;
    for (auto _ : state) {
        if (wave.ReadFrame(frame) != 0) {
            state.SkipWithError("read error");
            break;
        }
        benchmark::DoNotOptimize(frame);
        if (--left == 0) {
            wave.SetReadPos(start);
            left = delivered;
        }
    }
    state.SetItemsProcessed(state.iterations());
    wave.Close();
    std::remove(path.c_str());
}

void BM_ReadFrameStereo44100(benchmark::State& state)
{
    ReadFrames(state, 2, 44100);
}
BENCHMARK(BM_ReadFrameStereo44100);

void BM_ReadFrameMono22050(benchmark::State& state)
{
    ReadFrames(state, 1, 22050);
}
BENCHMARK(BM_ReadFrameMono22050);

// One frame appended per iteration; the output is started afresh every kFrames frames
// so that the file stays small. On /dev/null only the writer's own cost remains.
void WriteFrames(benchmark::State& state, const std::string& path)
{
    CWaveFile wave;
    if (wave.CreateWrite(path, kTargetRate) != 0) {
        state.SkipWithError("cannot create the output");
        return;
    }
    uint32_t written = 0;
    for (auto _ : state) {
        const auto sample = static_cast<int16_t>(written);
        if (wave.WriteFrame(Frame{sample, static_cast<int16_t>(-sample)}) != 0) {
            state.SkipWithError("write error");
            break;
        }
        if (++written == kFrames) {
            if (wave.CreateWrite(path, kTargetRate) != 0) {
                state.SkipWithError("cannot start the output afresh");
                break;
            }
            written = 0;
        }
    }
    state.SetItemsProcessed(state.iterations());
    wave.Close();
}

void BM_WriteFrame(benchmark::State& state)
{
    const std::string path = ScratchPath("out.wav");
    WriteFrames(state, path);
    std::remove(path.c_str());
}
BENCHMARK(BM_WriteFrame);

void BM_WriteFrameToDevNull(benchmark::State& state)
{
    WriteFrames(state, "/dev/null");
}
BENCHMARK(BM_WriteFrameToDevNull);

} // namespace
