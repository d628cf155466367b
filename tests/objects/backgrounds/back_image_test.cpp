// The background object's model: stored properties and their order, reading back, the blank
// state, the conversion to the stored kind, and the turned and mirrored pictures.
#include "objects/backgrounds/background_fixtures.h"

#include "core/stream/component_stream.h"
#include "graphics/color/color_fill.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "objects/backgrounds/back_image_2004.h"

using namespace backgrounds_test;

namespace {

class BackImage : public testing::Test {
protected:
    void SetUp() override { RegisterClasses(); }
};

QImage PixelsOf(const TPictureEx& picture)
{
    return FlattenOnWhite(picture.Graphic()->ToImage()).convertToFormat(QImage::Format_BGR888);
}

// A background with every stored property away from its default.
template <class T>
std::unique_ptr<T> FullBackground()
{
    auto object = std::make_unique<T>();
    object->SetBoundsRect({0, 0, 1200, 1200});
    object->FillColor()->SetKind(cskBitmap);
    SetPicture(*object->FillColor()->ImageData()->Picture(), Pattern(8, 6));
    object->FrameColor()->SetColor(clRed);
    object->SetFrameWidth(50);
    object->BlendColor()->SetColor(0x336699);
    QImage grey(4, 4, QImage::Format_Grayscale8);
    grey.fill(128);
    SetPicture(*object->BlendPicture(), grey);
    object->SetBlendRatio(50);
    return object;
}

} // namespace

TEST_F(BackImage, NewBackgroundIsBlankAndBehindEverything)
{
    TLOBackImage object;
    EXPECT_EQ(object.LayerGroup(), kBackgroundLayerGroup);
    EXPECT_EQ(object.FrameWidth(), 0);
    EXPECT_EQ(object.BlendRatio(), 100);
    EXPECT_FALSE(object.IsBlankBackground()); // the colour specification starts black
    object.FillColor()->SetColor(clWhite);
    EXPECT_TRUE(object.IsBlankBackground());
    EXPECT_FALSE(object.HitTest({10, 10}));
}

TEST_F(BackImage, ClearBackgroundMakesItBlank)
{
    auto object = FullBackground<TLOBackImage>();
    EXPECT_FALSE(object->IsBlankBackground());
    int changes = 0;
    object->SetOnModify([&changes](TDrawObject*) { ++changes; });
    object->ClearBackground();
    EXPECT_TRUE(object->IsBlankBackground());
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(object->IsEmptyBackground());
}

TEST_F(BackImage, EachOfFrameFillAndWashKeepsABackground)
{
    const auto check = [](const std::function<void(TLOBackImage&)>& change) {
        TLOBackImage object;
        object.ClearBackground();
        change(object);
        return object.IsBlankBackground();
    };
    EXPECT_FALSE(check([](TLOBackImage& o) { o.SetFrameWidth(1); }));
    EXPECT_FALSE(check([](TLOBackImage& o) { o.FillColor()->SetColor(0xFFFFFE); }));
    EXPECT_FALSE(check([](TLOBackImage& o) { SetPicture(*o.BlendPicture(), Pattern(2, 2)); }));
    EXPECT_TRUE(check([](TLOBackImage& o) { o.FillColor()->SetKind(cskBitmap); })); // no picture: solid
}

TEST_F(BackImage, PropertiesStreamInOrderAndReadBackIdentically)
{
    for (const bool kind2004 : {false, true}) {
        std::unique_ptr<TLOBackImage> object = kind2004 ? std::unique_ptr<TLOBackImage>(FullBackground<TLOBackImage2004>())
                                                        : FullBackground<TLOBackImage>();
        if (kind2004)
            static_cast<TLOBackImage2004&>(*object).FillBackImage()->SetRotateImage(rs90);
        const QByteArray bytes = ComponentBytes(*object);
        std::vector<const char*> names = {"BlendRatio", "FillColor.Kind", "FrameColor.Color", "FrameWidth",
                                          "BlendColor.Color", "BlendPicture.Data"};
        if (kind2004)
            names.push_back("FillBackImage.RotateImage");
        qsizetype at = 0;
        for (const char* name : names) {
            const qsizetype found = bytes.indexOf(name, at);
            EXPECT_GT(found, at) << name;
            at = std::max(at, found);
        }
        for (const char* absent : {"Image.Data", "EllipseClip", "CenterClip", "CenterRadius", "FrameBackImage"})
            EXPECT_EQ(bytes.indexOf(absent), -1) << absent;

        const std::unique_ptr<TComponent> read = ReadComponentBytes(bytes);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->ClassName(), object->ClassName());
        EXPECT_EQ(ComponentBytes(*read), bytes);
    }
}

TEST_F(BackImage, TurnedPictureIsNotTurnedAgainWhenRead)
{
    TLOBackImage2004 object;
    object.FillColor()->SetKind(cskBitmap);
    TPictureEx& picture = *object.FillColor()->ImageData()->Picture();
    SetPicture(picture, Pattern(5, 3));
    object.FillBackImage()->SetRotateImage(rs90);
    object.FillBackImage()->SetReverseHorz(true);

    const std::unique_ptr<TComponent> read = ReadComponentBytes(ComponentBytes(object));
    auto& copy = dynamic_cast<TLOBackImage2004&>(*read);
    EXPECT_EQ(PixelsOf(*copy.FillColor()->ImageData()->Picture()), PixelsOf(picture));
    // The untransformed copy is recovered, so clearing the settings gives the first picture.
    copy.FillBackImage()->SetRotateImage(rsNone);
    copy.FillBackImage()->SetReverseHorz(false);
    EXPECT_EQ(PixelsOf(*copy.FillColor()->ImageData()->Picture()), Pattern(5, 3));
}

TEST_F(BackImage, MirroringComesBeforeTheTurnAndClearingRestores)
{
    TLOBackImage2004 object;
    TPictureEx& picture = *object.FillColor()->ImageData()->Picture();
    const QImage source = Pattern(4, 3);
    SetPicture(picture, source);
    object.FillBackImage()->SetReverseHorz(true);
    object.FillBackImage()->SetRotateImage(rs90);

    const QImage result = PixelsOf(picture);
    ASSERT_EQ(result.size(), QSize(3, 4));
    const QImage mirrored = source.mirrored(true, false);
    // Turned right: the result's column x is the mirrored picture's row h - 1 - x.
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(result.pixel(x, y), mirrored.pixel(y, 2 - x)) << x << "," << y;

    object.FillBackImage()->SetReverseHorz(false);
    object.FillBackImage()->SetRotateImage(rsNone);
    EXPECT_EQ(PixelsOf(picture), source);

    // A new picture from outside is taken as the untransformed one and transformed.
    object.FillBackImage()->SetRotateImage(rs180);
    SetPicture(picture, Pattern(2, 2));
    EXPECT_EQ(object.FillBackImage()->Original(), Pattern(2, 2));
    EXPECT_EQ(PixelsOf(picture), Pattern(2, 2).mirrored(true, true));
}

TEST_F(BackImage, AssignCopiesSettingsAndTheUntransformedPicture)
{
    auto source = FullBackground<TLOBackImage2004>();
    source->SetFaceInfo(Disc(1200));
    source->FillBackImage()->SetReverseVert(true);
    source->FillBackImage()->SetPosArrange(paRandom);
    TLOBackImage2004 target;
    target.FillBackImage()->SetRotateImage(rs270);
    target.Assign(*source);
    EXPECT_EQ(ComponentBytes(target), ComponentBytes(*source));
    EXPECT_EQ(target.FillBackImage()->Original(), source->FillBackImage()->Original());
    EXPECT_TRUE(target.FaceInfo() == source->FaceInfo());
}

TEST_F(BackImage, CurrentKindIsAPlainBackgroundWithTheSameProperties)
{
    auto edited = FullBackground<TLOBackImage2004>();
    edited->FillBackImage()->SetRotateImage(rs180);
    const std::unique_ptr<TDrawObject> plain = edited->CurrentKind();
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->ClassName(), QStringLiteral("TLOBackImage"));
    auto& background = dynamic_cast<TLOBackImage&>(*plain);
    EXPECT_EQ(PixelsOf(*background.FillColor()->ImageData()->Picture()),
              PixelsOf(*edited->FillColor()->ImageData()->Picture()));
    EXPECT_EQ(background.FrameWidth(), 50);
    EXPECT_EQ(background.BlendRatio(), 50);
    EXPECT_FALSE(background.CurrentKind());
}

TEST_F(BackImage, SetFaceTakesTheFaceAndItsSize)
{
    TLOBackImage object;
    object.SetFace(Disc(1180), 1180, 1180);
    EXPECT_EQ(object.BoundsRect(), TRect(0, 0, 1180, 1180));
    EXPECT_EQ(object.FaceInfo().FaceShape(), fsDoughnut);
}

TEST_F(BackImage, SubObjectChangesAreChangesOfTheBackground)
{
    TLOBackImage object;
    int changes = 0;
    object.SetOnModify([&changes](TDrawObject*) { ++changes; });
    object.FillColor()->SetColor(clRed);
    object.FrameColor()->SetColor(clRed);
    object.BlendColor()->SetColor(clRed);
    SetPicture(*object.BlendPicture(), Pattern(2, 2));
    EXPECT_EQ(changes, 4);
}

TEST_F(BackImage, ImageReadIntoMakesThePictureFill)
{
    TLOBackImage object;
    EXPECT_EQ(object.FillColor()->StoredKind(), cskSolid);
    SetPicture(*object.Image(), Pattern(3, 3));
    EXPECT_EQ(object.FillColor()->Kind(), cskBitmap);
}

TEST_F(BackImage, UntiledPictureCoversTheRectangleAndAnEmptyCropFillsIt)
{
    TLOBackImage object;
    object.SetBoundsRect({0, 0, 1200, 1200});
    object.FillColor()->SetKind(cskBitmap);
    SetPicture(*object.FillColor()->ImageData()->Picture(), Pattern(400, 300));
    EXPECT_EQ(object.FillRect(), TRect(-200, 0, 1400, 1200));
    object.FillColor()->SetTile(true);
    EXPECT_EQ(object.FillRect(), TRect(0, 0, 1200, 1200));
    object.FillColor()->SetTile(false);
    SetPicture(*object.FillColor()->ImageData()->Picture(), QImage(0, 0, QImage::Format_BGR888));
    EXPECT_EQ(object.FillRect(), TRect(0, 0, 1200, 1200));
}
