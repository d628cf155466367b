// Files made by independent tools read the same through our readers as through mutagen
// and TagLib: title, artist, album and whole seconds.
#include "audio_fixtures.h"

#include "music/tags/audio_file.h"
#include "music/tags/mp3_file_info.h"
#include "music/tags/taglib_reader.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>

#include <taglib/wavfile.h>

namespace {

// Texts mutagen does not read (RIFF INFO), as the fixture script wrote them.
const QJsonObject kWaveTexts{{"title", "Wave Title"}, {"artist", "Wave Artist"}, {"album", "Wave Album"}};

struct TExpected {
    QString Title, Artist, Album;
    int Seconds;
};

TExpected Expected(const QString& name, const QJsonObject& mutagen)
{
    const QJsonObject texts = name == QLatin1String("info.wav") ? kWaveTexts : mutagen;
    return {texts[QLatin1String("title")].toString(), texts[QLatin1String("artist")].toString(),
            texts[QLatin1String("album")].toString(), mutagen[QLatin1String("seconds")].toInt()};
}

} // namespace

TEST(AudioInterop, EveryFixtureReadsAsMutagenAndTagLibReadIt)
{
    const QString dir = AudioFixtureDir();
    ASSERT_FALSE(dir.isEmpty());
    const QJsonObject report = MutagenReport();
    ASSERT_GE(report.size(), 13);
    for (auto it = report.begin(); it != report.end(); ++it) {
        SCOPED_TRACE(it.key().toStdString());
        const QString path = QDir(dir).filePath(it.key());
        const TExpected expected = Expected(it.key(), it.value().toObject());
        ASSERT_FALSE(expected.Title.isEmpty());
        ASSERT_GT(expected.Seconds, 0);

        const TAudioFileInfo ours = ReadAudioFile(path);
        EXPECT_TRUE(ours.Read);
        EXPECT_EQ(ours.Title, expected.Title);
        EXPECT_EQ(ours.Artist, expected.Artist);
        EXPECT_EQ(ours.Album, expected.Album);
        EXPECT_EQ(ours.Seconds, expected.Seconds);

        // TagLib agrees on the files it reads: it cannot see inside a MacBinary wrapper and
        // reads single-byte frames as Latin-1.
        if (it.key() == QLatin1String("macbinary.mp3"))
            continue;
        const std::optional<TTagLibInfo> taglib = ReadWithTagLib(path);
        ASSERT_TRUE(taglib.has_value());
        EXPECT_EQ(taglib->Seconds, expected.Seconds);
        if (it.key() == QLatin1String("info.wav")) {
            // FileRef shows a WAVE file's ID3 tag; the INFO texts are a tag of their own.
            TagLib::RIFF::WAV::File wave(QFile::encodeName(path).constData());
            ASSERT_TRUE(wave.hasInfoTag());
            EXPECT_EQ(QString::fromStdString(wave.InfoTag()->title().to8Bit(true)), expected.Title);
            EXPECT_EQ(QString::fromStdString(wave.InfoTag()->artist().to8Bit(true)), expected.Artist);
            EXPECT_EQ(QString::fromStdString(wave.InfoTag()->album().to8Bit(true)), expected.Album);
        } else if (it.key() != QLatin1String("id3v23_sjis.mp3")) {
            EXPECT_EQ(taglib->Title, expected.Title);
            EXPECT_EQ(taglib->Artist, expected.Artist);
            EXPECT_EQ(taglib->Album, expected.Album);
        }
    }
}

TEST(AudioInterop, OwnReaderCoversMp3AndWaveUpToId3v23)
{
    const QString dir = AudioFixtureDir();
    ASSERT_FALSE(dir.isEmpty());
    const QJsonObject report = MutagenReport();
    for (const char* name : {"id3v1.mp3", "id3v22.mp3", "id3v23_sjis.mp3", "id3v23_utf16.mp3", "vbr_mpeg2.mp3",
                             "cbr_mpeg2_mono.mp3", "macbinary.mp3", "info.wav"}) {
        SCOPED_TRACE(name);
        const TExpected expected = Expected(QLatin1String(name), report[QLatin1String(name)].toObject());
        TMP3FileInfo info;
        info.FileName = QDir(dir).filePath(QLatin1String(name));
        ASSERT_TRUE(info.Read());
        EXPECT_FALSE(info.TitleFromFileName());
        EXPECT_EQ(info.Title(), expected.Title);
        EXPECT_EQ(info.Artist(), expected.Artist);
        EXPECT_EQ(info.Album(), expected.Album);
        EXPECT_EQ(info.Seconds(), expected.Seconds);
    }
    // An ID3v2.4 tag is left to TagLib: the own reader sees no texts and no frames.
    TMP3FileInfo later;
    later.FileName = QDir(dir).filePath(QStringLiteral("id3v24_utf8.mp3"));
    later.Read();
    EXPECT_EQ(later.Id3v2Version(), 4);
    EXPECT_TRUE(later.Artist().isEmpty());
}
