// Gradient fills through the printer path (the 128 x 128 map resampled smoothly to the
// rectangle) against pixman's gradients drawn directly at the same size, one thread, at
// 1200 x 1200 and 2100 x 2970 pixels. Pixman has linear, radial and conical gradients but no
// box gradient: ours is set against pixman's linear one as a baseline of the same size, not
// as a peer doing the same work.
#include "core/canvas/memory_canvas.h"
#include "graphics/color/fill_gradation.h"

#include <benchmark/benchmark.h>
#include <pixman.h>

#include <QImage>
#include <vector>

namespace {

const std::vector<TColor> kColors{0x0000FF, 0x00FFFF, 0xFF0000};

QSize SizeOf(const benchmark::State& state)
{
    return {int(state.range(0)), int(state.range(1))};
}

enum class Kind { Linear, Box, Radial, Conical };

void Ours(benchmark::State& state, Kind kind)
{
    const QSize size = SizeOf(state);
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    TMemoryCanvas canvas(page);
    canvas.SetPrinterCanvas(true);
    const rgGradationKind grad = kind == Kind::Linear   ? rgkSimple
                                 : kind == Kind::Box    ? rgkBoxToCenter
                                 : kind == Kind::Radial ? rgkCircleToCenter
                                                        : rgkConeCounterClockwise;
    for (auto _ : state) {
        FillGradation(canvas, TRect(0, 0, size.width(), size.height()), kColors.data(), int(kColors.size()), false,
                      315, grad);
        benchmark::DoNotOptimize(page.constBits());
    }
    state.SetItemsProcessed(state.iterations() * size.width() * size.height());
}

void Peer(benchmark::State& state, Kind kind)
{
    const QSize size = SizeOf(state);
    QImage page(size, QImage::Format_RGB32);
    page.fill(Qt::white);
    pixman_image_t* target = pixman_image_create_bits(PIXMAN_x8r8g8b8, size.width(), size.height(),
                                                      reinterpret_cast<uint32_t*>(page.bits()),
                                                      int(page.bytesPerLine()));
    std::vector<pixman_gradient_stop_t> stops;
    for (std::size_t i = 0; i < kColors.size(); ++i) {
        const TColor c = kColors[i];
        stops.push_back({pixman_double_to_fixed(double(i) / (kColors.size() - 1)),
                         {uint16_t((c & 0xFF) * 257), uint16_t(((c >> 8) & 0xFF) * 257),
                          uint16_t(((c >> 16) & 0xFF) * 257), 0xFFFF}});
    }
    const pixman_point_fixed_t topLeft{0, 0};
    const pixman_point_fixed_t bottomRight{pixman_int_to_fixed(size.width()), pixman_int_to_fixed(size.height())};
    const pixman_point_fixed_t centre{pixman_int_to_fixed(size.width()) / 2, pixman_int_to_fixed(size.height()) / 2};
    pixman_image_t* gradient = nullptr;
    switch (kind) {
    case Kind::Linear:
    case Kind::Box:
        gradient = pixman_image_create_linear_gradient(&topLeft, &bottomRight, stops.data(), int(stops.size()));
        break;
    case Kind::Radial:
        gradient = pixman_image_create_radial_gradient(&centre, &centre, 0, pixman_int_to_fixed(size.width()) / 2,
                                                       stops.data(), int(stops.size()));
        break;
    case Kind::Conical:
        gradient = pixman_image_create_conical_gradient(&centre, 0, stops.data(), int(stops.size()));
        break;
    }
    for (auto _ : state) {
        pixman_image_composite32(PIXMAN_OP_SRC, gradient, nullptr, target, 0, 0, 0, 0, 0, 0, size.width(),
                                 size.height());
        benchmark::ClobberMemory();
    }
    pixman_image_unref(gradient);
    pixman_image_unref(target);
    state.SetItemsProcessed(state.iterations() * size.width() * size.height());
}

// One function for both sides, so that the pair's names differ only in their last part.
void Gradient(benchmark::State& state, Kind kind, bool ours)
{
    if (ours)
        Ours(state, kind);
    else
        Peer(state, kind);
}

void Sizes(benchmark::internal::Benchmark* b)
{
    b->Args({1200, 1200})->Args({2100, 2970})->Unit(benchmark::kMillisecond)->UseRealTime();
}

} // namespace

BENCHMARK_CAPTURE(Gradient, gradient_linear/ours, Kind::Linear, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Gradient, gradient_linear/peer, Kind::Linear, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Gradient, gradient_box/ours, Kind::Box, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Gradient, gradient_box/baseline, Kind::Box, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Gradient, gradient_radial/ours, Kind::Radial, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Gradient, gradient_radial/peer, Kind::Radial, false)->Apply(Sizes);
BENCHMARK_CAPTURE(Gradient, gradient_conical/ours, Kind::Conical, true)->Apply(Sizes);
BENCHMARK_CAPTURE(Gradient, gradient_conical/peer, Kind::Conical, false)->Apply(Sizes);
