#include "graphics/raster/stroke.h"

#include "core/canvas/canvas.h"
#include "core/canvas/units.h"
#include "graphics/raster/aa_line.h"

#include <algorithm>
#include <cmath>

LR_DEFINE_CLASS(TStroke, TPersistent, LR_CREATABLE(TStroke))

namespace {

// Control distance of a quarter circle drawn as one cubic segment, per unit of radius.
constexpr double kKappa = 0.5522847;
// Longest straight segment Subdivide leaves, in logical units.
constexpr double kMaxSegment = 8.0;
// Steps a cubic segment is flattened into.
constexpr int kBezierSteps = 63;

QPoint CubicPoint(QPoint p0, QPoint p1, QPoint p2, QPoint p3, double t)
{
    const double s = 1.0 - t;
    const double a = s * s * s, b = 3 * s * s * t, c = 3 * s * t * t, d = t * t * t;
    return {RoundHalfAway(a * p0.x() + b * p1.x() + c * p2.x() + d * p3.x()),
            RoundHalfAway(a * p0.y() + b * p1.y() + c * p2.y() + d * p3.y())};
}

// Walks the recorded points as a device context would draw them: moves, lines, Bezier
// segments flattened in 63 steps (a step only where its device pixel changes) and closing
// lines back to the figure's start. An unknown type, or a Bezier segment missing points,
// ends the walk. The sink receives MoveTo(logical, device), LineTo(logical, device) and
// Close() after each closing line.
template <class Sink>
void WalkStroke(const std::vector<QPoint>& points, const std::vector<std::uint8_t>& types, const TCanvas& canvas,
                Sink& sink)
{
    QPoint current;
    QPoint currentDevice = canvas.LogicalToDevice(current);
    QPoint start;
    auto lineTo = [&](QPoint logical, QPoint device) {
        sink.LineTo(logical, device);
        current = logical;
        currentDevice = device;
    };
    auto closeFigure = [&] {
        lineTo(start, canvas.LogicalToDevice(start));
        sink.Close();
    };
    const std::size_t count = points.size();
    for (std::size_t i = 0; i < count;) {
        const std::uint8_t type = types[i];
        if (type == kPathMoveTo) {
            start = current = points[i];
            currentDevice = canvas.LogicalToDevice(current);
            sink.MoveTo(current, currentDevice);
            ++i;
        } else if (type == kPathLineTo || type == kPathLineToClose) {
            lineTo(points[i], canvas.LogicalToDevice(points[i]));
            if (type == kPathLineToClose)
                closeFigure();
            ++i;
        } else if (type == kPathBezierTo || type == kPathBezierToClose) {
            if (i + 2 >= count)
                break;
            const QPoint p0 = current;
            for (int j = 1; j <= kBezierSteps; ++j) {
                const QPoint logical = j < kBezierSteps ? CubicPoint(p0, points[i], points[i + 1], points[i + 2],
                                                                     double(j) / kBezierSteps)
                                                        : points[i + 2];
                const QPoint device = canvas.LogicalToDevice(logical);
                if (device != currentDevice)
                    lineTo(logical, device);
            }
            if (types[i + 2] & kPathCloseFigure)
                closeFigure();
            i += 3;
        } else {
            break;
        }
    }
}

// The intermediate points that cut the line from a to b into pieces of at most 8 units.
void AddIntermediates(QPoint a, QPoint b, std::vector<QPoint>& points, std::vector<std::uint8_t>& types)
{
    const double dx = b.x() - a.x();
    const double dy = b.y() - a.y();
    const double length = std::hypot(dx, dy);
    for (int i = 1; kMaxSegment * i < length; ++i) {
        const double f = kMaxSegment * i / length;
        points.push_back({RoundHalfAway(a.x() + dx * f), RoundHalfAway(a.y() + dy * f)});
        types.push_back(kPathLineTo);
    }
}

} // namespace

void TStroke::Clear()
{
    points_.clear();
    types_.clear();
}

void TStroke::SetCount(int count)
{
    const std::size_t size = std::size_t(std::max(0, count));
    points_.resize(size);
    types_.resize(size, 0);
}

void TStroke::Add(int x, int y, std::uint8_t type)
{
    points_.push_back({x, y});
    types_.push_back(type);
}

void TStroke::AddPath(const QPainterPath& path)
{
    std::size_t figureStart = points_.size();
    auto markClosedFigure = [&] {
        if (points_.size() > figureStart + 1 && points_.back() == points_[figureStart])
            types_.back() |= kPathCloseFigure;
    };
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        std::uint8_t type = kPathLineTo;
        if (element.type == QPainterPath::MoveToElement) {
            markClosedFigure();
            figureStart = points_.size();
            type = kPathMoveTo;
        } else if (element.type != QPainterPath::LineToElement) {
            type = kPathBezierTo;
        }
        Add(RoundHalfAway(element.x), RoundHalfAway(element.y), type);
    }
    markClosedFigure();
}

TRect TStroke::Bounds() const
{
    if (points_.empty())
        return {};
    TRect bounds(points_[0].x(), points_[0].y(), points_[0].x(), points_[0].y());
    for (const QPoint& p : points_) {
        bounds.Left = std::min(bounds.Left, p.x());
        bounds.Top = std::min(bounds.Top, p.y());
        bounds.Right = std::max(bounds.Right, p.x());
        bounds.Bottom = std::max(bounds.Bottom, p.y());
    }
    return bounds;
}

void TStroke::SetRect(const TRect& r)
{
    Clear();
    Add(r.Left, r.Top, kPathMoveTo);
    Add(r.Right, r.Top, kPathLineTo);
    Add(r.Right, r.Bottom, kPathLineTo);
    Add(r.Left, r.Bottom, kPathLineToClose);
}

void TStroke::SetEllipse(const TRect& r)
{
    const QPoint c = RectCenter(r);
    const int ox = RoundHalfAway(RectWidth(r) * kKappa / 2);
    const int oy = RoundHalfAway(RectHeight(r) * kKappa / 2);
    Clear();
    Add(r.Right, c.y(), kPathMoveTo);
    const QPoint arcs[12] = {
        {r.Right, c.y() - oy}, {c.x() + ox, r.Top}, {c.x(), r.Top},       // to the top
        {c.x() - ox, r.Top},   {r.Left, c.y() - oy}, {r.Left, c.y()},     // to the left
        {r.Left, c.y() + oy},  {c.x() - ox, r.Bottom}, {c.x(), r.Bottom}, // to the bottom
        {c.x() + ox, r.Bottom}, {r.Right, c.y() + oy}, {r.Right, c.y()},  // back to the right
    };
    for (int i = 0; i < 12; ++i)
        Add(arcs[i].x(), arcs[i].y(), i < 11 ? kPathBezierTo : kPathBezierToClose);
}

void TStroke::SetRoundRect(const TRect& r, int diameter)
{
    const int radius = diameter / 2;
    const int k = RoundHalfAway(diameter * kKappa / 2);
    const QPoint c = RectCenter(r);
    Clear();
    Add(r.Right, r.Top + radius, kPathMoveTo);
    struct Step {
        int x, y;
        std::uint8_t type;
    };
    const Step steps[20] = {
        // top-right corner, top side through its midpoint
        {r.Right, r.Top + radius - k, kPathBezierTo}, {r.Right - radius + k, r.Top, kPathBezierTo},
        {r.Right - radius, r.Top, kPathBezierTo}, {c.x(), r.Top, kPathLineTo}, {r.Left + radius, r.Top, kPathLineTo},
        // top-left corner, left side
        {r.Left + radius - k, r.Top, kPathBezierTo}, {r.Left, r.Top + radius - k, kPathBezierTo},
        {r.Left, r.Top + radius, kPathBezierTo}, {r.Left, c.y(), kPathLineTo}, {r.Left, r.Bottom - radius, kPathLineTo},
        // bottom-left corner, bottom side
        {r.Left, r.Bottom - radius + k, kPathBezierTo}, {r.Left + radius - k, r.Bottom, kPathBezierTo},
        {r.Left + radius, r.Bottom, kPathBezierTo}, {c.x(), r.Bottom, kPathLineTo},
        {r.Right - radius, r.Bottom, kPathLineTo},
        // bottom-right corner, right side back to the start
        {r.Right - radius + k, r.Bottom, kPathBezierTo}, {r.Right, r.Bottom - radius + k, kPathBezierTo},
        {r.Right, r.Bottom - radius, kPathBezierTo}, {r.Right, c.y(), kPathLineTo},
        {r.Right, r.Top + radius, kPathLineToClose},
    };
    for (const Step& s : steps)
        Add(s.x, s.y, s.type);
}

void TStroke::Subdivide()
{
    std::vector<QPoint> points;
    std::vector<std::uint8_t> types;
    points.reserve(points_.size());
    types.reserve(types_.size());
    QPoint current;
    QPoint start;
    // The figure's closing line from p back to its start: p keeps its close flag when the
    // line is short; otherwise p loses it and the last intermediate point carries it.
    auto addClosed = [&](QPoint p, std::uint8_t type) {
        points.push_back(p);
        types.push_back(type);
        const std::size_t before = points.size();
        AddIntermediates(p, start, points, types);
        if (points.size() > before) {
            types[before - 1] &= std::uint8_t(~kPathCloseFigure);
            types.back() = kPathLineToClose;
        }
    };
    const std::size_t count = points_.size();
    std::size_t i = 0;
    for (; i < count; ++i) {
        const std::uint8_t type = types_[i];
        const QPoint p = points_[i];
        if (type == kPathMoveTo) {
            points.push_back(p);
            types.push_back(type);
            start = p;
        } else if (type == kPathLineTo || type == kPathLineToClose) {
            AddIntermediates(current, p, points, types);
            if (type == kPathLineToClose)
                addClosed(p, type);
            else {
                points.push_back(p);
                types.push_back(type);
            }
        } else if ((type == kPathBezierTo || type == kPathBezierToClose) && i + 2 < count) {
            points.push_back(p);
            types.push_back(type);
            points.push_back(points_[i + 1]);
            types.push_back(types_[i + 1]);
            i += 2;
            if (types_[i] & kPathCloseFigure)
                addClosed(points_[i], types_[i]);
            else {
                points.push_back(points_[i]);
                types.push_back(types_[i]);
            }
        } else {
            break; // the rest cannot be walked; it is kept as it is
        }
        current = points_[i];
    }
    points.insert(points.end(), points_.begin() + std::ptrdiff_t(i), points_.end());
    types.insert(types.end(), types_.begin() + std::ptrdiff_t(i), types_.end());
    points_ = std::move(points);
    types_ = std::move(types);
}

QPainterPath TStroke::Outline(const TCanvas& canvas, bool closeLastFigure) const
{
    struct PathSink {
        QPainterPath path;
        void MoveTo(QPoint logical, QPoint) { path.moveTo(logical); }
        void LineTo(QPoint logical, QPoint) { path.lineTo(logical); }
        void Close() { path.closeSubpath(); }
    } sink;
    WalkStroke(points_, types_, canvas, sink);
    if (closeLastFigure)
        sink.path.closeSubpath();
    return sink.path;
}

void TStroke::Draw(TCanvas& canvas)
{
    if (points_.empty())
        return; // a zero-length line at the origin: nothing visible
    QPainter& painter = canvas.Painter();
    painter.strokePath(Outline(canvas, false), painter.pen());
}

QPainterPath TStroke::MakePath(const TCanvas& canvas) const
{
    return Outline(canvas, true);
}

void TStroke::TraceAA(TCanvas& alphaMap) const
{
    struct TraceSink {
        TAALineAlphaMap line;
        void MoveTo(QPoint, QPoint device) { line.MoveTo(device.x(), device.y()); }
        void LineTo(QPoint, QPoint device)
        {
            line.LineTo(device.x(), device.y());
            line.Dot(device.x(), device.y());
        }
        void Close() {}
    } sink;
    sink.line.Bind(alphaMap.ReadableImage());
    if (!sink.line.AlphaMap())
        return;
    WalkStroke(points_, types_, alphaMap, sink);
}

void TStroke::AssignTo(TPersistent& target) const
{
    if (auto* stroke = dynamic_cast<TStroke*>(&target)) {
        stroke->points_ = points_;
        stroke->types_ = types_;
        return;
    }
    TPersistent::AssignTo(target);
}
