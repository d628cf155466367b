#include "core/model/draw_site_model.h"
#include "core/canvas/memory_canvas.h"
#include "core/model/placement.h"
#include "sample_objects.h"

#include <gtest/gtest.h>

namespace {

TSampleRect* Add(TDrawSiteModel& site, int group)
{
    auto object = std::make_unique<TSampleRect>(TRect{0, 0, 10, 10});
    object->SetLayerGroup(group);
    return static_cast<TSampleRect*>(site.AddObject(std::move(object)));
}

} // namespace

TEST(LayerGroups, NewObjectGoesToTheFrontOfItsGroup)
{
    TDrawSiteModel site;
    TSampleRect* a = Add(site, 0);
    TSampleRect* b = Add(site, 0);
    TSampleRect* top = Add(site, 5);
    TSampleRect* c = Add(site, 0);
    EXPECT_EQ(site.Objects(), (std::vector<TDrawObject*>{a, b, c, top}));
    TSampleRect* back = Add(site, -1);
    EXPECT_EQ(site.IndexOf(back), 0);
}

TEST(LayerGroups, SendToBackStaysInFrontOfLowerGroups)
{
    TDrawSiteModel site;
    TSampleRect* low = Add(site, -2);
    TSampleRect* a = Add(site, 0);
    TSampleRect* b = Add(site, 0);
    TSampleRect* high = Add(site, 3);
    int changes = 0;
    TListener listener([&](TObject*, const TNotifyId& id) { changes += id == notify::ObjectChanged; });
    listener.Attach(&b->Broadcaster());
    b->SendToBackInGroup();
    EXPECT_EQ(site.Objects(), (std::vector<TDrawObject*>{low, b, a, high}));
    EXPECT_EQ(changes, 1);
    b->SendToBackInGroup(); // already there
    EXPECT_EQ(changes, 1);
    b->BringToFrontInGroup();
    EXPECT_EQ(site.Objects(), (std::vector<TDrawObject*>{low, a, b, high}));
    high->SendToBackInGroup(); // just in front of the front-most lower object
    EXPECT_EQ(site.IndexOf(high), 3);
}

TEST(DrawSiteModel, ObjectChangesSetModifiedAndReachSiteListeners)
{
    TDrawSiteModel site;
    TSampleRect* object = Add(site, 0);
    site.SetModified(false);
    int modifyEvents = 0;
    object->SetOnModify([&](TDrawObject*) { ++modifyEvents; });
    std::vector<TNotifyId> forwarded;
    TListener panel([&](TObject*, const TNotifyId& id) { forwarded.push_back(id); });
    panel.Attach(&site.Broadcaster());
    object->SetLeft(50);
    EXPECT_TRUE(site.Modified());
    EXPECT_EQ(modifyEvents, 1);
    ASSERT_EQ(forwarded.size(), 1u);
    EXPECT_EQ(forwarded[0], notify::ObjectChanged);
}

TEST(DrawSiteModel, ObjectAtPicksTheFrontMostHit)
{
    TDrawSiteModel site;
    TSampleRect* back = Add(site, 0);
    TSampleRect* front = Add(site, 0);
    front->SetBoundsRect({5, 5, 20, 20});
    EXPECT_EQ(site.ObjectAt({7, 7}), front);
    EXPECT_EQ(site.ObjectAt({2, 2}), back);
    EXPECT_EQ(site.ObjectAt({10, 0}), nullptr); // right edge excluded
    EXPECT_EQ(site.ObjectAt({25, 25}), nullptr);
}

TEST(DrawSiteModel, PixelBoundsFollowZoom)
{
    TDrawSiteModel site;
    site.Scaler().SetUnitDPI(254);
    site.SetLogSize(1000, 500);
    TSampleRect* object = Add(site, 0);
    object->SetBoundsRect({0, 0, 254, 254});
    const int dpi = site.DeviceResolution();
    const TRect device = site.Scaler().LogToDevRect(dpi, object->BoundsRect());
    EXPECT_EQ(object->PixelBounds(), QRect(0, 0, RectWidth(device) + 1, RectHeight(device) + 1));
    site.Scaler().SetScale(200);
    const TRect zoomed = site.Scaler().LogToDevRect(dpi, object->BoundsRect());
    EXPECT_EQ(object->PixelBounds().width(), RectWidth(zoomed) + 1);
}

TEST(DrawSiteModel, DrawToRestoresScaleEvenWhenDrawingFails)
{
    TDrawSiteModel site;
    site.Scaler().SetUnitDPI(254);
    site.SetLogSize(100, 100);
    TSampleRect* object = Add(site, 0);
    object->failPaint = true;
    QImage image = CreateBitmap({100, 100}, QImage::Format_RGB32, 254);
    TMemoryCanvas canvas(image, 254);
    EXPECT_THROW(site.DrawTo(canvas, {0, 0}, 50), EAppError);
    EXPECT_EQ(site.Scaler().Scale(), 100);
    EXPECT_EQ(site.PaintCanvas(), nullptr);
}

TEST(Placement, KeepInsideAndScale)
{
    TDrawSiteModel site;
    TSampleRect* object = Add(site, 0);
    object->SetBoundsRect({-100, 0, -80, 20}); // centre (-90, 10)
    KeepInside({object}, {0, 0, 1000, 1000});
    EXPECT_EQ(RectCenter(object->BoundsRect()), QPoint(10, 10));

    object->SetBoundsRect({100, 100, 200, 200});
    ScaleObjects({object}, {0, 0, 1000, 1000}, {500, 0, 1000, 500});
    EXPECT_EQ(object->BoundsRect(), TRect(550, 50, 600, 100));
}

TEST(Placement, PlaceNewObjectCutsAndCentres)
{
    TDrawSiteModel site;
    site.Scaler().SetUnitDPI(254);
    site.SetLogSize(1000, 600);
    auto object = std::make_unique<TSampleRect>(TRect{0, 0, 2000, 100});
    PlaceNewObject(*object, site);
    const TRect placed = object->BoundsRect();
    EXPECT_EQ(RectWidth(placed), 1000);
    EXPECT_EQ(RectHeight(placed), 100);
    const QPoint centre = site.DevToLog(RectCenter(TRect::FromQRect(site.VisibleClientRect())));
    EXPECT_EQ(RectCenter(placed), centre);
}
