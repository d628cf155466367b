#include "objects/backgrounds/arrange_layout.h"

#include "core/canvas/units.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <random>

namespace {

constexpr double kDegree = std::numbers::pi / 180.0;

// The indices of the pictures that have a size; the ring and row layouts leave out empty
// ones.
std::vector<int> UsablePictures(const std::vector<QSize>& sizes)
{
    std::vector<int> usable;
    for (int i = 0; i < int(sizes.size()); ++i)
        if (sizes[i].width() > 0 && sizes[i].height() > 0)
            usable.push_back(i);
    return usable;
}

bool RingCount(int n)
{
    return n >= kRingMinPictures && n <= kRingMaxPictures;
}

// Removes and returns a random entry of the list, so that every draw is bounded.
int DrawFrom(std::vector<int>& remaining, const TRandomSource& random)
{
    const int at = std::clamp(random(int(remaining.size())), 0, int(remaining.size()) - 1);
    const int value = remaining[at];
    remaining.erase(remaining.begin() + at);
    return value;
}

std::vector<int> Sequence(int n)
{
    std::vector<int> values(n);
    for (int i = 0; i < n; ++i)
        values[i] = i;
    return values;
}

} // namespace

TRandomSource DefaultRandomSource()
{
    static std::mt19937 generator{std::random_device{}()};
    return [](int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(generator); };
}

int RingAngle(int i, int n)
{
    return i * 360 / n;
}

QPointF RingPosition(QPointF centre, double d, int angle)
{
    const double a = angle * kDegree;
    return {centre.x() + d * std::sin(a), centre.y() - d * std::cos(a)};
}

std::vector<TPlacement> LayoutCircum(int side, int count, bool rotate, bool reverse)
{
    std::vector<TPlacement> placements;
    if (!RingCount(count))
        return placements;
    const double theta = 360.0 / count * kDegree;
    const double R = side / (2 * (1 + std::sin(theta / 2)));
    const double r = side / 2.0 - R;
    const int cell = RoundHalfAway(2 * r / std::numbers::sqrt2);
    const QPointF centre(side / 2, side / 2);
    for (int i = 0; i < count; ++i) {
        TPlacement p;
        p.Picture = i;
        p.Centre = RingPosition(centre, R, RingAngle(i, count));
        p.Size = {cell, cell};
        p.Angle = (rotate ? RingAngle(i, count) : 0) + (reverse ? 180 : 0);
        placements.push_back(p);
    }
    return placements;
}

std::vector<TPlacement> LayoutContinue(int side, const std::vector<QSize>& sizes, bool reverse)
{
    std::vector<TPlacement> placements;
    const std::vector<int> usable = UsablePictures(sizes);
    const int n = int(usable.size());
    if (!RingCount(n))
        return placements;
    const QSize first = sizes[usable.front()];
    const double theta = 360.0 / n * kDegree;
    const double half = side / 2.0;
    // Shrink the cells until the turned cell lies inside the disc: by the rule of the
    // diagonal, and with the outer corners inside it too. The loop ends once the cell
    // is a pixel wide.
    int width = 0, height = 0;
    double R = 0;
    for (double k = 1; k > 0; k *= 0.9) {
        width = RoundHalfAway(std::sin(theta / 2) * side * k);
        height = std::max(1, RoundHalfAway(double(width) * first.height() / first.width()));
        const double c = width / (2 * std::tan(theta / 2));
        R = height / 2.0 + c;
        if ((half - R - height * std::numbers::sqrt2 / 2 > 0 && std::hypot(R + height / 2.0, width / 2.0) <= half) ||
            width <= 1)
            break;
    }
    if (width < 1)
        return placements;
    const QPointF centre(side / 2, side / 2);
    for (int i = 0; i < n; ++i) {
        TPlacement p;
        p.Picture = usable[i];
        p.Centre = RingPosition(centre, R, RingAngle(i, n));
        p.Size = {width, height};
        p.Stretch = true;
        p.Angle = RingAngle(i, n) + (reverse ? 180 : 0);
        placements.push_back(p);
    }
    return placements;
}

std::vector<TPlacement> LayoutSectors(int side, const std::vector<QSize>& sizes, bool circle, bool reverse)
{
    std::vector<TPlacement> placements;
    const std::vector<int> usable = UsablePictures(sizes);
    const int n = int(usable.size());
    if (!RingCount(n))
        return placements;
    const double theta = 360.0 / n * kDegree;
    const QPointF centre(side / 2, side / 2);
    for (int i = 0; i < n; ++i) {
        const QSize size = sizes[usable[i]];
        QRect crop(QPoint(0, 0), size);
        if (circle) {
            // The largest centred part of proportions 2 sin(theta / 2) : 1, so that the
            // sectors close into a full disc.
            const double aspect = 2 * std::sin(theta / 2);
            int w = size.width(), h = size.height();
            if (w > aspect * h)
                w = std::max(1, RoundHalfAway(aspect * h));
            else
                h = std::max(1, RoundHalfAway(w / aspect));
            crop = QRect((size.width() - w) / 2, (size.height() - h) / 2, w, h);
        }
        const double w = crop.width(), h = crop.height();
        const double inner = std::max(0.0, w < h ? w / (2 * std::cos(theta / 2)) - h / 2 : w / (2 * std::sin(theta / 2)) - h / 2);
        const double outer = inner + h;
        // The ring's outer edge meets the canvas's edge.
        const double scale = side / (2 * outer);
        TPlacement p;
        p.Picture = usable[i];
        p.Centre = centre;
        p.Size = {std::max(1, RoundHalfAway(w * scale)), std::max(1, RoundHalfAway(h * scale))};
        p.Angle = RingAngle(i, n);
        p.Sector = true;
        p.Inner = inner * scale;
        p.Outer = outer * scale;
        p.SectorAngle = 360.0 / n;
        p.Crop = circle ? crop : QRect();
        p.Reverse = reverse;
        placements.push_back(p);
    }
    return placements;
}

TRowLayout LayoutRows(QSize canvas, const std::vector<QSize>& sizes, bool tileRepeat)
{
    TRowLayout layout;
    const std::vector<int> usable = UsablePictures(sizes);
    const int W = canvas.width(), H = canvas.height();
    if (usable.empty() || W <= 0 || H <= 0)
        return layout;
    const auto widthAt = [&sizes](int picture, int rowHeight) {
        const QSize s = sizes[picture];
        return std::max(1, RoundHalfAway(double(s.width()) * rowHeight / s.height()));
    };
    // The fewest rows in which every picture fits; at most one row per pixel.
    int rows = 1, rowHeight = H;
    for (rows = 1; rows <= H; ++rows) {
        rowHeight = H / rows;
        int row = 0, x = 0;
        for (const int picture : usable) {
            const int w = widthAt(picture, rowHeight);
            if (x > 0 && x + w > W) {
                ++row;
                x = 0;
            }
            x += w;
        }
        if (row < rows && (x <= W || rows == H))
            break;
    }
    rows = std::min(rows, H);
    rowHeight = H / rows;

    int row = 0, x = 0, usedWidth = 0;
    const auto place = [&](int picture, int w) {
        TPlacement p;
        p.Picture = picture;
        p.Size = {w, rowHeight};
        p.Centre = QPointF(x + w / 2.0, row * rowHeight + rowHeight / 2.0);
        p.Stretch = true;
        layout.Placements.push_back(p);
        x += w;
        usedWidth = std::max(usedWidth, x);
    };
    int next = 0; // position in the cycle
    const int n = int(usable.size());
    for (int i = 0; i < n; ++i, ++next) {
        const int w = widthAt(usable[i], rowHeight);
        if (x > 0 && x + w > W) {
            ++row;
            x = 0;
        }
        place(usable[i], w);
        if (!tileRepeat)
            continue;
        // At the end of a row, or of the list, fill the row by repeating the cycle.
        const bool lastInRow = i + 1 == n || x + widthAt(usable[i + 1], rowHeight) > W;
        if (!lastInRow)
            continue;
        for (int k = i + 1;; ++k) {
            int chosen = -1;
            // A picture that would overhang gives way to the ones before it in the cycle.
            for (int back = 0; back < n && chosen < 0; ++back) {
                const int candidate = usable[((k - back) % n + n) % n];
                if (x + widthAt(candidate, rowHeight) <= W)
                    chosen = candidate;
            }
            if (chosen < 0)
                break;
            place(chosen, widthAt(chosen, rowHeight));
        }
    }
    layout.Used = {std::min(W, usedWidth), std::min(H, (row + 1) * rowHeight)};
    return layout;
}

void CoverWithRows(TRowLayout& layout, QSize canvas, bool shift)
{
    if (layout.Placements.empty() || canvas.isEmpty())
        return;
    const int rowHeight = std::max(1, layout.Placements.front().Size.height());
    std::vector<std::vector<TPlacement>> rows;
    for (const TPlacement& p : layout.Placements) {
        const size_t row = size_t(std::max(0.0, p.Centre.y()) / rowHeight);
        if (rows.size() <= row)
            rows.resize(row + 1);
        rows[row].push_back(p);
    }
    std::vector<TPlacement> covered;
    for (int row = 0; row * rowHeight < canvas.height(); ++row) {
        const std::vector<TPlacement>& source = rows[size_t(row) % rows.size()];
        if (source.empty())
            continue;
        double x = shift && row % 2 == 1 ? -source.front().Size.width() / 2.0 : 0;
        for (size_t k = 0; x < canvas.width(); ++k) {
            TPlacement p = source[k % source.size()];
            p.Centre = QPointF(x + p.Size.width() / 2.0, row * rowHeight + rowHeight / 2.0);
            x += std::max(1, p.Size.width());
            covered.push_back(p);
        }
    }
    layout.Placements = std::move(covered);
    layout.Used = canvas;
}

int RandomGridSide(int count)
{
    int g = 1;
    while ((1 << g) < count)
        ++g;
    const int root = int(std::ceil(std::sqrt(double(std::max(count, 1)))));
    return std::max(g, root);
}

std::vector<TPlacement> LayoutRandom(QSize canvas, const std::vector<QSize>& sizes, const TRandomSource& random)
{
    std::vector<TPlacement> placements;
    const int n = int(sizes.size());
    const int W = canvas.width(), H = canvas.height();
    if (n == 0 || W <= 0 || H <= 0)
        return placements;
    const int g = RandomGridSide(n);
    std::vector<int> numbers = Sequence(g * g);
    std::vector<int> cells = Sequence(g * g);
    const int cellWidth = W / g, cellHeight = H / g;
    for (int round = 0; round < g * g; ++round) {
        const int k = DrawFrom(numbers, random);
        const int picture = k < n ? k : std::clamp(random(n), 0, n - 1);
        const int cell = DrawFrom(cells, random);
        const int row = cell / g, column = cell % g;
        const QPointF cellCentre(MulDiv(W, column, g) + cellWidth / 2.0, MulDiv(H, row, g) + cellHeight / 2.0);
        TPlacement p;
        p.Picture = picture;
        p.Centre = cellCentre;
        p.Size = {cellWidth + cellWidth / 2, cellHeight + cellHeight / 2};
        p.Angle = random(10) / 2 == 0 ? random(30) : 360 - random(30);
        placements.push_back(p);
    }
    return placements;
}

std::vector<TPlacement> LayoutFixed(QSize canvas, const std::vector<TLayoutSlot>& layoutSlots, const std::vector<QSize>& sizes)
{
    std::vector<TPlacement> placements;
    const int count = int(std::min(layoutSlots.size(), sizes.size()));
    for (int i = 0; i < count; ++i) {
        const QRect& t = layoutSlots[i].Thousandths;
        const int left = MulDiv(t.left(), canvas.width(), 1000);
        const int top = MulDiv(t.top(), canvas.height(), 1000);
        const int right = MulDiv(t.left() + t.width(), canvas.width(), 1000);
        const int bottom = MulDiv(t.top() + t.height(), canvas.height(), 1000);
        TPlacement p;
        p.Picture = i;
        p.Centre = QPointF((left + right) / 2.0, (top + bottom) / 2.0);
        p.Size = {std::max(0, right - left), std::max(0, bottom - top)};
        p.Angle = layoutSlots[i].Angle;
        placements.push_back(p);
    }
    return placements;
}
