// Reading the tags and playing times of a folder of 2,000 generated MP3 files (an ID3v2.3
// tag with title, artist and album, a Xing header frame, 40 audio frames, an ID3v1 tag),
// against TagLib reading the same files with its average-accuracy audio properties.
#include "music/tags/mp3_file_info.h"

#include <benchmark/benchmark.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <taglib/fileref.h>
#include <taglib/tag.h>

namespace {

constexpr int kFiles = 2000;
constexpr int kFrames = 40;
// MPEG-1 Layer III, 128 kbit/s, 44100 Hz, stereo: 417 bytes a frame.
constexpr int kFrameSize = 417;

QByteArray BigEndian(quint32 value)
{
    QByteArray bytes;
    for (int shift : {24, 16, 8, 0})
        bytes.append(static_cast<char>(value >> shift));
    return bytes;
}

QByteArray TextFrame(const char* id, const QByteArray& text)
{
    const QByteArray body = QByteArray(1, '\0') + text;
    return QByteArray(id) + BigEndian(static_cast<quint32>(body.size())) + QByteArray(2, '\0') + body;
}

QByteArray Mp3File(int n)
{
    QByteArray frames = TextFrame("TIT2", "Track " + QByteArray::number(n)) + TextFrame("TPE1", "Artist")
                        + TextFrame("TALB", "Album " + QByteArray::number(n / 12)) + QByteArray(64, '\0');
    const quint32 size = static_cast<quint32>(frames.size());
    QByteArray file = QByteArray("ID3\x03\x00\x00", 6);
    for (int shift : {21, 14, 7, 0})
        file.append(static_cast<char>((size >> shift) & 0x7F));
    file += frames;
    for (int i = 0; i < kFrames; ++i) {
        QByteArray frame(kFrameSize, '\0');
        frame.replace(0, 4, QByteArray("\xFF\xFB\x90\x00", 4));
        if (i == 0)
            frame.replace(36, 12, "Xing" + BigEndian(1) + BigEndian(kFrames - 1));
        file += frame;
    }
    QByteArray v1 = "TAG" + QByteArray("Track").leftJustified(30, '\0') + QByteArray("Artist").leftJustified(30, '\0');
    return file + v1.leftJustified(128, '\0');
}

const QStringList& Folder()
{
    static QTemporaryDir dir;
    static const QStringList files = [] {
        QStringList paths;
        for (int n = 0; n < kFiles; ++n) {
            const QString path = dir.filePath(QStringLiteral("%1.mp3").arg(n, 4, 10, QLatin1Char('0')));
            QFile file(path);
            if (file.open(QIODevice::WriteOnly))
                file.write(Mp3File(n));
            paths << path;
        }
        return paths;
    }();
    return files;
}

void FolderTags_ours(benchmark::State& state)
{
    const QStringList& files = Folder();
    long long seconds = 0;
    for (auto _ : state) {
        for (const QString& path : files) {
            TMP3FileInfo info;
            info.FileName = path;
            info.Read();
            seconds += info.Seconds();
            benchmark::DoNotOptimize(info.Title().size() + info.Artist().size() + info.Album().size());
        }
    }
    state.SetLabel(std::to_string(seconds / std::max<long long>(1, state.iterations())) + " s in all");
}

void FolderTags_peer(benchmark::State& state)
{
    const QStringList& files = Folder();
    long long seconds = 0;
    for (auto _ : state) {
        for (const QString& path : files) {
            const QByteArray name = QFile::encodeName(path);
            const TagLib::FileRef file(name.constData(), true, TagLib::AudioProperties::Average);
            if (file.isNull() || !file.audioProperties()) {
                state.SkipWithError("TagLib could not read a file");
                return;
            }
            seconds += file.audioProperties()->lengthInSeconds();
            benchmark::DoNotOptimize(file.tag()->title().size() + file.tag()->artist().size() + file.tag()->album().size());
        }
    }
    state.SetLabel(std::to_string(seconds / std::max<long long>(1, state.iterations())) + " s in all");
}

} // namespace

BENCHMARK(FolderTags_ours)->Name("mp3_folder_2000/ours")->Unit(benchmark::kMillisecond);
BENCHMARK(FolderTags_peer)->Name("mp3_folder_2000/peer")->Unit(benchmark::kMillisecond);
