// The sources of the background choice dialog: the shipped background library, several
// pictures arranged into one, and the gradient; a damaged library leaves the dialog usable.
#include "../backgrounds/background_fixtures.h"

#include "core/messages.h"
#include "graphics/color/color_fill.h"
#include "graphics/color/gradation_colors.h"
#include "graphics/image_data/clip_filter.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image_2004.h"
#include "objects/backgrounds/background_library.h"
#include "objects/ui/background_dialog.h"
#include "objects/ui/color_fill_button.h"
#include "objects/ui/gradation_fields.h"
#include "objects/ui/object_preview.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace backgrounds_test;

namespace {

const QString kData = QStringLiteral(LUMAREST_BINARY_DIR "/data");
const QString kTooFew = QStringLiteral("複数の画像を選択してから<作成ボタン>を押してください");

class BackgroundSources : public testing::Test {
protected:
    void SetUp() override
    {
        RegisterClasses();
        previous_ = SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult answer) {
            messages_ << text;
            return answer;
        });
        // A 60 x 40 mm card.
        copy_.SetBoundsRect({0, 0, 600, 400});
        copy_.SetFaceInfo(RectFace(600, 400));
        copy_.FillColor()->SetColor(clWhite);
        for (const QRgb colour : {qRgb(255, 0, 0), qRgb(0, 0, 255)}) {
            QImage image(40, 40, QImage::Format_RGB32);
            image.fill(colour);
            paths_ << dir_.filePath(QStringLiteral("p%1.png").arg(paths_.size()));
            image.save(paths_.back());
        }
    }
    void TearDown() override { SetMessageBoxHandler(previous_); }

    TColorSpec& Spec(TfrmBackGround2002::TTarget target)
    {
        return target == TfrmBackGround2002::tFrame ? *copy_.FrameColor() : *copy_.FillColor();
    }
    TBackImagePicture& Picture(TfrmBackGround2002::TTarget target)
    {
        return target == TfrmBackGround2002::tFrame ? *copy_.FrameBackImage() : *copy_.FillBackImage();
    }
    static QImage ImageOf(const TColorSpec& spec) { return spec.ImageData()->Picture()->Graphic()->ToImage(); }

    QTemporaryDir dir_;
    QStringList paths_;
    QStringList messages_;
    TMessageBoxHandler previous_;
    TLOBackImage2004 copy_;
};

QPushButton* ButtonNamed(QWidget& dialog, const QString& text)
{
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
        if (button->text() == text)
            return button;
    return nullptr;
}

} // namespace

TEST_F(BackgroundSources, ALibraryPictureBecomesTheTargetsPicture)
{
    const TBackgroundLibrary shipped = LoadBackgroundLibrary(kData);
    ASSERT_TRUE(shipped.Error.isEmpty()) << shipped.Error.toStdString();
    ASSERT_GE(shipped.Pictures.size(), 8u);
    for (const TfrmBackGround2002::TTarget target : {TfrmBackGround2002::tFill, TfrmBackGround2002::tFrame}) {
        TfrmBackGround2002 dialog(copy_, {kData, {}, {}});
        QListWidget* library = dialog.Library();
        ASSERT_EQ(library->count(), int(shipped.Pictures.size()));
        EXPECT_TRUE(dialog.LibraryMessage()->text().isEmpty());
        for (int row = 0; row < library->count(); ++row) {
            EXPECT_FALSE(library->item(row)->icon().isNull()) << row;
            EXPECT_EQ(library->item(row)->text(), shipped.Pictures[size_t(row)].Title);
        }
        dialog.SetTarget(target);
        Picture(target).SetMultiImage(true);
        const int row = target == TfrmBackGround2002::tFill ? 1 : library->count() - 1;
        emit library->itemClicked(library->item(row));

        TPictureEx expected;
        expected.LoadFromFile(shipped.Pictures[size_t(row)].PicturePath);
        const TColorSpec& spec = Spec(target);
        EXPECT_EQ(spec.Kind(), cskBitmap) << target;
        ASSERT_NE(spec.ImageData()->Picture()->Graphic(), nullptr);
        EXPECT_EQ(ImageOf(spec), expected.Graphic()->ToImage()) << target;
        EXPECT_EQ(spec.ImageData()->ClipFilter()->EffectiveRect(expected.Width(), expected.Height()),
                  TRect(0, 0, expected.Width(), expected.Height()));
        EXPECT_FALSE(Picture(target).MultiImage());
    }
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(BackgroundSources, AMissingOrDamagedLibraryIsEmptyWithAMessageAndTheDialogStillWorks)
{
    const QString damaged = dir_.filePath(QStringLiteral("damaged"));
    ASSERT_TRUE(QDir(damaged).mkpath(QStringLiteral("BackGrnd")));
    QFile list(BackgroundLibraryPath(damaged));
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("[A]\r\nFolder=..\\..\\etc\r\nFile1=a,passwd\r\n\xFF\xFE\x00garbage");
    list.close();
    const QStringList folders = {dir_.filePath(QStringLiteral("missing")), damaged, QString()};
    for (const QString& folder : folders) {
        TfrmBackGround2002 dialog(copy_, {folder, {}, {}});
        EXPECT_EQ(dialog.Library()->count(), 0) << folder.toStdString();
        EXPECT_FALSE(dialog.LibraryMessage()->text().isEmpty()) << folder.toStdString();
        EXPECT_FALSE(dialog.LibraryMessage()->isHidden());
        dialog.TakeLibraryPicture(0); // nothing to take
        EXPECT_EQ(copy_.FillColor()->Kind(), cskSolid);
        dialog.ColorButton()->SetSolidColor(0x0000FF);
        EXPECT_EQ(copy_.FillColor()->Color(), TColor(0x0000FF));
        dialog.TakePicture(paths_[0]);
        EXPECT_EQ(copy_.FillColor()->Kind(), cskBitmap);
        dialog.Clear();
    }
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(BackgroundSources, ArrangingNeedsTwoPicturesThatCanBeRead)
{
    QStringList chosen;
    TfrmBackGround2002 dialog(copy_, {kData, {}, [&chosen](QWidget*) { return chosen; }});
    ASSERT_TRUE(ButtonNamed(dialog, QStringLiteral("作成")));
    ButtonNamed(dialog, QStringLiteral("作成"))->click();
    chosen = {paths_[0]};
    ButtonNamed(dialog, QStringLiteral("画像の選択..."))->click();
    EXPECT_EQ(dialog.ArrangePictures(), chosen);
    EXPECT_FALSE(dialog.MakeArrangement());
    EXPECT_EQ(messages_, (QStringList{kTooFew, kTooFew}));

    dialog.SetArrangePictures({paths_[0], dir_.filePath(QStringLiteral("missing.png"))});
    EXPECT_FALSE(dialog.MakeArrangement());
    ASSERT_EQ(messages_.size(), 3);
    EXPECT_TRUE(messages_.back().startsWith(QStringLiteral("イメージの読み込みに失敗しました")));
    EXPECT_EQ(copy_.FillColor()->Kind(), cskSolid);
    EXPECT_EQ(copy_.FillColor()->ImageData()->Picture()->Graphic(), nullptr);
}

TEST_F(BackgroundSources, SeveralPicturesAreArrangedIntoAFaceSizedBitmap)
{
    struct Case {
        TfrmBackGround2002::TTarget Target;
        bool Random;
        bool Shift;
        TPosArrange Expected;
    };
    const Case cases[] = {
        {TfrmBackGround2002::tWhole, false, false, paTile},
        {TfrmBackGround2002::tFill, false, true, paTileShift},
        {TfrmBackGround2002::tFrame, true, false, paRandom},
    };
    for (const Case& c : cases) {
        TfrmBackGround2002 dialog(copy_, {kData, {}, [this](QWidget*) { return paths_; }});
        dialog.SetTarget(c.Target);
        Spec(c.Target).SetTile(true);
        ButtonNamed(dialog, QStringLiteral("画像の選択..."))->click();
        (c.Random ? dialog.ArrangeRandomButton() : dialog.ArrangeTileButton())->setChecked(true);
        dialog.ArrangeShiftBox()->setChecked(c.Shift);
        ButtonNamed(dialog, QStringLiteral("作成"))->click();

        const TColorSpec& spec = Spec(c.Target);
        EXPECT_EQ(spec.Kind(), cskBitmap) << c.Expected;
        EXPECT_FALSE(spec.Tile());
        EXPECT_TRUE(Picture(c.Target).MultiImage());
        EXPECT_EQ(Picture(c.Target).PosArrange(), c.Expected);
        // 600 x 400 units at 180 dpi.
        const QImage image = ImageOf(spec);
        ASSERT_EQ(image.size(), QSize(425, 283)) << c.Expected;
        EXPECT_EQ(image.depth(), 24);
        // The clip is the largest rectangle of the face's proportions (3 : 2).
        const TRect clip = spec.ImageData()->ClipFilter()->EffectiveRect(425, 283);
        EXPECT_NEAR(double(RectWidth(clip)) / RectHeight(clip), 1.5, 0.01);
        EXPECT_GE(RectWidth(clip), 424);
        int red = 0, blue = 0;
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3) {
                const QColor colour = image.pixelColor(x, y);
                red += colour.red() > 200 && colour.blue() < 50;
                blue += colour.blue() > 200 && colour.red() < 50;
            }
        EXPECT_GT(red, 0) << c.Expected;
        EXPECT_GT(blue, 0) << c.Expected;
        if (!c.Random) {
            // Tiles cover the whole bitmap: red and blue alternate along the first row.
            EXPECT_EQ(red + blue, ((425 + 2) / 3) * ((283 + 2) / 3)) << c.Expected;
            EXPECT_EQ(image.pixelColor(10, 10), QColor(Qt::red));
        }
    }
    EXPECT_TRUE(messages_.isEmpty());
}

TEST_F(BackgroundSources, TheGradientBecomesTheTargetsPaintAndShowsInThePreview)
{
    TfrmBackGround2002 dialog(copy_, {kData, {}, {}});
    TGradationFields* gradation = dialog.Gradation();
    gradation->KindBox()->setCurrentIndex(rgkSimple);
    gradation->AngleField()->setValue(270); // left to right
    gradation->StartColorButton()->SetSolidColor(0x0000FF);
    gradation->EndColorButton()->SetSolidColor(0xFF0000);
    EXPECT_EQ(copy_.FillColor()->Kind(), cskSolid); // nothing applied before the button
    ButtonNamed(dialog, QStringLiteral("グラデーション"))->click();

    const TColorSpec& fill = *copy_.FillColor();
    EXPECT_EQ(fill.Kind(), cskGradation);
    EXPECT_EQ(fill.GradKind(), rgkSimple);
    EXPECT_EQ(fill.GradAngle(), 270);
    EXPECT_EQ(fill.GradColors()->Colors(), (std::vector<TColor>{0x0000FF, 0xFF0000}));

    TObjectPreview& preview = *dialog.Preview();
    preview.resize(608, 408);
    QImage shown = preview.Render();
    const QColor left = shown.pixelColor(20, 204), right = shown.pixelColor(588, 204);
    EXPECT_GT(left.red(), 200);
    EXPECT_LT(left.blue(), 60);
    EXPECT_GT(right.blue(), 200);
    EXPECT_LT(right.red(), 60);

    // Once a gradient, a change of the fields shows at once: a circle from the centre.
    gradation->KindBox()->setCurrentIndex(rgkCircleToCenter);
    EXPECT_EQ(fill.GradKind(), rgkCircleToCenter);
    shown = preview.Render();
    EXPECT_GT(shown.pixelColor(304, 204).red(), 200);
    EXPECT_GT(shown.pixelColor(20, 20).blue(), 200);

    // The frame band gets its own gradient; the fill keeps its.
    dialog.SetTarget(TfrmBackGround2002::tFrame);
    gradation->KindBox()->setCurrentIndex(rgkConeClockwise);
    EXPECT_EQ(copy_.FrameColor()->Kind(), cskSolid);
    ButtonNamed(dialog, QStringLiteral("グラデーション"))->click();
    EXPECT_EQ(copy_.FrameColor()->Kind(), cskGradation);
    EXPECT_EQ(copy_.FrameColor()->GradKind(), rgkConeClockwise);
    EXPECT_EQ(fill.GradKind(), rgkCircleToCenter);
}
