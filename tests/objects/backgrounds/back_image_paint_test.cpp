// The background's paint: the face outline with its band and white hole, the covering
// picture, and the wash, checked pixel by pixel at 254 dpi (one logical unit per pixel).
#include "objects/backgrounds/background_fixtures.h"

#include "graphics/color/color_fill.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image.h"
#include "objects/backgrounds/wash.h"

#include <QProcess>
#include <QTemporaryDir>

using namespace backgrounds_test;

namespace {

constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;

class BackImagePaint : public testing::Test {
protected:
    void SetUp() override { RegisterClasses(); }
};

QImage Paint(TLOBackImage& object, int width, int height, int left = 0, int top = 0)
{
    TUnitCanvas target(width, height, left, top);
    object.PaintTo(*target.Canvas);
    target.Canvas.reset();
    return target.Image.convertToFormat(QImage::Format_RGB32);
}

std::unique_ptr<TLOBackImage> DiscBackground(int frameWidth)
{
    auto object = std::make_unique<TLOBackImage>();
    object->SetFace(Disc(1200), 1200, 1200);
    object->FillColor()->SetColor(clRed);
    object->FrameColor()->SetColor(clBlue);
    object->SetFrameWidth(frameWidth);
    return object;
}

// A grey map: white in a border of a quarter of each side, black in the middle.
QImage CornerMap(int width, int height)
{
    QImage map(width, height, QImage::Format_Grayscale8);
    map.fill(255);
    for (int y = height / 4; y < height * 3 / 4; ++y)
        for (int x = width / 4; x < width * 3 / 4; ++x)
            map.scanLine(y)[x] = 0;
    return map;
}

// A background with a wash on a rectangular face: fill, wash colour and map as given.
std::unique_ptr<TLOBackImage> Washed(int width, int height, const QImage& map, int ratio)
{
    auto object = std::make_unique<TLOBackImage>();
    object->SetFace(RectFace(width, height), width, height);
    object->FillColor()->SetColor(0x3264C8); // red 200, green 100, blue 50
    object->BlendColor()->SetColor(clBlack);
    SetPicture(*object->BlendPicture(), map);
    object->SetBlendRatio(ratio);
    return object;
}

} // namespace

TEST_F(BackImagePaint, DiscWithBandHasTheBandAlongTheEdgeAndAWhiteHole)
{
    auto object = DiscBackground(50);
    const QImage image = Paint(*object, 1200, 1200);
    EXPECT_EQ(image.pixel(600, 20), kBlue);
    EXPECT_EQ(image.pixel(600, 45), kBlue);
    EXPECT_EQ(image.pixel(600, 56), kRed);
    EXPECT_EQ(image.pixel(20, 600), kBlue);
    EXPECT_EQ(image.pixel(1180, 600), kBlue);
    EXPECT_EQ(image.pixel(600, 300), kRed);
    EXPECT_EQ(image.pixel(600, 600), kWhite); // the hole
    EXPECT_EQ(image.pixel(600, 600 - 190), kWhite);
    EXPECT_EQ(image.pixel(600, 600 - 220), kRed);
    EXPECT_EQ(image.pixel(5, 5), kWhite); // outside the disc
    EXPECT_EQ(image.pixel(1194, 1194), kWhite);
}

TEST_F(BackImagePaint, BandWiderThanHalfTheFaceMakesTheWholeFaceBand)
{
    auto object = DiscBackground(700);
    const QImage image = Paint(*object, 1200, 1200);
    for (const QPoint p : {QPoint(600, 20), QPoint(600, 300), QPoint(300, 600), QPoint(600, 350)})
        EXPECT_EQ(image.pixel(p), kBlue) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(600, 600), kWhite);
    EXPECT_EQ(image.pixel(5, 5), kWhite);
}

TEST_F(BackImagePaint, UntiledPictureIsScaledToCoverAndCentred)
{
    auto object = std::make_unique<TLOBackImage>();
    object->SetFace(RectFace(1200, 1200), 1200, 1200);
    object->FillColor()->SetKind(cskBitmap);
    // Black columns at both ends (cut off when the picture covers the face), red then green
    // and blue inside.
    QImage picture(400, 300, QImage::Format_BGR888);
    for (int x = 0; x < 400; ++x) {
        const QRgb colour = x < 50 || x >= 350 ? 0xFF000000 : x < 100 ? kRed : x < 300 ? 0xFF00FF00 : kBlue;
        for (int y = 0; y < 300; ++y)
            picture.setPixel(x, y, colour);
    }
    SetPicture(*object->FillColor()->ImageData()->Picture(), picture);
    const QImage image = Paint(*object, 1200, 1200);
    for (int x = 0; x < 1200; x += 7)
        EXPECT_NE(image.pixel(x, 600) & 0xFFFFFF, 0u) << x;
    EXPECT_EQ(image.pixel(100, 10), kRed);
    EXPECT_EQ(image.pixel(600, 1190), 0xFF00FF00);
    EXPECT_EQ(image.pixel(1100, 600), kBlue);
}

TEST_F(BackImagePaint, WashDarkensWhereTheMapIsWhiteByTheRatio)
{
    auto object = Washed(400, 400, CornerMap(400, 400), 50);
    const QImage image = Paint(*object, 400, 400);
    // a = MulDiv(255, 50, 100) = 128: 200 - trunc(128 * 200 / 255) = 100, and so on.
    EXPECT_EQ(image.pixel(10, 10), qRgb(100, 50, 25));
    EXPECT_EQ(image.pixel(390, 390), qRgb(100, 50, 25));
    EXPECT_EQ(image.pixel(200, 200), qRgb(200, 100, 50));
}

TEST_F(BackImagePaint, WashInTwoBandsEqualsTheWashWhole)
{
    // A small map stretched over the face, so that every band resamples a window of it.
    QImage map(37, 53, QImage::Format_Grayscale8);
    for (int y = 0; y < 53; ++y)
        for (int x = 0; x < 37; ++x)
            map.scanLine(y)[x] = uchar((x * 7 + y * 5) % 256);
    auto object = Washed(600, 801, map, 70);
    object->SetFaceInfo(Disc(600)); // the band boundary crosses the clip too
    const QImage whole = Paint(*object, 600, 801);
    const QImage upper = Paint(*object, 600, 400, 0, 0);
    const QImage lower = Paint(*object, 600, 401, 0, 400);
    EXPECT_EQ(whole.copy(0, 0, 600, 400), upper);
    EXPECT_EQ(whole.copy(0, 400, 600, 401), lower);
}

TEST_F(BackImagePaint, ColourMapIsUsedByItsGreyLevels)
{
    QImage colour(2, 1, QImage::Format_BGR888);
    colour.setPixel(0, 0, qRgb(255, 0, 0));
    colour.setPixel(1, 0, qRgb(10, 200, 30));
    TPictureEx picture;
    SetPicture(picture, colour);
    const QImage map = WashMap(picture);
    ASSERT_EQ(map.format(), QImage::Format_Grayscale8);
    EXPECT_EQ(map.constScanLine(0)[0], 76);  // 0.299 * 255
    EXPECT_EQ(map.constScanLine(0)[1], 124); // 0.299 * 10 + 0.587 * 200 + 0.114 * 30

    QImage indexed(1, 1, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(0, 0, 0), qRgb(90, 90, 90)});
    indexed.setPixel(0, 0, 1);
    SetPicture(picture, indexed);
    EXPECT_EQ(WashMap(picture).constScanLine(0)[0], 90);
}

TEST_F(BackImagePaint, WashEqualsAnIndependentPillowComposite)
{
    QTemporaryDir dir;
    const int w = 240, h = 180;
    QImage fill(w, h, QImage::Format_BGR888);
    QImage map(w, h, QImage::Format_Grayscale8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            fill.setPixel(x, y, qRgb(x, y, (x * y) % 256));
            map.scanLine(y)[x] = uchar((x * 3 + y * 11) % 256);
        }
    auto object = std::make_unique<TLOBackImage>();
    object->SetFace(RectFace(w, h), w, h);
    object->FillColor()->SetKind(cskBitmap);
    SetPicture(*object->FillColor()->ImageData()->Picture(), fill);
    object->BlendColor()->SetColor(0x4080C0);
    SetPicture(*object->BlendPicture(), map);
    object->SetBlendRatio(50);
    const QImage ours = Paint(*object, w, h);

    ASSERT_TRUE(fill.save(dir.filePath("fill.png")));
    ASSERT_TRUE(map.save(dir.filePath("map.png")));
    const QString script = QStringLiteral(LUMAREST_SOURCE_DIR "/tests/objects/backgrounds/wash_composite.py");
    const int code = QProcess::execute(QStringLiteral("/usr/bin/python3"),
                                       {script, dir.filePath("fill.png"), dir.filePath("map.png"),
                                        QStringLiteral("192,128,64"), QStringLiteral("50"), dir.filePath("out.png")});
    ASSERT_EQ(code, 0);
    const QImage peer = QImage(dir.filePath("out.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(peer.size(), ours.size());
    int worst = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb a = ours.pixel(x, y), b = peer.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                              std::abs(qBlue(a) - qBlue(b))});
        }
    EXPECT_LE(worst, 1);
}
