// The list of the background library: genres, titles and paths read from it, and every
// damaged or hostile list refused with a message instead of pictures.
#include "objects/backgrounds/background_library.h"
#include "platform/shift_jis.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kList = QStringLiteral("BackGrnd.dat");

TBackgroundLibrary Parse(const QString& text)
{
    return ParseBackgroundLibrary(*EncodeShiftJIS(text), QStringLiteral("/data"), kList);
}

} // namespace

TEST(BackgroundLibrary, ListsThePicturesOfEveryGenreBelowTheDataFolder)
{
    const TBackgroundLibrary library = Parse(QStringLiteral("; shipped pictures\r\n"
                                                            "[空]\r\nFolder=BackGrnd\\Image\r\nFile1=pv_sky.jpg,sky.jpg,青空\r\n"
                                                            "Other=ignored\r\nFile2= pv_night.jpg , night.jpg \r\n"
                                                            "[もよう]\r\nFolder=BackGrnd/Pattern\\\r\nFILE9=a.bmp,b.png,\r\n"));
    EXPECT_TRUE(library.Error.isEmpty());
    ASSERT_EQ(library.Pictures.size(), 3u);
    const TLibraryPicture& sky = library.Pictures[0];
    EXPECT_EQ(sky.Genre, QStringLiteral("空"));
    EXPECT_EQ(sky.Title, QStringLiteral("青空"));
    EXPECT_EQ(sky.PreviewPath, QStringLiteral("/data/BackGrnd/Image/pv_sky.jpg"));
    EXPECT_EQ(sky.PicturePath, QStringLiteral("/data/BackGrnd/Image/sky.jpg"));
    // Without a title the picture's name stands for it.
    EXPECT_EQ(library.Pictures[1].Title, QStringLiteral("night"));
    EXPECT_EQ(library.Pictures[1].PicturePath, QStringLiteral("/data/BackGrnd/Image/night.jpg"));
    EXPECT_EQ(library.Pictures[2].Genre, QStringLiteral("もよう"));
    EXPECT_EQ(library.Pictures[2].Title, QStringLiteral("b"));
    EXPECT_EQ(library.Pictures[2].PicturePath, QStringLiteral("/data/BackGrnd/Pattern/b.png"));
}

TEST(BackgroundLibrary, NamesLikeResourcePathsStayBelowTheDataFolder)
{
    const TBackgroundLibrary library = Parse(QStringLiteral("[A]\r\nFolder=:Image\r\nFile1=:p.jpg,:q.jpg\r\n"));
    ASSERT_EQ(library.Pictures.size(), 1u);
    EXPECT_EQ(library.Pictures[0].PreviewPath, QStringLiteral("/data/:Image/:p.jpg"));
    EXPECT_EQ(library.Pictures[0].PicturePath, QStringLiteral("/data/:Image/:q.jpg"));
}

TEST(BackgroundLibrary, DamagedOrHostileListsGiveNoPicturesAndAMessage)
{
    QString tooMany = QStringLiteral("[A]\r\nFolder=Image\r\n");
    for (int i = 0; i <= kMaxLibraryPictures; ++i)
        tooMany += QStringLiteral("File%1=p.jpg,q.jpg\r\n").arg(i);
    const std::vector<std::pair<const char*, QString>> cases = {
        {"empty", QString()},
        {"no sections", QStringLiteral("File1=a.jpg,b.jpg\r\n")},
        {"no pictures", QStringLiteral("[A]\r\nFolder=Image\r\n")},
        {"no folder", QStringLiteral("[A]\r\nFile1=a.jpg,b.jpg\r\n")},
        {"empty folder", QStringLiteral("[A]\r\nFolder=\r\nFile1=a.jpg,b.jpg\r\n")},
        {"root folder", QStringLiteral("[A]\r\nFolder=\\\r\nFile1=a.jpg,b.jpg\r\n")},
        {"doubled separator", QStringLiteral("[A]\r\nFolder=BackGrnd\\\\Image\r\nFile1=a.jpg,b.jpg\r\n")},
        {"absolute folder", QStringLiteral("[A]\r\nFolder=/etc\r\nFile1=a.jpg,passwd\r\n")},
        {"folder upwards", QStringLiteral("[A]\r\nFolder=BackGrnd\\..\\..\r\nFile1=a.jpg,b.jpg\r\n")},
        {"name upwards", QStringLiteral("[A]\r\nFolder=Image\r\nFile1=a.jpg,..\r\n")},
        {"name with a folder", QStringLiteral("[A]\r\nFolder=Image\r\nFile1=a.jpg,sub\\b.jpg\r\n")},
        {"one name", QStringLiteral("[A]\r\nFolder=Image\r\nFile1=a.jpg\r\n")},
        {"no preview", QStringLiteral("[A]\r\nFolder=Image\r\nFile1=,b.jpg\r\n")},
        {"four fields", QStringLiteral("[A]\r\nFolder=Image\r\nFile1=a.jpg,b.jpg,c,d\r\n")},
        {"one bad entry among good ones", QStringLiteral("[A]\r\nFolder=Image\r\nFile1=a.jpg,b.jpg\r\nFile2=a.jpg,../b.jpg\r\n")},
        {"too many pictures", tooMany},
    };
    for (const auto& [name, text] : cases) {
        const TBackgroundLibrary library = Parse(text);
        EXPECT_TRUE(library.Pictures.empty()) << name;
        EXPECT_EQ(library.Error, QStringLiteral("背景集の一覧「BackGrnd.dat」が正しくありません")) << name;
    }
    static const char kBinary[] = "\x00\xFF[\x81\x00=\x01\xFE]\n\xFF\xFF=\n";
    const QByteArray binary(kBinary, sizeof kBinary - 1);
    EXPECT_TRUE(ParseBackgroundLibrary(binary, QStringLiteral("/data"), kList).Pictures.empty());
}

TEST(BackgroundLibrary, AMissingListSaysSo)
{
    QTemporaryDir data;
    const TBackgroundLibrary missing = LoadBackgroundLibrary(data.path());
    EXPECT_TRUE(missing.Pictures.empty());
    EXPECT_EQ(missing.Error, QStringLiteral("背景集の一覧「%1」が見つかりません").arg(BackgroundLibraryPath(data.path())));

    ASSERT_TRUE(QDir(data.path()).mkpath(QStringLiteral("BackGrnd")));
    QFile file(BackgroundLibraryPath(data.path()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[A]\r\nFolder=BackGrnd\\Image\r\nFile1=a.jpg,b.jpg\r\n");
    file.close();
    const TBackgroundLibrary read = LoadBackgroundLibrary(data.path());
    ASSERT_EQ(read.Pictures.size(), 1u);
    EXPECT_EQ(read.Pictures[0].PicturePath, data.filePath(QStringLiteral("BackGrnd/Image/b.jpg")));
}
