#include "core/canvas/canvas.h"
#include "core/model/draw_site_model.h"
#include "core/face/face_preview.h"
#include "core/canvas/units.h"
#include "face_test_support.h"
#include "../model/sample_objects.h"

#include <gtest/gtest.h>

namespace {

// A filled rectangle that remembers the zoom its site drew it at.
class TZoomProbe : public TSampleRect {
public:
    using TSampleRect::TSampleRect;
    void Paint(TCanvas& canvas) override
    {
        zoom = Site() ? Site()->Scaler().Scale() : 0;
        TSampleRect::Paint(canvas);
    }
    int zoom = 0;
};

// A 1200 x 1200 disc with a 20-unit bleed placed somewhere on a sheet; its objects use
// face coordinates (the outer rectangle starts at 0, 0).
TFaceInfo Disc()
{
    return MakeFace(fsDoughnut, {300, 500, 1500, 1700}, 20);
}

std::vector<std::unique_ptr<TDrawObject>> RedFill()
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    objects.push_back(std::make_unique<TZoomProbe>(TRect{0, 0, 1240, 1240}, Qt::red));
    return objects;
}

} // namespace

TEST(FacePreview, BleedAndHoleAreBlank)
{
    auto objects = RedFill();
    const QImage preview = RenderFacePreview(Disc(), objects, {300, 300}, kPreviewNaturalZoom);
    ASSERT_EQ(preview.size(), QSize(300, 300));
    EXPECT_EQ(preview.format(), QImage::Format_BGR888);
    EXPECT_EQ(preview.pixelColor(150, 150), Qt::white); // hole
    EXPECT_EQ(preview.pixelColor(4, 4), Qt::white);     // bleed corner beyond the round outline
    EXPECT_EQ(preview.pixelColor(295, 295), Qt::white);
    EXPECT_EQ(preview.pixelColor(150, 40), Qt::red);    // on the disc
    EXPECT_EQ(preview.pixelColor(5, 150), Qt::red);     // the bleed inside the disc's circle is printed
    EXPECT_EQ(preview.pixelColor(150, 95), Qt::red);    // the bleed inside the hole is printed
    EXPECT_EQ(preview.pixelColor(150, 112), Qt::white); // the hole less its bleed is not
}

TEST(FacePreview, ObjectsComeBackInTheirSlots)
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    objects.push_back(std::make_unique<TSampleRect>(TRect{0, 0, 10, 10}));
    objects.push_back(nullptr);
    objects.push_back(std::make_unique<TSampleRect>(TRect{10, 10, 20, 20}));
    const std::vector<TDrawObject*> before{objects[0].get(), nullptr, objects[2].get()};
    RenderFacePreview(Disc(), objects, {100, 100}, kPreviewNaturalZoom);
    ASSERT_EQ(objects.size(), 3u);
    for (std::size_t i = 0; i < objects.size(); ++i)
        EXPECT_EQ(objects[i].get(), before[i]);
    EXPECT_FALSE(objects[0]->IsOnDrawSite());
    EXPECT_EQ(objects[0]->Site(), nullptr);

    // Also when painting fails.
    static_cast<TSampleRect*>(objects[2].get())->failPaint = true;
    EXPECT_THROW(RenderFacePreview(Disc(), objects, {100, 100}, kPreviewNaturalZoom), EAppError);
    EXPECT_EQ(objects[2].get(), before[2]);
    EXPECT_FALSE(objects[2]->IsOnDrawSite());
}

TEST(FacePreview, ZoomFromTheBasePercentage)
{
    const int dpi = ScreenDPI();
    struct Case {
        int base;
        QSize maxSize;
        int zoom;
    };
    const Case cases[] = {
        {kPreviewNaturalZoom, {100, 100}, 100},
        {100, {120, 80}, MulDiv(80, 100 * 254, 1240 * dpi)}, // height limits the fit
        {50, {100, 100}, MulDiv(100, 50 * 254, 1240 * dpi)},
        {100, {5000, 5000}, 100},                             // never above 100
        {1, {10, 10}, 1},                                     // never below 1
    };
    for (const Case& c : cases) {
        auto objects = RedFill();
        const QImage preview = RenderFacePreview(Disc(), objects, c.maxSize, c.base);
        EXPECT_EQ(static_cast<TZoomProbe*>(objects[0].get())->zoom, c.zoom) << c.base;
        const int side = std::min(c.maxSize.width(), c.maxSize.height());
        EXPECT_EQ(preview.size(), QSize(side, side)) << c.base;
    }
}

TEST(FacePreview, WideFaceKeepsItsAspect)
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    const QImage preview = RenderFacePreview(MakeFace(fsRoundRect, {0, 0, 1200, 600}), objects, {200, 200}, 100);
    EXPECT_EQ(preview.size(), QSize(200, 100));
    EXPECT_EQ(preview.pixelColor(100, 50), Qt::white);
}

TEST(FacePreview, NothingToRender)
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    EXPECT_TRUE(RenderFacePreview(TFaceInfo(), objects, {100, 100}, 100).isNull());
    EXPECT_TRUE(RenderFacePreview(Disc(), objects, {0, 100}, 100).isNull());
    EXPECT_TRUE(RenderFacePreview(Disc(), objects, {-5, -5}, kPreviewNaturalZoom).isNull());
}
