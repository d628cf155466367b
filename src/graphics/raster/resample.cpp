#include "graphics/raster/resample.h"

#include "graphics/raster/blendable_format.h"
#include "graphics/raster/cpu_features.h"
#include "graphics/raster/resample_kernels.h"
#include "graphics/raster/result_image.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {


// The blendable formats and the single-channel ones.
bool IsResampleFormat(QImage::Format format)
{
    return IsBlendableFormat(format) || format == QImage::Format_Indexed8 || format == QImage::Format_Grayscale8 ||
           format == QImage::Format_Alpha8;
}

// Destination column k reads rect.Left + (k W + W div 2) div w; a row that reads the same
// source row as the one before is copied from it. The output is the window of the whole
// w x h result.
void ResampleNearest(QImage& out, const QImage& source, const QRect& rect, QSize whole, const QRect& window,
                     int channels)
{
    const std::int64_t w = whole.width(), h = whole.height();
    const std::int64_t W = rect.width(), H = rect.height();
    std::vector<int> columns(out.width());
    for (int m = 0; m < out.width(); ++m) {
        const std::int64_t k = window.left() + m;
        columns[m] = rect.left() + int((k * W + W / 2) / w);
    }
    int previous = -1;
    for (int n = 0; n < out.height(); ++n) {
        const std::int64_t j = window.top() + n;
        const int sourceRow = rect.top() + int((j * H + H / 2) / h);
        std::uint8_t* target = out.scanLine(n);
        if (sourceRow == previous) {
            std::memcpy(target, out.constScanLine(n - 1), std::size_t(out.width()) * channels);
            continue;
        }
        const std::uint8_t* row = source.constScanLine(sourceRow);
        for (int m = 0; m < out.width(); ++m)
            std::memcpy(target + m * channels, row + columns[m] * channels, std::size_t(channels));
        previous = sourceRow;
    }
}

// Row sums of recently used source rows, least recently used replaced first.
class TRowSums {
public:
    TRowSums(const QImage& source, const TResampleAxis& axis, int channels, int capacity)
        : source_(source), axis_(axis), channels_(channels), vector_(CpuHasAvx2()), slots_(capacity)
    {
        for (Slot& slot : slots_)
            slot.sums.resize(std::size_t(axis.Outputs) * channels + 1);
    }

    const std::int16_t* Row(int sourceRow)
    {
        ++clock_;
        Slot* victim = &slots_[0];
        for (Slot& slot : slots_) {
            if (slot.row == sourceRow) {
                slot.used = clock_;
                return slot.sums.data();
            }
            if (slot.used < victim->used)
                victim = &slot;
        }
        victim->row = sourceRow;
        victim->used = clock_;
        Compute(sourceRow, victim->sums.data());
        return victim->sums.data();
    }

    void Compute(int sourceRow, std::int16_t* sums) const
    {
        const std::uint8_t* row = source_.constScanLine(sourceRow);
        if (axis_.Exact)
            ResampleRowExact(row, channels_, axis_, sums);
        else if (vector_)
            ResampleRowAvx2(row, channels_, axis_, sums);
        else
            ResampleRowReference(row, channels_, axis_, sums);
    }

private:
    struct Slot {
        int row = -1;
        std::uint64_t used = 0;
        std::vector<std::int16_t> sums;
    };
    const QImage& source_;
    const TResampleAxis& axis_;
    int channels_;
    bool vector_;
    std::uint64_t clock_ = 0;
    std::vector<Slot> slots_;
};

void ResampleSeparable(QImage& out, const QImage& source, const QRect& rect, QSize whole, const QRect& window,
                       TResampleEdge edge, TResampleFilter filter, int channels)
{
    const TResampleAxis across = MakeResampleAxis(rect.left(), rect.width(), source.width(), whole.width(), edge,
                                                  filter, window.left(), window.width());
    const TResampleAxis down = MakeResampleAxis(rect.top(), rect.height(), source.height(), whole.height(), edge,
                                                filter, window.top(), window.height());
    const int count = out.width() * channels;
    const int taps = down.Taps;
    const bool vector = CpuHasAvx2();

    if (!down.Exact) {
        TRowSums sums(source, across, channels, taps + 1);
        std::vector<const std::int16_t*> rows(taps);
        for (int j = 0; j < out.height(); ++j) {
            for (int t = 0; t < taps; ++t)
                rows[t] = sums.Row(down.Index[std::size_t(j) * taps + t]);
            const std::int16_t* weights = down.Weight.data() + std::size_t(j) * taps;
            if (vector)
                ResampleColumnAvx2(rows.data(), weights, taps, count, out.scanLine(j));
            else
                ResampleColumnReference(rows.data(), weights, taps, count, out.scanLine(j));
        }
        return;
    }

    // Strong reduction: the row values, weighted by their coverage, accumulate one source row
    // at a time, so that memory stays bounded.
    TRowSums sums(source, across, channels, 2);
    std::vector<std::int64_t> total(count);
    for (int j = 0; j < out.height(); ++j) {
        std::fill(total.begin(), total.end(), 0);
        for (int t = 0; t < taps; ++t) {
            const std::int32_t coverage = down.Coverage[std::size_t(j) * taps + t];
            if (coverage == 0)
                continue;
            const std::int16_t* row = sums.Row(down.Index[std::size_t(j) * taps + t]);
            for (int i = 0; i < count; ++i)
                total[i] += std::int64_t(coverage) * row[i];
        }
        const std::int64_t divisor = down.Footprint[j] << kResampleRowBits;
        std::uint8_t* target = out.scanLine(j);
        for (int i = 0; i < count; ++i)
            target[i] = std::uint8_t(std::clamp<std::int64_t>(ResampleRoundedDivision(total[i], divisor), 0, 255));
    }
}

// The window of the source rectangle resampled to the whole size, into the destination
// (which takes the window's size).
void ResampleInto(QImage& destination, const QImage& source, const QRect& sourceRect, QSize whole,
                  const QRect& window, TResampleEdge edge, TResampleFilter filter)
{
    if (!IsResampleFormat(source.format()) || window.isEmpty() || !QRect(QPoint(0, 0), whole).contains(window))
        return;
    if (sourceRect.isEmpty() || !source.rect().contains(sourceRect))
        return;
    const int dotsPerMeterX = destination.dotsPerMeterX();
    const int dotsPerMeterY = destination.dotsPerMeterY();
    QImage out = ResultImage(destination, source, window.size(), source.format());
    if (out.isNull())
        return; // no memory for a new image: the destination is untouched
    out.setColorTable(source.colorTable());
    out.setDotsPerMeterX(dotsPerMeterX);
    out.setDotsPerMeterY(dotsPerMeterY);
    const int channels = source.depth() / 8;
    if (filter == TResampleFilter::Nearest)
        ResampleNearest(out, source, sourceRect, whole, window, channels);
    else
        ResampleSeparable(out, source, sourceRect, whole, window, edge, filter, channels);
    destination = std::move(out);
}

} // namespace

void Resample(QImage& destination, const QImage& source, const QRect& sourceRect, TResampleEdge edge,
              TResampleFilter filter)
{
    if (destination.isNull())
        return;
    ResampleInto(destination, source, sourceRect, destination.size(), destination.rect(), edge, filter);
}

void Resample(QImage& destination, const QImage& source, TResampleFilter filter)
{
    Resample(destination, source, source.rect(), TResampleEdge::Repeat, filter);
}

void ResampleWindow(QImage& destination, const QImage& source, QSize whole, const QRect& window,
                    TResampleFilter filter)
{
    ResampleInto(destination, source, source.rect(), whole, window, TResampleEdge::Repeat, filter);
}
