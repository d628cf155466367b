#include "graphics/picture/bmp_reader.h"
#include "graphics/picture/bmp_writer.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "picture_test_helpers.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using picturetest::SamePixels;

namespace {

const TPixelFormat kAllFormats[] = {TPixelFormat::pf1bit,  TPixelFormat::pf4bit,  TPixelFormat::pf8bit,
                                    TPixelFormat::pf15bit, TPixelFormat::pf16bit, TPixelFormat::pf24bit,
                                    TPixelFormat::pf32bit};

std::unique_ptr<TSafetyBitmap> BitmapIn(TPixelFormat format)
{
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(picturetest::TestPattern(37, 23));
    bitmap->SetPixelFormat(format);
    return bitmap;
}

} // namespace

TEST(BmpWriter, PillowReadsEveryPixelFormatWeWrite)
{
    QTemporaryDir dir;
    for (TPixelFormat format : kAllFormats) {
        SCOPED_TRACE(BitsPerPixel(format));
        const auto bitmap = BitmapIn(format);
        const QString path = dir.filePath(QStringLiteral("out%1.bmp").arg(int(format)));
        testsupport::WriteFileBytes(path, bitmap->SaveToBytes());
        EXPECT_TRUE(SamePixels(picturetest::ExpandLikePillow(bitmap->Image()), picturetest::PillowPixels(path)));
    }
}

TEST(BmpWriter, WhatWeWriteReadsBackUnchanged)
{
    for (TPixelFormat format : kAllFormats) {
        SCOPED_TRACE(BitsPerPixel(format));
        const auto bitmap = BitmapIn(format);
        const TDecodedBitmap back = ReadBmp(bitmap->SaveToBytes());
        EXPECT_EQ(back.PixelFormat, format);
        EXPECT_EQ(back.Image.format(), bitmap->Image().format());
        EXPECT_TRUE(SamePixels(back.Image, bitmap->Image()));
    }
    // Grey alpha maps are written with the grey palette.
    QImage grey(5, 3, QImage::Format_Grayscale8);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            grey.scanLine(y)[x] = uchar(x * 60 + y);
    const TDecodedBitmap back = ReadBmp(WriteBmp(grey, TPixelFormat::pf8bit));
    EXPECT_EQ(back.PixelFormat, TPixelFormat::pf8bit);
    EXPECT_TRUE(SamePixels(back.Image, grey));
}

TEST(BmpWriter, CompressedBitmapFileExpandsToABmpPillowReads)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("picture.CBM"));
    TPictureEx picture;
    picture.Bitmap().SetImage(picturetest::TestPattern(64, 40));
    picture.SaveToFile(path);
    picturetest::RunPython(
        QStringLiteral("import sys, struct, zlib\n"
                       "d = open(sys.argv[1], 'rb').read()\n"
                       "assert d[:13] == b'ZLIBCompress\\x1a'\n"
                       "bmp = zlib.decompress(d[17:])\n"
                       "assert len(bmp) == struct.unpack('<I', d[13:17])[0]\n"
                       "open(sys.argv[2], 'wb').write(bmp)\n"),
        {path, dir.filePath(QStringLiteral("expanded.bmp"))});
    EXPECT_TRUE(SamePixels(picture.Bitmap().Image(), picturetest::PillowPixels(dir.filePath(QStringLiteral("expanded.bmp")))));

    TPictureEx back;
    back.LoadFromFile(path);
    EXPECT_TRUE(SamePixels(back.Bitmap().Image(), picture.Bitmap().Image()));
}
