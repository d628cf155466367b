#include "graphics/raster/stroke.h"

#include "core/canvas/memory_canvas.h"

#include <gtest/gtest.h>

namespace {

struct PointAndType {
    int x, y, type;
    friend bool operator==(const PointAndType&, const PointAndType&) = default;
    friend std::ostream& operator<<(std::ostream& out, const PointAndType& p)
    {
        return out << "(" << p.x << "," << p.y << " t" << p.type << ")";
    }
};

std::vector<PointAndType> Contents(const TStroke& stroke)
{
    std::vector<PointAndType> points;
    for (int i = 0; i < stroke.Count(); ++i)
        points.push_back({stroke.Point(i).x(), stroke.Point(i).y(), stroke.Type(i)});
    return points;
}

constexpr int M = kPathMoveTo, L = kPathLineTo, LC = kPathLineToClose, B = kPathBezierTo, BC = kPathBezierToClose;

QImage Blank(QImage::Format format, int size = 40)
{
    QImage image(size, size, format);
    image.fill(0);
    return image;
}

} // namespace

// 100 x 60: control offsets round(100 x 0.5522847 / 2) = 28 and round(60 x 0.5522847 / 2) = 17
// from the centre (50, 30).
TEST(Stroke, EllipseControlPoints)
{
    TStroke stroke;
    stroke.SetEllipse({0, 0, 100, 60});
    const std::vector<PointAndType> expected = {
        {100, 30, M}, {100, 13, B}, {78, 0, B},  {50, 0, B},  {22, 0, B},   {0, 13, B},   {0, 30, B},
        {0, 47, B},   {22, 60, B},  {50, 60, B}, {78, 60, B}, {100, 47, B}, {100, 30, BC},
    };
    EXPECT_EQ(Contents(stroke), expected);
    EXPECT_EQ(stroke.Bounds(), TRect(0, 0, 100, 60));
}

// Diameter 20: radius 10, control offset round(20 x 0.5522847 / 2) = 6.
TEST(Stroke, RoundRectControlPoints)
{
    TStroke stroke;
    stroke.SetRoundRect({0, 0, 100, 60}, 20);
    const std::vector<PointAndType> expected = {
        {100, 10, M},                                                  //
        {100, 4, B},  {96, 0, B},  {90, 0, B},  {50, 0, L},  {10, 0, L}, // top-right, top
        {4, 0, B},    {0, 4, B},   {0, 10, B},  {0, 30, L},  {0, 50, L}, // top-left, left
        {0, 56, B},   {4, 60, B},  {10, 60, B}, {50, 60, L}, {90, 60, L}, // bottom-left, bottom
        {96, 60, B},  {100, 56, B}, {100, 50, B}, {100, 30, L}, {100, 10, LC}, // bottom-right, right
    };
    EXPECT_EQ(Contents(stroke), expected);
}

TEST(Stroke, RectAndBounds)
{
    TStroke stroke;
    EXPECT_EQ(stroke.Bounds(), TRect());
    EXPECT_TRUE(stroke.Bounds().IsEmpty());
    stroke.SetRect({-5, 2, 7, 9});
    const std::vector<PointAndType> expected = {{-5, 2, M}, {7, 2, L}, {7, 9, L}, {-5, 9, LC}};
    EXPECT_EQ(Contents(stroke), expected);
    EXPECT_EQ(stroke.Bounds(), TRect(-5, 2, 7, 9));
}

// Lines longer than 8 units get points every 8 units; the closing line from (16, 12) back to
// (0, 0) (20 units) gets (9.6, 7.2) and (3.2, 2.4), rounded, and the last one closes.
TEST(Stroke, SubdivideCutsLinesAndTheClosingLine)
{
    TStroke stroke;
    stroke.Add(0, 0, M);
    stroke.Add(16, 0, L);
    stroke.Add(16, 12, LC);
    stroke.Subdivide();
    const std::vector<PointAndType> expected = {{0, 0, M},   {8, 0, L},  {16, 0, L}, {16, 8, L},
                                                {16, 12, L}, {10, 7, L}, {3, 2, LC}};
    EXPECT_EQ(Contents(stroke), expected);

    // Bezier points stay; a long closing line after a Bezier close is cut the same way.
    TStroke curve;
    curve.Add(0, 0, M);
    curve.Add(5, 5, B);
    curve.Add(10, 5, B);
    curve.Add(10, 0, BC);
    curve.Subdivide();
    const std::vector<PointAndType> curved = {{0, 0, M}, {5, 5, B}, {10, 5, B}, {10, 0, B}, {2, 0, LC}};
    EXPECT_EQ(Contents(curve), curved);

    TStroke ellipse;
    ellipse.SetEllipse({0, 0, 100, 60});
    const auto before = Contents(ellipse);
    ellipse.Subdivide();
    EXPECT_EQ(Contents(ellipse), before);
}

TEST(Stroke, SubdivideKeepsWhatCannotBeWalked)
{
    TStroke stroke;
    stroke.Add(0, 0, M);
    stroke.Add(30, 0, L);
    stroke.Add(40, 40, B); // a Bezier segment missing two points
    stroke.Add(50, 50, 9);
    stroke.Subdivide();
    const std::vector<PointAndType> expected = {{0, 0, M}, {8, 0, L}, {16, 0, L}, {24, 0, L},
                                                {30, 0, L}, {40, 40, B}, {50, 50, 9}};
    EXPECT_EQ(Contents(stroke), expected);
}

TEST(Stroke, AddPathMarksClosedFiguresAndRounds)
{
    QPainterPath path;
    path.addRect(0, 0, 10, 5);
    path.moveTo(0.5, -0.5);
    path.cubicTo(1.4, 2.6, 3, 3, 4, 0);
    TStroke stroke;
    stroke.AddPath(path);
    const std::vector<PointAndType> expected = {{0, 0, M},  {10, 0, L}, {10, 5, L}, {0, 5, L}, {0, 0, LC},
                                                {1, -1, M}, {1, 3, B},  {3, 3, B},  {4, 0, B}};
    EXPECT_EQ(Contents(stroke), expected);
}

TEST(Stroke, AssignCopiesPoints)
{
    TStroke source;
    source.SetEllipse({0, 0, 10, 10});
    TStroke target;
    target.SetRect({1, 1, 2, 2});
    target.Assign(source);
    EXPECT_EQ(Contents(target), Contents(source));
}

TEST(Stroke, EmptyStrokeDrawsNothing)
{
    QImage image = Blank(QImage::Format_RGB32);
    const QImage before = image;
    {
        TMemoryCanvas canvas(image);
        canvas.Painter().setPen(QPen(Qt::white, 3));
        TStroke stroke;
        stroke.Draw(canvas);
        EXPECT_TRUE(stroke.MakePath(canvas).isEmpty());
    }
    EXPECT_EQ(image, before);
}

TEST(Stroke, DrawAndMakePath)
{
    QImage image = Blank(QImage::Format_RGB32);
    TStroke stroke;
    stroke.Add(5, 5, M);
    stroke.Add(30, 5, L);
    stroke.Add(30, 20, L);
    {
        TMemoryCanvas canvas(image);
        canvas.Painter().setPen(QPen(Qt::white, 0));
        stroke.Draw(canvas);
        // Drawn open: no line back from (30, 20) to (5, 5).
        EXPECT_EQ(image.pixel(15, 5), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(30, 12), qRgb(255, 255, 255));
        EXPECT_EQ(image.pixel(17, 12), qRgb(0, 0, 0));
        const QPainterPath path = stroke.MakePath(canvas);
        EXPECT_EQ(path.elementCount(), 4); // closed: a line back to the start
        EXPECT_TRUE(path.contains(QPointF(25, 8)));
    }

    // A Bezier segment missing its end point ends the walk.
    TStroke broken;
    broken.Add(0, 0, M);
    broken.Add(10, 10, B);
    broken.Add(20, 10, B);
    TMemoryCanvas canvas(image);
    EXPECT_EQ(broken.MakePath(canvas).elementCount(), 1);
}

// The mask of a filled shape with soft edges: the path filled into an alpha map on a mapped
// canvas, then its outline traced anti-aliased.
TEST(Stroke, FillAndTraceIntoAnAlphaMap)
{
    QImage map = Blank(QImage::Format_Grayscale8);
    TStroke stroke;
    stroke.SetRect({20, 20, 200, 200}); // logical units, ten per pixel
    TMemoryCanvas canvas(map);
    canvas.SetMapMode(TMapMode::Anisotropic);
    canvas.SetWindowExt({10, 10});
    canvas.SetViewportExt({1, 1});
    QPainter& painter = canvas.Painter();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255));
    painter.drawPath(stroke.MakePath(canvas));
    EXPECT_EQ(map.constScanLine(10)[10], 255);
    EXPECT_EQ(map.constScanLine(10)[25], 0);
    map.fill(0);
    stroke.TraceAA(canvas);
    for (int i = 2; i <= 20; ++i) {
        EXPECT_EQ(map.constScanLine(2)[i], 255) << i;  // top edge
        EXPECT_EQ(map.constScanLine(i)[20], 255) << i; // right edge
        EXPECT_EQ(map.constScanLine(20)[i], 255) << i; // bottom edge
        EXPECT_EQ(map.constScanLine(i)[2], 255) << i;  // closing edge
    }
    EXPECT_EQ(map.constScanLine(10)[10], 0);
}

TEST(Stroke, TraceIntoAColourCanvasDoesNothing)
{
    QImage image = Blank(QImage::Format_RGB32);
    const QImage before = image;
    {
        TMemoryCanvas canvas(image);
        TStroke stroke;
        stroke.SetRect({1, 1, 30, 30});
        stroke.TraceAA(canvas);
    }
    EXPECT_EQ(image, before);
}
