// Fuzzes the tag reader of MP3 and WAVE files: MacBinary wrapper, ID3v1, ID3v2.2/2.3,
// RIFF chunks and the frame-header time. Any input must give a result without a crash,
// a read outside the file or a huge allocation.
#include "music/tags/mp3_file_info.h"

#include <QCoreApplication>
#include <cstdint>
#include <sys/mman.h>
#include <unistd.h>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const int fd = ::memfd_create("tags", 0);
    static const QString path = QStringLiteral("/proc/self/fd/%1").arg(fd);
    if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, data, size, 0) != static_cast<ssize_t>(size))
        return 0;
    TMP3FileInfo info;
    info.FileName = path;
    info.Read();
    return 0;
}
