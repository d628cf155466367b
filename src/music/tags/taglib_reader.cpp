#include "music/tags/taglib_reader.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <taglib/fileref.h>
#include <taglib/tdebuglistener.h>

namespace {

// TagLib reports damaged files on standard error; the reader's result already says so.
class TQuietListener : public TagLib::DebugListener {
public:
    void printMessage(const TagLib::String&) override {}
};

QString FromTagLib(const TagLib::String& text)
{
    return QString::fromStdString(text.to8Bit(true)).trimmed();
}

} // namespace

std::optional<TTagLibInfo> ReadWithTagLib(const QString& path)
{
    static TQuietListener listener;
    static const bool quiet = (TagLib::setDebugListener(&listener), true);
    (void)quiet;
    const QByteArray name = QFile::encodeName(path);
    const TagLib::FileRef file(name.constData(), true, TagLib::AudioProperties::Average);
    if (file.isNull() || !file.audioProperties())
        return std::nullopt;
    TTagLibInfo info;
    if (const TagLib::Tag* tag = file.tag()) {
        info.Title = FromTagLib(tag->title());
        info.Artist = FromTagLib(tag->artist());
        info.Album = FromTagLib(tag->album());
    }
    info.Seconds = file.audioProperties()->lengthInSeconds();
    return info;
}

bool IsTagLibFormat(const QString& path)
{
    static const QSet<QString> extensions{
        QStringLiteral("flac"), QStringLiteral("ogg"), QStringLiteral("oga"), QStringLiteral("opus"),
        QStringLiteral("spx"),  QStringLiteral("m4a"), QStringLiteral("m4b"), QStringLiteral("mp4"),
        QStringLiteral("aac"),  QStringLiteral("wma"), QStringLiteral("asf"), QStringLiteral("ape"),
        QStringLiteral("wv"),   QStringLiteral("mpc"), QStringLiteral("aif"), QStringLiteral("aiff"),
    };
    return extensions.contains(QFileInfo(path).suffix().toLower());
}
