// The background dialogs on the offscreen platform, with the shipped background frames and
// presets: what OK writes, what Cancel keeps, and the turn of the two dialogs.
#include "../backgrounds/background_fixtures.h"

#include "core/model/draw_site_model.h"
#include "core/stream/component_stream.h"
#include "editing/actions/action_list.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image_2004.h"
#include "objects/backgrounds/effect_presets.h"
#include "objects/backgrounds/frame_list.h"
#include "objects/ui/back_image_editor.h"
#include "objects/ui/back_picture_fields.h"
#include "objects/ui/background_designer.h"
#include "objects/ui/background_dialog.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/effect_page.h"
#include "objects/ui/object_preview.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

using namespace backgrounds_test;

namespace {

const QString kData = QStringLiteral(LUMAREST_BINARY_DIR "/data");

// Runs the step on the next modal dialog of that class once it is shown.
template <class Dialog>
void Answer(std::function<void(Dialog&)> step)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            step(*dialog);
        }
    });
    timer->start(5);
}

QByteArray Bytes(const TComponent& object)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    WriteComponent(buffer, object);
    return buffer.data();
}

QPushButton* ButtonNamed(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

// Left half red, right half blue.
QImage RedBlue()
{
    QImage image(2, 1, QImage::Format_BGR888);
    image.setPixelColor(0, 0, Qt::red);
    image.setPixelColor(1, 0, Qt::blue);
    return image;
}

class BackgroundDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterClasses(); // the undo snapshots are streamed
        background_ = static_cast<TLOBackImage*>(site_.AddObject(std::make_unique<TLOBackImage>()));
        background_->SetBoundsRect({0, 0, 200, 100});
        background_->SetFaceInfo(RectFace(200, 100));
        background_->FillColor()->SetColor(clWhite);
    }

    bool Edit() { return EditBackground(*background_, &actions_, {kData, [](QWidget*) { return QString(); }, {}}); }

    TDrawSiteModel site_;
    TLOBackImage* background_ = nullptr;
    TActionList actions_;
};

} // namespace

TEST_F(BackgroundDialogs, OkWritesTheBandTheColoursAndRecordsOneChange)
{
    Answer<TfrmBackGround2002>([](TfrmBackGround2002& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("背景柄の設定"));
        EXPECT_EQ(dialog.Target(), TfrmBackGround2002::tWhole);
        EXPECT_FALSE(dialog.FrameWidthField()->isEnabled());
        dialog.SetTarget(TfrmBackGround2002::tFrame);
        dialog.FrameWidthField()->setValue(5.0);
        dialog.ColorButton()->SetSolidColor(0x0000FF);
        dialog.SetTarget(TfrmBackGround2002::tFill);
        dialog.ColorButton()->SetSolidColor(0x00FF00);
        dialog.accept();
    });
    ASSERT_TRUE(Edit());
    EXPECT_EQ(background_->FrameWidth(), 50);
    EXPECT_EQ(background_->FrameColor()->Color(), TColor(0x0000FF));
    EXPECT_EQ(background_->FillColor()->Color(), TColor(0x00FF00));
    EXPECT_EQ(background_->FillColor()->Kind(), cskSolid);
    ASSERT_TRUE(actions_.CanUndo());
    EXPECT_EQ(actions_.UndoCaption(), QStringLiteral("設定変更"));
    actions_.Undo();
    auto* restored = static_cast<TLOBackImage*>(site_.Objects().front());
    EXPECT_EQ(restored->FrameWidth(), 0);
    EXPECT_EQ(restored->FillColor()->Color(), clWhite);
    EXPECT_FALSE(actions_.CanUndo());
}

TEST_F(BackgroundDialogs, CancelInEitherDialogLeavesTheObjectAndNoUndoStep)
{
    const QByteArray before = Bytes(*background_);
    for (bool fromAdjustment : {false, true}) {
        Answer<TfrmBackGround2002>([fromAdjustment](TfrmBackGround2002& dialog) {
            dialog.SetTarget(TfrmBackGround2002::tFrame);
            dialog.ColorButton()->SetSolidColor(0x123456);
            if (!fromAdjustment) {
                dialog.reject();
                return;
            }
            ButtonNamed(dialog, QStringLiteral("画質調整 >>"))->click();
            Answer<TfrmBackImageEditor>([](TfrmBackImageEditor& editor) {
                editor.ChooseFrame(1);
                editor.reject();
            });
        });
        EXPECT_FALSE(Edit());
        EXPECT_EQ(Bytes(*background_), before);
        EXPECT_FALSE(actions_.CanUndo());
    }
}

TEST_F(BackgroundDialogs, BandTargetsRestoreTheLastWidthOrTenMillimetres)
{
    TLOBackImage2004 copy;
    copy.Assign(*background_);
    TfrmBackGround2002 dialog(copy, {});
    dialog.SetTarget(TfrmBackGround2002::tFrame);
    EXPECT_EQ(copy.FrameWidth(), 100);
    dialog.FrameWidthField()->setValue(3.0);
    dialog.SetTarget(TfrmBackGround2002::tWhole);
    EXPECT_EQ(copy.FrameWidth(), 0);
    dialog.SetTarget(TfrmBackGround2002::tFill);
    EXPECT_EQ(copy.FrameWidth(), 30);
    EXPECT_DOUBLE_EQ(dialog.FrameWidthField()->maximum(), 20.0);
    dialog.Clear();
    EXPECT_TRUE(copy.IsBlankBackground());
    EXPECT_EQ(dialog.Target(), TfrmBackGround2002::tWhole);
}

TEST_F(BackgroundDialogs, FramesComeFromTheShippedListAndWashThroughTheAdjustment)
{
    const std::vector<TFrameGenre> shipped = LoadFrameList(kData + QStringLiteral("/BackGrnd/BackFram.dat"));
    ASSERT_FALSE(shipped.empty());
    int entries = 0;
    for (const TFrameGenre& genre : shipped)
        entries += int(genre.Entries.size());
    ASSERT_GT(entries, 0);

    Answer<TfrmBackGround2002>([entries](TfrmBackGround2002& dialog) {
        ButtonNamed(dialog, QStringLiteral("画質調整 >>"))->click();
        Answer<TfrmBackImageEditor>([entries](TfrmBackImageEditor& editor) {
            EXPECT_EQ(editor.windowTitle(), QStringLiteral("背景イメージの調整"));
            QListWidget* frames = editor.FrameList();
            ASSERT_EQ(frames->count(), entries + 1);
            EXPECT_EQ(frames->item(0)->text(), QStringLiteral("なし"));
            for (int row = 1; row < frames->count(); ++row)
                EXPECT_FALSE(frames->item(row)->icon().isNull()) << row;
            EXPECT_EQ(editor.BlendRatioField()->value(), 50);
            EXPECT_EQ(editor.BlendColorButton()->Spec().Color(), TColor(0));
            frames->setCurrentRow(entries);
            editor.BlendRatioField()->setValue(70);
            editor.accept();
        });
    });
    ASSERT_TRUE(Edit());
    const TFrameEntry& last = shipped.back().Entries.back();
    TPictureEx expected;
    expected.LoadFromFile(FramePicturePath(kData, shipped.back(), last));
    EXPECT_EQ(background_->BlendPicture()->Width(), expected.Width());
    EXPECT_GT(background_->BlendPicture()->Width(), 0);
    EXPECT_EQ(background_->BlendRatio(), 70);
    EXPECT_EQ(background_->BlendColor()->Color(), TColor(0));
    EXPECT_EQ(actions_.UndoCaption(), QStringLiteral("設定変更"));

    // The frame chosen again starts the next wash from its own colour and ratio; "なし" removes it.
    TLOBackImage2004 copy;
    copy.Assign(*background_);
    TfrmBackImageEditor editor(copy, kData);
    EXPECT_EQ(editor.BlendRatioField()->value(), 70);
    editor.ChooseFrame(0);
    EXPECT_EQ(copy.BlendPicture()->Graphic(), nullptr);
}

TEST_F(BackgroundDialogs, MirrorAndTurnShowInThePreviewAndReachTheObject)
{
    SetPicture(*background_->FillColor()->ImageData()->Picture(), RedBlue());
    background_->FillColor()->ImageData()->ResetClip();
    background_->FillColor()->SetKind(cskBitmap);

    const auto colourAt = [](TObjectPreview& preview, double x) {
        preview.resize(208, 108);
        const QImage image = preview.Render();
        return image.pixelColor(int(4 + 200 * x), 54);
    };
    Answer<TfrmBackImageEditor>([&](TfrmBackImageEditor& editor) {
        TObjectPreview& preview = *editor.Preview();
        EXPECT_EQ(colourAt(preview, 0.25), QColor(Qt::red));
        EXPECT_EQ(colourAt(preview, 0.75), QColor(Qt::blue));
        editor.PictureFields()->ReverseHorzBox()->setChecked(true);
        EXPECT_EQ(colourAt(preview, 0.25), QColor(Qt::blue));
        EXPECT_EQ(colourAt(preview, 0.75), QColor(Qt::red));
        editor.PictureFields()->RotateBox()->setCurrentIndex(rs90);
        editor.TileBox()->setChecked(true);
        EXPECT_TRUE(editor.TileShiftBox()->isEnabled());
        editor.TileShiftBox()->setChecked(true);
        editor.accept();
    });
    // A picture fill reopens in the dialog where the last editing ended: the adjustment, here
    // reached from the choice.
    Answer<TfrmBackGround2002>([](TfrmBackGround2002& dialog) {
        ButtonNamed(dialog, QStringLiteral("画質調整 >>"))->click();
    });
    ASSERT_TRUE(Edit());
    // Mirrored, then turned right: the blue pixel on top of the red one.
    const QImage picture = background_->FillColor()->ImageData()->Picture()->Graphic()->ToImage();
    ASSERT_EQ(picture.size(), QSize(1, 2));
    EXPECT_EQ(picture.pixelColor(0, 0), QColor(Qt::blue));
    EXPECT_EQ(picture.pixelColor(0, 1), QColor(Qt::red));
    EXPECT_TRUE(background_->FillColor()->Tile());
    EXPECT_TRUE(background_->FillColor()->TileShift());
}

TEST_F(BackgroundDialogs, AdjustmentOffersTheShippedEffectPresets)
{
    SetPicture(*background_->FillColor()->ImageData()->Picture(), RedBlue());
    background_->FillColor()->SetKind(cskBitmap);
    TLOBackImage2004 copy;
    copy.Assign(*background_);
    TfrmBackImageEditor editor(copy, kData);
    QComboBox* presets = editor.Effects()->PresetBox();
    ASSERT_GT(presets->count(), 1);
    presets->setCurrentIndex(1);
    const TImageData& data = *copy.FillColor()->ImageData();
    const TEffectPreset preset = LoadEffectPresets(kData + QStringLiteral("/Effect/Effect.dat"))[1];
    EXPECT_EQ(presets->currentText(), preset.Title);
    EXPECT_EQ(data.LightFilter()->Brightness(), preset.Brightness);
    EXPECT_EQ(data.LightFilter()->Contrast(), preset.Contrast);
    EXPECT_EQ(data.BlurFilter()->BlurCount(), preset.Focus);
}
