#pragma once
// Integer rectangles as Left, Top, Right, Bottom (right and bottom edges exclusive), the
// small helpers that object types share for fitting, centring and clamping, and the
// rotation of points by whole degrees.
#include <QPoint>
#include <QRect>

struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    constexpr TRect() = default;
    constexpr TRect(int left, int top, int right, int bottom) : Left(left), Top(top), Right(right), Bottom(bottom) {}

    static TRect FromQRect(const QRect& rect) { return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()}; }
    QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }

    constexpr QPoint TopLeft() const { return {Left, Top}; }
    constexpr QPoint BottomRight() const { return {Right, Bottom}; }
    constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    constexpr bool Contains(QPoint p) const { return p.x() >= Left && p.x() < Right && p.y() >= Top && p.y() < Bottom; }
    constexpr TRect Translated(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    constexpr TRect Inflated(int dx, int dy) const { return {Left - dx, Top - dy, Right + dx, Bottom + dy}; }

    friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

// Two's-complement sum and difference: a hostile stored rectangle spanning more than the
// integer range wraps as the stored edges do instead of overflowing, so it reads back to
// the same edges it was written from.
constexpr int WrappedAdd(int a, int b) { return static_cast<int>(static_cast<unsigned>(a) + static_cast<unsigned>(b)); }
constexpr int WrappedSub(int a, int b) { return static_cast<int>(static_cast<unsigned>(a) - static_cast<unsigned>(b)); }

constexpr int RectWidth(const TRect& r) { return WrappedSub(r.Right, r.Left); }
constexpr int RectHeight(const TRect& r) { return WrappedSub(r.Bottom, r.Top); }

// Swaps Left/Right and Top/Bottom so that Left <= Right and Top <= Bottom.
TRect NormalizeRect(const TRect& r);

// ((Left + Right) div 2, (Top + Bottom) div 2), division truncating toward zero.
QPoint RectCenter(const TRect& r);

// The rectangle moved so that its RectCenter is the point.
TRect CenterRectAt(const TRect& r, QPoint centre);

// Largest size with the rectangle's aspect inside maxWidth x maxHeight; Left/Top kept.
TRect FitSize(const TRect& r, int maxWidth, int maxHeight);

// Smallest size with the rectangle's aspect covering minWidth x minHeight; Left/Top kept.
TRect CoverSize(const TRect& r, int minWidth, int minHeight);

// FitSize / CoverSize to the frame's size, then centred on the frame's centre.
TRect FitRect(const TRect& r, const TRect& frame);
TRect CoverRect(const TRect& r, const TRect& frame);

// The intersection of two rectangles; empty (all 0) when they do not overlap.
TRect IntersectRect(const TRect& a, const TRect& b);

// The smallest rectangle holding both; an empty rectangle does not count.
TRect UnionRect(const TRect& a, const TRect& b);

// True when the intersection of inner and outer equals inner.
bool RectInside(const TRect& inner, const TRect& outer);

// Each coordinate limited to [Left, Right] and [Top, Bottom].
QPoint ClampPoint(QPoint p, const TRect& r);

// The point rotated by a whole-degree angle about a centre; positive angles turn clockwise
// on the screen because y grows downwards.
QPoint RotatePoint(QPoint p, int angle, QPoint centre);
