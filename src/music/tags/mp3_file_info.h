#pragma once
// The tag reader of MP3 and RIFF WAVE files: ID3v1 and ID3v2.2/2.3 tags, RIFF INFO texts,
// both also inside a MacBinary wrapper, and the playing time from the audio frames.
// Files are hostile input: every size they hold is checked against the file, and a broken
// file gives fewer texts or no time, never more.
#include "music/tags/audio_texts.h"

#include <QString>

class TMP3FileInfo {
public:
    QString FileName;

    // Reads the file: true when the playing time could be worked out. The texts found
    // before a failure keep their values. Without a title from the tags, a successful read
    // takes the file name without folder and extension as the title.
    bool Read();

    int Seconds() const { return seconds_; }
    const TAudioTexts& Texts() const { return texts_; }
    QString Title() const { return texts_.Title; }
    QString Artist() const { return texts_.Artist; }
    QString Album() const { return texts_.Album; }
    QString Comment() const { return texts_.Comment; }
    QString Year() const { return texts_.Year; }
    QString Genre() const { return texts_.Genre; }
    QString Copyright() const { return texts_.Copyright; }
    QString EncodedBy() const { return texts_.EncodedBy; }
    QString OriginalAlbum() const { return texts_.OriginalAlbum; }
    QString EncoderSettings() const { return texts_.EncoderSettings; }
    // Whether the title came from the file name rather than from a tag.
    bool TitleFromFileName() const { return titleFromFileName_; }
    // The major version of an ID3v2 tag at the start of the audio (0 when there is none);
    // versions other than 2 and 3 are left unread.
    int Id3v2Version() const { return id3v2Version_; }

private:
    int seconds_ = 0;
    TAudioTexts texts_;
    bool titleFromFileName_ = false;
    int id3v2Version_ = 0;
};
