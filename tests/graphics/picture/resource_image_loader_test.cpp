#include "core/error.h"
#include "core/stream/component_stream.h"
#include "graphics/picture/encoded_image.h"
#include "graphics/picture/metafile.h"
#include "graphics/picture/picture_ex.h"
#include "graphics/picture/resource_file.h"
#include "graphics/picture/resource_image_loader.h"
#include "graphics/picture/safety_bitmap.h"
#include "graphics/picture/safety_jpeg_image.h"
#include "graphics/picture/zlib_container.h"
#include "picture_holder.h"
#include "picture_test_helpers.h"
#include "support/test_support.h"

#include <QTemporaryDir>
#include <QtEndian>
#include <gtest/gtest.h>

using picturetest::SamePixels;

namespace {

// Pictures for a resource script: an 8-bit bitmap, a JPEG, a one-image icon with a
// bitmap (not PNG) image, an EMF.
constexpr char kMakePictures[] = R"(
import sys, struct
from PIL import Image
d = sys.argv[1]
src = Image.new('RGB', (23, 11))
src.putdata([(x * 11, y * 23, (x * y) % 256) for y in range(11) for x in range(23)])
src.quantize(64).save(d + '/logo.bmp')
src.save(d + '/photo.jpg', quality=85)
icon = Image.new('RGBA', (32, 32), (0, 0, 0, 0))
icon.paste((200, 30, 40, 255), (4, 4, 28, 28))
icon.save(d + '/app.ico', sizes=[(32, 32)], bitmap_format='bmp')
emf = bytearray(108)
struct.pack_into('<II', emf, 0, 1, 88)
struct.pack_into('<ii', emf, 32, 1000, 500)
struct.pack_into('<I', emf, 40, 0x464D4520)
struct.pack_into('<II', emf, 88, 14, 20)
open(d + '/clip.emf', 'wb').write(bytes(emf))
)";

const char* const kScript = R"(LOGO BITMAP "logo.bmp"
7 BITMAP "logo.bmp"
Tile CBM "tile.cbm"
PHOTO JPEG "photo.jpg"
CLIP METAFILE "clip.emf"
APP ICON "app.ico"
NOTES TEXTFILE "logo.bmp"
)";

// A resource file compiled by llvm-rc from the script above.
class ResourceFile : public picturetest::TScriptMadeFiles<kMakePictures> {
protected:
    static void SetUpTestSuite()
    {
        TScriptMadeFiles::SetUpTestSuite();
        testsupport::WriteFileBytes(Path("tile.cbm"),
                                    CompressToContainer(testsupport::ReadFileBytes(Path("logo.bmp")), TCompressionLevel::Max));
        testsupport::WriteFileBytes(Path("pictures.rc"), kScript);
        QByteArray error;
        const int code = testsupport::RunProgram(
            QStringLiteral("llvm-rc"),
            {QStringLiteral("-no-preprocess"), QStringLiteral("/FO"), Path("pictures.res"), Path("pictures.rc")},
            nullptr, 60000, &error);
        ASSERT_EQ(code, 0) << error.toStdString();
    }
    // Loads one resource of the compiled file into a new picture.
    static void Load(TPictureEx& picture, const char* type, const char* name)
    {
        TResourceImageLoader loader(picture);
        loader.SetAutoLoad(false);
        loader.SetResFile(Path("pictures.res"));
        loader.SetResType(QString::fromLatin1(type));
        loader.SetResName(QString::fromLatin1(name));
        loader.Load();
    }
};

void ExpectNotFound(const std::function<void()>& load, const QString& name)
{
    try {
        load();
        ADD_FAILURE() << "loaded";
    } catch (const EAppError& error) {
        EXPECT_EQ(error.Message(), name + QStringLiteral(" リソースが見つかりません"));
    }
}

} // namespace

TEST_F(ResourceFile, EveryPictureTypeLoads)
{
    const QImage logo = picturetest::PillowPixels(Path("logo.bmp"));
    struct Case {
        const char* type;
        const char* name;
        const TClassInfo* graphicClass;
    };
    const Case cases[] = {
        {"RT_BITMAP", "LOGO", &TSafetyBitmap::StaticClassInfo()},
        {"rt_bitmap", "logo", &TSafetyBitmap::StaticClassInfo()},
        {"RT_BITMAP", "#7", &TSafetyBitmap::StaticClassInfo()},
        {"CBM", "TILE", &TSafetyBitmap::StaticClassInfo()},
        {"JPEG", "Photo", &TSafetyJPEGImage::StaticClassInfo()},
        {"METAFILE", "CLIP", &TMetafile::StaticClassInfo()},
        {"RT_ICON", "#1", &TIcon::StaticClassInfo()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.type) + " " + c.name);
        TPictureEx picture;
        Load(picture, c.type, c.name);
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(&picture.Graphic()->ClassInfo(), c.graphicClass);
        EXPECT_TRUE(picture.FromResource());
        if (c.graphicClass == &TSafetyBitmap::StaticClassInfo()) {
            EXPECT_TRUE(SamePixels(picture.Bitmap().Image(), logo));
        }
    }
    TPictureEx photo;
    Load(photo, "JPEG", "PHOTO");
    EXPECT_EQ(photo.Graphic()->SaveToBytes(), testsupport::ReadFileBytes(Path("photo.jpg")));
    TPictureEx icon;
    Load(icon, "RT_ICON", "#1");
    EXPECT_TRUE(SamePixels(icon.Graphic()->ToImage(), picturetest::PillowPixels(Path("app.ico"), QStringLiteral("RGBA"))));
}

TEST_F(ResourceFile, MissingResourcesAndFilesAreReported)
{
    TPictureEx picture;
    picture.SetImageID(QStringLiteral("kept"));
    const char* const wrong[][2] = {{"RT_BITMAP", "MISSING"}, {"JPEG", "LOGO"}, {"RT_BITMAP", "7"}, {"RT_BITMAP", "#8"}};
    for (const auto& [type, name] : wrong)
        ExpectNotFound([&] { Load(picture, type, name); }, QString::fromLatin1(name));
    TResourceImageLoader loader(picture);
    loader.SetAutoLoad(false);
    loader.SetResType(QStringLiteral("RT_BITMAP"));
    loader.SetResName(QStringLiteral("LOGO"));
    ExpectNotFound([&] { loader.Load(); }, QStringLiteral("LOGO")); // no file name
    loader.SetResFile(Path("no-such.res"));
    ExpectNotFound([&] { loader.Load(); }, QStringLiteral("LOGO"));
    EXPECT_EQ(picture.Graphic(), nullptr);
    EXPECT_FALSE(picture.FromResource());

    // A type that holds no picture.
    EXPECT_THROW(Load(picture, "TEXTFILE", "NOTES"), EAppError);
}

TEST_F(ResourceFile, NamesReloadWhenAutoLoadIsOn)
{
    TPictureEx picture;
    TResourceImageLoader loader(picture);
    EXPECT_TRUE(loader.AutoLoad());
    loader.SetResFile(Path("pictures.res"));
    loader.SetResType(QStringLiteral("RT_BITMAP"));
    EXPECT_EQ(picture.Graphic(), nullptr);
    loader.SetResName(QStringLiteral("LOGO"));
    EXPECT_NE(dynamic_cast<TSafetyBitmap*>(picture.Graphic()), nullptr);
    EXPECT_TRUE(picture.FromResource());

    // Each change loads the combination it makes; one that names no resource fails and
    // leaves the picture as it was.
    picture.SetGraphic(nullptr);
    loader.SetResName(QStringLiteral("#7"));
    EXPECT_NE(dynamic_cast<TSafetyBitmap*>(picture.Graphic()), nullptr);
    const TGraphic* before = picture.Graphic();
    ExpectNotFound([&] { loader.SetResType(QStringLiteral("JPEG")); }, QStringLiteral("#7"));
    EXPECT_EQ(picture.Graphic(), before);

    // Without AutoLoad nothing happens until Load.
    loader.SetAutoLoad(false);
    loader.SetResName(QStringLiteral("PHOTO"));
    EXPECT_EQ(picture.Graphic(), before);
    loader.Load();
    EXPECT_NE(dynamic_cast<TSafetyJPEGImage*>(picture.Graphic()), nullptr);
}

TEST_F(ResourceFile, LoadHandlerMayTakeOverAndFilledPicturesWriteNoData)
{
    TPictureEx picture;
    TResourceImageLoader loader(picture);
    QByteArray seen;
    loader.SetOnLoad([&](const QByteArray& data, TPictureEx& target) {
        seen = data;
        target.SetGraphic(std::make_unique<TSafetyJPEGImage>());
        target.JPEG().LoadFromBytes(data);
        return true;
    });
    loader.SetAutoLoad(false);
    loader.SetResFile(Path("pictures.res"));
    loader.SetResType(QStringLiteral("JPEG"));
    loader.SetResName(QStringLiteral("PHOTO"));
    loader.Load();
    EXPECT_EQ(seen, testsupport::ReadFileBytes(Path("photo.jpg")));
    EXPECT_TRUE(picture.FromResource());

    struct Filer : TFiler {
        bool hasData = true;
        void DefineProperty(const char*, ReadProc, WriteProc, bool) override {}
        void DefineBinaryProperty(const char*, ReadBinaryProc, WriteBinaryProc, bool data) override { hasData = data; }
    } filer;
    picture.DefineProperties(filer);
    EXPECT_FALSE(filer.hasData);
}

TEST_F(ResourceFile, FilledPicturesStreamOnlyTheirLoaderAndComeBackOnReading)
{
    TPictureHolder holder;
    holder.Loader()->SetResFile(Path("pictures.res"));
    holder.Loader()->SetResType(QStringLiteral("CBM"));
    holder.Loader()->SetResName(QStringLiteral("TILE"));
    ASSERT_TRUE(holder.Picture()->FromResource());
    const QByteArray stream = ComponentBytes(holder);
    EXPECT_EQ(stream.indexOf("Picture.Data"), -1);
    EXPECT_NE(stream.indexOf("Loader.ResName"), -1);

    const auto back = picturetest::ReadHolder(stream);
    EXPECT_TRUE(back->Picture()->FromResource());
    EXPECT_TRUE(SamePixels(back->Picture()->Bitmap().Image(), holder.Picture()->Bitmap().Image()));
}

TEST_F(ResourceFile, PublishedPropertiesInStreamOrder)
{
    const auto& properties = TResourceImageLoader::StaticClassInfo().Properties();
    ASSERT_EQ(properties.size(), 4u);
    EXPECT_STREQ(properties[0]->Name, "ResFile");
    EXPECT_STREQ(properties[1]->Name, "ResType");
    EXPECT_STREQ(properties[2]->Name, "ResName");
    EXPECT_STREQ(properties[3]->Name, "AutoLoad");
    EXPECT_EQ(properties[3]->DefaultValue, 1);
}

namespace {

// One record: sizes, type and name ids, the fixed fields, the data, padding.
QByteArray Record(const QByteArray& typeId, const QByteArray& nameId, const QByteArray& data)
{
    QByteArray header = typeId + nameId;
    while (header.size() % 4)
        header.append('\0');
    header.append(QByteArray(16, '\0'));
    QByteArray record(8, '\0');
    qToLittleEndian(quint32(data.size()), record.data());
    qToLittleEndian(quint32(8 + header.size()), record.data() + 4);
    record += header + data;
    while (record.size() % 4)
        record.append('\0');
    return record;
}

QByteArray Ordinal(quint16 value)
{
    QByteArray id(4, '\0');
    qToLittleEndian(quint16(0xFFFF), id.data());
    qToLittleEndian(value, id.data() + 2);
    return id;
}

QByteArray Utf16(const char16_t* text)
{
    QByteArray id(reinterpret_cast<const char*>(text), qsizetype(std::char_traits<char16_t>::length(text) * 2));
    return id.append(2, '\0');
}

} // namespace

TEST(ResourceParser, FindsRecordsAndStopsAtTheFirstThatDoesNotFit)
{
    const QByteArray file = Record(Ordinal(0), Ordinal(0), {}) + Record(Utf16(u"JPEG"), Utf16(u"A"), "odd") +
                            Record(Ordinal(2), Utf16(u"Pic"), "bitmap") + Record(Utf16(u"X"), Ordinal(9), "nine");
    const TResourceId jpeg = TResourceId::FromType(QStringLiteral("jpeg"));
    EXPECT_EQ(FindResource(file, jpeg, TResourceId::FromName(QStringLiteral("a"))), QByteArray("odd"));
    EXPECT_EQ(FindResource(file, TResourceId::FromType(QStringLiteral("RT_BITMAP")),
                           TResourceId::FromName(QStringLiteral("PIC"))),
              QByteArray("bitmap"));
    EXPECT_EQ(FindResource(file, TResourceId::FromType(QStringLiteral("x")), TResourceId::FromName(QStringLiteral("#9"))),
              QByteArray("nine"));
    EXPECT_FALSE(FindResource(file, TResourceId::FromType(QStringLiteral("#2")), TResourceId::FromName(QStringLiteral("#9"))));

    struct Case {
        const char* name;
        QByteArray file;
    };
    QByteArray hugeData = Record(Utf16(u"JPEG"), Utf16(u"A"), "data");
    qToLittleEndian(quint32(0xFFFFFFF0), hugeData.data());
    QByteArray tinyHeader = Record(Utf16(u"JPEG"), Utf16(u"A"), "data");
    qToLittleEndian(quint32(8), tinyHeader.data() + 4);
    QByteArray unterminated = Record(Utf16(u"JPEG"), Utf16(u"A"), "data");
    qToLittleEndian(quint32(12), unterminated.data() + 4);
    const Case broken[] = {
        {"data size beyond the file", hugeData},
        {"header too small", tinyHeader},
        {"name not terminated in the header", unterminated},
        {"cut in the middle", Record(Utf16(u"JPEG"), Utf16(u"A"), "data").left(20)},
        {"empty", QByteArray()},
    };
    for (const Case& c : broken) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(FindResource(c.file, jpeg, TResourceId::FromName(QStringLiteral("A"))));
    }
}
