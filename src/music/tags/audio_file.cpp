#include "music/tags/audio_file.h"

#include "music/tags/mp3_file_info.h"
#include "music/tags/taglib_reader.h"

#include <QFileInfo>

namespace {

std::optional<TAudioFileInfo> FromTagLib(const QString& path)
{
    const std::optional<TTagLibInfo> tags = ReadWithTagLib(path);
    // TagLib accepts files in which it found neither a tag nor any audio.
    if (!tags || (tags->Seconds <= 0 && tags->Title.isEmpty() && tags->Artist.isEmpty() && tags->Album.isEmpty()))
        return std::nullopt;
    TAudioFileInfo info{tags->Title, tags->Artist, tags->Album, tags->Seconds, true};
    if (info.Title.isEmpty())
        info.Title = QFileInfo(path).completeBaseName();
    return info;
}

} // namespace

TAudioFileInfo ReadAudioFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    if (IsTagLibFormat(path))
        return FromTagLib(path).value_or(TAudioFileInfo{});
    TMP3FileInfo mp3;
    mp3.FileName = path;
    const bool read = mp3.Read();
    const int version = mp3.Id3v2Version();
    // The own reader leaves tags of later ID3v2 versions unread, and files it cannot time
    // may still be audio that TagLib knows.
    if (!read || (version != 0 && version != 2 && version != 3)) {
        if (std::optional<TAudioFileInfo> info = FromTagLib(path))
            return *info;
    }
    return {mp3.Title(), mp3.Artist(), mp3.Album(), mp3.Seconds(), read};
}
