#include "graphics/image_data/box_blur.h"

#include "graphics/image_data/effector.h"

#include <utility>
#include <vector>

namespace {

// Horizontal sums of one row of width pixels of bpp bytes: every byte plus its neighbours one
// pixel to the left and right, the edge pixels standing in for the missing ones.
void HorizontalSums(const std::uint8_t* row, int width, int bpp, std::uint16_t* sums)
{
    const int count = width * bpp;
    if (width == 1) {
        for (int i = 0; i < bpp; ++i)
            sums[i] = std::uint16_t(3 * row[i]);
        return;
    }
    for (int i = 0; i < bpp; ++i)
        sums[i] = std::uint16_t(2 * row[i] + row[i + bpp]);
    for (int i = bpp; i < count - bpp; ++i)
        sums[i] = std::uint16_t(row[i - bpp] + row[i] + row[i + bpp]);
    for (int i = count - bpp; i < count; ++i)
        sums[i] = std::uint16_t(row[i - bpp] + 2 * row[i]);
}

void VerticalMeans(const std::uint16_t* above, const std::uint16_t* middle, const std::uint16_t* below, int count,
                   int bpp, std::uint8_t* out)
{
    if (bpp == 3) {
        for (int i = 0; i < count; ++i)
            out[i] = BoxMean(std::uint32_t(above[i]) + middle[i] + below[i]);
        return;
    }
    for (int i = 0; i < count; ++i)
        out[i] = (i & 3) == 3 ? 0xFF : BoxMean(std::uint32_t(above[i]) + middle[i] + below[i]);
}

} // namespace

void BoxBlurPass(const QImage& source, const QRect& rect, QImage& out, const std::function<void(int row)>& rowDone)
{
    const int bpp = EffectPixelBytes(source);
    const int width = rect.width();
    const int height = rect.height();
    const int count = width * bpp;
    const auto sourceRow = [&](int y) { return source.constScanLine(rect.top() + y) + std::size_t(rect.left()) * bpp; };

    // Three rows of sums, turned round as the output moves down: above, middle, below.
    std::vector<std::uint16_t> buffers(std::size_t(count) * 3);
    std::uint16_t* above = buffers.data();
    std::uint16_t* middle = above + count;
    std::uint16_t* below = middle + count;
    HorizontalSums(sourceRow(0), width, bpp, middle);
    std::copy(middle, middle + count, above);
    if (height > 1)
        HorizontalSums(sourceRow(1), width, bpp, below);
    else
        std::copy(middle, middle + count, below);
    for (int y = 0; y < height; ++y) {
        VerticalMeans(above, middle, below, count, bpp, out.scanLine(y));
        if (rowDone)
            rowDone(y);
        if (y + 1 == height)
            break;
        std::swap(above, middle); // above takes the middle row,
        std::swap(middle, below); // middle the row below, and below is refilled
        if (y + 2 < height)
            HorizontalSums(sourceRow(y + 2), width, bpp, below);
        else
            std::copy(middle, middle + count, below);
    }
}

void BoxBlur(const QImage& source, const QRect& rect, int passes, QImage& out,
             const std::function<void(int row)>& rowDone)
{
    BoxBlurPass(source, rect, out, rowDone);
    if (passes <= 1)
        return;
    QImage scratch(out.size(), out.format());
    for (int pass = 1; pass < passes; ++pass) {
        BoxBlurPass(out, out.rect(), scratch, rowDone);
        std::swap(out, scratch);
    }
}
