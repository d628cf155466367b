#include "platform/posix_file.h"

#include "platform/platform_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString SystemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The advisory lock that stands for a sharing mode. Openers that deny others anything
// hold the lock exclusively, openers that only deny writing share it, and openers that deny
// nothing take no lock but still respect an exclusive holder.
int LockOperation(TFileSharing sharing, TFileAccess access)
{
    switch (sharing) {
    case TFileSharing::Exclusive:
    case TFileSharing::DenyRead:
        return LOCK_EX;
    case TFileSharing::DenyWrite:
        return access == TFileAccess::ReadOnly ? LOCK_SH : LOCK_EX;
    case TFileSharing::DenyNone:
        return LOCK_SH;
    }
    return LOCK_EX;
}

} // namespace

TPosixFile::~TPosixFile()
{
    Close();
}

void TPosixFile::Open(const QString& path, TFileAccess access, TFileCreation creation, TFileSharing sharing)
{
    Close();
    int flags = O_CLOEXEC | (access == TFileAccess::ReadOnly ? O_RDONLY : O_RDWR);
    if (creation == TFileCreation::CreateOrTruncate)
        flags |= O_CREAT | O_TRUNC;
    const QByteArray native = path.toLocal8Bit();
    int fd;
    do
        fd = ::open(native.constData(), flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        throw EPlatformError(QStringLiteral("ファイル「%1」を開けません (%2)。").arg(path, SystemReason(errno)));

    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        throw EPlatformError(QStringLiteral("「%1」はファイルではありません。").arg(path));
    }
    if (::flock(fd, LockOperation(sharing, access) | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        if (error == EWOULDBLOCK)
            throw EPlatformError(QStringLiteral("ファイル「%1」は他で使用中です。").arg(path));
        throw EPlatformError(QStringLiteral("ファイル「%1」を開けません (%2)。").arg(path, SystemReason(error)));
    }
    if (sharing == TFileSharing::DenyNone)
        ::flock(fd, LOCK_UN);
    fd_ = fd;
    writable_ = access == TFileAccess::ReadWrite;
    path_ = path;
}

void TPosixFile::Close() noexcept
{
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    writable_ = false;
}

std::size_t TPosixFile::ReadAt(std::uint64_t offset, char* data, std::size_t length) const
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t got = ::pread(fd_, data + done, length - done, static_cast<off_t>(offset + done));
        if (got < 0) {
            if (errno == EINTR)
                continue;
            RaiseIoError(errno);
        }
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void TPosixFile::WriteAt(std::uint64_t offset, const char* data, std::size_t length)
{
    std::size_t done = 0;
    while (done < length) {
        const ssize_t put = ::pwrite(fd_, data + done, length - done, static_cast<off_t>(offset + done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            RaiseIoError(errno);
        }
        if (put == 0)
            RaiseIoError(ENOSPC);
        done += static_cast<std::size_t>(put);
    }
}

std::uint64_t TPosixFile::Size() const
{
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        RaiseIoError(errno);
    return static_cast<std::uint64_t>(info.st_size);
}

void TPosixFile::Truncate(std::uint64_t size)
{
    int result;
    do
        result = ::ftruncate(fd_, static_cast<off_t>(size));
    while (result != 0 && errno == EINTR);
    if (result != 0)
        RaiseIoError(errno);
}

void TPosixFile::Sync()
{
    if (::fsync(fd_) != 0)
        RaiseIoError(errno);
}

void TPosixFile::RaiseIoError(int error) const
{
    throw EPlatformError(QStringLiteral("ファイル「%1」の読み書きに失敗しました (%2)。").arg(path_, SystemReason(error)));
}
