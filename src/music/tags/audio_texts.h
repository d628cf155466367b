#pragma once
// The texts an audio file's tags give.
#include <QString>

struct TAudioTexts {
    QString Title;
    QString Artist;
    QString Album;
    QString Comment; // ID3v1 comment, ID3v2 composer, RIFF comment
    QString Year;
    QString Genre;
    QString Copyright;
    QString EncodedBy;
    QString OriginalAlbum;
    QString EncoderSettings;
};

// A tag field's name and the text it fills.
struct TTagField {
    const char* Id;
    QString TAudioTexts::*Text;
};
