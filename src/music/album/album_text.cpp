#include "music/album/album_text.h"

#include "music/album/album_info.h"

#include <array>

namespace {

constexpr std::array<std::array<TAlbumTextFlag, 5>, 6> kOrders{{
    {atNumber, atTitle, atTime, atArtist, atAlbum},
    {atNumber, atTime, atTitle, atArtist, atAlbum},
    {atNumber, atTitle, atArtist, atTime, atAlbum},
    {atNumber, atArtist, atTitle, atTime, atAlbum},
    {atNumber, atTime, atTitle, atArtist, atAlbum},
    {atNumber, atTime, atArtist, atTitle, atAlbum},
}};

QString FieldText(const TTrackInfo& track, int number, TAlbumTextFlag field)
{
    switch (field) {
    case atNumber: return QStringLiteral("%1.").arg(number);
    case atTitle: return track.Title();
    case atArtist: return track.Artist();
    case atTime: return track.Time();
    case atAlbum: return track.Album();
    default: return {};
    }
}

} // namespace

const QStringList& AlbumTextOrderCaptions()
{
    static const QStringList captions{
        QStringLiteral("No.－タイトル－時間－アーティスト－アルバム"), QStringLiteral("No.－時間－タイトル－アーティスト－アルバム"),
        QStringLiteral("No.－タイトル－アーティスト－時間－アルバム"), QStringLiteral("No.－アーティスト－タイトル－時間－アルバム"),
        QStringLiteral("No.－時間－タイトル－アーティスト－アルバム"), QStringLiteral("No.－時間－アーティスト－タイトル－アルバム"),
    };
    return captions;
}

const QStringList& AlbumTextSeparatorCaptions()
{
    static const QStringList captions{QStringLiteral("スペース"), QStringLiteral("タブ"), QStringLiteral("-"), QStringLiteral("・"),
                                      QStringLiteral("_"),        QStringLiteral("/"),   QStringLiteral("～")};
    return captions;
}

QString AlbumTextSeparator(const QString& caption)
{
    if (caption == QStringLiteral("スペース"))
        return QStringLiteral(" ");
    if (caption == QStringLiteral("タブ"))
        return QStringLiteral("\t");
    return caption;
}

QStringList AlbumToText(const TAlbumInfo& album, const TASOptRec& options)
{
    QStringList lines;
    if (options.Flags & atAlbumTitle)
        lines << album.Title();
    if (options.Flags & atAlbumArtist)
        lines << album.Artist();
    const auto& order = kOrders[static_cast<std::size_t>(std::clamp(options.Order, 0, 5))];
    for (int i = 0; i < album.TrackCount(); ++i) {
        const TTrackInfo& track = *album.Tracks()->Track(i);
        QString line;
        std::optional<TAlbumTextFlag> previous;
        for (const TAlbumTextFlag field : order) {
            if (!(options.Flags & field))
                continue;
            if (previous && *previous != atNumber)
                line += options.Separator;
            line += FieldText(track, i + 1, field);
            previous = field;
        }
        lines << line;
    }
    return lines;
}
