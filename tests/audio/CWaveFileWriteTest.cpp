#include "audio/CWaveFile.h"
#include "support/WavFixture.h"

#include <gtest/gtest.h>

#include <csignal>
#include <string>
#include <sys/resource.h>
#include <vector>

using fixture::Bytes;

namespace {

constexpr int kRate = 44100;

class WaveWriteTest : public ::testing::Test
{
protected:
    fixture::TempDir m_dir;
    std::string m_path = m_dir.Path("out.wav");
    CWaveFile m_wave;
};

// Lowers the largest file this process may write, so that a write fails part-way as on
// a full disk (EFBIG instead of ENOSPC; both are plain write errors to the writer).
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        struct rlimit lowered = m_old;
        lowered.rlim_cur = bytes;
        m_active = ::setrlimit(RLIMIT_FSIZE, &lowered) == 0;
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;
    bool IsActive() const { return m_active; }

private:
    struct rlimit m_old
    {
    };
    void (*m_oldHandler)(int) = nullptr;
    bool m_active = false;
};

TEST_F(WaveWriteTest, OutputIsACanonicalStereoFile)
{
    const std::vector<int> samples = {0, -1, 32767, -32768, 258, -258};
    ASSERT_EQ(m_wave.CreateWrite(m_path, kRate), 0);
    EXPECT_TRUE(m_wave.IsOpen());
    for (size_t i = 0; i < samples.size(); i += 2)
        EXPECT_EQ(m_wave.WriteFrame(Frame{int16_t(samples[i]), int16_t(samples[i + 1])}), 0);
    EXPECT_EQ(m_wave.WriteSizes(3), 0);
    EXPECT_EQ(fixture::ReadBytes(m_path), fixture::BuildWav(2, kRate, 16, samples))
        << "every byte is in the file when WriteSizes returns";
    EXPECT_EQ(m_wave.Close(), 0);
    EXPECT_FALSE(m_wave.IsOpen());

    CWaveFile reader;
    ASSERT_EQ(reader.OpenRead(m_path, kRate), 0);
    EXPECT_EQ(reader.GetFrameCount(), 3u);
}

TEST_F(WaveWriteTest, EmptyOutputIsOnlyTheHeader)
{
    ASSERT_EQ(m_wave.CreateWrite(m_path, kRate), 0);
    EXPECT_EQ(m_wave.WriteSizes(0), 0);
    EXPECT_EQ(m_wave.Close(), 0);
    const Bytes file = fixture::ReadBytes(m_path);
    ASSERT_EQ(file.size(), 44u);
    EXPECT_EQ(fixture::GetU32(file, 4), 36u);
    EXPECT_EQ(fixture::GetU32(file, 40), 0u);
    EXPECT_EQ(fixture::GetU32(file, 24), 44100u);
    EXPECT_EQ(fixture::GetU32(file, 28), 176400u);
}

// Many buffer loads of frames arrive complete and in order; a writer closed without
// WriteSizes leaves both size fields 0.
TEST_F(WaveWriteTest, FramesArriveInOrderAndSizesStayZeroWithoutWriteSizes)
{
    const int frames = 100000;
    ASSERT_EQ(m_wave.CreateWrite(m_path, kRate), 0);
    for (int k = 0; k < frames; ++k)
        ASSERT_EQ(m_wave.WriteFrame(Frame{int16_t(7 * k), int16_t(-5 * k)}), 0);
    EXPECT_EQ(m_wave.Close(), 0);
    Bytes expected = fixture::BuildPatternWav(frames);
    for (size_t at : {4, 40})
        std::fill_n(expected.begin() + static_cast<std::ptrdiff_t>(at), 4, 0);
    EXPECT_TRUE(fixture::ReadBytes(m_path) == expected);
}

TEST_F(WaveWriteTest, CreateCutsAnExistingFileAndTheObjectIsReusable)
{
    m_dir.Write("out.wav", Bytes(5000, 0xAB));
    ASSERT_EQ(m_wave.CreateWrite(m_path, 22050), 0);
    ASSERT_EQ(m_wave.WriteFrame(Frame{1, 2}), 0);
    ASSERT_EQ(m_wave.WriteSizes(1), 0);
    ASSERT_EQ(m_wave.CreateWrite(m_path, kRate), 0) << "an open output is closed and recreated";
    ASSERT_EQ(m_wave.WriteSizes(0), 0);
    ASSERT_EQ(m_wave.Close(), 0);
    EXPECT_EQ(fixture::ReadBytes(m_path), fixture::BuildWav(2, kRate, 16, {}));
}

TEST_F(WaveWriteTest, OutputThatCannotBeCreatedIsRefused)
{
    for (const std::string& path : {m_dir.Root().string(), m_dir.Path("missing/out.wav"),
                                    std::string("/dev/full"), std::string()}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(m_wave.CreateWrite(path, kRate), 1);
        EXPECT_FALSE(m_wave.IsOpen());
        EXPECT_EQ(m_wave.WriteFrame(Frame{1, 1}), 1);
        EXPECT_EQ(m_wave.WriteSizes(1), 1);
    }
}

TEST_F(WaveWriteTest, FailedWriteIsStickyAndLeavesTheSizesZero)
{
    ASSERT_EQ(m_wave.CreateWrite(m_path, kRate), 0);
    const rlim_t limit = 44 + 100000;
    FileSizeLimit full(limit);
    if (!full.IsActive())
        GTEST_SKIP() << "cannot lower the file size limit";
    int failedAt = -1;
    for (int k = 0; k < 200000 && failedAt < 0; ++k) {
        if (m_wave.WriteFrame(Frame{1, -1}) != 0)
            failedAt = k;
    }
    ASSERT_GE(failedAt, 0) << "no write failed";
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(m_wave.WriteFrame(Frame{}), 1) << "the failure is sticky";
    EXPECT_EQ(m_wave.WriteSizes(static_cast<uint32_t>(failedAt)), 1);
    EXPECT_EQ(m_wave.Close(), 1) << "closing reports the lost frames";
    const Bytes file = fixture::ReadBytes(m_path);
    ASSERT_GE(file.size(), 44u);
    EXPECT_LE(file.size(), limit);
    EXPECT_EQ(fixture::GetU32(file, 4), 0u);
    EXPECT_EQ(fixture::GetU32(file, 40), 0u);
}

TEST_F(WaveWriteTest, SizesBeyondThirtyTwoBitsAreRefused)
{
    ASSERT_EQ(m_wave.CreateWrite(m_path, kRate), 0);
    ASSERT_EQ(m_wave.WriteFrame(Frame{9, 9}), 0);
    EXPECT_EQ(m_wave.WriteSizes(1073741815), 1) << "36 + 4 * frames needs 33 bits";
    EXPECT_EQ(m_wave.Close(), 0);
    const Bytes file = fixture::ReadBytes(m_path);
    ASSERT_EQ(file.size(), 48u);
    EXPECT_EQ(fixture::GetU32(file, 4), 0u);
    EXPECT_EQ(fixture::GetU32(file, 40), 0u);
}

} // namespace
