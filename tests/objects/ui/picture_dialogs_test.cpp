// The picture dialogs on the offscreen platform, with the shipped frames and shade figures.
#include "../pictures/picture_fixtures.h"

#include "core/messages.h"
#include "graphics/image_data/effect_filters.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/pictures/alpha_mask.h"
#include "objects/pictures/wizard_image.h"
#include "objects/ui/alpha_mask_dialog.h"
#include "objects/ui/effect_page.h"
#include "objects/ui/illust_dialog.h"
#include "objects/ui/shade_selecter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QSlider>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace picturetest;

namespace {

QString Shipped(const char* relative)
{
    return QStringLiteral(LUMAREST_BINARY_DIR "/data/") + QLatin1String(relative);
}

class PictureDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        SetUpPictureClasses();
        qputenv("LUMAREST_DATA_DIR", LUMAREST_BINARY_DIR "/data");
        previous_ = SetMessageBoxHandler([this](const QString& text, TMsgButtons, TMsgResult result) {
            messages_.append(text);
            return result;
        });
    }
    void TearDown() override
    {
        SetMessageBoxHandler(previous_);
        qunsetenv("LUMAREST_DATA_DIR");
    }

    QStringList messages_;
    TMessageBoxHandler previous_;
};

} // namespace

TEST_F(PictureDialogs, ShadeChooserLoadsSharpOrSoftPicturesAndSearchesIdentifiers)
{
    TfrmShadeSelecter selecter(Shipped("Shade/Shade.dat"), Shipped("Shade/Shade.ids"));
    EXPECT_EQ(selecter.windowTitle(), QStringLiteral("シェード図形の選択"));
    ASSERT_EQ(selecter.GenreCount(), 1);
    selecter.SelectEntry(1);
    EXPECT_EQ(QFileInfo(selecter.SelectedPicturePath()).fileName(), QStringLiteral("SHADE02_S.bmp"));
    auto* soft = selecter.findChild<QCheckBox*>();
    ASSERT_NE(soft, nullptr);
    ASSERT_TRUE(soft->isEnabled());
    soft->setChecked(true);
    EXPECT_EQ(QFileInfo(selecter.SelectedPicturePath()).fileName(), QStringLiteral("SHADE02_F.bmp"));
    EXPECT_TRUE(QFileInfo::exists(selecter.SelectedPicturePath()));

    EXPECT_TRUE(selecter.SearchId(QStringLiteral("sh04")));
    EXPECT_EQ(QFileInfo(selecter.SelectedPicturePath()).fileName(), QStringLiteral("SHADE04_F.bmp"));
    EXPECT_FALSE(selecter.SearchId(QStringLiteral("ZZ99")));
    EXPECT_EQ(messages_, QStringList{QStringLiteral("「ZZ99」は見つかりませんでした")});
}

TEST_F(PictureDialogs, ShadeFigureDialogChoosesAShapeFirstAndKeepsTheAngle)
{
    TLOAlphaMask figure;
    figure.SetAngle(25);
    figure.SetBlendRatio(60);
    const QString shape = Shipped("Shade/Basic/SHADE01_S.bmp");
    {
        TfrmAlphaMaskProperty cancelled(figure, true, [](QWidget*) { return QString(); });
        EXPECT_FALSE(cancelled.Prepare());
    }
    TfrmAlphaMaskProperty dialog(figure, true, [&](QWidget*) { return shape; });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("シェード図形の設定"));
    ASSERT_TRUE(dialog.Prepare());
    const TLOAlphaMask& result = dialog.Result();
    EXPECT_EQ(result.Angle(), 25);
    EXPECT_EQ(result.BlendRatio(), 60);
    EXPECT_EQ(result.Picture()->Width(), 240);
    EXPECT_EQ(result.Width(), 339); // 240 pixels at 180 per inch
    figure.Assign(result);
    EXPECT_EQ(figure.Width(), 339);
}

TEST_F(PictureDialogs, IllustrationDialogChoosesNormalAlphaOrNoFrame)
{
    TLOWizardImage image;
    image.SetBoundsRect({0, 0, 100, 100});
    QImage photo(60, 30, QImage::Format_BGR888);
    photo.fill(Qt::red);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("photo.png"));
    ASSERT_TRUE(photo.save(path));
    TfrmIllustProperty dialog(image, Shipped("Frame/Frame.dat"), true, [&](QWidget*) { return path; });
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("イラストの設定"));
    ASSERT_TRUE(dialog.Prepare());
    EXPECT_EQ(dialog.Result().Width(), 85); // an unplaced object takes the natural size of 60 x 30 pixels
    EXPECT_EQ(dialog.Result().Height(), 42);

    dialog.ChooseFrame(1, 0);
    EXPECT_FALSE(dialog.Result().AlphaFrame());
    EXPECT_EQ(dialog.Result().FramePicture()->Width(), 400);
    dialog.ChooseFrame(2, 1);
    EXPECT_TRUE(dialog.Result().AlphaFrame());
    EXPECT_EQ(dialog.Result().FramePicture()->Width(), 400);
    dialog.ChooseFrame(0, -1);
    EXPECT_EQ(dialog.Result().FramePicture()->Graphic(), nullptr);
    EXPECT_FALSE(dialog.Result().AlphaFrame());
}

TEST_F(PictureDialogs, EffectPageShowsAndWritesTheFilters)
{
    TImageData data;
    data.BlurFilter()->SetBlurCount(4);
    data.MonotoneFilter()->SetRefColor(0x6680A0);
    data.LightFilter()->SetBrightness(30);
    TfrmBackEffectEditor page;
    page.SetImageData(&data);
    auto* focus = page.findChild<QComboBox*>();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->currentText(), QStringLiteral("ソフト中"));
    const auto sliders = page.findChildren<QSlider*>();
    ASSERT_EQ(sliders.size(), 2);
    EXPECT_EQ(sliders[0]->value(), 30);
    focus->setCurrentIndex(6);
    EXPECT_EQ(data.BlurFilter()->BlurCount(), -6);
    EXPECT_EQ(data.MonotoneFilter()->RefColor(), 0x6680A0);
    sliders[1]->setValue(-40);
    EXPECT_EQ(data.LightFilter()->Contrast(), -40);
}
