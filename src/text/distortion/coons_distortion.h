#pragma once
// TCoonsDistortion: bends outlines through a Coons patch. The unit square (x to the right,
// y downwards) has its four sides replaced by boundary curves through control points; a
// point of the source rectangle is placed at the same relative position of the patch and
// scaled into the destination rectangle.
//
// Sides: top (0) and bottom (2) run from left to right, right (1) and left (3) from top to
// bottom. The sides share their corner points: top[0] = left[0], top[last] = right[0],
// right[last] = bottom[last], bottom[0] = left[last]. Each point has a smooth flag: a smooth
// point is passed near on a quadratic curve between the midpoints of its neighbouring
// segments, any other point is a vertex of a polyline.
//
// The binary form (the extra property "Data" and each pattern of a pattern file) is the
// 16-byte GUID, the four point counts (signed 32-bit), every point of the sides in turn as x
// and y in the 80-bit extended format, then every point's smooth flag byte; little-endian.
#include "core/canvas/rect.h"
#include "text/transformer.h"

#include <QByteArray>
#include <QPointF>
#include <QUuid>
#include <array>
#include <cstdint>
#include <vector>

enum TDistortionSide { kSideTop = 0, kSideRight = 1, kSideBottom = 2, kSideLeft = 3 };

class TCoonsDistortion : public TTransformer {
    LR_CLASS(TCoonsDistortion, TTransformer)
public:
    // More points than this on one side are refused (by SetCount and by the binary form).
    static constexpr int kMaxPoints = 4096;

    // An empty distortion with a fresh GUID.
    TCoonsDistortion();

    const QUuid& Id() const { return id_; }
    void SetId(const QUuid& id) { id_ = id; }

    int Count(int side) const;
    // Resizes the side: new points at (0, 0) with their flags cleared. Negative counts,
    // counts above kMaxPoints and unchanged counts are ignored.
    void SetCount(int side, int count);
    // Point i of the side. Indices before the start or beyond the end continue into the
    // neighbouring side through the shared corner, so that the boundary reads as one closed
    // chain (clamped to that side's points; (0, 0) when it has none).
    QPointF Point(int side, int i) const;
    // Sets point i (0 ... count - 1) of the side; a corner point is set on both its sides.
    void SetPoint(int side, int i, QPointF point);
    // The parameter of point i: i / (count - 1), continued like Point beyond the side's ends
    // (1 + the neighbour's parameter from the shared corner, or minus it before the start).
    double Parameter(int side, int i) const;
    bool Smooth(int side, int i) const;
    void SetSmooth(int side, int i, bool smooth);

    // Moves every control point toward its place on the undistorted square: 0 gives the
    // square, 100 the pattern itself, 50 halves every displacement.
    void ApplyRatio(int percent);

    const TRect& SourceRect() const { return source_; }
    void SetSourceRect(const TRect& rect);
    const TRect& DestRect() const { return dest_; }
    void SetDestRect(const TRect& rect);

    // Empty: all four counts 0.
    bool IsEmpty() const;
    // True when the distortion maps nothing: empty, or a side with fewer than two points
    // (such data is kept, so that it is saved back as it was read).
    bool IsNoDistortion() const;
    // All four counts 0.
    void Clear();

    // The side's curve at parameter t (0 ... 1 along the side's direction); the shape is
    // only meaningful while every side has two points (IsNoDistortion false).
    QPointF CurvePoint(int side, double t) const;
    // Maps a point of the source rectangle into the destination through the patch. Leaves
    // the point unchanged when the distortion maps nothing or a rectangle has no width or
    // height. Results are held within +-2^29 units, so that hostile control points cannot
    // overflow later arithmetic.
    void TransformPoint(QPoint& point) const override;

    // The binary form.
    QByteArray Data() const;
    // Replaces everything (the GUID included) by the binary form. Negative or oversized
    // counts, data shorter than the counts declare and coordinates that are not finite raise
    // the stream read error and leave the distortion as it was. Corner points disagreeing
    // between two sides are made equal (top and bottom decide) unless the distortion maps
    // nothing.
    void SetData(const QByteArray& data);

    // Copies the GUID, the points with their flags and both rectangles.
    void Assign(const TPersistent& source) override;
    // The binary form as the extra property "Data", written unless the distortion is empty.
    void DefineProperties(TFiler& filer) override;

private:
    struct TBoundary {
        std::vector<QPointF> Points;
        std::vector<std::uint8_t> Smooth; // kept as stored: non-zero is smooth
    };
    // A corner as seen from one side: the side and whether the corner is its last point.
    struct TCornerRef {
        int Side;
        bool AtEnd;
    };

    // The side and point that index i (outside 0 ... count - 1) of side continues into, and
    // the neighbour's distance k from the shared corner.
    struct TContinuation {
        int Side;
        int Index;
        int Distance;
    };
    TContinuation Continue(int side, int i) const;
    void SetCorner(TCornerRef from, QPointF point);
    void EnforceCorners();
    void Prepare() const;

    QUuid id_;
    std::array<TBoundary, 4> sides_;
    TRect source_;
    TRect dest_;

    // Derived on demand after a change.
    mutable bool dirty_ = true;
    mutable std::array<std::vector<double>, 4> parameters_;
    mutable std::array<QPointF, 4> corners_; // top-left, top-right, bottom-right, bottom-left
};
