#include "audio/CWaveFile.h"
#include "support/WavFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

using fixture::Bytes;

namespace {

constexpr int kRate = 44100;

// Every frame the reader delivers for `count` calls, as (left, right) pairs.
std::vector<std::pair<int, int>> ReadFrames(CWaveFile& wave, int count)
{
    std::vector<std::pair<int, int>> frames;
    for (int i = 0; i < count; ++i) {
        Frame f{-1, -1};
        EXPECT_EQ(wave.ReadFrame(f), 0) << "frame " << i;
        frames.emplace_back(f.left, f.right);
    }
    return frames;
}

// The same value on both channels, as a mono input delivers it.
std::vector<std::pair<int, int>> Both(const std::vector<int>& values)
{
    std::vector<std::pair<int, int>> frames;
    for (int v : values)
        frames.emplace_back(v, v);
    return frames;
}

class WaveReadTest : public ::testing::Test
{
protected:
    std::string Write(const Bytes& bytes) { return m_dir.Write("in.wav", bytes); }
    fixture::TempDir m_dir;
    CWaveFile m_wave;
};

TEST_F(WaveReadTest, InputAtTargetRateDeliversItsFramesThenSilenceForever)
{
    ASSERT_EQ(m_wave.OpenRead(Write(fixture::BuildPatternWav(20)), kRate), 0);
    EXPECT_EQ(m_wave.GetFrameCount(), 20u);
    EXPECT_EQ(m_wave.GetSampleRate(), 44100);
    const auto frames = ReadFrames(m_wave, 25);
    for (int k = 0; k < 20; ++k)
        EXPECT_EQ(frames[k], std::make_pair(7 * k, -5 * k)) << k;
    for (int k = 20; k < 25; ++k)
        EXPECT_EQ(frames[k], std::make_pair(0, 0)) << k;
}

TEST_F(WaveReadTest, SampleLayoutsDecodeToStereoFrames)
{
    struct Case
    {
        const char* name;
        int channels;
        int bits;
        std::vector<int> samples;
        std::vector<std::pair<int, int>> expected;
    };
    const std::vector<Case> cases = {
        {"16-bit mono repeats left on the right", 1, 16, {-32768, 32767}, Both({-32768, 32767})},
        {"16-bit stereo", 2, 16, {-1, 1, 300, -300}, {{-1, 1}, {300, -300}}},
        {"8-bit mono: 128 is 128, not 0",
         1,
         8,
         {0, 127, 128, 255},
         Both({-32767, -128, 128, 32767})},
        {"8-bit stereo", 2, 8, {0, 255, 128, 127}, {{-32767, 32767}, {128, -128}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(
            m_wave.OpenRead(Write(fixture::BuildWav(c.channels, kRate, c.bits, c.samples)), kRate),
            0);
        EXPECT_EQ(ReadFrames(m_wave, static_cast<int>(c.expected.size())), c.expected);
    }
}

TEST_F(WaveReadTest, LowerRatesAreUpSampledByLinearInterpolationFromSilence)
{
    struct Case
    {
        const char* name;
        int channels;
        int rate;
        std::vector<int> samples;
        std::vector<std::pair<int, int>> expected;
    };
    const std::vector<Case> cases = {
        {"22050 Hz mono", 1, 22050, {1000, 2000}, Both({0, 500, 1000, 0, 0, 0})},
        {"11025 Hz stereo, truncated toward zero",
         2,
         11025,
         {402, -402, 803, -803},
         {{0, 0}, {100, -100}, {201, -201}, {301, -301}, {402, -402}, {0, 0}}},
        {"22050 Hz with a falling step", 1, 22050, {-7, 7, 0}, Both({0, -3, -7, 0, 7, 0, 0, 0})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(
            m_wave.OpenRead(Write(fixture::BuildWav(c.channels, c.rate, 16, c.samples)), kRate), 0);
        EXPECT_EQ(m_wave.GetSampleRate(), c.rate);
        EXPECT_EQ(ReadFrames(m_wave, static_cast<int>(c.expected.size())), c.expected);
    }
}

TEST_F(WaveReadTest, TrailingPartialFrameIsNeverDelivered)
{
    // 10 bytes of 16-bit stereo data: two whole frames and half of a third.
    ASSERT_EQ(m_wave.OpenRead(Write(fixture::BuildWav(2, kRate, 16, {1, 2, 3, 4, 5})), kRate), 0);
    EXPECT_EQ(m_wave.GetFrameCount(), 2u);
    const std::vector<std::pair<int, int>> expected = {{1, 2}, {3, 4}, {0, 0}};
    EXPECT_EQ(ReadFrames(m_wave, 3), expected);
}

// With a format chunk of 18 bytes the data starts at offset 46, so frame 244 (offsets
// 1022 to 1025) takes its left sample from block 0 and its right sample from block 1.
TEST_F(WaveReadTest, FramesStraddlingCacheBlocksReadBothHalves)
{
    const int frames = 600;
    std::vector<int> samples;
    for (int k = 0; k < frames; ++k) {
        samples.push_back(1000 + k);
        samples.push_back(-1000 - k);
    }
    const Bytes file =
        fixture::BuildRiff({fixture::MakeChunk("fmt ", fixture::FormatPayload(2, kRate, 16, 2)),
                            fixture::MakeChunk("data", fixture::SampleBytes(samples, 16))});
    ASSERT_EQ(m_wave.OpenRead(Write(file), kRate), 0);
    EXPECT_EQ(m_wave.GetReadPos(), 46);
    const auto got = ReadFrames(m_wave, frames);
    for (int k = 0; k < frames; ++k)
        ASSERT_EQ(got[k], std::make_pair(1000 + k, -1000 - k)) << "frame " << k;
}

// Frames the data chunk claims beyond the end of the file read as silence, and
// up-sampling runs on toward them.
TEST_F(WaveReadTest, FramesBeyondTheRealEndOfTheFileAreSilent)
{
    Bytes file = fixture::BuildWav(1, 22050, 16, {1000, 2000});
    file[40] = 4 * 2;     // the data chunk claims 4 frames, the file holds 2
    file.push_back(0x7F); // and one byte of a third
    ASSERT_EQ(m_wave.OpenRead(Write(file), kRate), 0);
    EXPECT_EQ(m_wave.GetFrameCount(), 4u);
    EXPECT_EQ(ReadFrames(m_wave, 10), Both({0, 500, 1000, 1500, 2000, 1000, 0, 0, 0, 0}));
}

TEST_F(WaveReadTest, HugeDataSizeNeedsSixtyFourBitOffsets)
{
    Bytes file = fixture::BuildWav(1, kRate, 8, {255, 0});
    file[40] = file[41] = file[42] = file[43] = 0xFF;
    ASSERT_EQ(m_wave.OpenRead(Write(file), kRate), 0);
    EXPECT_EQ(m_wave.GetFrameCount(), 0xFFFFFFFFu);
    EXPECT_EQ(ReadFrames(m_wave, 3),
              (std::vector<std::pair<int, int>>{{32767, 32767}, {-32767, -32767}, {0, 0}}));
    const int64_t farAway = int64_t{44} + 0xFFFFFFF0;
    m_wave.SetReadPos(farAway);
    EXPECT_EQ(m_wave.GetReadPos(), farAway);
    EXPECT_EQ(ReadFrames(m_wave, 20), Both(std::vector<int>(20, 0)));
    EXPECT_EQ(m_wave.GetReadPos(), int64_t{44} + 0xFFFFFFFF);
}

// The render run continues an entry on a second object where the first one stopped.
TEST_F(WaveReadTest, ReadPositionHandsOverToAnotherReader)
{
    const std::string path = Write(fixture::BuildPatternWav(20));
    ASSERT_EQ(m_wave.OpenRead(path, kRate), 0);
    ReadFrames(m_wave, 7);
    CWaveFile next;
    ASSERT_EQ(next.OpenRead(path, kRate), 0);
    next.SetReadPos(m_wave.GetReadPos());
    EXPECT_EQ(ReadFrames(next, 14), ReadFrames(m_wave, 14));
    EXPECT_EQ(next.GetReadPos(), m_wave.GetReadPos());

    // At a lower rate the interpolation starts afresh from silence.
    const std::string slow =
        m_dir.Write("slow.wav", fixture::BuildWav(1, 22050, 16, {8, 16, 24, 32}));
    ASSERT_EQ(m_wave.OpenRead(slow, kRate), 0);
    ReadFrames(m_wave, 3); // 0, 4, 8: the first two input frames are read
    ASSERT_EQ(next.OpenRead(slow, kRate), 0);
    next.SetReadPos(m_wave.GetReadPos());
    EXPECT_EQ(ReadFrames(next, 4), Both({0, 12, 24, 0}));
}

TEST_F(WaveReadTest, StrayReadPositionsStayInsideTheData)
{
    ASSERT_EQ(m_wave.OpenRead(Write(fixture::BuildWav(2, kRate, 16, {5, 6, 7, 8})), kRate), 0);
    m_wave.SetReadPos(-3);
    EXPECT_EQ(ReadFrames(m_wave, 1), (std::vector<std::pair<int, int>>{{5, 6}}));
    m_wave.SetReadPos(INT64_MAX);
    EXPECT_EQ(ReadFrames(m_wave, 1), (std::vector<std::pair<int, int>>{{0, 0}}));
}

// Which chunk layouts an input may have. Every accepted case holds the 16-bit stereo
// frames (1234, -1234), (-5, 5).
TEST_F(WaveReadTest, ChunkLayoutsAreAcceptedOrRefused)
{
    using fixture::MakeChunk;
    const Bytes fmt = MakeChunk("fmt ", fixture::FormatPayload(2, kRate, 16));
    const Bytes data = MakeChunk("data", fixture::SampleBytes({1234, -1234, -5, 5}, 16));
    const Bytes fact = MakeChunk("fact", {0, 0, 0, 0});
    const Bytes list = MakeChunk("LIST", {'I', 'N', 'F', 'O', 'x'}); // odd: padded
    auto extensible = [](uint8_t subFormat, int size) {
        Bytes payload = fixture::FormatPayload(2, kRate, 16, 24, 0xFFFE);
        const Bytes tail = {22, 0, 16,   0, 3,    0, 0, 0,    subFormat, 0,    0,    0,
                            0,  0, 0x10, 0, 0x80, 0, 0, 0xAA, 0,         0x38, 0x9B, 0x71};
        std::copy(tail.begin(), tail.end(), payload.begin() + 16);
        payload.resize(static_cast<size_t>(size));
        return MakeChunk("fmt ", payload);
    };
    auto withSize = [](Bytes chunk, uint32_t size) {
        for (int i = 0; i < 4; ++i)
            chunk[4 + i] = static_cast<uint8_t>(size >> (8 * i));
        return chunk;
    };
    const Bytes odd17 = MakeChunk("fmt ", fixture::FormatPayload(2, kRate, 16, 1), false);
    const Bytes odd17Padded = MakeChunk("fmt ", fixture::FormatPayload(2, kRate, 16, 1), true);

    struct Case
    {
        const char* name;
        std::vector<Bytes> chunks;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"format, data", {fmt, data}, true},
        {"format, fact of 4 bytes, data", {fmt, fact, data}, true},
        {"a chunk before the format chunk", {list, fmt, data}, true},
        {"chunks around the fact chunk", {fmt, list, fact, MakeChunk("JUNK", {}), data}, true},
        {"format chunk of 18 bytes",
         {MakeChunk("fmt ", fixture::FormatPayload(2, kRate, 16, 2)), data},
         true},
        {"odd format size is followed without a pad byte", {odd17, data}, true},
        {"a pad byte after an odd format chunk", {odd17Padded, data}, false},
        {"EXTENSIBLE with the PCM sub-format", {extensible(1, 40), data}, true},
        {"EXTENSIBLE with the float sub-format", {extensible(3, 40), data}, false},
        {"EXTENSIBLE shorter than 40 bytes", {extensible(1, 22), data}, false},
        {"data before the format chunk", {data, fmt, data}, false},
        {"no data chunk", {fmt, list}, false},
        {"no format chunk", {list, data}, false},
        {"fact before the format chunk", {fact, fmt, data}, false},
        {"two fact chunks", {fmt, fact, fact, data}, false},
        {"fact of 8 bytes", {fmt, MakeChunk("fact", Bytes(8, 0)), data}, false},
        {"two format chunks", {fmt, fmt, data}, false},
        {"unknown chunk claiming 0xFFFFFFFF bytes", {fmt, withSize(list, 0xFFFFFFFF), data}, false},
        {"format chunk claiming 0xFFFFFFFF bytes", {withSize(fmt, 0xFFFFFFFF), data}, false},
        {"format chunk claiming 0 bytes", {withSize(fmt, 0), data}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const int result = m_wave.OpenRead(Write(fixture::BuildRiff(c.chunks)), kRate);
        EXPECT_EQ(result, c.accepted ? 0 : 1);
        EXPECT_EQ(m_wave.IsOpen(), c.accepted);
        if (c.accepted && result == 0) {
            EXPECT_EQ(m_wave.GetFrameCount(), 2u);
            const std::vector<std::pair<int, int>> expected = {{1234, -1234}, {-5, 5}, {0, 0}};
            EXPECT_EQ(ReadFrames(m_wave, 3), expected);
        }
    }
}

TEST_F(WaveReadTest, FormatRulesRefuseWhatCannotBeDelivered)
{
    struct Case
    {
        const char* name;
        int tag, channels, rate, bits;
    };
    const std::vector<Case> cases = {
        {"float samples", 3, 2, kRate, 16}, {"no channels", 1, 0, kRate, 16},
        {"3 channels", 1, 3, kRate, 16},    {"48000 Hz", 1, 2, 48000, 16},
        {"8000 Hz", 1, 1, 8000, 8},         {"24 bits", 1, 2, kRate, 24},
        {"12 bits", 1, 1, kRate, 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Bytes file = fixture::BuildRiff(
            {fixture::MakeChunk("fmt ",
                                fixture::FormatPayload(c.channels, c.rate, c.bits, 0, c.tag)),
             fixture::MakeChunk("data", Bytes(12, 0))});
        EXPECT_EQ(m_wave.OpenRead(Write(file), kRate), 1);
        EXPECT_FALSE(m_wave.IsOpen());
    }
}

TEST_F(WaveReadTest, TruncatedOrForeignHeadersAreRefused)
{
    const Bytes good = fixture::BuildWav(2, kRate, 16, {1, 2});
    Bytes riffx = good;
    riffx[3] = 'X';
    Bytes avi = good;
    std::copy_n("AVI ", 4, avi.begin() + 8);
    std::vector<std::pair<const char*, Bytes>> cases = {
        {"empty file", {}},
        {"RIFFX byte order", riffx},
        {"not WAVE", avi},
    };
    // Cut before the first data byte: inside "RIFF", the format fields, the data header.
    for (size_t length : {3, 11, 15, 30, 39, 43})
        cases.emplace_back("truncated header", Bytes(good.begin(), good.begin() + length));
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(std::string(name) + ", " + std::to_string(bytes.size()) + " bytes");
        EXPECT_EQ(m_wave.OpenRead(Write(bytes), kRate), 1);
        EXPECT_FALSE(m_wave.IsOpen());
    }
    EXPECT_EQ(m_wave.OpenRead(Write(Bytes(good.begin(), good.begin() + 44)), kRate), 0)
        << "a header with its data cut off is still a valid file";
}

TEST_F(WaveReadTest, PathsThatAreNoReadableFileAreRefused)
{
    const std::string file = Write(fixture::BuildWav(1, kRate, 16, {1}));
    const std::string fifo = m_dir.Path("pipe.wav");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path :
         {m_dir.Path("missing.wav"), m_dir.Root().string(), fifo, file + "/inside.wav",
          std::string("/dev/zero"), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(m_wave.OpenRead(path, kRate), 1);
        EXPECT_FALSE(m_wave.IsOpen());
    }
    Frame f{3, 3};
    EXPECT_EQ(m_wave.ReadFrame(f), 0);
    EXPECT_EQ(f.left, 0);
    EXPECT_EQ(m_wave.OpenRead(file, kRate), 0) << "the object stays usable after refusals";
}

TEST_F(WaveReadTest, FileWithoutReadPermissionIsRefused)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "permissions do not stop root";
    const std::string path = Write(fixture::BuildWav(1, kRate, 16, {1}));
    ASSERT_EQ(::chmod(path.c_str(), 0), 0);
    EXPECT_EQ(m_wave.OpenRead(path, kRate), 1);
}

// Readers share a file; the output writer shuts them out and they shut it out.
TEST_F(WaveReadTest, FileBeingWrittenCannotBeRead)
{
    const std::string path = Write(fixture::BuildWav(1, kRate, 16, {1}));
    CWaveFile writer;
    ASSERT_EQ(writer.CreateWrite(m_dir.Path("out.wav"), kRate), 0);
    EXPECT_EQ(m_wave.OpenRead(m_dir.Path("out.wav"), kRate), 1);
    EXPECT_EQ(writer.Close(), 0);
    EXPECT_EQ(m_wave.OpenRead(m_dir.Path("out.wav"), kRate), 0);

    CWaveFile other;
    ASSERT_EQ(m_wave.OpenRead(path, kRate), 0);
    EXPECT_EQ(other.OpenRead(path, kRate), 0) << "two readers share a file";
    EXPECT_EQ(writer.CreateWrite(path, kRate), 1);
    EXPECT_EQ(fixture::ReadBytes(path).size(), 46u) << "a refused writer must not cut the input";
}

TEST_F(WaveReadTest, ObjectCanBeReopenedOnAnotherFile)
{
    const std::string a = m_dir.Write("a.wav", fixture::BuildWav(1, 22050, 16, {100, 200}));
    const std::string b = m_dir.Write("b.wav", fixture::BuildWav(2, kRate, 8, {255, 0}));
    ASSERT_EQ(m_wave.OpenRead(a, kRate), 0);
    ReadFrames(m_wave, 1);
    ASSERT_EQ(m_wave.OpenRead(b, kRate), 0);
    EXPECT_EQ(m_wave.GetSampleRate(), kRate);
    EXPECT_EQ(ReadFrames(m_wave, 2), (std::vector<std::pair<int, int>>{{32767, -32767}, {0, 0}}));
    EXPECT_EQ(m_wave.Close(), 0);
    EXPECT_EQ(m_wave.Close(), 0);
    ASSERT_EQ(m_wave.OpenRead(a, kRate), 0);
    EXPECT_EQ(ReadFrames(m_wave, 4), Both({0, 50, 100, 0}));
}

} // namespace
