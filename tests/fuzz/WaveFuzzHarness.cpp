#include "WaveFuzzHarness.h"

#include "audio/CWaveFile.h"

#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <unistd.h>

namespace {

constexpr int kTargetRate = 44100;
// Delivered frames read at most: every frame of a 4 KiB input (8-bit mono at 11025 Hz
// gives 16384), while a data size claiming gigabytes still finishes quickly.
constexpr uint64_t kMaxFrames = 20000;
constexpr int kFramesBeyond = 300;

// One scratch file per process, in memory when /dev/shm is there, rewritten per input.
class ScratchFile
{
public:
    ScratchFile()
    {
        const std::filesystem::path folder =
            std::filesystem::is_directory("/dev/shm") && ::access("/dev/shm", W_OK) == 0
                ? std::filesystem::path("/dev/shm")
                : std::filesystem::temp_directory_path();
        std::string pattern = (folder / "velmira_fuzz_XXXXXX").string();
        const int fd = ::mkstemp(pattern.data());
        if (fd >= 0) {
            ::close(fd);
            m_path = pattern;
        }
    }
    ~ScratchFile()
    {
        if (!m_path.empty())
            ::unlink(m_path.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    bool Write(const uint8_t* data, size_t size) const
    {
        if (m_path.empty())
            return false;
        const int fd = ::open(m_path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
        if (fd < 0)
            return false;
        bool ok = true;
        while (ok && size > 0) {
            const ssize_t put = ::write(fd, data, size);
            ok = put > 0;
            if (ok) {
                data += put;
                size -= static_cast<size_t>(put);
            }
        }
        return ::close(fd) == 0 && ok;
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

bool IsSilent(const Frame& f)
{
    return f.left == 0 && f.right == 0;
}

// Frames an accepted input delivers before the silence: N at its own rate, or
// (N - 1) * f + 1 when up-sampled by f.
uint64_t OwnFrames(uint32_t frames, int step)
{
    return frames == 0 ? 0 : (static_cast<uint64_t>(frames) - 1) * step + 1;
}

std::string CheckRefused(CWaveFile& wave)
{
    if (wave.IsOpen())
        return "a refused input was left open";
    Frame f{1, 1};
    if (wave.ReadFrame(f) != 0 || !IsSilent(f))
        return "a refused input delivered a frame";
    return {};
}

std::string ReadAllFrames(CWaveFile& wave)
{
    const int rate = wave.GetSampleRate();
    if (rate != 11025 && rate != 22050 && rate != 44100)
        return "an input with rate " + std::to_string(rate) + " was accepted";
    const uint64_t own = OwnFrames(wave.GetFrameCount(), kTargetRate / rate);
    Frame f;
    for (uint64_t i = 0; i < std::min(own, kMaxFrames); ++i) {
        if (wave.ReadFrame(f) != 0)
            return "a read error inside the data";
    }
    if (own > kMaxFrames)
        return {};
    for (int i = 0; i < kFramesBeyond; ++i) {
        if (wave.ReadFrame(f) != 0 || !IsSilent(f))
            return "a frame past the end of the data was not silence";
    }
    return {};
}

// A second reader continuing from a position of the first delivers the same input frames.
std::string CheckHandOver(CWaveFile& first, const std::string& path, int64_t position)
{
    CWaveFile second;
    if (second.OpenRead(path, kTargetRate) != 0)
        return "the same input was refused the second time";
    first.SetReadPos(position);
    second.SetReadPos(position);
    for (int i = 0; i < 64; ++i) {
        Frame a;
        Frame b;
        if (first.ReadFrame(a) != 0 || second.ReadFrame(b) != 0)
            return "a read error after SetReadPos";
        if (a.left != b.left || a.right != b.right)
            return "two readers at the same position delivered different frames";
    }
    // Stray positions stay harmless.
    Frame f;
    for (int64_t stray : {std::numeric_limits<int64_t>::min(), int64_t{-1}, int64_t{1},
                          std::numeric_limits<int64_t>::max()}) {
        second.SetReadPos(stray);
        for (int i = 0; i < 8; ++i) {
            if (second.ReadFrame(f) != 0)
                return "a read error after a stray SetReadPos";
        }
    }
    return {};
}

} // namespace

std::string ReplayWaveInput(const uint8_t* data, size_t size)
{
    static const ScratchFile scratch;
    if (!scratch.Write(data, size))
        return "cannot write the scratch file";
    CWaveFile wave;
    if (wave.OpenRead(scratch.Path(), kTargetRate) != 0)
        return CheckRefused(wave);
    const int64_t start = wave.GetReadPos();
    std::string fault = ReadAllFrames(wave);
    if (fault.empty())
        fault = CheckHandOver(wave, scratch.Path(), start);
    wave.Close();
    if (fault.empty() && wave.IsOpen())
        fault = "Close left the input open";
    return fault;
}
