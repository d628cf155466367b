// Album CSV export and import, and the general CSV table.
#include "album_fixtures.h"
#include "music/album/albums.h"
#include "music/csv/album_csv_file.h"
#include "music/csv/csv_data.h"
#include "music/csv/csv_text.h"
#include "music/music_classes.h"
#include "platform/shift_jis.h"
#include "support/test_support.h"

#include <QTemporaryDir>

namespace {

constexpr TAlbumCsvMapping kAllColumns{0, 1, 2, 3, 4};

std::vector<std::unique_ptr<TAlbumInfo>> Import(const QString& text, const TAlbumCsvMapping& mapping, bool* ok = nullptr)
{
    std::vector<std::unique_ptr<TAlbumInfo>> albums;
    const bool result = ImportAlbumCsv(SplitCsvRecords(text), mapping, [&](const TAlbumInfo& album) { albums.push_back(album.Clone()); });
    if (ok)
        *ok = result;
    return albums;
}

class AlbumCsvTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        RegisterMusicClasses();
        albums_.Open(dir_.filePath(QStringLiteral("Albums.dat")));
    }

    QTemporaryDir dir_;
    TAlbums albums_;
};

} // namespace

TEST(AlbumCsv, ExportRowsOfOneAlbum)
{
    const auto album = MakeAlbum(QStringLiteral("A"), QStringLiteral("B"), {{"T", "3:25", "B", "A"}});
    EXPECT_EQ(AlbumCsvRows(*album, {}), (QStringList{",タイトル,時間,アーティスト,アルバム", "アルバム,A,,B,", "1,T,3:25,B,A"}));
    TAlbumCsvExportOptions options;
    options.Order = {cfTitle, cfNumber, cfArtist, cfTime, cfAlbum};
    options.Checked[cfTime] = false;
    options.HeaderRow = false;
    EXPECT_EQ(AlbumCsvRows(*album, options), (QStringList{"A,アルバム,B,", "T,1,B,A"}));
}

TEST(AlbumCsv, ImportEdgeCases)
{
    // The header row is no album row: it becomes a track of an album without title.
    auto albums = Import(QStringLiteral(",タイトル,時間,アーティスト,アルバム\r\nアルバム,A,,B,\r\n1,T,3:25,B,A\r\n"), kAllColumns);
    ASSERT_EQ(albums.size(), 2u);
    EXPECT_TRUE(albums[0]->SameAs(*MakeAlbum({}, {}, {{"タイトル", "時間", "アーティスト", "アルバム"}})));
    EXPECT_TRUE(albums[1]->SameAs(*MakeAlbum("A", "B", {{"T", "3:25", "B", "A"}})));

    albums = Import(QStringLiteral("アルバム,A,,B,\nアルバム,C,,D,\n1,t,,,\n"), kAllColumns);
    ASSERT_EQ(albums.size(), 2u);
    EXPECT_EQ(albums[0]->TrackCount(), 0);
    EXPECT_EQ(albums[0]->Title(), QStringLiteral("A"));
    EXPECT_EQ(albums[1]->Title(), QStringLiteral("C"));

    TAlbumCsvMapping untied = kAllColumns;
    untied[cfNumber] = -1;
    albums = Import(QStringLiteral("アルバム,A,,B,\n1,t,,,\n"), untied);
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0]->TrackCount(), 2);

    bool ok = true;
    albums = Import(QStringLiteral("アルバム,A,,B,\n1,t,,,\nアルバム,C,,D,\n\n2,u,,,\n"), kAllColumns, &ok);
    EXPECT_FALSE(ok);
    ASSERT_EQ(albums.size(), 1u);
    EXPECT_EQ(albums[0]->Title(), QStringLiteral("A"));
}

TEST(AlbumCsv, SplittingKeepsQuotesUntilTheyAreRemoved)
{
    const std::vector<QStringList> records = SplitCsvRecords(QStringLiteral("a,\n\"x,y\",5\" disc\n\n"));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0], (QStringList{"a", ""}));
    EXPECT_EQ(records[1], (QStringList{"\"x,y\"", "5\" disc"}));
    EXPECT_EQ(records[2], QStringList{""});
    EXPECT_EQ(AlbumCsvColumnValue(records[1][0]), QStringLiteral("x,y"));
    EXPECT_EQ(AlbumCsvColumnValue(QStringLiteral("\"")), QStringLiteral("\""));
}

TEST_F(AlbumCsvTest, QuotesCommasAndLineBreaksRoundTrip)
{
    albums_.Write(*MakeAlbum(QStringLiteral("Best, Vol. 1"), QStringLiteral("The \"Band\""),
                         {{"Line\r\nbreak", "3:25", "Comma, Artist", "\"Quoted\""}, {"普通の曲", "4:00", "歌手", "盤"}}),
                  0);
    albums_.Write(*MakeAlbum(QStringLiteral("Second"), QStringLiteral("X"), {{"Lone \" quote", "", "", "a\nb"}}), -1);
    TAlbumCsvExportOptions options;
    options.AllAlbums = true;
    options.HeaderRow = false;
    const QString file = dir_.filePath(QStringLiteral("out.csv"));
    ASSERT_EQ(ExportAlbumsCsv(albums_, 0, options, file), TCsvExportResult::Written);
    EXPECT_TRUE(DecodeShiftJIS(testsupport::ReadFileBytes(file)).startsWith(QStringLiteral("アルバム,\"Best, Vol. 1\",,\"The \"\"Band\"\"\",\r\n")));

    const std::optional<std::vector<QStringList>> records = ReadCsvRecords(file);
    ASSERT_TRUE(records.has_value());
    TAlbums imported;
    imported.Open(dir_.filePath(QStringLiteral("Imported.dat")), true);
    ASSERT_TRUE(ImportAlbumsCsv(imported, *records, kAllColumns));
    ASSERT_EQ(imported.Count(), 3);
    EXPECT_TRUE(imported.Album(1).SameAs(albums_.Album(0)));
    EXPECT_TRUE(imported.Album(2).SameAs(albums_.Album(1)));
}

TEST_F(AlbumCsvTest, ExportFailuresAndUtf8Choice)
{
    albums_.Write(*MakeAlbum(QStringLiteral("한국어"), {}, {}), 0);
    const QString file = dir_.filePath(QStringLiteral("k.csv"));
    EXPECT_EQ(ExportAlbumsCsv(albums_, 0, {}, file), TCsvExportResult::WriteFailed);
    TAlbumCsvExportOptions utf8;
    utf8.Utf8 = true;
    ASSERT_EQ(ExportAlbumsCsv(albums_, 0, utf8, file), TCsvExportResult::Written);
    EXPECT_TRUE(testsupport::ReadFileBytes(file).startsWith("\xEF\xBB\xBF"));
    EXPECT_EQ((*ReadCsvRecords(file))[1][1], QStringLiteral("한국어"));
    EXPECT_EQ(ExportAlbumsCsv(albums_, 0, utf8, dir_.filePath(QStringLiteral("no/such/folder/x.csv"))),
              TCsvExportResult::CreateFailed);
    EXPECT_FALSE(ReadCsvRecords(dir_.filePath(QStringLiteral("missing.csv"))).has_value());
}

TEST(CsvText, SpreadsheetUtf8AndShiftJis)
{
    const QString text = QStringLiteral("1,夜明け,3:00,歌手,盤\r\n");
    EXPECT_EQ(DecodeCsvBytes(text.toUtf8()), text);
    EXPECT_EQ(DecodeCsvBytes("\xEF\xBB\xBF" + text.toUtf8()), text);
    EXPECT_EQ(DecodeCsvBytes(*EncodeShiftJIS(text)), text);
    // Half-width katakana in Shift-JIS are single bytes that are no valid UTF-8.
    EXPECT_EQ(DecodeCsvBytes(*EncodeShiftJIS(QStringLiteral("ｱｲｳ"))), QStringLiteral("ｱｲｳ"));
}

TEST(CsvData, RowParsingAndWriting)
{
    EXPECT_EQ(ParseCsvRow(QStringLiteral("a,\"b\"\"c\",d,")), (QStringList{"a", "b\"c", "d"}));
    EXPECT_EQ(ParseCsvRow(QStringLiteral("x, \"y\"")), (QStringList{"x", " \"y\""}));
    EXPECT_EQ(ParseCsvRow(QStringLiteral("\t\ta b,c")), (QStringList{"a b", "c"}));
    EXPECT_EQ(ParseCsvRow(QString::fromUtf16(u"a,b\0,c", 6)), (QStringList{"a", "b"}));
    EXPECT_EQ(FormatCsvRow({"a", "b c", "q\"", "d,e", ""}), QStringLiteral("a,\"b c\",\"q\"\"\",\"d,e\","));
    EXPECT_EQ(FormatCsvRow({""}), QStringLiteral("\"\""));
}

TEST(CsvData, TableLoadFindSortAndErrors)
{
    TCSVData table;
    table.SetHasHeader(true);
    table.Load("name,size\r\nbeta,2\r\nalpha,1\r\ngamma\r\n");
    EXPECT_FALSE(table.Modified());
    EXPECT_EQ(table.Header().Get(1), QStringLiteral("size"));
    ASSERT_EQ(table.RowCount(), 3);
    EXPECT_EQ(table.Row(2).Get(1), QString());
    EXPECT_EQ(table.Find(0, QStringLiteral("alpha")), 1);
    EXPECT_EQ(table.Find(5, QString()), 0);
    EXPECT_THROW(table.Find(-1, QString()), ECSVError);
    EXPECT_THROW(table.Row(3), ECSVError);
    table.Sort(0);
    EXPECT_TRUE(table.Modified());
    EXPECT_EQ(table.Row(0).Get(0), QStringLiteral("alpha"));
    table.SetField(2, 3, QStringLiteral("x y"));
    EXPECT_EQ(table.Row(2).Get(3), QStringLiteral("x y"));
    EXPECT_EQ(*table.Save(), QByteArray("name,size\r\nalpha,1\r\nbeta,2\r\ngamma,,,\"x y\"\r\n"));
    TCSVStringList list;
    list.Set(2, QStringLiteral("c"));
    EXPECT_EQ(list.Fields(), (QStringList{"", "", "c"}));
}
