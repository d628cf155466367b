// Image effects on a 12-megapixel photograph (4000 x 3000), one thread: one pass of the 3 x 3
// box blur against pixman's separable convolution with a 3 x 3 box kernel on the same 24-bit
// pixels, and the brightness/contrast effect against a baseline: a plain lookup loop through
// the same kind of table. Both sides write into the same output bitmap on every run.
#include "graphics/image_data/effects.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <QImage>
#include <array>
#include <cmath>
#include <random>

namespace {

constexpr QSize kPhoto(4000, 3000);

// Smooth shading with grain, as a photograph has it.
QImage Photo(QImage::Format format)
{
    QImage image(kPhoto, format);
    std::mt19937 random(7);
    const int bpp = image.depth() / 8;
    for (int y = 0; y < kPhoto.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < kPhoto.width(); ++x)
            for (int c = 0; c < bpp; ++c) {
                const double shade = 128 + 100 * std::sin((x * (c + 1) + y * 2) / 700.0);
                row[bpp * x + c] = uchar(std::clamp(shade + int(random() % 17) - 8, 0.0, 255.0));
            }
    }
    return image;
}

void Pixels(benchmark::State& state)
{
    state.SetItemsProcessed(state.iterations() * kPhoto.width() * kPhoto.height());
}

void BlurOurs(benchmark::State& state)
{
    const QImage photo = Photo(QImage::Format_BGR888);
    QImage out;
    TGREffectBlur blur(1);
    blur.SetSource(&photo, TRect(0, 0, kPhoto.width(), kPhoto.height()));
    blur.SetDestination(&out);
    for (auto _ : state) {
        blur.Run();
        benchmark::DoNotOptimize(out.constBits());
    }
    Pixels(state);
}

void BlurPeer(benchmark::State& state)
{
    // Pixman reads and writes packed 24-bit rows directly (rows of a QImage are 32-bit
    // aligned, as pixman requires), so both sides work on the same pixels.
    QImage photo = Photo(QImage::Format_BGR888);
    QImage out(kPhoto, QImage::Format_BGR888);
    pixman_image_t* source = pixman_image_create_bits(PIXMAN_r8g8b8, kPhoto.width(), kPhoto.height(),
                                                      reinterpret_cast<uint32_t*>(photo.bits()),
                                                      int(photo.bytesPerLine()));
    pixman_image_t* target = pixman_image_create_bits(PIXMAN_r8g8b8, kPhoto.width(), kPhoto.height(),
                                                      reinterpret_cast<uint32_t*>(out.bits()), int(out.bytesPerLine()));
    // Separable convolution parameters: width and height of the kernel, no subpixel phases,
    // then the horizontal and vertical weights.
    const pixman_fixed_t third = pixman_double_to_fixed(1.0 / 3);
    const std::array<pixman_fixed_t, 10> parameters{pixman_int_to_fixed(3), pixman_int_to_fixed(3), 0, 0,
                                                    third, third, pixman_fixed_1 - 2 * third,
                                                    third, third, pixman_fixed_1 - 2 * third};
    pixman_image_set_filter(source, PIXMAN_FILTER_SEPARABLE_CONVOLUTION, parameters.data(), int(parameters.size()));
    pixman_image_set_repeat(source, PIXMAN_REPEAT_PAD);
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, source, nullptr, target, 0, 0, 0, 0, 0, 0, kPhoto.width(),
                                 kPhoto.height());
        benchmark::ClobberMemory();
    }
    pixman_image_unref(source);
    pixman_image_unref(target);
    Pixels(state);
}

void LightOurs(benchmark::State& state)
{
    const QImage photo = Photo(QImage::Format_BGR888);
    QImage out;
    TGREffectBrightnessContrast light(15, 30);
    light.SetSource(&photo, TRect(0, 0, kPhoto.width(), kPhoto.height()));
    light.SetDestination(&out);
    for (auto _ : state) {
        light.Run();
        benchmark::DoNotOptimize(out.constBits());
    }
    Pixels(state);
}

void LightBaseline(benchmark::State& state)
{
    const QImage photo = Photo(QImage::Format_BGR888);
    QImage out(kPhoto, QImage::Format_BGR888);
    for (auto _ : state) {
        const auto table = TGREffectBrightnessContrast::BuildTable(15, 30);
        for (int y = 0; y < kPhoto.height(); ++y) {
            const uchar* from = photo.constScanLine(y);
            uchar* to = out.scanLine(y);
            for (int i = 0; i < kPhoto.width() * 3; ++i)
                to[i] = table[from[i]];
        }
        benchmark::DoNotOptimize(out.constBits());
    }
    Pixels(state);
}

} // namespace

BENCHMARK(BlurOurs)->Name("box_blur_12mp/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BlurPeer)->Name("box_blur_12mp/peer")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LightOurs)->Name("brightness_contrast_12mp/ours")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(LightBaseline)->Name("brightness_contrast_12mp/baseline")->Unit(benchmark::kMillisecond)->UseRealTime();
