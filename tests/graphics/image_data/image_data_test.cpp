#include "core/persistent/component.h"
#include "core/error.h"
#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/color_fill_wrapper.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/effects.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/png_codec.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "../color/wrapped_fill.h"

#include <gtest/gtest.h>

namespace {

// A width x height 24-bit bitmap whose pixel (x, y) is RGB(10 x, 20 y, 200).
std::unique_ptr<TSafetyBitmap> Numbered(int width, int height)
{
    QImage image(width, height, QImage::Format_BGR888);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(10 * x, 20 * y, 200));
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    return bitmap;
}

QImage ProcessedImage(const TImageData& data)
{
    const TGraphic* graphic = data.ProcessedPicture().Graphic();
    return graphic ? graphic->ToImage().convertToFormat(QImage::Format_RGB32) : QImage();
}

// The ids an image data announces while the action runs.
std::vector<TNotifyId> Announced(TImageData& data, const std::function<void()>& action)
{
    std::vector<TNotifyId> ids;
    TListener listener([&](TObject* sender, const TNotifyId& id) {
        if (sender == &data)
            ids.push_back(id);
    });
    listener.Attach(&data.Broadcaster());
    action();
    return ids;
}

} // namespace

TEST(ImageData, EmptyUnlessAGraphicOrALink)
{
    TImageData data;
    EXPECT_TRUE(data.Empty());
    EXPECT_EQ(data.ProcessedPicture().Graphic(), nullptr);
    data.Picture()->SetGraphic(std::make_unique<TSafetyBitmap>());
    EXPECT_TRUE(data.Empty());
    data.Picture()->SetLinked(true);
    EXPECT_FALSE(data.Empty());
    data.Picture()->SetLinked(false);
    data.Picture()->SetGraphic(Numbered(2, 2));
    EXPECT_FALSE(data.Empty());
}

TEST(ImageData, NewPictureSizeResetsTheClipAndIsAnnouncedFirst)
{
    TImageData data;
    const auto ids = Announced(data, [&] { data.Picture()->SetGraphic(Numbered(4, 3)); });
    EXPECT_EQ(data.ClipFilter()->ClipRect(), TRect(0, 0, 4, 3));
    EXPECT_EQ(ids, (std::vector<TNotifyId>{notify::ImageSizeChanged, notify::ImagePictureChanged, notify::ObjectChanged}));

    data.ClipFilter()->SetClipRect(TRect(1, 1, 3, 2));
    // Only the width differs: no size change, the crop stays.
    const auto narrower = Announced(data, [&] { data.Picture()->SetGraphic(Numbered(2, 3)); });
    EXPECT_EQ(narrower, (std::vector<TNotifyId>{notify::ImagePictureChanged, notify::ObjectChanged}));
    EXPECT_EQ(data.ClipFilter()->ClipRect(), TRect(1, 1, 3, 2));
}

TEST(ImageData, EmptyCropBecomesTheWholePicture)
{
    TImageData data;
    data.Picture()->SetGraphic(Numbered(4, 3));
    data.ClipFilter()->SetClipRect(TRect(1, 1, 2, 2));
    int changes = 0;
    TListener listener([&](TObject*, const TNotifyId& id) { changes += id == notify::ObjectChanged; });
    listener.Attach(&data.Broadcaster());
    data.ClipFilter()->SetClipRect(TRect());
    EXPECT_EQ(data.ClipFilter()->ClipRect(), TRect(0, 0, 4, 3));
    EXPECT_EQ(changes, 1);
}

TEST(ImageData, ResetClipToAnAspect)
{
    TImageData data;
    data.Picture()->SetGraphic(Numbered(100, 50));
    const struct {
        int aspectWidth;
        int aspectHeight;
        TRect clip;
    } cases[] = {
        {0, 0, {0, 0, 100, 50}},
        {1, 1, {25, 0, 75, 50}},
        {4, 1, {0, 12, 100, 37}},
        {2, 1, {0, 0, 100, 50}},
        {-3, 1, {0, 0, 100, 50}},
    };
    for (const auto& c : cases) {
        data.ResetClip(c.aspectWidth, c.aspectHeight);
        EXPECT_EQ(data.ClipFilter()->ClipRect(), c.clip) << c.aspectWidth << ":" << c.aspectHeight;
    }
}

TEST(ImageData, CropTakesThePixelsOfTheRectangle)
{
    TImageData data;
    data.Picture()->SetGraphic(Numbered(4, 3));
    data.ClipFilter()->SetClipRect(TRect(1, 1, 3, 3));
    const QImage out = ProcessedImage(data);
    ASSERT_EQ(out.size(), QSize(2, 2));
    EXPECT_EQ(out.pixel(0, 0), qRgb(10, 20, 200));
    EXPECT_EQ(out.pixel(1, 1), qRgb(20, 40, 200));
}

TEST(ImageData, CropIsCutToThePicture)
{
    const struct {
        TRect clip;
        QSize size;
        QRgb topLeft;
    } cases[] = {
        {{2, 1, 100, 100}, {2, 2}, qRgb(20, 20, 200)},
        {{-5, -5, 1, 1}, {1, 1}, qRgb(0, 0, 200)},
        {{10, 10, 20, 20}, {4, 3}, qRgb(0, 0, 200)}, // wholly outside: the whole picture
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {4, 3}, qRgb(0, 0, 200)},
    };
    for (const auto& c : cases) {
        TImageData data;
        data.Picture()->SetGraphic(Numbered(4, 3));
        data.ClipFilter()->SetClipRect(c.clip);
        const QImage out = ProcessedImage(data);
        EXPECT_EQ(out.size(), c.size);
        EXPECT_EQ(out.pixel(0, 0), c.topLeft);
    }
}

TEST(ImageData, CropKeepsAPaletteBitmapsFormat)
{
    QImage indexed(4, 2, QImage::Format_Indexed8);
    indexed.setColorTable({qRgb(1, 2, 3), qRgb(200, 100, 50)});
    indexed.fill(0);
    indexed.setPixel(3, 1, 1);
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(indexed);
    TImageData data;
    data.Picture()->SetGraphic(std::move(bitmap));
    data.ClipFilter()->SetClipRect(TRect(2, 0, 4, 2));
    const auto* out = dynamic_cast<const TSafetyBitmap*>(data.ProcessedPicture().Graphic());
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(out->Image().pixel(1, 1), qRgb(200, 100, 50));
}

TEST(ImageData, TransparentColourSurvivesTheFilters)
{
    // Magenta pixels are transparent; blur and brightness change every colour but not which
    // pixels are left out.
    QImage image(3, 3, QImage::Format_BGR888);
    image.fill(QColor(40, 80, 120));
    image.setPixel(1, 1, qRgb(255, 0, 255));
    image.setPixel(2, 0, qRgb(255, 0, 255));
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    TImageData data;
    data.Picture()->SetGraphic(std::move(bitmap));
    data.SetTransparentColor(0xFF00FF);
    data.BlurFilter()->SetBlurCount(1);
    data.LightFilter()->SetBrightness(30);
    ASSERT_TRUE(data.TransparencyInEffect());
    const auto* out = dynamic_cast<const TSafetyBitmap*>(data.ProcessedPicture().Graphic());
    ASSERT_NE(out, nullptr);
    EXPECT_TRUE(out->Transparent());
    EXPECT_EQ(out->TransparentColor(), 0xFF00FF);
    const QImage& mask = out->Mask();
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(mask.pixelIndex(x, y), (x == 1 && y == 1) || (x == 2 && y == 0) ? 1 : 0) << x << "," << y;
    // Removing the transparent colour removes transparency and background filling.
    data.SetTransparentColor(clNone);
    const auto* plain = dynamic_cast<const TSafetyBitmap*>(data.ProcessedPicture().Graphic());
    ASSERT_NE(plain, nullptr);
    EXPECT_FALSE(plain->Transparent());
}

TEST(ImageData, TransparentPngIsLaidOnTheTransparentColour)
{
    QImage rgba(2, 1, QImage::Format_ARGB32);
    rgba.setPixel(0, 0, qRgba(0, 0, 0, 0));
    rgba.setPixel(1, 0, qRgba(10, 20, 30, 255));
    auto png = std::make_unique<TPngImage>();
    png->LoadFromBytes(EncodePNG(rgba));
    TImageData data;
    data.Picture()->SetGraphic(std::move(png));
    data.SetTransparentColor(0x00FF00); // green
    const auto* out = dynamic_cast<const TSafetyBitmap*>(data.ProcessedPicture().Graphic());
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(out->Image().pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(out->Image().pixel(1, 0), qRgb(10, 20, 30));
    EXPECT_EQ(out->Mask().pixelIndex(0, 0), 1);
    EXPECT_EQ(out->Mask().pixelIndex(1, 0), 0);
}

TEST(ImageData, FiltersRunInOrderOnBitmaps)
{
    TImageData data;
    QImage image(2, 1, QImage::Format_BGR888);
    image.setPixel(0, 0, qRgb(250, 0, 0));
    image.setPixel(1, 0, qRgb(0, 0, 250));
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(image);
    data.Picture()->SetGraphic(std::move(bitmap));
    data.MonotoneFilter()->SetRefColor(0x808080);
    data.LightFilter()->SetContrast(100);
    // Monotone first: grey levels (77 x 250) >> 8 = 75 and (29 x 250) >> 8 = 28; then the
    // contrast cut makes both black.
    const QImage out = ProcessedImage(data);
    EXPECT_EQ(out.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(out.pixel(1, 0), qRgb(0, 0, 0));
    data.LightFilter()->SetContrast(0);
    EXPECT_EQ(ProcessedImage(data).pixel(0, 0), qRgb(75, 75, 75));
    EXPECT_EQ(ProcessedImage(data).pixel(1, 0), qRgb(28, 28, 28));
}

TEST(ImageData, EffectFiltersLeavePngAlone)
{
    QImage rgb(2, 2, QImage::Format_RGB32);
    rgb.fill(qRgb(10, 20, 30));
    auto png = std::make_unique<TPngImage>();
    png->LoadFromBytes(EncodePNG(rgb));
    TImageData data;
    data.Picture()->SetGraphic(std::move(png));
    data.LightFilter()->SetBrightness(100);
    EXPECT_FALSE(data.LightFilter()->CanApply(*data.Picture()));
    EXPECT_NE(dynamic_cast<const TPngImage*>(data.ProcessedPicture().Graphic()), nullptr);
    EXPECT_EQ(ProcessedImage(data).pixel(0, 0), qRgb(10, 20, 30));
}

TEST(ImageData, CacheIsKeptUntilTheNextChange)
{
    TImageData data;
    data.Picture()->SetGraphic(Numbered(3, 2));
    const TGraphic* first = data.ProcessedPicture().Graphic();
    EXPECT_EQ(data.ProcessedPicture().Graphic(), first);

    const std::vector<std::function<void()>> changes{
        [&] { data.LightFilter()->SetBrightness(50); },
        [&] { data.BlurFilter()->SetBlurCount(1); },
        [&] { data.MonotoneFilter()->SetRefColor(0x0000FF); },
        [&] { data.ClipFilter()->SetClipRect(TRect(0, 0, 2, 2)); },
        [&] { data.SetTransparentColor(0x0000FF); },
        [&] {
            auto other = Numbered(3, 2);
            other->MutableImage().setPixel(0, 0, qRgb(1, 2, 3));
            data.Picture()->SetGraphic(std::move(other));
        },
    };
    // What the processed picture shows: its pixels and whether it is transparent.
    const auto shown = [&data] {
        const auto* bitmap = dynamic_cast<const TSafetyBitmap*>(data.ProcessedPicture().Graphic());
        return std::make_pair(ProcessedImage(data), bitmap && bitmap->Transparent());
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        const auto before = shown();
        const auto ids = Announced(data, changes[i]);
        EXPECT_EQ(std::count(ids.begin(), ids.end(), notify::ObjectChanged), 1) << i;
        EXPECT_NE(shown(), before) << i;
    }
    // Setting a value a filter already has is no change.
    const TGraphic* kept = data.ProcessedPicture().Graphic();
    EXPECT_TRUE(Announced(data, [&] { data.LightFilter()->SetBrightness(50); }).empty());
    EXPECT_EQ(data.ProcessedPicture().Graphic(), kept);
}

TEST(ImageData, AssignCopiesEverySettingOnce)
{
    TImageData source;
    source.Picture()->SetGraphic(Numbered(5, 4));
    source.ClipFilter()->SetClipRect(TRect(1, 1, 4, 3));
    source.BlurFilter()->SetBlurCount(-3);
    source.LightFilter()->SetBrightness(10);
    source.LightFilter()->SetContrast(-20);
    source.MonotoneFilter()->SetRefColor(0x123456);
    source.SetTransparentColor(0x00FFFF);
    TImageData target;
    const auto ids = Announced(target, [&] { target.Assign(source); });
    EXPECT_EQ(std::count(ids.begin(), ids.end(), notify::ObjectChanged), 1);
    EXPECT_EQ(target.ClipFilter()->ClipRect(), TRect(1, 1, 4, 3));
    EXPECT_EQ(target.BlurFilter()->BlurCount(), -3);
    EXPECT_EQ(target.LightFilter()->Brightness(), 10);
    EXPECT_EQ(target.LightFilter()->Contrast(), -20);
    EXPECT_EQ(target.MonotoneFilter()->RefColor(), 0x123456);
    EXPECT_EQ(target.TransparentColor(), 0x00FFFF);
    EXPECT_EQ(ProcessedImage(target), ProcessedImage(source));
}

TEST(ImageData, FilterMappingAndActivity)
{
    TBlurFilter blur;
    EXPECT_EQ(blur.CreateEffector(), nullptr);
    blur.SetBlurCount(2);
    EXPECT_NE(dynamic_cast<TGREffectBlur*>(blur.CreateEffector().get()), nullptr);
    blur.SetBlurCount(-2);
    EXPECT_NE(dynamic_cast<TGREffectUnsharpMask*>(blur.CreateEffector().get()), nullptr);
    TLightFilter light;
    EXPECT_EQ(light.CreateEffector(), nullptr);
    light.SetContrast(1);
    EXPECT_NE(light.CreateEffector(), nullptr);
    TMonotoneFilter mono;
    EXPECT_EQ(mono.CreateEffector(), nullptr);
    mono.SetRefColor(0);
    EXPECT_NE(mono.CreateEffector(), nullptr);

    TPictureEx picture;
    picture.SetGraphic(Numbered(4, 3));
    TClipFilter clip;
    EXPECT_FALSE(clip.IsActive(picture));
    clip.SetClipRect(TRect(0, 0, 4, 3));
    EXPECT_FALSE(clip.IsActive(picture));
    clip.SetClipRect(TRect(0, 0, 4, 2));
    EXPECT_TRUE(clip.IsActive(picture));
    clip.SetClipRect(TRect());
    clip.SetBackground(true, 0xFF00FF);
    EXPECT_FALSE(clip.IsActive(picture));
    QImage rgb(1, 1, QImage::Format_RGB32);
    rgb.fill(Qt::black);
    auto png = std::make_unique<TPngImage>();
    png->LoadFromBytes(EncodePNG(rgb));
    picture.SetGraphic(std::move(png));
    EXPECT_TRUE(clip.IsActive(picture));
}

TEST(ImageData, SettingsRoundTripThroughAStream)
{
    TColorSpec spec;
    spec.SetKind(cskBitmap);
    TImageData& data = *spec.ImageData();
    data.Picture()->SetGraphic(Numbered(6, 5));
    data.ClipFilter()->SetClipRect(TRect(1, 2, 5, 4));
    data.BlurFilter()->SetBlurCount(3);
    data.LightFilter()->SetBrightness(-40);
    data.MonotoneFilter()->SetRefColor(0x00FF00);
    data.SetTransparentColor(0xFFFFFF);
    TColorSpecWrapper read;
    ReadComponentBytes(colortest::WrappedBytes(spec), read);
    const TImageData& back = *read.ColorSpec()->ImageData();
    EXPECT_EQ(back.ClipFilter()->ClipRect(), TRect(1, 2, 5, 4));
    EXPECT_EQ(back.BlurFilter()->BlurCount(), 3);
    EXPECT_EQ(back.LightFilter()->Brightness(), -40);
    EXPECT_EQ(back.MonotoneFilter()->RefColor(), 0x00FF00);
    EXPECT_EQ(back.TransparentColor(), 0xFFFFFF);
    EXPECT_EQ(ProcessedImage(back), ProcessedImage(data));
}

TEST(ImageData, DamagedClipRectIsRefused)
{
    TColorSpec spec;
    spec.SetKind(cskBitmap);
    spec.ImageData()->Picture()->SetGraphic(Numbered(6, 5));
    spec.ImageData()->ClipFilter()->SetClipRect(TRect(1, 2, 5, 4));
    QByteArray data = colortest::WrappedBytes(spec);
    // The list of four small integers: List, Int8 1, Int8 2, Int8 5, Int8 4, Null.
    const QByteArray list("\x01\x02\x01\x02\x02\x02\x05\x02\x04\x00", 10);
    const qsizetype at = data.indexOf(list);
    ASSERT_GE(at, 0);
    const QByteArray three = QByteArray(data).replace(at, list.size(), QByteArray("\x01\x02\x01\x02\x02\x02\x05\x00", 8));
    const QByteArray five = QByteArray(data).replace(at, list.size(), list.left(9) + QByteArray("\x02\x07\x00", 3));
    for (const QByteArray& damaged : {three, five}) {
        TColorSpecWrapper read;
        try {
            ReadComponentBytes(damaged, read);
            ADD_FAILURE() << "a damaged ClipRect was accepted";
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("不正なプロパティの値です"));
        }
    }
}
