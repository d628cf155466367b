// ASX playlists, read line by line: only the element that opens a line counts. A
// recognised element whose required parts are missing ends the reading; the entries read
// so far stay.
#include "music/playlist/asx_tokenizer.h"
#include "music/playlist/m3u_file_info.h"

#include <QStringList>

namespace {

bool Is(const QString& token, const char* word)
{
    return token.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

bool IsDoubleQuoted(const QString& token)
{
    return token.startsWith(QLatin1Char('"'));
}

QString Unquoted(const QString& token)
{
    QString text = token.mid(1);
    if (text.endsWith(token.front()))
        text.chop(1);
    return text;
}

// "hours:minutes:seconds[.fraction]" as whole seconds in decimal text.
QString DurationSeconds(QString text)
{
    const qsizetype dot = text.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        text.truncate(dot);
    const QStringList parts = text.split(QLatin1Char(':'));
    qint64 seconds = 0;
    for (const QString& part : parts)
        seconds = seconds * 60 + part.trimmed().toInt();
    return QString::number(seconds);
}

// The value of `Name = "..."` that follows in the line, or nothing.
std::optional<QString> Attribute(TAsxTokenizer& tokens, const char* name)
{
    if (!Is(tokens.Next(), name) || tokens.Next() != QLatin1String("="))
        return std::nullopt;
    const QString value = tokens.Next();
    if (!IsDoubleQuoted(value))
        return std::nullopt;
    return Unquoted(value);
}

} // namespace

void TM3UFileInfo::ReadAsx(const QStringList& lines)
{
    for (const QString& line : lines) {
        TAsxTokenizer tokens(line);
        if (tokens.Next() != QLatin1String("<"))
            continue;
        const QString element = tokens.Next();
        TPlaylistEntry* entry = entries_.empty() ? nullptr : &entries_.back();
        if (Is(element, "ASX")) {
            entries_.clear();
        } else if (Is(element, "Entry")) {
            entries_.emplace_back();
        } else if (Is(element, "Title")) {
            if (tokens.Next() != QLatin1String(">"))
                return;
            const QString rest = tokens.Rest();
            const qsizetype close = rest.lastIndexOf(QLatin1Char('<'));
            if (close < 0)
                return;
            if (entry)
                entry->Title = rest.left(close).trimmed();
        } else if (Is(element, "Ref")) {
            const std::optional<QString> href = Attribute(tokens, "href");
            if (!href)
                return;
            if (entry)
                entry->Path = ResolvedPath(*href);
        } else if (Is(element, "Param")) {
            if (!Is(tokens.Next(), "Name") || tokens.Next() != QLatin1String("="))
                return;
            const QString name = tokens.Next();
            const bool album = Is(name, "\"Album\"");
            const bool artist = Is(name, "\"Artist\"");
            if (!album && !artist && !Is(name, "\"Name\""))
                continue;
            const std::optional<QString> value = Attribute(tokens, "Value");
            if (!value)
                return;
            if (!entry)
                (artist ? listArtist_ : listAlbum_) = *value;
            else
                (album ? entry->Album : entry->Artist) = *value;
        } else if (Is(element, "Duration")) {
            const std::optional<QString> value = Attribute(tokens, "value");
            if (!value)
                return;
            if (entry)
                entry->Time = DurationSeconds(*value);
        }
    }
}
