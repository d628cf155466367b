#include "graphics/raster/gaussian_blur.h"

#include <gtest/gtest.h>
#include <cmath>
#include <random>

namespace {

// Random pixels with hard edges, the worst case for a blur's accuracy: noise, plus a
// white block and a black stripe.
QImage Sample(QSize size, QImage::Format format, unsigned seed)
{
    QImage image(size, format);
    std::mt19937 random(seed);
    const int bytes = image.depth() / 8;
    for (int y = 0; y < size.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < size.width() * bytes; ++x)
            row[x] = uchar(random() % 256);
        for (int x = size.width() / 3; x < size.width() / 2; ++x)
            for (int c = 0; c < bytes; ++c)
                row[x * bytes + c] = y < size.height() / 2 ? 255 : 0;
    }
    return image;
}

// The direct convolution with the sampled Gaussian of the same sigma (normalised, reaching
// six sigma), edge pixels repeated, rows then columns, in double precision.
QImage Reference(const QImage& source, QRect rect, double radiusX, double radiusY)
{
    const int bytes = source.depth() / 8;
    const int width = rect.width(), height = rect.height();
    std::vector<double> values(std::size_t(width) * height * bytes);
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < width * bytes; ++i)
            values[std::size_t(y) * width * bytes + i] = source.constScanLine(rect.top() + y)[rect.left() * bytes + i];
    const auto kernel = [](double radius) {
        std::vector<double> weights;
        if (radius < 1)
            return std::vector<double>{1.0};
        const double sigma = GaussianSigma(radius);
        const int reach = int(std::ceil(6 * sigma));
        double sum = 0;
        for (int k = -reach; k <= reach; ++k)
            sum += weights.emplace_back(std::exp(-k * k / (2 * sigma * sigma)));
        for (double& weight : weights)
            weight /= sum;
        return weights;
    };
    const auto pass = [&](const std::vector<double>& weights, bool alongRows) {
        const int reach = int(weights.size() / 2);
        std::vector<double> out(values.size());
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < bytes; ++c) {
                    double sum = 0;
                    for (int k = -reach; k <= reach; ++k) {
                        const int sx = alongRows ? std::clamp(x + k, 0, width - 1) : x;
                        const int sy = alongRows ? y : std::clamp(y + k, 0, height - 1);
                        sum += weights[k + reach] * values[(std::size_t(sy) * width + sx) * bytes + c];
                    }
                    out[(std::size_t(y) * width + x) * bytes + c] = sum;
                }
        values.swap(out);
    };
    pass(kernel(radiusX), true);
    pass(kernel(radiusY), false);
    QImage result = source.copy();
    for (int y = 0; y < height; ++y)
        for (int i = 0; i < width * bytes; ++i)
            result.scanLine(rect.top() + y)[rect.left() * bytes + i] =
                uchar(std::lround(std::clamp(values[std::size_t(y) * width * bytes + i], 0.0, 255.0)));
    return result;
}

int LargestDifference(const QImage& a, const QImage& b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int i = 0; i < int(a.bytesPerLine()); ++i)
            largest = std::max(largest, std::abs(a.constScanLine(y)[i] - b.constScanLine(y)[i]));
    return largest;
}

} // namespace

TEST(GaussianBlur, StaysWithinOneOfTheSampledGaussian)
{
    const QImage::Format formats[] = {QImage::Format_Grayscale8, QImage::Format_BGR888, QImage::Format_ARGB32};
    for (const double radius : {1.0, 8.0, 20.0, 50.0})
        for (const QImage::Format format : formats) {
            const QImage source = Sample(QSize(150, 120), format, unsigned(radius));
            QImage blurred = source;
            GaussianBlur(blurred, blurred.rect(), radius, radius);
            EXPECT_LE(LargestDifference(blurred, Reference(source, source.rect(), radius, radius)), 1)
                << "radius " << radius << " format " << format;
        }
}

TEST(GaussianBlur, DirectionsAndRectangleAreHonoured)
{
    const QImage source = Sample(QSize(90, 70), QImage::Format_BGR888, 3);
    const QRect rect(10, 5, 60, 50);
    QImage blurred = source;
    GaussianBlur(blurred, rect, 6, 0.5); // rows only
    EXPECT_LE(LargestDifference(blurred, Reference(source, rect, 6, 0)), 1);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) {
            if (!rect.contains(x, y))
                ASSERT_EQ(blurred.pixel(x, y), source.pixel(x, y)) << x << "," << y;
        }

    blurred = source;
    GaussianBlur(blurred, QRect(-20, -20, 200, 200), 0, 12); // clipped to the image, columns only
    EXPECT_LE(LargestDifference(blurred, Reference(source, source.rect(), 0, 12)), 1);
}

TEST(GaussianBlur, FlatFieldStaysFlat)
{
    for (const double radius : {1.0, 20.0, 50.0, 300.0}) {
        QImage flat(400, 60, QImage::Format_Grayscale8);
        flat.fill(128);
        GaussianBlur(flat, flat.rect(), radius, radius);
        for (int y = 0; y < flat.height(); ++y)
            for (int x = 0; x < flat.width(); ++x)
                ASSERT_EQ(flat.constScanLine(y)[x], 128) << "radius " << radius << " at " << x << "," << y;
    }
}

TEST(GaussianBlur, SmallRadiiAndOtherFormatsChangeNothing)
{
    const QImage source = Sample(QSize(40, 30), QImage::Format_Grayscale8, 5);
    QImage image = source;
    GaussianBlur(image, image.rect(), 0.5, 0.5);
    EXPECT_EQ(image, source);

    QImage wide(40, 30, QImage::Format_RGBA64);
    wide.fill(Qt::red);
    wide.setPixelColor(3, 3, Qt::blue);
    const QImage before = wide;
    GaussianBlur(wide, wide.rect(), 10, 10);
    EXPECT_EQ(wide, before);
}

TEST(GaussianBlur, ThinLinesAndSinglePixels)
{
    // A one-pixel image, and a one-row image blurred across its single row.
    QImage dot(1, 1, QImage::Format_Grayscale8);
    dot.fill(200);
    GaussianBlur(dot, dot.rect(), 30, 30);
    EXPECT_EQ(dot.constScanLine(0)[0], 200);

    QImage line(64, 1, QImage::Format_Grayscale8);
    line.fill(0);
    line.scanLine(0)[32] = 255;
    const QImage source = line;
    GaussianBlur(line, line.rect(), 4, 4);
    EXPECT_LE(LargestDifference(line, Reference(source, source.rect(), 4, 4)), 1);
}
