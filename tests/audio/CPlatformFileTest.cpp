#include "platform/CPlatformFile.h"
#include "support/WavFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using fixture::Bytes;
using SeekFrom = CPlatformFile::SeekFrom;

namespace {

Bytes Pattern(size_t n)
{
    Bytes bytes(n);
    for (size_t i = 0; i < n; ++i)
        bytes[i] = static_cast<uint8_t>(i * 131 + i / 251);
    return bytes;
}

// Writes of every size (one larger than the buffer among them), a patch after a seek,
// and reading back with short reads at the end.
TEST(PlatformFile, WrittenBytesReadBackInOrder)
{
    fixture::TempDir dir;
    const std::string path = dir.Path("f.bin");
    Bytes expected = Pattern(3 * CPlatformFile::kBufferSize + 17);
    CPlatformFile file;
    ASSERT_EQ(file.Create(path), 0);
    size_t at = 0;
    for (size_t piece : {size_t{1}, size_t{3}, CPlatformFile::kBufferSize + 9, size_t{0},
                         CPlatformFile::kBufferSize - 1, size_t{4}}) {
        ASSERT_EQ(file.Write(expected.data() + at, piece), 0);
        at += piece;
    }
    ASSERT_EQ(file.Write(expected.data() + at, expected.size() - at), 0);
    EXPECT_EQ(file.Seek(0, SeekFrom::Current), static_cast<int64_t>(expected.size()));
    EXPECT_EQ(file.Seek(10, SeekFrom::Begin), 10);
    const uint8_t patch[4] = {1, 2, 3, 4};
    ASSERT_EQ(file.Write(patch, 4), 0);
    std::copy_n(patch, 4, expected.begin() + 10);
    EXPECT_EQ(file.Close(), 0);
    EXPECT_EQ(file.Close(), 0) << "closing twice is harmless";
    ASSERT_TRUE(fixture::ReadBytes(path) == expected);

    ASSERT_EQ(file.OpenRead(path), 0);
    uint8_t got[100];
    EXPECT_EQ(file.Read(got, 7), 7);
    EXPECT_EQ(file.Seek(3, SeekFrom::Current), 10);
    EXPECT_EQ(file.Read(got, 4), 4);
    EXPECT_EQ(Bytes(got, got + 4), Bytes(patch, patch + 4));
    const int64_t size = static_cast<int64_t>(expected.size());
    EXPECT_EQ(file.Seek(size - 5, SeekFrom::Begin), size - 5);
    EXPECT_EQ(file.Read(got, 100), 5) << "fewer bytes at the end of the file";
    EXPECT_EQ(file.Read(got, 100), 0);
    EXPECT_EQ(file.Seek(5'000'000'000, SeekFrom::Begin), 5'000'000'000) << "64-bit offsets";
    EXPECT_EQ(file.Read(got, 100), 0);
    EXPECT_EQ(file.Seek(-1, SeekFrom::Begin), -1);
    EXPECT_EQ(file.Write(patch, 4), 1) << "a file open for reading takes no writes";
    EXPECT_EQ(file.Close(), 0);

    EXPECT_EQ(file.Read(got, 1), -1);
    EXPECT_EQ(file.Seek(0, SeekFrom::Begin), -1);
    EXPECT_EQ(file.Write(patch, 1), 1);
}

// Reads served from the read-ahead, across its edges, backwards and larger than it,
// all match the file.
TEST(PlatformFile, ReadsAnywhereMatchTheFile)
{
    fixture::TempDir dir;
    const size_t kBuffer = CPlatformFile::kBufferSize;
    const Bytes expected = Pattern(2 * kBuffer + 1000);
    const std::string path = dir.Write("f.bin", expected);
    struct Read
    {
        size_t at;
        size_t length;
    };
    const std::vector<Read> reads = {
        {0, 1024},
        {kBuffer - 2, 4},
        {100, 50},
        {kBuffer + 7, kBuffer + 10},
        {2 * kBuffer + 990, 10},
        {kBuffer - 1, 1},
        {1, kBuffer * 2},
        {2 * kBuffer + 999, 64},
    };
    CPlatformFile file;
    ASSERT_EQ(file.OpenRead(path), 0);
    for (const Read& r : reads) {
        SCOPED_TRACE(std::to_string(r.at) + "+" + std::to_string(r.length));
        ASSERT_EQ(file.Seek(static_cast<int64_t>(r.at), SeekFrom::Begin),
                  static_cast<int64_t>(r.at));
        Bytes got(r.length);
        const size_t available = std::min(r.length, expected.size() - r.at);
        ASSERT_EQ(file.Read(got.data(), static_cast<int64_t>(r.length)),
                  static_cast<int64_t>(available));
        EXPECT_TRUE(std::equal(got.begin(), got.begin() + static_cast<std::ptrdiff_t>(available),
                               expected.begin() + static_cast<std::ptrdiff_t>(r.at)));
        EXPECT_EQ(file.Seek(0, SeekFrom::Current), static_cast<int64_t>(r.at + available));
    }
}

// /dev/full takes the open but refuses every byte (ENOSPC), like a full disk.
TEST(PlatformFile, WriteErrorIsStickyUntilClose)
{
    CPlatformFile file;
    ASSERT_EQ(file.Create("/dev/full"), 0);
    const Bytes bytes = Pattern(100);
    EXPECT_EQ(file.Write(bytes.data(), bytes.size()), 0) << "still in the buffer";
    EXPECT_FALSE(file.HasWriteError());
    EXPECT_EQ(file.Flush(), 1);
    EXPECT_TRUE(file.HasWriteError());
    EXPECT_EQ(file.Write(bytes.data(), 1), 1);
    EXPECT_EQ(file.Flush(), 1);
    EXPECT_EQ(file.Close(), 1);
    EXPECT_FALSE(file.IsOpen());

    ASSERT_EQ(file.Create("/dev/full"), 0);
    EXPECT_EQ(file.Write(bytes.data(), bytes.size()), 0);
    EXPECT_EQ(file.Close(), 1) << "buffered bytes lost on close are reported";
}

} // namespace
