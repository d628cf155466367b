#include "text/char_layout.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr int kTabStop = 8;

int Clamp32(std::int64_t value)
{
    return static_cast<int>(std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

} // namespace

TCharPlacement LayoutChars(const TABCArray& widths, int width, int alignment, int spacing)
{
    const bool even = alignment == taEven;
    const std::size_t n = widths.size();
    std::vector<std::int64_t> positions(n);
    std::int64_t pen = 0;
    std::int64_t inkStart = 0;
    std::int64_t inkEnd = 0;
    for (std::size_t j = 0; j < n; ++j) {
        const TABC& abc = widths[j];
        positions[j] = pen;
        pen += abc.A;
        inkStart = j == 0 ? pen : std::min(inkStart, pen);
        inkEnd = j == 0 ? pen + abc.B : std::max(inkEnd, pen + abc.B);
        pen += std::int64_t(abc.B) + abc.C + (even ? 0 : spacing);
    }

    TCharPlacement result;
    result.Positions.resize(n);
    if (even) {
        // Natural advances from -inkStart, the free width spread over the n - 1 gaps.
        const std::int64_t free = std::int64_t(width) + inkStart - inkEnd;
        std::int64_t natural = -inkStart;
        for (std::size_t j = 0; j < n; ++j) {
            const std::int64_t extra = n > 1 ? free * std::int64_t(j) / std::int64_t(n - 1) : 0;
            result.Positions[j] = Clamp32(natural + extra);
            natural += widths[j].Advance();
        }
        result.InkStart = 0;
        result.InkEnd = width;
        return result;
    }
    std::int64_t shift = -inkStart;
    if (alignment == taCenter)
        shift = (std::int64_t(width) - inkEnd - inkStart) / 2;
    else if (alignment == taRight)
        shift = std::int64_t(width) - inkEnd;
    for (std::size_t j = 0; j < n; ++j)
        result.Positions[j] = Clamp32(positions[j] + shift);
    result.InkStart = Clamp32(inkStart + shift);
    result.InkEnd = Clamp32(inkEnd + shift);
    return result;
}

TCharLayout MeasureLine(const TLayoutFont& font, const QString& text, int spacing)
{
    TCharLayout line;
    line.Text = text;
    line.Height = font.CellHeight();
    const QList<uint> characters = text.toUcs4();
    line.Chars.assign(characters.begin(), characters.end());
    line.ABC.reserve(line.Chars.size());
    for (std::size_t i = 0; i < line.Chars.size(); ++i) {
        if (line.Chars[i] == U'\t') {
            const std::int64_t stops = kTabStop - std::int64_t(i % kTabStop);
            line.ABC.push_back({0, Clamp32(font.Glyph(U'0').Widths.Advance() * stops), 0});
        } else {
            line.ABC.push_back(font.Glyph(line.Chars[i]).Widths);
        }
    }
    line.Layout(0, taLeft, spacing);
    return line;
}
