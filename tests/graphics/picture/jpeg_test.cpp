#include "core/error.h"
#include "graphics/picture/jpeg_codec.h"
#include "graphics/picture/jpeg_header.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"
#include "picture_test_helpers.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using picturetest::SamePixels;

namespace {

// JPEG files from Pillow: baseline, progressive, grey and CMYK, 120 x 80.
constexpr char kMakeJpegs[] = R"(
import sys
from PIL import Image
d = sys.argv[1]
W, H = 120, 80
src = Image.new('RGB', (W, H))
src.putdata([(x * 2, y * 3, ((x // 10 + y // 10) % 2) * 200) for y in range(H) for x in range(W)])
src.save(d + '/baseline.jpg', quality=90)
src.save(d + '/progressive.jpg', quality=90, progressive=True)
src.convert('L').save(d + '/grey.jpg', quality=90)
src.convert('CMYK').save(d + '/cmyk.jpg', quality=90)
)";

class JpegFiles : public picturetest::TScriptMadeFiles<kMakeJpegs> {};

void ExpectUnsupported(const QByteArray& data)
{
    try {
        CheckJPEGHeader(data);
        ADD_FAILURE() << "accepted";
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("未対応のJPEG形式です"));
    }
}

// A frame header segment: marker, length 11 (one component), precision, size, components.
QByteArray Frame(uchar marker, int width, int height, int components)
{
    QByteArray frame("\xFF", 1);
    frame.append(char(marker));
    frame.append(QByteArray::fromHex("000B08"));
    frame.append(char(height >> 8)).append(char(height)).append(char(width >> 8)).append(char(width));
    frame.append(char(components)).append(QByteArray::fromHex("011100"));
    return frame;
}

const QByteArray kSoi = QByteArray::fromHex("FFD8");
const QByteArray kApp0 = QByteArray::fromHex("FFE000104A46494600010100000100010000");

// The offset of the first frame marker of a file.
qsizetype FrameOffset(const QByteArray& jpeg)
{
    return jpeg.indexOf(QByteArray::fromHex("FFC0"));
}

} // namespace

TEST(JpegHeader, ScansMarkersToTheFirstFrame)
{
    struct Case {
        const char* name;
        QByteArray data;
        int width;
        int height;
        int components;
    };
    const Case cases[] = {
        {"baseline after APP0", kSoi + kApp0 + Frame(0xC0, 640, 480, 3), 640, 480, 3},
        {"extended, grey", kSoi + Frame(0xC1, 1, 2, 1), 1, 2, 1},
        {"progressive", kSoi + kApp0 + Frame(0xC2, 300, 200, 3), 300, 200, 3},
        {"arithmetic", kSoi + Frame(0xC9, 7, 9, 2), 7, 9, 2},
        {"arithmetic progressive", kSoi + Frame(0xCA, 65535, 65535, 3), 65535, 65535, 3},
        {"fill bytes before markers", kSoi + QByteArray(5, '\xFF') + kApp0 + Frame(0xC0, 10, 20, 3), 10, 20, 3},
        {"stray bytes between segments", kSoi + "junk" + kApp0 + Frame(0xC0, 10, 20, 3), 10, 20, 3},
        {"markers without length", kSoi + QByteArray::fromHex("FF01FFD0FFD7") + Frame(0xC0, 3, 4, 1), 3, 4, 1},
        {"lossless frame skipped", kSoi + Frame(0xC3, 5, 5, 3) + Frame(0xC2, 6, 6, 3), 6, 6, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TJPEGHeader header = CheckJPEGHeader(c.data);
        EXPECT_EQ(header.Width, c.width);
        EXPECT_EQ(header.Height, c.height);
        EXPECT_EQ(header.Components, c.components);
    }
}

TEST(JpegHeader, RefusesWhatItCannotVouchFor)
{
    const QByteArray cases[] = {
        QByteArray(),
        QByteArray("\xFF", 1),
        QByteArray::fromHex("FFD9FFD8") + Frame(0xC0, 1, 1, 3), // no SOI first
        kSoi,                                                     // nothing after SOI
        kSoi + kApp0,                                             // ends without frame
        kSoi + Frame(0xC3, 5, 5, 3),                              // lossless only
        kSoi + QByteArray::fromHex("FFDA000C03010002110311003F00") + Frame(0xC0, 1, 1, 3), // scan before frame
        kSoi + QByteArray::fromHex("FFD9") + Frame(0xC0, 1, 1, 3), // end of image before frame
        kSoi + QByteArray::fromHex("FFE00001") + Frame(0xC0, 1, 1, 3), // segment length 1
        kSoi + QByteArray::fromHex("FFE00000") + Frame(0xC0, 1, 1, 3), // segment length 0
        kSoi + QByteArray::fromHex("FFE0FFF0") + Frame(0xC0, 1, 1, 3), // segment beyond the data
        kSoi + Frame(0xC0, 0, 10, 3),                             // zero width
        kSoi + Frame(0xC0, 10, 0, 3),                             // zero height (size in DNL)
        kSoi + Frame(0xC0, 10, 10, 4),                            // CMYK
        kSoi + Frame(0xC0, 10, 10, 0),                            // no components
        kSoi + Frame(0xC0, 10, 10, 3).left(8),                    // frame cut short
    };
    for (const QByteArray& data : cases) {
        SCOPED_TRACE(data.toHex().toStdString());
        ExpectUnsupported(data);
    }
}

TEST_F(JpegFiles, BaselineProgressiveAndGreyDecodeExactlyAsPillow)
{
    for (const char* name : {"baseline.jpg", "progressive.jpg", "grey.jpg"}) {
        SCOPED_TRACE(name);
        const QByteArray data = Bytes(name);
        const TJPEGHeader header = CheckJPEGHeader(data);
        EXPECT_EQ(QSize(header.Width, header.Height), QSize(120, 80));
        const QImage decoded = DecodeJPEG(data);
        EXPECT_EQ(decoded.format(), header.Components == 1 ? QImage::Format_Grayscale8 : QImage::Format_BGR888);
        EXPECT_TRUE(SamePixels(decoded, picturetest::PillowPixels(Path(name))));
    }
    EXPECT_NE(Bytes("progressive.jpg").indexOf(QByteArray::fromHex("FFC2")), -1);
}

TEST_F(JpegFiles, ScaledDecodingMatchesPillowsDraftMode)
{
    const QByteArray data = Bytes("baseline.jpg");
    for (int denominator : {2, 4, 8}) {
        SCOPED_TRACE(denominator);
        const QImage ours = DecodeJPEG(data, denominator);
        EXPECT_EQ(ours.size(), ScaledJPEGSize(QSize(120, 80), denominator));
        const QByteArray output = picturetest::RunPython(
            QStringLiteral("import sys\n"
                           "from PIL import Image\n"
                           "im = Image.open(sys.argv[1])\n"
                           "n = int(sys.argv[2])\n"
                           "im.draft('RGB', ((im.width + n - 1) // n, (im.height + n - 1) // n))\n"
                           "im = im.convert('RGB')\n"
                           "sys.stdout.buffer.write(b'%d %d\\n' % im.size + im.tobytes())\n"),
            {Path("baseline.jpg"), QString::number(denominator)});
        const qsizetype newline = output.indexOf('\n');
        const QImage pillow(reinterpret_cast<const uchar*>(output.constData() + newline + 1), ours.width(),
                            ours.height(), ours.width() * 3, QImage::Format_RGB888);
        EXPECT_EQ(output.left(newline), QByteArray::number(ours.width()) + ' ' + QByteArray::number(ours.height()));
        EXPECT_TRUE(SamePixels(ours, pillow));
    }
    EXPECT_EQ(ScaledJPEGSize(QSize(3001, 999), 8), QSize(376, 125));
}

TEST_F(JpegFiles, CmykAndLosslessFilesAreRefusedAndTheImageKept)
{
    QByteArray lossless = Bytes("baseline.jpg");
    lossless[FrameOffset(lossless) + 1] = char(0xC3);
    TSafetyJPEGImage image;
    image.LoadFromBytes(Bytes("baseline.jpg"));
    for (const QByteArray& data : {Bytes("cmyk.jpg"), lossless}) {
        try {
            image.LoadFromBytes(data);
            ADD_FAILURE() << "accepted";
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("未対応のJPEG形式です"));
        }
        EXPECT_EQ(image.SaveToBytes(), Bytes("baseline.jpg"));
    }
}

TEST_F(JpegFiles, OversizedOrDamagedPicturesFailToDecode)
{
    QByteArray huge = Bytes("baseline.jpg");
    const qsizetype frame = FrameOffset(huge);
    huge.replace(frame + 5, 4, QByteArray::fromHex("4E204E20")); // 20000 x 20000
    EXPECT_EQ(CheckJPEGHeader(huge).Width, 20000);
    EXPECT_THROW(DecodeJPEG(huge), EAppError);
    EXPECT_EQ(DecodeJPEG(huge, 8).size(), QSize(2500, 2500)); // within bounds at 1/8

    const QByteArray headerOnly = Bytes("baseline.jpg").left(FrameOffset(huge) + 19); // no scan at all
    EXPECT_NO_THROW(CheckJPEGHeader(headerOnly));
    EXPECT_THROW(DecodeJPEG(headerOnly), EAppError);
}

TEST_F(JpegFiles, ImageClassDecodesLazilyAtItsScale)
{
    TSafetyJPEGImage image;
    image.LoadFromBytes(Bytes("progressive.jpg"));
    EXPECT_EQ(QSize(image.Width(), image.Height()), QSize(120, 80));
    image.SetScale(TJPEGScale::jsQuarter);
    EXPECT_EQ(QSize(image.Width(), image.Height()), QSize(30, 20));
    EXPECT_EQ(image.DecodedImage().size(), QSize(30, 20));
    EXPECT_EQ(image.FullSize(), QSize(120, 80));
    EXPECT_FALSE(image.Grayscale());
}

TEST_F(JpegFiles, BitmapsCompressIntoJpegsPillowReads)
{
    TSafetyBitmap bitmap;
    bitmap.SetImage(picturetest::TestPattern(50, 30));
    TSafetyJPEGImage jpeg;
    jpeg.Assign(bitmap);
    const QString path = Path("ours.jpg");
    testsupport::WriteFileBytes(path, jpeg.SaveToBytes());
    EXPECT_TRUE(SamePixels(jpeg.DecodedImage(), picturetest::PillowPixels(path)));
    // Compression keeps the picture close to the original.
    const QImage decoded = jpeg.DecodedImage().convertToFormat(QImage::Format_RGB32);
    const QImage original = bitmap.Image().convertToFormat(QImage::Format_RGB32);
    EXPECT_NEAR(qRed(decoded.pixel(25, 15)), qRed(original.pixel(25, 15)), 12);

    TSafetyJPEGImage grey;
    grey.Compress(picturetest::TestPattern(16, 16).convertToFormat(QImage::Format_Grayscale8));
    EXPECT_TRUE(grey.Grayscale());
    // And back: a bitmap assigned from a JPEG takes its decoded pixels.
    TSafetyBitmap fromJpeg;
    fromJpeg.Assign(grey);
    EXPECT_EQ(fromJpeg.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_TRUE(SamePixels(fromJpeg.Image(), grey.DecodedImage()));
}
