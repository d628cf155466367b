#include "core/error.h"
#include "core/persistent/component.h"
#include "core/persistent/guid_bytes.h"
#include "core/stream/component_stream.h"
#include "core/stream/extended.h"
#include "graphics/raster/stroke.h"
#include "text/distortion/coons_distortion.h"

#include <gtest/gtest.h>
#include <QtEndian>
#include <cmath>
#include <limits>

namespace {

// A component holding a distortion as a sub-object, as a text object does.
class TDistortionHolder : public TComponent {
    LR_CLASS(TDistortionHolder, TComponent)
public:
    TCoonsDistortion* Distortion() { return distortion_.get(); }
    const TCoonsDistortion* Distortion() const { return distortion_.get(); }

private:
    std::unique_ptr<TCoonsDistortion> distortion_ = std::make_unique<TCoonsDistortion>();
};

} // namespace

LR_DEFINE_CLASS(TDistortionHolder, TComponent, LR_CREATABLE(TDistortionHolder),
    prop::Object("CoonsDistortion", &Self::Distortion, &Self::Distortion))

namespace {

void SetSide(TCoonsDistortion& distortion, int side, const std::vector<QPointF>& points,
             const std::vector<bool>& smooth = {})
{
    distortion.SetCount(side, int(points.size()));
    for (int i = 0; i < int(points.size()); ++i) {
        distortion.SetPoint(side, i, points[i]);
        distortion.SetSmooth(side, i, i < int(smooth.size()) && smooth[i]);
    }
}

// The unit square with the given number of evenly spaced points per side (at least 2).
std::unique_ptr<TCoonsDistortion> Square(int top, int right, int bottom, int left)
{
    auto owned = std::make_unique<TCoonsDistortion>();
    TCoonsDistortion& distortion = *owned;
    const auto line = [](QPointF from, QPointF to, int count) {
        std::vector<QPointF> points;
        for (int i = 0; i < count; ++i)
            points.push_back(from + (to - from) * (double(i) / (count - 1)));
        return points;
    };
    SetSide(distortion, kSideTop, line({0, 0}, {1, 0}, top));
    SetSide(distortion, kSideRight, line({1, 0}, {1, 1}, right));
    SetSide(distortion, kSideBottom, line({0, 1}, {1, 1}, bottom));
    SetSide(distortion, kSideLeft, line({0, 0}, {0, 1}, left));
    return owned;
}

// The top side as one smooth hump: (0, 0), (0.5, 0.4) smooth, (1, 0).
std::unique_ptr<TCoonsDistortion> Humped()
{
    auto distortion = Square(3, 2, 3, 2);
    distortion->SetPoint(kSideTop, 1, {0.5, 0.4});
    distortion->SetSmooth(kSideTop, 1, true);
    return distortion;
}

QPoint Transformed(const TCoonsDistortion& distortion, QPoint point)
{
    distortion.TransformPoint(point);
    return point;
}

QByteArray Int32(qint32 value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray Extended(double value)
{
    const auto bytes = ToExtended(value);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), 10);
}

// A binary form built by hand: GUID, counts, the points given in order, then flags.
QByteArray Form(const std::array<qint32, 4>& counts, const std::vector<double>& coordinates,
                const QByteArray& flags)
{
    QByteArray bytes(16, '\x11');
    for (const qint32 count : counts)
        bytes += Int32(count);
    for (const double value : coordinates)
        bytes += Extended(value);
    return bytes + flags;
}

} // namespace

TEST(CoonsDistortion, StraightSidesKeepRelativePositions)
{
    const auto made = Square(2, 3, 4, 2);
    TCoonsDistortion& distortion = *made;
    distortion.SetSourceRect(TRect(0, 0, 1000, 500));
    distortion.SetDestRect(TRect(100, 200, 300, 400));
    const std::pair<QPoint, QPoint> cases[] = {
        {{0, 0}, {100, 200}}, {{1000, 500}, {300, 400}}, {{500, 250}, {200, 300}},
        {{250, 100}, {150, 240}}, {{999, 1}, {299, 200}},
    };
    for (const auto& [from, to] : cases)
        EXPECT_EQ(Transformed(distortion, from), to) << from.x() << "," << from.y();
}

TEST(CoonsDistortion, TwoPointSidesAreStraightAndSmoothPointsAreRounded)
{
    const auto made = Humped();
    TCoonsDistortion& distortion = *made;
    EXPECT_EQ(distortion.CurvePoint(kSideRight, 0.25), QPointF(1, 0.25));
    EXPECT_EQ(distortion.CurvePoint(kSideLeft, 0.5), QPointF(0, 0.5));
    // Half-way between the midpoints of the hump's segments, on the quadratic through them.
    const QPointF middle = distortion.CurvePoint(kSideTop, 0.5);
    EXPECT_DOUBLE_EQ(middle.x(), 0.5);
    EXPECT_DOUBLE_EQ(middle.y(), 0.3);
    // Without its flag, the hump is a vertex.
    distortion.SetSmooth(kSideTop, 1, false);
    EXPECT_EQ(distortion.CurvePoint(kSideTop, 0.5), QPointF(0.5, 0.4));
    EXPECT_EQ(distortion.CurvePoint(kSideTop, 0.25), QPointF(0.25, 0.2));
}

TEST(CoonsDistortion, PointsAndParametersContinueAcrossCorners)
{
    const auto made = Square(3, 4, 5, 6);
    TCoonsDistortion& distortion = *made;
    struct Case {
        int side, index;
        int expectedSide, expectedIndex;
        double parameter;
    };
    const Case cases[] = {
        {kSideTop, -1, kSideLeft, 1, -1.0 / 5},        {kSideTop, 4, kSideRight, 2, 1 + 2.0 / 3},
        {kSideRight, -1, kSideTop, 1, -1.0 / 2},       {kSideRight, 4, kSideBottom, 3, 1 + 1.0 / 4},
        {kSideBottom, -2, kSideLeft, 3, -2.0 / 5},     {kSideBottom, 5, kSideRight, 2, 1 + 1.0 / 3},
        {kSideLeft, -1, kSideTop, 1, -1.0 / 2},        {kSideLeft, 6, kSideBottom, 1, 1 + 1.0 / 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(distortion.Point(c.side, c.index), distortion.Point(c.expectedSide, c.expectedIndex))
            << c.side << ":" << c.index;
        EXPECT_DOUBLE_EQ(distortion.Parameter(c.side, c.index), c.parameter) << c.side << ":" << c.index;
    }
    EXPECT_EQ(distortion.Parameter(kSideBottom, 4), 1.0);
}

TEST(CoonsDistortion, CornerPointsAreShared)
{
    const auto made = Square(3, 2, 3, 2);
    TCoonsDistortion& distortion = *made;
    distortion.SetPoint(kSideTop, 2, {0.9, 0.1});
    EXPECT_EQ(distortion.Point(kSideRight, 0), QPointF(0.9, 0.1));
    distortion.SetPoint(kSideLeft, 1, {0.1, 0.8});
    EXPECT_EQ(distortion.Point(kSideBottom, 0), QPointF(0.1, 0.8));
    distortion.SetPoint(kSideBottom, 2, {0.95, 0.9});
    EXPECT_EQ(distortion.Point(kSideRight, 1), QPointF(0.95, 0.9));
    distortion.SetPoint(kSideTop, 1, {0.5, 0.2}); // inner points belong to their side alone
    EXPECT_EQ(distortion.Point(kSideLeft, 0), QPointF(0, 0));
}

TEST(CoonsDistortion, ApplyRatioMovesPointsTowardTheSquare)
{
    const auto made = Square(3, 3, 3, 3);
    TCoonsDistortion& pattern = *made;
    pattern.SetPoint(kSideTop, 1, {0.7, 0.4});
    pattern.SetPoint(kSideRight, 1, {0.8, 0.6});
    pattern.SetPoint(kSideBottom, 0, {0.2, 0.9});
    const std::pair<int, std::vector<QPointF>> cases[] = {
        {0, {{0.5, 0}, {1, 0.5}, {0, 1}, {0, 1}}},
        {50, {{0.6, 0.2}, {0.9, 0.55}, {0.1, 0.95}, {0.1, 0.95}}},
        {100, {{0.7, 0.4}, {0.8, 0.6}, {0.2, 0.9}, {0.2, 0.9}}},
    };
    for (const auto& [percent, expected] : cases) {
        TCoonsDistortion distortion;
        distortion.Assign(pattern);
        distortion.ApplyRatio(percent);
        const QPointF moved[] = {distortion.Point(kSideTop, 1), distortion.Point(kSideRight, 1),
                                 distortion.Point(kSideBottom, 0), distortion.Point(kSideLeft, 2)};
        for (int i = 0; i < 4; ++i) {
            EXPECT_NEAR(moved[i].x(), expected[i].x(), 1e-12) << percent << " point " << i;
            EXPECT_NEAR(moved[i].y(), expected[i].y(), 1e-12) << percent << " point " << i;
        }
    }
}

TEST(CoonsDistortion, TransformStrokeMovesEveryPointAndKeepsTypes)
{
    const auto made = Humped();
    TCoonsDistortion& distortion = *made;
    distortion.SetSourceRect(TRect(0, 0, 100, 100));
    distortion.SetDestRect(TRect(0, 0, 100, 100));
    TStroke stroke;
    stroke.Add(0, 0, kPathMoveTo);
    stroke.Add(50, 0, kPathLineTo);
    stroke.Add(50, 100, kPathLineToClose);
    distortion.TransformStroke(stroke);
    EXPECT_EQ(stroke.Point(0), QPoint(0, 0));
    EXPECT_EQ(stroke.Point(1), QPoint(50, 30)); // on the hump
    EXPECT_EQ(stroke.Point(2), QPoint(50, 100));
    EXPECT_EQ(stroke.Type(2), kPathLineToClose);
}

TEST(CoonsDistortion, NothingMovesWithoutDistortionOrArea)
{
    const QPoint point(37, 41);
    TCoonsDistortion empty;
    empty.SetSourceRect(TRect(0, 0, 100, 100));
    empty.SetDestRect(TRect(0, 0, 50, 50));
    EXPECT_TRUE(empty.IsEmpty());
    EXPECT_TRUE(empty.IsNoDistortion());
    EXPECT_EQ(Transformed(empty, point), point);

    const TRect degenerate[] = {TRect(0, 0, 0, 100), TRect(0, 0, 100, 0)};
    for (const TRect& rect : degenerate) {
        const auto made = Square(2, 2, 2, 2);
        TCoonsDistortion& distortion = *made;
        distortion.SetSourceRect(rect);
        distortion.SetDestRect(TRect(0, 0, 50, 50));
        EXPECT_EQ(Transformed(distortion, point), point);
        distortion.SetSourceRect(TRect(0, 0, 100, 100));
        distortion.SetDestRect(rect);
        EXPECT_EQ(Transformed(distortion, point), point);
    }
}

TEST(CoonsDistortion, BinaryFormLayout)
{
    const auto made = Humped(); // counts 3, 2, 3, 2
    TCoonsDistortion& distortion = *made;
    distortion.SetId(QUuid(0x01020304, 0x0506, 0x0708, 9, 10, 11, 12, 13, 14, 15, 16));
    const QByteArray data = distortion.Data();
    ASSERT_EQ(data.size(), 242);
    EXPECT_EQ(data.left(16), QByteArray::fromHex("0403020106050807090a0b0c0d0e0f10"));
    EXPECT_EQ(data.mid(16, 16), Int32(3) + Int32(2) + Int32(3) + Int32(2));
    // Top side: (0, 0), (0.5, 0.4), (1, 0); 0.5 is 2^-1 with the integer bit set.
    EXPECT_EQ(data.mid(32 + 20, 10), QByteArray::fromHex("0000000000000080fe3f"));
    EXPECT_EQ(FromExtended(reinterpret_cast<const std::uint8_t*>(data.constData()) + 32 + 30), 0.4);
    EXPECT_EQ(data.right(10), QByteArray::fromHex("00010000000000000000"));

    TCoonsDistortion copy;
    copy.SetData(data);
    EXPECT_EQ(copy.Id(), distortion.Id());
    EXPECT_EQ(copy.Data(), data);
    EXPECT_TRUE(copy.Smooth(kSideTop, 1));
}

TEST(CoonsDistortion, HostileBinaryFormsAreReadErrorsThatChangeNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const std::vector<double> square{0, 0, 1, 0, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1};
    std::vector<double> withNan = square, withInfinity = square;
    withNan[5] = nan;
    withInfinity[14] = -infinity;
    const std::pair<const char*, QByteArray> cases[] = {
        {"short header", QByteArray(31, '\0')},
        {"negative count", Form({2, -1, 2, 2}, square, QByteArray(8, '\0'))},
        {"huge count", Form({2, 0x7FFFFFFF, 2, 2}, square, QByteArray(8, '\0'))},
        {"counts overflowing together", Form({0x40000000, 0x40000000, 0x40000000, 0x40000000}, {}, {})},
        {"points cut short", Form({2, 2, 2, 2}, square, QByteArray(7, '\0'))},
        {"not a number", Form({2, 2, 2, 2}, withNan, QByteArray(8, '\0'))},
        {"infinite", Form({2, 2, 2, 2}, withInfinity, QByteArray(8, '\0'))},
    };
    for (const auto& [name, data] : cases) {
        const auto made = Humped();
        TCoonsDistortion& distortion = *made;
        const QByteArray before = distortion.Data();
        EXPECT_THROW(distortion.SetData(data), EAppError) << name;
        EXPECT_EQ(distortion.Data(), before) << name;
    }
}

TEST(CoonsDistortion, SidesWithFewerThanTwoPointsActAsNoneButAreKept)
{
    // Top has one point; the others are straight.
    const QByteArray data = Form({1, 2, 2, 2}, {0, 0, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1}, QByteArray(7, '\1'));
    TCoonsDistortion distortion;
    distortion.SetData(data);
    EXPECT_FALSE(distortion.IsEmpty());
    EXPECT_TRUE(distortion.IsNoDistortion());
    distortion.SetSourceRect(TRect(0, 0, 100, 100));
    distortion.SetDestRect(TRect(0, 0, 10, 10));
    EXPECT_EQ(Transformed(distortion, QPoint(60, 70)), QPoint(60, 70));
    EXPECT_EQ(distortion.CurvePoint(kSideTop, 0.5), QPointF(0, 0));
    EXPECT_EQ(TCoonsDistortion().CurvePoint(kSideLeft, 0.3), QPointF(0, 0));
    distortion.ApplyRatio(0);
    EXPECT_EQ(distortion.Data(), data);
}

TEST(CoonsDistortion, LoadingMakesCornersAgree)
{
    // Left starts at (0.2, 0.1) and right ends at (0.8, 0.7), against top and bottom.
    TCoonsDistortion distortion;
    distortion.SetData(Form({2, 2, 2, 2}, {0, 0, 1, 0, 1, 0, 0.8, 0.7, 0, 1, 1, 1, 0.2, 0.1, 0, 1}, QByteArray(8, '\0')));
    EXPECT_EQ(distortion.Point(kSideLeft, 0), QPointF(0, 0));
    EXPECT_EQ(distortion.Point(kSideRight, 1), QPointF(1, 1));
}

TEST(CoonsDistortion, FarPointsAreClamped)
{
    TCoonsDistortion distortion;
    distortion.SetData(Form({3, 2, 2, 2}, {0, 0, 1e300, -1e300, 1, 0, 1, 0, 1, 1, 0, 1, 1, 1, 0, 0, 0, 1},
                            QByteArray(9, '\0')));
    distortion.SetSourceRect(TRect(0, 0, 100, 100));
    distortion.SetDestRect(TRect(0, 0, 2000000000, 2000000000));
    for (const QPoint from : {QPoint(100, 0), QPoint(50, 50), QPoint(-1000000, 3)}) {
        const QPoint to = Transformed(distortion, from);
        EXPECT_LE(std::abs(to.x()), 1 << 29);
        EXPECT_LE(std::abs(to.y()), 1 << 29);
    }
}

TEST(CoonsDistortion, AssignCopiesEverything)
{
    const auto made = Humped();
    TCoonsDistortion& source = *made;
    source.SetSourceRect(TRect(1, 2, 3, 4));
    source.SetDestRect(TRect(5, 6, 7, 8));
    TCoonsDistortion target;
    target.Assign(source);
    EXPECT_EQ(target.Id(), source.Id());
    EXPECT_EQ(target.Data(), source.Data());
    EXPECT_EQ(target.SourceRect(), source.SourceRect());
    EXPECT_EQ(target.DestRect(), source.DestRect());
    EXPECT_NE(TCoonsDistortion().Id(), source.Id());
}

TEST(CoonsDistortion, RoundTripsThroughAComponentStreamByteForByte)
{
    TDistortionHolder holder;
    holder.Distortion()->Assign(*Humped());
    const QByteArray bytes = ComponentBytes(holder);
    EXPECT_TRUE(bytes.contains("CoonsDistortion.Data"));

    TDistortionHolder read;
    ReadComponentBytes(bytes, read);
    EXPECT_EQ(read.Distortion()->Id(), holder.Distortion()->Id());
    EXPECT_EQ(ComponentBytes(read), bytes);

    TDistortionHolder empty;
    EXPECT_FALSE(ComponentBytes(empty).contains("CoonsDistortion"));
}

TEST(CoonsDistortion, DamagedDataInAStreamFailsTheRead)
{
    TDistortionHolder holder;
    holder.Distortion()->Assign(*Humped());
    QByteArray bytes = ComponentBytes(holder);
    const QByteArray counts = Int32(3) + Int32(2) + Int32(3) + Int32(2);
    const qsizetype at = bytes.indexOf(counts);
    ASSERT_GT(at, 0);
    bytes.replace(at, 4, Int32(-5));

    TDistortionHolder read;
    const QByteArray before = read.Distortion()->Data();
    EXPECT_THROW(ReadComponentBytes(bytes, read), EAppError);
    EXPECT_EQ(read.Distortion()->Data(), before);
}
