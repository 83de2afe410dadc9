#pragma once

#include "audio/Frame.h"
#include "platform/CPlatformFile.h"

#include <cstdint>
#include <string>

// Reader of RIFF/WAVE PCM input files, delivering stereo 16-bit frames at the target
// rate, and writer of the stereo 16-bit output file with its 44-byte header.
// Results: 0 for success, 1 for failure; no messages are shown here.
class CWaveFile
{
public:
    // Bytes in one block of the read cache; block k covers offsets k * 1024 to k * 1024 + 1023.
    static constexpr int kBlockBytes = 1024;
    // Bytes of the output header; the frames follow it.
    static constexpr int kHeaderBytes = 44;

    CWaveFile() = default;
    ~CWaveFile();
    CWaveFile(const CWaveFile&) = delete;
    CWaveFile& operator=(const CWaveFile&) = delete;

    // Opens and validates an input and positions it at its first frame. targetRate must be
    // a whole multiple of the input's rate (callers pass 44100). 1 leaves the file closed.
    int OpenRead(const std::string& path, int targetRate);
    // Frames in the data chunk at the input's own rate, and that rate.
    uint32_t GetFrameCount() const { return m_nFrames; }
    int GetSampleRate() const { return m_nSampleRate; }
    // The next frame at the target rate; (0, 0) past the end of the data. 1 only when the
    // file cannot be read.
    int ReadFrame(Frame& out);
    // File offset of the next input frame; SetReadPos takes a value GetReadPos returned
    // on an object reading the same file, and starts the interpolation afresh from (0, 0).
    int64_t GetReadPos() const { return m_nReadPos; }
    void SetReadPos(int64_t pos);

    // Creates (or cuts to length 0) the output and writes its header with both sizes 0.
    int CreateWrite(const std::string& path, int sampleRate);
    // Appends one frame. Returns 1 once any write of the output has failed.
    int WriteFrame(Frame f)
    {
        const uint8_t bytes[4] = {
            static_cast<uint8_t>(static_cast<uint16_t>(f.left) & 0xFF),
            static_cast<uint8_t>(static_cast<uint16_t>(f.left) >> 8),
            static_cast<uint8_t>(static_cast<uint16_t>(f.right) & 0xFF),
            static_cast<uint8_t>(static_cast<uint16_t>(f.right) >> 8),
        };
        return m_file.Write(bytes, sizeof bytes);
    }
    // Writes out every buffered frame, then patches the two size fields for `frames`
    // frames. 1 when the frames or the patch cannot be written, or the sizes do not fit
    // their 32-bit fields; the size fields then stay 0.
    int WriteSizes(uint32_t frames);

    // Closes the file; 0, or 1 when buffered output could not be written. Harmless when
    // the file is not open.
    int Close();
    bool IsOpen() const { return m_file.IsOpen(); }

private:
    int ReadHeader();
    int ReadFormat(uint32_t size);
    void ResetReading();
    int ReadInputFrame(Frame& dst);
    int ReadInputFrameAcrossBlocks(Frame& dst);
    int LoadBlock(int64_t block);
    void DecodeFrame(const uint8_t* bytes, Frame& dst) const;
    static int16_t Convert8(uint8_t b);

    CPlatformFile m_file;
    uint8_t m_buffer[kBlockBytes] = {};
    int64_t m_nBufferBlock = -1;
    uint32_t m_nFrames = 0;
    int32_t m_nBytesPerSample = 2;
    int32_t m_nSampleRate = 0;
    int32_t m_nChannels = 2;
    // File offsets are 64-bit so that no input size overflows a position.
    int64_t m_nReadPos = 0;
    int64_t m_nDataStart = 0;
    int64_t m_nDataEnd = 0;
    int32_t m_nTargetRate = 0;
    int32_t m_nRepeat = 0;
    Frame m_prev;
    Frame m_cur;
    // Bytes of m_buffer that the file really holds (fewer than a block at its end).
    int32_t m_nBufferValid = 0;
    // Bytes per input frame: m_nBytesPerSample * m_nChannels.
    int32_t m_nBlockAlign = 4;
    // Delivered frames per input frame: m_nTargetRate / m_nSampleRate.
    int32_t m_nStep = 1;
};
