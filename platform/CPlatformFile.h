#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>

// A small binary file: shared reading with writers shut out, or exclusive writing.
// Sharing is enforced with advisory locks (flock), which every CPlatformFile honours:
// readers hold a shared lock, the writer an exclusive one. One buffer serves as
// read-ahead or as write-behind, so that small reads and writes cost no system call.
// Results follow the file layer's convention: 0 for success, 1 for failure.
class CPlatformFile
{
public:
    enum class SeekFrom
    {
        Begin,
        Current
    };

    // Bytes moved by one system call at most when reading ahead or writing out.
    static constexpr size_t kBufferSize = 64 * 1024;

    CPlatformFile() = default;
    ~CPlatformFile();
    CPlatformFile(const CPlatformFile&) = delete;
    CPlatformFile& operator=(const CPlatformFile&) = delete;

    // Opens an existing regular file for reading; fails for directories, devices and
    // pipes, and while any writer holds the file.
    int OpenRead(const std::string& path);
    // Creates the file, or cuts an existing one to length 0, for writing; fails while any
    // reader or writer holds it. Character devices (/dev/null) are accepted as sinks.
    int Create(const std::string& path);

    // The new position from the start of the file, or -1 on failure (the position then
    // stays). Pending output is written first.
    int64_t Seek(int64_t offset, SeekFrom from);
    // Bytes read into buffer: n, fewer at the end of the file, or -1 on an error.
    int64_t Read(void* buffer, int64_t n);

    // Appends n bytes at the current position. Returns 1 once any write to this file has
    // failed (the state is sticky until the file is closed), else 0.
    int Write(const void* data, size_t n)
    {
        if (n != 0 && n <= m_nSpace) {
            std::memcpy(m_pBuffer.get() + m_nBuffered, data, n);
            m_nBuffered += n;
            m_nSpace -= n;
            return 0;
        }
        return WriteThrough(data, n);
    }
    // Hands all buffered output to the system; 1 when it cannot be written.
    int Flush();
    // Writes what is buffered and closes. 0, or 1 when buffered bytes could not be written
    // or the system reports an error on close. Nothing happens when the file is not open.
    int Close();

    bool IsOpen() const { return m_fd >= 0; }
    bool HasWriteError() const { return m_bWriteError; }

private:
    int OpenLocked(const std::string& path, int flags, int lockKind);
    int64_t ReadAt(uint8_t* out, int64_t n, int64_t position);
    int WriteThrough(const void* data, size_t n);
    int WriteAll(const uint8_t* data, size_t n);
    void FailWrites();

    int m_fd = -1;
    bool m_bWriting = false;
    bool m_bWriteError = false;
    std::unique_ptr<uint8_t[]> m_pBuffer;
    // Reading: the file position, and the file bytes [m_nAheadStart, + m_nAheadLength)
    // held in m_pBuffer.
    int64_t m_nPosition = 0;
    int64_t m_nAheadStart = 0;
    int64_t m_nAheadLength = 0;
    // Writing: bytes waiting in m_pBuffer, and the room left (0 unless the file is open
    // for writing without error).
    size_t m_nBuffered = 0;
    size_t m_nSpace = 0;
};
