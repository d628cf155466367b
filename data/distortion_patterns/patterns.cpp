#include "patterns.h"

#include "text/distortion/coons_distortion.h"

#include <QPointF>
#include <cmath>
#include <functional>
#include <numbers>

namespace {

// One side: its points in the side's direction; the inner points are smooth on curved
// sides, the end points (the corners) never are.
struct TSide {
    std::vector<QPointF> Points;
    bool Curved = false;
};

struct TPattern {
    const char* Guid;
    const char* Name; // for this table's reader only: the file stores no names
    TSide Top, Right, Bottom, Left;
};

// A straight side.
TSide Straight(QPointF from, QPointF to)
{
    return {{from, to}, false};
}

// A curved side through count points at evenly spaced x from x0 to x1, at height y(u) for u
// running 0 ... 1 along the side.
TSide CurveX(double x0, double x1, const std::function<double(double)>& y, int count = 5)
{
    TSide side{{}, true};
    for (int i = 0; i < count; ++i) {
        const double u = double(i) / (count - 1);
        side.Points.emplace_back(x0 + u * (x1 - x0), y(u));
    }
    return side;
}

// The same for a side running downwards, at x(v).
TSide CurveY(double y0, double y1, const std::function<double(double)>& x, int count = 5)
{
    TSide side{{}, true};
    for (int i = 0; i < count; ++i) {
        const double v = double(i) / (count - 1);
        side.Points.emplace_back(x(v), y0 + v * (y1 - y0));
    }
    return side;
}

// 1 in the middle of the side, 0 at its ends.
double Hump(double u)
{
    return 1 - (2 * u - 1) * (2 * u - 1);
}

// Joins the sides of a pattern whose corners are given by its top and bottom sides.
TPattern Box(const char* guid, const char* name, TSide top, TSide bottom)
{
    const QPointF topLeft = top.Points.front(), topRight = top.Points.back();
    const QPointF bottomLeft = bottom.Points.front(), bottomRight = bottom.Points.back();
    return {guid, name, std::move(top), Straight(topRight, bottomRight), std::move(bottom), Straight(topLeft, bottomLeft)};
}

std::vector<TPattern> Table()
{
    const double pi = std::numbers::pi;
    return {
        Box("{3484ff31-325a-413f-82dd-c8d493d51a2b}", "arch up",
            CurveX(0, 1, [](double u) { return 0.4 * (1 - Hump(u)); }),
            CurveX(0, 1, [](double u) { return 1 - 0.4 * Hump(u); })),
        Box("{67049271-8604-46bb-b895-92e65a7609c4}", "arch down",
            CurveX(0, 1, [](double u) { return 0.4 * Hump(u); }),
            CurveX(0, 1, [](double u) { return 0.6 + 0.4 * Hump(u); })),
        Box("{75d4fe9d-e592-4411-a6f1-7c47fdb15bab}", "bulge",
            CurveX(0, 1, [](double u) { return 0.3 * (1 - Hump(u)); }),
            CurveX(0, 1, [](double u) { return 0.7 + 0.3 * Hump(u); })),
        Box("{45cee3a9-34c3-48f8-bbdd-b1126598f7a4}", "pinch",
            CurveX(0, 1, [](double u) { return 0.3 * Hump(u); }),
            CurveX(0, 1, [](double u) { return 1 - 0.3 * Hump(u); })),
        Box("{d1e2a056-c368-448a-9bcc-a8a69496284f}", "waves",
            CurveX(0, 1, [pi](double u) { return 0.15 - 0.15 * std::sin(3 * pi * u); }, 9),
            CurveX(0, 1, [pi](double u) { return 0.85 - 0.15 * std::sin(3 * pi * u); }, 9)),
        Box("{63646f51-609d-4642-af99-8b9c92ed732a}", "flag",
            CurveX(0, 1, [pi](double u) { return 0.1 - 0.1 * std::sin(2 * pi * u); }, 7),
            CurveX(0, 1, [pi](double u) { return 0.9 - 0.1 * std::sin(2 * pi * u); }, 7)),
        {"{77049c05-3810-49fe-bf9d-becdf1fdef8d}", "inflate",
         CurveX(0.15, 0.85, [](double u) { return 0.15 * (1 - Hump(u)); }),
         CurveY(0.15, 0.85, [](double v) { return 0.85 + 0.15 * Hump(v); }),
         CurveX(0.15, 0.85, [](double u) { return 0.85 + 0.15 * Hump(u); }),
         CurveY(0.15, 0.85, [](double v) { return 0.15 * (1 - Hump(v)); })},
        Box("{2d4d1fca-cf2c-4cfc-8709-333ce2f9cd79}", "trapezoid, narrow top",
            Straight({0.25, 0}, {0.75, 0}), Straight({0, 1}, {1, 1})),
        Box("{0bdae67e-ceaf-43ef-a3ef-d8653dc7b990}", "trapezoid, narrow bottom",
            Straight({0, 0}, {1, 0}), Straight({0.25, 1}, {0.75, 1})),
        Box("{5c7aface-7cdd-4053-8487-d26025cc6bf9}", "perspective left",
            Straight({0, 0.3}, {1, 0}), Straight({0, 0.7}, {1, 1})),
        Box("{2685a125-4550-48f0-b86b-5d54ccf2b403}", "perspective right",
            Straight({0, 0}, {1, 0.3}), Straight({0, 1}, {1, 0.7})),
        Box("{60e203ba-31b8-46af-91bd-ed142b0eb2e2}", "rise",
            Straight({0, 0.4}, {1, 0}), Straight({0, 1}, {1, 0.6})),
        Box("{4df07ba5-9b0d-497f-ac49-eb4fbbfe7ecc}", "fall",
            Straight({0, 0}, {1, 0.4}), Straight({0, 0.6}, {1, 1})),
        Box("{aff8b9f7-872b-4abf-802c-64a3316cd640}", "bridge",
            Straight({0, 0}, {1, 0}),
            CurveX(0, 1, [](double u) { return 1 - 0.45 * Hump(u); })),
        Box("{8216efef-7c4b-462a-a6cf-fe31ba5d0050}", "valley",
            CurveX(0, 1, [](double u) { return 0.45 * Hump(u); }),
            Straight({0, 1}, {1, 1})),
        Box("{92f722b0-7be0-4cdc-9501-3f710679869a}", "fan",
            CurveX(0, 1, [](double u) { return 0.35 * (1 - Hump(u)); }),
            CurveX(0.3, 0.7, [](double u) { return 1 - 0.08 * Hump(u); })),
    };
}

void SetSide(TCoonsDistortion& distortion, int side, const TSide& points)
{
    const int count = int(points.Points.size());
    distortion.SetCount(side, count);
    for (int i = 0; i < count; ++i) {
        distortion.SetPoint(side, i, points.Points[i]);
        distortion.SetSmooth(side, i, points.Curved && i > 0 && i < count - 1);
    }
}

} // namespace

std::vector<std::unique_ptr<TCoonsDistortion>> ShippedPatterns()
{
    std::vector<std::unique_ptr<TCoonsDistortion>> patterns;
    for (const TPattern& pattern : Table()) {
        auto distortion = std::make_unique<TCoonsDistortion>();
        distortion->SetId(QUuid::fromString(QLatin1String(pattern.Guid)));
        // Left and right first, so that the top and bottom sides set the shared corners.
        SetSide(*distortion, kSideLeft, pattern.Left);
        SetSide(*distortion, kSideRight, pattern.Right);
        SetSide(*distortion, kSideTop, pattern.Top);
        SetSide(*distortion, kSideBottom, pattern.Bottom);
        patterns.push_back(std::move(distortion));
    }
    return patterns;
}
