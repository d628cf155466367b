#pragma once
// Audio files that the own tag reader does not cover (ID3v2.4 tags, FLAC, Ogg Vorbis,
// Opus, MP4/M4A and the other formats TagLib knows), read through TagLib.
#include <QString>
#include <optional>

struct TTagLibInfo {
    QString Title;
    QString Artist;
    QString Album;
    int Seconds = 0;
};

// The texts and whole-second length of the file, or nothing when TagLib cannot read it
// as audio.
std::optional<TTagLibInfo> ReadWithTagLib(const QString& path);

// Whether the file name's extension is one that TagLib reads and the own reader does not.
bool IsTagLibFormat(const QString& path);
