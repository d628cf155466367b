#include "core/error.h"
#include "core/canvas/memory_canvas.h"
#include "core/stream/component_stream.h"
#include "core/stream/writer.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_wrapper.h"
#include "graphics/color/gradation_colors.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/bmp_writer.h"
#include "graphics/picture/metafile.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "wrapped_fill.h"
#include "support/notifications.h"

#include <QBuffer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

using testsupport::NotificationsDuring;

using colortest::ReadWrapped;
using colortest::WrappedBytes;

// A wrapper record written property by property, as older versions wrote them.
QByteArray WrapperStream(const std::function<void(TWriter&)>& properties)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    TWriter writer(buffer);
    writer.WriteBytes("TPF0");
    writer.WriteShortString("TColorSpecWrapper");
    writer.WriteShortString("");
    properties(writer);
    writer.WriteListEnd();
    writer.WriteListEnd();
    writer.Flush();
    return buffer.data();
}

std::unique_ptr<TSafetyBitmap> Bitmap(const QImage& image)
{
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    return bitmap;
}

// A bitmap whose left half is red and right half blue.
QImage Halves(int width, int height)
{
    QImage image(width, height, QImage::Format_BGR888);
    image.fill(Qt::red);
    for (int y = 0; y < height; ++y)
        for (int x = width / 2; x < width; ++x)
            image.setPixel(x, y, qRgb(0, 0, 255));
    return image;
}

QImage Canvas(int width, int height, QRgb fill = qRgb(255, 255, 255))
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage Filled(const TColorSpec& spec, QImage image, const TRect& rect, bool invert = false)
{
    TMemoryCanvas canvas(image);
    spec.Fill(canvas, rect, invert);
    return image;
}

} // namespace

TEST(ColorSpec, DefaultsAndTheirEmptyStream)
{
    TColorSpec spec;
    EXPECT_EQ(spec.Color(), clBlack);
    EXPECT_EQ(spec.Style(), bsSolid);
    EXPECT_EQ(spec.Kind(), cskSolid);
    EXPECT_FALSE(spec.Tile());
    EXPECT_FALSE(spec.TileShift());
    EXPECT_EQ(spec.GradAngle(), 270);
    EXPECT_EQ(spec.GradKind(), rgkSimple);
    EXPECT_EQ(spec.GradDir(), rgdLeftToRight);
    EXPECT_EQ(spec.GradColors()->Colors(), (std::vector<TColor>{0xFFFFFF, 0x000000}));
    EXPECT_EQ(spec.GradColors()->RepeatCount(), 1);
    // Nothing at all is written: no colour, no image data, no gradient, no colour list.
    EXPECT_EQ(WrappedBytes(spec), QByteArray("TPF0\x11TColorSpecWrapper\x00\x00\x00", 4 + 18 + 3));
}

TEST(ColorSpec, GradientRoundTrip)
{
    TColorSpec spec;
    spec.SetKind(cskGradation);
    spec.SetGradAngle(-45);
    spec.SetGradKind(rgkConeClockwise);
    spec.GradColors()->SetColors({0x0000FF, 0x00FF00, 0xFF0000});
    spec.GradColors()->SetRepeatCount(2);
    spec.SetColor(0x123456);
    spec.SetStyle(bsDiagCross);
    spec.SetTile(true);
    spec.SetTileShift(true);
    const QByteArray data = WrappedBytes(spec);
    EXPECT_TRUE(data.contains("GradColors.Colors"));
    EXPECT_TRUE(data.contains("GradColors.RepeatCount"));
    TColorSpec back;
    ReadWrapped(data, back);
    EXPECT_EQ(back.Kind(), cskGradation);
    EXPECT_EQ(back.GradAngle(), -45);
    EXPECT_EQ(back.GradKind(), rgkConeClockwise);
    EXPECT_EQ(back.GradColors()->Colors(), spec.GradColors()->Colors());
    EXPECT_EQ(back.GradColors()->RepeatCount(), 2);
    EXPECT_EQ(back.Color(), 0x123456);
    EXPECT_EQ(back.Style(), bsDiagCross);
    EXPECT_TRUE(back.Tile());
    EXPECT_TRUE(back.TileShift());
    EXPECT_EQ(WrappedBytes(back), data);
}

TEST(ColorSpec, BitmapKindWithoutPictureIsSolid)
{
    TColorSpec spec;
    spec.SetColor(0x0000FF);
    spec.SetKind(cskBitmap);
    EXPECT_EQ(spec.StoredKind(), cskBitmap);
    EXPECT_EQ(spec.Kind(), cskSolid);
    TColorSpec back;
    back.SetKind(cskGradation);
    ReadWrapped(WrappedBytes(spec), back);
    EXPECT_EQ(back.Kind(), cskSolid);
    EXPECT_EQ(back.StoredKind(), cskSolid);
    EXPECT_EQ(Filled(back, Canvas(4, 4), TRect(0, 0, 4, 4)).pixel(2, 2), qRgb(255, 0, 0));
    // With a picture the kind is a bitmap, and the picture comes back.
    spec.ImageData()->Picture()->SetGraphic(Bitmap(Halves(4, 2)));
    EXPECT_EQ(spec.Kind(), cskBitmap);
    ReadWrapped(WrappedBytes(spec), back);
    EXPECT_EQ(back.Kind(), cskBitmap);
    EXPECT_EQ(Filled(back, Canvas(4, 2), TRect(0, 0, 4, 2)).pixel(3, 1), qRgb(0, 0, 255));
}

TEST(ColorSpec, AssignCopiesTheGradientOnlyForAGradation)
{
    TColorSpec gradient;
    gradient.SetKind(cskGradation);
    gradient.SetGradAngle(90);
    gradient.SetGradKind(rgkCircleToRim);
    gradient.GradColors()->SetColors({1, 2, 3});

    TColorSpec target;
    EXPECT_EQ(NotificationsDuring(target, [&] { target.Assign(gradient); }), 1);
    EXPECT_EQ(target.Kind(), cskGradation);
    EXPECT_EQ(target.GradAngle(), 90);
    EXPECT_EQ(target.GradKind(), rgkCircleToRim);
    EXPECT_EQ(target.GradColors()->Colors(), (std::vector<TColor>{1, 2, 3}));

    // A solid source with gradient settings of its own: they are not copied.
    TColorSpec solid;
    solid.SetColor(0x00FF00);
    solid.SetGradAngle(10);
    solid.GradColors()->SetColors({7});
    EXPECT_EQ(NotificationsDuring(target, [&] { target.Assign(solid); }), 1);
    EXPECT_EQ(target.Kind(), cskSolid);
    EXPECT_EQ(target.Color(), 0x00FF00);
    EXPECT_EQ(target.GradAngle(), 90);
    EXPECT_EQ(target.GradColors()->Colors(), (std::vector<TColor>{1, 2, 3}));

    // A bitmap source whose picture is empty assigns the solid kind: the kind is taken as the
    // source answers it, before the image data.
    TColorSpec emptyBitmap;
    emptyBitmap.SetKind(cskBitmap);
    target.Assign(emptyBitmap);
    EXPECT_EQ(target.StoredKind(), cskSolid);

    TColorSpec bitmap;
    bitmap.SetKind(cskBitmap);
    bitmap.ImageData()->Picture()->SetGraphic(Bitmap(Halves(2, 2)));
    target.Assign(bitmap);
    EXPECT_EQ(target.Kind(), cskBitmap);
    EXPECT_EQ(target.ImageData()->Picture()->Width(), 2);

    TGradationColors notASpec;
    try {
        target.Assign(notASpec);
        ADD_FAILURE() << "assigned from another class";
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("TGradationColors を TColorSpec に代入できません"));
    }
}

TEST(ColorSpec, ChangesOfItsPartsAreItsChanges)
{
    TColorSpec spec;
    TColorSpec* sender = nullptr;
    int calls = 0;
    spec.SetOnChange([&](TColorSpec* from) {
        sender = from;
        ++calls;
    });
    EXPECT_EQ(NotificationsDuring(spec, [&] { spec.SetColor(clBlack); }), 0);
    EXPECT_EQ(NotificationsDuring(spec, [&] { spec.SetColor(clRed); }), 1);
    EXPECT_EQ(NotificationsDuring(spec, [&] { spec.GradColors()->SetColor(0, 5); }), 1);
    EXPECT_EQ(NotificationsDuring(spec, [&] { spec.ImageData()->SetTransparentColor(1); }), 1);
    EXPECT_EQ(NotificationsDuring(spec, [&] { spec.SetGradDir(rgdRimToCenter); }), 1);
    EXPECT_EQ(calls, 4);
    EXPECT_EQ(sender, &spec);
}

TEST(ColorSpec, LegacyDirections)
{
    const struct {
        int direction;
        rgGradationKind kind;
        int angle;
    } cases[] = {
        {rgdLeftToRight, rgkSimple, 270},          {rgdRightToLeft, rgkSimple, 90},
        {rgdTopToBottom, rgkSimple, 0},            {rgdBottomToTop, rgkSimple, 180},
        {rgdLeftTopToRightBottom, rgkSimple, 315}, {rgdRightTopToLeftBottom, rgkSimple, 45},
        {rgdRightBottomToLeftTop, rgkSimple, 135}, {rgdLeftBottomToRightTop, rgkSimple, 225},
        {rgdCenterToRim, rgkBoxToRim, 0},          {rgdRimToCenter, rgkBoxToCenter, 0},
        {0x80 | rgdBottomToTop, rgkSimple, 180}, // the top bit is ignored
    };
    for (const auto& c : cases) {
        TColorSpec spec;
        spec.SetGradAngle(33);
        spec.SetGradDir(c.direction);
        EXPECT_EQ(spec.GradKind(), c.kind) << c.direction;
        EXPECT_EQ(spec.GradAngle(), c.angle) << c.direction;
        EXPECT_EQ(spec.GradDir(), rgGradationDir(c.direction & 0x7F));
    }
    TColorSpec spec;
    spec.SetGradKind(rgkCircleToRim);
    EXPECT_EQ(spec.GradDir(), rgdLeftToRight);
    spec.SetGradKind(rgkSimple);
    spec.SetGradAngle(10);
    EXPECT_EQ(spec.GradDir(), rgdLeftToRight);
    spec.SetGradDir(42); // no such direction: nothing changes
    EXPECT_EQ(spec.GradAngle(), 10);
}

TEST(ColorSpec, LegacyPropertiesAreRead)
{
    QImage image = Halves(4, 2);
    const QByteArray bmp = WriteBmp(image, TPixelFormat::pf24bit);
    QByteArray bitmapData(4, '\0');
    qToLittleEndian<quint32>(quint32(bmp.size()), bitmapData.data());
    bitmapData += bmp;
    const QByteArray data = WrapperStream([&](TWriter& writer) {
        writer.WriteShortString("ColorSpec.Kind");
        writer.WriteIdent("cskGradation");
        writer.WriteShortString("ColorSpec.GradDir");
        writer.WriteIdent("rgdTopToBottom");
        writer.WriteShortString("ColorSpec.GradColNum");
        writer.WriteInteger(3);
        writer.WriteShortString("ColorSpec.GradColor2");
        writer.WriteIdent("clRed");
        writer.WriteShortString("ColorSpec.GradColor5");
        writer.WriteInteger(0x123456);
        writer.WriteShortString("ColorSpec.Bitmap.Data");
        writer.WriteBinary(bitmapData);
    });
    TColorSpec spec;
    ReadWrapped(data, spec);
    EXPECT_EQ(spec.GradKind(), rgkSimple);
    EXPECT_EQ(spec.GradAngle(), 0);
    EXPECT_EQ(spec.GradColors()->Colors(), (std::vector<TColor>{0xFFFFFF, 0x000000, 0x0000FF}));
    EXPECT_EQ(spec.GradColNum(), 3);
    EXPECT_EQ(spec.GradColorAt<2>(), 0x0000FF);
    EXPECT_EQ(spec.ImageData()->Picture()->Width(), 4);
    // None of them is written back.
    const QByteArray written = WrappedBytes(spec);
    for (const char* legacy : {"GradDir", "GradColNum", "GradColor0", "GradColor2", "Bitmap.Data"})
        EXPECT_FALSE(written.contains(legacy)) << legacy;
    try {
        spec.GradColorAt<5>();
        ADD_FAILURE() << "read beyond the colour list";
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("範囲チェック エラー"));
    }
}

TEST(ColorSpec, LegacyBitmapKeepsAnEmptyPictureEmptyAndRefusesShortData)
{
    const QByteArray empty = WrapperStream([](TWriter& writer) {
        writer.WriteShortString("ColorSpec.Bitmap.Data");
        writer.WriteBinary(QByteArray(4, '\0'));
    });
    TColorSpecWrapper wrapper;
    TColorSpec& spec = *wrapper.ColorSpec();
    const int changes = NotificationsDuring(spec, [&] {
        QBuffer buffer;
        buffer.setData(empty);
        buffer.open(QIODevice::ReadOnly);
        ReadComponent(buffer, wrapper);
    });
    EXPECT_EQ(spec.ImageData()->Picture()->Graphic(), nullptr);
    EXPECT_EQ(changes, 0);
    const QByteArray truncated = WrapperStream([](TWriter& writer) {
        writer.WriteShortString("ColorSpec.Bitmap.Data");
        writer.WriteBinary(QByteArray("\x10\x00\x00\x00BM", 6));
    });
    try {
        ReadWrapped(truncated, spec);
        ADD_FAILURE() << "a bitmap longer than its data was read";
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("ストリームからの読み込みエラー"));
    }
}

TEST(ColorSpec, SolidFill)
{
    TColorSpec spec;
    spec.SetColor(0x00FF00);
    const QImage green = Filled(spec, Canvas(6, 6), TRect(1, 1, 5, 5));
    EXPECT_EQ(green.pixel(1, 1), qRgb(0, 255, 0));
    EXPECT_EQ(green.pixel(4, 4), qRgb(0, 255, 0));
    EXPECT_EQ(green.pixel(5, 5), qRgb(255, 255, 255));
    // XORed: white ^ green = magenta.
    EXPECT_EQ(Filled(spec, Canvas(6, 6), TRect(0, 0, 6, 6), true).pixel(3, 3), qRgb(255, 0, 255));
    spec.SetStyle(bsClear);
    EXPECT_EQ(Filled(spec, Canvas(6, 6), TRect(0, 0, 6, 6)), Canvas(6, 6));
    spec.SetStyle(bsHorizontal);
    const QImage hatched = Filled(spec, Canvas(16, 16), TRect(0, 0, 16, 16));
    int coloured = 0;
    for (int y = 0; y < 16; ++y)
        coloured += hatched.pixel(5, y) == qRgb(0, 255, 0);
    EXPECT_GT(coloured, 0);
    EXPECT_LT(coloured, 16);
    spec.SetStyle(bsSolid);
    spec.SetColor(clNone);
    EXPECT_EQ(Filled(spec, Canvas(6, 6), TRect(0, 0, 6, 6)), Canvas(6, 6));
}

TEST(ColorSpec, FillKeepsTheCanvasState)
{
    TColorSpec spec;
    spec.SetKind(cskGradation);
    QImage image = Canvas(8, 8);
    TMemoryCanvas canvas(image);
    canvas.Painter().setBrush(Qt::blue);
    canvas.Painter().setPen(Qt::red);
    spec.Fill(canvas, TRect(0, 0, 8, 8), true);
    spec.SetKind(cskSolid);
    spec.Fill(canvas, TRect(0, 0, 8, 8), true);
    EXPECT_EQ(canvas.Painter().brush().color(), QColor(Qt::blue));
    EXPECT_EQ(canvas.Painter().pen().color(), QColor(Qt::red));
    EXPECT_EQ(canvas.Painter().compositionMode(), QPainter::CompositionMode_SourceOver);
}

TEST(ColorSpec, TilesFromTheTopLeftUnclipped)
{
    // A 3 x 2 tile, red in column 0 and blue elsewhere, in a rectangle of 8 x 5 on a 12 x 6
    // canvas: tiles start at x = 0, 3, 6 (the last reaching x = 8 outside the rectangle) and
    // y = 0, 2, 4.
    QImage tile(3, 2, QImage::Format_BGR888);
    tile.fill(QColor(0, 0, 255));
    tile.setPixel(0, 0, qRgb(255, 0, 0));
    tile.setPixel(0, 1, qRgb(255, 0, 0));
    TColorSpec spec;
    spec.SetKind(cskBitmap);
    spec.SetTile(true);
    spec.ImageData()->Picture()->SetGraphic(Bitmap(tile));
    const QImage plain = Filled(spec, Canvas(12, 6), TRect(0, 0, 8, 5));
    for (int x : {0, 3, 6})
        EXPECT_EQ(plain.pixel(x, 4), qRgb(255, 0, 0)) << x;
    EXPECT_EQ(plain.pixel(8, 5), qRgb(0, 0, 255));
    EXPECT_EQ(plain.pixel(9, 0), qRgb(255, 255, 255));
    // Shifted: rows 1 and 3 start at -(3 + 1) div 2 = -2, so their red columns are 1, 4, 7.
    spec.SetTileShift(true);
    const QImage shifted = Filled(spec, Canvas(12, 6), TRect(0, 0, 8, 5));
    for (int x : {1, 4, 7})
        EXPECT_EQ(shifted.pixel(x, 2), qRgb(255, 0, 0)) << x;
    EXPECT_EQ(shifted.pixel(0, 2), qRgb(0, 0, 255));
    EXPECT_EQ(shifted.pixel(9, 3), qRgb(0, 0, 255));
    EXPECT_EQ(shifted.pixel(3, 4), qRgb(255, 0, 0));
}

TEST(ColorSpec, TileOfNoSizeDrawsNothing)
{
    // A plain metafile has no size, yet it is a picture.
    QByteArray wmf(18, '\0');
    wmf[0] = 1;
    wmf[2] = 9;
    auto metafile = std::make_unique<TMetafile>();
    metafile->LoadFromBytes(wmf);
    TColorSpec spec;
    spec.SetKind(cskBitmap);
    spec.SetTile(true);
    spec.ImageData()->Picture()->SetGraphic(std::move(metafile));
    ASSERT_EQ(spec.Kind(), cskBitmap);
    EXPECT_EQ(Filled(spec, Canvas(8, 8), TRect(0, 0, 8, 8)), Canvas(8, 8));
}

TEST(ColorSpec, SampleShowsACheckerboardUnderTheFill)
{
    TColorSpec spec;
    spec.SetStyle(bsClear);
    QImage image = Canvas(24, 24, qRgb(1, 2, 3));
    {
        TMemoryCanvas canvas(image);
        spec.DrawSample(canvas, TRect(0, 0, 24, 20));
    }
    const QRgb grey = qRgb(128, 128, 128);
    const QRgb white = qRgb(255, 255, 255);
    EXPECT_EQ(image.pixel(0, 0), grey);
    EXPECT_EQ(image.pixel(7, 7), grey);
    EXPECT_EQ(image.pixel(8, 0), white);
    EXPECT_EQ(image.pixel(0, 8), white);
    EXPECT_EQ(image.pixel(8, 8), grey);
    EXPECT_EQ(image.pixel(16, 16), grey);
    EXPECT_EQ(image.pixel(16, 19), grey);
    EXPECT_EQ(image.pixel(16, 20), qRgb(1, 2, 3));
    spec.SetStyle(bsSolid);
    spec.SetColor(0x0000FF);
    {
        TMemoryCanvas canvas(image);
        spec.DrawSample(canvas, TRect(0, 0, 24, 20));
    }
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(ColorSpec, SampleReducesATiledPicture)
{
    // A 40 x 20 picture, red on the left and blue on the right, cropped to its left quarter
    // (0, 0, 10, 5)... as seen at full size: the tile is 20 x 10 (the crop 0, 0, 20, 10).
    // In a 25 x 25 sample a landscape tile takes 2/5 of the width, 10 pixels: the picture is
    // halved and so is the crop, so every tile is red.
    TColorSpec spec;
    spec.SetKind(cskBitmap);
    spec.SetTile(true);
    spec.ImageData()->Picture()->SetGraphic(Bitmap(Halves(40, 20)));
    spec.ImageData()->ClipFilter()->SetClipRect(TRect(0, 0, 20, 10));
    QImage image = Canvas(25, 25);
    {
        TMemoryCanvas canvas(image);
        spec.DrawSample(canvas, TRect(0, 0, 25, 25));
    }
    for (int y = 0; y < 25; y += 3)
        for (int x = 0; x < 25; x += 3)
            EXPECT_EQ(image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
    // Without the crop a tile is 20 x 10 reduced to 10 x 5: red then blue, five pixels each.
    spec.ImageData()->ClipFilter()->SetClipRect(TRect(0, 0, 40, 20));
    {
        TMemoryCanvas canvas(image);
        spec.DrawSample(canvas, TRect(0, 0, 25, 25));
    }
    EXPECT_EQ(image.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(7, 2), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(12, 2), qRgb(255, 0, 0));
}

TEST(ColorSpec, SampleNeverEnlargesThePicture)
{
    // A 2 x 2 crop of a 3000 x 3000 picture in a 48 x 48 sample would need the picture
    // enlarged 9.6 times; the tile keeps its size instead.
    QImage big(3000, 3000, QImage::Format_BGR888);
    big.fill(QColor(0, 128, 0));
    TColorSpec spec;
    spec.SetKind(cskBitmap);
    spec.SetTile(true);
    spec.ImageData()->Picture()->SetGraphic(Bitmap(big));
    spec.ImageData()->ClipFilter()->SetClipRect(TRect(10, 10, 12, 12));
    QImage image = Canvas(48, 48);
    {
        TMemoryCanvas canvas(image);
        spec.DrawSample(canvas, TRect(0, 0, 48, 48));
    }
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 128, 0));
    EXPECT_EQ(image.pixel(47, 47), qRgb(0, 128, 0));
}

TEST(ColorSpec, PureColour)
{
    TColorSpec spec;
    QImage image = Canvas(2, 2);
    TMemoryCanvas canvas(image);
    spec.SetColor(0x336699);
    EXPECT_TRUE(spec.IsPureColor(canvas));
    spec.SetColor(0x02336699);
    EXPECT_FALSE(spec.IsPureColor(canvas));
    spec.SetColor(clWindow);
    EXPECT_FALSE(spec.IsPureColor(canvas));
    spec.SetColor(0x336699);
    spec.SetStyle(bsCross);
    EXPECT_FALSE(spec.IsPureColor(canvas));
    spec.SetStyle(bsSolid);
    spec.SetKind(cskGradation);
    EXPECT_FALSE(spec.IsPureColor(canvas));
}
