#include "catalogue/paper/free_paper_info.h"
#include "core/model/draw_object.h"
#include "document/face_rendering.h"
#include "document/label_data.h"
#include "graphics/color/color_fill.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "objects/shapes/curve_shape.h"
#include "objects/shapes/deco_line.h"
#include "objects/shapes/rect_shape.h"
#include "shape_test_support.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<TFreePaperInfo> OneFace()
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(1000);
    paper->SetHeight(1000);
    paper->SetPaperName(QStringLiteral("図形用紙"));
    paper->SetGroupName(QStringLiteral("テスト"));
    TFaceItem* item = paper->Faces()->AddFace();
    item->SetFaceRect({0, 0, 1000, 1000});
    item->SetFaceShape(fsRect);
    return paper;
}

// One object of each shape class, each in its own place on a 100 mm face.
std::vector<std::unique_ptr<TDrawObject>> OneOfEach()
{
    std::vector<std::unique_ptr<TDrawObject>> objects;
    auto rect = std::make_unique<TLORect>();
    rect->SetBoundsRect({100, 100, 400, 300});
    rect->SetFrameWidth(20);
    rect->FrameColorSpec()->SetColor(0x0000FF);
    rect->SetRoundRect(true);
    objects.push_back(std::move(rect));
    auto circle = std::make_unique<TLOCircle>();
    circle->SetBoundsRect({500, 100, 900, 300});
    circle->SetFillInside(true);
    circle->FillColorSpec()->SetColor(0x00FF00);
    circle->SetAngle(20);
    objects.push_back(std::move(circle));
    auto line = std::make_unique<TLOLine>();
    line->SetStartPoint({100, 450});
    line->SetEndPoint({900, 450});
    objects.push_back(std::move(line));
    auto curve = std::make_unique<TLOCurve>();
    curve->SetStartPoint({100, 650});
    curve->SetEndPoint({900, 650});
    curve->SetBulge(-80);
    objects.push_back(std::move(curve));
    auto deco = std::make_unique<TLODecoLine>();
    QImage tile(12, 6, QImage::Format_RGB888);
    tile.fill(Qt::magenta);
    deco->Image()->Bitmap().SetImage(tile);
    deco->SetStartPoint({100, 850});
    deco->SetEndPoint({900, 850});
    deco->SetLineWidth(40);
    objects.push_back(std::move(deco));
    return objects;
}

// The objects' streams, sorted: the design gives its objects back in z-order, not in the
// order of the list it was saved from.
std::vector<QByteArray> BytesOf(const std::vector<std::unique_ptr<TDrawObject>>& objects)
{
    std::vector<QByteArray> bytes;
    for (const auto& object : objects)
        bytes.push_back(StreamBytes(*object));
    std::sort(bytes.begin(), bytes.end());
    return bytes;
}

std::vector<TDrawObject*> Raw(const std::vector<std::unique_ptr<TDrawObject>>& objects)
{
    std::vector<TDrawObject*> raw;
    for (const auto& object : objects)
        raw.push_back(object.get());
    return raw;
}

bool Painted(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return true;
    return false;
}

} // namespace

TEST(ShapesDocument, OneOfEachOpensExportsAndSavesUnchanged)
{
    RegisterDocumentClasses();
    RegisterShapeTestClasses();
    QTemporaryDir dir;
    const QString first = dir.filePath(QStringLiteral("shapes.cld"));
    const QString second = dir.filePath(QStringLiteral("again.cld"));
    const auto objects = OneOfEach();
    {
        TLabelData document;
        document.SetPaper(*OneFace());
        document.SaveObjects(0, Raw(objects));
        document.SaveToFile(first);
    }
    TLabelData reopened;
    reopened.LoadFromFile(first);
    const auto loaded = reopened.LoadObjects(0);
    ASSERT_EQ(loaded.size(), objects.size());
    EXPECT_EQ(BytesOf(loaded), BytesOf(objects));

    // Exported at 254 dpi one unit is one pixel: each object paints its own band.
    const QImage image = RenderDocumentImage(reopened, 0, 254);
    ASSERT_EQ(image.size(), QSize(1000, 1000));
    for (const auto& object : loaded) {
        const TRect bounds = object->GetBounds();
        EXPECT_TRUE(Painted(image, bounds.ToQRect())) << object->ClassName().toStdString();
    }
    EXPECT_FALSE(Painted(image, QRect(950, 950, 40, 40)));

    reopened.SaveObjects(0, Raw(loaded));
    reopened.SaveToFile(second);
    TLabelData again;
    again.LoadFromFile(second);
    EXPECT_EQ(BytesOf(again.LoadObjects(0)), BytesOf(objects));
}
