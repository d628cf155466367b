#pragma once
// Angles and roundings that the ghosts share. Angles are atan2(dy, dx) in the logical
// system, where y grows downwards, so positive angles turn clockwise on the screen.
#include <QPoint>
#include <QPointF>
#include <cmath>
#include <numbers>

inline double AngleOf(QPointF vector)
{
    return std::atan2(vector.y(), vector.x());
}

inline double Length(QPointF vector)
{
    return std::hypot(vector.x(), vector.y());
}

inline double Degrees(double radians)
{
    return radians * 180.0 / std::numbers::pi;
}

inline double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// Into (-pi, pi].
inline double NormalizedAngle(double radians)
{
    while (radians > std::numbers::pi)
        radians -= 2 * std::numbers::pi;
    while (radians <= -std::numbers::pi)
        radians += 2 * std::numbers::pi;
    return radians;
}

// Halves away from zero.
inline int RoundAway(double value)
{
    return static_cast<int>(value < 0 ? std::ceil(value - 0.5) : std::floor(value + 0.5));
}

// Halves to even.
inline int RoundEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

inline int Trunc(double value)
{
    return static_cast<int>(std::trunc(value));
}

// A vector turned by an angle: (trunc(x cos r - y sin r), trunc(x sin r + y cos r)).
inline QPoint TurnTruncated(QPoint vector, double radians)
{
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    return {Trunc(vector.x() * c - vector.y() * s), Trunc(vector.x() * s + vector.y() * c)};
}
