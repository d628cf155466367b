#include "objects/pictures/shade_list.h"

#include "platform/shift_jis.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QByteArray ShiftJIS(const QString& text)
{
    return *EncodeShiftJIS(text);
}

} // namespace

TEST(ShadeList, GenresInFileOrderWithTheirEntries)
{
    const auto genres = ParseShadeList(ShiftJIS(QStringLiteral(
        "[ぼかし]\r\nFolder=Shade\\Soft\r\nFile1=a_p.bmp,a_s.bmp,a_f.bmp\r\nNote=ignored\r\nFile2=b_p.bmp,b_s.bmp\r\n"
        "[星]\r\nFile=c_p.bmp\r\nFolder=Shade\\Star\r\n")));
    ASSERT_EQ(genres.size(), 2u);
    EXPECT_EQ(genres[0].Name, QStringLiteral("ぼかし"));
    EXPECT_EQ(genres[0].Folder, QStringLiteral("Shade\\Soft"));
    ASSERT_EQ(genres[0].Entries.size(), 2u);
    EXPECT_EQ(genres[0].Entries[0].Soft, QStringLiteral("a_f.bmp"));
    EXPECT_EQ(genres[0].Entries[1].Sharp, QStringLiteral("b_s.bmp"));
    EXPECT_TRUE(genres[0].Entries[1].Soft.isEmpty());
    EXPECT_EQ(genres[1].Name, QStringLiteral("星"));
    ASSERT_EQ(genres[1].Entries.size(), 1u);
    EXPECT_TRUE(genres[1].Entries[0].Sharp.isEmpty());
}

TEST(ShadeList, MissingFileHasNoGenres)
{
    EXPECT_TRUE(LoadShadeList(QStringLiteral("/nonexistent/Shade.dat")).empty());
}

// The loaded picture comes from the preview's folder: soft when asked for, sharp otherwise,
// the preview itself when that name is empty.
TEST(ShadeList, PictureOfAnEntryComesFromThePreviewsFolder)
{
    TShadeGenre genre;
    genre.FolderPath = QStringLiteral("/data/Shade");
    const TShadeEntry two{QStringLiteral("thumbs/x_p.bmp"), QStringLiteral("x_s.bmp"), QString()};
    EXPECT_EQ(ShadePicturePath(genre, two, false), QStringLiteral("/data/Shade/thumbs/x_s.bmp"));
    EXPECT_EQ(ShadePicturePath(genre, two, true), QStringLiteral("/data/Shade/thumbs/x_p.bmp"));
    const TShadeEntry three{QStringLiteral("y_p.bmp"), QStringLiteral("y_s.bmp"), QStringLiteral("y_f.bmp")};
    EXPECT_EQ(ShadePicturePath(genre, three, true), QStringLiteral("/data/Shade/y_f.bmp"));
    genre.FolderPath.clear();
    EXPECT_TRUE(ShadePicturePath(genre, three, true).isEmpty());
}
