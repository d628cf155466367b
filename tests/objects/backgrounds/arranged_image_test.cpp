// The arranged image object: its settings streamed after the picture object's values and
// read back unchanged, the composition becoming its picture and alpha frame, assignment,
// hostile stored values, and a document holding one that opens, exports and saves unchanged;
// and the fixed layouts read from their source documents.
#include "objects/backgrounds/arranged_image.h"
#include "objects/backgrounds/background_fixtures.h"
#include "objects/backgrounds/layout_sources.h"
#include "objects/pictures/picture_classes.h"

#include "catalogue/paper/free_paper_info.h"
#include "core/error.h"
#include "core/stream/component_stream.h"
#include "document/label_data.h"
#include "graphics/image_data/image_data.h"
#include "graphics/picture/graphic.h"
#include "graphics/picture/picture_ex.h"
#include "support/test_support.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

using namespace backgrounds_test;

namespace {

const QRgb kColours[] = {qRgb(220, 30, 30), qRgb(30, 180, 40), qRgb(30, 40, 220), qRgb(230, 200, 20)};

QImage Solid(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_BGR888);
    image.fill(QColor::fromRgb(colour));
    return image;
}

TImageListPictures FourPictures()
{
    std::vector<QImage> images;
    for (QRgb colour : kColours)
        images.push_back(Solid({120, 90}, colour));
    return TImageListPictures(std::move(images));
}

TRandomSource Zero()
{
    return [](int) { return 0; };
}

// A ring of four pictures made for a 1000 x 1000 area, turned and half transparent.
void MakeRing(TLOArrangedImage& image)
{
    image.SetBoundsRect({0, 0, 1000, 1000});
    image.SetBaseWidth(1000);
    image.SetBaseHeight(1000);
    image.SetArrangeStyle(asCirCircum);
    image.SetRotate(true);
    image.SetTileRepeat(true);
    image.ComposeArrangement(FourPictures());
}

QImage PictureImage(const TPictureEx& picture)
{
    const TGraphic* graphic = picture.Graphic();
    return graphic ? graphic->ToImage() : QImage();
}

// Where each name, written as a short string, first occurs after the given offset.
std::vector<qsizetype> NamePositions(const QByteArray& bytes, const std::vector<QByteArray>& names, qsizetype from)
{
    std::vector<qsizetype> positions;
    for (const QByteArray& name : names)
        positions.push_back(bytes.indexOf(char(name.size()) + name, from));
    return positions;
}

} // namespace

TEST(ArrangedImage, SettingsFollowThePictureValuesInStreamOrderAndReadBackUnchanged)
{
    RegisterClasses();
    TLOArrangedImage image;
    MakeRing(image);
    image.SetAngle(15);
    image.SetImageSource(isTwain);
    const QByteArray bytes = ComponentBytes(image);

    const std::vector<QByteArray> names = {"ImageSource", "BaseWidth", "BaseHeight", "ArrangeStyle",
                                           "Transform",   "Rotate",    "Reverse",    "TileRepeat"};
    const std::vector<qsizetype> positions = NamePositions(bytes, names, bytes.indexOf("\x05" "Angle"));
    for (size_t i = 0; i < names.size(); ++i) {
        ASSERT_GE(positions[i], 0) << names[i].constData();
        if (i > 0) {
            EXPECT_GT(positions[i], positions[i - 1]) << names[i].constData();
        }
    }
    EXPECT_EQ(bytes.indexOf("\x07" "Picture"), -1) << "the picture is stored inside ImageData only";

    const std::unique_ptr<TComponent> read = ReadComponentBytes(bytes);
    auto* copy = dynamic_cast<TLOArrangedImage*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ComponentBytes(*copy), bytes);
    EXPECT_EQ(copy->BaseWidth(), 1000);
    EXPECT_EQ(copy->ArrangeStyle(), asCirCircum);
    EXPECT_TRUE(copy->Transform());
    EXPECT_TRUE(copy->Rotate());
    EXPECT_FALSE(copy->Reverse());
    EXPECT_TRUE(copy->TileRepeat());
    EXPECT_TRUE(copy->AlphaFrame());
    EXPECT_EQ(PictureImage(*copy->ImageData()->Picture()).size(), QSize(709, 709));
}

// The composition becomes the picture (24 bits, canvas-sized) and its coverage the alpha
// frame; the picture is blended through that frame.
TEST(ArrangedImage, CompositionBecomesPictureAndAlphaFrame)
{
    RegisterClasses();
    TLOArrangedImage image;
    MakeRing(image);
    const QImage colour = PictureImage(*image.ImageData()->Picture());
    const QImage mask = PictureImage(*image.FramePicture()).convertToFormat(QImage::Format_Grayscale8);
    ASSERT_EQ(colour.size(), QSize(709, 709));
    ASSERT_EQ(mask.size(), colour.size());
    EXPECT_TRUE(image.AlphaFrame());
    EXPECT_TRUE(image.NeedsBlendedPaint());
    // Picture 0 at the top, 1 on the right; the centre and the corners stay uncovered.
    const int r = int(709 / (2 * (1 + std::sin(M_PI / 4))));
    EXPECT_EQ(colour.pixel(354, 354 - r), kColours[0] | 0xFF000000);
    EXPECT_EQ(colour.pixel(354 + r, 354), kColours[1] | 0xFF000000);
    const auto level = [&mask](QPoint p) { return mask.constScanLine(p.y())[p.x()]; };
    EXPECT_EQ(level({354, 354 - r}), 255);
    for (const QPoint p : {QPoint(354, 354), QPoint(2, 2), QPoint(706, 706)}) {
        EXPECT_EQ(level(p), 0) << p.x() << "," << p.y();
        EXPECT_EQ(colour.pixel(p), 0xFFFFFFFF);
    }
}

// Settings only store: nothing is recomposed until the pictures are composed again, and a
// style or base size that gives no canvas leaves the picture as it was.
TEST(ArrangedImage, NothingChangesWithoutACanvasOrAStyle)
{
    RegisterClasses();
    struct Case {
        TArrangeStyle Style;
        int Width, Height;
    };
    for (const Case& c : {Case{asNone, 1000, 1000}, Case{asCirCircum, 0, 1000}, Case{asRectTile, 1000, -5},
                          Case{asRectRandom, -2147483647 - 1, 2147483647}}) {
        TLOArrangedImage image;
        MakeRing(image);
        const QByteArray before = ComponentBytes(image);
        image.SetArrangeStyle(c.Style);
        image.SetBaseWidth(c.Width);
        image.SetBaseHeight(c.Height);
        const QByteArray settled = ComponentBytes(image);
        image.ComposeArrangement(FourPictures(), {}, nullptr, Zero());
        EXPECT_EQ(ComponentBytes(image), settled) << c.Style << " " << c.Width << "x" << c.Height;
        EXPECT_NE(settled, before);
    }
}

// Hostile stored values are kept for saving again, and composing with them stays within a
// canvas that can be allocated; a style the program does not know is refused.
TEST(ArrangedImage, HostileStoredValuesAreKeptAndComposeSafely)
{
    RegisterClasses();
    TLOArrangedImage image;
    image.SetBaseWidth(2147483647);
    image.SetBaseHeight(2147483000);
    image.SetArrangeStyle(asFixed);
    const QByteArray bytes = ComponentBytes(image);
    const std::unique_ptr<TComponent> read = ReadComponentBytes(bytes);
    auto* copy = dynamic_cast<TLOArrangedImage*>(read.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(ComponentBytes(*copy), bytes);
    EXPECT_EQ(copy->CanvasSize(), QSize(kMaxArrangeCanvasSide, kMaxArrangeCanvasSide));

    // A fixed layout without slots composes an empty canvas; slots beyond the pictures stay
    // empty; a picture that cannot be read is left out and the others are drawn.
    copy->SetBaseWidth(254);
    copy->SetBaseHeight(254);
    copy->ComposeArrangement(FourPictures());
    EXPECT_EQ(PictureImage(*copy->ImageData()->Picture()).size(), QSize(180, 180));
    QTemporaryDir dir;
    const QString present = dir.filePath("present.png");
    ASSERT_TRUE(Solid({40, 40}, kColours[2]).save(present));
    const TFilePictures files({dir.filePath("missing.jpg"), present});
    const std::vector<TLayoutSlot> halves = {{QRect(0, 0, 500, 1000), 0}, {QRect(500, 0, 500, 1000), 0},
                                             {QRect(0, 0, 1000, 1000), 0}};
    copy->ComposeArrangement(files, halves);
    const QImage colour = PictureImage(*copy->ImageData()->Picture());
    EXPECT_EQ(colour.pixel(135, 90), kColours[2] | 0xFF000000);
    EXPECT_EQ(colour.pixel(45, 90), 0xFFFFFFFF);

    QByteArray unknown = bytes;
    const QByteArray style = QByteArray("\x07") + "asFixed";
    ASSERT_GE(unknown.indexOf(style), 0);
    unknown.replace(style, QByteArray("\x07") + "asOther");
    EXPECT_THROW(ReadComponentBytes(unknown), EAppError);
}

TEST(ArrangedImage, AssignCopiesSettingsAndComposition)
{
    RegisterClasses();
    TLOArrangedImage source;
    MakeRing(source);
    source.SetReverse(true);
    source.SetTransform(false);
    TLOArrangedImage target;
    target.Assign(source);
    EXPECT_EQ(ComponentBytes(target), ComponentBytes(source));
}

TEST(ArrangedImage, DocumentOpensExportsAndSavesUnchanged)
{
    RegisterClasses();
    QTemporaryDir dir;
    TLOArrangedImage image;
    MakeRing(image);
    const QByteArray bytes = ComponentBytes(image);
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(1000);
    paper->SetHeight(1000);
    paper->SetPaperName(QStringLiteral("複数イメージ"));
    paper->SetGroupName(QStringLiteral("テスト"));
    TFaceItem* item = paper->Faces()->AddFace();
    item->SetFaceRect({0, 0, 1000, 1000});
    item->SetFaceShape(fsRect);
    {
        TLabelData document;
        document.SetPaper(*paper);
        document.SaveObjects(0, {&image});
        document.SaveToFile(dir.filePath("arranged.cld"));
    }
    TLabelData opened;
    opened.LoadFromFile(dir.filePath("arranged.cld"));
    {
        const auto objects = opened.LoadObjects(0);
        ASSERT_EQ(objects.size(), 1u);
        EXPECT_EQ(ComponentBytes(*objects[0]), bytes);
    }
    opened.SaveToFile(dir.filePath("again.cld"));
    TLabelData again;
    again.LoadFromFile(dir.filePath("again.cld"));
    const auto objects = again.LoadObjects(0);
    ASSERT_EQ(objects.size(), 1u);
    EXPECT_EQ(ComponentBytes(*objects[0]), bytes);

    ASSERT_EQ(testsupport::RunProgram(QStringLiteral(LUMAREST_PROGRAM),
                                      {QStringLiteral("export"), dir.filePath("again.cld"), QStringLiteral("-o"),
                                       dir.filePath("face.png"), QStringLiteral("--dpi"), QStringLiteral("254")}),
              0);
    const QImage face = QImage(dir.filePath("face.png")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(face.size(), QSize(1000, 1000));
    // The ring's cells in the pictures' colours, white between them where the frame hides.
    const int r = int(1000 / (2 * (1 + std::sin(M_PI / 4))));
    const auto near = [](QRgb a, QRgb b) {
        return std::abs(qRed(a) - qRed(b)) <= 8 && std::abs(qGreen(a) - qGreen(b)) <= 8 && std::abs(qBlue(a) - qBlue(b)) <= 8;
    };
    EXPECT_TRUE(near(face.pixel(500, 500 - r), kColours[0]));
    EXPECT_TRUE(near(face.pixel(500 + r, 500), kColours[1]));
    EXPECT_TRUE(near(face.pixel(500, 500 + r), kColours[2]));
    EXPECT_TRUE(near(face.pixel(500, 500), qRgb(255, 255, 255)));
    EXPECT_TRUE(near(face.pixel(10, 10), qRgb(255, 255, 255)));
}

namespace {

// A label document with one square face of 2000 units holding the given picture objects.
void SaveLayoutDocument(const QString& path, const std::vector<TDrawObject*>& objects)
{
    auto paper = std::make_unique<TFreePaperInfo>();
    paper->SetWidth(2000);
    paper->SetHeight(2000);
    paper->SetPaperName(QStringLiteral("レイアウト"));
    paper->SetGroupName(QStringLiteral("テスト"));
    TFaceItem* item = paper->Faces()->AddFace();
    item->SetFaceRect({0, 0, 2000, 2000});
    item->SetFaceShape(fsRect);
    TLabelData document;
    document.SetPaper(*paper);
    document.SaveObjects(0, objects);
    document.SaveToFile(path);
}

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

} // namespace

// Every picture object of a layout document's first face is a slot in thousandths of the
// face, the first non-empty picture its preview; sections whose document is missing,
// damaged or without pictures are left out, and the others still read.
TEST(LayoutSources, DocumentsBecomeLayoutsAndDamagedOnesAreLeftOut)
{
    RegisterClasses();
    RegisterPictureClasses();
    QTemporaryDir dir;
    TLOImage empty, photo;
    empty.SetBoundsRect({200, 200, 1000, 800});
    empty.SetAngle(-10);
    photo.SetBoundsRect({1000, 1001, 1999, 2000});
    SetPicture(*photo.ImageData()->Picture(), Solid({30, 20}, kColours[1]));
    QDir(dir.path()).mkpath("sub");
    SaveLayoutDocument(dir.filePath("sub/two.cld"), {&photo, &empty}); // front-most first
    SaveLayoutDocument(dir.filePath("none.cld"), {});
    WriteText(dir.filePath("damaged.cld"), "not a compound document");
    WriteText(dir.filePath("Arranged.dat"), "[Missing]\r\nFile=gone.cld\r\n[NoFile]\r\nCount=2\r\n"
                                            "[Damaged]\r\nFile=damaged.cld\r\n[Empty]\r\nFile=none.cld\r\n"
                                            "[Two]\r\nFile=sub\\two.cld\r\n");

    const std::vector<TFixedLayout> layouts = LoadLayoutSources(dir.filePath("Arranged.dat"));
    ASSERT_EQ(layouts.size(), 1u);
    EXPECT_EQ(layouts[0].Name, QStringLiteral("Two"));
    ASSERT_EQ(layouts[0].Slots.size(), 2u);
    EXPECT_EQ(layouts[0].Slots[0].Thousandths, QRect(100, 100, 400, 300));
    EXPECT_EQ(layouts[0].Slots[0].Angle, -10);
    EXPECT_EQ(layouts[0].Slots[1].Thousandths, QRect(500, 501, 500, 499));
    ASSERT_EQ(layouts[0].Preview.size(), QSize(30, 20));
    EXPECT_EQ(layouts[0].Preview.pixel(5, 5), kColours[1] | 0xFF000000);

    EXPECT_TRUE(LoadLayoutSources(dir.filePath("absent.dat")).empty());
}

// A picture object far off its face (a damaged or odd layout document) makes no slot, so
// that no picture is ever drawn at many times the composition's size; the others still do.
TEST(LayoutSources, PicturesFarOffTheFaceMakeNoSlot)
{
    RegisterClasses();
    RegisterPictureClasses();
    QTemporaryDir dir;
    TLOImage inside, reaching, far, wrapping;
    inside.SetBoundsRect({0, 0, 1000, 1000});
    reaching.SetBoundsRect({-1000, -1000, 3000, 3000}); // half a face beyond each edge
    far.SetBoundsRect({0, 0, 3002, 1000});
    wrapping.SetBoundsRect({-2000000000, 0, 2000000000, 1000});
    SaveLayoutDocument(dir.filePath("odd.cld"), {&wrapping, &far, &reaching, &inside}); // front-most first
    WriteText(dir.filePath("Arranged.dat"), "[Odd]\r\nFile=odd.cld\r\n");

    const std::vector<TFixedLayout> layouts = LoadLayoutSources(dir.filePath("Arranged.dat"));
    ASSERT_EQ(layouts.size(), 1u);
    ASSERT_EQ(layouts[0].Slots.size(), 2u);
    EXPECT_EQ(layouts[0].Slots[0].Thousandths, QRect(0, 0, 500, 500));
    EXPECT_EQ(layouts[0].Slots[1].Thousandths, QRect(-500, -500, 2000, 2000));
}
