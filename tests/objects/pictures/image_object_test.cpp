#include "objects/pictures/wizard_image.h"

#include "core/stream/component_stream.h"
#include "core/notify.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/picture_ex.h"
#include "picture_fixtures.h"

#include <gtest/gtest.h>

using namespace picturetest;

namespace {

class ImageObject : public testing::Test {
protected:
    void SetUp() override { SetUpPictureClasses(); }
};

// A frame of the picture's size: an opaque red band, a window of the window colour, and a
// see-through square of the clear colour in the band.
QImage OverlayFrame(QSize size)
{
    QImage frame = Solid(size, QColor(255, 0, 0));
    for (int y = 10; y < size.height() - 10; ++y)
        for (int x = 10; x < size.width() - 10; ++x)
            frame.setPixelColor(x, y, QColor(0xF0, 0xF0, 0xF0));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            frame.setPixelColor(x, y, QColor(0x90, 0x70, 0x60));
    return frame;
}

} // namespace

TEST_F(ImageObject, StreamsItsPropertiesInOrderAndReadsBackTheSameBytes)
{
    TLOWizardImage image;
    image.SetBoundsRect({10, 20, 310, 220});
    SetBitmap(*image.ImageData()->Picture(), Solid({8, 6}, Qt::blue));
    SetBitmap(*image.FramePicture(), OverlayFrame({30, 30}));
    image.SetAlphaFrame(true);
    image.SetAngle(30);
    image.SetImageSource(isTwain);
    image.SetWizInputEnable(true);
    image.SetWizInputCaption(QStringLiteral("写真"));
    image.SetBlendRatio(70);

    const QByteArray bytes = ComponentBytes(image);
    qsizetype at = 0;
    for (const char* name : {"Left", "Height", "BlendRatio", "ImageData.Picture.Data", "FramePicture.Data",
                             "AlphaFrame", "Angle", "ImageSource", "wizInputEnable", "wizInputCaption"}) {
        const qsizetype found = bytes.indexOf(name, at);
        ASSERT_GE(found, at) << name;
        at = found;
    }
    EXPECT_EQ(bytes.indexOf("\x07Picture.Data"), -1) << "Picture is never written";

    auto copy = ReadComponentBytes(bytes);
    auto* read = dynamic_cast<TLOWizardImage*>(copy.get());
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->Angle(), 30);
    EXPECT_EQ(read->ImageSource(), isTwain);
    EXPECT_EQ(read->WizInputCaption(), QStringLiteral("写真"));
    EXPECT_EQ(ComponentBytes(*read), bytes);
}

TEST_F(ImageObject, DefaultsAreNotWrittenButTheWizardFlagIs)
{
    TLOWizardImage image;
    const QByteArray bytes = ComponentBytes(image);
    EXPECT_EQ(bytes.indexOf("AlphaFrame"), -1);
    EXPECT_EQ(bytes.indexOf("Angle"), -1);
    EXPECT_EQ(bytes.indexOf("ImageSource"), -1);
    EXPECT_NE(bytes.indexOf("wizInputEnable"), -1);
}

// Old documents keep a one-point illustration under "Picture": read from a stream it gets
// the window colour as its transparent colour; the same picture under ImageData does not,
// and nor does a program that merely reaches the picture.
TEST_F(ImageObject, OnePointPictureFromAStreamGetsTheWindowColourTransparent)
{
    TLOWizardImage source;
    SetBitmap(*source.ImageData()->Picture(), Solid({4, 4}, Qt::green));
    source.SetImageSource(isOnePoint);
    QByteArray bytes = ComponentBytes(source);
    const QByteArray modern = bytes;
    // The same record with the picture stored under its old name (same length minus "ImageData.").
    const QByteArray oldName = QByteArray("\x16") + "ImageData.Picture.Data";
    ASSERT_NE(bytes.indexOf(oldName), -1);
    bytes.replace(oldName, QByteArray("\x0c") + "Picture.Data");

    auto old = ReadComponentBytes(bytes);
    EXPECT_EQ(dynamic_cast<TLOImage&>(*old).ImageData()->TransparentColor(), kOnePointTransparentColor);
    EXPECT_FALSE(dynamic_cast<TLOImage&>(*old).ImageData()->Empty());
    auto current = ReadComponentBytes(modern);
    EXPECT_EQ(dynamic_cast<TLOImage&>(*current).ImageData()->TransparentColor(), clNone);

    TLOWizardImage touched;
    touched.SetImageSource(isOnePoint);
    touched.Picture();
    touched.Loaded();
    EXPECT_EQ(touched.ImageData()->TransparentColor(), clNone);
}

TEST_F(ImageObject, FitSizeToPictureTakesTheNaturalSizeOrFitsIntoThePlacedExtent)
{
    struct Case {
        QSize pixels;
        TRect expected;
    };
    for (const Case& c : {Case{{180, 90}, {0, 0, 254, 127}}, Case{{20, 20}, {0, 0, 30, 30}}}) {
        TLOImage image;
        SetBitmap(*image.ImageData()->Picture(), Solid(c.pixels, Qt::red));
        image.FitSizeToPicture();
        EXPECT_EQ(image.BoundsRect(), c.expected) << c.pixels.width();
    }
}

TEST_F(ImageObject, MovingKeepsTheCompositeAndResizingOrTurningDropsIt)
{
    TLOImage image;
    image.SetBoundsRect({0, 0, 100, 100});
    SetBitmap(*image.ImageData()->Picture(), Solid({20, 20}, Qt::red));
    image.SetAngle(10);
    image.Composite();
    ASSERT_TRUE(image.HasComposite());
    image.MoveBy(30, 40);
    EXPECT_TRUE(image.HasComposite());
    image.Resize(200, 200);
    EXPECT_FALSE(image.HasComposite());
    image.Composite();
    image.SetAngle(20);
    EXPECT_FALSE(image.HasComposite());
}

TEST_F(ImageObject, UnturnedPictureWithoutFrameIsDrawnWithoutTheComposite)
{
    TLOImage image;
    image.SetBoundsRect({0, 0, 40, 40});
    SetBitmap(*image.ImageData()->Picture(), Solid({4, 4}, Qt::blue));
    const QImage painted = PaintOnWhite(image, {50, 50});
    EXPECT_FALSE(image.HasComposite());
    EXPECT_EQ(painted.pixelColor(20, 20), QColor(Qt::blue));
    EXPECT_EQ(painted.pixelColor(45, 45), QColor(Qt::white));
}

// Assignment (and so every undo) changes the picture inside an update bracket; the
// composite still follows it.
TEST_F(ImageObject, CompositeFollowsAPictureChangedInsideAnUpdateBracket)
{
    TLOImage image;
    image.SetBoundsRect({0, 0, 40, 40});
    image.SetAngle(90);
    SetBitmap(*image.ImageData()->Picture(), Solid({4, 4}, Qt::blue));
    EXPECT_EQ(PaintOnWhite(image, {50, 50}).pixelColor(20, 20), QColor(Qt::blue));

    TLOImage changed;
    changed.Assign(image);
    SetBitmap(*changed.ImageData()->Picture(), Solid({4, 4}, Qt::green));
    {
        TUpdateBracket bracket(image.Notifier());
        image.Assign(changed);
    }
    EXPECT_EQ(PaintOnWhite(image, {50, 50}).pixelColor(20, 20), QColor(Qt::green));
    {
        TUpdateBracket bracket(image.Notifier());
        SetBitmap(*image.FramePicture(), Solid({4, 4}, Qt::red));
        image.Composite();
        SetBitmap(*image.FramePicture(), Solid({4, 4}, Qt::black));
    }
    EXPECT_EQ(PaintOnWhite(image, {50, 50}).pixelColor(20, 20), QColor(Qt::black));
}

// The photo shows only in the frame's window; there its own transparency stays, the band is
// opaque, and the clear colour of the band is see-through.
TEST_F(ImageObject, OverlayFrameShowsThePhotoInTheWindowWithItsOwnTransparency)
{
    TLOImage image;
    image.SetBoundsRect({0, 0, 60, 60});
    QImage photo = Solid({60, 60}, Qt::blue);
    for (int y = 25; y < 35; ++y)
        for (int x = 25; x < 35; ++x)
            photo.setPixelColor(x, y, QColor(0, 255, 0));
    photo.setPixelColor(2, 30, QColor(0, 255, 0)); // under the band
    SetBitmap(*image.ImageData()->Picture(), photo);
    image.ImageData()->SetTransparentColor(0x00FF00);
    SetBitmap(*image.FramePicture(), OverlayFrame({60, 60}));

    const TImageComposite& composite = image.Composite();
    ASSERT_EQ(composite.Cover.size(), QSize(60, 60));
    EXPECT_EQ(qGray(composite.Cover.pixel(30, 30)), 0) << "photo's transparency in the window";
    EXPECT_EQ(qGray(composite.Cover.pixel(15, 15)), 255) << "photo in the window";
    EXPECT_EQ(qGray(composite.Cover.pixel(2, 30)), 255) << "band is opaque";
    EXPECT_EQ(qGray(composite.Cover.pixel(2, 2)), 0) << "clear colour";

    const QImage painted = PaintOnWhite(image, {60, 60});
    EXPECT_EQ(painted.pixelColor(15, 15), QColor(Qt::blue));
    EXPECT_EQ(painted.pixelColor(30, 30), QColor(Qt::white));
    EXPECT_EQ(painted.pixelColor(2, 30), QColor(Qt::red));
    EXPECT_EQ(painted.pixelColor(2, 2), QColor(Qt::white));
}

TEST_F(ImageObject, AlphaFrameFadesThePhotoTowardsItsEdges)
{
    TLOImage image;
    image.SetBoundsRect({0, 0, 100, 100});
    SetBitmap(*image.ImageData()->Picture(), Solid({100, 100}, Qt::black));
    QImage frame(100, 100, QImage::Format_BGR888);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) {
            const int level = std::max(0, 255 - 5 * std::max(std::abs(x - 50), std::abs(y - 50)));
            frame.setPixelColor(x, y, QColor(level, level, level));
        }
    SetBitmap(*image.FramePicture(), frame);
    image.SetAlphaFrame(true);
    ASSERT_TRUE(image.NeedsBlendedPaint());

    const QImage painted = PaintOnWhite(image, {100, 100});
    EXPECT_LE(qRed(painted.pixel(50, 50)), 5);
    EXPECT_GT(qRed(painted.pixel(30, 50)), 80);
    EXPECT_LT(qRed(painted.pixel(30, 50)), 120);
    EXPECT_GE(qRed(painted.pixel(2, 50)), 235); // level 15 at the edge
}

TEST_F(ImageObject, TurnedObjectHitsAndBoundsItsTurnedCorners)
{
    TLOImage image;
    image.SetBoundsRect({0, 0, 200, 100});
    image.SetAngle(90);
    EXPECT_EQ(image.GetBounds(), TRect(50, -50, 150, 150));
    EXPECT_TRUE(image.HitTest({100, -40}));
    EXPECT_FALSE(image.HitTest({10, 50}));
    // Width and height scale by requested / current bounding width and height (100 x 200).
    image.Resize(200, 400);
    EXPECT_EQ(image.Width(), 400);
    EXPECT_EQ(image.Height(), 200);
    EXPECT_TRUE(image.KeepAspect());
}

TEST_F(ImageObject, TurnedCompositeTakesTheObjectsAspectWithUncoveredCorners)
{
    TLOImage image;
    image.SetBoundsRect({0, 0, 100, 50});
    SetBitmap(*image.ImageData()->Picture(), Solid({80, 80}, Qt::blue));
    image.SetAngle(90);
    const TImageComposite& composite = image.Composite();
    EXPECT_EQ(composite.Colour.size(), QSize(40, 80));
    image.SetAngle(45);
    EXPECT_EQ(qGray(image.Composite().Cover.pixel(0, 0)), 0);
    EXPECT_EQ(qGray(image.Composite().Cover.pixel(image.Composite().Cover.rect().center())), 255);
}
