#include "platform/replace_file.h"

#include "platform/platform_error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

[[noreturn]] void RaiseSaveError(const QString& target, int error)
{
    throw EPlatformError(QStringLiteral("ファイル「%1」を保存できません (%2)。")
                             .arg(QDir::toNativeSeparators(target), QString::fromLocal8Bit(std::strerror(error))));
}

// The permissions the replacement gets: the old file's, or those of a new file.
mode_t ReplacementMode(const QByteArray& target)
{
    struct stat info {};
    if (::stat(target.constData(), &info) == 0)
        return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void SyncFolder(const QByteArray& folder)
{
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Removes the temporary file unless it was renamed into place.
class TTemporarySibling {
public:
    explicit TTemporarySibling(QByteArray path) : path_(std::move(path)) {}
    ~TTemporarySibling()
    {
        if (!path_.isEmpty())
            ::unlink(path_.constData());
    }
    const QByteArray& Path() const { return path_; }
    void Release() { path_.clear(); }

private:
    QByteArray path_;
};

} // namespace

void SaveReplacingFile(const QString& target, const std::function<void(const QString& temporaryPath)>& write)
{
    QFileInfo info(target);
    if (info.isSymLink() && info.exists())
        info.setFile(info.canonicalFilePath());
    const QString finalPath = info.absoluteFilePath();
    const QByteArray nativeTarget = QFile::encodeName(finalPath);
    const QByteArray folder = QFile::encodeName(info.absolutePath());

    QByteArray pattern = folder + "/." + QFile::encodeName(info.fileName()) + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        RaiseSaveError(target, errno);
    ::close(fd);
    TTemporarySibling sibling(pattern);

    write(QFile::decodeName(sibling.Path()));

    const int written = ::open(sibling.Path().constData(), O_RDWR | O_CLOEXEC);
    if (written < 0)
        RaiseSaveError(target, errno);
    if (::fchmod(written, ReplacementMode(nativeTarget)) != 0 || ::fsync(written) != 0) {
        const int error = errno;
        ::close(written);
        RaiseSaveError(target, error);
    }
    if (::close(written) != 0)
        RaiseSaveError(target, errno);
    if (::rename(sibling.Path().constData(), nativeTarget.constData()) != 0)
        RaiseSaveError(target, errno);
    sibling.Release();
    SyncFolder(folder);
}
