#include "core/model/draw_site_model.h"
#include "core/canvas/memory_canvas.h"
#include "core/messages.h"
#include "sample_objects.h"

#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct ChangeCounter {
    int changes = 0;
    TListener listener{[this](TObject*, const TNotifyId& id) {
        if (id == notify::ObjectChanged)
            ++changes;
    }};
};

TDrawSiteModel& SiteAt(TDrawSiteModel& site, int scale)
{
    site.Scaler().SetUnitDPI(254);
    site.Scaler().SetScale(scale);
    site.SetLogSize(1200, 1200);
    return site;
}

} // namespace

TEST(RectObject, NegativeWidthNormalises)
{
    TSampleRect object({100, 0, 200, 50});
    object.SetWidth(-30);
    EXPECT_EQ(object.BoundsRect(), TRect(70, 0, 100, 50));
}

TEST(RectObject, UnchangedBoundsSendNothing)
{
    TSampleRect object({0, 0, 10, 10});
    ChangeCounter counter;
    counter.listener.Attach(&object.Broadcaster());
    object.SetBoundsRect({0, 0, 10, 10});
    object.SetLeft(0);
    EXPECT_EQ(counter.changes, 0);
    object.MoveBy(5, 5);
    EXPECT_EQ(object.BoundsRect(), TRect(5, 5, 15, 15));
    EXPECT_EQ(counter.changes, 2); // Left then Top
}

TEST(DrawObject, UnselectableRefusesSelectionSilently)
{
    TSampleRect object;
    int selects = 0;
    TListener listener([&](TObject*, const TNotifyId& id) { selects += id == notify::SelectChanged; });
    listener.Attach(&object.Broadcaster());
    object.SetSelectable(false);
    object.SetSelected(true);
    EXPECT_FALSE(object.Selected());
    EXPECT_EQ(selects, 0);
    object.SetSelectable(true);
    object.SetSelected(true);
    EXPECT_TRUE(object.Selected());
    object.SetSelectable(false); // deselects first
    EXPECT_FALSE(object.Selected());
    EXPECT_EQ(selects, 2);
}

TEST(DrawObject, AssignEmitsOneChange)
{
    TSampleRect source({10, 20, 30, 40});
    source.SetBlendRatio(50);
    source.SetDontPrint(true);
    source.Appendix()->Add(QStringLiteral("memo"));
    source.SetSelected(true);
    TSampleRect target;
    target.SetSelectable(false);
    ChangeCounter counter;
    counter.listener.Attach(&target.Broadcaster());
    target.Assign(source);
    EXPECT_EQ(counter.changes, 1);
    EXPECT_EQ(target.BoundsRect(), source.BoundsRect());
    EXPECT_EQ(target.BlendRatio(), 50);
    EXPECT_TRUE(target.DontPrint());
    EXPECT_EQ(target.Appendix()->Lines(), QStringList{QStringLiteral("memo")});
    // The selected state went through SetSelected while the target was unselectable.
    EXPECT_FALSE(target.Selected());
    EXPECT_TRUE(target.Selectable());
}

TEST(DrawObject, PlainPathWithoutBlendReason)
{
    TSampleBlendable object({0, 0, 10, 10});
    EXPECT_FALSE(object.NeedsBlendedPaint());
    object.SetBlendShade(true);
    EXPECT_TRUE(object.NeedsBlendedPaint());
    object.SetBlendShade(false);
    object.SetBlendRatio(99);
    EXPECT_TRUE(object.NeedsBlendedPaint());
    TSampleRect plain;
    plain.SetBlendRatio(10); // no IBlendable: never blended
    EXPECT_FALSE(plain.NeedsBlendedPaint());
}

TEST(DrawObject, DontPrintSkipsPrinterCanvasesOnly)
{
    TSampleRect object({0, 0, 254, 254}, Qt::black);
    object.SetDontPrint(true);

    QImage image = CreateBitmap({200, 200}, QImage::Format_RGB32, 254);
    {
        TMemoryCanvas canvas(image);
        TScaler(100, 254).ApplyMapping(canvas);
        object.PaintTo(canvas);
    }
    EXPECT_EQ(object.paints, 1);
    EXPECT_EQ(image.pixelColor(50, 50), QColor(Qt::black));

    QImage band = CreateBitmap({200, 200}, QImage::Format_RGB32, 254);
    {
        TMemoryCanvas canvas(band, 254);
        canvas.SetPrinterCanvas(true);
        TScaler(100, 254).ApplyMapping(canvas);
        object.PaintTo(canvas);
    }
    EXPECT_EQ(object.paints, 1);
    EXPECT_EQ(band.pixelColor(50, 50), QColor(Qt::white));

    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath(QStringLiteral("page.pdf")));
    {
        TCanvas canvas(&pdf);
        EXPECT_TRUE(IsPrinterCanvas(canvas));
        object.PaintTo(canvas);
    }
    EXPECT_EQ(object.paints, 1);
}

TEST(DrawObject, PaintErrorLeavesFailureMarker)
{
    TDrawSiteModel site;
    SiteAt(site, 100);
    auto owned = std::make_unique<TSampleRect>(TRect{100, 100, 354, 354}, Qt::green);
    owned->failPaint = true;
    auto* object = static_cast<TSampleRect*>(site.AddObject(std::move(owned)));
    QStringList shown;
    const TErrorHandler previous =
        SetErrorHandler([&](const std::exception& error) { shown << QString::fromUtf8(error.what()); });

    QImage image = CreateBitmap(site.PixelSize(), QImage::Format_RGB32, 96);
    for (int pass = 0; pass < 2; ++pass) {
        TMemoryCanvas canvas(image, 96);
        site.Paint(canvas);
    }
    SetErrorHandler(previous);
    EXPECT_TRUE(object->PaintingFailed());
    EXPECT_EQ(shown, QStringList{QStringLiteral("paint failed")}); // shown once
    EXPECT_EQ(object->paints, 1); // the second paint drew the marker instead
    // The marker's red frame over the object's pixel bounds.
    EXPECT_EQ(image.pixelColor(object->PixelBounds().topLeft()), QColor(Qt::red));
    object->failPaint = false;
    {
        TMemoryCanvas canvas(image, 96);
        site.Paint(canvas);
    }
    EXPECT_TRUE(object->PaintingFailed()); // never cleared
}

namespace {

// The bounding box of every non-white pixel.
TRect PaintedBox(const QImage& image)
{
    int minX = image.width(), minY = image.height(), maxX = -1, maxY = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) {
                minX = std::min(minX, x), minY = std::min(minY, y);
                maxX = std::max(maxX, x), maxY = std::max(maxY, y);
            }
    return {minX, minY, maxX + 1, maxY + 1};
}

} // namespace

TEST(DrawObject, PaintLandsOnPredictedPixels)
{
    // At zoom 150 on 96 dpi a logical unit is 72/127 pixel: multiples of 127 land exactly
    // on pixel edges, others inside the pixel bounds that LogToDevRect predicts.
    const TRect cases[] = {{127, 254, 508, 381}, {100, 200, 400, 350}};
    for (const TRect& logical : cases) {
        TDrawSiteModel site;
        SiteAt(site, 150);
        site.SetBorder(false);
        site.AddObject(std::make_unique<TSampleRect>(logical, Qt::black));
        QImage image = CreateBitmap({800, 800}, QImage::Format_RGB32, 96);
        {
            TMemoryCanvas canvas(image, 96);
            site.Paint(canvas);
        }
        const TRect predicted = TScaler(150, 254).LogToDevRect(96, logical);
        const TRect painted = PaintedBox(image);
        if (logical.Left % 127 == 0) {
            EXPECT_EQ(painted, predicted);
        }
        EXPECT_TRUE(RectInside(painted, predicted));
        EXPECT_LE(RectWidth(predicted) - RectWidth(painted), 1);
        EXPECT_LE(RectHeight(predicted) - RectHeight(painted), 1);
    }
}

TEST(DrawObject, ReferenceCountDestroysAtZero)
{
    TDrawSiteModel site;
    auto* object = static_cast<TSampleRect*>(site.AddObject(std::make_unique<TSampleRect>()));
    EXPECT_EQ(object->RefCount(), 1);
    object->AddRef();
    EXPECT_EQ(object->Release(), 1);
    EXPECT_EQ(site.ObjectCount(), 1);
    EXPECT_EQ(object->Release(), 0);
    EXPECT_EQ(site.ObjectCount(), 0);
}

TEST(DrawObject, DestroyingTellsListeningPanelAndDetaches)
{
    TListener panel;
    std::vector<TNotifyId> received;
    panel.SetCallback([&](TObject*, const TNotifyId& id) { received.push_back(id); });
    {
        TSampleRect object;
        panel.Attach(&object.Broadcaster());
    }
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0], notify::BroadcasterClosing);
    EXPECT_TRUE(panel.Broadcasters().empty());
}
