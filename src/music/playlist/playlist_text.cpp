#include "music/playlist/playlist_text.h"

#include "platform/shift_jis.h"

#include <QFileInfo>

QString PlaylistText(const QString& fileName, QByteArray bytes)
{
    bytes.replace('\0', ' ');
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.sliced(3));
    if (QFileInfo(fileName).suffix().compare(QLatin1String("m3u8"), Qt::CaseInsensitive) == 0)
        return QString::fromUtf8(bytes);
    return DecodeShiftJIS(bytes);
}
