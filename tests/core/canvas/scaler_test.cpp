#include "core/canvas/memory_canvas.h"
#include "core/canvas/scaler.h"

#include <QFontMetrics>
#include <gtest/gtest.h>
#include <limits>

TEST(Scaler, ConversionTable)
{
    struct Case {
        int scale, unitDpi, dpi;
        QPoint logical, device;     // LogToDev(logical) == device
        TRect rect, deviceRect;     // LogToDevRect
    };
    const Case cases[] = {
        {100, 254, 96, {254, 127}, {96, 48}, {0, 0, 1, 1}, {0, 0, 1, 1}},
        {100, 254, 96, {-254, 3}, {-96, 1}, {-10, -10, 10, 10}, {-3, -3, 4, 4}},
        {150, 254, 96, {1200, 1}, {680, 1}, {100, 100, 200, 200}, {56, 56, 114, 114}},
        {50, 254, 96, {1200, 3}, {227, 1}, {5, 5, 6, 6}, {0, 0, 2, 2}},
        {100, 254, 254, {1200, -7}, {1200, -7}, {3, 4, 5, 6}, {3, 4, 5, 6}},
        {200, 254, 300, {127, 1}, {300, 2}, {0, 0, 127, 254}, {0, 0, 300, 600}},
        {100, 96, 96, {50, 50}, {50, 50}, {1, 2, 3, 4}, {1, 2, 3, 4}},
    };
    for (const Case& c : cases) {
        const TScaler scaler(c.scale, c.unitDpi);
        SCOPED_TRACE(testing::Message() << "scale " << c.scale << " unit " << c.unitDpi << " dpi " << c.dpi);
        EXPECT_EQ(scaler.LogToDev(c.dpi, c.logical), c.device);
        EXPECT_EQ(scaler.LogToDevRect(c.dpi, c.rect), c.deviceRect);
    }
    // One inch on a 96-dpi screen and back.
    const TScaler scaler(100, 254);
    EXPECT_EQ(scaler.DevToLog(96, {96, 96}), QPoint(254, 254));
}

TEST(Scaler, ChangeEventsFireOnlyForNewValues)
{
    TScaler scaler(100, 254);
    int changes = 0;
    scaler.SetOnChange([&](TScaler*) { ++changes; });
    scaler.SetScale(100);
    scaler.SetUnitDPI(254);
    EXPECT_EQ(changes, 0);
    scaler.SetScale(150);
    EXPECT_EQ(changes, 1);
    TScaler other(300, 96);
    scaler.Assign(other);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(scaler.Scale(), 300);
    EXPECT_EQ(scaler.UnitDPI(), 96);
}

TEST(Scaler, ApplyMappingReducesExtentsAndKeepsDeviceOffset)
{
    QImage image = CreateBitmap({400, 400}, QImage::Format_RGB32, 96);
    TMemoryCanvas canvas(image);
    canvas.SetWindowOrg({-10, -20}); // pixel mapping moved by an object position
    TScaler(150, 254).ApplyMapping(canvas, 96);
    EXPECT_EQ(canvas.MapMode(), TMapMode::Anisotropic);
    EXPECT_EQ(canvas.WindowExt(), QSize(127, 127));
    EXPECT_EQ(canvas.ViewportExt(), QSize(72, 72));
    EXPECT_EQ(canvas.WindowOrg(), QPoint(0, 0));
    EXPECT_EQ(canvas.ViewportOrg(), QPoint(10, 20));
    EXPECT_EQ(canvas.LogicalToDevice({254, 0}), QPoint(10 + 144, 20));
}

TEST(Scaler, FontsSizedInPointsKeepTheirPhysicalSize)
{
    QImage image = CreateBitmap({200, 200}, QImage::Format_RGB32, 96);
    TMemoryCanvas canvas(image);
    canvas.SetFontPointSize(72); // one inch
    EXPECT_EQ(canvas.Font().pixelSize(), 96);
    TScaler(100, 254).ApplyMapping(canvas);
    EXPECT_EQ(canvas.FontResolution(), 254);
    EXPECT_EQ(canvas.FontPointSize(), 72);
    EXPECT_EQ(canvas.Font().pixelSize(), 254); // one inch in logical units
}

TEST(CoordMap, RestoreFoldsWindowOriginIntoViewport)
{
    QImage image = CreateBitmap({100, 100}, QImage::Format_RGB32, 96);
    TMemoryCanvas canvas(image);
    TScaler(100, 254).ApplyMapping(canvas, 96);
    canvas.SetWindowOrg({254, 0});
    TCoordMap map;
    map.Save(canvas);
    const QPoint before = canvas.LogicalToDevice({508, 254});
    ResetToPixels(canvas);
    EXPECT_EQ(canvas.LogicalToDevice({5, 5}), QPoint(5, 5));
    map.Restore(canvas);
    EXPECT_EQ(canvas.WindowOrg(), QPoint(0, 0));
    EXPECT_EQ(canvas.ViewportOrg(), QPoint(-96, 0));
    EXPECT_EQ(canvas.LogicalToDevice({508, 254}), before);
}

TEST(CoordMap, PointsFarOutsideTheIntegerRangeAreHeldAtItsLimits)
{
    QImage image = CreateBitmap({100, 100}, QImage::Format_RGB32, 96);
    TMemoryCanvas canvas(image);
    canvas.SetWindowOrg({-1700000000, 1700000000});
    // Pixel mapping: the difference to the origin is beyond the integer range either way.
    EXPECT_EQ(canvas.LogicalToDevice({600000000, -600000000}),
              QPoint(std::numeric_limits<int>::max(), std::numeric_limits<int>::min()));
    EXPECT_EQ(canvas.LogicalToDevice({-1699999990, 1700000005}), QPoint(10, 5));
    // Scaled mapping: a difference of 4e9 units still maps exactly (4e9 * 96 / 254).
    TMemoryCanvas scaled(image);
    TScaler(100, 254).ApplyMapping(scaled, 96);
    scaled.SetWindowOrg({-2000000000, 0});
    EXPECT_EQ(scaled.LogicalToDevice({2000000000, 254}), QPoint(1511811024, 96));
    EXPECT_EQ(scaled.LogicalToDevice({-2000000000 + 254, 127}), QPoint(96, 48));
    EXPECT_EQ(scaled.DeviceToLogical({96, 48}), QPoint(-2000000000 + 254, 127));
}

TEST(CanvasSaver, RestoresStateAndClip)
{
    QImage image = CreateBitmap({100, 100}, QImage::Format_RGB32, 96);
    TMemoryCanvas canvas(image);
    canvas.Painter().setPen(QPen(Qt::red));
    {
        TCanvasSaver saver(canvas, true);
        TClipSaver clip(canvas);
        canvas.Painter().setPen(QPen(Qt::blue));
        canvas.IntersectClipRect({0, 0, 10, 10});
        TScaler(100, 254).ApplyMapping(canvas);
        EXPECT_TRUE(canvas.HasClip());
    }
    EXPECT_FALSE(canvas.HasClip());
    EXPECT_EQ(canvas.Painter().pen().color(), QColor(Qt::red));
    EXPECT_EQ(canvas.MapMode(), TMapMode::Text);
}

TEST(Canvas, ResolutionAndPrinterQueries)
{
    QImage screenImage = CreateBitmap({10, 10}, QImage::Format_RGB32, 96);
    TMemoryCanvas screen(screenImage);
    EXPECT_EQ(DeviceDPI(screen), ScreenDPI());
    EXPECT_FALSE(IsPrinterCanvas(screen));
    EXPECT_NE(screen.ReadableImage(), nullptr);

    QImage bandImage(10, 10, QImage::Format_RGB32);
    TMemoryCanvas band(bandImage, 360);
    band.SetPrinterCanvas(true);
    EXPECT_EQ(DeviceDPI(band), 360);
    EXPECT_TRUE(IsPrinterCanvas(band));
}

TEST(Canvas, BorrowedPainterKeepsItsOriginAsDeviceOrigin)
{
    QImage image = CreateBitmap({50, 50}, QImage::Format_RGB32, 96);
    QPainter painter(&image);
    painter.translate(10, 20);
    TCanvas canvas(&painter);
    TScaler(100, 96).ApplyMapping(canvas, 96);
    ResetToPixels(canvas);
    canvas.SetClipRegion(QRegion(0, 0, 2, 2));
    canvas.Painter().fillRect(QRect(0, 0, 5, 5), Qt::black);
    painter.end();
    EXPECT_EQ(image.pixelColor(10, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(11, 21), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(12, 22), QColor(Qt::white)); // clipped, in the canvas's device pixels
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
}
