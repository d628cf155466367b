#pragma once
// An open file with positioned reads and writes, advisory sharing locks and syncing: the
// one place where the platform layer talks to the operating system's file calls. Failures
// raise EPlatformError naming the file and the system's reason.
#include <QString>
#include <cstddef>
#include <cstdint>

enum class TFileAccess { ReadOnly, ReadWrite };
enum class TFileCreation { OpenExisting, CreateOrTruncate };

// What other openers of the same file are allowed while this one holds it.
enum class TFileSharing { Exclusive, DenyWrite, DenyRead, DenyNone };

class TPosixFile {
public:
    TPosixFile() = default;
    TPosixFile(const TPosixFile&) = delete;
    TPosixFile& operator=(const TPosixFile&) = delete;
    ~TPosixFile();

    // Opens the file and takes the lock its sharing asks for; raises when the file cannot be
    // opened or another opener's sharing forbids this one.
    void Open(const QString& path, TFileAccess access, TFileCreation creation, TFileSharing sharing);
    void Close() noexcept;

    bool IsOpen() const { return fd_ >= 0; }
    bool IsWritable() const { return writable_; }
    const QString& Path() const { return path_; }

    // Reads up to length bytes at offset; returns fewer only at the end of the file.
    std::size_t ReadAt(std::uint64_t offset, char* data, std::size_t length) const;
    // Writes all length bytes at offset, extending the file when needed.
    void WriteAt(std::uint64_t offset, const char* data, std::size_t length);
    std::uint64_t Size() const;
    void Truncate(std::uint64_t size);
    // Flushes the file's data and size to the device.
    void Sync();

private:
    [[noreturn]] void RaiseIoError(int error) const;

    int fd_ = -1;
    bool writable_ = false;
    QString path_;
};
