// Fuzzes the playlist reader: M3U with "#EXTINF" lines and the line-oriented ASX reader
// with its tokenizer, on text decoded as a playlist file would be. The first byte picks
// the file name the text came from (".m3u8" reads UTF-8, others Shift-JIS).
#include "music/playlist/m3u_file_info.h"
#include "music/playlist/playlist_text.h"

#include <QCoreApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QString name = data[0] % 2 ? QStringLiteral("list.m3u8") : QStringLiteral("list.asx");
    const QByteArray bytes(reinterpret_cast<const char*>(data) + 1, static_cast<qsizetype>(size - 1));
    TM3UFileInfo playlist;
    playlist.ReadText(PlaylistText(name, bytes));
    for (int i = 0; i <= playlist.Count() + 1; ++i) {
        playlist.Title(i);
        playlist.Time(i);
    }
    return 0;
}
