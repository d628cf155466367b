#include "core/model/designer_registry.h"
#include "core/model/draw_site_model.h"
#include "core/face/face_site.h"
#include "face_test_support.h"
#include "../model/sample_objects.h"

#include <gtest/gtest.h>

namespace {

// A site that records the presses objects hand to it.
class TPressSite : public TDrawSiteModel {
public:
    struct Press {
        TDrawObject* object;
        Qt::MouseButton button;
        QPoint point;
        int handle;
    };
    void ObjectMouseDown(TDrawObject& object, Qt::MouseButton button, Qt::KeyboardModifiers, QPoint point,
                         int handle) override
    {
        presses.push_back({&object, button, point, handle});
    }
    std::vector<Press> presses;
};

// A paper site at 254 dpi, one logical unit per pixel at zoom 100, with three disc faces
// in a row.
struct TPaperSiteFixture {
    explicit TPaperSiteFixture(bool exclusive)
    {
        site.Scaler().SetUnitDPI(254);
        site.SetLogSize(3900, 1400);
        std::vector<TFaceInfo> faces;
        for (int i = 0; i < 3; ++i)
            faces.push_back(MakeFace(fsDoughnut, TRect(100, 100, 1300, 1300).Translated(1300 * i, 0), 20,
                                     QStringLiteral("CD")));
        CreateFaces(site, TListPaper(faces), exclusive);
        for (int i = 0; i < 3; ++i)
            FaceAt(site, i)->SetOnFaceClick([this](TLOFace* face) { clicks.push_back(FaceIndex(*face)); });
    }
    void Click(int index, Qt::MouseButton button = Qt::LeftButton)
    {
        FaceAt(site, index)->MouseDown(button, Qt::NoModifier, {10, 10});
    }
    std::vector<bool> Selection() const
    {
        std::vector<bool> selected;
        for (int i = 0; i < FaceCount(site); ++i)
            selected.push_back(FaceAt(site, i)->FaceSelected());
        return selected;
    }

    TPressSite site;
    std::vector<int> clicks;
};

// Records what the designer registry was asked for.
class TRecordingRegistry : public IDesignerRegistry {
public:
    TRecordingRegistry() : previous_(SetDesignerRegistry(this)) {}
    ~TRecordingRegistry() { SetDesignerRegistry(previous_); }
    void CreatePivots(TDrawObject&) override { calls.push_back("pivots"); }
    void AddGhost(TDrawObject&, int index) override { calls.push_back("ghost " + std::to_string(index)); }
    void AddSimpleMoveGhost(TDrawObject&) override { calls.push_back("simple move"); }
    bool Edit(TDrawObject&) override { return false; }

    std::vector<std::string> calls;

private:
    IDesignerRegistry* previous_;
};

// Renders the site at zoom `scale` on a 254-dpi bitmap.
QImage RenderSite(TDrawSiteModel& site, int scale = 100)
{
    const TRect area = TScaler(scale, 254).LogToDevRect(254, {0, 0, site.LogWidth(), site.LogHeight()});
    QImage image = CreateBitmap(area.ToQRect().size(), QImage::Format_BGR888, 254);
    TMemoryCanvas canvas(image, 254);
    site.DrawTo(canvas, {0, 0}, scale);
    return image;
}

// The bounding box of the pixels of one colour.
QRect ColourBounds(const QImage& image, QColor colour, const QRect& area)
{
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

const QColor kFaceColour(255, 231, 175);
const QColor kBlue(0, 0, 255);

} // namespace

TEST(FaceObject, HitMissesTheHoleAndOutsideTheRoundOutline)
{
    TLOFace face;
    face.SetFaceInfo(MakeFace(fsDoughnut, {0, 0, 1200, 1200}, 20));
    EXPECT_EQ(face.BoundsRect(), TRect(-20, -20, 1220, 1220));
    EXPECT_FALSE(face.HitTest({600, 600}));  // centre hole
    EXPECT_FALSE(face.HitTest({415, 600}));  // just inside the inner hole (395 + 20)
    EXPECT_TRUE(face.HitTest({380, 600}));   // bleed inside the printed hole edge
    EXPECT_FALSE(face.HitTest({-10, -10}));  // bounding-box corner, outside the disc
    EXPECT_TRUE(face.HitTest({-19, 600}));   // bleed beyond the outline
    EXPECT_FALSE(face.HitTest({1220, 600})); // right edge excluded

    // On a site the click falls through to what lies behind.
    TDrawSiteModel site;
    site.Scaler().SetUnitDPI(254);
    auto* behind = static_cast<TSampleRect*>(site.AddObject(std::make_unique<TSampleRect>(TRect{-20, -20, 1220, 1220})));
    TLOFace* front = static_cast<TLOFace*>(site.AddObject(std::make_unique<TLOFace>()));
    front->SetEditable(true);
    front->SetFaceInfo(face.FaceInfo());
    EXPECT_EQ(site.ObjectAt({600, 600}), behind);
    EXPECT_EQ(site.ObjectAt({600, 100}), front);
}

TEST(FaceObject, ExclusiveSelection)
{
    TPaperSiteFixture paper(true);
    paper.Click(1);
    EXPECT_EQ(paper.Selection(), (std::vector<bool>{false, true, false}));
    paper.Click(2);
    EXPECT_EQ(paper.Selection(), (std::vector<bool>{false, false, true}));
    paper.Click(2); // already selected: stays selected, no callback
    EXPECT_EQ(paper.Selection(), (std::vector<bool>{false, false, true}));
    paper.Click(0, Qt::RightButton); // only the left button selects
    EXPECT_EQ(paper.Selection(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(paper.clicks, (std::vector<int>{1, 2}));
    SelectFace(paper.site, 0);
    EXPECT_EQ(paper.Selection(), (std::vector<bool>{true, false, false}));
    EXPECT_EQ(FirstSelectedFace(paper.site), FaceAt(paper.site, 0));
}

TEST(FaceObject, MultiSelectionToggles)
{
    TPaperSiteFixture paper(false);
    paper.Click(0);
    paper.Click(2);
    EXPECT_EQ(paper.Selection(), (std::vector<bool>{true, false, true}));
    paper.Click(0); // clicking a selected face deselects it
    EXPECT_EQ(paper.Selection(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(paper.clicks, (std::vector<int>{0, 2, 0}));
    EXPECT_EQ(FirstSelectedFace(paper.site), FaceAt(paper.site, 2));
}

TEST(FaceObject, PressContinuesWithTheSitesPressRoutine)
{
    TPaperSiteFixture paper(true);
    TLOFace* face = FaceAt(paper.site, 1);
    face->MouseDown(Qt::LeftButton, Qt::NoModifier, {7, 9});
    face->MouseDown(Qt::RightButton, Qt::NoModifier, {7, 9});
    ASSERT_EQ(paper.site.presses.size(), 2u);
    EXPECT_EQ(paper.site.presses[0].object, face);
    EXPECT_EQ(paper.site.presses[0].handle, -1);
    EXPECT_EQ(paper.site.presses[0].point, face->PixelBounds().topLeft() + QPoint(7, 9));
    EXPECT_EQ(paper.site.presses[1].button, Qt::RightButton);
}

TEST(FaceObject, SiteHelpersCountOnlyFaces)
{
    TPaperSiteFixture paper(true);
    paper.site.AddObject(std::make_unique<TSampleRect>(TRect{0, 0, 10, 10}));
    EXPECT_EQ(FaceCount(paper.site), 3);
    EXPECT_EQ(FaceAt(paper.site, 3), nullptr);
    EXPECT_EQ(FaceAt(paper.site, -1), nullptr);
    EXPECT_EQ(FaceIndex(*FaceAt(paper.site, 2)), 2);
    EXPECT_EQ(FirstSelectedFace(paper.site), nullptr);
    SelectFace(paper.site, 7); // no such face: nothing happens
    EXPECT_EQ(FirstSelectedFace(paper.site), nullptr);
    TLOFace loose;
    EXPECT_EQ(FaceIndex(loose), -1);
}

TEST(FaceObject, CreateFacesTakesThePapersFacesAndClass)
{
    TPaperSiteFixture paper(true);
    ASSERT_EQ(FaceCount(paper.site), 3);
    TLOFace* second = FaceAt(paper.site, 1);
    EXPECT_TRUE(second->Exclusive());
    EXPECT_FALSE(second->Editable());
    EXPECT_EQ(second->FaceInfo().FaceRect(), TRect(1400, 100, 2600, 1300));
    EXPECT_EQ(second->BoundsRect(), TRect(1380, 80, 2620, 1320));

    TDrawSiteModel site;
    CreateFaces(site, TListPaper({MakeFace(fsRect, {0, 0, 100, 100})}), false, TLOFace::StaticClassInfo(), true);
    EXPECT_TRUE(FaceAt(site, 0)->Editable());
    EXPECT_FALSE(FaceAt(site, 0)->Exclusive());
    EXPECT_THROW(CreateFaces(site, TListPaper({TFaceInfo()}), false, TDrawSiteModel::StaticClassInfo()), EAppError);
    EXPECT_EQ(FaceCount(site), 1);
}

TEST(FaceObject, OnlyEditableFacesMoveOnASite)
{
    TPaperSiteFixture paper(true);
    TLOFace* face = FaceAt(paper.site, 0);
    const TRect before = face->BoundsRect();
    face->SetLeft(500);
    face->Resize(10, 10);
    face->SetFaceInfo(MakeFace(fsRect, {0, 0, 50, 50}));
    EXPECT_EQ(face->BoundsRect(), before);
    EXPECT_EQ(face->FaceInfo().OuterRect(), before);

    face->SetEditable(true);
    face->MoveBy(100, 50);
    EXPECT_EQ(face->BoundsRect(), before.Translated(100, 50));
    EXPECT_EQ(face->FaceInfo().OuterRect(), before.Translated(100, 50));
    face->Resize(400, 300);
    EXPECT_EQ(face->FaceInfo().FaceRect(), TRect(before.Left + 120, before.Top + 70, before.Left + 480, before.Top + 330));
    face->SetWidth(-40); // normalised
    EXPECT_EQ(face->FaceInfo().OuterRect(), face->BoundsRect());
    face->SetFaceInfo(MakeFace(fsEllipse, {0, 0, 50, 50}, 5));
    EXPECT_EQ(face->BoundsRect(), TRect(-5, -5, 55, 55));
}

TEST(FaceObject, AssignCopiesFaceAndFlags)
{
    TLOFace source;
    source.SetFaceInfo(MakeFace(fsRectCD, {10, 10, 500, 300}, 15, QStringLiteral("CDCover")));
    source.SetExclusive(true);
    source.SetEditable(true);
    source.SetFaceSelected(true);
    TLOFace target;
    target.Assign(source);
    EXPECT_EQ(target.FaceInfo(), source.FaceInfo());
    EXPECT_EQ(target.BoundsRect(), source.BoundsRect());
    EXPECT_TRUE(target.Exclusive());
    EXPECT_TRUE(target.Editable());
    EXPECT_FALSE(target.FaceSelected()); // the face selection is not copied
}

TEST(FaceObject, HandlesAndGhosts)
{
    TRecordingRegistry registry;
    TLOFace face;
    face.CreatePivots();
    face.SetEditable(true);
    face.CreatePivots();
    face.AddGhost(-1);
    face.AddGhost(3);
    EXPECT_EQ(registry.calls, (std::vector<std::string>{"pivots", "simple move", "ghost 3"}));
}

TEST(FacePaint, SelectedFaceTakesTheFaceColour)
{
    TPaperSiteFixture paper(true);
    paper.Click(1);
    FaceAt(paper.site, 2)->SetFaceColor(0x0000FF); // red when selected
    const QImage image = RenderSite(paper.site);
    EXPECT_EQ(image.pixelColor(700, 300), Qt::white);       // face 0, unselected
    EXPECT_EQ(image.pixelColor(2000, 300), kFaceColour);    // face 1, selected
    EXPECT_EQ(image.pixelColor(3300, 300), Qt::white);
    EXPECT_EQ(image.pixelColor(50, 50), Qt::white);         // outside every face
    EXPECT_EQ(image.pixelColor(700, 1320 - 20 - 1), Qt::white);
    SelectFace(paper.site, 2);
    EXPECT_EQ(RenderSite(paper.site).pixelColor(3300, 300), QColor(255, 0, 0));
}

TEST(FacePaint, TrimLinesKeepTheSolidHoleOutline)
{
    TPaperSiteFixture paper(true);
    const QImage image = RenderSite(paper.site);
    // Face 0: rectangle (100, 100, 1300, 1300), hole (495, 495, 905, 905), inner hole
    // (515, 515, 885, 885); on the middle row the solid inner-hole outline lies at x = 515.
    const QRect solid = ColourBounds(image, Qt::black, QRect(510, 700, 11, 1));
    EXPECT_FALSE(solid.isEmpty());
    // The solid outer outline at x = 80 and the dotted trim line at x = 100.
    EXPECT_FALSE(ColourBounds(image, Qt::black, QRect(76, 700, 9, 1)).isEmpty());
    EXPECT_FALSE(ColourBounds(image, Qt::black, QRect(96, 600, 9, 200)).isEmpty());
    // A dotted line is not solid: along the trim line some pixels stay white.
    int black = 0;
    for (int y = 600; y < 800; ++y)
        black += ColourBounds(image, Qt::black, QRect(96, y, 9, 1)).isEmpty() ? 0 : 1;
    EXPECT_GT(black, 20);
    EXPECT_LT(black, 200);
}

TEST(FacePaint, InformationTextKeepsItsSizeOnTheScreen)
{
    TPaperSiteFixture paper(true);
    FaceAt(paper.site, 1)->SetShowInfo(true);
    const QImage full = RenderSite(paper.site, 100);
    const QRect atFull = ColourBounds(full, kBlue, QRect(1380, 80, 600, 300));
    ASSERT_FALSE(atFull.isEmpty());
    EXPECT_GE(atFull.top(), 80);
    EXPECT_GE(atFull.left(), 1380);
    EXPECT_TRUE(ColourBounds(full, kBlue, QRect(80, 80, 600, 300)).isEmpty()); // face 0 shows none

    const QImage half = RenderSite(paper.site, 50);
    const QRect atHalf = ColourBounds(half, kBlue, QRect(690, 40, 300, 150));
    ASSERT_FALSE(atHalf.isEmpty());
    EXPECT_NEAR(atHalf.height(), atFull.height(), 3);
    EXPECT_NEAR(atHalf.width(), atFull.width(), 6);
}

TEST(FaceDrawing, TrimLinesOnlyWithAMargin)
{
    for (const int margin : {0, 20}) {
        TUnitCanvas unit({1400, 1400});
        const TFaceInfo info = MakeFace(fsDoughnut, {100, 100, 1300, 1300}, margin);
        unit.canvas.Painter().setPen(QPen(Qt::black, 0));
        unit.canvas.Painter().setBrush(Qt::NoBrush);
        info.DrawTrimLines(unit.canvas, false);
        const QRect drawn = ColourBounds(unit.image, Qt::black, unit.image.rect());
        if (margin == 0) {
            EXPECT_TRUE(drawn.isEmpty());
        } else {
            EXPECT_EQ(drawn, QRect(100, 100, 1201, 1201));
            EXPECT_EQ(unit.At(495, 700), Qt::black); // the hole's cut line
        }
    }
}

TEST(FaceDrawing, FaceAtOriginWithCross)
{
    TUnitCanvas unit({1400, 1400});
    const TFaceInfo info = MakeFace(fsDoughnut, {300, 400, 1500, 1600}, 20);
    QPainter& painter = unit.canvas.Painter();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    info.DrawFace(unit.canvas, true, true);
    EXPECT_EQ(ColourBounds(unit.image, Qt::black, unit.image.rect()), QRect(0, 0, 1241, 1241));
    // Cross centred on the inner hole's centre (620, 620), 50 units each way.
    EXPECT_EQ(ColourBounds(unit.image, Qt::black, QRect(560, 620, 121, 1)), QRect(570, 620, 101, 1));
    EXPECT_EQ(ColourBounds(unit.image, Qt::black, QRect(620, 560, 1, 121)), QRect(620, 570, 1, 101));
    // The inner hole (435, 435, 805, 805) is outlined, the hole rectangle is not.
    EXPECT_EQ(ColourBounds(unit.image, Qt::black, QRect(400, 620, 60, 1)).left(), 435);
}

TEST(FaceDrawing, DrawHoleBlanksOnlyFacesWithAHole)
{
    for (const TFaceShape shape : {fsDoughnut, fsEllipse}) {
        TUnitCanvas unit({1400, 1400});
        QPainter& painter = unit.canvas.Painter();
        painter.fillRect(unit.image.rect(), Qt::black);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        MakeFace(shape, {100, 100, 1300, 1300}, 20).DrawHole(unit.canvas);
        const QColor centre = unit.At(700, 700);
        EXPECT_EQ(centre, shape == fsDoughnut ? QColor(Qt::white) : QColor(Qt::black));
        EXPECT_EQ(unit.At(700, 500), Qt::black); // between the hole rectangle and the inner hole
    }
}

TEST(FaceDrawing, OutlineKeepsTheCanvasState)
{
    TUnitCanvas unit({200, 200});
    TLOFace face;
    face.SetFaceInfo(MakeFace(fsEllipse, {10, 10, 190, 190}));
    QPainter& painter = unit.canvas.Painter();
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::red);
    face.DrawOutline(unit.canvas);
    EXPECT_EQ(unit.At(100, 100), Qt::red);
    EXPECT_EQ(painter.brush().color(), Qt::red);
    EXPECT_EQ(unit.canvas.MapMode(), TMapMode::Anisotropic);
}
