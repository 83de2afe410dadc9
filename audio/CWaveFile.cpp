#include "audio/CWaveFile.h"

#include <algorithm>
#include <cstring>

namespace {

using SeekFrom = CPlatformFile::SeekFrom;

// Sub-format of a WAVE_FORMAT_EXTENSIBLE chunk holding PCM:
// 00000001-0000-0010-8000-00AA00389B71 as stored in the file.
constexpr uint8_t kPcmSubFormat[16] = {0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x10, 0x00,
                                       0x80, 0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};
constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr uint32_t kExtensibleBytes = 40;

uint16_t GetU16(const uint8_t* p)
{
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}

uint32_t GetU32(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

void PutU16(uint8_t* p, uint32_t v)
{
    p[0] = static_cast<uint8_t>(v & 0xFF);
    p[1] = static_cast<uint8_t>((v >> 8) & 0xFF);
}

void PutU32(uint8_t* p, uint32_t v)
{
    PutU16(p, v & 0xFFFF);
    PutU16(p + 2, v >> 16);
}

bool HasTag(const uint8_t* p, const char* tag)
{
    return std::memcmp(p, tag, 4) == 0;
}

bool IsAcceptedRate(uint32_t rate)
{
    return rate == 11025 || rate == 22050 || rate == 44100;
}

} // namespace

CWaveFile::~CWaveFile()
{
    Close();
}

int CWaveFile::OpenRead(const std::string& path, int targetRate)
{
    Close();
    if (m_file.OpenRead(path) != 0)
        return 1;
    m_nTargetRate = targetRate;
    if (ReadHeader() != 0) {
        Close();
        return 1;
    }
    ResetReading();
    return 0;
}

// Walks the chunks after "RIFF" and "WAVE" up to the data chunk. Unknown chunks are
// skipped (with the pad byte after an odd size); the format chunk comes first of the
// program's own, then at most one "fact" chunk of 4 bytes, then "data". The format
// chunk's size decides where the next chunk starts, without a pad byte.
int CWaveFile::ReadHeader()
{
    uint8_t riff[12];
    if (m_file.Read(riff, sizeof riff) != sizeof riff || !HasTag(riff, "RIFF") ||
        !HasTag(riff + 8, "WAVE"))
        return 1;
    bool haveFormat = false;
    bool haveFact = false;
    int64_t chunk = sizeof riff;
    for (;;) {
        uint8_t head[8];
        if (m_file.Seek(chunk, SeekFrom::Begin) != chunk ||
            m_file.Read(head, sizeof head) != sizeof head)
            return 1;
        const uint32_t size = GetU32(head + 4);
        const int64_t contents = chunk + 8;
        if (HasTag(head, "fmt ")) {
            if (haveFormat || ReadFormat(size) != 0)
                return 1;
            haveFormat = true;
            chunk = contents + size;
        } else if (HasTag(head, "fact")) {
            if (!haveFormat || haveFact || size != 4)
                return 1;
            haveFact = true;
            chunk = contents + size;
        } else if (HasTag(head, "data")) {
            if (!haveFormat)
                return 1;
            m_nFrames = size / static_cast<uint32_t>(m_nBytesPerSample) /
                        static_cast<uint32_t>(m_nChannels);
            m_nDataStart = contents;
            m_nDataEnd = m_nDataStart + static_cast<int64_t>(m_nFrames) * m_nBlockAlign;
            return 0;
        } else {
            chunk = contents + size + (size & 1);
        }
    }
}

// Reads and checks the format fields at the current position: PCM (or EXTENSIBLE with
// the PCM sub-format), 1 or 2 channels, 11025/22050/44100 Hz, 8 or 16 bits.
int CWaveFile::ReadFormat(uint32_t size)
{
    uint8_t fields[kExtensibleBytes];
    if (m_file.Read(fields, 16) != 16)
        return 1;
    const uint16_t tag = GetU16(fields);
    const uint16_t channels = GetU16(fields + 2);
    const uint32_t rate = GetU32(fields + 4);
    const uint16_t bits = GetU16(fields + 14);
    if (tag == kFormatExtensible) {
        if (size < kExtensibleBytes || m_file.Read(fields + 16, kExtensibleBytes - 16) !=
                                           static_cast<int64_t>(kExtensibleBytes - 16))
            return 1;
        if (std::memcmp(fields + 24, kPcmSubFormat, sizeof kPcmSubFormat) != 0)
            return 1;
    } else if (tag != kFormatPcm) {
        return 1;
    }
    if ((channels != 1 && channels != 2) || !IsAcceptedRate(rate) || (bits != 8 && bits != 16))
        return 1;
    if (m_nTargetRate < static_cast<int32_t>(rate) || m_nTargetRate % static_cast<int32_t>(rate))
        return 1;
    m_nChannels = channels;
    m_nSampleRate = static_cast<int32_t>(rate);
    m_nBytesPerSample = bits / 8;
    m_nBlockAlign = m_nBytesPerSample * m_nChannels;
    m_nStep = m_nTargetRate / m_nSampleRate;
    return 0;
}

void CWaveFile::ResetReading()
{
    m_nReadPos = m_nDataStart;
    m_nBufferBlock = -1;
    m_nBufferValid = 0;
    m_nRepeat = 0;
    m_cur = Frame{};
}

void CWaveFile::SetReadPos(int64_t pos)
{
    // Kept inside the data so that a stray value can never address outside the cache.
    m_nReadPos = std::clamp(pos, m_nDataStart, m_nDataEnd);
    m_nRepeat = 0;
    m_cur = Frame{};
}

inline void CWaveFile::DecodeFrame(const uint8_t* bytes, Frame& dst) const
{
    if (m_nBytesPerSample == 2) {
        dst.left = static_cast<int16_t>(GetU16(bytes));
        dst.right = m_nChannels == 2 ? static_cast<int16_t>(GetU16(bytes + 2)) : dst.left;
    } else {
        dst.left = Convert8(bytes[0]);
        dst.right = m_nChannels == 2 ? Convert8(bytes[1]) : dst.left;
    }
}

// Decodes the input frame at m_nReadPos from the cached block; frames that straddle two
// blocks, or that need a block load, take the slower byte-by-byte path.
inline int CWaveFile::ReadInputFrame(Frame& dst)
{
    const int64_t offset = m_nReadPos - m_nBufferBlock * kBlockBytes;
    if (m_nBufferBlock >= 0 && offset >= 0 && offset + m_nBlockAlign <= m_nBufferValid) {
        DecodeFrame(m_buffer + offset, dst);
        return 0;
    }
    return ReadInputFrameAcrossBlocks(dst);
}

int CWaveFile::ReadFrame(Frame& out)
{
    if (m_nReadPos >= m_nDataEnd) {
        out = Frame{};
        return 0;
    }
    if (m_nStep == 1) {
        if (ReadInputFrame(out) != 0)
            return 1;
        m_nReadPos += m_nBlockAlign;
        return 0;
    }
    if (m_nRepeat == 0) {
        m_prev = m_cur;
        if (ReadInputFrame(m_cur) != 0) {
            out = Frame{};
            return 1;
        }
        m_nRepeat = m_nStep;
        m_nReadPos += m_nBlockAlign;
    }
    const double x = static_cast<double>(m_nStep - m_nRepeat) / m_nStep;
    out.left = static_cast<int16_t>(m_prev.left + x * (m_cur.left - m_prev.left));
    out.right = static_cast<int16_t>(m_prev.right + x * (m_cur.right - m_prev.right));
    m_nRepeat -= 1;
    return 0;
}

// Every byte comes from the cached copy of its own block. A frame that the data chunk
// claims but the file does not hold (it ends early) reads as silence.
int CWaveFile::ReadInputFrameAcrossBlocks(Frame& dst)
{
    uint8_t bytes[4];
    for (int32_t i = 0; i < m_nBlockAlign; ++i) {
        const int64_t position = m_nReadPos + i;
        const int64_t block = position / kBlockBytes;
        if (block != m_nBufferBlock && LoadBlock(block) != 0)
            return 1;
        const int64_t at = position - block * kBlockBytes;
        if (at >= m_nBufferValid) {
            dst = Frame{};
            return 0;
        }
        bytes[i] = m_buffer[at];
    }
    DecodeFrame(bytes, dst);
    return 0;
}

int CWaveFile::LoadBlock(int64_t block)
{
    m_nBufferBlock = -1;
    m_nBufferValid = 0;
    const int64_t start = block * kBlockBytes;
    if (m_file.Seek(start, SeekFrom::Begin) != start)
        return 1;
    const int64_t got = m_file.Read(m_buffer, kBlockBytes);
    if (got < 0)
        return 1;
    m_nBufferBlock = block;
    m_nBufferValid = static_cast<int32_t>(got);
    return 0;
}

// Unsigned 8-bit sample (128 is the middle) to signed 16-bit, truncated toward zero:
// 0 -> -32767, 127 -> -128, 128 -> 128, 255 -> 32767.
int16_t CWaveFile::Convert8(uint8_t b)
{
    return static_cast<int16_t>((b * (1.0 / 255) * 2 - 1) * 32767);
}

int CWaveFile::CreateWrite(const std::string& path, int sampleRate)
{
    Close();
    if (m_file.Create(path) != 0)
        return 1;
    const uint32_t rate = static_cast<uint32_t>(sampleRate);
    uint8_t header[kHeaderBytes] = {};
    std::memcpy(header, "RIFF", 4);
    std::memcpy(header + 8, "WAVEfmt ", 8);
    PutU32(header + 16, 16);
    PutU16(header + 20, kFormatPcm);
    PutU16(header + 22, 2);
    PutU32(header + 24, rate);
    PutU32(header + 28, rate * 4);
    PutU16(header + 32, 4);
    PutU16(header + 34, 16);
    std::memcpy(header + 36, "data", 4);
    // Written through at once, so that a medium that takes nothing fails here.
    if (m_file.Write(header, sizeof header) != 0 || m_file.Flush() != 0) {
        Close();
        return 1;
    }
    m_nFrames = 0;
    return 0;
}

int CWaveFile::WriteSizes(uint32_t frames)
{
    m_nFrames = frames;
    const uint64_t dataBytes = 4ull * frames;
    const uint64_t riffBytes = 36 + dataBytes;
    if (m_file.Flush() != 0 || riffBytes > UINT32_MAX)
        return 1;
    uint8_t field[4];
    PutU32(field, static_cast<uint32_t>(riffBytes));
    if (m_file.Seek(4, SeekFrom::Begin) != 4 || m_file.Write(field, sizeof field) != 0)
        return 1;
    PutU32(field, static_cast<uint32_t>(dataBytes));
    if (m_file.Seek(40, SeekFrom::Begin) != 40 || m_file.Write(field, sizeof field) != 0 ||
        m_file.Flush() != 0)
        return 1;
    return 0;
}

int CWaveFile::Close()
{
    const int result = m_file.Close();
    m_nDataStart = 0;
    m_nDataEnd = 0;
    ResetReading();
    return result;
}
