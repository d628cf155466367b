// The doughnut warp of arranged images: one 1600 x 1200 photo bent into a 30-degree sector of
// a ring on a 2000-pixel canvas, against a remap through a map computed beforehand (one
// source byte offset per canvas pixel, the same nearest samples), the cheapest a general remap
// can be once its map exists.
#include "objects/backgrounds/ring_sector_warp.h"

#include <benchmark/benchmark.h>

#include <QImage>
#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int kSide = 2000;
const QSize kPhotoSize(1600, 1200);
const TRingSector kSector{QPointF(kSide / 2.0, kSide / 2.0), 520, 990, 15, 30};

QImage Photo()
{
    QImage image(kPhotoSize, QImage::Format_BGR888);
    std::mt19937 random(11);
    for (int y = 0; y < image.height(); ++y) {
        uchar* row = image.scanLine(y);
        for (qsizetype i = 0; i < image.bytesPerLine(); ++i)
            row[i] = uchar(random());
    }
    return image;
}

QImage Canvas(QImage::Format format)
{
    QImage image(kSide, kSide, format);
    image.fill(format == QImage::Format_Grayscale8 ? 0 : 0xFFFFFFFF);
    return image;
}

// The map: the warp run once over a picture whose pixels hold their own coordinates, so
// that each covered canvas pixel names the source pixel the warp samples.
std::vector<int> SourceMap(qsizetype stride)
{
    QImage coordinates(kPhotoSize, QImage::Format_BGR888);
    for (int y = 0; y < coordinates.height(); ++y) {
        uchar* row = coordinates.scanLine(y);
        for (int x = 0; x < coordinates.width(); ++x) {
            const int code = y << 12 | x;
            row[3 * x] = uchar(code), row[3 * x + 1] = uchar(code >> 8), row[3 * x + 2] = uchar(code >> 16);
        }
    }
    QImage colour = Canvas(QImage::Format_BGR888);
    QImage mask = Canvas(QImage::Format_Grayscale8);
    RingSectorWarp(colour, mask, coordinates, kSector, true, false);
    std::vector<int> map(size_t(kSide) * kSide, -1);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (mask.constScanLine(y)[x]) {
                const uchar* p = colour.constScanLine(y) + 3 * x;
                const int code = p[0] | p[1] << 8 | p[2] << 16;
                map[size_t(y) * kSide + x] = int((code >> 12) * stride + (code & 0xFFF) * 3);
            }
    return map;
}

void Warp(benchmark::State& state, bool ours)
{
    const QImage photo = Photo();
    QImage colour = Canvas(QImage::Format_BGR888);
    QImage mask = Canvas(QImage::Format_Grayscale8);
    if (ours) {
        for (auto _ : state) {
            RingSectorWarp(colour, mask, photo, kSector, true, false);
            benchmark::DoNotOptimize(colour.constBits());
        }
    } else {
        const std::vector<int> map = SourceMap(photo.bytesPerLine());
        for (auto _ : state) {
            const uchar* source = photo.constBits();
            for (int y = 0; y < kSide; ++y) {
                uchar* out = colour.scanLine(y);
                uchar* covered = mask.scanLine(y);
                const int* row = map.data() + size_t(y) * kSide;
                for (int x = 0; x < kSide; ++x)
                    if (const int offset = row[x]; offset >= 0) {
                        std::memcpy(out + 3 * x, source + offset, 3);
                        covered[x] = 255;
                    }
            }
            benchmark::DoNotOptimize(colour.constBits());
        }
    }
    state.SetItemsProcessed(state.iterations() * kSide * kSide);
}

} // namespace

BENCHMARK_CAPTURE(Warp, ring_sector_warp_30deg/ours, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Warp, ring_sector_warp_30deg/peer, false)->Unit(benchmark::kMillisecond);
