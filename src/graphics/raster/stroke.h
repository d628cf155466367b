#pragma once
// TStroke: a recorded outline in logical units, points with path point types as a device
// context reports them. It can be replayed on any canvas, turned into a path for filling or
// clipping, or traced anti-aliased into an alpha map.
#include "core/persistent/persistent.h"
#include "core/canvas/rect.h"

#include <QPainterPath>
#include <QPoint>
#include <cstdint>
#include <vector>

class TCanvas;

// Path point types; the close flag (1) is set on the last point of a closed figure.
enum TPathPointType : std::uint8_t {
    kPathCloseFigure = 1,
    kPathLineTo = 2,
    kPathLineToClose = 3,
    kPathBezierTo = 4, // three consecutive points make one cubic segment
    kPathBezierToClose = 5,
    kPathMoveTo = 6,
};

class TStroke : public TPersistent {
    LR_CLASS(TStroke, TPersistent)
public:
    TStroke() = default;

    int Count() const { return int(points_.size()); }
    void Clear();
    // Truncates, or extends with points at (0, 0) of type 0 (which ends a walk).
    void SetCount(int count);
    QPoint Point(int i) const { return points_.at(i); }
    void SetPoint(int i, QPoint point) { points_.at(i) = point; }
    std::uint8_t Type(int i) const { return types_.at(i); }
    void Add(int x, int y, std::uint8_t type);
    // Appends a painter path, points rounded to whole units; a figure that ends where it
    // began is marked closed on its last point.
    void AddPath(const QPainterPath& path);

    // The smallest rectangle holding every point (Right and Bottom are the largest
    // coordinates); empty when there are none.
    TRect Bounds() const;

    // M(L,T) L(R,T) L(R,B) L-close(L,B).
    void SetRect(const TRect& rect);
    // Four quarter arcs as 13 points from (Right, centre y), going up first.
    void SetEllipse(const TRect& rect);
    // Corners of diameter D as 21 points from (Right, Top + D div 2); each straight side
    // passes through its midpoint.
    void SetRoundRect(const TRect& rect, int diameter);
    // No straight segment (closing lines included) stays longer than 8 units.
    void Subdivide();

    // Draws the outline with the canvas's pen (Bezier segments flattened in 63 steps).
    virtual void Draw(TCanvas& canvas);
    // The outline as a path in logical units with its last figure closed, for the caller to
    // fill, clip to or outline.
    QPainterPath MakePath(const TCanvas& canvas) const;
    // Traces every segment anti-aliased into the 8-bit image of the canvas (an alpha map
    // whose canvas is mapped to logical units), with a round dot at each vertex.
    void TraceAA(TCanvas& alphaMap) const;

    void AssignTo(TPersistent& target) const override;

private:
    QPainterPath Outline(const TCanvas& canvas, bool closeLastFigure) const;

    std::vector<QPoint> points_;
    std::vector<std::uint8_t> types_;
};
