#pragma once
// An album as lines of text for a label: optional title and artist lines, then one line
// per track with the chosen fields in the chosen order.
#include <QString>
#include <QStringList>
#include <cstdint>

class TAlbumInfo;

// Flag bits of the lines and fields written.
enum TAlbumTextFlag : std::uint8_t {
    atAlbumTitle = 1 << 0,
    atAlbumArtist = 1 << 1,
    atNumber = 1 << 2,
    atTitle = 1 << 3,
    atArtist = 1 << 4,
    atTime = 1 << 5,
    atAlbum = 1 << 6,
};

struct TASOptRec {
    std::uint8_t Flags = 127;
    QString Separator = QStringLiteral(" ");
    int Order = 0;
};

// The captions of the field orders 0 to 5.
const QStringList& AlbumTextOrderCaptions();
// The separators offered, as captions ("スペース", "タブ", "-", ...).
const QStringList& AlbumTextSeparatorCaptions();
// The separator a caption stands for; any other text is used as it stands.
QString AlbumTextSeparator(const QString& caption);

// The lines: the number is written as "%d." directly before the next field; the other
// fields are joined by the separator.
QStringList AlbumToText(const TAlbumInfo& album, const TASOptRec& options = {});
