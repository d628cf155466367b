#include "core/error.h"
#include "graphics/picture/load_image_file.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"
#include "picture_test_helpers.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Large pictures from Pillow: a 3000 x 1000 JPEG (left third red, middle green, right third
// blue), a 2000 x 1000 PNG of the same kind, and a small JPEG.
constexpr char kMakeLarge[] = R"(
import sys
from PIL import Image
d = sys.argv[1]
def thirds(w, h):
    im = Image.new('RGB', (w, h), (0, 0, 255))
    im.paste((255, 0, 0), (0, 0, w // 3, h))
    im.paste((0, 255, 0), (w // 3, 0, 2 * w // 3, h))
    return im
thirds(3000, 1000).save(d + '/wide.jpg', quality=90)
thirds(2000, 1000).save(d + '/wide.png')
thirds(1000, 3000).save(d + '/tall.jpg', quality=90)
thirds(300, 100).save(d + '/small.jpg', quality=90)
)";

class LargePictures : public picturetest::TScriptMadeFiles<kMakeLarge> {};

void ExpectColourNear(const QImage& image, int x, int y, QRgb expected)
{
    const QRgb actual = image.pixel(x, y);
    EXPECT_NEAR(qRed(actual), qRed(expected), 8) << x << ", " << y;
    EXPECT_NEAR(qGreen(actual), qGreen(expected), 8) << x << ", " << y;
    EXPECT_NEAR(qBlue(actual), qBlue(expected), 8) << x << ", " << y;
}

} // namespace

TEST(ImageLimit, SizesAndDecodingScales)
{
    EXPECT_EQ(SizeWithinLimit(QSize(3000, 1000), 1500), QSize(1500, 500));
    EXPECT_EQ(SizeWithinLimit(QSize(1000, 3000), 1500), QSize(500, 1500));
    EXPECT_EQ(SizeWithinLimit(QSize(4000, 3000), 1500), QSize(1500, 1125));
    EXPECT_EQ(SizeWithinLimit(QSize(100000, 10), 1500), QSize(1500, 1));

    struct Case {
        QSize full;
        QSize target;
        int scale;
    };
    const Case cases[] = {
        {{3000, 1000}, {1500, 500}, 2},   {{4000, 3000}, {1500, 1125}, 2}, {{12000, 9000}, {1500, 1125}, 8},
        {{6000, 4500}, {1500, 1125}, 4},  {{1600, 1600}, {1500, 1500}, 1}, {{3001, 1001}, {1500, 500}, 2},
        {{11993, 100}, {1500, 13}, 8}, {{11992, 100}, {1500, 13}, 4},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JPEGScaleFor(c.full, c.target), c.scale) << c.full.width() << "x" << c.full.height();
}

TEST_F(LargePictures, WideJpegWithLimitBecomesA24BitBitmapThatFits)
{
    TPictureEx picture;
    LoadImageFile(picture, Path("wide.jpg"), kDefaultImageLimitSize);
    const auto* bitmap = dynamic_cast<TSafetyBitmap*>(picture.Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->PixelFormat(), TPixelFormat::pf24bit);
    EXPECT_EQ(bitmap->Image().format(), QImage::Format_BGR888);
    EXPECT_EQ(QSize(picture.Width(), picture.Height()), QSize(1500, 500));
    EXPECT_EQ(picture.ImageID(), Path("wide.jpg"));
    ExpectColourNear(bitmap->Image(), 250, 250, qRgb(255, 0, 0));
    ExpectColourNear(bitmap->Image(), 750, 250, qRgb(0, 255, 0));
    ExpectColourNear(bitmap->Image(), 1250, 250, qRgb(0, 0, 255));

    LoadImageFile(picture, Path("tall.jpg"), kDefaultImageLimitSize);
    EXPECT_EQ(QSize(picture.Width(), picture.Height()), QSize(500, 1500));
}

TEST_F(LargePictures, WithoutLimitOrWithinItTheFileStaysAsItIs)
{
    TPictureEx picture;
    LoadImageFile(picture, Path("wide.jpg"));
    const auto* jpeg = dynamic_cast<TSafetyJPEGImage*>(picture.Graphic());
    ASSERT_NE(jpeg, nullptr);
    EXPECT_EQ(QSize(picture.Width(), picture.Height()), QSize(3000, 1000));
    EXPECT_EQ(jpeg->SaveToBytes(), testsupport::ReadFileBytes(Path("wide.jpg")));

    LoadImageFile(picture, Path("small.jpg"), kDefaultImageLimitSize);
    EXPECT_NE(dynamic_cast<TSafetyJPEGImage*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.ImageID(), Path("small.jpg"));
}

TEST_F(LargePictures, OtherFormatsAreReducedToo)
{
    TPictureEx picture;
    LoadImageFile(picture, Path("wide.png"), 1000);
    const auto* bitmap = dynamic_cast<TSafetyBitmap*>(picture.Graphic());
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Image().size(), QSize(1000, 500));
    ExpectColourNear(bitmap->Image(), 100, 100, qRgb(255, 0, 0));
    ExpectColourNear(bitmap->Image(), 900, 100, qRgb(0, 0, 255));
}

TEST_F(LargePictures, AnyFailureIsReportedAndLeavesThePictureAlone)
{
    QByteArray corrupt = testsupport::ReadFileBytes(Path("small.jpg"));
    corrupt.truncate(corrupt.indexOf(QByteArray::fromHex("FFDA"))); // header without any scan
    testsupport::WriteFileBytes(Path("corrupt.jpg"), corrupt);
    testsupport::WriteFileBytes(Path("photo.pcd"), QByteArray(2048, '\0'));
    testsupport::WriteFileBytes(Path("fake.bmp"), "BMnot really");
    testsupport::WriteFileBytes(Path("readme.txt"), "text");

    TPictureEx picture;
    LoadImageFile(picture, Path("small.jpg"));
    const TGraphic* before = picture.Graphic();
    for (const char* name : {"corrupt.jpg", "photo.pcd", "fake.bmp", "readme.txt", "missing.png"}) {
        SCOPED_TRACE(name);
        for (int limit : {kImageUnlimited, kDefaultImageLimitSize}) {
            try {
                LoadImageFile(picture, Path(name), limit);
                ADD_FAILURE() << "loaded";
            } catch (const EAppError& error) {
                EXPECT_EQ(error.Message(), QStringLiteral("イメージの読み込みに失敗しました"));
            }
            EXPECT_EQ(picture.Graphic(), before);
            EXPECT_EQ(picture.ImageID(), Path("small.jpg"));
        }
    }
}
