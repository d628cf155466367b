// Backgrounds in a label document: stored, opened, drawn and saved again unchanged, the
// editing kind stored as the plain kind, and each background given its face.
#include "objects/backgrounds/background_fixtures.h"

#include "catalogue/paper/free_paper_info.h"
#include "core/stream/component_stream.h"
#include "document/face_rendering.h"
#include "document/label_data.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image_2004.h"

#include <QTemporaryDir>

using namespace backgrounds_test;

namespace {

std::unique_ptr<TFreePaperInfo> DiscAndCardPaper()
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(2100);
    paper->SetHeight(2970);
    paper->SetPaperName(QStringLiteral("背景テスト"));
    paper->SetGroupName(QStringLiteral("テスト"));
    TFaceItem* disc = paper->Faces()->AddFace();
    disc->SetFaceRect({100, 100, 1280, 1280});
    disc->SetFaceShape(fsDoughnut);
    TFaceItem* card = paper->Faces()->AddFace();
    card->SetFaceRect({100, 1400, 1000, 1940});
    card->SetFaceShape(fsRoundRect);
    return paper;
}

} // namespace

TEST(BackgroundDocument, OpensDrawsAndSavesUnchanged)
{
    RegisterClasses();
    QTemporaryDir dir;
    const QString path = dir.filePath("backgrounds.cld");

    TLOBackImage disc;
    disc.SetBoundsRect({0, 0, 1180, 1180});
    disc.FillColor()->SetColor(clRed);
    disc.FrameColor()->SetColor(clBlue);
    disc.SetFrameWidth(50);
    TLOBackImage2004 card;
    card.SetBoundsRect({0, 0, 900, 540});
    card.FillColor()->SetKind(cskBitmap);
    SetPicture(*card.FillColor()->ImageData()->Picture(), Pattern(30, 20));
    card.FillBackImage()->SetRotateImage(rs90);
    QImage map(16, 16, QImage::Format_Grayscale8);
    map.fill(200);
    SetPicture(*card.BlendPicture(), map);
    card.SetBlendRatio(40);

    {
        TLabelData document;
        document.SetPaper(*DiscAndCardPaper());
        document.SaveObjects(0, {&disc});
        document.SaveObjects(1, {&card});
        document.SaveToFile(path);
    }

    TLabelData document;
    document.LoadFromFile(path);
    std::vector<std::unique_ptr<TDrawObject>> discObjects = document.LoadObjects(0);
    std::vector<std::unique_ptr<TDrawObject>> cardObjects = document.LoadObjects(1);
    ASSERT_EQ(discObjects.size(), 1u);
    ASSERT_EQ(cardObjects.size(), 1u);
    auto* readDisc = dynamic_cast<TLOBackImage*>(discObjects[0].get());
    ASSERT_TRUE(readDisc);
    EXPECT_EQ(readDisc->FaceInfo().FaceShape(), fsDoughnut);
    EXPECT_EQ(readDisc->BoundsRect(), TRect(0, 0, 1180, 1180));
    EXPECT_EQ(ComponentBytes(*readDisc), ComponentBytes(disc));
    // The editing kind is stored as a plain background with the same properties.
    EXPECT_EQ(cardObjects[0]->ClassName(), QStringLiteral("TLOBackImage"));
    EXPECT_EQ(dynamic_cast<TLOBackImage&>(*cardObjects[0]).FaceInfo().FaceShape(), fsRoundRect);
    EXPECT_EQ(ComponentBytes(*cardObjects[0]), ComponentBytes(*card.CurrentKind()));

    const QImage face = RenderDocumentImage(document, 0, 254).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(face.size(), QSize(1180, 1180));
    EXPECT_EQ(face.pixel(590, 20), 0xFF0000FFu);
    EXPECT_EQ(face.pixel(590, 300), 0xFFFF0000u);
    EXPECT_EQ(face.pixel(590, 590), 0xFFFFFFFFu);

    // Saved again from what was read: the same design streams.
    const QString again = dir.filePath("again.cld");
    document.SaveObjects(0, {discObjects[0].get()});
    document.SaveObjects(1, {cardObjects[0].get()});
    document.SaveToFile(again);
    TLabelData reread;
    reread.LoadFromFile(again);
    EXPECT_EQ(ComponentBytes(*reread.LoadObjects(0)[0]), ComponentBytes(disc));
    EXPECT_EQ(ComponentBytes(*reread.LoadObjects(1)[0]), ComponentBytes(*cardObjects[0]));
}

TEST(BackgroundDocument, BlankBackgroundIsNotStored)
{
    RegisterClasses();
    TLOBackImage blank;
    blank.ClearBackground();
    TLabelData document;
    document.SetPaper(*DiscAndCardPaper());
    document.SaveObjects(0, {&blank});
    EXPECT_FALSE(document.HasDesign(0));
}
