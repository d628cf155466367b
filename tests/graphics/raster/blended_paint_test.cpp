#include "graphics/raster/blended_paint.h"

#include "core/canvas/memory_canvas.h"
#include "core/model/rect_object.h"

#include <QPicture>
#include <gtest/gtest.h>

namespace {

// A rectangle filled with one colour, blendable, counting how it was painted.
class TBlendRect : public TLORectBase, public IBlendable {
public:
    explicit TBlendRect(TRect rect, QColor color = Qt::black) : color_(color) { SetBoundsRect(rect); }

    void Paint(TCanvas& canvas) override
    {
        ++paints;
        canvas.Painter().fillRect(BoundsRect().ToQRect(), color_);
    }
    QImage RenderImage(TCanvas& target) override
    {
        ++renders;
        return TLORectBase::RenderImage(target);
    }
    void Resize(int width, int height) override { SetBoundsRect({Left(), Top(), Left() + width, Top() + height}); }
    void DrawOutline(TCanvas&) override {}
    void SetBlendShade(bool shade) override { TLabelObject::SetBlendShade(shade); }
    bool BlendShade() const override { return TLabelObject::BlendShade(); }
    void SetBlendRatio(int ratio) override { TLabelObject::SetBlendRatio(ratio); }
    int BlendRatio() const override { return TLabelObject::BlendRatio(); }

    int paints = 0;
    int renders = 0;

private:
    QColor color_;
};

// A canvas on a white bitmap mapped like a print band: 254 logical units per inch on a
// device of the given resolution, so that object edges fall between pixels.
struct MappedCanvas {
    explicit MappedCanvas(QImage::Format format = QImage::Format_BGR888, int dpi = 96)
        : image(CreateBitmap({200, 200}, format, dpi)), canvas(image, dpi)
    {
        canvas.SetMapMode(TMapMode::Anisotropic);
        canvas.SetWindowExt({254, 254});
        canvas.SetViewportExt({dpi, dpi});
    }
    QImage image;
    TMemoryCanvas canvas;
};

QRect DeviceRect(const TCanvas& canvas, const TRect& logical)
{
    return QRect(canvas.LogicalToDevice(logical.TopLeft()),
                 canvas.LogicalToDevice(logical.BottomRight()) - QPoint(1, 1));
}

// Pixels whose red channel has the value, inside and outside a rectangle.
std::pair<int, int> CountRed(const QImage& image, const QRect& inside, int value)
{
    int in = 0, out = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qRed(image.pixel(x, y)) == value)
                ++(inside.contains(x, y) ? in : out);
    return {in, out};
}

class BlendedPaint : public ::testing::Test {
protected:
    void SetUp() override { InstallBlendedPaint(); }
    void TearDown() override { TDrawObject::SetBlendedPainter(nullptr); }
};

} // namespace

// The object's edges fall between pixels under the mapping; the colour image and the alpha
// map still cover the same pixels, so the half-transparent object shows over all its area.
TEST_F(BlendedPaint, HalfTransparentObjectShowsOverItsWholeArea)
{
    MappedCanvas surface;
    const TRect logical(33, 47, 301, 222);
    TBlendRect object(logical);
    object.SetBlendRatio(50);
    object.PaintTo(surface.canvas);

    const QRect device = DeviceRect(surface.canvas, logical);
    // 255 + trunc(128 * (0 - 255) / 255) = 127 with the opacity MulDiv(255, 50, 100) = 128.
    const auto [in, out] = CountRed(surface.image, device, 127);
    EXPECT_EQ(in, device.width() * device.height());
    EXPECT_EQ(out, 0);
    EXPECT_EQ(CountRed(surface.image, device, 255).second, 200 * 200 - device.width() * device.height());
    EXPECT_EQ(object.renders, 1);
}

// Surfaces of every kind the canvas may draw on: 24-bit and 32-bit in place, others through a
// converted copy. A 32-bit surface keeps its fourth byte.
TEST_F(BlendedPaint, BlendsOnEverySurfaceFormat)
{
    for (QImage::Format format : {QImage::Format_BGR888, QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied,
                                  QImage::Format_RGB888, QImage::Format_RGB16}) {
        MappedCanvas surface(format);
        const TRect logical(100, 100, 200, 200);
        TBlendRect object(logical, QColor(0, 0, 255));
        object.SetBlendRatio(50);
        object.PaintTo(surface.canvas);
        const QRect device = DeviceRect(surface.canvas, logical);
        const QRgb inside = surface.image.pixel(device.center());
        EXPECT_NEAR(qRed(inside), 127, format == QImage::Format_RGB16 ? 4 : 0) << format;
        EXPECT_EQ(qBlue(inside), 255) << format;
        EXPECT_EQ(qAlpha(inside), 255) << format;
        EXPECT_EQ(surface.image.pixel(device.topLeft() - QPoint(1, 1)), qRgb(255, 255, 255)) << format;
    }
}

// At 600 dots per inch a device edge does not survive a round trip through logical units
// (6 pixels are 2.54 units, and 3 units are 7 pixels): the object still covers the whole clip
// region, and nothing outside it changes.
TEST_F(BlendedPaint, ObjectCoversTheClipRegionAndNothingElse)
{
    MappedCanvas surface(QImage::Format_BGR888, 600);
    TBlendRect object({0, 0, 500, 500});
    object.SetBlendRatio(50);
    const QRegion clip = QRegion(11, 11, 30, 30) + QRegion(60, 60, 20, 20);
    surface.canvas.SetClipRegion(clip);
    object.PaintContent(surface.canvas);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 200; ++x)
            ASSERT_EQ(qRed(surface.image.pixel(x, y)), clip.contains(QPoint(x, y)) ? 127 : 255) << x << "," << y;
}

TEST_F(BlendedPaint, OpaqueObjectIsPaintedDirectly)
{
    MappedCanvas surface;
    TBlendRect object({10, 10, 100, 100});
    object.PaintTo(surface.canvas);
    EXPECT_EQ(object.paints, 1);
    EXPECT_EQ(object.renders, 0);

    object.SetBlendShade(true);
    object.PaintTo(surface.canvas);
    EXPECT_EQ(object.renders, 1);
    // Ratio 100 with shade: the default mask is opaque, so the object is copied exactly.
    EXPECT_EQ(qRed(surface.image.pixel(DeviceRect(surface.canvas, {10, 10, 100, 100}).center())), 0);
}

// A canvas without readable pixels (a PDF or print device) gets the colour, coverage and
// ratio composed into one image with an alpha channel, so that it shows what a bitmap shows.
TEST_F(BlendedPaint, CanvasWithoutReadablePixelsGetsAComposedImage)
{
    QImage expected(200, 200, QImage::Format_RGB32);
    expected.fill(Qt::white);
    const TRect logical(20, 20, 120, 120);
    {
        TMemoryCanvas canvas(expected, 254);
        TBlendRect object(logical);
        object.SetBlendRatio(50);
        object.PaintContent(canvas);
    }
    QPicture picture;
    {
        QPainter recorder(&picture);
        TCanvas unreadable(&recorder);
        unreadable.SetClipRegion(QRegion(0, 0, 200, 200)); // a recording has no bounds of its own
        TBlendRect object(logical);
        object.SetBlendRatio(50);
        object.PaintContent(unreadable);
        EXPECT_EQ(object.renders, 1);
        EXPECT_EQ(object.paints, 1); // only into the colour image
    }
    QImage replayed(200, 200, QImage::Format_RGB32);
    replayed.fill(Qt::white);
    QPainter player(&replayed);
    picture.play(&player);
    player.end();
    for (const QPoint point : {QPoint(25, 25), QPoint(70, 70), QPoint(10, 10), QPoint(150, 150)})
        EXPECT_NEAR(qRed(replayed.pixel(point)), qRed(expected.pixel(point)), 1) << point.x() << "," << point.y();
}

// An object type whose colour image reaches past its bounds on the right and bottom still
// blends over the pixels both images share.
TEST_F(BlendedPaint, ColourImageOfAnotherSizeStillBlends)
{
    class TWideRender : public TBlendRect {
    public:
        using TBlendRect::TBlendRect;
        QImage RenderImage(TCanvas& target) override
        {
            QImage image = TBlendRect::RenderImage(target);
            QImage wider(image.width() + 7, image.height() + 3, QImage::Format_BGR888);
            wider.fill(Qt::black);
            return wider;
        }
    };
    MappedCanvas surface;
    const TRect logical(50, 50, 150, 150);
    TWideRender object(logical);
    object.SetBlendRatio(50);
    object.PaintTo(surface.canvas);
    const QRect device = DeviceRect(surface.canvas, logical);
    EXPECT_EQ(CountRed(surface.image, device, 127).first, device.width() * device.height());
}
