#include "music/tags/genre_names.h"

#include <array>

namespace {

constexpr int kStandardCount = 80;

constexpr std::array<const char*, 126> kGenres{
    "Blues", "Classic Rock", "Country", "Dance", "Disco", "Funk", "Grunge", "Hip-Hop", "Jazz", "Metal",
    "New Age", "Oldies", "Other", "Pop", "R&B", "Rap", "Reggae", "Rock", "Techno", "Industrial",
    "Alternative", "Ska", "Death Metal", "Pranks", "Soundtrack", "Euro-Techno", "Ambient", "Trip-Hop", "Vocal",
    "Jazz+Funk", "Fusion", "Trance", "Classical", "Instrumental", "Acid", "House", "Game", "Sound Clip", "Gospel",
    "Noise", "AlternRock", "Bass", "Soul", "Punk", "Space", "Meditative", "Instrumental Pop", "Instrumental Rock",
    "Ethnic", "Gothic", "Darkwave", "Techno-Industrial", "Electronic", "Pop-Folk", "Eurodance", "Dream",
    "Southern Rock", "Comedy", "Cult", "Gangsta", "Top 40", "Christian Rap", "Pop/Funk", "Jungle",
    "Native American", "Cabaret", "New Wave", "Psychadelic", "Rave", "Showtunes", "Trailer", "Lo-Fi", "Tribal",
    "Acid Punk", "Acid Jazz", "Polka", "Retro", "Musical", "Rock & Roll", "Hard Rock",
    // Winamp's extension
    "Folk", "Folk-Rock", "National Folk", "Swing", "Fast Fusion", "Bebob", "Latin", "Revival", "Celtic",
    "Bluegrass", "Avantgarde", "Gothic Rock", "Progressive Rock", "Psychedelic Rock", "Symphonic Rock",
    "Slow Rock", "Big Band", "Chorus", "Easy Listening", "Acoustic", "Humour", "Speech", "Chanson", "Opera",
    "Chamber Music", "Sonata", "Symphony", "Booty Bass", "Primus", "Porn Groove", "Satire", "Slow Jam", "Club",
    "Tango", "Samba", "Folklore", "Ballad", "Power Ballad", "Rhythmic Soul", "Freestyle", "Duet", "Punk Rock",
    "Drum Solo", "Acapella", "Euro-House", "Dance Hall"};

} // namespace

QString GenreName(int n)
{
    if (n < 0 || n >= static_cast<int>(kGenres.size()))
        return QStringLiteral("Unknown(%1)").arg(n);
    const QString name = QString::fromLatin1(kGenres[n]);
    return n < kStandardCount ? name : name + QStringLiteral("(WINAMP)");
}

QString GenreText(const QString& text)
{
    if (!text.startsWith(QLatin1Char('(')) || text.startsWith(QLatin1String("((")))
        return text;
    const qsizetype close = text.indexOf(QLatin1Char(')'));
    if (close < 0)
        return text;
    bool ok = false;
    const int number = text.mid(1, close - 1).toInt(&ok);
    return GenreName(ok ? number : 0) + text.mid(close + 1);
}
