#pragma once

// Test helpers: WAV files built in memory, written into a private temporary folder,
// and read back. Header-only so every test area can use them.

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace fixture {

using Bytes = std::vector<uint8_t>;

inline void PutU16(Bytes& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

inline void PutU32(Bytes& out, uint32_t v)
{
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// Byte by byte: GCC 12 warns falsely (-Wstringop-overflow) about a range insert here.
inline void PutTag(Bytes& out, const char* tag)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(tag[i]));
}

inline uint32_t GetU32(const Bytes& in, size_t at)
{
    return in[at] | (in[at + 1] << 8) | (in[at + 2] << 16) |
           (static_cast<uint32_t>(in[at + 3]) << 24);
}

// A chunk: tag, 32-bit size, payload, and the pad byte after an odd payload when asked.
inline void PutChunk(Bytes& out, const char* tag, const Bytes& payload, bool pad = true)
{
    PutTag(out, tag);
    PutU32(out, static_cast<uint32_t>(payload.size()));
    out.insert(out.end(), payload.begin(), payload.end());
    if (pad && (payload.size() & 1))
        out.push_back(0);
}

// One chunk as bytes, for files assembled chunk by chunk with BuildRiff.
inline Bytes MakeChunk(const char* tag, const Bytes& payload, bool pad = true)
{
    Bytes out;
    PutChunk(out, tag, payload, pad);
    return out;
}

// "RIFF", its size, "WAVE", then the given chunks (or any bytes) in order.
inline Bytes BuildRiff(const std::vector<Bytes>& chunks)
{
    Bytes body;
    PutTag(body, "WAVE");
    for (const Bytes& chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    Bytes file;
    PutTag(file, "RIFF");
    PutU32(file, static_cast<uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// The 16 bytes of PCM format fields, then `extra` zero bytes (S = 16 + extra).
inline Bytes FormatPayload(int channels, int rate, int bits, int extra = 0, int tag = 1)
{
    Bytes fmt;
    const int block = channels * bits / 8;
    PutU16(fmt, static_cast<uint32_t>(tag));
    PutU16(fmt, static_cast<uint32_t>(channels));
    PutU32(fmt, static_cast<uint32_t>(rate));
    PutU32(fmt, static_cast<uint32_t>(rate * block));
    PutU16(fmt, static_cast<uint32_t>(block));
    PutU16(fmt, static_cast<uint32_t>(bits));
    fmt.insert(fmt.end(), static_cast<size_t>(extra), 0);
    return fmt;
}

// Interleaved samples as data bytes: 16-bit signed little-endian, or 8-bit unsigned
// (the caller passes 0..255 for 8 bits).
inline Bytes SampleBytes(const std::vector<int>& samples, int bits)
{
    Bytes data;
    for (int s : samples) {
        if (bits == 8)
            data.push_back(static_cast<uint8_t>(s));
        else
            PutU16(data, static_cast<uint16_t>(static_cast<int16_t>(s)));
    }
    return data;
}

// A canonical file: RIFF header, format chunk, data chunk.
inline Bytes BuildWav(int channels, int rate, int bits, const std::vector<int>& samples)
{
    Bytes body;
    PutTag(body, "WAVE");
    PutChunk(body, "fmt ", FormatPayload(channels, rate, bits));
    PutChunk(body, "data", SampleBytes(samples, bits));
    Bytes file;
    PutTag(file, "RIFF");
    PutU32(file, static_cast<uint32_t>(body.size()));
    file.insert(file.end(), body.begin(), body.end());
    return file;
}

// A 16-bit stereo 44100 Hz file of `frames` frames whose samples follow a simple
// deterministic pattern (left = 7 * k, right = -5 * k, wrapped to 16 bits).
inline Bytes BuildPatternWav(int frames, int rate = 44100)
{
    std::vector<int> samples;
    samples.reserve(static_cast<size_t>(frames) * 2);
    for (int k = 0; k < frames; ++k) {
        samples.push_back(static_cast<int16_t>(7 * k));
        samples.push_back(static_cast<int16_t>(-5 * k));
    }
    return BuildWav(2, rate, 16, samples);
}

inline Bytes ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir
{
public:
    TempDir()
    {
        static int counter = 0;
        m_path = std::filesystem::temp_directory_path() /
                 ("velmira_test_" + std::to_string(::getpid()) + "_" + std::to_string(++counter));
        std::filesystem::remove_all(m_path);
        std::filesystem::create_directories(m_path);
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ignored);
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string Path(const std::string& name) const { return (m_path / name).string(); }
    std::string Write(const std::string& name, const Bytes& bytes) const
    {
        const std::string path = Path(name);
        WriteBytes(path, bytes);
        return path;
    }
    const std::filesystem::path& Root() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace fixture
