#include "core/storage/doc_stream.h"

#include "core/error.h"
#include "core/storage/storage_call.h"
#include "core/storage/storage_modes.h"
#include "core/storage/storage_path.h"
#include "core/stream/reader.h"
#include "platform/cfb/cfb_errors.h"
#include "platform/platform_error.h"

#include <algorithm>

namespace {

// Whole streams are read in pieces of this size.
constexpr qint64 kReadChunk = 64 * 1024;

QIODevice::OpenMode DeviceMode(int mode)
{
    if (mode == fmCreate)
        return QIODevice::ReadWrite;
    switch (mode & 3) {
    case fmOpenRead:
        return QIODevice::ReadOnly;
    case fmOpenWrite:
        return QIODevice::WriteOnly;
    default:
        return QIODevice::ReadWrite;
    }
}

} // namespace

TDocStream::TDocStream(TDocStorage& storage, int mode, const QString& path)
{
    QStringList components = ResolveStoragePath(storage.PathComponents(), path);
    if (components.isEmpty())
        throw EAppError(QStringLiteral("ストリームの名前がありません。"));
    name_ = components.takeLast();
    storage_ = std::make_unique<TDocStorage>(storage, mode == fmCreate, QStringLiteral("\\") + StoragePathText(components));
    StorageCall([&] {
        cfb::TCompoundFile& file = storage_->File();
        if (mode == fmCreate) {
            stream_ = file.CreateStream(storage_->Handle(), name_);
            return;
        }
        stream_ = file.OpenStream(storage_->Handle(), name_);
        if (ModeWrites(mode) && !file.IsWritable())
            cfb::RaiseReadOnly();
    });
    open(DeviceMode(mode) | QIODevice::Unbuffered);
}

TDocStream::~TDocStream() = default;

qint64 TDocStream::size() const
{
    try {
        return static_cast<qint64>(storage_->File().Info(stream_).Size);
    } catch (const std::exception&) {
        return 0;
    }
}

qint64 TDocStream::Read(void* data, qint64 count)
{
    if (count <= 0)
        return 0;
    const qint64 got = read(static_cast<char*>(data), count);
    if (got < 0)
        throw EAppError(errorString());
    return got;
}

void TDocStream::Write(const void* data, qint64 count)
{
    if (count <= 0)
        return;
    if (!isWritable())
        StorageCall([] { cfb::RaiseReadOnly(); });
    if (write(static_cast<const char*>(data), count) != count)
        throw EAppError(errorString());
}

void TDocStream::SetSize(qint64 size)
{
    if (size < 0)
        return;
    if (!isWritable())
        StorageCall([] { cfb::RaiseReadOnly(); });
    StorageCall([&] { storage_->File().SetStreamSize(stream_, static_cast<std::uint64_t>(size)); });
}

qint64 TDocStream::readData(char* data, qint64 maxSize)
{
    try {
        return static_cast<qint64>(storage_->File().Read(stream_, static_cast<std::uint64_t>(pos()), data,
                                                         static_cast<std::size_t>(maxSize)));
    } catch (const EPlatformError& error) {
        setErrorString(error.Message());
    } catch (const EAppError& error) {
        setErrorString(error.Message());
    }
    return -1;
}

qint64 TDocStream::writeData(const char* data, qint64 size)
{
    try {
        storage_->File().Write(stream_, static_cast<std::uint64_t>(pos()), data, static_cast<std::size_t>(size));
        return size;
    } catch (const EPlatformError& error) {
        setErrorString(error.Message());
    } catch (const EAppError& error) {
        setErrorString(error.Message());
    }
    return -1;
}

QByteArray ReadWholeStream(QIODevice& device)
{
    const qint64 size = device.size();
    if (!device.seek(0))
        TReader::FailReadError();
    QByteArray bytes;
    while (bytes.size() < size) {
        const qint64 chunk = std::min(kReadChunk, size - bytes.size());
        const qsizetype at = bytes.size();
        bytes.resize(at + chunk);
        if (device.read(bytes.data() + at, chunk) != chunk)
            TReader::FailReadError();
    }
    return bytes;
}
