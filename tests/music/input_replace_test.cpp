// Record text replacement: matching rules, accumulation and undo, conversions, and the
// album's lines.
#include "music/album/album_info.h"
#include "music/replace/input_replace.h"
#include "text/kana_conversions.h"

TEST(InputReplace, MatchingRules)
{
    struct TCase {
        QString Line, Search, Replacement;
        bool Strict;
        QString Result;
    };
    const std::vector<TCase> cases{
        {"イ", "ｲ", "x", false, "イ"},
        {"ABC abc", "abc", "-", false, "- -"},
        {"ABC abc", "abc", "-", true, "ABC -"},
        {"アいあ", "あ", "*", false, "*い*"},
        {"aaa", "a", "aa", false, "aaaaaa"},
        {"a-b-c", "-", "", false, "abc"},
        {"one\ttwo", "e\tt", "+", false, "on+wo"},
    };
    for (const TCase& c : cases) {
        TInputReplace replace;
        replace.SetLines({c.Line});
        replace.ReplaceAll(c.Search, c.Replacement, c.Strict);
        EXPECT_EQ(replace.Lines()[0], c.Result) << c.Line.toStdString() << " / " << c.Search.toStdString();
    }
}

TEST(InputReplace, ChangesAccumulateUntilUndone)
{
    TInputReplace replace;
    replace.SetLines({"cat dog", "Dog"});
    EXPECT_FALSE(replace.CanUndo());
    replace.ReplaceAll("dog", "fox", false);
    replace.ReplaceAll("cat", "owl", false);
    EXPECT_EQ(replace.Lines(), (QStringList{"owl fox", "fox"}));
    EXPECT_TRUE(replace.CanUndo());
    replace.ToUpper();
    EXPECT_EQ(replace.Lines()[0], QStringLiteral("OWL FOX"));
    replace.Undo();
    EXPECT_EQ(replace.Lines(), (QStringList{"cat dog", "Dog"}));
    EXPECT_FALSE(replace.CanUndo());
}

TEST(InputReplace, WidthConversions)
{
    TInputReplace replace;
    replace.SetLines({"ｶﾞｲﾄﾞ ABC 123"});
    replace.ToFullWidth();
    EXPECT_EQ(replace.Lines()[0], QStringLiteral("ガイド ＡＢＣ １２３"));
    TInputReplace half;
    half.SetLines({QStringLiteral("ガイド　ＡＢＣ　１２３　パン漢字")});
    half.ToHalfWidth();
    // The text room's conversion: the ideographic space has no half-width form there.
    EXPECT_EQ(half.Lines()[0], QStringLiteral("ｶﾞｲﾄﾞ　ABC　123　ﾊﾟﾝ漢字"));
    replace.ToLower();
    EXPECT_EQ(replace.Lines()[0], QStringLiteral("ガイド ａｂｃ １２３"));
}

TEST(InputReplace, AlbumLinesRoundTrip)
{
    TAlbumInfo album;
    album.SetTitle(QStringLiteral("Title"));
    album.SetArtist(QStringLiteral("Artist"));
    for (const char* name : {"one", "two"}) {
        TTrackInfo* track = album.Tracks()->AddTrack();
        track->SetTitle(QString::fromLatin1(name));
        track->SetTime(QStringLiteral("1:00"));
        track->SetArtist(QStringLiteral("A"));
        track->SetAlbum(QStringLiteral("B"));
    }
    QStringList lines = AlbumReplaceLines(album);
    EXPECT_EQ(lines, (QStringList{"Title", "Artist", "one\t1:00\tA\tB", "two\t1:00\tA\tB"}));
    lines[0] = QStringLiteral("New");
    lines[3] = QStringLiteral("zwei\t2:00");
    ApplyReplaceLines(lines, album);
    EXPECT_EQ(album.Title(), QStringLiteral("New"));
    EXPECT_EQ(album.Tracks()->Track(1)->Title(), QStringLiteral("zwei"));
    EXPECT_EQ(album.Tracks()->Track(1)->Time(), QStringLiteral("2:00"));
    EXPECT_EQ(album.Tracks()->Track(1)->Artist(), QStringLiteral("A"));
}
