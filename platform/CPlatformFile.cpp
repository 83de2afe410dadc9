#include "platform/CPlatformFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Regular files only when reading: a directory cannot be read, and a device or pipe
// may never end or block forever.
bool IsReadable(const struct stat& info)
{
    return S_ISREG(info.st_mode);
}

// Writing also accepts character devices (/dev/null as a sink); pipes would block and
// a block device is never an output file.
bool IsWritable(const struct stat& info)
{
    return S_ISREG(info.st_mode) || S_ISCHR(info.st_mode);
}

} // namespace

CPlatformFile::~CPlatformFile()
{
    Close();
}

int CPlatformFile::OpenLocked(const std::string& path, int flags, int lockKind)
{
    Close();
    // Non-blocking open: opening a pipe must not wait for its other end.
    const int fd = ::open(path.c_str(), flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
    if (fd < 0)
        return 1;
    struct stat info
    {
    };
    const bool reading = (flags & O_ACCMODE) == O_RDONLY;
    bool usable = ::fstat(fd, &info) == 0 && (reading ? IsReadable(info) : IsWritable(info));
    // Devices are shared by every process on the machine: only regular files are locked.
    if (usable && S_ISREG(info.st_mode))
        usable = ::flock(fd, lockKind | LOCK_NB) == 0;
    if (usable && !reading && S_ISREG(info.st_mode))
        usable = ::ftruncate(fd, 0) == 0;
    if (usable)
        usable = ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) == 0;
    if (!usable) {
        ::close(fd);
        return 1;
    }
    if (!m_pBuffer)
        m_pBuffer = std::make_unique<uint8_t[]>(kBufferSize);
    m_fd = fd;
    return 0;
}

int CPlatformFile::OpenRead(const std::string& path)
{
    if (OpenLocked(path, O_RDONLY, LOCK_SH) != 0)
        return 1;
    m_nPosition = 0;
    m_nAheadStart = 0;
    m_nAheadLength = 0;
    return 0;
}

int CPlatformFile::Create(const std::string& path)
{
    // Truncated only once the exclusive lock is held, so a file still being read by
    // another CPlatformFile is never cut short.
    if (OpenLocked(path, O_WRONLY | O_CREAT, LOCK_EX) != 0)
        return 1;
    m_bWriting = true;
    m_nBuffered = 0;
    m_nSpace = kBufferSize;
    return 0;
}

int64_t CPlatformFile::Seek(int64_t offset, SeekFrom from)
{
    if (m_fd < 0)
        return -1;
    if (m_bWriting) {
        if (Flush() != 0)
            return -1;
        const off_t position = ::lseek(m_fd, static_cast<off_t>(offset),
                                       from == SeekFrom::Begin ? SEEK_SET : SEEK_CUR);
        return position < 0 ? -1 : static_cast<int64_t>(position);
    }
    int64_t position = offset;
    if (from == SeekFrom::Current && __builtin_add_overflow(m_nPosition, offset, &position))
        return -1;
    if (position < 0)
        return -1;
    m_nPosition = position;
    return position;
}

int64_t CPlatformFile::Read(void* buffer, int64_t n)
{
    if (m_fd < 0 || m_bWriting || n < 0)
        return -1;
    auto* out = static_cast<uint8_t*>(buffer);
    int64_t total = 0;
    while (total < n) {
        const int64_t ahead = m_nPosition - m_nAheadStart;
        if (ahead >= 0 && ahead < m_nAheadLength) {
            const int64_t take = std::min(n - total, m_nAheadLength - ahead);
            std::memcpy(out + total, m_pBuffer.get() + ahead, static_cast<size_t>(take));
            total += take;
            m_nPosition += take;
            continue;
        }
        // Large reads go straight into the caller's buffer.
        const bool direct = n - total >= static_cast<int64_t>(kBufferSize);
        const int64_t got = direct ? ReadAt(out + total, n - total, m_nPosition)
                                   : ReadAt(m_pBuffer.get(), kBufferSize, m_nPosition);
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        if (direct) {
            total += got;
            m_nPosition += got;
        } else {
            m_nAheadStart = m_nPosition;
            m_nAheadLength = got;
        }
    }
    return total;
}

// Up to n bytes from the file at position, fewer only at its end; -1 on an error.
int64_t CPlatformFile::ReadAt(uint8_t* out, int64_t n, int64_t position)
{
    n = std::min(n, INT64_MAX - position);
    int64_t total = 0;
    while (total < n) {
        const ssize_t got = ::pread(m_fd, out + total, static_cast<size_t>(n - total),
                                    static_cast<off_t>(position + total));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

int CPlatformFile::WriteAll(const uint8_t* data, size_t n)
{
    while (n > 0) {
        const ssize_t put = ::write(m_fd, data, n);
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            return 1;
        data += put;
        n -= static_cast<size_t>(put);
    }
    return 0;
}

void CPlatformFile::FailWrites()
{
    m_bWriteError = true;
    m_nBuffered = 0;
    m_nSpace = 0;
}

int CPlatformFile::WriteThrough(const void* data, size_t n)
{
    if (!m_bWriting || m_bWriteError)
        return 1;
    if (n == 0)
        return 0;
    if (Flush() != 0)
        return 1;
    if (n < kBufferSize) {
        std::memcpy(m_pBuffer.get(), data, n);
        m_nBuffered = n;
        m_nSpace = kBufferSize - n;
        return 0;
    }
    if (WriteAll(static_cast<const uint8_t*>(data), n) != 0) {
        FailWrites();
        return 1;
    }
    return 0;
}

int CPlatformFile::Flush()
{
    if (m_bWriteError)
        return 1;
    if (m_nBuffered == 0)
        return 0;
    if (WriteAll(m_pBuffer.get(), m_nBuffered) != 0) {
        FailWrites();
        return 1;
    }
    m_nBuffered = 0;
    m_nSpace = kBufferSize;
    return 0;
}

int CPlatformFile::Close()
{
    if (m_fd < 0)
        return 0;
    int result = Flush();
    if (::close(m_fd) != 0)
        result = 1;
    m_fd = -1;
    m_bWriting = false;
    m_bWriteError = false;
    m_nBuffered = 0;
    m_nSpace = 0;
    m_nPosition = 0;
    m_nAheadStart = 0;
    m_nAheadLength = 0;
    return result;
}
