#include "core/persistent/component.h"
#include "core/error.h"
#include "core/canvas/memory_canvas.h"
#include "core/stream/component_stream.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/graphic_registry.h"
#include "graphics/picture/metafile.h"
#include "graphics/picture/picture_data.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"
#include "graphics/picture/zlib_container.h"
#include "picture_holder.h"
#include "picture_test_helpers.h"
#include "support/test_support.h"
#include "support/notifications.h"

#include <QMimeData>
#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using picturetest::SamePixels;

namespace {

using testsupport::NotificationsDuring;

// Records what a class declares through DefineProperties.
class RecordingFiler : public TFiler {
public:
    struct Binary {
        std::string Name;
        ReadBinaryProc Read;
        WriteBinaryProc Write;
        bool HasData;
    };

    void DefineProperty(const char*, ReadProc, WriteProc, bool) override {}
    void DefineBinaryProperty(const char* name, ReadBinaryProc read, WriteBinaryProc write, bool hasData) override
    {
        binaries.push_back({name, std::move(read), std::move(write), hasData});
    }

    std::vector<Binary> binaries;
};

RecordingFiler Declared(TPictureEx& picture)
{
    RecordingFiler filer;
    picture.DefineProperties(filer);
    return filer;
}

std::unique_ptr<TSafetyBitmap> Bitmap(int width, int height)
{
    auto bitmap = std::make_unique<TSafetyBitmap>();
    bitmap->SetImage(picturetest::TestPattern(width, height));
    return bitmap;
}

std::unique_ptr<TSafetyJPEGImage> Jpeg(int width, int height)
{
    auto jpeg = std::make_unique<TSafetyJPEGImage>();
    jpeg->Compress(picturetest::TestPattern(width, height));
    return jpeg;
}

// An EMF header record (88 bytes) with a frame of 0 .. 2540 x 0 .. 1270 (0.01 mm) and an
// end-of-file record.
QByteArray Emf()
{
    QByteArray data(88 + 20, '\0');
    auto* b = reinterpret_cast<uchar*>(data.data());
    qToLittleEndian<quint32>(1, b);
    qToLittleEndian<quint32>(88, b + 4);
    qToLittleEndian<qint32>(2540, b + 32);
    qToLittleEndian<qint32>(1270, b + 36);
    qToLittleEndian<quint32>(0x464D4520, b + 40);
    qToLittleEndian<quint32>(14, b + 88); // EMR_EOF
    qToLittleEndian<quint32>(20, b + 92);
    return data;
}

// A placeable WMF: 22-byte placeable header (box 0 .. 1440 x 0 .. 720 at 1440 per inch), a
// 9-word metafile header and the end record.
QByteArray PlaceableWmf()
{
    QByteArray data(22 + 18 + 6, '\0');
    auto* b = reinterpret_cast<uchar*>(data.data());
    qToLittleEndian<quint32>(0x9AC6CDD7, b);
    qToLittleEndian<qint16>(1440, b + 10);
    qToLittleEndian<qint16>(720, b + 12);
    qToLittleEndian<quint16>(1440, b + 14);
    qToLittleEndian<quint16>(1, b + 22);
    qToLittleEndian<quint16>(9, b + 24);
    qToLittleEndian<quint16>(0x0300, b + 26);
    qToLittleEndian<quint32>(3, b + 40);
    return data;
}

} // namespace

TEST(PictureEx, PublishesImageIdAndStorageIdInThisOrder)
{
    const auto& properties = TPictureEx::StaticClassInfo().Properties();
    ASSERT_EQ(properties.size(), 2u);
    EXPECT_STREQ(properties[0]->Name, "ImageID");
    EXPECT_STREQ(properties[1]->Name, "StorageID");
    EXPECT_EQ(properties[0]->Kind, TPropKind::String);
}

TEST(PictureEx, AnnouncesEveryChangeOfItsGraphic)
{
    TPictureEx picture;
    EXPECT_EQ(NotificationsDuring(picture, [&] { picture.SetGraphic(Bitmap(4, 4)); }), 1);
    EXPECT_EQ(NotificationsDuring(picture, [&] { picture.Bitmap().SetImage(picturetest::TestPattern(2, 2)); }), 1);
    EXPECT_EQ(NotificationsDuring(picture, [&] { picture.Bitmap().SetPixelFormat(TPixelFormat::pf8bit); }), 1);
    EXPECT_EQ(NotificationsDuring(picture, [&] { picture.Bitmap().Changed(); }), 1);
    EXPECT_EQ(NotificationsDuring(picture, [&] { picture.SetGraphic(nullptr); }), 1);
    EXPECT_EQ(NotificationsDuring(picture, [&] { picture.SetImageID(QStringLiteral("a.bmp")); }), 0);
}

TEST(PictureEx, AsBitmapAndAsJpegReplaceOtherGraphicsSilently)
{
    TPictureEx picture;
    picture.SetGraphic(Bitmap(4, 4));
    const TGraphic* bitmap = picture.Graphic();
    EXPECT_EQ(NotificationsDuring(picture, [&] { EXPECT_EQ(&picture.Bitmap(), bitmap); }), 0);
    EXPECT_EQ(picture.Width(), 4);

    EXPECT_EQ(NotificationsDuring(picture, [&] { picture.JPEG(); }), 0);
    EXPECT_NE(dynamic_cast<TSafetyJPEGImage*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(picture.Graphic()->Empty());

    EXPECT_EQ(NotificationsDuring(picture, [&] { picture.Bitmap(); }), 0);
    EXPECT_NE(dynamic_cast<TSafetyBitmap*>(picture.Graphic()), nullptr);
    EXPECT_EQ(picture.Width(), 0);
}

TEST(PictureEx, AssignCopiesNamesAndFlagThenTheGraphic)
{
    TPictureEx source;
    source.SetImageID(QStringLiteral("photo.jpg"));
    source.SetStorageID(QStringLiteral("store-7"));
    source.SetLinked(true);
    source.SetGraphic(Bitmap(6, 5));

    // Same class: the graphic is assigned in place.
    TPictureEx target;
    target.SetGraphic(Bitmap(2, 2));
    const TGraphic* before = target.Graphic();
    EXPECT_EQ(NotificationsDuring(target, [&] { target.Assign(source); }), 1);
    EXPECT_EQ(target.Graphic(), before);
    EXPECT_EQ(target.ImageID(), QStringLiteral("photo.jpg"));
    EXPECT_EQ(target.StorageID(), QStringLiteral("store-7"));
    EXPECT_TRUE(target.Linked());
    EXPECT_TRUE(SamePixels(target.Bitmap().Image(), source.Bitmap().Image()));

    // JPEG images are copied, never assigned in place.
    TPictureEx jpegSource;
    jpegSource.SetGraphic(Jpeg(8, 8));
    TPictureEx jpegTarget;
    jpegTarget.SetGraphic(Jpeg(3, 3));
    const TGraphic* oldJpeg = jpegTarget.Graphic();
    jpegTarget.Assign(jpegSource);
    EXPECT_NE(jpegTarget.Graphic(), oldJpeg);
    EXPECT_EQ(jpegTarget.Graphic()->SaveToBytes(), jpegSource.Graphic()->SaveToBytes());
    EXPECT_FALSE(jpegTarget.Linked());

    // Different classes: a copy of the source's graphic; an empty source empties.
    target.Assign(jpegSource);
    EXPECT_NE(dynamic_cast<TSafetyJPEGImage*>(target.Graphic()), nullptr);
    TPictureEx empty;
    target.Assign(empty);
    EXPECT_EQ(target.Graphic(), nullptr);
    EXPECT_TRUE(target.ImageID().isEmpty());

    // From a graphic: a copy of it.
    const auto metafile = std::make_unique<TMetafile>();
    metafile->LoadFromBytes(Emf());
    target.Assign(*metafile);
    EXPECT_EQ(target.Graphic()->SaveToBytes(), Emf());
    EXPECT_NE(target.Graphic(), metafile.get());

    // Anything else is refused.
    TComponent unrelated;
    EXPECT_THROW(target.Assign(unrelated), EAppError);
    EXPECT_EQ(target.Graphic()->SaveToBytes(), Emf());
}

TEST(PictureEx, PictureDataIsClassNameThenLengthAndFile)
{
    TPictureEx picture;
    picture.SetGraphic(Bitmap(3, 2));
    const QByteArray bmp = picture.Graphic()->SaveToBytes();
    const QByteArray data = picture.SaveData();
    EXPECT_EQ(data.left(14), QByteArray("\x0DTSafetyBitmap"));
    EXPECT_EQ(qFromLittleEndian<quint32>(data.constData() + 14), quint32(bmp.size()));
    EXPECT_EQ(data.mid(18), bmp);
    EXPECT_TRUE(bmp.startsWith("BM"));

    TPictureEx jpeg;
    jpeg.SetGraphic(Jpeg(5, 5));
    EXPECT_TRUE(jpeg.SaveData().startsWith("\x10TSafetyJPEGImage"));
    EXPECT_EQ(WritePictureData(nullptr), QByteArray(1, '\0'));
}

TEST(PictureEx, PictureDataRoundTripsEveryGraphicClass)
{
    std::vector<std::unique_ptr<TGraphic>> graphics;
    graphics.push_back(Bitmap(7, 3));
    graphics.push_back(Jpeg(9, 4));
    auto png = std::make_unique<TPngImage>();
    png->Assign(*graphics[0]);
    graphics.push_back(std::move(png));
    auto metafile = std::make_unique<TMetafile>();
    metafile->LoadFromBytes(PlaceableWmf());
    graphics.push_back(std::move(metafile));
    for (const auto& graphic : graphics) {
        SCOPED_TRACE(graphic->ClassName().toStdString());
        TPictureEx picture;
        picture.SetGraphic(graphic->Clone());
        TPictureEx back;
        back.LoadData(picture.SaveData());
        ASSERT_NE(back.Graphic(), nullptr);
        EXPECT_EQ(&back.Graphic()->ClassInfo(), &graphic->ClassInfo());
        EXPECT_EQ(back.Graphic()->SaveToBytes(), graphic->SaveToBytes());
    }
}

TEST(PictureEx, PictureDataAcceptsPlainClassNamesAndCompressedBitmaps)
{
    const auto bitmap = Bitmap(5, 4);
    const QByteArray bmp = bitmap->SaveToBytes();
    auto data = [](const QByteArray& name, const QByteArray& file) {
        QByteArray bytes(1, char(name.size()));
        QByteArray length(4, '\0');
        qToLittleEndian(quint32(file.size()), length.data());
        return bytes + name + length + file;
    };
    struct Case {
        const char* name;
        QByteArray data;
        const TClassInfo* expected;
    };
    const Case cases[] = {
        {"TBitmap", data("TBitmap", bmp), &TSafetyBitmap::StaticClassInfo()},
        {"compressed bitmap", data("TSafetyBitmap", CompressToContainer(bmp, TCompressionLevel::Max)),
         &TSafetyBitmap::StaticClassInfo()},
        {"TJPEGImage", data("TJPEGImage", Jpeg(4, 4)->SaveToBytes()), &TSafetyJPEGImage::StaticClassInfo()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPictureEx picture;
        picture.LoadData(c.data);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(&picture.Graphic()->ClassInfo(), c.expected);
        EXPECT_EQ(picture.Width(), c.expected == &TSafetyBitmap::StaticClassInfo() ? 5 : 4);
    }
    // Bitmaps are always written back uncompressed.
    TPictureEx picture;
    picture.LoadData(cases[1].data);
    EXPECT_EQ(picture.SaveData().mid(18), bmp);

    // An unknown class leaves the picture empty; an empty file an empty graphic.
    picture.LoadData(data("TSomethingElse", bmp));
    EXPECT_EQ(picture.Graphic(), nullptr);
    picture.LoadData(data("TSafetyBitmap", {}));
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_TRUE(picture.Graphic()->Empty());
}

TEST(PictureEx, DamagedPictureDataFailsAndKeepsTheGraphic)
{
    TPictureEx picture;
    picture.SetGraphic(Bitmap(3, 3));
    const QByteArray good = picture.SaveData();
    const TGraphic* before = picture.Graphic();
    struct Case {
        const char* name;
        QByteArray data;
        const char* message;
    };
    QByteArray badBitmap = good;
    badBitmap[18] = 'X';
    const Case cases[] = {
        {"empty", QByteArray(), "ストリームからの読み込みエラー"},
        {"name cut short", good.left(6), "ストリームからの読み込みエラー"},
        {"length cut short", good.left(16), "ストリームからの読み込みエラー"},
        {"file cut short", good.left(good.size() - 1), "ストリームからの読み込みエラー"},
        {"not a bitmap", badBitmap, "ビットマップイメージが不正です"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            picture.LoadData(c.data);
            ADD_FAILURE() << "accepted";
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QString::fromUtf8(c.message));
        }
        EXPECT_EQ(picture.Graphic(), before);
    }
}

TEST(PictureEx, DeclaresDataOnlyForGraphicsNotFilledFromResources)
{
    TPictureEx picture;
    RecordingFiler none = Declared(picture);
    ASSERT_EQ(none.binaries.size(), 1u);
    EXPECT_EQ(none.binaries[0].Name, "Data");
    EXPECT_FALSE(none.binaries[0].HasData);

    picture.SetGraphic(Bitmap(2, 2));
    RecordingFiler filled = Declared(picture);
    EXPECT_TRUE(filled.binaries[0].HasData);
    EXPECT_EQ(filled.binaries[0].Write(), picture.SaveData());

    picture.SetFromResource(true);
    EXPECT_FALSE(Declared(picture).binaries[0].HasData);
    EXPECT_FALSE(picture.SaveData().isEmpty()); // saving directly ignores the flag

    // Changed content is no longer the resource's and is written again.
    picture.Bitmap().SetPixelFormat(TPixelFormat::pf8bit);
    EXPECT_FALSE(picture.FromResource());
    EXPECT_TRUE(Declared(picture).binaries[0].HasData);

    // Reading goes through the declared reader.
    TPictureEx target;
    Declared(target).binaries[0].Read(picture.SaveData());
    EXPECT_TRUE(SamePixels(target.Bitmap().Image(), picture.Bitmap().Image()));
}

TEST(PictureEx, ComponentStreamsCarryThePictureAsData)
{
    TPictureHolder holder;
    holder.Picture()->SetImageID(QStringLiteral("C:\\pictures\\tile.bmp"));
    holder.Picture()->SetGraphic(Bitmap(6, 4));
    const QByteArray stream = ComponentBytes(holder);
    const QByteArray data = holder.Picture()->SaveData();
    // "Picture.Data" as a binary value (tag 10, 32-bit length) holding the picture data.
    QByteArray binary(1, '\x0A');
    binary.append(4, '\0');
    qToLittleEndian(quint32(data.size()), binary.data() + 1);
    EXPECT_NE(stream.indexOf(QByteArray("\x0CPicture.Data") + binary + data), -1);

    const auto back = picturetest::ReadHolder(stream);
    EXPECT_EQ(back->Picture()->ImageID(), holder.Picture()->ImageID());
    ASSERT_NE(dynamic_cast<TSafetyBitmap*>(back->Picture()->Graphic()), nullptr);
    EXPECT_TRUE(SamePixels(back->Picture()->Bitmap().Image(), holder.Picture()->Bitmap().Image()));

    // An empty picture writes no data.
    TPictureHolder empty;
    EXPECT_EQ(ComponentBytes(empty).indexOf("Picture.Data"), -1);
}

TEST(PictureEx, MetafilesKeepTheirBytesThroughLoadAndSave)
{
    QTemporaryDir dir;
    for (const auto& [name, bytes] : {std::pair{"clip.emf", Emf()}, std::pair{"clip.wmf", PlaceableWmf()}}) {
        SCOPED_TRACE(name);
        const QString path = dir.filePath(QString::fromLatin1(name));
        testsupport::WriteFileBytes(path, bytes);
        TPictureEx picture;
        picture.LoadFromFile(path);
        const auto* metafile = dynamic_cast<TMetafile*>(picture.Graphic());
        ASSERT_NE(metafile, nullptr);
        EXPECT_EQ(metafile->MMSize(), QSize(2540, 1270));
        const QString copy = dir.filePath(QStringLiteral("copy-") + QString::fromLatin1(name));
        picture.SaveToFile(copy);
        EXPECT_EQ(testsupport::ReadFileBytes(copy), bytes);
    }
    TMetafile metafile;
    EXPECT_THROW(metafile.LoadFromBytes("not a metafile at all, not even close"), EAppError);
}

TEST(PictureEx, FilesLoadByExtension)
{
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("A.BMP"));
    testsupport::WriteFileBytes(bmp, Bitmap(3, 4)->SaveToBytes());
    TPictureEx picture;
    picture.LoadFromFile(bmp);
    EXPECT_EQ(QSize(picture.Width(), picture.Height()), QSize(3, 4));

    const QString photoCd = dir.filePath(QStringLiteral("scan.pcd"));
    const QString text = dir.filePath(QStringLiteral("notes.txt"));
    testsupport::WriteFileBytes(photoCd, QByteArray(4096, '\xFF'));
    testsupport::WriteFileBytes(text, "hello");
    for (const QString& path : {photoCd, text, dir.filePath(QStringLiteral("missing.png"))}) {
        try {
            picture.LoadFromFile(path);
            ADD_FAILURE() << "loaded " << path.toStdString();
        } catch (const EAppError& error) {
            EXPECT_EQ(error.Message(), QStringLiteral("イメージの読み込みに失敗しました"));
        }
        EXPECT_EQ(picture.Width(), 3);
    }
    EXPECT_EQ(GraphicFileExtensions(), QStringList({".bmp", ".cbm", ".jpg", ".jpeg", ".png", ".gif", ".wmf", ".emf", ".pcd"}));
    EXPECT_EQ(FindGraphicFormat(QStringLiteral(".JPEG"))->GraphicClass, &TSafetyJPEGImage::StaticClassInfo());
}

TEST(PictureEx, ClipboardFormatsInOrder)
{
    TPictureEx picture;
    QMimeData image;
    image.setImageData(picturetest::TestPattern(6, 4));
    image.setData(QStringLiteral("image/x-emf"), Emf());
    picture.AssignClipboard(image);
    ASSERT_NE(dynamic_cast<TSafetyBitmap*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(SamePixels(picture.Bitmap().Image(), picturetest::TestPattern(6, 4)));

    QMimeData dib;
    dib.setData(QStringLiteral("image/bmp"), Bitmap(5, 3)->SaveToBytes().mid(14));
    dib.setData(QStringLiteral("image/x-emf"), Emf());
    picture.AssignClipboard(dib);
    EXPECT_EQ(QSize(picture.Width(), picture.Height()), QSize(5, 3));

    QMimeData emf;
    emf.setData(QStringLiteral("image/x-emf"), Emf());
    picture.AssignClipboard(emf);
    EXPECT_NE(dynamic_cast<TMetafile*>(picture.Graphic()), nullptr);

    QMimeData text;
    text.setText(QStringLiteral("no picture"));
    EXPECT_THROW(picture.AssignClipboard(text), EAppError);
    EXPECT_NE(dynamic_cast<TMetafile*>(picture.Graphic()), nullptr);
}

TEST(TransparentBitmap, DrawsThroughItsColourMask)
{
    QImage pixels(4, 1, QImage::Format_BGR888);
    pixels.setPixel(0, 0, qRgb(0xF0, 0xF0, 0xF0));
    pixels.setPixel(1, 0, qRgb(255, 0, 0));
    pixels.setPixel(2, 0, qRgb(0xF0, 0xF0, 0xF0));
    pixels.setPixel(3, 0, qRgb(0, 0, 255));
    TSafetyBitmap bitmap;
    bitmap.SetImage(pixels);
    bitmap.SetTransparentColor(0xF0F0F0);
    bitmap.SetTransparent(true);

    auto drawn = [&] {
        QImage target(8, 2, QImage::Format_RGB32);
        target.fill(qRgb(0, 255, 0));
        TMemoryCanvas canvas(target);
        bitmap.Draw(canvas, TRect(0, 0, 8, 2));
        return target;
    };
    QImage target = drawn();
    EXPECT_EQ(target.pixel(0, 0), qRgb(0, 255, 0)); // left out
    EXPECT_EQ(target.pixel(2, 1), qRgb(255, 0, 0));
    EXPECT_EQ(target.pixel(5, 0), qRgb(0, 255, 0));
    EXPECT_EQ(target.pixel(7, 1), qRgb(0, 0, 255));
    EXPECT_EQ(bitmap.Mask().pixelIndex(0, 0), 1);
    EXPECT_EQ(bitmap.Mask().pixelIndex(1, 0), 0);

    // The mask follows changes of the pixels.
    bitmap.MutableImage().setPixel(1, 0, qRgb(0xF0, 0xF0, 0xF0));
    bitmap.Changed();
    EXPECT_EQ(drawn().pixel(2, 0), qRgb(0, 255, 0));

    // A mask put in place wins until the next change: white leaves out.
    QImage mask(4, 1, QImage::Format_RGB32);
    mask.fill(Qt::black);
    mask.setPixel(3, 0, qRgb(255, 255, 255));
    bitmap.SetMask(mask);
    target = drawn();
    EXPECT_EQ(target.pixel(0, 0), qRgb(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(target.pixel(7, 0), qRgb(0, 255, 0));

    // Mirrored rectangles mirror the picture; without transparency everything is drawn.
    bitmap.SetTransparent(false);
    QImage mirrored(4, 1, QImage::Format_RGB32);
    {
        TMemoryCanvas canvas(mirrored);
        bitmap.Draw(canvas, TRect(4, 0, 0, 1));
    }
    EXPECT_EQ(mirrored.pixel(0, 0), qRgb(0, 0, 255));
    EXPECT_EQ(mirrored.pixel(3, 0), qRgb(0xF0, 0xF0, 0xF0));
}

TEST(TransparentBitmap, SixteenBitPixelsMatchTheirOwnRoundingOfTheColour)
{
    QImage pixels(2, 1, QImage::Format_RGB32);
    pixels.setPixel(0, 0, qRgb(0xF0, 0xF0, 0xF0));
    pixels.setPixel(1, 0, qRgb(0x10, 0x20, 0x30));
    TSafetyBitmap bitmap;
    bitmap.SetImage(pixels);
    bitmap.SetPixelFormat(TPixelFormat::pf16bit);
    bitmap.SetTransparentColor(0xF0F0F0);
    EXPECT_EQ(bitmap.Mask().pixelIndex(0, 0), 1);
    EXPECT_EQ(bitmap.Mask().pixelIndex(1, 0), 0);
}
