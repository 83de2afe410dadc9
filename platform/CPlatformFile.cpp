#include "platform/CPlatformFile.h"

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
    struct stat info {};
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
    m_fd = fd;
    return 0;
}

int CPlatformFile::OpenRead(const std::string& path)
{
    return OpenLocked(path, O_RDONLY, LOCK_SH);
}

int CPlatformFile::Create(const std::string& path)
{
    // Truncated only once the exclusive lock is held, so a file still being read by
    // another CPlatformFile is never cut short.
    if (OpenLocked(path, O_WRONLY | O_CREAT, LOCK_EX) != 0)
        return 1;
    if (!m_pWriteBuffer)
        m_pWriteBuffer = std::make_unique<uint8_t[]>(kWriteBufferSize);
    m_bWriting = true;
    m_nBuffered = 0;
    m_nSpace = kWriteBufferSize;
    return 0;
}

int64_t CPlatformFile::Seek(int64_t offset, SeekFrom from)
{
    if (m_fd < 0 || Flush() != 0)
        return -1;
    const off_t position =
        ::lseek(m_fd, static_cast<off_t>(offset), from == SeekFrom::Begin ? SEEK_SET : SEEK_CUR);
    return position < 0 ? -1 : static_cast<int64_t>(position);
}

int64_t CPlatformFile::Read(void* buffer, int64_t n)
{
    if (m_fd < 0 || n < 0 || Flush() != 0)
        return -1;
    auto* out = static_cast<uint8_t*>(buffer);
    int64_t total = 0;
    while (total < n) {
        const ssize_t got = ::read(m_fd, out + total, static_cast<size_t>(n - total));
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
    if (n < kWriteBufferSize) {
        std::memcpy(m_pWriteBuffer.get(), data, n);
        m_nBuffered = n;
        m_nSpace = kWriteBufferSize - n;
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
    if (WriteAll(m_pWriteBuffer.get(), m_nBuffered) != 0) {
        FailWrites();
        return 1;
    }
    m_nBuffered = 0;
    m_nSpace = kWriteBufferSize;
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
    return result;
}
