#include "core/error.h"
#include "graphics/picture/bmp_reader.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/zlib_container.h"
#include "picture_test_helpers.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using picturetest::AsRgb;
using picturetest::SamePixels;

// Writes the BMP variants Pillow and ImageMagick produce from one 37 x 23 picture, plus a
// top-down copy and a hand-made RLE4 file.
constexpr char kMakeVariants[] = R"(
import sys, subprocess, struct
from PIL import Image
d = sys.argv[1]
W, H = 37, 23
src = Image.new('RGB', (W, H))
src.putdata([(x * 255 // (W - 1), y * 255 // (H - 1), ((x // 4 + y // 4) % 2) * 180 + 30)
             for y in range(H) for x in range(W)])
src.save(d + '/src.png')
src.convert('1').save(d + '/p1.bmp')
src.convert('L').save(d + '/p8l.bmp')
src.quantize(200).save(d + '/p8p.bmp')
src.save(d + '/p24.bmp')
rgba = src.copy()
rgba.putalpha(128)
rgba.save(d + '/p32.bmp')
def im(out, *args):
    subprocess.run(['convert', d + '/src.png', *args, out], check=True)
im('BMP2:' + d + '/m_core24.bmp')
im('BMP2:' + d + '/m_core8.bmp', '-colors', '200', '-type', 'Palette')
im('BMP3:' + d + '/m1.bmp', '-monochrome')
im('BMP3:' + d + '/m4.bmp', '-colors', '12', '-type', 'Palette')
im('BMP3:' + d + '/m_rle8.bmp', '-colors', '200', '-type', 'Palette', '-compress', 'RLE')
im('BMP:' + d + '/m565.bmp', '-alpha', 'off', '-define', 'bmp:subtype=RGB565')
im('BMP:' + d + '/m555.bmp', '-alpha', 'off', '-define', 'bmp:subtype=RGB555')
im('BMP:' + d + '/m1555.bmp', '-alpha', 'on', '-define', 'bmp:subtype=ARGB1555')
im('BMP:' + d + '/m4444.bmp', '-alpha', 'on', '-define', 'bmp:subtype=ARGB4444')
im('BMP:' + d + '/m_v5_32.bmp', '-alpha', 'on')
b = bytearray(open(d + '/p24.bmp', 'rb').read())
off = struct.unpack_from('<I', b, 10)[0]
w, h = struct.unpack_from('<ii', b, 18)
stride = (w * 3 + 3) & ~3
rows = [b[off + i * stride: off + (i + 1) * stride] for i in range(h)]
b[off:] = b''.join(reversed(rows))
struct.pack_into('<i', b, 22, -h)
open(d + '/topdown24.bmp', 'wb').write(b)
# RLE4, 13 x 5: runs, odd absolute runs with padding, end of line, delta, end of bitmap.
rle = bytes([5, 0x12, 0, 7, 0x34, 0x56, 0x78, 0x90, 1, 0xF0, 0, 0,
             0, 3, 0xAB, 0xC0, 0, 2, 4, 1, 6, 0x77, 0, 0,
             13, 0x5A, 0, 0,
             0, 5, 0x12, 0x34, 0x50, 0, 0, 1])
palette = b''.join(bytes([i * 16, 255 - i * 16, (i * 97) % 256, 0]) for i in range(16))
header = struct.pack('<IiiHHIIiiII', 40, 13, 5, 1, 4, 2, len(rle), 2835, 2835, 16, 0)
open(d + '/rle4.bmp', 'wb').write(b'BM' + struct.pack('<IHHI', 14 + 40 + 64 + len(rle), 0, 0, 14 + 40 + 64)
                                  + header + palette + rle)
)";

// ImageMagick widens 4-bit channels by shifting (v << 4); we scale them to the full range
// (v * 17). The same 4-bit values on both sides give these pixels.
QImage ScaleFourBitChannels(const QImage& shifted)
{
    QImage scaled = shifted;
    for (int y = 0; y < scaled.height(); ++y) {
        uchar* line = scaled.scanLine(y);
        for (int i = 0; i < scaled.width() * 3; ++i)
            line[i] = uchar((line[i] >> 4) * 17);
    }
    return scaled;
}

class BmpVariants : public picturetest::TScriptMadeFiles<kMakeVariants> {};

} // namespace

TEST_F(BmpVariants, DecodeExactlyAsPillowAndImageMagickDo)
{
    enum class Reference { Pillow, PillowSixteenBit, ImageMagickFourBit };
    struct Case {
        const char* file;
        TPixelFormat format;
        Reference reference;
    };
    const Case cases[] = {
        {"p1.bmp", TPixelFormat::pf1bit, Reference::Pillow},
        {"p8l.bmp", TPixelFormat::pf8bit, Reference::Pillow},
        {"p8p.bmp", TPixelFormat::pf8bit, Reference::Pillow},
        {"p24.bmp", TPixelFormat::pf24bit, Reference::Pillow},
        {"p32.bmp", TPixelFormat::pf32bit, Reference::Pillow},
        {"m_core24.bmp", TPixelFormat::pf24bit, Reference::Pillow},
        {"m_core8.bmp", TPixelFormat::pf8bit, Reference::Pillow},
        {"m1.bmp", TPixelFormat::pf1bit, Reference::Pillow},
        {"m4.bmp", TPixelFormat::pf4bit, Reference::Pillow},
        {"m_rle8.bmp", TPixelFormat::pf8bit, Reference::Pillow},
        {"m565.bmp", TPixelFormat::pf16bit, Reference::PillowSixteenBit},
        {"m555.bmp", TPixelFormat::pf15bit, Reference::PillowSixteenBit},
        {"m1555.bmp", TPixelFormat::pf15bit, Reference::PillowSixteenBit},
        {"m4444.bmp", TPixelFormat::pf24bit, Reference::ImageMagickFourBit},
        {"m_v5_32.bmp", TPixelFormat::pf32bit, Reference::Pillow},
        {"topdown24.bmp", TPixelFormat::pf24bit, Reference::Pillow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const TDecodedBitmap ours = ReadBmp(testsupport::ReadFileBytes(Path(c.file)));
        EXPECT_EQ(ours.PixelFormat, c.format);
        switch (c.reference) {
        case Reference::Pillow:
            EXPECT_TRUE(SamePixels(AsRgb(ours.Image), picturetest::PillowPixels(Path(c.file))));
            break;
        case Reference::PillowSixteenBit:
            EXPECT_TRUE(SamePixels(picturetest::ExpandLikePillow(ours.Image), picturetest::PillowPixels(Path(c.file))));
            break;
        case Reference::ImageMagickFourBit:
            EXPECT_TRUE(SamePixels(AsRgb(ours.Image), ScaleFourBitChannels(picturetest::ConvertPixels(Path(c.file)))));
            break;
        }
    }
}

TEST_F(BmpVariants, Rle4RunsPaddingDeltaAndEndCodes)
{
    // Rows top to bottom. The file codes, bottom row first: a run of 5 alternating 1 and 2, an
    // absolute run of 7 (odd, padded to whole words), a run of 1; end of line; an absolute
    // run of 3, a delta of 4 right and 1 up, a run of 6; end of line; a run of 13; end of
    // line; an absolute run of 5; end of bitmap. Skipped pixels keep index 0.
    const int expected[5][13] = {
        {1, 2, 3, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0},
        {5, 10, 5, 10, 5, 10, 5, 10, 5, 10, 5, 10, 5},
        {0, 0, 0, 0, 0, 0, 0, 7, 7, 7, 7, 7, 7},
        {10, 11, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
        {1, 2, 1, 2, 1, 3, 4, 5, 6, 7, 8, 9, 15},
    };
    const TDecodedBitmap rle = ReadBmp(testsupport::ReadFileBytes(Path("rle4.bmp")));
    ASSERT_EQ(rle.Image.size(), QSize(13, 5));
    EXPECT_EQ(rle.Image.format(), QImage::Format_Indexed8);
    EXPECT_EQ(rle.Image.colorCount(), 16);
    EXPECT_EQ(rle.Image.color(9), qRgb(9 * 97 % 256, 255 - 9 * 16, 9 * 16));
    EXPECT_EQ(rle.Image.dotsPerMeterX(), 2835);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 13; ++x)
            EXPECT_EQ(rle.Image.pixelIndex(x, y), expected[y][x]) << x << ", " << y;
}

TEST_F(BmpVariants, HeaderlessAndCompressedBitmapsLoadIntoTheBitmapClass)
{
    const QByteArray file = testsupport::ReadFileBytes(Path("p8p.bmp"));
    const QImage expected = picturetest::PillowPixels(Path("p8p.bmp"));

    TSafetyBitmap dib;
    dib.LoadFromDIB(file.mid(14));
    EXPECT_TRUE(SamePixels(dib.Image(), expected));

    TSafetyBitmap compressed;
    compressed.LoadFromBytes(CompressToContainer(file, TCompressionLevel::Max));
    EXPECT_TRUE(SamePixels(compressed.Image(), expected));
    EXPECT_EQ(compressed.PixelFormat(), TPixelFormat::pf8bit);

    TSafetyBitmap resource;
    resource.LoadFromDIB(CompressToContainer(file, TCompressionLevel::Fastest));
    EXPECT_TRUE(SamePixels(resource.Image(), expected));
}

namespace {

struct Header {
    quint32 headerSize = 40;
    qint32 width = 2;
    qint32 height = 2;
    quint16 bits = 24;
    quint32 compression = 0;
    quint32 colorsUsed = 0;
    quint32 offBits = 0;
    quint32 sizeImage = 0;
};

// A BMP file from its header fields and the bytes after the header.
QByteArray Bmp(const Header& h, const QByteArray& tail)
{
    QByteArray header(qsizetype(h.headerSize), '\0');
    auto* b = reinterpret_cast<uchar*>(header.data());
    qToLittleEndian(h.headerSize, b);
    if (h.headerSize == 12) {
        qToLittleEndian(quint16(h.width), b + 4);
        qToLittleEndian(quint16(h.height), b + 6);
        qToLittleEndian(quint16(1), b + 8);
        qToLittleEndian(h.bits, b + 10);
    } else if (h.headerSize >= 40) {
        qToLittleEndian(h.width, b + 4);
        qToLittleEndian(h.height, b + 8);
        qToLittleEndian(quint16(1), b + 12);
        qToLittleEndian(h.bits, b + 14);
        qToLittleEndian(h.compression, b + 16);
        qToLittleEndian(h.sizeImage, b + 20);
        qToLittleEndian(h.colorsUsed, b + 32);
    }
    QByteArray file("BM");
    file.append(12, '\0');
    qToLittleEndian(quint32(14 + header.size() + tail.size()), file.data() + 2);
    qToLittleEndian(h.offBits, file.data() + 10);
    return file + header + tail;
}

QByteArray Pixels24(int rows)
{
    return QByteArray(qsizetype(8) * rows, '\x40'); // 2 pixels of 3 bytes, padded to 8
}

} // namespace

TEST(BmpReader, AcceptsTheSmallestWellFormedFiles)
{
    EXPECT_EQ(ReadBmp(Bmp({}, Pixels24(2))).Image.size(), QSize(2, 2));
    EXPECT_EQ(ReadBmp(Bmp({.headerSize = 12}, Pixels24(2))).Image.size(), QSize(2, 2));
    // An RLE8 file without data leaves every pixel at index 0.
    const TDecodedBitmap empty = ReadBmp(Bmp({.width = 300, .height = 200, .bits = 8, .compression = 1}, QByteArray(1024, '\0')));
    EXPECT_EQ(empty.Image.size(), QSize(300, 200));
    EXPECT_EQ(empty.Image.pixelIndex(299, 199), 0);
}

TEST(BmpReader, RefusesMalformedAndOversizedFiles)
{
    QByteArray noSignature = Bmp({}, Pixels24(2));
    noSignature[0] = 'X';
    QByteArray badMask = Bmp({.bits = 16, .compression = 3}, QByteArray(12 + 16, '\0'));
    qToLittleEndian(quint32(0x0F0F), badMask.data() + 54); // red mask with a gap
    struct Case {
        const char* name;
        QByteArray file;
    };
    const Case cases[] = {
        {"no BM signature", noSignature},
        {"only the file header", Bmp({}, {}).left(14)},
        {"pixel data cut short", Bmp({}, Pixels24(1))},
        {"zero width", Bmp({.width = 0}, Pixels24(2))},
        {"negative width", Bmp({.width = -2}, Pixels24(2))},
        {"zero height", Bmp({.height = 0}, Pixels24(2))},
        {"height of INT_MIN", Bmp({.height = INT_MIN}, Pixels24(2))},
        {"too many pixels for RLE", Bmp({.width = 60000, .height = 60000, .bits = 8, .compression = 1}, QByteArray(2, '\0'))},
        {"side too long", Bmp({.width = 70000, .height = 1, .bits = 8, .compression = 1}, QByteArray(2, '\0'))},
        {"2 bits per pixel", Bmp({.bits = 2}, Pixels24(2))},
        {"64 bits per pixel", Bmp({.bits = 64}, QByteArray(64, '\0'))},
        {"embedded JPEG", Bmp({.bits = 24, .compression = 4}, Pixels24(2))},
        {"RLE8 at 24 bits", Bmp({.bits = 24, .compression = 1}, Pixels24(2))},
        {"top-down RLE", Bmp({.height = -2, .bits = 8, .compression = 1}, QByteArray(1024 + 2, '\0'))},
        {"16-bit core header", Bmp({.headerSize = 12, .bits = 16}, Pixels24(2))},
        {"unknown header size", Bmp({.headerSize = 20}, Pixels24(2))},
        {"OS/2 2.x header", Bmp({.headerSize = 64}, Pixels24(2))},
        {"huge colour count", Bmp({.bits = 8, .colorsUsed = 0x7FFFFFFF}, QByteArray(4096, '\0'))},
        {"colour table beyond the data", Bmp({.bits = 8}, QByteArray(100, '\0'))},
        {"pixel offset beyond the data", Bmp({.offBits = 100000}, Pixels24(2))},
        {"non-contiguous bit-field mask", badMask},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            ReadBmp(c.file);
            ADD_FAILURE() << "accepted";
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("ビットマップイメージが不正です"));
        }
    }
}

TEST(BmpReader, BitmapClassRefusesBadContainersAndKeepsItsPicture)
{
    TSafetyBitmap bitmap;
    bitmap.LoadFromBytes(Bmp({}, Pixels24(2)));
    const QImage before = bitmap.Image();
    const QByteArray bad[] = {
        CompressToContainer("not a bitmap", TCompressionLevel::Default),
        CompressToContainer(Bmp({}, Pixels24(2)), TCompressionLevel::Default).left(25),
        QByteArray("ZLIBCompress\x1A\xFF\xFF\xFF\xFF", 17) + "garbage",
    };
    for (const QByteArray& data : bad) {
        try {
            bitmap.LoadFromBytes(data);
            ADD_FAILURE() << "accepted";
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("ビットマップイメージが不正です"));
        }
        EXPECT_EQ(bitmap.Image(), before);
    }
}
