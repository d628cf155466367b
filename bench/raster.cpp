// Raster kernels against pixman (and cairo for stroked lines) on the same input, one thread:
// alpha-map blending, resampling up and down, rotation, quadrilateral mapping and
// anti-aliased lines, each at 1200 x 1200 and 2100 x 2970 pixels.
#include "graphics/raster/aa_line.h"
#include "graphics/raster/blender.h"
#include "graphics/raster/map_rect_to_quad.h"
#include "graphics/raster/resample.h"

#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pixman.h>

#include <QImage>
#include <array>
#include <cmath>
#include <cstdlib>
#include <random>

namespace {

constexpr int kRotationDegrees = 30;
constexpr int kLineCount = 10000;
constexpr int kLineLength = 100;
// Resampling scales between the benchmark size and 0.6 of it.
constexpr double kResampleScale = 0.6;

QSize SizeOf(const benchmark::State& state)
{
    return {int(state.range(0)), int(state.range(1))};
}

// Deterministic noise, so that no kernel meets long runs of equal pixels.
QImage Noise(QSize size, QImage::Format format, unsigned seed)
{
    QImage image(size, format);
    std::mt19937 random(seed);
    for (int y = 0; y < size.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (qsizetype i = 0; i < image.bytesPerLine(); ++i)
            row[i] = uchar(random());
    }
    return image;
}

pixman_image_t* Wrap(QImage& image, pixman_format_code_t format)
{
    return pixman_image_create_bits(format, image.width(), image.height(), reinterpret_cast<uint32_t*>(image.bits()),
                                    int(image.bytesPerLine()));
}

struct PixmanImage {
    explicit PixmanImage(pixman_image_t* image) : image(image) {}
    ~PixmanImage() { pixman_image_unref(image); }
    PixmanImage(const PixmanImage&) = delete;
    PixmanImage& operator=(const PixmanImage&) = delete;
    pixman_image_t* image;
};

void Pixels(benchmark::State& state, QSize size)
{
    state.SetItemsProcessed(state.iterations() * size.width() * size.height());
}

// --- blending -------------------------------------------------------------------------------

void Blend(benchmark::State& state, QImage::Format format, bool ours)
{
    const QSize size = SizeOf(state);
    QImage destination = Noise(size, format, 1);
    QImage source = Noise(size, format, 2);
    QImage mask = Noise(size, QImage::Format_Grayscale8, 3);
    if (ours) {
        TGRBlendAlphaMapRatio blender;
        blender.SetDestination(&destination, destination.rect());
        blender.SetSource(&source, source.rect());
        blender.SetAlphaMap(&mask, mask.rect());
        blender.SetRatio(70);
        for (auto _ : state) {
            blender.Execute();
            benchmark::ClobberMemory();
        }
    } else {
        const pixman_format_code_t code = format == QImage::Format_RGB32 ? PIXMAN_x8r8g8b8 : PIXMAN_r8g8b8;
        PixmanImage target(Wrap(destination, code)), colour(Wrap(source, code)), alpha(Wrap(mask, PIXMAN_a8));
        for (auto _ : state) {
            pixman_image_composite32(PIXMAN_OP_OVER, colour.image, alpha.image, target.image, 0, 0, 0, 0, 0, 0,
                                     size.width(), size.height());
            benchmark::ClobberMemory();
        }
    }
    Pixels(state, size);
}

// --- resampling -------------------------------------------------------------------------------

QSize Scaled(QSize size)
{
    return {int(size.width() * kResampleScale), int(size.height() * kResampleScale)};
}

enum class Resize { UpLinear, UpCubic, DownArea };

void ResampleKernel(benchmark::State& state, Resize resize, bool ours)
{
    const QSize size = SizeOf(state);
    const bool up = resize != Resize::DownArea;
    const QSize from = up ? Scaled(size) : size;
    const QSize to = up ? size : Scaled(size);
    QImage source = Noise(from, QImage::Format_RGB32, 4);
    QImage destination(to, QImage::Format_RGB32);
    if (ours) {
        const TResampleFilter filter = resize == Resize::UpCubic ? TResampleFilter::Cubic : TResampleFilter::Linear;
        for (auto _ : state) {
            Resample(destination, source, filter);
            benchmark::DoNotOptimize(destination.constBits());
        }
    } else {
        PixmanImage input(Wrap(source, PIXMAN_x8r8g8b8)), output(Wrap(destination, PIXMAN_x8r8g8b8));
        const double sx = double(from.width()) / to.width(), sy = double(from.height()) / to.height();
        pixman_transform_t scale;
        pixman_transform_init_scale(&scale, pixman_double_to_fixed(sx), pixman_double_to_fixed(sy));
        pixman_image_set_transform(input.image, &scale);
        pixman_image_set_repeat(input.image, PIXMAN_REPEAT_PAD);
        if (resize == Resize::UpLinear) {
            pixman_image_set_filter(input.image, PIXMAN_FILTER_BILINEAR, nullptr, 0);
        } else {
            const bool cubic = resize == Resize::UpCubic;
            int count = 0;
            pixman_fixed_t* parameters = pixman_filter_create_separable_convolution(
                &count, pixman_double_to_fixed(sx), pixman_double_to_fixed(sy),
                cubic ? PIXMAN_KERNEL_CUBIC : PIXMAN_KERNEL_BOX, cubic ? PIXMAN_KERNEL_CUBIC : PIXMAN_KERNEL_BOX,
                cubic ? PIXMAN_KERNEL_IMPULSE : PIXMAN_KERNEL_BOX, cubic ? PIXMAN_KERNEL_IMPULSE : PIXMAN_KERNEL_BOX, 4,
                4);
            pixman_image_set_filter(input.image, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, parameters, count);
            std::free(parameters);
        }
        for (auto _ : state) {
            pixman_image_composite32(PIXMAN_OP_SRC, input.image, nullptr, output.image, 0, 0, 0, 0, 0, 0, to.width(),
                                     to.height());
            benchmark::ClobberMemory();
        }
    }
    Pixels(state, to);
}

// --- rotation and quadrilateral mapping ---------------------------------------------------------

struct Box {
    double left, top;
    int width, height;
};

Box BoundingBox(const std::array<QPointF, 4>& corners)
{
    double left = corners[0].x(), right = left, top = corners[0].y(), bottom = top;
    for (const QPointF& c : corners) {
        left = std::min(left, c.x());
        right = std::max(right, c.x());
        top = std::min(top, c.y());
        bottom = std::max(bottom, c.y());
    }
    left = std::floor(left);
    top = std::floor(top);
    return {left, top, int(std::ceil(right) - left), int(std::ceil(bottom) - top)};
}

// The projective transform taking destination pixels (in the corners' box) to source pixels
// of the rectangle (0, 0, size): the homography of the four corner pairs.
pixman_transform_t QuadToSource(const std::array<QPointF, 4>& corners, QSize size, const Box& box)
{
    const double u[4] = {0, double(size.width()), double(size.width()), 0};
    const double v[4] = {0, 0, double(size.height()), double(size.height())};
    double a[8][9] = {};
    for (int i = 0; i < 4; ++i) {
        const double x = corners[i].x() - box.left, y = corners[i].y() - box.top;
        const double rowU[9] = {x, y, 1, 0, 0, 0, -u[i] * x, -u[i] * y, u[i]};
        const double rowV[9] = {0, 0, 0, x, y, 1, -v[i] * x, -v[i] * y, v[i]};
        std::copy(rowU, rowU + 9, a[2 * i]);
        std::copy(rowV, rowV + 9, a[2 * i + 1]);
    }
    for (int c = 0; c < 8; ++c) { // Gauss-Jordan with partial pivoting
        int pivot = c;
        for (int r = c + 1; r < 8; ++r)
            if (std::abs(a[r][c]) > std::abs(a[pivot][c]))
                pivot = r;
        std::swap(a[c], a[pivot]);
        for (int r = 0; r < 8; ++r) {
            if (r == c)
                continue;
            const double f = a[r][c] / a[c][c];
            for (int k = c; k < 9; ++k)
                a[r][k] -= f * a[c][k];
        }
    }
    pixman_f_transform_t f;
    for (int i = 0; i < 8; ++i)
        f.m[i / 3][i % 3] = a[i][8] / a[i][i];
    f.m[2][2] = 1;
    pixman_transform_t t;
    pixman_transform_from_pixman_f_transform(&t, &f);
    return t;
}

void MapKernel(benchmark::State& state, bool rotation, bool ours)
{
    const QSize size = SizeOf(state);
    QImage source = Noise(size, QImage::Format_RGB32, 5);
    std::array<QPointF, 4> corners;
    if (rotation) {
        const double c = std::cos(kRotationDegrees * M_PI / 180), s = std::sin(kRotationDegrees * M_PI / 180);
        const QPointF plain[4] = {{0, 0}, {double(size.width()), 0}, {double(size.width()), double(size.height())},
                                  {0, double(size.height())}};
        for (int i = 0; i < 4; ++i)
            corners[i] = QPoint(int(std::lround(plain[i].x() * c - plain[i].y() * s)),
                                int(std::lround(plain[i].x() * s + plain[i].y() * c)));
    } else {
        const double w = size.width(), h = size.height();
        corners = {QPointF(0.1 * w, 0.05 * h), {0.95 * w, 0.15 * h}, {0.85 * w, 0.9 * h}, {0.05 * w, 0.8 * h}};
    }
    const Box box = BoundingBox(corners);
    QImage destination;
    if (ours) {
        for (auto _ : state) {
            if (rotation)
                RotateBitmap(source, destination, kRotationDegrees, clWhite, size);
            else
                MapRectToQuad(destination, source, source.rect(), corners, clWhite);
            benchmark::DoNotOptimize(destination.constBits());
        }
    } else {
        destination = QImage(box.width, box.height, QImage::Format_RGB32);
        PixmanImage input(Wrap(source, PIXMAN_x8r8g8b8)), output(Wrap(destination, PIXMAN_x8r8g8b8));
        const pixman_transform_t transform = QuadToSource(corners, size, box);
        pixman_image_set_transform(input.image, &transform);
        pixman_image_set_filter(input.image, PIXMAN_FILTER_NEAREST, nullptr, 0);
        for (auto _ : state) {
            pixman_image_composite32(PIXMAN_OP_SRC, input.image, nullptr, output.image, 0, 0, 0, 0, 0, 0, box.width,
                                     box.height);
            benchmark::ClobberMemory();
        }
    }
    Pixels(state, {box.width, box.height});
}

// --- anti-aliased lines -----------------------------------------------------------------------

struct Segment {
    int x0, y0, x1, y1;
};

std::vector<Segment> RandomLines(QSize size)
{
    std::mt19937 random(6);
    std::uniform_real_distribution<double> unit(0, 1);
    std::vector<Segment> lines;
    for (int i = 0; i < kLineCount; ++i) {
        const int x = int(unit(random) * size.width()), y = int(unit(random) * size.height());
        const double angle = unit(random) * 2 * M_PI;
        lines.push_back({x, y, x + int(std::lround(kLineLength * std::cos(angle))),
                         y + int(std::lround(kLineLength * std::sin(angle)))});
    }
    return lines;
}

void Lines(benchmark::State& state, bool ours)
{
    const QSize size = SizeOf(state);
    const std::vector<Segment> lines = RandomLines(size);
    QImage map(size, QImage::Format_Grayscale8);
    map.fill(0);
    if (ours) {
        TAALineAlphaMap line;
        line.Bind(&map);
        for (auto _ : state) {
            for (const Segment& s : lines)
                line.Line(s.x0, s.y0, s.x1, s.y1);
            benchmark::ClobberMemory();
        }
    } else {
        cairo_surface_t* surface = cairo_image_surface_create_for_data(map.bits(), CAIRO_FORMAT_A8, size.width(),
                                                                       size.height(), int(map.bytesPerLine()));
        cairo_t* cr = cairo_create(surface);
        cairo_set_line_width(cr, 1.2); // the default line: half-width 0.6
        for (auto _ : state) {
            for (const Segment& s : lines) {
                cairo_move_to(cr, s.x0 + 0.5, s.y0 + 0.5);
                cairo_line_to(cr, s.x1 + 0.5, s.y1 + 0.5);
                cairo_stroke(cr);
            }
            cairo_surface_flush(surface);
            benchmark::ClobberMemory();
        }
        cairo_destroy(cr);
        cairo_surface_destroy(surface);
    }
    state.SetItemsProcessed(state.iterations() * kLineCount);
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Args({1200, 1200})->Args({2100, 2970})->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK_CAPTURE(Blend, blend_bgr24_ratio_a8/ours, QImage::Format_BGR888, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Blend, blend_bgr24_ratio_a8/peer, QImage::Format_BGR888, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Blend, blend_rgb32_ratio_a8/ours, QImage::Format_RGB32, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Blend, blend_rgb32_ratio_a8/peer, QImage::Format_RGB32, false)->Apply(Sizes);
BENCHMARK_CAPTURE(ResampleKernel, resample_up_linear/ours, Resize::UpLinear, true)->Apply(Sizes);
BENCHMARK_CAPTURE(ResampleKernel, resample_up_linear/peer, Resize::UpLinear, false)->Apply(Sizes);
BENCHMARK_CAPTURE(ResampleKernel, resample_up_cubic/ours, Resize::UpCubic, true)->Apply(Sizes);
BENCHMARK_CAPTURE(ResampleKernel, resample_up_cubic/peer, Resize::UpCubic, false)->Apply(Sizes);
BENCHMARK_CAPTURE(ResampleKernel, resample_down_area/ours, Resize::DownArea, true)->Apply(Sizes);
BENCHMARK_CAPTURE(ResampleKernel, resample_down_area/peer, Resize::DownArea, false)->Apply(Sizes);
BENCHMARK_CAPTURE(MapKernel, rotate_30deg/ours, true, true)->Apply(Sizes);
BENCHMARK_CAPTURE(MapKernel, rotate_30deg/peer, true, false)->Apply(Sizes);
BENCHMARK_CAPTURE(MapKernel, map_quad/ours, false, true)->Apply(Sizes);
BENCHMARK_CAPTURE(MapKernel, map_quad/peer, false, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Lines, aa_lines_10k/ours, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Lines, aa_lines_10k/peer, false)->Apply(Sizes);
