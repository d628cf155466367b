// The own tag reader on files built byte by byte: frame-header times, tag merging, genre
// references, long and non-text frames, and hostile sizes.
#include "music/tags/genre_names.h"
#include "music/tags/mp3_file_info.h"
#include "support/test_support.h"

#include <QTemporaryDir>

namespace {

QByteArray BigEndian(quint32 value, int bytes)
{
    QByteArray out;
    for (int i = bytes - 1; i >= 0; --i)
        out.append(static_cast<char>(value >> (8 * i)));
    return out;
}

QByteArray Synchsafe(quint32 size)
{
    QByteArray out;
    for (int shift : {21, 14, 7, 0})
        out.append(static_cast<char>((size >> shift) & 0x7F));
    return out;
}

// An ID3v2.3 tag from frames (id, body).
QByteArray Id3v23(const std::vector<std::pair<QByteArray, QByteArray>>& frames, int padding = 16)
{
    QByteArray body;
    for (const auto& [id, data] : frames)
        body += id + BigEndian(static_cast<quint32>(data.size()), 4) + QByteArray(2, '\0') + data;
    body += QByteArray(padding, '\0');
    return QByteArray("ID3\x03\x00\x00", 6) + Synchsafe(static_cast<quint32>(body.size())) + body;
}

QByteArray Text(const QByteArray& text)
{
    return QByteArray(1, '\0') + text;
}

// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, stereo: a frame header followed by zeros.
QByteArray Mpeg1Audio(int size)
{
    QByteArray audio(size, '\0');
    audio.replace(0, 4, QByteArray("\xFF\xFB\x90\x00", 4));
    return audio;
}

QByteArray Id3v1(const QByteArray& title, const QByteArray& artist, int genre)
{
    QByteArray tag("TAG");
    tag += title.leftJustified(30, '\0') + artist.leftJustified(30, '\0') + QByteArray(30, '\0') + QByteArray(4, '\0')
           + QByteArray(30, '\0');
    tag.append(static_cast<char>(genre));
    return tag;
}

class TagReaderTest : public ::testing::Test {
protected:
    TMP3FileInfo Read(const QByteArray& bytes, bool* result = nullptr, const QString& name = QStringLiteral("track.mp3"))
    {
        TMP3FileInfo info;
        info.FileName = dir_.filePath(name);
        testsupport::WriteFileBytes(info.FileName, bytes);
        const bool read = info.Read();
        if (result)
            *result = read;
        return info;
    }

    QTemporaryDir dir_;
};

} // namespace

TEST_F(TagReaderTest, ConstantBitrateTimeFromTheStreamSize)
{
    bool read = false;
    const TMP3FileInfo info = Read(Mpeg1Audio(4000000), &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(info.Seconds(), 250);
    EXPECT_EQ(info.Title(), QStringLiteral("track"));
    EXPECT_TRUE(info.TitleFromFileName());
}

TEST_F(TagReaderTest, VariableRateHeaders)
{
    // Xing after 32 bytes of side information: frames flag, 1,000 frames of 1152 samples.
    QByteArray xing = Mpeg1Audio(4096);
    xing.replace(36, 12, QByteArray("Xing") + BigEndian(1, 4) + BigEndian(1000, 4));
    EXPECT_EQ(Read(xing).Seconds(), 1000 * 1152 / 44100);

    QByteArray noFrames = Mpeg1Audio(4096);
    noFrames.replace(36, 12, QByteArray("Xing") + BigEndian(0, 4) + BigEndian(1000, 4));
    bool read = false;
    EXPECT_EQ(Read(noFrames, &read).Seconds(), 0);
    EXPECT_TRUE(read);

    // MPEG-2 Layer III, 22050 Hz, mono: 9 bytes of side information, 576 samples a frame.
    QByteArray mpeg2(4096, '\0');
    mpeg2.replace(0, 4, QByteArray("\xFF\xF3\x40\xC0", 4));
    mpeg2.replace(13, 12, QByteArray("Xing") + BigEndian(1, 4) + BigEndian(2000, 4));
    EXPECT_EQ(Read(mpeg2).Seconds(), 2000 * 576 / 22050);

    QByteArray vbri = Mpeg1Audio(4096);
    vbri.replace(36, 18, QByteArray("VBRI") + QByteArray(10, '\0') + BigEndian(441, 4));
    EXPECT_EQ(Read(vbri).Seconds(), 441 * 1152 / 44100);
}

TEST_F(TagReaderTest, SyncFoundNearTheAudioStart)
{
    const QByteArray audio = QByteArray(100, '\x11') + Mpeg1Audio(16000);
    bool read = false;
    const TMP3FileInfo info = Read(audio, &read);
    EXPECT_TRUE(read);
    EXPECT_EQ(info.Seconds(), 16100 * 8 / 128000);
}

TEST_F(TagReaderTest, Id3v2TextsOverId3v1AndGenreReferences)
{
    const QByteArray tag = Id3v23({{"TIT2", Text("New Title")}, {"TCON", Text("(17)Rock")}});
    const TMP3FileInfo info = Read(tag + Mpeg1Audio(20000) + Id3v1("Old Title", "Old Artist", 8));
    EXPECT_EQ(info.Title(), QStringLiteral("New Title"));
    EXPECT_EQ(info.Artist(), QStringLiteral("Old Artist"));
    EXPECT_EQ(info.Genre(), QStringLiteral("RockRock"));
    EXPECT_FALSE(info.TitleFromFileName());
}

TEST(GenreNames, TableAndReferences)
{
    EXPECT_EQ(GenreName(0), QStringLiteral("Blues"));
    EXPECT_EQ(GenreName(67), QStringLiteral("Psychadelic"));
    EXPECT_EQ(GenreName(78), QStringLiteral("Rock & Roll"));
    EXPECT_EQ(GenreName(80), QStringLiteral("Folk(WINAMP)"));
    EXPECT_EQ(GenreName(125), QStringLiteral("Dance Hall(WINAMP)"));
    EXPECT_EQ(GenreName(126), QStringLiteral("Unknown(126)"));
    const std::vector<std::pair<QString, QString>> cases{
        {"(17)", "Rock"}, {"(17)Rock", "RockRock"}, {"(200)", "Unknown(200)"}, {"(RX)", "Blues"},
        {"((Not a ref)", "((Not a ref)"}, {"Jazz", "Jazz"}};
    for (const auto& [text, name] : cases)
        EXPECT_EQ(GenreText(text), name) << text.toStdString();
}

TEST_F(TagReaderTest, LongTextsNonTextFramesAndEncodings)
{
    const QByteArray longTitle(300, 'L');
    const QByteArray utf16 = QByteArray("\x01\xFF\xFE", 3) + QByteArray("T\0i\0t\0\0\0", 8);
    const QByteArray tag = Id3v23({{"APIC", QByteArray(500, '\x7F')},
                                   {"TIT2", Text(longTitle)},
                                   {"TPE1", QByteArray("\x03") + QStringLiteral("歌手").toUtf8()},
                                   {"TALB", QByteArray("\x02", 1) + QByteArray("\0A\0l\0b", 6)},
                                   {"TCOM", utf16},
                                   {"TYER", Text(QByteArray("\x93\xfa\x96\x7b", 4))}});
    const TMP3FileInfo info = Read(tag + Mpeg1Audio(8000));
    EXPECT_EQ(info.Title(), QString::fromLatin1(longTitle));
    EXPECT_EQ(info.Artist(), QStringLiteral("歌手"));
    EXPECT_EQ(info.Album(), QStringLiteral("Alb"));
    EXPECT_EQ(info.Comment(), QStringLiteral("Tit"));
    EXPECT_EQ(info.Year(), QStringLiteral("日本"));
}

TEST_F(TagReaderTest, SmallFilesAreNotExaminedForWrappersOrId3v1)
{
    QByteArray file = Id3v1("Title", "Artist", 1);
    ASSERT_EQ(file.size(), 128);
    bool read = true;
    const TMP3FileInfo info = Read(file, &read);
    EXPECT_FALSE(read);
    EXPECT_TRUE(info.Title().isEmpty());
}

TEST_F(TagReaderTest, HostileSizesGiveNoTextsOrNoTime)
{
    struct TCase {
        const char* Name;
        QByteArray Bytes;
    };
    QByteArray hugeFrame = Id3v23({{"TIT2", Text("x")}});
    hugeFrame.replace(14, 4, BigEndian(0x7FFFFFF0, 4));
    QByteArray hugeTag = QByteArray("ID3\x03\x00\x00", 6) + QByteArray("\x7F\x7F\x7F\x7F", 4) + Mpeg1Audio(2000);
    QByteArray riff = QByteArray("RIFF") + BigEndian(0, 4) + QByteArray("WAVE") + QByteArray("LIST")
                      + QByteArray("\xF0\xFF\xFF\x7F", 4) + QByteArray("INFOINAM") + QByteArray("\xFF\xFF\xFF\x7F", 4);
    QByteArray macBinary(128, '\0');
    macBinary[1] = 4;
    macBinary.replace(83, 4, QByteArray("\x7F\xFF\xFF\xFF", 4));
    macBinary += Mpeg1Audio(1000);
    QByteArray xingOverflow = Mpeg1Audio(4096);
    xingOverflow.replace(36, 12, QByteArray("Xing") + BigEndian(1, 4) + BigEndian(0xFFFFFFFF, 4));
    const std::vector<TCase> cases{
        {"frame size beyond the tag", hugeFrame + Mpeg1Audio(1000)},
        {"tag size beyond the file", hugeTag},
        {"chunk sizes beyond the file", riff + QByteArray(400, '\0')},
        {"fork beyond the file", macBinary},
        {"huge frame count", xingOverflow},
        {"truncated header", QByteArray("ID3\x03", 4)},
        {"empty", QByteArray()},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TMP3FileInfo info = Read(c.Bytes);
        EXPECT_GE(info.Seconds(), 0);
        EXPECT_LE(info.Title().size(), 64);
    }
    bool read = true;
    Read(hugeTag, &read);
    EXPECT_FALSE(read);
    EXPECT_EQ(Read(xingOverflow).Seconds(), static_cast<int>(0xFFFFFFFFull * 1152 / 44100));
}

TEST_F(TagReaderTest, MissingFileFails)
{
    TMP3FileInfo info;
    info.FileName = QStringLiteral("/nonexistent/track.mp3");
    EXPECT_FALSE(info.Read());
}
