#include "core/error.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/gif_codec.h"
#include "graphics/picture/png_codec.h"
#include "graphics/picture/safety_bitmap.h"
#include "picture_test_helpers.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

using picturetest::SamePixels;

namespace {

// PNG and GIF files from Pillow and ImageMagick, 41 x 27.
constexpr char kMakeImages[] = R"(
import sys, subprocess
from PIL import Image
d = sys.argv[1]
W, H = 41, 27
src = Image.new('RGB', (W, H))
src.putdata([(x * 6, y * 9, ((x // 5 + y // 5) % 2) * 200) for y in range(H) for x in range(W)])
src.save(d + '/rgb.png')
rgba = src.copy()
rgba.putalpha(Image.linear_gradient('L').resize((W, H)))
rgba.save(d + '/rgba.png')
src.convert('L').save(d + '/grey.png')
src.convert('LA').save(d + '/greyalpha.png')
pal = src.quantize(16)
pal.save(d + '/palette.png')
pal.save(d + '/palette_trns.png', transparency=3)
subprocess.run(['convert', d + '/rgb.png', '-interlace', 'PNG', d + '/interlaced.png'], check=True)
subprocess.run(['convert', d + '/rgb.png', '-depth', '16', 'PNG48:' + d + '/deep.png'], check=True)
pal.save(d + '/opaque.gif')
pal.save(d + '/transparent.gif', transparency=5)
subprocess.run(['convert', d + '/opaque.gif', '-interlace', 'GIF', d + '/interlaced.gif'], check=True)
)";

class EncodedFiles : public picturetest::TScriptMadeFiles<kMakeImages> {};

void ExpectLoadFailure(const std::function<void()>& load)
{
    try {
        load();
        ADD_FAILURE() << "accepted";
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("イメージの読み込みに失敗しました"));
    }
}

} // namespace

TEST_F(EncodedFiles, PngDecodesExactlyAsPillow)
{
    struct Case {
        const char* file;
        bool alpha;
    };
    const Case cases[] = {{"rgb.png", false},      {"rgba.png", true},         {"grey.png", false},
                          {"greyalpha.png", true}, {"palette.png", false},     {"palette_trns.png", true},
                          {"interlaced.png", false}, {"deep.png", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QImage ours = DecodePNG(Bytes(c.file));
        EXPECT_EQ(ours.format(), c.alpha ? QImage::Format_ARGB32 : QImage::Format_BGR888);
        if (c.alpha)
            EXPECT_TRUE(SamePixels(ours, picturetest::PillowPixels(Path(c.file), QStringLiteral("RGBA"))));
        else
            EXPECT_TRUE(SamePixels(ours, picturetest::PillowPixels(Path(c.file))));
    }
}

TEST_F(EncodedFiles, GifFirstFrameDecodesExactlyAsPillow)
{
    const QImage opaque = DecodeGIF(Bytes("opaque.gif"));
    EXPECT_EQ(opaque.format(), QImage::Format_Indexed8);
    EXPECT_EQ(opaque.colorCount(), 256);
    EXPECT_TRUE(SamePixels(opaque, picturetest::PillowPixels(Path("opaque.gif"))));
    EXPECT_TRUE(SamePixels(DecodeGIF(Bytes("interlaced.gif")), picturetest::PillowPixels(Path("interlaced.gif"))));
    EXPECT_NE(Bytes("interlaced.gif").size(), 0);

    const QImage transparent = DecodeGIF(Bytes("transparent.gif"));
    EXPECT_EQ(transparent.format(), QImage::Format_ARGB32);
    // Pillow keeps the colour of transparent pixels; compare alpha and colour of opaque ones.
    const QImage pillow = picturetest::PillowPixels(Path("transparent.gif"), QStringLiteral("RGBA"));
    int clear = 0;
    for (int y = 0; y < pillow.height(); ++y)
        for (int x = 0; x < pillow.width(); ++x) {
            const QRgb expected = pillow.pixel(x, y);
            EXPECT_EQ(qAlpha(transparent.pixel(x, y)), qAlpha(expected));
            if (qAlpha(expected) == 255)
                EXPECT_EQ(transparent.pixel(x, y), expected);
            else
                ++clear;
        }
    EXPECT_GT(clear, 0);
}

TEST(GifCodec, FrameSmallerThanTheScreenLeavesTheRestClear)
{
    // 4 x 3 screen, global table of 2 colours (red, blue); a 2 x 1 frame at (1, 1) with the
    // pixels 1, 0 (LZW with 2-bit minimum code size: the 3-bit codes clear, 1, 0, end).
    const QByteArray gif = QByteArray("GIF89a") + QByteArray::fromHex("04000300800000FF00000000FF") +
                           QByteArray::fromHex("2C010001000200010000") + QByteArray::fromHex("02020C0A00") + ";";
    const QImage image = DecodeGIF(gif);
    ASSERT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(image.pixel(1, 1), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(2, 1), qRgb(255, 0, 0));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(3, 2)), 0);
}

TEST_F(EncodedFiles, MalformedFilesAreRefused)
{
    QByteArray badCrc = Bytes("rgb.png");
    badCrc[30] = char(badCrc[30] ^ 1); // inside IHDR
    QByteArray huge = Bytes("rgb.png");
    huge.replace(16, 8, QByteArray::fromHex("0000FFFF0000FFFF"));
    // 4000 x 4000 with a valid checksum: more pixels than the file's bytes can inflate to.
    QByteArray tooLarge = Bytes("rgb.png");
    tooLarge.replace(16, 8, QByteArray::fromHex("00000FA000000FA0"));
    const quint32 crc = crc32(0, reinterpret_cast<const Bytef*>(tooLarge.constData() + 12), 17);
    qToBigEndian(crc, tooLarge.data() + 29);
    const QByteArray pngs[] = {QByteArray(), "not a png", Bytes("rgb.png").left(60), badCrc, huge, tooLarge};
    for (const QByteArray& data : pngs)
        ExpectLoadFailure([&] { DecodePNG(data); });

    const QByteArray gifs[] = {QByteArray(), "GIF89a", Bytes("opaque.gif").left(40),
                               QByteArray("GIF89a") + QByteArray::fromHex("01000100000000") + ";", // no frame
                               QByteArray("GIF89a") + QByteArray::fromHex("01000100000000") +
                                   QByteArray::fromHex("2C0000000001000100000202440100") + ";"}; // no colour table
    for (const QByteArray& data : gifs)
        ExpectLoadFailure([&] { DecodeGIF(data); });
}

TEST_F(EncodedFiles, GraphicsKeepTheirFilesAndPngEncodesBitmaps)
{
    TPngImage png;
    png.LoadFromBytes(Bytes("rgba.png"));
    EXPECT_EQ(png.SaveToBytes(), Bytes("rgba.png"));
    EXPECT_EQ(QSize(png.Width(), png.Height()), QSize(41, 27));

    TGIFImage gif;
    gif.LoadFromBytes(Bytes("transparent.gif"));
    EXPECT_EQ(gif.SaveToBytes(), Bytes("transparent.gif"));
    const auto copy = gif.Clone();
    EXPECT_EQ(copy->SaveToBytes(), Bytes("transparent.gif"));

    TSafetyBitmap bitmap;
    bitmap.SetImage(picturetest::TestPattern(20, 10));
    TPngImage encoded;
    encoded.Assign(bitmap);
    const QString path = Path("ours.png");
    testsupport::WriteFileBytes(path, encoded.SaveToBytes());
    EXPECT_TRUE(SamePixels(bitmap.Image(), picturetest::PillowPixels(path)));

    // A bitmap taken from a picture with alpha gets its pixels on white.
    TSafetyBitmap flat;
    flat.Assign(png);
    EXPECT_EQ(flat.PixelFormat(), TPixelFormat::pf24bit);
    const QImage pillow = picturetest::PillowPixels(Path("rgba.png"), QStringLiteral("RGBA"));
    const QRgb corner = pillow.pixel(40, 0);
    ASSERT_LT(qAlpha(corner), 255);
    EXPECT_NEAR(qRed(flat.Image().pixel(40, 0)), (qRed(corner) * qAlpha(corner) + 255 * (255 - qAlpha(corner))) / 255, 1);
    EXPECT_THROW(gif.Assign(bitmap), EAppError); // no GIF encoder
}
