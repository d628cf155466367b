#pragma once
// The "ZLIBCompress" container: the 13-byte header "ZLIBCompress" + 0x1A, the length of the
// uncompressed data (unsigned 32 bits, little-endian), then one zlib stream (RFC 1950) that
// inflates to exactly that many bytes. Compressed bitmaps (.cbm), compressed document
// streams and catalogue update files are containers.
#include <QByteArray>
#include <QtGlobal>

class QIODevice;
class QString;

// Compression levels of the writer: none, fastest, zlib's default and maximum.
enum class TCompressionLevel { None = 0, Fastest = 1, Default = 2, Max = 3 };

inline constexpr int kZlibContainerHeaderSize = 13;
inline constexpr int kZlibContainerPrefixSize = kZlibContainerHeaderSize + 4;

// Reads 13 bytes: on the exact header also reads the length, leaves the stream after it and
// answers true. Otherwise (another header, or the stream ends first) the stream position is
// restored and the answer is false.
bool IsZlibContainer(QIODevice& stream, quint32* length = nullptr);

// Writes the header, the number of bytes left in the source (size - position) and those
// bytes compressed. Fails with a write error when the source holds 4 GiB or more or a write
// fails.
void CompressToContainer(QIODevice& source, QIODevice& destination, TCompressionLevel level);

// Inflates exactly length bytes from the source (positioned after the header) into the
// destination, which grows only as data actually inflates. Fails with a read error when the
// zlib stream is corrupt or ends before length bytes. Afterwards a random-access source is
// positioned after the compressed bytes that were used.
void ExpandContainer(QIODevice& source, QIODevice& destination, quint32 length);

// The same for data held in memory. ExpandContainerBytes fails with the caller's message
// when the header is missing, when the data does not inflate to the length, and, before any
// inflating, when the length exceeds maxLength.
QByteArray CompressToContainer(const QByteArray& data, TCompressionLevel level);
QByteArray ExpandContainerBytes(const QByteArray& container, qint64 maxLength, const QString& failure);
bool StartsWithZlibContainer(const QByteArray& data);

// Whether the file starts with the container header (false when it cannot be read).
bool IsZlibContainerFile(const QString& path);

// Expands a container file into a new file. Returns false and writes nothing when the source
// does not start with the header; a failed expansion raises its error and leaves any
// previous destination file in place.
bool ExpandContainerFile(const QString& sourcePath, const QString& destinationPath);
