#include "text/distortion/coons_distortion.h"

#include <algorithm>
#include <cmath>

LR_DEFINE_CLASS(TCoonsDistortion, TTransformer, LR_CREATABLE(TCoonsDistortion))

namespace {

// Transformed coordinates stay within this distance of the origin.
constexpr double kFarthest = 1 << 29;

// Where a side continues before its first and beyond its last point: the neighbouring side
// and whether it is walked back from its own last point.
struct TNeighbour {
    int Side;
    bool FromEnd;
};
constexpr std::array<TNeighbour, 4> kBefore{{{kSideLeft, false}, {kSideTop, true}, {kSideLeft, true}, {kSideTop, false}}};
constexpr std::array<TNeighbour, 4> kAfter{{{kSideRight, false}, {kSideBottom, true}, {kSideRight, true}, {kSideBottom, false}}};

// The four corners, each as seen from the side that decides it on load and from the other.
struct TCornerPair {
    int DecidingSide;
    bool DecidingAtEnd;
    int OtherSide;
    bool OtherAtEnd;
};
constexpr std::array<TCornerPair, 4> kCorners{{
    {kSideTop, false, kSideLeft, false},     // top-left
    {kSideTop, true, kSideRight, false},     // top-right
    {kSideBottom, true, kSideRight, true},   // bottom-right
    {kSideBottom, false, kSideLeft, true},   // bottom-left
}};

double ClampCoordinate(double value)
{
    if (!(value >= -kFarthest)) // NaN as well
        return -kFarthest;
    return std::min(value, kFarthest);
}

QPointF Lerp(QPointF a, QPointF b, double f)
{
    return a + f * (b - a);
}

} // namespace

TCoonsDistortion::TCoonsDistortion() : id_(QUuid::createUuid())
{
}

int TCoonsDistortion::Count(int side) const
{
    return int(sides_.at(side).Points.size());
}

void TCoonsDistortion::SetCount(int side, int count)
{
    TBoundary& boundary = sides_.at(side);
    if (count < 0 || count > kMaxPoints || count == int(boundary.Points.size()))
        return;
    boundary.Points.resize(count);
    boundary.Smooth.resize(count);
    dirty_ = true;
}

TCoonsDistortion::TContinuation TCoonsDistortion::Continue(int side, int i) const
{
    const int count = Count(side);
    const bool before = i < 0;
    const TNeighbour neighbour = before ? kBefore[side] : kAfter[side];
    const int distance = before ? -i : i - (count - 1);
    const int neighbourCount = Count(neighbour.Side);
    const int k = std::clamp(distance, 0, std::max(neighbourCount - 1, 0));
    return {neighbour.Side, neighbour.FromEnd ? neighbourCount - 1 - k : k, distance};
}

QPointF TCoonsDistortion::Point(int side, int i) const
{
    const TBoundary& boundary = sides_.at(side);
    if (i >= 0 && i < int(boundary.Points.size()))
        return boundary.Points[i];
    const TContinuation next = Continue(side, i);
    const auto& points = sides_[next.Side].Points;
    return points.empty() ? QPointF() : points[next.Index];
}

double TCoonsDistortion::Parameter(int side, int i) const
{
    const int count = Count(side);
    if (i >= 0 && i < count)
        return i == count - 1 ? 1.0 : double(i) / (count - 1);
    const TContinuation next = Continue(side, i);
    const double step = double(next.Distance) / std::max(Count(next.Side) - 1, 1);
    return i < 0 ? -step : 1.0 + step;
}

void TCoonsDistortion::SetCorner(TCornerRef from, QPointF point)
{
    for (const TCornerPair& corner : kCorners) {
        TCornerRef other{};
        if (corner.DecidingSide == from.Side && corner.DecidingAtEnd == from.AtEnd)
            other = {corner.OtherSide, corner.OtherAtEnd};
        else if (corner.OtherSide == from.Side && corner.OtherAtEnd == from.AtEnd)
            other = {corner.DecidingSide, corner.DecidingAtEnd};
        else
            continue;
        auto& points = sides_[other.Side].Points;
        if (!points.empty())
            points[other.AtEnd ? points.size() - 1 : 0] = point;
    }
}

void TCoonsDistortion::SetPoint(int side, int i, QPointF point)
{
    auto& points = sides_.at(side).Points;
    if (i < 0 || i >= int(points.size()))
        return;
    points[i] = point;
    if (i == 0)
        SetCorner({side, false}, point);
    if (i == int(points.size()) - 1)
        SetCorner({side, true}, point);
    dirty_ = true;
}

bool TCoonsDistortion::Smooth(int side, int i) const
{
    const auto& flags = sides_.at(side).Smooth;
    return i >= 0 && i < int(flags.size()) && flags[i] != 0;
}

void TCoonsDistortion::SetSmooth(int side, int i, bool smooth)
{
    auto& flags = sides_.at(side).Smooth;
    if (i >= 0 && i < int(flags.size()) && (flags[i] != 0) != smooth) {
        flags[i] = smooth ? 1 : 0;
        dirty_ = true;
    }
}

void TCoonsDistortion::EnforceCorners()
{
    for (const TCornerPair& corner : kCorners) {
        const auto& deciding = sides_[corner.DecidingSide].Points;
        if (!deciding.empty())
            SetCorner({corner.DecidingSide, corner.DecidingAtEnd},
                      deciding[corner.DecidingAtEnd ? deciding.size() - 1 : 0]);
    }
    dirty_ = true;
}

void TCoonsDistortion::ApplyRatio(int percent)
{
    if (IsNoDistortion())
        return;
    const double r = percent / 100.0;
    // Each side's points move toward the evenly spaced points of the square's side; the
    // corners move with the top and bottom sides.
    const auto move = [&](int side, int first, int last, QPointF start, QPointF end) {
        auto& points = sides_[side].Points;
        const double span = double(points.size() - 1);
        for (int j = first; j <= last; ++j) {
            const QPointF square = Lerp(start, end, j / span);
            points[j] = square + r * (points[j] - square);
        }
    };
    move(kSideTop, 0, Count(kSideTop) - 1, {0, 0}, {1, 0});
    move(kSideRight, 1, Count(kSideRight) - 2, {1, 0}, {1, 1});
    move(kSideBottom, 0, Count(kSideBottom) - 1, {0, 1}, {1, 1});
    move(kSideLeft, 1, Count(kSideLeft) - 2, {0, 0}, {0, 1});
    EnforceCorners();
}

void TCoonsDistortion::SetSourceRect(const TRect& rect)
{
    source_ = rect;
}

void TCoonsDistortion::SetDestRect(const TRect& rect)
{
    dest_ = rect;
}

bool TCoonsDistortion::IsEmpty() const
{
    return std::all_of(sides_.begin(), sides_.end(), [](const TBoundary& side) { return side.Points.empty(); });
}

bool TCoonsDistortion::IsNoDistortion() const
{
    return std::any_of(sides_.begin(), sides_.end(), [](const TBoundary& side) { return side.Points.size() < 2; });
}

void TCoonsDistortion::Clear()
{
    for (TBoundary& side : sides_) {
        side.Points.clear();
        side.Smooth.clear();
    }
    dirty_ = true;
}

void TCoonsDistortion::Prepare() const
{
    if (!dirty_)
        return;
    for (int side = 0; side < 4; ++side) {
        const int count = Count(side);
        parameters_[side].resize(count);
        for (int i = 0; i < count; ++i)
            parameters_[side][i] = Parameter(side, i);
    }
    corners_ = {Point(kSideTop, 0), Point(kSideTop, Count(kSideTop) - 1), Point(kSideBottom, Count(kSideBottom) - 1),
                Point(kSideBottom, 0)};
    dirty_ = false;
}

QPointF TCoonsDistortion::CurvePoint(int side, double t) const
{
    Prepare();
    const std::vector<double>& T = parameters_.at(side);
    const auto& P = sides_[side].Points;
    const int n = int(P.size());
    if (n < 2)
        return Point(side, 0);
    // The segment [j, j + 1] that holds t, and the point nearer to t.
    const auto above = std::lower_bound(T.begin() + 1, T.end(), t);
    const int j = above == T.end() ? n - 2 : int(above - T.begin()) - 1;
    const int pos = t - T[j] < T[j + 1] - t ? j : j + 1;
    if (sides_[side].Smooth[pos] != 0) {
        const QPointF before = Point(side, pos - 1), here = P[pos], after = Point(side, pos + 1);
        const double tBefore = Parameter(side, pos - 1), tAfter = Parameter(side, pos + 1);
        const double u = (2 * t - T[pos] - tBefore) / (tAfter - tBefore);
        return (1 - u) * (1 - u) * (0.5 * (before + here)) + 2 * u * (1 - u) * here + u * u * (0.5 * (here + after));
    }
    const double span = T[j + 1] - T[j];
    const double f = span > 0 ? (t - T[j]) / span : 0.5;
    return Lerp(P[j], P[j + 1], f);
}

void TCoonsDistortion::TransformPoint(QPoint& point) const
{
    const int sourceWidth = RectWidth(source_), sourceHeight = RectHeight(source_);
    const int destWidth = RectWidth(dest_), destHeight = RectHeight(dest_);
    if (IsNoDistortion() || sourceWidth == 0 || sourceHeight == 0 || destWidth == 0 || destHeight == 0)
        return;
    Prepare();
    const double u = (double(point.x()) - source_.Left) / sourceWidth;
    const double v = (double(point.y()) - source_.Top) / sourceHeight;
    const auto& [topLeft, topRight, bottomRight, bottomLeft] = corners_;
    const QPointF s = (1 - v) * CurvePoint(kSideTop, u) + v * CurvePoint(kSideBottom, u) +
                      (1 - u) * CurvePoint(kSideLeft, v) + u * CurvePoint(kSideRight, v) -
                      ((1 - u) * (1 - v) * topLeft + u * (1 - v) * topRight + u * v * bottomRight +
                       (1 - u) * v * bottomLeft);
    const double x = dest_.Left + std::trunc(s.x() * destWidth + 0.01);
    const double y = dest_.Top + std::trunc(s.y() * destHeight + 0.01);
    point = QPoint(int(ClampCoordinate(x)), int(ClampCoordinate(y)));
}

void TCoonsDistortion::Assign(const TPersistent& source)
{
    if (const auto* other = dynamic_cast<const TCoonsDistortion*>(&source)) {
        id_ = other->id_;
        sides_ = other->sides_;
        source_ = other->source_;
        dest_ = other->dest_;
        dirty_ = true;
        return;
    }
    TTransformer::Assign(source);
}

void TCoonsDistortion::DefineProperties(TFiler& filer)
{
    TTransformer::DefineProperties(filer);
    filer.DefineBinaryProperty(
        "Data", [this](const QByteArray& data) { SetData(data); }, [this] { return Data(); }, !IsEmpty());
}
