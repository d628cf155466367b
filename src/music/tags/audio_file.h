#pragma once
// What a folder import takes from one audio file: MP3 and WAVE files through the own tag
// reader first, other formats (and ID3v2 tags of later versions) through TagLib.
#include <QString>

struct TAudioFileInfo {
    QString Title;
    QString Artist;
    QString Album;
    int Seconds = 0;
    // Whether the file could be read as audio (its playing time worked out). A read file
    // without a title from its tags takes the file name, without folder and extension.
    bool Read = false;
};

TAudioFileInfo ReadAudioFile(const QString& path);
