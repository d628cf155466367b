#include "graphics/picture/zlib_container.h"

#include "core/error.h"
#include "graphics/picture/picture_messages.h"

#include <QBuffer>
#include <QFile>
#include <QSaveFile>
#include <QtEndian>
#include <array>
#include <cstring>
#include <zlib.h>

namespace {

constexpr char kHeader[kZlibContainerHeaderSize + 1] = "ZLIBCompress\x1A";
constexpr qint64 kChunk = 64 * 1024;
// The most a deflate stream can expand: 1032 output bytes per input byte, plus its end.
constexpr qint64 kMaxInflateRatio = 1032;

int ZlibLevel(TCompressionLevel level)
{
    switch (level) {
    case TCompressionLevel::None:
        return Z_NO_COMPRESSION;
    case TCompressionLevel::Fastest:
        return Z_BEST_SPEED;
    case TCompressionLevel::Default:
        return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::Max:
        return Z_BEST_COMPRESSION;
    }
    return Z_DEFAULT_COMPRESSION;
}

[[noreturn]] void ReadError()
{
    throw EAppError(picturemsg::StreamReadError());
}

[[noreturn]] void WriteError()
{
    throw EAppError(picturemsg::StreamWriteError());
}

void WriteAll(QIODevice& destination, const char* data, qint64 size)
{
    if (size > 0 && destination.write(data, size) != size)
        WriteError();
}

// Ends a zlib stream however the scope is left.
template <int (*End)(z_streamp)>
struct ZStreamGuard {
    z_stream& stream;
    ~ZStreamGuard() { End(&stream); }
};

} // namespace

bool IsZlibContainer(QIODevice& stream, quint32* length)
{
    const qint64 start = stream.pos();
    char prefix[kZlibContainerPrefixSize];
    const qint64 got = stream.read(prefix, kZlibContainerHeaderSize);
    if (got == kZlibContainerHeaderSize && memcmp(prefix, kHeader, kZlibContainerHeaderSize) == 0 &&
        stream.read(prefix + kZlibContainerHeaderSize, 4) == 4) {
        if (length)
            *length = qFromLittleEndian<quint32>(prefix + kZlibContainerHeaderSize);
        return true;
    }
    stream.seek(start);
    return false;
}

void CompressToContainer(QIODevice& source, QIODevice& destination, TCompressionLevel level)
{
    const qint64 total = source.size() - source.pos();
    if (total < 0 || total > qint64(0xFFFFFFFF))
        WriteError();
    char lengthBytes[4];
    qToLittleEndian<quint32>(static_cast<quint32>(total), lengthBytes);
    WriteAll(destination, kHeader, kZlibContainerHeaderSize);
    WriteAll(destination, lengthBytes, 4);

    z_stream z{};
    if (deflateInit(&z, ZlibLevel(level)) != Z_OK)
        WriteError();
    ZStreamGuard<deflateEnd> guard{z};
    std::array<char, kChunk> in;
    std::array<char, kChunk> out;
    qint64 left = total;
    int flush = Z_NO_FLUSH;
    do {
        const qint64 want = std::min<qint64>(left, kChunk);
        const qint64 got = want > 0 ? source.read(in.data(), want) : 0;
        if (got != want)
            ReadError();
        left -= got;
        flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        z.next_in = reinterpret_cast<Bytef*>(in.data());
        z.avail_in = static_cast<uInt>(got);
        do {
            z.next_out = reinterpret_cast<Bytef*>(out.data());
            z.avail_out = static_cast<uInt>(out.size());
            if (deflate(&z, flush) == Z_STREAM_ERROR)
                WriteError();
            WriteAll(destination, out.data(), qint64(out.size()) - z.avail_out);
        } while (z.avail_out == 0);
    } while (flush != Z_FINISH);
}

void ExpandContainer(QIODevice& source, QIODevice& destination, quint32 length)
{
    if (length == 0)
        return;
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        ReadError();
    ZStreamGuard<inflateEnd> guard{z};
    std::array<char, kChunk> in;
    std::array<char, kChunk> out;
    quint64 remaining = length;
    while (remaining > 0) {
        if (z.avail_in == 0) {
            const qint64 got = source.read(in.data(), qint64(in.size()));
            if (got <= 0)
                ReadError();
            z.next_in = reinterpret_cast<Bytef*>(in.data());
            z.avail_in = static_cast<uInt>(got);
        }
        const uInt room = static_cast<uInt>(std::min<quint64>(remaining, out.size()));
        z.next_out = reinterpret_cast<Bytef*>(out.data());
        z.avail_out = room;
        const uInt inBefore = z.avail_in;
        const int rc = inflate(&z, Z_NO_FLUSH);
        const uInt produced = room - z.avail_out;
        WriteAll(destination, out.data(), produced);
        remaining -= produced;
        const bool stuck = produced == 0 && z.avail_in == inBefore;
        if ((rc != Z_OK && rc != Z_STREAM_END && rc != Z_BUF_ERROR) || (rc == Z_STREAM_END && remaining > 0) || stuck)
            ReadError();
    }
    if (z.avail_in > 0 && !source.isSequential())
        source.seek(source.pos() - z.avail_in);
}

QByteArray CompressToContainer(const QByteArray& data, TCompressionLevel level)
{
    QBuffer source;
    source.setData(data);
    source.open(QIODevice::ReadOnly);
    QByteArray result;
    QBuffer destination(&result);
    destination.open(QIODevice::WriteOnly);
    CompressToContainer(source, destination, level);
    return result;
}

bool StartsWithZlibContainer(const QByteArray& data)
{
    return data.size() >= kZlibContainerPrefixSize && memcmp(data.constData(), kHeader, kZlibContainerHeaderSize) == 0;
}

QByteArray ExpandContainerBytes(const QByteArray& container, qint64 maxLength, const QString& failure)
{
    QBuffer source;
    source.setData(container);
    source.open(QIODevice::ReadOnly);
    quint32 length = 0;
    if (!IsZlibContainer(source, &length) || qint64(length) > maxLength)
        throw EAppError(failure);
    QByteArray result;
    // Room for the whole result up front, but never more than the data can inflate to.
    result.reserve(std::min<qint64>(length, (container.size() - kZlibContainerPrefixSize) * kMaxInflateRatio + 64));
    QBuffer destination(&result);
    destination.open(QIODevice::WriteOnly);
    try {
        ExpandContainer(source, destination, length);
    } catch (const EAppError&) {
        throw EAppError(failure);
    }
    return result;
}

bool IsZlibContainerFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && IsZlibContainer(file);
}

bool ExpandContainerFile(const QString& sourcePath, const QString& destinationPath)
{
    QFile source(sourcePath);
    quint32 length = 0;
    if (!source.open(QIODevice::ReadOnly) || !IsZlibContainer(source, &length))
        return false;
    QSaveFile destination(destinationPath);
    if (!destination.open(QIODevice::WriteOnly))
        WriteError();
    ExpandContainer(source, destination, length);
    if (!destination.commit())
        WriteError();
    return true;
}
