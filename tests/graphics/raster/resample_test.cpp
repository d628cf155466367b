#include "graphics/raster/resample.h"

#include <gtest/gtest.h>

namespace {

// An 8-bit image of one row per list, one value per pixel.
QImage Grey(const std::vector<std::vector<int>>& rows)
{
    QImage image(int(rows[0].size()), int(rows.size()), QImage::Format_Grayscale8);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.scanLine(y)[x] = uchar(rows[y][x]);
    return image;
}

std::vector<int> Row(const QImage& image, int y = 0)
{
    std::vector<int> values;
    for (int x = 0; x < image.width(); ++x)
        values.push_back(image.constScanLine(y)[x]);
    return values;
}

QImage Sized(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(0);
    return image;
}

std::vector<int> Resampled(const QImage& source, int width, QRect rect, TResampleEdge edge, TResampleFilter filter)
{
    QImage destination = Sized(width, 1);
    Resample(destination, source, rect, edge, filter);
    EXPECT_EQ(destination.format(), source.format());
    return Row(destination);
}

} // namespace

TEST(Resample, NearestNeighbour)
{
    const QImage source = Grey({{10, 20, 30}, {40, 50, 60}});
    // Columns (k x 3 + 1) div 2: 0 and 2; row (0 x 2 + 1) div 1 = 1.
    EXPECT_EQ(Resampled(source, 2, source.rect(), TResampleEdge::Repeat, TResampleFilter::Nearest),
              (std::vector<int>{40, 60}));
    // Rows (j x 2 + 1) div 4 = 0, 0, 1, 1: the repeated rows are copies.
    QImage tall = Sized(3, 4);
    Resample(tall, source, TResampleFilter::Nearest);
    EXPECT_EQ(Row(tall, 0), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(Row(tall, 1), (std::vector<int>{10, 20, 30}));
    EXPECT_EQ(Row(tall, 2), (std::vector<int>{40, 50, 60}));
    EXPECT_EQ(Row(tall, 3), (std::vector<int>{40, 50, 60}));
}

// Enlarging [0, 200] to 4 pixels: positions -0.25, 0.25, 0.75, 1.25; beyond the rectangle
// the edge mode decides.
TEST(Resample, LinearEnlargingAndEdgeModes)
{
    const QImage source = Grey({{100, 0, 200, 40}});
    const QRect middle(1, 0, 2, 1);
    EXPECT_EQ(Resampled(source, 4, middle, TResampleEdge::Repeat, TResampleFilter::Linear),
              (std::vector<int>{0, 50, 150, 200}));
    // Wrapped: left of 0 is 200, right of 200 is 0.
    EXPECT_EQ(Resampled(source, 4, middle, TResampleEdge::Wrap, TResampleFilter::Linear),
              (std::vector<int>{50, 50, 150, 150}));
    // The bitmap's own pixels around the rectangle: 100 on the left, 40 on the right.
    EXPECT_EQ(Resampled(source, 4, middle, TResampleEdge::Outside, TResampleFilter::Linear),
              (std::vector<int>{25, 50, 150, 160}));
    // Beyond the bitmap the edge pixels repeat.
    EXPECT_EQ(Resampled(source, 8, source.rect(), TResampleEdge::Outside, TResampleFilter::Linear),
              Resampled(source, 8, source.rect(), TResampleEdge::Repeat, TResampleFilter::Linear));
}

// Catmull-Rom weights at t = 1/4: -0.0703125, 0.8671875, 0.2265625, -0.0234375 (and mirrored at
// t = 3/4): 0.2265625 x 200 - 0.0234375 x 200 = 40.625; 0.8671875 x 200 - 0.0703125 x 200 =
// 159.375; the undershoot at the left edge is clamped to 0.
TEST(Resample, CubicEnlarging)
{
    const QImage source = Grey({{0, 200}});
    EXPECT_EQ(Resampled(source, 4, source.rect(), TResampleEdge::Repeat, TResampleFilter::Cubic),
              (std::vector<int>{0, 41, 159, 214}));
}

TEST(Resample, ReducingAveragesAreas)
{
    // Pairs: (10 + 20) / 2 and (30 + 41) / 2 = 35.5, rounded up.
    const QImage four = Grey({{10, 20, 30, 41}});
    EXPECT_EQ(Resampled(four, 2, four.rect(), TResampleEdge::Repeat, TResampleFilter::Linear),
              (std::vector<int>{15, 36}));
    // Footprints of 1.5 pixels: (30 + 60 / 2) / 1.5 = 40 and (60 / 2 + 90) / 1.5 = 80.
    const QImage three = Grey({{30, 60, 90}});
    EXPECT_EQ(Resampled(three, 2, three.rect(), TResampleEdge::Repeat, TResampleFilter::Cubic),
              (std::vector<int>{40, 80}));
    // A strong reduction: 100 pixels into one.
    std::vector<int> ramp;
    for (int i = 0; i < 100; ++i)
        ramp.push_back(i * 2);
    const QImage long_ = Grey({ramp});
    EXPECT_EQ(Resampled(long_, 1, long_.rect(), TResampleEdge::Repeat, TResampleFilter::Linear),
              (std::vector<int>{99}));
    QImage column(1, 1, QImage::Format_Grayscale8);
    Resample(column, long_.transformed(QTransform().rotate(90)), TResampleFilter::Linear);
    EXPECT_EQ(column.constScanLine(0)[0], 99);
}

// 128 x 128 to 1024 x 64: each destination row is the mean of a pair of source rows, and
// each row is interpolated across.
TEST(Resample, EnlargeOneWayReduceTheOther)
{
    QImage source(128, 128, QImage::Format_BGR888);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x) {
            uchar* p = source.scanLine(y) + 3 * x;
            p[0] = uchar(2 * y);
            p[1] = uchar(x & 1 ? 200 : 0);
            p[2] = 77;
        }
    QImage destination = Sized(1024, 64);
    Resample(destination, source, TResampleFilter::Linear);
    ASSERT_EQ(destination.format(), QImage::Format_BGR888);
    ASSERT_EQ(destination.size(), QSize(1024, 64));
    for (int j = 0; j < 64; ++j) {
        const uchar* row = destination.constScanLine(j);
        EXPECT_EQ(row[0], 4 * j + 1) << j; // (4j + 4j + 2) / 2
        EXPECT_EQ(row[3 * 500], 4 * j + 1);
        EXPECT_EQ(row[2], 77);
    }
    // Across: destination pixel 12 lies at source position 12.5 / 8 - 0.5 = 1.0625, a sixteenth
    // of the way from column 1 (200) to column 2 (0): 200 x 15 / 16 = 187.5, rounded.
    EXPECT_EQ(destination.constScanLine(10)[3 * 12 + 1], 188);
    EXPECT_EQ(destination.constScanLine(10)[3 * 3 + 1], 0); // left of column 0's centre: edge
}

TEST(Resample, EqualSizeCopies)
{
    QImage source(5, 3, QImage::Format_RGB32);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            source.setPixel(x, y, qRgb(x * 50, y * 100, 7));
    for (TResampleFilter filter : {TResampleFilter::Nearest, TResampleFilter::Linear, TResampleFilter::Cubic}) {
        QImage destination = Sized(5, 3);
        Resample(destination, source, filter);
        EXPECT_EQ(destination, source);
    }
}

TEST(Resample, InvalidRequestsLeaveTheDestination)
{
    const QImage source = Grey({{1, 2, 3}, {4, 5, 6}});
    const struct {
        const char* name;
        QImage destination;
        QImage source;
        QRect rect;
    } cases[] = {
        {"rectangle outside the source", Sized(4, 4), source, QRect(1, 0, 3, 2)},
        {"empty rectangle", Sized(4, 4), source, QRect(0, 0, 0, 2)},
        {"16-bit source", Sized(4, 4), QImage(3, 2, QImage::Format_RGB16), QRect(0, 0, 3, 2)},
        {"1-bit source", Sized(4, 4), QImage(3, 2, QImage::Format_Mono), QRect(0, 0, 3, 2)},
        {"empty destination", QImage(0, 5, QImage::Format_RGB32), source, QRect(0, 0, 3, 2)},
        {"null destination", QImage(), source, QRect(0, 0, 3, 2)},
    };
    for (const auto& c : cases) {
        QImage destination = c.destination;
        const QImage before = destination;
        Resample(destination, c.source, c.rect, TResampleEdge::Repeat, TResampleFilter::Cubic);
        EXPECT_EQ(destination, before) << c.name;
        EXPECT_EQ(destination.format(), before.format()) << c.name;
    }
}

TEST(Resample, PaletteTravelsWithEightBitImages)
{
    QImage source(2, 2, QImage::Format_Indexed8);
    source.setColorTable({qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(0, 255, 0)});
    source.fill(2);
    QImage destination = Sized(3, 3);
    Resample(destination, source, TResampleFilter::Linear);
    EXPECT_EQ(destination.format(), QImage::Format_Indexed8);
    EXPECT_EQ(destination.colorTable(), source.colorTable());
    EXPECT_EQ(destination.pixelIndex(1, 1), 2);
}

// The destination's pixels are reused when they fit, but never written through to a source
// that shares them.
TEST(Resample, DestinationSharingTheSourceLeavesTheSource)
{
    const QImage source = Grey({{100, 0, 200, 40}});
    QImage shared = source;
    Resample(shared, source, QRect(1, 0, 2, 1), TResampleEdge::Repeat, TResampleFilter::Linear);
    EXPECT_EQ(Row(shared), (std::vector<int>{0, 50, 150, 200}));
    EXPECT_EQ(Row(source), (std::vector<int>{100, 0, 200, 40}));

    QImage same = source;
    Resample(same, same, QRect(1, 0, 2, 1), TResampleEdge::Repeat, TResampleFilter::Linear);
    EXPECT_EQ(Row(same), (std::vector<int>{0, 50, 150, 200}));
}

namespace {

// The coverage-weighted mean of the source pixels a destination pixel's footprint overlaps,
// in floating point: the exact value area averaging approximates.
std::vector<double> ExactAreaMeans(const std::vector<int>& row, int outputs)
{
    const double step = double(row.size()) / outputs;
    std::vector<double> means;
    for (int k = 0; k < outputs; ++k) {
        const double a = k * step, b = (k + 1) * step;
        double sum = 0;
        for (int i = int(a); i < int(std::ceil(b)); ++i)
            sum += (std::min<double>(b, i + 1) - std::max<double>(a, i)) * row[i];
        means.push_back(sum / step);
    }
    return means;
}

} // namespace

// Reductions by small and large factors, across and down, stay within one level of the
// exact coverage-weighted means.
TEST(Resample, ReductionsStayWithinOneLevel)
{
    std::vector<int> row;
    unsigned seed = 12345;
    for (int i = 0; i < 3000; ++i) {
        seed = seed * 1103515245 + 12345;
        row.push_back(i % 7 == 0 ? 255 : int((seed >> 16) & 255));
    }
    const QImage across = Grey({row});
    const QImage down = across.transformed(QTransform().rotate(90));
    for (int outputs : {1, 3, 7, 188, 189, 700, 1499, 2999}) {
        const std::vector<double> exact = ExactAreaMeans(row, outputs);
        QImage wide(outputs, 1, QImage::Format_Grayscale8);
        Resample(wide, across, TResampleFilter::Linear);
        QImage tall(1, outputs, QImage::Format_Grayscale8);
        Resample(tall, down, TResampleFilter::Cubic);
        for (int k = 0; k < outputs; ++k) {
            ASSERT_NEAR(wide.constScanLine(0)[k], exact[k], 1.0) << outputs << " across, pixel " << k;
            ASSERT_NEAR(tall.constScanLine(k)[0], exact[k], 1.0) << outputs << " down, pixel " << k;
        }
    }
    // A step whose bright part lines up with where rounded weights would round up:
    // 1384 x 255 / 3000 = 117.6.
    std::vector<int> step(3000, 0);
    std::fill(step.begin(), step.begin() + 1384, 255);
    EXPECT_EQ(Resampled(Grey({step}), 1, QRect(0, 0, 3000, 1), TResampleEdge::Repeat, TResampleFilter::Linear),
              (std::vector<int>{118}));
    // Alternating 0 and 255 over 1000 pixels: the mean 127.5 rounds up.
    std::vector<int> alternating;
    for (int i = 0; i < 1000; ++i)
        alternating.push_back(i % 2 ? 255 : 0);
    EXPECT_EQ(Resampled(Grey({alternating}), 1, QRect(0, 0, 1000, 1), TResampleEdge::Repeat, TResampleFilter::Linear),
              (std::vector<int>{128}));
}

// Every window of a resampled image holds exactly the pixels of the whole result there, for
// enlarging, reducing and nearest-neighbour sampling.
TEST(Resample, WindowMatchesTheWholeResult)
{
    QImage source(37, 23, QImage::Format_BGR888);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width() * 3; ++x)
            source.scanLine(y)[x] = uchar((x * 37 + y * 91) % 251);
    const struct {
        QSize whole;
        QRect window;
        TResampleFilter filter;
    } cases[] = {
        {{300, 200}, {120, 40, 64, 33}, TResampleFilter::Linear},
        {{300, 200}, {0, 0, 300, 1}, TResampleFilter::Linear},
        {{300, 200}, {299, 199, 1, 1}, TResampleFilter::Linear},
        {{11, 7}, {3, 2, 5, 4}, TResampleFilter::Linear},
        {{300, 200}, {17, 5, 40, 90}, TResampleFilter::Cubic},
        {{300, 200}, {17, 5, 40, 90}, TResampleFilter::Nearest},
        {{37, 23}, {1, 1, 30, 20}, TResampleFilter::Linear},
    };
    for (const auto& c : cases) {
        QImage whole(c.whole, QImage::Format_BGR888);
        Resample(whole, source, c.filter);
        QImage window;
        ResampleWindow(window, source, c.whole, c.window, c.filter);
        EXPECT_EQ(window, whole.copy(c.window)) << c.window.x() << "," << c.window.y();
    }
    // A window reaching beyond the whole size leaves the destination alone.
    QImage untouched(2, 2, QImage::Format_BGR888);
    untouched.fill(Qt::red);
    ResampleWindow(untouched, source, QSize(10, 10), QRect(5, 5, 6, 2), TResampleFilter::Linear);
    EXPECT_EQ(untouched.size(), QSize(2, 2));
    EXPECT_EQ(untouched.pixelColor(0, 0), QColor(Qt::red));
}
