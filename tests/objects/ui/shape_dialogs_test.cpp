#include "core/canvas/units.h"
#include "core/model/draw_site_model.h"
#include "editing/site/edit_context.h"
#include "editing/site/edit_site.h"
#include "graphics/color/color_fill.h"
#include "graphics/picture/bmp_writer.h"
#include "graphics/picture/picture_ex.h"
#include "objects/shapes/curve_shape.h"
#include "objects/shapes/deco_line.h"
#include "objects/shapes/rect_shape.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/deco_line_dialog.h"
#include "objects/ui/line_property_dialog.h"
#include "objects/ui/property_edit.h"
#include "objects/ui/rect_property_dialog.h"
#include "objects/ui/shape_designers.h"
#include "editing/site/pivot.h"
#include "../shapes/shape_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <QDoubleSpinBox>
#include <QFile>
#include <QListWidget>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class ShapeDialogs : public testing::Test {
protected:
    void SetUp() override { RegisterShapeTestClasses(); }
};

std::unique_ptr<TLORect> Rect(bool circle)
{
    std::unique_ptr<TLORect> rect = circle ? std::make_unique<TLOCircle>() : std::make_unique<TLORect>();
    rect->SetBoundsRect({100, 200, 400, 350});
    rect->SetFrameWidth(30);
    rect->SetAngle(40);
    rect->SetBlendRatio(60);
    return rect;
}

} // namespace

TEST_F(ShapeDialogs, RectangleAndEllipseDialogsHaveTheirCaptionsAndFields)
{
    for (bool circle : {false, true}) {
        auto rect = Rect(circle);
        TfrmRectProperty dialog(*rect);
        EXPECT_EQ(dialog.windowTitle(), circle ? QStringLiteral("円図形の設定") : QStringLiteral("四角図形の設定"));
        EXPECT_EQ(dialog.FrameWidthField()->value(), 3.0);
        EXPECT_EQ(dialog.FrameWidthField()->maximum(), 20.0);
        EXPECT_EQ(dialog.FrameWidthField()->singleStep(), 1.0);
        EXPECT_EQ(dialog.RoundField()->isVisibleTo(&dialog), !circle);
        EXPECT_TRUE(dialog.TransparentField()->isChecked());
        EXPECT_FALSE(dialog.FillColorField()->isEnabled());
        dialog.FilledField()->setChecked(true);
        EXPECT_TRUE(dialog.FillColorField()->isEnabled());
    }
}

TEST_F(ShapeDialogs, PreviewShowsTheCopyUnturnedOpaqueAndWithItsBandInView)
{
    auto rect = Rect(false);
    TfrmRectProperty dialog(*rect);
    dialog.FrameWidthField()->setValue(4.0);
    EXPECT_EQ(dialog.Preview().Angle(), 0);
    EXPECT_EQ(dialog.Preview().BlendRatio(), 100);
    EXPECT_EQ(dialog.Preview().BoundsRect(), TRect(20, 20, 320, 170));
    EXPECT_EQ(dialog.Preview().GetBounds().TopLeft(), QPoint(0, 0));
    EXPECT_EQ(rect->FrameWidth(), 30); // the object itself is untouched until written back
}

TEST_F(ShapeDialogs, WritingBackOnASiteIsOneUndoableChange)
{
    TEditContext context;
    TEditSite site(context);
    auto* rect = static_cast<TLORect*>(site.AddObject(Rect(false)));
    const QByteArray before = StreamBytes(*rect);
    {
        TfrmRectProperty dialog(*rect);
        dialog.FrameWidthField()->setValue(12.0);
        dialog.FilledField()->setChecked(true);
        dialog.FillColorField()->SetSolidColor(0x00FF00);
        ApplyPropertyEdit(*rect, [&] { dialog.WriteBack(*rect); });
    }
    EXPECT_EQ(rect->FrameWidth(), 120);
    EXPECT_TRUE(rect->FillInside());
    EXPECT_EQ(rect->FillColor().Color(), TColor(0x00FF00));
    EXPECT_EQ(rect->Angle(), 40);
    ASSERT_TRUE(context.Actions().CanUndo());
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("設定変更"));
    context.Actions().Undo();
    EXPECT_EQ(StreamBytes(*rect), before);
}

TEST_F(ShapeDialogs, LineAndArcDialogsEditWidthAndEndPoints)
{
    TLOCurve curve;
    curve.SetStartPoint({100, 100});
    curve.SetEndPoint({500, 100});
    curve.SetLineWidth(0);
    TfrmLineProperty arcDialog(curve);
    EXPECT_EQ(arcDialog.windowTitle(), QStringLiteral("円弧の設定"));
    EXPECT_EQ(arcDialog.LineWidthField()->value(), 0.1); // raised to the least width
    EXPECT_EQ(arcDialog.EndXField()->value(), 50.0);
    EXPECT_EQ(arcDialog.EndXField()->maximum(), 1000.0);

    TLOLine line;
    TfrmLineProperty dialog(line);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("直線の設定"));
    dialog.StartXField()->setValue(10.0);
    dialog.EndXField()->setValue(70.5);
    dialog.EndYField()->setValue(20.0);
    dialog.LineWidthField()->setValue(2.0);
    dialog.WriteBack(line);
    EXPECT_EQ(line.StartPoint(), QPoint(100, 0));
    EXPECT_EQ(line.EndPoint(), QPoint(705, 200));
    EXPECT_EQ(line.LineWidth(), 20);
}

TEST_F(ShapeDialogs, DecoLineChooserOffersTheFolderAndFitsANewLineToTheChosenTile)
{
    QTemporaryDir folder;
    QImage tile(18, 9, QImage::Format_RGB888);
    for (const char* name : {"a.bmp", "b.bmp"}) {
        tile.fill(name[0] == 'a' ? Qt::red : Qt::blue);
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(WriteBmp(tile, TPixelFormat::pf24bit));
    }
    TLODecoLine line;
    TfrmDecoLineProperty dialog(line, folder.path(), true);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("飾り罫線の選択"));
    ASSERT_EQ(dialog.Files().size(), 2);
    EXPECT_FALSE(dialog.LineWidthField()->isEnabled());
    dialog.Gallery()->setCurrentRow(1);
    dialog.WriteBack(line);
    EXPECT_EQ(line.Image()->Width(), 18);
    EXPECT_EQ(line.EndPoint(), QPoint(152, 0));
    EXPECT_EQ(line.LineWidth(), 13);

    TfrmDecoLineProperty existing(line, folder.path(), false);
    EXPECT_TRUE(existing.LineWidthField()->isEnabled());
    EXPECT_EQ(existing.EndXField()->value(), 15.2);
}

TEST_F(ShapeDialogs, EditingDesignersGiveTheShapesTheirHandles)
{
    TEditContext context;
    TEditSite site(context);
    auto* rect = static_cast<TLORect*>(site.AddObject(Rect(false)));
    auto line = std::make_unique<TLOLine>();
    line->SetEndPoint({300, 300});
    auto* straight = site.AddObject(std::move(line));
    auto curve = std::make_unique<TLOCurve>();
    curve->SetEndPoint({300, 0});
    auto* arc = site.AddObject(std::move(curve));
    const auto count = [&](TDrawObject* object, TPivotKind kind) {
        int n = 0;
        for (const TPivot& pivot : site.Pivots())
            n += pivot.Object == object && pivot.Kind == kind;
        return n;
    };
    for (TDrawObject* object : {static_cast<TDrawObject*>(rect), straight, arc})
        object->SetSelected(true);
    site.UpdatePivots();
    EXPECT_EQ(count(rect, TPivotKind::Label), 6); // a turned rectangle
    EXPECT_EQ(count(rect, TPivotKind::Rotate), 2);
    EXPECT_EQ(count(straight, TPivotKind::Label), 2);
    EXPECT_EQ(count(arc, TPivotKind::Label), 2);
    EXPECT_EQ(count(arc, TPivotKind::Bulge), 1);
}

TEST_F(ShapeDialogs, DoubleClickEditOpensTheShapesDialog)
{
    TEditContext context;
    RegisterShapeDesigners(context.Designers());
    TEditSite site(context);
    auto* rect = static_cast<TLORect*>(site.AddObject(Rect(true)));
    QString caption;
    QTimer::singleShot(0, [&] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            caption = dialog->windowTitle();
            static_cast<TfrmRectProperty*>(dialog)->FrameWidthField()->setValue(5.0);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    EXPECT_TRUE(rect->Edit());
    EXPECT_EQ(caption, QStringLiteral("円図形の設定"));
    EXPECT_EQ(rect->FrameWidth(), 50);
    EXPECT_EQ(context.Actions().UndoCaption(), QStringLiteral("設定変更"));
}

TEST_F(ShapeDialogs, ANewDecoLineTakesItsGeometryFromTheChosenTile)
{
    TEditContext context;
    RegisterShapeDesigners(context.Designers());
    TLODecoLine line; // not on a site: being created
    bool widthEditable = true;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<TfrmDecoLineProperty*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        widthEditable = dialog->LineWidthField()->isEnabled();
        dialog->Gallery()->setCurrentRow(0);
        dialog->accept();
    });
    ASSERT_TRUE(line.Edit());
    EXPECT_FALSE(widthEditable);
    EXPECT_EQ(line.StartPoint(), QPoint(0, 0));
    EXPECT_EQ(line.EndPoint(), QPoint(MulDiv(6 * line.Image()->Width(), 254, 180), 0));
    EXPECT_EQ(line.LineWidth(), MulDiv(line.Image()->Height(), 254, 180));
    EXPECT_GT(line.EndPoint().x(), 0);
}

TEST_F(ShapeDialogs, ShippedTilesAreFoundAndKeyTheLabelThrough)
{
    const QString folder = TfrmDecoLineProperty::TileFolder();
    ASSERT_FALSE(folder.isEmpty());
    TLODecoLine line;
    TfrmDecoLineProperty dialog(line, folder, true);
    ASSERT_GE(dialog.Files().size(), 5);
    for (int row = 0; row < dialog.Files().size(); ++row) {
        SCOPED_TRACE(dialog.Files().at(row).toStdString());
        dialog.Gallery()->setCurrentRow(row);
        dialog.WriteBack(line);
        ASSERT_GT(line.LineWidth(), 1);
        TUnitCanvas target(line.GetBounds());
        target.Canvas().Painter().fillRect(QRect(-5000, -5000, 10000, 10000), Qt::blue);
        line.Paint(target.Canvas());
        // Some of the tile shows, and the key colour around it lets the label through.
        int blue = 0;
        int tile = 0;
        const TRect bounds = line.GetBounds();
        for (int x = bounds.Left; x < bounds.Right; ++x)
            for (int y = bounds.Top; y < bounds.Bottom; ++y)
                (target.At(x, y) == 0x0000FF ? blue : tile) += 1;
        EXPECT_GT(blue, 0);
        EXPECT_GT(tile, 0);
    }
}
