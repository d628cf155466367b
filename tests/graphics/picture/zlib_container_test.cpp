#include "core/error.h"
#include "graphics/picture/zlib_container.h"
#include "picture_test_helpers.h"
#include "support/test_support.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

namespace {

const QByteArray kHeader("ZLIBCompress\x1A", 13);

QByteArray LengthBytes(quint32 length)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(length, bytes.data());
    return bytes;
}

QByteArray Deflate(const QByteArray& data)
{
    uLongf size = compressBound(uLong(data.size()));
    QByteArray out(qsizetype(size), '\0');
    compress(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(data.constData()),
             uLong(data.size()));
    out.resize(qsizetype(size));
    return out;
}

QByteArray SampleData()
{
    QByteArray data;
    for (int i = 0; i < 200000; ++i)
        data.append(char((i * 7) ^ (i >> 5)));
    return data;
}

// Expands a container held in memory through the stream interface.
QByteArray Expand(const QByteArray& container, qint64* positionAfter = nullptr)
{
    QBuffer source;
    source.setData(container);
    source.open(QIODevice::ReadOnly);
    quint32 length = 0;
    EXPECT_TRUE(IsZlibContainer(source, &length));
    QByteArray result;
    QBuffer destination(&result);
    destination.open(QIODevice::WriteOnly);
    ExpandContainer(source, destination, length);
    if (positionAfter)
        *positionAfter = source.pos();
    return result;
}

} // namespace

TEST(ZlibContainer, HeaderTestAcceptsOnlyTheExactHeader)
{
    struct Case {
        const char* name;
        QByteArray bytes;
        bool container;
    };
    const Case cases[] = {
        {"exact header and length", kHeader + LengthBytes(0x01020304), true},
        {"13th byte not 0x1A", QByteArray("ZLIBCompress\x1B", 13) + LengthBytes(5), false},
        {"lower-case signature", QByteArray("zlibCompress\x1A", 13) + LengthBytes(5), false},
        {"header without length", kHeader + QByteArray(2, '\0'), false},
        {"shorter than the header", QByteArray("ZLIB"), false},
        {"empty", QByteArray(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QBuffer stream;
        stream.setData(QByteArray("xx") + c.bytes);
        stream.open(QIODevice::ReadOnly);
        stream.seek(2);
        quint32 length = 0;
        EXPECT_EQ(IsZlibContainer(stream, &length), c.container);
        if (c.container) {
            EXPECT_EQ(length, 0x01020304u);
            EXPECT_EQ(stream.pos(), 2 + 17);
        } else {
            EXPECT_EQ(stream.pos(), 2); // position restored
        }
    }
}

TEST(ZlibContainer, RoundTripAtEveryLevelMatchesPlainZlib)
{
    const QByteArray data = SampleData();
    for (TCompressionLevel level : {TCompressionLevel::None, TCompressionLevel::Fastest, TCompressionLevel::Default,
                                    TCompressionLevel::Max}) {
        SCOPED_TRACE(int(level));
        const QByteArray container = CompressToContainer(data, level);
        ASSERT_TRUE(container.startsWith(kHeader));
        EXPECT_EQ(qFromLittleEndian<quint32>(container.constData() + 13), quint32(data.size()));
        // The body is one plain zlib stream.
        QByteArray inflated(data.size(), '\0');
        uLongf size = uLongf(inflated.size());
        ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(inflated.data()), &size,
                             reinterpret_cast<const Bytef*>(container.constData() + 17), uLong(container.size() - 17)),
                  Z_OK);
        EXPECT_EQ(inflated, data);
        EXPECT_EQ(Expand(container), data);
    }
    EXPECT_GT(CompressToContainer(data, TCompressionLevel::None).size(), data.size());
    EXPECT_LT(CompressToContainer(data, TCompressionLevel::Max).size(), data.size() / 2);
}

TEST(ZlibContainer, CompressesOnlyTheRemainingBytesOfTheSource)
{
    QBuffer source;
    source.setData(QByteArray("skipped") + QByteArray("kept bytes"));
    source.open(QIODevice::ReadOnly);
    source.seek(7);
    QByteArray container;
    QBuffer destination(&container);
    destination.open(QIODevice::WriteOnly);
    CompressToContainer(source, destination, TCompressionLevel::Default);
    EXPECT_EQ(Expand(container), QByteArray("kept bytes"));
}

TEST(ZlibContainer, LengthDecidesHowMuchIsRead)
{
    const QByteArray data("0123456789abcdef");
    const QByteArray body = Deflate(data);
    // A shorter length reads only that many bytes.
    EXPECT_EQ(Expand(kHeader + LengthBytes(10) + body), data.left(10));
    // The exact length reads everything, and the source ends up after the zlib stream.
    qint64 after = 0;
    EXPECT_EQ(Expand(kHeader + LengthBytes(16) + body + "next", &after), data);
    EXPECT_EQ(after, 17 + body.size());
    // A longer length fails while reading, however large it claims to be.
    for (quint32 length : {17u, 1u << 20, 0xFFFFFFFFu}) {
        SCOPED_TRACE(length);
        try {
            Expand(kHeader + LengthBytes(length) + body);
            FAIL() << "expanded beyond the data";
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("ストリームからの読み込みエラー"));
        }
    }
}

TEST(ZlibContainer, CorruptOrMissingDataFails)
{
    QByteArray corrupt = Deflate(SampleData());
    corrupt[corrupt.size() / 2] = char(corrupt[corrupt.size() / 2] ^ 0x55);
    const QByteArray cases[] = {
        kHeader + LengthBytes(100),                              // no zlib stream at all
        kHeader + LengthBytes(100) + "not zlib data at all",     // garbage
        kHeader + LengthBytes(200000) + corrupt,                 // damaged in the middle
        kHeader + LengthBytes(16) + Deflate("0123456789abcdef").left(6), // cut short
    };
    for (const QByteArray& container : cases)
        EXPECT_THROW(Expand(container), EAppError);
    EXPECT_THROW(ExpandContainerBytes("plain", 100, QStringLiteral("bad")), EAppError);
}

TEST(ZlibContainer, InMemoryExpansionRefusesLengthsAboveItsLimitBeforeInflating)
{
    const QByteArray container = CompressToContainer(SampleData(), TCompressionLevel::Fastest);
    EXPECT_EQ(ExpandContainerBytes(container, 200000, QStringLiteral("bad")), SampleData());
    try {
        ExpandContainerBytes(container, 199999, QStringLiteral("too long"));
        FAIL();
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("too long"));
    }
}

TEST(ZlibContainer, FileHelpers)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath(QStringLiteral("plain.bin"));
    const QString packed = dir.filePath(QStringLiteral("packed.ppz"));
    const QString target = dir.filePath(QStringLiteral("out.bin"));
    testsupport::WriteFileBytes(plain, "just bytes, no container");
    testsupport::WriteFileBytes(packed, CompressToContainer(SampleData(), TCompressionLevel::Max));

    EXPECT_FALSE(IsZlibContainerFile(plain));
    EXPECT_TRUE(IsZlibContainerFile(packed));
    EXPECT_FALSE(IsZlibContainerFile(dir.filePath(QStringLiteral("missing"))));

    // Without the header nothing is written.
    EXPECT_FALSE(ExpandContainerFile(plain, target));
    EXPECT_FALSE(QFile::exists(target));

    EXPECT_TRUE(ExpandContainerFile(packed, target));
    EXPECT_EQ(testsupport::ReadFileBytes(target), SampleData());

    // A failed expansion leaves the previous file in place.
    testsupport::WriteFileBytes(packed, kHeader + LengthBytes(1000) + Deflate("short"));
    EXPECT_THROW(ExpandContainerFile(packed, target), EAppError);
    EXPECT_EQ(testsupport::ReadFileBytes(target), SampleData());
}

TEST(ZlibContainer, PythonZlibReadsOurContainer)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("data.cbm"));
    testsupport::WriteFileBytes(path, CompressToContainer(SampleData(), TCompressionLevel::Default));
    const QByteArray output = picturetest::RunPython(
        QStringLiteral("import sys, struct, zlib\n"
                       "d = open(sys.argv[1], 'rb').read()\n"
                       "assert d[:13] == b'ZLIBCompress\\x1a'\n"
                       "n = struct.unpack('<I', d[13:17])[0]\n"
                       "body = zlib.decompress(d[17:])\n"
                       "assert len(body) == n\n"
                       "sys.stdout.buffer.write(body)\n"),
        {path});
    EXPECT_EQ(output, SampleData());
}
