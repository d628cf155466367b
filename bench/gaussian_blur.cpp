// The soft-shadow blur: a 2,000 x 2,000 coverage mask (8 bits, one channel) blurred at
// radius 20, against pixman's separable convolution with its Gaussian kernel of the same
// sigma on the same mask, one thread. pixman runs the convolution as it is meant for a
// separable kernel: a horizontal pass (kernel height 1) into a scratch mask, then a
// vertical pass (kernel width 1) into the output. Our blur works in place, so each of our
// runs starts with copying the mask in.
#include "graphics/raster/gaussian_blur.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <QImage>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kSize = 2000;
constexpr double kRadius = 20;

// Text-like coverage: rows of filled blocks with soft-edged round strokes between them.
QImage Mask()
{
    QImage mask(kSize, kSize, QImage::Format_Grayscale8);
    for (int y = 0; y < kSize; ++y) {
        uchar* row = mask.scanLine(y);
        for (int x = 0; x < kSize; ++x) {
            const bool block = (y / 120) % 2 == 0 && (x / 40) % 3 != 2;
            const double ring = std::abs(std::sin(x / 37.0) * std::cos(y / 23.0));
            row[x] = block ? 255 : uchar(ring > 0.8 ? 255 * (ring - 0.8) / 0.2 : 0);
        }
    }
    return mask;
}

void Pixels(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * kSize * kSize);
}

void BlurOurs(benchmark::State& state)
{
    const QImage mask = Mask();
    QImage work(mask.size(), mask.format());
    for (auto _ : state) {
        std::copy(mask.constBits(), mask.constBits() + mask.sizeInBytes(), work.bits());
        GaussianBlur(work, work.rect(), kRadius, kRadius);
        benchmark::DoNotOptimize(work.constBits());
    }
    Pixels(state);
}

pixman_image_t* Wrap(QImage& image)
{
    return pixman_image_create_bits(PIXMAN_a8, image.width(), image.height(), reinterpret_cast<uint32_t*>(image.bits()),
                                    int(image.bytesPerLine()));
}

// A one-dimensional Gaussian of sigma along x (horizontal) or y, sampled (impulse
// reconstruction); pixman's Gaussian kernel has a sigma of 1/sqrt(2) at scale 1. The other
// axis takes one tap of weight 1 (a unit box, sampled).
void SetGaussian(pixman_image_t* image, double sigma, bool horizontal)
{
    const pixman_fixed_t scale = pixman_double_to_fixed(sigma * std::sqrt(2.0)), one = pixman_double_to_fixed(1);
    const pixman_kernel_t gaussian = PIXMAN_KERNEL_GAUSSIAN, impulse = PIXMAN_KERNEL_IMPULSE, box = PIXMAN_KERNEL_BOX;
    int count = 0;
    pixman_fixed_t* parameters = pixman_filter_create_separable_convolution(
        &count, horizontal ? scale : one, horizontal ? one : scale, horizontal ? impulse : box,
        horizontal ? box : impulse, horizontal ? gaussian : impulse, horizontal ? impulse : gaussian, 0, 0);
    pixman_image_set_filter(image, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, parameters, count);
    pixman_image_set_repeat(image, PIXMAN_REPEAT_PAD);
    std::free(parameters);
}

void BlurPeer(benchmark::State& state)
{
    QImage mask = Mask();
    QImage scratch(mask.size(), mask.format()), out(mask.size(), mask.format());
    pixman_image_t* source = Wrap(mask);
    pixman_image_t* middle = Wrap(scratch);
    pixman_image_t* target = Wrap(out);
    const double sigma = GaussianSigma(kRadius);
    SetGaussian(source, sigma, true);
    SetGaussian(middle, sigma, false);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, middle, 0, 0, 0, 0, 0, 0, kSize, kSize);
        pixman_image_composite32(PIXMAN_OP_SRC, middle, nullptr, target, 0, 0, 0, 0, 0, 0, kSize, kSize);
        benchmark::DoNotOptimize(out.constBits());
    }
    pixman_image_unref(source);
    pixman_image_unref(middle);
    pixman_image_unref(target);
    Pixels(state);
}

} // namespace

BENCHMARK(BlurOurs)->Name("gaussian_blur_mask_r20/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BlurPeer)->Name("gaussian_blur_mask_r20/peer")->Unit(benchmark::kMillisecond)->UseRealTime();
