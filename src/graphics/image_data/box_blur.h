#pragma once
// The 3 x 3 box filter: every output channel is the rounded mean of the nine neighbours,
// min(255, (2s + 9) div 18) of their sum s. Edge pixels are repeated: the first and last
// column count twice in the horizontal sums (a one-pixel row three times), the first and
// last row twice in the vertical sums. Only three rows of horizontal sums are kept.
#include <QImage>
#include <cstdint>
#include <functional>

// The mean of a sum of nine channel values (0 ... 2295), min(255, (2s + 9) div 18), as a
// multiply-high: (2s + 9) x 3641 >> 16 equals (2s + 9) div 18 for every value below 32768,
// and the largest sum gives 255.
inline std::uint8_t BoxMean(std::uint32_t sum)
{
    return std::uint8_t(((2 * sum + 9) * 3641) >> 16);
}

// One pass over the rectangle of the source into out (the rectangle's size and the source's
// format, 3 or 4 bytes per pixel); a fourth byte is written as 0xFF, the unused value. rowDone, when set, is
// called after each output row with its number.
void BoxBlurPass(const QImage& source, const QRect& rect, QImage& out, const std::function<void(int row)>& rowDone);

// passes passes (at least one) over the rectangle, each pass reading the one before; the
// result lands in out. rowDone is called for the rows of every pass.
void BoxBlur(const QImage& source, const QRect& rect, int passes, QImage& out,
             const std::function<void(int row)>& rowDone);
