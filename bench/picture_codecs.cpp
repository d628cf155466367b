// Picture loading and the compression container against their plain counterparts:
// - jpeg_fit_1500: a 4000 x 3000 JPEG reduced to fit 1500 x 1500. Ours decodes at the
//   coarsest DCT scale that still covers the target, then scales smoothly. The peer is
//   libjpeg-turbo's own scaled decode (scale M/8) straight to the target size through one
//   plain decoder call; the baseline decodes at full size and scales smoothly.
// - container_compress / container_expand: the "ZLIBCompress" container against plain zlib
//   (compress2 / uncompress) on the same bytes; the ratio should stay close to 1.
#include "graphics/picture/bmp_writer.h"
#include "graphics/picture/jpeg_codec.h"
#include "graphics/picture/load_image_file.h"
#include "graphics/picture/zlib_container.h"

#include <QImage>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <zlib.h>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

namespace {

// A photograph-like picture: smooth gradients, a few hard edges and mild noise.
QImage Photo(int width, int height)
{
    QImage image(width, height, QImage::Format_BGR888);
    std::mt19937 random(42);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int y = 0; y < height; ++y) {
        uchar* line = image.scanLine(y);
        for (int x = 0; x < width; ++x) {
            const int edge = ((x / 400 + y / 300) & 1) ? 60 : 0;
            line[3 * x] = uchar(std::clamp(x * 255 / width + noise(random), 0, 255));
            line[3 * x + 1] = uchar(std::clamp(y * 255 / height + edge + noise(random), 0, 255));
            line[3 * x + 2] = uchar(std::clamp(128 + edge + noise(random), 0, 255));
        }
    }
    return image;
}

const QByteArray& LargeJpeg()
{
    static const QByteArray data = EncodeJPEG(Photo(4000, 3000), 90);
    return data;
}

const QByteArray& BitmapBytes()
{
    static const QByteArray data = WriteBmp(Photo(1200, 900), TPixelFormat::pf24bit);
    return data;
}

const QSize kFull(4000, 3000);
const QSize kTarget = SizeWithinLimit(kFull, kDefaultImageLimitSize);

void JpegFitOurs(benchmark::State& state)
{
    const QByteArray& jpeg = LargeJpeg();
    for (auto _ : state) {
        const QImage image = DecodeJPEGToSize(jpeg, kFull, kTarget);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(JpegFitOurs)->Name("jpeg_fit_1500/ours")->Unit(benchmark::kMillisecond)->MinTime(3);

// The smallest libjpeg-turbo scale M/8 (M up to 16) whose output covers the target.
unsigned CoveringEighths(QSize full, QSize target)
{
    unsigned eighths = 1;
    while (eighths < 16 && (full.width() * int(eighths) < target.width() * 8 ||
                            full.height() * int(eighths) < target.height() * 8))
        ++eighths;
    return eighths;
}

// A plain libjpeg-turbo decode at M/8 scale into a 24-bit picture; the input is our own
// well-formed picture, so the library's default error handling is enough here.
QImage DecodeScaledByLibrary(const QByteArray& jpeg, unsigned eighths)
{
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(jpeg.constData()), static_cast<unsigned long>(jpeg.size()));
    jpeg_read_header(&info, TRUE);
    info.scale_num = eighths;
    info.scale_denom = 8;
    info.out_color_space = JCS_EXT_BGR;
    jpeg_start_decompress(&info);
    QImage image(int(info.output_width), int(info.output_height), QImage::Format_BGR888);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

void JpegFitPeer(benchmark::State& state)
{
    const QByteArray& jpeg = LargeJpeg();
    const unsigned eighths = CoveringEighths(kFull, kTarget);
    for (auto _ : state) {
        const QImage image = DecodeScaledByLibrary(jpeg, eighths);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(JpegFitPeer)->Name("jpeg_fit_1500/peer")->Unit(benchmark::kMillisecond)->MinTime(3);

void JpegFitBaseline(benchmark::State& state)
{
    const QByteArray& jpeg = LargeJpeg();
    for (auto _ : state) {
        const QImage image = DecodeJPEG(jpeg, 1)
                                 .scaled(kTarget, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                 .convertToFormat(QImage::Format_BGR888);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(JpegFitBaseline)->Name("jpeg_fit_1500/baseline")->Unit(benchmark::kMillisecond)->MinTime(3);

void ContainerCompressOurs(benchmark::State& state)
{
    const QByteArray& source = BitmapBytes();
    for (auto _ : state) {
        const QByteArray packed = CompressToContainer(source, TCompressionLevel::Default);
        benchmark::DoNotOptimize(packed.constData());
    }
    state.SetBytesProcessed(state.iterations() * source.size());
}
BENCHMARK(ContainerCompressOurs)->Name("container_compress/ours")->Unit(benchmark::kMillisecond);

void ContainerCompressPeer(benchmark::State& state)
{
    const QByteArray& source = BitmapBytes();
    QByteArray packed(qsizetype(compressBound(uLong(source.size()))), '\0');
    for (auto _ : state) {
        uLongf size = uLongf(packed.size());
        compress2(reinterpret_cast<Bytef*>(packed.data()), &size, reinterpret_cast<const Bytef*>(source.constData()),
                  uLong(source.size()), Z_DEFAULT_COMPRESSION);
        benchmark::DoNotOptimize(packed.constData());
    }
    state.SetBytesProcessed(state.iterations() * source.size());
}
BENCHMARK(ContainerCompressPeer)->Name("container_compress/peer")->Unit(benchmark::kMillisecond);

void ContainerExpandOurs(benchmark::State& state)
{
    const QByteArray packed = CompressToContainer(BitmapBytes(), TCompressionLevel::Default);
    for (auto _ : state) {
        const QByteArray data = ExpandContainerBytes(packed, BitmapBytes().size(), QStringLiteral("bad"));
        benchmark::DoNotOptimize(data.constData());
    }
    state.SetBytesProcessed(state.iterations() * BitmapBytes().size());
}
BENCHMARK(ContainerExpandOurs)->Name("container_expand/ours")->Unit(benchmark::kMillisecond);

void ContainerExpandPeer(benchmark::State& state)
{
    const QByteArray packed = CompressToContainer(BitmapBytes(), TCompressionLevel::Default).mid(kZlibContainerPrefixSize);
    for (auto _ : state) {
        // The peer sizes its buffer from the known length, as a caller of uncompress must.
        QByteArray data(BitmapBytes().size(), Qt::Uninitialized);
        uLongf size = uLongf(data.size());
        uncompress(reinterpret_cast<Bytef*>(data.data()), &size, reinterpret_cast<const Bytef*>(packed.constData()),
                   uLong(packed.size()));
        benchmark::DoNotOptimize(data.constData());
    }
    state.SetBytesProcessed(state.iterations() * BitmapBytes().size());
}
BENCHMARK(ContainerExpandPeer)->Name("container_expand/peer")->Unit(benchmark::kMillisecond);

} // namespace
