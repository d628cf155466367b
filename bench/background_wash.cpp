// A washed background on an A4 face painted at 254 dpi (one logical unit per pixel): a solid
// fill, a grey blend picture of a fifth of the face's size stretched over it, wash colour
// black at ratio 50, clipped to the face's disc outline and with its centre hole blanked
// white. Ours paints the background object; the peer is cairo doing the same paint: the
// outline as clip, the fill, the wash colour at half strength through the bilinearly
// stretched map as mask, and the hole. Both sides clear the same 24-bit-in-32 page to white
// first and draw without anti-aliasing, as a region clip does; the peer reports the share
// of pixels where the two pages differ by more than 4 levels.
#include "core/canvas/memory_canvas.h"
#include "core/canvas/scaler.h"
#include "core/canvas/units.h"
#include "graphics/color/color_fill.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "objects/backgrounds/back_image.h"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <numbers>

namespace {

constexpr int kWidth = 2100; // A4 in tenths of a millimetre: pixels at 254 dpi
constexpr int kHeight = 2970;
constexpr int kHole = 410;
constexpr TColor kFill = 0xF0C080; // 0x00BBGGRR
constexpr TColor kWash = 0x000000;
constexpr int kRatio = 50;

// A grey blend: dark in the middle, light towards the corners.
QImage BlendMap()
{
    QImage map(kWidth / 5, kHeight / 5, QImage::Format_Grayscale8);
    const double cx = map.width() / 2.0, cy = map.height() / 2.0;
    const double reach = std::hypot(cx, cy);
    for (int y = 0; y < map.height(); ++y) {
        uchar* row = map.scanLine(y);
        for (int x = 0; x < map.width(); ++x)
            row[x] = uchar(std::lround(255 * std::hypot(x + 0.5 - cx, y + 0.5 - cy) / reach));
    }
    return map;
}

QImage Page()
{
    QImage page(kWidth, kHeight, QImage::Format_RGB32);
    page.setDotsPerMeterX(10000);
    page.setDotsPerMeterY(10000);
    return page;
}

struct Fixture {
    QImage map = BlendMap();
    TLOBackImage background;

    Fixture()
    {
        TFaceInfo face;
        face.SetFaceRect({0, 0, kWidth, kHeight});
        face.SetFaceShape(fsDoughnut);
        face.SetCutCenterSize(kHole);
        background.SetFaceInfo(face);
        background.SetBoundsRect({0, 0, kWidth, kHeight});
        background.FillColor()->SetKind(cskSolid);
        background.FillColor()->SetColor(kFill);
        background.BlendColor()->SetKind(cskSolid);
        background.BlendColor()->SetColor(kWash);
        auto bitmap = std::make_unique<TSafetyBitmap>();
        bitmap->SetImage(map);
        background.BlendPicture()->SetGraphic(std::move(bitmap));
        background.SetBlendRatio(kRatio);
    }
};

Fixture& SharedFixture()
{
    static Fixture fixture;
    return fixture;
}

void PaintOurs(Fixture& fixture, QImage& page)
{
    page.fill(Qt::white);
    TMemoryCanvas canvas(page, 254);
    TScaler(100, kUnitsPerInch).ApplyMapping(canvas);
    fixture.background.Paint(canvas);
}

void SetSource(cairo_t* cr, TColor colour, double alpha)
{
    cairo_set_source_rgba(cr, (colour & 0xFF) / 255.0, (colour >> 8 & 0xFF) / 255.0, (colour >> 16 & 0xFF) / 255.0, alpha);
}

void Ellipse(cairo_t* cr, double cx, double cy, double rx, double ry)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_arc(cr, 0, 0, 1, 0, 2 * std::numbers::pi);
    cairo_restore(cr);
}

struct CairoMap {
    explicit CairoMap(const QImage& map)
        : surface(cairo_image_surface_create(CAIRO_FORMAT_A8, map.width(), map.height()))
    {
        cairo_surface_flush(surface);
        unsigned char* bits = cairo_image_surface_get_data(surface);
        const int stride = cairo_image_surface_get_stride(surface);
        for (int y = 0; y < map.height(); ++y)
            std::memcpy(bits + y * stride, map.constScanLine(y), size_t(map.width()));
        cairo_surface_mark_dirty(surface);
        pattern = cairo_pattern_create_for_surface(surface);
        cairo_pattern_set_filter(pattern, CAIRO_FILTER_BILINEAR);
        cairo_matrix_t matrix;
        cairo_matrix_init_scale(&matrix, double(map.width()) / kWidth, double(map.height()) / kHeight);
        cairo_pattern_set_matrix(pattern, &matrix);
    }
    ~CairoMap()
    {
        cairo_pattern_destroy(pattern);
        cairo_surface_destroy(surface);
    }
    CairoMap(const CairoMap&) = delete;
    CairoMap& operator=(const CairoMap&) = delete;

    cairo_surface_t* surface;
    cairo_pattern_t* pattern;
};

void PaintPeer(const CairoMap& map, QImage& page)
{
    page.fill(Qt::white);
    cairo_surface_t* surface = cairo_image_surface_create_for_data(page.bits(), CAIRO_FORMAT_RGB24, page.width(),
                                                                   page.height(), int(page.bytesPerLine()));
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_save(cr);
    Ellipse(cr, kWidth / 2.0, kHeight / 2.0, kWidth / 2.0, kHeight / 2.0);
    cairo_clip(cr);
    SetSource(cr, kFill, 1);
    cairo_paint(cr);
    SetSource(cr, kWash, kRatio / 100.0);
    cairo_mask(cr, map.pattern);
    cairo_restore(cr);
    Ellipse(cr, kWidth / 2.0, kHeight / 2.0, kHole / 2.0, kHole / 2.0);
    SetSource(cr, 0xFFFFFF, 1);
    cairo_fill(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

// Share of pixels whose channels differ by more than 4 levels.
double DifferingShare(const QImage& a, const QImage& b)
{
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            differing += std::abs(qRed(p[x]) - qRed(q[x])) > 4 || std::abs(qGreen(p[x]) - qGreen(q[x])) > 4 ||
                         std::abs(qBlue(p[x]) - qBlue(q[x])) > 4;
    }
    return double(differing) / (qint64(a.width()) * a.height());
}

void Ours(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    QImage page = Page();
    for (auto _ : state) {
        PaintOurs(fixture, page);
        benchmark::DoNotOptimize(page.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
}

void Peer(benchmark::State& state)
{
    Fixture& fixture = SharedFixture();
    const CairoMap map(fixture.map);
    QImage page = Page();
    for (auto _ : state) {
        PaintPeer(map, page);
        benchmark::DoNotOptimize(page.constBits());
    }
    state.SetItemsProcessed(state.iterations() * kWidth * kHeight);
    QImage ours = Page();
    PaintOurs(fixture, ours);
    state.counters["differ%"] = 100 * DifferingShare(ours, page);
}

} // namespace

// The pairs compare wall time: Qt may convert images on worker threads, which the main
// thread's processor time would leave out.
BENCHMARK(Ours)->Name("background_wash_a4_254dpi/ours")->Unit(benchmark::kMillisecond)->MinTime(2);
BENCHMARK(Peer)->Name("background_wash_a4_254dpi/peer")->Unit(benchmark::kMillisecond)->MinTime(2);
