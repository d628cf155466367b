#include "core/persistent/component.h"
#include "graphics/color/color_fill.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "objects/shapes/curve_shape.h"
#include "objects/shapes/deco_line.h"
#include "objects/shapes/rect_shape.h"
#include "shape_test_support.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class ShapeStreams : public testing::Test {
protected:
    void SetUp() override { RegisterShapeTestClasses(); }
};

// The offsets of the names in the bytes, which must rise in the order given.
void ExpectInOrder(const QByteArray& bytes, const std::vector<QByteArray>& names)
{
    qsizetype previous = -1;
    for (const QByteArray& name : names) {
        const qsizetype at = bytes.indexOf(name, previous + 1);
        EXPECT_GT(at, previous) << name.constData() << " missing or out of order";
        previous = at;
    }
}

std::unique_ptr<TLORect> SampleRect(std::unique_ptr<TLORect> rect)
{
    rect->SetBoundsRect({10, 20, 110, 80});
    rect->SetFrameWidth(25);
    rect->FrameColorSpec()->SetColor(0x0000FF);
    rect->FillColorSpec()->SetColor(0x00FF00);
    rect->SetFillInside(true);
    rect->SetAngle(30);
    rect->SetRoundRect(true);
    return rect;
}

template <class Line>
std::unique_ptr<Line> SampleLine()
{
    auto line = std::make_unique<Line>();
    line->SetStartPoint({5, 6});
    line->SetEndPoint({300, 40});
    line->LineColorSpec()->SetColor(0xFF0000);
    line->SetLineWidth(17);
    return line;
}

std::unique_ptr<TLODecoLine> SampleDecoLine()
{
    auto line = SampleLine<TLODecoLine>();
    QImage tile(8, 4, QImage::Format_RGB888);
    tile.fill(Qt::red);
    line->Image()->Bitmap().SetImage(tile);
    return line;
}

} // namespace

TEST_F(ShapeStreams, EachClassStreamsItsPropertiesInOrderAndReadsBackByteIdentical)
{
    struct Case {
        const char* className;
        std::function<std::unique_ptr<TComponent>()> make;
        std::vector<QByteArray> order;
    };
    const std::vector<QByteArray> rectOrder{"Left", "Top", "Width", "Height", "FrameWidth", "FrameColor.", "FillColor.",
                                            "FillInside", "Angle", "RoundRect"};
    const std::vector<QByteArray> lineOrder{"StartX", "StartY", "EndX", "EndY", "LineColor.", "LineWidth"};
    std::vector<QByteArray> curveOrder = lineOrder;
    curveOrder.push_back("Bulge");
    std::vector<QByteArray> decoOrder = lineOrder;
    decoOrder.push_back("Image.");
    const std::vector<Case> cases{
        {"TLORect", [] { return SampleRect(std::make_unique<TLORect>()); }, rectOrder},
        {"TLOCircle", [] { return SampleRect(std::make_unique<TLOCircle>()); }, rectOrder},
        {"TLOLine", [] { return SampleLine<TLOLine>(); }, lineOrder},
        {"TLOCurve",
         [] {
             auto curve = SampleLine<TLOCurve>();
             curve->SetBulge(-45);
             return curve;
         },
         curveOrder},
        {"TLODecoLine", [] { return SampleDecoLine(); }, decoOrder},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.className);
        const auto object = c.make();
        const QByteArray bytes = StreamBytes(*object);
        ExpectInOrder(bytes, c.order);
        const auto read = ReadBack(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->ClassName(), QString::fromLatin1(c.className));
        EXPECT_EQ(StreamBytes(*read), bytes);
    }
}

TEST_F(ShapeStreams, LineStoresNoAngle)
{
    EXPECT_FALSE(StreamBytes(*SampleLine<TLOLine>()).contains("Angle"));
}

TEST_F(ShapeStreams, LegacyRoundIsReadIntoRoundRectAndSavedAsRoundRect)
{
    auto rect = SampleRect(std::make_unique<TLORect>());
    QByteArray bytes = StreamBytes(*rect);
    // The same stream as an older version wrote it: "Round" in place of "RoundRect".
    const QByteArray current = QByteArray("\x09RoundRect", 10);
    ASSERT_TRUE(bytes.contains(current));
    bytes.replace(current, QByteArray("\x05Round", 6));
    const auto read = ReadBack(bytes);
    ASSERT_TRUE(read);
    auto* legacy = dynamic_cast<TLORect*>(read.get());
    ASSERT_TRUE(legacy);
    EXPECT_TRUE(legacy->RoundRect());
    const QByteArray saved = StreamBytes(*legacy);
    EXPECT_TRUE(saved.contains(current));
    EXPECT_FALSE(saved.contains(QByteArray("\x05Round", 6)));
    EXPECT_EQ(saved, StreamBytes(*rect));
}

TEST_F(ShapeStreams, AssignCopiesEveryPropertyInOneChange)
{
    auto source = SampleRect(std::make_unique<TLOCircle>());
    TLOCircle target;
    int changes = 0;
    target.SetOnModify([&](TDrawObject*) { ++changes; });
    target.Assign(*source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(StreamBytes(target), StreamBytes(*source));

    auto curve = SampleLine<TLOCurve>();
    curve->SetBulge(70);
    TLOCurve copy;
    copy.Assign(*curve);
    EXPECT_EQ(StreamBytes(copy), StreamBytes(*curve));
}
